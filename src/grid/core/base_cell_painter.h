#pragma once
#include "controls/canvas.h"
#include "controls/trect.h"
#include "grid/core/base_grid.h"

// The cell painter of TBaseGrid: for each cell it fills the background
// (plain, gradient, mirrored gradient, hover row, current row or the
// selection frame of the selection style), draws the grid's own lines in
// GridLineWidth and its colours, and hands the rest of the cell to
// PaintCellContent. A merged block is painted as one rectangle, at most once
// more per paint pass than by its base cell. A cell's look comes from
// GetVisualProperties, started from the cell's own properties.
namespace base_cell_painter {

// Full: background, lines and content, the rectangle taken from the grid.
// Background: background and lines only, in the given rectangle.
enum class Mode { Full, Background };

void Paint(TBaseGrid& grid, TCanvas& canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, Mode mode);

// Where a cell sits in the selected columns L..R, as the sides argument of
// DrawRoundedGradientFrame: 1 first of several, 2 last of several, 3 inside,
// 0 alone (or outside).
int Frame_Place(int ACol, int L, int R);

// The colours of a selection frame, in the order DrawRoundedGradientFrame
// takes them (the outer corner colour is the grid's Color).
struct Frame_Colors {
  TColor FillFrom, FillTo, MirrorFrom, MirrorTo, Outer, InnerTop, InnerBottom, Corner;
};
Frame_Colors Selection_Frame_Colors(TGridSelectionStyle style, bool focused);

}  // namespace base_cell_painter

// The grid's operations, over any canvas.
inline void PaintCell(TBaseGrid& grid, TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  base_cell_painter::Paint(grid, ACanvas, ACol, ARow, ARect, AState, base_cell_painter::Mode::Full);
}
inline void PaintCellExt(TBaseGrid& grid, TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  base_cell_painter::Paint(grid, ACanvas, ACol, ARow, ARect, AState, base_cell_painter::Mode::Background);
}
