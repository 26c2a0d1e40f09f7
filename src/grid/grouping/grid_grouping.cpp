// Grouping TZadIrururOziz on one column: each run of equal values of the
// column (after sorting on it) gets a header row in front of it, a node row
// spanning the header and the run, holding the value in column 1; with
// Grouping.Summary a summary row follows each group, outside the node's
// span. The column itself leaves the grid and comes back with UnGroup.
#include <algorithm>
#include <utility>

#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/windows/search_panel.h"

namespace {

// Ends the update lock and the grouping flag however the rebuild leaves.
class Grouping_Scope {
 public:
  Grouping_Scope(TZadIrururOziz& grid, bool& flag) : grid_(grid), flag_(flag) {
    grid_.BeginUpdate();
    flag_ = true;
  }
  ~Grouping_Scope() {
    flag_ = false;
    grid_.EndUpdate();
  }
  Grouping_Scope(const Grouping_Scope&) = delete;
  Grouping_Scope& operator=(const Grouping_Scope&) = delete;

 private:
  TZadIrururOziz& grid_;
  bool& flag_;
};

struct Group_Run {
  int Header;  // display row of the header once laid out
  int Rows;    // data rows of the run
  QString Value;
};

}  // namespace

void TZadIrururOziz::Repaint_Search_Panel() {
  if (FSearchFooter->Visible() && FSearchPanel) FSearchPanel->update();
}

void TZadIrururOziz::SetGroupColumn(int Value) {
  if (Value == -1)
    UnGroup();
  else if (Value > 0)
    Group(Value);
}

