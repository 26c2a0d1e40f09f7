#include "grid/core/base_cell_painter.h"

#include <QPainter>
#include <algorithm>

#include "grid/draw/gradient_paint.h"

namespace base_cell_painter {
namespace {

// An axis-aligned line of the given pen width, the end point left out as
// with any line. A wide pen is centred on the path and kept inside the cell,
// so it never spills into the fixed rows and columns beside it.
void Grid_Line(TCanvas& canvas, const TRect& cell, int x1, int y1, int x2, int y2, int width, TColor color) {
  if (width <= 1) {
    canvas.Pen.Width = 1;
    canvas.Pen.Color = color;
    canvas.Move_To(x1, y1);
    canvas.Line_To(x2, y2);
    return;
  }
  const int before = (width - 1) / 2, after = width / 2;
  TRect r;
  if (y1 == y2) {
    r = {std::min(x1, x2) - before, y1 - before, std::max(x1, x2) + after, y1 + after + 1};
  } else {
    r = {x1 - before, std::min(y1, y2) - before, x1 + after + 1, std::max(y1, y2) + after};
  }
  r = {std::max(r.Left, cell.Left), std::max(r.Top, cell.Top), std::min(r.Right, cell.Right),
       std::min(r.Bottom, cell.Bottom)};
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = color;
  canvas.Fill_Rect(r);
}

// The drawing state the platform grid would hand a cell.
TGridDrawState State_Of(TBaseGrid& grid, int c, int r) {
  if (c < grid.FixedCols() || r < grid.FixedRows()) return gdFixed;
  TGridDrawState state = 0;
  const TGridRect sel = grid.Selection();
  const bool current = c == grid.Col() && r == grid.Row();
  const bool in_selection = c >= std::min(sel.Left, sel.Right) && c <= std::max(sel.Left, sel.Right) &&
                            r >= std::min(sel.Top, sel.Bottom) && r <= std::max(sel.Top, sel.Bottom);
  if (current && grid.hasFocus()) state |= gdFocused;
  if (in_selection && (!current || (grid.Options() & (goDrawFocusSelected | goRowSelect)))) state |= gdSelected;
  return state;
}

int Fixed_Width(TBaseGrid& grid) {
  int w = 0;
  for (int c = 0; c < grid.FixedCols(); ++c) w += grid.ColWidths(c);
  return w;
}

int Fixed_Height(TBaseGrid& grid) {
  int h = 0;
  for (int r = 0; r < grid.FixedRows(); ++r) h += grid.RowHeights(r);
  return h;
}

}  // namespace

int Frame_Place(int ACol, int L, int R) {
  if (L > R) std::swap(L, R);
  if (ACol == L && L < R) return kFrameLeftEnd;
  if (ACol == R && R > L) return kFrameRightEnd;
  if (L < ACol && ACol < R) return kFrameNoEnds;
  return kFrameBothEnds;
}

Frame_Colors Selection_Frame_Colors(TGridSelectionStyle style, bool focused) {
  if (!focused) return {0xF8F8F8, 0xE5E5E5, clNone, clNone, 0xD9D9D9, 0xFBFAFA, 0xF0F0F0, 0xEFEFEF};
  switch (style) {
    case ssWin7:
      return {0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE};
    case ssOffice2007:
      return {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0x8DD7D3, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF};
    case ssVista:
    default:
      return {0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDDE99, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB};
  }
}

void Paint(TBaseGrid& grid, TCanvas& canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, Mode mode) {
  // The last row carries the floating footer: only the grid's colour shows.
  if (ARow == grid.RowCount() - 1 && grid.HideLastRow()) {
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Pen.Width = 1;
    canvas.Pen.Color = grid.Color();
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = grid.Color();
    canvas.Rectangle(ARect);
    return;
  }

  // A covered cell paints its block through the base cell, once per pass,
  // so a block whose base is scrolled away still shows.
  int base_col = ACol, base_row = ARow;
  if (!grid.FindBaseCell(ACol, ARow, base_col, base_row)) {
    TCellProperties* base = grid.GetGridObject(base_col, base_row);
    if (base && base->PaintID() != grid.PaintID()) {
      base->SetPaintID(grid.PaintID());
      Paint(grid, canvas, base_col, base_row, ARect, State_Of(grid, base_col, base_row), Mode::Full);
    }
    return;
  }

  if (mode == Mode::Full) {
    if (grid.IsFixed(ACol, ARow)) AState = (AState | gdFixed) & ~gdSelected;
    ARect = grid.CellRect(ACol, ARow);
  }
  const bool fixed = (AState & gdFixed) != 0;
  const bool fixed_col = ACol < grid.FixedCols();
  const bool fixed_row = ARow < grid.FixedRows();

  // Blocks reaching under the fixed rows or columns must not paint over them.
  QPainter& painter = canvas.Painter();
  const int fw = fixed_col ? 0 : Fixed_Width(grid);
  const int fh = fixed_row ? 0 : Fixed_Height(grid);
  const bool clip =
      (!fixed_col && grid.FixedCols() > 0 && ARect.Left < fw) || (!fixed_row && grid.FixedRows() > 0 && ARect.Top < fh);
  if (clip) {
    painter.save();
    const QWidget* area = grid.viewport();
    painter.setClipRect(QRect(fw, fh, area->width() - fw, area->height() - fh), Qt::IntersectClip);
  }

  // The look starts from the cell's own properties (a plain grid has no
  // other source); GetVisualProperties of a descendant decides it.
  canvas.Pen.Width = 1;
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Font = grid.GridFont();
  canvas.Font_Color = grid.FontColor();
  TColor color_to = clNone, mirror = clNone, mirror_to = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = grid.WordWrap();
  TCellGradientDirection gd = GradientVertical;
  canvas.Brush.Color = fixed ? clBtnFace : grid.Color();
  if (const TCellProperties* props = grid.HasCellProperties(ACol, ARow) ? grid.GetGridObject(ACol, ARow) : nullptr) {
    if (!fixed && props->BrushColor() != clNone) canvas.Brush.Color = props->BrushColor();
    if (!fixed) color_to = props->BrushColorTo();
    if (props->FontColor() != clNone) canvas.Font_Color = props->FontColor();
    ha = props->Alignment();
    va = props->VAlignment();
    ww = props->WordWrap();
    gd = props->GradientDirection();
  }
  if ((AState & gdSelected) && grid.ShowSel() && grid.SelectionStyle() == ssDefault) {
    canvas.Brush.Color = clHighlight;
    canvas.Font_Color = clHighlightText;
    color_to = clNone;
  }
  grid.GetVisualProperties(ACol, ARow, AState, false, true, true, canvas.Brush, color_to, mirror, mirror_to,
                           canvas.Font, canvas.Font_Color, ha, va, ww, gd);
  canvas.Pen.Color = canvas.Brush.Color;

  const THoverRowCells hover_cells = grid.HoverRowCells();
  if (ARow == grid.HoverRowIdx() && grid.HoverRow() && !((AState & gdSelected) && !(hover_cells & hcSelected)) &&
      !((AState & gdFixed) && !(hover_cells & hcFixed))) {
    canvas.Brush.Color = grid.HoverRowColor();
    color_to = grid.HoverRowColorTo();
    mirror = clNone;
    mirror_to = clNone;
    gd = GradientVertical;
  }

  if ((grid.ActiveRowShow() && ARow == grid.Row() && (ACol != grid.Col() || !grid.ShowSel()) && !fixed_col) ||
      (mode == Mode::Background && (AState & gdSelected))) {
    canvas.Brush.Color = grid.ActiveRowColor();
    color_to = grid.ActiveRowColorTo();
    mirror = grid.ActiveRowMirrorColor();
    mirror_to = grid.ActiveRowMirrorColorTo();
    canvas.Pen.Color = canvas.Brush.Color;
  }

  const TGridOptions options = grid.Options();
  if ((AState & gdSelected) && grid.SelectionStyle() != ssDefault && grid.ShowSel()) {
    const TGridRect sel = grid.Selection();
    const int place = Frame_Place(ACol, sel.Left, sel.Right);
    TRect frame = ARect;
    if (!(options & goHorzLine)) frame.Bottom += 1;
    if (!(options & goVertLine)) frame.Right += 1;
    if (grid.isRightToLeft()) {
      frame.Right += 1;
      frame.Bottom += 1;
    }
    const bool focused = grid.hasFocus() || (options & goDrawFocusSelected);
    const Frame_Colors f = Selection_Frame_Colors(grid.SelectionStyle(), focused);
    DrawRoundedGradientFrame(canvas, frame, f.FillFrom, f.FillTo, f.MirrorFrom, f.MirrorTo, f.Outer, f.InnerTop,
                             f.InnerBottom, f.Corner, grid.Color(), place);
  } else if (!(grid.UsesPlatformStyles() && (fixed || (AState & gdSelected)))) {
    if (mirror_to == clNone) {
      DrawGradient(canvas, canvas.Brush.Color, color_to, gd == GradientHorizontal, ARect, 64);
    } else {
      DrawMirrorGradient(canvas, ARect, canvas.Brush.Color, color_to, mirror, mirror_to, true, true, clNone, false);
    }
  }

  // Grid lines: fixed cells always one pixel in the fixed line colour.
  int lw = 1, pen_width = 1;
  TColor line_color = canvas.Pen.Color;
  if (fixed) {
    line_color = grid.GridFixedLineColor();
  } else {
    if (grid.GridLineWidth() > 0) line_color = grid.GridLineColor();
    pen_width = grid.GridLineWidth();
    lw = (grid.GridLineWidth() + 1) / 2;
  }
  // A zero width leaves no line: the pen is still the background colour.
  if (!(ACol == 0 && grid.HasNodes()) &&
      (((options & goHorzLine) && !fixed) || ((options & goFixedHorzLine) && fixed))) {
    Grid_Line(canvas, ARect, ARect.Left - lw + 1, ARect.Bottom - lw, ARect.Right - lw + 1, ARect.Bottom - lw, pen_width,
              line_color);
  }
  if (((options & goVertLine) && !fixed) || ((options & goFixedVertLine) && fixed)) {
    const int x = grid.isRightToLeft() ? ARect.Right - lw + 1 : ARect.Right - lw;
    Grid_Line(canvas, ARect, x, ARect.Bottom - lw, x, ARect.Top - lw, pen_width, line_color);
  }

  if (mode == Mode::Full) {
    const int inset = grid.GridLineWidth();
    const TRect content = fixed
                              ? TRect{ARect.Left, ARect.Top, ARect.Right - 1, ARect.Bottom - 2}
                              : TRect{ARect.Left + inset, ARect.Top + inset, ARect.Right - inset, ARect.Bottom - inset};
    grid.PaintCellContent(canvas, ACol, ARow, content, AState);
  }

  if (clip) painter.restore();
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Pen.Style = TPenStyle::psSolid;
}

}  // namespace base_cell_painter
