#pragma once
// The items of an item selector: a mini-HTML caption with a picture, an image
// list image or a colour box. Changing a caption, image index or colour tells
// the collection's OnChange; adding, inserting and deleting items do not, so
// whoever changes the list lays the selector out again afterwards.
#include "controls/tcolor.h"
#include "controls/trect.h"
#include "dropdowns/base/listed_items.h"

class TSelectorItems;

class TSelectorItem : public listed_items::Listed_Item<TSelectorItems> {
 public:
  explicit TSelectorItem(TSelectorItems* ACollection = nullptr) : Listed_Item(ACollection) {}

  // Caption, Color and ImageIndex through their setters, then Image, Enabled
  // and Hint.
  void Assign(const TSelectorItem& Source);

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // The selector's tool tip while the mouse is over the item.
  QString Hint;
  // The item's cell in the selector panel, set when the panel lays its items out.
  const TRect& Rect() const { return FRect; }
  void SetRect(const TRect& Value) { FRect = Value; }

 private:
  TColor FColor = clNone;
  TRect FRect;
};

// A colour change tells OnChange too. An index outside the items throws
// std::out_of_range from Insert and Delete.
class TSelectorItems
    : public listed_items::Owned_Items<TSelectorItem, TSelectorItems, listed_items::Out_Of_Range::Thrown> {
 public:
  using Owned_Items::Owned_Items;

  TSelectorItem* GetItem(int Index) const { return At(Index); }
  void SetItem(int Index, const TSelectorItem& Value) { GetItem(Index)->Assign(Value); }
};
