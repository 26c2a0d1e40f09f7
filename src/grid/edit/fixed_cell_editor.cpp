// The editor a press or double click opens over a fixed (header) cell: an
// edit box or a combo box laid on the cell, made on first use. It writes
// back by itself when it is left (grid_trans_edit.cpp).
#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/grid_trans_edit.h"

TGridTransEdit* TZadIrururOziz::FixedEdit() {
  if (!FFixedEdit) FFixedEdit = new TGridTransEdit(this);
  return FFixedEdit;
}

TGridTransCombo* TZadIrururOziz::FixedCombo() {
  if (!FFixedCombo) FFixedCombo = new TGridTransCombo(this);
  return FFixedCombo;
}

void TZadIrururOziz::EditFixedCell(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
  // An open header editor finishes first; a refused value keeps it open.
  if (FFixedEdit && FFixedEdit->isVisible() && !FFixedEdit->StopEdit()) return;
  if (FFixedCombo && FFixedCombo->isVisible() && !FFixedCombo->StopEdit()) return;
  bool can_edit = true;
  if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, can_edit);
  if (!can_edit) return;
  FFixedColEdit = ACol;
  FFixedRowEdit = ARow;
  TGridFixedCellEditor kind = ACol == 0 ? FMouseActions->FixedColsEditor() : FMouseActions->FixedRowsEditor();
  QStringList values = FMouseActions->FixedComboValues();
  DoFixedEdit(ACol, ARow, kind, values);
  const int real = RealColIndex(ACol);
  const QString text = GetCellEx(real, ARow);
  const TRect r = CellRect(ACol, ARow).Inflate(-1, -1);
  if (kind == fceEdit) {
    TGridTransEdit* edit = FixedEdit();
    edit->setGeometry(r.To_QRect());
    edit->setText(text);
    edit->SetCol(real);
    edit->SetRow(ARow);
    edit->show();
    edit->setFocus();
    return;
  }
  TGridTransCombo* combo = FixedCombo();
  combo->SetStyle(kind == fceComboList ? csDropDownList : csDropDown);
  combo->Items().Assign(values);
  combo->setGeometry(QRect(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height()));
  combo->SetText(text);
  combo->SetCol(real);
  combo->SetRow(ARow);
  combo->show();
  combo->setFocus();
}
