#include "dropdowns/colorpicker/spectrum_picture.h"

#include <QColor>
#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace {

constexpr int kSize = 128;
constexpr int kFirstFull = 57, kLastFull = 70;

int Mix(int From, int To, double T) { return static_cast<int>(std::lround(From + (To - From) * T)); }

}  // namespace

QImage Make_Spectrum_Picture() {
  QImage image(kSize, kSize, QImage::Format_RGB32);
  for (int x = 0; x < kSize; ++x) {
    const QColor hue = QColor::fromHsv(x * 360 / kSize, 255, 255);
    for (int y = 0; y < kSize; ++y) {
      int r, g, b;
      if (y < kFirstFull) {
        const double t = static_cast<double>(y) / kFirstFull;
        r = Mix(255, hue.red(), t), g = Mix(255, hue.green(), t), b = Mix(255, hue.blue(), t);
      } else if (y <= kLastFull) {
        r = hue.red(), g = hue.green(), b = hue.blue();
      } else {
        const double t = static_cast<double>(y - kLastFull) / (kSize - 1 - kLastFull);
        r = Mix(hue.red(), 0, t), g = Mix(hue.green(), 0, t), b = Mix(hue.blue(), 0, t);
      }
      image.setPixel(x, y, qRgb(r, g, b));
    }
  }
  return image;
}

QImage Make_Eyedropper_Image() {
  QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  // The pipette: a thin tube from the tip up to the right, a collar and a
  // round bulb at the top right.
  const QPolygon tube({QPoint(1, 30), QPoint(3, 25), QPoint(16, 12), QPoint(19, 15), QPoint(6, 28)});
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(Qt::black);
  p.drawPolygon(tube);
  p.drawPolygon(QPolygon({QPoint(14, 11), QPoint(17, 8), QPoint(23, 14), QPoint(20, 17)}));
  p.drawEllipse(QRect(19, 3, 9, 9));
  p.setPen(Qt::black);
  p.drawPoint(1, 30);
  return image;
}