void TZadIrururOziz::Group(int Colindex) {
  // Column 0 holds the nodes and could not be given back by UnGroup; the
  // group value needs a column to show in once the group column is gone.
  if (Colindex < FixedCols() || Colindex <= 0 || Colindex >= TotalColCount() || TotalColCount() < 3) return;
  if (FGroupColumn != -1) UnGroup();
  if (RowCount() - FFixedFooters <= FixedRows()) return;
  {
    Grouping_Scope scope(*this, FIsGrouping);
    Set_Group_Column(Colindex);
    FGroupWidth = GetAllColWidths(Colindex);
    FGroupCaption = FixedRows() > 0 ? Store().Text(Colindex, 0) : QString();
    FGroupFooter = FFixedFooters > 0 ? Store().Text(Colindex, RowCount() - 1) : QString();
    if (FSortSettings.AutoSortForGrouping) {
      FSortSettings.Column = Colindex;
      QSort();
    }

    // Where every data row goes: each run moves down by the headers (and
    // summaries) in front of it.
    const int first = FixedRows(), end = RowCount() - FFixedFooters;
    const bool summary = FGrouping.Summary();
    std::vector<int> new_row(size_t(end - first));
    std::vector<Group_Run> runs;
    int next = first;
    for (int r = first; r < end; ++r) {
      QString value = Store().Text(Colindex, r);
      if (runs.empty() || value != runs.back().Value) {
        if (!runs.empty() && summary) ++next;
        runs.push_back(Group_Run{next++, 0, std::move(value)});
      }
      new_row[size_t(r - first)] = next++;
      ++runs.back().Rows;
    }
    if (summary) ++next;
    Relayout_Data_Rows(new_row, next - end);

    // The value column is counted before the group column leaves: for group
    // column 1 the value goes into column 2, which then becomes column 1.
    const int value_col = Colindex == 1 ? 2 : 1;
    auto colour_row = [this](int r, TColor color, TColor color_to, TColor text) {
      if (color != clNone) SetRowColor(r, color);
      if (color_to != clNone) SetRowColorTo(r, color_to);
      if (text != clNone) SetRowFontColor(r, text);
    };
    for (const Group_Run& run : runs) {
      Store().Set_Text(value_col, run.Header, run.Value);
      if (!FGrouping.MergeHeader())
        colour_row(run.Header, FGrouping.HeaderColor(), FGrouping.HeaderColorTo(), FGrouping.HeaderTextColor());
      AddNode(RealRowIndex(run.Header), run.Rows + 1);
      if (!summary) continue;
      const int s = run.Header + run.Rows + 1;
      MarkSummaryRow(RealRowIndex(s));
      if (!FGrouping.MergeSummary())
        colour_row(s, FGrouping.SummaryColor(), FGrouping.SummaryColorTo(), FGrouping.SummaryTextColor());
    }

    RemoveCols(Colindex, 1);

    auto merge = [this](int r, TColor color, TColor color_to, TColor text) {
      MergeCells(1, r, ColCount() - 1, 1);
      if (color != clNone) SetColors(1, r, color);
      if (color_to != clNone) SetColorsTo(1, r, color_to);
      if (text != clNone) SetFontColors(1, r, text);
    };
    if (FGrouping.MergeHeader() || (FGrouping.MergeSummary() && summary)) {
      for (const Group_Run& run : runs) {
        if (FGrouping.MergeHeader())
          merge(run.Header, FGrouping.HeaderColor(), FGrouping.HeaderColorTo(), FGrouping.HeaderTextColor());
        if (FGrouping.MergeSummary() && summary)
          merge(run.Header + run.Rows + 1, FGrouping.SummaryColor(), FGrouping.SummaryColorTo(),
                FGrouping.SummaryTextColor());
      }
    }

    if (FCellNode.ExpandOne()) ExpandNode(RealRowIndex(runs.front().Header));
    if (Col() >= ColCount() || Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
    SetRow(FixedRows());
  }
  Repaint_Search_Panel();
}

void TZadIrururOziz::UnGroup() {
  if (FGroupColumn <= 0) return;
  const int group_col = FGroupColumn;
  const bool expand_one = FCellNode.ExpandOne();
  FCellNode.SetExpandOne(false);
  ExpandAll();
  // Sub-groups go first, the deepest first: their headers hold values of
  // other columns and must not be taken for group headers.
  for (;;) {
    int deepest = -1, level = 0;
    for (int r = FixedRows(); r < RowCount(); ++r) {
      const TCellGraphic* node = Node_At(r);
      if (node && node->CellVar.isValid() && node->CellVar.toInt() >= 0 && GetNodeLevel(r) > level) {
        deepest = node->CellVar.toInt();
        level = GetNodeLevel(r);
      }
    }
    if (deepest < 0) break;
    const int nodes = NumNodes();
    SubUnGroup(deepest);
    if (NumNodes() == nodes) break;
  }
  {
    Grouping_Scope scope(*this, FIsGrouping);
    const bool summary = FGrouping.Summary();
    // Merges go before the column comes back inside them; header and
    // summary rows lose their cells with the row.
    for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r) {
      if (!(IsNode(r) || (summary && IsSummary(r))) || !IsMergedCell(1, r)) continue;
      const QPoint base = BaseCell(1, r);
      SplitCells(base.x(), base.y());
    }
    InsertCols(group_col, 1);
    SetAllColWidths(group_col, FGroupWidth);
    if (FixedRows() > 0) Store().Set_Text(group_col, 0, FGroupCaption);
    if (FFixedFooters > 0) Store().Set_Text(group_col, RowCount() - 1, FGroupFooter);

    const int first = FixedRows(), end = RowCount() - FFixedFooters;
    const int value_col = group_col == 1 ? 2 : 1;
    std::vector<char> dropped(size_t(end - first), 0);
    QString value;
    for (int r = first; r < end; ++r) {
      if (dropped[size_t(r - first)]) continue;
      if (!IsNode(r)) {
        Store().Set_Text(group_col, r, value);
        continue;
      }
      const int span = GetNodeSpan(r);
      if (summary && span > 0 && r + span < end && IsSummary(r + span)) {
        dropped[size_t(r + span - first)] = 1;
      }
      value = Store().Text(value_col, r);
      RemoveNode(RealRowIndex(r));
      dropped[size_t(r - first)] = 1;
    }
    std::vector<int> new_row(dropped.size(), -1);
    int next = first;
    for (size_t i = 0; i < dropped.size(); ++i)
      if (!dropped[i]) new_row[i] = next++;
    Relayout_Data_Rows(new_row, next - end);
    Set_Group_Column(-1);
  }
  FCellNode.SetExpandOne(expand_one);
  InvalidateGrid();
}
