#pragma once
#include "controls/tcolor.h"

// Colour arithmetic of the painters. System colours are resolved to their
// plain value first; red is the low byte.

// Each channel halved.
TColor HalveColor(TColor color);

// Each channel changed by `percent` of itself and kept to 0..255 (a
// brightening never wraps round into a dark colour).
TColor ChangeColorPercent(TColor color, int percent);

// The colour at `position` (counted from 0) of a run from colorA over
// rangeStart..rangeEnd to colorB. colorB = clNone gives colorA, and so does an
// empty range.
TColor InterpolateColor(TColor colorA, TColor colorB, int rangeStart, int position, int rangeEnd);
