#include "grid/draw/alpha_mask.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <tuple>

namespace {

QImage Filled(int w, int h, QColor c, QImage::Format format = QImage::Format_RGB888) {
  QImage image(w, h, format);
  image.fill(c);
  return image;
}

// The raw premultiplied bytes of a mask pixel as (blue, green, red, alpha).
std::tuple<int, int, int, int> Raw(const TGridAlphaMask& mask, int x, int y) {
  const uint32_t p = reinterpret_cast<const uint32_t*>(mask.Image().constScanLine(y))[x];
  return {int(p & 0xFF), int(p >> 8 & 0xFF), int(p >> 16 & 0xFF), int(p >> 24)};
}

}  // namespace

TEST(AlphaMask, MergeMaskPremultipliesByTheMasksRedValue) {
  struct Case {
    int mask_red;
    QColor picture;
    std::tuple<int, int, int, int> bgra;
  };
  const Case cases[] = {
      {128, Qt::white, {128, 128, 128, 128}},
      {255, QColor(30, 20, 10), {10, 20, 30, 255}},
      {0, Qt::white, {0, 0, 0, 0}},
      {51, QColor(255, 100, 0), {0, 20, 51, 51}},
  };
  for (const Case& c : cases) {
    TGridAlphaMask mask;
    mask.MergeMask(Filled(3, 2, QColor(c.mask_red, 7, 9)), Filled(3, 2, c.picture));
    ASSERT_EQ(mask.Width(), 3);
    ASSERT_EQ(mask.Height(), 2);
    EXPECT_EQ(Raw(mask, 2, 1), c.bgra) << c.mask_red;
  }
}

TEST(AlphaMask, MergeMaskCountsPixelsBeyondASmallerMaskAsTransparent) {
  TGridAlphaMask mask;
  mask.MergeMask(Filled(2, 2, Qt::white), Filled(4, 3, Qt::white));
  EXPECT_EQ(Raw(mask, 1, 1), std::make_tuple(255, 255, 255, 255));
  EXPECT_EQ(Raw(mask, 3, 0), std::make_tuple(0, 0, 0, 0));
  EXPECT_EQ(Raw(mask, 0, 2), std::make_tuple(0, 0, 0, 0));
}

TEST(AlphaMask, MergeMaskLeavesTheMaskWithoutA24BitPicture) {
  TGridAlphaMask mask;
  mask.MergeMask(Filled(2, 2, Qt::white), Filled(2, 2, Qt::white));
  mask.MergeMask(Filled(5, 5, Qt::white), Filled(5, 5, Qt::white, QImage::Format_ARGB32));
  EXPECT_EQ(mask.Width(), 2);
  EXPECT_EQ(Raw(mask, 1, 1), std::make_tuple(255, 255, 255, 255));
}

TEST(AlphaMask, AssignCopiesOpacityAndTheSharedPixelsKeepingItsSize) {
  TGridAlphaMask source;
  source.MergeMask(Filled(2, 2, QColor(128, 0, 0)), Filled(2, 2, Qt::white));
  source.SetOpacity(230);
  TGridAlphaMask target;
  target.Assign(Filled(3, 3, Qt::black));
  EXPECT_EQ(target.Image().format(), QImage::Format_ARGB32_Premultiplied);
  target.Assign(source);
  EXPECT_EQ(target.Opacity(), 230);
  EXPECT_EQ(target.Width(), 3);
  EXPECT_EQ(Raw(target, 1, 1), std::make_tuple(128, 128, 128, 128));
  EXPECT_EQ(Raw(target, 2, 2), std::make_tuple(0, 0, 0, 255));
}

TEST(GaussianBlurTest, RefusesOtherDepthsBeforeChangingAnything) {
  QImage image = Filled(30, 30, Qt::white, QImage::Format_RGB32);
  image.setPixelColor(10, 10, Qt::black);
  const QImage before = image;
  try {
    GaussianBlur(image, 3.0);
    FAIL() << "no error";
  } catch (const Blur_Error& e) {
    EXPECT_STREQ(e.what(), "Blur only works for 24-bit bitmaps");
  }
  EXPECT_EQ(image, before);
}

TEST(GaussianBlurTest, NoRadiusLeavesThePicture) {
  QImage image = Filled(30, 30, Qt::black);
  image.setPixelColor(10, 10, Qt::white);
  const QImage before = image;
  GaussianBlur(image, 0);
  GaussianBlur(image, -2);
  EXPECT_EQ(image, before);
}

