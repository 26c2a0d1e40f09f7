#include "controls/editors/edit_border.h"

#include <QPainter>
#include <QWidget>

#include "controls/canvas.h"
#include "controls/editor_logic/classic_paint.h"

void Paint_Edit_Border(QWidget* edit, TBorderStyle style) {
  if (style != bsSingle) return;
  QPainter painter(edit);
  TCanvas canvas(painter);
  TRect r{0, 0, edit->width(), edit->height()};
  Draw_Edge(canvas, r, EDGE_SUNKEN, BF_RECT);
}
