#include "grid/draw/bitmap_paint.h"

#include <QFile>
#include <QPainter>

void DrawBitmapTransparent(TCanvas& canvas, const QImage& bitmap, TColor background, const TRect& rect) {
  if (bitmap.isNull()) return;
  QImage copy = bitmap.convertToFormat(QImage::Format_RGB32);
  const QRgb key = copy.pixel(0, 0);
  const QRgb fill = To_QColor(background).rgb();
  for (int y = 0; y < copy.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
    for (int x = 0; x < copy.width(); ++x)
      if (line[x] == key) line[x] = fill;
  }
  canvas.Painter().drawImage(QPoint(rect.Left, rect.Top), copy);
}

void DrawResourceBitmap(TCanvas& canvas, TColor background, const TRect& rect, const QString& resourceName) {
  for (const QString& suffix : {QString(), QStringLiteral(".bmp"), QStringLiteral(".png")}) {
    const QString path = QStringLiteral(":/") + resourceName + suffix;
    if (!QFile::exists(path)) continue;
    const QImage image(path);
    if (image.isNull()) continue;
    DrawBitmapTransparent(canvas, image, background, rect);
    return;
  }
}
