#pragma once
// The grid drop-down's reckoning without a window: the look-up match, the
// selection steps, the popup's whole-row height, the columns stretched over
// the popup and the colours of the component styles.
#include <QString>
#include <QStringList>
#include <vector>

#include "controls/tcolor.h"
#include "dropdowns/base/list_rows.h"
#include "dropdowns/base/list_style_colors.h"
#include "dropdowns/base/selection_color_style.h"
#include "grid/theme/style_if.h"

namespace grid_drop_down {

// Text upper-cased (locale-aware) unless CaseSensitive.
QString Match_Case_Text(const QString& Text, bool CaseSensitive);

// The first of Texts that begins with Text (both upper-cased unless
// CaseSensitive); -1 when none. An empty Text matches nothing.
int Find_Prefix(const QStringList& Texts, const QString& Text, bool CaseSensitive);

// The selection steps and stretched widths all list drop-downs share.
using namespace list_rows;

// The popup height that shows whole rows: the bars, the header row, 2
// pixels, whole data rows and 4 pixels. A row height below 1 leaves Height
// as it is.
inline int Whole_Row_Height(int Height, int Bars, int HeaderHeight, int RowHeight) {
  return list_rows::Whole_Row_Height(Height, Bars, HeaderHeight, RowHeight, 6);
}

// The colours a component style gives; the Office 2010 styles give none here.
inline Style_Colors Style_Colors_Of(TDUDStyle Style) { return list_rows::Style_Colors_Of(Style, false); }

}  // namespace grid_drop_down
