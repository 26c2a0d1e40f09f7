// The object layer of a cell: the layout of its cell object, where the object
// sits beside the text, and how each kind draws; the check-box and radio
// glyph painters; rotated cells.
//
// Payloads as the object slots hold them here: colours are stored as the
// pointer value of CellBitmap/CellIcon, a bitmap or icon cell points to a
// QImage, an image cell indexes PaintLook().CellImageList, a radio group's
// CellBitmap is its QStringList of items.
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "grid/core/cell_paint.h"
#include "grid/core/cell_picture.h"
#include "grid/draw/bitmap_paint.h"
#include "grid/draw/canvas_shapes.h"
#include "grid/draw/cell_shape.h"
#include "grid/draw/classic_frames.h"
#include "grid/draw/glyph_paint.h"
#include "grid/draw/node_glyphs.h"
#include "grid/draw/progress_paint.h"
#include "grid/theme/theme_api.h"
#include "grid/store/file_picture.h"
#include "grid/store/int_list.h"
#include "grid/store/text_helpers.h"
#include "platform/number_entry.h"

namespace {

TColor Slot_Color(const void* slot) { return TCellGraphic::Slot_Color(slot); }

const QImage* Slot_Image(void* slot) { return static_cast<const QImage*>(slot); }

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.Move_To(x1, y1);
  canvas.Line_To(x2, y2);
}

// A check box drawn by hand: a sunken white box (flat: one grey frame), the
// tick when checked, a grey square when grayed.
void Draw_Box_Check(TCanvas& canvas, const TRect& box, bool checked, bool grayed, bool enabled, bool flat,
                    TColor tick) {
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = enabled ? clWindow : clBtnFace;
  canvas.Fill_Rect(box);
  if (flat) {
    canvas.Brush.Color = clBtnShadow;
    canvas.Frame_Rect(box);
  } else {
    canvas.Pen.Width = 1;
    canvas.Pen.Color = clBtnShadow;
    Line(canvas, box.Left, box.Bottom - 1, box.Left, box.Top);
    Line(canvas, box.Left, box.Top, box.Right, box.Top);
    canvas.Pen.Color = clBtnHighlight;
    Line(canvas, box.Right - 1, box.Top, box.Right - 1, box.Bottom);
    Line(canvas, box.Left, box.Bottom - 1, box.Right, box.Bottom - 1);
  }
  if (!checked) return;
  const TColor colour = grayed || !enabled ? clGray : tick;
  if (grayed) {
    canvas.Brush.Color = colour;
    canvas.Fill_Rect(box.Inflate(-4, -4));
    return;
  }
  canvas.Pen.Color = colour;
  canvas.Pen.Width = 1;
  const int size = box.Width();
  const int x = box.Left + 3, y = box.Top + size / 2 - 1;
  for (int d = 0; d < 2; ++d) {
    Line(canvas, x, y + d, x + 2, y + 2 + d);
    Line(canvas, x + 2, y + 2 + d, box.Right - 3, y - 3 + d);
  }
}

}  // namespace

double TZadIrururOziz::ClampPercent(double X) { return std::clamp(X, 0.0, 100.0); }

double TZadIrururOziz::Paint_Float(int RCol, int ARow) {
  // Painting never throws: a text that is not a number paints as 0.
  bool ok = false;
  const double value = grid_text::ToConversionNumberText(GetCellEx(RCol, ARow).trimmed()).toDouble(&ok);
  return ok && std::isfinite(value) ? value : 0.0;
}

int TZadIrururOziz::Paint_Int(int RCol, int ARow) {
  int32_t value = 0;
  if (Try_Read_Number(GetCellEx(RCol, ARow).trimmed(), value)) return value;
  return int(std::clamp(std::trunc(Paint_Float(RCol, ARow)), -2147483648.0, 2147483647.0));
}

// ---- rotated cells

void TZadIrururOziz::AddRotated(int ACol, int ARow, int AAngle, const QString& s) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->CellType = ctRotated;
  g->SetAngle(AAngle);
  SetCellEx(ACol, ARow, s);
}

void TZadIrururOziz::SetRotated(int ACol, int ARow, int AAngle) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) g = CreateCellGraphic(ACol, ARow);
  g->CellType = ctRotated;
  g->SetAngle(AAngle);
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::RemoveRotated(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRotated); }

bool TZadIrururOziz::IsRotated(int ACol, int ARow, int& aAngle) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g || g->CellType != ctRotated) return false;
  aAngle = g->CellAngle;
  return true;
}

