#include "dropdowns/multicolumn/zad_multi_column_drop_down.h"

#include <QKeyEvent>
#include <QPalette>
#include <algorithm>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/list/list_grid.h"
#include "dropdowns/multicolumn/multi_column_logic.h"
#include "dropdowns/multicolumn/zad_col_grid.h"

using namespace multi_column;
using drop_down_list::Is_Enter_Key;
using drop_down_list::Types_Character;

namespace {

// The multi-column drop-down's own: the Office 2010 styles colour it, its
// popup ends 2 pixels below the whole rows, and a jump that stays on the
// item writes its text again.
constexpr TZadListDropDown::List_Traits Multi_Column_Traits{
    .Office2010_Styles = true,
    .Style_Sets_Selection_Color = false,
    .Row_Height_Margin = 2,
    .Unmoved_Step_Writes = true,
    .Completion_Caret_At_Typed = false,
};

}  // namespace

TZadMultiColumnDropDown::TZadMultiColumnDropDown(QWidget* AOwner) : TZadListDropDown(AOwner, Multi_Column_Traits) {
  FLineColor = 0xF1EDEB;
  FFixedLineColor = 0xD1BBA4;
}

TZadMultiColumnDropDown::~TZadMultiColumnDropDown() = default;

// ---- items and selection ----

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

void TZadMultiColumnDropDown::keyPressEvent(QKeyEvent* Event) {
  const int key = Event->key();
  const Qt::KeyboardModifiers shift = Event->modifiers();
  const bool lookup = FItems.Count() > 0 && FLookupColumn >= 0;
  if (lookup) {
    FCompletion.KeyDown(key);
    if (Is_Enter_Key(key) && !DroppedDown()) Take_Exact_Entry();
  }
  Type_Key(Event, lookup);
  // The steps through the items; Home and End edit the text while the edit
  // takes typing.
  Step_By_Key(key, shift, !EditorEnabled());
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

QAbstractScrollArea* TZadMultiColumnDropDown::List_Widget() const { return FZadColGrid; }

int TZadMultiColumnDropDown::Fitted_List_Width() { return FZadColGrid->NeededWidth(); }

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

void TZadMultiColumnDropDown::SizeColumnsToWidth() {
  multi_column::TZadColGrid* g = FZadColGrid;
  if (!FColumnSizeWithDropDown || !g || !DropDownForm()) return;
  // The drop-down's columns share the list's width (the popup's inside),
  // less the scroll bar when not all rows fit.
  Stretch_Columns(*g, FColumns, [g] { return g->width() - g->Scroll_Bar_Room(); });
}

void TZadMultiColumnDropDown::Restore_Opening() {
  // The inherited close put the opening's text back; an opening without an
  // item keeps that text.
  if (FOldItemIndex >= 0)
    SetItemIndex(FOldItemIndex);
  else
    FItemIndex = -1;
}

void TZadMultiColumnDropDown::Take_Confirmed_Row() {
  if (FZadColGrid && FZadColGrid->ConfirmSelection()) Take_List_Row();
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

// ---- copying ----

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
