// Row nodes of TZadIrururOziz: the node objects, their queries and the row
// operations that keep groups, levels and hidden-row records in step.
//
// A node row holds a ctNode cell object in column 0: CellIndex its span
// (rows of the group, the node row included), CellBoolean contracted,
// CellErrFrom its sub-node count, CellAngle the display row it was added at.
// Every row keeps in its column-0 properties (NodeLevel) how many groups
// enclose it. Spans count real rows: a contracted group inside still counts
// the rows it hides.
#include <QStyle>
#include <QWidget>
#include <algorithm>

#include "grid/core/zad_irurur_oziz.h"

TCellGraphic* TZadIrururOziz::Node_At(int ARow) {
  if (ARow < 0 || ARow >= RowCount()) return nullptr;
  TCellGraphic* graphic = GetCellGraphic(0, ARow);
  return graphic && graphic->CellType == ctNode ? graphic : nullptr;
}

int TZadIrururOziz::Group_End(int ARow, const TCellGraphic& Node) {
  if (Node.CellIndex > 0) return std::min(RowCount(), ARow + Node.CellIndex);
  for (int r = ARow + 1; r < RowCount(); ++r)
    if (IsNode(r)) return r;
  return RowCount();
}

int TZadIrururOziz::RowNodeIndent(int ARow) {
  if (!HasNodes() || !HasCellProperties(0, ARow)) return 0;
  return Store().Object(0, ARow)->NodeLevel() * FCellNode.NodeIndent();
}

void TZadIrururOziz::Add_Node_Level(int First, int Count, int Delta) {
  const int last = std::min(First + Count, TotalRowCount()) - 1;
  First = std::max(0, First);
  if (last < First) return;
  auto shift = [Delta](TCellProperties& props) { props.SetNodeLevel(std::max(0, props.NodeLevel() + Delta)); };
  const auto& hidden = Hidden_Unique();
  const bool any_hidden =
      std::lower_bound(hidden.begin(), hidden.end(), First) != std::upper_bound(hidden.begin(), hidden.end(), last);
  if (!any_hidden) {
    // The rows are shown one after the other.
    const int d = DisplRowIndex(First);
    for (int r = d; r <= d + (last - First); ++r)
      if (Delta > 0 || HasCellProperties(0, r)) shift(*GetCellProperties(0, r));
    return;
  }
  for (int real = First; real <= last; ++real) {
    if (!IsHiddenRow(real)) {
      const int r = DisplRowIndex(real);
      if (Delta > 0 || HasCellProperties(0, r)) shift(*GetCellProperties(0, r));
      continue;
    }
    // A hidden row keeps its cells in its record.
    for (auto& item : FGridItems) {
      if (item->Idx != real) continue;
      auto cell = std::find_if(item->Items.begin(), item->Items.end(), [](const auto& c) { return c.col == 0; });
      if (cell == item->Items.end()) {
        if (Delta <= 0) break;
        item->Items.insert(item->Items.begin(), Cell_Store::Cell_Copy{0, QString(), nullptr});
        cell = item->Items.begin();
      }
      if (!cell->props) {
        if (Delta <= 0) break;
        cell->props = new TCellProperties(this, 0, real);
        Initial_Cell_Look(0, real, *cell->props);
      }
      shift(*cell->props);
      break;
    }
  }
}

// ---- adding and removing nodes

