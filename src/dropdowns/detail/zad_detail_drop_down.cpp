#include "dropdowns/detail/zad_detail_drop_down.h"

int TDetailItems::IndexOf(const QString& AValue) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[i].Caption == AValue) return i;
  return -1;
}

TZadDetailDropDown::TZadDetailDropDown(QWidget* AOwner) : TZadCustomDropDown(AOwner) {}

void TZadDetailDropDown::SetItemIndex(int Value) {
  if (Value < -1 || Value >= FItems.Count()) return;
  FItemIndex = Value;
  if (Value >= 0) SetText(FItems.Items(Value).Caption);
}
