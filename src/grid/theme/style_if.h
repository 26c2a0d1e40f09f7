#pragma once
#include "controls/tcolor.h"

// The colour-style vocabulary shared by the grid pack's controls: every
// styled control accepts a `TDUDStyle` through `IDUDStyle` and a set of tones
// through `IDUDTones`. The enumerations keep their order: stored look settings
// hold their ordinal values.

enum TDUDStyle {
  tsOffice2003Blue,
  tsOffice2003Silver,
  tsOffice2003Olive,
  tsOffice2003Classic,
  tsOffice2007Luna,
  tsOffice2007Obsidian,
  tsWindowsXP,
  tsWhidbey,
  tsCustom,
  tsOffice2007Silver,
  tsWindowsVista,
  tsWindows7,
  tsTerminal,
  tsOffice2010Blue,
  tsOffice2010Silver,
  tsOffice2010Black
};

enum TOfficeTheme {
  ot2003Blue,
  ot2003Silver,
  ot2003Olive,
  ot2003Classic,
  ot2007Blue,
  ot2007Silver,
  ot2007Black,
  ot2010Blue,
  ot2010Silver,
  ot2010Black,
  otUnknown
};

struct TColorTone {
  TColor BrushColor = clNone;
  TColor BorderColor = clNone;
  TColor TextColor = clNone;
};

struct TColorTones {
  TColorTone Background;
  TColorTone Foreground;
  TColorTone Selected;
  TColorTone Hover;
  TColorTone Disabled;
};

// A control that follows one of the predefined colour styles.
class IDUDStyle {
 public:
  virtual ~IDUDStyle() = default;
  virtual void SetComponentStyle(TDUDStyle AStyle) = 0;
};

// A control that takes its colours from a set of tones.
class IDUDTones {
 public:
  virtual ~IDUDTones() = default;
  virtual void SetColorTones(const TColorTones& ATones) = 0;
};
