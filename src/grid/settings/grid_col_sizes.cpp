// Column widths ("Col"i) and the column order list ("Pos"i) saved in the
// store that ColumnSize names (column_size_store.h).
#include <algorithm>
#include <vector>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/settings/column_size_store.h"
#include "grid/settings/column_states.h"

namespace {

QString Name(const char* prefix, int i) { return QLatin1String(prefix) + QString::number(i); }

}  // namespace

void TZadIrururOziz::SaveColSizes() {
  if (FColumnSize.Key().isEmpty() || FColumnSize.Section().isEmpty() || IsDesigning()) return;
  Column_Size_Store store(FColumnSize.Location(), FColumnSize.Key(), FColumnSize.Section());
  for (int i = 0; i < ColCount(); ++i) store.Write(Name("Col", i), ColWidths(i));
  store.Flush();
}

void TZadIrururOziz::LoadColSizes() {
  if (FColumnSize.Key().isEmpty() || FColumnSize.Section().isEmpty() || IsDesigning()) return;
  // Loading writes nothing back: the store stays as it was.
  const Column_Size_Store store(FColumnSize.Location(), FColumnSize.Key(), FColumnSize.Section());
  for (int i = 0; i < ColCount(); ++i) {
    const std::optional<int> width = store.Read(Name("Col", i));
    if (width && *width >= 0 && *width <= 32767 && *width != ColWidths(i)) SetColWidths(i, *width);
  }
}

void TZadIrururOziz::SaveColPositions() {
  if (FColumnSize.Key().isEmpty() || FColumnSize.Section().isEmpty() || IsDesigning()) return;
  if (FColumnOrder.Count() == 0) return;
  Column_Size_Store store(FColumnSize.Location(), FColumnSize.Key(), FColumnSize.Section());
  for (int i = 0; i < FColumnOrder.Count(); ++i) store.Write(Name("Pos", i), FColumnOrder.GetInteger(i));
  store.Flush();
}

void TZadIrururOziz::LoadColPositions() {
  if (FColumnSize.Key().isEmpty() || FColumnSize.Section().isEmpty() || IsDesigning()) return;
  const Column_Size_Store store(FColumnSize.Location(), FColumnSize.Key(), FColumnSize.Section());
  if (store.Read(Name("Pos", 0)).value_or(-1) == -1) return;
  std::vector<int> order;
  for (int i = 0; i < AllColCount(); ++i)
    if (const int entry = store.Read(Name("Pos", i)).value_or(-1); entry != -1) order.push_back(entry);
  // An order for other columns, or a damaged one, changes nothing.
  if (int(order.size()) != AllColCount() || !Is_Permutation(order)) return;
  std::vector<int> hidden;
  for (int c = 0; c < AllColCount(); ++c)
    if (IsHiddenColumn(c)) hidden.push_back(c);
  FColumnOrder.Clear();
  for (int q : Inverse_Order(order)) FColumnOrder.Add(q);
  UnHideColumnsAll();
  ResetColumnOrder();
  for (int c : hidden) HideColumn(c);
  FColumnOrder.Clear();
  for (int p : order) FColumnOrder.Add(p);
}
