#pragma once
// The value rules of the spin edit, apart from the widget: reading a value of
// each kind from the text (never raising: each kind has its fallback),
// clamping, formatting, and the steps of the buttons and arrow keys.
#include <QChar>
#include <QString>

#include "controls/editor_logic/date_time_value.h"
#include "controls/format_settings.h"

enum TZsgSpinType { sptNormal, sptFloat, sptDate, sptTime };

// Both limits equal: no limit. Otherwise a value at or beyond a limit
// becomes that limit.
template <typename T>
T Spin_Clamp(T value, T lower, T upper) {
  if (lower == upper) return value;
  if (value <= lower) return lower;
  if (value >= upper) return upper;
  return value;
}

// Whole number in decimal, or hexadecimal after "$" or "0x", with an
// optional sign; false when it is none or leaves 32 bits.
bool Try_Spin_Int(const QString& text, int& value);

// Empty text reads 0, unreadable text `min_value`.
int Spin_Read_Int(const QString& text, int min_value);
// Unreadable text reads `min_float`.
double Spin_Read_Float(const QString& text, double min_float, const Format_Settings& settings);
// "0" or empty reads `now`; unreadable text `min_date`.
TDateTime Spin_Read_Date(const QString& text, TDateTime min_date, TDateTime now, const Format_Settings& settings);
// Unreadable text reads 0 (midnight).
TDateTime Spin_Read_Time(const QString& text, const Format_Settings& settings);

// 15 significant digits: "general" is the shortest form (exponent form for
// very large and very small values), "fixed" has `decimals` decimals (the
// general form when the whole part needs more than 15 digits).
QString Float_To_Str_General(double value, QChar decimal_separator);
QString Float_To_Str_Fixed(double value, int decimals, QChar decimal_separator);
// `precision` 0: general form.
QString Spin_Format_Float(double value, int precision, const Format_Settings& settings);
QString Spin_Format_Date(TDateTime value, const Format_Settings& settings);
// The time of day only: the long time format with seconds, else "h:nn".
QString Spin_Format_Time(TDateTime value, bool show_seconds, const Format_Settings& settings);

// value + increment (up) or - increment, held at the ends of the int range.
int Spin_Step_Int(int value, int increment, bool up);

enum class Spin_Date_Field { Day, Month, Year };
enum class Spin_Time_Field { Hours, Minutes, Seconds };

// The field under the caret (0-based): the separators split the text in
// three. The order of day and month follows the short date format; `month_first`
// answers whether the month comes first there.
Spin_Date_Field Spin_Date_Field_At(const QString& text, int caret, const Format_Settings& settings,
                                   bool* month_first = nullptr);
Spin_Time_Field Spin_Time_Field_At(const QString& text, int caret, bool show_seconds, QChar time_separator);

// One day, one month (the day clipped to the month's length) or one year
// (29 February gives 28 February in a year without it); the time of day is kept.
TDateTime Spin_Step_Date(TDateTime value, Spin_Date_Field field, bool up);
// The length of one step of `field` as a fraction of a day.
TDateTime Spin_Time_Step(Spin_Time_Field field, int hours, int minutes, int seconds);
// The time of day `step` later (up) or earlier, wrapping within the day.
TDateTime Spin_Step_Time(TDateTime value, TDateTime step, bool up);
