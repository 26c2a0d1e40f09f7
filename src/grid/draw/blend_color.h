#pragma once
#include "controls/tcolor.h"

// Mixes two colours channel by channel: Percent of Color1 and the rest of
// Color2, each channel rounded and kept to 255. 100 or more gives Color1,
// below 1 gives Color2; a clNone colour gives the other one. System colours
// are resolved to their plain value before mixing.
TColor BlendColor(TColor Color1, TColor Color2, int Percent);

// BlendColor when Blend, else Color1.
TColor BlendColorIf(TColor Color1, TColor Color2, bool Blend, int Percent);
