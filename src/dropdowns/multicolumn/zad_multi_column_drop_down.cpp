#include "dropdowns/multicolumn/zad_multi_column_drop_down.h"

TZadMultiColumnDropDown::TZadMultiColumnDropDown(QWidget* AOwner) : TZadCustomDropDown(AOwner) {}

void TZadMultiColumnDropDown::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount == 0) update();
}

QString TZadMultiColumnDropDown::Lookup_Text(int Index) const {
  const QStringList& texts = FItems.Items(Index).Text;
  return FLookupColumn >= 0 && FLookupColumn < texts.size() ? texts[FLookupColumn] : QString();
}

int TZadMultiColumnDropDown::GetItemIndex(const QString& Value) const {
  for (int i = 0; i < FItems.Count(); ++i)
    if (Lookup_Text(i) == Value) return i;
  return -1;
}

void TZadMultiColumnDropDown::SetItemIndex(int Value) {
  if (Value < -1 || Value >= FItems.Count()) return;
  FItemIndex = Value;
  if (Value >= 0) SetText(Lookup_Text(Value));
}
