#pragma once
// What the item collections of the item selectors (the selector's, the
// detail drop-down's and the image picker's) share: an item with a caption,
// an image-list index and a picture, and a collection that owns its items.
// Changing a caption or image index tells the collection's OnChange (not
// while the collection copies another); adding, inserting and deleting
// items do not.
#include <QImage>
#include <QObject>
#include <QString>
#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace listed_items {

// An item of Collection (a class derived from Owned_Items).
template <class Collection>
class Listed_Item {
 public:
  explicit Listed_Item(Collection* ACollection) : FCollection(ACollection) {}
  Listed_Item(const Listed_Item&) = delete;
  Listed_Item& operator=(const Listed_Item&) = delete;

  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    Changed();
  }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    Changed();
  }
  // Drawn instead of the image list's image when not null.
  const QImage& Image() const { return FImage; }
  void SetImage(const QImage& Value) { FImage = Value; }
  // A disabled item can be neither hot nor selected.
  bool Enabled = true;

 protected:
  void Changed() {
    if (FCollection) FCollection->Item_Changed();
  }

  Collection* FCollection;
  QString FCaption;
  int FImageIndex = -1;
  QImage FImage;
};

// How a collection meets an index outside it in Insert and Delete.
enum class Out_Of_Range {
  // Insert clamps the index, Delete does nothing.
  Tolerated,
  // Both throw std::out_of_range.
  Thrown,
};

// The items (Item, made with the collection as theirs) of Collection, the
// class derived from this one.
template <class Item, class Collection, Out_Of_Range Range>
class Owned_Items {
 public:
  // AOwner names the collection's owner; it owns nothing.
  explicit Owned_Items(QObject* AOwner = nullptr) : FOwner(AOwner) {}
  Owned_Items(const Owned_Items&) = delete;
  Owned_Items& operator=(const Owned_Items&) = delete;

  // Fired (with this collection) by an item whose caption or image index
  // changed, and once by Assign.
  std::function<void(Collection* Sender)> OnChange;

  QObject* Owner() const { return FOwner; }
  int Count() const { return int(FItems.size()); }
  Item* Add() { return Insert(Count()); }
  Item* Insert(int Index) {
    if (Range == Out_Of_Range::Thrown && (Index < 0 || Index > Count()))
      throw std::out_of_range("List index out of bounds");
    Index = std::clamp(Index, 0, Count());
    auto item = std::make_unique<Item>(static_cast<Collection*>(this));
    Item* added = item.get();
    FItems.insert(FItems.begin() + Index, std::move(item));
    return added;
  }
  void Delete(int Index) {
    if (Index < 0 || Index >= Count()) {
      if (Range == Out_Of_Range::Thrown) throw std::out_of_range("List index out of bounds");
      return;
    }
    FItems.erase(FItems.begin() + Index);
  }
  void Clear() { FItems.clear(); }
  // The same items as Source, told as one change.
  void Assign(const Collection& Source) {
    const Owned_Items& from = Source;
    if (&from == this) return;
    FAssigning = true;
    FItems.clear();
    for (const auto& item : from.FItems) Add()->Assign(*item);
    FAssigning = false;
    Item_Changed();
  }

 protected:
  Item* At(int Index) const { return FItems.at(size_t(Index)).get(); }

 private:
  friend class Listed_Item<Collection>;
  void Item_Changed() {
    if (OnChange && !FAssigning) OnChange(static_cast<Collection*>(this));
  }

  QObject* FOwner;
  std::vector<std::unique_ptr<Item>> FItems;
  bool FAssigning = false;
};

}  // namespace listed_items
