#pragma once
// Key and sound helpers shared by the editor controls.
#include <QChar>

class QContextMenuEvent;
class QFocusEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

// The short warning sound of a refused key or step. Counted, so tests can
// see a beep without hearing it.
void Editor_Beep();
int Editor_Beep_Count();

// The character a key press types, as the edits filter it: the control
// character for Ctrl+letter, Backspace (8), Enter (13), Escape (27) and Tab
// (9); the text otherwise; no character (null) for keys that only move or
// delete.
QChar Typed_Char(const QKeyEvent* event);

// True for the key press of a paste or a cut, which the edits refuse while
// pasting is not allowed.
bool Is_Paste_Or_Cut(const QKeyEvent* event);

// Shows the edit's standard context menu, with Paste and Cut greyed out
// while pasting is not allowed.
void Exec_Edit_Context_Menu(QLineEdit* edit, const QContextMenuEvent* event, bool paste_allowed);

// After a press on a button part: the focus goes to the part's focus control
// (the edit it serves) when that can take it, else to the part itself when it
// is a tab stop.
void Focus_After_Button_Press(QWidget* focus_control, QWidget* part);

// Selection on entering an edit: with auto-select all of the text, unless
// the left mouse button is down (a click places the caret) and
// `select_under_mouse` is false; without it, a Tab or Backtab entry clears
// the selection.
void Select_On_Focus_In(QLineEdit* edit, const QFocusEvent* event, bool auto_select, bool select_under_mouse);
