#pragma once
// The colours each grid colour style writes, one row per style, in the order
// the grid writes them (grid_look_presets.cpp). An empty optional leaves the
// grid's value as it is. "Grid" values go straight into the grid's painting
// fields; "control look" values go through the ControlLook writers, which
// pass them on to the same fields (From/To/border unless clNone, mirrors
// always).
#include <array>
#include <optional>

#include "controls/tcolor.h"
#include "grid/theme/grid_look.h"

using Opt_Color = std::optional<TColor>;

struct Color_Pair {
  TColor First;
  TColor Second;
};
using Opt_Pair = std::optional<Color_Pair>;

// A gradient with its mirror half and border, as the hovered and pressed
// fixed cells are filled.
struct Gradient_Colors {
  Opt_Color From, To, MirrorFrom, MirrorTo, Border;
};

struct Grid_Style_Values {
  TZadGridStyle Style = gsCustom;
  std::optional<TGridLook> Look;
  // The look written a second time (the XP style re-applies it).
  bool LookTwice = false;
  // The grid's fixed-cell fill: From, To, MirrorFrom, MirrorTo.
  Opt_Color FixedFrom, FixedTo, FixedMirrorFrom, FixedMirrorTo;
  Opt_Color ActiveFrom, ActiveTo;
  // ControlLook FixedGradientFrom / To: written first, then the final pair.
  Opt_Pair ControlFixedFirst, ControlFixed;
  // Search footer Color / ColorTo: written first, then the final pair.
  Opt_Pair FooterFirst, Footer;
  // The final footer ColorTo is the grid's fixed mirror-to colour as it stands.
  bool FooterToIsMirrorTo = false;
  // Grid line / fixed line colours.
  Opt_Pair Lines;
  // Selection colours; direct ones are stored without a repaint.
  bool SelectionDirect = false;
  Opt_Color SelectionColor, SelectionColorTo, SelectionTextColor;
  // The grid's hover fill, written directly before the control look's.
  Gradient_Colors GridHover;
  // ControlLook FixedGradientMirrorFrom / To.
  Opt_Pair ControlMirror;
  Gradient_Colors ControlHover, ControlDown;
  // Sort header Color, ColorTo, MirrorColor, MirrorColorTo.
  std::optional<std::array<TColor, 4>> SortHeader;
  // A selection style ordinal (ssDefault 0, ssVista 1, ssWin7 2,
  // ssOffice2007 3); with SelectionStyleNeedsLook only while the grid's look
  // is that one.
  std::optional<int> SelectionStyle;
  std::optional<TGridLook> SelectionStyleNeedsLook;
};

// The row of a style; every TZadGridStyle has one.
const Grid_Style_Values& Grid_Style_Row(TZadGridStyle Style);

// The fixed-cell and footer colours of an XP colour scheme.
struct XP_Scheme_Values {
  TColor FixedFrom, FixedTo, FixedMirrorFrom, FixedMirrorTo;
  TColor ActiveFrom, ActiveTo;
  TColor FooterColor, FooterColorTo;
  // The control look takes the grid's From and To; else it is cleared.
  bool ControlTakesFixed;
};
const XP_Scheme_Values& XP_Scheme_Row(TXPColorScheme Scheme);
