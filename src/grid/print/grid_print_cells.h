#pragma once
// Printing one row of cells on a page of a print pass.
#include "controls/canvas.h"
#include "controls/trect.h"

class QImage;
class TGridPrintEngine;

// Draws the cells of display columns FirstCol .. LastCol of row ARow whose
// top edge is at y (print units, y up) and returns the height the row takes
// on the page, whether or not anything was drawn (nothing is while counting
// or on a page outside the drawn range).
int PrintCells(TGridPrintEngine& E, int y, int FirstCol, int LastCol, int ARow);

// Stretches the whole image into R (canvas coordinates).
void StretchBitmapToCanvas(TCanvas& Canvas, const TRect& R, const QImage& Bitmap);
