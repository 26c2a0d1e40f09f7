#pragma once
// TGridSpin: the spin editor the grid lays over its spin cells (integer,
// floating, date and time). Page Up/Down, Home and End change an integer or
// floating value within its limits; Tab, Enter, Up and Down store and
// validate the value and end the edit (a refused value stays in the editor),
// Escape puts back the text from before editing. The spin buttons step as
// usual and tell the grid. Leaving the control ends the edit.
#include "controls/editors/zsg_spin_edit.h"

class TZadIrururOziz;

class TGridSpin : public TZsgSpinEdit {
  Q_OBJECT

 public:
  explicit TGridSpin(TZadIrururOziz* AOwner);

  // Recreates the window: nothing to do for a Qt control.
  void ReCreate() {}
  void UpClick(QObject* Sender) override;
  void DownClick(QObject* Sender) override;

  TZadIrururOziz* FGrid;

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  // Page Up/Down, Home and End on an integer or floating value.
  void Page_Key(int Key);
  void End_Edit(int Key, Qt::KeyboardModifiers Shift);
  void Spin_Clicked(bool Up);
};
