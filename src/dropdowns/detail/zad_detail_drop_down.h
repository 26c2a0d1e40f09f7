#pragma once
// TZadDetailDropDown: a drop-down edit that picks one entry of a list whose
// rows show a picture, a caption and a line of notes; the edit shows the
// caption of the chosen entry. Typing completes the caption from the list,
// keys and the wheel move through the list with the popup open or closed,
// and letters typed within 500 ms look an entry up. A click in the list
// takes the entry and closes the popup; a key or the wheel only moves.
#include <QFont>
#include <QString>
#include <functional>

#include "controls/canvas.h"
#include "dropdowns/base/item_appearance.h"
#include "dropdowns/base/item_layout.h"
#include "dropdowns/base/type_ahead_text.h"
#include "dropdowns/base/type_completion.h"
#include "dropdowns/base/zad_custom_drop_down.h"
#include "dropdowns/detail/detail_items.h"

class TZadCustomItemSelector;

class TZadDetailDropDown : public TZadCustomDropDown {
 public:
  explicit TZadDetailDropDown(QWidget* AOwner = nullptr);
  ~TZadDetailDropDown() override;

  TDetailItems& Items() { return FItems; }
  const TDetailItems& Items() const { return FItems; }
  void SetItems(const TDetailItems& Value) { FItems.Assign(Value); }
  // The chosen entry, -1 for none. A new entry puts its caption into the
  // edit, all selected, and fires OnSelect; -1 clears the edit (no event);
  // other values change nothing.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();

  // Where the caption sits beside the picture; applied at the next opening.
  TItemLayout Layout() const { return FLayout; }
  void SetLayout(TItemLayout Value) { FLayout = Value; }
  TItemAppearance& ItemAppearance() { return FItemAppearance; }
  void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(Value); }
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value) { FItemHeight = Value; }
  QFont CaptionFont() const { return FCaptionFont; }
  void SetCaptionFont(const QFont& Value) { FCaptionFont = Value; }
  QFont NotesFont() const { return FNotesFont; }
  void SetNotesFont(const QFont& Value) { FNotesFont = Value; }
  // Completion compares captions case-sensitively.
  bool MatchCase() const { return FCompletion.MatchCase; }
  void SetMatchCase(bool Value) { FCompletion.MatchCase = Value; }

  // The popup's list; made with the popup.
  TZadCustomItemSelector* ItemSelector() const { return FItemSelector; }
  // The look-up text typed so far; its Clock can be replaced by tests.
  TypeAheadText& CurSearch() { return FCurSearch; }

  // A new entry was chosen.
  std::function<void(TZadDetailDropDown* Sender)> OnSelect;
  // Draws every list entry over its lit background instead of the control.
  std::function<void(TZadDetailDropDown* Sender, TCanvas& Canvas, const TRect& R)> OnDrawSelectedImage;

  void SetComponentStyle(TDUDStyle AStyle) override;
  void SetSelectionColorStyle(TSelectionColorStyle AStyle) override;
  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void DoShowDropDown() override;
  void AdaptDropDownSize() override;
  void DoHideDropDown(bool CancelChanges) override;
  void DoDropDownFormSizing() override;
  void DoDropDownFormDestroy() override;
  void MouseWheelDownAction() override;
  void MouseWheelUpAction() override;

 protected:
  void Finish_Construction() override;
  void HandleTextChange() override;
  void keyPressEvent(QKeyEvent* Event) override;
  void keyReleaseEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;

 private:
  void UpdateItemSelector();
  void CopyItemsToSelector();
  void SelectorItemSelect();
  void GetDetailItemSize(QSize& ASize) const;
  void DrawDetailItem(TCanvas& Canvas, const TRect& R, int Index);
  // The list keys of the edit; true when the key is spent.
  bool Handle_List_Key(int Key, Qt::KeyboardModifiers Shift);
  // Moves the list's selection to Index (when it has that item) as a key
  // does: the entry is taken, the popup stays.
  void Move_Selector_To(int Index);
  void List_Page(int Direction);
  // Brings the list up to the items and the choice while the popup is
  // closed.
  void Sync_Selector();
  // The entry's caption into the edit, all of it selected.
  void Show_Caption(int Index);

  TZadCustomItemSelector* FItemSelector = nullptr;
  TItemLayout FLayout = ilCaptionRight;
  TDetailItems FItems{this};
  int FItemIndex = -1;
  TItemAppearance FItemAppearance;
  bool FInternalCall = false;
  TypeAheadText FCurSearch;
  int FOldItemIndex = -1;
  // The edit's text when the popup opened, for a cancel with no entry then.
  QString FOpenText;
  int FItemHeight = 22;
  QFont FCaptionFont;
  QFont FNotesFont;
  TypeCompletion FCompletion;
  // A key is being typed into the edit: its change completes.
  bool FTyping = false;
  // The completed text is being written.
  bool FCompleting = false;
  bool FDestroying = false;
};
