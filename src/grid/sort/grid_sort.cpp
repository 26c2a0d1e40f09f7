// The grid's sorts: single column, indexed, inside node groups, and back to
// the unsorted order. The order is computed on row indexes first
// (grid_sort_compare.cpp) and then applied through SortSwapRows, so every
// side list the exchange keeps (cross-reference, heights, selection and
// modified flags, hidden cells) follows the rows. The fixed rows above and
// the fixed footer rows below the data rows never take part.
#include <QElapsedTimer>

#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/sort/grid_sorter.h"

namespace {

// Brings the items to the wanted order by pairwise exchanges: Current[k] is
// the item at position First + k, Wanted[k] the one that should be there.
// One exchange per item out of place (cycle by cycle).
template <typename Swap>
void Walk_To(int First, std::vector<int> Current, const std::vector<int>& Wanted, Swap swap) {
  if (Current.empty()) return;
  const auto [lo, hi] = std::minmax_element(Current.begin(), Current.end());
  std::vector<int> where(size_t(*hi - *lo + 1), -1);
  for (size_t k = 0; k < Current.size(); ++k) where[size_t(Current[k] - *lo)] = int(k);
  const int base = *lo;
  for (size_t k = 0; k < Wanted.size(); ++k) {
    const int want = Wanted[k];
    const int p = where[size_t(want - base)];
    if (p == int(k)) continue;
    swap(First + int(k), First + p);
    const int moved = Current[k];
    Current[size_t(p)] = moved;
    where[size_t(moved - base)] = p;
    Current[k] = want;
    where[size_t(want - base)] = int(k);
  }
}

std::vector<int> Identity(int First, int Last) {
  std::vector<int> v;
  for (int i = First; i <= Last; ++i) v.push_back(i);
  return v;
}

}  // namespace

void Grid_Sorter::Apply(TZadIrururOziz& Grid, int L, const std::vector<int>& Order) {
  if (Order.empty()) return;
  if (Apply_At_Once(Grid, L, Order)) return;
  Walk_To(L, Identity(L, L + int(Order.size()) - 1), Order, [&](int a, int b) { Grid.SortSwapRows(a, b); });
}

// What the exchanges of SortSwapRows would leave, done in one pass over
// each per-row list: the store's rows and heights, the cross-reference, the
// modified flags, SortRow and the count of exchanges. Not when an override
// of SortSwapRows must see each exchange, nor for the single-column and
// disjunct-selection exchanges, nor for a cross-reference covering only
// some of the rows.
bool Grid_Sorter::Apply_At_Once(TZadIrururOziz& Grid, int L, const std::vector<int>& Order) {
  const int n = int(Order.size());
  if (L < 0 || L + n > Grid.RowCount() || !Keeps_Own_Swap(Grid) || Grid.FSortSettings.SingleColumn) return false;
  if (Grid.FMouseActions->DisjunctRowSelect() && Grid.FNavigation->MoveRowOnSort()) return false;
  TIntList& xref = Grid.FSortRowXRef;
  if (L < xref.Count() && L + n > xref.Count()) return false;
  for (int row : Order)
    if (row < L || row >= L + n) return false;
  // One exchange per row out of place: a cycle of m rows takes m - 1.
  int exchanges = 0;
  {
    std::vector<char> seen(size_t(n), 0);
    for (int k = 0; k < n; ++k) {
      if (seen[size_t(k)]) continue;
      int length = 0;
      for (int j = k; !seen[size_t(j)]; j = Order[size_t(j)] - L) {
        seen[size_t(j)] = 1;
        ++length;
      }
      exchanges += length - 1;
    }
  }
  if (exchanges == 0) return true;
  Grid.FSwaps += exchanges;
  if (L + n <= xref.Count()) xref.Permute(L, Order);
  Grid.Permute_Platform_Rows(L, Order);
  if (Grid.FShowModifiedEnabled) {
    std::vector<char> before(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) before[size_t(k)] = Grid.RowModified(L + k);
    Grid.FModifiedRows.Permute(L, Order);
    for (int k = 0; k < n; ++k)
      if (before[size_t(k)] != char(Grid.RowModified(L + k))) Grid.RepaintCell(0, L + k);
  }
  if (Grid.FSortRow >= L && Grid.FSortRow < L + n) {
    for (int k = 0; k < n; ++k)
      if (Order[size_t(k)] == Grid.FSortRow) {
        Grid.FSortRow = L + k;
        break;
      }
  }
  return true;
}

