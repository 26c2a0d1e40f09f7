#include "dropdowns/base/drop_down_styles.h"

#include <iterator>

#include "dropdowns/base/bar_appearance.h"
#include "dropdowns/base/item_appearance.h"
#include "dropdowns/base/zad_button_appearance.h"

namespace {

// A cell that leaves the current colour alone (no colour value uses it).
constexpr TColor kKeep = 0x2FFFFFFF;

struct Popup_Style_Colors {
  TColor Color, ColorTo, BorderColor;
  TColor HeaderColor, HeaderColorTo, HeaderFont, HeaderBorder;
  TColor FooterColor, FooterColorTo, FooterFont, FooterBorder;
};

struct Button_Style_Colors {
  TColor Color, ColorTo, BorderColor, ColorHot, ColorHotTo, BorderColorHot, ColorDown, ColorDownTo, BorderColorDown,
      ColorDisabled, ColorDisabledTo, ColorChecked, ColorCheckedTo, BorderColorChecked;
};

struct Item_Style_Colors {
  TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo, ColorSelected, ColorSelectedTo, ColorMirrorSelected,
      ColorMirrorSelectedTo, BorderColor, BorderColorTop, BorderColorBottom, EdgeColor, ColorSelectedText;
};

// One row per style, in the order of TDUDStyle.
constexpr Popup_Style_Colors kPopupColors[] = {
    {0xFFFFFF, clNone, kKeep, 0xFCE1CB, 0xE0A57D, 0x000000, 0x000000, 0xFCE1CB, 0xE0A57D, 0x000000,
     0x962D00},  // tsOffice2003Blue
    {0xFFFFFF, clNone, kKeep, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C, 0xECE2E1, 0xB39698, 0x000000,
     0x947C7C},  // tsOffice2003Silver
    {0xFFFFFF, clNone, clNone, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060, 0xCFF0EA, 0x8CC0B1, 0x000000,
     0x588060},  // tsOffice2003Olive
    {0xF2F2F2, 0xF2F2F2, clNone, 0x808080, 0x808080, 0xFFFFFF, 0x808080, 0x808080, 0x808080, 0xFFFFFF,
     0x808080},  // tsOffice2003Classic
    {0xF3E5DA, 0xF0DED0, clNone, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFEFE3, 0xFFD2AF, 0x723708,
     0xFFD2AF},  // tsOffice2007Luna
    {0xFFFFFF, clNone, clNone, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0xF2F1F0, 0xC9C2BD, 0x433C37,
     0x5C534C},  // tsOffice2007Obsidian
    {0xFFFFFF, clNone, kKeep, 0xFFFFFF, clBtnFace, 0x000000, 0x808080, 0xFFFFFF, clBtnFace, 0x000000,
     0x808080},  // tsWindowsXP
    {0xF5F9FA, 0xF5F9FA, clNone, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, 0xEBEEEF, 0x7E9898, 0xFFFFFF,
     0x962D00},                                                                     // tsWhidbey
    {kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep},  // tsCustom
    {0xF8F4F1, 0xF0E8E3, clNone, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0xF8F7F6, 0xE8E0DB, 0x8B4215,
     0x74706F},  // tsOffice2007Silver
    {0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0x000000, 0xFCF2DA, 0xFFFAF0, 0xFFFDF9, 0x000000,
     0xFCF2DA},  // tsWindowsVista
    {0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0x000000,
     0xFBD6B8},  // tsWindows7
    {0xFFFFFF, 0xFFFFFF, 0x808080, clBtnFace, clBtnFace, 0x000000, clNone, clBtnFace, clBtnFace, 0x000000,
     clNone},  // tsTerminal
    {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, 0xFDF6EF, 0xF0DAC7, 0x5B391E,
     0xC7B29F},  // tsOffice2010Blue
    {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, 0xFFFFFF, 0xEDE5E0, 0x5B391E,
     0xD2CDC8},  // tsOffice2010Silver
    {0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, 0xBFBFBF, 0x919191, 0xD7D7D6,
     0x6D6D6D},  // tsOffice2010Black
};
constexpr Button_Style_Colors kButtonColors[] = {
    {0xFCE1CB, 0xE0A57D, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6,
     0x76AFF1, 0x4190F3, 0x45667B},  // tsOffice2003Blue
    {0xECE2E1, 0xB39698, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6,
     0x76AFF1, 0x4190F3, 0x45667B},  // tsOffice2003Silver
    {0xCFF0EA, 0x8CC0B1, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6,
     0x76AFF1, 0x4190F3, 0x45667B},  // tsOffice2003Olive
    {0xFFFFFF, 0xC9D1D5, clNone, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4,
     0xD8D5D4, 0xD8D5D4, 0x808080},  // tsOffice2003Classic
    {0xFFEFE3, 0xFFDDC4, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6,
     0x76AFF1, 0x4190F3, 0x45667B},  // tsOffice2007Luna
    {0xF2F1F0, 0xC9C2BD, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6,
     0x76AFF1, 0x4190F3, 0x45667B},  // tsOffice2007Obsidian
    {0xFFFFFF, clBtnFace, clNone, 0xEFD3C6, 0xEFD3C6, clHighlight, clActiveCaption, clActiveCaption, clHighlight,
     0xB6B6B6, 0xB6B6B6, 0xB9D8DC, 0xB9D8DC, 0x000000},  // tsWindowsXP
    {0xFFFFFF, 0xDFEDF0, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6,
     0x76AFF1, 0x4190F3, 0x45667B},                                                                      // tsWhidbey
    {kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep},  // tsCustom
    {0xF9F8F8, 0xE4E2DF, clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6,
     0x76AFF1, 0x4190F3, 0x45667B},  // tsOffice2007Silver
    {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF,
     0xFEF9F0, 0xFDF0D7, 0xFEDF9A},  // tsWindowsVista
    {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF,
     0xFEF9F0, 0xFCDBC1, 0xCEA27D},  // tsWindows7
    {clBtnFace, clBtnFace, clNone, 0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080, clBtnFace,
     clBtnFace, clBtnFace, clBtnFace, clHighlight},  // tsTerminal
    {0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE,
     clNone, 0x4FA0CE},  // tsOffice2010Blue
    {0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE,
     clNone, 0x4FA0CE},  // tsOffice2010Silver
    {0xBFBFBF, 0x919191, 0xD7D7D6, 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE,
     clNone, 0x4FA0CE},  // tsOffice2010Black
};
constexpr Item_Style_Colors kItemColors[] = {
    {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, clNone, clNone, clNone,
     0x000000},  // tsOffice2003Blue
    {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, clNone, clNone, clNone,
     0x000000},  // tsOffice2003Silver
    {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, clNone, clNone, clNone,
     0x000000},  // tsOffice2003Olive
    {0xD2BDB6, 0xD2BDB6, clNone, clNone, 0xB59285, 0xB59285, clNone, clNone, 0x808080, clNone, clNone, clNone,
     0x000000},  // tsOffice2003Classic
    {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, 0xF4FEFF, 0xCAF8FF,
     0xC3D9DF, 0x000000},  // tsOffice2007Luna
    {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, 0xF4FEFF, 0xCAF8FF,
     0xC3D9DF, 0x000000},  // tsOffice2007Obsidian
    {0xEFD3C6, 0xEFD3C6, clNone, clNone, clHighlight, clNone, clNone, clNone, clHighlight, clNone, clNone, clNone,
     clHighlightText},  // tsWindowsXP
    {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, clNone, clNone, clNone,
     0x000000},                                                                                   // tsWhidbey
    {kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep},  // tsCustom
    {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE, 0xF4FEFF, 0xCAF8FF,
     0xC3D9DF, 0x000000},  // tsOffice2007Silver
    {0xFFFDF9, 0xFFFAF0, clNone, clNone, 0xFEF9F0, 0xFDF0D7, clNone, clNone, 0xFEDF9A, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB,
     0x000000},  // tsWindowsVista
    {0xFDFBFA, 0xFDF3EB, clNone, clNone, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE,
     0x000000},  // tsWindows7
    {0xC0C0C0, 0xC0C0C0, clNone, clNone, clHighlight, clNone, clNone, clNone, 0x808080, clNone, clNone, clNone,
     clHighlightText},  // tsTerminal
    {0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2, clNone, clNone, clNone,
     0x000000},  // tsOffice2010Blue
    {0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2, clNone, clNone, clNone,
     0x000000},  // tsOffice2010Silver
    {0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, 0x308AC2, clNone, clNone, clNone,
     0x000000},  // tsOffice2010Black
};

static_assert(std::size(kPopupColors) == 16 && std::size(kButtonColors) == 16 && std::size(kItemColors) == 16);

void Put(TColor& Field, TColor Value) {
  if (Value != kKeep) Field = Value;
}

template <class Setter>
void Put_With(TColor Value, Setter set) {
  if (Value != kKeep) set(Value);
}

bool Known(TDUDStyle AStyle) { return AStyle >= tsOffice2003Blue && AStyle <= tsOffice2010Black; }

}  // namespace

