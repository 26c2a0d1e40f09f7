#pragma once
// The multi-column drop-down's reckoning without a window: the list's
// type-ahead match, selection
// steps, the popup's whole-row height, the columns stretched over the popup
// and the colours of the component styles.
#include <QString>
#include <QStringList>
#include <vector>

#include "controls/tcolor.h"
#include "dropdowns/base/list_rows.h"
#include "dropdowns/base/list_style_colors.h"
#include "dropdowns/base/selection_color_style.h"
#include "dropdowns/multicolumn/drop_down_columns.h"
#include "grid/theme/style_if.h"

namespace multi_column {

// The first item whose Column text starts with Text (upper-cased both unless
// CaseSensitive). An item without that line reads as empty. An empty Text
// matches nothing. Found gives the item's text in its own case.
bool Find_Lookup_Match(const TDropDownItems& Items, int Column, const QString& Text, bool CaseSensitive, QString& Found,
                       int& Index);

// The selection steps and stretched widths all list drop-downs share.
using namespace list_rows;

// The popup height that shows whole rows: Bars (header and footer bars),
// the header row, whole data rows and 2 pixels. A row height below 1 leaves
// Height as it is.
inline int Whole_Row_Height(int Height, int Bars, int HeaderHeight, int RowHeight) {
  return list_rows::Whole_Row_Height(Height, Bars, HeaderHeight, RowHeight, 2);
}


// The colours a component style gives; Apply is false for tsCustom.
inline Style_Colors Style_Colors_Of(TDUDStyle Style) { return list_rows::Style_Colors_Of(Style, true); }

}  // namespace multi_column
