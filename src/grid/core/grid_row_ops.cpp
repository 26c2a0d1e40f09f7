// Row and column operations of TZadIrururOziz. Row arguments are display
// rows; storage columns are real columns. The per-row side lists (modified
// and disabled flags) and the hidden-row records follow the rows.
#include <QSet>
#include <algorithm>
#include <stdexcept>

#include "grid/core/zad_irurur_oziz.h"

namespace {

QString Trim_Blanks_And_Controls(const QString& text) {
  int start = 0, end = int(text.size());
  while (start < end && text[start].unicode() <= ' ') ++start;
  while (end > start && text[end - 1].unicode() <= ' ') --end;
  return text.mid(start, end - start);
}

// A per-row flag list: entry i belongs to row i; missing entries are 0.
void Insert_Flags(TIntList& list, int at, int count) {
  if (at < list.Count())
    for (int i = 0; i < count; ++i) list.Insert(at, 0);
}

void Delete_Flags(TIntList& list, int at, int count) {
  for (int i = 0; i < count && at < list.Count(); ++i) list.Delete(at);
}

}  // namespace

void TZadIrururOziz::Free_Cell_Props(int c, int r) {
  TCellProperties* props = Store().Object(c, r);
  if (!props) return;
  // A shared object is never freed by a cell operation.
  if (props->GraphicObject() == &FCellGraphic) props->SetGraphicObject(nullptr);
  Store().SetCellProperties(c, r, nullptr);
}

void TZadIrururOziz::Reset_Storage_Row(int r) {
  for (auto& cell : Store().Take_Row(r)) {
    if (!cell.props) continue;
    if (TCellObjectBase* graphic = cell.props->GraphicObject(); graphic && graphic->Owned_By_Grid()) delete graphic;
    delete cell.props;
  }
}

void TZadIrururOziz::DoCellsChanged(const TGridRect& R) {
  if (OnCellsChanged) OnCellsChanged(this, R);
  // A copy: a notifier may unregister itself while it is told.
  const std::vector<QPointer<TGridChangeNotifier>> notifiers = FNotifiers;
  for (const QPointer<TGridChangeNotifier>& notifier : notifiers)
    if (notifier) notifier->CellsChanged(R);
  RecalcFooter();
}

// ---- per-row flags

bool TZadIrururOziz::RowModified(int ARow) const {
  return ARow >= 0 && ARow < FModifiedRows.Count() && FModifiedRows.GetInteger(ARow) == 1;
}

void TZadIrururOziz::SetRowModified(int ARow, bool Value) {
  // A bad row would grow the list without bound or index before it.
  if (ARow < 0 || ARow >= RowCount() + NumHiddenRows())
    throw VAzaZeriVader(QStringLiteral("Invalid row %1 accessed").arg(ARow).toStdString());
  while (FModifiedRows.Count() <= ARow) FModifiedRows.Add(0);
  FModifiedRows.SetInteger(ARow, Value ? 1 : 0);
  RepaintCell(0, ARow);
}

bool TZadIrururOziz::RowEnabled(int ARow) const {
  return !(ARow >= 0 && ARow < FEnabledRows.Count() && FEnabledRows.GetInteger(ARow) == 1);
}

void TZadIrururOziz::SetRowEnabled(int ARow, bool Value) {
  if (ARow < 0 || ARow >= RowCount() + NumHiddenRows())
    throw VAzaZeriVader(QStringLiteral("Invalid row %1 accessed").arg(ARow).toStdString());
  if (ARow == Row()) {
    // The current row moves to the first other enabled row.
    for (int r = FixedRows(); r < RowCount(); ++r) {
      if (r != ARow && RowEnabled(r)) {
        SetRow(r);
        break;
      }
    }
  }
  FUseEnabledRows = true;
  while (FEnabledRows.Count() <= ARow) FEnabledRows.Add(0);
  FEnabledRows.SetInteger(ARow, Value ? 0 : 1);
  RepaintRow(ARow);
}

void TZadIrururOziz::Shift_Side_Lists_Insert(int RowIndex, int RCount) {
  if (FShowModifiedEnabled) Insert_Flags(FModifiedRows, RowIndex, RCount);
  if (FUseEnabledRows) Insert_Flags(FEnabledRows, RowIndex, RCount);
}

void TZadIrururOziz::Shift_Side_Lists_Remove(int RowIndex, int RCount) {
  if (FShowModifiedEnabled) Delete_Flags(FModifiedRows, RowIndex, RCount);
  if (FUseEnabledRows) Delete_Flags(FEnabledRows, RowIndex, RCount);
}

