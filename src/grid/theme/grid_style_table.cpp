#include "grid/theme/grid_style_table.h"

namespace {

constexpr TColor kNone = clNone;

constexpr Grid_Style_Values Row(TZadGridStyle style, std::optional<TGridLook> look = std::nullopt) {
  Grid_Style_Values v;
  v.Style = style;
  v.Look = look;
  return v;
}

constexpr Gradient_Colors kVistaHover{0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993};
constexpr Gradient_Colors kOffice2010Hover{0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8};
constexpr Gradient_Colors kOffice2010Down{0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2};
constexpr Gradient_Colors kClearedHover{kNone, kNone, kNone, kNone, kNone};
constexpr std::array<TColor, 4> kVistaSortHeader{0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8};

constexpr Grid_Style_Values Office2003(TZadGridStyle style, TColor from, TColor to) {
  Grid_Style_Values v = Row(style, glXP);
  v.FixedFrom = from;
  v.FixedTo = to;
  v.FixedMirrorFrom = kNone;
  v.FixedMirrorTo = kNone;
  v.ActiveFrom = 0x94E6FB;
  v.ActiveTo = 0x1595EE;
  v.ControlFixed = Color_Pair{from, to};
  v.FooterFirst = Color_Pair{from, to};
  v.Footer = Color_Pair{from, kNone};
  v.Lines = Color_Pair{0xC0C0C0, 0x808080};
  v.SelectionDirect = true;
  v.SelectionColor = 0x94E6FB;
  v.SelectionColorTo = 0x1595EE;
  v.SelectionTextColor = 0;
  return v;
}

constexpr Grid_Style_Values Office2003Classic() {
  Grid_Style_Values v = Row(gsOffice2003Classic, glXP);
  v.FixedFrom = 0xFFFFFF;
  v.FixedTo = 0xCCD4D8;
  v.FixedMirrorFrom = kNone;
  v.FixedMirrorTo = kNone;
  v.ActiveFrom = 0xD8D5D4;
  v.ActiveTo = 0xD8D5D4;
  v.ControlFixed = Color_Pair{kNone, kNone};
  v.FooterFirst = Color_Pair{0xFFFFFF, 0xD8D5D4};
  v.Footer = Color_Pair{0xFFFFFF, kNone};
  v.Lines = Color_Pair{0xC0C0C0, 0x808080};
  return v;
}

constexpr Grid_Style_Values Office2007(TZadGridStyle style, TColor from, TColor to, Color_Pair footer_first,
                                       Color_Pair lines) {
  Grid_Style_Values v = Row(style, glOffice2007);
  v.FixedFrom = from;
  v.FixedTo = to;
  v.FixedMirrorFrom = kNone;
  v.FixedMirrorTo = kNone;
  v.ActiveFrom = 0x9DD8F9;
  v.ActiveTo = 0x5EC1F1;
  v.ControlFixed = Color_Pair{from, to};
  v.FooterFirst = footer_first;
  v.Footer = Color_Pair{from, kNone};
  v.Lines = lines;
  v.SelectionColor = 0x5EC1F1;
  v.SelectionTextColor = 0;
  return v;
}

constexpr Grid_Style_Values Office2007Luna() {
  Grid_Style_Values v =
      Office2007(gsOffice2007Luna, 0xFBF9F6, 0xE8DBD2, Color_Pair{0xFFEFE3, 0xFFD2AF}, Color_Pair{0xF1EDEB, 0xD1BBA4});
  v.ControlHover = Gradient_Colors{0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87};
  v.ControlDown = Gradient_Colors{0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D};
  v.SelectionStyle = 3;
  v.SelectionStyleNeedsLook = glOffice2007;
  return v;
}

constexpr Grid_Style_Values Office2007Silver() {
  Grid_Style_Values v = Row(gsOffice2007Silver, glOffice2007);
  v.FixedFrom = 0xF3F3F1;
  v.FixedTo = 0xCAC9C8;
  v.ActiveFrom = 0x99CCFF;
  v.ActiveTo = 0x699CFF;
  v.ControlFixed = Color_Pair{0xF3F3F1, 0xCAC9C8};
  v.FooterFirst = Color_Pair{0xEEEEEE, 0xC1C1C1};
  v.Footer = Color_Pair{0xF3F3F1, kNone};
  v.FooterToIsMirrorTo = true;
  v.Lines = Color_Pair{0xE5D7D0, 0x808080};
  v.SelectionColor = 0x95C7F5;
  v.SelectionTextColor = 0;
  return v;
}

constexpr Grid_Style_Values WindowsXP() {
  Grid_Style_Values v = Row(gsWindowsXP, glXP);
  v.LookTwice = true;
  v.FixedFrom = clBtnFace;
  v.FixedTo = clBtnFace;
  v.FixedMirrorFrom = kNone;
  v.FixedMirrorTo = kNone;
  v.ActiveFrom = clBtnFace;
  v.ActiveTo = clBtnFace;
  v.ControlFixed = Color_Pair{kNone, kNone};
  v.Footer = Color_Pair{clBtnFace, kNone};
  v.Lines = Color_Pair{0xC0C0C0, 0x808080};
  return v;
}

constexpr Grid_Style_Values Whidbey() {
  Grid_Style_Values v = Row(gsWhidbey);
  v.FixedFrom = 0xFFFFFF;
  v.FixedTo = clBtnFace;
  v.FixedMirrorFrom = kNone;
  v.FixedMirrorTo = kNone;
  v.ActiveFrom = 0x94E6FB;
  v.ActiveTo = 0x1595EE;
  v.ControlFixed = Color_Pair{kNone, kNone};
  v.FooterFirst = Color_Pair{0xEBEEEF, 0x7E9898};
  v.Footer = Color_Pair{0xFFFFFF, kNone};
  v.Lines = Color_Pair{0xC0C0C0, 0x808080};
  return v;
}

constexpr Grid_Style_Values Vista_Like(TZadGridStyle style, TGridLook look) {
  Grid_Style_Values v = Row(style, look);
  v.Lines = Color_Pair{0xECECF0, 0xD4D2D1};
  v.SelectionColor = 0xEACAB6;
  v.SelectionTextColor = 0;
  v.SortHeader = kVistaSortHeader;
  return v;
}

constexpr Grid_Style_Values WindowsVista() {
  Grid_Style_Values v = Vista_Like(gsWindowsVista, glVista);
  v.FixedFrom = 0xFFFFFF;
  v.FixedTo = 0xFFFFFF;
  v.FixedMirrorFrom = 0xFAF8F7;
  v.FixedMirrorTo = 0xF4F2F1;
  v.ActiveFrom = 0xFDF8F1;
  v.ActiveTo = 0xFCEFD5;
  v.ControlFixedFirst = Color_Pair{0xFFFFFF, 0xFFFFFF};
  v.ControlFixed = Color_Pair{kNone, kNone};
  v.Footer = Color_Pair{0xFFFFFF, 0xF4F2F1};
  v.GridHover = kVistaHover;
  v.ControlMirror = Color_Pair{0xFAF8F7, 0xF4F2F1};
  v.ControlHover = kVistaHover;
  v.ControlDown = Gradient_Colors{0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F};
  v.SelectionStyle = 1;
  return v;
}

constexpr Grid_Style_Values Windows7() {
  Grid_Style_Values v = Vista_Like(gsWindows7, glWin7);
  v.FixedFrom = 0xFDFCFA;
  v.FixedTo = 0xFAF0E6;
  v.FixedMirrorFrom = 0xF4E6DC;
  v.FixedMirrorTo = 0xF7E9DD;
  v.ActiveFrom = 0xFCEBDC;
  v.ActiveTo = 0xFCDBC1;
  v.ControlFixedFirst = Color_Pair{0xFDFCFA, 0xFAF0E6};
  v.ControlFixed = Color_Pair{kNone, kNone};
  v.Footer = Color_Pair{0xFDFCFA, 0xF7E9DD};
  v.GridHover.Border = 0xEEE8E3;
  v.ControlMirror = Color_Pair{0xF4E6DC, 0xF7E9DD};
  v.ControlHover = Gradient_Colors{0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, std::nullopt};
  v.ControlDown = Gradient_Colors{0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA};
  v.SelectionStyle = 2;
  return v;
}

constexpr Grid_Style_Values Office2010(TZadGridStyle style, TColor fill, TColor fixed_line, TColor sort_header) {
  Grid_Style_Values v = Row(style, glOffice2007);
  v.FixedFrom = v.FixedTo = v.FixedMirrorFrom = v.FixedMirrorTo = fill;
  v.ActiveFrom = 0x5BD5FF;
  v.ActiveTo = 0x71EFFF;
  v.ControlFixedFirst = Color_Pair{fill, fill};
  v.ControlFixed = Color_Pair{kNone, kNone};
  v.Footer = Color_Pair{fill, fill};
  v.Lines = Color_Pair{0xC0C0C0, fixed_line};
  v.SelectionColor = 0xFFDBB7;
  v.SelectionTextColor = 0;
  v.GridHover = kClearedHover;
  v.ControlMirror = Color_Pair{fill, fill};
  v.ControlHover = kOffice2010Hover;
  v.ControlDown = kOffice2010Down;
  v.SortHeader = std::array<TColor, 4>{sort_header, sort_header, sort_header, sort_header};
  v.SelectionStyle = 0;
  return v;
}

constexpr Grid_Style_Values kStyles[] = {
    Office2003(gsOffice2003Blue, 0xFCE1CB, 0xE0A57D),
    Office2003(gsOffice2003Silver, 0xECE2E1, 0xB39698),
    Office2003(gsOffice2003Olive, 0xCFF0EA, 0x8CC0B1),
    Office2003Classic(),
    Office2007Luna(),
    Office2007(gsOffice2007Obsidian, 0xF7F7F7, 0xDEDEDE, Color_Pair{0xF2F1F0, 0xC9C2BD},
               Color_Pair{0xE5D7D0, 0x808080}),
    WindowsXP(),
    Whidbey(),
    Row(gsCustom),
    Office2007Silver(),
    WindowsVista(),
    Windows7(),
    Row(gsTerminal, glStandard),
    Office2010(gsOffice2010Blue, 0xF5E7DA, 0xC7B0A0, 0xD6CEC7),
    Office2010(gsOffice2010Silver, 0xE8E3DF, 0xBAB5B1, 0xAAAAAA),
    Office2010(gsOffice2010Black, 0x6A6A6A, 0x444444, 0xBABABA),
};
static_assert(std::size(kStyles) == gsOffice2010Black + 1);

constexpr bool Rows_In_Order() {
  for (int i = 0; i < int(std::size(kStyles)); ++i)
    if (kStyles[i].Style != i) return false;
  return true;
}
static_assert(Rows_In_Order(), "one row per style, in ordinal order");

constexpr XP_Scheme_Values kSchemes[] = {
    // xpNone
    {0xFFFFFF, clBtnFace, kNone, kNone, 0xFFFFFF, 0xFFD9B3, 0xFFFFFF, 0xFFD9B3, false},
    // xpBlue
    {0xFCE1CB, 0xE0A57D, kNone, kNone, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D, true},
    // xpGreen
    {0xCFF0EA, 0x8CC0B1, kNone, kNone, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1, true},
    // xpGray
    {0xECE2E1, 0xB39698, kNone, kNone, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, true},
    // vistaAero
    {0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, true},
};
static_assert(std::size(kSchemes) == vistaAero + 1);

}  // namespace

const Grid_Style_Values& Grid_Style_Row(TZadGridStyle Style) {
  const int i = int(Style);
  return kStyles[i >= 0 && i < int(std::size(kStyles)) ? i : int(gsCustom)];
}

const XP_Scheme_Values& XP_Scheme_Row(TXPColorScheme Scheme) {
  const int i = int(Scheme);
  return kSchemes[i >= 0 && i < int(std::size(kSchemes)) ? i : 0];
}
