#pragma once
// The colours a component style gives the list drop-downs (the grid
// drop-down and the multi-column drop-down): header, lines and selection.
#include "controls/tcolor.h"
#include "dropdowns/base/selection_color_style.h"
#include "grid/theme/style_if.h"

namespace list_rows {

// The colours a component style gives; Apply is false for the styles that
// leave them alone.
struct Style_Colors {
  bool Apply = false;
  TColor HeaderColor = clNone, HeaderColorTo = clNone;
  // clNone leaves the header font's colour as it is.
  TColor HeaderFontColor = clNone;
  TSelectionColorStyle Selection = scCustom;
  TColor LineColor = clNone, FixedLineColor = clNone;
  // For scCustom only: the selection's colours.
  TColor SelectionColor = clNone;
  TColor SelectionTextColor = 0x000000;
};
// Office2010 says whether the Office 2010 styles give colours (the
// multi-column drop-down) or leave them alone (the grid drop-down).
Style_Colors Style_Colors_Of(TDUDStyle Style, bool Office2010);

}  // namespace list_rows