// ---- insert and remove rows

void TZadIrururOziz::InsertRows(int RowIndex, int RCount, bool UpdateCellControls) {
  if (RCount <= 0 || RowIndex < 0 || RowIndex > RowCount()) return;
  const int last_width = ColWidths(ColCount() - 1);
  Insert_Platform_Rows(RowIndex, RCount);
  Row_Count_Written(RowCount());
  Shift_Side_Lists_Insert(RowIndex, RCount);
  SetColWidths(ColCount() - 1, last_width);
  if (UpdateCellControls) {
    const int real = RealRowIndex(RowIndex);
    for (int i = 0; i < FControlList.Count(); ++i)
      if (FControlList.GetControl(i)->Y() >= real)
        FControlList.GetControl(i)->SetY(FControlList.GetControl(i)->Y() + RCount);
  }
  DoCellsChanged(TGridRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void TZadIrururOziz::AddRow() {
  InsertRows(RowCount(), 1, true);
  ClearRows(RowCount() - 1, 1);
}

void TZadIrururOziz::RemoveRows(int RowIndex, int RCount) {
  // A start outside the grid is ignored and the count cut to the rows there
  // are; the grid keeps one row.
  if (RCount <= 0 || RowIndex < 0 || RowIndex >= RowCount()) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  if (RowCount() - RCount < 1) RCount = RowCount() - 1;
  if (RCount <= 0) return;
  const int real_after = RealRowIndex(RowIndex + RCount);
  for (int i = FControlList.Count() - 1; i >= 0; --i) {
    TControlItem* item = FControlList.GetControl(i);
    if (item->Y() >= real_after) item->SetY(item->Y() - RCount);
  }
  FreeCellPropertiesRange(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
  const int remembered_row = Row(), remembered_top = TopRow();
  if (!FGridItems.empty()) {
    const int real = RealRowIndex(RowIndex);
    for (auto& item : FGridItems)
      if (item->Idx > real) item->Idx -= RCount;
    Hidden_Changed();
  }
  Shift_Side_Lists_Remove(RowIndex, RCount);
  const int old_count = RowCount();
  Delete_Platform_Rows(RowIndex, RCount);
  // Storage rows that slid in beyond the last row are emptied, so that no
  // stale cells come back when the grid grows later.
  for (int r = RowCount(); r < old_count; ++r) Reset_Storage_Row(r);
  Row_Count_Written(RowCount());
  FMaxRowCount -= RCount;
  if (remembered_row < RowCount() - FFixedFooters) {
    FocusCell(Col(), remembered_row);
    TBaseGrid::SetTopRow(remembered_top);
  } else if (FixedRows() < RowCount() - FFixedFooters) {
    FocusCell(Col(), RowCount() - FFixedFooters - 1);
  }
  DoCellsChanged(TGridRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void TZadIrururOziz::RemoveRowsEx(int RowIndex, int RCount) {
  if (RCount <= 0 || RowIndex < 0 || RowIndex >= RowCount()) return;
  RCount = std::min(RCount, RowCount() - 1);
  RCount = std::min(RCount, RowCount() - RowIndex);
  if (RCount <= 0) return;
  const int remembered_row = Row(), remembered_top = TopRow();
  const int old_count = RowCount();
  Delete_Platform_Rows(RowIndex, RCount);
  for (int r = RowCount(); r < old_count; ++r) Reset_Storage_Row(r);
  Row_Count_Written(RowCount());
  FMaxRowCount -= RCount;
  if (remembered_row < RowCount()) {
    FocusCell(Col(), remembered_row);
    TBaseGrid::SetTopRow(remembered_top);
  }
  for (auto& item : FGridItems)
    if (item->Idx > RowIndex + RCount - 1) item->Idx -= RCount;
  Hidden_Changed();
  DoCellsChanged(TGridRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void TZadIrururOziz::ClearAndRemoveRows(int RowIndex, int Count) {
  FreeCellPropertiesRange(0, RowIndex, ColCount() - 1, RowIndex + Count - 1);
  RemoveRowRange(RowIndex, Count, true);
}

void TZadIrururOziz::RemoveRowRange(int RowIndex, int Count, bool DropControls) {
  if (RowIndex < 0 || RowIndex >= RowCount()) return;
  Count = std::min(Count, RowCount() - RowIndex);
  if (RowCount() - Count < 1) Count = RowCount() - 1;
  if (Count <= 0) return;
  if (DropControls) {
    const int first = RealRowIndex(RowIndex), last = RealRowIndex(RowIndex + Count - 1);
    for (int i = FControlList.Count() - 1; i >= 0; --i) {
      TControlItem* item = FControlList.GetControl(i);
      const int y = item->Y();
      if (y >= first && y <= last) {
        if (auto* widget = qobject_cast<QWidget*>(item->Control())) widget->hide();
        FControlList.RemoveControl(i);
      } else if (y > last) {
        // The controls below move up with their rows.
        item->SetY(y - Count);
      }
    }
    if (!FGridItems.empty()) {
      for (auto& item : FGridItems)
        if (item->Idx > first) item->Idx -= Count;
      Hidden_Changed();
    }
  }
  const int remembered_row = Row(), remembered_top = TopRow();
  Delete_Platform_Rows(RowIndex, Count);
  Row_Count_Written(RowCount());
  if (remembered_row < RowCount() - FFixedFooters) {
    FocusCell(Col(), remembered_row);
    TBaseGrid::SetTopRow(remembered_top);
  } else if (FixedRows() < RowCount() - FFixedFooters) {
    FocusCell(Col(), RowCount() - FFixedFooters - 1);
  }
  DoCellsChanged(TGridRect{0, RowIndex, ColCount() - 1, RowIndex + Count});
}

void TZadIrururOziz::RemoveDuplicates(int ACol, bool DoCase) {
  const int c = RealColIndex(ACol);
  BeginUpdate();
  QSet<QString> kept;
  int row = FixedRows();
  while (row < RowCount() - FFixedFooters) {
    const QString text = GetCellEx(c, row);
    const QString key = DoCase ? text : text.toUpper();
    if (kept.contains(key) && RowCount() > 1) {
      const int before = RowCount();
      ClearAndRemoveRows(row, 1);
      if (RowCount() == before) break;  // the grid's last row stays
    } else {
      kept.insert(key);
      ++row;
    }
  }
  EndUpdate();
}

void TZadIrururOziz::MoveRows(int FromIndex, int ToIndex, int Count) {
  if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || ToIndex < 0) return;
  Count = std::min(Count, RowCount() - FromIndex);
  if (Count <= 0 || Count >= RowCount()) return;
  std::vector<std::vector<Cell_Store::Cell_Copy>> rows;
  std::vector<int> modified, disabled;
  for (int i = 0; i < Count; ++i) {
    rows.push_back(Store().Take_Row(FromIndex + i));
    modified.push_back(RowModified(FromIndex + i) ? 1 : 0);
    disabled.push_back(RowEnabled(FromIndex + i) ? 0 : 1);
  }
  if (FromIndex + Count < ToIndex) ToIndex -= Count;
  // The flags travel with their rows, whatever ShowModified says.
  Delete_Flags(FModifiedRows, FromIndex, Count);
  Delete_Flags(FEnabledRows, FromIndex, Count);
  const bool show_modified = FShowModifiedEnabled, use_enabled = FUseEnabledRows;
  FShowModifiedEnabled = FUseEnabledRows = false;
  RemoveRowsEx(FromIndex, Count);
  ToIndex = std::min(ToIndex, RowCount());
  InsertRows(ToIndex, Count, true);
  FShowModifiedEnabled = show_modified;
  FUseEnabledRows = use_enabled;
  for (int i = 0; i < Count; ++i) {
    Store().Put_Row(ToIndex + i, std::move(rows[size_t(i)]));
    SetRowHeights(ToIndex + i, DefaultRowHeight());
  }
  auto put_flags = [&](TIntList& list, const std::vector<int>& flags) {
    const bool any = std::any_of(flags.begin(), flags.end(), [](int f) { return f != 0; });
    if (!any && ToIndex >= list.Count()) return;
    while (list.Count() < ToIndex) list.Add(0);
    for (int i = 0; i < Count; ++i) list.Insert(ToIndex + i, flags[size_t(i)]);
  };
  put_flags(FModifiedRows, modified);
  put_flags(FEnabledRows, disabled);
  InvalidateGrid();
}

// RowMoved and ColumnMoved: grid/input/grid_column_moves.cpp.

// ---- columns

void TZadIrururOziz::InsertCols(int ColIndex, int CCount) {
  if (CCount <= 0 || ColIndex < 0 || ColIndex > TotalColCount()) return;
  Store().Insert_Columns(ColIndex, CCount);
  // Visibility flags exist for the first 513 real columns only.
  for (int i = Column_Flags - 1; i >= ColIndex + CCount; --i) {
    FVisibleCol[size_t(i)] = FVisibleCol[size_t(i - CCount)];
    FAllColWidths[size_t(i)] = FAllColWidths[size_t(i - CCount)];
  }
  for (int i = ColIndex; i < ColIndex + CCount && i < Column_Flags; ++i) FVisibleCol[size_t(i)] = true;
  Insert_Platform_Columns(DisplColIndex(ColIndex), CCount);
  if (ColCount() > FMaxColCount) FMaxColCount = ColCount();
  DoCellsChanged(TGridRect{ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

void TZadIrururOziz::RemoveCols(int ColIndex, int CCount) {
  if (ColIndex < 0) return;
  CCount = std::min(CCount, TotalColCount() - ColIndex);
  if (CCount <= 0) return;
  int shown = 0;
  for (int c = ColIndex; c < ColIndex + CCount; ++c)
    if (!IsHiddenColumn(c)) ++shown;
  // The grid keeps one shown column.
  if (ColCount() - shown < 1) return;
  const int display = DisplColIndex(ColIndex);
  int hidden_removed = CCount - shown;
  Store().Delete_Columns(ColIndex, CCount);
  for (int i = ColIndex; i < Column_Flags; ++i) {
    const int from = i + CCount;
    FVisibleCol[size_t(i)] = from < Column_Flags ? FVisibleCol[size_t(from)] : true;
    FAllColWidths[size_t(i)] = from < Column_Flags ? FAllColWidths[size_t(from)] : 0;
  }
  FNumHidden -= hidden_removed;
  Delete_Platform_Columns(display, shown);
  DoCellsChanged(TGridRect{ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

void TZadIrururOziz::SwapCells(TGridCoord FromCell, TGridCoord ToCell) {
  const QString text = GetGridCell(FromCell.X, FromCell.Y);
  TCellProperties* props = GetGridObject(FromCell.X, FromCell.Y);
  SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
  SetGridObject(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
  SetGridCell(ToCell.X, ToCell.Y, text);
  SetGridObject(ToCell.X, ToCell.Y, props);
}

// ---- clearing and trimming

void TZadIrururOziz::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  const int first_row = std::max(0, ARow1);
  for (int r = first_row; r <= ARow2 && r < RowCount(); ++r) {
    for (const auto& cell : Store().Row_Cells(r)) {
      // Cells are found by storage column; the rectangle is in the columns
      // the caller means (real ones when hidden cells are saved).
      const int c = FSaveHiddenCells ? DisplColIndex(cell.col) : cell.col;
      if (c < ACol1 || c > ACol2) continue;
      if (!FClearTextOnly && cell.props) {
        if (FNilObjects)
          ResetCell(cell.col, r);
        else
          Free_Cell_Props(cell.col, r);
      }
      if (!cell.text.isEmpty()) Store().Set_Text(cell.col, r, QString());
    }
  }
  if (ACol1 <= 0 && ARow1 <= 0 && ACol2 >= ColCount() - 1 && ARow2 >= RowCount() - 1) SetHasCellProps(false);
  InvalidateGrid();
  if (!FBlockCellChange) DoCellsChanged(TGridRect{RealColIndex(ACol1), ARow1, RealColIndex(ACol2), ARow2});
}

void TZadIrururOziz::ClearRows(int RowIndex, int RCount) {
  if (RowCount() > 0 && ColCount() > 0 && RCount > 0)
    ClearRect(0, RowIndex, ColCount() + NumHiddenColumns() - 1, RowIndex + RCount - 1);
}

void TZadIrururOziz::ClearCols(int ColIndex, int CCount) {
  if (RowCount() > 0 && ColCount() > 0 && CCount > 0) ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TZadIrururOziz::ClearNormalRows(int RowIndex, int RCount) {
  if (RowCount() > 0 && ColCount() > 0 && RCount > 0)
    ClearRect(FixedCols(), RowIndex, ColCount() + NumHiddenColumns() - FFixedRightCols - 1, RowIndex + RCount - 1);
}

void TZadIrururOziz::ClearNormalCols(int ColIndex, int CCount) {
  if (RowCount() > 0 && ColCount() > 0 && CCount > 0)
    ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FFixedFooters - 1);
}

void TZadIrururOziz::ClearNormalCells() {
  if (RowCount() > 0 && ColCount() > 0)
    ClearRect(FixedCols(), FixedRows(), ColCount() + NumHiddenColumns() - FFixedRightCols - 1,
              RowCount() - FFixedFooters - 1);
}

void TZadIrururOziz::Clear() {
  if (RowCount() > 0 && ColCount() > 0) ClearRect(0, 0, ColCount() + NumHiddenColumns() - 1, RowCount() - 1);
  if (NumHiddenColumns() > 0) InvalidateGrid();
}

void TZadIrururOziz::ClearAll() {
  Clear();
  for (auto& item : FGridItems)
    for (auto& cell : item->Items) cell.text.clear();
}

void TZadIrururOziz::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  for (int r = std::max(0, ARow1); r <= ARow2 && r < RowCount(); ++r) {
    for (int c = std::max(0, ACol1); c <= ACol2; ++c) {
      const int store_col = FSaveHiddenCells ? RealColIndex(c) : c;
      const QString text = GetGridCell(store_col, r);
      const QString trimmed = Trim_Blanks_And_Controls(text);
      if (trimmed != text) SetGridCell(store_col, r, trimmed);
    }
  }
  InvalidateGrid();
}

// ---- merging by content

void TZadIrururOziz::MergeColumnCells(int ColIndex, bool MainMerge) {
  const int last = RowCount() - FFixedFooters - 1;
  int start = FixedRows();
  while (start <= last) {
    int end = start;
    const QString text = GetCellEx(ColIndex, start);
    while (end + 1 <= last && GetCellEx(ColIndex, end + 1) == text && (MainMerge || RowSpanIdentical(start, end + 1)))
      ++end;
    if (end > start) MergeCells(ColIndex, start, 1, end - start + 1);
    start = end + 1;
  }
}

void TZadIrururOziz::MergeRowCells(int RowIndex, bool MainMerge) {
  const int last = ColCount() - FFixedRightCols - 1;
  int start = FixedCols();
  while (start <= last) {
    int end = start;
    const QString text = GetCellEx(start, RowIndex);
    while (end + 1 <= last && GetCellEx(end + 1, RowIndex) == text && (MainMerge || ColSpanIdentical(start, end + 1)))
      ++end;
    MergeCells(start, RowIndex, end - start + 1, 1);
    start = end + 1;
  }
}

void TZadIrururOziz::SplitColumnCells(int ColIndex) {
  int row = 0;
  while (row < RowCount() - FFixedFooters - 1) {
    if (IsYMergedCell(ColIndex, row)) {
      const QPoint base = BaseCell(ColIndex, row);
      const int span = CellSpan(ColIndex, row).y();
      SplitCells(ColIndex, row);
      row = base.y() + span + 1;
    } else {
      ++row;
    }
  }
}

void TZadIrururOziz::SplitRowCells(int RowIndex) {
  int col = 0;
  while (col < ColCount() - FFixedRightCols - 1) {
    if (IsMergedCell(col, RowIndex)) {
      const QPoint base = BaseCell(col, RowIndex);
      const int span = CellSpan(col, RowIndex).x();
      SplitCells(col, RowIndex);
      col = base.x() + span + 1;
    } else {
      ++col;
    }
  }
}

void TZadIrururOziz::SplitAllCells() {
  for (int r = 0; r < RowCount(); ++r)
    for (const auto& cell : Store().Row_Cells(r))
      if (cell.props && cell.props->IsBaseCell() && IsMergedCell(cell.col, r)) SplitCells(cell.col, r);
}

void TZadIrururOziz::MergeCols(int ColIndex1, int ColIndex2, const QString& Separator) {
  for (int r = FixedRows(); r < RowCount(); ++r)
    SetCellEx(ColIndex1, r, (GetCellEx(ColIndex1, r) + Separator + GetCellEx(ColIndex2, r)).trimmed());
  RemoveCols(ColIndex2, 1);
}

// ---- queries

bool TZadIrururOziz::IsCell(const QString& SubStr, int& ACol, int& ARow) {
  for (int r = 0; r < RowCount(); ++r) {
    for (int c = 0; c < ColCount(); ++c) {
      if (GetGridCell(RealColIndex(c), r) == SubStr) {
        ACol = c;
        ARow = r;
        return true;
      }
    }
  }
  return false;
}

bool TZadIrururOziz::IsWideCell(int ACol, int ARow) { return GetCellEx(ACol, ARow).startsWith(QLatin1String("|\\")); }

TGridRect TZadIrururOziz::UsedCells() {
  bool any = false;
  TGridRect used{0, 0, 0, 0};
  for (int r = 0; r < RowCount(); ++r) {
    for (int c = 0; c < ColCount(); ++c) {
      if (GetCellEx(RealColIndex(c), r).isEmpty()) continue;
      if (!any) {
        used = TGridRect{c, r, c, r};
        any = true;
      } else {
        used.Left = std::min(used.Left, c);
        used.Top = std::min(used.Top, r);
        used.Right = std::max(used.Right, c);
        used.Bottom = std::max(used.Bottom, r);
      }
    }
  }
  return used;
}
