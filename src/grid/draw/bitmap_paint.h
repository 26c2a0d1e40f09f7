#pragma once
#include <QImage>
#include <QString>

#include "controls/canvas.h"
#include "controls/tcolor.h"
#include "controls/trect.h"

// Draws `bitmap` at rect's top-left in its own size, its pixel (0, 0) colour
// replaced by `background` (the resource bitmaps use that pixel as their
// transparent colour).
void DrawBitmapTransparent(TCanvas& canvas, const QImage& bitmap, TColor background, const TRect& rect);

// The same for the bitmap resource of that name (":/<name>", ":/<name>.bmp"
// or ":/<name>.png"); nothing when there is none.
void DrawResourceBitmap(TCanvas& canvas, TColor background, const TRect& rect, const QString& resourceName);
