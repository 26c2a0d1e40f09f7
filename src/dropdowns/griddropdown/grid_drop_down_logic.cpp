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


}  // namespace grid_drop_down