void Apply_Drop_Down_Style(TDUDStyle AStyle, Popup_Colors& Popup, TDropDownBarAppearance& Header,
                           TDropDownBarAppearance& Footer, TZadButtonAppearance& Buttons) {
  if (!Known(AStyle) || AStyle == tsCustom) return;
  const Popup_Style_Colors& p = kPopupColors[AStyle];
  Put(Popup.Color, p.Color);
  Put(Popup.ColorTo, p.ColorTo);
  Put(Popup.BorderColor, p.BorderColor);
  Put(Header.Color, p.HeaderColor);
  Put(Header.ColorTo, p.HeaderColorTo);
  Put(Header.FontColor, p.HeaderFont);
  Put(Header.BorderColor, p.HeaderBorder);
  Put(Footer.Color, p.FooterColor);
  Put(Footer.ColorTo, p.FooterColorTo);
  Put(Footer.FontColor, p.FooterFont);
  Put(Footer.BorderColor, p.FooterBorder);

  const Button_Style_Colors& b = kButtonColors[AStyle];
  TZadButtonAppearance& a = Buttons;
  Put_With(b.Color, [&](TColor v) { a.SetColor(v); });
  Put_With(b.ColorTo, [&](TColor v) { a.SetColorTo(v); });
  Put_With(b.BorderColor, [&](TColor v) { a.SetBorderColor(v); });
  Put_With(b.ColorHot, [&](TColor v) { a.SetColorHot(v); });
  Put_With(b.ColorHotTo, [&](TColor v) { a.SetColorHotTo(v); });
  Put_With(b.BorderColorHot, [&](TColor v) { a.SetBorderColorHot(v); });
  Put_With(b.ColorDown, [&](TColor v) { a.SetColorDown(v); });
  Put_With(b.ColorDownTo, [&](TColor v) { a.SetColorDownTo(v); });
  Put_With(b.BorderColorDown, [&](TColor v) { a.SetBorderColorDown(v); });
  Put_With(b.ColorDisabled, [&](TColor v) { a.SetColorDisabled(v); });
  Put_With(b.ColorDisabledTo, [&](TColor v) { a.SetColorDisabledTo(v); });
  Put_With(b.ColorChecked, [&](TColor v) { a.SetColorChecked(v); });
  Put_With(b.ColorCheckedTo, [&](TColor v) { a.SetColorCheckedTo(v); });
  Put_With(b.BorderColorChecked, [&](TColor v) { a.SetBorderColorChecked(v); });
}

