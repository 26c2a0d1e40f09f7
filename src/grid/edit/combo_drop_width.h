#pragma once
// The width the combo editor's drop-down list asks for: wide enough for its
// widest item, with room for the scroll bar when the list scrolls, and never
// narrower than the combo.
#include <vector>

namespace edit_filter {

// combo_width: the combo's width; item_widths: each item's text width in
// list order; scrolls: the list holds more items than it shows at once.
int Combo_Drop_Down_Width(int combo_width, const std::vector<int>& item_widths, bool scrolls);

}  // namespace edit_filter
