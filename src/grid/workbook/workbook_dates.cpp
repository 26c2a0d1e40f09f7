#include "grid/workbook/workbook_dates.h"

#include <QDateTime>
#include <cmath>

#include "controls/format_settings.h"

namespace grid_workbook {

namespace {

// The last day the 1900 and 1904 systems count: 9999-12-31.
constexpr double Last_Serial_1900 = 2958465;
constexpr double Last_Serial_1904 = Last_Serial_1900 - 1462;

// The code with what shows no date or time letter taken out: quoted texts,
// escaped and padding characters, and bracketed colours and locales (an
// elapsed [h], [m] or [s] is kept as its letter). Only the first section
// (positive numbers) counts.
QString Date_Letters(const QString& code) {
  QString letters;
  for (qsizetype i = 0; i < code.size(); ++i) {
    const QChar ch = code[i];
    if (ch == u'"') {
      const qsizetype end = code.indexOf(u'"', i + 1);
      if (end < 0) break;
      i = end;
    } else if (ch == u'\\' || ch == u'_' || ch == u'*') {
      ++i;
    } else if (ch == u'[') {
      const qsizetype end = code.indexOf(u']', i + 1);
      if (end < 0) break;
      const QString inside = code.mid(i + 1, end - i - 1).toLower();
      if (!inside.isEmpty() && (inside.count(inside[0]) == inside.size()) &&
          (inside[0] == u'h' || inside[0] == u'm' || inside[0] == u's'))
        letters += inside[0];
      i = end;
    } else if (ch == u';') {
      break;
    } else {
      letters += ch.toLower();
    }
  }
  return letters;
}

}  // namespace

Date_Kind Format_Date_Kind(int FormatId, const QString& Code) {
  if ((FormatId >= 14 && FormatId <= 17) || (FormatId >= 27 && FormatId <= 31) || (FormatId >= 34 && FormatId <= 36) ||
      (FormatId >= 50 && FormatId <= 58))
    return Date_Kind::Date;
  if ((FormatId >= 18 && FormatId <= 21) || FormatId == 32 || FormatId == 33 || (FormatId >= 45 && FormatId <= 47))
    return Date_Kind::Time;
  if (FormatId == 22) return Date_Kind::Date_Time;
  if (Code.isEmpty() || FormatId < 164) return Date_Kind::None;
  const QString letters = Date_Letters(Code);
  const bool date = letters.contains(u'y') || letters.contains(u'd');
  const bool time = letters.contains(u'h') || letters.contains(u's');
  if (date && time) return Date_Kind::Date_Time;
  if (date) return Date_Kind::Date;
  if (time) return Date_Kind::Time;
  return Date_Kind::None;
}

bool Serial_Date_Text(double Serial, Date_Kind Kind, bool Date1904, QString& Text) {
  if (Kind == Date_Kind::None || !std::isfinite(Serial) || Serial < 0) return false;
  if (Serial >= (Date1904 ? Last_Serial_1904 : Last_Serial_1900) + 1) return false;
  // A duration of a day or more ([h]:mm) has no time of day to show.
  if (Kind == Date_Kind::Time && Serial >= 1) return false;
  // Whole seconds: 0.5 s rounds up into the next second, and maybe the next day.
  const qint64 seconds = qint64(std::llround(Serial * 86400.0));
  qint64 days = seconds / 86400;
  const int second_of_day = int(seconds % 86400);
  QDate date;
  if (Date1904) {
    date = QDate(1904, 1, 1).addDays(days);
  } else {
    // The 1900 system counts a 29 February 1900: days 1..59 lie one later
    // than the epoch 1899-12-30 gives, day 60 is that day.
    if (days == 60 && Kind != Date_Kind::Time) return false;
    if (days >= 1 && days < 60) ++days;
    date = QDate(1899, 12, 30).addDays(days);
  }
  const QTime time = QTime(0, 0).addSecs(second_of_day);
  switch (Kind) {
    case Date_Kind::Date:
      Text = Date_To_Str(date);
      return true;
    case Date_Kind::Time:
      Text = Time_To_Str(time);
      return true;
    case Date_Kind::Date_Time:
      Text = Date_Time_To_Str(QDateTime(date, time));
      return true;
    case Date_Kind::None:
      break;
  }
  return false;
}

QString Iso_Date_Text(const QString& Iso, Date_Kind Kind) {
  switch (Kind) {
    case Date_Kind::Date: {
      const QDate date = QDate::fromString(Iso, Qt::ISODate);
      return date.isValid() ? Date_To_Str(date) : Iso;
    }
    case Date_Kind::Time: {
      const QTime time = QTime::fromString(Iso, Qt::ISODate);
      return time.isValid() ? Time_To_Str(time) : Iso;
    }
    case Date_Kind::Date_Time: {
      QString iso = Iso;
      iso.replace(u' ', u'T');
      const QDateTime value = QDateTime::fromString(iso, Qt::ISODate);
      return value.isValid() ? Date_Time_To_Str(value) : Iso;
    }
    case Date_Kind::None:
      break;
  }
  return Iso;
}

}  // namespace grid_workbook