TEST(GaussianBlurTest, AWhiteAreaWiderThanTheKernelStaysWhiteAndItsEdgeFades) {
  // White up to column 10, inside the convolved band along the left edge.
  QImage image = Filled(80, 30, Qt::black);
  {
    QPainter p(&image);
    p.fillRect(0, 0, 10, 30, Qt::white);
  }
  GaussianBlur(image, 3.0);
  EXPECT_EQ(qRed(image.pixel(0, 0)), 255);
  EXPECT_EQ(qGreen(image.pixel(0, 15)), 255);
  EXPECT_EQ(qBlue(image.pixel(0, 29)), 255);
  // Across the edge the values fall steadily and die out within the kernel.
  int previous = 256;
  for (int x = 0; x <= 20; ++x) {
    const int v = qRed(image.pixel(x, 10));
    EXPECT_LE(v, previous) << x;
    previous = v;
  }
  EXPECT_GT(qRed(image.pixel(9, 10)), 128);
  EXPECT_LT(qRed(image.pixel(10, 10)), 128);
  EXPECT_EQ(qRed(image.pixel(20, 10)), 0);
}

TEST(GaussianBlurTest, TheMiddleBandRepeatsRowAndColumnFifteen) {
  // Only the 20-pixel bands along the edges are convolved; a line across
  // the middle of a tall picture is replaced by row 15 and so vanishes.
  QImage image = Filled(50, 60, Qt::black);
  for (int x = 0; x < 50; ++x) image.setPixelColor(x, 30, Qt::white);
  GaussianBlur(image, 2.0);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 50; ++x) ASSERT_EQ(qRed(image.pixel(x, y)), 0) << x << "," << y;

  // A column feature in the left band spreads into the middle columns as
  // column 15 does.
  QImage columns = Filled(60, 30, Qt::black);
  for (int y = 0; y < 30; ++y) columns.setPixelColor(15, y, Qt::white);
  GaussianBlur(columns, 2.0);
  EXPECT_GT(qRed(columns.pixel(15, 10)), 0);
  for (int x = 21; x < 40; ++x) EXPECT_EQ(columns.pixel(x, 10), columns.pixel(15, 10)) << x;
}

TEST(RoundRectMask, PenFourOutlinesTheInsetRectangle) {
  QImage mask;
  MakeBlurredRoundRectMask(mask, 100, 40, 0, 5, 4);
  ASSERT_EQ(mask.depth(), 24);
  ASSERT_EQ(mask.size(), QSize(100, 40));
  const auto white = [&](int x, int y) { return qRed(mask.pixel(x, y)) == 255; };
  // The outline of (4,4)-(96,36): its four sides away from the corners.
  EXPECT_TRUE(white(4, 20));
  EXPECT_TRUE(white(95, 20));
  EXPECT_TRUE(white(50, 4));
  EXPECT_TRUE(white(50, 35));
  // Black inside and outside it.
  EXPECT_FALSE(white(50, 20));
  EXPECT_FALSE(white(10, 20));
  EXPECT_FALSE(white(0, 20));
  EXPECT_FALSE(white(99, 20));
  EXPECT_FALSE(white(50, 0));
  EXPECT_FALSE(white(50, 39));
}

TEST(RoundRectMask, NoPenFillsAndARadiusBlurs) {
  QImage filled;
  MakeBlurredRoundRectMask(filled, 60, 30, 0, 5, 0);
  EXPECT_EQ(qRed(filled.pixel(30, 15)), 255);
  EXPECT_EQ(qRed(filled.pixel(0, 0)), 0);

  QImage glow;
  MakeBlurredRoundRectMask(glow, 73, 31, 3.0, 5, 4);
  const int ring = qRed(glow.pixel(36, 4));
  EXPECT_GT(ring, 0);
  EXPECT_LT(ring, 255);
  EXPECT_GT(qRed(glow.pixel(36, 1)), 0);  // the blur spreads outwards
  EXPECT_EQ(qRed(glow.pixel(36, 15)), 0);
  // Left and right edges blur alike.
  EXPECT_EQ(qRed(glow.pixel(3, 15)), qRed(glow.pixel(73 - 1 - 3, 15)));
}
