// The string grid's paint pass, the per-cell painter and its layers, and the
// colour precedence of a cell: cell properties, bands, fixed looks, events,
// the selection modes and the disabled look, in that order.
#include <QPainter>
#include <algorithm>

#include "dropdowns/base/draw_gradient_steps.h"
#include "grid/core/base_cell_painter.h"
#include "grid/core/cell_paint.h"
#include "grid/draw/blend_color.h"
#include "grid/draw/color_math.h"
#include "grid/draw/glyph_paint.h"
#include "grid/draw/gradient_paint.h"
#include "grid/theme/theme_api.h"

namespace {

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.Move_To(x1, y1);
  canvas.Line_To(x2, y2);
}

}  // namespace

void TZadIrururOziz::SetURLColor(TColor Value) {
  if (Value == FURLColor) return;
  FURLColor = Value;
  if (FPaintLook.URLShow) InvalidateGrid();
}

void TZadIrururOziz::SetPasswordChar(QChar Value) {
  FPasswordChar = Value;
  InvalidateGrid();
}

void TZadIrururOziz::SetDisabledFontColor(TColor Value) {
  FDisabledFontColor = Value;
  InvalidateGrid();
}

// ---- the paint pass

void TZadIrururOziz::PaintGrid(QPainter& painter) {
  TBaseGrid::PaintGrid(painter);
  TCanvas canvas(painter);
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  if (FEditing) {
    const bool no_lines = GridLineWidth() < 1 || !(Options() & (goHorzLine | goVertLine));
    canvas.Pen.Color = no_lines ? Color() : GridLineColor();
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Rectangle(CellRect(Col(), Row()));
    canvas.Brush.Style = TBrushStyle::bsSolid;
  }
  canvas.Pen.Color = clBlack;
  if (!FBackGround.Bitmap.isNull() || FBackGround.ColorTo != clNone) PaintOuterBackground(canvas);
  if (OnPainted) OnPainted(this);
}

void TZadIrururOziz::PaintOuterBackground(TCanvas& ACanvas) {
  if (TopRow() + VisibleRowCount() < RowCount() && LeftCol() + VisibleColCount() < ColCount()) return;
  const bool gradient = FBackGround.Display == bdGradientHorz || FBackGround.Display == bdGradientVert;
  if (FBackGround.Bitmap.isNull() && (!gradient || FBackGround.ColorTo == clNone)) return;
  const int width = viewport()->width();
  int height = viewport()->height();
  if (SearchFooter().Visible()) height -= 32;
  // The area right of the last column and below the last row.
  QRegion region;
  const TRect last_col = CellRect(ColCount() - 1, FixedRows() > 0 ? 0 : TopRow());
  if (!last_col.Is_Empty() && last_col.Right < width)
    region += QRect(last_col.Right, 0, width - last_col.Right, height);
  const TRect last_row = CellRect(FixedCols() > 0 ? 0 : LeftCol(), RowCount() - 1);
  if (!last_row.Is_Empty() && last_row.Bottom < height)
    region += QRect(0, last_row.Bottom, width, height - last_row.Bottom);
  if (region.isEmpty()) return;
  QPainter& painter = ACanvas.Painter();
  painter.save();
  painter.setClipRegion(region, Qt::IntersectClip);
  const TRect client{0, 0, width, height};
  if (FBackGround.Bitmap.isNull()) {
    Draw_Gradient_Steps(ACanvas, FBackGround.Color, FBackGround.ColorTo, 128, client,
                        FBackGround.Display == bdGradientHorz);
  } else if (FBackGround.Display == bdFixed) {
    painter.drawImage(QPoint(FBackGround.Left, FBackGround.Top), FBackGround.Bitmap);
  } else if (FBackGround.Display == bdTile && FBackGround.Cells != bcFixed) {
    const TRect first = CellRect(FixedCols(), FixedRows());
    const QPoint origin = FBackGround.Cells == bcNormal ? QPoint(first.Left, first.Top) + XYOffset() : XYOffset();
    painter.drawTiledPixmap(client.To_QRect(), QPixmap::fromImage(FBackGround.Bitmap), -origin);
  }
  painter.restore();
}

