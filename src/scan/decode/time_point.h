#pragma once
#include <QString>
#include <cstdint>

// Date and time types of M-Bus data fields, least significant byte first.
// The year is 0..127: three bits in the day byte and four in the month byte.
//   G (2 bytes): day = b0 & 1F, month = b1 & 0F                  -> "dd/mm/yy"
//   F (4 bytes): minute = b0 & 3F, hour = b1 & 1F, day and month in b2, b3 -> "dd/mm/yy hh:mm"
//   J (3 bytes): second = b0 & 3F, minute = b1 & 3F, hour = b2 & 1F -> "hh:mm:ss"
//   I (6 bytes): seconds, minutes, hour with weekday = b2 >> 5, day and month in b3, b4
//                -> weekday text, then "dd/mm/yy hh:mm:ss"
namespace time_point {

QString Type_G(const uint8_t* b);
QString Type_F(const uint8_t* b);
QString Type_J(const uint8_t* b);
QString Type_I(const uint8_t* b);

}  // namespace time_point
