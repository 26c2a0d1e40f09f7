#pragma once
// The drop-down button the flat date-time pickers paint in their Metro look.
#include "controls/editor_logic/flat_border.h"
#include "controls/trect.h"

class QWidget;
class TCanvas;

// Paints the Metro button at `button` on `picker`: with a button colour set,
// the custom-coloured button filled over `fill` (the triangle keeps its place
// from `button`); otherwise the platform's combo button, themed when the theme
// can draw it, else the classic flat scroll-bar button. `hover`: the mouse is
// over the button; `down`: pressed with the mouse over it.
void Paint_Metro_Drop_Button(TCanvas& Canvas, QWidget* picker, const TRect& button, const TRect& fill,
                             const Drop_Button_Colors& colors, bool hover, bool down, bool dropped_down);
