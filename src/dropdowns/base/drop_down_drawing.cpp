#include "dropdowns/base/drop_down_drawing.h"

#include <QPainter>

#include "dropdowns/base/draw_gradient_steps.h"
#include "grid/html/draw_html_text.h"

void Draw_Filled_Rect(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor BorderColor,
                      int BorderWidth, bool Horizontal) {
  if (!Canvas) return;
  if (ColorTo != clNone) {
    Draw_Gradient_Steps(*Canvas, Color, ColorTo, 80, R, Horizontal);
  } else if (Color != clNone) {
    Canvas->Brush.Style = TBrushStyle::bsSolid;
    Canvas->Brush.Color = Color;
    Canvas->Fill_Rect(R);
  }
  if (BorderColor != clNone && BorderWidth > 0) {
    Canvas->Brush.Style = TBrushStyle::bsClear;
    Canvas->Pen.Style = TPenStyle::psSolid;
    Canvas->Pen.Width = BorderWidth;
    Canvas->Pen.Color = BorderColor;
    Canvas->Rectangle(R);
  }
}

void Draw_Image_Text(TCanvas* Canvas, const TRect& R, const QString& Caption, const TDropDownImages* Images,
                     int ImageIndex) {
  if (!Canvas) return;
  TRect text = R;
  bool image_drawn = false;
  if (ImageIndex >= 0 && Images && ImageIndex < static_cast<int>(Images->size())) {
    const QImage& image = (*Images)[static_cast<size_t>(ImageIndex)];
    Canvas->Painter().drawImage(QPoint(R.Left + 4, R.Top + (R.Height() - image.height()) / 2), image);
    text.Left = R.Left + image.width() + 8;
    image_drawn = true;
  }
  if (Caption.isEmpty()) return;
  const TBrushStyle saved = Canvas->Brush.Style;
  Canvas->Brush.Style = TBrushStyle::bsClear;
  Canvas->Draw_Text(Caption, text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | (image_drawn ? DT_LEFT : DT_CENTER));
  Canvas->Brush.Style = saved;
}

void Draw_Glyph_Masked(TCanvas& Canvas, const QImage& Glyph, TColor BackgroundColor, const TRect& Target) {
  if (Glyph.isNull()) return;
  QImage scratch(Glyph.size(), QImage::Format_ARGB32);
  const QRgb background = To_QColor(BackgroundColor).rgba();
  const QImage glyph = Glyph.convertToFormat(QImage::Format_ARGB32);
  const QRgb transparent = glyph.pixel(0, 0);
  for (int y = 0; y < glyph.height(); ++y)
    for (int x = 0; x < glyph.width(); ++x) {
      const QRgb p = glyph.pixel(x, y);
      scratch.setPixel(x, y, p == transparent ? background : p);
    }
  Canvas.Painter().drawImage(QPoint(Target.Left, Target.Top), scratch, QRect(0, 0, Target.Width(), Target.Height()));
}

QSize Measure_Text(TCanvas& Canvas, const QString& Text) {
  if (Text.isEmpty()) return {0, 0};
  TRect r{0, 0, 1000, 500};
  Canvas.Draw_Text(Text, r, DT_CALCRECT | DT_SINGLELINE);
  return {r.Right, r.Bottom};
}

QString Fit_Text_With_Ellipsis(TCanvas& Canvas, const QString& Text, int MaxWidth, bool AddEllipsis) {
  if (MaxWidth >= Canvas.Text_Width(Text)) return Text;
  for (qsizetype keep = Text.size() - 1; keep >= 0; --keep) {
    QString candidate = Text.left(keep);
    if (AddEllipsis) candidate += QStringLiteral("...");
    if (Canvas.Text_Width(candidate) < MaxWidth) return candidate;
  }
  return Text;
}

QPoint Draw_Html_Caption(TCanvas& Canvas, const QString& Caption, const TRect& R, const TDropDownImages* Images,
                         bool Draw, const QObject* WindowHandle) {
  if (Caption.isEmpty()) return {0, 0};
  THtmlDrawParams params;
  params.Images = Images;
  params.MeasureOnly = !Draw;
  params.URLColor = clBlue;
  params.ShadowColor = clGray;
  params.HoverColor = clNone;
  params.HoverFontColor = clNone;
  params.WindowHandle = WindowHandle;
  params.BiDiMode = bdLeftToRight;
  THtmlDrawResult result;
  DrawHtmlText(Canvas, Caption, R, params, result);
  return {result.Width, result.Height};
}
