// Cell access of TZadIrururOziz beyond Cells: by real row (a hidden row is
// read from and written to its record), by the order before sorting and
// before column moves, and the current cell through a merged block.
#include <algorithm>

#include "grid/core/zad_irurur_oziz.h"

// ---- hidden-row records

size_t TZadIrururOziz::Hidden_Lower_Bound(int ARow) const {
  const std::vector<int>& sorted = Hidden_Sorted();
  const size_t n = sorted.size();
  auto fits = [&](size_t q) { return q <= n && (q == 0 || sorted[q - 1] < ARow) && (q == n || sorted[q] >= ARow); };
  // Callers walk the rows in order: the answer is the last one or just
  // after it, and only a jump needs the search.
  for (size_t q = FHiddenHint; q <= FHiddenHint + 2; ++q)
    if (fits(q)) return FHiddenHint = q;
  FHiddenHint = size_t(std::lower_bound(sorted.begin(), sorted.end(), ARow) - sorted.begin());
  return FHiddenHint;
}

TGridItem* TZadIrururOziz::FindHiddenRowItems(int ARow) {
  if (FGridItems.empty()) return nullptr;
  const size_t p = Hidden_Lower_Bound(ARow);
  const std::vector<int>& sorted = Hidden_Sorted();
  if (p >= sorted.size() || sorted[p] != ARow) return nullptr;
  // The records are kept in row order, so the sorted position is mostly the
  // record's; a search, then a walk, covers records out of order.
  if (p < FGridItems.size() && FGridItems[p]->Idx == ARow) return FGridItems[p].get();
  auto it = std::lower_bound(FGridItems.begin(), FGridItems.end(), ARow,
                             [](const std::unique_ptr<TGridItem>& item, int row) { return item->Idx < row; });
  if (it != FGridItems.end() && (*it)->Idx == ARow) return it->get();
  for (auto& item : FGridItems)
    if (item->Idx == ARow) return item.get();
  return nullptr;
}

Cell_Store::Cell_Copy* TZadIrururOziz::Hidden_Entry(TGridItem& Item, int ACol, bool Create) {
  auto& cells = Item.Items;
  auto it = std::lower_bound(cells.begin(), cells.end(), ACol,
                             [](const Cell_Store::Cell_Copy& cell, int col) { return cell.col < col; });
  if (it != cells.end() && it->col == ACol) return &*it;
  for (auto& cell : cells)
    if (cell.col == ACol) return &cell;
  if (!Create) return nullptr;
  // Entries stay in column order, as the store hands rows out and takes
  // them back.
  return &*cells.insert(it, Cell_Store::Cell_Copy{ACol, QString(), nullptr});
}

void TZadIrururOziz::Repaint_Real_Cell(int ACol, int ARow) {
  const int shown = DisplColIndex(ACol);
  if (shown != ACol) RepaintCell(shown, ARow);
}

// ---- texts and objects by real row

QString TZadIrururOziz::AllCells(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return QString();
  if (TGridItem* item = FindHiddenRowItems(ARow)) {
    const Cell_Store::Cell_Copy* entry = Hidden_Entry(*item, ACol, false);
    QString value = entry ? entry->text : QString();
    DoGetDisplText(ACol, ARow, value);
    return value;
  }
  // The search above left the number of hidden rows before ARow.
  return GetCellEx(ACol, FGridItems.empty() ? ARow : ARow - int(FHiddenHint));
}

void TZadIrururOziz::SetAllCells(int ACol, int ARow, const QString& Value) {
  if (ACol < 0 || ARow < 0) return;
  if (TGridItem* item = FindHiddenRowItems(ARow)) {
    Hidden_Entry(*item, ACol, true)->text = Value;
    return;
  }
  const int row = DisplRowIndex(ARow);
  SetCellEx(ACol, row, Value);
  Repaint_Real_Cell(ACol, row);
}

QString TZadIrururOziz::AllGridCells(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return QString();
  if (TGridItem* item = FindHiddenRowItems(ARow)) {
    const Cell_Store::Cell_Copy* entry = Hidden_Entry(*item, ACol, false);
    return entry ? entry->text : QString();
  }
  return GetGridCell(ACol, DisplRowIndex(ARow));
}

