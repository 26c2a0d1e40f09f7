#pragma once
#include "controls/canvas.h"
#include "controls/trect.h"

// The desktop's classic frame controls, drawn in the system's 3D colours:
// the look of buttons and scroll arrows when no theme is in use.

// A push-button face: raised, or sunken when pushed; `flat` draws a single
// shadow-coloured frame instead of the 3D edges.
void Draw_Classic_Button(TCanvas& canvas, const TRect& rect, bool pushed, bool flat);

enum class Classic_Arrow { Up, Down };

// A scroll-arrow button; the arrow is greyed when `inactive`.
void Draw_Classic_Scroll_Button(TCanvas& canvas, const TRect& rect, Classic_Arrow arrow, bool pushed, bool flat,
                                bool inactive);