// Dotted lines drawn by inverting the pixels under them, so the same call
// again takes them away. (Black would leave the pixels unchanged under an
// exclusive-or; white inverts them.)
void TZadIrururOziz::DrawColumnSizingLine(TCanvas& ACanvas, int X) {
  const TCanvas::Pen_State saved = ACanvas.Pen;
  int bottom = viewport()->height();
  const TRect last = UnclippedCellRect(0, RowCount() - 1);
  bottom = std::max(bottom, last.Bottom);
  QPainter& painter = ACanvas.Painter();
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  for (int y = 0; y < bottom; y += 2) painter.fillRect(X, y, 1, 1, Qt::white);
  painter.restore();
  ACanvas.Pen = saved;
}

void TZadIrururOziz::DrawRowSizingLine(TCanvas& ACanvas, int Y) {
  const TCanvas::Pen_State saved = ACanvas.Pen;
  int right = viewport()->width();
  const TRect last = UnclippedCellRect(ColCount() - 1, 0);
  right = std::max(right, last.Right);
  QPainter& painter = ACanvas.Painter();
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  for (int x = 0; x < right; x += 2) painter.fillRect(x, Y, 1, 1, Qt::white);
  painter.restore();
  ACanvas.Pen = saved;
}

// ---- colours and fonts

bool TZadIrururOziz::Paint_Row_Selected(int ARow) const {
  return ARow >= 0 && size_t(ARow) < FRowSelect.size() && FRowSelect[size_t(ARow)];
}

bool TZadIrururOziz::Paint_Col_Selected(int ACol) const {
  return ACol >= 0 && size_t(ACol) < FColSelect.size() && FColSelect[size_t(ACol)];
}

bool TZadIrururOziz::Paint_Is_Selected(int ACol, int ARow) {
  if (ACol < FixedCols() || ARow < FixedRows()) return false;
  if (FMouseActions->DisjunctCellSelect()) return SelectedCells(ACol, ARow);
  if (FMouseActions->DisjunctRowSelect())
    return Paint_Row_Selected(FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow);
  if (FMouseActions->DisjunctColSelect()) return Paint_Col_Selected(ACol);
  const TGridRect s = Selection();
  return ACol >= std::min(s.Left, s.Right) && ACol <= std::max(s.Left, s.Right) && ARow >= std::min(s.Top, s.Bottom) &&
         ARow <= std::max(s.Top, s.Bottom);
}

void TZadIrururOziz::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, QFont& AFont,
                                       TColor& AFontColor, TCanvas::Brush_State& ABrush, bool Remap) {
  (void)Remap;
  const bool fixed_like = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
  AFont = fixed_like ? FFixedFont : GridFont();
  AFontColor = FontColor();
  if (HasCellProperties(RCol, ARow)) {
    const TCellProperties* props = Store().Object(RCol, ARow);
    if (props->FontColor() != clNone) AFontColor = props->FontColor();
    if (props->FontStyle() != 0) {
      AFont.setBold(props->FontStyle() & fsBold);
      AFont.setItalic(props->FontStyle() & fsItalic);
      AFont.setUnderline(props->FontStyle() & fsUnderline);
      AFont.setStrikeOut(props->FontStyle() & fsStrikeOut);
    }
    if (props->FontSize() > 0) AFont.setPointSize(props->FontSize());
    if (!props->FontName().isEmpty()) AFont.setFamily(props->FontName());
  }
  DoGetCellColor(RCol, ARow, AState, ABrush, AFont, AFontColor);
}

