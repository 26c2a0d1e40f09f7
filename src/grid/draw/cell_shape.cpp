#include "grid/draw/cell_shape.h"

#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "grid/draw/canvas_shapes.h"
#include "grid/draw/paint_round.h"

namespace {

// Star points at the given angles (degrees clockwise from the top); even
// positions on the outer radius, odd ones on a third of it.
QPolygon Star_Points(int cx, int cy, int hw, int hh, std::initializer_list<int> angles, std::initializer_list<int> ks) {
  QPolygon points;
  auto k = ks.begin();
  for (int angle : angles) {
    const bool outer = (*k++ % 2) == 0;
    const double rx = outer ? hw : hw / 3.0;
    const double ry = outer ? hh : hh / 3.0;
    const double a = angle * M_PI / 180.0;
    points << QPoint(cx + Round_Even(rx * std::sin(a)), cy - Round_Even(ry * std::cos(a)));
  }
  return points;
}

}  // namespace

void PaintCellShape(TCanvas& canvas, int x, int y, TColor penColor, TColor brushColor, int shape, int height,
                    int width) {
  if (shape < csRectangle || shape > csHalfStar) return;
  if (shape == csCircle || shape == csSquare || shape == csRoundSquare) width = height = std::min(width, height);
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Pen.Width = 1;
  canvas.Pen.Color = penColor;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = brushColor;
  const int hw = width / 2, hh = height / 2;
  const int ew = width - width % 2, eh = height - height % 2;
  const int q = ew / 4, p = eh / 4;
  switch (static_cast<TCellShape>(shape)) {
    case csRectangle:
    case csSquare:
      canvas.Rectangle(x + 1, y + 1, x + width - 1, y + height - 1);
      break;
    case csCircle:
    case csEllips:
      Canvas_Ellipse(canvas, x, y, x + width, y + height);
      break;
    case csRoundRect:
    case csRoundSquare:
      canvas.Round_Rect(x, y, x + width, y + height, 10, 10);
      break;
    case csTriangleLeft:
      Canvas_Polygon(canvas, QPolygon({{x + width, y}, {x + width, y + height}, {x, y + hh}}));
      break;
    case csTriangleRight:
      Canvas_Polygon(canvas, QPolygon({{x, y}, {x, y + height}, {x + width, y + hh}}));
      break;
    case csTriangleUp:
      Canvas_Polygon(canvas, QPolygon({{x, y + height}, {x + width, y + height}, {x + hw, y}}));
      break;
    case csTriangleDown:
      Canvas_Polygon(canvas, QPolygon({{x, y}, {x + width, y}, {x + hw, y + height}}));
      break;
    case csDiamond:
      Canvas_Polygon(canvas, QPolygon({{x, y + hh}, {x + hw, y}, {x + 2 * hw, y + hh}, {x + hw, y + 2 * hh}}));
      break;
    case csLineVert:
      canvas.Rectangle(x + hw, y, x + hw + 1, y + height);
      break;
    case csLineHorz:
      canvas.Rectangle(x, y + hh, x + width, y + hh + 1);
      break;
    case csStar:
      Canvas_Polygon(canvas, Star_Points(x + hw, y + hh, hw, hh, {0, 36, 72, 108, 144, 180, 216, 252, 288, 324},
                                         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
      break;
    case csHalfStar:
      Canvas_Polygon(canvas, Star_Points(x + hw, y + hh, hw, hh, {0, 180, 216, 252, 288, 324}, {0, 5, 6, 7, 8, 9}));
      break;
    case csArrowUp:
      Canvas_Polygon(canvas, QPolygon({{x, y + hh},
                                       {x + ew / 2, y},
                                       {x + ew, y + hh},
                                       {x + 3 * q, y + hh},
                                       {x + 3 * q, y + height},
                                       {x + q, y + height},
                                       {x + q, y + hh}}));
      break;
    case csArrowDown:
      Canvas_Polygon(canvas, QPolygon({{x, y + hh},
                                       {x + ew / 2, y + height},
                                       {x + ew, y + hh},
                                       {x + 3 * q, y + hh},
                                       {x + 3 * q, y},
                                       {x + q, y},
                                       {x + q, y + hh}}));
      break;
    case csArrowLeft:
      Canvas_Polygon(canvas, QPolygon({{x, y + eh / 2},
                                       {x + hw, y},
                                       {x + hw, y + p},
                                       {x + width, y + p},
                                       {x + width, y + 3 * p},
                                       {x + hw, y + 3 * p},
                                       {x + hw, y + eh}}));
      break;
    case csArrowRight:
      Canvas_Polygon(canvas, QPolygon({{x + width, y + eh / 2},
                                       {x + width - hw, y},
                                       {x + width - hw, y + p},
                                       {x, y + p},
                                       {x, y + 3 * p},
                                       {x + width - hw, y + 3 * p},
                                       {x + width - hw, y + eh}}));
      break;
  }
}
