#include "controls/format_settings.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <optional>

namespace {

std::optional<Format_Settings>& Installed() {
  static std::optional<Format_Settings> settings;
  return settings;
}

// Qt's date-time notation to ours: the letters differ for months and minutes
// (Qt "M"/"m", ours "m"/"n") and for the am/pm marker.
QString From_Qt_Format(const QString& qt, QChar date_sep, QChar time_sep) {
  QString out;
  for (int i = 0; i < qt.size();) {
    const QChar c = qt[i];
    int n = 1;
    while (i + n < qt.size() && qt[i + n] == c) ++n;
    if (c == QLatin1Char('\'')) {
      const int end = qt.indexOf(QLatin1Char('\''), i + 1);
      const int stop = end < 0 ? qt.size() : end + 1;
      out += QLatin1Char('"') + qt.mid(i + 1, stop - i - 2) + QLatin1Char('"');
      i = stop;
      continue;
    }
    const QString run(n, c);
    if (c == QLatin1Char('M'))
      out += QString(n, QLatin1Char('m'));
    else if (c == QLatin1Char('m'))
      out += QString(qMin(n, 2), QLatin1Char('n'));
    else if (c == QLatin1Char('d') || c == QLatin1Char('y') || c == QLatin1Char('s'))
      out += run;
    else if (c == QLatin1Char('h') || c == QLatin1Char('H'))
      out += QString(qMin(n, 2), QLatin1Char('h'));
    else if (c == QLatin1Char('z'))
      out += QString(n >= 3 ? 3 : 1, QLatin1Char('z'));
    else if (c == QLatin1Char('A') || c == QLatin1Char('a')) {
      out += QStringLiteral("ampm");
      if (i + n < qt.size() && (qt[i + n] == QLatin1Char('P') || qt[i + n] == QLatin1Char('p'))) ++n;
    } else if (c == QLatin1Char('t')) {
      // Time zone: we have none.
    } else if (c == date_sep)
      out += QString(n, QLatin1Char('/'));
    else if (c == time_sep)
      out += QString(n, QLatin1Char(':'));
    else if (c.isLetter())
      out += QLatin1Char('"') + run + QLatin1Char('"');
    else
      out += run;
    i += n;
  }
  return out.trimmed();
}

QChar First_Non_Letter(const QString& format, QChar fallback) {
  for (QChar c : format) {
    if (!c.isLetter() && c != QLatin1Char('\'') && !c.isSpace()) return c;
  }
  return fallback;
}

// Day, month and year as numbers, each once, between date separators.
bool Is_Numeric_Date(const QString& format) {
  const QString lower = format.toLower();
  if (lower.contains(QLatin1String("mmm")) || lower.contains(QLatin1String("ddd"))) return false;
  return lower.contains(QLatin1Char('d')) && lower.contains(QLatin1Char('m')) && lower.contains(QLatin1Char('y')) &&
         lower.count(QLatin1Char('/')) == 2;
}

bool Uses_Twelve_Hours(const QString& format) {
  const QString lower = format.toLower();
  return lower.contains(QLatin1String("am/pm")) || lower.contains(QLatin1String("a/p")) ||
         lower.contains(QLatin1String("ampm"));
}

void Append_Number(QString& out, int value, int width) {
  out += QString::number(value).rightJustified(width, QLatin1Char('0'));
}

void Format_Into(QString& out, const QString& format, const QDateTime& value, const Format_Settings& s, int depth) {
  if (depth > 2) return;  // nested formats that name themselves
  const QDate date = value.date();
  const QTime time = value.time();
  const bool twelve = Uses_Twelve_Hours(format);
  const QLocale names = QLocale::c();
  QChar last_token;
  for (int i = 0; i < format.size();) {
    const QChar raw = format[i];
    if (raw == QLatin1Char('"') || raw == QLatin1Char('\'')) {
      const int end = format.indexOf(raw, i + 1);
      const int stop = end < 0 ? format.size() : end;
      out += format.mid(i + 1, stop - i - 1);
      i = stop + 1;
      continue;
    }
    if (raw == QLatin1Char('/')) {
      out += s.Date_Separator;
      ++i;
      continue;
    }
    if (raw == QLatin1Char(':')) {
      out += s.Time_Separator;
      ++i;
      continue;
    }
    const QChar c = raw.toLower();
    if (c == QLatin1Char('a')) {
      const QString rest = format.mid(i);
      if (rest.startsWith(QLatin1String("am/pm"), Qt::CaseInsensitive)) {
        const QString marker = time.hour() < 12 ? rest.left(2) : rest.mid(3, 2);
        out += marker;
        i += 5;
      } else if (rest.startsWith(QLatin1String("a/p"), Qt::CaseInsensitive)) {
        out += time.hour() < 12 ? rest[0] : rest[2];
        i += 3;
      } else if (rest.startsWith(QLatin1String("ampm"), Qt::CaseInsensitive)) {
        out += time.hour() < 12 ? s.Time_AM_String : s.Time_PM_String;
        i += 4;
      } else {
        out += raw;
        ++i;
      }
      continue;
    }
    int n = 1;
    while (i + n < format.size() && format[i + n].toLower() == c) ++n;
    i += n;
    if (c == QLatin1Char('d')) {
      if (n == 1)
        out += QString::number(date.day());
      else if (n == 2)
        Append_Number(out, date.day(), 2);
      else if (n == 3)
        out += names.dayName(date.dayOfWeek(), QLocale::ShortFormat);
      else if (n == 4)
        out += names.dayName(date.dayOfWeek(), QLocale::LongFormat);
      else if (n == 5)
        Format_Into(out, s.Short_Date_Format, value, s, depth + 1);
      else
        Format_Into(out, s.Long_Date_Format, value, s, depth + 1);
    } else if (c == QLatin1Char('m') && last_token == QLatin1Char('h')) {
      Append_Number(out, time.minute(), n == 1 ? 1 : 2);
    } else if (c == QLatin1Char('m')) {
      if (n == 1)
        out += QString::number(date.month());
      else if (n == 2)
        Append_Number(out, date.month(), 2);
      else if (n == 3)
        out += names.monthName(date.month(), QLocale::ShortFormat);
      else
        out += names.monthName(date.month(), QLocale::LongFormat);
    } else if (c == QLatin1Char('y')) {
      Append_Number(out, n <= 2 ? date.year() % 100 : date.year(), n <= 2 ? 2 : 4);
    } else if (c == QLatin1Char('h')) {
      int hour = time.hour();
      if (twelve) hour = hour % 12 == 0 ? 12 : hour % 12;
      Append_Number(out, hour, n == 1 ? 1 : 2);
    } else if (c == QLatin1Char('n')) {
      Append_Number(out, time.minute(), n == 1 ? 1 : 2);
    } else if (c == QLatin1Char('s')) {
      Append_Number(out, time.second(), n == 1 ? 1 : 2);
    } else if (c == QLatin1Char('z')) {
      Append_Number(out, time.msec(), n < 3 ? 1 : 3);
    } else if (c == QLatin1Char('t')) {
      Format_Into(out, n == 1 ? s.Short_Time_Format : s.Long_Time_Format, value, s, depth + 1);
    } else if (c == QLatin1Char('c')) {
      Format_Into(out, s.Short_Date_Format, value, s, depth + 1);
      if (time != QTime(0, 0)) {
        out += QLatin1Char(' ');
        Format_Into(out, s.Long_Time_Format, value, s, depth + 1);
      }
    } else {
      out += QString(n, raw);
    }
    if (raw.isLetter()) last_token = c;
  }
}

bool All_Digits(const QString& part) {
  if (part.isEmpty() || part.size() > 4) return false;
  for (QChar c : part) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  }
  return true;
}

}  // namespace