void TZadIrururOziz::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                         bool Remap, TCanvas::Brush_State& ABrush, TColor& AColorTo,
                                         TColor& AMirrorColor, TColor& AMirrorColorTo, QFont& AFont, TColor& AFontColor,
                                         TAlignment& HA, TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
  const bool fixed_col = ACol < FixedCols(), fixed_row = ARow < FixedRows();
  const bool right_fixed = FFixedRightCols > 0 && ACol >= ColCount() - FFixedRightCols;
  const bool footer_row = FFixedFooters > 0 && ARow >= RowCount() - FFixedFooters;
  // A print takes the print settings' own fonts unless told to print with the display's.
  const bool print_fonts = Print && !FPrintSettings.UseDisplayFont();
  if (fixed_col || fixed_row)
    AFont = print_fonts ? FPrintSettings.FixedFont() : FFixedFont;
  else
    AFont = print_fonts ? FPrintSettings.Font() : GridFont();
  AFontColor = FontColor();
  const int RCol = Remap ? RealColIndex(ACol) : ACol;
  const bool persistent = FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent();
  const int LRow = persistent || FUseEnabledRows ? RealRowIndex(ARow) : ARow;

  ABrush.Color = clNone;
  ABrush.Style = TBrushStyle::bsSolid;
  AColorTo = AMirrorColor = AMirrorColorTo = clNone;

  bool own_colour = false;
  if (!FInitialLook && HasCellProperties(RCol, ARow)) {
    const TCellProperties* props = Store().Object(RCol, ARow);
    ABrush.Color = props->BrushColor();
    const TCellType kind = GetCellType(RCol, ARow);
    own_colour = (kind == ctNone || kind == ctRotated || kind == ctEmpty) && ABrush.Color != clNone;
    if (props->FontColor() != clNone) AFontColor = props->FontColor();
    if (props->FontStyle() != 0) {
      AFont.setBold(props->FontStyle() & fsBold);
      AFont.setItalic(props->FontStyle() & fsItalic);
      AFont.setUnderline(props->FontStyle() & fsUnderline);
      AFont.setStrikeOut(props->FontStyle() & fsStrikeOut);
    }
    if (props->FontSize() > 0) AFont.setPointSize(props->FontSize());
    if (!props->FontName().isEmpty()) AFont.setFamily(props->FontName());
    WW = props->WordWrap();
    AColorTo = props->BrushColorTo();
    GD = props->GradientDirection();
  }
  if (AState & gdSelected) GD = GradientVertical;

  if (ABrush.Color == clNone) {
    ABrush.Color = Color();
    if (FBands->Active() && (!Print || FBands->Print())) {
      if (!fixed_col && !right_fixed && !fixed_row && !footer_row) {
        if (FBands->TotalLength() > 0)
          ABrush.Color = (ARow - FixedRows()) % FBands->TotalLength() < FBands->PrimaryLength()
                             ? FBands->PrimaryColor()
                             : FBands->SecondaryColor();
      } else {
        ABrush.Color = FFixedColor;
      }
    }
  }

  const bool fixed_like = IsFixed(ACol, ARow) || fixed_col || fixed_row;
  if (fixed_like && !own_colour) {
    if (!Print) {
      ABrush.Color = FFixedColor;
      AFont = FFixedFont;
      if (FFixedFontColor != clNone) AFontColor = FFixedFontColor;
      AState |= gdFixed;
    }
    if (FLook > glClassic) {
      ABrush.Color = FPaintLook.DUDGradFrom;
      AColorTo = FPaintLook.DUDGradTo;
      AMirrorColor = FPaintLook.DUDGradMirrorFrom;
      AMirrorColorTo = FPaintLook.DUDGradMirrorTo;
    }
  }

  // A cell's stored look comes from the grid alone: what the colour events
  // say stays a question asked at each paint.
  if (!FInitialLook) DoGetCellColor(RCol, ARow, AState, ABrush, AFont, AFontColor);
  if (OnGetCellGradient && !FInitialLook) {
    TColor colour = ABrush.Color;
    OnGetCellGradient(this, ARow, RCol, colour, AColorTo, AMirrorColor, AMirrorColorTo, GD);
    ABrush.Color = colour;
  }
  const TColor kept_brush = ABrush.Color, kept_font = AFontColor;

  auto selection_text = [&] {
    AColorTo = FPaintLook.SelectionColorTo;
    AMirrorColor = FPaintLook.SelectionMirrorColor;
    AMirrorColorTo = FPaintLook.SelectionMirrorColorTo;
    if (FSelectionTextColor != clNone) AFontColor = FSelectionTextColor;
  };
  const bool normal = !fixed_like && !right_fixed && !footer_row;

  if (FMouseActions->DisjunctRowSelect() && normal && !Print && Select && FShowSelection) {
    const bool row_selected = Paint_Row_Selected(persistent ? RealRowIndex(ARow) : ARow);
    if (((ARow == Row() && FMouseDown) || !row_selected) && !(FMouseDown && !row_selected && (AState & gdSelected))) {
      AState &= ~gdSelected;
    } else {
      AState = gdSelected;
      ABrush.Color = FSelectionColor;
      selection_text();
    }
  }
  if (FMouseActions->DisjunctColSelect() && normal && !Print && Select && FShowSelection) {
    const bool col_selected = Paint_Col_Selected(ACol);
    if ((col_selected && (!FMouseDown || ACol != Col())) || (FMouseDown && !col_selected && (AState & gdSelected))) {
      AState = gdSelected;
      ABrush.Color = FSelectionColor;
      selection_text();
    }
  }
  const bool disjunct = FMouseActions->DisjunctRowSelect() || FMouseActions->DisjunctColSelect();
  if ((Select && !Print && FShowSelection && !fixed_like && !disjunct && Paint_Is_Selected(ACol, ARow)) ||
      ((AState & gdSelected) && FMouseDown && FShowSelection)) {
    ABrush.Color = ABrush.Color == Color() ? FSelectionColor
                                           : BlendColorIf(FSelectionColor, ABrush.Color, FPaintLook.SelectionColorMixer,
                                                          FPaintLook.SelectionColorMixerFactor);
    selection_text();
    AState |= gdSelected;
  }
  if (FMouseActions->DisjunctCellSelect() && FShowSelection) {
    if (SelectedCells(ACol, ARow)) {
      ABrush.Color = FSelectionColor;
      selection_text();
      AState |= gdSelected;
    } else if (ACol == Col() && ARow == Row()) {
      AState &= ~gdSelected;
      ABrush.Color = kept_brush;
      AFontColor = kept_font;
    }
  }

  if (FPaintLook.UseDisabledFont && ((FUseEnabledRows && !RowEnabled(LRow)) || !isEnabled()))
    AFontColor = FDisabledFontColor;
  if ((AState & gdSelected) && FMouseActions->DisjunctRowSelect() && ARow != Row() &&
      FPaintLook.SelectionColorTo == clNone)
    ABrush.Color = ChangeColorPercent(ABrush.Color, 7);

  DoGetWordWrap(RCol, ARow, WW);
  CellAlignment(RCol, ARow, HA, VA);
}

