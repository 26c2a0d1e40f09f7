#pragma once
// The popup list of the list drop-downs (the grid drop-down's inner grid
// and the multi-column drop-down's list), on the grid class each builds on:
// one header row, the drop-down's columns, header and line colours, and the
// confirmation rule (a key or mouse press confirms the row it reaches, a
// wheel turn only previews it).
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <vector>

#include "controls/tcolor.h"
#include "dropdowns/base/drop_down_drawing.h"
#include "dropdowns/base/list_rows.h"
#include "dropdowns/list/drop_down_items.h"
#include "dropdowns/list/zad_list_drop_down.h"

namespace drop_down_list {

// Base is the grid class the list builds on.
template <class Base>
class List_Grid : public Base {
 public:
  using Base::Base;

  TDropDownColumns& Columns() { return FColumns; }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { FLineColor = Value; }
  TColor FixedLineColor() const { return FFixedLineColor; }
  void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
  QFont HeaderFont() const { return FHeaderFont; }
  void SetHeaderFont(const QFont& Value) { FHeaderFont = Value; }
  const TDropDownImages* Images() const { return FImages; }
  void SetImages(const TDropDownImages* Value) { FImages = Value; }
  int GridLineWidth() const { return FGridLineWidth; }

  // The current row was reached by a key or a click (not by the wheel).
  bool ConfirmSelection() const { return FConfirmSelection; }
  // A wheel turn is moving the current row.
  bool MouseWheelSelection() const { return FMouseWheelSelection; }

  // The width of each auto-sized column from its widest item.
  void AutoSizeDropDownColumns() {
    for (int c = 0; c < FColumns.Count(); ++c)
      if (FColumns.Items(c).AutoSize) AutoSizeColumn(c);
  }
  virtual void AutoSizeColumn(int Index) = 0;

 protected:
  // The drop-down's header and line colours, header row, images and row
  // height.
  void Take_Drop_Down_Look(TZadListDropDown& D) {
    FLineColor = D.LineColor();
    FFixedLineColor = D.FixedLineColor();
    FHeaderColor = D.HeaderColor();
    FHeaderColorTo = D.HeaderColorTo();
    FHeaderHeight = D.HeaderHeight();
    FHeaderFont = D.HeaderFont();
    FImages = D.Images();
    this->SetDefaultRowHeight(D.DropDownRowHeight());
  }

  // The arrow keys and Tab are the list's own: no shortcut takes them.
  static bool Takes_Shortcut(QEvent* Event) {
    if (Event->type() != QEvent::ShortcutOverride) return false;
    const int key = static_cast<QKeyEvent*>(Event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Up || key == Qt::Key_Down ||
        key == Qt::Key_Left || key == Qt::Key_Right) {
      Event->accept();
      return true;
    }
    return false;
  }

  bool HandleWheelDown() override {
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    const bool used = Base::HandleWheelDown();
    FMouseWheelSelection = false;
    return used;
  }
  bool HandleWheelUp() override {
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    const bool used = Base::HandleWheelUp();
    FMouseWheelSelection = false;
    return used;
  }
  void HandleMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override {
    FConfirmSelection = true;
    FOldRow = this->Row();
    Base::HandleMouseDown(Button, Shift, X, Y);
  }

  TDropDownColumns FColumns{this};
  TColor FHeaderColor = 0xFFFFFF;
  TColor FHeaderColorTo = 0x808080;
  TColor FLineColor = 0x808080;
  const TDropDownImages* FImages = nullptr;
  int FHeaderHeight = 25;
  QFont FHeaderFont;
  TColor FFixedLineColor = clNone;
  int FGridLineWidth = 1;
  int FOldRow = -1;
  bool FMouseWheelSelection = false;
  bool FConfirmSelection = false;
};

// The columns' widths stretched over the room Room() gives (asked once
// the horizontal scroll bar is off): the columns both the grid and Columns
// have.
template <class Grid, class RoomFn>
void Stretch_Columns(Grid& G, const TDropDownColumns& Columns, RoomFn Room) {
  G.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  G.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  const int count = std::min(Columns.Count(), G.ColCount());
  if (count <= 0) return;
  std::vector<int> widths;
  for (int i = 0; i < count; ++i) widths.push_back(Columns.Items(i).Width);
  const std::vector<int> stretched = list_rows::Stretched_Widths(widths, Room());
  for (int i = 0; i < count; ++i) G.SetColWidths(i, stretched[size_t(i)]);
}

}  // namespace drop_down_list
