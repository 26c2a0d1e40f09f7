#include "grid/draw/color_math.h"

#include <algorithm>

#include "grid/draw/paint_round.h"

namespace {

int Clamp_Channel(double v) { return std::clamp(Round_Even(v), 0, 255); }

}  // namespace

TColor HalveColor(TColor color) {
  const TColor c = Color_To_RGB(color);
  return RGB(Get_R(c) >> 1, Get_G(c) >> 1, Get_B(c) >> 1);
}

TColor ChangeColorPercent(TColor color, int percent) {
  const TColor c = Color_To_RGB(color);
  auto change = [percent](int channel) { return Clamp_Channel(channel + channel * percent / 100.0); };
  return RGB(change(Get_R(c)), change(Get_G(c)), change(Get_B(c)));
}

TColor InterpolateColor(TColor colorA, TColor colorB, int rangeStart, int position, int rangeEnd) {
  if (colorB == clNone || rangeEnd == rangeStart) return colorA;
  const TColor a = Color_To_RGB(colorA);
  const TColor b = Color_To_RGB(colorB);
  const double span = static_cast<double>(rangeEnd) - rangeStart;
  auto mix = [&](int ca, int cb) { return Clamp_Channel(ca + (cb - ca) / span * position); };
  return RGB(mix(Get_R(a), Get_R(b)), mix(Get_G(a), Get_G(b)), mix(Get_B(a), Get_B(b)));
}
