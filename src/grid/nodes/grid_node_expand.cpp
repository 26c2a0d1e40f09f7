// Expanding and contracting row groups of TZadIrururOziz. A contracted
// group's rows (the node row's followers) are hidden rows: they leave the
// grid into hidden-row records by their real index and come back from them.
// A contracted group inside a group being contracted is marked expanded: its
// rows are hidden already and return with the outer group.
#include <QWidget>
#include <algorithm>
#include <climits>
#include <utility>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// Ends update mode however the operation leaves.
class Update_Scope {
 public:
  explicit Update_Scope(TZadIrururOziz& grid, bool active = true) : grid_(grid), active_(active) {
    if (active_) grid_.BeginUpdate();
  }
  ~Update_Scope() {
    if (active_) grid_.EndUpdate();
  }
  Update_Scope(const Update_Scope&) = delete;
  Update_Scope& operator=(const Update_Scope&) = delete;

 private:
  TZadIrururOziz& grid_;
  bool active_;
};

}  // namespace

namespace {

// A node row coming back shows expanded, whatever mark it was hidden with
// (a contracted node hidden by other means inside a contracted group).
void Mark_Expanded(TGridItem& item) {
  for (const auto& cell : item.Items) {
    if (cell.col != 0) continue;
    if (cell.props)
      if (auto* node = dynamic_cast<TCellGraphic*>(cell.props->GraphicObject()); node && node->CellType == ctNode)
        node->CellBoolean = false;
    break;
  }
}

}  // namespace

int TZadIrururOziz::Hidden_Group_End(int ARow, const TCellGraphic& Node) {
  // The group's hidden rows lie between the node row and the next row shown;
  // rows hidden otherwise (a filter) after the group's last row stay hidden.
  const int next = Node.CellIndex > 0 ? ARow + 1 : Group_End(ARow, Node);
  const int last = (next < RowCount() ? RealRowIndex(next) : TotalRowCount()) - 1;
  return Node.CellIndex > 0 ? std::min(last, RealRowIndex(ARow) + Node.CellIndex - 1) : last;
}

bool TZadIrururOziz::Expand_Node(int ARowReal) {
  if (ARowReal < 0 || ARowReal >= TotalRowCount() || IsHiddenRow(ARowReal)) return false;
  const int r = DisplRowIndex(ARowReal);
  TCellGraphic* node = Node_At(r);
  if (!node || !node->CellBoolean) return false;
  node->CellBoolean = false;
  const int last_real = Hidden_Group_End(r, *node);
  const int row = Row(), top = TopRow();
  const bool disjunct = FMouseActions->DisjunctRowSelect();
  const TGridOptions options = Options();
  FMouseActions->SetDisjunctRowSelectDirect(false);
  SetOptions(options & ~goRowSelect);
  {
    Update_Scope update(*this, FControlList.Count() == 0);
    if (last_real > ARowReal) UnHideRows(ARowReal + 1, last_real);
    SetOptions(options);
    if (Row() != row) FocusCell(Col(), row);
    SetTopRow(top);
    FMouseActions->SetDisjunctRowSelectDirect(disjunct);
  }
  CalcFooter(-1);
  RepaintCell(0, r);
  return true;
}

void TZadIrururOziz::Contract_Others(int ARowReal) {
  // The groups enclosing the node stay open, or the node itself would go.
  std::vector<int> keep{ARowReal};
  for (int q = DisplRowIndex(ARowReal);;) {
    const int outer = GetParentRow(q);
    if (outer < 0 || outer == q) break;
    keep.push_back(RealRowIndex(outer));
    q = outer;
  }
  for (int r = FixedRows(); r < RowCount(); ++r) {
    const TCellGraphic* node = Node_At(r);
    if (!node || node->CellBoolean) continue;
    const int real = RealRowIndex(r);
    if (std::find(keep.begin(), keep.end(), real) == keep.end()) ContractNode(real);
  }
}

void TZadIrururOziz::ExpandNode(int ARowReal) {
  if (ARowReal < 0 || ARowReal >= TotalRowCount() || IsHiddenRow(ARowReal)) return;
  if (!Node_At(DisplRowIndex(ARowReal))) return;
  if (FCellNode.ExpandOne()) Contract_Others(ARowReal);
  Expand_Node(ARowReal);
}

