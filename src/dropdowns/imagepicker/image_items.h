#pragma once
// The items of the image picker: a picture or an image-list image with a
// caption and a hint. Changing a caption or image index tells the
// collection's OnChange.
#include "dropdowns/base/listed_items.h"

class TImageItems;

class TImageItem : public listed_items::Listed_Item<TImageItems> {
 public:
  explicit TImageItem(TImageItems* ACollection = nullptr) : Listed_Item(ACollection) {}

  // Caption and ImageIndex through their setters, then the picture, Enabled
  // and Hint.
  void Assign(const TImageItem& Source);

  QString Hint;
};

// An index outside the items is clamped by Insert and ignored by Delete.
class TImageItems
    : public listed_items::Owned_Items<TImageItem, TImageItems, listed_items::Out_Of_Range::Tolerated> {
 public:
  using Owned_Items::Owned_Items;

  TImageItem* Items(int Index) const { return At(Index); }
};
