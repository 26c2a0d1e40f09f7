#pragma once
// The state one cell's layers hand each other while the string grid paints
// it: the look found for the cell, the rectangle as the layers shrink it, the
// cell object's layout and what the text layer reports back to the object
// layer.
#include "grid/core/zad_irurur_oziz.h"

struct TZadIrururOziz::Cell_Paint {
  int ACol = 0;  // display column
  int RCol = 0;  // storage column
  int ARow = 0;
  int SelRow = 0;  // the row selection lookups use
  TRect Cell;      // the rectangle the painter was given
  TRect Rect;      // the rectangle the layers work in
  TGridDrawState State = 0;
  TColor BrushColor = clNone;  // remembered before the layers
  TColor FontColor = clNone;
  TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = vtaTop;
  bool WW = false;
  TCellGradientDirection GD = GradientVertical;
  bool FixedLike = false;
  bool FilterButton = false;
  Cell_Object_Layout Obj;
  int TextWidth = 0;   // the drawn text's width + 2, for objects beside it
  int TextHeight = 0;  // the text's line height
};
