#include "dropdowns/colorpicker/zad_color_picker_drop_down.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/base/zad_custom_item_selector.h"
#include "dropdowns/colorpicker/custom_color_selector.h"
#include "dropdowns/colorpicker/zad_color_cube_panel.h"
#include "dropdowns/colorpicker/zad_color_spectrum_panel.h"

namespace {

struct Named_Color {
  const char* Caption;
  TColor Color;
};

constexpr Named_Color kDefaultColors[] = {
    {"Black", clBlack},   {"Maroon", clMaroon},   {"Green", clGreen}, {"Olive", clOlive},
    {"Navy", clNavy},     {"Purple", clPurple},   {"Teal", clTeal},   {"Gray", clGray},
    {"Silver", clSilver}, {"Red", clRed},         {"Lime", clLime},   {"Yellow", clYellow},
    {"Blue", clBlue},     {"Fuchsia", clFuchsia}, {"Aqua", clAqua},   {"White", clWhite},
};

bool Is_Enter(int Key) { return Key == Qt::Key_Return || Key == Qt::Key_Enter; }

}  // namespace

TZadColorPickerDropDown::TZadColorPickerDropDown(QWidget* AOwner) : TZadCustomDropDown(AOwner) {
  FColors.OnChange = [](TColorItems*) {};
  FKeyTimer.setSingleShot(true);
  FKeyTimer.setInterval(500);
  connect(&FKeyTimer, &QTimer::timeout, this, [this] { KeyTimerExpired(); });
}

TZadColorPickerDropDown::~TZadColorPickerDropDown() {
  FDestroying = true;
  FKeyTimer.stop();
}

void TZadColorPickerDropDown::Finish_Construction() {
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  SetDropDownHeight(200);
  DropDownHeader().SetVisible(false);
  DropDownFooter().SetVisible(false);
  setCursor(Qt::ArrowCursor);
}

void TZadColorPickerDropDown::AddDefaultColors() {
  for (const Named_Color& c : kDefaultColors) {
    TColorItem* item = FColors.Add();
    item->SetCaption(QLatin1String(c.Caption));
    item->SetColor(c.Color);
  }
}

// ---- selection ----

void TZadColorPickerDropDown::SetItemIndex(int Value) {
  if (Value >= FColors.Count()) return;
  FItemIndex = Value < 0 ? -1 : Value;
  if (FItemIndex >= 0) FSelectedColor = FColors.GetItem(FItemIndex)->Color();
  update();
  if (OnSelect) OnSelect(this);
}

void TZadColorPickerDropDown::SetSelectedColor(TColor Value) {
  if (FSelectedColor == Value) return;
  FSelectedColor = Value;
  // A colour no entry has leaves no entry selected: the edit must not go on
  // naming the colour it had.
  SetItemIndex(FColors.IndexOfColor(Value));
  update();
}

void TZadColorPickerDropDown::SetColorValueText(TColorValueText Value) {
  if (FColorValueText == Value) return;
  FColorValueText = Value;
  update();
}

void TZadColorPickerDropDown::SetShowText(bool Value) {
  if (FShowText == Value) return;
  FShowText = Value;
  update();
}

QString TZadColorPickerDropDown::GetSelectedColorText() const {
  if (FColorSelectionStyle == csList && FItemIndex >= 0 && FItemIndex < FColors.Count())
    return FColors.GetItem(FItemIndex)->Caption();
  return Color_Value_Text(FSelectedColor, FColorValueText);
}

// ---- styles ----

void TZadColorPickerDropDown::SetComponentStyle(TDUDStyle AStyle) {
  TZadCustomDropDown::SetComponentStyle(AStyle);
  SetItemAppearanceStyle(&FItemAppearance, AStyle);
}

void TZadColorPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle) {
  TZadCustomDropDown::SetSelectionColorStyle(AStyle);
  FItemAppearance.SetColorStyle(AStyle);
}

void TZadColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value) {
  if (FColorSelectionStyle == Value) return;
  FColorSelectionStyle = Value;
  // A size dragged for the other selector does not fit this one.
  Forget_User_Drop_Down_Size();
  if (!DropDownForm()) return;
  Prepare_Style();
  FOldSelectedColor = FSelectedColor;
  if (FColorSelectionStyle == csList)
    Size_List_Popup();
  else
    Size_Panel_Popup();
  DropDownForm()->update();
}

// ---- popup controls ----