// ---- one cell

void TZadIrururOziz::PaintCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  Cell_Paint P;
  P.ACol = ACol;
  P.RCol = RealColIndex(ACol);
  P.ARow = ARow;
  P.SelRow = FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow;
  P.Cell = P.Rect = ARect;
  P.State = AState;

  // A filter button in the filter row's header cells. The automatic list
  // holds the clear entry or a value of some row, so it is not built here
  // for every paint: only a filter event is asked.
  if (ARow == FPaintLook.FilterDropDownRow && ARow < FixedRows()) {
    if (OnGetColumnFilter)
      P.FilterButton = DoGetColumnFilter(ACol);
    else if (FFilterDropDownAuto && (ACol >= FixedCols() || FFilterDropDownColumns == fdAll))
      P.FilterButton =
          !FFilterDropDownClear.isEmpty() || RowCount() > FixedRows() + FFixedFooters || !FGridItems.empty();
  }

  Draw_Cell_Scroll_Bar(ACanvas, P);

  P.WW = FWordWrapEx;
  GetVisualProperties(ACol, ARow, P.State, false, false, true, ACanvas.Brush, P.ColorTo, P.MirrorColor, P.MirrorColorTo,
                      ACanvas.Font, ACanvas.Font_Color, P.HA, P.VA, P.WW, P.GD);

  P.Obj = GetCellGraphicLayout(P.RCol, ARow);
  if (P.RCol == 0 && P.Obj.Graphic && P.Obj.Graphic->CellType == ctNode) {
    const int level = HasCellProperties(0, ARow) ? Store().Object(0, ARow)->NodeLevel() : 0;
    P.Obj.W = level * 12 + 4;
  }

  if ((P.State & gdSelected) && !(P.State & gdFocused) && FSelectionColor == clNone) ACanvas.Brush.Color = clHighlight;
  if (FPaintLook.ZoomFactor != 0 && ACanvas.Font.pointSize() > 0)
    ACanvas.Font.setPointSize(std::max(1, ACanvas.Font.pointSize() + FPaintLook.ZoomFactor));
  P.BrushColor = ACanvas.Brush.Color;
  P.FontColor = ACanvas.Font_Color;

  P.FixedLike = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
  if (ARow == HoverRowIdx() && HoverRow() && (HoverRowCells() & hcFixed)) P.FixedLike = false;

  if (P.FixedLike) Paint_Fixed_Look(ACanvas, P);

  // The row indicator of the current row.
  int indicator_width = 0;
  if (P.RCol == 0 && ARow == Row() && FixedCols() > 0 && !FPaintLook.RowIndicator.isNull() &&
      !(FFixedRowAlways && RowCount() == FixedRows())) {
    const QImage& glyph = FPaintLook.RowIndicator;
    int y = P.Rect.Top;
    if (FVAlignment == vtaCenter) y = P.Rect.Top + (P.Rect.Height() - glyph.height()) / 2;
    if (FVAlignment == vtaBottom) y = P.Rect.Bottom - glyph.height();
    ACanvas.Painter().drawImage(QPoint(P.Rect.Left + 2, y), glyph);
    indicator_width = glyph.width();
    P.Rect.Left += indicator_width + 2;
  }

  if (P.FixedLike && FLook == glListView && !FFlat) Paint_List_View_Fixed(ACanvas, P);

  if (ACol == 0 && FShowModifiedEnabled && RowModified(RealRowIndex(ARow))) {
    ACanvas.Brush.Color = FPaintLook.ShowModifiedColor;
    ACanvas.Brush.Style = TBrushStyle::bsSolid;
    ACanvas.Fill_Rect(TRect{P.Cell.Right - 4, P.Cell.Top, P.Cell.Right, P.Cell.Bottom});
    ACanvas.Brush.Color = P.BrushColor;
  }

  if (OnCustomCellBkgDraw) OnCustomCellBkgDraw(this, ACanvas, P.RCol, ARow, P.State, P.Rect, false);

  // Editor buttons shown without editing.
  if (!IsFixed(ACol, ARow) && (FControlLook.DropDownAlwaysVisible() || FControlLook.SpinButtonsAlwaysVisible())) {
    const int look = FControlLook.FlatButton() ? kLookFlat : kLookClassic;
    bool editable = true;
    CheckCellEditable(P.RCol, ARow, editable);
    const int state = editable ? kStateNormal : kStateDisabled;
    const TColorTones tones;
    if (FControlLook.DropDownAlwaysVisible() && DoHasComboBox(P.RCol, ARow)) {
      DrawComboButton(ACanvas, this, TRect{P.Rect.Left - 2, P.Rect.Top - 1, P.Rect.Right + 1, P.Rect.Bottom}, tones,
                      state, look);
      P.Rect.Right -= 16;
    } else if (FControlLook.SpinButtonsAlwaysVisible() && DoHasSpinEdit(P.RCol, ARow)) {
      DrawSpinButtons(ACanvas, this, P.Rect, tones, state, look);
      P.Rect.Right -= 16;
    }
  }

  // An interfaced object that asks for it lies under the text.
  TCellInterface* face = P.Obj.Graphic ? Cell_Interface(*P.Obj.Graphic) : nullptr;
  const bool drawn_before_text = face && face->DrawBeforeText();
  if (drawn_before_text) Draw_Interfaced_Cell(ACanvas, P);
  const bool custom_only = (OnDrawCell || OnCustomCellDraw) && FPaintLook.NoDefaultDraw;
  if (!(P.Obj.Graphic && FPaintLook.NoImageAndText) && !custom_only) DrawCellText(ACanvas, P);

  P.Rect.Right = P.Cell.Right;
  ACanvas.Brush.Color = P.BrushColor;
  ACanvas.Font_Color = P.FontColor;
  Paint_Cell_Borders(ACanvas, P.RCol, ARow, P.Rect.Inflate(1, 1));
  if (indicator_width > 0) P.Rect.Left -= indicator_width;

  if (P.FixedLike && !FFlat) Paint_Fixed_Edges(ACanvas, P.RCol, P.Cell);
  if (FFlat && FLook != glClassic && FFixedRightCols > 0 && P.RCol >= TotalColCount() - FFixedRightCols) {
    ACanvas.Pen.Color = clGray;
    ACanvas.Pen.Width = 1;
    const TRect& r = P.Cell;
    if (Options() & goFixedHorzLine) {
      Line(ACanvas, r.Left - 1, r.Top - 1, r.Right + 2, r.Top - 1);
      Line(ACanvas, r.Left - 1, r.Bottom + 1, r.Right + 2, r.Bottom + 1);
    }
    if (Options() & goFixedVertLine) {
      Line(ACanvas, r.Left - 1, r.Top - 1, r.Left - 1, r.Bottom + 2);
      Line(ACanvas, r.Right + 1, r.Top - 1, r.Right + 1, r.Bottom + 2);
    }
  }
  const bool fixed_column_row = P.ACol < FixedCols() && ARow >= FixedRows() && ARow < RowCount() - FFixedFooters;
  if (P.RCol == 0 && HasNodes() && FCellNode.ShowTree() && (!P.FixedLike || fixed_column_row)) {
    // On the raised faces of a fixed column the tree stands one pixel right.
    const bool raised = fixed_column_row && !FFlat &&
                        (FLook == glSoft || FLook == glDUD || FLook == glXP || FLook == glListView);
    Paint_Node_Lines(ACanvas, ARow, raised ? P.Cell.Offset(1, 0) : P.Cell);
  }

  if (P.Obj.Graphic && !drawn_before_text) {
    if (P.FixedLike) P.Rect.Top += 1;
    DrawCellObject(ACanvas, P);
  }

  if (OnDrawCell) {
    const TRect r{P.Rect.Left + 1, P.Rect.Top + 1, P.Rect.Right - GridLineWidth(), P.Rect.Bottom - GridLineWidth()};
    OnDrawCell(this, P.RCol, ARow, r, P.State);
  }
  if (OnCustomCellDraw) OnCustomCellDraw(this, ACanvas, P.RCol, ARow, P.State, P.Rect, false);

  if (!FPaintLook.HideFocusRect && hasFocus() && !(Options() & goRowSelect) && !P.FixedLike) {
    const QPoint base = BaseCell(P.RCol, ARow);
    if (DisplColIndex(base.x()) == Col() && base.y() == Row()) {
      const int grow = GridLineWidth() - 1;
      const TRect r = P.Cell.Inflate(grow, grow);
      ACanvas.Draw_Focus_Rect(TRect{r.Left, r.Top, r.Right - 1, r.Bottom - 1});
    }
  }
  ACanvas.Brush.Style = TBrushStyle::bsSolid;
}

