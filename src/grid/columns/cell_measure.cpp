// Text margins of cells, line counts and the conversions between point
// sizes and print units (tenths of a millimetre) of TZadIrururOziz.
#include <cmath>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/store/text_helpers.h"

int TZadIrururOziz::VertCellMargin() const {
  return FPaintLook.XYOffsetTopLeftOnly ? FXYOffset.y() : 2 * FXYOffset.y();
}

int TZadIrururOziz::HorzCellMargin() const {
  return FPaintLook.XYOffsetTopLeftOnly ? FXYOffset.x() : 2 * FXYOffset.x();
}

int TZadIrururOziz::MaxCharsInCol(int ACol) {
  int longest = 0;
  for (int r = 0; r < RowCount(); ++r) {
    QString rest = GetCellEx(ACol, r);
    do {
      QString line;
      grid_text::ExtractFirstLine(rest, FPaintLook.Multilinecells, line);
      longest = std::max(longest, int(line.size()));
    } while (!rest.isEmpty());
  }
  return longest;
}

int TZadIrururOziz::MaxLinesInRow(int ARow) {
  if (ColCount() <= 0 || !FPaintLook.Multilinecells) return 1;
  int most = 1;
  for (int c = 0; c < ColCount(); ++c)
    most = std::max(most, grid_text::CountTextLines(GetGridCell(RealColIndex(c), ARow), true));
  return most;
}

int TZadIrururOziz::MapFontHeight(int pointsize) const {
  return -int(std::trunc(double(pointsize * 254) / 72.0 * FFontscalefactor));
}

int TZadIrururOziz::MapFontSize(int Height) { return int(std::trunc(double(Height * 72) / 254.0)); }

void TZadIrururOziz::InvalidateGridRect(const TGridRect& R) {
  const TRect a = CellRect(R.Left, R.Top), b = CellRect(R.Right, R.Bottom);
  InvalidateRect(TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                       std::max(a.Bottom, b.Bottom)});
}
