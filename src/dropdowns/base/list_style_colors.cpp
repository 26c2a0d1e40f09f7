#include "dropdowns/base/list_style_colors.h"

namespace list_rows {

Style_Colors Style_Colors_Of(TDUDStyle Style, bool Office2010) {
  struct Row {
    TColor Header, HeaderTo, Font;
    TSelectionColorStyle Selection;
    TColor Line, FixedLine, Selected, SelectedText;
  };
  Row r{};
  switch (Style) {
    case tsOffice2003Blue:
      r = {0xD68759, 0x933803, 0xFFFFFF, scOffice2007, 0x962D00, 0x962D00, clNone, 0};
      break;
    case tsOffice2003Silver:
      r = {0xBDA4A5, 0x957475, clNone, scOffice2007, 0x947C7C, 0x947C7C, clNone, 0};
      break;
    case tsOffice2003Olive:
      r = {0x82C0AF, 0x447A63, clNone, scOffice2007, 0x588060, 0x588060, clNone, 0};
      break;
    case tsOffice2003Classic:
      r = {0x808080, 0x808080, clNone, scOffice2007, 0x808080, 0x808080, clNone, 0};
      break;
    case tsOffice2007Luna:
      r = {0xFFEFE3, 0xFFD2AF, 0x723708, scOffice2007, 0xFFD2AF, 0xFFD2AF, clNone, 0};
      break;
    case tsOffice2007Obsidian:
      r = {0xF2F1F0, 0xC9C2BD, 0x433C37, scOffice2007, 0x5C534C, 0x5C534C, clNone, 0};
      break;
    case tsWindowsXP:
      r = {clBtnFace, clBtnFace, 0x000000, scCustom, 0xC0C0C0, 0x000000, clHighlight, clHighlightText};
      break;
    case tsWhidbey:
      r = {0xEBEEEF, 0x7E9898, 0xFFFFFF, scOffice2007, 0x962D00, 0x962D00, clNone, 0};
      break;
    case tsOffice2007Silver:
      r = {0xF8F7F6, 0xE8E0DB, 0x8B4215, scOffice2007, 0x74706F, 0x74706F, clNone, 0};
      break;
    case tsWindowsVista:
      r = {0xFFFDF9, 0xFFFAF0, 0x000000, scWindowsVista, 0xFCF2DA, 0xFCF2DA, clNone, 0};
      break;
    case tsWindows7:
      r = {0xFDFBFA, 0xFDF3EB, 0x000000, scWindows7, 0xFBD6B8, 0xFBD6B8, clNone, 0};
      break;
    case tsTerminal:
      r = {clBtnFace, clBtnFace, 0x000000, scCustom, 0x808080, 0x808080, clHighlight, clHighlightText};
      break;
    case tsOffice2010Blue:
      if (!Office2010) return {};
      r = {0xEDDBCD, clNone, 0x5B391E, scCustom, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0};
      break;
    case tsOffice2010Silver:
      if (!Office2010) return {};
      r = {0xEDE9E5, clNone, 0x5B391E, scCustom, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0};
      break;
    case tsOffice2010Black:
      if (!Office2010) return {};
      r = {0x828282, clNone, 0xD7D7D6, scCustom, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0};
      break;
    default:
      return {};
  }
  Style_Colors c;
  c.Apply = true;
  c.HeaderColor = r.Header;
  c.HeaderColorTo = r.HeaderTo;
  c.HeaderFontColor = r.Font;
  c.Selection = r.Selection;
  c.LineColor = r.Line;
  c.FixedLineColor = r.FixedLine;
  c.SelectionColor = r.Selected;
  c.SelectionTextColor = r.SelectedText;
  return c;
}

Selection_Colors Selection_Colors_Of(TSelectionColorStyle Style) {
  switch (Style) {
    case scOffice2007:
      return {true, 0xF1EDEB, 0xD1BBA4, 0x5EC1F1};
    case scWindowsVista:
    case scWindows7:
      return {true, 0xECECF0, 0xD4D2D1, 0xEACAB6};
    default:
      return {};
  }
}

}  // namespace list_rows
