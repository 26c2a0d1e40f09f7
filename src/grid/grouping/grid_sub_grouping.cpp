// The second grouping level of TZadIrururOziz: inside the groups, each run
// of equal values of another column gets a header row holding the value in
// the column right of it; the run's own cells of that column are emptied
// and SubUnGroup writes the value back. A sub-group's node remembers its
// column in the node object (CellVar).
#include <algorithm>

#include "grid/core/zad_irurur_oziz.h"

namespace {

class Update_Lock {
 public:
  explicit Update_Lock(TZadIrururOziz& grid) : grid_(grid) { grid_.BeginUpdate(); }
  ~Update_Lock() { grid_.EndUpdate(); }
  Update_Lock(const Update_Lock&) = delete;
  Update_Lock& operator=(const Update_Lock&) = delete;

 private:
  TZadIrururOziz& grid_;
};

struct Sub_Run {
  int First;   // first data row, before the headers come in
  int Rows;    // data rows of the run
  int Parent;  // the enclosing group's node row then, -1 outside groups
  QString Value;
};

}  // namespace

void TZadIrururOziz::SubGroup(int Colindex) {
  if (FixedCols() > Colindex || Colindex < 0 || Colindex + 1 >= TotalColCount()) return;
  Update_Lock lock(*this);
  // Rows of contracted groups would otherwise stay out of the walk, and
  // the hidden rows could not follow the rows moving below them.
  ExpandAll();
  const int first = FixedRows(), end = RowCount() - FFixedFooters;
  if (end - first < 2) return;
  // Row FixedRows is the first group's header.
  std::vector<Sub_Run> runs;
  bool open = false;
  int parent = IsNode(first) ? first : -1;
  QString previous;
  for (int r = first + 1; r < end; ++r) {
    if (IsNode(r) || IsSummary(r)) {
      open = false;
      if (IsNode(r)) parent = r;
      continue;
    }
    const QString value = GetCellEx(Colindex, r);
    if (!open || value != previous) {
      runs.push_back(Sub_Run{r, 0, parent, value});
      open = true;
      previous = value;
    }
    ++runs.back().Rows;
    // The value stays only in the sub-group's header.
    Store().Set_Text(Colindex, r, QString());
  }
  if (runs.empty()) return;

  // Each run moves down by the headers in front of it and its own.
  std::vector<int> new_row(size_t(end - first));
  size_t k = 0;
  for (int r = first; r < end; ++r) {
    while (k < runs.size() && runs[k].First <= r) ++k;
    new_row[size_t(r - first)] = r + int(k);
  }
  // The enclosing groups grow by the headers they take in.
  for (const Sub_Run& run : runs) {
    if (run.Parent < 0) continue;
    UpdateNodeSpan(run.Parent, 1);
    UpdateSubNodeCount(run.Parent, 1);
  }
  const int parent_level = runs.front().Parent >= 0 ? GetNodeLevel(runs.front().Parent) : 0;
  Relayout_Data_Rows(new_row, int(runs.size()));

  for (size_t i = 0; i < runs.size(); ++i) {
    const Sub_Run& run = runs[i];
    const int header = new_row[size_t(run.First - first)] - 1;
    if (run.Parent >= 0) GetCellProperties(0, header)->SetNodeLevel(parent_level);
    Store().Set_Text(Colindex + 1, header, run.Value);
    AddNode(RealRowIndex(header), run.Rows + 1);
    if (TCellGraphic* node = Node_At(header)) node->CellVar = Colindex;
    if (FGrouping.MergeHeader()) {
      MergeCells(Colindex + 1, header, ColCount() - Colindex - 1, 1);
      if (FGrouping.HeaderColor() != clNone) SetColors(Colindex + 1, header, FGrouping.HeaderColor());
      if (FGrouping.HeaderColorTo() != clNone) SetColorsTo(Colindex + 1, header, FGrouping.HeaderColorTo());
      if (FGrouping.HeaderTextColor() != clNone) SetFontColors(Colindex + 1, header, FGrouping.HeaderTextColor());
    } else {
      if (FGrouping.HeaderColor() != clNone) SetRowColor(header, FGrouping.HeaderColor());
      if (FGrouping.HeaderColorTo() != clNone) SetRowColorTo(header, FGrouping.HeaderColorTo());
      if (FGrouping.HeaderTextColor() != clNone) SetRowFontColor(header, FGrouping.HeaderTextColor());
    }
  }
  SetRow(FixedRows());
}

void TZadIrururOziz::SubUnGroup(int Colindex) {
  if (Colindex < 0 || Colindex + 1 >= TotalColCount()) return;
  Update_Lock lock(*this);
  ExpandAll();
  const int first = FixedRows(), end = RowCount() - FFixedFooters;
  std::vector<char> dropped(size_t(std::max(0, end - first)), 0);
  int parent = -1, parent_end = -1;
  QString value;
  for (int r = first; r < end; ++r) {
    const TCellGraphic* node = Node_At(r);
    const bool sub = node && node->CellVar.isValid() && node->CellVar.toInt() == Colindex;
    if (node && !sub) {
      parent = r;
      parent_end = r + node->CellIndex;
      continue;
    }
    if (!node) {
      // Summary rows hold group values, not the column's.
      if (!IsSummary(r)) Store().Set_Text(Colindex, r, value);
      continue;
    }
    value = Store().Text(Colindex + 1, r);
    if (IsMergedCell(Colindex + 1, r)) {
      const QPoint base = BaseCell(Colindex + 1, r);
      SplitCells(base.x(), base.y());
    }
    RemoveNode(RealRowIndex(r));
    if (parent >= 0 && r < parent_end) {
      UpdateNodeSpan(parent, -1);
      UpdateSubNodeCount(parent, -1);
    }
    dropped[size_t(r - first)] = 1;
  }
  std::vector<int> new_row(dropped.size(), -1);
  int next = first;
  for (size_t i = 0; i < dropped.size(); ++i)
    if (!dropped[i]) new_row[i] = next++;
  if (next != end) Relayout_Data_Rows(new_row, next - end);
}
