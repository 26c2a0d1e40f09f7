#include "dropdowns/griddropdown/zad_grid_drop_down.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/griddropdown/grid_drop_down_logic.h"
#include "dropdowns/list/list_grid.h"

using namespace grid_drop_down;
using drop_down_list::Is_Enter_Key;
using drop_down_list::Types_Character;

namespace {

// The grid drop-down's own: whole rows of the popup's height and a step at
// the current row that writes nothing.
constexpr TZadListDropDown::List_Traits Grid_Traits{
    .Office2010_Styles = false,
    .Style_Sets_Selection_Color = true,
    .Row_Height_Margin = 6,
    .Unmoved_Step_Writes = false,
    .Completion_Caret_At_Typed = true,
};

// The keys that move through the rows (Page Up .. Down).
bool Is_Navigation_Key(int Key) {
  switch (Key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
      return true;
    default:
      return false;
  }
}

// The six keys the open grid keeps.
bool Is_Grid_Step_Key(int Key) { return Is_Navigation_Key(Key) && Key != Qt::Key_Left && Key != Qt::Key_Right; }

// Text without leading and trailing blanks and control characters.
QString Trim_Entry(const QString& Text) {
  int from = 0, to = int(Text.size());
  while (from < to && Text[from].unicode() <= 32) ++from;
  while (to > from && Text[to - 1].unicode() <= 32) --to;
  return Text.mid(from, to - from);
}

}  // namespace

TCustomZadGridDropDown::TCustomZadGridDropDown(QWidget* AOwner) : TZadListDropDown(AOwner, Grid_Traits) {
  FItems = new TDropDownItems(this);
  FNavigation.SetHomeEndKey(heFirstLastRow);
}

TCustomZadGridDropDown::~TCustomZadGridDropDown() { delete FItems; }

TDropDownItems* TCustomZadGridDropDown::CreateItems(void* AOwner) { return new TDropDownItems(AOwner); }

void TCustomZadGridDropDown::Finish_Construction() {
  // The items through the virtual creator, now that it is this class's.
  if (TDropDownItems* made = CreateItems(this); made && made != FItems) {
    made->Assign(*FItems);
    delete FItems;
    FItems = made;
  }
  TZadListDropDown::Finish_Construction();
}

uint32_t TCustomZadGridDropDown::GetVersionNr() const { return 0x01000300u; }

void TCustomZadGridDropDown::SetStyle(TDropDownStyle Value) {
  FStyle = Value;
  SetEditorEnabled(Value == dsDropDown);
}

void TCustomZadGridDropDown::SetGridImages(QList<QImage>* Value) {
  FGridImages = Value;
  if (FZadColGrid) FZadColGrid->SetGridImages(Value);
}

// ---- rows and selection ----

int TCustomZadGridDropDown::Row_Total() const {
  if (FUseItems) return FItems->Count();
  return FZadColGrid ? std::max(FZadColGrid->RowCount() - FZadColGrid->FixedRows(), 0) : 0;
}

void TCustomZadGridDropDown::SetItemIndex(int Value) {
  Value = std::max(Value, -1);
  if (FUseItems) {
    if (Value >= FItems->Count()) return;
    FItemIndex = Value;
    Write_Text(Value >= 0 && FLookupColumn >= 0 ? Lookup_Text(Value) : QString());
    return;
  }
  if (!FZadColGrid) {
    FItemIndex = Value;
    return;
  }
  const int fixed = FZadColGrid->FixedRows();
  if (Value == FItemIndex || Value + fixed >= FZadColGrid->RowCount()) return;
  FItemIndex = Value;
  Write_Text(Value < 0 || FLookupColumn < 0 ? QString() : FZadColGrid->GetCellEx(FLookupColumn, Value + fixed));
}

int TCustomZadGridDropDown::ItemOfRow(int Row) {
  if (FZadColGrid && Row >= 0 && Row < FZadColGrid->RowCount()) return FZadColGrid->Row_Item(Row);
  return Row;
}

