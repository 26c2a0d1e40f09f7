// CONTROL tags of the line engine: edit, password, mask and combo boxes,
// check boxes, radio buttons and push buttons drawn into the line as boxes,
// themed through the grid's theme library when a theme is in use, else in
// the classic look; the control under the point (or, when hit-testing, the
// one whose ID the caller names) is reported with its box and attributes.
#include <QPainter>
#include <algorithm>

#include "grid/draw/canvas_shapes.h"
#include "grid/draw/classic_frames.h"
#include "grid/draw/glyph_paint.h"
#include "grid/html/html_controls.h"
#include "grid/html/html_line_engine.h"
#include "grid/html/html_text_scan.h"
#include "grid/theme/theme_api.h"

namespace {

constexpr TColor kThemedBorder = 0xB99D7F;
constexpr TColor kClassicBorder = 0x808080;

// `value` takes the number only when the text is one.
bool Number(const QString& text, int& value) {
  bool ok = false;
  const int number = text.trimmed().toInt(&ok);
  if (ok) value = number;
  return ok;
}

// Draws a part through the theme library; false when no theme is in use.
bool Themed(TCanvas& canvas, const QObject* window, const char* class_name, int part, int state, const TRect& r) {
  if (!Themes_In_Use()) return false;
  Theme_Library& library = Zad_Theme_Library();
  HTHEME theme = library.OpenThemeData(window, QLatin1String(class_name));
  const bool drawn = theme && library.DrawThemeBackground(theme, canvas.Painter(), part, state, r.To_QRect(), window);
  library.CloseThemeData(theme);
  return drawn;
}

// The classic flat check box: a frame and, when checked, a tick.
void Classic_Check(TCanvas& canvas, const TRect& r, bool checked) {
  canvas.Brush = {clWindow, TBrushStyle::bsSolid};
  canvas.Fill_Rect(r);
  canvas.Brush.Color = clBtnShadow;
  canvas.Frame_Rect(r);
  if (!checked) return;
  canvas.Pen = {clWindowText, 1, TPenStyle::psSolid};
  const int x = r.Left + (r.Width() - 7) / 2, y = r.Top + (r.Height() - 7) / 2 + 2;
  for (int k = 0; k < 3; ++k) {
    canvas.Move_To(x, y + k);
    canvas.Line_To(x + 2, y + 2 + k);
    canvas.Line_To(x + 7, y - 3 + k);
  }
}

// The classic flat radio button: a ring and, when checked, a dot.
void Classic_Radio(TCanvas& canvas, const TRect& r, bool checked) {
  canvas.Pen = {clBtnShadow, 1, TPenStyle::psSolid};
  canvas.Brush = {clWindow, TBrushStyle::bsSolid};
  Canvas_Ellipse(canvas, r.Left, r.Top, r.Right, r.Bottom);
  if (!checked) return;
  canvas.Pen = {clWindowText, 1, TPenStyle::psSolid};
  canvas.Brush = {clWindowText, TBrushStyle::bsSolid};
  const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
  Canvas_Ellipse(canvas, cx - 2, cy - 2, cx + 3, cy + 3);
}

}  // namespace

void Html_Line_Engine::Control_Tag(const Tag& tag, Line_State& s) {
  Html_Flow& f = *s.Flow;
  const THtmlControlAttributes a = ReadHtmlControlAttributes(tag.Text.toString());
  int width = 0;
  if (!Number(a.Width, width)) return;  // a control without WIDTH is ignored
  int control_height = 25;
  Number(a.Height, control_height);
  const bool small = a.Type == QLatin1String("CHECK") || a.Type == QLatin1String("RADIO");
  int line_height = small ? 16 : 23;
  if (control_height > 25) line_height = control_height - 2;
  int box_width = width;
  int box_height = Gh_Height(f.Font) + 10;
  if (a.Type == QLatin1String("BUTTON") || a.Type == QLatin1String("COMBO")) box_height = 25;
  if (small) box_width = box_height = 16;
  // The first pass decides whether the box fits on this line.
  if (s.First && box_width > rect_.Right - s.Line.Left - s.X_Offset && box_width <= rect_.Right - s.Line.Left) {
    s.No_Fit = true;
    return;
  }
  s.Height = std::max(s.Height, line_height);

  const int x = s.X;
  const int top = s.Line.Top;
  if (!s.First) {
    const bool over = p_.XPos > x && p_.XPos < x + box_width && p_.YPos > top && p_.YPos < top + box_height;
    if (over || (p_.HitTestOnly && !a.ID.isEmpty() && a.ID == p_.ControlID)) {
      s.Hit.Object = true;
      r_.AnchorValue = QStringLiteral("ctrl");
      hit_picture_ = f.Image_Counter;
      const int left = s.Line.Left + s.X_Offset;
      r_.ControlRect = Screen({left, top, left + box_width, top + box_height});
      r_.ControlValue = a.Value;
      r_.ControlID = a.ID;
      r_.ControlType = a.Type;
    }
    if (s.Draws) Draw_Control(a, width, control_height, box_width, box_height, s);
  }
  Place_Object(box_width, box_height, s);
}

