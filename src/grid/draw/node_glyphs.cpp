#include "grid/draw/node_glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>

namespace {

QImage Make_Xp_Glyph(bool contracted) {
  QImage image(9, 9, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter p(&image);
  QLinearGradient face(0, 0, 8, 8);
  face.setColorAt(0, QColor(255, 255, 255));
  face.setColorAt(1, QColor(196, 207, 216));
  p.fillRect(1, 1, 7, 7, face);
  p.setPen(QColor(122, 152, 175));
  p.drawRect(0, 0, 8, 8);
  p.setPen(Qt::black);
  p.drawLine(2, 4, 6, 4);
  if (contracted) p.drawLine(4, 2, 4, 6);
  return image;
}

QImage Make_Leaf_Glyph(bool contracted) {
  QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  if (contracted) {
    // A hollow arrow pointing at the hidden rows' side.
    p.setPen(QColor(120, 120, 120));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(4, 1), QPoint(4, 11), QPoint(9, 6)}));
  } else {
    p.setPen(QColor(64, 64, 64));
    p.setBrush(QColor(64, 64, 64));
    p.drawPolygon(QPolygon({QPoint(1, 4), QPoint(11, 4), QPoint(6, 9)}));
  }
  return image;
}

}  // namespace

const QImage& Xp_Node_Glyph(bool Contracted) {
  static const QImage open = Make_Xp_Glyph(false), closed = Make_Xp_Glyph(true);
  return Contracted ? closed : open;
}

const QImage& Leaf_Node_Glyph(bool Contracted) {
  static const QImage open = Make_Leaf_Glyph(false), closed = Make_Leaf_Glyph(true);
  return Contracted ? closed : open;
}
