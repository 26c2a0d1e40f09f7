#pragma once
// The character and paste rules of the grid's button editors: the numeric
// and floating kinds follow the text editor's numeric and floating rules,
// every other kind takes any character.
#include <QLineEdit>

#include "controls/format_settings.h"
#include "grid/edit/edit_char_filter.h"

namespace edit_filter {

// The text editor type whose rules a button editor type follows.
inline TEditorType Button_Filter_Type(TEditorType editor) {
  switch (editor) {
    case edNumericEditBtn:
    case edNumericUnitEditBtn:
      return edNumeric;
    case edFloatEditBtn:
    case edFloatUnitEditBtn:
      return edFloat;
    default:
      return edNormal;
  }
}

inline Filter_Settings Button_Filter(TEditorType editor, const QLineEdit& edit, bool ctrl_down) {
  Filter_Settings f;
  f.Editor = Button_Filter_Type(editor);
  f.Length_Limit = edit.maxLength();
  f.Ctrl_Down = ctrl_down;
  f.Single_Line = true;
  const Format_Settings& seps = Process_Format_Settings();
  f.Decimal_Separator = seps.Decimal_Separator;
  f.Thousand_Separator = seps.Thousand_Separator;
  return f;
}

inline Edit_State Line_Edit_State(const QLineEdit& edit) {
  if (edit.hasSelectedText()) return {edit.text(), edit.selectionStart(), int(edit.selectedText().size())};
  return {edit.text(), edit.cursorPosition(), 0};
}

}  // namespace edit_filter
