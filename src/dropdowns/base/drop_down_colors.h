#pragma once
#include "controls/tcolor.h"

// Colour arithmetic of the drop-downs. System colours are resolved first.

// Percent of A blended with the rest of B; 100 or more gives A, 0 or less B.
TColor Mix_Colors(TColor A, TColor B, int Percent);

// Each channel by its own percentage: a zero channel becomes the percentage,
// a non-zero one is scaled by (100 + percentage) / 100, never above itself.
// Results are kept within 0..255.
TColor Shade_Color(TColor Color, int RedPercent, int GreenPercent, int BluePercent);
