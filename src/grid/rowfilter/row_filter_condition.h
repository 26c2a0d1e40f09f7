#pragma once
// A filter condition read once for a whole ApplyFilter run.
#include "grid/filter/compiled_filter.h"

class Row_Filter_Condition {
 public:
  Row_Filter_Condition(const QString& condition, bool case_sensitive) : compiled(condition, case_sensitive) {}
  grid_filter::TCompiledFilter compiled;
};
