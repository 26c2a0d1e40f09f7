#include "dropdowns/multicolumn/drop_down_columns.h"

namespace multi_column {

int TDropDownItems::IndexInColumn(int Column, const QString& Value) const {
  if (Column < 0) return -1;
  for (int i = 0; i < Count(); ++i) {
    const QStringList& text = Items(i).Text;
    if (Column < text.size() && text[Column] == Value) return i;
  }
  return -1;
}

}  // namespace multi_column
