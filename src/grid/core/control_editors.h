#pragma once
// The two small editors the string grid lays over the HTML form controls in
// its cells: TControlEdit for edit fields, TControlCombo for selects. Enter
// hands the focus back to the grid; Tab leaves the control too and, with
// Navigation.AdvanceAuto, moves the grid on from the current cell, without
// it to the next form control of the edited cell.
#include <QLineEdit>

#include "controls/editors/zsg_combo_box.h"

class TZadIrururOziz;

class TControlEdit : public QLineEdit {
 public:
  explicit TControlEdit(QWidget* parent = nullptr);

 protected:
  bool event(QEvent* event) override;
};

class TControlCombo : public TZsgComboBox {
 public:
  explicit TControlCombo(QWidget* parent = nullptr);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Enter and Tab of a form-control editor inside a grid: true when the key
// was the grid's business and is used up.
bool Form_Control_Key(QWidget* Editor, int Key);