void TZadIrururOziz::Paint_Fixed_Look(TCanvas& ACanvas, Cell_Paint& P) {
  if (FLook <= glClassic) return;
  TRect& r = P.Rect;
  const bool hover_allowed = FPaintLook.HoverFixedCells == hfAll ||
                             (FPaintLook.HoverFixedCells == hfFixedRows && P.ARow < FixedRows()) ||
                             (FPaintLook.HoverFixedCells == hfFixedColumns && P.ACol < FixedCols());
  const bool hovered = hover_allowed && P.ACol == FHoverFixedX && P.ARow == FHoverFixedY;
  if (hovered) {
    const TGridPaintLook& l = FPaintLook;
    TRect g{r.Left, r.Top, r.Right, r.Bottom + 1};
    if (!FMouseDownMove) {
      DrawMirrorGradient(ACanvas, g, l.DUDGradHoverFrom, l.DUDGradHoverTo, l.DUDGradHoverMirrorFrom,
                         l.DUDGradHoverMirrorTo, true, true, l.DUDGradHoverBorder, false);
    } else {
      DrawMirrorGradient(ACanvas, g, l.DUDGradDownFrom, l.DUDGradDownTo, l.DUDGradDownMirrorFrom, l.DUDGradDownMirrorTo,
                         true, true, l.DUDGradDownBorder, false);
    }
    if (FControlLook.FixedDropDownButton()) {
      ACanvas.Pen.Color = FMouseDownMove ? l.DUDGradDownBorder : l.DUDGradHoverBorder;
      Line(ACanvas, r.Right - 16, r.Top, r.Right - 16, r.Bottom);
      DrawSmallDownArrow(ACanvas, r.Right - 8, r.Top + 8, clBlack);
      r.Right -= 16;
    }
    return;
  }
  const bool last_fixed_col = P.ACol == FixedCols() - 1 && P.ARow == Row();
  const bool last_fixed_row = P.ARow == FixedRows() - 1 && P.ACol == Col();
  if (FActiveCellShow && (last_fixed_col || last_fixed_row)) {
    DrawGradient(ACanvas, FActiveCellColor, FActiveCellColorTo, false, r, 128);
    return;
  }
  const bool sort_col = FSortSettings.Column != -1 && FSortSettings.HeaderColor != clNone &&
                        P.ARow == FixedRows() - 1 && P.RCol == FSortSettings.Column &&
                        (P.ACol >= FixedCols() || FSortSettings.FixedCols);
  if (sort_col) {
    DrawMirrorGradient(ACanvas, r, FSortSettings.HeaderColor, FSortSettings.HeaderColorTo,
                       FSortSettings.HeaderMirrorColor, FSortSettings.HeaderMirrorColorTo, true, true, clNone, false);
    return;
  }
  if (!FFlat && ACanvas.Brush.Color != clNone)
    DrawMirrorGradient(ACanvas, r, ACanvas.Brush.Color, P.ColorTo, P.MirrorColor, P.MirrorColorTo, true, true,
                       FLook == glVista ? clWhite : clNone, false);
}

