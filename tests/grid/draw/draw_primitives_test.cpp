#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QWindow>
#include <cmath>
#include <functional>

#include "controls/canvas.h"
#include "grid/draw/bitmap_paint.h"
#include "grid/draw/cell_shape.h"
#include "grid/draw/color_math.h"
#include "grid/draw/error_marker.h"
#include "grid/draw/glyph_paint.h"
#include "grid/draw/gradient_paint.h"
#include "grid/draw/layered_window.h"
#include "grid/draw/progress_paint.h"
#include "grid/theme/theme_api.h"

namespace {

void Ensure_Gui() {
  static int argc = 1;
  static char name[] = "draw_primitives_test";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

// Paints into a white image and answers it.
QImage Paint(int w, int h, const std::function<void(TCanvas&)>& draw) {
  Ensure_Gui();
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  TCanvas canvas(painter);
  draw(canvas);
  painter.end();
  return image;
}

TColor At(const QImage& image, int x, int y) { return From_QColor(QColor(image.pixel(x, y))); }

// --- colour arithmetic ------------------------------------------------------

TEST(ColorMath, ChannelArithmetic) {
  EXPECT_EQ(HalveColor(RGB(0xFF, 0x80, 0x41)), RGB(0x7F, 0x40, 0x20));
  EXPECT_EQ(ChangeColorPercent(RGB(200, 100, 0), 50), RGB(255, 150, 0));  // kept to 255, not wrapped to 44
  EXPECT_EQ(ChangeColorPercent(RGB(200, 100, 10), -50), RGB(100, 50, 5));
  EXPECT_EQ(ChangeColorPercent(RGB(200, 100, 10), -300), RGB(0, 0, 0));
  EXPECT_EQ(HalveColor(clWhite), RGB(127, 127, 127));
}

TEST(ColorMath, InterpolateEndsAndDegenerateRanges) {
  const TColor a = RGB(0, 100, 200), b = RGB(100, 0, 200);
  EXPECT_EQ(InterpolateColor(a, b, 10, 0, 20), a);
  EXPECT_EQ(InterpolateColor(a, b, 10, 10, 20), b);
  EXPECT_EQ(InterpolateColor(a, b, 10, 5, 20), RGB(50, 50, 200));
  EXPECT_EQ(InterpolateColor(a, clNone, 0, 5, 10), a);
  EXPECT_EQ(InterpolateColor(a, b, 4, 3, 4), a);  // empty range: no division by zero
}

// --- gradients and frames ---------------------------------------------------

TEST(DrawGradient, StepsLimitedToThePixels) {
  const TColor from = RGB(0, 0, 0), to = RGB(90, 180, 45);
  const QImage image = Paint(10, 4, [&](TCanvas& c) { DrawGradient(c, from, to, true, {0, 0, 10, 4}, 16); });
  QSet<TColor> bands;
  for (int x = 0; x < 10; ++x) {
    bands.insert(At(image, x, 2));
    EXPECT_EQ(At(image, x, 0), At(image, x, 3)) << x;  // bands span the whole height
  }
  EXPECT_EQ(bands.size(), 10);
  EXPECT_EQ(At(image, 0, 1), from);
  EXPECT_EQ(At(image, 9, 1), to);
  EXPECT_EQ(At(image, 1, 1), RGB(10, 20, 5));
}

TEST(DrawGradient, VerticalReversedAndSolidCases) {
  const QImage vertical = Paint(4, 10, [](TCanvas& c) {
    DrawGradient(c, clBlack, RGB(90, 90, 90), false, {0, 10, 4, 0}, 64);
  });
  EXPECT_EQ(At(vertical, 2, 0), clBlack);
  EXPECT_EQ(At(vertical, 2, 9), RGB(90, 90, 90));
  EXPECT_EQ(At(vertical, 0, 5), At(vertical, 3, 5));

  const QImage solid = Paint(6, 6, [](TCanvas& c) { DrawGradient(c, clRed, clNone, true, {1, 1, 5, 5}, 16); });
  EXPECT_EQ(At(solid, 1, 1), clRed);
  EXPECT_EQ(At(solid, 4, 4), clRed);
  EXPECT_EQ(At(solid, 5, 5), clWhite);
  const QImage other = Paint(6, 6, [](TCanvas& c) { DrawGradient(c, clNone, clBlue, true, {0, 0, 6, 6}, 16); });
  EXPECT_EQ(At(other, 3, 3), clBlue);
  const QImage none = Paint(6, 6, [](TCanvas& c) { DrawGradient(c, clRed, clBlue, true, {0, 3, 6, 3}, 16); });
  EXPECT_EQ(At(none, 3, 3), clWhite);
}

TEST(DrawMirrorGradient, HalvesAndBorders) {
  const TColor a = RGB(10, 10, 10), b = RGB(60, 60, 60), m = RGB(200, 0, 0), n = RGB(0, 0, 200);
  const QImage image = Paint(20, 20, [&](TCanvas& c) {
    DrawMirrorGradient(c, {0, 0, 20, 20}, a, b, m, n, true, true, clNone, false);
  });
  EXPECT_EQ(At(image, 5, 0), a);
  EXPECT_EQ(At(image, 5, 9), b);
  EXPECT_EQ(At(image, 5, 10), m);
  EXPECT_EQ(At(image, 5, 19), n);
  EXPECT_EQ(At(image, 0, 4), At(image, 19, 4));  // bands run across the width

  const QImage framed = Paint(20, 20, [&](TCanvas& c) {
    DrawMirrorGradient(c, {0, 0, 20, 20}, a, b, m, n, true, true, clLime, false);
  });
  EXPECT_EQ(At(framed, 5, 0), clLime);
  EXPECT_EQ(At(framed, 19, 5), clLime);
  EXPECT_EQ(At(framed, 5, 10), m);

  const QImage sides = Paint(20, 20, [&](TCanvas& c) {
    DrawMirrorGradient(c, {0, 0, 20, 20}, a, b, clNone, clNone, false, true, clLime, true);
  });
  EXPECT_EQ(At(sides, 0, 10), clLime);
  EXPECT_EQ(At(sides, 19, 10), clLime);
  EXPECT_EQ(At(sides, 10, 0), At(sides, 10, 5));  // no top line; bands run down the height
  EXPECT_NE(At(sides, 1, 10), At(sides, 18, 10));
}

struct Frame_Colors {
  TColor from = RGB(200, 200, 0), to = RGB(200, 200, 100), outer = RGB(1, 2, 3), top = RGB(4, 5, 6),
         bottom = RGB(7, 8, 9), corner = RGB(10, 11, 12), outer_corner = RGB(13, 14, 15);
};

QImage Frame(int sides) {
  const Frame_Colors f;
  return Paint(40, 20, [&](TCanvas& c) {
    DrawRoundedGradientFrame(c, {0, 0, 40, 20}, f.from, f.to, clNone, clNone, f.outer, f.top, f.bottom, f.corner,
                             f.outer_corner, sides);
  });
}

TEST(DrawRoundedGradientFrame, RoundedEndsAndOpenEnds) {
  const Frame_Colors f;
  // Working box: right edge column 38, bottom row 18.
  const QImage both = Frame(kFrameBothEnds);
  EXPECT_EQ(At(both, 0, 0), f.outer_corner);
  EXPECT_EQ(At(both, 1, 0), f.corner);
  EXPECT_EQ(At(both, 1, 1), f.corner);
  EXPECT_EQ(At(both, 10, 0), f.outer);
  EXPECT_EQ(At(both, 10, 18), f.outer);
  EXPECT_EQ(At(both, 10, 1), f.top);
  EXPECT_EQ(At(both, 10, 17), f.bottom);
  EXPECT_EQ(At(both, 0, 8), f.outer);
  EXPECT_EQ(At(both, 38, 8), f.outer);
  EXPECT_EQ(At(both, 38, 18), f.outer_corner);
  EXPECT_EQ(At(both, 1, 4), f.top);
  EXPECT_EQ(At(both, 1, 14), f.bottom);
  EXPECT_EQ(At(both, 10, 2), f.from);
  EXPECT_EQ(At(both, 39, 8), clWhite);  // left for the grid line
  EXPECT_EQ(At(both, 10, 19), clWhite);

  const QImage open = Frame(kFrameNoEnds);
  EXPECT_EQ(At(open, 0, 0), f.outer);
  EXPECT_EQ(At(open, 38, 0), f.outer);
  EXPECT_NE(At(open, 0, 8), f.outer);  // no side line

  const QImage left = Frame(kFrameLeftEnd);
  EXPECT_EQ(At(left, 0, 8), f.outer);
  EXPECT_NE(At(left, 38, 8), f.outer);
  EXPECT_EQ(At(left, 38, 0), f.outer);
  const QImage right = Frame(kFrameRightEnd);
  EXPECT_NE(At(right, 0, 8), f.outer);
  EXPECT_EQ(At(right, 38, 8), f.outer);
}

// --- glyphs -----------------------------------------------------------------

TColorTones Tones() {
  TColorTones t;
  t.Background = {RGB(250, 250, 250), RGB(100, 100, 100), RGB(0, 0, 128)};
  t.Hover = {RGB(255, 230, 150), RGB(200, 150, 0), clBlack};
  t.Selected = {RGB(255, 180, 80), RGB(200, 100, 0), clBlack};
  t.Disabled = {RGB(220, 220, 220), RGB(180, 180, 180), clGray};
  return t;
}

TEST(Glyphs, ToneLookUsesTheStateTone) {
  const TColorTones tones = Tones();
  const TColor brushes[] = {tones.Background.BrushColor, tones.Hover.BrushColor, tones.Selected.BrushColor,
                            tones.Disabled.BrushColor};
  for (int state = 0; state < 4; ++state) {
    const QImage image = Paint(30, 20, [&](TCanvas& c) {
      DrawPushButton(c, nullptr, {0, 0, 30, 20}, tones, state, kLookTones);
    });
    EXPECT_EQ(At(image, 15, 10), brushes[state]) << state;
    EXPECT_EQ(At(image, 0, 0), Tone_For_State(tones, state).BorderColor) << state;
  }
}

TEST(Glyphs, ComboAndSpinButtonsInTones) {
  const TColorTones tones = Tones();
  // Combo area: x 81..98, narrowed to 84; triangle (89,9)-(95,9)-(92,12).
  const QImage combo = Paint(100, 20, [&](TCanvas& c) {
    DrawComboButton(c, nullptr, {0, 0, 100, 20}, tones, 1, kLookTones);
  });
  EXPECT_EQ(At(combo, 85, 5), tones.Background.BorderColor);
  EXPECT_EQ(At(combo, 92, 10), tones.Background.TextColor);
  EXPECT_EQ(At(combo, 87, 15), tones.Hover.BrushColor);
  EXPECT_EQ(At(combo, 82, 5), clWhite);

  // Spin area: x 84..98, y -1..19, up to 9, down from 10.
  const QImage spin = Paint(100, 20, [&](TCanvas& c) {
    DrawSpinButtons(c, nullptr, {0, 0, 100, 20}, tones, 0, kLookTones);
  });
  EXPECT_EQ(At(spin, 84 + 7, -1 + 4), clBlack);
  EXPECT_EQ(At(spin, 84 + 7, 10 + 1), clBlack);
  EXPECT_EQ(At(spin, 84 + 2, 6), tones.Background.BrushColor);
  EXPECT_EQ(At(spin, 84, 6), tones.Background.BorderColor);

  const QImage arrow = Paint(10, 10, [](TCanvas& c) { DrawSmallDownArrow(c, 5, 3, clRed); });
  EXPECT_EQ(At(arrow, 5, 4), clRed);
  EXPECT_EQ(At(arrow, 3, 3), clRed);
  EXPECT_EQ(At(arrow, 5, 7), clWhite);
}

// A backend that draws every part in one colour and remembers the call.
class Marking_Backend : public Theme_Backend {
 public:
  mutable QString last_class;
  mutable int last_part = 0, last_state = 0;
  bool Is_Theme_Active() const override { return true; }
  QString Color_Scheme_Name() const override { return {}; }
  bool Draw_Part(QPainter& p, const QObject*, const QString& class_name, int part, int state,
                 const QRect& rect) const override {
    last_class = class_name;
    last_part = part;
    last_state = state;
    p.fillRect(rect, Qt::magenta);
    return true;
  }
};

TEST(Glyphs, ThemedLookDrawsThroughTheLibraryOrFallsBackToClassic) {
  const TColorTones tones = Tones();
  const TRect r{0, 0, 40, 20};
  auto classic = Paint(40, 20, [&](TCanvas& c) { DrawPushButton(c, nullptr, r, tones, 1, kLookClassic); });
  auto unthemed = Paint(40, 20, [&](TCanvas& c) { DrawPushButton(c, nullptr, r, tones, 1, kLookThemed); });
  EXPECT_EQ(classic, unthemed);
  EXPECT_EQ(At(classic, 20, 10), From_QColor(To_QColor(clBtnFace)));

  Marking_Backend backend;
  Install_Theme_Backend(&backend);
  ASSERT_TRUE(LoadThemeApi());
  auto themed = Paint(40, 20, [&](TCanvas& c) { DrawPushButton(c, nullptr, r, tones, 2, kLookThemed); });
  EXPECT_EQ(backend.last_class, QStringLiteral("button"));
  EXPECT_EQ(backend.last_part, BP_PUSHBUTTON);
  EXPECT_EQ(backend.last_state, PBS_PRESSED);
  EXPECT_EQ(At(themed, 20, 10), RGB(255, 0, 255));
  Paint(40, 20, [&](TCanvas& c) { DrawComboButton(c, nullptr, r, tones, 3, kLookThemed); });
  EXPECT_EQ(backend.last_class, QStringLiteral("combobox"));
  EXPECT_EQ(backend.last_state, CBXS_DISABLED);
  Paint(40, 20, [&](TCanvas& c) { DrawSpinButtons(c, nullptr, r, tones, 0, kLookThemed); });
  EXPECT_EQ(backend.last_class, QStringLiteral("spin"));
  EXPECT_EQ(backend.last_part, SPNP_DOWN);
  UnloadThemeApi();
  Install_Theme_Backend(nullptr);
  auto again = Paint(40, 20, [&](TCanvas& c) { DrawPushButton(c, nullptr, r, tones, 1, kLookThemed); });
  EXPECT_EQ(again, classic);

  const QImage flat = Paint(40, 20, [&](TCanvas& c) { DrawPushButton(c, nullptr, r, tones, 0, kLookFlat); });
  EXPECT_EQ(At(flat, 0, 10), From_QColor(To_QColor(clBtnShadow)));
  EXPECT_EQ(At(flat, 39, 10), From_QColor(To_QColor(clBtnShadow)));
}

// --- progress ---------------------------------------------------------------

TEST(ProgressFormat, OneSafeConversion) {
  struct Row {
    const char* format;
    double value;
    bool as_integer;
    const char* expected;
  };
  const Row rows[] = {
      {"%d", 50.4, true, "50"}, {"%d%%", 49.6, true, "50%"},      {"%.1f %%", 12.34, false, "12.3 %"},
      {"%s", 5, false, "%s"},   {"%d of %d", 5, true, "5 of %d"}, {"done", 5, false, "done"},
      {"%n%d", 7, true, "%n7"}, {"%5d|", 3, true, "    3|"},      {"%x", 255, true, "ff"},
      {"%", 1, false, "%"},     {"%u", 2.5, true, "2"},           {"%d", 1e300, true, "9000000000000000000"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(Format_Progress_Value(QString::fromLatin1(row.format), row.value, row.as_integer),
              QString::fromLatin1(row.expected))
        << row.format;
}

TEST(DrawProgressBar, QuarterFilledWithTheFormattedText) {
  const TColor complete = RGB(0, 128, 0), incomplete = RGB(220, 220, 220);
  const TColor complete_text = clWhite, incomplete_text = clBlack;
  const TRect rect{10, 10, 210, 40};
  auto draw = [&](TCanvas& c, const QString& text_format, double max, double min, double value) {
    c.Brush.Color = clYellow;
    DrawProgressBar(c, rect, complete, false, clNavy, text_format, max, min, 2, 0, value, incomplete_text, incomplete,
                    complete_text);
  };
  const QImage image = Paint(220, 50, [&](TCanvas& c) { draw(c, QStringLiteral("%d"), 200, 0, 50); });
  // Inner rectangle 10..210 x 12..38: a quarter is 50 pixels.
  EXPECT_EQ(At(image, 11, 13), complete);
  EXPECT_EQ(At(image, 59, 13), complete);
  EXPECT_EQ(At(image, 60, 13), incomplete);
  EXPECT_EQ(At(image, 100, 11), clNavy);    // border one pixel out
  EXPECT_EQ(At(image, 100, 10), clYellow);  // then the entry brush colour
  EXPECT_EQ(At(image, 9, 25), clNavy);
  EXPECT_EQ(At(image, 8, 25), clYellow);

  // The text is "50", centred: the same pixels as "50" written there alone.
  const QImage reference = Paint(220, 50, [&](TCanvas& c) {
    FillRectWithColor(c, {10, 12, 210, 38}, incomplete);
    c.Brush.Style = TBrushStyle::bsClear;
    c.Font_Color = incomplete_text;
    const int x = 10 + (200 - c.Text_Width("50")) / 2, y = 12 + (26 - c.Text_Height("50")) / 2;
    c.Text_Out(x, y, QStringLiteral("50"));
  });
  EXPECT_EQ(image.copy(70, 12, 140, 26), reference.copy(70, 12, 140, 26));

  const QImage empty = Paint(220, 50, [&](TCanvas& c) { draw(c, QStringLiteral("%d"), 7, 7, 5); });
  EXPECT_EQ(At(empty, 10, 13), incomplete);  // max = min: 0 %
  const QImage full = Paint(220, 50, [&](TCanvas& c) { draw(c, QString(), 0, 0, 180); });
  EXPECT_EQ(At(full, 208, 13), complete);  // percentages above 100 stop at the end
  const QImage nan = Paint(220, 50, [&](TCanvas& c) { draw(c, QStringLiteral("%d"), 200, 0, std::nan("")); });
  EXPECT_EQ(At(nan, 10, 13), incomplete);
  const QImage plain = Paint(220, 50, [&](TCanvas& c) { draw(c, QString(), 0, 0, 30); });
  EXPECT_EQ(At(plain, 69, 13), complete);
  EXPECT_EQ(At(plain, 70, 13), incomplete);
}

TEST(DrawProgressPie, SectorClockwiseFromTheTop) {
  const QImage image = Paint(41, 41, [](TCanvas& c) { DrawProgressPie(c, {0, 0, 41, 41}, clRed, false, 25); });
  EXPECT_EQ(At(image, 28, 12), clRed);    // upper right
  EXPECT_EQ(At(image, 12, 28), clWhite);  // lower left
  EXPECT_EQ(At(image, 12, 12), clWhite);  // upper left
  EXPECT_EQ(At(image, 20, 5), clGray);    // radius to the top
  const QImage zero = Paint(41, 41, [](TCanvas& c) { DrawProgressPie(c, {0, 0, 41, 41}, clRed, false, 0); });
  EXPECT_EQ(At(zero, 28, 12), clWhite);
}

TEST(DrawCenteredBar, BothDirectionsAndNoDivisionByZero) {
  // Inner 2..102: half 50, centre 52.
  const QImage pos = Paint(104, 10, [](TCanvas& c) {
    DrawCenteredBar(c, {0, 0, 104, 10}, 50, clGreen, clRed, false, 100);
  });
  EXPECT_EQ(At(pos, 52, 5), clGreen);
  EXPECT_EQ(At(pos, 76, 5), clGreen);
  EXPECT_EQ(At(pos, 77, 5), clWhite);
  EXPECT_EQ(At(pos, 51, 5), clWhite);
  const QImage neg = Paint(104, 10, [](TCanvas& c) {
    DrawCenteredBar(c, {0, 0, 104, 10}, -500, clGreen, clRed, false, 100);
  });
  EXPECT_EQ(At(neg, 2, 5), clRed);
  EXPECT_EQ(At(neg, 51, 5), clRed);
  EXPECT_EQ(At(neg, 53, 5), clWhite);
  const QImage none = Paint(104, 10, [](TCanvas& c) {
    DrawCenteredBar(c, {0, 0, 104, 10}, 5, clGreen, clRed, true, 0);
  });
  EXPECT_EQ(none, Paint(104, 10, [](TCanvas&) {}));
}

TProgressLook Level_Look() {
  TProgressLook look;
  look.ShowGradient = false;
  look.ShowPercentage = false;
  look.Level0Color = RGB(0, 200, 0);
  look.Level1Color = RGB(200, 200, 0);
  look.Level2Color = RGB(200, 100, 0);
  look.Level3Color = RGB(200, 0, 0);
  look.BackgroundColor = clWhite;
  look.ShowBorder = true;
  look.BorderColor = clBlack;
  return look;
}

TEST(DrawLevelProgressBar, LevelsStacksAndBlocks) {
  TProgressLook look = Level_Look();
  const TRect r{0, 0, 102, 10};  // length 100
  auto bar = [&](int percent) {
    return Paint(102, 10, [&](TCanvas& c) { DrawLevelProgressBar(c, r, percent, look); });
  };
  EXPECT_EQ(At(bar(100), 50, 5), look.Level3Color);
  EXPECT_EQ(At(bar(70), 50, 5), look.Level1Color);  // exactly Level1Perc
  EXPECT_EQ(At(bar(69), 50, 5), look.Level0Color);
  EXPECT_EQ(At(bar(95), 50, 5), look.Level2Color);
  const QImage smooth = bar(40);
  EXPECT_EQ(At(smooth, 40, 5), look.Level0Color);
  EXPECT_EQ(At(smooth, 41, 5), clWhite);
  EXPECT_EQ(At(smooth, 0, 5), clBlack);
  EXPECT_EQ(At(bar(0), 1, 5), clWhite);

  look.Stacked = true;
  const QImage stacked = bar(95);
  EXPECT_EQ(At(stacked, 70, 5), look.Level0Color);
  EXPECT_EQ(At(stacked, 71, 5), look.Level1Color);
  EXPECT_EQ(At(stacked, 90, 5), look.Level1Color);
  EXPECT_EQ(At(stacked, 91, 5), look.Level3Color);
  EXPECT_EQ(At(stacked, 95, 5), look.Level3Color);
  EXPECT_EQ(At(stacked, 96, 5), clWhite);
  EXPECT_EQ(At(bar(100), 100, 5), look.Level3Color);

  look.Stacked = false;
  look.CompletionSmooth = false;
  const QImage blocks = bar(25);  // t = 25: blocks at 2..8 and 11..17, then 6 pixels at 20..25
  for (int x : {2, 8, 11, 17, 20, 25}) EXPECT_EQ(At(blocks, x, 5), look.Level0Color) << x;
  for (int x : {1, 9, 10, 18, 19, 26}) EXPECT_EQ(At(blocks, x, 5), clWhite) << x;

  look.Vertical = true;
  look.CompletionSmooth = true;
  const QImage vertical = Paint(10, 102, [&](TCanvas& c) { DrawLevelProgressBar(c, {0, 0, 10, 102}, 50, look); });
  EXPECT_EQ(At(vertical, 5, 100), look.Level0Color);
  EXPECT_EQ(At(vertical, 5, 51), look.Level0Color);
  EXPECT_EQ(At(vertical, 5, 50), clWhite);
}

// --- cell shapes, marker, bitmaps, windows ----------------------------------

TEST(PaintCellShape, Figures) {
  auto shape = [](int s, int w, int h) {
    return Paint(40, 40, [&](TCanvas& c) { PaintCellShape(c, 10, 10, clBlack, clRed, s, h, w); });
  };
  const QImage circle = shape(csCircle, 20, 10);  // a 10 x 10 circle
  EXPECT_EQ(At(circle, 15, 15), clRed);
  EXPECT_EQ(At(circle, 25, 15), clWhite);
  EXPECT_EQ(At(circle, 10, 15), clBlack);
  EXPECT_EQ(At(circle, 10, 10), clWhite);
  EXPECT_EQ(shape(19, 20, 10), Paint(40, 40, [](TCanvas&) {}));
  EXPECT_EQ(shape(-1, 20, 10), Paint(40, 40, [](TCanvas&) {}));

  const QImage rect = shape(csRectangle, 20, 10);
  EXPECT_EQ(At(rect, 11, 11), clBlack);
  EXPECT_EQ(At(rect, 10, 10), clWhite);
  EXPECT_EQ(At(rect, 20, 15), clRed);
  const QImage up = shape(csTriangleUp, 20, 20);
  EXPECT_EQ(At(up, 20, 25), clRed);
  EXPECT_EQ(At(up, 12, 12), clWhite);
  const QImage down = shape(csTriangleDown, 20, 20);
  EXPECT_EQ(At(down, 20, 15), clRed);
  EXPECT_EQ(At(down, 12, 28), clWhite);
  const QImage hline = shape(csLineHorz, 20, 20);
  EXPECT_EQ(At(hline, 15, 20), clBlack);
  EXPECT_EQ(At(hline, 15, 21), clWhite);
  const QImage arrow = shape(csArrowUp, 20, 20);
  EXPECT_EQ(At(arrow, 20, 14), clRed);    // head
  EXPECT_EQ(At(arrow, 20, 26), clRed);    // shaft
  EXPECT_EQ(At(arrow, 12, 26), clWhite);  // beside the shaft
  const QImage star = shape(csStar, 20, 20);
  EXPECT_EQ(At(star, 20, 20), clRed);
  EXPECT_EQ(At(star, 12, 28), clWhite);
  const QImage half = shape(csHalfStar, 20, 20);
  EXPECT_EQ(At(half, 17, 20), clRed);
  EXPECT_EQ(At(half, 25, 20), clWhite);  // the right half stays empty
}

TEST(DrawErrorMarker, RedZigzagUnderTheCharacters) {
  const QImage image = Paint(200, 30, [](TCanvas& c) {
    DrawErrorMarker(c, QStringLiteral("abc defgh"), 5, 4, 12, {0, 0, 200, 30});
  });
  int red = 0, red_left_of_start = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 200; ++x)
      if (At(image, x, y) == clRed) {
        ++red;
        if (x < 10) ++red_left_of_start;
        EXPECT_GE(y, 11);
        EXPECT_LE(y, 16);
      }
  EXPECT_GT(red, 10);
  EXPECT_EQ(red_left_of_start, 0);
  const QImage nothing = Paint(200, 30, [](TCanvas& c) {
    DrawErrorMarker(c, QStringLiteral("abc"), 0, 0, 12, {0, 0, 200, 30});
  });
  EXPECT_EQ(nothing, Paint(200, 30, [](TCanvas&) {}));
  Paint(200, 30, [](TCanvas& c) { DrawErrorMarker(c, QStringLiteral("abc"), 1 << 30, 1 << 29, 12, {0, 0, 200, 30}); });
}

TEST(DrawBitmapTransparent, CornerColourBecomesBackground) {
  QImage bitmap(3, 2, QImage::Format_RGB32);
  bitmap.fill(Qt::magenta);
  bitmap.setPixel(1, 1, qRgb(0, 0, 255));
  const QImage image = Paint(10, 10, [&](TCanvas& c) { DrawBitmapTransparent(c, bitmap, clLime, {4, 4, 9, 9}); });
  EXPECT_EQ(At(image, 4, 4), clLime);
  EXPECT_EQ(At(image, 5, 5), clBlue);
  EXPECT_EQ(At(image, 7, 4), clWhite);  // drawn in the bitmap's own size
  const QImage missing = Paint(10, 10, [&](TCanvas& c) {
    DrawResourceBitmap(c, clLime, {0, 0, 9, 9}, QStringLiteral("NO_SUCH"));
  });
  EXPECT_EQ(missing, Paint(10, 10, [](TCanvas&) {}));
}

TEST(LayeredWindow, AlphaBecomesOpacity) {
  Ensure_Gui();
  QWindow window;
  EXPECT_TRUE(CallSetLayeredWindowAttributes(&window, 0, 128, LWA_ALPHA));
  EXPECT_NEAR(window.opacity(), 128 / 255.0, 1e-6);
  EXPECT_TRUE(CallSetLayeredWindowAttributes(&window, 0, 10, LWA_COLORKEY));
  EXPECT_NEAR(window.opacity(), 128 / 255.0, 1e-6);
  EXPECT_TRUE(CallUpdateLayeredWindow(&window, 255, ULW_ALPHA));
  EXPECT_NEAR(window.opacity(), 1.0, 1e-6);
  EXPECT_TRUE(CallUpdateLayeredWindow(nullptr, 255, ULW_ALPHA));
}

}  // namespace
