#include "grid/controls/grid_button_glyphs.h"

namespace {

QRgb Key_Colour(const QImage& image) { return image.pixel(0, image.height() - 1); }

}  // namespace

QImage Disabled_Glyph(const QImage& glyph) {
  if (glyph.isNull()) return {};
  QImage grey = glyph.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < grey.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
    for (int x = 0; x < grey.width(); ++x) {
      const int level = ((qRed(line[x]) + qGreen(line[x]) + qBlue(line[x])) / 3) / 2 + 96;
      line[x] = qRgba(level, level, level, qAlpha(line[x]));
    }
  }
  return grey;
}

QImage Shade_Glyph(const QImage& glyph) {
  if (glyph.isNull()) return {};
  QImage shade = glyph.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = Key_Colour(shade);
  for (int y = 0; y < shade.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(shade.scanLine(y));
    for (int x = 0; x < shade.width(); ++x)
      if (line[x] != key) line[x] = qRgb(0x80, 0x80, 0x80);
  }
  return shade;
}

QImage Transparent_Glyph(const QImage& glyph) {
  if (glyph.isNull()) return {};
  QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = Key_Colour(image);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (line[x] == key) line[x] = 0;
  }
  return image;
}
