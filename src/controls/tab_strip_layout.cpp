#include "controls/tab_strip_layout.h"

std::vector<TRect> Layout_Tab_Strip(TTabPosition position, int W, int H, bool multi_line, int thickness,
                                    const std::vector<int>& lengths, int selected) {
  const bool vertical = position == tpLeft || position == tpRight;
  const int end = (vertical ? H : W) - 2;
  std::vector<int> rows;
  std::vector<int> starts;
  rows.reserve(lengths.size());
  starts.reserve(lengths.size());
  int along = 2;
  int row = 0;
  for (int length : lengths) {
    if (multi_line && along > 2 && along + length > end) {
      along = 2;
      ++row;
    }
    rows.push_back(row);
    starts.push_back(along);
    along += length;
  }
  const int row_count = row + 1;
  const int shift = selected >= 0 && selected < static_cast<int>(rows.size()) ? row_count - 1 - rows[selected] : 0;

  std::vector<TRect> rects;
  rects.reserve(lengths.size());
  for (size_t i = 0; i < lengths.size(); ++i) {
    const int length = lengths[i];
    const int along = starts[i];
    const int depth = 2 + (rows[i] + shift) % row_count * thickness;  // the row's outer side from the edge
    switch (position) {
      case tpTop:
        rects.push_back({along, depth, along + length, depth + thickness});
        break;
      case tpBottom:
        rects.push_back({along, H - depth - thickness, along + length, H - depth});
        break;
      case tpLeft:
        rects.push_back({depth, along, depth + thickness, along + length});
        break;
      case tpRight:
        rects.push_back({W - depth - thickness, along, W - depth, along + length});
        break;
    }
  }
  return rects;
}