void TZadColorPickerDropDown::CreateDropDownForm() {
  TZadCustomDropDown::CreateDropDownForm();
  if (!DropDownForm()) return;
  switch (FColorSelectionStyle) {
    case csList:
      CreateItemSelector();
      break;
    case csDiscrete:
      CreateColorSelector();
      break;
    case csColorCube:
      CreateCubePanel();
      break;
    case csSpectrum:
      CreateSpectrumPanel();
      break;
  }
}

void TZadColorPickerDropDown::CreateItemSelector() {
  if (!FItemSelector) {
    FItemSelector = New_Popup_Selector(DropDownForm());
    FItemSelector->OnItemSelect = [this](QWidget*) { SelectorItemSelect(); };
  }
  FItemSelector->SetSelectorType(stColor);
  FItemSelector->move(0, 0);
  FItemSelector->resize(FItemSelector->width(), 150);
  FItemSelector->SetColor(DropDownColor());
  FItemSelector->UpdateSelectorPanel();
  SetControl(FItemSelector);
}

void TZadColorPickerDropDown::CreateColorSelector() {
  if (!FColorSelector) {
    FColorSelector = new TCustomColorSelector(DropDownForm());
    FColorSelector->AddDefaultColorBoxes();
  }
  FColorSelector->move(0, 0);
  FColorSelector->SetColor(DropDownColor());
  FColorSelector->UpdateBoxLayout();
  SetControl(FColorSelector);
}

void TZadColorPickerDropDown::CreateCubePanel() {
  if (!FColorCubePanel) FColorCubePanel = new TZadColorCubePanel(DropDownForm());
  FColorCubePanel->move(0, 0);
  FColorCubePanel->SetColor(DropDownColor());
  SetControl(FColorCubePanel);
}

void TZadColorPickerDropDown::CreateSpectrumPanel() {
  if (!FSpectrumPanel) FSpectrumPanel = new TZadColorSpectrumPanel(DropDownForm());
  FSpectrumPanel->move(0, 0);
  FSpectrumPanel->SetColor(DropDownColor());
  SetControl(FSpectrumPanel);
}

void TZadColorPickerDropDown::Sync_Color_Selector() {
  // Told quietly: showing the picker's colour is no choice.
  FColorSelector->OnItemSelect = nullptr;
  FColorSelector->SetSelectedColor(FSelectedColor);
  FColorSelector->OnItemSelect = [this](QWidget*) { ColorSelectorSelect(); };
}

void TZadColorPickerDropDown::FillSelectorItems() {
  TSelectorItems& items = FItemSelector->Items();
  items.Clear();
  for (int i = 0; i < FColors.Count(); ++i) {
    const TColorItem& c = *FColors.GetItem(i);
    TSelectorItem* item = items.Add();
    item->SetCaption(c.Caption());
    item->SetColor(c.Color());
    item->Hint = c.Hint;
  }
}

void TZadColorPickerDropDown::UpdateItemSelector() {
  if (!FItemSelector) return;
  FItemSelector->OnItemSelect = nullptr;
  FItemSelector->SetColumns(FColumns);
  FItemSelector->SetImages(Images());
  FItemSelector->SetItemLayout(FLayout);
  FItemSelector->SetColor(DropDownColor());
  FillSelectorItems();
  FItemSelector->SetColorBoxHeight(FColorBoxHeight);
  FItemSelector->SetColorBoxWidth(FColorBoxWidth);
  FItemSelector->SetItemAppearance(FItemAppearance);
  FItemSelector->UpdateSelectorPanel();
  FItemSelector->SetItemIndex(FItemIndex);
  FItemSelector->OnItemSelect = [this](QWidget*) { SelectorItemSelect(); };
}

void TZadColorPickerDropDown::Sync_List() {
  // While the popup is closed the list may lag behind the colours and the
  // selection; the open list was brought up to date when it opened.
  if (!DroppedDown() || FItemSelector->Items().Count() != FColors.Count()) UpdateItemSelector();
}

void TZadColorPickerDropDown::Hide_Others(QWidget* Keep) {
  QWidget* all[] = {FItemSelector, FColorSelector, FColorCubePanel, FSpectrumPanel};
  for (QWidget* w : all)
    if (w && w != Keep) w->hide();
}

