#pragma once
// The border the line-edit based editors draw themselves: their edit has no
// frame of its own, so a single border is painted over its edges.
#include "controls/editor_logic/edit_layout.h"

class QWidget;

// Paints the sunken 3D edge around `edit` when `style` is bsSingle; nothing
// for bsNone. Call after the edit has painted its text.
void Paint_Edit_Border(QWidget* edit, TBorderStyle style);
