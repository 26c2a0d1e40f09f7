#include "dropdowns/base/popup_placement.h"

#include <gtest/gtest.h>

#include "dropdowns/base/edit_border_rule.h"

namespace {

// An 800 x 800 screen; the edit is 21 high, the popup 120 x 150.
const QRect kScreen(0, 0, 800, 800);

TEST(PopupPosition, OpensBelowOrAboveByWhereItsBottomWouldBe) {
  struct Row {
    int edit_y;
    TDropPosition position;
    int expected_top;
  } rows[] = {
      {700, dpAuto, 550},  // no room below
      {100, dpAuto, 120},  // below, overlapping the edit's bottom border
      {640, dpAuto, 490},  // its top would fit, its bottom would not
      {630, dpAuto, 650},  // its bottom exactly at the screen's edge
      {631, dpAuto, 481}, {700, dpDown, 720}, {100, dpUp, -50},
  };
  for (const Row& row : rows)
    EXPECT_EQ(Popup_Position({10, row.edit_y}, 21, {120, 150}, row.position, kScreen), QPoint(10, row.expected_top))
        << row.edit_y << " " << int(row.position);
}

TEST(PopupPosition, MovesLeftToEndAtTheWorkAreasRightEdge) {
  EXPECT_EQ(Popup_Position({700, 100}, 21, {250, 150}, dpAuto, kScreen).x(), 550);
  EXPECT_EQ(Popup_Position({550, 100}, 21, {250, 150}, dpAuto, kScreen).x(), 550);
  // A monitor left of the primary one: its work area starts at a negative x.
  const QRect left_monitor(-1024, 0, 1024, 768);
  EXPECT_EQ(Popup_Position({-100, 100}, 21, {250, 150}, dpAuto, left_monitor).x(), -250);
  // Whatever starts right of the work area is not pulled in.
  EXPECT_EQ(Popup_Position({900, 100}, 21, {250, 150}, dpAuto, kScreen).x(), 900);
}

TEST(PopupReopenGuard, MoreThan250MillisecondsAfterLosingActivation) {
  EXPECT_FALSE(Reopen_Allowed(100, 100));
  EXPECT_FALSE(Reopen_Allowed(350, 100));
  EXPECT_TRUE(Reopen_Allowed(351, 100));
  // The 32-bit counter wrapped in between.
  EXPECT_FALSE(Reopen_Allowed(100, 0xFFFFFFC0u));
  EXPECT_TRUE(Reopen_Allowed(200, 0xFFFFFFC0u));
}

TEST(EditBorder, FirstMatchingRuleWins) {
  const TColor red = 0x0000FF, green = 0x00FF00;
  struct Row {
    const char* name;
    Edit_Border_State state;
    Edit_Border expected;
  } rows[] = {
      {"plain", {}, {}},
      {"border colour", {.BorderColor = red}, {Edit_Border_Kind::Frame, red}},
      {"border colour focused", {.Focused = true, .BorderColor = red}, {Edit_Border_Kind::Frame, red}},
      {"focus colour unfocused", {.FocusBorderColor = green}, {}},
      {"focus colour focused", {.Focused = true, .FocusBorderColor = green}, {Edit_Border_Kind::Frame, green}},
      {"both focused",
       {.Focused = true, .BorderColor = red, .FocusBorderColor = green},
       {Edit_Border_Kind::Frame, green}},
      {"both unfocused", {.BorderColor = red, .FocusBorderColor = green}, {Edit_Border_Kind::Frame, red}},
      {"disabled", {.Enabled = false}, {Edit_Border_Kind::Frame, 0xC0C0C0}},
      {"disabled over colour", {.Enabled = false, .BorderColor = red}, {Edit_Border_Kind::Frame, 0xC0C0C0}},
      {"disabled, no grey border", {.Enabled = false, .DisabledBorder = false}, {}},
      {"disabled unthemed", {.Enabled = false, .Themed = false, .BorderColor = red}, {Edit_Border_Kind::Frame, red}},
      {"flat", {.Flat = true}, {Edit_Border_Kind::Flat, clNone}},
      {"flat with colour", {.Flat = true, .BorderColor = red}, {Edit_Border_Kind::Frame, red}},
  };
  for (const Row& row : rows) EXPECT_EQ(Choose_Edit_Border(row.state), row.expected) << row.name;
}

}  // namespace
