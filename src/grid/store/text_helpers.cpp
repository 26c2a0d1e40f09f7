#include "grid/store/text_helpers.h"

#include <QDate>

#include "controls/format_settings.h"

namespace grid_text {

namespace {

const QChar CR('\r');
const QChar LF('\n');

bool Starts_Wide(const QString& text) { return text.size() >= 2 && text[0] == '|' && text[1] == '\\'; }

QString Map_Chars(const QString& text, QChar a, QChar a_to, QChar b, QChar b_to, QChar c, QChar c_to) {
  QString result = text;
  for (QChar& ch : result) {
    if (ch == a)
      ch = a_to;
    else if (ch == b)
      ch = b_to;
    else if (ch == c)
      ch = c_to;
  }
  return result;
}

// A field of a date text: optional sign and decimal digits, nothing else.
bool Read_Field(const QString& field, int& value, int& digits) {
  QString text = field.trimmed();
  int i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size() || text.size() - i > 9) return false;
  digits = text.size() - i;
  int result = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    result = result * 10 + (text[i].unicode() - '0');
  }
  value = negative ? -result : result;
  return true;
}

const QDate& Date_Base() {
  static const QDate base(1899, 12, 30);
  return base;
}

TDateTime Parse_Date(const QString& text, bool month_first) {
  int sep_pos = -1;
  QChar sep;
  for (QChar candidate : {QChar('/'), QChar('.'), QChar('-')}) {
    sep_pos = text.indexOf(candidate);
    if (sep_pos >= 0) {
      sep = candidate;
      break;
    }
  }
  if (sep_pos < 0) return 0;
  const QString first = text.left(sep_pos);
  QString rest = text.mid(sep_pos + 1);
  const int second_end = rest.indexOf(sep);
  if (second_end < 0) return 0;
  const QString second = rest.left(second_end);
  const QString third = rest.mid(second_end + 1);
  int a, b, year, digits;
  if (!Read_Field(first, a, digits) || !Read_Field(second, b, digits) || !Read_Field(third, year, digits)) return 0;
  if (digits <= 2) year += year <= 25 ? 2000 : 1900;
  return month_first ? EncodeDate(year, a, b) : EncodeDate(year, b, a);
}

bool Is_Separator_For_Case(QChar ch) { return ch == ' ' || ch == '\'' || ch == ',' || ch == '-' || ch == '.'; }

}  // namespace

int CellTextKind(const QString& text, bool htmlAware) {
  const QString work = text + ' ';
  if (work.size() < 2) return 0;
  if (work[0] == '=') return 3;
  if (Starts_Wide(work)) return text.size() >= 5 && text[3] == '=' && text[4].unicode() == 0 ? 3 : 5;
  if (work.startsWith(QLatin1String("{\\"))) return 2;
  if (!htmlAware) return 0;
  for (const char* tag : {"</", "<B", "<I", "<C"})
    if (work.contains(QLatin1String(tag), Qt::CaseSensitive)) return 1;
  return 0;
}

QString PackLineBreaks(const QString& text) {
  // A bare LF needs the coding as much as a CR: left as it is, it would
  // split the text's line in a file of lines. Not beside a TAB, though: the
  // coding brings a TAB back as a CR, which would end the text's first line
  // and lose the rest.
  if (!text.contains(CR) && (!text.contains(LF) || text.contains(QChar(9)))) return text;
  return Map_Chars(text, CR, QChar(9), LF, QChar(8), QChar(0), QChar(1));
}

QString UnpackLineBreaks(const QString& text, bool keepAll) {
  if (!text.contains(QChar(8))) return text;
  QString result = Map_Chars(text, QChar(9), CR, QChar(8), LF, QChar(1), QChar(0));
  if (keepAll) return result;
  QString first;
  ExtractFirstLine(result, false, first);
  return first;
}

QString QuoteMultiLineText(const QString& text) {
  QString result = text;
  result.replace(QLatin1String("\r\n"), QString(QChar(11)));
  return '"' + result + '"';
}

QString RestoreMultiLineText(const QString& text) {
  if (!text.contains(QChar(11))) return text;
  QString result = text;
  result.replace(QChar(11), QLatin1String("\r\n"));
  return result;
}

QString LineBreaksToTilde(const QString& text) {
  QString result;
  result.reserve(text.size());
  for (QChar ch : text) {
    if (ch == CR)
      result += '~';
    else if (ch != LF)
      result += ch;
  }
  return result;
}

