// Counts, fixed rows and columns and the current cell of TZadIrururOziz.
#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::Row_Count_Written(int Value) {
  if (Value > FMaxRowCount) FMaxRowCount = Value;
  SetNormalRowCount(Value);
}

void TZadIrururOziz::SetRowCount(int Value) {
  const int old_count = RowCount();
  TBaseGrid::SetRowCount(Value);
  Carry_Footer_Row(old_count);
  if (FFixedRowsMin < RowCount() && FFixedRowAlways) SetFixedRows(FFixedRowsMin);
  Row_Count_Written(Value);
}

void TZadIrururOziz::SetColCount(int Value) {
  TBaseGrid::SetColCount(Value);
  if (FFixedColsMin < ColCount() && FFixedColAlways) SetFixedCols(FFixedColsMin);
  if (Value > FMaxColCount) FMaxColCount = Value;
}

void TZadIrururOziz::SetCol(int Value) {
  TBaseGrid::SetCol(Value);
  auto* sync = qobject_cast<TZadIrururOziz*>(FSyncGrid->Grid());
  if (sync && FSyncGrid->SelectionColumn()) sync->SetCol(Col());
}

void TZadIrururOziz::SetRow(int Value) {
  if (Col() < 0 || Col() >= ColCount()) FocusCell(FixedCols(), Value);
  TBaseGrid::SetRow(Value);
  if (Row() != FOldRowSel && OnRowUpdate) {
    OnRowUpdate(this, FOldRowSel, Row());
    FOldRowSel = Row();
  }
  if (FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
  auto* sync = qobject_cast<TZadIrururOziz*>(FSyncGrid->Grid());
  if (sync && FSyncGrid->SelectionRow()) sync->SetRow(Row());
}

void TZadIrururOziz::SetTopRow(int Value) {
  if (Value < FixedRows() || Value > RowCount() - 1) return;
  TBaseGrid::SetTopRow(Value);
}

int TZadIrururOziz::GetFixedRows() const { return FixedRows() == 0 && FFixedRowAlways ? 1 : FixedRows(); }

int TZadIrururOziz::GetFixedCols() const { return FixedCols() == 0 && FFixedColAlways ? 1 : FixedCols(); }

void TZadIrururOziz::SetFixedRows(int Value) {
  int v = Value;
  if (Value >= RowCount() && FFixedRowAlways) v = RowCount() - 1;
  TBaseGrid::SetFixedRows(v);
  FFixedRowsMin = Value;
}

void TZadIrururOziz::SetFixedCols(int Value) {
  int v = Value;
  if (Value >= ColCount() && FFixedColAlways) v = ColCount() - 1;
  TBaseGrid::SetFixedCols(v);
  FFixedColsMin = Value;
}

void TZadIrururOziz::SetFixedColWidth(int Value) {
  if (Value == DefaultColWidth()) return;
  for (int c = 0; c < FixedCols(); ++c) SetColWidths(c, Value);
}

void TZadIrururOziz::SetFixedRowHeight(int Value) {
  FFixedRowHeight = Value;
  if (Value == DefaultRowHeight()) {
    SetDefaultRowHeight(Value);
    return;
  }
  for (int r = 0; r < FixedRows(); ++r) SetRowHeights(r, Value);
}

void TZadIrururOziz::SetGridDefaultRowHeight(int Value) {
  SetDefaultRowHeight(Value);
  FloatingFooter().SetHeight(Value);
}

void TZadIrururOziz::SetFixedFooters(int Value) {
  FFixedFooters = Value;
  InvalidateGrid();
}

void TZadIrururOziz::SetFixedRightCols(int Value) {
  FFixedRightCols = Value;
  InvalidateGrid();
}

void TZadIrururOziz::SetDefaultAlignment(TAlignment Value) {
  if (FDefaultAlignment == Value) return;
  FDefaultAlignment = Value;
  InvalidateGrid();
}

void TZadIrururOziz::SetVAlignment(TVAlignment Value) {
  FVAlignment = Value;
  FVAlign = Value == vtaCenter ? 4 : Value == vtaBottom ? 8 : 0;
  if (FUpdateCount == 0) InvalidateGrid();
}

void TZadIrururOziz::SetGridWordWrap(bool Value) {
  SetWordWrap(Value);
  FWordWrapEx = Value;
  if (FUpdateCount == 0) InvalidateGrid();
}

void TZadIrururOziz::SetShowSelection(bool Value) {
  if (FShowSelection == Value) return;
  FShowSelection = Value;
  SetShowSel(Value);
  InvalidateGrid();
}

void TZadIrururOziz::SetFlat(bool Value) {
  FFlat = Value;
  InvalidateGrid();
}

void TZadIrururOziz::SetSpreadSheet(bool Value) {
  FSpreadSheet = Value;
  FNavigation->SetAllowSmartClipboard(true);
  SetOptions(Options() | goRangeSelect | goEditing);
  FMouseActions->SetRangeSelectAndEdit(true);
}

bool TZadIrururOziz::SelectCell(int c, int r) { return CanSelectCell(c, r); }

void TZadIrururOziz::RepaintActiveCellHeaders(int OldCol, int OldRow, int NewCol, int NewRow) {
  for (auto [c, r] : {std::pair{OldCol, OldRow}, {NewCol, NewRow}}) {
    if (FixedRows() > 0) RepaintCell(c, FixedRows() - 1);
    if (FixedCols() > 0) RepaintCell(FixedCols() - 1, r);
  }
}
