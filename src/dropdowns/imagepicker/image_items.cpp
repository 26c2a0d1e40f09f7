#include "dropdowns/imagepicker/image_items.h"

#include <algorithm>

void TImageItem::Assign(const TImageItem& Source) {
  SetCaption(Source.FCaption);
  SetImageIndex(Source.FImageIndex);
  FImage = Source.FImage;
  Enabled = Source.Enabled;
  Hint = Source.Hint;
}

void TImageItem::SetCaption(const QString& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Changed();
}

void TImageItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed();
}

void TImageItem::Changed() {
  if (FCollection) FCollection->DoChange();
}

TImageItem* TImageItems::Insert(int Index) {
  Index = std::clamp(Index, 0, Count());
  auto item = std::make_unique<TImageItem>(this);
  TImageItem* added = item.get();
  FItems.insert(FItems.begin() + Index, std::move(item));
  return added;
}

void TImageItems::Delete(int Index) {
  if (Index < 0 || Index >= Count()) return;
  FItems.erase(FItems.begin() + Index);
}

void TImageItems::Assign(const TImageItems& Source) {
  if (&Source == this) return;
  FAssigning = true;
  FItems.clear();
  for (int i = 0; i < Source.Count(); ++i) Add()->Assign(*Source.Items(i));
  FAssigning = false;
  DoChange();
}