int TCustomZadGridDropDown::RowOfItem(int Index) {
  if (Index < 0 || !FZadColGrid) return FItemIndex;
  for (int r = FZadColGrid->FixedRows(); r < FZadColGrid->RowCount(); ++r)
    if (FZadColGrid->Row_Item(r) == Index) return r;
  return FItemIndex;
}

void TCustomZadGridDropDown::Loaded() {
  TZadListDropDown::Loaded();
  if (FZadColGrid) FZadColGrid->FillGridFromItems();
}

// ---- look-up ----

bool TCustomZadGridDropDown::FindLookupMatch(const QString& Text, QString& MatchText, int& Row) {
  Row = -1;
  MatchText.clear();
  if (Text.isEmpty()) return false;
  if (FUseItems && FItems->Count() > 0) {
    QStringList texts;
    texts.reserve(FItems->Count());
    for (int i = 0; i < FItems->Count(); ++i) texts.append(Lookup_Text(i));
    const int found = Find_Prefix(texts, Text, FCaseSensitive);
    if (found < 0) return false;
    MatchText = texts[found];
    Row = found;
    return true;
  }
  if (!FZadColGrid || FLookupColumn < 0) return false;
  const QString wanted = Match_Case_Text(Text, FCaseSensitive);
  for (int r = FZadColGrid->FixedRows(); r < FZadColGrid->RowCount(); ++r) {
    const QString cell = FZadColGrid->GetCellEx(FLookupColumn, r);
    if (!Match_Case_Text(cell, FCaseSensitive).startsWith(wanted)) continue;
    MatchText = cell;
    Row = r;
    return true;
  }
  return false;
}

void TCustomZadGridDropDown::Select_Typed_Tail(int Typed) {
  const int length = int(text().size());
  Typed = std::min(Typed, length);
  setSelection(length, Typed - length);
}

int TCustomZadGridDropDown::TypeAheadLookup(QChar Key) {
  if (FLookupMethod == lmNone) return -1;
  if (Key == QLatin1Char('\b')) {
    if (hasSelectedText()) {
      // Just the selection goes.
      QString t = text();
      t.remove(selectionStart(), selectedText().size());
      Write_Text(t);
    } else {
      FLookupEntry.chop(1);
      Write_Text(FLookupEntry);
    }
    setCursorPosition(int(text().size()));
    return -1;
  }
  if (Key != QLatin1Char('\t')) FLookupEntry += Key;
  const QString entry = Trim_Entry(FLookupEntry);
  // Rows found without items count from the grid's first data row.
  const int data_offset = FUseItems || !FZadColGrid ? 0 : FZadColGrid->FixedRows();
  if (FLookupMethod == lmNarrowDown) {
    if (!FZadColGrid) return -1;
    if (entry.isEmpty()) {
      FZadColGrid->RemoveAllFilters();
    } else {
      FZadColGrid->SetFixedRowAlways(true);
      FZadColGrid->NarrowDown(entry, FLookupColumn);
      if (FStyle == dsDropDown && FZadColGrid->RowCount() > FZadColGrid->FixedRows() && FLookupColumn >= 0) {
        Write_Text(FZadColGrid->GetCellEx(FLookupColumn, FZadColGrid->FixedRows()));
        Select_Typed_Tail(int(FLookupEntry.size()));
      }
    }
    return FZadColGrid->FixedRows();
  }
  QString match;
  int row = -1;
  if (FindLookupMatch(entry, match, row)) {
    FItemIndex = row - data_offset;
    Write_Text(match);
    if (FStyle == dsDropDown) Select_Typed_Tail(int(FLookupEntry.size()));
    return row;
  }
  if (FStyle != dsDropDownList) return -1;
  if (FindLookupMatch(QString(Key), match, row)) {
    FItemIndex = row - data_offset;
    Write_Text(match);
    FLookupEntry = QString(Key);
    return row;
  }
  FLookupEntry.clear();
  return -1;
}

// ---- keys and typing of the edit ----

void TCustomZadGridDropDown::focusInEvent(QFocusEvent* Event) {
  TZadCustomDropDown::focusInEvent(Event);
  // The modified check compares with the text the edit had on entry.
  FCompletion.SetOldValue(text());
  if (FZadColGrid && !DroppedDown()) FZadColGrid->RemoveAllFilters();
  FLookupEntry.clear();
}

