#include "dropdowns/timepicker/watch_motion.h"

#include <algorithm>
#include <cstdlib>

#include "dropdowns/base/rounding.h"

namespace {

bool Within_One(int Value, int Target) { return Target - 1 < Value && Value < Target + 1; }

}  // namespace

Hand_Step Step_Hour_Toward(int Hour, int Target, int Factor) {
  Factor = std::max(Factor, 1);
  if (Within_One(Hour, Target)) return {Target, true};
  const int step = std::max<int>(static_cast<int>(Div_Round_Even(std::abs(Target - Hour), Factor)), 1);
  return {Hour < Target ? Hour + step : Hour - step, false};
}

Hand_Step Step_Minute_Toward(int Minute, int Target, int Factor) {
  Factor = std::max(Factor, 1);
  if (Within_One(Minute, Target)) return {Target, true};
  const bool through_twelve = Target == 0 && Minute > 30;
  const int distance = through_twelve ? 60 - Minute : std::abs(Target - Minute);
  const int step = std::max<int>(static_cast<int>(Div_Round_Even(distance, Factor)), 1);
  int m = Minute < Target || through_twelve ? Minute + step : Minute - step;
  if (m >= 60) m = 0;
  return {m, false};
}
