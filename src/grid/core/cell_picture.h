#pragma once
// A picture of any format the platform reads, shown by a picture cell.
#include <QImage>
#include <QString>

#include "grid/core/cell_graphic.h"

class TPicture : public TCellPicture {
 public:
  TPicture() = default;
  explicit TPicture(QImage Image) : FImage(std::move(Image)) {}

  int Width() const override { return FImage.width(); }
  int Height() const override { return FImage.height(); }
  // Stretched over R; an empty picture draws nothing.
  void Draw(QPainter& Painter, const QRect& R) const override;

  const QImage& Graphic() const { return FImage; }
  void SetGraphic(const QImage& Value) { FImage = Value; }
  bool Empty() const { return FImage.isNull(); }
  // A file that cannot be read leaves the picture empty and answers false.
  bool LoadFromFile(const QString& FileName);

 private:
  QImage FImage;
};
