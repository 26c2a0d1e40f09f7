#include "scan/decode/value_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scan/decode/mbus_texts.h"

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
    case 9:
      return Bcd_To_Int(bytes, 1);
    case 10:
      return Bcd_To_Int(bytes, 2);
    case 11:
      return Bcd_To_Int(bytes, 3);
    case 12:
      return Bcd_To_Int(bytes, 4);
    case 14:
      return Bcd_To_Int(bytes, 6);
    case 13:
      if (lvar >= 0xC0 && lvar <= 0xC9) return Bcd_To_Int(bytes, lvar - 0xC0);
      if (lvar >= 0xD0 && lvar <= 0xD9) return -static_cast<long double>(Bcd_To_Int(bytes, lvar - 0xD0));
      return 0;
    default:
      return 0;
  }
}

namespace {

// Significant digits (no trailing zeros) d1 d2 d3 ... with the value d1.d2d3... * 10^exponent.
QString Layout(const char* digits, int count, int exponent, bool negative, QChar decimal_separator) {
  char16_t out[64];
  int n = 0;
  if (negative) out[n++] = u'-';
  if (exponent >= -5 && exponent < 15) {
    if (exponent < 0) {
      out[n++] = u'0';
      out[n++] = decimal_separator.unicode();
      for (int i = 0; i < -exponent - 1; ++i) out[n++] = u'0';
      for (int i = 0; i < count; ++i) out[n++] = digits[i];
    } else {
      for (int i = 0; i <= exponent; ++i) out[n++] = i < count ? digits[i] : u'0';
      if (count > exponent + 1) {
        out[n++] = decimal_separator.unicode();
        for (int i = exponent + 1; i < count; ++i) out[n++] = digits[i];
      }
    }
  } else {
    out[n++] = digits[0];
    if (count > 1) {
      out[n++] = decimal_separator.unicode();
      for (int i = 1; i < count; ++i) out[n++] = digits[i];
    }
    out[n++] = u'E';
    char power[16];
    const int length = std::snprintf(power, sizeof power, "%d", exponent);
    for (int i = 0; i < length; ++i) out[n++] = power[i];
  }
  return QString(reinterpret_cast<const QChar*>(out), n);
}

}  // namespace

QString General(long double value, QChar decimal_separator) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  if (value == 0) return QStringLiteral("0");
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14Le", value);  // d.dddddddddddddde[+-]x
  const char* e = std::strchr(buffer, 'e');
  if (e == nullptr) return QStringLiteral("0");
  char digits[20];
  int count = 0;
  for (const char* c = buffer; c < e && count < 16; ++c) {
    if (*c >= '0' && *c <= '9') digits[count++] = *c;
  }
  while (count > 1 && digits[count - 1] == '0') --count;
  return Layout(digits, count, std::atoi(e + 1), buffer[0] == '-', decimal_separator);
}

QString Decimal(int64_t mantissa, int exponent, QChar decimal_separator) {
  if (mantissa == 0) return QStringLiteral("0");
  const bool negative = mantissa < 0;
  uint64_t m = negative ? 0 - static_cast<uint64_t>(mantissa) : static_cast<uint64_t>(mantissa);
  while (m % 10 == 0) {
    m /= 10;
    ++exponent;
  }
  char digits[24];
  const int count = std::snprintf(digits, sizeof digits, "%llu", static_cast<unsigned long long>(m));
  return Layout(digits, count, exponent + count - 1, negative, decimal_separator);
}

}  // namespace value_text
