#include "dropdowns/imagepicker/zad_image_picker_drop_down.h"

#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/base/zad_custom_item_selector.h"
#include "dropdowns/imagepicker/image_folder.h"

namespace {

bool Is_Enter(int Key) { return Key == Qt::Key_Return || Key == Qt::Key_Enter; }

}  // namespace

TZadImagePickerDropDown::TZadImagePickerDropDown(QWidget* AOwner) : TZadCustomDropDown(AOwner), FItemAppearance(this) {
  FItems.OnChange = [](TImageItems*) {};
}

TZadImagePickerDropDown::~TZadImagePickerDropDown() {
  FDestroying = true;
  FCurSearch.Clear();
}

void TZadImagePickerDropDown::Finish_Construction() {
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  setCursor(Qt::ArrowCursor);
}

// ---- items ----

void TZadImagePickerDropDown::AddImagesFromImageList() {
  if (!Images()) return;
  for (int i = 0; i < int(Images()->size()); ++i) FItems.Add()->SetImageIndex(i);
}

void TZadImagePickerDropDown::AddImagesFromFolder(const QString& AFolder, bool SetImageCaption) {
  const Folder_Mask where = Split_Folder_Mask(AFolder);
  const QDir folder(where.Folder);
  for (const QString& name : Files_Matching(where.Folder, where.Mask)) {
    TImageItem* item = FItems.Add();
    const QImage picture = Load_Item_Picture(folder.filePath(name));
    if (picture.isNull()) continue;
    item->SetImage(picture);
    if (SetImageCaption) item->SetCaption(name);
  }
}

// ---- selection ----

void TZadImagePickerDropDown::SetItemIndex(int Value) {
  Value = std::max(Value, -1);
  if (Value == FItemIndex || Value >= FItems.Count()) return;
  FItemIndex = Value;
  update();
  if (OnChange) OnChange(this);
  if (OnSelect) OnSelect(this);
}

int TZadImagePickerDropDown::ImageIndex() const {
  return FItemIndex >= 0 && FItemIndex < FItems.Count() ? FItems.Items(FItemIndex)->ImageIndex() : -1;
}

void TZadImagePickerDropDown::SetImageIndex(int Value) {
  for (int i = 0; i < FItems.Count(); ++i)
    if (FItems.Items(i)->ImageIndex() == Value) {
      SetItemIndex(i);
      return;
    }
  SetItemIndex(-1);
}

void TZadImagePickerDropDown::SelectFirst() {
  if (FItems.Count() > 0) SetItemIndex(0);
}

void TZadImagePickerDropDown::SelectLast() {
  if (FItems.Count() > 0) SetItemIndex(FItems.Count() - 1);
}

void TZadImagePickerDropDown::SelectNext() {
  if (FItems.Count() == 0) return;
  const int target = FItemIndex < 0 ? 0 : FItemIndex + 1;
  if (target < FItems.Count()) SetItemIndex(target);
}

void TZadImagePickerDropDown::SelectPrevious() {
  if (FItems.Count() == 0) return;
  const int target = FItemIndex < 0 ? 0 : FItemIndex - 1;
  if (target >= 0) SetItemIndex(target);
}

// ---- styles ----

void TZadImagePickerDropDown::SetComponentStyle(TDUDStyle AStyle) {
  TZadCustomDropDown::SetComponentStyle(AStyle);
  SetItemAppearanceStyle(&FItemAppearance, AStyle);
}

void TZadImagePickerDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle) {
  TZadCustomDropDown::SetSelectionColorStyle(AStyle);
  if (FItemSelector) FItemSelector->ItemAppearance().SetColorStyle(AStyle);
}

// ---- popup ----

void TZadImagePickerDropDown::CreateDropDownForm() {
  TZadCustomDropDown::CreateDropDownForm();
  if (!DropDownForm()) return;
  if (!FItemSelector) {
    FItemSelector = New_Popup_Selector(DropDownForm());
    FItemSelector->SetSelectorType(stImage);
    FItemSelector->move(0, 0);
    FItemSelector->resize(FItemSelector->width(), 150);
  }
  FItemSelector->SetColor(DropDownColor());
  FItemSelector->UpdateSelectorPanel();
  SetControl(FItemSelector);
}

