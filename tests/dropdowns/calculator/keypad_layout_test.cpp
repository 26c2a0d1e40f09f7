#include "dropdowns/calculator/keypad_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// A 230 x 150 panel with 8-pixel margins: keys 34 x 26 in columns at 8, 46,
// 79, 112, 150, 183 and rows at 8, 38, 63, 88, 113; Back and CE 54 wide, C
// takes the rest up to the grid's right edge at 217.
TEST(Keypad_Layout, keys_of_a_230_by_150_panel) {
  const auto rects = Calculator_Key_Rects(TRect{8, 8, 222, 142});
  const int columns[] = {8, 46, 79, 112, 150, 183};
  const int rows[] = {8, 38, 63, 88, 113};
  for (int i = 0; i < kCalculatorKeyCount; ++i) {
    const Calculator_Key& k = kCalculatorKeys[static_cast<size_t>(i)];
    const TRect& r = rects[static_cast<size_t>(i)];
    EXPECT_EQ(r.Top, rows[k.Row]) << k.Name;
    EXPECT_EQ(r.Bottom - r.Top, 26) << k.Name;
    if (k.Column < 0) continue;
    EXPECT_EQ(r.Left, columns[k.Column]) << k.Name;
    EXPECT_EQ(r.Right - r.Left, 34) << k.Name;
  }
  EXPECT_EQ(rects[1].Left, 46);
  EXPECT_EQ(rects[1].Right - rects[1].Left, 54);
  EXPECT_EQ(rects[2].Left, 104);
  EXPECT_EQ(rects[2].Right - rects[2].Left, 54);
  EXPECT_EQ(rects[3].Left, 162);
  EXPECT_EQ(rects[3].Right, 217);
}

// Every action the calculator knows has exactly one key.
TEST(Keypad_Layout, every_tag_has_one_key_and_the_caption_of_the_point_is_a_full_stop) {
  std::set<int> tags;
  for (const Calculator_Key& k : kCalculatorKeys) EXPECT_TRUE(tags.insert(k.Tag).second) << k.Name;
  for (int tag = 0; tag <= 18; ++tag) EXPECT_TRUE(tags.count(tag)) << tag;
  for (int tag = 30; tag <= 38; ++tag) EXPECT_TRUE(tags.count(tag)) << tag;
  EXPECT_STREQ(kCalculatorKeys[16].Caption, ".");
  EXPECT_EQ(kCalculatorKeys[16].Tag, 15);
}

}  // namespace
