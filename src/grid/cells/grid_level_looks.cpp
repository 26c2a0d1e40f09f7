// Grid-level settings of TZadIrururOziz beside the cell accessors: zoom,
// the cursor to come back to, integral height and the fixed cells'
// gradient colours.
#include <QScrollBar>

#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::Zoom(int x) {
  const int n = FPaintLook.ZoomFactor + x;
  if (n > 10 || n < -10) return;
  const bool locked = FScrollLock;
  FScrollLock = true;
  FPaintLook.ZoomFactor = n;
  // A column or row that would vanish keeps its size, so zooming back
  // does not grow it from nothing.
  for (int c = 0; c < ColCount(); ++c) {
    const int w = ColWidths(c);
    if (w > 0 && w + x > 0) SetColWidths(c, w + x);
  }
  for (int r = 0; r < RowCount(); ++r) {
    const int h = RowHeights(r);
    if (h > 0 && h + x > 0) SetRowHeights(r, h + x);
  }
  FScrollLock = locked;
  if (FScrollProportional) {
    UpdateProportionalScrollV();
    UpdateProportionalScrollH();
  }
  RepaintAll();
}

void TZadIrururOziz::SetCursor(const QCursor& Value) {
  setCursor(Value);
  FOldCursor = Value;
}

void TZadIrururOziz::SetIntegralHeight(bool Value) {
  FIntegralHeight = Value;
  SetBounds(x(), y(), width(), height());
}

void TZadIrururOziz::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int h = DefaultRowHeight();
  if (FIntegralHeight && FUpdateCount == 0 && h > 0) {
    // Room for the horizontal bar while not all columns fit; the frame as
    // a single border.
    const int s = VisibleColCount() + FixedCols() < ColCount() ? horizontalScrollBar()->sizeHint().height() : 0;
    const int b = frameWidth() > 0 ? 2 : 0;
    AHeight = AHeight + b - ((AHeight - s - b) % h);
  }
  setGeometry(ALeft, ATop, AWidth, AHeight);
}

void TZadIrururOziz::SetDUDGradientFrom(TColor Value) {
  FPaintLook.DUDGradFrom = Color_To_RGB(Value);
  InvalidateGrid();
}

void TZadIrururOziz::SetDUDGradientTo(TColor Value) {
  FPaintLook.DUDGradTo = Color_To_RGB(Value);
  InvalidateGrid();
}

void TZadIrururOziz::SetDUDGradientMirrorFrom(TColor Value) {
  FPaintLook.DUDGradMirrorFrom = Color_To_RGB(Value);
  InvalidateGrid();
}

void TZadIrururOziz::SetDUDGradientMirrorTo(TColor Value) {
  FPaintLook.DUDGradMirrorTo = Color_To_RGB(Value);
  InvalidateGrid();
}