// What every sort puts back when it ends, also when an event threw: the
// update lock, the top row, and column 0 when it keeps its place.
class Sort_Scope {
 public:
  Sort_Scope(TZadIrururOziz& Grid, bool KeepColumn0) : FGrid(Grid), FTop(Grid.TopRow()) {
    FKeep = KeepColumn0 && Grid.SortSettings().NormalCellsOnly && Grid.FixedCols() > 0;
    FGrid.BeginUpdate();
  }
  ~Sort_Scope() {
    if (FKeep && !FOrder.empty()) {
      // Column 0 went with its rows; bring each cell back to its row.
      Walk_To(FFirst, FOrder, Identity(FFirst, FFirst + int(FOrder.size()) - 1), [&](int a, int b) {
        FGrid.SwapCells(TGridCoord{0, a}, TGridCoord{0, b});
      });
    }
    if (FGrid.Navigation().KeepScrollOnSort()) FGrid.SetTopRow(FTop);
    FGrid.EndUpdate();
  }
  // Applies an order of the rows from First on, noting it for column 0.
  void Apply(int First, const std::vector<int>& Order) {
    Grid_Sorter::Apply(FGrid, First, Order);
    if (FKeep) Note(First, Order);
  }

 private:
  void Note(int First, const std::vector<int>& Order) {
    // Several applied ranges (group sorts) never overlap: keep one list
    // over their span.
    if (FOrder.empty()) {
      FFirst = First;
    }
    const int end = First + int(Order.size());
    const int old_end = FFirst + int(FOrder.size());
    if (First < FFirst) {
      std::vector<int> front = Identity(First, FFirst - 1);
      FOrder.insert(FOrder.begin(), front.begin(), front.end());
      FFirst = First;
    }
    for (int r = std::max(old_end, FFirst); r < end; ++r) FOrder.push_back(r);
    for (size_t k = 0; k < Order.size(); ++k) FOrder[size_t(First - FFirst) + k] = Order[k];
  }
  TZadIrururOziz& FGrid;
  int FTop;
  bool FKeep = false;
  int FFirst = 0;
  std::vector<int> FOrder;
};

void TZadIrururOziz::InitSortXRef() {
  FSortRowXRef.Clear();
  for (int i = 0; i < RowCount(); ++i) FSortRowXRef.Add(i);
}

void TZadIrururOziz::QSort() {
  if (FSortSettings.Column < 0) return;
  if (RowCount() != FSortRowXRef.Count()) InitSortXRef();
  FSortIndexes.Clear();
  const bool footer = FFloatingFooter && FloatingFooter().Visible();
  const int old_row = Row();
  {
    Sort_Scope scope(*this, true);
    SetSortRow(Row());
    const int first = FixedRows(), last = RowCount() - 1 - FFixedFooters;
    SortDir = FSortSettings.Direction == sdAscending ? 1 : -1;
    Grid_Sorter sorter(*this, first, last, AllColCount() - 1);
    scope.Apply(first, sorter.Order(FSortSettings.Column, first, last, SortDir));
    if (!FMouseActions->DisjunctRowSelect()) {
      const int target = FNavigation->MoveRowOnSort() ? SortRow() : old_row;
      if (target != Row() && target >= FixedRows() && target < RowCount()) SetRow(target);
    }
    if (OnRowUpdate && !FNavigation->MoveRowOnSort()) OnRowUpdate(this, old_row, Row());
  }
  if (footer) RepaintAll();
}

void TZadIrururOziz::QSortIndexed() {
  if (RowCount() != FSortRowXRef.Count()) InitSortXRef();
  if (FSortIndexes.Count() == 0) throw VAzaZeriVader("No indexes specified for indexed sort");
  const bool footer = FFloatingFooter && FloatingFooter().Visible();
  const int old_row = Row();
  {
    Sort_Scope scope(*this, true);
    SetSortRow(Row());
    const int first = FixedRows(), last = RowCount() - 1 - FFixedFooters;
    SortDir = FSortSettings.Direction == sdAscending ? 1 : -1;
    Grid_Sorter sorter(*this, first, last, AllColCount() - 1);
    scope.Apply(first, sorter.Order_Indexed(first, last));
    const int target = FNavigation->MoveRowOnSort() ? SortRow() : old_row;
    if (target != Row() && target >= FixedRows() && target < RowCount()) SetRow(target);
  }
  if (footer) RepaintAll();
}

