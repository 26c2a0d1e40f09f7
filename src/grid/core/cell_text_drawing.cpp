// The text layer of a cell: selection colours, the shown text and its kind,
// room for the filter button, sort glyph and cell object, the grid background
// under the cell, the selection outline and the text itself: plain, or
// mini-HTML through DrawHtmlText, or rich text through DrawRichCell.
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "dropdowns/base/draw_gradient_steps.h"
#include "grid/core/cell_paint.h"
#include "grid/draw/bitmap_paint.h"
#include "grid/draw/canvas_shapes.h"
#include "grid/draw/color_math.h"
#include "grid/draw/error_marker.h"
#include "grid/html/draw_html_text.h"
#include "grid/store/text_helpers.h"

using namespace grid_text;

namespace {

// Keeps a clip for the rest of a scope.
class Painter_Clip {
 public:
  Painter_Clip() = default;
  Painter_Clip(const Painter_Clip&) = delete;
  Painter_Clip& operator=(const Painter_Clip&) = delete;
  ~Painter_Clip() {
    if (painter_) painter_->restore();
  }
  void Clip(QPainter& painter, const QRect& r) {
    painter_ = &painter;
    painter.save();
    painter.setClipRect(r, Qt::IntersectClip);
  }

 private:
  QPainter* painter_ = nullptr;
};

// The marker under the first line of a plain text that Draw_Text laid out
// in r with these flags and measured as `measured`.
void Draw_Text_Marker(TCanvas& canvas, const QString& text, const TRect& r, unsigned flags, const TRect& measured,
                      int start, int length) {
  const int width = measured.Width(), height = measured.Height();
  int left = r.Left, top = r.Top;
  if (flags & DT_RIGHT)
    left = r.Right - width;
  else if (flags & DT_CENTER)
    left = r.Left + (r.Width() - width) / 2;
  if (flags & DT_VCENTER)
    top = r.Top + (r.Height() - height) / 2;
  else if (flags & DT_BOTTOM)
    top = r.Bottom - height;
  QString rest = text, first;
  ExtractFirstLine(rest, false, first);
  const int line_height = QFontMetrics(canvas.Font, canvas.Painter().device()).height();
  DrawErrorMarker(canvas, first, length, start, line_height,
                  TRect{left - kErrorMarkerEditMargin, top, r.Right, top + line_height});
}

}  // namespace

int TZadIrururOziz::Sort_Index_Of(int RCol) const { return FSortIndexes.FindIndex(RCol); }

bool TZadIrururOziz::ShowsSortGlyph(int ACol, int ARow) {
  const int row = ARow + std::max(0, CellSpan(ACol, ARow).y());
  return row == FSortSettings.Row && FSortSettings.Show && FixedRows() + 1 < RowCount();
}

