// The geometry behind the colour panels: the cube's cells and hit test, the
// colour boxes' layout and hit test, and the spectrum picture.
#include <gtest/gtest.h>

#include <set>

#include "dropdowns/colorpicker/color_box_items.h"
#include "dropdowns/colorpicker/cube_cells.h"
#include "dropdowns/colorpicker/spectrum_picture.h"

namespace {

TEST(Cube_Cells, lie_in_13_rows_of_a_honeycomb) {
  const Cube_Cells cells = Make_Cube_Cells();
  struct Row {
    int First, Count, X;
  };
  // Every row's first cell, its cell count and the first centre's x.
  const Row rows[] = {{1, 7, 55},   {8, 8, 49},   {16, 9, 43},  {25, 10, 37}, {35, 11, 31}, {46, 12, 25}, {58, 13, 19},
                      {71, 12, 25}, {83, 11, 31}, {94, 10, 37}, {104, 9, 43}, {113, 8, 49}, {121, 7, 55}};
  int expected_first = 1;
  for (int r = 0; r < 13; ++r) {
    EXPECT_EQ(rows[r].First, expected_first);
    for (int i = 0; i < rows[r].Count; ++i) {
      const QPoint c = cells[static_cast<size_t>(rows[r].First + i)].Center;
      EXPECT_EQ(c, QPoint(rows[r].X + 12 * i, 20 + 10 * r)) << "cell " << rows[r].First + i;
    }
    expected_first += rows[r].Count;
  }
  EXPECT_EQ(expected_first, 128);
  EXPECT_EQ(cells[64].Center, QPoint(91, 80));
  EXPECT_EQ(cells[64].Color, 0xFFFFFFu);
  EXPECT_EQ(cells[1].Color, 0x663300u);
  EXPECT_EQ(cells[127].Color, 0x2100A5u);
  std::set<TColor> colors;
  for (int i = 1; i <= kCubeCellCount; ++i) colors.insert(cells[static_cast<size_t>(i)].Color);
  EXPECT_EQ(colors.size(), 127u);
  EXPECT_EQ(Cube_Cell_Of_Color(cells, 0xFFFFFF), 64);
  EXPECT_EQ(Cube_Cell_Of_Color(cells, 0x123456), -1);
}

TEST(Cube_Cells, hit_within_six_pixels_of_a_centre_lower_index_first) {
  const Cube_Cells cells = Make_Cube_Cells();
  struct Hit {
    int X, Y, Cell;
  };
  const Hit hits[] = {
      {91, 80, 64},  // the centre
      {97, 80, 64},  // 6 px right: also 6 px from cell 65, the lower index wins
      {98, 80, 65},  // 7 px from 64, 5 px from 65
      {91, 86, 64},  // 6 px down
      {91, 87, -1},  // 7 px down, between the rows
      {88, 85, 64},  // in the overlap of 64 and 76 of the row below
      {55, 20, 1},  {55, 140, 121}, {127, 140, 127}, {0, 0, -1}, {160, 150, -1},
  };
  for (const Hit& h : hits) EXPECT_EQ(Cube_Cell_At(cells, h.X, h.Y), h.Cell) << h.X << "," << h.Y;
}

TEST(Cube_Cells, hexagon_is_pointed_at_top_and_bottom) {
  const auto corners = Cube_Hexagon(QPoint(91, 80), 3, 6);
  const std::array<QPoint, 6> expected{QPoint(85, 77), QPoint(91, 74), QPoint(97, 77),
                                       QPoint(97, 83), QPoint(91, 86), QPoint(85, 83)};
  EXPECT_EQ(corners, expected);
}

TEST(Color_Boxes, theme_colours_lay_out_in_a_row_and_five_strips) {
  TColorBoxItems items;
  Add_Theme_Color_Boxes(items);
  ASSERT_EQ(items.Count(), 60);
  EXPECT_EQ(Lay_Out_Boxes(items, Box_Layout_Settings{}), QSize(165, 84));
  const int row_tops[] = {4, 20, 32, 44, 56, 68};
  for (int i = 0; i < 60; ++i) {
    const TRect& r = items.GetItem(i)->Rect;
    EXPECT_EQ(r.Top, row_tops[i / 10]) << i;
    EXPECT_EQ(r.Left, 4 + 16 * (i % 10)) << i;
    EXPECT_EQ(r.Right - r.Left, 12);
    EXPECT_EQ(r.Bottom - r.Top, 12);
  }
  EXPECT_EQ(items.GetItem(0)->ColorBoxPos(), ipStandAlone);
  EXPECT_EQ(items.GetItem(10)->ColorBoxPos(), ipTop);
  EXPECT_EQ(items.GetItem(30)->ColorBoxPos(), ipMiddle);
  EXPECT_EQ(items.GetItem(59)->ColorBoxPos(), ipBottom);
  EXPECT_EQ(items.GetItem(11)->Color(), 0x7F7F7Fu);
  EXPECT_EQ(items.GetItem(51)->Color(), 0x0C0C0Cu);
}

// The gap below a row comes from any stand-alone box in it; the last box
// never opens a row of its own.
TEST(Color_Boxes, gap_below_a_row_with_a_stand_alone_box) {
  TColorBoxItems items;
  for (int i = 0; i < 6; ++i) items.Add()->SetColorBoxPos(i == 1 ? ipStandAlone : ipMiddle);
  Box_Layout_Settings settings;
  settings.Columns = 3;
  EXPECT_EQ(Lay_Out_Boxes(items, settings), QSize(4 + 2 * 16 + 12 + 4 + 1, 4 + 12 + 4 + 12 + 4));
  EXPECT_EQ(items.GetItem(3)->Rect.Top, 20);
  EXPECT_EQ(items.GetItem(5)->Rect.Left, 36);

  TColorBoxItems one_row;
  for (int i = 0; i < 3; ++i) one_row.Add();
  EXPECT_EQ(Lay_Out_Boxes(one_row, settings), QSize(53, 20));

  TColorBoxItems none;
  EXPECT_EQ(Lay_Out_Boxes(none, settings), QSize(100, 50));
  EXPECT_EQ(Box_At_Point(none, 5, 5), -1);
}

TEST(Color_Boxes, left_and_top_edges_belong_to_the_box) {
  TColorBoxItems items;
  Add_Theme_Color_Boxes(items);
  Lay_Out_Boxes(items, Box_Layout_Settings{});
  struct Hit {
    int X, Y, Box;
  };
  const Hit hits[] = {{4, 4, 0},   {15, 15, 0}, {16, 4, -1}, {15, 16, -1},  {20, 4, 1},
                      {4, 31, 10}, {4, 32, 20}, {3, 4, -1},  {159, 79, 59}, {160, 79, -1}};
  for (const Hit& h : hits) EXPECT_EQ(Box_At_Point(items, h.X, h.Y), h.Box) << h.X << "," << h.Y;
}

TEST(Color_Boxes, presets_restore_the_border_colours_custom_keeps_them) {
  TColorBoxAppearance a;
  a.BorderColor = 1;
  a.OuterBorderColorSelected = 2;
  a.SetStyle(scCustom);
  EXPECT_EQ(a.BorderColor, 1u);
  a.SetStyle(scWindows7);
  EXPECT_EQ(a.BorderColor, 0xC5C5C5u);
  EXPECT_EQ(a.OuterBorderColorSelected, 0x0000FFu);
}

TEST(Spectrum_Picture, runs_from_white_through_the_hues_to_black) {
  const QImage p = Make_Spectrum_Picture();
  ASSERT_EQ(p.size(), QSize(128, 128));
  for (int x : {0, 40, 127}) {
    EXPECT_EQ(p.pixel(x, 0), qRgb(255, 255, 255)) << x;
    EXPECT_EQ(p.pixel(x, 127), qRgb(0, 0, 0)) << x;
  }
  // The full hues around the middle: red at the left edge, green a third of
  // the way, blue two thirds.
  EXPECT_EQ(p.pixel(0, 63), qRgb(255, 0, 0));
  EXPECT_EQ(QColor(p.pixel(43, 60)).hue(), QColor::fromHsv(43 * 360 / 128, 255, 255).hue());
  EXPECT_EQ(QColor(p.pixel(43, 60)).saturation(), 255);
  EXPECT_EQ(QColor(p.pixel(43, 60)).value(), 255);
  EXPECT_GT(QColor(p.pixel(127, 63)).red(), 200);
  EXPECT_LT(QColor(p.pixel(127, 63)).blue(), 60);
  // Lighter above the band, darker below it.
  EXPECT_GT(QColor(p.pixel(0, 30)).green(), 100);
  EXPECT_LT(QColor(p.pixel(0, 100)).red(), 200);
}

}  // namespace
