#pragma once
// The item selector: a scrolling control that owns the items, the settings
// and the item appearance, and scrolls its panel (TCustomItemSelector), which
// lays out and paints the items. The drop-downs that list items host one in
// their popup and drive it from their edit's keys.
#include <QScrollArea>
#include <QTimer>
#include <functional>

#include "controls/canvas.h"
#include "dropdowns/base/custom_item_selector.h"
#include "dropdowns/base/drop_down_drawing.h"
#include "dropdowns/base/item_appearance.h"
#include "dropdowns/base/item_layout.h"
#include "dropdowns/base/selector_items.h"

class TZadCustomItemSelector : public QScrollArea {
 public:
  explicit TZadCustomItemSelector(QWidget* AOwner = nullptr);
  ~TZadCustomItemSelector() override;

  // Lays the panel out again; call it after changing the list of items. A
  // change of an item's caption, image index or colour lays it out by itself
  // once control returns to the event loop, so that filling a long list item
  // by item measures it once.
  void UpdateSelectorPanel();

  TSelectorItems& Items() { return FItems; }
  void SetItems(const TSelectorItems& Value) { FItems.Assign(Value); }
  TItemAppearance& ItemAppearance() { return FItemAppearance; }
  void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(Value); }
  TCustomItemSelector* ItemSelectorPanel() const { return FItemSelectorPanel; }

  TSelectorType SelectorType() const { return FSelectorType; }
  void SetSelectorType(TSelectorType Value);
  // Applied at the next layout or repaint.
  TItemLayout ItemLayout() const { return FItemLayout; }
  void SetItemLayout(TItemLayout Value) { FItemLayout = Value; }
  int Columns() const { return FColumns; }
  // Values below 1 are ignored.
  void SetColumns(int Value);
  int ColorBoxWidth() const { return FColorBoxWidth; }
  void SetColorBoxWidth(int Value);
  int ColorBoxHeight() const { return FColorBoxHeight; }
  void SetColorBoxHeight(int Value);
  const TDropDownImages* Images() const { return FImages; }
  void SetImages(const TDropDownImages* Value);
  // The background of the panel and of the cells that are not lit.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);

  int ItemIndex() const;
  // Selects Value and scrolls it into view.
  void SetItemIndex(int Value);
  int ItemHot() const;
  // Moves of the selection or the hot item, scrolled into view.
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  bool LookupItem(const QString& S);
  // Scrolls the least that shows the whole item (its top when it is taller
  // than the view).
  void ScrollItemInView(int Index);
  // The items that fit the control's height, in whole rows; 0 without items
  // or for items less than a pixel high.
  int GetVisibleItemCount() const;
  // The panel's size, from which the drop-downs size the control.
  QSize GetSelectorPanelSize() const;
  // Space kept above and below an item scrolled into view.
  int VertScrollBarMargin = 0;

  std::function<void(QWidget* Sender)> OnItemSelect;
  // Draws an item over its lit background instead of the panel's picture and
  // caption.
  std::function<void(QWidget* Sender, TCanvas& Canvas, const TRect& R, int Index)> OnDrawItem;
  // Gives the size of every item's cell instead of measuring the contents.
  std::function<void(QWidget* Sender, QSize& ASize)> OnItemSize;
  std::function<void(QWidget* Sender)> OnResize;

 protected:
  virtual void DoItemSelect();
  void resizeEvent(QResizeEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  bool focusNextPrevChild(bool Next) override;

 private:
  void Apply_Color();

  TSelectorItems FItems;
  TSelectorType FSelectorType = stImage;
  TItemLayout FItemLayout = ilCaptionRight;
  int FColumns = 1;
  int FColorBoxWidth = 14;
  int FColorBoxHeight = 14;
  const TDropDownImages* FImages = nullptr;
  TColor FColor = clBtnFace;
  TItemAppearance FItemAppearance;
  TCustomItemSelector* FItemSelectorPanel = nullptr;
  QTimer FLayoutTimer;
};

// A selector for a drop-down's popup Form: it takes no focus (keys reach the
// popup form and so the edit, which moves the list) and has no frame (the
// popup draws the border; a frame would narrow the list's view).
TZadCustomItemSelector* New_Popup_Selector(QWidget* Form);
