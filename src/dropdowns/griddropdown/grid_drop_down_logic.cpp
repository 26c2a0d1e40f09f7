#include "dropdowns/griddropdown/grid_drop_down_logic.h"

#include <QLocale>
#include <cmath>

namespace grid_drop_down {

QString Match_Case_Text(const QString& Text, bool CaseSensitive) {
  return CaseSensitive ? Text : QLocale().toUpper(Text);
}

int Find_Prefix(const QStringList& Texts, const QString& Text, bool CaseSensitive) {
  if (Text.isEmpty()) return -1;
  const QString wanted = Match_Case_Text(Text, CaseSensitive);
  for (int i = 0; i < Texts.size(); ++i)
    if (Match_Case_Text(Texts[i], CaseSensitive).startsWith(wanted)) return i;
  return -1;
}


int Whole_Row_Height(int Height, int Bars, int HeaderHeight, int RowHeight) {
  if (RowHeight < 1) return Height;
  const int rows = (Height - Bars - HeaderHeight - 2) / RowHeight;
  return Bars + HeaderHeight + 2 + rows * RowHeight + 4;
}


Style_Colors Style_Colors_Of(TDUDStyle Style) {
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

}  // namespace grid_drop_down
