// Moving the data rows of TZadIrururOziz to new places in one pass, for the
// grouping services: every row's block of cells changes places with the
// empty row where it goes (no cell is copied), so building or removing
// thousands of group rows costs one walk over the rows instead of one row
// insertion each.
#include <algorithm>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// Moves the per-row flags of the data rows along (missing entries are 0).
void Relayout_Flags(TIntList& list, int First, const std::vector<int>& NewRow) {
  if (list.Count() <= First) return;
  const int end = First + int(NewRow.size());
  std::vector<int> flags(NewRow.size(), 0);
  for (size_t i = 0; i < NewRow.size(); ++i) {
    const int old = First + int(i);
    if (old < list.Count()) flags[i] = list.GetInteger(old);
  }
  for (int r = First; r < std::min(end, list.Count()); ++r) list.SetInteger(r, 0);
  for (size_t i = 0; i < NewRow.size(); ++i) {
    if (NewRow[i] < 0 || flags[i] == 0) continue;
    while (list.Count() <= NewRow[i]) list.Add(0);
    list.SetInteger(NewRow[i], flags[i]);
  }
}

}  // namespace

void TZadIrururOziz::Relayout_Data_Rows(const std::vector<int>& NewRow, int Delta) {
  const int first = FixedRows();
  const int end = first + int(NewRow.size());
  if (Delta > 0) {
    // The rows come in before the fixed footers; moving from the bottom up
    // never overwrites a row that has yet to move: every target is empty.
    InsertRows(end, Delta, false);
    for (int i = int(NewRow.size()) - 1; i >= 0; --i) {
      const int from = first + i, to = NewRow[size_t(i)];
      if (to == from) continue;
      Store().Swap_Rows(from, to);
      SetRowHeights(to, RowHeights(from));
      SetRowHeights(from, DefaultRowHeight());
    }
  } else {
    // Dropped rows are freed; the kept ones close up from the top.
    for (size_t i = 0; i < NewRow.size(); ++i) {
      const int from = first + int(i), to = NewRow[i];
      if (to < 0) {
        Reset_Storage_Row(from);
        continue;
      }
      if (to == from) continue;
      Store().Swap_Rows(from, to);  // the target was dropped or has moved on: empty
      SetRowHeights(to, RowHeights(from));
    }
  }
  if (FShowModifiedEnabled) Relayout_Flags(FModifiedRows, first, NewRow);
  if (FUseEnabledRows) Relayout_Flags(FEnabledRows, first, NewRow);
  if (Delta < 0) RemoveRows(end + Delta, -Delta);
}
