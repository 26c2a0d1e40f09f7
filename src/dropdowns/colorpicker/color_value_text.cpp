#include "dropdowns/colorpicker/color_value_text.h"

#include <array>

namespace {

// The web colours are written as CSS writes them (#RRGGBB); Css turns them
// into $BBGGRR.
constexpr TColor Css(uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

constexpr std::array<Web_Color, 138> kWebColors{{
    {"clWebSnow", Css(0xFFFAFA)},
    {"clWebFloralWhite", Css(0xFFFAF0)},
    {"clWebLavenderBlush", Css(0xFFF0F5)},
    {"clWebOldLace", Css(0xFDF5E6)},
    {"clWebIvory", Css(0xFFFFF0)},
    {"clWebCornSilk", Css(0xFFF8DC)},
    {"clWebBeige", Css(0xF5F5DC)},
    {"clWebAntiqueWhite", Css(0xFAEBD7)},
    {"clWebWheat", Css(0xF5DEB3)},
    {"clWebAliceBlue", Css(0xF0F8FF)},
    {"clWebGhostWhite", Css(0xF8F8FF)},
    {"clWebLavender", Css(0xE6E6FA)},
    {"clWebSeashell", Css(0xFFF5EE)},
    {"clWebLightYellow", Css(0xFFFFE0)},
    {"clWebPapayaWhip", Css(0xFFEFD5)},
    {"clWebNavajoWhite", Css(0xFFDEAD)},
    {"clWebMoccasin", Css(0xFFE4B5)},
    {"clWebBurlywood", Css(0xDEB887)},
    {"clWebAzure", Css(0xF0FFFF)},
    {"clWebMintcream", Css(0xF5FFFA)},
    {"clWebHoneydew", Css(0xF0FFF0)},
    {"clWebLinen", Css(0xFAF0E6)},
    {"clWebLemonChiffon", Css(0xFFFACD)},
    {"clWebBlanchedAlmond", Css(0xFFEBCD)},
    {"clWebBisque", Css(0xFFE4C4)},
    {"clWebPeachPuff", Css(0xFFDAB9)},
    {"clWebTan", Css(0xD2B48C)},
    {"clWebYellow", Css(0xFFFF00)},
    {"clWebDarkOrange", Css(0xFF8C00)},
    {"clWebRed", Css(0xFF0000)},
    {"clWebDarkRed", Css(0x8B0000)},
    {"clWebMaroon", Css(0x800000)},
    {"clWebIndianRed", Css(0xCD5C5C)},
    {"clWebSalmon", Css(0xFA8072)},
    {"clWebCoral", Css(0xFF7F50)},
    {"clWebGold", Css(0xFFD700)},
    {"clWebTomato", Css(0xFF6347)},
    {"clWebCrimson", Css(0xDC143C)},
    {"clWebBrown", Css(0xA52A2A)},
    {"clWebChocolate", Css(0xD2691E)},
    {"clWebSandyBrown", Css(0xF4A460)},
    {"clWebLightSalmon", Css(0xFFA07A)},
    {"clWebLightCoral", Css(0xF08080)},
    {"clWebOrange", Css(0xFFA500)},
    {"clWebOrangeRed", Css(0xFF4500)},
    {"clWebFirebrick", Css(0xB22222)},
    {"clWebSaddleBrown", Css(0x8B4513)},
    {"clWebSienna", Css(0xA0522D)},
    {"clWebPeru", Css(0xCD853F)},
    {"clWebDarkSalmon", Css(0xE9967A)},
    {"clWebRosyBrown", Css(0xBC8F8F)},
    {"clWebPaleGoldenrod", Css(0xEEE8AA)},
    {"clWebLightGoldenrodYellow", Css(0xFAFAD2)},
    {"clWebOlive", Css(0x808000)},
    {"clWebForestGreen", Css(0x228B22)},
    {"clWebGreenYellow", Css(0xADFF2F)},
    {"clWebChartreuse", Css(0x7FFF00)},
    {"clWebLightGreen", Css(0x90EE90)},
    {"clWebAquamarine", Css(0x7FFFD4)},
    {"clWebSeaGreen", Css(0x2E8B57)},
    {"clWebGoldenRod", Css(0xDAA520)},
    {"clWebKhaki", Css(0xF0E68C)},
    {"clWebOliveDrab", Css(0x6B8E23)},
    {"clWebGreen", Css(0x008000)},
    {"clWebYellowGreen", Css(0x9ACD32)},
    {"clWebLawnGreen", Css(0x7CFC00)},
    {"clWebPaleGreen", Css(0x98FB98)},
    {"clWebMediumAquamarine", Css(0x66CDAA)},
    {"clWebMediumSeaGreen", Css(0x3CB371)},
    {"clWebDarkGoldenRod", Css(0xB8860B)},
    {"clWebDarkKhaki", Css(0xBDB76B)},
    {"clWebDarkOliveGreen", Css(0x556B2F)},
    {"clWebDarkgreen", Css(0x006400)},
    {"clWebLimeGreen", Css(0x32CD32)},
    {"clWebLime", Css(0x00FF00)},
    {"clWebSpringGreen", Css(0x00FF7F)},
    {"clWebMediumSpringGreen", Css(0x00FA9A)},
    {"clWebDarkSeaGreen", Css(0x8FBC8F)},
    {"clWebLightSeaGreen", Css(0x20B2AA)},
    {"clWebPaleTurquoise", Css(0xAFEEEE)},
    {"clWebLightCyan", Css(0xE0FFFF)},
    {"clWebLightBlue", Css(0xADD8E6)},
    {"clWebLightSkyBlue", Css(0x87CEFA)},
    {"clWebCornFlowerBlue", Css(0x6495ED)},
    {"clWebDarkBlue", Css(0x00008B)},
    {"clWebIndigo", Css(0x4B0082)},
    {"clWebMediumTurquoise", Css(0x48D1CC)},
    {"clWebTurquoise", Css(0x40E0D0)},
    {"clWebCyan", Css(0x00FFFF)},
    {"clWebPowderBlue", Css(0xB0E0E6)},
    {"clWebSkyBlue", Css(0x87CEEB)},
    {"clWebRoyalBlue", Css(0x4169E1)},
    {"clWebMediumBlue", Css(0x0000CD)},
    {"clWebMidnightBlue", Css(0x191970)},
    {"clWebDarkTurquoise", Css(0x00CED1)},
    {"clWebCadetBlue", Css(0x5F9EA0)},
    {"clWebDarkCyan", Css(0x008B8B)},
    {"clWebTeal", Css(0x008080)},
    {"clWebDeepskyBlue", Css(0x00BFFF)},
    {"clWebDodgerBlue", Css(0x1E90FF)},
    {"clWebBlue", Css(0x0000FF)},
    {"clWebNavy", Css(0x000080)},
    {"clWebDarkViolet", Css(0x9400D3)},
    {"clWebDarkOrchid", Css(0x9932CC)},
    {"clWebMagenta", Css(0xFF00FF)},
    {"clWebDarkMagenta", Css(0x8B008B)},
    {"clWebMediumVioletRed", Css(0xC71585)},
    {"clWebPaleVioletRed", Css(0xDB7093)},
    {"clWebBlueViolet", Css(0x8A2BE2)},
    {"clWebMediumOrchid", Css(0xBA55D3)},
    {"clWebMediumPurple", Css(0x9370DB)},
    {"clWebPurple", Css(0x800080)},
    {"clWebDeepPink", Css(0xFF1493)},
    {"clWebLightPink", Css(0xFFB6C1)},
    {"clWebViolet", Css(0xEE82EE)},
    {"clWebOrchid", Css(0xDA70D6)},
    {"clWebPlum", Css(0xDDA0DD)},
    {"clWebThistle", Css(0xD8BFD8)},
    {"clWebHotPink", Css(0xFF69B4)},
    {"clWebPink", Css(0xFFC0CB)},
    {"clWebLightSteelBlue", Css(0xB0C4DE)},
    {"clWebMediumSlateBlue", Css(0x7B68EE)},
    {"clWebLightSlateGray", Css(0x778899)},
    {"clWebWhite", Css(0xFFFFFF)},
    {"clWebLightgrey", Css(0xD3D3D3)},
    {"clWebGray", Css(0x808080)},
    {"clWebSteelBlue", Css(0x4682B4)},
    {"clWebSlateBlue", Css(0x6A5ACD)},
    {"clWebSlateGray", Css(0x708090)},
    {"clWebWhiteSmoke", Css(0xF5F5F5)},
    {"clWebSilver", Css(0xC0C0C0)},
    {"clWebDimGray", Css(0x696969)},
    {"clWebMistyRose", Css(0xFFE4E1)},
    {"clWebDarkSlateBlue", Css(0x483D8B)},
    {"clWebDarkSlategray", Css(0x2F4F4F)},
    {"clWebGainsboro", Css(0xDCDCDC)},
    {"clWebDarkGray", Css(0xA9A9A9)},
    {"clWebBlack", Css(0x000000)},
}};

QString Hex2(int v) { return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper(); }

QString Html_Text(TColor rgb) { return QLatin1Char('#') + Hex2(Get_R(rgb)) + Hex2(Get_G(rgb)) + Hex2(Get_B(rgb)); }

}  // namespace

const Web_Color* Web_Colors() { return kWebColors.data(); }
int Web_Color_Count() { return static_cast<int>(kWebColors.size()); }

QString Web_Color_Name(TColor Value) {
  const TColor rgb = Color_To_RGB(Value);
  for (const Web_Color& entry : kWebColors)
    if (entry.Color == rgb) return QLatin1String(entry.Name);
  return Html_Text(rgb);
}

QString Color_Value_Text(TColor Value, TColorValueText Kind) {
  if (Value == clNone) return {};
  switch (Kind) {
    case cvtNone:
      return {};
    case cvtHex:
      // The raw value, blue first; a system colour keeps its eight digits.
      return QStringLiteral("%1").arg(Value, 6, 16, QLatin1Char('0')).toUpper();
    case cvtWebName:
      return Web_Color_Name(Value);
    case cvtRGB: {
      const TColor rgb = Color_To_RGB(Value);
      return QStringLiteral("Red:%1,Green:%2,Blue:%3").arg(Get_R(rgb)).arg(Get_G(rgb)).arg(Get_B(rgb));
    }
    case cvtHTML:
      return Html_Text(Color_To_RGB(Value));
  }
  return {};
}
