#pragma once
// Painting helpers shared by the drop-downs, their popup, bars, buttons and
// item selector.
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

#include "controls/canvas.h"

class QObject;

// The pictures of an image list, drawn by index.
using TDropDownImages = std::vector<QImage>;

// A gradient from Color to ColorTo (80 bands) when ColorTo is set, else a fill
// in Color when that is set; then a border of BorderWidth in BorderColor when
// that is set. Horizontal runs the gradient left to right.
void Draw_Filled_Rect(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor BorderColor,
                      int BorderWidth, bool Horizontal);

// Image ImageIndex of Images 4 pixels in from the left, vertically centred,
// and Caption beside it (left-aligned) or centred when no image is drawn; one
// line, cut with an ellipsis.
void Draw_Image_Text(TCanvas* Canvas, const TRect& R, const QString& Caption, const TDropDownImages* Images,
                     int ImageIndex);

// Glyph on BackgroundColor, its top-left pixel's colour showing the
// background, copied to the top-left of Target (no stretching).
void Draw_Glyph_Masked(TCanvas& Canvas, const QImage& Glyph, TColor BackgroundColor, const TRect& Target);

// Width and height of Text on one line in the canvas font; (0, 0) when empty.
QSize Measure_Text(TCanvas& Canvas, const QString& Text);

// Text shortened from the end until narrower than MaxWidth, with "..." when
// AddEllipsis. The whole text when it fits or when nothing does.
QString Fit_Text_With_Ellipsis(TCanvas& Canvas, const QString& Text, int MaxWidth, bool AddEllipsis);

// Lays Caption out as mini-HTML in R (only measures it when Draw is false)
// and answers its extent, x the width and y the height; (0, 0) when empty.
// WindowHandle is the painted control, whose theme draws form controls.
QPoint Draw_Html_Caption(TCanvas& Canvas, const QString& Caption, const TRect& R, const TDropDownImages* Images,
                         bool Draw, const QObject* WindowHandle);
