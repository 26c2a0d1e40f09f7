// The column grid's side of grouping, header filters, the footer
// recalculation and form scaling: each keeps the column items in step with
// what the string grid does to the columns.
#include <cstdlib>

#include "grid/filter/filter_collection.h"
#include "grid/columns/zad_column_grid.h"

namespace {

// a * b / c rounded half away from zero, the product taken over 64 bits.
int Mul_Div(int a, int b, int c) {
  const int64_t product = int64_t(a) * b;
  int64_t q = product / c;
  const int64_t r = product % c;
  if (2 * std::abs(r) >= std::abs(int64_t(c))) q += (product < 0) != (c < 0) ? -1 : 1;
  return int(q);
}

TGridFont Scaled(TGridFont font, int M, int D) {
  if (font.Font.pointSize() > 0) font.Font.setPointSize(Mul_Div(font.Font.pointSize(), M, D));
  return font;
}

// An entry "caption=condition"; an entry without "=" is both.
QString Entry_Caption(const QString& entry) {
  const qsizetype eq = entry.indexOf('=');
  return eq < 0 ? entry : entry.left(eq);
}

QString Entry_Condition(const QString& entry) {
  const qsizetype eq = entry.indexOf('=');
  return eq < 0 ? entry : entry.mid(eq + 1);
}

}  // namespace

void TZadColumnGrid::Group(int Colindex) {
  // A grouped grid gives its column back first, or the item set aside now
  // would be the wrong one and the grouped column's item would be lost.
  (void)FColumnCollection->GetItem(Colindex);
  if (GroupColumn() != -1 && Colindex >= FixedCols() && Colindex > 0) UnGroup();
  FSaveCol->Assign(*FColumnCollection->GetItem(Colindex));
  TZadIrururOziz::Group(Colindex);
}

void TZadColumnGrid::UnGroup() {
  const int column = GroupColumn();
  TZadIrururOziz::UnGroup();
  // The column came back where it was taken out.
  if (column > 0 && GroupColumn() == -1 && column < FColumnCollection->Count())
    FColumnCollection->GetItem(column)->Assign(*FSaveCol);
}

bool TZadColumnGrid::DoGetColumnFilter(int Column) {
  TZadIrururOziz::DoGetColumnFilter(Column);
  const TGridColumnItem* item = Item_Of(Column);
  if (!item || item->Filter().isEmpty()) return false;
  FilterList().clear();
  FilterConditions().clear();
  for (const QString& entry : item->Filter()) FilterList() << Entry_Caption(entry);
  return true;
}

void TZadColumnGrid::DoFilterSelect(QObject* Sender, int ItemIndex) {
  const int col = FilterColumn();
  TGridColumnItem* item = col >= 0 ? Item_Of(RealColIndex(col)) : nullptr;
  // Without entries of its own the column's list is the string grid's, and
  // so is what a pick from it filters.
  if (!item || item->Filter().isEmpty()) {
    TZadIrururOziz::DoFilterSelect(Sender, ItemIndex);
    return;
  }
  Set_Filter_Column(-1);
  if (ItemIndex < 0 || ItemIndex >= item->Filter().size()) return;
  const QString entry = item->Filter()[ItemIndex];
  const QString caption = Entry_Caption(entry);
  if (FAutoFilterDisplay) item->SetHeader(caption);
  if (AutoFilterUpdate()) SetFilterActive(false);
  QString condition = Entry_Condition(entry);
  if (OnFilterSelect) OnFilterSelect(this, col, ItemIndex, caption, condition);
  TFilterData* filter = Filter().GetColFilter(RealColIndex(col));
  filter->SetCondition(condition);
  filter->SetCaseSensitive(item->FilterCaseSensitive());
  if (AutoFilterUpdate()) {
    SetFilterActive(true);
    if (RowCount() != FixedRows() && !(RowCount() == 1 && FixedRowAlways())) SetRow(FixedRows());
    DoFilterDone();
  }
  Set_Filter_Column(-1);
}

void TZadColumnGrid::RecalcFooter() {
  TZadIrururOziz::RecalcFooter();
  // Still being made, or a column going in or out with its item: the
  // count is being kept in step already.
  if (!FColumnCollection || FColumnCollection->NoRecursiveUpdate) return;
  Column_Guard guard(*FColumnCollection);
  SynchColumns();
}

void TZadColumnGrid::ChangeScale(int M, int D) {
  TZadIrururOziz::ChangeScale(M, D);
  if (IsDesigning() || M == D || D == 0) return;
  for (int i = 0; i < ColCount() && i < FColumnCollection->Count(); ++i) {
    TGridColumnItem* item = FColumnCollection->GetItem(i);
    item->SetFont(Scaled(item->Font(), M, D));
    item->SetHeaderFont(Scaled(item->HeaderFont(), M, D));
  }
}
