#include "controls/canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtTest>

namespace {

QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }
QRgb Rgb_Of(TColor c) { return qRgb(Get_R(c), Get_G(c), Get_B(c)) & 0xFFFFFF; }

// The columns and rows that hold dark (text) pixels.
QRect Ink(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
  return ink;
}

}  // namespace

class CanvasTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void shapesFollowThePixelRules();
  void drawTextMeasuresAndAligns_data();
  void drawTextMeasuresAndAligns();
  void textOutPlacesTheCellAndFillsWithTheBrush();
};

void CanvasTest::shapesFollowThePixelRules() {
  QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.Pen.Color = clRed;
    canvas.Brush.Color = clBlue;
    canvas.Rectangle(2, 2, 8, 8);
    canvas.Pen.Color = clBlack;
    canvas.Move_To(0, 15);
    canvas.Line_To(10, 15);
    canvas.Polyline({{12, 0}, {12, 5}, {17, 5}});
    canvas.Pen.Style = TPenStyle::psClear;
    canvas.Brush.Color = clLime;
    canvas.Rectangle(10, 10, 14, 14);
  }
  QCOMPARE(Pixel(image, 2, 2), Rgb_Of(clRed));
  QCOMPARE(Pixel(image, 7, 7), Rgb_Of(clRed));
  QCOMPARE(Pixel(image, 8, 8), Rgb_Of(clWhite));
  QCOMPARE(Pixel(image, 5, 5), Rgb_Of(clBlue));
  QCOMPARE(Pixel(image, 9, 15), Rgb_Of(clBlack));
  QCOMPARE(Pixel(image, 10, 15), Rgb_Of(clWhite));  // end pixel left out
  QCOMPARE(Pixel(image, 12, 5), Rgb_Of(clBlack));   // corner drawn by the second segment
  QCOMPARE(Pixel(image, 16, 5), Rgb_Of(clBlack));
  QCOMPARE(Pixel(image, 17, 5), Rgb_Of(clWhite));
  QCOMPARE(Pixel(image, 12, 12), Rgb_Of(clLime));  // clear pen: one pixel less
  QCOMPARE(Pixel(image, 13, 13), Rgb_Of(clWhite));

  image.fill(Qt::white);
  {
    QPainter painter(&image);
    TCanvas canvas(painter);
    canvas.Draw_Focus_Rect({4, 4, 16, 16});
  }
  QCOMPARE(Pixel(image, 4, 4), 0x000000u);
  QCOMPARE(Pixel(image, 5, 4), 0xFFFFFFu);
  QCOMPARE(Pixel(image, 6, 4), 0x000000u);
  QCOMPARE(Pixel(image, 10, 10), 0xFFFFFFu);
}

void CanvasTest::drawTextMeasuresAndAligns_data() {
  QTest::addColumn<uint>("flags");
  QTest::addColumn<int>("ink_side");  // -1 left half, 1 right half, 0 across the middle
  QTest::newRow("left") << uint(DT_LEFT | DT_SINGLELINE) << -1;
  QTest::newRow("right") << uint(DT_RIGHT | DT_SINGLELINE) << 1;
  QTest::newRow("centre") << uint(DT_CENTER | DT_SINGLELINE | DT_VCENTER) << 0;
}

void CanvasTest::drawTextMeasuresAndAligns() {
  QFETCH(uint, flags);
  QFETCH(int, ink_side);
  QImage image(300, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  TCanvas canvas(painter);
  canvas.Font_Color = clBlack;
  canvas.Brush.Style = TBrushStyle::bsClear;

  TRect measure{0, 0, 0, 0};
  const int height = canvas.Draw_Text(QStringLiteral("Wide"), measure, DT_CALCRECT | DT_SINGLELINE);
  QCOMPARE(measure.Width(), canvas.Text_Width(QStringLiteral("Wide")));
  QCOMPARE(height, measure.Height());
  QVERIFY(height > 0);

  TRect r{0, 0, 300, 40};
  canvas.Draw_Text(QStringLiteral("Wide"), r, flags);
  painter.end();
  const QRect ink = Ink(image);
  QVERIFY(!ink.isEmpty());
  if (ink_side < 0) QVERIFY(ink.right() < 150);
  if (ink_side > 0) QVERIFY(ink.left() > 150);
  if (ink_side == 0) {
    QVERIFY(ink.left() < 150 && ink.right() > 150);
    QVERIFY(ink.top() > 5);
  }
}

void CanvasTest::textOutPlacesTheCellAndFillsWithTheBrush() {
  QImage image(200, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  TCanvas canvas(painter);
  canvas.Font_Color = clBlack;
  canvas.Brush.Color = clYellow;
  canvas.Text_Out(20, 10, QStringLiteral("Text"));
  const int w = canvas.Text_Width(QStringLiteral("Text"));
  const int h = canvas.Text_Height(QStringLiteral("Text"));
  // Word break measures several lines; a prefix "&" takes no room.
  TRect wrap{0, 0, w + 2, 0};
  QCOMPARE(canvas.Draw_Text(QStringLiteral("Text Text Text"), wrap, DT_CALCRECT | DT_WORDBREAK), 3 * h);
  TRect prefixed{0, 0, 0, 0};
  canvas.Draw_Text(QStringLiteral("&Text"), prefixed, DT_CALCRECT | DT_SINGLELINE);
  QCOMPARE(prefixed.Width(), w);
  painter.end();
  QCOMPARE(Pixel(image, 20, 10), Rgb_Of(clYellow));
  QCOMPARE(Pixel(image, 20 + w - 1, 10 + h - 1), Rgb_Of(clYellow));
  QCOMPARE(Pixel(image, 19, 10), Rgb_Of(clWhite));
  QCOMPARE(Pixel(image, 20 + w, 10 + h), Rgb_Of(clWhite));
  const QRect ink = Ink(image);
  QVERIFY(ink.top() >= 10 && ink.bottom() < 10 + h);
}

QTEST_MAIN(CanvasTest)
#include "canvas_test.moc"
