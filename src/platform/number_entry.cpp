#include "platform/number_entry.h"

namespace {

int HexDigit(QChar ch) {
  const char16_t c = ch.unicode();
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Parses into an unsigned pattern of `bits` width; false when not a number.
bool Parse(const QString& text, int bits, int64_t& result) {
  const uint64_t mask = bits == 64 ? ~uint64_t{0} : (uint64_t{1} << bits) - 1;
  const uint64_t max_positive = mask >> 1;  // 0x7FFF...
  qsizetype i = 0;
  const qsizetype n = text.size();
  while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
  bool negative = false;
  if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  bool hex = false;
  if (i < n && (text[i] == QLatin1Char('$') || text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X'))) {
    hex = true;
    ++i;
  } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
             (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
    hex = true;
    i += 2;
  }
  if (i >= n) return false;
  uint64_t value = 0;
  for (; i < n; ++i) {
    if (hex) {
      const int digit = HexDigit(text[i]);
      if (digit < 0) return false;
      if (value > (mask >> 4)) return false;  // would not fit the width
      value = (value << 4) | static_cast<uint64_t>(digit);
    } else {
      const char16_t c = text[i].unicode();
      if (c < '0' || c > '9') return false;
      const uint64_t digit = c - '0';
      // The magnitude may reach max_positive + 1 only for a negative number.
      const uint64_t limit = max_positive + (negative ? 1 : 0);
      if (value > (limit - digit) / 10) return false;
      value = value * 10 + digit;
    }
  }
  if (negative) value = (~value + 1) & mask;
  // Sign-extend the pattern of `bits` width.
  if (bits < 64 && (value & (uint64_t{1} << (bits - 1)))) value |= ~mask;
  result = static_cast<int64_t>(value);
  return true;
}

}  // namespace

bool Try_Read_Number(const QString& text, int32_t& value) {
  int64_t wide = 0;
  if (!Parse(text, 32, wide)) return false;
  value = static_cast<int32_t>(wide);
  return true;
}

bool Try_Read_Number64(const QString& text, int64_t& value) { return Parse(text, 64, value); }

int32_t Read_Number(const QString& text) {
  int32_t value = -1;
  return Try_Read_Number(text, value) ? value : -1;
}

int64_t Read_Number64(const QString& text) {
  int64_t value = -1;
  return Try_Read_Number64(text, value) ? value : -1;
}

bool Number_In_Range(const QString& text, int32_t low, int32_t high) {
  int32_t value = 0;
  return Try_Read_Number(text, value) && value >= low && value <= high;
}

bool Number64_In_Range(const QString& text, int64_t low, int64_t high) {
  int64_t value = 0;
  return Try_Read_Number64(text, value) && value >= low && value <= high;
}
