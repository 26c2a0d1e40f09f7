#include "dropdowns/timepicker/watch_styles.h"

#include <algorithm>
#include <cstdint>

#include "dropdowns/base/rounding.h"

namespace {

struct Control_Colors {
  TColor AMPMBorder, AMPM, Background, BackgroundTo, Border, CenterBorder, Center, Hands, Shadows, Second;
};

// Indexed by TDUDStyle; the tsCustom row is never read.
constexpr Control_Colors kControlColors[] = {
    {0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, 0xFFFFFF, 0xFFFFFF},
    {0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xFFFFFF, 0xFFFFFF},
    {0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0xFFFFFF, 0xFFFFFF},
    {0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, 0xFFFFFF, 0x723708},
    {0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, 0xFFFFFF, 0xF2F1F0},
    {0x000000, clBtnFace, clBtnFace, clBtnFace, 0x000000, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0x000000},
    {0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, 0xFFFFFF, 0x7E9898},
    {},
    {0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, 0xFFFFFF, 0x74706F},
    {0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFFFFFF, 0xFEDF9A},
    {0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFFFFFF, 0xFBD6B8},
    {0x808080, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xFFFFFF, 0xC7B29F},
    {0xD2CDC8, 0xEDE5E0, 0xFFFFFF, 0xFFFFFF, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xC0C0C0, 0xD2CDC8},
    {0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0xFFFFFF, 0x6D6D6D},
};
static_assert(sizeof(kControlColors) / sizeof(kControlColors[0]) == tsOffice2010Black + 1);

// A font's family, size (0: kept) and colour (clDefault: kept). Regular
// clears bold and italic, Bold sets bold; neither keeps the style.
enum class Weight { Kept, Regular, Bold };

void Font_Set(TWatchFont& Font, const char* Family, int Size = 0, TColor Color = clDefault, Weight W = Weight::Kept) {
  if (Family) Font.Font.setFamily(QString::fromLatin1(Family));
  if (Size > 0) Font.Font.setPointSize(Size);
  if (Color != clDefault) Font.Color = Color;
  if (W == Weight::Regular) {
    Font.Font.setBold(false);
    Font.Font.setItalic(false);
    Font.Font.setUnderline(false);
    Font.Font.setStrikeOut(false);
  } else if (W == Weight::Bold) {
    Font.Font.setBold(true);
  }
}

// A computed length in the byte the appearance keeps.
uint8_t Byte_Of(int64_t Value) { return static_cast<uint8_t>(std::clamp<int64_t>(Value, 0, 255)); }

}  // namespace

void ApplyControlStyle(TWatchAppearance& A, TDUDStyle AStyle) {
  A.SetCenterPointOuterBorderColor(0x000000);
  A.HourFont().Color = 0x000000;
  A.AMPMFont().Color = 0x000000;
  if (AStyle == tsCustom || AStyle < tsOffice2003Blue || AStyle > tsOffice2010Black) return;
  const Control_Colors& c = kControlColors[AStyle];
  if (AStyle == tsOffice2007Obsidian) {
    A.AMPMFont().Color = 0xF2F1F0;
    A.HourFont().Color = 0xF2F1F0;
  }
  A.SetAMPMBorderColor(c.AMPMBorder);
  A.SetAMPMColor(c.AMPM);
  A.SetBackgroundColor(c.Background);
  A.SetBackgroundColorTo(c.BackgroundTo);
  A.SetBorderColor(c.Border);
  A.SetCenterPointBorderColor(c.CenterBorder);
  A.SetCenterPointColor(c.Center);
  A.SetHourColor(c.Hands);
  A.SetMinuteColor(c.Hands);
  A.SetHourPointerShadow(c.Shadows);
  A.SetHourPointer(c.Hands);
  A.SetMinutePointerShadow(c.Shadows);
  A.SetMinutePointer(c.Hands);
  A.SetSecondPointer(c.Second);
}

