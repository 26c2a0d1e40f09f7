#pragma once
#include <cstdint>

// Numerator / Denominator (Denominator > 0) rounded to the nearest integer,
// halves going to the even neighbour. Exact where a double product such as
// 0.9 * 225 would land beside the half.
constexpr int64_t Div_Round_Even(int64_t Numerator, int64_t Denominator) {
  int64_t q = Numerator / Denominator, r = Numerator % Denominator;
  if (r < 0) {
    q -= 1;
    r += Denominator;
  }
  if (2 * r > Denominator || (2 * r == Denominator && (q & 1) != 0)) ++q;
  return q;
}
