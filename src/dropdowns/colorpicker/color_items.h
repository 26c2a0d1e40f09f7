#pragma once
// The named colours of the colour picker's list: a caption with a colour and
// a hint. Changing a caption or colour tells the collection's OnChange;
// adding and inserting do not.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "controls/tcolor.h"
#include "controls/trect.h"

class TColorItems;

class TColorItem {
 public:
  explicit TColorItem(TColorItems* ACollection = nullptr) : FCollection(ACollection) {}
  TColorItem(const TColorItem&) = delete;
  TColorItem& operator=(const TColorItem&) = delete;

  // Caption and Color through their setters, then Enabled and Hint.
  void Assign(const TColorItem& Source);

  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  QString Hint;
  bool Enabled = true;
  // Kept for the item's owner; nothing here reads it.
  TRect Rect;

 private:
  void Changed();

  TColorItems* FCollection;
  QString FCaption;
  TColor FColor = clNone;
};

class TColorItems {
 public:
  // AOwner names the collection's owner; it owns nothing.
  explicit TColorItems(QObject* AOwner = nullptr) : FOwner(AOwner) {}
  TColorItems(const TColorItems&) = delete;
  TColorItems& operator=(const TColorItems&) = delete;

  // Fired (with this collection) by an item whose caption or colour changed.
  std::function<void(TColorItems* Sender)> OnChange;

  QObject* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TColorItem* Add() { return Insert(Count()); }
  // Throws std::out_of_range for an index outside 0..Count.
  TColorItem* Insert(int Index);
  TColorItem* GetItem(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
  void SetItem(int Index, const TColorItem& Value) { GetItem(Index)->Assign(Value); }
  void Delete(int Index);
  void Clear() { FItems.clear(); }
  void Assign(const TColorItems& Source);
  // The first item with Value as its colour; -1 when none has it.
  int IndexOfColor(TColor Value) const;

 private:
  friend class TColorItem;
  void Changed() {
    if (OnChange) OnChange(this);
  }

  QObject* FOwner;
  std::vector<std::unique_ptr<TColorItem>> FItems;
};
