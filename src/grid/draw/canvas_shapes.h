#pragma once
#include <QPoint>
#include <QPolygon>

#include "controls/canvas.h"

// Filled figures the canvas lacks, drawn with its pen and brush and with the
// same pixel meanings: the bounding box's Right and Bottom lie outside.
void Canvas_Polygon(TCanvas& canvas, const QPolygon& points);
void Canvas_Ellipse(TCanvas& canvas, int left, int top, int right, int bottom);
// The sector from the top, `degrees` clockwise, filled with the brush only.
void Canvas_Sector(TCanvas& canvas, int left, int top, int right, int bottom, double degrees);