void TZadIrururOziz::Paint_List_View_Fixed(TCanvas& ACanvas, const Cell_Paint& P) {
  const TRect& r = P.Rect;
  Theme_Library& themes = Zad_Theme_Library();
  if (Themes_In_Use(themes)) {
    HTHEME header = themes.OpenThemeData(this, QString::fromLatin1(kThemeHeader));
    // Away from the mouse a header cell shows as the strip's plain end; under
    // it as a hot item, pressed while the button is held.
    const bool under_mouse = FHotFixedCell == QPoint(P.ACol, P.ARow);
    const int part = under_mouse ? HP_HEADERITEM : HP_HEADERITEMRIGHT;
    const int state = !under_mouse ? HIS_NORMAL : FMouseDownMove ? HIS_PRESSED : HIS_HOT;
    const bool drawn = themes.DrawThemeBackground(header, ACanvas.Painter(), part, state, r.To_QRect(), this);
    themes.CloseThemeData(header);
    if (drawn) {
      ACanvas.Pen.Color = clWhite;
      ACanvas.Pen.Width = 1;
      Line(ACanvas, r.Left, r.Top, r.Right, r.Top);
      ACanvas.Brush.Style = TBrushStyle::bsClear;
      return;
    }
  }
  ACanvas.Brush.Style = TBrushStyle::bsSolid;
  ACanvas.Brush.Color = clBtnFace;
  ACanvas.Fill_Rect(r);
}

