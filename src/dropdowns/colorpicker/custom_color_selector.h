#pragma once
// TCustomColorSelector: a grid of small colour boxes in columns, with a hot
// box under the mouse and one selected box. The picker fills it with the 60
// theme colours; the keys of the picker's edit move the selection through
// HandleKey.
#include <functional>

#include "dropdowns/base/selection_color_style.h"
#include "dropdowns/colorpicker/color_box_items.h"
#include "dropdowns/colorpicker/zad_custom_color_selector_panel.h"

class TCanvas;

class TCustomColorSelector : public TZadCustomColorSelectorPanel {
 public:
  explicit TCustomColorSelector(QWidget* AOwner = nullptr);

  TColorBoxItems& Items() { return FItems; }
  void SetItems(const TColorBoxItems& Value) { FItems.Assign(Value); }
  TColorBoxAppearance& ColorBoxAppearance() { return FColorBoxAppearance; }
  void SetColorBoxAppearance(const TColorBoxAppearance& Value) { FColorBoxAppearance.Assign(Value); }

  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Index);
  int ItemHot() const { return FItemHot; }
  void SetItemHot(int Index);
  int BoxAtPoint(int X, int Y) const { return Box_At_Point(FItems, X, Y); }

  // Writes lay the boxes out again.
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  int ColumnGap() const { return FColumnGap; }
  void SetColumnGap(int Value);
  int ColorBoxWidth() const { return FColorBoxWidth; }
  void SetColorBoxWidth(int Value);
  int ColorBoxHeight() const { return FColorBoxHeight; }
  void SetColorBoxHeight(int Value);
  // The presets reset the border colours to their defaults; scCustom keeps
  // them.
  TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
  void SetItemColorStyle(TSelectionColorStyle Value);
  // A write selects the first box of that colour, or no box (keeping the
  // colour) when none has it.
  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value);

  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  // Page Up/Home, Page Down/End, the arrows; Up and Down go by rows while
  // the popup is down.
  void HandleKey(int Key, bool EditorEnabled, bool DroppedDown);

  void AddDefaultColorBoxes();
  // Sets every box's place and sizes the control.
  virtual void UpdateBoxLayout();

  // A box was selected.
  std::function<void(QWidget* Sender)> OnItemSelect;

 protected:
  virtual void DrawColorBox(int Index, TCanvas& Canvas);
  virtual void GetBoxesRect(TRect& R) const;
  virtual void GetColorBoxSize(QSize& Size) const;
  virtual void InvalidateBox(int Index);

  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void leaveEvent(QEvent* Event) override;

 private:
  bool Valid(int Index) const { return Index >= 0 && Index < FItems.Count(); }

  int FItemIndex = -1;
  int FItemHot = -1;
  int FOffSetX = 4;
  int FOffSetY = 4;
  int FColumns = 10;
  int FColumnGap = 4;
  int FColorBoxHeight = 12;
  int FColorBoxWidth = 12;
  TColorBoxAppearance FColorBoxAppearance;
  TColorBoxItems FItems{nullptr};
  TSelectionColorStyle FItemColorStyle = scCustom;
  TColor FSelectedColor = clNone;
};
