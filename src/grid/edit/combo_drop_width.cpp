#include "grid/edit/combo_drop_width.h"

namespace edit_filter {

int Combo_Drop_Down_Width(int combo_width, const std::vector<int>& item_widths, bool scrolls) {
  int w = combo_width;
  // A scrolling list gives up room for its scroll bar.
  for (int item : item_widths) {
    if (scrolls) {
      if (w - 25 < item) w = item + 25;
    } else if (w - 5 < item) {
      w = item + 8;
    }
  }
  return w;
}

}  // namespace edit_filter
