#pragma once
#include "controls/canvas.h"
#include "controls/tcolor.h"
#include "controls/trect.h"

// Banded gradients and gradient frames. Each sets the canvas pen and brush it
// needs and leaves them so.

// Fills rect from fromColor to toColor in steps + 1 bands, left to right when
// `horizontal`, else top to bottom. The steps are limited to the pixels
// available; with either colour clNone the rectangle is filled with the other.
void DrawGradient(TCanvas& canvas, TColor fromColor, TColor toColor, bool horizontal, TRect rect, int steps);

// A 128-step gradient, or two of them split at the middle when mirrorFrom is
// set (the second from mirrorFrom to mirrorTo), banded along the height when
// `vertical`; then a border (or only the two side lines) unless borderColor is
// clNone.
void DrawMirrorGradient(TCanvas& canvas, const TRect& rect, TColor fromColor, TColor toColor, TColor mirrorFrom,
                        TColor mirrorTo, bool vertical, bool fill, TColor borderColor, bool sideLinesOnly);

// Which ends of a rounded gradient frame are drawn rounded.
enum Frame_Sides { kFrameBothEnds = 0, kFrameLeftEnd = 1, kFrameRightEnd = 2, kFrameNoEnds = 3 };

// The face of drop-down and grid buttons and of selected cells: a gradient
// (optionally mirrored in its lower half) inside an outer line, an inner light
// line in two colours, and soft corners at the rounded ends.
void DrawRoundedGradientFrame(TCanvas& canvas, const TRect& rect, TColor fillFrom, TColor fillTo, TColor mirrorFrom,
                              TColor mirrorTo, TColor outerColor, TColor innerTopColor, TColor innerBottomColor,
                              TColor cornerColor, TColor outerCornerColor, int sides);

void FillRectWithColor(TCanvas& canvas, const TRect& rect, TColor color);
