#pragma once
// How a comparison reads one side: a number, a date of the short date format
// (which never counts as a number) or else a text. Shared by the direct
// matcher and its compiled form so both compare alike.
#include <QString>

namespace grid_filter {

struct Filter_Value {
  enum Kind { Text, Number, Date };
  Kind kind = Text;
  double number = 0;  // the number, or the date-time
  QString text;       // at most MaxOperandLength characters
};

Filter_Value Read_Filter_Value(const QString& text);
// <0, 0, >0 as value is below, equal to or above operand.
int Compare_Filter_Values(const Filter_Value& value, const Filter_Value& operand);
// The operand after a ">" or "<" at index start (just past the sign): an
// "=" right after the sign makes the test inclusive; leading blanks are
// skipped; the operand ends at a blank, at the end, at a closing double quote
// or, outside quotes, at "&" or "|". With blankInQuotes a single blank right
// after a character inside quotes belongs to the operand.
QString Read_Operand(const QString& pattern, int start, bool blankInQuotes, bool& inclusive);
// Whole-pattern wildcard match; '"' characters are skipped and any "!"
// inverts the answer.
bool Wildcard_Match(const QString& pattern, const QString& value);

}  // namespace grid_filter

namespace grid_filter {

// The pattern without its quotes and "!" marks; negate tells whether a "!"
// was there.
QString Glob_Pattern(const QString& pattern, bool& negate);
bool Glob_Match(const QChar* pattern, int patternLength, const QChar* value, int valueLength);

}  // namespace grid_filter