void TCustomZadGridDropDown::keyPressEvent(QKeyEvent* Event) {
  const int key = Event->key();
  const Qt::KeyboardModifiers shift = Event->modifiers();
  TZadColGrid* g = FZadColGrid;
  if (g && Is_Enter_Key(key)) g->SetConfirmSelection(true);
  // Enter while a cell of the open grid is edited ends that edit and takes
  // its row.
  if (g && Is_Enter_Key(key) && !(shift & Qt::ShiftModifier) && (g->Options() & goEditing) && g->EditMode()) {
    g->HideInplaceEdit();
    if (FLookupColumn >= 0) Write_Text(g->GetCellEx(FLookupColumn, g->Row()));
    SetItemIndex(g->Row() - g->FixedRows());
    Event->accept();
    return;
  }
  const bool lookup = FLookupColumn >= 0 && FItems->Count() > 0;
  if (lookup) {
    FCompletion.KeyDown(key);
    if (Is_Enter_Key(key)) {
      Take_Exact_Entry();
      if (ReturnIsTab()) {
        Event->accept();
        QKeyEvent* tab = new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::postEvent(this, tab);
        return;
      }
    }
  }
  if (key == Qt::Key_Escape || Is_Navigation_Key(key)) FLookupEntry.clear();
  Type_Key(Event, lookup);
  // The typed character looks a row up.
  const QString typed = Event->text();
  if (typed.size() == 1 && (typed[0].isPrint() || typed[0] == QLatin1Char('\b')) &&
      !(shift & (Qt::ControlModifier | Qt::AltModifier))) {
    TypeAheadLookup(typed[0]);
    if (FAutoShowDropDown && !DroppedDown()) ShowDropDown();
    // A key typed into the edit while the popup is open: the grid shows the
    // row it found.
    if (DroppedDown()) Show_Item_Row();
  }
  // The steps through the rows; Home and End edit the text unless the
  // edit takes no free text.
  Step_By_Key(key, shift, !(shift & Qt::ShiftModifier) && FStyle == dsDropDownList);
}

void TCustomZadGridDropDown::keyReleaseEvent(QKeyEvent* Event) {
  const int key = Event->key();
  Release_Key(Event);
  TZadColGrid* g = FZadColGrid;
  if (g && Is_Enter_Key(key) && !(Event->modifiers() & Qt::ShiftModifier) && (g->Options() & goEditing) &&
      g->EditMode()) {
    if (g->Col() == FLookupColumn)
      HideDropDown(false);
    else
      g->HideInplaceEdit();
  }
  Complete_On_Release();
}

// ---- the popup ----

void TCustomZadGridDropDown::Show_Item_Row() {
  TZadColGrid* g = FZadColGrid;
  if (!g || FLookupMethod != lmLookup || FItemIndex < 0) return;
  const int row = FUseItems ? RowOfItem(FItemIndex) : FItemIndex + g->FixedRows();
  if (row < g->FixedRows() || row >= g->RowCount() || row == g->Row()) return;
  // The edit already shows the row's text and the look-up's selection.
  FPreparing = true;
  g->FocusCell(0, row);
  FPreparing = false;
  FSelRow = row;
}

void TCustomZadGridDropDown::CreateDropDownForm() {
  TZadCustomDropDown::CreateDropDownForm();
  if (!DropDownForm()) return;
  if (!FZadColGrid) {
    FZadColGrid = new TZadColGrid(DropDownForm());
    FZadColGrid->OnSelect = [this](TZadColGrid*) { GridSelect(); };
    FZadColGrid->OnCellSelected = [this](int, int ARow) { GridSelectCell(ARow); };
    SetFocusControl(FZadColGrid);
  }
  FZadColGrid->SetDropDown(this);
  FZadColGrid->setGeometry(0, 0, FZadColGrid->width(), 180);
  FZadColGrid->SetColor(DropDownColor());
  FZadColGrid->Navigation().SetHomeEndKey(heFirstLastRow);
}

