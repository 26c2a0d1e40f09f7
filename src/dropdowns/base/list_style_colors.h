#pragma once
// The colours a component style gives the list drop-downs (the grid
// drop-down and the multi-column drop-down): header, lines and selection,
// and the line colours of the selection colour styles.
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

// The line and selection colours a selection colour style gives (Apply
// false for scCustom).
struct Selection_Colors {
  bool Apply = false;
  TColor LineColor = clNone, FixedLineColor = clNone, SelectionColor = clNone;
};
Selection_Colors Selection_Colors_Of(TSelectionColorStyle Style);

}  // namespace list_rows
