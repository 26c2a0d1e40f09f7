#pragma once
// The grid drop-down's columns and items: the list drop-downs' shared types
// under the grid drop-down's names (the inner grid shows one text of every
// item per column; an item holds one text per column and an image index).
#include "dropdowns/list/drop_down_items.h"

namespace grid_drop_down {

using drop_down_list::ctImage;
using drop_down_list::ctText;
using drop_down_list::TColumnType;
using drop_down_list::TDropDownCollection;
using drop_down_list::TDropDownColumn;
using drop_down_list::TDropDownColumns;
using drop_down_list::TDropDownItem;
using TDropDownItems = TDropDownCollection<TDropDownItem>;

}  // namespace grid_drop_down
