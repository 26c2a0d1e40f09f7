#include "grid/draw/error_marker.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kEditMargin = kErrorMarkerEditMargin;
// The longest marker drawn, so a huge length cannot loop for long.
constexpr int kMaxMarkerPixels = 16384;

}  // namespace

void DrawErrorMarker(TCanvas& canvas, const QString& text, int length, int start, int yOffset, const TRect& rect) {
  if (text.isEmpty() || length <= 0 || start < 0) return;
  const QFontMetrics metrics(canvas.Font, canvas.Painter().device());
  const int size = static_cast<int>(text.size());
  auto char_x = [&](int index) { return kEditMargin + metrics.horizontalAdvance(text.left(index)); };
  const int start_x = start < size ? char_x(start) : char_x(size - 1) + 4;
  const qint64 last = static_cast<qint64>(start) + length - 1;
  const int end_x = last < size ? char_x(static_cast<int>(last)) : char_x(size - 1) + 4;
  const int base = rect.Top + yOffset;

  canvas.Pen.Color = clRed;
  canvas.Pen.Width = 2;
  canvas.Pen.Style = TPenStyle::psSolid;
  int x = rect.Left + start_x;
  const int stop = std::min(rect.Left + std::max(end_x, start_x), x + kMaxMarkerPixels);
  bool low = true;
  canvas.Move_To(x, base + 3);
  while (x < stop) {
    x += 3;
    low = !low;
    canvas.Line_To(x, base + (low ? 3 : 0));
  }
  canvas.Pen.Width = 1;
}