void TZadIrururOziz::DrawCellText(TCanvas& ACanvas, Cell_Paint& P) {
  const int RCol = P.RCol, ARow = P.ARow;
  TColor url_colour = FURLColor;
  const bool normal_col = P.ACol >= FixedCols() && !(FFixedRightCols > 0 && P.ACol >= ColCount() - FFixedRightCols);
  const bool row_selected = FMouseActions->DisjunctRowSelect() && Paint_Row_Selected(P.SelRow);
  if (((P.State & gdSelected) || (row_selected && (Options() & goRowSelect) && normal_col)) && !IsFixed(P.ACol, ARow)) {
    if (FShowSelection) {
      if (FSelectionColor != clNone) ACanvas.Brush.Color = FSelectionColor;
      if (FSelectionTextColor != clNone && isEnabled()) ACanvas.Font_Color = FSelectionTextColor;
      url_colour = FSelectionTextColor;
    } else if (!hasFocus() || HasCellControl(RCol, ARow)) {
      ACanvas.Brush.Color = P.BrushColor;
      ACanvas.Font_Color = P.FontColor;
    }
  }

  QString text = GetFormattedCell(RCol, ARow);
  int kind = CellTextKind(text, FEnableHTML);
  if (kind == 5) {
    text = DecodeWideCellText(text);
    kind = CellTextKind(text, FEnableHTML);
  }
  bool password = false;
  DoIsPasswordCell(RCol, ARow, password);
  if (password) FillTextWithChar(text, FPasswordChar);

  int marker_start = 0, marker_length = 0;
  GetMarker(RCol, ARow, marker_start, marker_length);

  TRect r = P.Rect;
  if (IsFixed(P.ACol, ARow)) {
    r.Left += GridLineWidth();
    r.Top += GridLineWidth();
  }
  // A scrolled cell shows its text moved up, cut to the cell (without the
  // bar); the clip goes when the layer ends, whichever way it returns.
  Painter_Clip scrolled;
  if (const int position = GetScrollPosition(RCol, ARow); position > 0) {
    scrolled.Clip(ACanvas.Painter(), P.Rect.To_QRect());
    r.Top -= position;
  }

  if (FMouseActions->DisjunctRowSelect() || FMouseActions->DisjunctColSelect()) {
    const bool col_selected = Paint_Col_Selected(P.ACol);
    if (!P.FixedLike && !FMouseDown &&
        ((FMouseActions->DisjunctRowSelect() && !row_selected) ||
         (FMouseActions->DisjunctColSelect() && !col_selected))) {
      url_colour = FURLColor;
      ACanvas.Brush.Color = Color();
      ACanvas.Font_Color = FontColor();
      DoGetCellColor(RCol, ARow, P.State, ACanvas.Brush, ACanvas.Font, ACanvas.Font_Color);
    }
  }

  if (P.FilterButton) {
    const QImage& glyph = FPaintLook.FilterGlyph;
    const TRect place{P.Cell.Right - 16, P.Cell.Top, P.Cell.Right, P.Cell.Top + 16};
    if (!glyph.isNull()) {
      DrawBitmapTransparent(ACanvas, glyph, FFixedColor, place);
    } else {
      // The built-in funnel.
      ACanvas.Brush.Style = TBrushStyle::bsSolid;
      ACanvas.Brush.Color = clBlack;
      ACanvas.Pen.Color = clBlack;
      Canvas_Polygon(ACanvas,
                     QPolygon({QPoint(place.Left + 3, place.Top + 4), QPoint(place.Left + 13, place.Top + 4),
                               QPoint(place.Left + 9, place.Top + 8), QPoint(place.Left + 9, place.Top + 12),
                               QPoint(place.Left + 7, place.Top + 13), QPoint(place.Left + 7, place.Top + 8)}));
      ACanvas.Brush.Color = P.BrushColor;
    }
  }

  Draw_Background_In_Cell(ACanvas, P);

  // The selection outline and its resizer square.
  if (FPaintLook.SelectionRectangle && !IsFixed(P.ACol, ARow) && Paint_Is_Selected(P.ACol, ARow)) {
    const TGridRect s = Selection();
    const int lw = GridLineWidth();
    ACanvas.Brush.Style = TBrushStyle::bsSolid;
    ACanvas.Brush.Color = FPaintLook.SelectionRectangleColor;
    const TRect c = P.Cell;
    const QPoint span = CellSpan(RCol, ARow);
    if (P.ACol == std::min(s.Left, s.Right))
      ACanvas.Fill_Rect(TRect{c.Left - lw + 1, c.Top, c.Left - lw + 3, c.Bottom});
    if (P.ACol + std::max(0, span.x()) == std::max(s.Left, s.Right))
      ACanvas.Fill_Rect(TRect{c.Right - 2, c.Top, c.Right, c.Bottom});
    if (ARow == std::min(s.Top, s.Bottom)) ACanvas.Fill_Rect(TRect{c.Left, c.Top - lw + 1, c.Right, c.Top - lw + 3});
    const bool bottom = ARow + std::max(0, span.y()) == std::max(s.Top, s.Bottom);
    if (bottom) ACanvas.Fill_Rect(TRect{c.Left, c.Bottom - 2, c.Right, c.Bottom});
    if (FPaintLook.SelectionResizer && bottom && P.ACol + std::max(0, span.x()) == std::max(s.Left, s.Right))
      ACanvas.Fill_Rect(TRect{c.Right - 4, c.Bottom - 4, c.Right, c.Bottom});
    ACanvas.Brush.Color = P.BrushColor;
  }

  if (!P.Obj.TextShares) return;

  const QPoint xy = XYOffset();
  r.Left += xy.x();
  r.Top += xy.y();
  if (!FPaintLook.XYOffsetTopLeftOnly) r.Right -= xy.x();

  const int w = P.Obj.W, h = P.Obj.H;
  int left_object = 0;
  if (P.Obj.Graphic) {
    const TCellHAlign ha = P.Obj.HAlign;
    if (P.HA == taLeftJustify && ha == haBeforeText) r.Left += w;
    if (ha == haLeft) left_object = w;
    if ((P.HA == taLeftJustify || P.HA == taCenter) && ha == haAfterText) r.Right -= w;
    if (P.HA == taRightJustify && ha == haAfterText) r.Right -= w;
    if ((P.HA == taRightJustify || P.HA == taCenter) && ha == haBeforeText) r.Left += w;
    if (P.Obj.VAlign == vaAboveText) r.Top += h;
    if (P.Obj.VAlign == vaUnderText) r.Bottom -= h;
  }
  if (RCol == 0 && HasNodes() && !(P.Obj.Graphic && P.Obj.Graphic->CellType == ctNode)) r.Left += RowNodeIndent(ARow);

  const bool sort_header = ShowsSortGlyph(P.ACol, ARow) && FixedRows() > 0 &&
                           (P.ACol >= FixedCols() || FSortSettings.FixedCols) &&
                           (RCol == FSortSettings.Column || Sort_Index_Of(RCol) >= 0);
  auto glyph_y = [&] {
    if (P.VA == vtaCenter) return (r.Top + r.Bottom) / 2;
    if (P.VA == vtaBottom) return r.Bottom - 8;
    return r.Top + 8;
  };
  const bool glyph_hidden = Sort_Index_Of(RCol) > 0 && !FSortSettings.IndexShow;

  if (kind == 1) {
    if (P.FilterButton) r.Right -= 18;
    r.Left -= 1;
    if (sort_header) r.Right -= 10;
    THtmlDrawParams html;
    html.Images = &FPaintLook.CellImageList;
    html.XPos = r.Left;
    html.YPos = r.Top;
    // The anchor under the mouse; a held button control draws pressed under
    // the point that holds it.
    html.HoverLink = FHoverCell == QPoint(RCol, ARow) ? FHoverlink : -1;
    html.BlinkVisible = FGridBlink;
    html.HoverUnderlineOnly = FPaintLook.URLUnderlineOnHover;
    html.WordWrap = !FPaintLook.EnhTextSize;
    html.MouseDown = FCtrlDown && FCtrlXY == QPoint(RCol, ARow);
    if (html.MouseDown) {
      html.XPos = FCtrlDownPos.x();
      html.YPos = FCtrlDownPos.y();
    }
    html.ResFactor = 0;
    html.URLColor = url_colour;
    html.ShadowColor = clGray;
    html.PictureCache = &FImageCache;
    html.Pictures = FPictureContainer;
    html.WindowHandle = this;
    html.BiDiMode = layoutDirection() == Qt::RightToLeft ? bdRightToLeft : bdLeftToRight;
    THtmlDrawResult drawn;
    const TRect shown = Mirrored_In_Cell(r, P.Cell);
    if (!html.MouseDown) html.XPos = shown.Left;
    DrawHtmlText(ACanvas, text, shown, html, drawn);
    P.TextWidth = drawn.Width + 2;
    P.TextHeight = ACanvas.Text_Height(QStringLiteral("hg"));
    if (sort_header && !glyph_hidden)
      DrawSortGlyph(ACanvas, RCol, glyph_y(),
                    isRightToLeft() ? P.Cell.Left + P.Cell.Right - (r.Right + 2) : r.Right + 2);
    return;
  }

  if (kind == 2) {
    // Unless a selected cell without the focus shows no selection colour,
    // the text area takes the brush before the rich text is drawn on it.
    const bool unfocused_plain = (P.State & gdSelected) && !hasFocus() && FSelectionColor == clNone;
    if (!unfocused_plain) {
      ACanvas.Brush.Style = TBrushStyle::bsSolid;
      ACanvas.Fill_Rect(r);
    }
    DrawRichCell(RCol, ARow, r, ACanvas);
    ACanvas.Font_Color = clBlack;
    return;
  }

  // Plain text.
  if (P.HA == taCenter && RCol == FSortSettings.Column && ARow == FSortSettings.Row && FSortSettings.Show) r.Left += 10;
  const bool url = FPaintLook.URLShow && IsUrlText(text);
  if (url) {
    if (!FPaintLook.URLFull) StripUrlProtocol(text);
    ACanvas.Font.setUnderline(true);
    ACanvas.Font_Color = url_colour;
  }
  const bool multi = FPaintLook.Multilinecells;
  unsigned flags = DT_EDITCONTROL;
  if (CountTextLines(text, multi) == 1 && !P.WW) {
    QString first;
    ExtractFirstLine(text, false, first);
    text = first;
    flags |= DT_SINGLELINE;
    if (FPaintLook.EnhTextSize) flags |= DT_END_ELLIPSIS;
  }
  if (P.WW && !multi && FPaintLook.EnhTextSize) flags |= DT_END_ELLIPSIS;
  // Read right to left, the sides of the alignment swap.
  TAlignment shown_ha = P.HA;
  if (isRightToLeft() && P.HA != taCenter) shown_ha = P.HA == taLeftJustify ? taRightJustify : taLeftJustify;
  flags |= shown_ha == taRightJustify ? DT_RIGHT : shown_ha == taCenter ? DT_CENTER : DT_LEFT;
  const unsigned vflag = P.VA == vtaCenter ? DT_VCENTER : P.VA == vtaBottom ? DT_BOTTOM : DT_TOP;
  flags |= vflag;
  FVAlign = vflag;
  if (P.WW || multi)
    flags |= DT_EDITCONTROL | DT_NOPREFIX | DT_WORDBREAK | DT_EXPANDTABS;
  else
    flags |= DT_NOPREFIX | DT_SINGLELINE | DT_EXPANDTABS;
  // Mirrored before the filter button takes its room: the button stays at
  // the right edge either way.
  TRect placed = Mirrored_In_Cell(r, P.Cell);
  if (P.FilterButton) {
    r.Right -= 16;
    placed.Right = isRightToLeft() ? std::min(placed.Right, P.Cell.Right - 16) : r.Right;
  }

  ACanvas.Brush.Style = TBrushStyle::bsClear;
  TRect measured = placed;
  ACanvas.Draw_Text(text, measured, flags | DT_CALCRECT);
  const int text_width = measured.Width();
  if (P.Obj.Graphic) P.TextWidth = text.isEmpty() ? 0 : text_width + 2;
  ACanvas.Draw_Text(text, placed, flags);
  if (marker_length > 0 && P.Obj.Graphic && (P.Obj.Graphic->CellType == ctEmpty || P.Obj.Graphic->CellType == ctValue))
    Draw_Text_Marker(ACanvas, text, placed, flags, measured, marker_start, marker_length);

  P.TextHeight = ACanvas.Text_Height(QStringLiteral("hg"));
  if (P.FilterButton) r.Right += 16;

  if (sort_header && !glyph_hidden) {
    const int shown = std::max(0, std::min(r.Right - r.Left - 16, text_width));
    int x;
    if (P.HA == taLeftJustify)
      x = r.Left + shown + left_object + 10;
    else if (P.HA == taRightJustify)
      x = r.Right - shown - 10;
    else
      x = r.Left + 8;
    if (isRightToLeft()) x = P.Cell.Left + P.Cell.Right - x;
    DrawSortGlyph(ACanvas, RCol, glyph_y(), x);
  }
  if (url) ACanvas.Font.setUnderline(false);
  ACanvas.Brush.Style = TBrushStyle::bsSolid;
}

