#pragma once
// Reading numbers out of the text of a drop-down's edit. Separators are the
// process's number conventions, read at each call.
#include <QChar>
#include <QString>

QChar Thousand_Separator();
QChar Decimal_Separator();

// ",", "-" and ";" separate the parts of a range text.
bool Is_Range_Separator(QChar C);

// What a text holds, as a number.
enum TNumberKind {
  nkInteger = 0,  // digits with an optional leading "-"
  nkDecimal = 1,  // digits with separators ("," "." and the locale's)
  nkOther = 2,    // anything else, the empty text among them
  nkHex = 5,      // hexadecimal digits with at least one letter
};
TNumberKind Classify_Number_Text(const QString& Text);

QString Remove_Thousand_Separators(const QString& Text);

// 0..15 for a hexadecimal digit, 0 for any other character.
int Hex_Digit_Value(QChar C);
// The hexadecimal digits of Text without prefix; other characters count as 0
// digits; a leading "-" negates. Wraps at 32 bits.
int Hex_Text_To_Int(const QString& Text);

// Text as it is when CaseSensitive, else in the locale's upper case, so that
// captions compare without regard to case.
QString Match_Case_Text(const QString& Text, bool CaseSensitive);
