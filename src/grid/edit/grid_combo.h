#pragma once
// TGridCombo: the combo editor the grid lays over its combo cells, editable
// (csDropDown) or a pick list (csDropDownList). Enter, Tab, Escape and the
// keys that leave the cell store, validate and end the edit by the list's
// state; Up and Down leave the cell unless the combo takes them
// (Navigation.ComboGetUpDown); typed text completes from the items, then
// from the grid's look-up list; the wheel steps through the items; the
// grid hears of every change of item.
#include <QPointer>

#include "controls/editors/zsg_combo_box.h"

class TZadIrururOziz;

class TGridCombo : public TZsgComboBox {
  Q_OBJECT

 public:
  explicit TGridCombo(TZadIrururOziz* AOwner);

  // Changing the style makes a new edit part, which the grid's key
  // handling follows.
  void SetStyle(TComboBoxStyle Value);
  void ReCreate() {}
  // The list's width for its widest item (Navigation.AutoComboDropSize).
  void SizeDropDownWidth();
  // Completes the text before the caret from the items, then from the
  // grid's look-up list.
  void DoAutoComplete();

  bool Forced = false;
  bool WorkMode = true;
  int ItemIdx = -1;
  bool ItemChange = false;
  TZadIrururOziz* FGrid;
  // Enter pressed in the combo.
  std::function<void(QObject* Sender)> OnReturnKey;

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void Hook_Parts();
  // The grid's handling of a key going down; false: the combo's own.
  bool Key_Down(int Key, Qt::KeyboardModifiers Shift);
  // The key-press stage of a typed character; false: the combo's own.
  bool Key_Press(QChar Ch);
  void Key_Up(int Key, Qt::KeyboardModifiers Shift);
  // Stores the text into the current cell and validates it; a refused
  // value comes back into the combo.
  bool Store_And_Validate(bool SelectAllRefused);
  void Take_Cell_Text();
  void Walk(bool Left);
  void Focus_Gained();
  void Exit_Edit();
  void Item_Changed(int Old);
  void Fire_Item_Events();

  // Weak: a new edit part may take the address of the old one.
  QPointer<QObject> FHookedEdit;
  QPointer<QObject> FHookedList;
  bool FForwarding = false;
  int FCaretKeyDown = 0;
  bool FSelectionKeyDown = false;
};