void TZadColorPickerDropDown::Prepare_Style() {
  switch (FColorSelectionStyle) {
    case csList:
      CreateItemSelector();
      Hide_Others(FItemSelector);
      UpdateItemSelector();
      if (OnDrawColor)
        FItemSelector->OnDrawItem = [this](QWidget*, TCanvas& Canvas, const TRect& R, int Index) {
          TRect r = R;
          OnDrawColor(this, Canvas, r, Index);
        };
      else
        FItemSelector->OnDrawItem = nullptr;
      FItemSelector->show();
      FOldItemIndex = FItemIndex;
      break;
    case csDiscrete:
      CreateColorSelector();
      Hide_Others(FColorSelector);
      Sync_Color_Selector();
      FColorSelector->UpdateBoxLayout();
      FColorSelector->SetItemColorStyle(SelectionColorStyle());
      FColorSelector->show();
      break;
    case csColorCube:
      CreateCubePanel();
      Hide_Others(FColorCubePanel);
      FColorCubePanel->SetSelectedColor(FSelectedColor);
      FColorCubePanel->InitCubeCells();
      FColorCubePanel->ResetPanel();
      FColorCubePanel->OnSelect = [this](QWidget*) { CubeSelect(); };
      FColorCubePanel->show();
      break;
    case csSpectrum:
      CreateSpectrumPanel();
      Hide_Others(FSpectrumPanel);
      FSpectrumPanel->SetSelectedColor(FSelectedColor);
      FSpectrumPanel->LayoutPanel();
      FSpectrumPanel->OnSelect = [this](QWidget*) { SpectrumSelect(); };
      FSpectrumPanel->show();
      break;
  }
}

void TZadColorPickerDropDown::DoBeforeDropDown() {
  TZadCustomDropDown::DoBeforeDropDown();
  Prepare_Style();
  FOldSelectedColor = FSelectedColor;
}

void TZadColorPickerDropDown::PlaceDropDownControl() {
  TZadCustomDropDown::PlaceDropDownControl();
  if (FColorSelectionStyle != csList && DropDownForm()) DropDownForm()->SetSizeable(false);
}

void TZadColorPickerDropDown::Size_Panel_Popup() {
  TDropDownForm* form = DropDownForm();
  if (!form) return;
  QWidget* c = Control();
  const bool shown = c && !c->isHidden();
  const int border = DropDownBorderWidth();
  const int w = shown ? c->width() + 2 * border : width();
  int h = 2 * border;
  if (DropDownHeader().Visible()) h += DropDownHeader().Height;
  if (DropDownFooter().Visible()) h += DropDownFooter().Height;
  if (shown) h += c->height();
  form->resize(w, h);
}

void TZadColorPickerDropDown::Size_List_Popup() {
  if (!FItemSelector) {
    TZadCustomDropDown::AdaptDropDownSize();
    return;
  }
  Adapt_Selector_Popup_Size(FItemSelector, FItemSelector->GetSelectorPanelSize());
}

void TZadColorPickerDropDown::AdaptDropDownSize() {
  if (FColorSelectionStyle == csList)
    Size_List_Popup();
  else
    Size_Panel_Popup();
}

void TZadColorPickerDropDown::DoHideDropDown(bool CancelChanges) {
  const bool open = DropDownForm() && DropDownForm()->isVisible();
  TZadCustomDropDown::DoHideDropDown(CancelChanges);
  // The panels have a size of their own; none is dragged.
  if (FColorSelectionStyle != csList) Forget_User_Drop_Down_Size();
  if (!CancelChanges || !open) return;
  if (FColorSelectionStyle == csList) {
    SetItemIndex(FOldItemIndex);
    // A colour of no entry comes back too: ItemIndex -1 alone would keep the
    // colour the keys moved to.
    if (FOldItemIndex < 0) SetSelectedColor(FOldSelectedColor);
  } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
    SetSelectedColor(FOldSelectedColor);
    Sync_Color_Selector();
  }
}

void TZadColorPickerDropDown::DoDropDownFormDestroy() {
  TZadCustomDropDown::DoDropDownFormDestroy();
  if (FDestroying) return;
  FItemSelector = nullptr;
  FColorCubePanel = nullptr;
  FSpectrumPanel = nullptr;
  FColorSelector = nullptr;
}

// ---- choices ----

void TZadColorPickerDropDown::SelectorItemSelect() {
  SetItemIndex(FItemSelector->ItemIndex());
  if (!FInternalCall) DoHideDropDown(false);
}

void TZadColorPickerDropDown::Take_Panel_Color(TColor Value) {
  // One choice, one OnSelect: the colour and "no entry" are taken together.
  FSelectedColor = Value;
  FItemIndex = -1;
  update();
  if (OnSelect) OnSelect(this);
}

