#pragma once
// The multi-column drop-down's list: a light grid with one header row and a
// row per item, drawn from the drop-down's items and columns (the cells hold
// no texts of their own). Row selection, horizontal lines, no fixed column.
// A key or mouse press confirms the row it reaches, a wheel turn only
// previews it; Enter and a click on a data row select.
#include <QFont>
#include <functional>

#include "controls/tcolor.h"
#include "dropdowns/list/list_grid.h"
#include "dropdowns/multicolumn/drop_down_columns.h"
#include "grid/core/platform_grid.h"

class TZadMultiColumnDropDown;
class TCanvas;

namespace multi_column {

class TZadColGrid : public drop_down_list::List_Grid<Platform_Grid> {
 public:
  explicit TZadColGrid(QWidget* AOwner = nullptr);

  TZadMultiColumnDropDown* DropDown() const { return FZadDropDown; }
  void SetDropDown(TZadMultiColumnDropDown* Value) { FZadDropDown = Value; }
  // Takes the drop-down's columns, items, colours and sizes (nothing
  // without a drop-down).
  void ApplyDropDownSettings(TZadMultiColumnDropDown* ADropDown);
  // The column's width from its widest item (only for an auto-sized column).
  void AutoSizeColumn(int Index) override;
  // Rows grow to fit wrapped text (only when some column wraps).
  void UpdateRowHeights();
  // The width that shows every column, with room for the scroll bar when
  // not all rows fit.
  int NeededWidth() const;
  // The platform's scroll-bar width when not all data rows fit, else 0.
  int Scroll_Bar_Room() const;
  // The cell's rectangle with the column's full width and the row's full
  // height; (0, 0) based for a cell out of view.
  TRect FullCellRect(int ACol, int ARow) const;

  void SetGridLineWidth(int Value);

  // The current row changed to ARow (the drop-down follows it).
  std::function<void(int ARow)> OnSelectCell;
  // Enter or a click on a data row.
  std::function<void()> OnSelect;
  // Keys reaching the list, after its own handling.
  std::function<void(int Key, Qt::KeyboardModifiers Shift)> OnKeyDown;

  void DrawCell(QPainter& Painter, int ACol, int ARow, const TRect& Rect, TGridDrawState State) override;
  virtual void DoSelect();

 protected:
  bool SelectCell(int c, int r) override;
  bool HandleKeyDown(int Key, Qt::KeyboardModifiers Shift) override;
  void keyPressEvent(QKeyEvent* Event) override;
  bool event(QEvent* Event) override;
  void HandleMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;

 private:
  void Draw_Cell_Lines(TCanvas& Canvas, const TRect& R, bool Header) const;

  TZadMultiColumnDropDown* FZadDropDown = nullptr;
};

// Bands of a gradient from FromColor to ToColor over R (Steps 0 counts as 1):
// the drawing a list without a drop-down uses for its header.
void Draw_Gradient_Bands(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& R, int Steps);

}  // namespace multi_column
