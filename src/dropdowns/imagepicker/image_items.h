#pragma once
// The items of the image picker: a picture or an image-list image with a
// caption and a hint. Changing a caption or image index tells the
// collection's OnChange.
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TImageItems;

class TImageItem {
 public:
  explicit TImageItem(TImageItems* ACollection = nullptr) : FCollection(ACollection) {}
  TImageItem(const TImageItem&) = delete;
  TImageItem& operator=(const TImageItem&) = delete;

  // Caption and ImageIndex through their setters, then the picture, Enabled
  // and Hint.
  void Assign(const TImageItem& Source);

  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  // An image of the picker's image list, -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // Drawn instead of the image list's image when not null.
  const QImage& Image() const { return FImage; }
  void SetImage(const QImage& Value) { FImage = Value; }
  bool Enabled = true;
  QString Hint;

 private:
  void Changed();

  TImageItems* FCollection;
  QString FCaption;
  int FImageIndex = -1;
  QImage FImage;
};

class TImageItems {
 public:
  explicit TImageItems(QObject* AOwner = nullptr) : FOwner(AOwner) {}
  TImageItems(const TImageItems&) = delete;
  TImageItems& operator=(const TImageItems&) = delete;

  // Fired by an item whose caption or image index changed.
  std::function<void(TImageItems* Sender)> OnChange;

  QObject* Owner() const { return FOwner; }
  int Count() const { return int(FItems.size()); }
  TImageItem* Add() { return Insert(Count()); }
  TImageItem* Insert(int Index);
  TImageItem* Items(int Index) const { return FItems.at(size_t(Index)).get(); }
  void Delete(int Index);
  void Clear() { FItems.clear(); }
  void Assign(const TImageItems& Source);

 private:
  friend class TImageItem;
  void DoChange() {
    if (OnChange && !FAssigning) OnChange(this);
  }

  QObject* FOwner;
  std::vector<std::unique_ptr<TImageItem>> FItems;
  bool FAssigning = false;
};