void TZadColorPickerDropDown::ColorSelectorSelect() {
  Take_Panel_Color(FColorSelector->SelectedColor());
  if (!FInternalCall) DoHideDropDown(false);
}

void TZadColorPickerDropDown::CubeSelect() {
  Take_Panel_Color(FColorCubePanel->SelectedColor());
  DoHideDropDown(false);
}

void TZadColorPickerDropDown::SpectrumSelect() {
  Take_Panel_Color(FSpectrumPanel->SelectedColor());
  DoHideDropDown(false);
}

// ---- keys ----

void TZadColorPickerDropDown::keyPressEvent(QKeyEvent* Event) {
  const int key = Event->key();
  const Qt::KeyboardModifiers shift = Event->modifiers();
  bool enter_taken = false;
  if (isEnabled() && DroppedDown() && Is_Enter(key)) {
    if (FColorSelectionStyle == csList && FItemSelector && FItemSelector->ItemHot() >= 0) {
      FItemSelector->SetItemIndex(FItemSelector->ItemHot());
      enter_taken = true;
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector && FColorSelector->ItemHot() >= 0) {
      FColorSelector->SetItemIndex(FColorSelector->ItemHot());
      enter_taken = true;
    }
  }
  if (enter_taken)
    Event->accept();
  else
    TZadCustomDropDown::keyPressEvent(Event);
  Handle_Style_Key(key, shift, enter_taken);
}

void TZadColorPickerDropDown::Handle_Style_Key(int Key, Qt::KeyboardModifiers Shift, bool EnterTaken) {
  if (!isEnabled() || (Shift & Qt::AltModifier)) return;
  const bool down = DroppedDown();
  if (FColorSelectionStyle == csDiscrete) {
    if (!FColorSelector) return;
    if (!down) Sync_Color_Selector();
    FInternalCall = true;
    FColorSelector->HandleKey(Key, EditorEnabled(), down);
    FInternalCall = false;
    if (Is_Enter(Key) && !EnterTaken && OnSelect) OnSelect(this);
    return;
  }
  if (FColorSelectionStyle != csList || !FItemSelector) return;
  FInternalCall = true;
  switch (Key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!EnterTaken && OnSelect) OnSelect(this);
      break;
    case Qt::Key_PageUp:
      List_Page(-1);
      break;
    case Qt::Key_PageDown:
      List_Page(1);
      break;
    case Qt::Key_End:
      if (down)
        FItemSelector->SelectLast();
      else
        SelectLastColor();
      break;
    case Qt::Key_Home:
      if (down)
        FItemSelector->SelectFirst();
      else
        SelectFirstColor();
      break;
    case Qt::Key_Left:
      if (down && !EditorEnabled()) FItemSelector->SelectPrevious();
      break;
    case Qt::Key_Right:
      if (down && !EditorEnabled()) FItemSelector->SelectNext();
      break;
    case Qt::Key_Up:
      if (down)
        List_Row(-1);
      else
        SelectPreviousColor();
      break;
    case Qt::Key_Down:
      if (down)
        List_Row(1);
      else
        SelectNextColor();
      break;
    default:
      if (!(Shift & Qt::ControlModifier)) Type_Ahead(Key);
      break;
  }
  FInternalCall = false;
}

void TZadColorPickerDropDown::List_Page(int Direction) {
  Sync_List();
  const int visible = FItemSelector->GetVisibleItemCount();
  const int count = FItemSelector->Items().Count();
  int target = FItemSelector->ItemIndex() + Direction * visible;
  target = Direction < 0 ? std::max(target, 0) : std::min(target, count - 1);
  if (visible > 0 && target >= 0 && target < count) {
    FItemSelector->SetItemIndex(target);
    FItemSelector->ScrollItemInView(target);
  }
}

void TZadColorPickerDropDown::List_Row(int Direction) {
  const int index = FItemSelector->ItemIndex();
  const int target = index < 0 ? 0 : index + Direction * FColumns;
  if (target >= 0 && target < FItemSelector->Items().Count()) {
    FItemSelector->SetItemIndex(target);
    FItemSelector->ScrollItemInView(target);
  }
}

