// Selection of TZadIrururOziz: the selection rectangle of the platform grid
// and the disjunct row, column and cell selections beside it.
#include <algorithm>
#include <cstdlib>

#include "grid/core/zad_irurur_oziz.h"

namespace {
int Pack_Cell(int col, int row) { return int((uint32_t(row) << 16) | (uint32_t(col) & 0xFFFF)); }
}  // namespace

void TZadIrururOziz::SetSelectionRect(const TGridRect& Value) {
  Set_Selection_Anchored(Value);
  if (FActiveCellShow) InvalidateGrid();
  if (ActiveRowShow()) RepaintRow(Value.Bottom);
}

void TZadIrururOziz::GotoCell(int ACol, int ARow) {
  SetRow(ARow);
  SetCol(ACol);
}

void TZadIrururOziz::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow) {
  SetRow(ToRow);
  SetCol(ToCol);
  SetSelectionRect(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

void TZadIrururOziz::HideSelection() {
  FOldSelection = Selection();
  Set_Selection_Anchored(TGridRect{ColCount(), RowCount(), ColCount(), RowCount()});
  FSelHidden = true;
}

void TZadIrururOziz::UnHideSelection() {
  FSelHidden = false;
  if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
    SetSelectionRect(FOldSelection);
    return;
  }
  const int r = FFixedRowAlways && FixedRows() == RowCount() ? 0 : FixedRows();
  const int c = FFixedColAlways && FixedCols() == ColCount() ? 0 : FixedCols();
  SetSelectionRect(TGridRect{c, r, c, r});
}

bool TZadIrururOziz::RowSelect(int ARow) {
  if ((ARow < 0 || ARow >= RowCount() + NumHiddenRows()) && !FMouseActions->RowSelectPersistent())
    throw VAzaZeriVader(QStringLiteral("Invalid row %1 accessed").arg(ARow).toStdString());
  if (FMouseActions->DisjunctRowSelect()) {
    if (ARow < 0) return false;
    if (size_t(ARow) >= FRowSelect.size()) FRowSelect.resize(size_t(ARow) + 1, false);
    return FRowSelect[size_t(ARow)];
  }
  const TGridRect sel = Selection();
  return ARow >= std::min(sel.Top, sel.Bottom) && ARow <= std::max(sel.Top, sel.Bottom);
}

void TZadIrururOziz::SetRowSelect(int ARow, bool Value) {
  if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()))
    throw VAzaZeriVader("Invalid row accessed");
  const bool current = size_t(ARow) < FRowSelect.size() && FRowSelect[size_t(ARow)];
  bool allow = true;
  if (Value != current && OnRowDisjunctSelect) OnRowDisjunctSelect(this, ARow, Value, allow);
  if (!allow) return;
  if (size_t(ARow) >= FRowSelect.size()) FRowSelect.resize(size_t(ARow) + 1, false);
  if (Value) {
    if (!current) RepaintRow(ARow);
    FRowSelect[size_t(ARow)] = true;
    if (!FSelectedRows.HasValue(ARow) && ARow >= FixedRows()) FSelectedRows.Add(ARow);
  } else {
    if (current) RepaintRow(ARow);
    FRowSelect[size_t(ARow)] = false;
    FSelectedRows.DeleteValue(ARow);
  }
  if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

bool TZadIrururOziz::ColSelect(int ACol) {
  if (ACol < 0 || ACol >= ColCount()) throw VAzaZeriVader("Invalid column accessed");
  if (size_t(ACol) >= FColSelect.size()) FColSelect.resize(size_t(ACol) + 1, false);
  return FColSelect[size_t(ACol)];
}

void TZadIrururOziz::SetColSelect(int ACol, bool Value) {
  if (ColSelect(ACol) == Value) return;
  RepaintCol(ACol);
  FColSelect[size_t(ACol)] = Value;
}

