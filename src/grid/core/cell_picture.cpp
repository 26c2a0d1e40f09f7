#include "grid/core/cell_picture.h"

#include <QPainter>

void TPicture::Draw(QPainter& Painter, const QRect& R) const {
  if (FImage.isNull() || R.isEmpty()) return;
  Painter.drawImage(R, FImage);
}

bool TPicture::LoadFromFile(const QString& FileName) {
  QImage image;
  if (!image.load(FileName)) {
    FImage = QImage();
    return false;
  }
  FImage = image;
  return true;
}
