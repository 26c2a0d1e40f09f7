#include "dropdowns/base/selector_grid.h"

#include <algorithm>

QSize Selector_Cell_Size(TItemLayout Layout, QSize Content, QSize Caption, int ItemOffSetX, int ItemOffSetY,
                         int CaptionGap) {
  const int w = Content.width(), h = Content.height();
  const int tw = Caption.width() > 0 ? Caption.width() + 4 : Caption.width();
  const int th = Caption.height();
  if (Layout == ilCaptionLeft || Layout == ilCaptionRight) {
    int width = 2 * ItemOffSetX;
    if (w > 0) width += w;
    if (w > 0 && tw > 0) width += CaptionGap;
    return {width + tw, std::max(th, h) + 2 * ItemOffSetY};
  }
  int height = 2 * ItemOffSetY;
  if (h > 0) height += h;
  if (h > 0 && th > 0) height += CaptionGap;
  return {std::max(tw, w) + 2 * ItemOffSetX, height + th};
}

TSelectorGrid::TSelectorGrid(int Count, int Columns, QPoint Origin, QSize Cell)
    : FCount(std::max(0, Count)), FColumns(std::max(1, Columns)), FOrigin(Origin), FCell(Cell) {}

TRect TSelectorGrid::Cell_Rect(int Index) const {
  const int x = FOrigin.x() + Index % FColumns * FCell.width();
  const int y = FOrigin.y() + Index / FColumns * FCell.height();
  return {x, y, x + FCell.width(), y + FCell.height()};
}

QSize TSelectorGrid::Panel_Size() const {
  if (FCount == 0) return {100, 50};
  const int columns = std::min(FCount, FColumns);
  const int rows = (FCount + FColumns - 1) / FColumns;
  return {2 * FOrigin.x() + columns * FCell.width(), 2 * FOrigin.y() + rows * FCell.height()};
}

int TSelectorGrid::Item_At(QPoint P) const {
  if (FCell.width() <= 0 || FCell.height() <= 0) return -1;
  const int dx = P.x() - FOrigin.x(), dy = P.y() - FOrigin.y();
  if (dx < 0 || dy < 0) return -1;
  const int column = dx / FCell.width();
  if (column >= FColumns) return -1;
  const long long index = static_cast<long long>(dy / FCell.height()) * FColumns + column;
  return index < FCount ? static_cast<int>(index) : -1;
}

std::vector<int> TSelectorGrid::Items_In(const TRect& R) const {
  std::vector<int> result;
  if (FCount == 0 || R.Is_Empty() || FCell.width() <= 0 || FCell.height() <= 0) return result;
  const int rows = (FCount + FColumns - 1) / FColumns;
  const int first_column = std::max(0, (R.Left - FOrigin.x()) / FCell.width());
  const int last_column = std::min(FColumns - 1, (R.Right - 1 - FOrigin.x()) / FCell.width());
  const int first_row = std::max(0, (R.Top - FOrigin.y()) / FCell.height());
  const int last_row = std::min(rows - 1, (R.Bottom - 1 - FOrigin.y()) / FCell.height());
  if (R.Right - 1 < FOrigin.x() || R.Bottom - 1 < FOrigin.y()) return result;
  for (int row = first_row; row <= last_row; ++row)
    for (int column = first_column; column <= last_column; ++column) {
      const long long index = static_cast<long long>(row) * FColumns + column;
      if (index < FCount) result.push_back(static_cast<int>(index));
    }
  return result;
}