void TZadIrururOziz::DrawSortGlyph(TCanvas& ACanvas, int ACol, int Y, int X) {
  const TCanvas::Pen_State pen = ACanvas.Pen;
  const TCanvas::Brush_State brush = ACanvas.Brush;
  const QFont font = ACanvas.Font;
  const TColor font_colour = ACanvas.Font_Color;
  const int index = Sort_Index_Of(ACol);
  if (FSortSettings.IndexShow && index >= 0) {
    ACanvas.Brush.Color = FSortSettings.IndexColor;
    ACanvas.Brush.Style = TBrushStyle::bsSolid;
    ACanvas.Pen.Color = FSortSettings.IndexColor;
    ACanvas.Font_Color = clBlack;
    ACanvas.Font.setPointSize(6);
    ACanvas.Font.setBold(false);
    ACanvas.Font.setUnderline(false);
    const bool descending = !FSortIndexes.GetSortDirections(index);
    const bool glyphs = !FSortSettings.IndexUpGlyph.isNull() && !FSortSettings.IndexDownGlyph.isNull();
    if (descending) {
      if (!glyphs)
        Canvas_Polygon(ACanvas, QPolygon({QPoint(X - 7, Y - 5), QPoint(X + 7, Y - 5), QPoint(X, Y + 8)}));
      else
        DrawBitmapTransparent(ACanvas, FSortSettings.IndexUpGlyph, FFixedColor, TRect{X - 7, Y - 7, X + 9, Y + 9});
    } else {
      if (!glyphs)
        Canvas_Polygon(ACanvas, QPolygon({QPoint(X - 6, Y + 8), QPoint(X + 6, Y + 8), QPoint(X, Y - 4)}));
      else
        DrawBitmapTransparent(ACanvas, FSortSettings.IndexDownGlyph, FFixedColor, TRect{X - 7, Y - 7, X + 9, Y + 9});
    }
    ACanvas.Brush.Style = TBrushStyle::bsClear;
    ACanvas.Text_Out(X - 2, descending ? Y - 4 : Y - 2, QString::number(index + 1));
  } else {
    const bool glyphs = !FSortSettings.UpGlyph.isNull() && !FSortSettings.DownGlyph.isNull();
    ACanvas.Pen.Width = 1;
    if (FSortSettings.Direction == sdDescending) {
      if (!glyphs) {
        ACanvas.Pen.Color = clWhite;
        ACanvas.Move_To(X + 4, Y - 4);
        ACanvas.Line_To(X, Y + 4);
        ACanvas.Pen.Color = clGray;
        ACanvas.Line_To(X - 4, Y - 4);
        ACanvas.Line_To(X + 4, Y - 4);
      } else {
        DrawBitmapTransparent(ACanvas, FSortSettings.DownGlyph, FFixedColor, TRect{X - 4, Y - 4, X + 12, Y + 12});
      }
    } else {
      if (!glyphs) {
        ACanvas.Pen.Color = clWhite;
        ACanvas.Move_To(X - 4, Y + 4);
        ACanvas.Line_To(X + 4, Y + 4);
        ACanvas.Line_To(X, Y - 4);
        ACanvas.Pen.Color = clGray;
        ACanvas.Line_To(X - 4, Y + 4);
      } else {
        DrawBitmapTransparent(ACanvas, FSortSettings.UpGlyph, FFixedColor, TRect{X - 4, Y - 4, X + 12, Y + 12});
      }
    }
  }
  ACanvas.Pen = pen;
  ACanvas.Brush = brush;
  ACanvas.Font = font;
  ACanvas.Font_Color = font_colour;
}

