#pragma once
// The scroll range that gives a grid's scroll bar a thumb proportional to the
// visible share of its rows (columns). The thumb always travels 127 steps
// (page = maximum - 126), the range in which the grid reads thumb positions.
#include <optional>

struct Proportional_Scroll {
  int Maximum = 0;
  int Page = 0;
  int Position = 0;
};

// control: the client extent; fixed: extent of the fixed rows (columns) with
// their grid lines; total: extent of the scrollable ones; above: extent of the
// scrollable ones before the first visible. Nothing when everything fits.
std::optional<Proportional_Scroll> Proportional_Scroll_Range(int control, int fixed, int total, int above);
