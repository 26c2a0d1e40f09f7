#pragma once
// The geometry of an item selector: one cell size for every item, cells in
// rows of Columns from the top-left of the item area, the panel the size of
// the used cells plus the margins. Positions are found by arithmetic, so a
// long list costs no more to hit-test or to paint a page of than a short one.
#include <QPoint>
#include <QSize>
#include <vector>

#include "controls/trect.h"
#include "dropdowns/base/item_layout.h"

// The cell that fits the largest picture (or the colour box) and the largest
// caption side by side or stacked, with ItemOffSetX / ItemOffSetY around and
// CaptionGap between them. A caption wider than 0 gets 4 pixels more.
QSize Selector_Cell_Size(TItemLayout Layout, QSize Content, QSize Caption, int ItemOffSetX, int ItemOffSetY,
                         int CaptionGap);

class TSelectorGrid {
 public:
  TSelectorGrid() = default;
  // Count cells of Cell size in rows of Columns (at least 1), the first at
  // Origin, which is also the margin on the far sides.
  TSelectorGrid(int Count, int Columns, QPoint Origin, QSize Cell);

  int Count() const { return FCount; }
  TRect Cell_Rect(int Index) const;
  // 100 x 50 without items.
  QSize Panel_Size() const;
  // The item whose cell holds P, -1 for none.
  int Item_At(QPoint P) const;
  // The items whose cells meet R, in index order.
  std::vector<int> Items_In(const TRect& R) const;

 private:
  int FCount = 0;
  int FColumns = 1;
  QPoint FOrigin;
  QSize FCell;
};
