#pragma once
// Key and focus rules every in-place editor of the string grid follows the
// same way: which Tab it keeps for itself, Backtab read as Shift+Tab, and
// which focus loss ends the edit.
#include <QFocusEvent>
#include <QKeyEvent>

// A Tab or Backtab press the editor handles itself instead of letting Qt
// move the focus on; Keep answers whether the grid wants Tab at all. It is
// asked only for such a press: other events also reach an editor while its
// grid is being destroyed, when the grid can no longer be asked.
template <class Keep_Tab>
bool Is_Kept_Tab_Press(const QEvent* e, Keep_Tab Keep) {
  if (e->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(e)->key();
  return (key == Qt::Key_Tab || key == Qt::Key_Backtab) && Keep();
}

// Backtab arrives as a key of its own; the editors treat it as Shift+Tab.
inline void Fold_Backtab(int& Key, Qt::KeyboardModifiers& Shift) {
  if (Key != Qt::Key_Backtab) return;
  Key = Qt::Key_Tab;
  Shift |= Qt::ShiftModifier;
}

// A popup or another window taking the focus leaves the edit open; any
// other focus loss ends it.
inline bool Ends_Edit(const QFocusEvent* e) {
  return e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason;
}
