#pragma once
// The filter condition language of the grid, decided for one cell value.
//
// Expression: conditions joined by "&" (and) or ";", "^", "|" (or), strictly
// left to right without precedence ("A | B & C" is "(A or B) and C"); "(" ")"
// group. Blanks outside double quotes are dropped and a leading "=" is
// ignored. Whether a character is inside quotes is always the parity of the
// double quotes from the start of the text, the character itself included.
//
// Condition: ">", ">=", "<", "<=" compare with the operand that follows them
// (numbers, then dates in the short date format, then texts by character
// code); otherwise the whole condition is a wildcard pattern ("*" any run,
// "?" one character) and a "!" negates it. Operands are cut to 255
// characters. Nothing here raises: a malformed condition simply fails.
#include <QString>

namespace grid_filter {

// Days since 1899-12-30 plus the fraction of the day.
using TDateTime = double;

bool MatchFilterExpression(const QString& expression, const QString& value, bool caseSensitive);
bool MatchFilterCondition(const QString& condition, const QString& value, bool caseSensitive);
// Pattern and value already case-folded as the caller wants.
bool MatchConditionPattern(const QString& pattern, const QString& value);
// A date and an optional time ("h:n" or "h:n:s") in the order of the short
// date format's day, month and year, split at the current separators.
bool ParseDateByFormat(const QString& text, TDateTime& dateTime);
// Decimal separators become ".", thousand separators go.
QString NumberTextForConversion(const QString& text);
// Reading steps shared by the direct matcher and the compiled filter.
// Index of the ")" closing the "(" at index 0: the first ")" at which as many
// ")" as "(" have been seen; quotes do not count. -1 when it never closes.
int FilterGroupEnd(const QString& text);
QString WithoutBlanksOutsideQuotes(const QString& text);

// The longest operand a comparison reads.
inline constexpr int MaxOperandLength = 255;
// Groups nested deeper than this are not opened; such a group does not match.
inline constexpr int MaxGroupDepth = 100;

}  // namespace grid_filter