void Apply_Item_Appearance_Style(TItemAppearance* Appearance, TDUDStyle AStyle) {
  if (!Appearance || !Known(AStyle) || AStyle == tsCustom) return;
  TItemAppearance& a = *Appearance;
  a.BorderColorHot = clNone;
  a.BorderColorSelected = clNone;
  a.ColorSelectedText = clBlack;
  a.ColorHotText = clBlack;
  const Item_Style_Colors& c = kItemColors[AStyle];
  Put(a.ColorHot, c.ColorHot);
  Put(a.ColorHotTo, c.ColorHotTo);
  Put(a.ColorMirrorHot, c.ColorMirrorHot);
  Put(a.ColorMirrorHotTo, c.ColorMirrorHotTo);
  Put(a.ColorSelected, c.ColorSelected);
  Put(a.ColorSelectedTo, c.ColorSelectedTo);
  Put(a.ColorMirrorSelected, c.ColorMirrorSelected);
  Put(a.ColorMirrorSelectedTo, c.ColorMirrorSelectedTo);
  Put(a.BorderColor, c.BorderColor);
  Put(a.BorderColorTop, c.BorderColorTop);
  Put(a.BorderColorBottom, c.BorderColorBottom);
  Put(a.EdgeColor, c.EdgeColor);
  Put(a.ColorSelectedText, c.ColorSelectedText);
}
