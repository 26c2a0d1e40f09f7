#include "grid/draw/alpha_mask.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

void TGridAlphaMask::Assign(const TGridAlphaMask& Source) {
  if (&Source == this) return;
  FOpacity = Source.FOpacity;
  const int rows = std::min(FImage.height(), Source.FImage.height());
  const int bytes = std::min(FImage.width(), Source.FImage.width()) * 4;
  for (int y = 0; y < rows; ++y) std::memcpy(FImage.scanLine(y), Source.FImage.constScanLine(y), size_t(bytes));
}

void TGridAlphaMask::Assign(const QImage& Source) {
  FImage = Source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void TGridAlphaMask::MergeMask(const QImage& Mask, const QImage& Bitmap, TColor /*Color*/) {
  if (Bitmap.depth() != 24) return;
  const int w = Bitmap.width(), h = Bitmap.height();
  FImage = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
  const bool mask_usable = Mask.depth() == 24;
  for (int y = 0; y < h; ++y) {
    auto* out = reinterpret_cast<uint32_t*>(FImage.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const QRgb c = Bitmap.pixel(x, y);
      const int m = mask_usable && x < Mask.width() && y < Mask.height() ? qRed(Mask.pixel(x, y)) : 0;
      const auto scale = [m](int v) { return uint32_t(std::lround(v * m / 255.0)); };
      out[x] = uint32_t(m) << 24 | scale(qRed(c)) << 16 | scale(qGreen(c)) << 8 | scale(qBlue(c));
    }
  }
}

namespace {

// The kept half of the kernel, centre first; single precision as the
// stored glow pictures were made with.
std::vector<float> Blur_Kernel(double Radius) {
  constexpr int taps = 21, centre = 10;
  float w[taps];
  float sum = 0;
  for (int i = 0; i < taps; ++i) {
    const double d = (i - centre) / Radius;
    w[i] = float(std::exp(-d * d / 2));
    sum += w[i];
  }
  for (float& v : w) v /= sum;
  // Outer pairs whose weight together stays below half a grey step are dropped.
  constexpr float limit = 1.0f / 510.0f;
  int k = centre;
  float dropped = 0;
  while (k > 1 && dropped + 2 * w[centre - k] < limit) {
    dropped += 2 * w[centre - k];
    --k;
  }
  float kept = 0;
  for (int i = centre - k; i <= centre + k; ++i) kept += w[i];
  std::vector<float> half(size_t(k) + 1);
  for (int i = 0; i <= k; ++i) half[size_t(i)] = w[centre + i] / kept;
  return half;
}

// The float sums of the normalised weights can fall a hair short of the
// whole; without the tolerance white would blur to 254.
uint8_t Channel_Value(float sum) {
  const int v = int(sum + 1e-3f);
  return uint8_t(std::clamp(v, 0, 255));
}

// One line of pixels (3 bytes each, `stride` bytes apart) convolved into out.
void Convolve(const uint8_t* in, uint8_t* out, int length, ptrdiff_t stride, const std::vector<float>& half) {
  const int k = int(half.size()) - 1;
  for (int x = 0; x < length; ++x)
    for (int ch = 0; ch < 3; ++ch) {
      float sum = 0;
      for (int i = -k; i <= k; ++i) {
        const int at = std::clamp(x - i, 0, length - 1);
        sum += half[size_t(std::abs(i))] * in[at * stride + ch];
      }
      out[x * stride + ch] = Channel_Value(sum);
    }
}

}  // namespace

void GaussianBlur(QImage& Bitmap, double Radius) {
  if (Bitmap.depth() != 24) throw Blur_Error("Blur only works for 24-bit bitmaps");
  if (Radius <= 0 || Bitmap.isNull()) return;
  const std::vector<float> half = Blur_Kernel(Radius);
  const int w = Bitmap.width(), h = Bitmap.height();
  const ptrdiff_t line = Bitmap.bytesPerLine();
  std::vector<uint8_t> source(size_t(std::max(w, h)) * 3);

  for (int y = 0; y < h; ++y) {
    uint8_t* row = Bitmap.scanLine(y);
    if (y > 20 && y < h - 20) {
      std::memcpy(row, Bitmap.constScanLine(15), size_t(w) * 3);
      continue;
    }
    std::memcpy(source.data(), row, size_t(w) * 3);
    Convolve(source.data(), row, w, 3, half);
  }
  uint8_t* bits = Bitmap.bits();
  // Gathered into a packed line first, then written back down the column.
  std::vector<uint8_t> out(size_t(h) * 3);
  for (int x = 0; x < w; ++x) {
    uint8_t* column = bits + x * 3;
    if (x > 20 && x < w - 20) {
      for (int y = 0; y < h; ++y) std::memcpy(column + y * line, bits + 15 * 3 + y * line, 3);
      continue;
    }
    for (int y = 0; y < h; ++y) std::memcpy(source.data() + y * 3, column + y * line, 3);
    Convolve(source.data(), out.data(), h, 3, half);
    for (int y = 0; y < h; ++y) std::memcpy(column + y * line, out.data() + y * 3, 3);
  }
}

void MakeBlurredRoundRectMask(QImage& Bitmap, int Width, int Height, double Radius, int CornerSize, int PenWidth) {
  Bitmap = QImage(std::max(Width, 0), std::max(Height, 0), QImage::Format_RGB888);
  if (Bitmap.isNull()) return;
  Bitmap.fill(Qt::black);
  const int h = PenWidth / 2;
  // The outline runs along the rectangle's edges, the pen centred on them.
  const QRectF r(h + 2, h + 2, Width - 2 * h - 4, Height - 2 * h - 4);
  {
    QPainter painter(&Bitmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double corner = CornerSize / 2.0;
    if (PenWidth >= 1) {
      QPen pen(Qt::white, PenWidth);
      pen.setJoinStyle(Qt::MiterJoin);
      painter.setPen(pen);
      painter.setBrush(Qt::black);
    } else {
      painter.setPen(QPen(Qt::white, 1));
      painter.setBrush(Qt::white);
    }
    painter.drawRoundedRect(r, corner, corner);
  }
  if (Radius > 0) GaussianBlur(Bitmap, Radius);
}