Format_Settings Format_Settings::From_Locale(const QLocale& locale) {
  Format_Settings s;
  s.Decimal_Separator = locale.decimalPoint().isEmpty() ? QLatin1Char('.') : locale.decimalPoint()[0];
  s.Thousand_Separator = locale.groupSeparator().isEmpty() ? QLatin1Char(',') : locale.groupSeparator()[0];
  const QString short_date = locale.dateFormat(QLocale::ShortFormat);
  const QString long_time = locale.timeFormat(QLocale::LongFormat);
  s.Date_Separator = First_Non_Letter(short_date, QLatin1Char('/'));
  s.Time_Separator = First_Non_Letter(long_time, QLatin1Char(':'));
  s.Short_Date_Format = From_Qt_Format(short_date, s.Date_Separator, s.Time_Separator);
  if (!Is_Numeric_Date(s.Short_Date_Format)) {
    // Dates are typed and read back in the short format, so it must be all
    // numbers ("7 Mar 2024" of the C locale is not).
    const Format_Settings fallback;
    s.Short_Date_Format = fallback.Short_Date_Format;
    s.Date_Separator = fallback.Date_Separator;
  }
  s.Long_Date_Format = From_Qt_Format(locale.dateFormat(QLocale::LongFormat), s.Date_Separator, s.Time_Separator);
  s.Short_Time_Format = From_Qt_Format(locale.timeFormat(QLocale::ShortFormat), s.Date_Separator, s.Time_Separator);
  s.Long_Time_Format = From_Qt_Format(long_time, s.Date_Separator, s.Time_Separator);
  if (!locale.amText().isEmpty()) s.Time_AM_String = locale.amText();
  if (!locale.pmText().isEmpty()) s.Time_PM_String = locale.pmText();
  return s;
}