QString TildeToLineBreaks(const QString& text) {
  QString result = text;
  result.replace(QChar('~'), QLatin1String("\r\n"));
  if (result == QLatin1String("^")) return QString();
  return result;
}

QString EscapeLineBreaks(const QString& text) {
  QString result;
  result.reserve(text.size());
  for (QChar ch : text) {
    if (ch == CR)
      result += QLatin1String("\\n");
    else if (ch != LF)
      result += ch;
  }
  return result;
}

QString UnescapeLineBreaks(const QString& text) {
  QString result = text;
  result.replace(QLatin1String("\\n"), QString(CR));
  return result;
}

QString LineBreaksToHtml(const QString& text) {
  if (!text.contains(CR)) return text;
  QString result = text;
  result.replace(CR, QLatin1String("<br>"));
  return result;
}

QString RemoveCrFromCrLf(const QString& text) {
  QString result = text;
  result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return result;
}

QString RemoveCarriageReturns(const QString& text) {
  QString result = text;
  result.remove(CR);
  return result;
}

QString CrToLf(const QString& text) {
  QString result = text;
  result.replace(CR, LF);
  return result;
}

void ExtractFirstLine(QString& text, bool keepRest, QString& first) {
  const int cr = text.indexOf(CR);
  if (cr < 0) {
    first = text;
    text.clear();
    return;
  }
  first = text.left(cr);
  int cut = cr + 1;
  if (cut < text.size() && text[cut] == LF) ++cut;
  text.remove(0, cut);
  if (!keepRest) text.clear();
}

int CountTextLines(const QString& text, bool multiLine) { return multiLine ? text.count(CR) + 1 : 1; }

QString EncodeWideCellText(const QString& wide) {
  QString result = QStringLiteral("|\\");
  result.reserve(2 + wide.size() * 2);
  for (QChar unit : wide) {
    result += QChar(unit.unicode() >> 8);
    result += QChar(unit.unicode() & 0xFF);
  }
  return result;
}

QString DecodeWideCellText(const QString& text) {
  if (!Starts_Wide(text)) return text;
  QString result;
  const int pairs = (text.size() - 2) / 2;
  result.reserve(pairs);
  for (int i = 0; i < pairs; ++i) {
    const ushort high = text[2 + 2 * i].unicode() & 0xFF;
    const ushort low = text[3 + 2 * i].unicode() & 0xFF;
    result += QChar(ushort(high << 8 | low));
  }
  return result;
}

QString QuoteDoubling(const QString& text) {
  QString result = text;
  result.replace(QLatin1String("\""), QLatin1String("\"\""));
  return result;
}

QString UnDoubleChar(QChar ch, const QString& text) {
  if (!text.contains(ch)) return text;
  QString result;
  result.reserve(text.size());
  for (int i = 0; i < text.size(); ++i) {
    result += text[i];
    if (text[i] == ch && i + 1 < text.size() && text[i + 1] == ch) ++i;
  }
  return result;
}

int FindUnpairedChar(QChar ch, const QString& text, int& pos) {
  pos = 0;
  int i = 0;
  while (i < text.size()) {
    if (text[i] != ch) {
      ++i;
      continue;
    }
    int run_end = i;
    while (run_end < text.size() && text[run_end] == ch) ++run_end;
    if ((run_end - i) % 2 == 1 && run_end < text.size()) {
      pos = run_end;  // 1-based position of the run's last character
      return pos;
    }
    i = run_end;
  }
  if (!text.isEmpty() && text.back() == ch) pos = text.size();
  return pos;
}

int CountUnpairedChars(QChar ch, const QString& text) {
  QString rest = text;
  int count = 0;
  int pos = 0;
  // Each find removes at least one character, so the loop ends.
  while (FindUnpairedChar(ch, rest, pos) > 0) {
    ++count;
    rest.remove(0, pos);
  }
  return count;
}

QChar FindFirstOfOutsideQuotes(const TCharSet& set, const QString& text, int& pos) {
  int quotes = 0;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] == '"') ++quotes;
    if (quotes % 2 == 0) {
      for (QChar member : set) {
        if (member == text[i]) {
          pos = i + 1;
          return text[i];
        }
      }
    }
  }
  pos = -1;
  return QChar(0);
}

bool IsNumberChar(QChar ch) { return ch.isNumber(); }

bool IsNumberOrMinusChar(QChar ch) { return ch.isNumber() || ch == '-'; }

