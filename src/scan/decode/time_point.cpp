#include "scan/decode/time_point.h"

#include "scan/decode/mbus_texts.h"

namespace time_point {
namespace {

QString Date_Text(uint8_t day_byte, uint8_t month_byte) {
  const int year = (day_byte >> 5) + ((month_byte >> 1) & 0x78);
  return Two_Digits(day_byte & 0x1F) + QLatin1Char('/') + Two_Digits(month_byte & 0x0F) + QLatin1Char('/') +
         Two_Digits(year);
}

QString Weekday(int day) {
  static const char* const kDays[7] = {"Monday ", "Tuesday ",  "Wednesday ", "Thursday ",
                                       "Friday ", "Saturday ", "Sunday "};
  return day >= 1 && day <= 7 ? QString::fromLatin1(kDays[day - 1]) : QString();
}

}  // namespace

QString Type_G(const uint8_t* b) { return Date_Text(b[0], b[1]); }

QString Type_F(const uint8_t* b) {
  return Date_Text(b[2], b[3]) + QLatin1Char(' ') + Two_Digits(b[1] & 0x1F) + QLatin1Char(':') +
         Two_Digits(b[0] & 0x3F);
}

QString Type_J(const uint8_t* b) {
  return Two_Digits(b[2] & 0x1F) + QLatin1Char(':') + Two_Digits(b[1] & 0x3F) + QLatin1Char(':') +
         Two_Digits(b[0] & 0x3F);
}

QString Type_I(const uint8_t* b) { return Weekday(b[2] >> 5) + Date_Text(b[3], b[4]) + QLatin1Char(' ') + Type_J(b); }

}  // namespace time_point