QPoint TZadIrururOziz::PlaceRotatedText(TRect Rect, int Angle, TVAlignment VAlign, TAlignment HAlign,
                                        const QString& Text) {
  const QFontMetrics fm(GridFont());
  const int w = fm.horizontalAdvance(Text + QLatin1Char('w')), h = fm.height();
  Rect = Rect.Inflate(-2, -2);
  const double a = Angle * M_PI / 180.0;
  // The text box rotated about its start point: its extent on each axis.
  const double cw = w * std::cos(a), sw = w * std::sin(a), ch = h * std::cos(a), sh = h * std::sin(a);
  const double min_x = std::min({0.0, cw, sh, cw + sh}), max_x = std::max({0.0, cw, sh, cw + sh});
  const double min_y = std::min({0.0, -sw, ch, ch - sw}), max_y = std::max({0.0, -sw, ch, ch - sw});
  const double box_w = max_x - min_x, box_h = max_y - min_y;
  double left = Rect.Left;
  if (HAlign == taRightJustify) left = Rect.Right - box_w;
  if (HAlign == taCenter) left = Rect.Left + (Rect.Width() - box_w) / 2;
  double top = Rect.Top;
  if (VAlign == vtaBottom) top = Rect.Bottom - box_h;
  if (VAlign == vtaCenter) top = Rect.Top + (Rect.Height() - box_h) / 2;
  return QPoint(int(std::lround(left - min_x)), int(std::lround(top - min_y)));
}

// ---- layout

TZadIrururOziz::Cell_Object_Layout TZadIrururOziz::GetCellGraphicLayout(int ACol, int ARow) {
  Cell_Object_Layout L;
  const QPoint base = BaseCell(ACol, ARow);
  TCellGraphic* g = GetCellGraphic(base.x(), base.y());
  if (!g) return L;
  L.Graphic = g;
  L.HAlign = g->CellHAlign;
  L.VAlign = g->CellVAlign;
  const QSize image = FPaintLook.CellImageList.empty() ? QSize(16, 16) : FPaintLook.CellImageList.front().size();
  const int check = FControlLook.CheckSize();
  switch (g->CellType) {
    case ctBitmap:
    case ctIcon:
      if (const QImage* img = Slot_Image(g->CellBitmap)) L.W = img->width(), L.H = img->height();
      break;
    case ctImageList:
      L.W = image.width(), L.H = image.height();
      break;
    case ctDataImage:
      L.W = image.width(), L.H = image.height(), L.TextShares = false;
      break;
    case ctCheckBox:
    case ctTriStateCheckBox:
      L.W = L.H = check;
      break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
      L.W = L.H = check, L.TextShares = false;
      break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
      L.TextShares = false;
      break;
    case ctImages: {
      const auto* list = static_cast<const TIntList*>(g->CellBitmap);
      const int n = list ? list->Count() : 0;
      if (g->CellBoolean)
        L.W = n * image.width(), L.H = image.height();
      else
        L.W = image.width(), L.H = n * image.height();
      break;
    }
    case ctPicture:
    case ctFilePicture: {
      const QPoint size = CalcCellGraphicSize(base.x(), base.y(), 0);
      L.W = size.x(), L.H = size.y();
      break;
    }
    case ctButton:
    case ctBitButton:
      L.W = g->CellIndex & 0xFFFF, L.H = (uint32_t(g->CellIndex) >> 16) & 0xFFFF;
      break;
    case ctProgressPie:
      L.W = L.H = 20;
      break;
    case ctRadioButton:
      L.W = L.H = FControlLook.RadioSize() + 4;
      break;
    case ctShape:
      L.W = L.H = std::max(0, RowHeights(ARow) - 2 * XYOffset().y());
      break;
    case ctRating:
      L.W = g->CellAngle * 18, L.H = 16, L.TextShares = false;
      break;
    case ctInterface:
      if (TCellInterface* face = Cell_Interface(*g)) L.W = face->GetWidth(), L.H = face->GetHeight();
      break;
    default:
      break;
  }
  return L;
}

// ---- drawing

