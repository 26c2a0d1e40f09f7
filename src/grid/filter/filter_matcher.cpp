#include "grid/filter/filter_matcher.h"

#include <QDate>

#include "controls/format_settings.h"
#include "grid/filter/filter_value.h"
#include "grid/store/text_helpers.h"

namespace grid_filter {

namespace {

// Optional sign and at most nine digits, nothing else.
bool Read_Int(QStringView text, int& value) {
  int i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size() || text.size() - i > 9) return false;
  int v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i].unicode() - '0');
  }
  value = negative ? -v : v;
  return true;
}

bool Read_Time(QStringView text, double& fraction) {
  const QChar sep = Process_Format_Settings().Time_Separator;
  const int first = text.indexOf(sep);
  if (first < 0) return false;
  int hour = 0, minute = 0, second = 0;
  if (!Read_Int(text.left(first), hour) || hour < 0 || hour > 23) return false;
  const QStringView rest = text.mid(first + 1);
  const int second_sep = rest.indexOf(sep);
  if (second_sep >= 0) {
    if (!Read_Int(rest.left(second_sep), minute) || !Read_Int(rest.mid(second_sep + 1), second)) return false;
  } else if (!Read_Int(rest, minute)) {
    return false;
  }
  if (minute < 0 || minute > 59 || second < 0 || second > 59) return false;
  fraction = (hour * 3600 + minute * 60 + second) / 86400.0;
  return true;
}

bool Combine(QChar pending, bool result, bool value) {
  if (pending.isNull()) return value;
  if (pending == '&') return result && value;
  if (pending == ';' || pending == '^' || pending == '|') return result || value;
  return result;  // after "(" the operand does not count
}

bool Match_Expression(const QString& expression, const QString& value, bool caseSensitive, int depth) {
  QString rest = WithoutBlanksOutsideQuotes(expression.trimmed());
  if (rest.startsWith('=')) rest.remove(0, 1);
  static const grid_text::TCharSet operators{'(', ';', '^', '&', '|'};
  bool result = true;
  QChar pending;
  for (;;) {
    int pos = -1;
    const QChar op = grid_text::FindFirstOfOutsideQuotes(operators, rest, pos);
    if (op.isNull()) break;
    bool operand = false;
    if (rest.startsWith('(')) {
      // An unclosed group takes the rest of the text.
      const int end = FilterGroupEnd(rest);
      const QString inner = end < 0 ? rest.mid(1) : rest.mid(1, end - 1);
      operand = depth < MaxGroupDepth && Match_Expression(inner, value, caseSensitive, depth + 1);
      rest = end < 0 ? QString() : rest.mid(end + 1);
      result = Combine(pending, result, operand);
      pending = '(';
    } else {
      operand = MatchFilterCondition(rest.left(pos - 1), value, caseSensitive);
      rest.remove(0, pos);
      result = Combine(pending, result, operand);
      pending = op;
    }
  }
  return Combine(pending, result, MatchFilterCondition(rest, value, caseSensitive));
}

}  // namespace

int FilterGroupEnd(const QString& text) {
  int opens = 0, closes = 0;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] == '(') ++opens;
    if (text[i] == ')' && ++closes == opens) return i;
  }
  return -1;
}

QString WithoutBlanksOutsideQuotes(const QString& text) {
  QString result;
  result.reserve(text.size());
  int quotes = 0;
  for (QChar ch : text) {
    if (ch == '"') ++quotes;
    if (ch == ' ' && quotes % 2 == 0) continue;
    result += ch;
  }
  return result;
}

QString NumberTextForConversion(const QString& text) { return grid_text::ToConversionNumberText(text); }

bool ParseDateByFormat(const QString& text, TDateTime& dateTime) {
  const Format_Settings& settings = Process_Format_Settings();
  const QChar sep = settings.Date_Separator;
  const int first = text.indexOf(sep);
  if (first < 0) return false;
  // Read per character: this runs for every cell a comparison meets.
  int d = -1, m = -1, y = -1;
  const QString& format = settings.Short_Date_Format;
  for (int i = 0; i < format.size(); ++i) {
    const QChar ch = format[i].toUpper();
    if (ch == 'D' && d < 0) d = i;
    if (ch == 'M' && m < 0) m = i;
    if (ch == 'Y' && y < 0) y = i;
  }
  if (d < 0 || m < 0 || y < 0) return false;
  const int second = text.indexOf(sep, first + 1);
  if (second < 0) return false;
  QStringView third = QStringView(text).mid(second + 1).trimmed();
  QStringView time;
  if (const int blank = third.indexOf(' '); blank >= 0) {
    time = third.mid(blank + 1).trimmed();
    third = third.left(blank);
  }
  int fields[3];
  if (!Read_Int(QStringView(text).left(first), fields[0]) ||
      !Read_Int(QStringView(text).mid(first + 1, second - first - 1), fields[1]) || !Read_Int(third, fields[2]))
    return false;
  // The field order follows the letters' order in the format.
  const int day = fields[(d > m) + (d > y)];
  const int month = fields[(m > d) + (m > y)];
  const int year = fields[(y > d) + (y > m)];
  if (day > 31 || month > 12) return false;
  double fraction = 0;
  if (!time.isEmpty() && !Read_Time(time, fraction)) return false;
  const QDate date(year, month, day);
  if (year < 1 || year > 9999 || !date.isValid()) return false;
  dateTime = double(QDate(1899, 12, 30).daysTo(date)) + fraction;
  return true;
}

bool MatchConditionPattern(const QString& pattern, const QString& value) {
  bool greater = true, less = true, greater_seen = false, less_seen = false;
  const bool has_gt = pattern.contains('>'), has_lt = pattern.contains('<');
  if (has_gt || has_lt) {
    const Filter_Value v = Read_Filter_Value(value);
    bool inclusive = false;
    if (has_gt) {
      const QString operand = Read_Operand(pattern, pattern.indexOf('>') + 1, true, inclusive);
      const int c = Compare_Filter_Values(v, Read_Filter_Value(operand));
      greater = inclusive ? c >= 0 : c > 0;
      greater_seen = true;
    }
    if (has_lt) {
      const QString operand = Read_Operand(pattern, pattern.indexOf('<') + 1, false, inclusive);
      const int c = Compare_Filter_Values(v, Read_Filter_Value(operand));
      less = inclusive ? c <= 0 : c < 0;
      less_seen = true;
    }
  }
  if (pattern.contains('!')) {
    if (!has_gt) greater_seen = true;
    if (!has_lt) less_seen = true;
  }
  if (pattern.contains('^') && (greater_seen || less_seen)) return greater || less;
  if (pattern.contains('&') && greater_seen && less_seen) return greater && less;
  if (has_gt && greater) return true;
  if (has_lt && less) return true;
  return Wildcard_Match(pattern, value);
}

bool MatchFilterCondition(const QString& condition, const QString& value, bool caseSensitive) {
  if (caseSensitive) return MatchConditionPattern(condition, value);
  return MatchConditionPattern(condition.toUpper(), value.toUpper());
}

bool MatchFilterExpression(const QString& expression, const QString& value, bool caseSensitive) {
  return Match_Expression(expression, value, caseSensitive, 0);
}

}  // namespace grid_filter
