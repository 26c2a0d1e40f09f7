#pragma once
// Per-pixel translucency for the grid's feedback windows: a 32-bit picture
// with premultiplied alpha made from a 24-bit picture and a 24-bit mask, the
// Gaussian blur that softens such masks and the rounded-ring mask of the
// focus glow.
//
// A "24-bit bitmap" is a QImage of depth 24 (Format_RGB888 or BGR888); the
// mask value of a pixel is its red channel.
#include <QImage>
#include <cstdint>
#include <stdexcept>

#include "controls/tcolor.h"

class TGridAlphaMask {
 public:
  TGridAlphaMask() = default;

  // Constant alpha applied over the per-pixel alpha when shown.
  uint8_t Opacity() const { return FOpacity; }
  void SetOpacity(uint8_t Value) { FOpacity = Value; }

  // From another mask: Opacity and the pixels, row by row, over the part both
  // pictures share (this mask keeps its own size).
  void Assign(const TGridAlphaMask& Source);
  // From a plain picture: a copy of it, turned to 32 bits.
  void Assign(const QImage& Source);

  // With a 24-bit Bitmap: this mask takes Bitmap's size, every pixel's alpha
  // is the mask's red value there (0 where Mask is smaller) and its colours
  // are premultiplied by it. Anything else leaves the mask as it was. Color
  // has no effect.
  void MergeMask(const QImage& Mask, const QImage& Bitmap, TColor Color = clNone);

  // Always Format_ARGB32_Premultiplied.
  const QImage& Image() const { return FImage; }
  int Width() const { return FImage.width(); }
  int Height() const { return FImage.height(); }

 private:
  QImage FImage{0, 0, QImage::Format_ARGB32_Premultiplied};
  uint8_t FOpacity = 255;
};

class Blur_Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Blurs a 24-bit picture in place with a Gaussian kernel of up to 21 taps,
// trimmed where its tails stay below half a grey step. Only the 20-pixel
// bands along the edges are convolved: the rows and columns between them are
// copies of row and column 15, which is exact for the rounded-ring masks
// (their middle repeats) and fast for a window-sized glow. A radius of 0 or
// less leaves the picture. Any other depth throws Blur_Error before a pixel
// changes.
void GaussianBlur(QImage& Bitmap, double Radius);

// Bitmap becomes a 24-bit Width x Height picture, black, with a white rounded
// rectangle (corner ellipse CornerSize) inset by PenWidth / 2 + 2: an outline
// PenWidth wide, or filled when PenWidth < 1; blurred when Radius > 0.
void MakeBlurredRoundRectMask(QImage& Bitmap, int Width, int Height, double Radius, int CornerSize, int PenWidth);
