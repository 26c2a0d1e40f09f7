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
