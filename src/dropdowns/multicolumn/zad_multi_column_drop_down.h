#pragma once
// TZadMultiColumnDropDown: a drop-down edit whose popup lists items in
// several columns under a header row. The lookup column's text of the chosen
// item is the one the edit shows. Typing completes the text from the lookup
// texts, the keys step through the items with the popup closed, characters
// typed in the open list look an item up, and the popup sizes itself to
// whole rows and to its columns.
#include <QFont>
#include <QStringList>
#include <functional>

#include "dropdowns/base/type_completion.h"
#include "dropdowns/base/zad_custom_drop_down.h"
#include "dropdowns/multicolumn/drop_down_columns.h"

class TCanvas;
namespace multi_column {
class TZadColGrid;
}

class TZadMultiColumnDropDown : public TZadCustomDropDown {
 public:
  explicit TZadMultiColumnDropDown(QWidget* AOwner = nullptr);
  ~TZadMultiColumnDropDown() override;

  multi_column::TDropDownItems& Items() { return FItems; }
  const multi_column::TDropDownItems& Items() const { return FItems; }
  void SetItems(const multi_column::TDropDownItems& Value) { FItems.Assign(Value); }
  multi_column::TDropDownColumns& Columns() { return FColumns; }
  const multi_column::TDropDownColumns& Columns() const { return FColumns; }
  void SetColumns(const multi_column::TDropDownColumns& Value) { FColumns.Assign(Value); }
  int RowCount() const { return FItems.Count(); }

  // A negative column switches the look-up off.
  int LookupColumn() const { return FLookupColumn; }
  void SetLookupColumn(int Value) { FLookupColumn = Value; }
  // Nothing; EndUpdate rebuilds the lookup texts after items changed.
  void BeginUpdate() {}
  void EndUpdate() { RebuildLookupItems(); }
  // The first item whose lookup text is Value (exact); -1 when none.
  int GetItemIndex(const QString& Value) const;
  int ItemIndex() const { return FItemIndex; }
  // The item's lookup text goes into the edit (empty for -1 or an item
  // without one); a value past the items changes nothing, one below -1
  // counts as -1. No event fires.
  void SetItemIndex(int Value);
  // An item's text in the lookup column (empty when it has none).
  QString Lookup_Text(int Index) const;

  void SelectFirstRow();
  void SelectLastRow();
  void SelectNextRow();
  void SelectPreviousRow();
  void SelectNextPage();
  void SelectPreviousPage();

  // The first item whose lookup text starts with Text (per CaseSensitive);
  // nothing before the list exists.
  bool FindLookupMatch(const QString& Text, QString& Found, int& Index) const;
  // Type-ahead of the open list: Key joins the entry typed so far; answers
  // the item found or -1.
  int TypeAheadLookup(QChar Key);
  QString LookupEntry() const { return FLookupEntry; }

  // Settings.
  bool ColumnSizing() const { return FColumnSizing; }
  void SetColumnSizing(bool Value) { FColumnSizing = Value; }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { FLineColor = Value; }
  TColor FixedLineColor() const { return FFixedLineColor; }
  void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
  QFont& HeaderFont() { return FHeaderFont; }
  void SetHeaderFont(const QFont& Value) { FHeaderFont = Value; }
  TColor HeaderFontColor() const { return FHeaderFontColor; }
  void SetHeaderFontColor(TColor Value) { FHeaderFontColor = Value; }
  bool MatchCase() const { return FCompletion.MatchCase; }
  void SetMatchCase(bool Value) { FCompletion.MatchCase = Value; }
  bool MatchStart() const { return FMatchStart; }
  void SetMatchStart(bool Value) { FMatchStart = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
  bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
  void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
  bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
  void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
  TColor SelectionTextColor() const { return FSelectionTextColor; }
  void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }
  int DropDownRowHeight() const { return FDropDownRowHeight; }
  void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
  // Auto-completion while typing is on (Backspace, Esc and Delete switch it
  // off for their key).
  bool WorkMode() const { return FCompletion.WorkMode(); }
  // The lookup texts of the items, in item order.
  const QStringList& LookupItems() const { return FLookupItems; }
  void RebuildLookupItems();
  // After the settings of a stored form were applied: the edit's own
  // handling, then the lookup texts from the loaded items.
  void Loaded() {
    TZadCustomDropDown::Loaded();
    RebuildLookupItems();
  }

  // The list; null until the popup is first made.
  multi_column::TZadColGrid* List() const { return FZadColGrid; }

  // Events. OnSelect: an item was chosen in the list.
  std::function<void(TZadCustomDropDown* Sender)> OnSelect;
  // Draws a list cell instead of the list.
  std::function<void(TZadCustomDropDown* Sender, int Column, int Row, TCanvas& ACanvas, const TRect& ARect)>
      OnDropDownDrawItem;
  // Stored only; the list never asks it.
  std::function<void(TZadCustomDropDown* Sender, int Column, int Row, QFont& Font, TColor& AColor, TColor& AColorTo)>
      OnDropDownGetItemProp;
  // The text a list cell shows.
  std::function<void(TZadCustomDropDown* Sender, int Column, int Row, QString& Text)> OnDropDownGetItemText;

  void Assign(const TZadCustomDropDown& Source) override;
  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void AdjustDropDownHeight(int& Height) override;
  void DoShowDropDown() override;
  void PlaceDropDownControl() override;
  void AdaptDropDownSize() override;
  void DoHideDropDown(bool CancelChanges) override;
  void DoDropDownFormSizing() override;
  void DoControlKeyDown(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoControlKeyUp(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoControlKeyPress(QChar& Key) override;
  void MouseWheelDownAction() override;
  void MouseWheelUpAction() override;
  void SetSelectionColorStyle(TSelectionColorStyle AStyle) override;
  void SetComponentStyle(TDUDStyle AStyle) override;

 protected:
  void Finish_Construction() override;
  void HandleTextChange() override;
  void keyPressEvent(QKeyEvent* Event) override;
  void keyReleaseEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;

 private:
  void Step(int Kind);
  // The columns share the popup's width (with ColumnSizeWithDropDown).
  void SizeColumnsToWidth();
  // ItemIndex := the list's current item.
  void Take_List_Row();
  // Handlers of the open list.
  void GridSelectCell(int ARow);
  void GridSelect();
  void GridKeyDown(int Key);

  bool FShowing = false;
  bool FColumnSizing = false;
  int FLookupColumn = 0;
  TColor FHeaderColorTo = 0x808080;
  TColor FHeaderColor = 0xFFFFFF;
  TColor FLineColor = 0xF1EDEB;
  multi_column::TDropDownItems FItems{this};
  multi_column::TDropDownColumns FColumns{this};
  int FItemIndex = -1;
  int FHeaderHeight = 25;
  QFont FHeaderFont;
  TColor FHeaderFontColor = 0x000000;
  multi_column::TZadColGrid* FZadColGrid = nullptr;
  TColor FFixedLineColor = 0xD1BBA4;
  // Completion while typing; its reference for the modified flag is the
  // text at focus entry.
  TypeCompletion FCompletion;
  QStringList FLookupItems;
  bool FMatchStart = true;
  int FOldItemIndex = -1;
  bool FDropDownAutoWidth = true;
  bool FColumnSizeWithDropDown = true;
  TColor FSelectionTextColor = 0x000000;
  int FDropDownRowHeight = 22;
  QString FLookupEntry;
  bool FCaseSensitive = false;
  // The change handling is writing the completed text.
  bool FCompleting = false;
  // A key of the edit is being handled: its text changes complete.
  bool FTyping = false;
};
