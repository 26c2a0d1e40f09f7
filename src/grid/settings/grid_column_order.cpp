// The column order list and the column-states string of the string grid.
// Entry i of the order list is the initial index of the real column now at
// position i; column moves keep it in step (grid/input/grid_column_moves.cpp).
#include <algorithm>
#include <vector>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/settings/column_states.h"

namespace {

std::vector<int> Entries(const TIntList& list) {
  std::vector<int> out;
  out.reserve(size_t(list.Count()));
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.GetInteger(i));
  return out;
}

void Put(TIntList& list, const std::vector<int>& entries) {
  list.Clear();
  for (int v : entries) list.Add(v);
}

}  // namespace

void TZadIrururOziz::SetColumnOrder() {
  // Hidden columns stand at real positions too, so the list covers them.
  FColumnOrder.Clear();
  for (int c = 0; c < AllColCount(); ++c) FColumnOrder.Add(c);
}

void TZadIrururOziz::ResetColumnOrder() {
  UnHideColumnsAll();
  if (FColumnOrder.Count() == 0) {
    SetColumnOrder();
    return;
  }
  // Columns added since the list was made stand where they were added.
  std::vector<int> order = Entries(FColumnOrder);
  for (int c = int(order.size()); c < ColCount(); ++c) order.push_back(c);
  // Anything but a permutation would move columns round for ever.
  if (int(order.size()) != ColCount() || !Is_Permutation(order)) {
    SetColumnOrder();
    return;
  }
  Put(FColumnOrder, order);
  // Every pass puts at least the first misplaced column where it belongs,
  // so ColCount passes always finish.
  const int count = ColCount();
  bool moved = true;
  for (int pass = 0; moved && pass <= count; ++pass) {
    moved = false;
    for (int i = 0; i < count && i < FColumnOrder.Count(); ++i) {
      const int entry = FColumnOrder.GetInteger(i);
      if (entry < i) {
        MoveColumn(i, entry);
        moved = true;
      }
    }
  }
}

int TZadIrururOziz::ColumnPosition(int ACol) const {
  int position = ACol;
  if (FColumnOrder.Count() > 0) {
    const int count = std::min(FColumnOrder.Count(), ColCount() + FNumHidden);
    for (int p = 0; p < count; ++p)
      if (FColumnOrder.GetInteger(p) == ACol) {
        position = p;
        break;
      }
  }
  // The grouped column leaves the display.
  if (FGroupColumn != -1 && FGroupColumn <= ACol) --position;
  return position;
}

int TZadIrururOziz::ColumnAtPosition(int APos) {
  if (FColumnOrder.Count() == 0) SetColumnOrder();
  if (FColumnOrder.Count() == 0) return APos;
  if (APos < 0 || APos >= FColumnOrder.Count()) return -1;
  int column = FColumnOrder.GetInteger(APos);
  if (FGroupColumn != -1 && FGroupColumn <= column) ++column;
  return column;
}

int TZadIrururOziz::ColumnByHeader(const QString& AValue) {
  if (RowCount() == 0) return -1;
  for (int c = 0; c < AllColCount(); ++c)
    if (GetCellEx(c, 0) == AValue) return c;
  return -1;
}

QString TZadIrururOziz::ColumnStatesToString() {
  Column_States states;
  states.Count = AllColCount();
  for (int i = 0; i < states.Count; ++i) {
    states.Widths.push_back(i < ColCount() ? ColWidths(i) : DefaultColWidth());
    states.Visible.push_back(!IsHiddenColumn(i));
    states.Order.push_back(i < FColumnOrder.Count() ? FColumnOrder.GetInteger(i) : i);
  }
  // A list out of step with the columns (columns added or removed since it
  // was made) is written as the first order, so that the string reads back.
  if (!Is_Permutation(states.Order))
    for (int i = 0; i < states.Count; ++i) states.Order[size_t(i)] = i;
  return Format_Column_States(states);
}

void TZadIrururOziz::StringToColumnStates(const QString& Value) {
  if (!Value.contains(QLatin1Char('#'))) return;
  Column_States states;
  try {
    states = Parse_Column_States(Value);
  } catch (const Column_States_Error& error) {
    throw VAzaZeriVader(error.what());
  }
  FColumnOrder.Clear();
  UnHideColumnsAll();
  SetColCount(states.Count);
  if (!states.Order.empty()) {
    // The inverse as the list makes the reset carry initial column k to the
    // position where the saved order has it.
    Put(FColumnOrder, Inverse_Order(states.Order));
    ResetColumnOrder();
    Put(FColumnOrder, states.Order);
  }
  for (int c = ColCount() - 1; c >= 0; --c)
    if (!states.Visible[size_t(c)]) HideColumn(c);
  const bool stretch = FColumnSize.Stretch();
  FColumnSize.SetStretch(false);
  if (stretch) {
    const int column = FColumnSize.StretchColumn() == -1 ? ColCount() - 1 : FColumnSize.StretchColumn();
    if (column >= 0 && column < ColCount()) SetDefaultColWidth(ColWidths(column));
  }
  for (int i = 0; i < ColCount(); ++i) SetColWidths(i, states.Widths[size_t(i)]);
  FColumnSize.SetStretch(stretch);
}
