#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "controls/canvas.h"
#include "dropdowns/base/draw_gradient_steps.h"
#include "grid/draw/blend_color.h"

namespace {

struct Blend_Case {
  TColor c1, c2;
  int percent;
  TColor expected;
};

class Blend_Color_Test : public testing::TestWithParam<Blend_Case> {};

TEST_P(Blend_Color_Test, Mixes) {
  const Blend_Case& c = GetParam();
  EXPECT_EQ(BlendColor(c.c1, c.c2, c.percent), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Blend_Color_Test,
    testing::Values(Blend_Case{0x0000FF, 0xFF0000, 25, 0xBF0040}, Blend_Case{0x0000FF, 0xFF0000, 100, 0x0000FF},
                    Blend_Case{0x0000FF, 0xFF0000, 150, 0x0000FF}, Blend_Case{0x0000FF, 0xFF0000, 0, 0xFF0000},
                    Blend_Case{0x0000FF, 0xFF0000, -5, 0xFF0000}, Blend_Case{clNone, 0x123456, 50, 0x123456},
                    Blend_Case{0x123456, clNone, 50, 0x123456}, Blend_Case{0xFFFFFF, 0x000000, 50, 0x808080},
                    // a system colour mixes by the colour it shows (classic white window)
                    Blend_Case{clWindow, 0x000000, 50, 0x808080}));

TEST(Blend_Color, IfOnlyWhenAsked) {
  EXPECT_EQ(BlendColorIf(0x0000FF, 0xFF0000, false, 25), 0x0000FFu);
  EXPECT_EQ(BlendColorIf(0x0000FF, 0xFF0000, true, 25), 0xBF0040u);
}

QImage Gradient(bool horizontal, int steps, TColor from = 0x000000, TColor to = 0xFFFFFF) {
  QImage image(64, 64, QImage::Format_RGB32);
  image.fill(Qt::red);
  QPainter painter(&image);
  TCanvas canvas(painter);
  Draw_Gradient_Steps(canvas, from, to, steps, TRect{0, 0, 64, 64}, horizontal);
  return image;
}

TEST(Draw_Gradient_Steps, BandsRunFromFirstColourTowardsSecond) {
  // Four bands over 63 pixels: offsets 0, 16, 32, 47 (15.75 per band), each
  // 17 wide so it reaches into the next; the last one step short of white.
  const QImage h = Gradient(true, 4);
  EXPECT_EQ(h.pixelColor(0, 10), QColor(0, 0, 0));
  EXPECT_EQ(h.pixelColor(16, 10), QColor(64, 64, 64));
  EXPECT_EQ(h.pixelColor(63, 10), QColor(191, 191, 191));
  EXPECT_EQ(h.pixelColor(17, 0), h.pixelColor(31, 63));
  EXPECT_NE(h.pixelColor(15, 0), h.pixelColor(16, 0));
  // More bands than pixels: the second band (offset 0.49 rounds to 0) paints
  // over the first.
  const QImage v = Gradient(false, 128);
  EXPECT_EQ(v.pixelColor(10, 0), QColor(2, 2, 2));
  EXPECT_EQ(v.pixelColor(10, 63), QColor(253, 253, 253));
  EXPECT_EQ(v.pixelColor(0, 30), v.pixelColor(63, 30));
}

TEST(Draw_Gradient_Steps, OddInputsStillFill) {
  // No steps count as one band; a missing colour takes the other one.
  EXPECT_EQ(Gradient(true, 0).pixelColor(63, 63), QColor(0, 0, 0));
  EXPECT_EQ(Gradient(true, 8, clNone, 0x00FF00).pixelColor(0, 0), QColor(0, 255, 0));
  EXPECT_EQ(Gradient(true, 8, clNone, clNone).pixelColor(0, 0), QColor(255, 0, 0));
}

}  // namespace
