#pragma once
// The time picker's text: two-digit hours, minutes and (optionally)
// seconds between time separators, its edit mask, its reading and the field
// the caret stands in.
#include <QChar>
#include <QString>
#include <optional>

struct Time_Parts {
  int Hour = 0, Minute = 0, Second = 0;
};

// "hh<sep>mm" and, with seconds, "<sep>ss"; every part two digits.
QString FormatTime(int Hour, int Minute, int Second, bool ShowSeconds, QChar Separator);

// The stored edit mask: the first hour digit optional (a leading blank), the
// separators kept in the text, a blank for an empty position.
QString Time_Edit_Mask(bool ShowSeconds, QChar Separator);

// Reads a full time of the present format from the edit's value text: its
// trimmed length 5 (8 with seconds), exactly one (two) separators, each part
// at most two leading digits with blanks read as 0 and an empty part as 0.
// Nothing for anything else, nor for an hour above 23 or a minute or second
// above 59.
std::optional<Time_Parts> Parse_Time_Text(const QString& Text, bool ShowSeconds, QChar Separator);

enum class Time_Field { Hour, Minute, Second };

// The field of the value text the caret (0-based) stands in: before the
// first separator the hour; with seconds, at or after the second separator
// the second; else the minute.
Time_Field Field_At_Caret(const QString& Text, int Caret, bool ShowSeconds, QChar Separator);

// Value + Delta wrapped into 0..23 (hours) or 0..59.
int Step_Field(Time_Field Field, int Value, int Delta);