void TZadIrururOziz::DrawCellObject(TCanvas& ACanvas, Cell_Paint& P) {
  TCellGraphic& g = *P.Obj.Graphic;
  const TCellType kind = g.CellType;
  if (kind == ctInterface) {
    Draw_Interfaced_Cell(ACanvas, P);
    P.Rect = TRect{P.Rect.Left - 1, P.Rect.Top - 1, P.Rect.Right, P.Rect.Bottom};
    return;
  }
  TRect r = P.Rect;
  const bool unshrunk = kind == ctNode || kind == ctProgress || kind == ctRangeIndicator || kind == ctXPProgress;
  if (!unshrunk) {
    const int dx = XYOffset().x() - 1, dy = XYOffset().y() - 1;
    r = TRect{r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy};
  }
  const int W = P.Obj.W, H = P.Obj.H;
  const int T = P.TextWidth > 0 ? P.TextWidth + 2 : 0;
  const int width = r.Width(), height = r.Height();

  int x = r.Left + 1;
  switch (P.Obj.HAlign) {
    case haLeft:
      x = r.Left + 1;
      break;
    case haRight:
      x = r.Right - 1 - W;
      break;
    case haCenter:
      x = W < width ? r.Left + (width - W) / 2 : r.Left + 1;
      break;
    case haBeforeText:
      if (P.HA == taRightJustify)
        x = std::max(r.Left + 1, r.Right - T - W);
      else if (P.HA == taCenter)
        x = std::max(r.Left + 1, r.Left + (width - T - W) / 2);
      break;
    case haAfterText:
      if (P.HA == taLeftJustify)
        x = r.Left + T;
      else if (P.HA == taRightJustify)
        x = r.Right - 1 - W;
      else
        x = r.Left + T + (width - T - W) / 2;
      break;
    case haFull:
      x = r.Left;
      break;
  }
  const bool check_kind = kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox ||
                          kind == ctRowCheckBox || kind == ctRadioButton || kind == ctTriStateCheckBox;
  TCellVAlign va = P.Obj.VAlign;
  if (check_kind && P.VA != FVAlignment) va = P.VA == vtaTop ? vaTop : P.VA == vtaCenter ? vaCenter : vaBottom;
  int y = r.Top + 1;
  switch (va) {
    case vaTop:
    case vaAboveText:
      y = r.Top + 1;
      break;
    case vaBottom:
      y = r.Bottom - 1 - H;
      break;
    case vaCenter:
      y = H < height ? r.Top + (height - H) / 2 : r.Top + 1;
      break;
    case vaUnderText:
      y = r.Bottom - H;
      break;
    case vaFull:
      y = r.Top;
      break;
  }
  TRect obj{x, y, P.Obj.HAlign == haFull ? r.Right : x + W, va == vaFull ? r.Bottom : y + H};

  if (check_kind) {
    const bool data_kind = kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox;
    if (P.HA == taLeftJustify) {
      obj.Left = r.Left + 1;
    } else if (P.HA == taRightJustify) {
      const int right = data_kind ? r.Right : r.Right - T;
      obj.Left = std::max(r.Left + 1, right - W - 1);
    } else {
      obj.Left = T > 0 ? std::max(r.Left + 1, r.Left + (width - T - W) / 2) : r.Left + (width - W) / 2;
    }
    obj.Right = obj.Left + W;
    // Classic boxes read right to left stand at the mirrored place; the
    // picture looks keep theirs.
    const TControlStyle style = FControlLook.ControlStyle();
    if (style == csClassic || style == csFlat || style == csTheme) obj = Mirrored_In_Cell(obj, P.Cell);
    bool editable = true;
    CheckCellEditable(P.RCol, P.ARow, editable);
    switch (kind) {
      case ctCheckBox:
      case ctRowCheckBox:
        // CellAngle of a cell's own check box only says it carries a balloon;
        // of the row check box it says some rows are selected.
        DrawCheckBoxGlyph(ACanvas, obj, g.CellBoolean, cbUnchecked, false, FControlLook.ControlStyle(),
                          kind == ctRowCheckBox && g.CellAngle > 0, editable);
        break;
      case ctDataCheckBox:
      case ctVirtCheckBox: {
        QString check_true;
        DoGetCheckTrue(P.RCol, P.ARow, check_true);
        DrawCheckBoxGlyph(ACanvas, obj, GetCellEx(P.RCol, P.ARow) == check_true, cbUnchecked, false,
                          FControlLook.ControlStyle(), false, editable);
        break;
      }
      case ctTriStateCheckBox:
        DrawCheckBoxGlyph(ACanvas, obj, false, g.CellCheckBoxState, true, FControlLook.ControlStyle(), false, editable);
        break;
      default: {  // radio button
        const TRect radio{r.Left + XYOffset().x(), obj.Top, r.Left + XYOffset().x() + FControlLook.RadioSize(),
                          obj.Top + FControlLook.RadioSize()};
        DrawRadioGroup(ACanvas, radio, false, 1.0, FControlLook.ControlStyle(), P.RCol, P.ARow, false, {}, !editable,
                       false, g.CellBoolean ? 0 : -2, 1);
        break;
      }
    }
    P.Rect = obj;
    return;
  }

  if (kind == ctBitmap || kind == ctIcon || kind == ctPicture || kind == ctFilePicture)
    obj = Mirrored_In_Cell(obj, P.Cell);
  QPainter& painter = ACanvas.Painter();
  switch (kind) {
    case ctPicture:
      if (const auto* picture = static_cast<const TCellPicture*>(g.CellBitmap)) {
        if (g.CellAngle != noStretch) {
          picture->Draw(painter, obj.To_QRect());
        } else {
          // Unstretched, the picture keeps its own size from the object's
          // top-left corner (the object is that size but for haFull/vaFull).
          picture->Draw(painter, QRect(obj.Left, obj.Top, picture->Width(), picture->Height()));
        }
      }
      break;
    case ctFilePicture:
      if (const auto* file = static_cast<const TFilePicture*>(g.CellBitmap)) {
        // A file that went missing or cannot be read shows nothing.
        try {
          file->DrawPicture(painter, obj);
        } catch (const std::exception&) {
        }
      }
      break;
    case ctBitmap:
    case ctIcon:
      if (const QImage* img = Slot_Image(g.CellBitmap)) {
        // A transparent bitmap lets the cell show where it has the colour of
        // its first pixel.
        if (kind == ctBitmap && g.CellTransparent)
          DrawBitmapTransparent(ACanvas, *img, ACanvas.Brush.Color, obj);
        else
          painter.drawImage(QPoint(obj.Left, obj.Top), *img);
      }
      break;
    case ctImageList:
      if (g.CellIndex >= 0 && g.CellIndex < int(FPaintLook.CellImageList.size()))
        painter.drawImage(QPoint(obj.Left, obj.Top), FPaintLook.CellImageList[size_t(g.CellIndex)]);
      break;
    case ctDataImage: {
      // Only an index that names an image is drawn.
      const long long index = (long long)Paint_Int(P.RCol, P.ARow) + g.CellIndex;
      if (index >= 0 && index < (long long)FPaintLook.CellImageList.size())
        painter.drawImage(QPoint(obj.Left, obj.Top), FPaintLook.CellImageList[size_t(index)]);
      break;
    }
    case ctImages: {
      const auto* list = static_cast<const TIntList*>(g.CellBitmap);
      int px = obj.Left, py = obj.Top;
      for (int i = 0; list && i < list->Count(); ++i) {
        const int index = list->GetInteger(i);
        if (index < 0 || index >= int(FPaintLook.CellImageList.size())) continue;
        const QImage& img = FPaintLook.CellImageList[size_t(index)];
        painter.drawImage(QPoint(px, py), img);
        if (g.CellBoolean)
          px += img.width();
        else
          py += img.height();
      }
      break;
    }
    case ctRotated: {
      const QString text = GetCellEx(P.RCol, P.ARow);
      const QPoint start = PlaceRotatedText(P.Cell, g.CellAngle, P.VA, P.HA, text);
      painter.save();
      painter.setClipRect(P.Cell.Inflate(-2, -2).To_QRect(), Qt::IntersectClip);
      ACanvas.Brush.Style = TBrushStyle::bsClear;
      ACanvas.Text_Out_Rotated(start.x(), start.y(), text, g.CellAngle * 10);
      painter.restore();
      if (ShowsSortGlyph(P.ACol, P.ARow) && FixedRows() >= 1 && (P.ACol >= FixedCols() || FSortSettings.FixedCols) &&
          (P.RCol == FSortSettings.Column || Sort_Index_Of(P.RCol) >= 0) &&
          (Sort_Index_Of(P.RCol) < 1 || FSortSettings.IndexShow))
        DrawSortGlyph(ACanvas, P.RCol, P.Cell.Top + 8, P.Cell.Right - 10);
      break;
    }
    case ctNode:
      Draw_Node_Glyph(ACanvas, g, P.ARow, r, (P.State & gdSelected) && FShowSelection);
      break;
    case ctRadio: {
      bool editable = true;
      CheckCellEditable(P.RCol, P.ARow, editable);
      const auto* items = static_cast<const QStringList*>(g.CellBitmap);
      const QStringList list = items ? *items : QStringList();
      const int count = g.CellAngle > 0 ? g.CellAngle : int(list.size());
      DrawRadioGroup(ACanvas, P.Cell, false, 1.0, FControlLook.ControlStyle(), P.RCol, P.ARow,
                     (P.State & gdSelected) != 0, list, !editable, g.CellBoolean, g.CellIndex, count);
      break;
    }
    case ctProgress: {
      const TColor bar = Slot_Color(g.CellBitmap), back = Slot_Color(g.CellIcon);
      // Without a format the bar reads its value as the percentage; an empty
      // range stands at 0 %.
      double value = Paint_Float(P.RCol, P.ARow);
      const TControlStyle style = FControlLook.ControlStyle();
      if ((style == csWinXP || style == csTheme) && FControlLook.ProgressXP() &&
          Draw_Themed_Progress(ACanvas, r.Inflate(-FControlLook.ProgressMarginX(), -FControlLook.ProgressMarginY()),
                               value))
        break;
      if (g.CellText.isEmpty() && g.CellErrLen == g.CellErrFrom) value = 0;
      const TColor back_text = g.CellBoolean ? TColor(g.CellAngle) : (Color_To_RGB(back) ^ 0xFFFFFF);
      const TColor bar_text = g.CellBoolean ? TColor(g.CellIndex) : (Color_To_RGB(bar) ^ 0xFFFFFF);
      DrawProgressBar(ACanvas, r.Inflate(-2, -2), bar, false, FControlLook.ProgressBorderColor(), g.CellText,
                      g.CellErrLen, g.CellErrFrom, FControlLook.ProgressMarginY(), FControlLook.ProgressMarginX(),
                      value, back_text, back, bar_text);
      break;
    }
    case ctComment:
      if (FControlLook.CommentColor() != clNone) {
        const TColor colour =
            TColor(g.CellAngle) != clNone && g.CellAngle != 0 ? TColor(g.CellIndex) : FControlLook.CommentColor();
        ACanvas.Brush.Color = colour;
        ACanvas.Pen.Color = colour;
        const TRect& c = P.Cell;
        Canvas_Polygon(ACanvas, QPolygon({QPoint(c.Right - 7, c.Top), QPoint(c.Right - 2, c.Top),
                                          QPoint(c.Right - 2, c.Top + 5)}));
        ACanvas.Brush.Color = Color();
      }
      break;
    case ctButton:
    case ctBitButton:
    case ctExpand: {
      if (kind == ctExpand) obj = TRect{P.Cell.Right - 13, P.Cell.Top, P.Cell.Right, P.Cell.Top + 13};
      g.CellValue = double(((obj.Top - P.Cell.Top) << 16) | (obj.Left - P.Cell.Left));
      bool editable = true;
      CheckCellEditable(P.RCol, P.ARow, editable);
      if (FControlLook.NoDisabledButtonLook()) editable = true;
      const int look = FControlLook.FlatButton() ? kLookFlat : kLookClassic;
      int state = g.CellBoolean ? kStateDown : kStateNormal;
      if (!editable && kind != ctExpand) state = kStateDisabled;
      ACanvas.Brush.Color = clBtnFace;
      DrawPushButton(ACanvas, this, obj, TColorTones(), state, look);
      const int shift = state == kStateDown ? 1 : 0;
      if (kind == ctExpand) {
        ACanvas.Pen.Color = clBlack;
        const int right = P.Cell.Right;
        // The chevron shows the expand state; CellBoolean is the pressed face.
        if (g.CellVar.toBool())
          Canvas_Polygon(ACanvas, QPolygon({QPoint(right - 10, obj.Top + 8), QPoint(right - 3, obj.Top + 8),
                                            QPoint(right - 7, obj.Top + 4)}));
        else
          Canvas_Polygon(ACanvas, QPolygon({QPoint(right - 10, obj.Top + 5), QPoint(right - 3, obj.Top + 5),
                                            QPoint(right - 7, obj.Top + 9)}));
        break;
      }
      TRect caption = obj.Offset(shift, shift);
      if (kind == ctBitButton) {
        if (const QImage* glyph = Slot_Image(g.CellBitmap)) {
          const int room = caption.Width() - glyph->width() - 6;
          const bool beside = !g.CellText.isEmpty() && room > ACanvas.Text_Width(g.CellText) / 2;
          const int gx = beside ? caption.Left + 3 : caption.Left + (caption.Width() - glyph->width()) / 2;
          const int gy = glyph->height() < caption.Height() ? caption.Top + (caption.Height() - glyph->height()) / 2
                                                            : caption.Top + 3;
          DrawBitmapTransparent(ACanvas, *glyph, clBtnFace, TRect{gx, gy, gx + glyph->width(), gy + glyph->height()});
          if (!beside) break;
          caption.Left = gx + glyph->width() + 3;
        }
      }
      ACanvas.Brush.Style = TBrushStyle::bsClear;
      ACanvas.Font_Color = state == kStateDisabled ? clGrayText : clBtnText;
      const unsigned wrap = g.CellText.contains(QLatin1Char('\r')) ? DT_WORDBREAK : DT_SINGLELINE;
      ACanvas.Draw_Text(g.CellText, caption, DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | wrap);
      ACanvas.Brush.Style = TBrushStyle::bsSolid;
      break;
    }
    case ctProgressPie:
      DrawProgressPie(ACanvas, TRect{obj.Left, obj.Top, obj.Left + 20, obj.Top + 20}, Slot_Color(g.CellBitmap), false,
                      g.CellAngle);
      break;
    case ctRangeIndicator: {
      const TRect bar = r.Inflate(-FControlLook.ProgressMarginX(), -FControlLook.ProgressMarginY());
      DrawCenteredBar(ACanvas, bar, Paint_Int(P.RCol, P.ARow), Slot_Color(g.CellIcon), Slot_Color(g.CellBitmap),
                      g.CellBoolean, g.CellIndex);
      break;
    }
    case ctXPProgress: {
      TRect bar = r.Inflate(-FControlLook.ProgressMarginX(), -FControlLook.ProgressMarginY());
      bar.Right -= 1;
      bar.Bottom -= 1;
      const double range = double(g.CellErrLen) - g.CellErrFrom;
      const double percent = range == 0 ? 0 : std::abs(Paint_Int(P.RCol, P.ARow) - g.CellErrFrom) / range * 100;
      TProgressLook look = FPaintLook.ProgressAppearance;
      look.Font = GridFont();
      if (look.BackgroundColor == clNone) look.BackgroundColor = ACanvas.Brush.Color;
      DrawLevelProgressBar(ACanvas, bar, int(std::lround(ClampPercent(percent))), look);
      break;
    }
    case ctShape:
      PaintCellShape(ACanvas, obj.Left, obj.Top, Slot_Color(g.CellBitmap), TColor(g.CellIndex), g.CellAngle,
                     obj.Height() - 1, obj.Width() - 1);
      break;
    case ctRating: {
      // The value counts in half stars, rounded down.
      const double v = std::trunc(2 * Paint_Float(P.RCol, P.ARow)) / 2;
      const TColor empty = Slot_Color(g.CellBitmap), full = TColor(g.CellIndex);
      int sx = obj.Left;
      for (int i = 1; i <= g.CellAngle; ++i) {
        if (i > v)
          PaintCellShape(ACanvas, sx, obj.Top, empty, empty, csStar, 16, 16);
        else
          PaintCellShape(ACanvas, sx, obj.Top, full, full, csStar, 16, 16);
        if (i - 1 < v && v < i) PaintCellShape(ACanvas, sx, obj.Top, full, full, csHalfStar, 16, 16);
        sx += 18;
      }
      break;
    }
    default:
      break;
  }
  P.Rect = obj;
}

