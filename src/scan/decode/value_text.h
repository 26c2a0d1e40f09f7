#pragma once
#include <QChar>
#include <QString>
#include <cstdint>

namespace value_text {

// The number a record's data bytes hold, least significant byte first: signed
// integers for codes 1-4, 6, 7; IEEE single for 5; BCD for 9-12, 14 and for LVAR
// C0..C9 (D0..D9 negative); 0 for everything else. Reads at most 9 bytes.
long double Raw_Value(int data_code, uint8_t lvar, const uint8_t* bytes);

// General number format: up to 15 significant digits, fixed notation from 1E-5
// up to 15 integer digits, otherwise mantissa and exponent ("1.5E-7", "1E20").
QString General(long double value, QChar decimal_separator);

// The same text for mantissa * 10^exponent, worked out in integers: the fast
// path for integer raw values, which most records hold. |mantissa| < 10^15.
QString Decimal(int64_t mantissa, int exponent, QChar decimal_separator);

}  // namespace value_text
