#pragma once
// The multi-column drop-down's columns and items: the list drop-downs'
// shared types under the multi-column drop-down's names, its items with a
// look-up by exact text.
#include "dropdowns/list/drop_down_items.h"

namespace multi_column {

using ::TAlignment;
using ::taCenter;
using ::taLeftJustify;
using ::taRightJustify;
using drop_down_list::ctImage;
using drop_down_list::ctText;
using drop_down_list::TColumnType;
using drop_down_list::TDropDownCollection;
using drop_down_list::TDropDownColumn;
using drop_down_list::TDropDownColumns;
using drop_down_list::TDropDownItem;

class TDropDownItems : public TDropDownCollection<TDropDownItem> {
 public:
  using TDropDownCollection::TDropDownCollection;
  // The first item whose line Column equals Value exactly, -1 when none.
  int IndexInColumn(int Column, const QString& Value) const;
};

}  // namespace multi_column