void TZadIrururOziz::Paint_Cell_Borders(TCanvas& ACanvas, int RCol, int ARow, const TRect& R) {
  const TCanvas::Pen_State saved = ACanvas.Pen;
  TCellBorders borders = 0;
  TColor colour = ACanvas.Pen.Color;
  int width = 1;
  DoGetCellBorder(RCol, ARow, borders, colour, width);
  if (borders == 0 && !OnGetCellBorderProp) return;
  TCanvas::Pen_State pen{colour, std::max(1, width), TPenStyle::psSolid};
  TCanvas::Pen_State left = pen, top = pen, right = pen, bottom = pen;
  if (OnGetCellBorderProp) OnGetCellBorderProp(this, ARow, RCol, left, top, right, bottom);
  const int lw = GridLineWidth();
  auto draw = [&](const TCanvas::Pen_State& p, int x1, int y1, int x2, int y2, bool vertical) {
    // A wide pen grows into the cell, away from the neighbour it borders.
    ACanvas.Brush.Style = TBrushStyle::bsSolid;
    ACanvas.Brush.Color = p.Color;
    if (vertical)
      ACanvas.Fill_Rect(TRect{x1, y1, x1 + p.Width, y2});
    else
      ACanvas.Fill_Rect(TRect{x1, y1, x2, y1 + p.Width});
    (void)y2;
  };
  if (borders & cbLeft) draw(left, std::max(0, R.Left), R.Top, R.Left, R.Bottom, true);
  if (borders & cbRight) draw(right, R.Right - 1 - (right.Width - 1), R.Top, R.Right, R.Bottom, true);
  if (borders & cbTop) draw(top, R.Left, lw == 0 ? R.Top + 1 : std::max(0, R.Top), R.Right, R.Top, false);
  if (borders & cbBottom) draw(bottom, R.Left - lw - 1, R.Bottom - 1 - (bottom.Width - 1), R.Right, R.Bottom, false);
  ACanvas.Pen = saved;
}

