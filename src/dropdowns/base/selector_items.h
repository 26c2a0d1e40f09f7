#pragma once
// The items of an item selector: a mini-HTML caption with a picture, an image
// list image or a colour box. Changing a caption, image index or colour tells
// the collection's OnChange; adding, inserting and deleting items do not, so
// whoever changes the list lays the selector out again afterwards.
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "controls/tcolor.h"
#include "controls/trect.h"

class TSelectorItems;

class TSelectorItem {
 public:
  explicit TSelectorItem(TSelectorItems* ACollection = nullptr) : FCollection(ACollection) {}
  TSelectorItem(const TSelectorItem&) = delete;
  TSelectorItem& operator=(const TSelectorItem&) = delete;

  // Caption, Color and ImageIndex through their setters, then Image, Enabled
  // and Hint.
  void Assign(const TSelectorItem& Source);

  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // Drawn instead of the image list's image when not null.
  const QImage& Image() const { return FImage; }
  void SetImage(const QImage& Value) { FImage = Value; }
  // A disabled item can be neither hot nor selected.
  bool Enabled = true;
  // The selector's tool tip while the mouse is over the item.
  QString Hint;
  // The item's cell in the selector panel, set when the panel lays its items out.
  const TRect& Rect() const { return FRect; }
  void SetRect(const TRect& Value) { FRect = Value; }

 private:
  void Changed();

  TSelectorItems* FCollection;
  QString FCaption;
  int FImageIndex = -1;
  TColor FColor = clNone;
  QImage FImage;
  TRect FRect;
};

class TSelectorItems {
 public:
  // AOwner names the collection's owner; it owns nothing.
  explicit TSelectorItems(QObject* AOwner = nullptr) : FOwner(AOwner) {}
  TSelectorItems(const TSelectorItems&) = delete;
  TSelectorItems& operator=(const TSelectorItems&) = delete;

  // Fired (with this collection) by an item whose caption, image index or
  // colour changed.
  std::function<void(TSelectorItems* Sender)> OnChange;

  QObject* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TSelectorItem* Add() { return Insert(Count()); }
  TSelectorItem* Insert(int Index);
  TSelectorItem* GetItem(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
  void SetItem(int Index, const TSelectorItem& Value) { GetItem(Index)->Assign(Value); }
  void Delete(int Index);
  void Clear() { FItems.clear(); }
  // The same items as Source, told as one change.
  void Assign(const TSelectorItems& Source);

 private:
  friend class TSelectorItem;
  void Changed() {
    if (OnChange && !FAssigning) OnChange(this);
  }

  QObject* FOwner;
  std::vector<std::unique_ptr<TSelectorItem>> FItems;
  bool FAssigning = false;
};
