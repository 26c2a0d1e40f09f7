#pragma once
// An expression of the filter condition language read once and then asked
// for many values: the same answers as MatchFilterExpression, without
// re-reading the expression, its operators and operands for every cell.
#include <QString>
#include <vector>

#include "grid/filter/filter_value.h"

namespace grid_filter {

class TCompiledFilter {
 public:
  TCompiledFilter() : TCompiledFilter(QString(), true) {}
  TCompiledFilter(const QString& expression, bool caseSensitive);

  bool Matches(const QString& value) const;

 private:
  struct Condition {
    bool has_gt = false, has_lt = false, has_not = false, has_caret = false, has_amp = false;
    bool gt_inclusive = false, lt_inclusive = false;
    Filter_Value gt_operand, lt_operand;
    QString glob;  // without quotes and "!"
    bool negate = false;
  };
  // One operand joined to the result so far: '\0' (it is the result), '&' or
  // '|'. Operands after "(" that do not count are left out.
  struct Step {
    char join = 0;
    int condition = -1;  // else a group
    int group = -1;
  };
  using Sequence = std::vector<Step>;

  // A cell's side of the comparisons, read once per cell: the common
  // shapes (digits only, digits between two date separators, a text that
  // cannot start a number) straight from the cell, any other through
  // Read_Filter_Value.
  struct Cell_Value {
    bool read = false;
    Filter_Value::Kind kind = Filter_Value::Text;
    double number = 0;
    QStringView text;
    Filter_Value full;
  };
  // The process conventions the short cuts depend on, taken when the filter
  // is read; while others are in force every cell takes the full reading.
  struct Conventions {
    QChar decimal, thousand, date_sep;
    QString date_format;
    int day = -1, month = -1, year = -1;  // field positions 0..2
    bool short_cuts = false;
  };

  int Compile(const QString& expression, int depth);
  int Add_Condition(const QString& text);
  bool Match_Sequence(int index, const QString& value, Cell_Value& cell) const;
  bool Match_Condition(const Condition& c, const QString& value, Cell_Value& cell) const;
  void Read_Cell(const QString& value, Cell_Value& cell) const;
  bool Read_Short_Cut(const QString& value, Cell_Value& cell) const;
  static int Compare(const Cell_Value& cell, const Filter_Value& operand);

  bool case_sensitive_ = true;
  std::vector<Sequence> sequences_;  // 0 is the whole expression
  std::vector<Condition> conditions_;
  Conventions conventions_;
};

}  // namespace grid_filter