void TZadIrururOziz::Paint_Fixed_Edges(TCanvas& ACanvas, int RCol, TRect R) {
  (void)RCol;
  const TCanvas::Pen_State saved = ACanvas.Pen;
  ACanvas.Pen.Width = 1;
  const TColor half = HalveColor(FFixedColor);
  switch (FLook) {
    case glClassic:
      ACanvas.Pen.Color = clBtnHighlight;
      Line(ACanvas, R.Left, R.Bottom, R.Left, R.Top);
      Line(ACanvas, R.Left, R.Top, R.Right, R.Top);
      ACanvas.Pen.Color = clBtnShadow;
      Line(ACanvas, R.Right - 1, R.Top, R.Right - 1, R.Bottom + 1);
      Line(ACanvas, R.Left, R.Bottom, R.Right, R.Bottom);
      ACanvas.Pen.Color = clBlack;
      Line(ACanvas, R.Right, R.Top, R.Right, R.Bottom + 2);
      Line(ACanvas, R.Left, R.Bottom + 1, R.Right + 1, R.Bottom + 1);
      break;
    case glDUD:
    case glXP:
      R.Bottom += 1;
      if (Options() & goFixedHorzLine) {
        ACanvas.Pen.Color = half;
        Line(ACanvas, R.Left, R.Bottom, R.Right + 1, R.Bottom);
        ACanvas.Pen.Color = clWhite;
        Line(ACanvas, R.Left, R.Top, R.Right, R.Top);
        Line(ACanvas, R.Left, R.Top, R.Left, R.Bottom);
      }
      break;
    case glSoft:
      R.Right += 1;
      R.Bottom += 1;
      if (Options() & goFixedHorzLine) {
        ACanvas.Pen.Color = half;
        Line(ACanvas, R.Left, R.Bottom, R.Right, R.Bottom);
        ACanvas.Pen.Color = clWhite;
        Line(ACanvas, R.Right, R.Top, R.Left, R.Top);
        Line(ACanvas, R.Left, R.Top, R.Left, R.Bottom);
      }
      if (Options() & goFixedVertLine) {
        ACanvas.Pen.Color = half;
        Line(ACanvas, R.Right - 2, R.Top, R.Right - 2, R.Bottom);
        ACanvas.Pen.Color = clWhite;
        Line(ACanvas, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
      }
      break;
    default:
      break;
  }
  ACanvas.Pen = saved;
}

void TZadIrururOziz::Paint_Node_Lines(TCanvas& ACanvas, int ARow, const TRect& R) {
  const int level = HasCellProperties(0, ARow) ? Store().Object(0, ARow)->NodeLevel() : 0;
  if (level <= 0) return;
  ACanvas.Pen.Color = FCellNode.TreeColor();
  ACanvas.Pen.Width = 1;
  const int indent = FCellNode.NodeIndent();
  const int x = R.Left + (level - 1) * indent + indent / 2 + 2;
  const int mid = (R.Top + R.Bottom) / 2;
  const int next_level =
      ARow + 1 < RowCount() && HasCellProperties(0, ARow + 1) ? Store().Object(0, ARow + 1)->NodeLevel() : 0;
  if (const TCellGraphic* node = Node_At(ARow)) {
    // The glyph stands at the branch: a line leaves it downwards while its
    // open group goes on below.
    if (!node->CellBoolean && next_level >= level) Line(ACanvas, x, mid + 5, x, R.Bottom);
  } else {
    Line(ACanvas, x, mid, FCellNode.ShowTreeFull() ? R.Right : x + indent / 2 + 4, mid);
    Line(ACanvas, x, R.Top, x, next_level >= level ? R.Bottom : mid);
  }
  for (int l = level - 1; l > 0; --l) {
    const int ax = x - (level - l) * indent;
    Line(ACanvas, ax, R.Top, ax, R.Bottom);
  }
}
