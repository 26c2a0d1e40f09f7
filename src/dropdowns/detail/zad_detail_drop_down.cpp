#include "dropdowns/detail/zad_detail_drop_down.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/base/zad_custom_item_selector.h"
#include "grid/html/draw_html_text.h"

namespace {

constexpr TColor kNotesLinkColor = 0xFF0000;
constexpr TColor kNotesShadowColor = 0x808080;

bool Is_Enter(int Key) { return Key == Qt::Key_Return || Key == Qt::Key_Enter; }

bool Is_List_Move_Key(int Key) {
  switch (Key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
      return true;
    default:
      return false;
  }
}

}  // namespace

TZadDetailDropDown::TZadDetailDropDown(QWidget* AOwner) : TZadCustomDropDown(AOwner), FItemAppearance(this) {
  FItems.OnChange = [](TDetailItems*) {};
  FCaptionFont = font();
  FNotesFont = font();
}

TZadDetailDropDown::~TZadDetailDropDown() {
  FDestroying = true;
  FCurSearch.Clear();
}

void TZadDetailDropDown::Finish_Construction() {
  SetEditorEnabled(true);
  SetDropDownEnabled(true);
}

// ---- selection ----

void TZadDetailDropDown::Show_Caption(int Index) {
  SetText(FItems.GetItem(Index)->Caption());
  setSelection(0, int(text().size()));
}

void TZadDetailDropDown::SetItemIndex(int Value) {
  if (Value == FItemIndex) return;
  if (Value == -1) {
    SetText(QString());
    FItemIndex = -1;
    return;
  }
  if (Value < 0 || Value >= FItems.Count()) return;
  FItemIndex = Value;
  Show_Caption(Value);
  update();
  if (FItemSelector) FItemSelector->widget()->update();
  if (OnSelect) OnSelect(this);
}

void TZadDetailDropDown::SelectFirst() {
  if (FItems.Count() > 0) SetItemIndex(0);
}

void TZadDetailDropDown::SelectLast() {
  if (FItems.Count() > 0) SetItemIndex(FItems.Count() - 1);
}

void TZadDetailDropDown::SelectNext() {
  const int target = FItemIndex < 0 ? 0 : FItemIndex + 1;
  if (target < FItems.Count()) SetItemIndex(target);
}

void TZadDetailDropDown::SelectPrevious() {
  const int target = FItemIndex < 0 ? 0 : FItemIndex - 1;
  if (target >= 0 && target < FItems.Count()) SetItemIndex(target);
}

// ---- styles ----

void TZadDetailDropDown::SetComponentStyle(TDUDStyle AStyle) {
  TZadCustomDropDown::SetComponentStyle(AStyle);
  SetItemAppearanceStyle(&FItemAppearance, AStyle);
}

void TZadDetailDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle) {
  TZadCustomDropDown::SetSelectionColorStyle(AStyle);
  if (FItemSelector) FItemSelector->ItemAppearance().SetColorStyle(AStyle);
}

// ---- popup ----

void TZadDetailDropDown::CreateDropDownForm() {
  TZadCustomDropDown::CreateDropDownForm();
  if (!DropDownForm()) return;
  if (!FItemSelector) {
    FItemSelector = New_Popup_Selector(DropDownForm());
    // The entries are as wide as the popup; only the height scrolls.
    FItemSelector->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FItemSelector->SetSelectorType(stImage);
    FItemSelector->move(0, 0);
    FItemSelector->resize(FItemSelector->width(), 150);
    FItemSelector->OnDrawItem = [this](QWidget*, TCanvas& Canvas, const TRect& R, int Index) {
      DrawDetailItem(Canvas, R, Index);
    };
    FItemSelector->OnItemSize = [this](QWidget*, QSize& ASize) { GetDetailItemSize(ASize); };
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->OnResize = [this](QWidget*) { FItemSelector->UpdateSelectorPanel(); };
  }
  FItemSelector->SetColor(DropDownColor());
  FItemSelector->UpdateSelectorPanel();
  SetControl(FItemSelector);
}

