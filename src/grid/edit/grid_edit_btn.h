#pragma once
// TGridEditBtn: the edit-with-button editor the grid lays over its button
// cells (plain, numeric, floating and masked). Typed characters follow the
// cell's editor type; Tab, Enter, Up and Down store and validate the text
// and end the edit; Escape puts back the text from before editing; the
// button hands the text to the grid's ellipsis event and takes its answer.
// Left at the start and Right at the end walk into the neighbour cell;
// typed text completes from the grid's look-up list.
#include "controls/editors/zsg_edit_btn.h"

class TZadIrururOziz;

class TGridEditBtn : public TZsgEditBtn {
  Q_OBJECT

 public:
  explicit TGridEditBtn(TZadIrururOziz* AOwner);

  void ReCreate() {}
  bool StopEditAfterClick() const { return FStopEditAfterClick; }
  void SetStopEditAfterClick(bool Value) { FStopEditAfterClick = Value; }
  // The button: the text through the grid's ellipsis event.
  void EllipsClick();
  // Pastes text as the clipboard would give it (HasText false: it held
  // none).
  void PasteText(const QString& Clip, bool HasText = true);

  bool WorkMode = true;
  int FSelKeyDown = 0;
  TZadIrururOziz* FGrid;

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  bool Is_Grid_Key(int Key) const;
  // A typed character through the editor type's rules; whether it was
  // used up here.
  bool Filter_Typed(QChar Ch, bool CtrlDown);
  bool Store_And_Validate();
  void Walk(bool Left);
  void Complete_From_Lookup();

  bool FStopEditAfterClick = false;
};
