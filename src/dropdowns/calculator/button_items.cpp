#include "dropdowns/calculator/button_items.h"

#include <algorithm>

void TButtonItem::Assign(const TButtonItem& Source) {
  FCaption = Source.FCaption;
  FCaptionColor = Source.FCaptionColor;
  FTag = Source.FTag;
  FImageIndex = Source.FImageIndex;
  FImage = Source.FImage;
  FEnabled = Source.FEnabled;
  FName = Source.FName;
}

int TButtonItem::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }

TButtonItem* TButtonItems::Add() { return Insert(Count()); }

TButtonItem* TButtonItems::Insert(int Index) {
  const int at = std::clamp(Index, 0, Count());
  auto item = std::make_unique<TButtonItem>(this);
  TButtonItem* raw = item.get();
  FItems.insert(FItems.begin() + at, std::move(item));
  return raw;
}

TButtonItem* TButtonItems::Items(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return FItems[static_cast<size_t>(Index)].get();
}

void TButtonItems::SetItems(int Index, const TButtonItem& Value) {
  if (TButtonItem* item = Items(Index)) item->Assign(Value);
}

void TButtonItems::Delete(int Index) {
  if (Index >= 0 && Index < Count()) FItems.erase(FItems.begin() + Index);
}

void TButtonItems::Clear() { FItems.clear(); }

int TButtonItems::IndexOf(const TButtonItem* Item) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[static_cast<size_t>(i)].get() == Item) return i;
  return -1;
}

void TButtonItems::Assign(const TButtonItems& Source) {
  if (&Source == this) return;
  Clear();
  for (int i = 0; i < Source.Count(); ++i) Add()->Assign(*Source.Items(i));
}
