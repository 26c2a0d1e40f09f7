#include "grid/filter/compiled_filter.h"

#include <algorithm>

#include "controls/format_settings.h"
#include "grid/filter/filter_matcher.h"
#include "grid/store/text_helpers.h"

namespace grid_filter {

namespace {

// The reading steps below follow the direct matcher one for one; only the
// evaluation is put off until a value comes.
char Join_Of(QChar pending) {
  if (pending.isNull()) return 0;
  if (pending == '&') return '&';
  if (pending == ';' || pending == '^' || pending == '|') return '|';
  return '(';
}

int Days_In_Month(int year, int month) {
  static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

// Days from 30 December 1899 to a valid date of the Gregorian calendar
// (years 1 to 9999): the day number the full reader gives a date, without
// building a QDate for every cell.
int Days_Since_1899_12_30(int year, int month, int day) {
  // Days since 1 March of year 0, counting the year from March on.
  const int y = month <= 2 ? year - 1 : year;
  const int era = y / 400;  // y >= 0
  const int year_of_era = y - era * 400;
  const int day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  const int since_epoch = era * 146097 + day_of_era - 719468;  // days since 1 January 1970
  return since_epoch + 25569;
}

}  // namespace

TCompiledFilter::TCompiledFilter(const QString& expression, bool caseSensitive) : case_sensitive_(caseSensitive) {
  Compile(expression, 0);
  const Format_Settings& settings = Process_Format_Settings();
  Conventions& k = conventions_;
  k.decimal = settings.Decimal_Separator;
  k.thousand = settings.Thousand_Separator;
  k.date_sep = settings.Date_Separator;
  k.date_format = settings.Short_Date_Format;
  int d = -1, m = -1, y = -1;
  // Read through a const reference: a write access would detach the copy
  // from the settings' string, which the cells' check below compares by
  // identity first.
  const QString& format = settings.Short_Date_Format;
  for (int i = 0; i < format.size(); ++i) {
    const QChar ch = format[i].toUpper();
    if (ch == 'D' && d < 0) d = i;
    if (ch == 'M' && m < 0) m = i;
    if (ch == 'Y' && y < 0) y = i;
  }
  // Where day, month and year stand among the three fields.
  k.day = (d > m) + (d > y);
  k.month = (m > d) + (m > y);
  k.year = (y > d) + (y > m);
  // A date separator that is a digit, blank, sign or one of the number
  // separators would make the shapes the short cuts know mean something
  // else.
  const QChar sep = k.date_sep;
  k.short_cuts = d >= 0 && m >= 0 && y >= 0 && !sep.isDigit() && sep != ' ' && sep != '+' && sep != '-' &&
                 sep != k.decimal && sep != k.thousand && !k.decimal.isDigit() && !k.thousand.isDigit();
}

int TCompiledFilter::Add_Condition(const QString& text) {
  Condition c;
  const QString pattern = case_sensitive_ ? text : text.toUpper();
  c.has_gt = pattern.contains('>');
  c.has_lt = pattern.contains('<');
  c.has_not = pattern.contains('!');
  c.has_caret = pattern.contains('^');
  c.has_amp = pattern.contains('&');
  if (c.has_gt) c.gt_operand = Read_Filter_Value(Read_Operand(pattern, pattern.indexOf('>') + 1, true, c.gt_inclusive));
  if (c.has_lt)
    c.lt_operand = Read_Filter_Value(Read_Operand(pattern, pattern.indexOf('<') + 1, false, c.lt_inclusive));
  c.glob = Glob_Pattern(pattern, c.negate);
  conditions_.push_back(std::move(c));
  return int(conditions_.size()) - 1;
}

int TCompiledFilter::Compile(const QString& expression, int depth) {
  const int index = int(sequences_.size());
  sequences_.emplace_back();
  Sequence steps;
  QString rest = WithoutBlanksOutsideQuotes(expression.trimmed());
  if (rest.startsWith('=')) rest.remove(0, 1);
  static const grid_text::TCharSet operators{'(', ';', '^', '&', '|'};
  QChar pending;
  for (;;) {
    int pos = -1;
    const QChar op = grid_text::FindFirstOfOutsideQuotes(operators, rest, pos);
    if (op.isNull()) break;
    Step step;
    step.join = Join_Of(pending);
    if (rest.startsWith('(')) {
      const int end = FilterGroupEnd(rest);
      const QString inner = end < 0 ? rest.mid(1) : rest.mid(1, end - 1);
      if (depth < MaxGroupDepth) step.group = Compile(inner, depth + 1);
      rest = end < 0 ? QString() : rest.mid(end + 1);
      pending = '(';
    } else {
      step.condition = Add_Condition(rest.left(pos - 1));
      rest.remove(0, pos);
      pending = op;
    }
    if (step.join != '(') steps.push_back(step);
  }
  Step last;
  last.join = Join_Of(pending);
  last.condition = Add_Condition(rest);
  if (last.join != '(') steps.push_back(last);
  sequences_[index] = std::move(steps);
  return index;
}

void TCompiledFilter::Read_Cell(const QString& value, Cell_Value& cell) const {
  cell.read = true;
  if (Read_Short_Cut(value, cell)) return;
  cell.full = Read_Filter_Value(value);
  cell.kind = cell.full.kind;
  cell.number = cell.full.number;
  cell.text = cell.full.text;
}

// Answers as Read_Filter_Value does for the shapes most cells have; false
// leaves the rest to it.
bool TCompiledFilter::Read_Short_Cut(const QString& value, Cell_Value& cell) const {
  const Format_Settings& settings = Process_Format_Settings();
  const Conventions& k = conventions_;
  // Conventions changed since the filter was read: the full reading.
  if (!k.short_cuts || k.decimal != settings.Decimal_Separator || k.thousand != settings.Thousand_Separator ||
      k.date_sep != settings.Date_Separator ||
      !(k.date_format.isSharedWith(settings.Short_Date_Format) || k.date_format == settings.Short_Date_Format))
    return false;
  const int n = int(value.size());
  if (n == 0 || n > 60) return false;
  const QChar* s = value.constData();
  int seps = 0, first_sep = -1, second_sep = -1;
  bool digits_only = true;
  for (int i = 0; i < n; ++i) {
    const QChar ch = s[i];
    if (ch >= '0' && ch <= '9') continue;
    if (ch == k.date_sep) {
      if (++seps == 1)
        first_sep = i;
      else if (seps == 2)
        second_sep = i;
      continue;
    }
    digits_only = false;
    break;
  }
  cell.text = QStringView(value).left(MaxOperandLength);
  if (digits_only && seps == 0) {
    if (n > 15) return false;  // beyond exact integers in a double
    double v = 0;
    for (int i = 0; i < n; ++i) v = v * 10 + (s[i].unicode() - '0');
    cell.kind = Filter_Value::Number;
    cell.number = v;
    return true;
  }
  if (digits_only && seps == 2) {
    const int lengths[3] = {first_sep, second_sep - first_sep - 1, n - second_sep - 1};
    const int starts[3] = {0, first_sep + 1, second_sep + 1};
    int fields[3];
    for (int f = 0; f < 3; ++f) {
      if (lengths[f] < 1 || lengths[f] > 9) return false;
      int v = 0;
      for (int i = 0; i < lengths[f]; ++i) v = v * 10 + (s[starts[f] + i].unicode() - '0');
      fields[f] = v;
    }
    const int day = fields[k.day], month = fields[k.month], year = fields[k.year];
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > Days_In_Month(year, month)) {
      // Not a date, and the separators keep it from being a number.
      cell.kind = Filter_Value::Text;
      return true;
    }
    cell.kind = Filter_Value::Date;
    cell.number = double(Days_Since_1899_12_30(year, month, day));
    return true;
  }
  if (seps > 0) return false;
  // A text whose first character that counts cannot begin a number.
  for (int i = 0; i < n; ++i) {
    const QChar ch = s[i];
    if (ch == ' ' || ch == k.thousand) continue;
    // (A point reads as a decimal point whatever the separator is.)
    if ((ch >= '0' && ch <= '9') || ch == '+' || ch == '-' || ch == '.' || ch == k.decimal) return false;
    break;
  }
  // No date separator: no date either.
  if (value.indexOf(k.date_sep) >= 0) return false;
  cell.kind = Filter_Value::Text;
  return true;
}

int TCompiledFilter::Compare(const Cell_Value& cell, const Filter_Value& operand) {
  if (cell.kind == operand.kind && cell.kind != Filter_Value::Text)
    return cell.number < operand.number ? -1 : (cell.number > operand.number ? 1 : 0);
  // Code unit by code unit, then the shorter first: QString's case-sensitive
  // order, without a library call for texts that differ at once.
  const QChar* a = cell.text.data();
  const QChar* b = operand.text.constData();
  const qsizetype n = std::min(cell.text.size(), operand.text.size());
  for (qsizetype i = 0; i < n; ++i)
    if (a[i] != b[i]) return a[i].unicode() < b[i].unicode() ? -1 : 1;
  return cell.text.size() < operand.text.size() ? -1 : (cell.text.size() > operand.text.size() ? 1 : 0);
}

bool TCompiledFilter::Match_Condition(const Condition& c, const QString& value, Cell_Value& cell) const {
  bool greater = true, less = true, greater_seen = false, less_seen = false;
  if (c.has_gt || c.has_lt) {
    if (!cell.read) Read_Cell(value, cell);
    if (c.has_gt) {
      const int cmp = Compare(cell, c.gt_operand);
      greater = c.gt_inclusive ? cmp >= 0 : cmp > 0;
      greater_seen = true;
    }
    if (c.has_lt) {
      const int cmp = Compare(cell, c.lt_operand);
      less = c.lt_inclusive ? cmp <= 0 : cmp < 0;
      less_seen = true;
    }
  }
  if (c.has_not) {
    if (!c.has_gt) greater_seen = true;
    if (!c.has_lt) less_seen = true;
  }
  if (c.has_caret && (greater_seen || less_seen)) return greater || less;
  if (c.has_amp && greater_seen && less_seen) return greater && less;
  if (c.has_gt && greater) return true;
  if (c.has_lt && less) return true;
  return Glob_Match(c.glob.constData(), c.glob.size(), value.constData(), value.size()) != c.negate;
}

bool TCompiledFilter::Match_Sequence(int index, const QString& value, Cell_Value& cell) const {
  bool result = true;
  for (const Step& step : sequences_[index]) {
    // Every operand is read, as the direct matcher does, but an operand that
    // cannot change the result is skipped: matching has no side effects.
    if ((step.join == '&' && !result) || (step.join == '|' && result)) continue;
    const bool operand = step.condition >= 0 ? Match_Condition(conditions_[step.condition], value, cell)
                                             : step.group >= 0 && Match_Sequence(step.group, value, cell);
    result = step.join == '&' ? result && operand : step.join == '|' ? result || operand : operand;
  }
  return result;
}

bool TCompiledFilter::Matches(const QString& value) const {
  Cell_Value cell;
  if (case_sensitive_) return Match_Sequence(0, value, cell);
  const QString folded = value.toUpper();
  return Match_Sequence(0, folded, cell);
}

}  // namespace grid_filter
