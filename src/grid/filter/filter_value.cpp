#include "grid/filter/filter_value.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "controls/format_settings.h"
#include "grid/filter/filter_matcher.h"

namespace grid_filter {

namespace {

// A complete decimal number after the separators are mapped: optional sign,
// digits with an optional ".", an optional exponent; blanks around it are
// allowed. "inf", "nan" and hexadecimal forms are not numbers here.
bool Read_Number(const QString& text, double& number) {
  const Format_Settings& seps = Process_Format_Settings();
  // Mapped into a buffer on the stack: this runs for every cell a comparison
  // meets. A longer text is no number a cell would hold.
  char buffer[128];
  size_t length = 0;
  for (QChar ch : text) {
    if (ch == seps.Thousand_Separator && ch != seps.Decimal_Separator) continue;
    const char c = ch == seps.Decimal_Separator ? '.' : ch.unicode() < 128 ? char(ch.unicode()) : 0;
    if (c == 0 || length == sizeof buffer) return false;
    buffer[length++] = c;
  }
  const std::string_view s(buffer, length);
  size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return false;
  size_t e = s.find_last_not_of(' ') + 1;
  size_t i = b;
  bool negative = false;
  if (s[i] == '+' || s[i] == '-') negative = s[i++] == '-';
  const size_t mantissa = i;
  int digits = 0;
  while (i < e && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  if (i < e && s[i] == '.') {
    ++i;
    while (i < e && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < e && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < e && (s[i] == '+' || s[i] == '-')) ++i;
    int exp_digits = 0;
    while (i < e && s[i] >= '0' && s[i] <= '9') ++i, ++exp_digits;
    if (exp_digits == 0) return false;
  }
  if (i != e) return false;
  double value = 0;
  const auto [end, ec] = std::from_chars(s.data() + mantissa, s.data() + e, value);
  if (end != s.data() + e) return false;
  // Out of range: a huge number orders above every other, a tiny one as 0.
  if (ec == std::errc::result_out_of_range) {
    const size_t exp = s.find_first_of("eE", mantissa);
    value = exp != std::string_view::npos && exp + 1 < e && s[exp + 1] == '-' ? 0 : HUGE_VAL;
  }
  number = negative ? -value : value;
  return true;
}

}  // namespace

Filter_Value Read_Filter_Value(const QString& text) {
  Filter_Value v;
  v.text = text.size() > MaxOperandLength ? text.left(MaxOperandLength) : text;
  TDateTime date = 0;
  if (ParseDateByFormat(text, date)) {
    v.kind = Filter_Value::Date;
    v.number = date;
  } else if (Read_Number(text, v.number)) {
    v.kind = Filter_Value::Number;
  }
  return v;
}

int Compare_Filter_Values(const Filter_Value& value, const Filter_Value& operand) {
  if (value.kind == operand.kind && value.kind != Filter_Value::Text)
    return value.number < operand.number ? -1 : (value.number > operand.number ? 1 : 0);
  return QString::compare(value.text, operand.text, Qt::CaseSensitive);
}

QString Read_Operand(const QString& pattern, int start, bool blankInQuotes, bool& inclusive) {
  const int n = pattern.size();
  int i = start;
  inclusive = false;
  if (i < n && pattern[i] == '=') {
    inclusive = true;
    ++i;
  }
  while (i < n && pattern[i] == ' ') ++i;
  int quotes = 0;
  for (int k = 0; k < i; ++k)
    if (pattern[k] == '"') ++quotes;
  QString operand;
  for (; i < n && operand.size() < MaxOperandLength; ++i) {
    const QChar ch = pattern[i];
    if (ch == '"') {
      if (++quotes % 2 == 1) continue;  // the opening quote is not part of it
      break;                            // the closing one ends it
    }
    const bool inside = quotes % 2 == 1;
    if (ch == ' ') {
      const QChar before = i > 0 ? pattern[i - 1] : QChar(' ');
      if (blankInQuotes && inside && before != ' ' && before != '"') {
        operand += ch;
        continue;
      }
      break;
    }
    if (!inside && (ch == '&' || ch == '|')) break;
    operand += ch;
  }
  return operand;
}

bool Glob_Match(const QChar* p, int pn, const QChar* v, int vn) {
  // Backtracking to the last "*" only: the same answer as trying every end
  // part after each "*", without the exponential cost of nested tries.
  int pi = 0, vi = 0, star = -1, mark = 0;
  while (vi < vn) {
    if (pi < pn && p[pi] == '*') {
      star = pi++;
      mark = vi;
    } else if (pi < pn && (p[pi] == '?' || p[pi] == v[vi])) {
      ++pi;
      ++vi;
    } else if (star >= 0) {
      pi = star + 1;
      vi = ++mark;
    } else {
      return false;
    }
  }
  while (pi < pn && p[pi] == '*') ++pi;
  return pi == pn;
}

QString Glob_Pattern(const QString& pattern, bool& negate) {
  negate = false;
  QString glob;
  glob.reserve(pattern.size());
  for (QChar ch : pattern) {
    if (ch == '!')
      negate = true;
    else if (ch != '"')
      glob += ch;
  }
  return glob;
}

bool Wildcard_Match(const QString& pattern, const QString& value) {
  bool negate = false;
  const QString glob = Glob_Pattern(pattern, negate);
  return Glob_Match(glob.constData(), glob.size(), value.constData(), value.size()) != negate;
}

}  // namespace grid_filter