void Html_Line_Engine::Draw_Control(const THtmlControlAttributes& a, int width, int control_height, int box_width,
                                    int box_height, Line_State& s) {
  const Html_Flow& f = *s.Flow;
  const int x = s.X;
  const int bottom = Text_Bottom(s);
  const int line_height = s.Metrics->Height;
  const QObject* window = p_.WindowHandle;
  const TCanvas::Pen_State pen = canvas_.Pen;
  const TColor border = Themes_In_Use() ? kThemedBorder : kClassicBorder;
  const bool hot =
      p_.XPos > x - 2 && p_.XPos < x - 2 + box_width && p_.YPos > bottom - box_height - 2 && p_.YPos < bottom - 2;
  auto text_in = [&](const QString& text, const TRect& area, unsigned align) {
    canvas_.Font = f.Font;
    canvas_.Font_Color = f.Font_Color;
    canvas_.Brush = {clNone, TBrushStyle::bsClear};
    TRect r = Screen(area);
    canvas_.Draw_Text(text, r, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  };
  auto edit_box = [&] {
    canvas_.Pen = {border, 1, TPenStyle::psSolid};
    canvas_.Brush = {clWhite, TBrushStyle::bsSolid};
    canvas_.Rectangle(Screen({x, bottom - line_height + 4, x + width, bottom + 2}));
  };
  const QString& type = a.Type;
  if (type == QLatin1String("EDIT") || type == QLatin1String("PASSWORD") || type == QLatin1String("MASK")) {
    edit_box();
    const QString shown = type == QLatin1String("PASSWORD") ? PasswordMask(a.Value) : a.Value;
    text_in(shown, {x + 2, bottom - line_height + 4, x + width, bottom}, DT_LEFT);
  } else if (type == QLatin1String("COMBO")) {
    edit_box();
    text_in(a.Value, {x + 4, bottom - line_height + 4, x + width - 18, bottom}, DT_LEFT);
    const TRect button = Screen({x + width - 18, bottom - line_height + 5, x + width - 1, bottom + 1});
    if (!Themed(canvas_, window, kThemeComboBox, CP_DROPDOWNBUTTON, hot ? CBXS_HOT : CBXS_NORMAL, button)) {
      Draw_Classic_Button(canvas_, button, false, false);
      DrawSmallDownArrow(canvas_, (button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2 - 1, clBtnText);
    }
  } else if (type == QLatin1String("CHECK") || type == QLatin1String("RADIO")) {
    const bool checked = a.Value.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
    if (type == QLatin1String("CHECK")) {
      const TRect glyph = Screen({x + 2, bottom - 15, x + 15, bottom});
      if (!Themed(canvas_, window, kThemeButton, BP_CHECKBOX, checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL, glyph))
        Classic_Check(canvas_, glyph, checked);
    } else {
      const TRect glyph = Screen({x + 2, bottom - 14, x + 14, bottom});
      if (!Themed(canvas_, window, kThemeButton, BP_RADIOBUTTON, checked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL,
                  glyph))
        Classic_Radio(canvas_, glyph, checked);
    }
  } else if (type == QLatin1String("BUTTON")) {
    const TRect face{x + 2, bottom - control_height, x + width - 2, bottom};
    const int state = p_.MouseDown ? PBS_PRESSED : hot ? PBS_HOT : PBS_NORMAL;
    if (!Themed(canvas_, window, kThemeButton, BP_PUSHBUTTON, state, Screen(face)))
      Draw_Classic_Button(canvas_, Screen(face), hot && p_.MouseDown, false);
    text_in(a.Value, face.Inflate(-2, -2), DT_CENTER);
  }
  canvas_.Pen = pen;
}
