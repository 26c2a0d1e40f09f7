#include "controls/editor_logic/spin_value.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

namespace {

// The 15 significant digits of |value| and the power of ten of the first:
// |value| = d0.d1d2... * 10^exponent.
struct Decimal_Digits {
  QString digits;
  int exponent = 0;
  bool negative = false;
};

Decimal_Digits To_Digits(double value) {
  Decimal_Digits d;
  d.negative = std::signbit(value);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
  const QString text = QString::fromLatin1(buffer);
  const int e = text.indexOf(QLatin1Char('e'));
  d.digits = text.left(e).remove(QLatin1Char('.'));
  d.exponent = text.mid(e + 1).toInt();
  return d;
}

// Rounds the digit string to `keep` digits (half away from zero); a carry
// out of the first digit raises the exponent.
void Round_Digits(Decimal_Digits& d, int keep) {
  if (keep >= d.digits.size()) return;
  if (keep < 0) {
    d.digits = QStringLiteral("0");
    return;
  }
  const bool up = d.digits[keep] >= QLatin1Char('5');
  d.digits.truncate(keep);
  if (!up) return;
  int i = keep - 1;
  for (; i >= 0; --i) {
    if (d.digits[i] == QLatin1Char('9')) {
      d.digits[i] = QLatin1Char('0');
    } else {
      d.digits[i] = QChar(d.digits[i].unicode() + 1);
      break;
    }
  }
  if (i < 0) {
    d.digits.prepend(QLatin1Char('1'));
    ++d.exponent;
  }
}

QString Special(double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

}  // namespace

bool Try_Spin_Int(const QString& raw, int& value) {
  const QString text = raw.trimmed();
  int i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  int base = 10;
  if (i < text.size() && text[i] == QLatin1Char('$')) {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == QLatin1Char('0') &&
             (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  qint64 result = 0;
  for (; i < text.size(); ++i) {
    const int digit = text[i].isDigit() && text[i].unicode() < 128 ? text[i].unicode() - '0'
                      : base == 16 && text[i].toLower() >= QLatin1Char('a') && text[i].toLower() <= QLatin1Char('f')
                          ? text[i].toLower().unicode() - 'a' + 10
                          : -1;
    if (digit < 0) return false;
    result = result * base + digit;
    if (result > qint64(UINT_MAX)) return false;
  }
  if (negative) result = -result;
  // Hexadecimal spells the whole 32-bit pattern ($FFFFFFFF is -1).
  if (base == 16 && result > INT_MAX && result <= qint64(UINT_MAX)) result -= qint64(UINT_MAX) + 1;
  if (result < INT_MIN || result > INT_MAX) return false;
  value = int(result);
  return true;
}

int Spin_Read_Int(const QString& text, int min_value) {
  if (text.trimmed().isEmpty()) return 0;
  int value = 0;
  return Try_Spin_Int(text, value) ? value : min_value;
}

double Spin_Read_Float(const QString& text, double min_float, const Format_Settings& settings) {
  double value = 0;
  return Try_Str_To_Float(text, value, settings) && std::isfinite(value) ? value : min_float;
}

TDateTime Spin_Read_Date(const QString& text, TDateTime min_date, TDateTime now, const Format_Settings& settings) {
  const QString body = text.trimmed();
  if (body.isEmpty() || body == QLatin1String("0")) return now;
  QDate date;
  return Try_Str_To_Date(body, date, settings) ? Encode_Date(date) : min_date;
}

TDateTime Spin_Read_Time(const QString& text, const Format_Settings& settings) {
  QTime time;
  return Try_Str_To_Time(text, time, settings) ? Encode_Time(time) : 0.0;
}

QString Float_To_Str_General(double value, QChar decimal_separator) {
  if (!std::isfinite(value)) return Special(value);
  if (value == 0) return QStringLiteral("0");
  Decimal_Digits d = To_Digits(value);
  while (d.digits.size() > 1 && d.digits.endsWith(QLatin1Char('0'))) d.digits.chop(1);
  QString out = d.negative ? QStringLiteral("-") : QString();
  if (d.exponent >= 15 || d.exponent < -4) {
    out += d.digits[0];
    if (d.digits.size() > 1) out += decimal_separator + d.digits.mid(1);
    out += QLatin1Char('E') + QString::number(d.exponent);
    return out;
  }
  if (d.exponent < 0) {
    out += QLatin1Char('0') + QString(decimal_separator) + QString(-d.exponent - 1, QLatin1Char('0')) + d.digits;
    return out;
  }
  const int whole = d.exponent + 1;
  QString digits = d.digits;
  if (digits.size() < whole) digits += QString(whole - digits.size(), QLatin1Char('0'));
  out += digits.left(whole);
  if (digits.size() > whole) out += decimal_separator + digits.mid(whole);
  return out;
}

QString Float_To_Str_Fixed(double value, int decimals, QChar decimal_separator) {
  if (!std::isfinite(value)) return Special(value);
  decimals = std::clamp(decimals, 0, 18);
  Decimal_Digits d = To_Digits(value);
  if (value != 0 && d.exponent >= 15) return Float_To_Str_General(value, decimal_separator);
  if (value == 0) d.exponent = 0;
  Round_Digits(d, d.exponent + 1 + decimals);
  // The digits now cover 10^exponent down to 10^-decimals (or fewer: pad).
  QString whole, fraction;
  for (int power = std::max(d.exponent, 0); power >= -decimals; --power) {
    const int index = d.exponent - power;
    const QChar digit = index >= 0 && index < d.digits.size() ? d.digits[index] : QLatin1Char('0');
    (power >= 0 ? whole : fraction) += digit;
  }
  const bool zero = !(whole + fraction).contains(QRegularExpression(QStringLiteral("[1-9]")));
  QString out = d.negative && !zero ? QStringLiteral("-") : QString();
  out += whole;
  if (decimals > 0) out += decimal_separator + fraction;
  return out;
}

QString Spin_Format_Float(double value, int precision, const Format_Settings& settings) {
  return precision > 0 ? Float_To_Str_Fixed(value, precision, settings.Decimal_Separator)
                       : Float_To_Str_General(value, settings.Decimal_Separator);
}

QString Spin_Format_Date(TDateTime value, const Format_Settings& settings) {
  return Date_To_Str(Date_Of(value), settings);
}

QString Spin_Format_Time(TDateTime value, bool show_seconds, const Format_Settings& settings) {
  const QTime time = Time_Of(value);
  if (show_seconds) return Time_To_Str(time, settings);
  return QString::number(time.hour()) + settings.Time_Separator +
         QString::number(time.minute()).rightJustified(2, QLatin1Char('0'));
}

int Spin_Step_Int(int value, int increment, bool up) {
  const qint64 result = up ? qint64(value) + increment : qint64(value) - increment;
  return int(std::clamp<qint64>(result, INT_MIN, INT_MAX));
}

namespace {

// 1-based positions of the first separator and of the next one after it (0: none).
void Separator_Positions(const QString& text, QChar separator, int& p1, int& p2) {
  p1 = text.indexOf(separator) + 1;
  p2 = p1 > 0 ? text.indexOf(separator, p1) + 1 : 0;
}

}  // namespace

Spin_Date_Field Spin_Date_Field_At(const QString& text, int caret, const Format_Settings& settings, bool* month_first) {
  const QString upper = settings.Short_Date_Format.toUpper();
  const int m = upper.indexOf(QLatin1Char('M'));
  const int d = upper.indexOf(QLatin1Char('D'));
  const bool us = m >= 0 && (d < 0 || m < d);
  if (month_first) *month_first = us;
  int p1 = 0, p2 = 0;
  Separator_Positions(text, settings.Date_Separator, p1, p2);
  if (caret < p1) return us ? Spin_Date_Field::Month : Spin_Date_Field::Day;
  if (caret < p2) return us ? Spin_Date_Field::Day : Spin_Date_Field::Month;
  return Spin_Date_Field::Year;
}

Spin_Time_Field Spin_Time_Field_At(const QString& text, int caret, bool show_seconds, QChar time_separator) {
  int p1 = 0, p2 = 0;
  Separator_Positions(text, time_separator, p1, p2);
  if (caret < p1) return Spin_Time_Field::Hours;
  if (show_seconds && caret >= p2) return Spin_Time_Field::Seconds;
  return Spin_Time_Field::Minutes;
}

TDateTime Spin_Step_Date(TDateTime value, Spin_Date_Field field, bool up) {
  const QDate date = Date_Of(value);
  const int sign = up ? 1 : -1;
  QDate stepped;
  switch (field) {
    case Spin_Date_Field::Day:
      stepped = date.addDays(sign);
      break;
    case Spin_Date_Field::Month:
      stepped = date.addMonths(sign);
      break;
    case Spin_Date_Field::Year:
      // addYears clips 29 February to 28 February where the year lacks it.
      stepped = date.addYears(sign);
      break;
  }
  if (!stepped.isValid()) return value;
  const TDateTime time = value - Day_Part(value);
  return Encode_Date(stepped) + (Encode_Date(stepped) < 0 ? -std::fabs(time) : std::fabs(time));
}

TDateTime Spin_Time_Step(Spin_Time_Field field, int hours, int minutes, int seconds) {
  switch (field) {
    case Spin_Time_Field::Hours:
      return hours / 24.0;
    case Spin_Time_Field::Minutes:
      return minutes / 1440.0;
    case Spin_Time_Field::Seconds:
      return seconds / 86400.0;
  }
  return 0;
}

TDateTime Spin_Step_Time(TDateTime value, TDateTime step, bool up) {
  const TDateTime t = Time_Of_Day(value);
  const TDateTime s = Time_Of_Day(step);
  return Time_Of_Day(up ? t + s : t + 1.0 - s);
}
