#include "dropdowns/base/drop_down_colors.h"

#include <algorithm>

#include "dropdowns/base/rounding.h"

TColor Mix_Colors(TColor A, TColor B, int Percent) {
  if (Percent >= 100) return A;
  if (Percent <= 0) return B;
  const TColor a = Color_To_RGB(A), b = Color_To_RGB(B);
  auto mix = [Percent](int ca, int cb) {
    return static_cast<int>(Div_Round_Even(int64_t{Percent} * ca + int64_t{100 - Percent} * cb, 100));
  };
  return RGB(mix(Get_R(a), Get_R(b)), mix(Get_G(a), Get_G(b)), mix(Get_B(a), Get_B(b)));
}

namespace {

int Shade_Channel(int c, int percent) {
  const int64_t value =
      c == 0 ? std::max(0, percent) : Div_Round_Even(int64_t{c} * std::min<int64_t>(100, int64_t{percent} + 100), 100);
  // Cutting to the low byte would turn 300 % of black into $2C and a deep
  // darkening into a bright channel; clamping keeps the intent.
  return static_cast<int>(std::clamp<int64_t>(value, 0, 255));
}

}  // namespace

TColor Shade_Color(TColor Color, int RedPercent, int GreenPercent, int BluePercent) {
  const TColor c = Color_To_RGB(Color);
  return RGB(Shade_Channel(Get_R(c), RedPercent), Shade_Channel(Get_G(c), GreenPercent),
             Shade_Channel(Get_B(c), BluePercent));
}
