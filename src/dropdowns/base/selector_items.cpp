#include "dropdowns/base/selector_items.h"

#include <stdexcept>

void TSelectorItem::Assign(const TSelectorItem& Source) {
  if (&Source == this) return;
  SetCaption(Source.FCaption);
  SetColor(Source.FColor);
  SetImageIndex(Source.FImageIndex);
  FImage = Source.FImage;
  Enabled = Source.Enabled;
  Hint = Source.Hint;
}

void TSelectorItem::SetCaption(const QString& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Changed();
}

void TSelectorItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed();
}

void TSelectorItem::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed();
}

void TSelectorItem::Changed() {
  if (FCollection) FCollection->Changed();
}

TSelectorItem* TSelectorItems::Insert(int Index) {
  if (Index < 0 || Index > Count()) throw std::out_of_range("List index out of bounds");
  auto item = std::make_unique<TSelectorItem>(this);
  TSelectorItem* result = item.get();
  FItems.insert(FItems.begin() + Index, std::move(item));
  return result;
}

void TSelectorItems::Delete(int Index) {
  if (Index < 0 || Index >= Count()) throw std::out_of_range("List index out of bounds");
  FItems.erase(FItems.begin() + Index);
}

void TSelectorItems::Assign(const TSelectorItems& Source) {
  if (&Source == this) return;
  FAssigning = true;
  FItems.clear();
  for (int i = 0; i < Source.Count(); ++i) Add()->Assign(*Source.GetItem(i));
  FAssigning = false;
  Changed();
}
