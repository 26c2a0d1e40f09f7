// How a cell's text is aligned, which text it shows and how much room that
// text needs. HTML cells are measured by the mini-HTML renderer, rich-text
// cells as their plain text until their renderer exists.
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <cmath>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/draw/progress_paint.h"
#include "grid/html/draw_html_text.h"
#include "grid/store/text_helpers.h"

using namespace grid_text;

void TZadIrururOziz::CellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA) {
  HA = FDefaultAlignment;
  VA = FVAlignment;
  bool formula = false;
  if (FPaintLook.AutoNumAlign) {
    QString text = GetCellEx(ACol, ARow);
    formula = text.startsWith(QLatin1Char('=')) ||
              (text.startsWith(QStringLiteral("|\\")) && text.size() > 3 && text[3] == QLatin1Char('='));
    // A formula is aligned by what it shows; without a calculator that is
    // its text, which is no number.
    if (!formula) {
      const int kind = ClassifyNumberText(text.trimmed());
      if (kind == 0 || kind == 1 || kind == 5) HA = taRightJustify;
    }
  }
  const QPoint base = BaseCell(ACol, ARow);
  if (!FInitialLook && HasCellProperties(base.x(), base.y()) && !formula) {
    HA = Store().Object(base.x(), base.y())->Alignment();
  }
  DoGetAlignment(ACol, ARow, HA, VA);
}

QString TZadIrururOziz::GetFormattedCell(int ACol, int ARow) {
  QString text = GetCellEx(ACol, ARow);
  if (!OnGetFloatFormat) return text;
  const int kind = ClassifyNumberText(text);
  if (kind != 0 && kind != 1 && kind != 5) return text;
  bool is_float = true;
  QString format = FFloatFormat;
  OnGetFloatFormat(this, ACol, ARow, is_float, format);
  if (!is_float || format.isEmpty()) return text;
  // The conversion character decides integer or real, not a "d" in the text
  // around it.
  static const QRegularExpression conversion(QStringLiteral("%[-+ 0#]*[0-9]*(?:\\.[0-9]+)?([diuxXeEfgG])"));
  const QRegularExpressionMatch match = conversion.match(format);
  if (!match.hasMatch()) return text;
  const QChar c = match.captured(1)[0];
  const bool as_integer = c == 'd' || c == 'i' || c == 'u' || c == 'x' || c == 'X';
  const double value = as_integer ? double(Paint_Int(ACol, ARow)) : Paint_Float(ACol, ARow);
  return Format_Progress_Value(format, value, as_integer);
}

QSize TZadIrururOziz::GetCellTextSize(int ACol, int ARow, bool VS, bool SB) {
  return MeasureCellText(ACol, DisplColIndex(ACol), ARow, VS, SB);
}

QSize TZadIrururOziz::MeasureCellText(int ACol, int DCol, int ARow, bool VS, bool SB) {
  QString text = GetFormattedCell(ACol, ARow);
  if (CellTextKind(text, FEnableHTML) == 5) text = DecodeWideCellText(text);
  const bool html = CellTextKind(text, FEnableHTML) == 1;
  TGridDrawState state = 0;
  QFont font;
  TColor font_colour = clNone;
  TCanvas::Brush_State brush;
  GetFontProperties(DCol, ACol, ARow, state, font, font_colour, brush, true);
  if ((DCol < FixedCols() || ARow < FixedRows()) && FActiveCellShow && FActiveCellFont.bold()) font.setBold(true);
  if (FPaintLook.ZoomFactor != 0 && font.pointSize() > 0)
    font.setPointSize(std::max(1, font.pointSize() + FPaintLook.ZoomFactor));
  const QFontMetrics fm(font);

  TRect r = CellRect(DCol, ARow);
  r.Left += XYOffset().x();
  r.Top += XYOffset().y();
  if (!FPaintLook.XYOffsetTopLeftOnly) {
    r.Right -= XYOffset().x();
    r.Bottom -= XYOffset().y();
  }
  if (VS) r.Right -= 17;

  if (html) {
    if (!SB) r.Right = 65535;
    r.Bottom = 65535;
    // The renderer measures on a canvas of the grid's resolution, so that
    // point sizes give the pixels they give when painted.
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    device.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    QPainter painter(&device);
    TCanvas canvas(painter);
    canvas.Font = font;
    canvas.Font_Color = font_colour;
    THtmlDrawParams params;
    params.Images = &FPaintLook.CellImageList;
    params.MeasureOnly = true;
    params.Selected = true;
    params.BlinkVisible = true;
    params.HoverLink = 0;
    params.WordWrap = !FPaintLook.EnhTextSize;
    params.URLColor = FURLColor;
    params.PictureCache = &FImageCache;
    params.Pictures = FPictureContainer;
    params.WindowHandle = this;
    params.BiDiMode = layoutDirection() == Qt::RightToLeft ? bdRightToLeft : bdLeftToRight;
    THtmlDrawResult measured;
    DrawHtmlText(canvas, text, r, params, measured);
    return QSize(measured.Width + 2, measured.Height + 2);
  }
  if (CellTextKind(text, FEnableHTML) == 2) return Measure_Rich_Cell(ACol, ARow, r, font);

  int angle = 0;
  const bool rotated = IsRotated(ACol, ARow, angle);
  int width = 0, height = 0;
  if (SB) {
    r = r.Inflate(-2, -2);
    if (FEditing && text.endsWith(QLatin1Char('\n'))) text += QLatin1Char('w');
    const int flags = rotated ? Qt::TextSingleLine | Qt::TextExpandTabs : Qt::TextWordWrap | Qt::TextExpandTabs;
    const QRect bound = fm.boundingRect(QRect(r.Left, r.Top, std::max(1, r.Width()), 100000), flags, text);
    width = bound.right() + 1 - r.Left;
    height = text.isEmpty() ? 0 : std::max(bound.height(), fm.height());
  } else {
    QString rest = text;
    int lines = 0;
    do {
      QString line;
      if (FPaintLook.Multilinecells)
        ExtractFirstLine(rest, true, line);
      else
        line = rest, rest.clear();
      if (FPaintLook.URLShow && !FPaintLook.URLFull && IsUrlText(line)) StripUrlProtocol(line);
      width = std::max(width, fm.horizontalAdvance(line));
      ++lines;
    } while (!rest.isEmpty());
    height = fm.height() * lines;
  }
  if (rotated) {
    const double a = angle * M_PI / 180.0;
    const int w = width, h = height;
    width = int(std::abs(std::trunc(w * std::cos(a)))) + int(std::abs(std::trunc(h * std::sin(a)))) + 12;
    height = int(std::abs(std::trunc(w * std::sin(a)))) + int(std::abs(std::trunc(h * std::cos(a)))) + 12;
  }
  return QSize(width, height);
}
