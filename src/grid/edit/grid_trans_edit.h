#pragma once
// The editors of fixed (header) cells, which the normal editing never
// opens: TGridTransEdit, a plain edit, and TGridTransCombo, the flat combo.
// The grid places one over the header cell (Col, Row) and shows it; leaving
// it finishes the edit through the grid's validation event and writes the
// value into the header cell, or keeps the editor open on a refused value.
// Each change the user makes is reported through the grid's OnEditChange.
#include <QLineEdit>
#include <QPointer>

#include "controls/editors/zsg_combo_box.h"

class TZadIrururOziz;

class TGridTransEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TGridTransEdit(TZadIrururOziz* AOwner);

  int Row() const { return FRow; }
  void SetRow(int Value) { FRow = Value; }
  int Col() const { return FCol; }
  void SetCol(int Value) { FCol = Value; }
  // No border or a single one.
  void SetBorderStyle(bool Single) { setFrame(Single); }
  // Finishes the edit; false when the value was refused (the editor stays).
  bool StopEdit();

  TZadIrururOziz* FGrid;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  int FRow = 0, FCol = 0;
  bool FStopping = false;
};

class TGridTransCombo : public TZsgComboBox {
  Q_OBJECT

 public:
  explicit TGridTransCombo(TZadIrururOziz* AOwner);

  int Row() const { return FRow; }
  void SetRow(int Value) { FRow = Value; }
  int Col() const { return FCol; }
  void SetCol(int Value) { FCol = Value; }
  bool StopEdit();

  TZadIrururOziz* FGrid;

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void Left();
  // Weak: a new edit part may take the address of the old one.
  QPointer<QObject> FHookedEdit;
  int FRow = 0, FCol = 0;
  bool FStopping = false;
};

namespace fixed_cell_edit {

// The common finish: the grid's validation for (ACol, ARow), then
// OnEditingDone and the value into the cell. False when refused.
bool Finish(TZadIrururOziz& Grid, int ACol, int ARow, const QString& Text);
// A change of the editor's text by the user: the grid's OnEditChange for the
// header cell (real column) with the new text.
void Changed(TZadIrururOziz& Grid, int ACol, int ARow, const QString& Text);

}  // namespace fixed_cell_edit
