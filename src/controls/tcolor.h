#pragma once
#include <QColor>
#include <cstdint>

class QPalette;

// A colour as the configuration files and the controls store it: $00BBGGRR
// for a plain colour, $FF0000nn for system colour nn (resolved from the
// palette only when it is painted, so it follows the desktop's theme), and
// clNone for "no colour" (no border, no gradient, keep the other colour).
using TColor = uint32_t;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// Plain colours.
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLtGray = clSilver;
constexpr TColor clDkGray = clGray;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// System colours: $FF000000 plus the desktop's colour index.
constexpr TColor System_Color(int index) { return 0xFF000000u | static_cast<uint32_t>(index); }
constexpr TColor clScrollBar = System_Color(0);
constexpr TColor clBackground = System_Color(1);
constexpr TColor clActiveCaption = System_Color(2);
constexpr TColor clInactiveCaption = System_Color(3);
constexpr TColor clMenu = System_Color(4);
constexpr TColor clWindow = System_Color(5);
constexpr TColor clWindowFrame = System_Color(6);
constexpr TColor clMenuText = System_Color(7);
constexpr TColor clWindowText = System_Color(8);
constexpr TColor clCaptionText = System_Color(9);
constexpr TColor clActiveBorder = System_Color(10);
constexpr TColor clInactiveBorder = System_Color(11);
constexpr TColor clAppWorkSpace = System_Color(12);
constexpr TColor clHighlight = System_Color(13);
constexpr TColor clHighlightText = System_Color(14);
constexpr TColor clBtnFace = System_Color(15);
constexpr TColor clBtnShadow = System_Color(16);
constexpr TColor clGrayText = System_Color(17);
constexpr TColor clBtnText = System_Color(18);
constexpr TColor clInactiveCaptionText = System_Color(19);
constexpr TColor clBtnHighlight = System_Color(20);
constexpr TColor cl3DDkShadow = System_Color(21);
constexpr TColor cl3DLight = System_Color(22);
constexpr TColor clInfoText = System_Color(23);
constexpr TColor clInfoBk = System_Color(24);
constexpr TColor clHotLight = System_Color(26);
constexpr TColor clGradientActiveCaption = System_Color(27);
constexpr TColor clGradientInactiveCaption = System_Color(28);
constexpr TColor clMenuHighlight = System_Color(29);
constexpr TColor clMenuBar = System_Color(30);

constexpr bool Is_System_Color(TColor c) { return (c & 0xFF000000u) == 0xFF000000u; }

constexpr TColor RGB(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int Get_R(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int Get_G(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int Get_B(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

// The one conversion to a painter colour. System colours come from `palette`,
// or from the application's palette when none is given (the classic desktop
// values when no GUI application exists, as in tests without a display).
// clNone and other colours without a value give a fully transparent colour:
// callers test for clNone before painting.
QColor To_QColor(TColor c);
QColor To_QColor(TColor c, const QPalette& palette);

// A system colour resolved to its plain $00BBGGRR value; plain colours pass.
TColor Color_To_RGB(TColor c);
TColor Color_To_RGB(TColor c, const QPalette& palette);

// The plain colour of a painter colour (alpha dropped).
TColor From_QColor(const QColor& c);
