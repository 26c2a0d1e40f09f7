#pragma once
// The platform grid beneath the cell store: a scroll area with any number of
// fixed rows and columns, per-column widths and per-row heights, scrolling by
// whole rows and columns (TopRow/LeftCol), the current cell and a range
// selection, the grid states of mouse sizing/moving/selecting, per-cell paint
// dispatch and an in-place editor that descendants supply.
//
// Cell texts and objects live in a Cell_Store. Row and column indexes are
// 0-based, fixed ones included. Rectangles are in viewport pixels.
#include <QAbstractScrollArea>
#include <QPointer>
#include <cstdint>
#include <vector>

#include "controls/trect.h"
#include "grid/store/cell_store.h"
#include "grid/store/grid_types.h"

class QLineEdit;
class QPainter;

enum TGridOptionFlag : uint32_t {
  goFixedVertLine = 1u << 0,
  goFixedHorzLine = 1u << 1,
  goVertLine = 1u << 2,
  goHorzLine = 1u << 3,
  goRangeSelect = 1u << 4,
  goDrawFocusSelected = 1u << 5,
  goRowSizing = 1u << 6,
  goColSizing = 1u << 7,
  goRowMoving = 1u << 8,
  goColMoving = 1u << 9,
  goEditing = 1u << 10,
  goTabs = 1u << 11,
  goRowSelect = 1u << 12,
  goAlwaysShowEditor = 1u << 13,
  goThumbTracking = 1u << 14,
  goFixedRowClick = 1u << 15,
  goFixedColClick = 1u << 16,
  goFixedHotTrack = 1u << 17
};
using TGridOptions = uint32_t;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

class Platform_Grid : public QAbstractScrollArea, public Cell_Store_Owner {
  Q_OBJECT

 public:
  explicit Platform_Grid(QWidget* parent = nullptr);
  ~Platform_Grid() override;

  // ---- dimensions
  int RowCount() const { return row_count_; }
  virtual void SetRowCount(int value);
  int ColCount() const { return col_count_; }
  virtual void SetColCount(int value);
  int FixedRows() const { return fixed_rows_; }
  virtual void SetFixedRows(int value);
  int FixedCols() const { return fixed_cols_; }
  virtual void SetFixedCols(int value);
  int DefaultColWidth() const { return default_col_width_; }
  void SetDefaultColWidth(int value);  // applied to every column
  int DefaultRowHeight() const { return default_row_height_; }
  void SetDefaultRowHeight(int value);  // applied to every row
  int ColWidths(int c) const;
  void SetColWidths(int c, int width);
  int RowHeights(int r) const;
  void SetRowHeights(int r, int height);
  // Moves a row (column) with its cells, properties and size; those between
  // shift by one. Calls RowMoved/ColumnMoved.
  void MoveRow(int from, int to);
  void MoveColumn(int from, int to);
  // Structural changes of the platform grid: rows (with their cells and
  // heights) inserted or deleted in place, the row count following. Deleted
  // rows free what their cells still hold.
  void Insert_Platform_Rows(int at, int count);
  // Puts the rows first..first + order.size() - 1 (cells, properties and
  // heights) in a new order in one pass: row first + k gets what row
  // order[k] held. `order` holds each of those rows once.
  void Permute_Platform_Rows(int first, const std::vector<int>& order);
  void Delete_Platform_Rows(int at, int count);
  // Display-column widths inserted or removed (the store is left alone).
  void Insert_Platform_Columns(int at, int count);
  void Delete_Platform_Columns(int at, int count);

