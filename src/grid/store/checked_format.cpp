#include "grid/store/checked_format.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Widths beyond this are refused: a typo such as "%99999999d" must not ask
// for gigabytes of blanks.
constexpr long long Max_Width = 4096;

[[noreturn]] void Invalid(const QString& format) {
  throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format).toStdString());
}

[[noreturn]] void Missing(const QString& format) {
  throw EConvertError(QStringLiteral("No argument for format '%1'").arg(format).toStdString());
}

// Digits at i, as a number no larger than Max_Width + 1; -1 when none.
long long Read_Number(const QString& f, qsizetype& i) {
  long long n = -1;
  while (i < f.size() && f[i].isDigit() && f[i].unicode() < 128) {
    n = std::min(Max_Width + 1, (n < 0 ? 0 : n * 10) + (f[i].unicode() - '0'));
    ++i;
  }
  return n;
}

}  // namespace

QString Format_Integers(const QString& Format, std::initializer_list<long long> Args) {
  const std::vector<long long> args(Args);
  size_t next = 0;
  auto take = [&]() -> long long {
    if (next >= args.size()) Missing(Format);
    return args[next++];
  };
  QString out;
  qsizetype i = 0;
  while (i < Format.size()) {
    const QChar ch = Format[i++];
    if (ch != QLatin1Char('%')) {
      out += ch;
      continue;
    }
    if (i < Format.size() && Format[i] == QLatin1Char('%')) {
      out += QLatin1Char('%');
      ++i;
      continue;
    }
    // [index ":"], or the width when no colon follows the digits.
    qsizetype start = i;
    long long number = Read_Number(Format, i);
    if (number >= 0 && i < Format.size() && Format[i] == QLatin1Char(':')) {
      if (number > Max_Width) Invalid(Format);
      next = size_t(number);
      ++i;
    } else {
      i = start;
    }
    bool left = false;
    if (i < Format.size() && Format[i] == QLatin1Char('-')) {
      left = true;
      ++i;
    }
    long long width = -1;
    if (i < Format.size() && Format[i] == QLatin1Char('*')) {
      width = take();
      ++i;
    } else {
      width = Read_Number(Format, i);
    }
    long long precision = -1;
    if (i < Format.size() && Format[i] == QLatin1Char('.')) {
      ++i;
      if (i < Format.size() && Format[i] == QLatin1Char('*')) {
        precision = take();
        ++i;
      } else {
        precision = std::max(0LL, Read_Number(Format, i));
      }
    }
    if (width > Max_Width || precision > Max_Width || i >= Format.size()) Invalid(Format);
    const QChar type = Format[i++].toLower();
    if (type != QLatin1Char('d') && type != QLatin1Char('u') && type != QLatin1Char('x')) Invalid(Format);
    const long long value = take();
    QString digits;
    bool negative = false;
    if (type == QLatin1Char('d')) {
      negative = value < 0;
      // The magnitude as unsigned, so that the smallest value has one too.
      const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value) : value;
      digits = QString::number(magnitude);
    } else if (type == QLatin1Char('u')) {
      digits = QString::number(static_cast<uint32_t>(value));
    } else {
      digits = QString::number(static_cast<uint32_t>(value), 16).toUpper();
    }
    if (precision > digits.size()) digits = QString(precision - digits.size(), QLatin1Char('0')) + digits;
    if (negative) digits.prepend(QLatin1Char('-'));
    if (width > digits.size()) {
      const QString pad(width - digits.size(), QLatin1Char(' '));
      digits = left ? digits + pad : pad + digits;
    }
    out += digits;
  }
  return out;
}