void TZadDetailDropDown::CopyItemsToSelector() {
  TSelectorItems& items = FItemSelector->Items();
  items.Clear();
  for (int i = 0; i < FItems.Count(); ++i) {
    const TDetailItem& d = *FItems.GetItem(i);
    TSelectorItem* item = items.Add();
    item->SetCaption(d.Caption());
    item->SetImage(d.Image());
    item->SetImageIndex(d.ImageIndex());
  }
}

void TZadDetailDropDown::UpdateItemSelector() {
  if (!FItemSelector) return;
  FItemSelector->OnItemSelect = nullptr;
  FItemSelector->SetColumns(1);
  FItemSelector->SetImages(Images());
  FItemSelector->SetItemLayout(FLayout);
  FItemSelector->SetColor(DropDownColor());
  FItemSelector->SetItemAppearance(FItemAppearance);
  CopyItemsToSelector();
  FItemSelector->UpdateSelectorPanel();
  FItemSelector->SetItemIndex(FItemIndex);
  FItemSelector->OnItemSelect = [this](QWidget*) { SelectorItemSelect(); };
}

void TZadDetailDropDown::DoBeforeDropDown() {
  TZadCustomDropDown::DoBeforeDropDown();
  UpdateItemSelector();
  FOldItemIndex = FItemIndex;
  FOpenText = Text();
}

void TZadDetailDropDown::DoShowDropDown() {
  TZadCustomDropDown::DoShowDropDown();
  // The list shows the choice where the popup's own height put it.
  if (FItemSelector && DroppedDown()) {
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
  }
}

void TZadDetailDropDown::AdaptDropDownSize() {
  if (FItemSelector) {
    FItemSelector->setGeometry(FItemSelector->x(), FItemSelector->y(),
                               DropDownWidth() <= 0 ? width() : FItemSelector->width(),
                               DropDownHeight() <= 0 ? 100 : FItemSelector->height());
  }
  TZadCustomDropDown::AdaptDropDownSize();
}

void TZadDetailDropDown::DoHideDropDown(bool CancelChanges) {
  const bool open = DropDownForm() && DropDownForm()->isVisible();
  TZadCustomDropDown::DoHideDropDown(CancelChanges);
  if (!CancelChanges || !open || !FItemSelector) return;
  if (FOldItemIndex >= 0) {
    SetItemIndex(FOldItemIndex);
  } else if (FItemIndex != -1) {
    // Nothing was chosen when the popup opened: the entry a key moved to
    // goes, and the text typed before comes back.
    FItemIndex = -1;
    SetText(FOpenText);
  }
}

void TZadDetailDropDown::DoDropDownFormSizing() {
  TZadCustomDropDown::DoDropDownFormSizing();
  if (FItemSelector) FItemSelector->UpdateSelectorPanel();
}

void TZadDetailDropDown::DoDropDownFormDestroy() {
  TZadCustomDropDown::DoDropDownFormDestroy();
  if (!FDestroying) FItemSelector = nullptr;
}

void TZadDetailDropDown::SelectorItemSelect() {
  const int index = FItemSelector->ItemIndex();
  SetItemIndex(index);
  if (index >= 0 && index < FItems.Count()) Show_Caption(index);
  if (!FInternalCall) DoHideDropDown(false);
}

void TZadDetailDropDown::GetDetailItemSize(QSize& ASize) const {
  int w = DropDownWidth() > 0 ? DropDownWidth() : (DropDownForm() ? DropDownForm()->width() : width());
  if (FItemSelector && FItemSelector->verticalScrollBar()->isVisibleTo(FItemSelector))
    w -= FItemSelector->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, FItemSelector);
  w -= 2 * 1 + 4;
  ASize = QSize(std::max(w, 1), FItemHeight);
}

// ---- drawing ----

