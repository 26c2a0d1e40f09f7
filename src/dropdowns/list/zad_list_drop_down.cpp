#include "dropdowns/list/zad_list_drop_down.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/base/list_style_colors.h"

using namespace list_rows;

namespace drop_down_list {

bool Is_Enter_Key(int Key) { return Key == Qt::Key_Return || Key == Qt::Key_Enter; }

bool Types_Character(int Key) {
  return Key == Qt::Key_Backspace || (Key >= Qt::Key_Space && Key <= Qt::Key_ydiaeresis);
}

}  // namespace drop_down_list

using drop_down_list::Is_Enter_Key;

TZadListDropDown::TZadListDropDown(QWidget* AOwner, const List_Traits& Traits)
    : TZadCustomDropDown(AOwner), FTraits(Traits) {}

void TZadListDropDown::Finish_Construction() {
  // The construction's style ran over this control's colours; the
  // defaults hold.
  FHeaderColorTo = 0x808080;
  FHeaderColor = 0xFFFFFF;
  FHeaderFontColor = 0x000000;
  FSelectionTextColor = 0x000000;
  SetDropDownColor(0xFFFFFF);
  SetDropDownHeight(200);
  SetAutoSelect(true);
  SetSelectionColorStyle(scOffice2007);
}

// ---- items and selection ----

QString TZadListDropDown::Lookup_Text(int Index) const {
  const auto& items = List_Items();
  if (Index < 0 || Index >= items.Count()) return QString();
  return items.Items(Index).Column_Text(FLookupColumn);
}

void TZadListDropDown::Write_Text(const QString& Value) {
  const bool completing = FCompleting;
  FCompleting = true;
  SetText(Value);
  FCompleting = completing;
}

void TZadListDropDown::RebuildLookupItems() {
  const int count = List_Items().Count();
  if (FLookupColumn < 0 || count == 0) return;
  FLookupItems.clear();
  FLookupItems.reserve(count);
  for (int i = 0; i < count; ++i) FLookupItems.append(Lookup_Text(i));
}

void TZadListDropDown::Loaded() {
  TZadCustomDropDown::Loaded();
  RebuildLookupItems();
}

void TZadListDropDown::Step(Selection_Step Kind) {
  const int count = Row_Total();
  if (count == 0) return;
  const int next = Step_Item(Kind, FItemIndex, count);
  if (next == FItemIndex) {
    // Next and previous stop at the ends without writing.
    const bool writes = FTraits.Unmoved_Step_Writes && !((Kind == ssNext || Kind == ssPrevious) && FItemIndex >= 0);
    if (!writes) return;
  }
  SetItemIndex(next);
}

void TZadListDropDown::SelectFirstRow() { Step(ssFirst); }
void TZadListDropDown::SelectLastRow() { Step(ssLast); }
void TZadListDropDown::SelectNextRow() { Step(ssNext); }
void TZadListDropDown::SelectPreviousRow() { Step(ssPrevious); }
void TZadListDropDown::SelectNextPage() { Step(ssNextPage); }
void TZadListDropDown::SelectPreviousPage() { Step(ssPreviousPage); }

void TZadListDropDown::MouseWheelDownAction() {
  TZadCustomDropDown::MouseWheelDownAction();
  SelectNextRow();
}

void TZadListDropDown::MouseWheelUpAction() {
  TZadCustomDropDown::MouseWheelUpAction();
  SelectPreviousRow();
}

// ---- keys and typing of the edit ----

void TZadListDropDown::HandleTextChange() {
  // The control's own rewrite of the text.
  if (FCompleting) return;
  TZadCustomDropDown::HandleTextChange();
  // Only typing completes; a text set by the program stays as it is.
  if (!FTyping) return;
  if (!FCompletion.WorkMode()) {
    FCompletion.TextChanged(text(), cursorPosition(), QStringList());
    return;
  }
  SetModified(FCompletion.Modified(text()));
  const TypeCompletion::Result r = FCompletion.TextChanged(text(), cursorPosition(), FLookupItems);
  if (r.What == TypeCompletion::Result::None) return;
  FCompleting = true;
  setText(r.Text);
  if (r.What == TypeCompletion::Result::Completed) {
    FItemIndex = r.Index;
    setSelection(int(r.Text.size()), r.Caret - int(r.Text.size()));
  } else {
    setCursorPosition(r.Caret);
  }
  FCompleting = false;
}

void TZadListDropDown::Take_Exact_Entry() {
  const int index = TypeCompletion::Index_Of(FLookupItems, text(), Qt::CaseInsensitive);
  if (index < 0) return;
  const bool changed = text() != FLookupItems[index];
  SetItemIndex(index);
  if (changed) TZadCustomDropDown::HandleTextChange();
}

void TZadListDropDown::Type_Key(QKeyEvent* Event, bool Lookup) {
  FTyping = true;
  TZadCustomDropDown::keyPressEvent(Event);
  FTyping = false;
  if (!Lookup || Event->key() != Qt::Key_Escape) return;
  const int index = TypeCompletion::Index_Of(FLookupItems, text(), Qt::CaseInsensitive);
  if (index >= 0)
    SetItemIndex(index);
  else
    FItemIndex = -1;
}

