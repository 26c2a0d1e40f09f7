#pragma once
// The application's active style as the program sets it: whether one is on,
// its name, and the colours of the three cell elements the grid takes over.
// Off unless the program switches it on; "Windows" stands for the plain
// platform look, which leaves the grids alone.
#include <QString>

#include "controls/tcolor.h"

struct TStyleElementColors {
  TColor Fill = clNone;
  TColor Border = clNone;
  TColor Text = clNone;
};

struct TActiveStyle {
  bool Enabled = false;
  QString Name = QStringLiteral("Windows");
  TStyleElementColors NormalCell, FixedCell, SelectedCell;
};

// The program-wide setting every grid reads when it is made and when the
// program calls ApplyActiveStyleColors after changing it.
TActiveStyle& ActiveApplicationStyle();
