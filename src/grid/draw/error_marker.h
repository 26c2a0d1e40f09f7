#pragma once
#include <QString>

#include "controls/canvas.h"
#include "controls/trect.h"

// The red zigzag under `length` characters of `text` from character `start`
// (0-based), the text laid out on one line in the canvas font from rect's
// left edge as a single-line edit shows it. Past the end of the text the
// marker starts (or ends) 4 pixels after the last character. yOffset moves it
// down, usually by the text height.
void DrawErrorMarker(TCanvas& canvas, const QString& text, int length, int start, int yOffset, const TRect& rect);
