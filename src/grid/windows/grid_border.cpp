// The one-pixel border the modern looks draw over the grid's frame.
#include <QPainter>

#include "controls/canvas.h"
#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::PaintBorder() {
  switch (FLook) {
    case glSoft:
    case glDUD:
    case glXP:
    case glListView:
    case glVista:
    case glWin7:
    case glOffice2007:
      break;
    default:
      return;
  }
  if (FBorderStyle != bsSingle || FBorderColor == clNone || FFlat) return;
  QPainter painter(this);
  TCanvas canvas(painter);
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Pen.Color = FBorderColor;
  const int w = width(), h = height();
  if (!FFitCellsInGrid) {
    canvas.Rectangle(0, 0, w, h);
    return;
  }
  // The line one pixel in; the outermost line takes the surroundings' colour
  // so the border looks one pixel thin and the cells fit inside it.
  canvas.Rectangle(1, 1, w - 1, h - 1);
  if (QWidget* parent = parentWidget()) {
    const QColor around = parent->palette().color(parent->backgroundRole());
    canvas.Pen.Color = From_QColor(around);
    canvas.Rectangle(0, 0, w, h);
  }
}