void TZadIrururOziz::AddNode(int ARowReal, int Span) {
  if (ARowReal < 0 || ARowReal >= TotalRowCount() || IsHiddenRow(ARowReal)) return;
  const int r = DisplRowIndex(ARowReal);
  // A second node on the same row would count twice and raise the levels twice.
  if (IsNode(r)) return;
  TCellGraphic* node = CreateCellGraphic(0, r);
  node->CellType = ctNode;
  node->CellIndex = Span;
  node->CellBoolean = false;
  node->CellErrFrom = 0;
  node->CellAngle = r;
  node->CellVar = -1;
  node->CellHAlign = haBeforeText;
  node->CellVAlign = vaCenter;
  Add_Node_Level(ARowReal, Span, 1);
  if (FNumNodes == 0) RepaintCol(0);
  ++FNumNodes;
  if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TZadIrururOziz::MarkSummaryRow(int ARowReal) {
  if (ARowReal < 0 || ARowReal >= TotalRowCount() || IsHiddenRow(ARowReal)) return;
  CreateCellGraphic(0, DisplRowIndex(ARowReal))->CellType = ctSummary;
}

void TZadIrururOziz::RemoveNode(int ARowReal) {
  if (ARowReal < 0 || ARowReal >= TotalRowCount() || IsHiddenRow(ARowReal)) return;
  if (!Node_At(DisplRowIndex(ARowReal))) return;
  Expand_Node(ARowReal);
  const int r = DisplRowIndex(ARowReal);
  Add_Node_Level(ARowReal, Node_At(r)->CellIndex, -1);
  RemoveCellGraphic(0, r);
  FNumNodes = std::max(0, FNumNodes - 1);
}

void TZadIrururOziz::RemoveAllNodes() {
  // Every group open first, so that the walk meets each node at its row and
  // each span's rows are shown.
  ExpandAll();
  for (int r = 0; r < RowCount(); ++r) {
    TCellGraphic* node = Node_At(r);
    if (!node) continue;
    const int real = RealRowIndex(r);
    Expand_Node(real);
    Add_Node_Level(real, Node_At(r)->CellIndex, -1);
    RemoveCellGraphic(0, r);
    FNumNodes = std::max(0, FNumNodes - 1);
  }
  InvalidateGrid();
}

// ---- queries

bool TZadIrururOziz::IsNode(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctNode; }

bool TZadIrururOziz::IsSummary(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }

bool TZadIrururOziz::GetNodeState(int ARow) {
  const TCellGraphic* node = Node_At(ARow);
  return node && node->CellBoolean;
}

void TZadIrururOziz::SetNodeState(int ARow, bool Value) {
  const TCellGraphic* node = Node_At(ARow);
  if (!node || node->CellBoolean == Value) return;
  if (Value)
    ContractNode(RealRowIndex(ARow));
  else
    ExpandNode(RealRowIndex(ARow));
}

int TZadIrururOziz::GetNodeLevel(int ARow) {
  if (!Node_At(ARow)) return -1;
  return HasCellProperties(0, ARow) ? Store().Object(0, ARow)->NodeLevel() : 0;
}

int TZadIrururOziz::GetNodeSpan(int ARow) {
  const TCellGraphic* node = Node_At(ARow);
  return node ? node->CellIndex : -1;
}

void TZadIrururOziz::SetNodeSpan(int ARow, int Span) {
  if (TCellGraphic* node = Node_At(ARow)) node->CellIndex = Span;
}

void TZadIrururOziz::UpdateNodeSpan(int ARow, int Delta) {
  if (TCellGraphic* node = Node_At(ARow)) node->CellIndex += Delta;
}

int TZadIrururOziz::GetSubNodeCount(int ARow) {
  const TCellGraphic* node = Node_At(ARow);
  return node ? node->CellErrFrom : 0;
}

void TZadIrururOziz::UpdateSubNodeCount(int ARow, int Delta) {
  if (TCellGraphic* node = Node_At(ARow)) node->CellErrFrom += Delta;
}

int TZadIrururOziz::GetParentRow(int ARow) {
  if (!HasNodes() || ARow < 0 || ARow >= RowCount()) return -1;
  int limit = 65535, fallback = -1;
  if (IsNode(ARow)) {
    limit = GetNodeLevel(ARow);
    fallback = ARow;
  }
  // Rows hidden by contracted groups between a candidate and ARow do not
  // count against the candidate's span.
  int hidden = 0;
  for (int r = ARow; r >= FixedRows(); --r) {
    const TCellGraphic* node = Node_At(r);
    if (!node) continue;
    if (node->CellBoolean) hidden += std::max(0, node->CellIndex - 1);
    if (GetNodeLevel(r) < limit && ARow < r + node->CellIndex - hidden) return r;
  }
  return fallback;
}

int TZadIrururOziz::GetNodeSpanType(int ARow) {
  if (IsNode(ARow)) return 0;
  const int level = HasCellProperties(0, ARow) ? Store().Object(0, ARow)->NodeLevel() : 0;
  const int next = ARow + 1;
  if (next < RowCount() - FFixedFooters && HasCellProperties(0, next) && Store().Object(0, next)->NodeLevel() >= level)
    return 2;
  return 1;
}

int TZadIrururOziz::IsLastGroupRow(int ARow, int NoGroup) {
  for (int r = std::min(ARow, RowCount() - 1); r >= FixedRows(); --r) {
    const TCellGraphic* node = Node_At(r);
    if (!node) continue;
    return r + node->CellIndex == ARow + 1 && !node->CellBoolean ? 1 : 2;
  }
  return NoGroup;
}

bool TZadIrururOziz::IsInNodeGlyph(int ARow, int X) {
  if (!FMouseActions->PreciseNodeClick()) return true;
  const int level = HasCellProperties(0, ARow) ? Store().Object(0, ARow)->NodeLevel() : 0;
  const int indent = FCellNode.NodeIndent();
  int extent = 4, margin = 4;
  switch (FCellNode.NodeType()) {
    case cnFlat:
    case cnXP:
      break;
    case cn3D:
      extent = 6;
      margin = 0;
      break;
    case cnGlyph:
      extent = FCellNode.ExpandGlyph().width() / 2;
      margin = FCellNode.ExpandGlyph().isNull() ? 0 : 2;
      break;
    case cnLeaf:
      extent = 8;
      margin = 2;
      break;
  }
  if (!isRightToLeft()) return margin + (level - 1) * indent < X && X < extent + level * indent;
  // Reading right to left the glyph sits at the right edge, left of a shown
  // vertical scroll bar.
  const int bar = VisibleRowCount() < RowCount() - FixedRows() ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
  return width() - level * indent - extent - 2 <= X + bar && X + bar < width() - (level - 1) * indent;
}

// ---- rows in and out of groups

void TZadIrururOziz::Shift_Hidden_Records(int FromReal, int Delta) {
  if (FGridItems.empty()) return;
  for (auto& item : FGridItems)
    if (item->Idx >= FromReal) item->Idx += Delta;
  Hidden_Changed();
}

void TZadIrururOziz::InsertNormalRow(int ARowReal) {
  if (ARowReal < 0 || ARowReal > TotalRowCount()) return;
  const int d = ARowReal == TotalRowCount() ? RowCount() : DisplRowIndex(ARowReal);
  InsertRows(d, 1, true);
  // The new row takes the real index; the hidden rows from there on follow it.
  Shift_Hidden_Records(ARowReal, 1);
}

void TZadIrururOziz::RemoveNormalRow(int ARow) {
  if (ARow < 0 || ARow >= RowCount()) return;
  RemoveRows(ARow, 1);
  --FMaxRowCount;
}

void TZadIrururOziz::InsertChildRow(int ARowReal, int InsertAt) {
  if (ARowReal < 0 || ARowReal >= TotalRowCount() || IsHiddenRow(ARowReal)) return;
  const int d = DisplRowIndex(ARowReal);
  const bool on_node = IsNode(d);
  // A node row takes the new row into its own group.
  const int p = on_node ? d : GetParentRow(d);
  int level = 1;
  if (p >= 0) {
    UpdateNodeSpan(p, 1);
    UpdateSubNodeCount(p, 1);
    Expand_Node(RealRowIndex(p));
    level = GetNodeLevel(p);
    // Every enclosing group grows by the row as well.
    for (int q = p; GetNodeLevel(q) > 1;) {
      const int outer = GetParentRow(q);
      if (outer < 0 || outer == q) break;
      UpdateNodeSpan(outer, 1);
      UpdateSubNodeCount(outer, 1);
      Expand_Node(RealRowIndex(outer));
      q = outer;
    }
  }
  const int at = std::min(on_node && InsertAt == 0 ? d + 1 : d + InsertAt, RowCount());
  if (at < 0) return;
  const int real_at = at < RowCount() ? RealRowIndex(at) : TotalRowCount();
  InsertRows(at, 1, true);
  Shift_Hidden_Records(real_at, 1);
  if (p >= 0 && at == p + 1) {
    // The node row's own cells become the group's first row; column 0 keeps
    // the node.
    for (int c = 0; c < TotalColCount(); ++c) {
      Store().Set_Text(c, at, Store().Text(c, p));
      Store().Set_Text(c, p, QString());
      if (c == 0) continue;
      if (const quintptr object = GetObjectEx(c, p)) {
        SetObjectEx(c, at, object);
        SetObjectEx(c, p, 0);
      }
    }
    RepaintRow(p);
    RepaintRow(at);
  }
  if (p >= 0) GetCellProperties(0, at)->SetNodeLevel(level);
}

void TZadIrururOziz::RemoveChildRow(int ARowReal) {
  if (ARowReal < 0 || ARowReal >= TotalRowCount() || IsHiddenRow(ARowReal)) return;
  const int d = DisplRowIndex(ARowReal);
  // A node row leaves its group through RemoveNode first.
  if (IsNode(d)) return;
  for (int i = FControlList.Count() - 1; i >= 0; --i) {
    TControlItem* item = FControlList.GetControl(i);
    if (item->Y() == ARowReal) {
      if (auto* widget = qobject_cast<QWidget*>(item->Control())) widget->hide();
      FControlList.RemoveControl(i);
    } else if (item->Y() > ARowReal) {
      item->SetY(item->Y() - 1);
    }
  }
  int p = GetParentRow(d);
  if (p >= 0) {
    const int first_level = GetNodeLevel(p);
    if (GetNodeSpan(p) > 1) {
      UpdateNodeSpan(p, -1);
      UpdateSubNodeCount(p, -1);
    }
    for (;;) {
      Expand_Node(RealRowIndex(p));
      if (GetNodeLevel(p) <= 1) break;
      const int outer = GetParentRow(p);
      if (outer < 0 || outer == p || GetNodeLevel(outer) >= first_level) break;
      if (GetNodeSpan(outer) > 1) {
        UpdateNodeSpan(outer, -1);
        UpdateSubNodeCount(outer, -1);
      }
      p = outer;
    }
  }
  const int row = DisplRowIndex(ARowReal);
  RemoveRowRange(row, 1, false);
  Shift_Hidden_Records(ARowReal + 1, -1);
  --FMaxRowCount;
}