const Format_Settings& Process_Format_Settings() {
  auto& installed = Installed();
  if (!installed) installed = Format_Settings::From_Locale(QLocale::system());
  return *installed;
}

void Set_Process_Format_Settings(const Format_Settings& settings) { Installed() = settings; }

Format_Settings_Scope::Format_Settings_Scope(const Format_Settings& settings) : saved_(Process_Format_Settings()) {
  Set_Process_Format_Settings(settings);
}

Format_Settings_Scope::~Format_Settings_Scope() { Set_Process_Format_Settings(saved_); }

QString Format_Date_Time(const QString& format, const QDateTime& value, const Format_Settings& settings) {
  QString out;
  Format_Into(out, format, value, settings, 0);
  return out;
}

QString Date_To_Str(const QDate& date, const Format_Settings& settings) {
  return Format_Date_Time(settings.Short_Date_Format, QDateTime(date, QTime(0, 0)), settings);
}

QString Time_To_Str(const QTime& time, const Format_Settings& settings) {
  return Format_Date_Time(settings.Long_Time_Format, QDateTime(QDate(2000, 1, 1), time), settings);
}

QString Date_Time_To_Str(const QDateTime& value, const Format_Settings& settings) {
  return Format_Date_Time(QStringLiteral("c"), value, settings);
}

bool Try_Str_To_Date(const QString& text, QDate& date, const Format_Settings& settings) {
  const QStringList parts = text.trimmed().split(settings.Date_Separator);
  if (parts.size() < 2 || parts.size() > 3) return false;
  for (const QString& part : parts) {
    if (!All_Digits(part)) return false;
  }
  // The order of day, month and year is the order of their first letters.
  const QString format = settings.Short_Date_Format.toLower();
  auto position = [&](QChar letter) {
    const int at = format.indexOf(letter);
    return at < 0 ? format.size() : at;
  };
  const int pd = position(QLatin1Char('d')), pm = position(QLatin1Char('m')), py = position(QLatin1Char('y'));
  int day = 0, month = 0, year = QDate::currentDate().year();
  bool short_year = false;
  if (parts.size() == 2) {
    const bool day_first = pd < pm;
    day = parts[day_first ? 0 : 1].toInt();
    month = parts[day_first ? 1 : 0].toInt();
  } else {
    int order[3];  // index of day, month, year in the text
    order[0] = (pd > pm) + (pd > py);
    order[1] = (pm > pd) + (pm > py);
    order[2] = (py > pd) + (py > pm);
    if (order[0] == order[1] || order[1] == order[2] || order[0] == order[2]) return false;
    day = parts[order[0]].toInt();
    month = parts[order[1]].toInt();
    year = parts[order[2]].toInt();
    short_year = parts[order[2]].size() <= 2;
  }
  if (short_year) {
    const int threshold = QDate::currentDate().year() - 50;
    year += threshold / 100 * 100;
    if (year < threshold) year += 100;
  }
  const QDate result(year, month, day);
  if (!result.isValid()) return false;
  date = result;
  return true;
}

bool Try_Str_To_Time(const QString& text, QTime& time, const Format_Settings& settings) {
  QString body = text.trimmed();
  int marker = 0;  // 1 am, 2 pm
  auto take_suffix = [&](const QString& suffix, int value) {
    if (marker == 0 && !suffix.isEmpty() && body.endsWith(suffix, Qt::CaseInsensitive)) {
      body = body.left(body.size() - suffix.size()).trimmed();
      marker = value;
    }
  };
  take_suffix(settings.Time_AM_String, 1);
  take_suffix(settings.Time_PM_String, 2);
  take_suffix(QStringLiteral("AM"), 1);
  take_suffix(QStringLiteral("PM"), 2);
  const QStringList parts = body.split(settings.Time_Separator);
  if (parts.isEmpty() || parts.size() > 3) return false;
  int values[3] = {0, 0, 0};
  for (int i = 0; i < parts.size(); ++i) {
    if (!All_Digits(parts[i]) || parts[i].size() > 2) return false;
    values[i] = parts[i].toInt();
  }
  int hour = values[0];
  if (marker != 0) {
    if (hour < 1 || hour > 12) return false;
    hour = hour % 12 + (marker == 2 ? 12 : 0);
  }
  const QTime result(hour, values[1], values[2]);
  if (!result.isValid()) return false;
  time = result;
  return true;
}

bool Try_Str_To_Float(const QString& text, double& value, const Format_Settings& settings) {
  QString body = text.trimmed();
  if (settings.Decimal_Separator != QLatin1Char('.')) {
    if (body.contains(QLatin1Char('.'))) return false;
    body.replace(settings.Decimal_Separator, QLatin1Char('.'));
  }
  static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
  if (!number.match(body).hasMatch()) return false;
  bool ok = false;
  const double result = QLocale::c().toDouble(body, &ok);
  if (!ok) return false;
  value = result;
  return true;
}
