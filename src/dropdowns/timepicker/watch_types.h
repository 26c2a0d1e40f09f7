#pragma once
// The value kinds of the analogue watch's looks. The enumerations keep their
// order: stored settings hold their ordinal values.
#include <QFont>

#include "controls/tcolor.h"

enum TAMPMFrame { apRect, apRoundRect };
enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TWatchBorderStyle { wbLine, wbDoubleLine, wbNone };
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };

// The twelve ready-made looks of the watch.
enum TWatchStyle {
  wsClassic,
  wsTower,
  wsFluorescent,
  wsEmerald,
  wsBlueStar,
  wsFuchsia,
  wsBlack,
  wsBlackWhite,
  wsGray,
  wsSuperNova,
  wsSports,
  wsSmooth
};

// A font with the colour its text is drawn in.
struct TWatchFont {
  QFont Font;
  TColor Color = clBlack;

  bool operator==(const TWatchFont& Other) const { return Font == Other.Font && Color == Other.Color; }
};
