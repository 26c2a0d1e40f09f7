#include "scan/decode/record_fields.h"

#include <array>

namespace record_fields {
namespace {

struct Data_Field {
  int bytes;
  const char* text;
};
constexpr Data_Field kDataFields[16] = {
    {0, ""},
    {1, "8 Bit Integer"},
    {2, "16 Bit Integer"},
    {3, "24 Bit Integer"},
    {4, "32 Bit Integer"},
    {4, "32 Bit Real"},
    {6, "48 Bit Integer"},
    {8, "64 Bit Integer"},
    {0, ""},
    {1, "2 Digit BCD"},
    {2, "4 Digit BCD"},
    {3, "6 Digit BCD"},
    {4, "8 Digit BCD"},
    {0, ""},
    {6, "12 Digit BCD"},
    {0, "Special Function"},
};

}  // namespace

int Data_Bytes(int code) { return kDataFields[code & 0x0F].bytes; }

int Lvar_Bytes(uint8_t lvar) {
  if (lvar <= 0xBF) return lvar;
  if (lvar <= 0xCF) return lvar - 0xC0;
  if (lvar <= 0xDF) return lvar - 0xD0;
  if (lvar <= 0xEF) return lvar - 0xE0;
  if (lvar <= 0xF4) return 4 * (lvar - 0xEC);  // long binary numbers: 16, 20, 24, 28 or 32 bytes
  if (lvar <= 0xFA) return lvar - 0xF0;
  return 0;
}

QString Data_Field_Text(int code, uint8_t lvar) {
  code &= 0x0F;
  if (code != 13) {
    // Shared texts: each record then holds a reference, not a copy.
    static const std::array<QString, 16> kTexts = [] {
      std::array<QString, 16> texts;
      for (int i = 0; i < 16; ++i) texts[i] = QString::fromLatin1(kDataFields[i].text);
      return texts;
    }();
    return kTexts[code];
  }
  const int bytes = Lvar_Bytes(lvar);
  if (lvar <= 0xBF) return QStringLiteral("Variable Length - ASCII String with %1characters").arg(bytes);
  if (lvar <= 0xCF) return QStringLiteral("Variable Length - Positive BCD Number with %1 digits").arg(2 * bytes);
  if (lvar <= 0xDF) return QStringLiteral("Variable Length - Negative BCD Number with %1 digits").arg(2 * bytes);
  if (lvar <= 0xF4) return QStringLiteral("Variable Length - Binary Number with %1 Bytes").arg(bytes);
  if (lvar <= 0xFA) return QStringLiteral("Variable Length - Floating Point Number with %1 Bytes").arg(bytes);
  return QStringLiteral("Variable Length - Reserved");
}

QString Function_Text(int function) {
  switch (function) {
    case 0:
      return QStringLiteral("Istantaneous value");  // stored spelling
    case 1:
      return QStringLiteral("Maximum value");
    case 2:
      return QStringLiteral("Minimum value");
    default:
      return QStringLiteral("Value during error state");
  }
}

}  // namespace record_fields
