#pragma once
#include "controls/canvas.h"

// Fills `r` in `steps` bands from FromColor to ToColor, top to bottom or, when
// horizontal, left to right. Each band reaches one pixel into the next so no
// gap shows where the band size is fractional. Steps 0 counts as 1.
void DrawGradient(TCanvas& canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& r, int Steps);
