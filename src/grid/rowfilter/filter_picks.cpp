// What a pick in a header's filter list does to the column's conditions.
#include "grid/core/zad_irurur_oziz.h"

namespace {

// The shown name and the condition of entry Index. Entries a handler added
// without their condition are split at the first "=", as the list shows them.
void Filter_Entry(const QStringList& list, const QStringList& conditions, int Index, QString& Name,
                  QString& Condition) {
  Name = list[Index];
  if (conditions.size() == list.size()) {
    Condition = conditions[Index];
    return;
  }
  const qsizetype eq = Name.indexOf('=');
  Condition = eq < 0 ? Name : Name.mid(eq + 1);
  if (eq >= 0) Name = Name.left(eq);
  if (Condition.contains(' ') && !Condition.startsWith('"')) Condition = '"' + Condition + '"';
}

}  // namespace

void TZadIrururOziz::DoFilterSelect(QObject* Sender, int ItemIndex) {
  (void)Sender;
  setFocus();
  const int col = FFilterCol;
  FFilterCol = -1;
  if (col < 0 || col >= AllColCount() || ItemIndex < 0) return;
  DoGetColumnFilter(col);
  if (ItemIndex >= FFilterList.size()) return;
  QString name, condition;
  Filter_Entry(FFilterList, FFilterConditions, ItemIndex, name, condition);
  if (FAutoFilterUpdate) SetFilterActive(false);
  if (condition == FFilterDropDownClear) condition.clear();
  if (OnFilterSelect) OnFilterSelect(this, col, ItemIndex, name, condition);
  const int real = RealColIndex(col);
  if (!condition.isEmpty())
    Filter().GetColFilter(real)->SetCondition(condition);
  else
    Filter().RemoveColumnFilter(real);
  if (FAutoFilterUpdate) {
    FFixedRowAlways = true;
    SetFilterActive(true);
    if (RowCount() != FixedRows() && RowCount() != 1) SetRow(FixedRows());
    DoFilterDone();
  }
  FFilterCol = -1;
}

void TZadIrururOziz::DoFilterCheck(QObject* Sender, int ItemIndex) {
  (void)Sender, (void)ItemIndex;
  const int col = FFilterCol;
  if (col < 0 || col >= AllColCount()) return;
  DoGetColumnFilter(col);
  if (FAutoFilterUpdate) SetFilterActive(false);
  Filter().Clear();
  TDropCheckList* list = FilterDropCheckList();
  const int real = RealColIndex(col);
  bool first = true;
  for (int i = 0; i < list->count() && i < FFilterList.size(); ++i) {
    if (!list->Checked(i)) continue;
    QString name, condition;
    Filter_Entry(FFilterList, FFilterConditions, i, name, condition);
    if (condition == FFilterDropDownClear) condition.clear();
    if (OnFilterCheck) OnFilterCheck(this, col, i, name, condition, list);
    TFilterData* item = Filter().Add();
    item->SetColumn(real);
    item->SetCondition(condition);
    item->SetOperation(first ? foNONE : foOR);
    first = false;
  }
  SetFilterActive(true);
  list->viewport()->update();
  InvalidateGrid();
}
