#include "controls/draw_gradient.h"

#include <cmath>

void DrawGradient(TCanvas& canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& r, int Steps) {
  if (Steps <= 0) Steps = 1;
  const TColor from = Color_To_RGB(FromColor);
  const TColor to = Color_To_RGB(ToColor);
  const double d = (Horizontal ? r.Width() : r.Height()) / static_cast<double>(Steps);
  // Ties round to even, as the stored looks were drawn.
  auto round = [](double v) { return static_cast<int>(std::nearbyint(v)); };
  const TCanvas::Pen_State pen = canvas.Pen;
  const TCanvas::Brush_State brush = canvas.Brush;
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Pen.Width = 1;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  for (int i = 0; i < Steps; ++i) {
    const TColor c = RGB(Get_R(from) + round(i * (Get_R(to) - Get_R(from)) / static_cast<double>(Steps)),
                         Get_G(from) + round(i * (Get_G(to) - Get_G(from)) / static_cast<double>(Steps)),
                         Get_B(from) + round(i * (Get_B(to) - Get_B(from)) / static_cast<double>(Steps)));
    canvas.Pen.Color = c;
    canvas.Brush.Color = c;
    const int a = round(i * d);
    const int b = round(d);
    if (Horizontal)
      canvas.Rectangle(r.Left + a, r.Top, r.Left + a + b + 1, r.Bottom);
    else
      canvas.Rectangle(r.Left, r.Top + a, r.Right, r.Top + a + b + 1);
  }
  canvas.Pen = pen;
  canvas.Brush = brush;
}