void TZadListDropDown::Step_By_Key(int Key, Qt::KeyboardModifiers Shift, bool HomeEnd) {
  if (!isEnabled() || (Shift & Qt::AltModifier) || DroppedDown()) return;
  switch (Key) {
    case Qt::Key_PageUp:
      SelectPreviousPage();
      break;
    case Qt::Key_PageDown:
      SelectNextPage();
      break;
    case Qt::Key_End:
      if (HomeEnd) SelectLastRow();
      break;
    case Qt::Key_Home:
      if (HomeEnd) SelectFirstRow();
      break;
    case Qt::Key_Up:
      SelectPreviousRow();
      break;
    case Qt::Key_Down:
      SelectNextRow();
      break;
    default:
      break;
  }
}

void TZadListDropDown::Release_Key(QKeyEvent* Event) {
  if (!(Is_Enter_Key(Event->key()) && ReturnIsTab())) TZadCustomDropDown::keyReleaseEvent(Event);
}

void TZadListDropDown::Complete_On_Release() {
  const int typed = FCompletion.ItemSel();
  const int item = FCompletion.KeyReleased();
  if (item < 0) return;
  SetItemIndex(item);
  const int length = int(text().size());
  if (FTraits.Completion_Caret_At_Typed)
    setSelection(length, typed - length);
  else
    setSelection(typed, length - typed);
}

void TZadListDropDown::keyReleaseEvent(QKeyEvent* Event) {
  Release_Key(Event);
  Complete_On_Release();
}

// ---- the popup ----

void TZadListDropDown::AdjustDropDownHeight(int& Height) {
  int bars = 0;
  if (DropDownHeader().Visible()) bars += DropDownHeader().Height;
  if (DropDownFooter().Visible()) bars += DropDownFooter().Height;
  Height = Whole_Row_Height(Height, bars, FHeaderHeight, FDropDownRowHeight, FTraits.Row_Height_Margin);
}

void TZadListDropDown::PlaceDropDownControl() {
  SetControl(List_Widget());
  TZadCustomDropDown::PlaceDropDownControl();
}

void TZadListDropDown::AdaptDropDownSize() {
  TZadCustomDropDown::AdaptDropDownSize();
  TDropDownForm* form = DropDownForm();
  QAbstractScrollArea* list = List_Widget();
  if (!FDropDownAutoWidth || !form || !list) return;
  // The list takes the popup's height first: whether its rows fit decides
  // the room for the scroll bar.
  int room = form->height() - 2 * DropDownBorderWidth();
  if (DropDownHeader().Visible()) room -= DropDownHeader().Height;
  if (DropDownFooter().Visible()) room -= DropDownFooter().Height;
  list->resize(list->width(), std::max(room, 0));
  form->resize(Fitted_List_Width() + 2 * DropDownBorderWidth(), form->height());
}

void TZadListDropDown::DoDropDownFormSizing() {
  TZadCustomDropDown::DoDropDownFormSizing();
  SizeColumnsToWidth();
}

void TZadListDropDown::DoHideDropDown(bool CancelChanges) {
  TDropDownForm* form = DropDownForm();
  if (!form || !form->isVisible()) {
    TZadCustomDropDown::DoHideDropDown(CancelChanges);
    return;
  }
  TZadCustomDropDown::DoHideDropDown(CancelChanges);
  if (CancelChanges)
    Restore_Opening();
  else
    Take_Confirmed_Row();
  FOldItemIndex = FItemIndex;
}

// ---- style ----

void TZadListDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle) {
  const Selection_Colors c = Selection_Colors_Of(AStyle);
  if (c.Apply) {
    FLineColor = c.LineColor;
    FFixedLineColor = c.FixedLineColor;
  }
  TZadCustomDropDown::SetSelectionColorStyle(AStyle);
  if (c.Apply && FTraits.Style_Sets_Selection_Color) SetSelectionColor(c.SelectionColor);
}

void TZadListDropDown::SetComponentStyle(TDUDStyle AStyle) {
  TZadCustomDropDown::SetComponentStyle(AStyle);
  const Style_Colors c = Style_Colors_Of(AStyle, FTraits.Office2010_Styles);
  if (!c.Apply) return;
  FHeaderColor = c.HeaderColor;
  FHeaderColorTo = c.HeaderColorTo;
  if (c.HeaderFontColor != clNone) FHeaderFontColor = c.HeaderFontColor;
  SetSelectionColorStyle(c.Selection);
  FLineColor = c.LineColor;
  FFixedLineColor = c.FixedLineColor;
  if (c.Selection == scCustom) {
    SetSelectionColor(c.SelectionColor);
    SetSelectionColorTo(c.SelectionColor);
  }
  FSelectionTextColor = c.SelectionTextColor;
}