void TZadColorPickerDropDown::Type_Ahead(int Key) {
  // Only keys that stand for a character take part; Qt gives letters as
  // capitals.
  if (Key <= 0 || Key >= 0x01000000) return;
  const uint32_t now = SearchClock ? SearchClock() : 0u;
  // The text lives 500 ms from its first character; a key after that starts
  // a new one even when the timer has not been served yet.
  if (!FCurSearch.isEmpty() && SearchClock && now - FSearchStart >= 500u) KeyTimerExpired();
  if (FCurSearch.isEmpty()) FSearchStart = now;
  FCurSearch += QChar(static_cast<char16_t>(Key));
  Sync_List();
  // The found entry is scrolled into view, as the other moves are.
  if (FItemSelector->LookupItem(FCurSearch)) FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
  if (!FKeyTimer.isActive()) FKeyTimer.start();
}

void TZadColorPickerDropDown::KeyTimerExpired() {
  FKeyTimer.stop();
  FCurSearch.clear();
}

void TZadColorPickerDropDown::SelectFirstColor() {
  if (FColors.Count() > 0) SetItemIndex(0);
}

void TZadColorPickerDropDown::SelectLastColor() {
  if (FColors.Count() > 0) SetItemIndex(FColors.Count() - 1);
}

void TZadColorPickerDropDown::SelectNextColor() {
  if (FItemIndex < 0)
    SetItemIndex(0);
  else if (FItemIndex + 1 < FColors.Count())
    SetItemIndex(FItemIndex + 1);
}

void TZadColorPickerDropDown::SelectPreviousColor() {
  if (FItemIndex < 0)
    SetItemIndex(0);
  else if (FItemIndex - 1 >= 0)
    SetItemIndex(FItemIndex - 1);
}

// ---- wheel ----

void TZadColorPickerDropDown::MouseWheelDownAction() {
  TZadCustomDropDown::MouseWheelDownAction();
  if (!isEnabled() || isReadOnly()) return;
  if (FColorSelectionStyle == csList && FItemSelector) {
    if (DroppedDown()) {
      FItemSelector->HotNext();
    } else {
      Sync_List();
      FInternalCall = true;
      FItemSelector->SelectNext();
      FInternalCall = false;
    }
  } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
    if (DroppedDown()) {
      FColorSelector->HotNext();
    } else {
      Sync_Color_Selector();
      FInternalCall = true;
      FColorSelector->SelectNext();
      FInternalCall = false;
    }
  }
}

void TZadColorPickerDropDown::MouseWheelUpAction() {
  TZadCustomDropDown::MouseWheelUpAction();
  if (!isEnabled() || isReadOnly()) return;
  if (FColorSelectionStyle == csList && FItemSelector) {
    if (DroppedDown()) {
      FItemSelector->HotPrevious();
    } else {
      Sync_List();
      FInternalCall = true;
      FItemSelector->SelectPrevious();
      FInternalCall = false;
    }
  } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
    if (DroppedDown()) {
      FColorSelector->HotPrevious();
    } else {
      Sync_Color_Selector();
      FInternalCall = true;
      FColorSelector->SelectPrevious();
      FInternalCall = false;
    }
  }
}

// ---- painting ----

void TZadColorPickerDropDown::PaintEditContent(QPainter& Painter) {
  TZadCustomDropDown::PaintEditContent(Painter);
  DrawSelectedColor(Painter);
}

void TZadColorPickerDropDown::paintEvent(QPaintEvent* Event) { TZadCustomDropDown::paintEvent(Event); }

void TZadColorPickerDropDown::DrawSelectedColor(QPainter& Painter) {
  TCanvas canvas(Painter);
  const TRect c{1, 1, width() - DropDownButtonWidth() - 2, height() - 2};
  if (OnDrawSelectedColor) {
    OnDrawSelectedColor(this, canvas, c);
    return;
  }
  if (FSelectedColor == clNone) return;
  const int top = (height() - FColorBoxHeight) / 2 + c.Top;
  const TRect s{c.Left + 4, top, c.Left + 4 + FColorBoxWidth, top + FColorBoxHeight};
  canvas.Pen.Color = clBlack;
  canvas.Brush.Color = FSelectedColor;
  canvas.Rectangle(s);
  if (!FShowText) return;
  canvas.Font = font();
  const bool focused = hasFocus();
  canvas.Font_Color = From_QColor(palette().color(QPalette::Text));
  if (!EditorEnabled() && focused) canvas.Font_Color = clHighlightText;
  TRect t{s.Right + 4, c.Top, c.Right, c.Bottom};
  canvas.Brush.Color = focused ? clHighlight : From_QColor(palette().color(QPalette::Base));
  canvas.Draw_Text(GetSelectedColorText(), t, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}
