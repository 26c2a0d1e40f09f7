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

#include "dropdowns/list/zad_list_drop_down.h"
#include "dropdowns/multicolumn/drop_down_columns.h"

class TCanvas;
namespace multi_column {
class TZadColGrid;
}

class TZadMultiColumnDropDown : public TZadListDropDown {
 public:
  explicit TZadMultiColumnDropDown(QWidget* AOwner = nullptr);
  ~TZadMultiColumnDropDown() override;

  multi_column::TDropDownItems& Items() { return FItems; }
  const multi_column::TDropDownItems& Items() const { return FItems; }
  void SetItems(const multi_column::TDropDownItems& Value) { FItems.Assign(Value); }
  // The first item whose lookup text is Value (exact); -1 when none.
  int GetItemIndex(const QString& Value) const;
  // The item's lookup text goes into the edit (empty for -1 or an item
  // without one; a negative LookupColumn keeps the text of an item); a
  // value past the items changes nothing, one below -1 counts as -1. No
  // event fires.
  void SetItemIndex(int Value) override;
  // An item's text in the lookup column (empty when it has none).
  using TZadListDropDown::Lookup_Text;

  // The first item whose lookup text starts with Text (per CaseSensitive);
  // nothing before the list exists.
  bool FindLookupMatch(const QString& Text, QString& Found, int& Index) const;
  // Type-ahead of the open list: Key joins the entry typed so far; answers
  // the item found or -1.
  int TypeAheadLookup(QChar Key);

  // Settings (the others are the list drop-downs' own).
  void SetHeaderFontColor(TColor Value) { FHeaderFontColor = Value; }

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
  void DoShowDropDown() override;
  void DoControlKeyDown(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoControlKeyUp(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoControlKeyPress(QChar& Key) override;

 protected:
  void SizeColumnsToWidth() override;
  const multi_column::TDropDownItems& List_Items() const override { return FItems; }
  QAbstractScrollArea* List_Widget() const override;
  // The popup as wide as the list's columns.
  int Fitted_List_Width() override;
  // The item of the opening (its text came back with the inherited close).
  void Restore_Opening() override;
  // The row the list confirmed.
  void Take_Confirmed_Row() override;

  void keyPressEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;

 private:
  // ItemIndex := the list's current item.
  void Take_List_Row();
  // Handlers of the open list.
  void GridSelectCell(int ARow);
  void GridSelect();
  void GridKeyDown(int Key);

  bool FShowing = false;
  multi_column::TDropDownItems FItems{this};
  multi_column::TZadColGrid* FZadColGrid = nullptr;
};
