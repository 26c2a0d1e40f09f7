#pragma once
#include "controls/canvas.h"
#include "controls/tcolor.h"

// The figures a shape cell can show, in their stored order.
enum TCellShape {
  csRectangle,
  csCircle,
  csTriangleLeft,
  csTriangleRight,
  csTriangleUp,
  csTriangleDown,
  csDiamond,
  csLineVert,
  csLineHorz,
  csRoundRect,
  csEllips,
  csSquare,
  csRoundSquare,
  csStar,
  csArrowUp,
  csArrowDown,
  csArrowLeft,
  csArrowRight,
  csHalfStar
};

// Draws `shape` in the box of height x width at (x, y) with the given pen
// and brush colours. Circle, square and round square take the smaller side
// for both. A value outside the enumeration draws nothing.
void PaintCellShape(TCanvas& canvas, int x, int y, TColor penColor, TColor brushColor, int shape, int height,
                    int width);
