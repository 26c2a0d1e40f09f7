// Cells on a print page. Geometry is worked out in print units with y up
// (Top above Bottom) and handed to the canvas with y turned down.
#include "grid/print/grid_print_cells.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "controls/draw_gradient.h"
#include "grid/draw/progress_paint.h"
#include "grid/print/grid_print_engine.h"
#include "grid/store/int_list.h"
#include "grid/store/text_helpers.h"

namespace {

int Nearest(double x) { return static_cast<int>(std::nearbyint(x)); }

// A rectangle of print units (y up) as canvas coordinates.
TRect Down(int Left, int Top, int Right, int Bottom) { return TRect{Left, -Top, Right, -Bottom}; }

QStringList Lines_Of(TZadIrururOziz& G, const QString& text) {
  if (!G.PaintLook().Multilinecells) return QStringList{text};
  return text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
}

QString Shown_Line(TZadIrururOziz& G, QString line) {
  if (G.URLShow() && !G.URLFull()) grid_text::StripUrlProtocol(line);
  return line;
}

unsigned Align_Flags(TAlignment HA) { return HA == taRightJustify ? DT_RIGHT : HA == taCenter ? DT_CENTER : 0; }

unsigned VAlign_Flags(TVAlignment VA) { return VA == vtaCenter ? DT_VCENTER : VA == vtaBottom ? DT_BOTTOM : 0; }

bool Is_Check_Kind(TCellType k) {
  return k == ctCheckBox || k == ctDataCheckBox || k == ctVirtCheckBox || k == ctRowCheckBox ||
         k == ctTriStateCheckBox || k == ctRadioButton;
}

// Where a cell's graphic goes and what is left for the text (print units).
struct Graphic_Place {
  TRect G;     // the graphic (Top above Bottom)
  TRect Text;  // the text area
};

Graphic_Place Place_Graphic(const TCellGraphic& g, const TRect& cell, int X, int Y, double scale) {
  Graphic_Place p{cell, cell};
  const int K = cell.Top - cell.Bottom, I = cell.Right - cell.Left;
  switch (g.CellHAlign) {
    case haLeft:
    case haBeforeText:
      p.G.Left = cell.Left + Nearest(scale);
      p.G.Right = p.G.Left + X;
      p.Text.Left = p.G.Right;
      break;
    case haRight:
    case haAfterText:
      p.G.Right = cell.Right;
      p.G.Left = cell.Right - X;
      p.Text.Right = p.G.Left;
      break;
    case haCenter:
      p.G.Left = cell.Left + (I - X) / 2;
      p.G.Right = p.G.Left + X;
      break;
    case haFull:
      break;
  }
  switch (g.CellVAlign) {
    case vaTop:
      p.G.Bottom = cell.Top - Y;
      break;
    case vaBottom:
      p.G.Top = cell.Bottom + Y;
      break;
    case vaCenter:
      p.G.Top = cell.Top - (K - Y) / 2;
      p.G.Bottom = p.G.Top - Y;
      break;
    case vaUnderText:
      p.G.Top = cell.Bottom + Y;
      p.Text.Bottom = p.G.Top;
      break;
    case vaAboveText:
      p.G.Bottom = cell.Top - Y;
      p.Text.Top = p.G.Bottom;
      break;
    case vaFull:
      break;
  }
  return p;
}

void Draw_Image_List_Image(TZadIrururOziz& G, TCanvas& canvas, int index, const TRect& r, TColor back) {
  const auto& list = G.PaintLook().CellImageList;
  if (index < 0 || index >= int(list.size())) return;
  const QImage& src = list[size_t(index)];
  QImage img(src.size(), QImage::Format_RGB32);
  img.fill(To_QColor(back));
  {
    QPainter p(&img);
    p.drawImage(0, 0, src);
  }
  StretchBitmapToCanvas(canvas, r, img);
}

void Draw_Graphic(TGridPrintEngine& E, const TCellGraphic& g, int col, int ARow, const Graphic_Place& place,
                  const TRect& textArea, const QStringList& radioItems) {
  TZadIrururOziz& G = E.G;
  TCanvas& canvas = E.Canvas;
  const TRect r = Down(place.G.Left, place.G.Top, place.G.Right, place.G.Bottom);
  const QPoint screenSize = G.GetCellGraphicSize(col, ARow);
  const int checkH = Nearest(screenSize.y() * E.scale);
  switch (g.CellType) {
    case ctBitmap:
    case ctIcon:
      if (const auto* img = static_cast<const QImage*>(g.CellBitmap)) StretchBitmapToCanvas(canvas, r, *img);
      break;
    case ctImageList:
      Draw_Image_List_Image(G, canvas, g.CellIndex, r, canvas.Brush.Color);
      break;
    case ctDataImage:
      Draw_Image_List_Image(G, canvas, G.Ints(col, ARow) + g.CellIndex, r, canvas.Brush.Color);
      break;
    case ctImages: {
      const auto* list = static_cast<const TIntList*>(g.CellBitmap);
      const auto& images = G.PaintLook().CellImageList;
      int x = r.Left, y = r.Top;
      for (int i = 0; list && i < list->Count(); ++i) {
        const int index = list->GetInteger(i);
        if (index < 0 || index >= int(images.size())) continue;
        const int iw = Nearest(images[size_t(index)].width() * E.scale);
        const int ih = Nearest(images[size_t(index)].height() * E.scale);
        Draw_Image_List_Image(G, canvas, index, TRect{x, y, x + iw, y + ih}, canvas.Brush.Color);
        if (g.CellBoolean)
          x += iw;
        else
          y += ih;
      }
      break;
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: {
      bool checked = false;
      G.GetCheckBoxState(col, ARow, checked);
      const TRect box{r.Left, r.Top, r.Right, r.Top + checkH};
      G.DrawCheckBoxGlyph(canvas, box, checked, g.CellCheckBoxState, g.CellType == ctTriStateCheckBox,
                          G.ControlLook().ControlStyle(), false, true);
      break;
    }
    case ctNode: {
      const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
      const TRect sq{cx - 10, cy - 10, cx + 10, cy + 10};
      const TCanvas::Pen_State saved = canvas.Pen;
      canvas.Pen.Color = G.CellNode().NodeColor();
      canvas.Pen.Width = 1;
      canvas.Polyline({{sq.Left, sq.Top}, {sq.Right, sq.Top}, {sq.Right, sq.Bottom}, {sq.Left, sq.Bottom},
                       {sq.Left, sq.Top}});
      canvas.Polyline({{sq.Left + 4, cy}, {sq.Right - 3, cy}});
      if (g.CellBoolean) canvas.Polyline({{cx, sq.Top + 4}, {cx, sq.Bottom - 3}});
      canvas.Pen = saved;
      break;
    }
    case ctRadio: {
      const int count = g.CellAngle > 0 ? g.CellAngle : int(radioItems.size());
      const TRect box{r.Left, r.Top, r.Right, r.Top + checkH};
      G.DrawRadioGroup(canvas, box, false, E.scale, G.ControlLook().ControlStyle(), col, ARow, false, radioItems,
                       false, g.CellBoolean, g.CellIndex, count);
      break;
    }
    case ctProgress: {
      const TColor bar = TCellGraphic::Slot_Color(g.CellBitmap), back = TCellGraphic::Slot_Color(g.CellIcon);
      const TColor backText = g.CellBoolean ? TColor(g.CellAngle) : (Color_To_RGB(back) ^ 0xFFFFFF);
      const TColor barText = g.CellBoolean ? TColor(g.CellIndex) : (Color_To_RGB(bar) ^ 0xFFFFFF);
      const TRect pr{r.Left, r.Top + Nearest(2 * E.scale), std::max(r.Right, textArea.Right),
                     r.Bottom - Nearest(4 * E.scale)};
      DrawProgressBar(canvas, pr, bar, true, G.ControlLook().ProgressBorderColor(), g.CellText, g.CellErrLen,
                      g.CellErrFrom, G.ControlLook().ProgressMarginY(), G.ControlLook().ProgressMarginX(),
                      G.Ints(col, ARow), backText, back, barText);
      break;
    }
    case ctProgressPie:
      DrawProgressPie(canvas, r, TCellGraphic::Slot_Color(g.CellBitmap), true, g.CellAngle);
      break;
    case ctInterface:
      if (TCellInterface* face = Cell_Interface_Of(static_cast<TInterfacedPersistent*>(g.CellBitmap))) {
        const int iw = face->GetWidth() > 0 ? face->GetWidth() : r.Width();
        const int ih = face->GetHeight() > 0 ? face->GetHeight() : r.Height();
        if (iw > 0 && ih > 0 && iw < 8192 && ih < 8192) {
          QImage img(iw, ih, QImage::Format_RGB32);
          img.fill(To_QColor(canvas.Brush.Color));
          {
            QPainter p(&img);
            TCanvas ic(p);
            face->Draw(ic, TRect{0, 0, iw, ih}, col, ARow, false, &G);
          }
          StretchBitmapToCanvas(canvas, r, img);
        }
      }
      break;
    default:
      break;
  }
}

}  // namespace

void StretchBitmapToCanvas(TCanvas& Canvas, const TRect& R, const QImage& Bitmap) {
  if (R.Is_Empty() || Bitmap.isNull()) return;
  Canvas.Painter().drawImage(QRect(R.Left, R.Top, R.Width(), R.Height()), Bitmap);
}

int PrintCells(TGridPrintEngine& E, int y, int FirstCol, int LastCol, int ARow) {
  TZadIrururOziz& G = E.G;
  TPrintSettings& PS = E.PS;
  TCanvas& canvas = E.Canvas;
  const int R = 2 * E.gap + E.PrintRowHeight(ARow) + PS.RowSpacing();
  if (!E.PageDrawn()) return R;
  G.SetFontscalefactor(E.fit);
  const int maxCol = int(E.MaxWidths.size()) - 1;

  for (int c = FirstCol; c <= LastCol; ++c) {
    if (!E.IsPrintCol(c)) continue;
    const int col = G.RealColIndex(c);
    const QPoint ext = G.CellExt(col, ARow);
    int I = 0;
    for (int i = 0; i <= ext.x() && c + i <= maxCol; ++i) I += E.MaxWidths[c + i] + E.m;
    auto rowTerm = [&](int r) {
      const int t = static_cast<int>((G.RowHeights(std::min(r, G.RowCount() - 1)) - 4) * E.scale);
      return t + t / 8 + 2 * E.gap + PS.RowSpacing();
    };
    int K = 0;
    if (PS.NoAutoSizeRow()) {
      if (ext.y() == 0)
        K = R;
      else
        for (int r = ARow; r <= ARow + ext.y(); ++r) K += rowTerm(r);
    } else {
      K = R;
      for (int r = ARow + 1; r <= ARow + ext.y(); ++r) K += rowTerm(r);
    }
    const TRect cell{E.Indents[c], y, E.Indents[c] + I, y - K};

    // Border sides and pen.
    const TCanvas::Pen_State savedPen = canvas.Pen;
    TCellBorders sides = 0;
    switch (PS.Borders()) {
      case pbSingle:
      case pbDouble:
        sides = cbTop | cbLeft | cbRight | cbBottom;
        break;
      case pbHorizontal:
      case pbAroundHorizontal:
        sides = cbTop | cbBottom;
        break;
      case pbVertical:
      case pbAroundVertical:
        sides = cbLeft | cbRight;
        break;
      default:
        break;
    }
    canvas.Pen.Width = 1;
    canvas.Pen.Color = PS.BorderColor();
    G.DoGetCellPrintBorder(col, ARow, sides, canvas.Pen);
    const TCanvas::Pen_State borderPen = canvas.Pen;
    TRect textArea = cell;

    if (G.IsBaseCell(col, ARow)) {
      const TCanvas::Brush_State savedBrush = canvas.Brush;
      const QFont savedFont = canvas.Font;
      const TColor savedFontColor = canvas.Font_Color;
      TGridDrawState state = 0;
      TCanvas::Brush_State brush = canvas.Brush;
      brush.Style = TBrushStyle::bsSolid;
      TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone, fontColor = clBlack;
      QFont font = canvas.Font;
      font.setPointSize(E.PrintFontPoints());
      TAlignment HA = taLeftJustify;
      TVAlignment VA = vtaTop;
      bool WW = false;
      TCellGradientDirection GD{};
      G.GetVisualProperties(col, ARow, state, true, false, false, brush, colorTo, mirror, mirrorTo, font, fontColor,
                            HA, VA, WW, GD);
      canvas.Brush = brush;
      canvas.Font = E.PrintFont(font, TGridPrintEngine::PointsOf(font));
      canvas.Font_Color = fontColor;
      bool wrap = G.WordWrap();
      G.DoGetWordWrap(col, ARow, wrap);
      QString text = G.IsDataCellObject(col, ARow) ? QString() : G.GetFormattedCell(col, ARow);
      const int kind = grid_text::CellTextKind(text, G.EnableHTML());
      if (kind == 3) G.CalcCellText(col, ARow, text);

      // Background: a gradient from ColorTo at the bottom to the cell colour
      // at the top; it keeps clear of a side without a line.
      {
        const int pw = canvas.Pen.Width;
        TRect bg = cell;
        if (!(sides & cbLeft)) bg.Left += 2 * pw;
        if (!(sides & cbTop)) bg.Top -= 2 * pw;
        const TRect down = Down(bg.Left, bg.Top, bg.Right, bg.Bottom);
        if (brush.Color != clNone && !down.Is_Empty()) {
          if (colorTo == clNone)
            canvas.Fill_Rect(down);
          else
            DrawGradient(canvas, brush.Color, colorTo, false, down, std::clamp(down.Height(), 1, 64));
        }
      }

      TAlignment HA2 = HA;
      TVAlignment VA2 = VA;
      G.CellAlignment(col, ARow, HA2, VA2);
      HA = HA2;
      int S = canvas.Text_Height(QStringLiteral("gh")) + PS.RowSpacing();
      S += S / 8;
      const QStringList lines = Lines_Of(G, text);
      int U = 0;
      for (const QString& line : lines) U = std::max(U, canvas.Text_Width(Shown_Line(G, line)));
      int angle = 0;
      const bool rotated = G.IsRotated(col, ARow, angle);
      int escapement = 0;
      if (rotated) {
        const bool fix = E.Mode == TGridPrintEngine::pmPrint && G.PrinterDriverFix() &&
                         G.PrinterOrientationDegrees() != 270;
        escapement = fix ? -angle * 10 : angle * 10;
      }

      TCellGraphic* graphic = PS.PrintGraphics() ? G.GetCellGraphic(col, ARow) : nullptr;
      if (graphic && graphic->CellType == ctRotated) graphic = nullptr;
      Graphic_Place place{cell, cell};
      QStringList radioItems;
      if (graphic) {
        const QPoint gs = G.GetCellGraphicSize(col, ARow);
        const int X = Nearest(gs.x() * E.scale), Y = Nearest(gs.y() * E.scale);
        place = Place_Graphic(*graphic, cell, X, Y, E.scale);
        textArea = place.Text;
        if (graphic->CellType == ctRadio) {
          if (const QStringList* items = G.GetRadioStrings(col, ARow)) radioItems = *items;
          text.clear();
        }
        if (Is_Check_Kind(graphic->CellType) && text.isEmpty()) {
          const int X2 = place.G.Right - place.G.Left;
          if (HA == taRightJustify) {
            place.G.Right = cell.Right - Nearest(E.scale);
            place.G.Left = place.G.Right - X2;
          } else if (HA == taCenter) {
            place.G.Left = cell.Left + (cell.Right - cell.Left - X2) / 2;
            place.G.Right = place.G.Left + X2;
          }
        }
      }

      canvas.Brush.Style = TBrushStyle::bsClear;
      const QPointF span = G.CellSpan(col, ARow);
      auto cutRight = [&](int right) { return right > E.PW ? std::min(right, E.Indents[E.w + 1]) : right; };
      if (text.isEmpty()) {
        // nothing to write
      } else if (kind == 1) {
        TRect box = textArea;
        box.Right -= E.halfG + Nearest(2 * E.scale);
        box.Bottom -= Nearest(E.gap * E.scale);
        const TRect dev = E.ToDevice(box);
        E.SetDevice();
        QFont f = font;
        f.setPointSize(std::max(1, static_cast<int>(TGridPrintEngine::PointsOf(font) * E.fit)));
        canvas.Font = f;
        THtmlDrawParams params;
        params.Print = true;
        params.ResFactor = E.resRatio;
        params.URLColor = G.URLColor();
        params.PictureCache = &G.ImageCache();
        params.Pictures = G.PictureContainer();
        params.ShadowColor = TColor(0x808080);
        params.BiDiMode = G.layoutDirection() == Qt::RightToLeft ? bdRightToLeft : bdLeftToRight;
        THtmlDrawResult result;
        DrawHtmlText(canvas, text, dev, params, result);
        E.SetMetric();
        canvas.Font = E.PrintFont(font, TGridPrintEngine::PointsOf(font));
      } else if (kind == 2) {
        G.DrawRichCell(col, ARow, Down(textArea.Left, textArea.Top, textArea.Right, textArea.Bottom), canvas);
      } else if (wrap && PS.NoAutoSize() && !rotated) {
        TRect box = textArea;
        box.Right = cutRight(box.Right);
        box.Left += Nearest(2 * E.scale);
        if (HA == taLeftJustify || HA == taCenter) box.Left += E.halfG;
        if (HA == taRightJustify || HA == taCenter) box.Right -= E.halfG;
        TRect d = Down(box.Left, box.Top, box.Right, box.Bottom);
        unsigned flags = 0x2850 | Align_Flags(HA);
        if (G.layoutDirection() == Qt::RightToLeft) flags |= DT_RTLREADING;
        canvas.Draw_Text(text, d, flags);
      } else if (lines.size() == 1) {
        const QString line = Shown_Line(G, lines.first());
        TRect box{textArea.Left, textArea.Top, textArea.Right, textArea.Top - R - PS.RowSpacing()};
        box.Right = cutRight(box.Right);
        if (rotated) {
          if (span.y() > 0) box.Bottom -= int(span.y()) * (PS.RowSpacing() + R);
          if (span.x() > 0) box.Right = E.Indents[std::min(c + int(span.x()) + 1, maxCol + 1)];
          box.Top -= E.halfG;
          box.Bottom += E.halfG;
          // The rotated line turns about its origin; it is placed so that its
          // block stands in the cell by the alignment.
          const double a = angle * M_PI / 180.0;
          const int lh = canvas.Text_Height(line);
          const int bw = std::abs(static_cast<int>(std::cos(a) * U)) + std::abs(static_cast<int>(std::sin(a) * lh));
          const int bh = std::abs(static_cast<int>(std::sin(a) * U)) + std::abs(static_cast<int>(std::cos(a) * lh));
          int bx = box.Left + E.halfG;
          if (HA == taRightJustify) bx = box.Right - E.halfG - bw;
          if (HA == taCenter) bx = box.Left + (box.Right - box.Left - bw) / 2;
          int byTop = box.Top;
          if (VA == vtaBottom) byTop = box.Bottom + bh;
          if (VA == vtaCenter) byTop = box.Top - (box.Top - box.Bottom - bh) / 2;
          // The origin of text turned counter-clockwise by a: the block's
          // corner the baseline starts from.
          const double sa = std::sin(a), ca = std::cos(a);
          double ox = bx, oy = byTop;
          if (sa >= 0 && ca >= 0) {
            oy = byTop - std::abs(sa * U);
          } else if (sa >= 0) {
            ox = bx + std::abs(ca * U);
            oy = byTop - bh;
          } else if (ca < 0) {
            ox = bx + bw;
            oy = byTop - std::abs(ca * lh);
          } else {
            ox = bx + std::abs(sa * lh);
          }
          QPainter& p = canvas.Painter();
          p.save();
          const TRect clip = Down(box.Left, box.Top, box.Right, box.Bottom);
          p.setClipRect(clip.To_QRect(), Qt::IntersectClip);
          canvas.Text_Out_Rotated(Nearest(ox), -Nearest(oy), line, escapement);
          p.restore();
        } else if (G.PaintLook().EnhTextSize && PS.NoAutoSize()) {
          TRect t = textArea;
          t.Right = box.Right;
          t.Left += G.XYOffset().x();
          t.Top = box.Top - G.XYOffset().y();
          TRect d = Down(t.Left, t.Top, t.Right, box.Bottom);
          canvas.Draw_Text(line, d, 0xA820 | Align_Flags(HA));
        } else {
          if (HA == taLeftJustify || HA == taCenter) box.Left += E.halfG;
          if (HA == taRightJustify || HA == taCenter) box.Right -= E.halfG;
          if (span.y() > 0) box.Bottom -= int(span.y()) * (PS.RowSpacing() + R);
          if (span.x() > 0) box.Right = E.Indents[std::min(c + int(span.x()) + 1, maxCol + 1)];
          box.Top -= E.gap;
          TRect d = Down(box.Left, box.Top, box.Right, box.Bottom);
          canvas.Draw_Text(line, d, 0x2820 | Align_Flags(HA) | VAlign_Flags(VA));
        }
      } else {
        const int n = int(lines.size());
        int o = 0;
        if (VA == vtaCenter) o = (R - (S - PS.RowSpacing()) * n) / 2;
        if (VA == vtaBottom) o = R - (S - PS.RowSpacing()) * n;
        if (ext.x() > 0 || ext.y() > 0) o = 0;
        int top = textArea.Top;
        QPainter& p = canvas.Painter();
        p.save();
        const TRect clip = Down(textArea.Left, textArea.Top, textArea.Right, textArea.Bottom);
        p.setClipRect(clip.To_QRect(), Qt::IntersectClip);
        for (int i = 0; i < n; ++i) {
          const QString line = Shown_Line(G, lines[i]);
          const int lw = canvas.Text_Width(line);
          int x = textArea.Left + E.halfG;
          if (HA == taRightJustify) x = textArea.Right - E.halfG - lw;
          if (HA == taCenter) x = textArea.Left + (textArea.Right - textArea.Left - lw) / 2;
          E.TextOut(x, top - o, line);
          if (i == 0 && o > 0) top -= o;
          o = 0;
          top -= S - PS.RowSpacing();
        }
        p.restore();
      }

      canvas.Brush.Style = TBrushStyle::bsSolid;
      if (graphic) Draw_Graphic(E, *graphic, col, ARow, place, textArea, radioItems);
      canvas.Font = savedFont;
      canvas.Brush = savedBrush;
      canvas.Font_Color = savedFontColor;

      if (G.OnCustomCellDraw) {
        const TRect dev = E.ToDevice(TRect{textArea.Left, y, textArea.Right, y - R});
        E.SetDevice();
        QFont f = PS.Font();
        f.setPointSize(E.PrintFontPoints());
        canvas.Font = f;
        G.OnCustomCellDraw(&G, canvas, col, ARow, TGridDrawState(0), dev, true);
        E.SetMetric();
        canvas.Font = savedFont;
        canvas.Brush = savedBrush;
        canvas.Font_Color = savedFontColor;
      }
    }

    // Border lines.
    canvas.Pen = borderPen;
    if (!G.IsBaseCell(col, ARow)) {
      if (ext.x() > 0) sides &= ~(cbLeft | cbRight);
      if (ext.y() > 0) sides &= ~(cbTop | cbBottom);
    }
    if (G.IsYMergedCell(col, ARow) && ext.y() == 0 && !G.IsBaseCell(col, ARow)) sides &= ~cbTop;
    if (G.IsXMergedCell(col, ARow) && ext.x() == 0 && !G.IsBaseCell(col, ARow)) sides &= ~cbLeft;
    int penW = borderPen.Width;
    if (E.Mode == TGridPrintEngine::pmPrint)
      penW = Nearest(penW * E.scale);
    else
      penW = std::max(penW, static_cast<int>(std::ceil(254.0 / E.DpiX())));  // one device pixel at least
    canvas.Pen.Width = std::max(1, penW);
    TRect b = cell;
    if (b.Bottom < E.PB + PS.FooterSize()) {
      // Cut at the page's printable bottom: the rest of the merge is not on it.
      b.Bottom = y - R;
      sides &= ~cbBottom;
    }
    if (b.Right > E.PW) b.Right = std::min(b.Right, E.Indents[E.w + 1]);
    if (sides & cbLeft) {
      const int x = c > FirstCol ? b.Left - canvas.Pen.Width : b.Left;
      E.Line(x, b.Top, x, b.Bottom);
    }
    if (sides & cbRight) E.Line(b.Right, b.Top, b.Right, b.Bottom);
    if (sides & cbTop) E.Line(b.Left, b.Top, b.Right, b.Top);
    if (sides & cbBottom) E.Line(b.Left, b.Bottom, b.Right, b.Bottom);
    canvas.Pen = savedPen;
  }
  G.SetFontscalefactor(1.0);
  return R;
}
