#pragma once
// TZadImagePickerDropDown: a drop-down edit that picks one of its image
// items; ImageIndex is the chosen item's image, -1 for none. OnSelect tells
// of a choice.
#include <QList>
#include <QString>
#include <functional>

#include "dropdowns/base/zad_custom_drop_down.h"

struct TImageItem {
  QString Caption;
  int ImageIndex = -1;
};

class TImageItems {
 public:
  int Count() const { return int(FItems.size()); }
  TImageItem& Add() { return FItems.emplace_back(); }
  TImageItem& Items(int Index) { return FItems[Index]; }
  const TImageItem& Items(int Index) const { return FItems[Index]; }
  void Clear() { FItems.clear(); }

 private:
  QList<TImageItem> FItems;
};

class TZadImagePickerDropDown : public TZadCustomDropDown {
 public:
  explicit TZadImagePickerDropDown(QWidget* AOwner = nullptr);

  TImageItems& Items() { return FItems; }
  // One item per image of Images, captions empty; nothing without images.
  void AddImagesFromImageList();
  // The chosen item's image index; writing selects the first item with
  // that image (none: -1).
  int ImageIndex() const;
  void SetImageIndex(int Value);
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);

  std::function<void(TZadImagePickerDropDown* Sender)> OnSelect;

 private:
  TImageItems FItems;
  int FItemIndex = -1;
};
