#pragma once
// The spectrum panel's pictures, made in code: the 128 x 128 spectrum and
// the eyedropper cursor's image.
#include <QImage>
#include <QPoint>

// Hue left to right through the colour circle (red at both edges), white in
// the top row, the full hues in rows 57 to 70, darkening to black in the
// bottom row.
QImage Make_Spectrum_Picture();

// A 32 x 32 eyedropper pointing to the lower left, black with a white edge
// on transparent.
QImage Make_Eyedropper_Image();
// Its tip.
constexpr QPoint kEyedropperHotSpot{1, 30};
