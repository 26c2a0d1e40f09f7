#pragma once
// The flat check box and radio button pictures of the Metro tone look
// (16 x 16, see-through around the shape): a thin square or circle in dark
// grey, with a tick or a dot when checked.
#include <QImage>

const QImage& Metro_Check_Glyph(bool Checked);
const QImage& Metro_Radio_Glyph(bool Checked);