Watch_Look_Flags ApplyWatchStyle(TWatchAppearance& A, TWatchStyle AStyle, int Width, int Height) {
  Watch_Look_Flags flags;
  const int64_t side = std::max(0, std::min(Width, Height));
  const char* sans = "MS Sans Serif";
  A.Reset();
  switch (AStyle) {
    case wsClassic:
      Font_Set(A.AMPMFont(), sans, 0, clDefault, Weight::Regular);
      Font_Set(A.HourFont(), "Comic Sans MS", 10, clDefault, Weight::Bold);
      A.SetHourMarkLength(8);
      A.SetHourPointer(0x000000);
      A.SetHourPointerShadow(clBtnShadow);
      A.SetHourPointerSize(5);
      A.SetMinutePointerShadow(clBtnShadow);
      A.SetMinuteMarkLength(4);
      flags.Animation = true;
      flags.AnimationFactor = 10;
      flags.ShowAMPM = true;
      flags.ShowNumbers = true;
      break;
    case wsTower:
      Font_Set(A.AMPMFont(), sans, 0, clDefault, Weight::Regular);
      A.SetAMPMFrame(apRect);
      A.SetBorderWidth(1);
      A.SetBackgroundColor(0xB1F0FE);
      A.SetBackgroundColorTo(0x54C9E7);
      A.SetBackgroundGradient(wgDiagonalForward);
      A.SetCenterPointColor(0x002BD5);
      A.SetCenterPointSize(6);
      Font_Set(A.HourFont(), "Century", 0, clWindowText, Weight::Bold);
      A.SetHourPointer(0x000000);
      A.SetHourPointerShadow(clBtnShadow);
      A.SetHourPointerSize(5);
      A.SetMinutePointerShadow(clBtnShadow);
      A.SetSecondPointer(0x002BD5);
      A.SetShape(wsRect);
      A.SetPointerStyle(psPointer);
      A.SetBackgroundColorTo(0x5BCCE8);
      A.SetAMPMColor(A.BackgroundColor());
      flags.ShowNumbers = false;
      A.SetTickMarks(tmHours);
      break;
    case wsFluorescent:
      Font_Set(A.AMPMFont(), sans, 10, clWindowText, Weight::Regular);
      A.SetAMPMFrame(apRoundRect);
      A.SetBorderColor(0xFF3E3E);
      A.SetBackgroundColor(0x000000);
      A.SetBackgroundColorTo(0x000000);
      A.SetCenterPointColor(0xFF3E3E);
      A.SetCenterPointBorderColor(0x000000);
      A.SetCenterPointOuterBorderColor(0x000000);
      A.SetCenterPointSize(20);
      Font_Set(A.HourFont(), sans, 8, clWindowText, Weight::Regular);
      A.SetHourColor(0xFF3E3E);
      A.SetHourMarkLength(10);
      A.SetHourPointer(0xFF3E3E);
      A.SetHourPointerShadow(clBtnShadow);
      A.SetHourPointerSize(2);
      A.SetMinuteColor(0xFF3E3E);
      A.SetMinutePointer(0xFF3E3E);
      A.SetMinutePointerShadow(clBtnShadow);
      A.SetMinutePointerSize(2);
      A.SetShape(wsRoundRect);
      A.SetHourMarkWidth(2);
      A.SetHourMarkStyle(hmsQuartDblLine);
      A.SetTickMarks(tmHours);
      flags.ShowAMPM = false;
      flags.ShowNumbers = false;
      break;
    case wsEmerald:
      Font_Set(A.AMPMFont(), sans, 0, 0xA00000, Weight::Regular);
      A.SetAMPMFrame(apRoundRect);
      A.SetBorderColor(0x3AE800);
      A.SetBackgroundColor(0x3AE800);
      A.SetBackgroundColorTo(0x000000);
      A.SetBackgroundGradient(wgDiagonalForward);
      A.SetCenterPointBorderColor(0x40FF00);
      A.SetCenterPointColor(0x38E100);
      A.SetCenterPointSize(16);
      Font_Set(A.HourFont(), sans, 0, clDefault, Weight::Regular);
      A.SetHourPointer(0x40FF00);
      A.SetHourPointerShadow(clBtnShadow);
      A.SetHourPointerSize(5);
      A.SetMinutePointer(0x40FF00);
      A.SetMinutePointerShadow(clBtnShadow);
      A.SetShape(wsRect);
      A.SetPointerStyle(psPointer);
      A.SetAMPMColor(clNone);
      A.HourFont().Color = A.BackgroundColor();
      A.SetCenterPointOuterBorderColor(0x000000);
      A.SetHourMarkStyle(hmsQuartDblLine);
      A.SetHourColor(A.BackgroundColor());
      A.SetSecondPointer(0x00FFFF);
      A.SetTickMarks(tmHours);
      flags.ShowNumbers = false;
      flags.ShowAMPM = false;
      break;
    case wsBlueStar:
      Font_Set(A.AMPMFont(), sans, 10, 0xA00000, Weight::Regular);
      A.SetAMPMBorderColor(clNone);
      A.SetAMPMFrame(apRoundRect);
      A.SetBorderColor(0xFFD5D5);
      A.SetBackgroundColor(0xFFD5D5);
      A.SetBackgroundColorTo(0xA00000);
      A.SetBackgroundGradient(wgRadial);
      Font_Set(A.HourFont(), sans, 8, clDefault, Weight::Regular);
      A.SetHourPointer(0xA00000);
      A.SetHourPointerShadow(clBtnShadow);
      A.SetHourPointerSize(5);
      A.SetMinutePointer(0xA00000);
      A.SetMinutePointerShadow(clBtnShadow);
      A.SetShape(wsRoundRect);
      A.SetPointerStyle(psPointer);
      A.SetAMPMColor(clNone);
      A.HourFont().Color = A.BackgroundColor();
      flags.ShowAMPM = true;
      flags.ShowNumbers = true;
      break;
    case wsFuchsia:
      Font_Set(A.AMPMFont(), sans, 10, clWindowText, Weight::Regular);
      A.SetAMPMFrame(apRoundRect);
      A.SetBorderColor(0xFFD0FF);
      A.SetBackgroundColor(0x000000);
      A.SetBackgroundColorTo(0x000000);
      A.SetCenterPointBorderColor(0xDD68DD);
      A.SetCenterPointSize(20);
      Font_Set(A.HourFont(), sans, 8, clWindowText, Weight::Regular);
      A.SetHourColor(0xFFD0FF);
      A.SetHourMarkLength(10);
      A.SetHourPointer(0xFFD0FF);
      A.SetHourPointerShadow(clBtnShadow);
      A.SetHourPointerSize(2);
      A.SetMinuteColor(0xFFD0FF);
      A.SetMinutePointer(0xFFD0FF);
      A.SetMinutePointerShadow(clBtnShadow);
      A.SetMinutePointerSize(2);
      A.SetShape(wsRect);
      A.SetCenterPointOuterBorderColor(0x000000);
      A.SetHourMarkWidth(2);
      A.SetHourMarkStyle(hmsQuartDblLine);
      A.SetSecondPointer(0xDD68DD);
      A.SetTickMarks(tmQuartHours);
      flags.ShowAMPM = false;
      flags.ShowNumbers = false;
      break;
    case wsBlack:
      Font_Set(A.AMPMFont(), sans, 0, clDefault, Weight::Regular);
      A.SetBackgroundColor(0x202020);
      A.SetBackgroundColorTo(clNone);
      A.SetBorderColor(0x000000);
      A.SetCenterPointBorderColor(0xFFFFFF);
      A.SetCenterPointOuterBorderColor(0xFFFFFF);
      A.SetCenterPointColor(0xFFFFFF);
      A.SetHourColor(0x585858);
      Font_Set(A.HourFont(), "Century Gothic", 11, 0xFFFFFF);
      A.SetHourPointer(0xFFFFFF);
      A.SetHourPointerShadow(clBtnShadow);
      A.SetHourPointerSize(5);
      A.SetMinuteColor(0x585858);
      A.SetMinutePointer(0xFFFFFF);
      A.SetMinutePointerShadow(clBtnShadow);
      A.SetMinuteMarkLength(4);
      flags.ShowAMPM = false;
      flags.ShowNumbers = true;
      break;
    case wsBlackWhite:
      A.SetBackgroundColor(0xFFFFFF);
      A.SetBackgroundColorTo(clNone);
      A.SetBorderColor(0x000000);
      A.SetBorderWidth(8);
      A.SetCenterPointBorderColor(0x000000);
      A.SetCenterPointOuterBorderColor(0x000000);
      A.SetCenterPointColor(0x000000);
      A.SetCenterPointSize(8);
      A.SetHourColor(0x585858);
      Font_Set(A.HourFont(), "Century Gothic", 14, 0x000000, Weight::Bold);
      A.SetHourPointer(0x000000);
      A.SetHourPointerShadow(clBtnShadow);
      A.SetHourPointerSize(5);
      A.SetMinutePointer(0x000000);
      A.SetMinutePointerShadow(clBtnShadow);
      A.SetMinuteMarkLength(4);
      A.SetSecondPointer(0x000080);
      A.SetPointerStyle(psPointer);
      A.SetTickMarks(tmQuartHours);
      flags.ShowAMPM = false;
      flags.ShowNumbers = true;
      break;
    case wsGray:
      Font_Set(A.AMPMFont(), sans, 10);
      A.SetBackgroundColor(0xD1D1D1);
      A.SetBackgroundColorTo(0x6C6C6C);
      A.SetBackgroundGradient(wgRadial);
      A.SetBorderColor(0x454545);
      A.SetCenterPointBorderColor(0x454545);
      A.SetCenterPointColor(0x000000);
      A.SetCenterPointOuterBorderColor(clNone);
      A.SetHourColor(0x000000);
      Font_Set(A.HourFont(), "Comic Sans MS", 8, clDefault, Weight::Regular);
      A.SetHourPointer(0x4E4E4E);
      A.SetHourPointerShadow(clNone);
      A.SetHourPointerSize(1);
      A.SetMinuteColor(0x808080);
      A.SetMinutePointer(0x4E4E4E);
      A.SetMinutePointerShadow(clNone);
      A.SetMinutePointerSize(1);
      A.SetSecondPointer(0x0000FF);
      flags.ShowAMPM = true;
      flags.ShowNumbers = true;
      break;
    case wsSuperNova:
      A.SetBackgroundColorTo(0xD1D3D3);
      A.SetBorderColor(clNone);
      A.SetCenterPointOuterBorderColor(0x000000);
      A.SetCenterPointSize(10);
      // side / 4.5, halves to even.
      A.SetHourMarkLength(Byte_Of(Div_Round_Even(side * 2, 9)));
      A.SetHourPointer(0x000000);
      A.SetHourPointerShadow(clBtnShadow);
      A.SetMinuteColor(0x808080);
      A.SetMinuteMarkLength(Byte_Of(side / 3));
      A.SetMinutePointer(0x000000);
      flags.ShowAMPM = false;
      flags.ShowNumbers = false;
      break;
    case wsSports:
      A.SetBackgroundColor(0x000000);
      A.SetBackgroundColorTo(clNone);
      A.SetBorderColor(0x000000);
      A.SetBorderWidth(1);
      A.SetCenterPointBorderColor(0xFF0000);
      A.SetCenterPointOuterBorderColor(0x000000);
      A.SetCenterPointColor(0x191919);
      // side / 3.6, halves to even.
      A.SetCenterPointSize(Byte_Of(Div_Round_Even(side * 5, 18)));
      A.SetHourColor(0xABB0B1);
      Font_Set(A.HourFont(), "Times New Roman", 9, 0x797979);
      A.SetHourPointer(0x0000FF);
      A.SetHourPointerShadow(clNone);
      A.SetHourPointerSize(2);
      A.SetMinuteColor(0x808080);
      A.SetMinutePointer(0x00FFFF);
      A.SetMinutePointerSize(2);
      A.SetMinutePointerShadow(clNone);
      A.SetMinuteMarkLength(1);
      A.SetSecondPointer(0x188BFE);
      A.SetTickMarks(tmQuartHours);
      flags.ShowAMPM = false;
      flags.ShowNumbers = true;
      break;
    case wsSmooth:
      A.SetBackgroundColor(0xFFFFFF);
      A.SetBackgroundColorTo(0xABB0B1);
      A.SetBorderColor(0x585858);
      A.SetBorderWidth(1);
      A.SetCenterPointBorderColor(0x000000);
      A.SetCenterPointOuterBorderColor(0x4A4A4A);
      A.SetCenterPointColor(0xFFFFFF);
      A.SetCenterPointSize(6);
      A.SetHourColor(0xABB0B1);
      Font_Set(A.HourFont(), "Times New Roman", 9, 0x797979);
      A.SetHourPointer(0x4A4A4A);
      A.SetHourPointerShadow(0xB2B2B2);
      A.SetHourPointerSize(2);
      A.SetMinuteColor(0x808080);
      A.SetMinutePointer(0x4A4A4A);
      A.SetMinutePointerSize(2);
      A.SetMinutePointerShadow(0xB2B2B2);
      A.SetMinuteMarkLength(1);
      A.SetSecondPointer(0x4A4A4A);
      A.SetTickMarks(tmQuartHours);
      flags.ShowAMPM = false;
      flags.ShowNumbers = true;
      break;
  }
  return flags;
}
