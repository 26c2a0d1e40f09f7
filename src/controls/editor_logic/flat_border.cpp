#include "controls/editor_logic/flat_border.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>

#include "controls/editor_logic/classic_paint.h"

namespace {

void Frame(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Brush.Color = color;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Frame_Rect(r);
}

}  // namespace

void Draw_Flat_Borders(TCanvas& canvas, int width, int height, const Flat_Border_Look& look) {
  TRect r{0, 0, width, height};
  if (!look.Enabled && look.Themed && !look.DisabledBorder) {
    Frame(canvas, r, RGB(127, 157, 185));
  } else if (look.BorderColor != clNone && !(look.Focused && look.FocusBorderColor != clNone)) {
    Frame(canvas, r, look.BorderColor);
  } else if (look.FocusBorderColor != clNone) {
    if (look.Focused) Frame(canvas, r, look.FocusBorderColor);
  } else {
    const TColor P = look.ShowsFocusBorder ? clBtnFace : look.ParentColor;
    const TColor Q = look.ControlColor;
    if (look.ShowsFocusBorder) {
      Draw_Edge(canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
      Frame(canvas, r, P);
      r = r.Inflate(-1, -1);
      Frame(canvas, r, Q);
    } else {
      Frame(canvas, r, P);
      r = r.Inflate(-1, -1);
      // The second ring runs round the text part only.
      Frame(canvas, TRect{r.Left, r.Top, r.Right - look.ButtonWidth, r.Bottom}, P);
      r = r.Inflate(-1, -1);
      Frame(canvas, r, Q);
    }
    if (look.Flat && look.FlatLineColor != clNone) {
      const int from = r.Left - 2, to = r.Right - look.ButtonWidth - 1;
      if (to > from) canvas.Painter().fillRect(QRect(from, height - 1, to - from, 1), To_QColor(look.FlatLineColor));
    }
  }
}

void Draw_Flat_Button_Face(TCanvas& canvas, int width, int height, int button_width, bool hot, bool raised_when_hot,
                           bool dropped) {
  QPainter& p = canvas.Painter();
  TRect r{width - button_width - 2, 0, width, height};
  r = r.Inflate(-2, -2);
  if (hot) {
    if (raised_when_hot) Draw_Edge(canvas, r, EDGE_RAISED, BF_RECT | (dropped ? BF_FLAT : 0));
    return;
  }
  p.save();
  QRegion clip(QRect(0, 0, width, height));
  clip -= QRect(width - button_width + 4, 4, std::max(0, button_width - 8), std::max(0, height - 8));
  p.setClipRegion(clip);
  r.Top += 1;
  r.Bottom -= 1;
  r.Right -= 1;
  p.fillRect(r.To_QRect(), To_QColor(clBtnFace));
  p.restore();
}

void Draw_Custom_Drop_Button(TCanvas& canvas, const TRect& b, int fill_left, int tip_left, int tip_top,
                             const Drop_Button_Colors& colors, bool hot, bool down) {
  QPainter& p = canvas.Painter();
  TColor fill = colors.Color;
  if (hot && colors.ColorHot != clNone) fill = colors.ColorHot;
  if (down && colors.ColorDown != clNone) fill = colors.ColorDown;
  p.fillRect(QRect(fill_left, b.Top, std::max(0, b.Right - fill_left), b.Height()), To_QColor(fill));
  if (colors.BorderColor != clNone) p.fillRect(QRect(b.Left, b.Top, 1, b.Height()), To_QColor(colors.BorderColor));
  TColor arrow = colors.TextColor != clNone ? colors.TextColor : clBlack;
  if (down && colors.TextColorDown != clNone) arrow = colors.TextColorDown;
  Fill_Triangle(canvas, QPoint(tip_left, tip_top + 7), QPoint(tip_left + 6, tip_top + 7),
                QPoint(tip_left + 3, tip_top + 10), arrow);
}
