#include "controls/datetime/date_time_fields.h"

#include <QLocale>
#include <algorithm>

namespace {

constexpr int kMinYear = 1601;
constexpr int kMaxYear = 9999;

int Wrap(int value, int low, int high) {
  const int span = high - low + 1;
  return ((value - low) % span + span) % span + low;
}

QDate Clip_Day(int year, int month, int day) {
  const int last = QDate(year, month, 1).daysInMonth();
  return QDate(year, month, std::min(day, last));
}

void Add_Literal(std::vector<Dtp_Field>& fields, const QString& text) {
  if (text.isEmpty()) return;
  if (!fields.empty() && !fields.back().Editable()) {
    fields.back().Literal += text;
    return;
  }
  Dtp_Field f;
  f.Literal = text;
  fields.push_back(f);
}

}  // namespace

std::vector<Dtp_Field> Parse_Dtp_Format(const QString& format) {
  std::vector<Dtp_Field> fields;
  for (int i = 0; i < format.size();) {
    const QChar c = format[i];
    if (c == QLatin1Char('\'')) {
      const int end = format.indexOf(QLatin1Char('\''), i + 1);
      const int stop = end < 0 ? format.size() : end;
      // Two quotes in a row stand for one.
      Add_Literal(fields, stop == i + 1 ? QStringLiteral("'") : format.mid(i + 1, stop - i - 1));
      i = stop + 1;
      continue;
    }
    int n = 1;
    while (i + n < format.size() && format[i + n] == c) ++n;
    Dtp_Field f;
    f.Letters = n;
    switch (c.unicode()) {
      case 'd':
        f.Kind = n <= 2 ? Dtp_Field_Kind::Day : Dtp_Field_Kind::Day_Name;
        break;
      case 'M':
        f.Kind = n <= 2 ? Dtp_Field_Kind::Month : Dtp_Field_Kind::Month_Name;
        break;
      case 'y':
        f.Kind = Dtp_Field_Kind::Year;
        break;
      case 'h':
        f.Kind = Dtp_Field_Kind::Hour12;
        break;
      case 'H':
        f.Kind = Dtp_Field_Kind::Hour24;
        break;
      case 'm':
        f.Kind = Dtp_Field_Kind::Minute;
        break;
      case 's':
        f.Kind = Dtp_Field_Kind::Second;
        break;
      case 't':
        f.Kind = Dtp_Field_Kind::Am_Pm;
        break;
      default:
        Add_Literal(fields, QString(n, c));
        i += n;
        continue;
    }
    fields.push_back(f);
    i += n;
  }
  return fields;
}

QString Default_Dtp_Format(bool time_kind, const Format_Settings& s) {
  // The settings' notation: m (month, minutes after an hour), n (minutes),
  // ampm, "/" and ":" for the separators, quoted literals.
  const QString source = time_kind ? s.Long_Time_Format : s.Short_Date_Format;
  const bool twelve = source.contains(QLatin1String("ampm"), Qt::CaseInsensitive) ||
                      source.contains(QLatin1String("am/pm"), Qt::CaseInsensitive);
  QString out;
  QChar last;
  for (int i = 0; i < source.size();) {
    const QChar raw = source[i];
    if (raw == QLatin1Char('"')) {
      const int end = source.indexOf(raw, i + 1);
      const int stop = end < 0 ? source.size() : end;
      out += QLatin1Char('\'') + source.mid(i + 1, stop - i - 1) + QLatin1Char('\'');
      i = stop + 1;
      continue;
    }
    if (raw == QLatin1Char('/')) {
      out += QLatin1Char('\'') + QString(s.Date_Separator) + QLatin1Char('\'');
      ++i;
      continue;
    }
    if (raw == QLatin1Char(':')) {
      out += QLatin1Char('\'') + QString(s.Time_Separator) + QLatin1Char('\'');
      ++i;
      continue;
    }
    const QString rest = source.mid(i).toLower();
    if (rest.startsWith(QLatin1String("am/pm"))) {
      out += QStringLiteral("tt");
      i += 5;
      continue;
    }
    if (rest.startsWith(QLatin1String("ampm"))) {
      out += QStringLiteral("tt");
      i += 4;
      continue;
    }
    const QChar c = raw.toLower();
    int n = 1;
    while (i + n < source.size() && source[i + n].toLower() == c) ++n;
    i += n;
    if (c == QLatin1Char('d'))
      out += QString(n, QLatin1Char('d'));
    else if (c == QLatin1Char('m') && last == QLatin1Char('h'))
      out += QString(std::min(n, 2), QLatin1Char('m'));
    else if (c == QLatin1Char('m'))
      out += QString(n, QLatin1Char('M'));
    else if (c == QLatin1Char('n'))
      out += QString(std::min(n, 2), QLatin1Char('m'));
    else if (c == QLatin1Char('y'))
      out += QString(n <= 2 ? 2 : 4, QLatin1Char('y'));
    else if (c == QLatin1Char('h'))
      out += QString(std::min(n, 2), twelve ? QLatin1Char('h') : QLatin1Char('H'));
    else if (c == QLatin1Char('s'))
      out += QString(std::min(n, 2), QLatin1Char('s'));
    else if (c.isLetter())
      out += QLatin1Char('\'') + QString(n, raw) + QLatin1Char('\'');
    else
      out += QString(n, raw);
    if (c.isLetter()) last = c;
  }
  return out;
}

