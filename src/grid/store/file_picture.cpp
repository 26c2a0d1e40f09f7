#include "grid/store/file_picture.h"

#include <QImage>
#include <QPainter>
#include <stdexcept>

namespace {
QImage Load(const QString& name) {
  QImage image;
  if (!image.load(name)) throw std::runtime_error(("Cannot load picture \"" + name + "\"").toStdString());
  return image;
}
}  // namespace

void TFilePicture::SetFilename(const QString& name) {
  FFilename = name;
  const QImage image = Load(name);
  FWidth = image.width();
  FHeight = image.height();
}

void TFilePicture::Assign(const TFilePicture& Source) {
  FFilename = Source.FFilename;
  FWidth = Source.FWidth;
  FHeight = Source.FHeight;
}

void TFilePicture::DrawPicture(QPainter& Canvas, const TRect& r) const {
  if (FFilename.isEmpty()) return;
  Canvas.drawImage(r.To_QRect(), Load(FFilename));
}
