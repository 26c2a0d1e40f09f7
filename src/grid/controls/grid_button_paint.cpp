// Painting of the grid button: the flat face in gradients, or the themed or
// classic push button, then the drop-down part, glyph and caption.
#include <QPaintEvent>
#include <QPainter>

#include "controls/canvas.h"
#include "grid/controls/grid_button.h"
#include "grid/controls/grid_button_glyphs.h"
#include "grid/draw/classic_frames.h"
#include "grid/draw/gradient_paint.h"
#include "grid/theme/theme_api.h"

namespace {

// A face of 16 bands from top to bottom, or solid without an end colour,
// then a one-pixel frame unless the frame colour is clNone.
void Face(TCanvas& c, const TRect& r, TColor from, TColor to, TColor frame, bool rounded) {
  if (from != clNone) DrawGradient(c, from, to, false, r, 15);
  if (frame == clNone) return;
  if (rounded) {
    c.Pen.Color = frame;
    c.Pen.Style = TPenStyle::psSolid;
    c.Brush.Style = TBrushStyle::bsClear;
    c.Round_Rect(r.Left, r.Top, r.Right, r.Bottom, 8, 8);
    c.Brush.Style = TBrushStyle::bsSolid;
  } else {
    c.Brush.Color = frame;
    c.Frame_Rect(r);
  }
}

QString Without_Prefix(const QString& caption) {
  QString shown;
  for (int i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

}  // namespace

void TZadGridButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TCanvas canvas(painter);
  Paint(canvas);
}

QImage TZadGridButton::Render() {
  QImage image(size(), QImage::Format_ARGB32_Premultiplied);
  const QWidget* behind = parentWidget() ? parentWidget() : this;
  image.fill(behind->palette().color(behind->backgroundRole()));
  QPainter painter(&image);
  TCanvas canvas(painter);
  Paint(canvas);
  return image;
}

void TZadGridButton::Paint_Flat_Face(TCanvas& c, TRect& R) {
  if (FBorderDownColor == clNone || FRounded) R = R.Inflate(-1, -1);
  const bool hot = FMouseInControl && isEnabled();
  if (!hot) {
    if (FStyle == tasCheck && FDown) {
      Face(c, R, FColorChecked, FColorCheckedTo, FBorderDownColor, false);
    } else {
      Face(c, R, FColor, FColorTo, FRounded ? clNone : FDown ? FBorderDownColor : FBorderColor, false);
      if (FBorderColor != clNone) Face(c, FRounded ? R.Inflate(1, 1) : R, clNone, clNone, FBorderColor, FRounded);
    }
  } else {
    // A checked check button shows checked while hot, pressed only while the
    // mouse holds it.
    const bool checked = FStyle == tasCheck && FDown && !FDragging;
    if (FState == bsDown && !checked)
      Face(c, R, FColorDown, FColorDownTo, FBorderDownColor, FRounded);
    else if (checked)
      Face(c, R, FColorChecked, FColorCheckedTo, FBorderHotColor, FRounded);
    else
      Face(c, R, FColorHot, FColorHotTo, FBorderHotColor, FRounded);
    if (FDropDownButton) {
      c.Pen.Color = FBorderHotColor != clNone ? FBorderHotColor : clBtnShadow;
      c.Move_To(R.Right - 12, R.Top);
      c.Line_To(R.Right - 12, R.Bottom);
    }
  }
  R = R.Inflate(-1, -1);
}

void TZadGridButton::Paint(TCanvas& c) {
  c.Font = font();
  c.Font_Color = From_QColor(palette().color(QPalette::ButtonText));
  if (!isEnabled()) {
    FState = bsDisabled;
    FDragging = false;
  } else {
    if (FState == bsDisabled) FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    if (FStyle == tasCheck && FDown) FState = bsDown;
  }
  const bool pushed = FState == bsDown || FState == bsExclusive;
  TRect R{0, 0, width(), height()};
  if (!FTransparent) {
    c.Brush.Color = From_QColor(palette().color(backgroundRole()));
    c.Fill_Rect(R);
  }
  if (FFlat) {
    Paint_Flat_Face(c, R);
  } else {
    Theme_Library& library = Zad_Theme_Library();
    bool themed = false;
    if (FAutoXPStyle && FIsComCtl6 && Themes_In_Use()) {
      HTHEME theme = library.OpenThemeData(this, kThemeButton);
      const int state = pushed ? PBS_PRESSED : FMouseInControl ? PBS_HOT : PBS_NORMAL;
      themed = library.DrawThemeBackground(theme, c.Painter(), BP_PUSHBUTTON, state, R.To_QRect(), this);
      library.CloseThemeData(theme);
    }
    if (!themed) Draw_Classic_Button(c, R, pushed, false);
    R = R.Inflate(-2, -2);
  }

  QPoint shift(0, 0);
  if (pushed) {
    if (FState == bsExclusive && (!FFlat || !FMouseInControl))
      DrawGradient(c, FColorChecked, FColorCheckedTo, false, R, 15);
    if (!FFlat) shift = QPoint(1, 1);
  } else if (FMouseInControl && isEnabled() && FShaded && FFlat) {
    shift = QPoint(-1, -1);
  }

  if (FDropDownButton) {
    c.Pen.Color = c.Font_Color;
    const int y = R.Top + (R.Height() - 3) / 2 + shift.y();
    for (int i = 0; i < 3; ++i) {
      c.Move_To(width() - 8 + i + shift.x(), y + i);
      c.Line_To(width() - 3 - i + shift.x(), y + i);
    }
    R.Right -= 12;
  }
  Paint_Content(c, R, shift);
}

void TZadGridButton::Paint_Content(TCanvas& c, TRect R, QPoint Shift) {
  const bool pushed = FState == bsDown || FState == bsExclusive;
  const bool hot = FMouseInControl && isEnabled();
  const QImage* glyph = &FGlyph;
  if (pushed && !FGlyphDown.isNull())
    glyph = &FGlyphDown;
  else if (hot && !FGlyphHot.isNull())
    glyph = &FGlyphHot;
  else if (!isEnabled() && !FGlyphDisabled.isNull())
    glyph = &FGlyphDisabled;

  const QString shown = FShowCaption ? Without_Prefix(FCaption) : QString();
  const QSize text_size = shown.isEmpty() ? QSize() : QSize(c.Text_Width(shown), c.Text_Height(shown));
  const Button_Places at = Place_Glyph_And_Caption(QSize(R.Width(), R.Height()), glyph->size(), text_size, FLayout,
                                                   FMargin, FSpacing, isRightToLeft());
  const QPoint origin = QPoint(R.Left, R.Top) + Shift;
  if (!glyph->isNull()) {
    // Without a caption the glyph keeps to the top-left corner.
    const QPoint place = origin + (FCaption.isEmpty() ? QPoint(0, 0) : at.glyph);
    if (hot && FShaded && !pushed && !FGlyphShade.isNull())
      c.Painter().drawImage(place + QPoint(2, 2), Transparent_Glyph(FGlyphShade));
    c.Painter().drawImage(place, Transparent_Glyph(*glyph));
  }
  if (shown.isEmpty()) return;
  const QPoint place = origin + at.caption;
  auto text = [&](int dx, int dy, TColor colour) {
    TRect r{place.x() + dx, place.y() + dy, place.x() + dx + text_size.width(), place.y() + dy + text_size.height()};
    c.Font_Color = colour;
    c.Brush.Style = TBrushStyle::bsClear;
    c.Draw_Text(FCaption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  };
  if (isEnabled()) {
    text(0, 0, c.Font_Color);
  } else {
    text(1, 1, clBtnHighlight);
    text(0, 0, clBtnShadow);
  }
  c.Brush.Style = TBrushStyle::bsSolid;
}