namespace {
void Sort_Group_Nodes(TZadIrururOziz& Grid, bool Indexed) {
  if (Grid.RowCount() != Grid.SortRowXRef().Count()) Grid.InitSortXRef();
  const int old_row = Grid.Row();
  Sort_Scope scope(Grid, true);
  Grid.SetSortRow(Grid.Row());
  const int first = Grid.FixedRows(), last = Grid.RowCount() - 1 - Grid.FixedFooters();
  int deepest = -1;
  for (int r = first; r <= last; ++r)
    if (Grid.IsNode(r)) deepest = std::max(deepest, Grid.GetNodeLevel(r));
  if (deepest < 0) return;
  Grid.SortDir = Grid.SortSettings().Direction == sdAscending ? 1 : -1;
  Grid_Sorter sorter(Grid, first, last, Grid.AllColCount() - 1);
  for (int r = first; r <= last; ++r) {
    if (!Grid.IsNode(r) || Grid.GetNodeState(r) || Grid.GetNodeLevel(r) != deepest) continue;
    const int span = Grid.GetNodeSpan(r);
    if (span <= 2) continue;
    const int from = r + 1, to = std::min(r + span - 1, last);
    scope.Apply(from, Indexed ? sorter.Order_Indexed(from, to)
                              : sorter.Order(Grid.SortSettings().Column, from, to, Grid.SortDir));
  }
  const int target = Grid.Navigation().MoveRowOnSort() ? Grid.SortRow() : old_row;
  if (target != Grid.Row() && target >= Grid.FixedRows() && target < Grid.RowCount()) Grid.SetRow(target);
}
}  // namespace

void TZadIrururOziz::QSortGroup() { Sort_Group_Nodes(*this, false); }

void TZadIrururOziz::QSortGroupIndexed() { Sort_Group_Nodes(*this, true); }

void TZadIrururOziz::QUnSort() {
  // Rows added or removed since the sort: the record no longer fits.
  if (FSortRowXRef.Count() != RowCount()) return;
  std::vector<int> current(static_cast<size_t>(RowCount()));
  for (int i = 0; i < RowCount(); ++i) current[size_t(i)] = FSortRowXRef.GetInteger(i);
  FUnSortRowXRef = FSortRowXRef;
  Sort_Scope scope(*this, false);
  // Column 0 keeps its place here as well: walk it along backwards.
  const bool keep = FSortSettings.NormalCellsOnly && FixedCols() > 0;
  Walk_To(0, current, Identity(0, RowCount() - 1), [&](int a, int b) {
    SortSwapRows(a, b);
    if (keep) SwapCells(TGridCoord{0, a}, TGridCoord{0, b});
  });
}

void TZadIrururOziz::Sort(int ACol, TSortDirection ADirection) {
  FSortSettings.Column = ACol;
  FSortSettings.Direction = ADirection;
  QSort();
}

void TZadIrururOziz::SortByColumn(int Col) {
  if (RowCount() < 2) return;
  FSortSettings.Column = Col;
  QSort();
}

void TZadIrururOziz::QuickSort(int Col, int Left, int Right) {
  Left = std::max(Left, 0);
  Right = std::min(Right, RowCount() - 1);
  SortDir = FSortSettings.Direction == sdAscending ? 1 : -1;
  Grid_Sorter sorter(*this, Left, Right, AllColCount() - 1);
  Grid_Sorter::Apply(*this, Left, sorter.Order(Col, Left, Right, SortDir));
}

void TZadIrururOziz::QuickSortIndexed(int Left, int Right) {
  Left = std::max(Left, 0);
  Right = std::min(Right, RowCount() - 1);
  SortDir = FSortSettings.Direction == sdAscending ? 1 : -1;
  if (FSortIndexes.Count() == 0) return;
  Grid_Sorter sorter(*this, Left, Right, AllColCount() - 1);
  Grid_Sorter::Apply(*this, Left, sorter.Order_Indexed(Left, Right));
}

bool TZadIrururOziz::SortLine(int Col, int ARow1, int ARow2) {
  Grid_Sorter sorter(*this, 0, -1, AllColCount() - 1);
  for (;;) {
    const int r = sorter.Compare_Cells(Col, ARow1, ARow2, FSortSettings.Direction);
    if (r != 0 && r == SortDir) {
      SortSwapRows(ARow1, ARow2);
      return true;
    }
    if (r != 0 || Col >= AllColCount() - 1) return false;
    ++Col;
  }
}
