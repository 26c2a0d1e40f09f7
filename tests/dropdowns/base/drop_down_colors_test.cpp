#include "dropdowns/base/drop_down_colors.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "dropdowns/base/draw_gradient_steps.h"
#include "dropdowns/base/rounding.h"

namespace {

TEST(Div_Round_Even, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(Div_Round_Even(5, 2), 2);    // 2.5
  EXPECT_EQ(Div_Round_Even(7, 2), 4);    // 3.5
  EXPECT_EQ(Div_Round_Even(-5, 2), -2);  // -2.5
  EXPECT_EQ(Div_Round_Even(-7, 2), -4);  // -3.5
  EXPECT_EQ(Div_Round_Even(7, 4), 2);    // 1.75
  EXPECT_EQ(Div_Round_Even(-7, 4), -2);  // -1.75
  EXPECT_EQ(Div_Round_Even(21, 4), 5);   // 5.25
  EXPECT_EQ(Div_Round_Even(2025, 10), 202);
}

struct Shade_Case {
  TColor color;
  int r, g, b;
  TColor expected;
};

class Shade_Color_Test : public testing::TestWithParam<Shade_Case> {};

TEST_P(Shade_Color_Test, Shades) {
  const Shade_Case& c = GetParam();
  EXPECT_EQ(Shade_Color(c.color, c.r, c.g, c.b), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Shade_Color_Test,
                         testing::Values(
                             // 225 x 0.9 = 202.5 goes to the even 202, not up to 203.
                             Shade_Case{0xF5F0E1, -10, -10, 0, 0xF5D8CA},
                             // A zero channel takes the percentage; positive percentages leave
                             // other channels alone.
                             Shade_Case{0x000000, 20, 20, 20, 0x141414}, Shade_Case{0x808080, 20, 20, 20, 0x808080},
                             // Kept within a byte, never wrapped.
                             Shade_Case{0x000000, 300, 0, 0, 0x0000FF}, Shade_Case{0x808080, -250, -100, 0, 0x800000},
                             Shade_Case{0x000000, -20, 0, 0, 0x000000},
                             // A system colour shades what it shows (classic white window).
                             Shade_Case{clWindow, -50, 0, 0, 0xFFFF80}));

struct Mix_Case {
  TColor a, b;
  int percent;
  TColor expected;
};

class Mix_Colors_Test : public testing::TestWithParam<Mix_Case> {};

TEST_P(Mix_Colors_Test, Mixes) {
  const Mix_Case& c = GetParam();
  EXPECT_EQ(Mix_Colors(c.a, c.b, c.percent), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Mix_Colors_Test,
                         testing::Values(Mix_Case{0x000000, 0xFFFFFF, 50, 0x808080},  // 127.5 -> 128
                                         Mix_Case{0x0000FF, 0xFF0000, 25, 0xBF0040},
                                         // the ends hand back the colour itself, unresolved
                                         Mix_Case{clWindow, 0x000000, 100, clWindow},
                                         Mix_Case{0x000000, clBtnFace, 0, clBtnFace},
                                         Mix_Case{0x123456, 0x000000, 150, 0x123456},
                                         Mix_Case{clWindow, 0x000000, 50, 0x808080}));

std::vector<int> Reds(TColor from, TColor to, int steps, const TRect& r, bool horizontal, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::green);
  {
    QPainter painter(&image);
    TCanvas canvas(painter);
    Draw_Gradient_Steps(canvas, from, to, steps, r, horizontal);
  }
  std::vector<int> reds;
  for (int i = 0; i < (horizontal ? width : height); ++i) {
    const QColor c = horizontal ? image.pixelColor(i, 0) : image.pixelColor(0, i);
    reds.push_back(c == QColor(Qt::green) ? -1 : c.red());
  }
  return reds;
}

TEST(Draw_Gradient_Steps, BandsStopOneStepShortAndOverlap) {
  // 63.75 per step; offsets 0, 2, 4, 5 (1.75 per band) and bands 3 wide.
  EXPECT_EQ(Reds(0x000000, 0x0000FF, 4, {0, 0, 8, 1}, true, 8, 1),
            (std::vector<int>{0, 0, 64, 64, 128, 191, 191, 191}));
  EXPECT_EQ(Reds(0x000000, 0x0000FF, 4, {0, 0, 1, 8}, false, 1, 8),
            (std::vector<int>{0, 0, 64, 64, 128, 191, 191, 191}));
  // Running down: 255 - 127.5 goes to the even 128 below, 127.
  EXPECT_EQ(Reds(0x0000FF, 0x000000, 2, {0, 0, 4, 1}, true, 4, 1), (std::vector<int>{255, 255, 127, 127}));
}

TEST(Draw_Gradient_Steps, OneBandCoversExactlyTheRectangle) {
  // Zero and negative steps paint one band of the from colour, nothing outside.
  EXPECT_EQ(Reds(0x000040, 0x0000FF, 0, {1, 0, 5, 1}, true, 6, 1), (std::vector<int>{-1, 64, 64, 64, 64, -1}));
  EXPECT_EQ(Reds(0x000040, 0x0000FF, -3, {0, 2, 1, 4}, false, 1, 5), (std::vector<int>{-1, -1, 64, 64, -1}));
  // Equal colours: every band the same.
  EXPECT_EQ(Reds(0x000020, 0x000020, 5, {0, 0, 6, 1}, true, 6, 1), (std::vector<int>(6, 32)));
}

}  // namespace
