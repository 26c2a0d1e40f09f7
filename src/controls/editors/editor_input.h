#pragma once
// Key and sound helpers shared by the editor controls.
#include <QChar>

class QKeyEvent;

// The short warning sound of a refused key or step. Counted, so tests can
// see a beep without hearing it.
void Editor_Beep();
int Editor_Beep_Count();

// The character a key press types, as the edits filter it: the control
// character for Ctrl+letter, Backspace (8), Enter (13), Escape (27) and Tab
// (9); the text otherwise; no character (null) for keys that only move or
// delete.
QChar Typed_Char(const QKeyEvent* event);