void TZadIrururOziz::Draw_Background_In_Cell(TCanvas& ACanvas, const Cell_Paint& P) {
  const TBackGround& bg = FBackGround;
  const bool fixed = P.State & gdFixed;
  const bool cells_match =
      fixed ? (bg.Cells == bcFixed || bg.Cells == bcAll) : (bg.Cells == bcNormal || bg.Cells == bcAll);
  if (!cells_match) return;
  const bool own = HasCellProperties(P.RCol, P.ARow) && Store().Object(P.RCol, P.ARow)->BrushColor() != clNone &&
                   Store().Object(P.RCol, P.ARow)->BrushColor() != Color();
  const int lw = GridLineWidth();
  if (!bg.Bitmap.isNull()) {
    if (own || ((P.State & gdSelected) && FShowSelection)) return;
    const TRect r{P.Cell.Left - (lw - 1), P.Cell.Top - (lw - 1), P.Cell.Right, P.Cell.Bottom};
    QPainter& painter = ACanvas.Painter();
    painter.save();
    painter.setClipRect(r.To_QRect(), Qt::IntersectClip);
    if (bg.Display == bdFixed) {
      painter.drawImage(QPoint(bg.Left, bg.Top), bg.Bitmap);
    } else if (bg.Display == bdTile) {
      // The tiles run on from the first cell of the area they cover.
      const TRect first =
          UnclippedCellRect(bg.Cells == bcNormal ? FixedCols() : 0, bg.Cells == bcNormal ? FixedRows() : 0);
      painter.drawTiledPixmap(r.To_QRect(), QPixmap::fromImage(bg.Bitmap),
                              QPoint(r.Left - first.Left, r.Top - first.Top));
    }
    painter.restore();
    return;
  }
  if (bg.Display != bdGradientHorz && bg.Display != bdGradientVert) return;
  if (bg.ColorTo == clNone) return;
  if (own && !HasCellControl(P.RCol, P.ARow)) return;
  if ((P.State & gdSelected) && FShowSelection && !(P.State & gdFocused)) return;
  const TRect r{P.Cell.Left - 1, P.Cell.Top - lw, P.Cell.Right, P.Cell.Bottom + lw - 1};
  const bool horizontal = bg.Display == bdGradientHorz;
  const int extent = horizontal ? viewport()->width() : viewport()->height();
  const int from = horizontal ? r.Left : r.Top, to = horizontal ? r.Right : r.Bottom;
  const TColor c1 = InterpolateColor(bg.Color, bg.ColorTo, 0, std::clamp(from, 0, extent), extent);
  const TColor c2 = InterpolateColor(bg.Color, bg.ColorTo, 0, std::clamp(to, 0, extent), extent);
  Draw_Gradient_Steps(ACanvas, c1, c2, 128, r, horizontal);
}
