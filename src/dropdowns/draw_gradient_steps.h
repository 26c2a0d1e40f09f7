#pragma once
#include "controls/canvas.h"
#include "controls/tcolor.h"
#include "controls/trect.h"

// Fills R from FromColor to ToColor in Steps bands, left to right when
// Horizontal, else top to bottom. The grid's painters call it with 128 steps
// for background gradients. Steps below 1 count as 1; a clNone colour fills R
// with the other one.
void Draw_Gradient_Steps(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& R, int Steps);