void TZadImagePickerDropDown::CopyItemsToSelector() {
  TSelectorItems& items = FItemSelector->Items();
  items.Clear();
  for (int i = 0; i < FItems.Count(); ++i) {
    const TImageItem& source = *FItems.Items(i);
    TSelectorItem* item = items.Add();
    item->SetCaption(source.Caption());
    item->SetImage(source.Image());
    item->SetImageIndex(source.ImageIndex());
    item->Hint = source.Hint;
  }
}

void TZadImagePickerDropDown::UpdateItemSelector() {
  if (!FItemSelector) return;
  FItemSelector->OnItemSelect = nullptr;
  FItemSelector->SetColumns(FColumns);
  FItemSelector->SetImages(Images());
  FItemSelector->SetItemLayout(FLayout);
  FItemSelector->SetColor(DropDownColor());
  FItemSelector->SetItemAppearance(FItemAppearance);
  CopyItemsToSelector();
  FItemSelector->UpdateSelectorPanel();
  FItemSelector->SetItemIndex(FItemIndex);
  FItemSelector->OnItemSelect = [this](QWidget*) { SelectorItemSelect(); };
}

void TZadImagePickerDropDown::Sync_Selector() {
  if (!FItemSelector) return;
  if (!DroppedDown() || FItemSelector->Items().Count() != FItems.Count()) UpdateItemSelector();
}

void TZadImagePickerDropDown::DoBeforeDropDown() {
  TZadCustomDropDown::DoBeforeDropDown();
  UpdateItemSelector();
  if (FItemSelector) {
    if (OnDrawItem)
      FItemSelector->OnDrawItem = [this](QWidget*, TCanvas& Canvas, const TRect& R, int Index) {
        OnDrawItem(this, Canvas, R, Index);
      };
    else
      FItemSelector->OnDrawItem = nullptr;
  }
  FOldItemIndex = FItemIndex;
}

void TZadImagePickerDropDown::AdaptDropDownSize() {
  if (!FItemSelector) {
    TZadCustomDropDown::AdaptDropDownSize();
    return;
  }
  Adapt_Selector_Popup_Size(FItemSelector, FItemSelector->GetSelectorPanelSize());
}

void TZadImagePickerDropDown::DoHideDropDown(bool CancelChanges) {
  const bool open = DropDownForm() && DropDownForm()->isVisible();
  TZadCustomDropDown::DoHideDropDown(CancelChanges);
  if (CancelChanges && open && FItemSelector) SetItemIndex(FOldItemIndex);
}

void TZadImagePickerDropDown::DoDropDownFormDestroy() {
  TZadCustomDropDown::DoDropDownFormDestroy();
  if (!FDestroying) FItemSelector = nullptr;
}

void TZadImagePickerDropDown::SelectorItemSelect() {
  SetItemIndex(FItemSelector->ItemIndex());
  if (!FInternalCall) DoHideDropDown(false);
}

void TZadImagePickerDropDown::MoveSelectorTo(int Index) {
  if (!FItemSelector || Index < 0 || Index >= FItemSelector->Items().Count()) return;
  FInternalCall = true;
  FItemSelector->SetItemIndex(Index);
  FItemSelector->ScrollItemInView(Index);
  FInternalCall = false;
}

// ---- keys ----

void TZadImagePickerDropDown::keyPressEvent(QKeyEvent* Event) {
  const int key = Event->key();
  const Qt::KeyboardModifiers shift = Event->modifiers();
  bool enter_taken = false;
  if (isEnabled() && DroppedDown() && Is_Enter(key) && FItemSelector && FItemSelector->ItemHot() >= 0) {
    FItemSelector->SetItemIndex(FItemSelector->ItemHot());
    enter_taken = true;
  }
  if (enter_taken)
    Event->accept();
  else
    TZadCustomDropDown::keyPressEvent(Event);
  if (isEnabled() && !(shift & Qt::AltModifier)) Handle_List_Key(key, shift, enter_taken);
}

