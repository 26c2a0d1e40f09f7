#include "dropdowns/detail/detail_items.h"

#include <QStringList>
#include <algorithm>

void TDetailItem::Assign(const TDetailItem& Source) {
  SetCaption(Source.FCaption);
  SetImageIndex(Source.FImageIndex);
  FImage = Source.FImage;
  Notes = Source.Notes;
  Enabled = Source.Enabled;
  Tag = Source.Tag;
  ItemObject = Source.ItemObject;
}

void TDetailItem::SetCaption(const QString& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Changed();
}

void TDetailItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed();
}

void TDetailItem::Changed() {
  if (FCollection) FCollection->Changed();
}

TDetailItem* TDetailItems::Insert(int Index) {
  Index = std::clamp(Index, 0, Count());
  auto item = std::make_unique<TDetailItem>(this);
  TDetailItem* added = item.get();
  FItems.insert(FItems.begin() + Index, std::move(item));
  return added;
}

void TDetailItems::Delete(int Index) {
  if (Index < 0 || Index >= Count()) return;
  FItems.erase(FItems.begin() + Index);
}

void TDetailItems::Assign(const TDetailItems& Source) {
  if (&Source == this) return;
  FAssigning = true;
  FItems.clear();
  for (int i = 0; i < Source.Count(); ++i) Add()->Assign(*Source.GetItem(i));
  FAssigning = false;
  Changed();
}

int TDetailItems::IndexOf(const QString& AValue) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[size_t(i)]->Caption() == AValue) return i;
  return -1;
}

QStringList TDetailItems::Captions() const {
  QStringList captions;
  captions.reserve(Count());
  for (const auto& item : FItems) captions << item->Caption();
  return captions;
}
