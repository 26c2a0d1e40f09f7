#include "dropdowns/base/list_rows.h"

#include <algorithm>
#include <cmath>

namespace list_rows {

int Step_Item(Selection_Step Step, int Index, int Count) {
  if (Count <= 0) return -1;
  const int last = Count - 1;
  if (Step == ssFirst) return 0;
  if (Step == ssLast) return last;
  if (Index < 0) return 0;
  Index = std::min(Index, last);
  switch (Step) {
    case ssNext:
      return std::min(Index + 1, last);
    case ssPrevious:
      return std::max(Index - 1, 0);
    case ssNextPage:
      return std::min(Index + 10, last);
    case ssPreviousPage:
      return std::max(Index - 10, 0);
    default:
      return Index;
  }
}

int Whole_Row_Height(int Height, int Bars, int HeaderHeight, int RowHeight, int Margin) {
  if (RowHeight < 1) return Height;
  const int rows = (Height - Bars - HeaderHeight - 2) / RowHeight;
  return Bars + HeaderHeight + rows * RowHeight + Margin;
}

std::vector<int> Stretched_Widths(const std::vector<int>& Widths, int Available) {
  std::vector<int> result;
  result.reserve(Widths.size());
  double total = 1;
  for (int w : Widths) total += w;
  const double factor = Available / total;
  double carry = 0;
  for (int width : Widths) {
    const double exact = factor * width;
    int w = int(std::nearbyint(exact));
    carry += exact - w;
    if (carry > 1.0) {
      ++w;
      carry -= 1.0;
    }
    result.push_back(w);
  }
  return result;
}

}  // namespace list_rows
