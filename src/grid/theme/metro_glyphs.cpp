#include "grid/theme/metro_glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kSide = 16;
const QColor kFrame(0x33, 0x33, 0x33);

QImage Blank() {
  QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage Make_Check(bool checked) {
  QImage image = Blank();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(kFrame, 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(1.5, 1.5, 12, 12));
  if (checked) {
    QPainterPath tick;
    tick.moveTo(4, 8);
    tick.lineTo(6.5, 10.5);
    tick.lineTo(11.5, 4.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kFrame, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(tick);
  }
  return image;
}

QImage Make_Radio(bool checked) {
  QImage image = Blank();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(kFrame, 1));
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(1.5, 1.5, 12, 12));
  if (checked) {
    p.setPen(Qt::NoPen);
    p.setBrush(kFrame);
    p.drawEllipse(QRectF(4.5, 4.5, 6, 6));
  }
  return image;
}

}  // namespace

const QImage& Metro_Check_Glyph(bool Checked) {
  static const QImage on = Make_Check(true), off = Make_Check(false);
  return Checked ? on : off;
}

const QImage& Metro_Radio_Glyph(bool Checked) {
  static const QImage on = Make_Radio(true), off = Make_Radio(false);
  return Checked ? on : off;
}
