#pragma once
// TGridUnitEditBtn: the value-with-unit editor the grid lays over its unit
// cells. The cell holds the value followed by its unit; Tab, Enter, Up and
// Down store and validate both, Escape drops the unit and puts back the
// cell's text; typed characters follow the cell's kind (any, numeric,
// floating); the button hands the value to the grid's ellipsis event and
// then offers the units.
#include "controls/editors/zsg_unit_edit_btn.h"

class TZadIrururOziz;

class TGridUnitEditBtn : public TZsgUnitEditBtn {
  Q_OBJECT

 public:
  explicit TGridUnitEditBtn(TZadIrururOziz* AOwner);

  void ReCreate() {}
  // The button: the text through the grid's ellipsis event.
  void EllipsClick();

  TZadIrururOziz* FGrid;

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  // The cell's text split into value and unit; a text without a listed
  // unit is all value.
  void Take_Cell_Text(const QString& Text);
};
