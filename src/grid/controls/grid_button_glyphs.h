#pragma once
// The pictures a grid button derives from its glyph. A glyph's see-through
// colour is the colour of its bottom-left pixel.
#include <QImage>

// Every pixel (R, G, B) becomes the grey ((R + G + B) / 3) / 2 + 96: a pale
// grey picture for the disabled button.
QImage Disabled_Glyph(const QImage& glyph);

// The glyph's shape (every pixel not of the see-through colour) in $808080
// on the see-through colour, drawn behind the glyph of a hot button.
QImage Shade_Glyph(const QImage& glyph);

// The glyph ready for drawing: its see-through colour made transparent.
QImage Transparent_Glyph(const QImage& glyph);
