#include "scan/value_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scan/mbus_texts.h"

namespace value_text {

long double Raw_Value(int data_code, uint8_t lvar, const uint8_t* bytes) {
  static constexpr int kIntegerBytes[8] = {0, 1, 2, 3, 4, 0, 6, 8};
  if (data_code == 5) {
    const uint32_t bits = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
    float real;
    std::memcpy(&real, &bits, sizeof real);
    return real;
  }
  if (data_code >= 1 && data_code <= 7) {
    const int n = kIntegerBytes[data_code];
    uint64_t raw = 0;
    for (int i = n - 1; i >= 0; --i) raw = raw << 8 | bytes[i];
    const int spare = 64 - 8 * n;
    // Shift the sign bit of the last byte to the top, then back with sign extension.
    return static_cast<long double>(static_cast<int64_t>(raw << spare) >> spare);
  }
  switch (data_code) {
    case 9: return Bcd_To_Int(bytes, 1);
    case 10: return Bcd_To_Int(bytes, 2);
    case 11: return Bcd_To_Int(bytes, 3);
    case 12: return Bcd_To_Int(bytes, 4);
    case 14: return Bcd_To_Int(bytes, 6);
    case 13:
      if (lvar >= 0xC0 && lvar <= 0xC9) return Bcd_To_Int(bytes, lvar - 0xC0);
      if (lvar >= 0xD0 && lvar <= 0xD9) return -static_cast<long double>(Bcd_To_Int(bytes, lvar - 0xD0));
      return 0;
    default: return 0;
  }
}

QString General(long double value, QChar decimal_separator) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  if (value == 0) return QStringLiteral("0");
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14Le", value);  // d.dddddddddddddde[+-]x
  const char* e = std::strchr(buffer, 'e');
  if (e == nullptr) return QStringLiteral("0");
  const int exponent = std::atoi(e + 1);
  const bool negative = buffer[0] == '-';
  QString digits;
  for (const char* c = buffer; c < e; ++c) {
    if (*c >= '0' && *c <= '9') digits += QLatin1Char(*c);
  }
  while (digits.size() > 1 && digits.endsWith(QLatin1Char('0'))) digits.chop(1);

  QString text;
  if (exponent >= -5 && exponent < 15) {
    if (exponent < 0) {
      text = QStringLiteral("0") + decimal_separator + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else if (digits.size() <= exponent + 1) {
      text = digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    } else {
      text = digits.left(exponent + 1) + decimal_separator + digits.mid(exponent + 1);
    }
  } else {
    text = digits.left(1);
    if (digits.size() > 1) text += decimal_separator + digits.mid(1);
    text += QStringLiteral("E") + QString::number(exponent);
  }
  return negative ? QLatin1Char('-') + text : text;
}

}  // namespace value_text
