#pragma once
// Which typed characters the spin edit accepts: separators, digits and '-'
// only where a value of its kind can hold them, at most `Precision` typed
// decimals, and only control characters (but Backspace) when typing is off.
// Enter never passes: the edit beeps on it.
#include <QChar>
#include <QString>

#include "controls/editor_logic/spin_value.h"
#include "controls/format_settings.h"

struct Spin_Char_Input {
  QChar Key;
  TZsgSpinType SpinType = sptNormal;
  QString Text;
  // Start of the selection, or the caret when nothing is selected (0-based).
  int SelStart = 0;
  QString SelText;
  int Precision = 0;
  bool EditorEnabled = true;
};

bool Spin_Is_Valid_Char(const Spin_Char_Input& input, const Format_Settings& settings);