void TCustomZadGridDropDown::DoBeforeDropDown() {
  TZadColGrid* g = FZadColGrid;
  if (DropDownForm()) DropDownForm()->SetCancelOnDeActivate(false);
  if (!g) {
    TZadCustomDropDown::DoBeforeDropDown();
    FOldItemIndex = FItemIndex;
    return;
  }
  FPreparing = true;
  g->ApplyDropDownSettings(this);
  g->SetColor(DropDownColor());
  TSortSettings& sort = g->SortSettings();
  sort.Show = FSorting == gsSingleColumn || FSorting == gsMultiColumn;
  sort.IndexShow = FSorting == gsMultiColumn;
  FBalloonInit = false;
  Connect_Grid_Events();
  g->SearchFooter().Assign(FSearchFooter);
  g->MouseActions().Assign(FMouseActions);
  g->Navigation().Assign(FNavigation);
  g->Bands().Assign(FBands);
  TGridOptions options = g->Options() | goThumbTracking;
  options = FRowSelect ? (options | goRowSelect) : (options & ~goRowSelect);
  options = FGridEditable ? (options | goEditing) : (options & ~goEditing);
  g->SetOptions(options);
  g->SetGridImages(FGridImages);
  g->SetComponentStyle(GetComponentStyle());
  if (FUseItems) {
    TZadCustomDropDown::DoBeforeDropDown();
    g->SetRowCount(FItems->Count() + 1);
    g->SetFixedRows(1);
    g->FillGridFromItems();
    // Row heights follow each row's own item.
    g->UpdateRowHeights();
    const int r = RowOfItem(FItemIndex);
    if (r >= g->FixedRows() && r < g->RowCount()) g->SetRow(r);
  } else {
    QString match;
    int row = -1;
    if (FindLookupMatch(Text(), match, row))
      g->SetRow(row);
    else if (g->RowCount() > g->FixedRows())
      g->SetRow(g->FixedRows());
  }
  if (sort.Column >= 0 && sort.Show) {
    g->QSort();
    // The chosen item's row after sorting.
    const int r = RowOfItem(FItemIndex);
    if (FUseItems && FItemIndex >= 0 && r >= g->FixedRows() && r < g->RowCount()) g->SetRow(r);
  }
  FOldItemIndex = FItemIndex;
  FOpenText = text();
  FPreparing = false;
  if (!FUseItems) TZadCustomDropDown::DoBeforeDropDown();
}

int TCustomZadGridDropDown::Fitted_List_Width() {
  FZadColGrid->resize(FZadColGrid->NeededWidth(), FZadColGrid->height());
  return FZadColGrid->width();
}

void TCustomZadGridDropDown::DoShowDropDown() {
  TZadCustomDropDown::DoShowDropDown();
  TZadColGrid* g = FZadColGrid;
  if (!g) return;
  if (!FUseItems)
    while (FColumns.Count() < g->ColCount()) FColumns.Add();
  if (!DroppedDown()) return;
  SizeColumnsToWidth();
  if (g->VisibleRowCount() + g->FixedRows() < g->RowCount()) {
    const int row = g->Row();
    if (row >= g->TopRow() + g->VisibleRowCount() || row < g->TopRow()) g->SetTopRow(row);
  }
  FSelRow = g->Row();
  g->setFocusPolicy(Qt::StrongFocus);
  g->setFocus();
}

void TCustomZadGridDropDown::SizeColumnsToWidth() {
  TZadColGrid* g = FZadColGrid;
  if (!FColumnSizeWithDropDown || !g || !DropDownForm()) return;
  // The inner grid's columns share its inside, less the scroll bar when not
  // all rows fit.
  Stretch_Columns(*g, g->Columns(), [g] {
    int available = g->width() - 2 * g->frameWidth();
    if (g->VisibleRowCount() + g->FixedRows() < g->RowCount())
      available -= g->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return available;
  });
}

void TCustomZadGridDropDown::Restore_Opening() {
  if (FOldItemIndex >= 0) {
    // Forces the write: without items an unchanged index writes nothing.
    FItemIndex = -2;
    SetItemIndex(FOldItemIndex);
  } else {
    FItemIndex = -1;
    Write_Text(FOpenText);
  }
}

