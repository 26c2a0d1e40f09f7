#include "dropdowns/base/draw_gradient_steps.h"

#include "dropdowns/base/rounding.h"

void Draw_Gradient_Steps(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                         bool Horizontal) {
  if (FromColor == clNone) FromColor = ToColor;
  if (ToColor == clNone) ToColor = FromColor;
  if (FromColor == clNone) return;
  // The bands are laid over one pixel less than R; the overlap of the last
  // band's outline fills that pixel again.
  TRect area = R;
  if (Horizontal)
    area.Right -= 1;
  else
    area.Bottom -= 1;
  const int steps = Steps < 1 ? 1 : Steps;
  const TColor from = Color_To_RGB(FromColor), to = Color_To_RGB(ToColor);
  const int dr = Get_R(to) - Get_R(from), dg = Get_G(to) - Get_G(from), db = Get_B(to) - Get_B(from);
  const int length = Horizontal ? area.Width() : area.Height();
  const int band = static_cast<int>(Div_Round_Even(length, steps));
  Canvas.Pen.Style = TPenStyle::psSolid;
  Canvas.Pen.Width = 1;
  Canvas.Brush.Style = TBrushStyle::bsSolid;
  for (int i = 0; i < steps; ++i) {
    const TColor c = RGB(Get_R(from) + static_cast<int>(Div_Round_Even(int64_t{i} * dr, steps)),
                         Get_G(from) + static_cast<int>(Div_Round_Even(int64_t{i} * dg, steps)),
                         Get_B(from) + static_cast<int>(Div_Round_Even(int64_t{i} * db, steps)));
    Canvas.Pen.Color = c;
    Canvas.Brush.Color = c;
    const int offset = static_cast<int>(Div_Round_Even(int64_t{i} * length, steps));
    if (Horizontal)
      Canvas.Rectangle(area.Left + offset, area.Top, area.Left + offset + band + 1, area.Bottom);
    else
      Canvas.Rectangle(area.Left, area.Top + offset, area.Right, area.Top + offset + band + 1);
  }
}