bool IsNumberOrSeparatorChar(QChar ch) {
  const Format_Settings& seps = Process_Format_Settings();
  return ch.isNumber() || ch == seps.Thousand_Separator || ch == seps.Decimal_Separator || ch == 'e' || ch == 'E';
}

bool IsSignedNumberOrSeparatorChar(QChar ch) { return IsNumberOrSeparatorChar(ch) || ch == '+' || ch == '-'; }

int ClassifyNumberText(const QString& text) {
  if (text.isEmpty()) return 2;
  const Format_Settings& seps = Process_Format_Settings();
  bool all_digits = true;
  bool decimal_ok = true;
  bool has_exponent = false;
  bool exponent_ok = true;
  int exponent_count = 0;
  int minus_count = 0;
  int decimal_count = 0;
  int last_thousand = -100;
  for (int i = 0; i < text.size(); ++i) {
    const QChar ch = text[i];
    const bool digit = ch.isNumber();
    const bool minus = ch == '-';
    const bool is_e = ch == 'e' || ch == 'E';
    if (minus) ++minus_count;
    if (ch == seps.Decimal_Separator) ++decimal_count;
    if (is_e) {
      has_exponent = true;
      ++exponent_count;
    }
    if (!(digit || minus) || (minus && i > 0)) all_digits = false;
    if (!(digit || minus || ch == seps.Thousand_Separator || ch == seps.Decimal_Separator) || (minus && i > 0))
      decimal_ok = false;
    if (ch == seps.Thousand_Separator) {
      if (i - last_thousand <= 3) decimal_ok = false;
      last_thousand = i;
    }
    if (!(digit || ch == seps.Decimal_Separator || is_e || ch == '+' || minus)) exponent_ok = false;
  }
  const QChar last = text.back();
  if (exponent_count > 1 || text[0] == 'e' || text[0] == 'E' || last == '+' || last == '-' || last == 'e' ||
      last == 'E')
    exponent_ok = false;
  int result = all_digits ? 0 : (decimal_ok && !has_exponent ? 1 : 2);
  if (exponent_ok && has_exponent) {
    result = 5;
    if (minus_count == 2) minus_count = 1;
  }
  if (minus_count > 1 || decimal_count > 1) result = 2;
  return result;
}

QString NormalizeNumberText(const QString& text) {
  bool stopped = false;
  return NormalizeNumberText(text, stopped);
}

QString NormalizeNumberText(const QString& text, bool& Stopped) {
  Stopped = false;
  if (text.isEmpty()) return QString();
  const Format_Settings& seps = Process_Format_Settings();
  QString work = text;
  const bool enclosed = work.startsWith('(') && work.endsWith(')');
  bool negative = enclosed;
  while (work.size() >= 2 && !IsNumberOrSeparatorChar(work[0])) {
    if (work[0] == '-') negative = true;
    work.remove(0, 1);
  }
  QString result;
  for (qsizetype i = 0; i < work.size(); ++i) {
    const QChar ch = work[i];
    if (ch == seps.Thousand_Separator) continue;
    if (ch == seps.Decimal_Separator) {
      result += '.';
    } else if (ch.isNumber() || ch == '-' || ch == '.' || ch == 'e' || ch == 'E' || ch == '+') {
      result += ch;
    } else {
      Stopped = !(enclosed && ch == ')' && i == work.size() - 1);
      break;
    }
  }
  return negative ? '-' + result : result;
}

QString ToConversionNumberText(const QString& text) {
  const Format_Settings& seps = Process_Format_Settings();
  QString result;
  result.reserve(text.size());
  for (QChar ch : text) {
    if (ch == seps.Decimal_Separator)
      result += '.';
    else if (ch != seps.Thousand_Separator)
      result += ch;
  }
  return result;
}

TDateTime EncodeDate(int year, int month, int day) {
  const QDate date(year, month, day);
  if (!date.isValid() || year < 1) return 0;
  return TDateTime(Date_Base().daysTo(date));
}

TDateTime ParseDateMDY(const QString& text) { return Parse_Date(text, true); }

TDateTime ParseDateDMY(const QString& text) { return Parse_Date(text, false); }

bool LooksLikeDate(const QString& text) {
  const QChar sep = Process_Format_Settings().Date_Separator;
  const int first = text.indexOf(sep);
  if (first < 1) return false;  // position 2 or later (1-based)
  return text.indexOf(sep, first + 2) >= 0;
}

