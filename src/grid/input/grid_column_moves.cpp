// After a column or row moved: the column order, the hidden columns' flags
// and data, the texts of hidden rows, the sort column and indexes, the
// current column and a synchronised grid follow; a row never moves onto a
// floating footer row.
#include <algorithm>

#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"

namespace {

// Where an index ends up when the entry at From moves to To.
int Follow_Move(int index, int From, int To) {
  if (index == From) return To;
  if (From < To && index > From && index <= To) return index - 1;
  if (To < From && index >= To && index < From) return index + 1;
  return index;
}

template <typename T>
void Move_Entry(std::vector<T>& list, int From, int To) {
  if (From < 0 || To < 0 || From >= int(list.size()) || To >= int(list.size())) return;
  const auto first = list.begin();
  if (From < To)
    std::rotate(first + From, first + From + 1, first + To + 1);
  else
    std::rotate(first + To, first + From, first + From + 1);
}

}  // namespace

void TZadIrururOziz::ColumnMoved(int from, int to) {
  for (int i = 0; i < FControlList.Count(); ++i) {
    TControlItem* item = FControlList.GetControl(i);
    item->SetX(Follow_Move(item->X(), from, to));
  }
  HandleColumnMoved(from, to);
}

void TZadIrururOziz::RowMoved(int from, int to) {
  for (int i = 0; i < FControlList.Count(); ++i) {
    TControlItem* item = FControlList.GetControl(i);
    item->SetY(Follow_Move(item->Y(), from, to));
  }
  HandleRowMoved(from, to);
}

// Runs after the platform moved the column's cells and width by display
// index.
void TZadIrururOziz::HandleColumnMoved(int FromIndex, int ToIndex) {
  const int rf = RealColIndex(FromIndex), rt = RealColIndex(ToIndex);
  // An empty list stands for the first order: the first move writes it out
  // so that the move is remembered.
  if (FColumnOrder.Count() == 0 && rf != rt) SetColumnOrder();
  if (rf < FColumnOrder.Count() && rt < FColumnOrder.Count()) {
    const int entry = FColumnOrder.GetInteger(rf);
    FColumnOrder.Delete(rf);
    FColumnOrder.Insert(rt, entry);
  }
  if (FNumHidden > 0 && rf != rt) {
    // The cells live by real index: the platform's display-index move is
    // undone and done again between the real columns, so that the hidden
    // columns between keep their own data.
    Store().Move_Column(ToIndex, FromIndex);
    Store().Move_Column(rf, rt);
    if (rf < Column_Flags && rt < Column_Flags) {
      Move_Entry(FVisibleCol, rf, rt);
      Move_Entry(FAllColWidths, rf, rt);
    }
  }
  if (FEnhRowColMove) ColMoveFlg = true;
  if (!FGridItems.empty() && rf != rt) {
    for (const auto& record : FGridItems) {
      for (Cell_Store::Cell_Copy& cell : record->Items) cell.col = Follow_Move(cell.col, rf, rt);
      std::stable_sort(record->Items.begin(), record->Items.end(),
                       [](const Cell_Store::Cell_Copy& a, const Cell_Store::Cell_Copy& b) { return a.col < b.col; });
    }
  }
  if (FSortSettings.Column >= 0) FSortSettings.Column = Follow_Move(FSortSettings.Column, rf, rt);
  if (FSortSettings.IndexShow)
    for (int i = 0; i < FSortIndexes.Count(); ++i)
      FSortIndexes.SetSortColumns(i, Follow_Move(FSortIndexes.GetSortColumns(i), rf, rt));
  // The platform's move leaves the current column alone, so it moves here
  // once for the header drag and for MoveColumn alike.
  const int col = Follow_Move(Col(), FromIndex, ToIndex);
  if (col != Col()) SetCol(col);
  if (FloatingFooter().Visible()) viewport()->update();
  if (auto* sync = qobject_cast<TZadIrururOziz*>(FSyncGrid->Grid()); sync && FSyncGrid->MoveColumn() && !FSyncedMove) {
    sync->FSyncedMove = true;
    sync->MoveColumn(FromIndex, ToIndex);
    sync->FSyncedMove = false;
  }
}

void TZadIrururOziz::HandleRowMoved(int FromIndex, int ToIndex) {
  const TFloatingFooter& footer = FloatingFooter();
  if (footer.Visible() && footer.FooterStyle() == fsFixedLastRow && ToIndex == RowCount() - 1) {
    // The platform moved the row already: it goes back where it was.
    if (!FSyncedMove) {
      FSyncedMove = true;
      MoveRow(ToIndex, FromIndex);
      FSyncedMove = false;
    }
    return;
  }
  if (FSyncedMove && footer.Visible() && footer.FooterStyle() == fsFixedLastRow && FromIndex == RowCount() - 1) return;
  if (FEnhRowColMove) ColMoveFlg = true;
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
  if (auto* sync = qobject_cast<TZadIrururOziz*>(FSyncGrid->Grid()); sync && FSyncGrid->MoveRow() && !FSyncedMove) {
    sync->FSyncedMove = true;
    sync->MoveRow(FromIndex, ToIndex);
    sync->FSyncedMove = false;
  }
}