void TZadIrururOziz::SetAllGridCells(int ACol, int ARow, const QString& Value) {
  if (ACol < 0 || ARow < 0) return;
  if (TGridItem* item = FindHiddenRowItems(ARow)) {
    // A column past the record's entries is added, as AllCells does, rather
    // than written outside the record.
    Hidden_Entry(*item, ACol, true)->text = Value;
    return;
  }
  const int row = DisplRowIndex(ARow);
  SetGridCell(ACol, row, Value);
  RepaintCell(DisplColIndex(ACol), row);
}

quintptr TZadIrururOziz::AllObjects(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return 0;
  if (TGridItem* item = FindHiddenRowItems(ARow)) {
    const Cell_Store::Cell_Copy* entry = Hidden_Entry(*item, ACol, false);
    return entry && entry->props ? entry->props->CellObject() : 0;
  }
  return GetObjectEx(ACol, DisplRowIndex(ARow));
}

void TZadIrururOziz::SetAllObjects(int ACol, int ARow, quintptr Value) {
  if (ACol < 0 || ARow < 0) return;
  if (TGridItem* item = FindHiddenRowItems(ARow)) {
    Cell_Store::Cell_Copy* entry = Hidden_Entry(*item, ACol, true);
    if (!entry->props) {
      // The record owns the properties until the row is shown again.
      entry->props = new TCellProperties(this, ACol, ARow);
      Initial_Cell_Look(ACol, ARow, *entry->props);
    }
    entry->props->SetCellObject(Value);
    return;
  }
  SetObjectEx(ACol, DisplRowIndex(ARow), Value);
}

// ---- column order and sort order

// ColumnPosition: grid/settings/grid_column_order.cpp.
QString TZadIrururOziz::OriginalCells(int ACol, int ARow) { return GetCellEx(ColumnPosition(ACol), ARow); }

void TZadIrururOziz::SetOriginalCells(int ACol, int ARow, const QString& Value) {
  SetCellEx(ColumnPosition(ACol), ARow, Value);
}

int TZadIrururOziz::SortedRowIndex(int ARow) const {
  const int row = ARow >= 0 && ARow < FSortRowXRef.Count() ? FSortRowXRef.GetInteger(ARow) : ARow;
  return RealRowIndex(row);
}

int TZadIrururOziz::UnSortedRowIndex(int ARow) const {
  const int count = FSortRowXRef.Count();
  if (count == 0) return ARow;
  for (int p = 0; p < count; ++p)
    if (FSortRowXRef.GetInteger(p) == ARow) return p;
  return count;
}

QString TZadIrururOziz::UnSortedCells(int ACol, int ARow) {
  const int count = FSortRowXRef.Count();
  if (count == 0 || count < ARow) return GetCellEx(ACol, ARow);
  const int p = UnSortedRowIndex(ARow);
  // No sorted position came from this row: there is no such cell.
  if (p >= count) return QString();
  return GetCellEx(ACol, p);
}

void TZadIrururOziz::SetUnSortedCells(int ACol, int ARow, const QString& Value) {
  const int count = FSortRowXRef.Count();
  if (count == 0 || count < ARow) return SetCellEx(ACol, ARow, Value);
  const int p = UnSortedRowIndex(ARow);
  if (p >= count) return;
  SetCellEx(ACol, p, Value);
}

// ---- the current cell

QString TZadIrururOziz::GetCurrentCell() {
  const QPoint base = BaseCell(RealColIndex(Col()), Row());
  return GetGridCell(base.x(), base.y());
}

void TZadIrururOziz::SetCurrentCell(const QString& Value) {
  // SetCellEx writes a covered cell's text into its block's base cell.
  SetCellEx(RealColIndex(Col()), Row(), Value);
}

QString TZadIrururOziz::ReadCurrentCell() { return GetCellEx(RealColIndex(Col()), Row()); }

void TZadIrururOziz::WriteCurrentCell(const QString& Value) {
  const int real = RealColIndex(Col());
  if (IsMergedNonBaseCell(real, Row())) {
    const QPoint base = BaseCell(real, Row());
    SetEditText(DisplColIndex(base.x()), base.y(), Value);
    return;
  }
  SetEditText(Col(), Row(), Value);
}
