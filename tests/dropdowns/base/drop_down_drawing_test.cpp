#include "dropdowns/base/drop_down_drawing.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

void Ensure_Gui() {
  static int argc = 1;
  static char name[] = "drop_down_drawing_test";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

QFont Base() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSize(10);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

class Drawing : public testing::Test {
 protected:
  void SetUp() override {
    Ensure_Gui();
    image = QImage(60, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
  }
  template <class F>
  void Paint(F f) {
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.Font = Base();
    f(canvas);
  }
  QColor At(int x, int y) const { return image.pixelColor(x, y); }
  QImage image;
};

TEST_F(Drawing, FilledRectFillsGradientsAndBorders) {
  Paint([](TCanvas& c) { Draw_Filled_Rect(&c, {0, 0, 10, 10}, 0x0000FF, clNone, clNone, 1, true); });
  EXPECT_EQ(At(0, 0), QColor(255, 0, 0));
  EXPECT_EQ(At(9, 9), QColor(255, 0, 0));
  EXPECT_EQ(At(10, 10), QColor(Qt::white));
  // A gradient of 80 bands left to right with a two-pixel border.
  Paint([](TCanvas& c) { Draw_Filled_Rect(&c, {20, 0, 60, 20}, 0x000000, 0x0000FF, 0x00FF00, 2, true); });
  EXPECT_EQ(At(20, 5), QColor(0, 255, 0));
  EXPECT_EQ(At(21, 5), QColor(0, 255, 0));
  EXPECT_EQ(At(59, 19), QColor(0, 255, 0));
  EXPECT_LT(At(23, 10).red(), At(56, 10).red());
  EXPECT_EQ(At(23, 10), At(23, 3));
  // Vertical, no border: colour changes down, not across.
  Paint([](TCanvas& c) { Draw_Filled_Rect(&c, {0, 12, 10, 30}, 0x000000, 0x0000FF, clNone, 0, false); });
  EXPECT_LT(At(5, 12).red(), At(5, 29).red());
  EXPECT_EQ(At(0, 20), At(9, 20));
  // Nothing set, nothing painted; no canvas, nothing done.
  image.fill(Qt::white);
  Paint([](TCanvas& c) { Draw_Filled_Rect(&c, {0, 0, 10, 10}, clNone, clNone, 0x00FF00, 0, true); });
  EXPECT_EQ(At(0, 0), QColor(Qt::white));
  Draw_Filled_Rect(nullptr, {0, 0, 10, 10}, 0x0000FF, clNone, clNone, 1, true);
}

TEST_F(Drawing, ImageTextPlacesPictureAndCaption) {
  QImage picture(8, 6, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  const TDropDownImages images{picture};
  Paint([&](TCanvas& c) {
    c.Font_Color = clBlack;
    Draw_Image_Text(&c, {0, 0, 60, 21}, QStringLiteral("Ab"), &images, 0);
  });
  // x = 4, y = (21 - 6) / 2 = 7.
  EXPECT_EQ(At(4, 7), QColor(Qt::blue));
  EXPECT_EQ(At(11, 12), QColor(Qt::blue));
  EXPECT_EQ(At(3, 7), QColor(Qt::white));
  EXPECT_EQ(At(4, 6), QColor(Qt::white));
  // The caption starts at 4 + 8 + 4... rather at left + width + 8 = 16.
  int first_dark = -1;
  for (int x = 0; x < 60 && first_dark < 0; ++x)
    for (int y = 0; y < 21; ++y)
      if (At(x, y) == QColor(Qt::black)) {
        first_dark = x;
        break;
      }
  EXPECT_GE(first_dark, 16);
  EXPECT_LE(first_dark, 18);
}

TEST_F(Drawing, ImageTextWithoutPictureCentresTheCaption) {
  Paint([&](TCanvas& c) {
    c.Font_Color = clBlack;
    Draw_Image_Text(&c, {0, 0, 60, 21}, QStringLiteral("Ab"), nullptr, 0);
  });
  int left = 60, right = -1;
  for (int x = 0; x < 60; ++x)
    for (int y = 0; y < 21; ++y)
      if (At(x, y) == QColor(Qt::black)) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  ASSERT_GE(right, left);
  EXPECT_LE(std::abs(left - (59 - right)), 2);
}

TEST_F(Drawing, GlyphTopLeftColourShowsTheBackground) {
  QImage glyph(4, 4, QImage::Format_RGB32);
  glyph.fill(Qt::magenta);
  glyph.setPixel(1, 1, qRgb(0, 0, 0));
  glyph.setPixel(3, 3, qRgb(0, 0, 0));
  Paint([&](TCanvas& c) { Draw_Glyph_Masked(c, glyph, 0x00FF00, {10, 10, 13, 13}); });
  EXPECT_EQ(At(10, 10), QColor(0, 255, 0));
  EXPECT_EQ(At(11, 11), QColor(0, 0, 0));
  EXPECT_EQ(At(12, 12), QColor(0, 255, 0));
  // Only the target's width and height are copied, unstretched.
  EXPECT_EQ(At(13, 13), QColor(Qt::white));
}

TEST_F(Drawing, MeasureAndFit) {
  Paint([](TCanvas& c) {
    EXPECT_EQ(Measure_Text(c, QString()), QSize(0, 0));
    const QSize size = Measure_Text(c, QStringLiteral("Hello"));
    EXPECT_EQ(size.width(), c.Text_Width(QStringLiteral("Hello")));
    EXPECT_NEAR(size.height(), c.Text_Height(QStringLiteral("Hello")), 1);

    const QString text = QStringLiteral("Caption text");
    const int full = c.Text_Width(text);
    EXPECT_EQ(Fit_Text_With_Ellipsis(c, text, full, true), text);
    const QString fitted = Fit_Text_With_Ellipsis(c, text, full - 1, true);
    EXPECT_TRUE(fitted.endsWith(QStringLiteral("...")));
    EXPECT_LT(c.Text_Width(fitted), full - 1);
    // The longest candidate that fits: one more character would not.
    const QString longer = text.left(fitted.size() - 3 + 1) + QStringLiteral("...");
    EXPECT_GE(c.Text_Width(longer), full - 1);
    // Without the flag just the cut text.
    const QString cut = Fit_Text_With_Ellipsis(c, text, c.Text_Width(QStringLiteral("Capt")) + 1, false);
    EXPECT_EQ(cut, QStringLiteral("Capt"));
    // Narrower than "..." itself: nothing fits, the whole text stays.
    EXPECT_EQ(Fit_Text_With_Ellipsis(c, text, 2, true), text);
  });
}

TEST_F(Drawing, HtmlCaptionMeasuresAndDraws) {
  Paint([](TCanvas& c) {
    c.Font_Color = clBlack;
    EXPECT_EQ(Draw_Html_Caption(c, QString(), {0, 0, 60, 30}, nullptr, true, nullptr), QPoint(0, 0));
    const QPoint plain = Draw_Html_Caption(c, QStringLiteral("Ab"), {0, 0, 60, 30}, nullptr, false, nullptr);
    const QPoint bold = Draw_Html_Caption(c, QStringLiteral("<b>Ab</b><br>x"), {0, 0, 60, 30}, nullptr, false, nullptr);
    EXPECT_GT(plain.x(), 0);
    EXPECT_GT(bold.y(), plain.y());
  });
  // Measuring drew nothing.
  for (int x = 0; x < 60; ++x) ASSERT_EQ(At(x, 8), QColor(Qt::white));
  Paint([](TCanvas& c) {
    c.Font_Color = clBlack;
    Draw_Html_Caption(c, QStringLiteral("<a href=\"x\">Ab</a>"), {0, 0, 60, 30}, nullptr, true, nullptr);
  });
  bool link_blue = false;
  for (int x = 0; x < 60; ++x)
    for (int y = 0; y < 30; ++y) link_blue |= At(x, y) == QColor(0, 0, 255);
  EXPECT_TRUE(link_blue);
}

}  // namespace
