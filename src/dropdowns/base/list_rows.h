#pragma once
// What the list drop-downs (the grid drop-down and the multi-column
// drop-down) reckon alike about their rows: the row a selection step goes to,
// the popup height that shows whole rows and the columns stretched over the
// popup's width.
#include <vector>

namespace list_rows {

enum Selection_Step { ssFirst, ssLast, ssNext, ssPrevious, ssNextPage, ssPreviousPage };
// The row a step selects from Index among Count rows: next and previous from
// none give 0 and stay at the ends, a page is 10 rows (the next page stops at
// the last row, the previous one at the first); a stale Index beyond the rows
// steps from the last one. -1 without rows.
int Step_Item(Selection_Step Step, int Index, int Count);

// The popup height that shows whole rows: the bars, the header row, whole
// data rows and Margin pixels; the rows are those that fit below the header
// row and 2 pixels. A row height below 1 leaves Height as it is.
int Whole_Row_Height(int Height, int Bars, int HeaderHeight, int RowHeight, int Margin);

// The columns' widths stretched over Available pixels: the factor is
// Available / (1 + sum of widths), each width rounded (halves to even, as
// width rounding does everywhere) and the carried remainder adding a pixel
// whenever it passes 1.
std::vector<int> Stretched_Widths(const std::vector<int>& Widths, int Available);

}  // namespace list_rows
