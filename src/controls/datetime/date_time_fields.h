#pragma once
// The fields of a date-time picker's display format, in the picker's own
// notation: d dd (day), ddd dddd (day name), M MM (month), MMM MMMM (month
// name), y yy yyyy (year), h hh (12-hour), H HH (24-hour), m mm (minute),
// s ss (second), t tt (A/P, AM/PM), quoted 'literals'; anything else is a
// literal. Fields are shown, stepped with the arrow keys (wrapping within
// their range, the day clipped to the month) and typed into digit by digit.
#include <QChar>
#include <QDateTime>
#include <QString>
#include <vector>

#include "controls/format_settings.h"

enum class Dtp_Field_Kind { Literal, Day, Day_Name, Month, Month_Name, Year, Hour12, Hour24, Minute, Second, Am_Pm };

struct Dtp_Field {
  Dtp_Field_Kind Kind = Dtp_Field_Kind::Literal;
  int Letters = 1;  // how many letters the format gives it
  QString Literal;
  bool Editable() const { return Kind != Dtp_Field_Kind::Literal; }
};

std::vector<Dtp_Field> Parse_Dtp_Format(const QString& format);

// The format shown when the picker has none: the short date or the long
// time format of the settings, in the picker's notation.
QString Default_Dtp_Format(bool time_kind, const Format_Settings& settings = Process_Format_Settings());

// The text of one field, and of all.
QString Dtp_Field_Text(const Dtp_Field& field, const QDateTime& value,
                       const Format_Settings& settings = Process_Format_Settings());
struct Dtp_Span {
  int Start = 0;
  int Length = 0;
};
QString Dtp_Text(const std::vector<Dtp_Field>& fields, const QDateTime& value, std::vector<Dtp_Span>* spans = nullptr,
                 const Format_Settings& settings = Process_Format_Settings());

// One step of `field` (delta +1 or -1); years move within 1601..9999.
QDateTime Dtp_Step_Field(const QDateTime& value, Dtp_Field_Kind field, int delta);

// The digits typed into the current field so far.
struct Dtp_Typing {
  QString Digits;
  void Clear() { Digits.clear(); }
};

// Types `digit` into `field`: the value changes as soon as the digits make a
// valid entry (one or two year digits are a year of this century or the
// last); a digit that cannot continue the entry starts a new one. Answers
// whether the entry is complete (no further digit could extend it).
bool Dtp_Type_Digit(QDateTime& value, Dtp_Field_Kind field, QChar digit, Dtp_Typing& typing);

// Within [min, max] when min < max (both null or equal: no limit).
QDateTime Dtp_Clamp(const QDateTime& value, const QDateTime& min, const QDateTime& max);