void TZadDetailDropDown::DrawDetailItem(TCanvas& Canvas, const TRect& R, int Index) {
  if (OnDrawSelectedImage) {
    OnDrawSelectedImage(this, Canvas, R);
    return;
  }
  if (Index < 0 || Index >= FItems.Count()) return;
  const TDetailItem& item = *FItems.GetItem(Index);
  TRect r = R;
  QImage picture = item.Image();
  const TDropDownImages* images = Images();
  if (picture.isNull() && images && item.ImageIndex() >= 0 && item.ImageIndex() < int(images->size()))
    picture = (*images)[size_t(item.ImageIndex())];
  if (!picture.isNull()) {
    const int x = item.Caption().isEmpty() ? r.Left + (r.Width() - picture.width()) / 2 : r.Left + 2;
    const int y = r.Top + (r.Height() - picture.height()) / 2;
    Canvas.Painter().drawImage(x, y, picture);
    r.Left += picture.width() + 4;
  }
  // The list's own selection: the list repaints the new entry, and with it
  // every cell waiting for a repaint, before it tells the drop-down.
  const int hot = FItemSelector ? FItemSelector->ItemHot() : -1;
  const int selected = FItemSelector ? FItemSelector->ItemIndex() : FItemIndex;
  TColor color = FItemAppearance.FontColor;
  if (Index == hot) color = FItemAppearance.ColorHotText;
  if (Index == selected) color = FItemAppearance.ColorSelectedText;
  Canvas.Font = FCaptionFont;
  Canvas.Font_Color = color;
  Canvas.Brush.Style = TBrushStyle::bsClear;
  r.Left += 4;
  r.Top += 2;
  r.Right -= 4;
  TRect caption = r;
  Canvas.Draw_Text(item.Caption(), caption, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (item.Notes.isEmpty()) return;
  r.Top += Canvas.Text_Height(QStringLiteral("gh"));
  Canvas.Font = FNotesFont;
  Canvas.Font_Color = color;
  THtmlDrawParams params;
  params.Images = images;
  params.URLColor = kNotesLinkColor;
  params.ShadowColor = kNotesShadowColor;
  params.WindowHandle = this;
  THtmlDrawResult result;
  DrawHtmlText(Canvas, item.Notes, r, params, result);
}

// ---- typing ----

void TZadDetailDropDown::focusInEvent(QFocusEvent* Event) {
  TZadCustomDropDown::focusInEvent(Event);
  // The popup giving the focus back is no new visit to the edit.
  if (!DroppedDown()) FCompletion.SetOldValue(Text());
}

void TZadDetailDropDown::HandleTextChange() {
  TZadCustomDropDown::HandleTextChange();
  // Only typing completes: a text written by the program or by the
  // completion itself stays as written.
  if (!FTyping || FCompleting || !FCompletion.WorkMode()) return;
  SetModified(FCompletion.Modified(Text()));
  const TypeCompletion::Result r = FCompletion.TextChanged(text(), cursorPosition(), FItems.Captions());
  if (r.What == TypeCompletion::Result::None) return;
  FCompleting = true;
  if (r.What == TypeCompletion::Result::Completed) {
    FItemIndex = r.Index;
    SetText(r.Text);
    setSelection(int(r.Text.size()), r.Caret - int(r.Text.size()));
    // The open list shows the entry the typing reached, quietly.
    if (DroppedDown() && FItemSelector && FItemSelector->Items().Count() == FItems.Count()) {
      FItemSelector->OnItemSelect = nullptr;
      FItemSelector->SetItemIndex(r.Index);
      FItemSelector->OnItemSelect = [this](QWidget*) { SelectorItemSelect(); };
    }
  } else {
    if (text() != r.Text) setText(r.Text);
    setCursorPosition(r.Caret);
  }
  // The text as it now stands counts, as in the change notice the rewrite
  // itself sends.
  SetModified(FCompletion.Modified(Text()));
  FCompleting = false;
}

bool TZadDetailDropDown::Handle_List_Key(int Key, Qt::KeyboardModifiers Shift) {
  const bool open = DroppedDown() && FItemSelector;
  FInternalCall = true;
  switch (Key) {
    case Qt::Key_PageUp:
      List_Page(-1);
      break;
    case Qt::Key_PageDown:
      List_Page(1);
      break;
    case Qt::Key_End:
      if (open)
        FItemSelector->SelectLast();
      else if (!EditorEnabled())
        SelectLast();
      break;
    case Qt::Key_Home:
      if (open)
        FItemSelector->SelectFirst();
      else if (!EditorEnabled())
        SelectFirst();
      break;
    case Qt::Key_Left:
      if (open && !EditorEnabled()) FItemSelector->SelectPrevious();
      break;
    case Qt::Key_Right:
      if (open && !EditorEnabled()) FItemSelector->SelectNext();
      break;
    case Qt::Key_Up:
      if (open) {
        const int index = FItemSelector->ItemIndex();
        const int target = index < 0 ? 0 : index - 1;
        if (target >= 0) Move_Selector_To(target);
        update();
      } else {
        SelectPrevious();
      }
      break;
    case Qt::Key_Down:
      if (open) {
        const int index = FItemSelector->ItemIndex();
        Move_Selector_To(index < 0 ? 0 : index + 1);
        update();
      } else {
        SelectNext();
      }
      break;
    default:
      // With typing on, the completion finds the entry: a look-up would put
      // the caption found so far into the edit for the typed character to
      // replace, so that quick typing kept only its last letter. A press
      // without a key code carries the character of a press relayed from
      // the popup, which came before it.
      if (!(Shift & Qt::ControlModifier) && Key != 0 && FItemSelector && !EditorEnabled()) {
        Sync_Selector();
        const QString& search = FCurSearch.Add(Key);
        if (FItemSelector->LookupItem(search)) FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
      }
      break;
  }
  FInternalCall = false;
  return open && Is_List_Move_Key(Key);
}

void TZadDetailDropDown::Move_Selector_To(int Index) {
  if (Index < 0 || Index >= FItemSelector->Items().Count()) return;
  FItemSelector->SetItemIndex(Index);
}

void TZadDetailDropDown::Sync_Selector() {
  // Closed, the list may lag behind the items and the choice (it is filled
  // when the popup opens); open, it was brought up to date then.
  if (!DroppedDown() || FItemSelector->Items().Count() != FItems.Count()) UpdateItemSelector();
}

void TZadDetailDropDown::List_Page(int Direction) {
  if (!FItemSelector) return;
  Sync_Selector();
  const int visible = FItemSelector->GetVisibleItemCount();
  if (visible <= 0) return;
  const int index = FItemSelector->ItemIndex();
  if (Direction < 0)
    Move_Selector_To(std::max(0, index - visible));
  else
    Move_Selector_To(std::min(index + visible, FItemSelector->Items().Count() - 1));
}

void TZadDetailDropDown::keyPressEvent(QKeyEvent* Event) {
  const int key = Event->key();
  const Qt::KeyboardModifiers shift = Event->modifiers();
  const bool alt = shift & Qt::AltModifier;
  // Alt with an arrow opens and closes the popup, as in every drop-down.
  if (isEnabled() && !alt && Handle_List_Key(key, shift)) {
    Event->accept();
    return;
  }
  if (FItems.Count() == 0) {
    TZadCustomDropDown::keyPressEvent(Event);
    return;
  }
  if (Is_Enter(key)) {
    const int index = FItems.IndexOf(Text());
    if (index >= 0) {
      SetText(FItems.GetItem(index)->Caption());
      SetItemIndex(index);
    }
  } else if (key != 0) {
    FCompletion.KeyDown(key);
  }
  FTyping = true;
  TZadCustomDropDown::keyPressEvent(Event);
  FTyping = false;
  if (key == Qt::Key_Escape) {
    const int index = FItems.IndexOf(Text());
    if (index >= 0) SetItemIndex(index);
  }
}

void TZadDetailDropDown::keyReleaseEvent(QKeyEvent* Event) {
  TZadCustomDropDown::keyReleaseEvent(Event);
  const int index = FCompletion.KeyReleased();
  if (index >= 0) SetItemIndex(index);
}

// ---- wheel ----

void TZadDetailDropDown::MouseWheelDownAction() {
  TZadCustomDropDown::MouseWheelDownAction();
  if (DroppedDown() && FItemSelector) {
    FInternalCall = true;
    const int index = FItemSelector->ItemIndex();
    Move_Selector_To(index < 0 ? 0 : index + 1);
    FInternalCall = false;
    update();
  } else {
    SelectNext();
  }
}

void TZadDetailDropDown::MouseWheelUpAction() {
  TZadCustomDropDown::MouseWheelUpAction();
  if (DroppedDown() && FItemSelector) {
    FInternalCall = true;
    const int index = FItemSelector->ItemIndex();
    Move_Selector_To(index < 0 ? 0 : index - 1);
    FInternalCall = false;
    update();
  } else {
    SelectPrevious();
  }
}
