#pragma once
// The grid drop-down's inner grid: a complete string grid with one header
// row, filled from the drop-down's columns and items (or by the application
// itself), its columns sized to their contents and its rows to wrapped
// text. A key or mouse press confirms the row it reaches, a wheel turn only
// previews it; Enter and a left release on a data cell select.
#include <QFont>
#include <functional>

#include "controls/tcolor.h"
#include "dropdowns/griddropdown/grid_drop_down_items.h"
#include "dropdowns/list/list_grid.h"
#include "grid/core/zad_irurur_oziz.h"

class TCustomZadGridDropDown;

namespace grid_drop_down {

class TZadColGrid : public drop_down_list::List_Grid<TZadIrururOziz> {
 public:
  explicit TZadColGrid(QWidget* AOwner = nullptr);
  ~TZadColGrid() override;

  TCustomZadGridDropDown* DropDown() const { return FZadDropDown; }
  void SetDropDown(TCustomZadGridDropDown* Value) { FZadDropDown = Value; }
  // Takes the drop-down's columns, sizes, colours, options and sizing
  // (nothing without a drop-down).
  void ApplyDropDownSettings(TCustomZadGridDropDown* D);
  // Header row and one row per item (nothing without a drop-down; the rows
  // stay as they are without items). Row objects hold the item index,
  // header cells -1.
  void FillGridFromItems();
  // The widest item of an auto-sized column (its image and text).
  void AutoSizeColumn(int Index) override;
  // Rows of at least 24 pixels, grown to the wrapped texts (only when some
  // column wraps).
  void UpdateRowHeights();
  // The width that shows every column, with room for the scroll bar when
  // not all rows fit.
  int NeededWidth() const;
  // The item shown in a row (its row object).
  int Row_Item(int ARow);

  void SetColumns(const TDropDownColumns& Value) { FColumns.Assign(Value); }
  // Stored; the string grid's own lines are switched off.
  void SetGridLineWidth(int Value);

  void SetConfirmSelection(bool Value) { FConfirmSelection = Value; }
  int OldRow() const { return FOldRow; }

  // Enter or a left release on a data cell.
  std::function<void(TZadColGrid* Sender)> OnSelect;
  // A cell is becoming the current one (keys, mouse, wheel or program).
  std::function<void(int ACol, int ARow)> OnCellSelected;
  // Hooks the drop-down passes on as its own events.
  std::function<void(QObject* Sender)> OnTopLeft;
  std::function<void(TZadIrururOziz* Sender, Qt::KeyboardModifiers Shift, int X, int Y)> OnMouseMoved;
  std::function<void(TZadIrururOziz* Sender, int FromIndex, int ToIndex)> OnColumnMoved;
  virtual void DoSelect();

 protected:
  bool SelectCell(int c, int r) override;
  bool event(QEvent* Event) override;
  void TopLeftChanged() override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void HandleColumnMoved(int FromIndex, int ToIndex) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void wheelEvent(QWheelEvent* Event) override;
  void HandleMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;

 private:
  bool In_Popup() const;

  TCustomZadGridDropDown* FZadDropDown = nullptr;
};

}  // namespace grid_drop_down
