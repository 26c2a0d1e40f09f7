#include "grid/draw/glyph_paint.h"

#include "grid/draw/canvas_shapes.h"
#include "grid/draw/classic_frames.h"
#include "grid/theme/theme_api.h"

namespace {

// Draws one themed part; false when no theme is in use, so the caller draws
// the classic look instead.
bool Themed_Part(TCanvas& canvas, const QObject* window, const char* class_name, int part, int state,
                 const TRect& rect) {
  const Theme_Library& library = Zad_Theme_Library();
  if (!Themes_In_Use(library)) return false;
  HTHEME theme = library.OpenThemeData(window, QString::fromLatin1(class_name));
  const bool drawn = library.DrawThemeBackground(theme, canvas.Painter(), part, state, rect.To_QRect(), window);
  library.CloseThemeData(theme);
  return drawn;
}

void Filled_Triangle(TCanvas& canvas, QPoint a, QPoint b, QPoint c, TColor color) {
  canvas.Pen.Color = color;
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Pen.Width = 1;
  canvas.Brush.Color = color;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  Canvas_Polygon(canvas, QPolygon({a, b, c}));
}

void Tone_Rectangle(TCanvas& canvas, const TRect& r, const TColorTone& tone) {
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Pen.Width = 1;
  canvas.Pen.Color = tone.BorderColor == clNone ? tone.BrushColor : tone.BorderColor;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Brush.Color = tone.BrushColor;
  canvas.Rectangle(r);
}

}  // namespace

const TColorTone& Tone_For_State(const TColorTones& tones, int state) {
  switch (state) {
    case kStateHot:
      return tones.Hover;
    case kStateDown:
      return tones.Selected;
    case kStateDisabled:
      return tones.Disabled;
    default:
      return tones.Background;
  }
}

void DrawPushButton(TCanvas& canvas, const QObject* window, const TRect& rect, const TColorTones& tones, int state,
                    int look) {
  if (look == kLookTones) {
    Tone_Rectangle(canvas, rect, Tone_For_State(tones, state));
    return;
  }
  if (look == kLookThemed) {
    static const int kStates[] = {PBS_NORMAL, PBS_HOT, PBS_PRESSED, PBS_DISABLED};
    const int themed_state = state >= 0 && state <= 3 ? kStates[state] : PBS_NORMAL;
    if (Themed_Part(canvas, window, kThemeButton, BP_PUSHBUTTON, themed_state, rect)) return;
  }
  Draw_Classic_Button(canvas, rect, state == kStateDown, look == kLookFlat);
}

void DrawComboButton(TCanvas& canvas, const QObject* window, const TRect& rect, const TColorTones& tones, int state,
                     int look) {
  const TRect area{rect.Right - 17 - 2, rect.Top + 1, rect.Right - 2, rect.Bottom - 1};
  if (look == kLookTones) {
    const TRect r{area.Left + 3, area.Top, area.Right, area.Bottom};
    const TColorTone& tone = Tone_For_State(tones, state);
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = tone.BrushColor;
    canvas.Fill_Rect(r);
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Pen.Width = 1;
    canvas.Pen.Color = tones.Background.BorderColor;
    canvas.Move_To(r.Left + 1, r.Top);
    canvas.Line_To(r.Left + 1, r.Bottom);
    Filled_Triangle(canvas, {r.Left + 5, r.Top + 8}, {r.Left + 11, r.Top + 8}, {r.Left + 8, r.Top + 11},
                    tones.Background.TextColor);
    return;
  }
  if (look == kLookThemed && Themed_Part(canvas, window, kThemeComboBox, CP_DROPDOWNBUTTON,
                                         state == kStateDisabled ? CBXS_DISABLED : CBXS_NORMAL, area))
    return;
  Draw_Classic_Scroll_Button(canvas, area, Classic_Arrow::Down, false, look == kLookFlat, state == kStateDisabled);
}

void DrawSpinButtons(TCanvas& canvas, const QObject* window, const TRect& rect, const TColorTones& tones, int state,
                     int look) {
  const TRect area{rect.Right - 15 - 1, rect.Top - 1, rect.Right - 1, rect.Bottom - 1};
  const int middle = area.Top + area.Height() / 2;
  const TRect up{area.Left, area.Top, area.Right, middle};
  const TRect down{area.Left, middle + 1, area.Right, area.Bottom};
  if (look == kLookTones) {
    const TColorTone& tone = Tone_For_State(tones, state);
    Tone_Rectangle(canvas, up, tone);
    Tone_Rectangle(canvas, down, tone);
    Filled_Triangle(canvas, {up.Left + 5, up.Top + 5}, {up.Left + 9, up.Top + 5}, {up.Left + 7, up.Top + 3}, clBlack);
    Filled_Triangle(canvas, {down.Left + 5, down.Top + 1}, {down.Left + 9, down.Top + 1}, {down.Left + 7, down.Top + 3},
                    clBlack);
    return;
  }
  if (look == kLookThemed) {
    const bool disabled = state == kStateDisabled;
    const bool up_drawn = Themed_Part(canvas, window, kThemeSpin, SPNP_UP, disabled ? UPS_DISABLED : UPS_NORMAL, up);
    const bool down_drawn =
        Themed_Part(canvas, window, kThemeSpin, SPNP_DOWN, disabled ? DNS_DISABLED : DNS_NORMAL, down);
    if (up_drawn && down_drawn) return;
  }
  const bool flat = look == kLookFlat;
  Draw_Classic_Scroll_Button(canvas, up, Classic_Arrow::Up, false, flat, state == kStateDisabled);
  Draw_Classic_Scroll_Button(canvas, down, Classic_Arrow::Down, false, flat, state == kStateDisabled);
}

void DrawSmallDownArrow(TCanvas& canvas, int x, int y, TColor color) {
  Filled_Triangle(canvas, {x - 3, y}, {x + 3, y}, {x, y + 3}, color);
}
