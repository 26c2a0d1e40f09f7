#include "controls/tab_strip_layout.h"

#include <gtest/gtest.h>

TEST(TabStripLayout, PlacesTabsAlongEachEdge) {
  struct Row {
    TTabPosition position;
    TRect first;
    TRect second;
  };
  // A 200 x 100 control, tabs of 50 and 60 pixels, 20 thick, one row.
  const Row rows[] = {
      {tpTop, {2, 2, 52, 22}, {52, 2, 112, 22}},
      {tpBottom, {2, 78, 52, 98}, {52, 78, 112, 98}},
      {tpLeft, {2, 2, 22, 52}, {2, 52, 22, 112}},
      {tpRight, {178, 2, 198, 52}, {178, 52, 198, 112}},
  };
  for (const Row& row : rows) {
    const auto rects = Layout_Tab_Strip(row.position, 200, 100, false, 20, {50, 60});
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], row.first) << row.position;
    EXPECT_EQ(rects[1], row.second) << row.position;
  }
}

TEST(TabStripLayout, MultiLineWrapsAndBringsTheSelectedRowToThePage) {
  const std::vector<int> lengths = {80, 80, 80};  // two fit in 200 - 4
  auto rects = Layout_Tab_Strip(tpTop, 200, 100, true, 20, lengths);
  EXPECT_EQ(rects[0], (TRect{2, 2, 82, 22}));
  EXPECT_EQ(rects[2], (TRect{2, 22, 82, 42}));
  // Selecting a tab of the outer row swaps the rows: it lies next to the page.
  rects = Layout_Tab_Strip(tpTop, 200, 100, true, 20, lengths, 1);
  EXPECT_EQ(rects[1], (TRect{82, 22, 162, 42}));
  EXPECT_EQ(rects[2], (TRect{2, 2, 82, 22}));
  // Without multi_line the row runs on.
  rects = Layout_Tab_Strip(tpTop, 200, 100, false, 20, lengths, 1);
  EXPECT_EQ(rects[2], (TRect{162, 2, 242, 22}));
  // Vertical strips wrap into columns away from the edge.
  rects = Layout_Tab_Strip(tpLeft, 100, 200, true, 20, lengths);
  EXPECT_EQ(rects[2], (TRect{22, 2, 42, 82}));
  EXPECT_TRUE(Layout_Tab_Strip(tpLeft, 100, 200, true, 20, {}).empty());
}
