// The combo editor's drop-down width for its items.
#include "grid/edit/combo_drop_width.h"

#include <gtest/gtest.h>

using edit_filter::Combo_Drop_Down_Width;

namespace {

struct Width_Case {
  const char* name;
  int combo;
  std::vector<int> items;
  bool scrolls;
  int expected;
};

class DropWidth : public testing::TestWithParam<Width_Case> {};

TEST_P(DropWidth, fits_the_widest_item) {
  const Width_Case& c = GetParam();
  EXPECT_EQ(Combo_Drop_Down_Width(c.combo, c.items, c.scrolls), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Items, DropWidth,
                         testing::Values(Width_Case{"wide_item_no_scroll", 100, {40, 120, 60}, false, 128},
                                         Width_Case{"items_fit", 100, {40, 90, 95}, false, 100},
                                         // Within five pixels of the edge counts as too wide.
                                         Width_Case{"near_the_edge", 100, {96}, false, 104},
                                         Width_Case{"scrolling_list_keeps_bar_room", 100, {80}, true, 105},
                                         Width_Case{"scrolling_fits", 100, {70}, true, 100},
                                         Width_Case{"later_wider_item", 100, {120, 150}, false, 158},
                                         Width_Case{"no_items", 100, {}, false, 100}),
                         [](const testing::TestParamInfo<Width_Case>& info) { return std::string(info.param.name); });

}  // namespace
