#pragma once
// TZadListDropDown: what the list drop-downs (the grid drop-down and the
// multi-column drop-down) do alike: their columns and the header, line and
// selection settings they hand to their popup's list, the lookup texts and
// the completion while typing, the selection steps by key and wheel, the
// popup's whole-row height, its width fitted to the list and the columns
// stretched over it, and the colours of the styles. Where the two differ,
// List_Traits says how, or a virtual leaves it to the control.
#include <QFont>
#include <QStringList>
#include <vector>

#include "dropdowns/base/list_rows.h"
#include "dropdowns/base/type_completion.h"
#include "dropdowns/base/zad_custom_drop_down.h"
#include "dropdowns/list/drop_down_items.h"

class QKeyEvent;

namespace drop_down_list {

bool Is_Enter_Key(int Key);
// A key whose press types a character: with the popup open the character
// reaches the list's type-ahead, not the edit.
bool Types_Character(int Key);

}  // namespace drop_down_list

class TZadListDropDown : public TZadCustomDropDown {
 public:
  // What sets one list drop-down apart from the other.
  struct List_Traits {
    // The Office 2010 styles give header, line and selection colours (else
    // they leave them alone).
    bool Office2010_Styles = false;
    // A selection colour style sets the selection colour as well as the
    // line colours.
    bool Style_Sets_Selection_Color = false;
    // The popup's whole-row height: pixels below the header row and the
    // whole rows.
    int Row_Height_Margin = 2;
    // A step to the first or last item or by a page that stays on the
    // current item writes its text again (next and previous never do).
    bool Unmoved_Step_Writes = false;
    // After a completion taken on key release the caret stands where the
    // typing ended (else at the text's end); the completed part is selected
    // either way.
    bool Completion_Caret_At_Typed = false;
  };

  TZadListDropDown(QWidget* AOwner, const List_Traits& Traits);

  drop_down_list::TDropDownColumns& Columns() { return FColumns; }
  const drop_down_list::TDropDownColumns& Columns() const { return FColumns; }
  void SetColumns(const drop_down_list::TDropDownColumns& Value) { FColumns.Assign(Value); }
  // The item count.
  int RowCount() const { return List_Items().Count(); }

  // Selection. SetItemIndex writes the chosen item's lookup text; no event
  // fires.
  int ItemIndex() const { return FItemIndex; }
  virtual void SetItemIndex(int Value) = 0;
  void SelectFirstRow();
  void SelectLastRow();
  void SelectNextRow();
  void SelectPreviousRow();
  void SelectNextPage();
  void SelectPreviousPage();

  // Look-up.
  int LookupColumn() const { return FLookupColumn; }
  void SetLookupColumn(int Value) { FLookupColumn = Value; }
  QString LookupEntry() const { return FLookupEntry; }
  // The lookup texts of the items, in item order.
  const QStringList& LookupItems() const { return FLookupItems; }
  // Nothing without a lookup column or items.
  void RebuildLookupItems();
  // Nothing; EndUpdate rebuilds the lookup texts after the items changed.
  void BeginUpdate() {}
  void EndUpdate() { RebuildLookupItems(); }
  // After the settings of a stored form were applied: the edit's own
  // handling, then the lookup texts from the loaded items.
  void Loaded();
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
  bool MatchCase() const { return FCompletion.MatchCase; }
  void SetMatchCase(bool Value) { FCompletion.MatchCase = Value; }
  bool MatchStart() const { return FMatchStart; }
  void SetMatchStart(bool Value) { FMatchStart = Value; }
  // Auto-completion while typing is on (Backspace, Esc and Delete switch it
  // off for their key).
  bool WorkMode() const { return FCompletion.WorkMode(); }

  // Settings handed to the popup's list.
  bool ColumnSizing() const { return FColumnSizing; }
  void SetColumnSizing(bool Value) { FColumnSizing = Value; }
  bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
  void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
  bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
  void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
  int DropDownRowHeight() const { return FDropDownRowHeight; }
  void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
  QFont& HeaderFont() { return FHeaderFont; }
  void SetHeaderFont(const QFont& Value) { FHeaderFont = Value; }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  TColor HeaderFontColor() const { return FHeaderFontColor; }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { FLineColor = Value; }
  TColor FixedLineColor() const { return FFixedLineColor; }
  void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
  TColor SelectionTextColor() const { return FSelectionTextColor; }
  void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }

  void AdjustDropDownHeight(int& Height) override;
  void PlaceDropDownControl() override;
  void AdaptDropDownSize() override;
  void DoHideDropDown(bool CancelChanges) override;
  void DoDropDownFormSizing() override;
  void MouseWheelDownAction() override;
  void MouseWheelUpAction() override;
  void SetSelectionColorStyle(TSelectionColorStyle AStyle) override;
  void SetComponentStyle(TDUDStyle AStyle) override;

 protected:
  // The items the lookup texts and the steps read.
  virtual const drop_down_list::TDropDownCollection<drop_down_list::TDropDownItem>& List_Items() const = 0;
  // The popup's list; null until the popup is made.
  virtual QAbstractScrollArea* List_Widget() const = 0;
  // The popup's width for the list's columns (the list may take it first).
  virtual int Fitted_List_Width() = 0;
  // The rows the steps go through.
  virtual int Row_Total() const { return RowCount(); }
  // The columns share the popup's width (with ColumnSizeWithDropDown).
  virtual void SizeColumnsToWidth() = 0;
  // On a cancelled close: the item and text of the opening come back.
  virtual void Restore_Opening() = 0;
  // On a confirmed close: the list's row becomes the item.
  virtual void Take_Confirmed_Row() = 0;

  // An item's text in the lookup column (empty when it has none).
  QString Lookup_Text(int Index) const;
  // Writes the edit's text without completing it.
  void Write_Text(const QString& Value);
  // The edit's Enter with items: an exact entry (in any letter case) is
  // taken as that item.
  void Take_Exact_Entry();
  // The key goes to the edit (its text changes complete); Esc with items
  // then re-selects by the text, a text of no item keeping the text.
  void Type_Key(QKeyEvent* Event, bool Lookup);
  // The steps of Page Up, Page Down, Up and Down with the popup closed;
  // Home and End step with HomeEnd.
  void Step_By_Key(int Key, Qt::KeyboardModifiers Shift, bool HomeEnd);
  // The edit's key release; Enter stays with the popup when it is a Tab.
  void Release_Key(QKeyEvent* Event);
  // A completion the key release finished: the item's text in its own
  // letter case, the completed part selected.
  void Complete_On_Release();

  void Finish_Construction() override;
  void HandleTextChange() override;
  void keyReleaseEvent(QKeyEvent* Event) override;

  drop_down_list::TDropDownColumns FColumns{this};
  QFont FHeaderFont;
  bool FColumnSizing = false;
  int FLookupColumn = 0;
  TColor FHeaderColorTo = 0x808080;
  TColor FHeaderColor = 0xFFFFFF;
  TColor FHeaderFontColor = 0x000000;
  TColor FLineColor = 0xC0C0C0;
  TColor FFixedLineColor = clNone;
  int FItemIndex = -1;
  int FHeaderHeight = 25;
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
  // A text written by the control itself: no completion runs on it.
  bool FCompleting = false;
  // A key of the edit is being handled (only typing completes).
  bool FTyping = false;

 private:
  void Step(list_rows::Selection_Step Kind);

  const List_Traits FTraits;
};
