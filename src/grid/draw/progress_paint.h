#pragma once
#include <QFont>
#include <QString>

#include "controls/canvas.h"
#include "controls/tcolor.h"
#include "controls/trect.h"

// Progress bars, pies and value bars of progress and level cells.

// The look of a level bar, filled by the caller from the grid's progress
// appearance settings.
struct TProgressLook {
  TColor Level0Color = clLime;
  TColor Level0ColorTo = clNone;
  TColor Level1Color = clYellow;
  TColor Level1ColorTo = clNone;
  TColor Level2Color = 0x00A5FF;
  TColor Level2ColorTo = clNone;
  TColor Level3Color = clRed;
  TColor Level3ColorTo = clNone;
  int Level1Perc = 70;
  int Level2Perc = 90;
  TColor BorderColor = clBlack;
  bool ShowBorder = false;
  bool Stacked = false;
  bool ShowPercentage = true;
  QFont Font;
  TColor TextColor = clBlack;
  bool CompletionSmooth = true;
  bool ShowGradient = true;
  int Steps = 8;
  TColor BackgroundColor = clWhite;
  bool Vertical = false;
};

// Formats one number by a user-given format such as "%d" or "%.1f %%". One
// conversion (d, i, u, x, X, e, E, f, g, G) takes the number; "%%" is a
// percent sign; anything else, including further or unknown conversions, is
// copied as written, so no format text can read beyond its one argument.
QString Format_Progress_Value(const QString& format, double value, bool as_integer);

// A bar from min to max at value with its text, the text changing colour
// where the complete part ends; then a frame in borderColor and, one pixel
// further out, a frame in the brush colour found on entry. With max = min the
// bar stands at 0 %.
void DrawProgressBar(TCanvas& canvas, TRect rect, TColor completeColor, bool printing, TColor borderColor,
                     const QString& format, double max, double min, int marginY, int marginX, double value,
                     TColor incompleteTextColor, TColor incompleteColor, TColor completeTextColor);

// A grey circle with the sector of `percent` filled in `color`, clockwise
// from the top.
void DrawProgressPie(TCanvas& canvas, const TRect& rect, TColor color, bool printing, int percent);

// A bar from the horizontal centre, right for positive values, left for
// negative ones, scaled to max. Nothing for max 0. With showValue the value
// is written centred over the bar in the canvas font colour.
void DrawCenteredBar(TCanvas& canvas, const TRect& rect, int value, TColor positiveColor, TColor negativeColor,
                     bool showValue, int max);

// A level bar in the colours of its level, stacked, smooth or in blocks.
void DrawLevelProgressBar(TCanvas& canvas, const TRect& rect, int percent, const TProgressLook& look);
