#pragma once
// The rules of the in-place text editor that decide what a typed character,
// a paste or a look-up does to the editor's text, kept apart from the widget
// so they can be checked without a display.
//
// Positions are 0-based; a selection runs from Sel_Start over Sel_Length
// characters, and with no selection Sel_Start is the caret.
#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

#include "grid/store/grid_types.h"

namespace edit_filter {

struct Edit_State {
  QString Text;
  int Sel_Start = 0;
  int Sel_Length = 0;
  bool operator==(const Edit_State&) const = default;
};

struct Filter_Settings {
  TEditorType Editor = edNormal;
  int Length_Limit = 0;  // 0 or less: none
  QString Valid_Chars;
  std::vector<bool> Valid_Char_Set;  // by character code 0..255; used when Valid_Chars is empty
  bool Ctrl_Down = false;
  bool Line_Feed_On_Enter = false;
  // Ctrl+Enter may type a line break (AllowCtrlEnter on a word-wrapping or
  // multi-line grid).
  bool Ctrl_Enter_Allowed = false;
  // The editor keeps one line (password and masked cells): no line break is
  // typed, and a pasted text is cut before its first one.
  bool Single_Line = false;
  QChar Decimal_Separator = QLatin1Char('.');
  QChar Thousand_Separator = QLatin1Char(',');
};

enum class Char_Action {
  Insert,    // Char replaces the selection (Recase: then the whole text is re-cased)
  Pass,      // a control character the edit control handles itself
  New_Line,  // a line break (CR LF) is typed
  Drop,      // refused silently
  Beep       // refused with a beep
};

struct Char_Result {
  Char_Action Action = Char_Action::Drop;
  QChar Char;
  bool Recase = false;
};

// The text editor types: the types the default text editor opens for.
bool Is_Text_Editor(TEditorType editor);

// What typing ch does to the editor in state s.
Char_Result Filter_Char(QChar ch, const Edit_State& s, const Filter_Settings& f);
// The editor state after typing ch (unchanged when refused or passed on).
Edit_State Type_Char(QChar ch, const Edit_State& s, const Filter_Settings& f, Char_Result* result = nullptr);

struct Paste_Result {
  bool Taken = false;  // the paste changes the text
  Edit_State State;    // the editor after the paste (as before when not taken)
};
// Pasting clip: it must fit the length limit, a single trailing CR LF is
// dropped (a single-line editor takes the first line only), and the
// resulting text must suit the editor type.
Paste_Result Filter_Paste(const QString& clip, const Edit_State& s, const Filter_Settings& f);

// Completes the text typed before the caret from the first item it starts;
// the added tail is selected. False when nothing completes.
bool Lookup_Complete(const Edit_State& s, const QStringList& items, bool case_sensitive, Edit_State& out);

}  // namespace edit_filter
