#include "grid/filter/compiled_filter.h"

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

}  // namespace

TCompiledFilter::TCompiledFilter(const QString& expression, bool caseSensitive) : case_sensitive_(caseSensitive) {
  Compile(expression, 0);
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

bool TCompiledFilter::Match_Condition(const Condition& c, const QString& value, const Filter_Value*& read,
                                      Filter_Value& storage) const {
  bool greater = true, less = true, greater_seen = false, less_seen = false;
  if (c.has_gt || c.has_lt) {
    if (!read) {
      storage = Read_Filter_Value(value);
      read = &storage;
    }
    if (c.has_gt) {
      const int cmp = Compare_Filter_Values(*read, c.gt_operand);
      greater = c.gt_inclusive ? cmp >= 0 : cmp > 0;
      greater_seen = true;
    }
    if (c.has_lt) {
      const int cmp = Compare_Filter_Values(*read, c.lt_operand);
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

bool TCompiledFilter::Match_Sequence(int index, const QString& value, const Filter_Value*& read,
                                     Filter_Value& storage) const {
  bool result = true;
  for (const Step& step : sequences_[index]) {
    // Every operand is read, as the direct matcher does, but an operand that
    // cannot change the result is skipped: matching has no side effects.
    if ((step.join == '&' && !result) || (step.join == '|' && result)) continue;
    const bool operand = step.condition >= 0 ? Match_Condition(conditions_[step.condition], value, read, storage)
                                             : step.group >= 0 && Match_Sequence(step.group, value, read, storage);
    result = step.join == '&' ? result && operand : step.join == '|' ? result || operand : operand;
  }
  return result;
}

bool TCompiledFilter::Matches(const QString& value) const {
  const Filter_Value* read = nullptr;
  Filter_Value storage;
  if (case_sensitive_) return Match_Sequence(0, value, read, storage);
  const QString folded = value.toUpper();
  return Match_Sequence(0, folded, read, storage);
}

}  // namespace grid_filter
