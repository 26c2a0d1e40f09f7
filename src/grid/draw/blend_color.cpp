#include "grid/draw/blend_color.h"

#include <algorithm>
#include <cmath>

TColor BlendColor(TColor Color1, TColor Color2, int Percent) {
  if (Percent >= 100) return Color1;
  if (Percent < 1 || Color1 == clNone) return Color2;
  if (Color2 == clNone) return Color1;
  // A system colour's index is no colour to mix: take what it shows.
  const TColor c1 = Color_To_RGB(Color1), c2 = Color_To_RGB(Color2);
  const double p = Percent / 100.0;
  auto mix = [p](int a, int b) { return std::min(255, int(std::lround(p * a + (1 - p) * b))); };
  return RGB(mix(Get_R(c1), Get_R(c2)), mix(Get_G(c1), Get_G(c2)), mix(Get_B(c1), Get_B(c2)));
}

TColor BlendColorIf(TColor Color1, TColor Color2, bool Blend, int Percent) {
  return Blend ? BlendColor(Color1, Color2, Percent) : Color1;
}
