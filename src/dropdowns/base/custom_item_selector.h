#pragma once
// The inner panel of an item selector: lays the host's items out in equal
// cells, sizes itself to them, paints them and tracks the mouse. The host
// scrolls it. A change of the hot or selected item invalidates the old cell
// and repaints the new one at once; painting covers only the cells in the
// paint region.
#include <QString>
#include <QWidget>
#include <functional>

#include "controls/canvas.h"
#include "dropdowns/base/drop_down_drawing.h"
#include "dropdowns/base/item_layout.h"
#include "dropdowns/base/selection_color_style.h"
#include "dropdowns/base/selector_grid.h"

class TSelectorItems;
class TZadCustomItemSelector;

class TCustomItemSelector : public QWidget {
 public:
  // AOwner must be a TZadCustomItemSelector ("Invalid parent" otherwise).
  explicit TCustomItemSelector(QWidget* AOwner);

  TZadCustomItemSelector* ZadItemSelector() const { return FZadItemSelector; }
  int ItemIndex() const { return FItemIndex; }
  // Selects Value (-1 for none) and fires OnItemSelect, also when it was
  // selected already. A disabled item or an index outside the list changes
  // nothing.
  void SetItemIndex(int Value);
  int ItemHot() const { return FItemHot; }
  void SetItemHot(int Index);
  // Moves of the selection; a move onto a disabled item leaves it where it was.
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  // Selects the first enabled item whose plain caption, trimmed and in upper
  // case, begins with S (which callers give in upper case); answers whether
  // one was selected.
  bool LookupItem(const QString& S);

  int ItemAtPos(int X, int Y) const;
  // (-1, -1, -1, -1) for an index outside the list.
  TRect GetItemRect(int Index) const;
  void InvalidateItem(int Index);
  void DrawAllItems(TCanvas& Canvas);

  // Fired with this panel whenever an item is selected.
  std::function<void(QWidget* Sender)> OnItemSelect;

  // The host's settings and appearance, as the panel reads them.
  int Columns() const;
  TSelectorItems& Items() const;
  TSelectorType SelectorType() const;
  TItemLayout ItemLayout() const;
  const TDropDownImages* Images() const;
  int ColorBoxHeight() const;
  int ColorBoxWidth() const;
  TSelectionColorStyle ItemColorStyle() const;
  TColor ItemColorHot() const;
  TColor ItemColorHotTo() const;
  TColor ItemColorSelected() const;
  TColor ItemColorSelectedTo() const;

  // Margin around the items, inside each cell, and between picture and caption.
  int OffSetX = 2;
  int OffSetY = 2;
  int ItemOffSetX = 4;
  int ItemOffSetY = 4;
  int CaptionGap = 4;

  virtual void DrawItem(int Index, TCanvas& Canvas);
  // The client rectangle less OffSetX and OffSetY.
  virtual TRect GetItemsRect() const;
  // The host's OnItemSize when set, else the size of the largest content.
  virtual QSize GetItemSize();
  virtual void ArrangeItems();

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void leaveEvent(QEvent* Event) override;

 private:
  TColor Panel_Color() const;
  QSize Content_Size(int Index) const;
  void Draw_Content(TCanvas& Canvas, int Index, QPoint At);
  // The caption moved down to the middle of C when shorter; answers its size.
  QPoint Draw_Centred_Caption(TCanvas& Canvas, const QString& Caption, TRect C);
  // The index after a keyboard-style move from From by Step (0 from none),
  // -1 when it leaves the list.
  int Move_Target(int From, int Step) const;

  TZadCustomItemSelector* FZadItemSelector;
  int FItemIndex = -1;
  int FItemHot = -1;
  // The item whose hint the panel shows.
  int FHintItem = -1;
  TSelectorGrid FGrid;
};
