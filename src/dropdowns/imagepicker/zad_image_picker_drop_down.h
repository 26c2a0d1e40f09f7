#pragma once
// TZadImagePickerDropDown: a drop-down edit that picks one picture. The edit
// takes no typing and shows the chosen picture centred; the popup lists the
// items in Columns columns, each a picture or an image-list image with its
// caption. Items come from the application, from the edit's image list or
// from the picture files of a folder. Keys and the wheel move the choice
// with the popup open or closed; letters typed within 500 ms look an item up
// by its caption. A click in the list takes the item and closes the popup;
// a key or the wheel only moves.
#include <QString>
#include <functional>

#include "controls/canvas.h"
#include "dropdowns/base/item_appearance.h"
#include "dropdowns/base/item_layout.h"
#include "dropdowns/base/type_ahead_text.h"
#include "dropdowns/base/zad_custom_drop_down.h"
#include "dropdowns/imagepicker/image_items.h"

class TZadCustomItemSelector;

class TZadImagePickerDropDown : public TZadCustomDropDown {
 public:
  explicit TZadImagePickerDropDown(QWidget* AOwner = nullptr);
  ~TZadImagePickerDropDown() override;

  TImageItems& Items() { return FItems; }
  const TImageItems& Items() const { return FItems; }
  void SetItems(const TImageItems& Value) { FItems.Assign(Value); }
  // One item per image of Images (image index 0, 1, ..., no caption);
  // nothing without images.
  void AddImagesFromImageList();
  // Appends an item for every file matching AFolder, a folder followed by a
  // file mask ("pictures/*.png"); with SetImageCaption a picture read is
  // captioned with its file name. A file that cannot be read leaves an item
  // without picture or caption. Items already there stay.
  void AddImagesFromFolder(const QString& AFolder, bool SetImageCaption);

  // The chosen item, -1 for none. A new value repaints the edit and fires
  // OnChange, then OnSelect; values past the list change nothing, values
  // below -1 count as -1.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  // The chosen item's image index (-1 without a choice); writing chooses
  // the first item with that image index, or none.
  int ImageIndex() const;
  void SetImageIndex(int Value);
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();

  // The list's columns and the caption's place; applied at the next opening.
  int Columns() const { return FColumns; }
  void SetColumns(int Value) { FColumns = Value; }
  TItemLayout Layout() const { return FLayout; }
  void SetLayout(TItemLayout Value) { FLayout = Value; }
  TItemAppearance& ItemAppearance() { return FItemAppearance; }
  void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(Value); }

  // The popup's list; made with the popup.
  TZadCustomItemSelector* ItemSelector() const { return FItemSelector; }
  // The look-up text typed so far; its Clock can be replaced by tests.
  TypeAheadText& CurSearch() { return FCurSearch; }

  // A choice was made (also by Enter).
  std::function<void(TZadImagePickerDropDown* Sender)> OnSelect;
  // Paints the edit's content instead of the chosen picture.
  std::function<void(TZadImagePickerDropDown* Sender, TCanvas& Canvas, const TRect& R)> OnDrawSelectedImage;
  // Draws a list item over its lit background instead of the list.
  std::function<void(TZadImagePickerDropDown* Sender, TCanvas& Canvas, const TRect& R, int Index)> OnDrawItem;

  void SetComponentStyle(TDUDStyle AStyle) override;
  void SetSelectionColorStyle(TSelectionColorStyle AStyle) override;
  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void AdaptDropDownSize() override;
  void DoHideDropDown(bool CancelChanges) override;
  void DoDropDownFormDestroy() override;
  void MouseWheelDownAction() override;
  void MouseWheelUpAction() override;
  void PaintEditContent(QPainter& Painter) override;

 protected:
  void Finish_Construction() override;
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  void UpdateItemSelector();
  void CopyItemsToSelector();
  // Brings the list up to the items and the choice while the popup is
  // closed (it is filled when the popup opens).
  void Sync_Selector();
  void SelectorItemSelect();
  void MoveSelectorTo(int Index);
  void Handle_List_Key(int Key, Qt::KeyboardModifiers Shift, bool EnterTaken);
  void PaintSelectedImage(QPainter& Painter);

  TZadCustomItemSelector* FItemSelector = nullptr;
  int FColumns = 1;
  TItemLayout FLayout = ilCaptionRight;
  TImageItems FItems{this};
  int FItemIndex = -1;
  TItemAppearance FItemAppearance;
  bool FInternalCall = false;
  TypeAheadText FCurSearch;
  int FOldItemIndex = -1;
  bool FDestroying = false;
};
