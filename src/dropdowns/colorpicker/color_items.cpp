#include "dropdowns/colorpicker/color_items.h"

#include <stdexcept>

void TColorItem::Assign(const TColorItem& Source) {
  if (&Source == this) return;
  SetCaption(Source.FCaption);
  SetColor(Source.FColor);
  Enabled = Source.Enabled;
  Hint = Source.Hint;
}

void TColorItem::SetCaption(const QString& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Changed();
}

void TColorItem::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed();
}

void TColorItem::Changed() {
  if (FCollection) FCollection->Changed();
}

TColorItem* TColorItems::Insert(int Index) {
  if (Index < 0 || Index > Count()) throw std::out_of_range("List index out of bounds");
  auto item = std::make_unique<TColorItem>(this);
  TColorItem* result = item.get();
  FItems.insert(FItems.begin() + Index, std::move(item));
  return result;
}

void TColorItems::Delete(int Index) {
  if (Index < 0 || Index >= Count()) throw std::out_of_range("List index out of bounds");
  FItems.erase(FItems.begin() + Index);
}

void TColorItems::Assign(const TColorItems& Source) {
  if (&Source == this) return;
  FItems.clear();
  for (int i = 0; i < Source.Count(); ++i) Add()->Assign(*Source.GetItem(i));
}

int TColorItems::IndexOfColor(TColor Value) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[static_cast<size_t>(i)]->Color() == Value) return i;
  return -1;
}
