#pragma once
#include "controls/canvas.h"
#include "controls/trect.h"
#include "grid/theme/style_if.h"

class QObject;

// Looks and states of the button glyphs.
enum Glyph_Look { kLookThemed = 0, kLookClassic = 1, kLookFlat = 2, kLookTones = 3 };
enum Glyph_State { kStateNormal = 0, kStateHot = 1, kStateDown = 2, kStateDisabled = 3 };

// The tone a state paints with: normal Background, hot Hover, down Selected,
// disabled Disabled.
const TColorTone& Tone_For_State(const TColorTones& tones, int state);

// The themed look draws through the theme library for `window` and falls back
// to the classic look while no theme is in use.

// A push-button face without caption.
void DrawPushButton(TCanvas& canvas, const QObject* window, const TRect& rect, const TColorTones& tones, int state,
                    int look);

// The drop-down button at the right end of rect (17 pixels wide).
void DrawComboButton(TCanvas& canvas, const QObject* window, const TRect& rect, const TColorTones& tones, int state,
                     int look);

// Up and down buttons at the right end of rect (15 pixels wide).
void DrawSpinButtons(TCanvas& canvas, const QObject* window, const TRect& rect, const TColorTones& tones, int state,
                     int look);

// A small filled triangle pointing down, its top edge at y.
void DrawSmallDownArrow(TCanvas& canvas, int x, int y, TColor color);
