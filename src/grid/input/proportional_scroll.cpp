#include "grid/input/proportional_scroll.h"

std::optional<Proportional_Scroll> Proportional_Scroll_Range(int control, int fixed, int total, int above) {
  if (total <= 0) return std::nullopt;
  const float share = float(control - fixed) / float(total);
  if (share >= 0.9999f) return std::nullopt;
  const float maximum = (share + 127) / (1 - share);
  const double position = control < total ? double(above) / double(total - control) * 128 : 127;
  Proportional_Scroll range;
  range.Maximum = int(maximum);
  range.Page = range.Maximum - 126;
  range.Position = int(position);
  return range;
}