void TZadIrururOziz::SelectRows(int RowIndex, int RCount) {
  RCount = std::min(RCount, RowCount() - RowIndex);
  if (!FMouseActions->DisjunctRowSelect()) {
    if (RCount > 0) SetSelectionRect(TGridRect{FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
  } else {
    for (int r = RowIndex; r < RowIndex + RCount; ++r) {
      const int key = FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r;
      if (key < RowCount()) SetRowSelect(key, true);
    }
  }
  FSelChange = false;
}

void TZadIrururOziz::UnSelectRows(int RowIndex, int RCount) {
  if (FMouseActions->DisjunctRowSelect()) {
    RCount = std::min(RCount, RowCount() - RowIndex);
    for (int r = RowIndex; r < RowIndex + RCount; ++r) {
      const int key = FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r;
      if (key < RowCount()) SetRowSelect(key, false);
    }
  }
  FSelChange = false;
}

void TZadIrururOziz::SelectCols(int ColIndex, int CCount) {
  if (!FMouseActions->DisjunctColSelect()) {
    if (CCount > 0) SetSelectionRect(TGridRect{ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
    return;
  }
  for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, true);
}

void TZadIrururOziz::UnSelectCols(int ColIndex, int CCount) {
  if (!FMouseActions->DisjunctColSelect()) return;
  for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, false);
}

void TZadIrururOziz::ClearRowSelect() {
  for (size_t r = 0; r < FRowSelect.size(); ++r) {
    if (FRowSelect[r]) RepaintRow(int(r));
    FRowSelect[r] = false;
  }
  if (!FRowSelect.empty()) FSelectedRows.Clear();
}

void TZadIrururOziz::ClearColSelect() {
  for (size_t c = 0; c < FColSelect.size(); ++c) {
    if (FColSelect[c]) RepaintCol(int(c));
    FColSelect[c] = false;
  }
}

void TZadIrururOziz::SelectionToRowSelect(bool All) {
  const TGridRect sel = Selection();
  const int top = std::min(sel.Top, sel.Bottom);
  const int bottom = std::min(std::max(sel.Top, sel.Bottom), RowCount() - FFixedFooters - 1);
  for (int r = FixedRows(); r < RowCount(); ++r) {
    const bool inside = r >= top && r <= bottom;
    if (!inside && !All) continue;
    const int key = FMouseActions->RowSelectPersistent() ? RealRowIndex(r) : r;
    SetRowSelect(key, inside);
  }
  if (NumHiddenRows() > 0) InvalidateGrid();
}

void TZadIrururOziz::SelectionToColSelect(bool All) {
  const TGridRect sel = Selection();
  for (int c = FixedCols(); c < ColCount(); ++c) {
    const bool inside = c >= sel.Left && c <= sel.Right;
    if (inside || All) SetColSelect(c, inside);
  }
}

int TZadIrururOziz::RowSelectCount() {
  if (FMouseActions->DisjunctRowSelect()) {
    const size_t limit = std::min(size_t(RowCount() + NumHiddenRows()), FRowSelect.size());
    return int(std::count(FRowSelect.begin(), FRowSelect.begin() + long(limit), true));
  }
  return std::abs(Selection().Bottom - Selection().Top) + 1;
}

int TZadIrururOziz::ColSelectCount() {
  if (FMouseActions->DisjunctColSelect()) return int(std::count(FColSelect.begin(), FColSelect.end(), true));
  return Selection().Right - Selection().Left + 1;
}

int TZadIrururOziz::SelectedRowCount() {
  if (FMouseActions->DisjunctRowSelect()) return FSelectedRows.Count();
  const TGridRect sel = Selection();
  const int bottom = std::min(sel.Bottom, RowCount() - FFixedFooters - 1);
  if (IsMergedCell(sel.Left, sel.Top)) {
    const int s = CellSpan(sel.Left, sel.Top).y();
    return bottom < sel.Top + s ? s + 1 : std::abs(sel.Top - bottom) + 1;
  }
  if (IsMergedCell(sel.Left, bottom)) return std::abs(sel.Top - bottom) + CellSpan(sel.Left, bottom).y() + 1;
  return std::abs(sel.Top - bottom) + 1;
}

int TZadIrururOziz::SelectedColCount() {
  if (FMouseActions->DisjunctColSelect()) return int(FColSelect.size());
  const TGridRect sel = Selection();
  if (IsMergedCell(sel.Left, sel.Top)) {
    const int s = CellSpan(sel.Left, sel.Top).x();
    if (sel.Right < sel.Left + s) return s + 1;
  } else if (IsMergedCell(sel.Right, sel.Top)) {
    return std::abs(sel.Left - sel.Right) + CellSpan(sel.Right, sel.Top).x() + 1;
  }
  return std::abs(sel.Left - sel.Right) + 1;
}

int TZadIrururOziz::SelectedRow(int i) {
  if (FMouseActions->DisjunctRowSelect()) return i >= 0 && i < FSelectedRows.Count() ? FSelectedRows.GetInteger(i) : -1;
  const TGridRect sel = Selection();
  const int row = std::min(sel.Top, sel.Bottom) + i;
  return i >= 0 && row <= std::max(sel.Top, sel.Bottom) ? row : -1;
}

int TZadIrururOziz::SelectedCellsCount() {
  if (FMouseActions->DisjunctCellSelect()) return FSelectedCells.Count();
  FSelectedCells.Clear();
  const TGridRect sel = Selection();
  if (sel.Left == sel.Right && sel.Top == sel.Bottom) {
    FSelectedCells.Add(Pack_Cell(Col(), Row()));
  } else {
    for (int c = std::min(sel.Left, sel.Right); c <= std::max(sel.Left, sel.Right); ++c)
      for (int r = std::min(sel.Top, sel.Bottom); r <= std::max(sel.Top, sel.Bottom); ++r)
        FSelectedCells.Add(Pack_Cell(c, r));
  }
  return FSelectedCells.Count();
}

TGridCoord TZadIrururOziz::SelectedCell(int i) const {
  const uint32_t packed = uint32_t(FSelectedCells.GetInteger(i));
  return TGridCoord{int(packed & 0xFFFF), int(packed >> 16)};
}

bool TZadIrururOziz::SelectedCells(int i, int j) const {
  if (FMouseActions->DisjunctCellSelect()) return FSelectedCells.HasValue(Pack_Cell(i, j));
  const TGridRect sel = Selection();
  return i >= std::min(sel.Left, sel.Right) && i <= std::max(sel.Left, sel.Right) &&
         j >= std::min(sel.Top, sel.Bottom) && j <= std::max(sel.Top, sel.Bottom);
}

void TZadIrururOziz::SetSelectedCells(int i, int j, bool Value) {
  // The packed list holds columns and rows 0..65535 only.
  if (i < 0 || j < 0 || i > 0xFFFF || j > 0xFFFF) return;
  const int packed = Pack_Cell(i, j);
  const bool present = FSelectedCells.HasValue(packed);
  if (Value && !present) FSelectedCells.Add(packed);
  if (!Value && present) FSelectedCells.DeleteValue(packed);
  if (Value != present) RepaintCell(i, j);
}

void TZadIrururOziz::ClearSelectedCells() {
  SetSelectionRect(TGridRect{FixedCols(), FixedRows(), FixedCols(), FixedRows()});
  FSelectedCells.Clear();
  InvalidateGrid();
}

int TZadIrururOziz::ModifiedRowCount() const {
  int count = 0;
  for (int i = 0; i < FModifiedRows.Count(); ++i)
    if (FModifiedRows.GetInteger(i) == 1) ++count;
  return count;
}

void TZadIrururOziz::ClearModifiedRows() {
  FModifiedRows.Clear();
  InvalidateGrid();
}

void TZadIrururOziz::RepaintRect(const TGridRect& r) {
  if (r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0) return;
  const TRect first = PlatformCellRect(r.Left, r.Top);
  const TRect last = PlatformCellRect(std::min(VisibleColCount() + FixedCols(), r.Right), r.Bottom);
  if (first.Is_Empty() || last.Is_Empty()) {
    InvalidateGrid();
    return;
  }
  InvalidateRect(TRect{std::min(first.Left, last.Left), std::min(first.Top, last.Top),
                       std::max(first.Right, last.Right), std::max(first.Bottom, last.Bottom)});
}

void TZadIrururOziz::RepaintRow(int ARow) {
  const TRect left = UnclippedCellRect(0, ARow);
  const TRect right = UnclippedCellRect(std::min(LeftCol() + VisibleColCount(), ColCount() - 1), ARow);
  InvalidateRect(TRect{left.Left, left.Top, right.Right, right.Bottom});
}

void TZadIrururOziz::RepaintCol(int ACol) {
  const TRect top = UnclippedCellRect(ACol, TopRow());
  const TRect bottom = UnclippedCellRect(ACol, std::min(TopRow() + VisibleRowCount(), RowCount() - 1));
  InvalidateRect(TRect{top.Left, top.Top, bottom.Right, bottom.Bottom});
}
