#include "dropdowns/multicolumn/zad_multi_column_drop_down.h"

#include <QKeyEvent>
#include <QPalette>
#include <algorithm>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/multicolumn/multi_column_logic.h"
#include "dropdowns/multicolumn/zad_col_grid.h"

using namespace multi_column;

namespace {

bool Is_Enter_Key(int Key) { return Key == Qt::Key_Return || Key == Qt::Key_Enter; }

// A key whose press types a character: the character reaches the list's
// type-ahead, not the edit.
bool Types_Character(int Key) {
  return Key == Qt::Key_Backspace || (Key >= Qt::Key_Space && Key <= Qt::Key_ydiaeresis);
}

}  // namespace

TZadMultiColumnDropDown::TZadMultiColumnDropDown(QWidget* AOwner) : TZadCustomDropDown(AOwner) {}

TZadMultiColumnDropDown::~TZadMultiColumnDropDown() = default;

void TZadMultiColumnDropDown::Finish_Construction() {
  // The construction's style ran this control's colours over; the
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

QString TZadMultiColumnDropDown::Lookup_Text(int Index) const {
  if (Index < 0 || Index >= FItems.Count()) return QString();
  return FItems.Items(Index).Column_Text(FLookupColumn);
}

int TZadMultiColumnDropDown::GetItemIndex(const QString& Value) const {
  return FItems.IndexInColumn(FLookupColumn, Value);
}

void TZadMultiColumnDropDown::SetItemIndex(int Value) {
  if (Value >= FItems.Count()) return;
  Value = std::max(Value, -1);
  FItemIndex = Value;
  if (Value >= 0 && FLookupColumn < 0) return;
  // The item's own text needs no completion.
  FCompleting = true;
  SetText(Value >= 0 ? Lookup_Text(Value) : QString());
  FCompleting = false;
}

void TZadMultiColumnDropDown::RebuildLookupItems() {
  if (FLookupColumn < 0 || FItems.Count() == 0) return;
  FLookupItems.clear();
  FLookupItems.reserve(FItems.Count());
  for (int i = 0; i < FItems.Count(); ++i) FLookupItems.append(Lookup_Text(i));
}

void TZadMultiColumnDropDown::Step(int Kind) {
  const int count = FItems.Count();
  if (count == 0) return;
  const int next = Step_Item(Selection_Step(Kind), FItemIndex, count);
  // Next and previous stop at the ends without writing.
  if ((Kind == ssNext || Kind == ssPrevious) && FItemIndex >= 0 && next == FItemIndex) return;
  SetItemIndex(next);
}

void TZadMultiColumnDropDown::SelectFirstRow() { Step(ssFirst); }
void TZadMultiColumnDropDown::SelectLastRow() { Step(ssLast); }
void TZadMultiColumnDropDown::SelectNextRow() { Step(ssNext); }
void TZadMultiColumnDropDown::SelectPreviousRow() { Step(ssPrevious); }
void TZadMultiColumnDropDown::SelectNextPage() { Step(ssNextPage); }
void TZadMultiColumnDropDown::SelectPreviousPage() { Step(ssPreviousPage); }

// ---- look-up ----

bool TZadMultiColumnDropDown::FindLookupMatch(const QString& Text, QString& Found, int& Index) const {
  if (!FZadColGrid) return false;
  return Find_Lookup_Match(FItems, FLookupColumn, Text, FCaseSensitive, Found, Index);
}

int TZadMultiColumnDropDown::TypeAheadLookup(QChar Key) {
  const auto write = [this](const QString& Value) {
    FCompleting = true;
    setText(Value);
    FCompleting = false;
    TZadCustomDropDown::HandleTextChange();
  };
  if (Key == QLatin1Char('\b')) {
    if (!hasSelectedText()) {
      FLookupEntry.chop(1);
      write(FLookupEntry);
    } else {
      // Just the selection goes.
      QString t = text();
      t.remove(selectionStart(), selectedText().size());
      write(t);
    }
    setCursorPosition(int(text().size()));
    return -1;
  }
  if (Key != QLatin1Char('\t')) FLookupEntry += Key;
  QString found;
  int index = -1;
  if (FindLookupMatch(FLookupEntry, found, index)) {
    FItemIndex = index;
    write(found);
    const int typed = int(std::min(FLookupEntry.size(), found.size()));
    setSelection(typed, int(found.size()) - typed);
    return index;
  }
  if (FindLookupMatch(QString(Key), found, index)) {
    FItemIndex = index;
    write(found);
    setCursorPosition(int(found.size()));
    FLookupEntry = QString(Key);
    return index;
  }
  FLookupEntry.clear();
  return -1;
}

// ---- typing ----

void TZadMultiColumnDropDown::focusInEvent(QFocusEvent* Event) {
  FCompletion.SetOldValue(text());
  TZadCustomDropDown::focusInEvent(Event);
}

void TZadMultiColumnDropDown::HandleTextChange() {
  // The completion's own rewrite of the text.
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

void TZadMultiColumnDropDown::keyPressEvent(QKeyEvent* Event) {
  const int key = Event->key();
  const Qt::KeyboardModifiers shift = Event->modifiers();
  const bool lookup = FItems.Count() > 0 && FLookupColumn >= 0;
  if (lookup) {
    FCompletion.KeyDown(key);
    if (Is_Enter_Key(key) && !DroppedDown()) {
      // An exact entry (in any letter case) is taken as that item.
      const int index = TypeCompletion::Index_Of(FLookupItems, text(), Qt::CaseInsensitive);
      if (index >= 0) {
        const bool changed = text() != FLookupItems[index];
        SetItemIndex(index);
        if (changed) TZadCustomDropDown::HandleTextChange();
      }
    }
  }
  FTyping = true;
  TZadCustomDropDown::keyPressEvent(Event);
  FTyping = false;
  if (lookup && key == Qt::Key_Escape) {
    // Re-selects by the text; a text of no item keeps the text.
    const int index = TypeCompletion::Index_Of(FLookupItems, text(), Qt::CaseInsensitive);
    if (index >= 0)
      SetItemIndex(index);
    else
      FItemIndex = -1;
  }
  // The steps through the items.
  if (!isEnabled() || (shift & Qt::AltModifier) || DroppedDown()) return;
  switch (key) {
    case Qt::Key_PageUp:
      SelectPreviousPage();
      break;
    case Qt::Key_PageDown:
      SelectNextPage();
      break;
    case Qt::Key_End:
      if (!EditorEnabled()) SelectLastRow();
      break;
    case Qt::Key_Home:
      if (!EditorEnabled()) SelectFirstRow();
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

void TZadMultiColumnDropDown::keyReleaseEvent(QKeyEvent* Event) {
  if (!(Is_Enter_Key(Event->key()) && ReturnIsTab())) TZadCustomDropDown::keyReleaseEvent(Event);
  const int typed = FCompletion.ItemSel();
  const int item = FCompletion.KeyReleased();
  if (item < 0) return;
  // The completed item's text in its own letter case, the completed part
  // selected.
  SetItemIndex(item);
  setSelection(typed, int(text().size()) - typed);
}

void TZadMultiColumnDropDown::MouseWheelDownAction() {
  TZadCustomDropDown::MouseWheelDownAction();
  SelectNextRow();
}

void TZadMultiColumnDropDown::MouseWheelUpAction() {
  TZadCustomDropDown::MouseWheelUpAction();
  SelectPreviousRow();
}

// ---- the popup ----

void TZadMultiColumnDropDown::CreateDropDownForm() {
  TZadCustomDropDown::CreateDropDownForm();
  if (!DropDownForm()) return;
  if (!FZadColGrid) {
    FZadColGrid = new TZadColGrid(DropDownForm());
    FZadColGrid->OnSelectCell = [this](int ARow) { GridSelectCell(ARow); };
    FZadColGrid->OnSelect = [this] { GridSelect(); };
    FZadColGrid->OnKeyDown = [this](int Key, Qt::KeyboardModifiers) { GridKeyDown(Key); };
    SetFocusControl(FZadColGrid);
  }
  FZadColGrid->SetDropDown(this);
  FZadColGrid->setGeometry(0, 0, FZadColGrid->width(), 180);
  FZadColGrid->viewport()->setAutoFillBackground(false);
}

void TZadMultiColumnDropDown::DoBeforeDropDown() {
  TZadCustomDropDown::DoBeforeDropDown();
  if (!FZadColGrid || !DropDownForm()) return;
  // A close by going elsewhere keeps the selection.
  DropDownForm()->SetCancelOnDeActivate(false);
  FShowing = true;
  FZadColGrid->ApplyDropDownSettings(this);
  FZadColGrid->SetOptions(FZadColGrid->Options() | goThumbTracking);
  QPalette palette = FZadColGrid->palette();
  palette.setColor(QPalette::Window, To_QColor(DropDownColor()));
  FZadColGrid->setPalette(palette);
  FZadColGrid->SetRow(std::max(FItemIndex + 1, FZadColGrid->FixedRows()));
  FOldItemIndex = FItemIndex;
}

void TZadMultiColumnDropDown::AdjustDropDownHeight(int& Height) {
  int bars = 0;
  if (DropDownHeader().Visible()) bars += DropDownHeader().Height;
  if (DropDownFooter().Visible()) bars += DropDownFooter().Height;
  Height = Whole_Row_Height(Height, bars, FHeaderHeight, FDropDownRowHeight);
}

void TZadMultiColumnDropDown::PlaceDropDownControl() {
  SetControl(FZadColGrid);
  TZadCustomDropDown::PlaceDropDownControl();
}

void TZadMultiColumnDropDown::AdaptDropDownSize() {
  TZadCustomDropDown::AdaptDropDownSize();
  TDropDownForm* form = DropDownForm();
  if (!FDropDownAutoWidth || !form || !FZadColGrid) return;
  // The list takes the popup's height first: whether its rows fit decides
  // the room for the scroll bar.
  int room = form->height() - 2 * DropDownBorderWidth();
  if (DropDownHeader().Visible()) room -= DropDownHeader().Height;
  if (DropDownFooter().Visible()) room -= DropDownFooter().Height;
  FZadColGrid->resize(FZadColGrid->width(), std::max(room, 0));
  form->resize(FZadColGrid->NeededWidth() + 2 * DropDownBorderWidth(), form->height());
}

void TZadMultiColumnDropDown::DoShowDropDown() {
  TZadCustomDropDown::DoShowDropDown();
  if (DroppedDown() && FZadColGrid) {
    SizeColumnsToWidth();
    if (FZadColGrid->RowCount() > 1) {
      const int row = std::max(FItemIndex + 1, 1);
      FZadColGrid->SetRow(row);
      const TRect r = FZadColGrid->FullCellRect(0, row);
      // Out of view: the row goes to the bottom of the list.
      if (r.Left <= 0 && r.Top <= 0) FZadColGrid->SetTopRow(row - FZadColGrid->VisibleRowCount() + 1);
    }
  }
  FShowing = false;
}

void TZadMultiColumnDropDown::DoDropDownFormSizing() {
  TZadCustomDropDown::DoDropDownFormSizing();
  SizeColumnsToWidth();
}

void TZadMultiColumnDropDown::SizeColumnsToWidth() {
  if (!FColumnSizeWithDropDown || !FZadColGrid || !DropDownForm()) return;
  FZadColGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FZadColGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  const int count = std::min(FColumns.Count(), FZadColGrid->ColCount());
  if (count == 0) return;
  std::vector<int> widths;
  for (int i = 0; i < count; ++i) widths.push_back(FColumns.Items(i).Width);
  // The columns share the list's width (the popup's inside).
  // The columns share the list's width (the popup's inside), less the
  // scroll bar when not all rows fit.
  const int available = FZadColGrid->width() - FZadColGrid->Scroll_Bar_Room();
  const std::vector<int> stretched = Stretched_Widths(widths, available);
  for (int i = 0; i < count; ++i) FZadColGrid->SetColWidths(i, stretched[size_t(i)]);
}

void TZadMultiColumnDropDown::DoHideDropDown(bool CancelChanges) {
  if (!DropDownForm() || !DropDownForm()->isVisible()) {
    TZadCustomDropDown::DoHideDropDown(CancelChanges);
    return;
  }
  TZadCustomDropDown::DoHideDropDown(CancelChanges);
  if (CancelChanges) {
    // The inherited close put the opening's text back; an opening without
    // an item keeps that text.
    if (FOldItemIndex >= 0)
      SetItemIndex(FOldItemIndex);
    else
      FItemIndex = -1;
  } else if (FZadColGrid && FZadColGrid->ConfirmSelection()) {
    Take_List_Row();
  }
  FOldItemIndex = FItemIndex;
}

void TZadMultiColumnDropDown::Take_List_Row() {
  // A list without items has only its header: nothing to take.
  if (FZadColGrid && FItems.Count() > 0 && FZadColGrid->Row() >= 1) SetItemIndex(FZadColGrid->Row() - 1);
}

void TZadMultiColumnDropDown::GridSelectCell(int ARow) {
  if (!FZadColGrid || FZadColGrid->MouseWheelSelection() || FShowing) return;
  SetItemIndex(ARow - 1);
}

void TZadMultiColumnDropDown::GridSelect() {
  if (FZadColGrid && FZadColGrid->ConfirmSelection()) Take_List_Row();
  DoHideDropDown(false);
  if (OnSelect) OnSelect(this);
}

void TZadMultiColumnDropDown::GridKeyDown(int Key) {
  if (Is_Enter_Key(Key)) DoHideDropDown(false);
  if (Key == Qt::Key_Escape) DoHideDropDown(true);
}

// ---- keys of the open list ----

void TZadMultiColumnDropDown::DoControlKeyDown(int& Key, Qt::KeyboardModifiers Shift) {
  const bool alt = Shift & Qt::AltModifier;
  switch (Key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
      // The list moves its row.
      if (!alt) return;
      break;
    default:
      break;
  }
  if (!alt && Types_Character(Key)) return;
  if (!alt && Is_Enter_Key(Key) && FZadColGrid) {
    // Enter takes the list's row; the edit then closes the popup.
    Take_List_Row();
    const bool was_open = DroppedDown();
    TZadCustomDropDown::DoControlKeyDown(Key, Shift);
    if (DroppedDown()) DoHideDropDown(false);
    if (was_open && OnSelect) OnSelect(this);
    return;
  }
  TZadCustomDropDown::DoControlKeyDown(Key, Shift);
}

void TZadMultiColumnDropDown::DoControlKeyUp(int& Key, Qt::KeyboardModifiers Shift) {
  const bool alt = Shift & Qt::AltModifier;
  switch (Key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
      if (!alt) return;
      break;
    default:
      break;
  }
  if (!alt && Types_Character(Key)) return;
  TZadCustomDropDown::DoControlKeyUp(Key, Shift);
}

void TZadMultiColumnDropDown::DoControlKeyPress(QChar& Key) {
  if (!FZadColGrid) return;
  if (Key == QLatin1Char('\r') || Key == QLatin1Char('\n') || Key == QChar(27)) {
    FLookupEntry.clear();
    return;
  }
  const int index = TypeAheadLookup(Key);
  if (index < 0) {
    FLookupEntry.clear();
    return;
  }
  const int row = index + FZadColGrid->FixedRows();
  if (row < FZadColGrid->TopRow() || row >= FZadColGrid->TopRow() + FZadColGrid->VisibleRowCount())
    FZadColGrid->SetTopRow(row);
  // The list's move writes the item's text again; the look-up's selection
  // stays.
  const int start = selectionStart(), length = int(selectedText().size());
  FZadColGrid->FocusCell(0, row);
  if (length > 0) setSelection(start, length);
}

// ---- style ----

void TZadMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle) {
  if (AStyle == scOffice2007) {
    FLineColor = 0xF1EDEB;
    FFixedLineColor = 0xD1BBA4;
  } else if (AStyle == scWindowsVista || AStyle == scWindows7) {
    FLineColor = 0xECECF0;
    FFixedLineColor = 0xD4D2D1;
  }
  TZadCustomDropDown::SetSelectionColorStyle(AStyle);
}

void TZadMultiColumnDropDown::SetComponentStyle(TDUDStyle AStyle) {
  TZadCustomDropDown::SetComponentStyle(AStyle);
  const Style_Colors c = Style_Colors_Of(AStyle);
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

void TZadMultiColumnDropDown::Assign(const TZadCustomDropDown& Source) {
  TZadCustomDropDown::Assign(Source);
  const auto* s = dynamic_cast<const TZadMultiColumnDropDown*>(&Source);
  if (!s) return;
  FCaseSensitive = s->FCaseSensitive;
  FDropDownAutoWidth = s->FDropDownAutoWidth;
  FDropDownRowHeight = s->FDropDownRowHeight;
  FLineColor = s->FLineColor;
  FFixedLineColor = s->FFixedLineColor;
  FColumnSizing = s->FColumnSizing;
  FColumnSizeWithDropDown = s->FColumnSizeWithDropDown;
  FColumns.Assign(s->FColumns);
  FHeaderColor = s->FHeaderColor;
  FHeaderColorTo = s->FHeaderColorTo;
  FHeaderHeight = s->FHeaderHeight;
  FHeaderFont = s->FHeaderFont;
  FHeaderFontColor = s->FHeaderFontColor;
  FLookupColumn = s->FLookupColumn;
  FSelectionTextColor = s->FSelectionTextColor;
  FItems.Assign(s->FItems);
  FItemIndex = s->FItemIndex;
}
