#include "dropdowns/multicolumn/multi_column_logic.h"

#include <algorithm>
#include <cmath>

#include "dropdowns/base/type_completion.h"

namespace multi_column {

bool Find_Lookup_Match(const TDropDownItems& Items, int Column, const QString& Text, bool CaseSensitive, QString& Found,
                       int& Index) {
  if (Text.isEmpty()) return false;
  const QString wanted = TypeCompletion::Match_Case_Text(Text, CaseSensitive);
  for (int i = 0; i < Items.Count(); ++i) {
    const QString text = Items.Items(i).Column_Text(Column);
    if (!TypeCompletion::Match_Case_Text(text, CaseSensitive).startsWith(wanted)) continue;
    Found = text;
    Index = i;
    return true;
  }
  return false;
}

}  // namespace multi_column
