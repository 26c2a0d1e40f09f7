#pragma once
#include <QString>

#include "controls/canvas.h"
#include "controls/trect.h"

// The red zigzag under `length` characters of `text` from character `start`
// (0-based), the text laid out on one line in the canvas font from rect's
// left edge as a single-line edit shows it. Past the end of the text the
// marker starts (or ends) 4 pixels after the last character. yOffset moves it
// down, usually by the text height.
// The margin a single-line edit leaves before its first character; a caller
// whose text starts at x passes a rect starting this much further left.
inline constexpr int kErrorMarkerEditMargin = 2;

void DrawErrorMarker(TCanvas& canvas, const QString& text, int length, int start, int yOffset, const TRect& rect);
