// Group values of TZadIrururOziz: a calculation over one column of each
// expanded group's data rows, written into the group's summary row (with
// Grouping.Summary) or its header row in the grid's number format.
#include <cmath>

#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"

namespace {

// The population standard deviation of a group's data rows. The column's own
// deviation counts every row and fails on text, and a sub-group header holds
// its value in the column right of the sub-group column; here, as in the
// group's sum and average, header and summary rows are left out and a cell
// without a number counts as 0.
double Data_Rows_StdDev(TZadIrururOziz& grid, int Colindex, int from, int to, int data_rows) {
  if (data_rows <= 0) return 0;
  const double avg = grid.ColumnSum(Colindex, from, to) / data_rows;
  double squares = 0;
  for (int d = from; d <= to && d < grid.RowCount(); ++d) {
    if (grid.IsNode(d) || grid.IsSummary(d)) continue;
    const double deviation = grid.ColumnSum(Colindex, d, d) - avg;
    squares += deviation * deviation;
  }
  return std::sqrt(squares / data_rows);
}

}  // namespace

void TZadIrururOziz::GroupCalc(int Colindex, int method) {
  for (int r = FixedRows(); r < RowCount();) {
    // A contracted group shows no rows to calculate over.
    if (!IsNode(r) || GetNodeState(r)) {
      ++r;
      continue;
    }
    const int span = GetNodeSpan(r);
    if (span <= 0) {
      ++r;
      continue;
    }
    const int target = FGrouping.Summary() ? r + span : r;
    const int from = r + 1, to = r + span - 1;
    if (target < RowCount()) {
      // Sub-group headers inside the group are no data rows: the count
      // and the average leave them out.
      int data_rows = 0;
      for (int d = from; d <= to && d < RowCount(); ++d)
        if (!IsNode(d) && !IsSummary(d)) ++data_rows;
      double value = 0;
      switch (method) {
        case 1: value = ColumnSum(Colindex, from, to); break;
        case 2: value = data_rows > 0 ? ColumnSum(Colindex, from, to) / data_rows : 0; break;
        case 3: value = ColumnMin(Colindex, from, to); break;
        case 4: value = ColumnMax(Colindex, from, to); break;
        case 6: value = DoGroupCalc(Colindex, from, to); break;
        case 7: value = ColumnDistinct(Colindex, from, to); break;
        case 8: value = Data_Rows_StdDev(*this, Colindex, from, to, data_rows); break;
        default: break;
      }
      if (method == 5)
        SetInts(Colindex, target, data_rows);
      else if (method >= 1 && method <= 8)
        SetFloats(Colindex, target, value);
    }
    r += span;
  }
}

namespace {

void Footer_Calc(TZadIrururOziz& grid, int Colindex, TColumnCalcType Type) {
  if (grid.FloatingFooter().Visible()) grid.FloatingFooter().SetColumnCalc(Colindex, Type);
}

}  // namespace

void TZadIrururOziz::GroupSum(int Colindex) {
  GroupCalc(Colindex, 1);
  Footer_Calc(*this, Colindex, acSUM);
}

void TZadIrururOziz::GroupAvg(int Colindex) {
  GroupCalc(Colindex, 2);
  Footer_Calc(*this, Colindex, acAVG);
}

void TZadIrururOziz::GroupMin(int Colindex) {
  GroupCalc(Colindex, 3);
  Footer_Calc(*this, Colindex, acMIN);
}

void TZadIrururOziz::GroupMax(int Colindex) {
  GroupCalc(Colindex, 4);
  Footer_Calc(*this, Colindex, acMAX);
}

void TZadIrururOziz::GroupCount(int Colindex) {
  GroupCalc(Colindex, 5);
  Footer_Calc(*this, Colindex, acCOUNT);
}

void TZadIrururOziz::GroupCustomCalc(int Colindex) { GroupCalc(Colindex, 6); }

void TZadIrururOziz::GroupDistinct(int Colindex) { GroupCalc(Colindex, 7); }

void TZadIrururOziz::GroupStdDev(int Colindex) { GroupCalc(Colindex, 8); }
