#pragma once
#include "controls/canvas.h"
#include "controls/tcolor.h"
#include "controls/trect.h"

// Paints R in Steps bands from FromColor towards ToColor, left to right when
// Horizontal, else top to bottom. The last band stops one step short of
// ToColor, and each band reaches one pixel into the next. Steps below 1 count
// as 1 (one band of FromColor over exactly R). A clNone colour takes the
// other one; two clNone colours paint nothing. Leaves a solid one-pixel pen
// and a solid brush in the last band's colour.
void Draw_Gradient_Steps(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R, bool Horizontal);
