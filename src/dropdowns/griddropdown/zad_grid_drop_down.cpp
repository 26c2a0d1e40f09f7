#include "dropdowns/griddropdown/zad_grid_drop_down.h"

TCustomZadGridDropDown::TCustomZadGridDropDown(QWidget* AOwner) : TZadCustomDropDown(AOwner) {
  FGrid = new grid_drop_down::TZadColGrid(this);
  FGrid->hide();
}

TCustomZadGridDropDown::~TCustomZadGridDropDown() = default;

void TCustomZadGridDropDown::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount == 0) update();
}

int TCustomZadGridDropDown::Row_Count() const { return FUseItems ? FItems.Count() : FGrid->RowCount(); }

QString TCustomZadGridDropDown::Row_Lookup_Text(int Index) const {
  if (!FUseItems) return FGrid->GetCellEx(FLookupColumn, Index);
  const QStringList& texts = FItems.Items(Index).Text;
  return FLookupColumn >= 0 && FLookupColumn < texts.size() ? texts[FLookupColumn] : QString();
}

bool TCustomZadGridDropDown::FindLookupMatch(const QString& Text, QString& FoundText, int& Index) const {
  const Qt::CaseSensitivity cs = FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
  for (int i = FUseItems ? 0 : FGrid->FixedRows(); i < Row_Count(); ++i) {
    const QString text = Row_Lookup_Text(i);
    if (!text.startsWith(Text, cs)) continue;
    FoundText = text;
    Index = i;
    return true;
  }
  return false;
}

void TCustomZadGridDropDown::SetItemIndex(int Value) {
  if (Value < -1 || Value >= Row_Count()) return;
  FItemIndex = Value;
  if (Value >= 0) SetText(Row_Lookup_Text(Value));
}