void TCustomZadGridDropDown::Take_Confirmed_Row() {
  TZadColGrid* g = FZadColGrid;
  if (!g || !g->ConfirmSelection()) return;
  if (g->RowCount() > g->FixedRows() && FSelRow >= g->FixedRows())
    SetItemIndex(FUseItems ? ItemOfRow(FSelRow) : FSelRow - g->FixedRows());
  g->SetConfirmSelection(false);
}

void TCustomZadGridDropDown::GridSelectCell(int ARow) {
  TZadColGrid* g = FZadColGrid;
  if (!g || FPreparing) return;
  FSelRow = ARow;
  if (g->MouseWheelSelection() || ARow < g->FixedRows()) return;
  if (FUseItems) {
    SetItemIndex(ItemOfRow(ARow));
  } else {
    if (FLookupColumn >= 0) Write_Text(g->GetCellEx(FLookupColumn, ARow));
    FItemIndex = ARow - g->FixedRows();
  }
}

void TCustomZadGridDropDown::GridSelect() {
  TZadColGrid* g = FZadColGrid;
  if (g && g->ConfirmSelection() && g->Row() >= g->FixedRows()) {
    FSelRow = g->Row();
    SetItemIndex(FUseItems ? ItemOfRow(g->Row()) : g->Row() - g->FixedRows());
  }
  if (!FGridEditable) DoHideDropDown(false);
  if (OnSelect) OnSelect(this);
}

// ---- keys of the open grid ----

void TCustomZadGridDropDown::DoControlKeyDown(int& Key, Qt::KeyboardModifiers Shift) {
  const bool alt = Shift & Qt::AltModifier;
  // The grid moves its row, takes Enter itself and hands typed characters
  // to the type-ahead.
  const bool stays = !alt && (Is_Grid_Step_Key(Key) || Is_Enter_Key(Key) || Types_Character(Key) ||
                              Key == Qt::Key_Left || Key == Qt::Key_Right);
  if (!stays) TZadCustomDropDown::DoControlKeyDown(Key, Shift);
  if (OnGridKeyDown) OnGridKeyDown(this, Key, Shift);
}

void TCustomZadGridDropDown::DoControlKeyUp(int& Key, Qt::KeyboardModifiers Shift) {
  const bool alt = Shift & Qt::AltModifier;
  if (!alt && Is_Grid_Step_Key(Key))
    FLookupEntry.clear();
  else if (alt || !(Types_Character(Key) || Is_Enter_Key(Key) || Key == Qt::Key_Left || Key == Qt::Key_Right))
    TZadCustomDropDown::DoControlKeyUp(Key, Shift);
  if (OnGridKeyUp) OnGridKeyUp(this, Key, Shift);
}

void TCustomZadGridDropDown::DoControlKeyPress(QChar& Key) {
  TZadColGrid* g = FZadColGrid;
  if (!g) return;
  const bool ends = Key == QLatin1Char('\r') || Key == QLatin1Char('\n') || Key == QChar(27);
  if (ends || (g->Options() & goEditing)) {
    FLookupEntry.clear();
  } else {
    int r = TypeAheadLookup(Key);
    // An item found shows in the row RowOfItem gives (the grid may be
    // sorted); narrowing down leaves the first data row.
    if (r >= 0 && FUseItems && FLookupMethod == lmLookup) r = RowOfItem(r);
    if (r < g->FixedRows() || r >= g->RowCount()) {
      if (Key != QLatin1Char('\b')) FLookupEntry.clear();
    } else {
      if (g->VisibleRowCount() + g->FixedRows() < g->RowCount() &&
          (r < g->TopRow() || r >= g->TopRow() + g->VisibleRowCount()))
        g->SetTopRow(r);
      // The grid's move writes the row's text again; the look-up's
      // selection stays.
      const int start = selectionStart(), length = int(selectedText().size());
      const QString shown = text();
      g->SetConfirmSelection(true);
      g->FocusCell(0, r);
      if (text() != shown) Write_Text(shown);
      if (length > 0) setSelection(start, length);
      g->RepaintRow(r);
    }
  }
  if (OnGridKeyPress) OnGridKeyPress(this, Key);
}
