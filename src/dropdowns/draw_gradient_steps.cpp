#include "dropdowns/draw_gradient_steps.h"

#include <algorithm>

void Draw_Gradient_Steps(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& R,
                         int Steps) {
  if (R.Is_Empty()) return;
  if (FromColor == clNone) FromColor = ToColor;
  if (ToColor == clNone) ToColor = FromColor;
  if (FromColor == clNone) return;
  const TColor from = Color_To_RGB(FromColor), to = Color_To_RGB(ToColor);
  const int length = Horizontal ? R.Width() : R.Height();
  // More bands than pixels would only paint the same lines again.
  const int steps = std::clamp(Steps, 1, std::max(1, length));
  Canvas.Brush.Style = TBrushStyle::bsSolid;
  for (int i = 0; i < steps; ++i) {
    const int start = length * i / steps, end = length * (i + 1) / steps;
    if (end <= start) continue;
    auto channel = [&](int a, int b) { return a + (b - a) * i / std::max(1, steps - 1); };
    Canvas.Brush.Color =
        RGB(channel(Get_R(from), Get_R(to)), channel(Get_G(from), Get_G(to)), channel(Get_B(from), Get_B(to)));
    Canvas.Fill_Rect(Horizontal ? TRect{R.Left + start, R.Top, R.Left + end, R.Bottom}
                                : TRect{R.Left, R.Top + start, R.Right, R.Top + end});
  }
  Canvas.Pen.Color = Canvas.Brush.Color;
}
