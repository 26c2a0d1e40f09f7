#include "controls/editor_logic/date_time_value.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 kMsPerDay = 86400000;
// Far enough for any calendar date QDate handles, small enough to stay exact.
constexpr double kDayLimit = 1.0e9;

QDate Epoch() { return QDate(1899, 12, 30); }

}  // namespace

TDateTime Encode_Date(const QDate& date) { return date.isValid() ? double(Epoch().daysTo(date)) : 0.0; }

TDateTime Encode_Time(const QTime& time) {
  return time.isValid() ? double(time.msecsSinceStartOfDay()) / double(kMsPerDay) : 0.0;
}

TDateTime Encode_Date_Time(const QDate& date, const QTime& time) {
  const TDateTime day = Encode_Date(date);
  // A time before the epoch counts backwards in days but forwards in hours.
  return day < 0 ? day - Encode_Time(time) : day + Encode_Time(time);
}

TDateTime Day_Part(TDateTime value) {
  if (!std::isfinite(value)) return 0.0;
  return std::trunc(std::clamp(value, -kDayLimit, kDayLimit));
}

namespace {

// Whole days and the milliseconds of the time of day, rounded to the
// millisecond so that 23:00 + 1 hour is midnight of the next day and not
// 23:59:59.999.
void Split(TDateTime value, qint64& days, qint64& ms) {
  if (!std::isfinite(value)) value = 0;
  value = std::clamp(value, -kDayLimit, kDayLimit);
  if (value >= 0) {
    const qint64 total = std::llround(value * double(kMsPerDay));
    days = total / kMsPerDay;
    ms = total % kMsPerDay;
  } else {
    days = qint64(std::trunc(value));
    ms = std::min<qint64>(std::llround(std::fabs(value - std::trunc(value)) * double(kMsPerDay)), kMsPerDay - 1);
  }
}

}  // namespace

QDate Date_Of(TDateTime value) {
  qint64 days = 0, ms = 0;
  Split(value, days, ms);
  return Epoch().addDays(days);
}

QTime Time_Of(TDateTime value) {
  qint64 days = 0, ms = 0;
  Split(value, days, ms);
  return QTime::fromMSecsSinceStartOfDay(int(ms));
}

TDateTime Time_Of_Day(TDateTime value) {
  if (!std::isfinite(value)) return 0.0;
  const qint64 ms = std::llround((value - std::floor(value)) * double(kMsPerDay)) % kMsPerDay;
  return double(ms) / double(kMsPerDay);
}

TDateTime Now_Date_Time() { return Encode_Date_Time(QDateTime::currentDateTime()); }