  // ---- current cell, selection, scrolling
  int Row() const { return cur_row_; }
  virtual void SetRow(int value);
  int Col() const { return cur_col_; }
  virtual void SetCol(int value);
  // Makes (c, r) current when SelectCell allows it; the selection collapses
  // to it unless `extend` (then it runs from the anchor to the new cell).
  void FocusCell(int c, int r, bool extend = false);
  TGridRect Selection() const { return selection_; }
  void SetSelection(const TGridRect& value);
  // The selection as given (it may lie outside the grid to hide it), its
  // top-left the anchor and its bottom-right, where it is a cell, current.
  void Set_Selection_Anchored(const TGridRect& value);
  int TopRow() const { return top_row_; }
  virtual void SetTopRow(int value);
  int LeftCol() const { return left_col_; }
  void SetLeftCol(int value);
  // Scrollable rows (columns) that fit wholly in the viewport after the fixed ones.
  int VisibleRowCount() const;
  int VisibleColCount() const;
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions value);
  TGridState GridState() const { return state_; }

  // ---- geometry
  // The cell's rectangle when it is (partly) in view, else an empty one.
  TRect PlatformCellRect(int c, int r) const;
  // The rectangle the cell would have, also for cells scrolled out of view.
  TRect UnclippedCellRect(int c, int r) const;
  TGridCoord MouseCoord(int x, int y) const;
  // Whether some cell of the block (cell coordinates) is in view.
  bool Block_In_View(const TGridRect& block) const;

  // ---- cells
  Cell_Store& Store() { return store_; }
  const Cell_Store& Store() const { return store_; }
  int TotalColCount() const override { return ColCount(); }
  int Store_Row_Count() const override { return RowCount(); }
  bool WordWrap() const override { return true; }
  void Initial_Cell_Look(int, int, TCellProperties&) override {}
  void RepaintCell(int c, int r) override { InvalidateCell(c, r); }

  // ---- in-place editor
  bool EditorMode() const;
  void ShowEditor();
  void HideEditor();
  // The editor's text goes into the cell through SetEditText.
  void UpdateEditorText();
  QWidget* InplaceEditor() const { return editor_; }

  void InvalidateCell(int c, int r);
  virtual void InvalidateRect(const TRect& r);
  void InvalidateGrid();

 Q_SIGNALS:
  void TopLeftChangedSignal();

 protected:
  // ---- hooks for descendants
  virtual void DrawCell(QPainter& painter, int c, int r, const TRect& rect, TGridDrawState state);
  // Whether (c, r) may become the current cell.
  virtual bool SelectCell(int c, int r);
  virtual void TopLeftChanged() {}
  virtual void RowMoved(int from, int to) { (void)from, (void)to; }
  virtual void ColumnMoved(int from, int to) { (void)from, (void)to; }
  virtual void ColWidthsChanged() {}
  virtual void RowHeightsChanged() {}
  virtual void SizeChanged(int old_cols, int old_rows) { (void)old_cols, (void)old_rows; }
  // The standard key moves: one cell per arrow, a page per PgUp/PgDn,
  // Home/End to the first/last column (with Ctrl the first/last cell), Tab
  // with goTabs; never into fixed cells. Answers whether the key was used.
  virtual bool HandleKeyDown(int key, Qt::KeyboardModifiers shift);
  virtual bool HandleWheelDown();
  virtual bool HandleWheelUp();
  virtual QWidget* CreateEditor();
  virtual QString GetEditText(int c, int r);
  virtual void SetEditText(int c, int r, const QString& value);
  virtual bool CanEditShow() const;
  // Paints every cell in view through DrawCell, on the background colour.
  virtual void PaintGrid(QPainter& painter);
  // What shows right of the last column and below the last row.
  virtual QColor Background_Color() const { return palette().color(QPalette::Window); }

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  // Client-area sizes the scrolling works with.
  int ClientWidth() const;
  int ClientHeight() const;
  int FixedHeight() const;
  int FixedWidth() const;

 private:
  void Update_Scroll_Bars();
  int Max_Top_Row() const;
  int Max_Left_Col() const;
  void Clamp_Current();
  void Move_Current(int c, int r, bool extend);
  void Scroll_Into_View(int c, int r);
  void Place_Editor();
  void Commit_Editor();
  TGridDrawState Draw_State(int c, int r) const;
  int Col_Border_At(int x) const;
  int Row_Border_At(int y) const;

  Cell_Store store_{this};
  int row_count_ = 5;
  int col_count_ = 5;
  int fixed_rows_ = 1;
  int fixed_cols_ = 1;
  int default_col_width_ = 64;
  int default_row_height_ = 24;
  std::vector<int> col_widths_;
  std::vector<int> row_heights_;
  int cur_row_ = 1;
  int cur_col_ = 1;
  TGridCoord anchor_{1, 1};
  TGridRect selection_{1, 1, 1, 1};
  int top_row_ = 1;
  int left_col_ = 1;
  TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
  TGridState state_ = gsNormal;
  int sizing_index_ = -1;
  int sizing_origin_ = 0;
  int moving_from_ = -1;
  bool updating_scroll_ = false;
  QPointer<QWidget> editor_;
  bool editor_shown_ = false;

  // ---- mouse (descendant hooks for presses, releases and double clicks)
 protected:
  // The platform's own press (called by mousePressEvent): the current cell,
  // range selection, sizing and moving start here. Descendants override it
  // to wrap it and fire their mouse-down events.
  virtual void HandleMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  // The platform's own release (called by mouseReleaseEvent): the end of
  // sizing, moving and selecting.
  virtual void HandleMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  // A width the user drags a column (display index) to, before it is set.
  virtual void UserColumnSize(int c, int& width) { (void)c, (void)width; }
  void SetGridState(TGridState value) { state_ = value; }
  // The column (row) being sized or moved, -1 when none.
  int SizingIndex() const { return sizing_index_; }
  int MovingFrom() const { return moving_from_; }

 private:
  // (end of mouse)

  // ---- in-place editor hooks
 protected:
  // The editor-show query ShowEditor asks first (by default CanEditShow).
  virtual bool CanShowEditor() { return CanEditShow(); }
  // Fills the editor for the current cell just before it shows; by default
  // a line edit gets the edit text, all of it selected.
  virtual void Fill_Editor(QWidget* editor);
  // A character typed on the grid while no editor is open: opens the editor
  // with it (by default as the editor's whole text).
  virtual void Start_Editor_With(const QString& text);
  // The editor handles Enter, Escape and the move keys itself.
  virtual bool Editor_Owns_Keys() const { return false; }
  // Switches goEditing alone, as the grid does while the current cell
  // moves: the selection and its anchor stay as they are.
  void Set_Editing_Option(bool on);

 private:
  // (end of in-place editor hooks)

  // ---- scroll bars
  // The bars count rows and columns: a bar's value is the top row (left
  // column) itself, its page the rows (columns) in view.
 protected:
  // Runs at the end of every scroll-bar update, while the bars' own value
  // changes are ignored: descendants give the bars their look and page.
  virtual void Scroll_Bars_Updated() {}
  // Pixels at the bottom of the viewport that a panel covers; the last row
  // may scroll up above them.
  virtual int Bottom_Reserve() const { return 0; }
  // Whether a dragged thumb scrolls at once or only when it is let go.
  virtual bool Scroll_While_Dragging() const { return options_ & goThumbTracking; }

 private:
  // (end of scroll bars)
};