void TZadIrururOziz::ContractNode(int ARowReal) {
  if (ARowReal < 0 || ARowReal >= TotalRowCount() || IsHiddenRow(ARowReal)) return;
  const int r = DisplRowIndex(ARowReal);
  TCellGraphic* node = Node_At(r);
  if (!node || node->CellBoolean) return;
  HideInplaceEdit();
  const bool force_sel = FForceSel;
  FForceSel = true;
  node->CellBoolean = true;
  const int end = Group_End(r, *node);
  const int last_real = node->CellIndex > 0 ? std::min(ARowReal + node->CellIndex, TotalRowCount()) - 1
                                            : (end < RowCount() ? RealRowIndex(end) : TotalRowCount()) - 1;
  // Contracted groups inside come back with this one: they show expanded.
  for (int s = r + 1; s < RowCount() && RealRowIndex(s) <= last_real; ++s) {
    TCellGraphic* inner = Node_At(s);
    if (!inner || !inner->CellBoolean) continue;
    inner->CellBoolean = false;
    const int index = FControlList.ControlIndex(1, RealRowIndex(s) + 1);
    if (index >= 0)
      if (auto* widget = qobject_cast<QWidget*>(FControlList.GetControl(index)->Control())) widget->hide();
  }
  // The rows hidden already (those of contracted groups inside) stay in
  // their records; the others join them.
  if (last_real > ARowReal) HideRows(ARowReal + 1, last_real);
  FForceSel = force_sel;
  CalcFooter(-1);
  RepaintCell(0, DisplRowIndex(ARowReal));
}

void TZadIrururOziz::Unhide_Records(std::vector<std::pair<int, int>> Ranges) {
  if (Ranges.empty() || FGridItems.empty()) return;
  std::sort(Ranges.begin(), Ranges.end());
  // Records are mostly in index order: then the ranges are walked along with
  // them instead of searched for each record.
  const bool records_sorted = std::is_sorted(FGridItems.begin(), FGridItems.end(),
                                             [](const auto& a, const auto& b) { return a->Idx < b->Idx; });
  size_t range = 0;
  auto in_ranges = [&](int idx) {
    if (records_sorted) {
      while (range < Ranges.size() && Ranges[range].second < idx) ++range;
      return range < Ranges.size() && Ranges[range].first <= idx;
    }
    auto it = std::upper_bound(Ranges.begin(), Ranges.end(), std::pair{idx, INT_MAX});
    return it != Ranges.begin() && idx <= std::prev(it)->second;
  };
  // The real rows of the rows shown, before any record leaves.
  const int shown = RowCount();
  std::vector<int> real_of(static_cast<size_t>(shown));
  for (int d = 0; d < shown; ++d) real_of[size_t(d)] = RealRowIndex(d);
  // The records that stay close up in place, so the record list keeps its
  // block for the next contraction.
  std::vector<std::unique_ptr<TGridItem>> restore;
  restore.reserve(FGridItems.size());
  size_t kept = 0;
  for (auto& item : FGridItems) {
    if (in_ranges(item->Idx))
      restore.push_back(std::move(item));
    else
      FGridItems[kept++] = std::move(item);
  }
  FGridItems.resize(kept);
  Hidden_Changed();
  if (restore.empty()) return;
  const auto by_idx = [](const auto& a, const auto& b) { return a->Idx < b->Idx; };
  if (!std::is_sorted(restore.begin(), restore.end(), by_idx)) std::stable_sort(restore.begin(), restore.end(), by_idx);
  // Rows in real order, merged from the bottom into the grown grid.
  Insert_Platform_Rows(shown, int(restore.size()));
  int src = shown - 1, rec = int(restore.size()) - 1;
  for (int dst = RowCount() - 1; rec >= 0; --dst) {
    if (src < 0 || restore[size_t(rec)]->Idx > real_of[size_t(src)]) {
      TGridItem& item = *restore[size_t(rec)];
      Mark_Expanded(item);
      Store().Put_Row(dst, std::move(item.Items));
      item.Items.clear();
      SetRowHeights(dst, item.Height);
      --rec;
    } else {
      if (dst != src) {
        Store().Put_Row(dst, Store().Take_Row(src));
        SetRowHeights(dst, RowHeights(src));
      }
      --src;
    }
  }
  Row_Count_Written(RowCount());
}

void TZadIrururOziz::ExpandAll() {
  const int row = Row(), top = TopRow();
  {
    Update_Scope update(*this);
    // The groups in view that are contracted; the rows of every other
    // contracted group lie inside one of them, and the nodes among those
    // rows are marked expanded as they come back.
    std::vector<std::pair<int, int>> ranges;
    for (int r = FixedRows(); r < RowCount(); ++r) {
      TCellGraphic* node = Node_At(r);
      if (!node || !node->CellBoolean) continue;
      node->CellBoolean = false;
      const int first = RealRowIndex(r) + 1;
      const int last = Hidden_Group_End(r, *node);
      if (last >= first) ranges.emplace_back(first, last);
    }
    Unhide_Records(std::move(ranges));
    if (Row() != row) FocusCell(Col(), row);
    SetTopRow(top);
  }
  CalcFooter(-1);
}

void TZadIrururOziz::ContractAll() {
  {
    Update_Scope update(*this);
    ExpandAll();
    TIntList rows(0, 0);
    for (int r = FixedRows(); r < RowCount();) {
      TCellGraphic* node = Node_At(r);
      if (!node) {
        ++r;
        continue;
      }
      node->CellBoolean = true;
      const int end = Group_End(r, *node);
      for (int k = r + 1; k < end; ++k) rows.Add(k);
      r = std::max(end, r + 1);
    }
    if (rows.Count() > 0) HideRowList(rows);
  }
  CalcFooter(-1);
}