TDateTime AddToDate(int years, int months, int days, double delta, TDateTime date) {
  const QDate current = Date_Base().addDays(qint64(date));
  const double time = date - qint64(date);
  auto encode = [&](int y, int m, int d) {
    const TDateTime result = EncodeDate(y, m, d);
    return result == 0 ? 0 : result + time;
  };
  if (days != 0 && years == 0 && months == 0) return date + days;
  if (years != 0 && months == 0 && days == 0) return encode(current.year() + years, current.month(), current.day());
  if (months != 0 && years == 0 && days == 0) {
    // Normalised for any shift, not only one wrap of the year.
    const int total = current.year() * 12 + (current.month() - 1) + months;
    const int year = total >= 0 ? total / 12 : -((-total + 11) / 12);
    return encode(year, total - year * 12 + 1, current.day());
  }
  return date + delta;
}

QString MixedCaseText(const QString& text) {
  QString result = text.toLower();
  bool capitalise = true;
  for (int i = 0; i < result.size(); ++i) {
    if (capitalise && result[i].isLetter()) {
      result[i] = result[i].toUpper();
      capitalise = false;
    } else if (Is_Separator_For_Case(result[i])) {
      capitalise = true;
    } else if (result[i].isLetter()) {
      capitalise = false;
    }
    // "Mc" at the start or after a blank capitalises the next letter.
    if (i >= 1 && result[i] == 'c' && result[i - 1] == 'M' && (i == 1 || result[i - 2] == ' ')) capitalise = true;
  }
  // Roman numerals at the end: " Ii" -> " II", " Iii" -> " III".
  const int n = result.size();
  for (int i = std::max(1, n - 3); i < n; ++i) {
    if (result[i].isLetter() && i >= 2 && result[i - 1] == 'I' && (result[i - 2] == ' ' || result[i - 2] == 'I'))
      result[i] = result[i].toUpper();
  }
  return result;
}

bool ParseCellReference(const QString& text, QPoint& point) {
  const QString upper = text.toUpper();
  if (upper.size() < 4 || upper[0] != 'R') return false;
  const int c = upper.indexOf('C');
  if (c < 0) return false;
  bool row_ok = false, col_ok = false;
  const int row = upper.mid(1, c - 1).toInt(&row_ok);
  const int col = upper.mid(c + 1).toInt(&col_ok);
  if (!row_ok || !col_ok) return false;
  point = QPoint(col, row);
  return true;
}

bool IsUrlText(const QString& text) {
  return text.contains(QLatin1String("://")) || text.contains(QLatin1String("mailto:"));
}

void StripUrlProtocol(QString& text) {
  int pos = text.indexOf(QLatin1String("://"));
  if (pos >= 0) {
    text.remove(0, pos + 3);
    return;
  }
  pos = text.indexOf(QLatin1String("mailto:"));
  if (pos >= 0) text.remove(0, pos + 7);
}

int CharPos(QChar ch, const QString& text) { return text.indexOf(ch) + 1; }

int VarCharPos(QChar ch, const QString& text, int& pos) { return pos = CharPos(ch, text); }

int VarPos(const QString& sub, const QString& text, int& pos) { return pos = text.indexOf(sub) + 1; }

int UpperCasePos(const QString& sub, const QString& text) { return text.toUpper().indexOf(sub) + 1; }

int WidePos(const QString& sub, const QString& wide) { return wide.indexOf(sub) + 1; }

QString CutAtSeparator(QString& text, const QString& sep) {
  const int pos = text.indexOf(sep);
  if (pos < 0 || sep.isEmpty()) return QString();
  const QString head = text.left(pos);
  text.remove(0, pos + sep.size());
  return head;
}

QString ConcatStrings(const QStringList& list) { return list.join(QString()); }

int CountChar(QChar ch, const QString& text) { return int(text.count(ch)); }

void FillTextWithChar(QString& text, QChar ch) { text.fill(ch); }

int IntMax(int a, int b) { return a > b ? a : b; }

int IntMin(int a, int b) { return a < b ? a : b; }

int ClampToLimits(int value, int min, int max) {
  if (min == max) return value;
  if (value > max && max > 0) return max;
  if (value < min && min > 0) return min;
  return value;
}

bool CellInGridRect(const QRect& rect, int col, int row) {
  return rect.left() <= col && col <= rect.right() && rect.top() <= row && row <= rect.bottom();
}

}  // namespace grid_text
