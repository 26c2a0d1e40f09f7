#include "platform/ansi_codec.h"

#include <array>

namespace ansi {
namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five bytes the code page leaves undefined,
// which Windows maps to the matching C1 control character.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

}  // namespace

QString Decode(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (char c : bytes) text.append(QChar(ToUnicode(static_cast<unsigned char>(c))));
  return text;
}

QByteArray Encode(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      bytes.append(static_cast<char>(u));
      continue;
    }
    char out = '?';
    for (int i = 0; i < 32; ++i) {
      if (kHighControls[i] == u) {
        out = static_cast<char>(0x80 + i);
        break;
      }
    }
    bytes.append(out);
  }
  return bytes;
}

}  // namespace ansi