void TZadImagePickerDropDown::Handle_List_Key(int Key, Qt::KeyboardModifiers Shift, bool EnterTaken) {
  const bool open = DroppedDown() && FItemSelector;
  switch (Key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!EnterTaken && OnSelect) OnSelect(this);
      break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
      if (!FItemSelector) break;
      Sync_Selector();
      const int visible = FItemSelector->GetVisibleItemCount();
      if (visible < 1) break;
      const int index = FItemSelector->ItemIndex();
      if (Key == Qt::Key_PageUp)
        MoveSelectorTo(std::max(0, index - visible));
      else
        MoveSelectorTo(std::min(index + visible, FItemSelector->Items().Count() - 1));
      break;
    }
    case Qt::Key_End:
    case Qt::Key_Home:
      if (open) {
        FInternalCall = true;
        if (Key == Qt::Key_End)
          FItemSelector->SelectLast();
        else
          FItemSelector->SelectFirst();
        FInternalCall = false;
      } else if (Key == Qt::Key_End) {
        SelectLast();
      } else {
        SelectFirst();
      }
      break;
    case Qt::Key_Left:
    case Qt::Key_Right:
      if (open && !EditorEnabled()) {
        FInternalCall = true;
        if (Key == Qt::Key_Left)
          FItemSelector->SelectPrevious();
        else
          FItemSelector->SelectNext();
        FInternalCall = false;
      }
      break;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (open) {
        const int index = FItemSelector->ItemIndex();
        const int step = Key == Qt::Key_Up ? -FColumns : FColumns;
        MoveSelectorTo(index < 0 ? 0 : index + step);
      } else if (Key == Qt::Key_Up) {
        SelectPrevious();
      } else {
        SelectNext();
      }
      break;
    default:
      // A press without a key code carries the character of a press
      // relayed from the popup, which came before it.
      if (!(Shift & Qt::ControlModifier) && Key != 0 && FItemSelector) {
        Sync_Selector();
        const QString& search = FCurSearch.Add(Key);
        FInternalCall = true;
        if (FItemSelector->LookupItem(search)) FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
        FInternalCall = false;
      }
      break;
  }
}

// ---- wheel ----

void TZadImagePickerDropDown::MouseWheelDownAction() {
  TZadCustomDropDown::MouseWheelDownAction();
  if (!isEnabled() || isReadOnly() || !FItemSelector) return;
  if (DroppedDown()) {
    FItemSelector->HotNext();
    return;
  }
  Sync_Selector();
  FInternalCall = true;
  FItemSelector->SelectNext();
  FInternalCall = false;
}

void TZadImagePickerDropDown::MouseWheelUpAction() {
  TZadCustomDropDown::MouseWheelUpAction();
  if (!isEnabled() || isReadOnly() || !FItemSelector) return;
  if (DroppedDown()) {
    FItemSelector->HotPrevious();
    return;
  }
  Sync_Selector();
  FInternalCall = true;
  FItemSelector->SelectPrevious();
  FInternalCall = false;
}

// ---- painting ----

void TZadImagePickerDropDown::PaintEditContent(QPainter& Painter) {
  // The picture stands for the choice: a text the edit holds (the grid
  // writes the caption into it) would show under it and lag behind a move.
  // The focus shows as the highlight behind the picture.
  TCanvas canvas(Painter);
  TRect r = GetEditRect();
  r.Right = std::min(r.Right, width() - DropDownButtonWidth() - 1);
  const bool focus = hasFocus() && FocusDraw();
  canvas.Brush.Color = From_QColor(palette().color(focus ? QPalette::Highlight : QPalette::Base));
  canvas.Fill_Rect(r);
  PaintSelectedImage(Painter);
}

void TZadImagePickerDropDown::PaintSelectedImage(QPainter& Painter) {
  TCanvas canvas(Painter);
  const TRect r = GetEditRect();
  if (OnDrawSelectedImage) {
    OnDrawSelectedImage(this, canvas, r);
    return;
  }
  if (FItemIndex < 0 || FItemIndex >= FItems.Count()) return;
  const TImageItem& item = *FItems.Items(FItemIndex);
  QImage picture = item.Image();
  const TDropDownImages* images = Images();
  if (picture.isNull() && images && item.ImageIndex() >= 0 && item.ImageIndex() < int(images->size()))
    picture = (*images)[size_t(item.ImageIndex())];
  if (picture.isNull()) return;
  const int left = r.Left + (r.Width() - picture.width()) / 2;
  const int top = r.Top + (r.Height() - picture.height()) / 2;
  Painter.drawImage(left, top, picture);
}
