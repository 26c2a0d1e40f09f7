#pragma once
#include <QFont>
#include <QImage>
#include <QString>

#include "controls/alignment.h"
#include "controls/canvas.h"
#include "controls/tcolor.h"
#include "controls/zb_button_types.h"

// What one paint of a styled button's face depends on.
struct Zb_Face {
  int HotTrackStep = 0;  // 0 plain .. 8 full hot colour
  int NumGlyphs = 0;
  QImage Glyph;  // frames side by side: normal, disabled, pressed, hot
  bool Pressed = false;
  bool Hot = false;  // mouse over or focused
  bool Enabled = true;
  bool Flat = false;
  bool WordWrap = false;
  bool Has_Popup = false;
  TZbButtonStyle Style = bsNormal;
  TColor Color = clBtnFace;
  TColor ColorWhenDown = clNone;
  TColor HotTrackColor = clNone;
  TColor LightColor = 0xFFFFFF;
  TColor ShadowColor = 0x808080;
  QFont Font;
  TColor Font_Color = clBtnText;
  TZbButtonLayout Layout = blGlyphLeft;
  QString Caption;
  TAlignment Alignment = taCenter;
};

// Face, edges, caption, glyph and pop-up arrow of a W x H button. Pixels the
// style leaves see-through ($FF00FF in the classic bitmap) stay untouched, so
// the canvas should start transparent.
void DrawZbButtonFace(TCanvas& canvas, int W, int H, const Zb_Face& face);

// 32 horizontal bands from Top to Bottom, From to To per channel.
void DrawZbGradient(TCanvas& canvas, TColor FromColor, TColor ToColor, int Left, int Top, int Right, int Bottom);

// The face colour on the way from Color (step 0) to HotTrackColor (step 8).
TColor BlendHotTrackColor(TColor Color, TColor HotTrackColor, int HotTrackStep);

// Draws the frame at FrameX of a glyph strip at (X, Y), leaving out the pixels
// of the frame's bottom-left colour.
void DrawTransparentGlyph(TCanvas& canvas, const QImage& strip, int X, int Y, int FrameX, int FrameHeight,
                          int FrameWidth);

// The glyph frame a face in this state shows (0 when the strip lacks it).
int Zb_Glyph_Frame(const Zb_Face& face);

struct Zb_Color_Preset {
  TColor Color;
  TColor Font_Color;
  TColor LightColor;
  TColor ShadowColor;
  TColor ColorWhenDown;
  TColor HotTrackColor;
  bool Flat;
  TZbButtonStyle Style;
};

// The colours of a preset; lcsCustom answers the lcsDefault look.
Zb_Color_Preset GetZbColorStylePreset(TZbColorStyle style);