QString Dtp_Field_Text(const Dtp_Field& f, const QDateTime& value, const Format_Settings& s) {
  const QDate d = value.date();
  const QTime t = value.time();
  const QLocale names = QLocale::c();
  auto number = [&](int v, int width) { return QString::number(v).rightJustified(width, QLatin1Char('0')); };
  switch (f.Kind) {
    case Dtp_Field_Kind::Literal:
      return f.Literal;
    case Dtp_Field_Kind::Day:
      return number(d.day(), f.Letters);
    case Dtp_Field_Kind::Day_Name:
      return names.dayName(d.dayOfWeek(), f.Letters == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
    case Dtp_Field_Kind::Month:
      return number(d.month(), f.Letters);
    case Dtp_Field_Kind::Month_Name:
      return names.monthName(d.month(), f.Letters == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
    case Dtp_Field_Kind::Year:
      if (f.Letters == 1) return QString::number(d.year() % 10);
      if (f.Letters == 2) return number(d.year() % 100, 2);
      return number(d.year(), 4);
    case Dtp_Field_Kind::Hour12: {
      const int h = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
      return number(h, std::min(f.Letters, 2));
    }
    case Dtp_Field_Kind::Hour24:
      return number(t.hour(), std::min(f.Letters, 2));
    case Dtp_Field_Kind::Minute:
      return number(t.minute(), std::min(f.Letters, 2));
    case Dtp_Field_Kind::Second:
      return number(t.second(), std::min(f.Letters, 2));
    case Dtp_Field_Kind::Am_Pm: {
      const QString marker = t.hour() < 12 ? s.Time_AM_String : s.Time_PM_String;
      return f.Letters == 1 ? marker.left(1) : marker;
    }
  }
  return {};
}

QString Dtp_Text(const std::vector<Dtp_Field>& fields, const QDateTime& value, std::vector<Dtp_Span>* spans,
                 const Format_Settings& s) {
  QString text;
  if (spans) spans->clear();
  for (const Dtp_Field& f : fields) {
    const QString part = Dtp_Field_Text(f, value, s);
    if (spans) spans->push_back({int(text.size()), int(part.size())});
    text += part;
  }
  return text;
}

QDateTime Dtp_Step_Field(const QDateTime& value, Dtp_Field_Kind field, int delta) {
  const QDate d = value.date();
  const QTime t = value.time();
  switch (field) {
    case Dtp_Field_Kind::Day:
    case Dtp_Field_Kind::Day_Name:
      return QDateTime(QDate(d.year(), d.month(), Wrap(d.day() + delta, 1, d.daysInMonth())), t);
    case Dtp_Field_Kind::Month:
    case Dtp_Field_Kind::Month_Name:
      return QDateTime(Clip_Day(d.year(), Wrap(d.month() + delta, 1, 12), d.day()), t);
    case Dtp_Field_Kind::Year:
      return QDateTime(Clip_Day(std::clamp(d.year() + delta, kMinYear, kMaxYear), d.month(), d.day()), t);
    case Dtp_Field_Kind::Hour12:
    case Dtp_Field_Kind::Hour24:
      return QDateTime(d, QTime(Wrap(t.hour() + delta, 0, 23), t.minute(), t.second(), t.msec()));
    case Dtp_Field_Kind::Minute:
      return QDateTime(d, QTime(t.hour(), Wrap(t.minute() + delta, 0, 59), t.second(), t.msec()));
    case Dtp_Field_Kind::Second:
      return QDateTime(d, QTime(t.hour(), t.minute(), Wrap(t.second() + delta, 0, 59), t.msec()));
    case Dtp_Field_Kind::Am_Pm:
      return QDateTime(d, QTime((t.hour() + 12) % 24, t.minute(), t.second(), t.msec()));
    case Dtp_Field_Kind::Literal:
      break;
  }
  return value;
}

bool Dtp_Type_Digit(QDateTime& value, Dtp_Field_Kind field, QChar digit, Dtp_Typing& typing) {
  if (!digit.isDigit() || digit.unicode() > '9') return false;
  const QDate d = value.date();
  const QTime t = value.time();
  int low = 1, high = 0, width = 2;
  switch (field) {
    case Dtp_Field_Kind::Day:
      high = d.daysInMonth();
      break;
    case Dtp_Field_Kind::Month:
    case Dtp_Field_Kind::Month_Name:
      high = 12;
      break;
    case Dtp_Field_Kind::Year:
      width = 4;
      high = kMaxYear;
      break;
    case Dtp_Field_Kind::Hour12:
      high = 12;
      break;
    case Dtp_Field_Kind::Hour24:
      low = 0;
      high = 23;
      break;
    case Dtp_Field_Kind::Minute:
    case Dtp_Field_Kind::Second:
      low = 0;
      high = 59;
      break;
    default:
      return false;
  }
  QString digits = typing.Digits + digit;
  if (field != Dtp_Field_Kind::Year && (digits.size() > width || digits.toInt() > high)) digits = QString(digit);
  if (digits.size() > width) digits = QString(digit);
  typing.Digits = digits;
  int entry = digits.toInt();
  bool complete = digits.size() >= width || entry * 10 > high;
  if (field == Dtp_Field_Kind::Year) {
    if (digits.size() <= 2) {
      entry += entry <= 49 ? 2000 : 1900;
    } else if (digits.size() == 3) {
      entry = -1;  // wait for the fourth digit
    }
    complete = digits.size() >= width;
    if (entry >= 0 && (entry < kMinYear || entry > kMaxYear)) entry = -1;
  } else if (entry < low) {
    entry = -1;
  }
  if (complete) typing.Clear();
  if (entry < 0) return complete;
  switch (field) {
    case Dtp_Field_Kind::Day:
      value = QDateTime(QDate(d.year(), d.month(), entry), t);
      break;
    case Dtp_Field_Kind::Month:
    case Dtp_Field_Kind::Month_Name:
      value = QDateTime(Clip_Day(d.year(), entry, d.day()), t);
      break;
    case Dtp_Field_Kind::Year:
      value = QDateTime(Clip_Day(entry, d.month(), d.day()), t);
      break;
    case Dtp_Field_Kind::Hour12:
      // 12 is the hour before 1 in the half of the day shown.
      value = QDateTime(d, QTime((entry % 12) + (t.hour() >= 12 ? 12 : 0), t.minute(), t.second(), t.msec()));
      break;
    case Dtp_Field_Kind::Hour24:
      value = QDateTime(d, QTime(entry, t.minute(), t.second(), t.msec()));
      break;
    case Dtp_Field_Kind::Minute:
      value = QDateTime(d, QTime(t.hour(), entry, t.second(), t.msec()));
      break;
    case Dtp_Field_Kind::Second:
      value = QDateTime(d, QTime(t.hour(), t.minute(), entry, t.msec()));
      break;
    default:
      break;
  }
  return complete;
}

QDateTime Dtp_Clamp(const QDateTime& value, const QDateTime& min, const QDateTime& max) {
  if (!min.isValid() || !max.isValid() || !(min < max)) return value;
  if (value < min) return min;
  if (value > max) return max;
  return value;
}
