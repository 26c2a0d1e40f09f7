#pragma once
// The value model of the drop-down edit, apart from the window: the text
// between prefix and suffix for each edit type, its conversions to and from
// numbers, the money grouping, and the character filter and paste rules that
// decide what typing does. Separators are the process's, read at each call.
// Positions are caret positions in the whole window text (prefix counted).
#include <QChar>
#include <QString>
#include <cstdint>

enum TDropDownEditType {
  etString,
  etNumeric,
  etFloat,
  etUppercase,
  etMixedCase,
  etLowerCase,
  etPassword,
  etMoney,
  etRange,
  etHex,
  etAlphaNumeric,
  etValidChars
};

struct Drop_Down_Value_Settings {
  TDropDownEditType EditType = etString;
  QString Prefix;
  QString Suffix;
  int Precision = 0;
  bool Signed = false;
  int LengthLimit = 0;
  QString ValidChars;
  bool AutoThousandSeparator = true;
};

// The window text with its caret and the other end of the selection.
struct Edit_State {
  QString Text;
  int Caret = 0;
  int Anchor = 0;

  int Sel_Start() const { return Caret < Anchor ? Caret : Anchor; }
  int Sel_End() const { return Caret < Anchor ? Anchor : Caret; }
  int Sel_Length() const { return Sel_End() - Sel_Start(); }
  QString Selected() const { return Text.mid(Sel_Start(), Sel_Length()); }
  void Set_Caret(int At) { Caret = Anchor = At; }
};

// Numbers as the formats "%g" (15 significant digits), "%.<p>f" and
// "%.<p>n" (with thousand separators) write them, with the process's
// separators. Precision is held to 0..18.
enum class Number_Format { General, Fixed, Grouped };
QString Format_Number(double Value, Number_Format Format, int Precision);

// The value: the prefix is taken off the front when the text starts with it,
// the suffix off the end when the text ends with it.
QString Value_Of(const Drop_Down_Value_Settings& S, const QString& WindowText);
// What a value written through Text becomes before prefix and suffix go round
// it: "0" for an empty number, Precision decimals, hex in upper case.
QString Value_To_Write(const Drop_Down_Value_Settings& S, const QString& Value);

// Thousand separators removed, then the process's number conversion; 0 for a
// text that does not convert.
double Text_To_Float(const QString& Text);
// The value as a number for its edit type (0 where it does not read).
double Float_Value(const Drop_Down_Value_Settings& S, const QString& Value);
// The value SetFloatValue / SetIntValue write; a null string for the types
// whose text is left alone.
QString Float_Text(const Drop_Down_Value_Settings& S, double Value);
QString Int_Text(const Drop_Down_Value_Settings& S, int64_t Value);

// The money value regrouped: sign, integer digits (with separators when
// AutoThousandSeparator) and the typed fraction; the caret moves by the
// change in length and the selection is cleared. The digits typed are kept
// as they are (no trip through a double). False when nothing changed.
bool Regroup_Money(const Drop_Down_Value_Settings& S, Edit_State& State);

// A thousand or decimal separator typed at caret C (0-based in V) would sit
// other than three digits after the last thousand separator.
bool Separator_Too_Close(const QString& V, int C);
// The caret is among Precision filled decimals.
bool Precision_Reached(int Precision, const QString& V, int C);
// Characters before the decimal separator, not counting thousand separators
// nor, for signed number types, the "-".
int Integer_Length(const Drop_Down_Value_Settings& S, const QString& V);

// What the character filter does with one typed character. Backspace is
// '\b'. The state may already have changed (a caret jump, a sign toggle);
// Pass asks for the character to be inserted over the selection the way the
// line edit does, then the After step.
struct Char_Outcome {
  enum class After { Nothing, Regroup, Mixed_Case };
  bool Pass = false;
  QChar Char;
  After Then = After::Nothing;
  int Mixed_Case_Caret = 0;  // where the caret goes after re-casing
  bool Modified = false;     // the edit counts as modified
};
struct Char_Keys {
  bool Ctrl = false;    // a Ctrl key is held
  bool Keypad = false;  // typed on the numeric keypad
  bool ExcelStyleDecimalSeparator = false;
};
Char_Outcome Filter_Char(const Drop_Down_Value_Settings& S, Edit_State& State, QChar Ch, Char_Keys Keys);

// Caret and selection held between prefix and suffix.
void Clamp_To_Value(const Drop_Down_Value_Settings& S, Edit_State& State);

// The line edit's own insertion (or Backspace) over the selection.
void Insert_At_Selection(Edit_State& State, const QString& Text);
void Backspace(Edit_State& State);
// The After step of a passed character.
void Finish_Char(const Drop_Down_Value_Settings& S, Edit_State& State, const Char_Outcome& Outcome);
// Filter_Char, the insertion and its After step in one (the model typing
// follows).
void Type_Char(const Drop_Down_Value_Settings& S, Edit_State& State, QChar Ch, Char_Keys Keys = {});

// A paste of Clip: the resulting value, whether the type lets it in, and the
// caret afterwards (unchanged when refused). MaxLength 0 for none.
struct Paste_Outcome {
  bool Accepted = false;
  QString Value;          // written through Text when accepted
  bool Reformat = false;  // SetFloatValue(GetFloatValue) after writing
  bool Select_All = false;
  int Sel_Start = 0, Sel_Length = 0;  // caret and selection otherwise
};
Paste_Outcome Paste_Text(const Drop_Down_Value_Settings& S, const Edit_State& State, const QString& Clip,
                         int MaxLength);
