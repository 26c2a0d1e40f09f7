#pragma once
// The items of the detail drop-down: a caption, a picture or an image-list
// image, and notes in mini-HTML under the caption; an object and a tag for
// the application. Changing a caption or image index tells the collection's
// OnChange.
#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class TDetailItems;

class TDetailItem {
 public:
  explicit TDetailItem(TDetailItems* ACollection = nullptr) : FCollection(ACollection) {}
  TDetailItem(const TDetailItem&) = delete;
  TDetailItem& operator=(const TDetailItem&) = delete;

  // Caption and ImageIndex through their setters, then the rest.
  void Assign(const TDetailItem& Source);

  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // Drawn instead of the image list's image when not null.
  const QImage& Image() const { return FImage; }
  void SetImage(const QImage& Value) { FImage = Value; }
  bool Enabled = true;
  QString Notes;
  // The application's; the item neither owns nor reads it.
  void* ItemObject = nullptr;
  int Tag = 0;

 private:
  void Changed();

  TDetailItems* FCollection;
  QString FCaption;
  int FImageIndex = -1;
  QImage FImage;
};

class TDetailItems {
 public:
  explicit TDetailItems(QObject* AOwner = nullptr) : FOwner(AOwner) {}
  TDetailItems(const TDetailItems&) = delete;
  TDetailItems& operator=(const TDetailItems&) = delete;

  // Fired by an item whose caption or image index changed.
  std::function<void(TDetailItems* Sender)> OnChange;

  QObject* Owner() const { return FOwner; }
  int Count() const { return int(FItems.size()); }
  TDetailItem* Add() { return Insert(Count()); }
  TDetailItem* Insert(int Index);
  TDetailItem* GetItem(int Index) const { return FItems.at(size_t(Index)).get(); }
  void SetItem(int Index, const TDetailItem& Value) { GetItem(Index)->Assign(Value); }
  void Delete(int Index);
  void Clear() { FItems.clear(); }
  void Assign(const TDetailItems& Source);
  // The first item whose caption is AValue (case counts); -1 when none.
  int IndexOf(const QString& AValue) const;
  // The captions in item order.
  QStringList Captions() const;

 private:
  friend class TDetailItem;
  void Changed() {
    if (OnChange && !FAssigning) OnChange(this);
  }

  QObject* FOwner;
  std::vector<std::unique_ptr<TDetailItem>> FItems;
  bool FAssigning = false;
};
