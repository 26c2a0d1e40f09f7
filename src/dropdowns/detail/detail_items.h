#pragma once
// The items of the detail drop-down: a caption, a picture or an image-list
// image, and notes in mini-HTML under the caption; an object and a tag for
// the application. Changing a caption or image index tells the collection's
// OnChange.
#include <QStringList>

#include "dropdowns/base/listed_items.h"

class TDetailItems;

class TDetailItem : public listed_items::Listed_Item<TDetailItems> {
 public:
  explicit TDetailItem(TDetailItems* ACollection = nullptr) : Listed_Item(ACollection) {}

  // Caption and ImageIndex through their setters, then the rest.
  void Assign(const TDetailItem& Source);

  QString Notes;
  // The application's; the item neither owns nor reads it.
  void* ItemObject = nullptr;
  int Tag = 0;
};

// An index outside the items is clamped by Insert and ignored by Delete.
class TDetailItems
    : public listed_items::Owned_Items<TDetailItem, TDetailItems, listed_items::Out_Of_Range::Tolerated> {
 public:
  using Owned_Items::Owned_Items;

  TDetailItem* GetItem(int Index) const { return At(Index); }
  void SetItem(int Index, const TDetailItem& Value) { GetItem(Index)->Assign(Value); }
  // The first item whose caption is AValue (case counts); -1 when none.
  int IndexOf(const QString& AValue) const;
  // The captions in item order.
  QStringList Captions() const;
};
