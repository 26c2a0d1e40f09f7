#include "shell/ui/shell_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace shell_glyphs {
namespace {

constexpr int kSize = 32;

// Antialiasing would blend edges into the see-through colour, so the
// pictures are drawn with hard edges.
QImage Blank() {
  QImage image(kSize, kSize, QImage::Format_RGB32);
  image.fill(QColor(255, 0, 255));
  return image;
}

void Disc(QPainter& painter, const QColor& color) {
  painter.setPen(color.darker(130));
  painter.setBrush(color);
  painter.drawEllipse(2, 2, kSize - 5, kSize - 5);
}

}  // namespace

QImage Info() {
  QImage image = Blank();
  QPainter painter(&image);
  Disc(painter, QColor(40, 110, 190));
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawRect(14, 8, 4, 4);
  painter.drawRect(14, 14, 4, 11);
  painter.drawRect(12, 14, 3, 2);
  painter.drawRect(12, 23, 8, 2);
  return image;
}

QImage Options() {
  QImage image = Blank();
  QPainter painter(&image);
  const QColor steel(96, 104, 116);
  painter.setPen(Qt::NoPen);
  painter.setBrush(steel);
  // Eight teeth around a wheel.
  for (int tooth = 0; tooth < 8; ++tooth) {
    const double angle = tooth * M_PI / 4;
    const int x = static_cast<int>(std::lround(16 + 11 * std::cos(angle)));
    const int y = static_cast<int>(std::lround(16 + 11 * std::sin(angle)));
    painter.drawRect(x - 3, y - 3, 6, 6);
  }
  painter.drawEllipse(6, 6, 20, 20);
  painter.setBrush(QColor(255, 0, 255));
  painter.drawEllipse(12, 12, 8, 8);
  return image;
}

QImage Close() {
  QImage image = Blank();
  QPainter painter(&image);
  Disc(painter, QColor(200, 50, 40));
  QPen cross(Qt::white, 4, Qt::SolidLine, Qt::SquareCap);
  painter.setPen(cross);
  painter.drawLine(11, 11, 20, 20);
  painter.drawLine(20, 11, 11, 20);
  return image;
}

QPixmap Logo(int size) {
  QPixmap logo(size, size);
  logo.fill(Qt::transparent);
  QPainter painter(&logo);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 81.0, size / 81.0);  // drawn on an 81-pixel grid
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(20, 80, 160));
  painter.drawRoundedRect(QRectF(2, 2, 77, 77), 12, 12);
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(22, 18, 10, 45));
  painter.drawPolygon(QPolygonF({QPointF(32, 42), QPointF(52, 18), QPointF(64, 18), QPointF(38, 46)}));
  painter.drawPolygon(QPolygonF({QPointF(36, 38), QPointF(64, 63), QPointF(52, 63), QPointF(32, 46)}));
  return logo;
}

QIcon Program_Icon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(Logo(size));
  return icon;
}

}  // namespace shell_glyphs
