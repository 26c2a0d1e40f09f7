#include "grid/draw/canvas_shapes.h"

#include <QPainter>
#include <QPen>

namespace {

// Applies the canvas pen and brush to the painter for one figure.
class Figure_Scope {
 public:
  Figure_Scope(TCanvas& canvas, bool with_pen) : painter_(canvas.Painter()) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    if (!with_pen || canvas.Pen.Style == TPenStyle::psClear) {
      painter_.setPen(Qt::NoPen);
    } else {
      QPen pen(To_QColor(canvas.Pen.Color));
      pen.setWidth(canvas.Pen.Width < 1 ? 1 : canvas.Pen.Width);
      painter_.setPen(pen);
    }
    painter_.setBrush(canvas.Brush.Style == TBrushStyle::bsClear ? QBrush(Qt::NoBrush)
                                                                 : QBrush(To_QColor(canvas.Brush.Color)));
  }
  ~Figure_Scope() { painter_.restore(); }
  QPainter& Painter() { return painter_; }

 private:
  QPainter& painter_;
};

}  // namespace

void Canvas_Polygon(TCanvas& canvas, const QPolygon& points) {
  if (points.size() < 2) return;
  Figure_Scope scope(canvas, true);
  scope.Painter().drawPolygon(points);
}

void Canvas_Ellipse(TCanvas& canvas, int left, int top, int right, int bottom) {
  if (right - left < 1 || bottom - top < 1) return;
  Figure_Scope scope(canvas, true);
  scope.Painter().drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Canvas_Sector(TCanvas& canvas, int left, int top, int right, int bottom, double degrees) {
  if (right - left < 1 || bottom - top < 1 || degrees == 0) return;
  Figure_Scope scope(canvas, false);
  // Qt counts sixteenths of a degree anticlockwise from three o'clock.
  scope.Painter().drawPie(QRect(left, top, right - left - 1, bottom - top - 1), 90 * 16,
                          -static_cast<int>(degrees * 16));
}
