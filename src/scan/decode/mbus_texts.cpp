#include "scan/decode/mbus_texts.h"

#include <cstdint>

QString Man_Letter(int code) {
  if (code >= 65 && code <= 90) return QString(QChar(code));
  return QStringLiteral("?");
}

QString Trova_Man(int num) {
  // One text for the three letters, not one per letter joined: a scan names a manufacturer per meter.
  const auto letter = [](int code) { return code >= 65 && code <= 90 ? QChar(code) : QChar(u'?'); };
  const QChar letters[3] = {letter(64 + (num >> 10)), letter(64 + ((num >> 5) & 31)), letter(64 + (num & 31))};
  return QString(letters, 3);
}

QString Desc_Medium(int code) {
  switch (code) {
    case 1:
      return QStringLiteral("Oil");
    case 2:
      return QStringLiteral("Electricity");
    case 3:
      return QStringLiteral("Gas");
    case 4:
      return QStringLiteral("Heat (outlet)");
    case 5:
      return QStringLiteral("Steam");
    case 6:
      return QStringLiteral("Hot Water");
    case 7:
      return QStringLiteral("Water");
    case 8:
      return QStringLiteral("Heat Cost Allocator.");
    case 9:
      return QStringLiteral("Compressed Air");
    case 10:
      return QStringLiteral("Cooling load meter (outlet)");
    case 11:
      return QStringLiteral("Cooling load meter (inlet)");
    case 12:
      return QStringLiteral("Heat (inlet) ");  // the trailing blank is part of the stored text
    case 13:
      return QStringLiteral("Heat/Cooling load meter");
    case 14:
      return QStringLiteral("Bus/System");
    case 15:
      return QStringLiteral("Unknown Medium");
    case 22:
      return QStringLiteral("Cold Water");
    case 23:
      return QStringLiteral("Dual Water");
    case 24:
      return QStringLiteral("Pressure");
    case 25:
      return QStringLiteral("A/D Converter");
    default:
      return QStringLiteral("Other");
  }
}

QString Two_Digits(int n) {
  QString text = QString::number(n);
  if (text.size() == 1) text.prepend(QLatin1Char('0'));
  return text;
}

int64_t Pow10_Int(int n) {
  // The same numbers a floating-point power gives for 0..18, without its cost
  // in the inner loop of every BCD field.
  static constexpr int64_t kPowers[19] = {1,
                                          10,
                                          100,
                                          1000,
                                          10000,
                                          100000,
                                          1000000,
                                          10000000,
                                          100000000,
                                          1000000000,
                                          10000000000,
                                          100000000000,
                                          1000000000000,
                                          10000000000000,
                                          100000000000000,
                                          1000000000000000,
                                          10000000000000000,
                                          100000000000000000,
                                          1000000000000000000};
  if (n < 0) return 0;
  if (n > 18) return INT64_MAX;  // beyond 64 bits; no caller asks for it
  return kPowers[n];
}

int64_t Bcd_To_Int(const uint8_t* bytes, int n) {
  // Eighteen digits (the longest BCD field a record carries) fit in 64 bits even
  // with every nibble at F; longer input would overflow, so it is cut there.
  if (n > 9) n = 9;
  int64_t sum = 0;
  for (int i = 0; i < n; ++i) {
    const int low = bytes[i] & 0x0F;
    const int high = bytes[i] >> 4;
    sum += low * Pow10_Int(2 * i);
    if (i == n - 1 && high == 0x0F) return -sum;
    sum += high * Pow10_Int(2 * i + 1);
  }
  return sum;
}
