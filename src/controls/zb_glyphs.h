#pragma once
#include <QImage>

#include "controls/zb_button_types.h"

// The preset kinds' glyph strips (normal and disabled frame side by side,
// 18 x 18 each, 18 x 19 for bkAll), drawn on a $FF00FF background that the
// button leaves out. Empty for bkCustom.
QImage Zb_Kind_Glyph(TZbButtonKind kind);

// The 5 x 3 arrow a button with a pop-up menu shows.
QImage Zb_Arrow_Glyph();