bool TZadIrururOziz::Draw_Themed_Progress(TCanvas& ACanvas, const TRect& R, double Percent) {
  Theme_Library& themes = Zad_Theme_Library();
  if (!Themes_In_Use(themes)) return false;
  HTHEME progress = themes.OpenThemeData(this, QString::fromLatin1(kThemeProgress));
  bool drawn = themes.DrawThemeBackground(progress, ACanvas.Painter(), PP_BAR, 1, R.To_QRect(), this);
  if (drawn) {
    TRect chunk = R.Inflate(-2, -2);
    chunk.Right = chunk.Left + int(std::lround(chunk.Width() * ClampPercent(Percent) / 100.0));
    if (chunk.Width() > 0 && chunk.Height() > 0)
      themes.DrawThemeBackground(progress, ACanvas.Painter(), PP_CHUNK, 1, Mirrored_In_Cell(chunk, R).To_QRect(),
                                 this);
  }
  themes.CloseThemeData(progress);
  return drawn;
}

void TZadIrururOziz::Draw_Node_Glyph(TCanvas& ACanvas, const TCellGraphic& G, int ARow, TRect R, bool selected) {
  const int indent = FCellNode.NodeIndent();
  R.Left = std::max(R.Left, R.Left + RowNodeIndent(ARow) - indent / 2 - 4);
  TColor background = ACanvas.Brush.Color;
  if (background == clNone) background = FixedCols() > 0 ? FFixedColor : Color();
  if (selected) background = FSelectionColor;
  const bool collapsed = G.CellBoolean;
  const TNodeType type = FCellNode.NodeType();
  if (type == cnXP) {
    ACanvas.Painter().drawImage(QPoint(R.Left + 4, R.Top + (R.Height() - 10) / 2), Xp_Node_Glyph(collapsed));
    return;
  }
  if (type == cnLeaf) {
    ACanvas.Painter().drawImage(QPoint(R.Left, R.Top + (R.Height() - 12) / 2), Leaf_Node_Glyph(collapsed));
    return;
  }
  const int top = R.Top + (R.Height() - 8) / 2;
  const TRect box{R.Left + 4, top, R.Left + 12, top + 8};
  if (type == cnGlyph && !FCellNode.ExpandGlyph().isNull() && !FCellNode.ContractGlyph().isNull()) {
    const QImage& glyph = collapsed ? FCellNode.ContractGlyph() : FCellNode.ExpandGlyph();
    ACanvas.Painter().drawImage(QPoint(R.Left, R.Top + (R.Height() - glyph.height()) / 2), glyph);
    return;
  }
  ACanvas.Brush.Style = TBrushStyle::bsSolid;
  if (type == cn3D) {
    // A raised face behind the glyph.
    ACanvas.Brush.Color = FCellNode.Color();
    ACanvas.Fill_Rect(R);
    ACanvas.Pen.Color = clWhite;
    Line(ACanvas, R.Left, R.Bottom - 1, R.Left, R.Top);
    Line(ACanvas, R.Left, R.Top, R.Right, R.Top);
    ACanvas.Pen.Color = clGray;
    Line(ACanvas, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
    Line(ACanvas, R.Left, R.Bottom - 1, R.Right, R.Bottom - 1);
  }
  ACanvas.Brush.Color = FCellNode.Color();
  ACanvas.Fill_Rect(box);
  if (type == cnFlat) {
    ACanvas.Brush.Color = FCellNode.NodeColor();
    ACanvas.Frame_Rect(box);
  } else {
    // Raised when collapsed, sunken when expanded.
    ACanvas.Pen.Color = collapsed ? clWhite : clGray;
    Line(ACanvas, box.Left, box.Bottom - 1, box.Left, box.Top);
    Line(ACanvas, box.Left, box.Top, box.Right, box.Top);
    ACanvas.Pen.Color = collapsed ? clGray : clWhite;
    Line(ACanvas, box.Right - 1, box.Top, box.Right - 1, box.Bottom);
    Line(ACanvas, box.Left, box.Bottom - 1, box.Right, box.Bottom - 1);
  }
  ACanvas.Pen.Color = FCellNode.NodeColor();
  Line(ACanvas, box.Left + 2, box.Top + 4, box.Right - 2, box.Top + 4);
  if (collapsed) Line(ACanvas, box.Left + 4, box.Top + 2, box.Left + 4, box.Bottom - 2);
  ACanvas.Brush.Color = background;
}

void TZadIrururOziz::DrawCheckBoxGlyph(TCanvas& ACanvas, const TRect& R, bool Checked, TCheckBoxState TriState,
                                       bool UseTriState, TControlStyle Style, bool Grayed, bool Enabled) {
  if (FControlLook.NoDisabledCheckRadioLook() || FControlLook.CheckAlwaysActive()) Enabled = true;
  // No desktop theme draws check boxes here: the themed style is the classic one.
  if (Style == csTheme) Style = csClassic;
  if (UseTriState) {
    Checked = TriState == cbChecked || TriState == cbGrayed;
    Grayed = TriState == cbGrayed;
  }
  const int size = FControlLook.CheckSize();
  switch (Style) {
    case csGlyph: {
      const QImage& glyph = Checked ? FControlLook.CheckedGlyph() : FControlLook.UnCheckedGlyph();
      if (!glyph.isNull()) ACanvas.Painter().drawImage(QPoint(R.Left, R.Top), glyph);
      break;
    }
    case csBorland: {
      const TRect box{R.Left, R.Top, R.Left + size, R.Top + size};
      ACanvas.Brush.Style = TBrushStyle::bsSolid;
      ACanvas.Brush.Color = Enabled ? clBtnFace : clBtnShadow;
      ACanvas.Fill_Rect(box);
      ACanvas.Pen.Width = 1;
      ACanvas.Pen.Color = clBtnHighlight;
      Line(ACanvas, box.Left, box.Bottom - 1, box.Left, box.Top);
      Line(ACanvas, box.Left, box.Top, box.Right, box.Top);
      ACanvas.Pen.Color = clBtnShadow;
      Line(ACanvas, box.Right - 1, box.Top, box.Right - 1, box.Bottom);
      Line(ACanvas, box.Left, box.Bottom - 1, box.Right, box.Bottom - 1);
      if (Checked) {
        ACanvas.Pen.Color = Enabled ? FControlLook.Color() : clGray;
        for (int d = 0; d < 2; ++d) {
          Line(ACanvas, box.Left + 2, box.Top + size / 2 + d, box.Left + size / 2 - 1, box.Bottom - 3 + d);
          Line(ACanvas, box.Left + size / 2 - 1, box.Bottom - 3 + d, box.Right - 2, box.Top + 3 + d);
        }
      }
      break;
    }
    case csWinXP:
    case csDUD: {
      // The pictures of these looks: a rounded box with a green or blue tick.
      const int side = Style == csDUD ? 20 : 16;
      const TRect box{R.Left, R.Top, R.Left + std::min(side, size), R.Top + std::min(side, size)};
      Draw_Box_Check(ACanvas, box, Checked, Grayed, Enabled, true, Style == csDUD ? 0xC06000 : 0x21A121);
      break;
    }
    case csClassic:
    case csFlat:
    case csTheme: {
      const TRect box{R.Left + (R.Width() - size) / 2, R.Top + (R.Height() - size) / 2,
                      R.Left + (R.Width() - size) / 2 + size, R.Top + (R.Height() - size) / 2 + size};
      Draw_Box_Check(ACanvas, box, Checked, Grayed, Enabled, Style == csFlat, clBlack);
      break;
    }
  }
}

void TZadIrururOziz::DrawRadioGroup(TCanvas& ACanvas, const TRect& R, bool Upward, double Scale, TControlStyle Style,
                                    int ACol, int ARow, bool Selected, const QStringList& Items, bool Disabled,
                                    bool SideBySide, int Index, int Count) {
  if (FControlLook.NoDisabledCheckRadioLook() || FControlLook.RadioAlwaysActive()) Disabled = false;
  if (Count <= 0) return;
  if (Style == csTheme) Style = csClassic;
  const QString cell = GetCellEx(ACol, ARow);
  const bool glyph_style = Style != csClassic && Style != csFlat;
  const int size = glyph_style ? 16 : int(FControlLook.RadioSize() * Scale) + (Style == csFlat ? 2 : 0);
  const int line = std::max(ACanvas.Text_Height(QStringLiteral("gh")), glyph_style ? 16 : 0);
  const TColor text_colour =
      Selected && FShowSelection && FSelectionTextColor != clNone ? FSelectionTextColor : ACanvas.Font_Color;
  int x = R.Left + 2;
  for (int i = 1; i <= Count; ++i) {
    const QString text = i - 1 < Items.size() ? Items[i - 1] : QString();
    const bool checked = (Index == -1 && text == cell) || i == Index + 1;
    int gx, gy;
    if (SideBySide) {
      gx = x;
      gy = R.Top + (R.Height() - size) / 2;
    } else {
      gy = R.Top + line * (i - 1) * (Upward ? -1 : 1) + 2;
      gx = Items.isEmpty() ? R.Left + (R.Width() - size) / 2 : R.Left + 2;
    }
    // The glyph: a circle, sunken by its shadow, with the dot when checked.
    ACanvas.Brush.Style = TBrushStyle::bsSolid;
    ACanvas.Brush.Color = Disabled ? clBtnFace : clWindow;
    ACanvas.Pen.Color = Style == csBorland ? clBtnHighlight : clBtnShadow;
    ACanvas.Pen.Width = 1;
    Canvas_Ellipse(ACanvas, gx, gy, gx + size, gy + size);
    if (checked) {
      const TColor dot = Disabled ? clGray : Style == csBorland ? FControlLook.Color() : clBlack;
      ACanvas.Brush.Color = dot;
      ACanvas.Pen.Color = dot;
      const int inset = std::max(2, size / 3);
      Canvas_Ellipse(ACanvas, gx + inset, gy + inset, gx + size - inset, gy + size - inset);
    }
    if (!text.isEmpty()) {
      ACanvas.Brush.Style = TBrushStyle::bsClear;
      ACanvas.Font_Color = text_colour;
      const int tx = SideBySide ? gx + size + 4 : R.Left + (glyph_style ? 18 : 20);
      ACanvas.Text_Out(tx, SideBySide ? R.Top + (R.Height() - ACanvas.Text_Height(text)) / 2 : gy, text);
      x = tx + ACanvas.Text_Width(text) + 4;
    } else {
      x = gx + size + 4;
    }
  }
  ACanvas.Brush.Style = TBrushStyle::bsSolid;
}
