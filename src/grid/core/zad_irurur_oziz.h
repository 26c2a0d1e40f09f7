#pragma once
// TZadIrururOziz: the string grid of every table in the program. On top of
// the cell store grid it keeps hidden rows (moved out into records) and
// hidden columns (kept in storage, left out of the display), the grid-wide
// settings and option groups, row and column operations that keep their side
// lists in step, cell objects and the per-cell question dispatchers.
//
// Index spaces: RowCount/ColCount, Row/Col and every row argument are display
// indexes. Cell storage is by real column; RealColIndex/DisplColIndex and
// RealRowIndex/DisplRowIndex translate.
//
// The member functions are spread over files by concern:
//   zad_irurur_oziz.cpp   creation, defaults, Loaded, Assign, destruction
//   grid_dimensions.cpp   counts, fixed rows/columns, current cell
//   grid_hidden.cpp       hidden rows and columns
//   grid_row_ops.cpp      insert, remove, move, clear, trim, merge by content
//   grid_cell_objects.cpp cell objects and the per-cell dispatchers
#include <QCursor>
#include <QDateTime>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "controls/editor_logic/edit_layout.h"
#include "grid/core/base_grid.h"
#include "grid/core/cell_graphic.h"
#include "grid/core/cell_highlight.h"
#include "grid/core/cell_interface.h"
#include "grid/core/grid_hook_states.h"
#include "grid/core/grid_paint_look.h"
#include "grid/draw/cell_shape.h"
#include "grid/filter/filter_collection.h"
#include "grid/filter/filter_drop_lists.h"
#include "grid/filter/grid_change_notifier.h"
#include "grid/find/find_params.h"
#include "grid/html/draw_html_text.h"
#include "grid/html/html_picture.h"
#include "grid/input/scroll_control.h"
#include "grid/nodes/cell_node.h"
#include "grid/store/balloon_settings.h"
#include "grid/store/column_size.h"
#include "grid/store/control_list.h"
#include "grid/store/drag_drop_settings.h"
#include "grid/store/drag_scroll_options.h"
#include "grid/store/filter_drop_down.h"
#include "grid/store/grid_options.h"
#include "grid/store/grouping_settings.h"
#include "grid/store/html_settings.h"
#include "grid/store/int_list.h"
#include "grid/store/print_settings.h"
#include "grid/store/progress_appearance.h"
#include "grid/store/show_modified.h"
#include "grid/store/size_while_typing.h"
#include "grid/store/sort_style.h"
#include "grid/theme/grid_look.h"
#include "grid/theme/style_if.h"
#include "grid/windows/arrow_window.h"

// The grid's own error: bad row or column indexes given to its selection
// and row-state properties.
class QIODevice;

class VAzaZeriVader : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The record of one hidden row: its cells (properties included) and height.
// Records come and go by the hundred thousand as a large grid's groups close
// and open, so they are carved from pooled blocks, not one heap block each.
struct TGridItem {
  int Idx = 0;
  int Height = 0;
  std::vector<Cell_Store::Cell_Copy> Items;
  int Level = 0;

  static void* operator new(std::size_t size);
  static void operator delete(void* p) noexcept;
};

enum TFilterDropDownColumns { fdNormal, fdAll };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum TCellBorder : uint8_t { cbTop = 1, cbLeft = 2, cbRight = 4, cbBottom = 8 };
using TCellBorders = uint8_t;

class QScrollBar;
class TZadIrururOziz;
class TZadIrururOzizCheck;
class THTMLHintWindow;
class TGridAlphaMask;
class TGridFocusWindow;
class TBalloonWindow;
class TSearchPanel;
class TFooterPanel;

// Told of every cell the user is about to move to (the column still the one
// before the move); one listener per grid.
class ITZadIrururOzizSelect {
 public:
  virtual ~ITZadIrururOzizSelect() = default;
  virtual void CellSelecting(int ACol, int ARow) = 0;
};
class TControlEdit;
class TControlCombo;
class QTextDocument;
using TRowUpdateEvent = std::function<void(TZadIrururOziz* Sender, int OldRow, int NewRow)>;
using TGridHintEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, QString& hintstr)>;
using TClickCellEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol)>;
using TKeyPressEvent = std::function<void(TZadIrururOziz* Sender, QChar& Key)>;
using TCellsChangedEvent = std::function<void(TZadIrururOziz* Sender, const TGridRect& R)>;
using TGridColorEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, TGridDrawState AState,
                                           TCanvas::Brush_State& ABrush, QFont& AFont, TColor& AFontColor)>;
using TGridAlignEvent =
    std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridBorderEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, TColor& PenColor, int& PenWidth,
                                            TCellBorders& Borders)>;
using TGetEditorTypeEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, TEditorType& AEditor)>;
using TCellBoolEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, bool& Value)>;
using TColRowBoolEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, bool& Value)>;
using TGetCheckEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, QString& Value)>;
using TGetColumnFilterEvent = std::function<void(TZadIrururOziz* Sender, int Column, QStringList& Filter)>;
using TCanInsertRowEvent = std::function<void(TZadIrururOziz* Sender, int ARow, bool& CanInsert)>;
using TCanAddRowEvent = std::function<void(TZadIrururOziz* Sender, bool& CanAdd)>;
using TSearchEditChangeEvent = std::function<void(TZadIrururOziz* Sender, const QString& Value, bool& DefaultSearch)>;
using TSearchFooterActionEvent =
    std::function<void(TZadIrururOziz* Sender, const QString& Value, int ACol, int ARow, TSearchAction SearchAction)>;

class TZadIrururOziz : public TBaseGrid, public IDUDStyle, public IDUDTones {
  Q_OBJECT

 public:
  explicit TZadIrururOziz(QWidget* AOwner = nullptr);
  ~TZadIrururOziz() override;

  // ---- life cycle
  // Completes a grid set up in code, as after reading a form.
  virtual void Loaded();
  bool IsLoaded() const { return FLoaded; }
  // Copies settings, sizes and cells of another string grid.
  void Assign(const TZadIrururOziz& Source);
  void AssignCells(const TZadIrururOziz& Source);
  // Always false: there is no designer.
  bool IsDesigning() const { return false; }
  virtual void RepaintAll() { InvalidateGrid(); }
  virtual void DisableEditing() { SetOptions(Options() & ~goEditing); }

  // ---- option groups and lists
  TSearchFooter& SearchFooter() { return *FSearchFooter; }
  TNavigation& Navigation() { return *FNavigation; }
  TMouseActions& MouseActions() { return *FMouseActions; }
  TSyncGrid& SyncGrid() { return *FSyncGrid; }
  void SetSyncGrid(const TSyncGrid& Value) { FSyncGrid->Assign(Value); }
  TBands& Bands() { return *FBands; }
  TFocusHelper& FocusHelper() { return *FFocusHelper; }
  TSortIndexList& SortIndexes() { return FSortIndexes; }
  TControlList& ControlList() { return FControlList; }
  TIntList& IgnoreColumns() { return FIgnoreColumns; }
  // The header filter values: the text shown for each and, separately, the
  // filter condition it stands for (a value with blanks is quoted).
  QStringList& FilterList() { return FFilterList; }
  QStringList& FilterConditions() { return FFilterConditions; }
  // The header filter lists: the check list (several values ticked) when
  // FilterDropDownCheck is on, else the plain list. Created on first use.
  TDropList* FilterDropList();
  TDropCheckList* FilterDropCheckList();
  bool FilterDropDownCheck() const { return FFilterDropDownCheck; }
  void SetFilterDropDownCheck(bool Value) { FFilterDropDownCheck = Value; }
  // The display column whose filter list is open, -1 when none.
  int FilterColumn() const { return FFilterCol; }
  // The lists' picks (a plain item, or -1 for a toggled tick); the filter
  // services turn them into the column's conditions.
  virtual void DoFilterSelect(QObject* Sender, int ItemIndex);
  virtual void DoFilterCheck(QObject* Sender, int ItemIndex);
  // The column filter conditions the filter services apply.
  TFilter& Filter();
  // Observers told of every structural change right after OnCellsChanged, in
  // registration order; a notifier is registered once.
  void RegisterNotifier(TGridChangeNotifier* ANotifier);
  void UnRegisterNotifier(TGridChangeNotifier* ANotifier);

  // ---- headers
  const QStringList& ColumnHeaders() const { return FColumnHeaders; }
  void SetColumnHeaders(const QStringList& Value);
  const QStringList& RowHeaders() const { return FRowHeaders; }
  void SetRowHeaders(const QStringList& Value);
  virtual void ColumnHeadersChanging() {}

  // ---- dimensions and current cell (display counts)
  void SetRowCount(int Value) override;
  void SetColCount(int Value) override;
  void SetRow(int Value) override;
  void SetCol(int Value) override;
  void SetTopRow(int Value) override;
  int GetFixedRows() const;
  void SetFixedRows(int Value) override;
  int GetFixedCols() const;
  void SetFixedCols(int Value) override;
  bool FixedRowAlways() const { return FFixedRowAlways; }
  void SetFixedRowAlways(bool Value) { FFixedRowAlways = Value; }
  bool FixedColAlways() const { return FFixedColAlways; }
  void SetFixedColAlways(bool Value) { FFixedColAlways = Value; }
  int FixedColWidth() const { return ColWidths(0); }
  void SetFixedColWidth(int Value);
  int FixedRowHeight() const { return FFixedRowHeight; }
  void SetFixedRowHeight(int Value);
  void SetGridDefaultRowHeight(int Value);
  int FixedFooters() const { return FFixedFooters; }
  void SetFixedFooters(int Value);
  int FixedRightCols() const { return FFixedRightCols; }
  void SetFixedRightCols(int Value);
  TAlignment DefaultAlignment() const { return FDefaultAlignment; }
  void SetDefaultAlignment(TAlignment Value);
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment Value);
  unsigned VAlignFlag() const { return FVAlign; }
  bool GridWordWrap() const { return FWordWrapEx; }
  void SetGridWordWrap(bool Value);
  bool ShowSelection() const { return FShowSelection; }
  void SetShowSelection(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  int MaxEditLength() const { return FMaxEditLength; }
  void SetMaxEditLength(int Value) { FMaxEditLength = Value; }
  bool SpreadSheet() const { return FSpreadSheet; }
  void SetSpreadSheet(bool Value);
  int MaxRowCount() const { return FMaxRowCount; }
  int MaxColCount() const { return FMaxColCount; }
  int FixedRowsMin() const { return FFixedRowsMin; }
  int FixedColsMin() const { return FFixedColsMin; }
  int MinColWidth() const { return FMinColWidth; }
  int MaxColWidth() const { return FMaxColWidth; }
  int MinRowHeight() const { return FMinRowHeight; }
  // The last row changed while the floating footer shows it.
  void HiddenRowChanged() override;

  // ---- hidden rows and columns
  bool IsHiddenRow(int Rowindex) const;
  int NumHiddenRows() const { return int(FGridItems.size()); }
  int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
  int RealRowIndex(int ARow) const;
  int DisplRowIndex(int ARow) const;
  int RealRow() const { return RealRowIndex(Row()); }
  bool IsHiddenColumn(int Colindex) const;
  int NumHiddenColumns() const { return FNumHidden; }
  int TotalColCount() const override { return ColCount() + FNumHidden; }
  int RealColIndex(int ACol) const;
  int DisplColIndex(int ACol) override;
  int RealCol() const { return RealColIndex(Col()); }
  void HideRow(int Rowindex) { HideRows(Rowindex, Rowindex); }
  void HideRows(int FromRow, int ToRow);
  void HideRowsEx(int FromRow, int ToRow);
  void HideRowList(const TIntList& RowList);
  void UnHideRow(int Rowindex);
  void UnHideRows(int FromRow, int ToRow);
  void UnHideRowsAll();
  void UnHideRowList();
  void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
  void HideColumns(int FromCol, int ToCol);
  void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
  void UnHideColumns(int FromCol, int ToCol);
  void UnHideColumnsAll() { UnHideColumns(0, ColCount() + NumHiddenColumns()); }
  int FilterLevel() const { return FFilterLevel; }
  void SetFilterLevel(int Value) { FFilterLevel = Value; }
  const std::vector<std::unique_ptr<TGridItem>>& GridItems() const { return FGridItems; }

  // ---- row and column operations
  virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
  void AddRow();
  virtual void GrowRowCount() { SetRowCount(RowCount() + 1); }
  virtual void RemoveRows(int RowIndex, int RCount);
  virtual void RemoveRowsEx(int RowIndex, int RCount);
  virtual void ClearAndRemoveRows(int RowIndex, int Count);
  void RemoveRowRange(int RowIndex, int Count, bool DropControls);
  void RemoveDuplicates(int ACol, bool DoCase);
  virtual void InsertCols(int ColIndex, int CCount);
  void AddColumn() { InsertCols(ColCount(), 1); }
  virtual void RemoveCols(int ColIndex, int CCount);
  // MoveRow and MoveColumn (of the platform grid) carry cell controls along.
  void MoveRows(int FromIndex, int ToIndex, int Count);
  void SwapCells(TGridCoord FromCell, TGridCoord ToCell);
  virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
  void ClearRows(int RowIndex, int RCount);
  void ClearCols(int ColIndex, int CCount);
  void ClearNormalRows(int RowIndex, int RCount);
  void ClearNormalCols(int ColIndex, int CCount);
  void ClearNormalCells();
  void Clear();
  void ClearAll();
  virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
  void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
  void TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
  void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
  void MergeColumnCells(int ColIndex, bool MainMerge);
  void MergeRowCells(int RowIndex, bool MainMerge);
  void SplitColumnCells(int ColIndex);
  void SplitRowCells(int RowIndex);
  void SplitAllCells();
  void MergeCols(int ColIndex1, int ColIndex2, const QString& Separator);
  bool IsCell(const QString& SubStr, int& ACol, int& ARow);
  bool IsWideCell(int ACol, int ARow);
  bool IsIgnoredColumn(int ACol) const { return FIgnoreColumns.HasValue(ACol); }
  virtual TGridRect UsedCells();
  virtual void DoCellsChanged(const TGridRect& R);
  bool RowModified(int ARow) const;
  void SetRowModified(int ARow, bool Value);
  bool RowEnabled(int ARow) const;
  void SetRowEnabled(int ARow, bool Value);
  bool ShowModifiedEnabled() const { return FShowModifiedEnabled; }
  void SetShowModifiedEnabled(bool Value) { FShowModifiedEnabled = Value; }
  bool SaveHiddenCells() const { return FSaveHiddenCells; }
  void SetSaveHiddenCells(bool Value) { FSaveHiddenCells = Value; }
  bool ClearTextOnly() const { return FClearTextOnly; }
  void SetClearTextOnly(bool Value) { FClearTextOnly = Value; }

  // ---- selection (grid_selection.cpp)
  // Writing the selection makes its top-left the anchor and its bottom-right
  // the current cell.
  void SetSelectionRect(const TGridRect& Value);
  void GotoCell(int ACol, int ARow);
  void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
  void HideSelection();
  void UnHideSelection();
  bool SelHidden() const { return FSelHidden; }
  bool RowSelect(int ARow);
  void SetRowSelect(int ARow, bool Value);
  bool ColSelect(int ACol);
  void SetColSelect(int ACol, bool Value);
  void SelectRows(int RowIndex, int RCount);
  void UnSelectRows(int RowIndex, int RCount);
  void SelectCols(int ColIndex, int CCount);
  void UnSelectCols(int ColIndex, int CCount);
  void ClearRowSelect();
  void ClearColSelect();
  void SelectionToRowSelect(bool All);
  void SelectionToColSelect(bool All);
  int RowSelectCount();
  int ColSelectCount();
  int SelectedRowCount();
  int SelectedColCount();
  int SelectedRow(int i);
  int SelectedCellsCount();
  TGridCoord SelectedCell(int i) const;
  bool SelectedCells(int i, int j) const;
  void SetSelectedCells(int i, int j, bool Value);
  void ClearSelectedCells();
  int ModifiedRowCount() const;
  void ClearModifiedRows();
  void RepaintRect(const TGridRect& r);
  void RepaintRow(int ARow);
  void RepaintCol(int ACol);
  std::function<void(TZadIrururOziz* Sender, int ARow, bool AState, bool& Allow)> OnRowDisjunctSelect;
  std::function<void(TZadIrururOziz* Sender, int ARow)> OnRowDisjunctSelected;

  // ---- scrolling and keys (grid_keyboard.cpp)
  // Brings a cell out of view into the middle of the visible area and makes
  // it current; a cell in view leaves the scrolling alone.
  void ScrollInView(int ColIndex, int RowIndex);
  // Clipboard services the keys call (grid/clipboard/).
  virtual void CopySelectionToClipboard();
  virtual void CutSelectionToClipboard();
  virtual void PasteSelectionFromClipboard();
  // One row inserted or deleted from the keyboard.
  // With row nodes a row inserted inside a group joins it; the only data
  // row is emptied instead of removed unless FixedRowAlways (grid_hooks.cpp).
  virtual void InsertOneRow(int ARow);
  virtual void DoAutoDeleteRow(int ARow);
  // Select all: the data area, with disjunct rows every data row.
  void SelectAll();
  // Before the base moves (grid_input_keys.cpp): arrows over fixed cells
  // inside the data area, whether it moved; Space/Enter on cell controls.
  bool Skip_Fixed_Cells(int key);
  void Handle_Cell_Control_Key(int key);
  // After the base moves: arrows and Space on disjunct row/column selection.
  void Handle_Disjunct_Keys(int key, Qt::KeyboardModifiers shift);
  // Appends an empty data row (Down on the last data row).
  void AutoAppendRow();
  bool IsLastDataRow() const { return Row() == RowCount() - FFixedFooters - 1; }
  // The keypad's "." types the locale decimal separator.
  bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
  QString Typed_Text(const QKeyEvent& event) const;
  // The hint shown while a scroll thumb is dragged (grid_scroll_hints.cpp):
  // "Row : n" / "Col : n" for the row or column the thumb stands at.
  TScrollHintType ScrollHints() const { return FScrollHints; }
  void SetScrollHints(TScrollHintType Value) { FScrollHints = Value; }
  QString ScrollHintText(Qt::Orientation Bar, int Index);
  void Connect_Scroll_Hints();
  std::function<void(TZadIrururOziz* Sender, int ARow, QString& hintstr)> OnScrollHint;
  std::function<void(TZadIrururOziz* Sender, int ARow)> OnAutoAddRow;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, bool State)> OnCheckBoxClick;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, int AIdx)> OnRadioClick;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow)> OnRadioButtonClick;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow)> OnButtonClick;
  std::function<void(TZadIrururOziz* Sender, bool& Allow)> OnClipboardCopy;
  std::function<void(TZadIrururOziz* Sender, bool& Allow)> OnClipboardCut;
  std::function<void(TZadIrururOziz* Sender, bool& Allow)> OnClipboardPaste;
  std::function<void(TZadIrururOziz* Sender, int ARow)> OnAutoInsertRow;
  std::function<void(TZadIrururOziz* Sender, int ARow, bool& CanDelete)> OnCanDeleteRow;
  std::function<void(TZadIrururOziz* Sender, int ARow)> OnAutoDeleteRow;

  // ---- clipboard and smart paste (grid/clipboard/): the cells as TAB and
  // CR LF separated text, rich text of the top-left cell and the binary cell
  // format; pasting at a cell or into the selection with series filling.
  enum TClipOperation { coCut, coCopy };
  using TClipboardBeforePasteWideCellEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, QString& Value, bool& Allow)>;
  using TClipboardAfterPasteWideCellEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, const QString& Value)>;
  void CopyToClipBoard();
  void CutToClipboard();
  void CopyToClipBoardAsHTML();
  void PasteFromClipboard();
  QString GetSelectionAsText();
  void SetSelectionAsText(const QString& Value);
  // The rectangle (display columns) as clipboard text; SelectedOnly leaves
  // out rows or columns that are not selected in disjunct selection.
  QString SelectionToText(const TGridRect& Rect, bool SelectedOnly);
  void ExtendSelectionToMergedCells();
  // Pastes the clipboard at a display cell; the count of values pasted, the
  // block's rows and its last row's columns in Rows and Cols.
  int PasteCells(int ACol, int ARow, int& Rows, int& Cols);
  int PasteText(int ACol, int ARow, int& Rows, int& Cols, const QString& Text);
  virtual void StorePastedCell(int ACol, int ARow, const QString& Value);
  virtual void MarkRowsModified(QPoint FromPoint, const TGridRect& Rect, TClipOperation Operation);
  virtual bool UsesFormattedClipboard() { return FNavigation->AllowFmtClipboard(); }
  virtual void BeginSmartPaste() {}
  virtual void EndSmartPaste() {}
  QPoint ClipTopLeft() const { return FClipTopLeft; }
  TClipOperation ClipLastOp() const { return FClipLastOp; }
  TClipboardBeforePasteWideCellEvent OnClipboardBeforePasteWideCell;
  TClipboardAfterPasteWideCellEvent OnClipboardAfterPasteWideCell;

 private:
  void Copy_Rect_To_Clipboard(const TGridRect& Rect, bool SelectedOnly);
  QString Clip_Cell_Text(int ACol, int ARow);
  bool Paste_Field(int c, int r, QString Field);
  void Smart_Fill(const TGridRect& S, int N);
  bool Smart_Store(int c, int r, QString Value, bool TopLeft);
  QPoint FClipTopLeft{-1, -1};
  TClipOperation FClipLastOp = coCopy;
  bool FPasteAll = false;
  // What the last paste brought: its values, lines and the last line's
  // fields, without the empty line after a final line break.
  int FPastedValues = 0;
  int FPastedRows = 0;
  int FPastedCols = 0;
  // (end of clipboard and smart paste)

 public:
  // ---- cell objects
  virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
  virtual TCellType GetCellType(int ACol, int ARow);
  TIntList* GetCellImages(int ACol, int ARow);
  TCellGraphic* CreateCellGraphic(int ACol, int ARow);
  bool RemoveCellGraphic(int ACol, int ARow);
  bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType Kind);
  bool HasCellType(int ACol, int ARow, std::initializer_list<TCellType> Kinds);
  bool HasCellControl(int ACol, int ARow);
  bool IsDataCellObject(int ACol, int ARow);
  void AddCheckBox(int ACol, int ARow, bool State, bool Data);
  void AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal, TCellVAlign val);
  void SetAngle(int ACol, int ARow, int AAngle);
  virtual QPoint GetCellGraphicSize(int ACol, int ARow) { return CalcCellGraphicSize(ACol, ARow, 0); }
  virtual QPoint CalcCellGraphicSize(int ACol, int ARow, int Reserve);
  QPoint XYOffset() const { return FXYOffset; }
  // The text offset inside a cell; UpdateXYOffset sets it without a repaint.
  void SetXYOffset(const QPoint& Value) {
    FXYOffset = Value;
    RepaintAll();
  }
  void UpdateXYOffset(int X, int Y) { FXYOffset = QPoint(X, Y); }
  int CheckBoxSize() const { return FCheckBoxSize; }

  // ---- per-cell questions
  void DoGetDisplText(int ACol, int ARow, QString& Value) override;
  void GetInitialCellProps(int ACol, int ARow, QFont& AFont, TColor& AFontColor, TColor& ABrushColor, TColor& AColorTo,
                           TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                           TCellGradientDirection& GD) override;
  void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                           TCanvas::Brush_State& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                           QFont& AFont, TColor& AFontColor, TAlignment& HA, TVAlignment& VA, bool& WW,
                           TCellGradientDirection& GD) override;
  bool IsFixed(int ACol, int ARow) override;
  virtual void GetCellFloatFormat(int ACol, int ARow, QString& Format);
  virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
  virtual void DoGridHint(int ACol, int ARow, QString& HintStr);
  virtual void DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TCanvas::Brush_State& ABrush, QFont& AFont,
                              TColor& AFontColor);
  virtual void DoGetCellBorder(int ACol, int ARow, TCellBorders& Borders, TColor& PenColor, int& PenWidth);
  virtual void DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
  virtual void DoGetEditorTypeRaw(int ACol, int ARow, TEditorType& AEditor);
  virtual void DoGetEditorType(int ACol, int ARow, TEditorType& AEditor);
  virtual bool IsEditorNone(int ACol, int ARow);
  virtual void DoIsFixedCell(int ACol, int ARow, bool& IsFixedCell);
  virtual void CheckCellEditable(int ACol, int ARow, bool& CanEdit);
  virtual void DoIsPasswordCell(int ACol, int ARow, bool& IsPassword);
  virtual void DoGetWordWrap(int ACol, int ARow, bool& WordWrapValue);
  virtual bool DoHasComboBox(int ACol, int ARow);
  virtual bool DoHasSpinEdit(int ACol, int ARow);
  virtual void DoGetCheckTrue(int ACol, int ARow, QString& Value);
  virtual void DoGetCheckFalse(int ACol, int ARow, QString& Value);
  virtual bool DoGetColumnFilter(int Column);
  virtual void DoCanAddRow(bool& CanAdd);
  virtual void DoCanInsertRow(int ARow, bool& CanInsert);
  void RepaintActiveCellHeaders(int OldCol, int OldRow, int NewCol, int NewRow);

  // ---- settings
  QString FloatFormat() const { return FFloatFormat; }
  void SetFloatFormat(const QString& Value) { FFloatFormat = Value; }
  QString CheckTrue() const { return FCheckTrue; }
  void SetCheckTrue(const QString& Value) { FCheckTrue = Value; }
  QString CheckFalse() const { return FCheckFalse; }
  void SetCheckFalse(const QString& Value) { FCheckFalse = Value; }
  TColor SelectionColor() const { return FSelectionColor; }
  void SetSelectionColor(TColor Value);
  TColor SelectionTextColor() const { return FSelectionTextColor; }
  void SetSelectionTextColor(TColor Value);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value);
  bool ActiveCellShow() const { return FActiveCellShow; }
  void SetActiveCellShow(bool Value);
  TColor ActiveCellColor() const { return FActiveCellColor; }
  void SetActiveCellColor(TColor Value);
  const QFont& ActiveCellFont() const { return FActiveCellFont; }
  const QFont& FixedFont() const { return FFixedFont; }
  void SetFixedFont(const QFont& Value);
  TGridLook Look() const { return FLook; }
  TEditorType DefaultEditor() const { return FDefaultEditor; }
  void SetDefaultEditor(TEditorType Value) { FDefaultEditor = Value; }
  bool EnableHTML() const { return FEnableHTML; }
  bool FilterDropDownAuto() const { return FFilterDropDownAuto; }
  void SetFilterDropDownAuto(bool Value) { FFilterDropDownAuto = Value; }
  TFilterDropDownColumns FilterDropDownColumns() const { return FFilterDropDownColumns; }
  void SetFilterDropDownColumns(TFilterDropDownColumns Value) { FFilterDropDownColumns = Value; }
  QString FilterDropDownClear() const { return FFilterDropDownClear; }
  void SetFilterDropDownClear(const QString& Value) { FFilterDropDownClear = Value; }
  bool FilterIncremental() const { return FFilterIncremental; }
  void SetFilterIncremental(bool Value) { FFilterIncremental = Value; }
  bool EditDisable() const { return FEditDisable; }
  void SetEditDisable(bool Value) { FEditDisable = Value; }
  QTimer& GridTimer() { return FGridTimer; }

  // ---- events
  TRowUpdateEvent OnRowUpdate;
  TGridHintEvent OnGridHint;
  TClickCellEvent OnClickCell;
  TClickCellEvent OnDblClickCell;
  TKeyPressEvent OnKeyPress;
  TCellsChangedEvent OnCellsChanged;
  TGridColorEvent OnGetCellColor;
  TGridBorderEvent OnGetCellBorder;
  TGridAlignEvent OnGetAlignment;
  TGetEditorTypeEvent OnGetEditorType;
  TCellBoolEvent OnIsFixedCell;
  TCellBoolEvent OnCanEditCell;
  TCellBoolEvent OnIsPasswordCell;
  TColRowBoolEvent OnGetWordWrap;
  TColRowBoolEvent OnHasComboBox;
  TColRowBoolEvent OnHasSpinEdit;
  TGetCheckEvent OnGetCheckTrue;
  TGetCheckEvent OnGetCheckFalse;
  TGetColumnFilterEvent OnGetColumnFilter;
  TCanAddRowEvent OnCanAddRow;
  TCanInsertRowEvent OnCanInsertRow;
  std::function<void(TZadIrururOziz* Sender)> OnResize;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void PaintCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int c, int r) override;
  // The grid's own key handling after the base moves: row moving with
  // Ctrl+Up/Down, wrapping and snake moves, skipping disabled rows, a
  // synchronised grid following.
  bool HandleKeyDown(int key, Qt::KeyboardModifiers shift) override;
  // Clipboard, insert, delete and select-all keys; whether one was handled.
  bool Handle_Service_Keys(int key, Qt::KeyboardModifiers shift);
  // Home and End by Navigation.HomeEndKey; whether the key was handled.
  bool Handle_Home_End(int key, Qt::KeyboardModifiers shift);
  void RowMoved(int from, int to) override;
  void ColumnMoved(int from, int to) override;
  // The owner window was resized.
  virtual void FormResize() {}
  virtual void NavigationChanged() {}
  virtual void MouseActionsChanged() {}

 private:
  friend class Grid_Row_Ops;
  // Hidden-row lookups, kept sorted for the translations.
  const std::vector<int>& Hidden_Sorted() const;
  const std::vector<int>& Hidden_Unique() const;
  void Hidden_Changed() {
    hidden_dirty_ = true;
    real_row_cache_.valid = false;
  }
  void Row_Count_Written(int Value);
  int Real_Col_Of(int display_col) const { return RealColIndex(display_col); }
  void Shift_Side_Lists_Insert(int RowIndex, int RCount);
  void Shift_Side_Lists_Remove(int RowIndex, int RCount);
  void Free_Hidden_Records();
  void Reset_Storage_Row(int r);
  void Free_Cell_Props(int c, int r);

  // settings objects the grid's own fields alias (look presets section)
  TShowModified FShowModified;
  TColumnSize FColumnSize;

  // option groups and lists
  std::unique_ptr<TSearchFooter> FSearchFooter;
  std::unique_ptr<TNavigation> FNavigation;
  std::unique_ptr<TMouseActions> FMouseActions;
  std::unique_ptr<TSyncGrid> FSyncGrid;
  std::unique_ptr<TBands> FBands;
  std::unique_ptr<TFocusHelper> FFocusHelper;
  QStringList FColumnHeaders;
  QStringList FRowHeaders;
  TIntList FOrigColSizes{-1, -1};
  TSortIndexList FSortIndexes;
  TIntList FSortRowXRef{0, 0}, FUnSortRowXRef{0, 0}, FMergedColumns{0, 0}, FSelectedCells{0, 0}, FSelectedRows{0, 0},
      FModifiedRows{0, 0}, FEnabledRows{0, 0};
  TIntList FColumnOrder{0, 0};
  TIntList FIgnoreColumns{-1, -1};
  TControlList FControlList;
  TCellGraphic FCellGraphic;  // shared row check box, never freed by cell operations
  QStringList FFilterList;
  QStringList FFilterConditions;
  QPointer<TDropList> FFilterDropList;
  QPointer<TDropCheckList> FFilterDropCheckList;
  int FFilterCol = -1;
  bool FFilterDropDownCheck = false;
  std::unique_ptr<TFilter> FFilter;
  std::vector<QPointer<TGridChangeNotifier>> FNotifiers;
  std::vector<std::unique_ptr<TGridItem>> FGridItems;
  QTimer FGridTimer;

  // hidden columns
  static constexpr int Column_Flags = 513;
  std::vector<bool> FVisibleCol = std::vector<bool>(Column_Flags, true);
  std::vector<int16_t> FAllColWidths = std::vector<int16_t>(Column_Flags, 0);
  int FNumHidden = 0;
  int FFilterLevel = 0;
  mutable bool hidden_dirty_ = true;
  mutable std::vector<int> hidden_sorted_;
  mutable std::vector<int> hidden_unique_;
  struct Real_Row_Cache {
    bool valid = false;
    int row = 0;
    int hidden_below = 0;
  };
  mutable Real_Row_Cache real_row_cache_;

  // dimensions
  bool FFixedRowAlways = false;
  bool FFixedColAlways = false;
  int FFixedRowsMin = 0;
  int FFixedColsMin = 0;
  int FMaxRowCount = 0;
  int FMaxColCount = 0;
  int FOldRowSel = -1;
  int FFixedRowHeight = 22;
  int FFixedFooters = 0;
  int FFixedRightCols = 0;
  TAlignment FDefaultAlignment = taLeftJustify;
  TVAlignment FVAlignment = vtaTop;
  unsigned FVAlign = 0;
  bool FWordWrapEx = true;
  bool FShowSelection = true;
  bool FFlat = false;
  int FMaxEditLength = 0;
  bool FSpreadSheet = false;
  int FMinRowHeight = 0, FMaxRowHeight = 0, FMinColWidth = 0, FMaxColWidth = 0;
  bool FLoaded = false;
  int FUpdateCount = 0;

  // row state
  // The ShowModified settings' flag, read and switched in place.
  bool& FShowModifiedEnabled = FShowModified.Enabled_Field();
  bool FUseEnabledRows = false;
  bool FSaveHiddenCells = false;
  bool FClearTextOnly = false;
  bool FNilObjects = false;
  bool FBlockCellChange = false;

  // look and texts
  TGridLook FLook = glXP;
  TColor FFixedColor = clBtnFace;
  TColor FSelectionColor = 0xEACAB6;
  TColor FSelectionColorTo = clNone;
  TColor FSelectionTextColor = 0;
  TColor FActiveCellColor = 0x808080;
  TColor FActiveCellColorTo = clNone;
  bool FActiveCellShow = false;
  QFont FFixedFont;
  QFont FActiveCellFont;
  TColor FBorderColor = 0xB99D7F;
  TColor FHintColor = clInfoBk;
  TColor FDisabledFontColor = 0xC0C0C0;
  TColor FURLColor = 0xFF0000;
  bool FEnableHTML = true;
  QString FFloatFormat = QStringLiteral("%.2f");
  QString FCheckTrue = QStringLiteral("Y");
  QString FCheckFalse = QStringLiteral("N");
  QChar FPasswordChar = QLatin1Char('*');
  TEditorType FDefaultEditor = edNormal;
  QPoint FXYOffset{2, 2};
  int FCheckBoxSize = 15;
  QString FXMLEncoding = QStringLiteral("ISO-8859-1");
  QString FFilterDropDownClear = QStringLiteral("(All)");
  TFilterDropDownColumns FFilterDropDownColumns = fdNormal;
  bool FFilterIncremental = false;
  bool FFilterDropDownAuto = false;
  bool FEditDisable = false;
  bool FExcelStyleDecimalSeparator = false;
  TScrollHintType FScrollHints = shNone;
  QPointer<QWidget> FOwnerForm;

  TGridCoord FLastKeyCell;

  // selection
  std::vector<bool> FRowSelect;
  std::vector<bool> FColSelect;
  TGridRect FOldSelection;
  bool FSelHidden = false;
  bool FSelChange = false;

  // ---- painting: zad_grid_paint.cpp (pipeline and colours), cell_text_drawing.cpp,
  // cell_object_drawing.cpp, cell_alignment.cpp (alignment, shown text, measuring)
 public:
  struct Cell_Object_Layout {
    TCellGraphic* Graphic = nullptr;
    int W = 0, H = 0;
    TCellHAlign HAlign = haLeft;
    TCellVAlign VAlign = vaTop;
    bool TextShares = true;
  };
  using TGridGradientEvent =
      std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                         TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
  using TCustomCellDrawEvent = std::function<void(TZadIrururOziz* Sender, TCanvas& Canvas, int ACol, int ARow,
                                                  TGridDrawState AState, const TRect& ARect, bool Printing)>;
  using TDrawCellEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
  using TGridBorderPropEvent =
      std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, TCanvas::Pen_State& LeftPen,
                         TCanvas::Pen_State& TopPen, TCanvas::Pen_State& RightPen, TCanvas::Pen_State& BottomPen)>;
  using TFloatFormatEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat)>;

  TGridPaintLook& PaintLook() { return FPaintLook; }
  TSortSettings& SortSettings() { return FSortSettings; }
  TControlLook& ControlLook() { return FControlLook; }
  TCellNode& CellNode() { return FCellNode; }
  // Options of printing and of the HTML export.
  TPrintSettings& PrintSettings() { return FPrintSettings; }
  THTMLSettings& HTMLSettings() { return FHTMLSettings; }
  TSizeWhileTyping& SizeWhileTyping() { return FSizeWhileTyping; }
  TGrouping& Grouping() { return FGrouping; }
  TDragDropSettings& DragDropSettings() { return FDragDropSettings; }
  TBalloonSettings& Balloon() { return FBalloon; }
  // Kept within 0..100; a change repaints.
  void SetSelectionColorMixerFactor(int Value) {
    Value = std::clamp(Value, 0, 100);
    if (Value == FPaintLook.SelectionColorMixerFactor) return;
    FPaintLook.SelectionColorMixerFactor = Value;
    RepaintAll();
  }
  TBackGround& BackGround() { return FBackGround; }
  // Takes the other background and repaints.
  void SetBackGround(const TBackGround& Value) {
    FBackGround.Assign(Value);
    RepaintAll();
  }
  TColor URLColor() const { return FURLColor; }
  void SetURLColor(TColor Value);
  QChar PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(QChar Value);
  TColor DisabledFontColor() const { return FDisabledFontColor; }
  void SetDisabledFontColor(TColor Value);
  // Set by the mouse code while the left button is down over the cells.
  bool MouseDown() const { return FMouseDown; }
  void SetMouseDown(bool Value) { FMouseDown = Value; }

  void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, QFont& AFont, TColor& AFontColor,
                         TCanvas::Brush_State& ABrush, bool Remap);
  void DrawColumnSizingLine(TCanvas& ACanvas, int X);
  void DrawRowSizingLine(TCanvas& ACanvas, int Y);
  void PaintOuterBackground(TCanvas& ACanvas);
  bool ShowsSortGlyph(int ACol, int ARow);
  void DrawSortGlyph(TCanvas& ACanvas, int ACol, int Y, int X);
  Cell_Object_Layout GetCellGraphicLayout(int ACol, int ARow);
  void DrawCheckBoxGlyph(TCanvas& ACanvas, const TRect& R, bool Checked, TCheckBoxState TriState, bool UseTriState,
                         TControlStyle Style, bool Grayed, bool Enabled);
  void DrawRadioGroup(TCanvas& ACanvas, const TRect& R, bool Upward, double Scale, TControlStyle Style, int ACol,
                      int ARow, bool Selected, const QStringList& Items, bool Disabled, bool SideBySide, int Index,
                      int Count);
  static double ClampPercent(double X);
  void AddRotated(int ACol, int ARow, int AAngle, const QString& s);
  void SetRotated(int ACol, int ARow, int AAngle);
  void RemoveRotated(int ACol, int ARow);
  bool IsRotated(int ACol, int ARow, int& aAngle);
  QPoint PlaceRotatedText(TRect Rect, int Angle, TVAlignment VAlign, TAlignment HAlign, const QString& Text);
  void CellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA);
  virtual QString GetFormattedCell(int ACol, int ARow);
  QSize GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
  QSize MeasureCellText(int ACol, int DCol, int ARow, bool VS, bool SB);

  TGridGradientEvent OnGetCellGradient;
  TCustomCellDrawEvent OnCustomCellBkgDraw;
  TCustomCellDrawEvent OnCustomCellDraw;
  TDrawCellEvent OnDrawCell;
  TGridBorderPropEvent OnGetCellBorderProp;
  TFloatFormatEvent OnGetFloatFormat;
  std::function<void(TZadIrururOziz* Sender)> OnPainted;

 protected:
  void PaintGrid(QPainter& painter) override;

 private:
  struct Cell_Paint;
  void DrawCellText(TCanvas& ACanvas, Cell_Paint& P);
  void DrawCellObject(TCanvas& ACanvas, Cell_Paint& P);
  void Paint_Cell_Borders(TCanvas& ACanvas, int RCol, int ARow, const TRect& R);
  void Paint_Fixed_Edges(TCanvas& ACanvas, int RCol, TRect R);
  void Paint_Fixed_Look(TCanvas& ACanvas, Cell_Paint& P);
  void Paint_Node_Lines(TCanvas& ACanvas, int ARow, const TRect& R);
  void Draw_Node_Glyph(TCanvas& ACanvas, const TCellGraphic& G, int ARow, TRect R, bool selected);
  void Draw_Background_In_Cell(TCanvas& ACanvas, const Cell_Paint& P);
  bool Paint_Is_Selected(int ACol, int ARow);
  bool Paint_Row_Selected(int ARow) const;
  bool Paint_Col_Selected(int ACol) const;
  double Paint_Float(int RCol, int ARow);
  int Paint_Int(int RCol, int ARow);
  int Sort_Index_Of(int RCol) const;

  TGridPaintLook FPaintLook;
  TSortSettings FSortSettings{this};
  TControlLook FControlLook{this};
  TCellNode FCellNode{this};
  TPrintSettings FPrintSettings{this};
  THTMLSettings FHTMLSettings;
  TSizeWhileTyping FSizeWhileTyping;
  TGrouping FGrouping;
  TDragDropSettings FDragDropSettings;
  TBalloonSettings FBalloon;
  TBackGround FBackGround;
  bool FMouseDown = false;
  // Fixed cell under the mouse and pressed state, kept by the mouse code.
  int FHoverFixedX = -1, FHoverFixedY = -1;
  bool FMouseDownMove = false;
  bool FDropDownDown = false;
  bool FEditing = false;
  bool FInitialLook = false;  // a cell's properties are being made from the grid's look

  // ---- column sizes, measuring, cell controls, image cells and hints
  // (grid_auto_size.cpp, cell_measure.cpp, check_box_cells.cpp,
  // image_cells.cpp, cell_hints.cpp)
 public:
  using enum TAutoSizeRows;
  enum THintShowLargeTextPos { hpCell, hpCursor };
  using TUpdateColumnSizeEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int& AWidth)>;
  using TCheckBoxChangeEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, bool State)>;

  // Width of real column i; the remembered width while it is hidden.
  int GetAllColWidths(int i) const;
  void SetAllColWidths(int i, int Value);
  // A width the user sized a column to / auto-sizing chose, before it is set.
  virtual void DoUpdateColumnSize(int ACol, int& AWidth);
  virtual void DoUpdateColumnSizeAuto(int ACol, int& AWidth);
  // The in-place editor's text limit and edit mask for the current cell.
  virtual int QueryEditLimit() { return FMaxEditLength; }
  // EditMask, changed per cell by OnGetEditMask (grid_hooks.cpp).
  virtual QString QueryEditMask(int ACol, int ARow);

  void SetMinColWidth(int Value) { FMinColWidth = Value; }
  void SetMaxColWidth(int Value) { FMaxColWidth = Value; }
  void SetMinRowHeight(int Value) { FMinRowHeight = Value; }
  int MaxRowHeight() const { return FMaxRowHeight; }
  void SetMaxRowHeight(int Value) { FMaxRowHeight = Value; }
  bool SizeGrowOnly() const { return FSizeGrowOnly; }
  void SetSizeGrowOnly(bool Value) { FSizeGrowOnly = Value; }
  TAutoSizeRows ColumnSizeRows() const { return FColumnSizeRows; }
  void SetColumnSizeRows(TAutoSizeRows Value) { FColumnSizeRows = Value; }
  void AutoSizeCol(int ACol, int Padding);
  void AutoSizeColumns(bool DoFixedCols, int Padding);
  void AutoSizeRow(int ARow, int Padding);
  void AutoSizeRows(bool DoFixedRows, int Padding);
  void SetRowHeightForLines(int ARow, int Lines, int Base);
  void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
  void AutoFitColumns(bool DoFixedCells);
  void SizeToCols();
  void SizeToRows();
  void SizeToCells();
  void FitColumnWidth(int ACol, bool GrowOnly);
  void FitRowHeight(int ARow, bool GrowOnly, int Extra);
  virtual QPoint GetCellGraphicRowExtent(int ACol, int ARow, int Extra);

  int VertCellMargin() const;
  int HorzCellMargin() const;
  int MaxCharsInCol(int ACol);
  int MaxLinesInRow(int ARow);
  int MapFontHeight(int pointsize) const;
  static int MapFontSize(int Height);
  double Fontscalefactor() const { return FFontscalefactor; }
  void SetFontscalefactor(double Value) { FFontscalefactor = Value; }
  void InvalidateGridRect(const TGridRect& R);

  void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
  void AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox);
  void RemoveCheckBox(int ACol, int ARow);
  void RemoveCheckBoxColumn(int ACol);
  bool HasCheckBox(int ACol, int ARow);
  bool HasDataCheckBox(int ACol, int ARow);
  bool GetCheckBoxState(int ACol, int ARow, bool& State);
  bool IsChecked(int ACol, int ARow);
  bool SetCheckBoxState(int ACol, int ARow, bool State);
  bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
  bool ChangeCheckBoxState(int ACol, int ARow, bool State);
  void CheckAll(int ACol);
  void UnCheckAll(int ACol);
  bool ToggleCheckBox(int ACol, int ARow) { return FlipCheckBox(ACol, ARow, false); }
  // The toggle a click (ByClick) or the space key gives a check-box cell.
  virtual bool FlipCheckBox(int ACol, int ARow, bool ByClick);
  bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
  virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
  void AddRadioButton(int ACol, int ARow, bool State);
  void AddRadioButtonColumn(int ACol);
  void RemoveRadioButton(int ACol, int ARow);
  void RemoveRadioButtonColumn(int ACol);
  bool HasRadioButton(int ACol, int ARow);
  bool IsRadioButtonChecked(int ACol, int ARow);
  bool SetRadioButtonState(int ACol, int ARow, bool State);
  void SetRadioButtonColumnIndex(int ACol, int Index);
  int GetRadioButtonColumnIndex(int ACol);
  virtual bool SelectRadioButton(int ACol, int ARow, bool ByClick);
  void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, QStringList* sl);
  QStringList* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
  bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
  bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
  QStringList* GetRadioStrings(int ACol, int ARow);
  bool IsRadio(int ACol, int ARow);
  void RemoveRadio(int ACol, int ARow);
  // The step the space key takes on a radio-group cell.
  void SelectNextRadioItem(int ACol, int ARow, bool ByClick);
  void SetButtonText(int ACol, int ARow, const QString& Caption);
  QString GetButtonText(int ACol, int ARow);
  void PushButton(int ACol, int ARow, bool push);
  void RemoveButton(int ACol, int ARow);
  bool HasButton(int ACol, int ARow);

  // The image list of image-index, data-image and multi-image cells (not owned).
  QList<QImage>* GridImages() const { return FGridImages; }
  void SetGridImages(QList<QImage>* Value);
  void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
  bool GetImageIdx(int ACol, int ARow, int& idx);
  void SetImageIdx(int ACol, int ARow, int Idx);
  void RemoveImageIdx(int ACol, int ARow);
  void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
  bool HasDataImage(int ACol, int ARow);
  void RemoveDataImage(int ACol, int ARow);
  void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
  void RemoveMultiImage(int ACol, int ARow);

  // Named pictures for IMG tags of HTML cells and hints (not owned); the
  // cache holds the pictures HTML cells name by URL.
  TPictureContainer* PictureContainer() const { return FPictureContainer; }
  void SetPictureContainer(TPictureContainer* Value);
  THTMLPictureCache& ImageCache() { return FImageCache; }

  bool HintShowCells() const { return FHintShowCells; }
  void SetHintShowCells(bool Value) { FHintShowCells = Value; }
  bool HintShowLargeText() const { return FHintShowLargeText; }
  void SetHintShowLargeText(bool Value) { FHintShowLargeText = Value; }
  THintShowLargeTextPos HintShowLargeTextPos() const { return FHintShowLargeTextPos; }
  void SetHintShowLargeTextPos(THintShowLargeTextPos Value) { FHintShowLargeTextPos = Value; }
  bool HTMLHint() const { return FHTMLHint; }
  void SetHTMLHint(bool Value) { FHTMLHint = Value; }
  bool AnchorHint() const { return FAnchorHint; }
  void SetAnchorHint(bool Value) { FAnchorHint = Value; }
  bool UseInternalHintClass() const { return FUseInternalHintClass; }
  void SetUseInternalHintClass(bool Value) { FUseInternalHintClass = Value; }
  TColor HintColor() const { return FHintColor; }
  void SetHintColor(TColor Value) { FHintColor = Value; }
  // Every tool tip of the program shows in the HTML hint window while set.
  bool UseHTMLHints() const { return FUseHTMLHints; }
  void SetUseHTMLHints(bool Value);
  QString LastAnchorHint() const { return FLastAnchorHint; }
  // The hint of the cell under a viewport point and where it shows (viewport
  // coordinates); false outside the cells.
  bool CellHint(const QPoint& CursorPos, QString& HintStr, QPoint& HintPos);
  // The rest of what the hint asks of the window that shows it.
  struct TCellHintInfo {
    QString HintStr;
    QPoint HintPos;        // viewport coordinates
    int HintMaxWidth = 0;  // 0: the window's own
    TColor HintColor = clInfoBk;
    bool HTMLWindow = false;  // shown by the HTML hint window with this grid's pictures
  };
  bool CellHintInfo(const QPoint& CursorPos, TCellHintInfo& Info);
  // Anchor hints may be replaced by the application (ARow, ACol order).
  std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, QString& Anchor)> OnAnchorHint;
  TGridCoord LastHintPos() const { return FLastHintPos; }
  // The window of this grid's HTML hints (created on first use).
  THTMLHintWindow* HTMLHintWindow();

  TUpdateColumnSizeEvent OnUpdateColumnSize;
  TCheckBoxChangeEvent OnCheckBoxChange;

  // ---- bitmap, icon, picture and file-picture cells (cells/picture_cells.cpp);
  // right-to-left cells, list-view headers, themed progress and group counts
  // (core painting, grid_cell_objects.cpp)
  // Bitmaps and icons are QImages. What Add... is given stays the caller's;
  // what Create... makes belongs to the cell object.
  void AddBitmap(int ACol, int ARow, QImage* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
  QImage* CreateBitmap(int ACol, int ARow, bool transparent, TCellHAlign hal, TCellVAlign val);
  QImage* GetBitmap(int ACol, int ARow);
  bool HasBitmap(int ACol, int ARow);
  void RemoveBitmap(int ACol, int ARow);
  void AddIcon(int ACol, int ARow, QImage* AIcon, TCellHAlign hal, TCellVAlign val);
  QImage* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
  void RemoveIcon(int ACol, int ARow);
  void AddPicture(int ACol, int ARow, class TPicture* APicture, bool transparent, TStretchMode stretchmode,
                  int padding, TCellHAlign hal, TCellVAlign val);
  class TPicture* CreatePicture(int ACol, int ARow, bool transparent, TStretchMode stretchmode, int padding,
                                TCellHAlign hal, TCellVAlign val);
  class TPicture* GetPicture(int ACol, int ARow);
  bool HasPicture(int ACol, int ARow);
  void RemovePicture(int ACol, int ARow);
  void AddFilePicture(int ACol, int ARow, class TFilePicture* AFilePicture, bool Transparent,
                      TStretchMode stretchmode, int padding, TCellHAlign hal, TCellVAlign val);
  class TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int padding,
                                        TCellHAlign hal, TCellVAlign val);
  class TFilePicture* GetFilePicture(int ACol, int ARow);
  void RemoveFilePicture(int ACol, int ARow);

 private:
  TCellGraphic* Attach_Image_Object(int ACol, int ARow, TCellType Kind, void* Payload, bool Transparent,
                                    TCellHAlign hal, TCellVAlign val);
  void* Image_Payload(int ACol, int ARow, TCellType Kind);
  // R mirrored inside the cell rectangle C while the grid reads right to
  // left; R itself otherwise.
  TRect Mirrored_In_Cell(const TRect& R, const TRect& C) const;
  // The list-view header face of a fixed cell: the theme's header item, or
  // a plain button face without themes.
  void Paint_List_View_Fixed(TCanvas& ACanvas, const Cell_Paint& P);
  // The theme's progress bar with its chunk cut to Percent; false (nothing
  // drawn) when no theme draws it.
  bool Draw_Themed_Progress(TCanvas& ACanvas, const TRect& R, double Percent);
  // " (n)" or the group count format for column 1 of a node row.
  QString Group_Count_Text(int ARow);
  // (end of picture cells, right-to-left cells and group looks)

 protected:
  bool viewportEvent(QEvent* event) override;

 private:
  void Sync_Grid_Images();
  bool FSizeGrowOnly = false;
  // The ColumnSize settings' Rows, read and written in place.
  TAutoSizeRows& FColumnSizeRows = FColumnSize.Rows_Field();
  double FFontscalefactor = 1.0;
  QList<QImage>* FGridImages = nullptr;
  bool FHintShowCells = false;
  bool FHintShowLargeText = false;
  THintShowLargeTextPos FHintShowLargeTextPos = hpCell;
  bool FHTMLHint = false;
  bool FAnchorHint = false;
  bool FUseInternalHintClass = true;
  bool FUseHTMLHints = false;
  QString FLastAnchorHint;
  TGridCoord FLastHintPos{-1, -1};
  TPictureContainer* FPictureContainer = nullptr;
  THTMLPictureCache FImageCache;
  THTMLHintWindow* FHTMLHintWindow = nullptr;  // a child: goes with the grid
  void Hide_HTML_Hint();

  // ---- mouse clicks (grid_mouse.cpp press, grid_mouse_release.cpp release,
  // grid_mouse_clicks.cpp double and right clicks, grid_mouse_cells.cpp
  // cell-control hits)
 public:
  enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };
  using TMouseEvent =
      std::function<void(TZadIrururOziz* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>;
  using TNotifyGridEvent = std::function<void(TZadIrururOziz* Sender)>;
  using TCellAllowEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, bool& Allow)>;
  using TColAllowEvent = std::function<void(TZadIrururOziz* Sender, int ACol, bool& Allow)>;
  using TColIndexEvent = std::function<void(TZadIrururOziz* Sender, int Index)>;
  using TSelectionResizeEvent =
      std::function<void(TZadIrururOziz* Sender, const TGridRect& OrigSelection, const TGridRect& NewSelection)>;
  using TSelectionChangedEvent =
      std::function<void(TZadIrururOziz* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
  using TRatingChangeEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, double& Value, bool& Allow)>;

  // The cell under a viewport point; -1, -1 outside the cells.
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
  // Where the button of the cell (display column) was last drawn; an empty
  // rectangle without a button or before it was drawn.
  TRect GetButtonRect(int ACol, int ARow);
  // The 11 x 11 toggle of an expand cell; empty without one.
  TRect GetExpandButtonRect(int ACol, int ARow);
  // Flips the expand cell (display column); whether it is expanded now.
  bool ToggleExpand(int ACol, int ARow);
  // A press at (X, Y) inside the base cell of a radio-group cell (display
  // column) chooses the item under it.
  void ClickRadioGroup(int ACol, int ARow, int X, int Y);
  // The fixed-cell editor a press or double click on a header opens
  // (fixed_cell_editor.cpp).
  virtual void EditFixedCell(int ACol, int ARow);
  // A click on the sort row that passed the sort decision (real column):
  // sorts by it (grid/sort/header_sort.cpp).
  virtual void DoHeaderSort(int ACol);
  virtual void DoRatingChange(int ACol, int ARow, double& Value, bool& Allow);
  virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
  virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
  TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
  // Set by the hover code: what a press on a fixed cell selects.
  // The cursor follows the mode.
  void SetMouseSelectMode(TMouseSelectMode Value);
  bool DblClk() const { return FDblClk; }
  QPoint PushedCellButton() const { return FPushedCellButton; }

  TCellAllowEvent OnCanClickCell;
  TClickCellEvent OnRightClickCell;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TNotifyGridEvent OnClick;
  TNotifyGridEvent OnDblClick;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, bool State)> OnCheckBoxMouseUp;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, int AIdx)> OnRadioMouseUp;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, bool Expanded)> OnExpandClick;
  TColAllowEvent OnColumnSize;
  TColIndexEvent OnEndColumnSize;
  TColIndexEvent OnEndRowSize;
  TColAllowEvent OnCanSort;
  TSelectionResizeEvent OnSelectionResize;
  TSelectionResizeEvent OnSelectionResized;
  TSelectionChangedEvent OnSelectionChanged;
  TRatingChangeEvent OnRatingChange;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void HandleMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  void HandleMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  void UserColumnSize(int c, int& width) override;
  void HandleLeftButtonDown(QMouseEvent* event);
  void HandleLeftButtonUp(QMouseEvent* event);
  void HandleDoubleClick(QMouseEvent* event);
  void HandleRightButtonDown(QMouseEvent* event);
  void HandleRightButtonUp(QMouseEvent* event);

 private:
  // The platform's press run for a point (the grid's own handling of it).
  void Framework_Press(QMouseEvent* event, QPoint at);
  void Framework_Release(QMouseEvent* event);
  bool Press_Selection_Resizer(const QPoint& pos, bool fixed_editing_only, bool set_state);
  bool Press_Cell_Object(int ACol, int ARow, const QPoint& pos);
  bool Press_Check_Box(int ACol, int ARow, const QPoint& pos, bool editable, QMouseEvent* event);
  void Press_Fixed_Select(int ACol, int ARow, Qt::KeyboardModifiers shift);
  // A press on a data cell that edits directly (decided by the press).
  void Press_Direct_Edit(int ACol, int ARow, const QPoint& pos, bool combo);
  void Release_Cell_Button(const QPoint& pos);
  void Release_Cell_Objects(int ACol, int ARow);
  void Header_Sort_Decision(int ACol, int ARow, const QPoint& pos);
  // A release on a header filter button opens or closes its filter list.
  void Header_Filter_List(int X, int Y);
  bool Mouse_Editing_Option() const;
  void Fire_Mouse_Down(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& pos);
  bool FDoOnClick = false;
  bool FMouseKeepDown = false;
  bool FDeselectState = false;
  bool FSelectionClick = false;
  QPoint FPushedCellButton{-1, -1};
  bool FPushedIsExpand = false;
  bool FSpinUpClick = false, FSpinDnClick = false;
  int Colclicked = -1, Rowclicked = -1, Colclickedsize = 0, Rowclickedsize = 0;
  int Clickposx = 0, Clickposy = 0, Clickposdx = 0, Clickposdy = 0;
  int Movecell = -1, MoveOfsX = 0, MoveOfsY = 0;
  TMouseSelectMode FMouseSelectMode = msNormal;
  int FMouseSelectStart = -1;
  bool FMouseResize = false;
  TGridRect FDropSelection;
  bool FDblClk = false;
  bool LButFlg = false;
  int FOldTopRow = 0, FOldKeepLeftCol = 0;
  TGridRect FPressSelection;
  QPoint FPressCell{-1, -1};
  int FPressWidth = -1;
  // (end of mouse clicks)

  // ---- anchors and form controls in HTML cells (grid_html_anchors.cpp):
  // hover, clicks, cell links, the floating editors of form controls and
  // automatic links
 public:
  using TAnchorClickEvent =
      std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle)>;
  using TAnchorEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, const QString& Anchor)>;
  using TCellControlEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, const QString& CtrlID,
                                               const QString& CtrlType, const QString& CtrlVal)>;
  using TCellComboControlEvent =
      std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, const QString& CtrlID, const QString& CtrlType,
                         const QString& CtrlVal, QStringList& Values, bool& Edit, int& DropCount)>;
  using TCellComboControlSelectEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, int ItemIndex,
                                                          const QString& CtrlID, const QString& CtrlValue)>;
  // Opens a link the user clicked; tests put their own in.
  using TLinkOpener = std::function<void(const QString& Url)>;

  // URLShow and URLShowInText are appearance settings (look presets).
  // Only the anchor under the mouse is underlined.
  bool URLUnderlineOnHover() const { return FPaintLook.URLUnderlineOnHover; }
  void SetURLUnderlineOnHover(bool Value);
  // Opens the floating editor of an EDIT, PASSWORD, MASK or COMBO control
  // (real column ACol, display column DCol) over its rectangle (viewport
  // coordinates); other types open nothing.
  void ShowHtmlControlEditor(const QString& CellText, const QString& CtrlType, int ARow, int ACol, int DCol,
                             const TRect& CtrlRect, const QString& CtrlValue, const QString& CtrlID);
  // Writes the open editor's text into its control's VALUE and closes it.
  void HtmlControlEditDone();
  void HtmlComboSelect(TControlCombo* Combo);
  // Opens the editor of the cell's next typed-into control after the one
  // named ID (the first for an empty ID); the grid takes the focus when
  // there is none. Display column.
  void FocusNextFormControl(int ACol, int ARow, const QString& ID);
  // Tab in a form-control editor: the next control of the edited cell.
  void FocusNextFormControl();
  // The cell's anchor or control under a viewport point, laid out where the
  // cell's text is painted; with ControlID (and no point) the rectangle of
  // that control. Display column.
  bool HtmlCellHit(int ACol, int ARow, const QPoint& Pos, THtmlDrawResult& Hit, const QString& ControlID = {});
  TControlEdit* HtmlEditControl() const { return FEditControl; }
  TControlCombo* HtmlComboControl() const { return FComboControl; }
  bool HtmlControlEditing() const { return FCtrlEditing; }
  QString AnchorUnderMouse() const { return FAnchor; }
  QPoint HoverCell() const { return FHoverCell; }
  int HoverLink() const { return FHoverlink; }
  bool HtmlButtonDown() const { return FCtrlDown; }
  TLinkOpener LinkOpener;  // QDesktopServices::openUrl when empty

  TAnchorClickEvent OnAnchorClick;
  TAnchorEvent OnAnchorEnter;
  TAnchorEvent OnAnchorExit;
  TCellControlEvent OnControlClick;
  TCellComboControlEvent OnControlComboList;
  TCellComboControlSelectEvent OnControlComboSelect;
  TCellControlEvent OnControlEditDone;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  // Anchors and controls under a press (display column); whether the press
  // was used up.
  bool Html_Cell_Click(int ACol, int ARow, const QPoint& Pos);
  // Enter, F2 and typed characters on a cell holding form controls: no
  // in-place editor; Enter and F2 open the first control's editor. Whether
  // the key was used up.
  bool Html_Control_Key(QKeyEvent* event);

 private:
  void Html_Hover(const QPoint& Pos);
  void Html_Hover_End();
  void Set_Hover_Link(QPoint Cell, int Link);
  void Follow_Anchor(const QString& Anchor);
  bool Html_Control_Editable(int ACol, int ARow, const QString& CtrlID);
  QString Stored_Cell_Text(int RCol, int ARow);
  void Store_Cell_Text(int RCol, int ARow, const QString& Text);
  void Watch_Form_Control(QWidget* Editor);
  QString FAnchor;
  QPoint FAnchorCell{-1, -1};
  QPoint FHoverCell{-1, -1};
  int FHoverlink = -1;
  QPoint FCtrlXY{-1, -1};  // real column, row
  QString FCtrlID, FCtrlType, FLastCtrlID;
  bool FCtrlEditing = false;
  bool FCtrlDown = false;
  QPoint FCtrlDownPos{-1, -1};
  TControlEdit* FEditControl = nullptr;  // children of the viewport
  TControlCombo* FComboControl = nullptr;
  QMetaObject::Connection FFocusWatch;
  // Gone with the grid's members, before its child editors: a focus change
  // while the grid is destroyed finds no grid to write into.
  std::shared_ptr<bool> FAnchorsAlive = std::make_shared<bool>(true);
  // (end of anchors and form controls)

  // ---- in-place editing: editor types, the editing decision, the default
  // text editor (grid_editing.cpp)
 public:
  using TCellValidateEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, QString& Value, bool& Valid)>;
  using TEditChangeEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, const QString& Value)>;
  using TClipboardBeforePasteCellEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, QString& Value, bool& Allow)>;
  using TClipboardAfterPasteCellEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, const QString& Value)>;

  // Whether the cell may be edited: some editing option is on and the base
  // cell is editable and not fixed.
  bool IsEditable(int ACol, int ARow);
  bool CanEditBaseCell(int ACol, int ARow);
  // Opens the editor on the current cell (scrolled into view).
  void ShowInplaceEdit();
  // Closes the open editor, its value written back.
  void HideInplaceEdit();
  // Ends editing from inside an editor with the key that ended it.
  void DoneInplaceEdit(int Key, Qt::KeyboardModifiers Shift);
  // F2 to the grid, as the user would press it.
  void ShowCellEdit();
  void HideCellEdit() { StoreCellEditorValue(Col(), Row()); }
  TEditorType CurrentEditor() const { return EditControl; }
  bool EditActive() const { return FEditActive; }
  bool EditMode() const { return FEditMode; }
  bool Editing() const { return FEditing; }
  bool EditChangedOption() const { return FEditChange; }
  // OnEditingDone, then the edit-done message to the grid itself.
  void NotifyEditingDone(int ACol, int ARow);
  bool WantsTabKey() const;
  // The check before the current cell moves to (ACol, ARow): switches
  // editing on or off for the target and validates a running edit.
  virtual bool CanSelectCell(int ACol, int ARow);
  virtual void DoCellChanging(int ACol, int ARow, bool& Allow);
  // A cancelled edit: the text from before editing goes back.
  virtual void RestoreEditedCell();
  virtual void RememberOldCell(int ACol, int ARow);
  // OnCellValidate over an edited value; a refused value leaves the cell as
  // it was before editing (or as the handler set it).
  virtual bool ValidateCell(const QString& NewValue);
  QString NewCellText() const { return FNewCellText; }
  QString OldCellText() const { return FOldCellText; }
  bool LastValidation() const { return FLastValidation; }
  // The editors other than the text editor: opened on the cell (display
  // column) by the type in EditControl, and written back when they close.
  virtual void PrepareCellEditor(int ACol, int ARow);
  virtual void StoreCellEditorValue(int ACol, int ARow);
  // Hooks the text editor calls.
  virtual void EditorKeyDown(int& Key, Qt::KeyboardModifiers Shift) { (void)Key, (void)Shift; }
  virtual void EditorTextChanged(const QString& Text, QPoint Pos, int Caret) { (void)Text, (void)Pos, (void)Caret; }
  virtual void FormulaEditing(bool Active) { (void)Active; }
  // The text editor (made on first editing).
  class TZadInplaceEdit* NormalEdit() const;

  QString EditMask() const { return FEditMask; }
  void SetEditMask(const QString& Value) { FEditMask = Value; }
  int MaxComboLength() const { return FMaxComboLength; }
  void SetMaxComboLength(int Value) { FMaxComboLength = Value; }
  QString ValidChars() const { return FValidChars; }
  void SetValidChars(const QString& Value) { FValidChars = Value; }
  // Characters (codes 0..255) edValidChars accepts when ValidChars is empty.
  std::vector<bool>& ValidCharSet() { return FValidCharSet; }
  bool Lookup() const { return FLookup; }
  void SetLookup(bool Value) { FLookup = Value; }
  bool LookupCaseSensitive() const { return FLookupCaseSensitive; }
  void SetLookupCaseSensitive(bool Value) { FLookupCaseSensitive = Value; }
  bool LookupHistory() const { return FLookupHistory; }
  void SetLookupHistory(bool Value) { FLookupHistory = Value; }
  QStringList& LookupItems() { return FLookupItems; }
  bool ShowNullDates() const { return FShowNullDates; }
  void SetShowNullDates(bool Value) { FShowNullDates = Value; }
  bool AlwaysValidate() const { return FAlwaysValidate; }
  void SetAlwaysValidate(bool Value) { FAlwaysValidate = Value; }
  bool GridModified() const { return FGridModified; }
  class TFloatingFooter& FloatingFooter();

  TCellValidateEvent OnCellValidate;
  TEditChangeEvent OnEditChange;
  TClipboardBeforePasteCellEvent OnClipboardBeforePasteCell;
  TClipboardAfterPasteCellEvent OnClipboardAfterPasteCell;
  std::function<void(TZadIrururOziz* Sender)> OnEditingDone;

 protected:
  bool CanShowEditor() override;
  QWidget* CreateEditor() override;
  void Fill_Editor(QWidget* editor) override;
  void Start_Editor_With(const QString& text) override;
  bool Editor_Owns_Keys() const override { return true; }

 private:
  friend class TZadInplaceEdit;
  friend struct Grid_Edit_Access;
  // The raw text of a cell (display column): its block's base cell, read
  // at the real column.
  QString Base_Cell_Text(int ACol, int ARow);
  // The raw text of the current cell and storing into it.
  QString Raw_Current_Text();
  void Store_Current_Text(const QString& Text);
  void Floating_Footer_Changed();
  bool Footer_Refuses(int ACol, int ARow);
  // Whether the cell would edit if the grid were a range-select-and-edit
  // one (the double-click-only editing asks this).
  bool Editable_As_Range_Edit(int ACol, int ARow);
  void Switch_Editing_For(int ACol, int ARow, QString& Text);
  TEditorType EditControl = edNormal;
  bool FEditMode = false;
  bool FEditActive = false;
  bool FSpecialEditor = false;
  QString FCellCache;
  bool FEditChange = false;
  bool FLastValidation = true;
  bool FValidating = false;
  bool FNoEditChange = false;
  bool FBlockKill = false, FBlockFocus = false;
  bool FEntered = false;
  bool FShowEditProcess = false;
  QString FOldCellText, FNewCellText;
  int FOldCol = -1, FOldRow = -1;
  bool FNoAutoAdvance = false;
  bool FGridModified = false;
  int FLastRowUpdate = -1;
  QString FEditMask;
  int FMaxComboLength = 0;
  QString FValidChars;
  std::vector<bool> FValidCharSet;
  bool FLookup = false, FLookupCaseSensitive = false, FLookupHistory = false;
  QStringList FLookupItems;
  bool FShowNullDates = true;
  bool FAlwaysValidate = false;
  std::shared_ptr<class TFloatingFooter> FFloatingFooter;
  // Gone as soon as the grid's own members are, so that the text editor
  // leaves a grid alone that is being destroyed around it.
  std::shared_ptr<bool> FEditorGuard = std::make_shared<bool>(true);
  // (end of in-place editing)

  // ---- the grid-aware editor controls' events and services (edit/: the
  // controls themselves, grid_editor_services.cpp these members)
 public:
  using TSpinClickEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
  using TFloatSpinClickEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
  using TDateTimeSpinClickEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
  using TComboChangeEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection)>;
  using TComboObjectChangeEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, int AItemIndex,
                                                     const QString& ASelection, const QVariant& AObject)>;
  using TEllipsClickEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, QString& S)>;
  using TUnitChangedEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, const QString& NewUnit)>;
  using TGetEditorPropEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, class TEditLink* AEditLink)>;

  // The ellipsis button's answer: S, or what OnEllipsClick made of it.
  virtual void DoEllipsClick(const QString& S, QString& Result);
  // The application configures the editor of a cell (real column) just
  // before it opens: OnGetEditorProp, then OnGetEditorPropInt.
  virtual void DoGetEditorProp(int ACol, int ARow, class TEditLink* AEditLink);
  // The combo editor (made on first use, hidden and disabled) and its items.
  class TGridCombo* Combobox();
  void ClearComboString();
  void AddComboString(const QString& S);
  void AddComboStringObject(const QString& S, const QVariant& AObject);
  bool RemoveComboString(const QString& S);
  bool SetComboSelectionString(const QString& S);
  void SetComboSelection(int Idx) { FComboIdx = Idx; }
  int ComboSelection() const { return FComboIdx; }
  int GetComboCount();
  void SetComboIndex(int ACol, int ARow, int Value);
  int GetComboIndex(int ACol, int ARow);
  // The value of a date-and-time cell as its editor opened.
  double OriginalDateTime() const { return FOriginalDateTime; }
  void SetOriginalDateTime(double Value) { FOriginalDateTime = Value; }
  // Set while a drop-down editor moves the focus itself: the rich editor
  // then leaves its focus loss alone.
  bool InvokedFocusChange() const { return FInvokedFocusChange; }
  void SetInvokedFocusChange(bool Value) { FInvokedFocusChange = Value; }

  TSpinClickEvent OnSpinClick;
  TFloatSpinClickEvent OnFloatSpinClick;
  TDateTimeSpinClickEvent OnDateSpinClick;
  TDateTimeSpinClickEvent OnTimeSpinClick;
  TComboChangeEvent OnComboChange;
  TComboObjectChangeEvent OnComboObjectChange;
  TEllipsClickEvent OnEllipsClick;
  TUnitChangedEvent OnUnitChanged;
  TGetEditorPropEvent OnGetEditorProp;
  std::function<void(TZadIrururOziz* Sender, int ARow, int ACol)> OnGetEditorPropInt;
  // Keys released in an editor that hands them on.
  std::function<void(TZadIrururOziz* Sender, int& Key, Qt::KeyboardModifiers Shift)> OnKeyUp;

 private:
  class TGridCombo* FCombobox = nullptr;  // a child: goes with the grid
  int FComboIdx = -1;
  double FOriginalDateTime = 0;
  bool FInvokedFocusChange = false;
  // (end of editor controls)

  // ---- the special editors: made on first use, opened over a cell and
  // their value written back (grid_editor_open.cpp, grid_editor_store.cpp,
  // grid_drop_down_editors.cpp)
 public:
  using TDatePickerEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol)>;
  using TDateTimeChangeEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, double ADateTime)>;
  using TColorSelectEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, TColor AColor, const QString& AValue)>;
  using TColorSelectedEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, TColor& AColor, QString& AValue)>;
  using TImageSelectEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, int AImageIndex)>;
  using TImageSelectedEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, int& AImageIndex)>;
  using TDropDownButtonClickEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, int ButtonIndex)>;

  // Writes Value into the cell (real column) through the edit-text store,
  // then into the cell itself.
  virtual void WriteEditedCell(int ACol, int ARow, const QString& Value);
  // The editor controls, each made hidden and disabled on first use.
  class TGridSpin* SpinEdit();
  class TGridDatePicker* DateTimePicker();
  class TGridDateTimePicker* DateAndTimePicker();
  class TZadRichEdit* InplaceRichEdit();
  class TGridEditBtn* BtnEdit();
  class TGridUnitEditBtn* BtnUnitEdit();
  class TGridButton* Btn();
  class TGridCheckBox* EditCheck();
  class TGridTrackbarDropDown* TrackbarDropDown();
  class TGridMemoDropDown* MemoDropDown();
  class TGridCalculatorDropDown* CalculatorDropDown();
  class TGridTimepickerDropDown* TimePickerDropDown();
  class TGridColorDropDown* ColorPickerDropDown();
  class TGridImageDropDown* ImagePickerDropDown();
  class TGridDetailPickerDropDown* DetailPickerDropDown();
  class TGridGridDropDown* GridDropDown();
  // The grid drop-down editor, made by the maker its library registered at
  // start (null without one).
  class TZadCustomDropDown* ZadGridDropDown();
  // The application's own editor of edCustom cells (not owned).
  class TEditLink* EditLink() const;
  void SetEditLink(class TEditLink* Value);
  // The control the open special editor put over the cell (null for the
  // check box, the date-and-time picker and while none is open).
  QWidget* EditCtrl() const { return FEditCtrl; }
  // OnColorSelect and OnImageSelect with the current cell and the picker's
  // choice.
  virtual void DoColorSelect();
  virtual void DoImageSelect();

  // Reads a date editor's start value from the cell text (ADate starts as
  // now).
  std::function<void(TZadIrururOziz* Sender, const QString& Value, double& ADate)> OnCustomStrToDate;
  TDatePickerEvent OnDatePickerCloseUp;
  TDatePickerEvent OnDatePickerDropDown;
  TDateTimeChangeEvent OnDateTimeChange;
  TColorSelectEvent OnColorSelect;
  TColorSelectedEvent OnColorSelected;
  TImageSelectEvent OnImageSelect;
  TImageSelectedEvent OnImageSelected;
  TDropDownButtonClickEvent OnDropDownHeaderButtonClick;
  TDropDownButtonClickEvent OnDropDownFooterButtonClick;

 private:
  friend class TEditLink;
  // Steps of opening shared by the types.
  void Open_Custom_Editor(int ACol, int RCol, int ARow, const TRect& R, TColor C, const QFont& F, const QString& T);
  void Open_Drop_Down(TEditorType Type, int ACol, int RCol, int ARow, const TRect& R, TColor C, const QString& T);
  // The drop-down editor of a type (null when not made yet) and its setup
  // on first use.
  class TZadCustomDropDown* Drop_Down_Of(TEditorType Type) const;
  void Setup_Drop_Down(class TZadCustomDropDown* Control);
  // The image list the image picker shows (a copy of GridImages).
  std::vector<QImage> FPickerImages;
  // A typed start character posted to the control that just took the focus.
  void Post_Start_Char(QWidget* Control);
  void Store_Drop_Down(int RCol, int ARow);
  // The colour a colour editor shows and writes: the shape's own colour in
  // a shape cell, else the cell's background.
  TColor Editor_Cell_Color(int RCol, int ARow);
  void Set_Editor_Cell_Color(int RCol, int ARow, TColor Value);
  void Wire_Date_Picker(class TGridDatePicker* Picker);
  class TGridSpin* FSpinEdit = nullptr;  // children of the viewport: go with the grid
  class TGridDatePicker* FDateTimePicker = nullptr;
  class TGridDateTimePicker* FDateAndTimePicker = nullptr;
  class TZadRichEdit* FInplaceRichEdit = nullptr;
  class TGridEditBtn* FBtnEdit = nullptr;
  class TGridUnitEditBtn* FBtnUnitEdit = nullptr;
  class TGridButton* FBtn = nullptr;
  class TGridCheckBox* FEditCheck = nullptr;
  class TGridTrackbarDropDown* FTrackbarDropDown = nullptr;
  class TGridMemoDropDown* FMemoDropDown = nullptr;
  class TGridCalculatorDropDown* FCalculatorDropDown = nullptr;
  class TGridTimepickerDropDown* FTimePickerDropDown = nullptr;
  class TGridColorDropDown* FColorPickerDropDown = nullptr;
  class TGridImageDropDown* FImagePickerDropDown = nullptr;
  class TGridDetailPickerDropDown* FDetailPickerDropDown = nullptr;
  class TGridGridDropDown* FGridDropDown = nullptr;
  class TZadCustomDropDown* FZadGridDropDown = nullptr;
  QPointer<QObject> FEditLink;  // a TEditLink
  QPointer<QWidget> FEditCtrl;
  bool FEscaped = false;
  // (end of special editors)

  // ---- window messages, timers, update counting, Enter advance,
  // type-ahead and Tab traversal (grid_messages.cpp, grid_advance.cpp)
 public:
  using TAutoAdvanceEvent =
      std::function<void(TZadIrururOziz* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
  using TCellChangingEvent =
      std::function<void(TZadIrururOziz* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
  using TChangingEvent = std::function<void(TZadIrururOziz* Sender, int OldIndex, int NewIndex, bool& Allow)>;
  using TSelectCellEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, bool& CanSelect)>;

  // Update counting. BeginUpdate switches redraw off and EndUpdate back on
  // when the count returns to 0; StartUpdate only counts (painting waits but
  // nothing is switched), ResetUpdate forces the count to 0.
  void BeginUpdate();
  void EndUpdate();
  void StartUpdate() { ++FUpdateCount; }
  void ResetUpdate();
  int UpdateCount() const { return FUpdateCount; }
  bool LockUpdate() const { return FUpdateCount > 0; }
  void SetLockUpdate(bool Value);

  // The grid timer's tick, every 500 ms while the grid is shown; tests call
  // it directly instead of waiting.
  virtual void GridTimerTick();
  int TimerTicks() const { return FTimerTicks; }
  bool Hovering() const { return FHovering; }
  void SetHovering(bool Value) { FHovering = Value; }  // the timer reads it
  bool EnableBlink() const { return FEnableBlink; }
  void SetEnableBlink(bool Value) { FEnableBlink = Value; }
  // The current blink phase the painting reads.
  bool GridBlink() const { return FGridBlink; }
  bool EnableWheel() const { return FEnableWheel; }
  void SetEnableWheel(bool Value) { FEnableWheel = Value; }
  // Wheel towards the user (Down) or away from the user (Up), with the
  // keyboard state, the position and whether the handler dealt with it.
  using TMouseWheelUpDownEvent =
      std::function<void(TZadIrururOziz* Sender, Qt::KeyboardModifiers Shift, QPoint MousePos, bool& Handled)>;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  // Panning with the middle button: a press starts it, the view (or the
  // current cell) then follows the mouse's side of the press point until
  // the next press or key.
  enum TIntelliPan { ipNone, ipVertical, ipHorizontal, ipBoth };
  TIntelliPan IntelliPan() const { return FIntelliPan; }
  void SetIntelliPan(TIntelliPan Value) { FIntelliPan = Value; }
  bool Panning() const { return FWheelPan; }
  void StartPanning(const QPoint& Anchor);
  void EndPanning();
  // One step of the pan timer for the mouse at Pos (viewport coordinates).
  void PanTick(const QPoint& Pos);
  // The grid follows the owner window's size changes.
  bool SizeWithForm() const { return FSizeWithForm; }
  void SetSizeWithForm(bool Value) { FSizeWithForm = Value; }

  // An editor posts this when editing ends; the grid handles it after the
  // current event (OnEditCellDone, and the editor closes again under
  // MouseActions.EditOnDblClickOnly).
  void PostEditDone(int ACol, int ARow);
  // The edited text written into the cell as the user types.
  void EditTextChanged(const QString& Text);
  // The edit text is read from and written to a merged block's base cell,
  // at the real column (display column given).
  QString GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const QString& Value) override;

  // Enter advance: moves on from the cell (ACol, ARow) by the Navigation
  // settings; ShowEditor opens the editor on the new cell where asked.
  void AdvanceToNextCell(int ACol, int ARow, bool ShowEditor, bool Repeating, bool Forward, bool AutoEdit, bool Force);
  // Enter confirmed inside an in-place editor: the advance from the current
  // cell, the editor following to the new cell with AdvanceAutoEdit.
  void AdvanceToNextCell(bool Forward = true);
  // One Tab step; false when the focus went on to the next control.
  bool TabAdvance(bool Backward);
  virtual void GotoFirstRow();
  int FirstTabCol();
  int VisibleRightFixedCols() const;
  bool CanTabTo(int ACol, int ARow);
  int FirstTabColInRow(int ARow);
  int LastTabColInRow(int ARow);

  // Type-ahead: the text typed so far and its age in timer ticks.
  QString IncrSearchText() const { return SearchInc; }
  void SetIncrSearchText(const QString& Value) { SearchInc = Value; }
  int SearchTics() const { return FSearchTics; }
  // The first data row whose text in the sort column starts with s
  // (compared upper-cased, without HTML tags); -1 when none.
  virtual int Search(const QString& s);
  // Without it the editor shows a mini-HTML cell's text without its tags.
  bool EditWithTags() const { return FEditWithTags; }
  void SetEditWithTags(bool Value) { FEditWithTags = Value; }
  QChar StartEditChar() const { return FStartEditChar; }
  void SetStartEditChar(QChar Value) { FStartEditChar = Value; }
  virtual void KeyF2Hook() {}

  TAutoAdvanceEvent OnAutoAdvance;
  TCellChangingEvent OnCellChanging;
  TChangingEvent OnRowChanging;
  TChangingEvent OnColChanging;
  TSelectCellEvent OnSelectCell;
  std::function<void(TZadIrururOziz* Sender, int ACol)> OnAutoInsertCol;
  std::function<void(TZadIrururOziz* Sender, int ACol, int ARow)> OnEditCellDone;
  // The grid's own key-down event where it handles a key itself.
  std::function<void(TZadIrururOziz* Sender, int& Key, Qt::KeyboardModifiers Shift)> OnKeyDown;

 protected:
  // The key-press stage: Enter advance, Escape and type-ahead; whether the
  // key was used up.
  bool Advance_Key_Press(QKeyEvent* event);
  // Tab with goTabs; whether the key was used up.
  bool Tab_Key(QKeyEvent* event);
  // Enter and F2 before the standard key handling: editing switched on
  // where EditOnDblClickOnly or RangeSelectAndEdit allow it, the key
  // swallowed on a cell that cannot be edited. Whether it was used up.
  bool Enter_F2_Key_Down(QKeyEvent* event);
  // The grid's own Tab, Enter and type-ahead handling in key order; whether
  // the key was used up.
  bool Advance_Keys(QKeyEvent* event);
  bool event(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  // Set while the grid moves the current cell itself.
  bool FForceSel = false;
  bool FDisableChange = false;

 private:
  void Handle_Edit_Done(int ACol, int ARow);
  // Paint events wait while updating; the in-place editor's typing and
  // Escape are followed (the filter of the grid's viewport and editor).
  bool Message_Filter(QObject* watched, QEvent* event);
  void Watch_Editor(QWidget* editor);
  QPointer<QWidget> FWatchedEditor;
  QString FEditStartText;
  bool Tab_Step(bool Backward);
  void Repaint_Blinking_Cells();
  int FAECol = -1, FAERow = -1;
  QChar FStartEditChar;
  QString SearchInc;
  int FSearchTics = 0;
  int FTimerTicks = 0;
  bool FHovering = false;
  bool FEnableBlink = false;
  bool FGridBlink = false;
  bool FEditWithTags = false;
  bool FEnableWheel = true;
  TIntelliPan FIntelliPan = ipNone;
  bool FWheelPan = false;
  QPoint FWheelPanPos;
  QTimer FPanTimer;
  QWidget* FPanIndicator = nullptr;
  bool FSizeWithForm = false;
  QSize FPrevSize{-1, -1};
  void Owner_Resized(const QResizeEvent& event);
  void Pan_Timeout();
  int FPanCursor = 8000;

 public:
  // The pan cursor in use: 8000 neutral, 8001 down, 8004 up, 8002 left,
  // 8003 right, 8005..8008 the diagonals (up-right, up-left... as numbered).
  int PanCursor() const { return FPanCursor; }

 private:
  int FLastTabCol = -1, FLastTabRow = -1;
  // (end of messages and advance)

  // ---- scroll bars and scrolling (grid_scroll_bars.cpp)
 public:
  // ssFlat and ssEncarta paint the bars flat in ScrollColor, ScrollWidth
  // thick; ssMetro replaces them with two thin indicators.
  TScrollType ScrollType() const { return FScrollType; }
  void SetScrollType(TScrollType Value);
  TColor ScrollColor() const { return FScrollColor; }
  void SetScrollColor(TColor Value);
  int ScrollWidth() const;
  void SetScrollWidth(int Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
  void SetScrollBarAlways(TScrollBarAlways Value);
  // A bar named here stays shown, disabled while everything fits.
  void ApplyScrollBarAlways(bool Force);
  // The thumb's length follows the visible share of the rows' (columns')
  // pixels rather than of their count.
  bool ScrollProportional() const { return FScrollProportional; }
  void SetScrollProportional(bool Value);
  void UpdateProportionalScrollV();
  void UpdateProportionalScrollH();
  // The grid follows a dragged thumb at once.
  bool ScrollSynch() const { return FScrollSynch; }
  void SetScrollSynch(bool Value);
  // Suspends the proportional page updates (bulk loading).
  bool ScrollLock() const { return FScrollLock; }
  void SetScrollLock(bool Value) { FScrollLock = Value; }
  bool IsFlat() const { return FIsFlat; }
  void RefreshFlatScrollBars();
  TScrollControl* VertScrollIndicator() const { return vscrlctrl; }
  TScrollControl* HorzScrollIndicator() const { return hscrlctrl; }
  // The cell under a point in screen coordinates; -1, -1 outside the cells.
  void ScreenToCell(const QPoint& pt, int& ACol, int& ARow) const;
  // Whether a viewport point lies on a border the user may drag to size a
  // column (in the fixed rows) or a row (in the fixed columns).
  bool SizingBorderAt(int X, int Y) const;
  // The search panel covers the bottom of the grid while it is shown.
  int SearchPanelHeight() const;
  bool LastRowClearOfSearchFooter() const;
  void ScrollLastRowAboveSearchFooter();
  // The focus, the cell made current and its editor opened.
  void EditCell(int ACol, int ARow);
  // The current cell moved, the anchor with it, scrolled into view.
  void MoveToCell(int ACol, int ARow) { FocusCell(ACol, ARow); }
  // The cell-selection check run again for the current cell.
  void UpdateEditMode() { CanSelectCell(Col(), Row()); }

 protected:
  void Scroll_Bars_Updated() override;
  // The search panel, and a floating footer that shows no row of the grid.
  int Bottom_Reserve() const override;
  bool Scroll_While_Dragging() const override;
  // Navigation.MoveScrollOnly: the navigation keys only scroll; whether the
  // key was taken.
  bool Move_Scroll_Only(int key);
  // Left and Right under goRowSelect scroll the columns; whether the key was
  // taken in place of the plain move.
  bool Row_Select_Scroll_Key(int key, Qt::KeyboardModifiers shift);
  // The search panel and the last row: before the plain move (whether the
  // key was taken) and after it.
  bool Search_Footer_Key_Before(int key);
  void Search_Footer_Key_After(int key);
  // Navigation.KeepHorizScroll: vertical keys under goRowSelect leave the
  // left column where it was.
  void Keep_Horiz_Scroll(int key, int old_left);
  // The rectangle Ctrl+A is about to select; descendants may change it.
  virtual void AdjustKeySelection(TGridRect& Selection) { (void)Selection; }
  // The key moves of HandleKeyDown, which reports the selection they changed.
  bool Key_Down_Moves(int key, Qt::KeyboardModifiers shift);

 private:
  void Apply_Scroll_Bar_Policies();
  // Scrolls down a row at a time until the cell's bottom is at or above
  // Limit (viewport pixels), or the grid scrolls no further.
  void Scroll_Above(int ACol, int ARow, int Limit);
  void Apply_Flat_Look();
  void Place_Scroll_Indicators();
  TScrollType FScrollType = ssNormal;
  TColor FScrollColor = clNone;
  int FScrollWidth = 0;  // 0: the style's scroll bar extent
  bool FScrollProportional = false;
  TScrollStyle FScrollBars = ssBoth;
  TScrollBarAlways FScrollBarAlways = saNone;
  bool FScrollSynch = false;
  bool FIsFlat = false;
  bool FScrollLock = false;
  QPointer<TScrollControl> vscrlctrl;
  QPointer<TScrollControl> hscrlctrl;
  QPointer<Flat_Scroll_Style> FFlatStyle;
  // (end of scroll bars)

  // ---- indicator, note and custom cells (grid/cells/: indicator_cells.cpp
  // progress bars, pies, range indicators, ratings and shapes; note_cells.cpp
  // comments, balloons and text markers; expand_cells.cpp; cell_scroll_bars.cpp;
  // interfaced_cells.cpp). Columns are storage columns, rows display rows.
 public:
  // With AutoNumAlign the cell is right-aligned as well.
  void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
  void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
  void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor,
                            const QString& Fmt, int Min, int Max);
  void RemoveProgress(int ACol, int ARow);
  // The plain bar only (the themed kind does not count).
  bool HasProgress(int ACol, int ARow);
  void AddZadProgress(int ACol, int ARow, int Min, int Max);
  void RemoveZadProgress(int ACol, int ARow);
  void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
  void SetProgressPie(int ACol, int ARow, int Value);
  void RemoveProgressPie(int ACol, int ARow);
  void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
  void RemoveRangeIndicator(int ACol, int ARow);
  // The rating itself is the cell's number.
  void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
  void RemoveRating(int ACol, int ARow);
  bool HasRating(int ACol, int ARow);
  void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                TCellVAlign val);
  void RemoveShape(int ACol, int ARow);
  void SetShapeColor(int ACol, int ARow, TColor FillColor);
  // clNone when the cell holds no shape.
  TColor GetShapeColor(int ACol, int ARow);

  void AddComment(int ACol, int ARow, const QString& Comment);
  void AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color);
  bool IsComment(int ACol, int ARow, QString& comment);
  QString GetComment(int ACol, int ARow);
  // Adds a comment to a cell without object, changes a comment; a cell with
  // another object is left alone.
  void SetComment(int ACol, int ARow, const QString& Value);
  void RemoveComment(int ACol, int ARow);
  void RemoveAllComments();

  // A balloon of its own, or attached to a check box or radio button; a cell
  // holding any other object gets none.
  void AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon);
  void RemoveBalloon(int ACol, int ARow);
  // A balloon object of its own (one on a check box does not count).
  bool HasBalloon(int ACol, int ARow);
  // Any balloon, attached ones too; the out values stay when false.
  bool IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon);

  // Collapsed height: the row's height when added.
  void AddExpand(int ACol, int ARow, int ExpandedHeight);
  void RemoveExpand(int ACol, int ARow);
  bool HasExpand(int ACol, int ARow);
  bool GetExpandState(int ACol, int ARow);
  // DefaultRowHeight when the base cell is no expand cell.
  int GetExpandHeight(int ACol, int ARow, bool Expanded);

  // Position 0, page 0, range 100; AutoRange measures the text at once and
  // again whenever the cell is written.
  void AddScrollBar(int ACol, int ARow, bool AutoRange);
  void RemoveScrollBar(int ACol, int ARow);
  bool HasScrollBar(int ACol, int ARow);
  bool HasAutoRangeScrollBar(int ACol, int ARow);
  void SetScrollPosition(int ACol, int ARow, int Pos);
  // -1 when the base cell holds no scroll bar.
  int GetScrollPosition(int ACol, int ARow);
  void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
  // (-1, -1) when the base cell holds no scroll bar.
  TScrollProp GetScrollProp(int ACol, int ARow);
  // ---- cell scroll bar control: the live bar over the scroll-bar cell
  // under the mouse (grid/cells/cell_scroll_bar_control.cpp); its moves
  // become the cell's position and are told through OnScrollCell.
  using TScrollCellEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)>;
  TScrollCellEvent OnScrollCell;
  // OnScrollCell for the bar's cell with its position and limits.
  virtual void DoScrollCell();
  // Null until the mouse first meets a scroll-bar cell.
  QScrollBar* CellScrollBar() const;

  // Marks ErrLen characters from ErrPos (0-based) with the red zigzag. Cells
  // whose object keeps its own values in the marker fields (progress bars,
  // scroll bars, nodes) take no marker and keep those values.
  void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
  void RemoveMarker(int ACol, int ARow);
  void RemoveAllMarkers();
  // (0, 0) without a marker.
  void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);

  // The object stays the caller's and must outlive the cell's use of it.
  void AddInterfacedCell(int ACol, int ARow, TInterfacedPersistent* AObject);
  void RemoveInterfacedCell(int ACol, int ARow);
  TInterfacedPersistent* GetInterfacedCell(int ACol, int ARow);

 protected:
  void CellWritten(int ACol, int ARow) override;

 private:
  // The base cell's object when it is of the given kind.
  TCellGraphic* Base_Graphic_Of(int ACol, int ARow, TCellType Kind);
  // Kinds whose marker fields hold their own values.
  static bool Keeps_Marker_Fields(TCellType Kind);
  void Update_Auto_Range(int ACol, int ARow, TCellGraphic& Bar);
  // The cell's interfaced object when it can draw.
  TCellInterface* Cell_Interface(const TCellGraphic& Graphic) const;
  // Into the layers' rectangle grown by 1 at the left and top.
  void Draw_Interfaced_Cell(TCanvas& ACanvas, const Cell_Paint& P);
  // The bar at the cell's right edge when its page is below its range; the
  // rectangle the later layers use loses the bar's width.
  void Draw_Cell_Scroll_Bar(TCanvas& ACanvas, Cell_Paint& P);
  // Places the live bar over the scroll-bar cell (display column) under the
  // mouse, or hides it over any other cell.
  void Cell_Scroll_Bar_Hover(int ACol, int ARow);
  void Cell_Scroll_Bar_Action(int Action);
  void Cell_Scroll_Bar_Moved(int Value);
  QPointer<QScrollBar> FScrollBar;
  int FScrollCol = -1, FScrollRow = -1;  // the bar's cell: real column, row
                                         // (end of indicator, note and custom cells)

  // ---- row nodes: collapsible row groups (grid/nodes/: grid_nodes.cpp the
  // model and row operations, grid_node_expand.cpp expanding and
  // contracting, grid_node_input.cpp keys and glyph presses)
 public:
  using TNodeAllowEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ARowReal, bool& Allow)>;
  using TNodeEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ARowReal)>;

  // A node row carries a ctNode object in column 0 spanning its group (the
  // node row included; span 0 reaches up to the next node row); every row
  // keeps in its column-0 properties how many groups enclose it.
  bool HasNodes() override { return FNumNodes > 0; }
  int RowNodeIndent(int ARow) override;
  int NumNodes() const { return FNumNodes; }
  // Arguments named ARow are display rows unless marked real.
  void AddNode(int ARowReal, int Span);
  void MarkSummaryRow(int ARowReal);
  void RemoveNode(int ARowReal);
  void RemoveAllNodes();
  bool IsNode(int ARow);
  bool IsSummary(int ARow);
  // True for a contracted node.
  bool GetNodeState(int ARow);
  void SetNodeState(int ARow, bool Value);
  int GetNodeLevel(int ARow);
  int GetNodeSpan(int ARow);
  void SetNodeSpan(int ARow, int Span);
  void UpdateNodeSpan(int ARow, int Delta);
  int GetSubNodeCount(int ARow);
  void UpdateSubNodeCount(int ARow, int Delta);
  void ExpandNode(int ARowReal);
  void ContractNode(int ARowReal);
  void ExpandAll();
  void ContractAll();
  // The node row of the group enclosing the row; a top-level node row
  // answers itself; -1 outside every group.
  int GetParentRow(int ARow);
  void InsertNormalRow(int ARowReal);
  void RemoveNormalRow(int ARow);
  // A row inserted into the group of the row (InsertAt rows below it; a node
  // row with 0 takes it as its first child row).
  void InsertChildRow(int ARowReal, int InsertAt);
  void RemoveChildRow(int ARowReal);
  // Tree-line shape: 0 node row, 2 when the next row is as deep or deeper,
  // else 1.
  int GetNodeSpanType(int ARow);
  // 1 on the last row of an expanded group, 2 inside one, NoGroup without
  // a node row above.
  int IsLastGroupRow(int ARow, int NoGroup = 0);
  // Whether X (viewport pixels) lies on the node glyph of the row.
  bool IsInNodeGlyph(int ARow, int X);
  // Footer recalculation after the rows changed; footers come with the grid
  // services.
  virtual void CalcFooter(int ACol);

  TNodeAllowEvent OnBeforeExpandNode;
  TNodeAllowEvent OnBeforeContractNode;
  TNodeEvent OnExpandNode;
  TNodeEvent OnContractNode;

 private:
  TCellGraphic* Node_At(int ARow);
  // The display row after a node's group: the next row, or for span 0 the
  // next node row.
  int Group_End(int ARow, const TCellGraphic& Node);
  // The real index of the last hidden row a contracted node's group holds.
  int Hidden_Group_End(int ARow, const TCellGraphic& Node);
  // Adds Delta to the node level of real rows First .. First + Count - 1,
  // hidden ones included, never below 0.
  void Add_Node_Level(int First, int Count, int Delta);
  // Expanding without the ExpandOne step; whether the row was a contracted node.
  bool Expand_Node(int ARowReal);
  void Contract_Others(int ARowReal);
  // Brings back in one pass the hidden rows whose real index lies in one of
  // the ranges (first, last).
  void Unhide_Records(std::vector<std::pair<int, int>> Ranges);
  void Shift_Hidden_Records(int FromReal, int Delta);
  bool Press_Node_Glyph(int ACol, int ARow, const QPoint& pos, Qt::KeyboardModifiers shift);
  bool Press_Node_Column(int ACol, int ARow, const QPoint& pos, Qt::KeyboardModifiers shift);
  void Node_Arrow_Key(int key);
  int FNumNodes = 0;

  // ---- hooks, export texts and tri-state check boxes (grid/core/
  // grid_hooks.cpp), the fixed-cell editor (grid/edit/fixed_cell_editor.cpp)
  // and the column drag picture (grid/input/header_drag_button.cpp)
 public:
  using TCellTextEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, QString& Value)>;
  using TFixedEditEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor,
                                             QStringList& Values)>;

  // The filter services call it when a filter has been applied.
  virtual void DoFilterDone();
  // Before the fixed-cell editor opens: the kind and the combo's items may
  // change.
  virtual void DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, QStringList& Values);
  // The value text of a cell; this grid evaluates no formulas, so it is the
  // cell text.
  virtual void CalcCellText(int ACol, int ARow, QString& Value);
  // The text a cell gives to file export (ARow is a display row).
  virtual void DoSaveCell(int ACol, int ARow, QString& Value);
  // A text from file import into the raw cell, after OnLoadCell.
  virtual void DoLoadCell(int ACol, int ARow, const QString& Value);
  // Progress of the file services around each row; nothing here.
  virtual void ExportNotification(TGridExportState AState, int ARow) { (void)AState, (void)ARow; }
  virtual void ImportNotification(TGridImportState AState, int ARow) { (void)AState, (void)ARow; }
  static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
  // Tri-state boxes in every data row (from row 0 with CheckAllCheck).
  void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState state);
  // The three-way state of any check box of real row ARow, hidden or not;
  // false, state untouched, when the cell holds none.
  bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& state);
  bool SaveVirtCells() const { return FSaveVirtCells; }
  void SetSaveVirtCells(bool Value) { FSaveVirtCells = Value; }
  bool SaveWithHTML() const { return FSaveWithHTML; }
  void SetSaveWithHTML(bool Value) { FSaveWithHTML = Value; }
  bool SaveWithRTF() const { return FSaveWithRTF; }
  void SetSaveWithRTF(bool Value) { FSaveWithRTF = Value; }

  // The editors of header cells (made on first use) and the cell being
  // edited in one (-1 before the first).
  class TGridTransEdit* FixedEdit();
  class TGridTransCombo* FixedCombo();
  int FixedColEdit() const { return FFixedColEdit; }
  int FixedRowEdit() const { return FFixedRowEdit; }
  // The floating picture of a header while its column is dragged: hidden
  // and disabled until a drag shows it, with the grid's fixed-cell look
  // (grid/input/header_drag_button.cpp; made on first use).
  class THeaderDragButton* MoveButton();

  TNotifyGridEvent OnFilterDone;
  TFixedEditEvent OnFixedEdit;
  TCellTextEvent OnSaveCell;
  TCellTextEvent OnLoadCell;
  TCellTextEvent OnGetEditMask;

 private:
  // The check-box object of real row ARow: from the hidden-row record while
  // the row is hidden, else from its display row (Displ: -1 when hidden).
  const TCellGraphic* Check_Box_Object(int ACol, int ARow, int& Displ);
  // Reads any check box's state as a three-way state; false without one.
  bool Read_Check_Box(int ACol, int ARow, TCheckBoxState& state);
  bool FSaveVirtCells = true;
  bool FSaveWithHTML = true;
  bool FSaveWithRTF = false;
  class TGridTransEdit* FFixedEdit = nullptr;
  class TGridTransCombo* FFixedCombo = nullptr;
  int FFixedColEdit = -1, FFixedRowEdit = -1;
  class THeaderDragButton* FMoveButton = nullptr;
  // (end of hooks, export texts and fixed-cell editors)

  // ---- typed and extended cell access, header lists, per-cell looks
  // (grid/cells/: grid_cell_access.cpp texts by real row, sorted and moved
  // positions and the current cell; grid_cell_looks.cpp per-cell and per-row
  // looks; grid_cell_controls.cpp controls in cells; grid_typed_cells.cpp
  // typed views, print metrics and header lists; grid_level_looks.cpp zoom,
  // cursor, integral height and gradients; grid_rich_cells.cpp rich text)
 public:
  // Columns and rows including the hidden ones.
  int AllColCount() const { return ColCount() + FNumHidden; }
  int AllRowCount() const { return RowCount() + NumHiddenRows(); }
  // ARow is a real row: a hidden row is read from and written to its record.
  QString AllCells(int ACol, int ARow);
  void SetAllCells(int ACol, int ARow, const QString& Value);
  // The raw text, without merge redirection or the display-text hook.
  QString AllGridCells(int ACol, int ARow);
  void SetAllGridCells(int ACol, int ARow, const QString& Value);
  QString AllWideCells(int ACol, int ARow) { return AllCells(ACol, ARow); }
  void SetAllWideCells(int ACol, int ARow, const QString& Value) { SetAllCells(ACol, ARow, Value); }
  quintptr AllObjects(int ACol, int ARow);
  void SetAllObjects(int ACol, int ARow, quintptr Value);
  // The cell of the column that stood at ACol before any column move.
  QString OriginalCells(int ACol, int ARow);
  void SetOriginalCells(int ACol, int ARow, const QString& Value);
  // The cell of the row at ARow before sorting.
  QString UnSortedCells(int ACol, int ARow);
  void SetUnSortedCells(int ACol, int ARow, const QString& Value);
  int SortedRowIndex(int ARow) const;
  int UnSortedRowIndex(int ARow) const;
  // The current position of the column that stood at ACol before any move.
  int ColumnPosition(int ACol) const;
  // The column order the column moves recorded (empty: none recorded) and the
  // row each sorted position came from (empty: never sorted).
  TIntList& ColumnOrder() { return FColumnOrder; }
  TIntList& SortRowXRef() { return FSortRowXRef; }

  // The current cell through a merged block's base cell: the raw text, and
  // the display text for editing.
  virtual QString GetCurrentCell();
  virtual void SetCurrentCell(const QString& Value);
  QString CurrentCell() { return GetCurrentCell(); }
  virtual QString ReadCurrentCell();
  virtual void WriteCurrentCell(const QString& Value);

  // A control placed over a cell (display row); the grid becomes its parent.
  QObject* CellControls(int ACol, int ARow);
  void SetCellControls(int ACol, int ARow, QObject* AControl);
  int CellControlCount() const { return FCellControlCount; }

  // Per-cell looks (real column, display row). Reading a cell without
  // properties answers the default and creates none; writing creates them.
  TColor Colors(int ACol, int ARow);
  void SetColors(int ACol, int ARow, TColor Value);
  TColor ColorsTo(int ACol, int ARow);
  void SetColorsTo(int ACol, int ARow, TColor Value);
  TCellGradientDirection GetGradientDir(int ACol, int ARow);
  void SetGradientDir(int ACol, int ARow, TCellGradientDirection Value);
  TColor FontColors(int ACol, int ARow);
  void SetFontColors(int ACol, int ARow, TColor Value);
  TFontStyles FontStyles(int ACol, int ARow);
  void SetFontStyles(int ACol, int ARow, TFontStyles Value);
  QString FontNames(int ACol, int ARow);
  void SetFontNames(int ACol, int ARow, const QString& Value);
  int FontSizes(int ACol, int ARow);
  void SetFontSizes(int ACol, int ARow, int Value);
  // One font object kept by the grid, refilled on every call.
  const QFont& GetCellFont(int ACol, int ARow);
  void SetCellFont(int ACol, int ARow, const QFont& AFont, TColor AFontColor);
  TAlignment Alignments(int ACol, int ARow);
  void SetAlignments(int ACol, int ARow, TAlignment Value);
  bool ReadOnly(int ACol, int ARow);
  void SetReadOnly(int ACol, int ARow, bool Value);
  // Reading creates the cell's properties.
  bool WordWraps(int ACol, int ARow);
  void SetWordWraps(int ACol, int ARow, bool Value);
  int LinesInCell(int ACol, int ARow);
  // Row looks over the normal columns of a display row; clNone clears.
  void SetRowColor(int ARow, TColor Value);
  void SetRowColorTo(int ARow, TColor Value);
  void SetRowFontColor(int ARow, TColor Value);

  // Typed views of the cell text. Ints and Floats read the display text
  // without HTML; the All... views the text of a real row as stored.
  int Ints(int ACol, int ARow);
  void SetInts(int ACol, int ARow, int Value);
  int AllInts(int ACol, int ARow);
  void SetAllInts(int ACol, int ARow, int Value);
  double Floats(int ACol, int ARow);
  void SetFloats(int ACol, int ARow, double Value);
  double AllFloats(int ACol, int ARow);
  void SetAllFloats(int ACol, int ARow, double Value);
  QDateTime Dates(int ACol, int ARow);
  void SetDates(int ACol, int ARow, const QDateTime& Value);
  QTime Times(int ACol, int ARow);
  void SetTimes(int ACol, int ARow, const QTime& Value);
  QString ControlValues(int ACol, int ARow, const QString& ID);
  void SetControlValues(int ACol, int ARow, const QString& ID, const QString& Value);
  QString StrippedCells(int ACol, int ARow);
  // Printed width and left offset of a column (0..511), set by printing.
  static constexpr int Print_Columns = 512;
  int PrintColWidth(int ACol) const;
  int PrintColOffset(int ACol) const;
  std::vector<int>& MaxWidths() { return FMaxWidths; }
  std::vector<int>& Indents() { return FIndents; }
  static uint32_t GetVersionNr() { return 0x02000100; }
  QString Version() const;
  void SetVersion(const QString& Value) { (void)Value; }
  void SetLookupItems(const QStringList* Value) {
    if (Value) FLookupItems = *Value;
  }
  void ShowColumnHeaders();
  void ClearColumnHeaders();
  void ShowRowHeaders();
  void ClearRowHeaders();
  // Columns whose cells merge vertically; every change re-merges them.
  TIntList& MergedColumns() { return FMergedColumns; }

  // Rich-text cells: the cell holds an RTF stream, one character per byte.
  void CellToRich(int ACol, int ARow, QTextDocument& Richeditor);
  QString RichToString(const QTextDocument& Richeditor);
  void RichToCell(int ACol, int ARow, const QTextDocument& Richeditor);
  void DrawRichCell(int ACol, int ARow, const TRect& ARect, TCanvas& ACanvas);
  // Selected rich-text cells keep their own colours instead of taking
  // SelectionTextColor.
  bool SelectionRTFKeep() const { return FSelectionRTFKeep; }
  void SetSelectionRTFKeep(bool Value) {
    FSelectionRTFKeep = Value;
    RepaintAll();
  }
  std::function<void(TZadIrururOziz* Sender)> OnRichEditSelectionChange;
  void RichEditSelectionChange() {
    if (OnRichEditSelectionChange) OnRichEditSelectionChange(this);
  }

  // Grid-level looks.
  int ZoomFactor() const { return FPaintLook.ZoomFactor; }
  // Grows every column and row by x pixels and the fonts by x points, the
  // total kept within -10..10.
  void Zoom(int x);
  QCursor Cursor() const { return cursor(); }
  void SetCursor(const QCursor& Value);
  const QCursor& OldCursor() const { return FOldCursor; }
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool Value);
  // Places the grid; with IntegralHeight the height is cut to whole rows.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TColor DUDGradientFrom() const { return FPaintLook.DUDGradFrom; }
  void SetDUDGradientFrom(TColor Value);
  TColor DUDGradientTo() const { return FPaintLook.DUDGradTo; }
  void SetDUDGradientTo(TColor Value);
  TColor DUDGradientMirrorFrom() const { return FPaintLook.DUDGradMirrorFrom; }
  void SetDUDGradientMirrorFrom(TColor Value);
  TColor DUDGradientMirrorTo() const { return FPaintLook.DUDGradMirrorTo; }
  void SetDUDGradientMirrorTo(TColor Value);
  void SetFocusHelper(const TFocusHelper& Value) { FFocusHelper->Assign(Value); }

  // Saved settings: the column order, the column-states string, widths and
  // order in an INI file or the registry, the visual-properties file and the
  // print-settings section (grid/settings/).
  // The order list := 0 .. AllColCount - 1.
  void SetColumnOrder();
  // Shows every hidden column and moves each column back to its initial
  // position; an order list that is not a permutation is replaced by the
  // first order without moving anything.
  void ResetColumnOrder();
  // The initial column now at APos (-1 for a position past the list).
  int ColumnAtPosition(int APos);
  // The first real column whose row-0 text is AValue; -1 when none.
  int ColumnByHeader(const QString& AValue);
  QString ColumnStatesToString();
  // Checks the whole string first: a bad one raises VAzaZeriVader and leaves
  // the grid as it was. A text without "#" changes nothing.
  void StringToColumnStates(const QString& Value);
  // Widths ("Col"i) and the order list ("Pos"i) in the store of ColumnSize:
  // nothing unless its Key and Section are both set.
  void SaveColSizes();
  void LoadColSizes();
  virtual void SaveColPositions();
  virtual void LoadColPositions();
  // Throws VAzaZeriVader "Cannot Create <file>"; nothing is written then.
  void SaveVisualProps(const QString& FileName);
  // Reads and checks the whole file first: "Cannot open file <file>", a bad
  // number or colour raise VAzaZeriVader and nothing is applied.
  void LoadVisualProps(const QString& FileName);
  void SavePrintSettings(const QString& Key, const QString& Section);
  void LoadPrintSettings(const QString& Key, const QString& Section);
  // The active cell font's colour, kept with the visual properties.
  TColor ActiveCellFontColor() const { return FActiveCellFontColor; }
  void SetActiveCellFontColor(TColor Value) { FActiveCellFontColor = Value; }

 private:
  TColor FActiveCellFontColor = clWindowText;
  // The hidden-row record of a real row; nullptr when the row is shown.
  TGridItem* FindHiddenRowItems(int ARow);
  // The number of hidden rows (with repeats) before a real row; the search
  // starts from the last answer.
  size_t Hidden_Lower_Bound(int ARow) const;
  mutable size_t FHiddenHint = 0;
  // The record's entry for a column, made when Create is set.
  Cell_Store::Cell_Copy* Hidden_Entry(TGridItem& Item, int ACol, bool Create);
  void Repaint_Real_Cell(int ACol, int ARow);
  TCellProperties* Look_Props(int ACol, int ARow) const;
  void Set_Row_Look(int ARow, TColor Value, int Field);
  bool Rich_Cell_Selected(int ACol, int ARow);
  QSize Measure_Rich_Cell(int ACol, int ARow, const TRect& R, const QFont& Font);
  void Merged_Columns_Changed();
  void Connect_Cell_Lists();
  int FCellControlCount = 0;
  QFont FCellFont;
  std::vector<int> FMaxWidths = std::vector<int>(Print_Columns, 0);
  std::vector<int> FIndents = std::vector<int>(Print_Columns, 0);
  bool FSelectionRTFKeep = false;
  QCursor FOldCursor;
  bool FIntegralHeight = false;
  // (end of typed and extended cell access)

  // ---- look presets and appearance settings (grid/theme/: grid_look_presets.cpp
  // the looks, styles, tones and themes; grid_appearance.cpp the settings
  // objects and the appearance writers)
 public:
  // A new look writes its fixed set of colours; the current look again
  // changes nothing.
  void SetLook(TGridLook Value);
  // A colour style: the selection, sort header and control-look gradients
  // reset, then the style's colours.
  virtual void SetStyle(TZadGridStyle AStyle);
  void SetComponentStyle(TDUDStyle AStyle) override;
  // Hands the style to every drop-down editor the grid holds.
  void ApplyStyleToDropDownEditors(TDUDStyle AStyle);
  // Flat, borderless classic look in the tones' colours with Metro bars.
  void SetColorTones(const TColorTones& ATones) override;
  void SetTheme(TXPColorScheme Scheme);
  // The style of the desktop's Office theme, applied when that theme changed.
  void ApplyOfficeTheme();
  TDUDStyle ComponentStyle() const { return FStyle; }
  const TColorTones& ColorTones() const { return FTones; }
  // Whether SetColorTones gave the grid its tones.
  bool HasColorTones() const { return FHasTones; }

  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  // The fixed cells' text colour; clNone: the grid's font colour.
  TColor FixedFontColor() const { return FFixedFontColor; }
  void SetFixedFontColor(TColor Value);
  bool URLShow() const { return FPaintLook.URLShow; }
  void SetURLShow(bool Value);
  bool URLShowInText() const { return FURLShowInText; }
  void SetURLShowInText(bool Value);
  bool URLFull() const { return FPaintLook.URLFull; }
  void SetURLFull(bool Value);

  TColor SelectionColorTo() const { return FPaintLook.SelectionColorTo; }
  void SetSelectionColorTo(TColor Value);
  TColor SelectionMirrorColor() const { return FPaintLook.SelectionMirrorColor; }
  void SetSelectionMirrorColor(TColor Value);
  TColor SelectionMirrorColorTo() const { return FPaintLook.SelectionMirrorColorTo; }
  void SetSelectionMirrorColorTo(TColor Value);
  bool SelectionColorMixer() const { return FPaintLook.SelectionColorMixer; }
  void SetSelectionColorMixer(bool Value);
  bool SelectionRectangle() const { return FPaintLook.SelectionRectangle; }
  void SetSelectionRectangle(bool Value);
  bool SelectionResizer() const { return FPaintLook.SelectionResizer; }
  void SetSelectionResizer(bool Value);
  TColor ActiveCellColorTo() const { return FActiveCellColorTo; }
  void SetActiveCellColorTo(TColor Value);
  void SetActiveCellFont(const QFont& Value);
  bool ShowDesignHelper() const { return FShowDesignHelper; }
  void SetShowDesignHelper(bool Value);
  const QImage& RowIndicator() const { return FPaintLook.RowIndicator; }
  void SetRowIndicator(const QImage& Value);
  // Both highlight colours go to the HTML renderer's highlight tag.
  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor Value);
  TColor HighlightTextColor() const { return FHighlightTextColor; }
  void SetHighlightTextColor(TColor Value);
  void SetSortSettings(const TSortSettings& Value) { FSortSettings = Value; }

  TColumnSize& ColumnSize() { return FColumnSize; }
  TFilterDropDown& FilterDropDown() { return FFilterDropDown; }
  TShowModified& ShowModified() { return FShowModified; }
  void SetShowModified(const TShowModified& Value);
  TGridProgressAppearance& ProgressAppearance() { return FProgressAppearance; }
  void SetProgressAppearance(const TGridProgressAppearance& Value) { FProgressAppearance.Assign(Value); }
  void SetBalloon(const TBalloonSettings& Value) { FBalloon.Assign(Value); }

 private:
  // Wires the settings objects' notices to the grid (constructor).
  void Connect_Appearance_Settings();
  void Progress_Appearance_Changed();
  void Apply_Style_Row(TZadGridStyle AStyle);
  void Look_Fixed_Defaults(TGridLook Value);
  void Tones_To_Editors();
  TGridProgressAppearance FProgressAppearance;
  TFilterDropDown FFilterDropDown;
  TDUDStyle FStyle = tsWindowsXP;
  TColorTones FTones;
  bool FHasTones = false;
  TOfficeTheme FOldOfficeTheme = otUnknown;
  bool FAutoThemeAdapt = false;
  QObject* FThemeRelay = nullptr;  // a child: registered with the theme notifier
  TBorderStyle FBorderStyle = bsSingle;
  TColor FFixedFontColor = clNone;
  bool FURLShowInText = false;
  bool FShowDesignHelper = true;
  TColor FHighlightColor = clHighlight;
  TColor FHighlightTextColor = clHighlightText;
  // (end of look presets and appearance)

  // ---- helper windows, the frame border, balloons, listeners, the search
  // panel's set-up and the selection image (grid/windows/:
  // grid_focus_helper.cpp the focus frame and move arrows, grid_border.cpp,
  // grid_balloons.cpp, grid_listeners.cpp listeners, dispatchers, version
  // and notifications, grid_search_panel_setup.cpp, grid_selection_image.cpp)
 public:
  using TClickSortEvent = std::function<void(TZadIrururOziz* Sender, int ACol)>;
  using TPrintGetPageNumEvent =
      std::function<void(TZadIrururOziz* Sender, int PageNum, int PageColNum, QString& PageNumString)>;
  using TCanShowFixedDropDownEvent = std::function<void(TZadIrururOziz* Sender, int ACol, bool& CanShow)>;
  using TCellBalloonEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon)>;

  // One listener; a new one replaces the old, unregistering forgets it
  // whatever is passed.
  void RegisterSelListener(ITZadIrururOzizSelect* AListener) { FISelect = AListener; }
  void UnRegisterSelListener(ITZadIrururOzizSelect* AListener) { (void)AListener, FISelect = nullptr; }
  ITZadIrururOzizSelect* SelListener() const { return FISelect; }

  virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
  virtual void DoClickSort(int ACol);
  virtual void DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString);
  virtual bool DoCanShowFixedDropDown(int ACol);
  virtual void DoStartBlockFocus();
  virtual void DoEndBlockFocus();
  // Whether the cell shows its text as password characters.
  bool IsPasswordCell(int ACol, int ARow);
  // The version as "2.0.1.0 Dec, 2026".
  static QString GetVersionString();
  // A date picker over the current cell changed its date: OnDateTimeChange
  // with the date as days since 1899-12-30 (0: no date).
  void DateTimeChanged(const QDate& Date);

  // The focus frame: a translucent ring around the edited cell (R, viewport
  // coordinates) that follows the window when it moves. One grid of the
  // program shows it at a time.
  void ShowFocusHelper(const TRect& R);
  void UpdateFocusHelper();
  void HideFocusHelper();
  void UpdateLayeredFromMask(TGridFocusWindow* Window, const TGridAlphaMask& Mask);
  TGridFocusWindow* FocusWindow() const { return FFocusWindow; }
  static TZadIrururOziz* FocusHelperGrid();
  // The arrows shown while a column or row is moved (made on first use).
  TArrowWindow* ArrowWindow(TArrowDirection Dir);

  // A one-pixel border in BorderColor over the frame for the modern looks.
  void PaintBorder();
  bool FitCellsInGrid() const { return FFitCellsInGrid; }
  void SetFitCellsInGrid(bool Value) { FFitCellsInGrid = Value; }

  // Balloon tool tips over the cells while Balloon.Enable is set.
  void BalloonInit();
  void BalloonDone();
  TBalloonWindow* BalloonWindow() const { return FBalloonWindow; }
  // The balloon of a cell (display column): title, text (cut to 2048
  // characters) and icon; false when there is none.
  bool CellBalloonTip(int ACol, int ARow, QString& Title, QString& Text, int& Icon);
  TGridCoord LastBalloonPos() const { return FLastBalloonPos; }

  // The search footer's panel, labelled, coloured, shown and placed from
  // SearchFooter on every change of it.
  TSearchPanel* SearchPanel() const { return FSearchPanel; }
  void UpdateSearchPanel();

  // A window, not yet shown, with the picture of a cell range as the grid
  // paints it, at alpha 192; the caller shows, moves and frees it.
  QWidget* SelectionToForm(const TGridRect& ARect);

  TClickSortEvent OnClickSort;
  TPrintGetPageNumEvent OnPrintGetPageNum;
  TCanShowFixedDropDownEvent OnCanShowFixedDropDown;
  std::function<void(TZadIrururOziz* Sender)> OnStartBlockFocus;
  std::function<void(TZadIrururOziz* Sender)> OnEndBlockFocus;
  TCellBalloonEvent OnCellBalloon;

 private:
  void Connect_Window_Extras();
  void Place_Search_Panel();
  void Follow_Top_Level(bool Follow);
  bool Window_Extras_Filter(QObject* watched, QEvent* event);
  ITZadIrururOzizSelect* FISelect = nullptr;
  TGridFocusWindow* FFocusWindow = nullptr;  // children: go with the grid
  TArrowWindow* FArrows[4] = {};
  QPointer<QWidget> FFollowedWindow;
  bool FFitCellsInGrid = true;
  TBalloonWindow* FBalloonWindow = nullptr;
  bool FBalloonInitialised = false;
  TGridCoord FLastBalloonPos{-1, -1};
  TSearchPanel* FSearchPanel = nullptr;
  // (end of helper windows)

  // ---- highlighted and marked text in cells (grid_highlight.cpp): "hi"
  // tags around search hits, "e" tags around errors. Columns are cell-store
  // columns, rows display rows; only base cells of merged blocks are touched.
 public:
  void HilightInCell(bool DoCase, int Col, int Row, const QString& HiText);
  void HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
  void HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
  void HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText);
  void UnHilightInCell(int Col, int Row);
  void UnHilightInCol(bool DoFixed, int Col);
  void UnHilightInRow(bool DoFixed, int Row);
  void UnHilightInGrid(bool DoFixed);
  void MarkInCell(bool DoCase, int Col, int Row, const QString& HiText);
  void MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
  void MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
  void MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText);
  void UnMarkInCell(int Col, int Row);
  void UnMarkInCol(bool DoFixed, int Col);
  void UnMarkInRow(bool DoFixed, int Row);
  void UnMarkInGrid(bool DoFixed);

 private:
  // The rows of a column and the columns of a row the variants visit.
  TGridRect Tag_Column(bool DoFixed, int Col) const;
  TGridRect Tag_Row(bool DoFixed, int Row) const;
  void Tag_Cells(const TGridRect& Block, const QString& Tag, bool DoCase, const QString& Text);
  void Untag_Cells(const TGridRect& Block, const QString& Tag);
  // (end of highlighted and marked text)

  // ---- finding and replacing cell texts (grid/find/) and the search
  // footer's actions (windows/grid_search_footer.cpp)
 public:
  // The next cell after StartCell whose text matches s, in display columns
  // and rows (real ones with fnIncludeHiddenColumns, fnIncludeHiddenRows).
  // From (-1, -1) the scan starts at the first cell (the last backwards); it
  // never wraps: (-1, -1) when nothing follows, so the next search from
  // there starts over.
  QPoint Find(QPoint StartCell, const QString& s, TFindParams FindParams);
  // The same on the cells' wide texts, without keeping a found row clear of
  // the floating footer.
  QPoint FindWide(QPoint StartCell, const QString& s, TFindParams FindParams);
  // Find from (-1, -1); FindNext goes on from SearchCell with the last text
  // and parameters. Both keep their result in SearchCell.
  QPoint FindFirst(const QString& s, TFindParams FindParams);
  QPoint FindNext();
  // OrigStr replaced by NewStr in the stored texts of the cells Find visits
  // (matching case with fnMatchCase); the number of cells that changed.
  int Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams);
  // The column and row fnFindInPresetCol and fnFindInPresetRow keep to.
  int FindCol() const { return FFindCol; }
  void SetFindCol(int Value) { FFindCol = Value; }
  int FindRow() const { return FFindRow; }
  void SetFindRow(int Value) { FFindRow = Value; }
  QPoint SearchCell() const { return FSearchCell; }
  void SetSearchCell(QPoint Value) { FSearchCell = Value; }
  // Set while a scan runs; a scan that finds nothing clears it.
  bool FindBusy() const { return FFindBusy; }
  // The last search text, upper-cased unless the search matched case.
  QString SearchCache() const { return FSearchCache; }
  QString SearchCacheWide() const { return FSearchCacheWide; }
  TFindParams LastFindParams() const { return FFindParams; }
  // The search footer's find-next (Return, the forward button),
  // find-previous (Ctrl+Return, the backward button) and highlight actions;
  // each button's accelerator runs them too.
  void SearchFooterFindNext();
  void SearchFooterFindPrevious();
  void SearchFooterHighlight();
  virtual void DoSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchAction SearchAction);
  TSearchEditChangeEvent OnSearchEditChange;
  TSearchFooterActionEvent OnSearchFooterAction;
  std::function<void(TZadIrururOziz* Sender)> OnSearchFooterClose;
  std::function<void(TZadIrururOziz* Sender)> OnCreatedSearchFooter;

 private:
  QPoint Find_Cell(QPoint StartCell, const QString& s, TFindParams FindParams, bool Wide);
  bool Match_Find_Cell(int ACol, int ARow, bool Wide);
  void Goto_Found_Cell(QPoint Cell);
  void Expand_Covering_Node(int ARowReal);
  void Search_Edit_Change();
  void Search_Footer_Close();
  TFindParams Search_Footer_Params(bool Typing);
  void Search_Footer_Step(bool Backward);
  void Search_Footer_Highlight(bool On);
  void Set_Search_Edit_Color(TColor Value);
  int FFindCol = 0;
  int FFindRow = 0;
  QPoint FSearchCell{-1, -1};
  bool FFindBusy = false;
  QString FSearchCache, FSearchCacheWide;
  TFindParams FFindParams;
  // (end of finding and replacing)

  // ---- cell checking and fills (grid/check/: grid_cell_checking.cpp runs
  // the cell checker, grid_fills.cpp writes generated texts)
 public:
  // The checker the checking runs use; the grid forgets it when it goes.
  TZadIrururOzizCheck* CellChecker() const;
  void SetCellChecker(TZadIrururOzizCheck* Value);
  // Whether the cell passed (true without a checker). Columns are
  // cell-store columns.
  bool CheckCell(int Col, int Row);
  // Every cell of the block is checked, also after one failed; whether all
  // passed.
  bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
  bool CheckCol(bool DoFixed, int Col);
  bool CheckRow(bool DoFixed, int Row);
  bool CheckGrid(bool DoFixed);
  // Fills of the normal cells (every cell with DoFixed). FormatFill gives
  // the format the column and the row; a format that does not take two
  // integers raises EConvertError and leaves the grid as it was.
  void TextFill(bool DoFixed, const QString& Txt);
  void FormatFill(bool DoFixed, const QString& Fmt);
  // 0 .. Rnd - 1 in each cell; 0 when Rnd is 0 or less.
  void RandomFill(bool DoFixed, int Rnd);
  // "c:r" in each cell.
  void LinearFill(bool DoFixed);

 private:
  TGridRect Fill_Block(bool DoFixed) const;
  void Fill_Cells(bool DoFixed, const std::function<void(int ACol, int ARow)>& Write);
  QPointer<TZadIrururOzizCheck> FCellChecker;
  // (end of cell checking and fills)

  // ---- swapping rows and columns, selected text and numbering, column and
  // row calculations, number value and scaling (grid/calc/: grid_swap.cpp,
  // grid_selection_text.cpp, grid_auto_number.cpp, grid_calc.cpp,
  // cell_number_value.cpp)
 public:
  using TColumnCalcEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int FromRow, int ToRow, double& Res)>;

  // Exchanges two storage columns: texts, cell objects, widths, the sort
  // column and the controls in their cells. The counts never change.
  virtual void SwapColumns(int ACol1, int ACol2);
  // Exchanges two display rows: texts, cell objects, heights and controls.
  void SwapRows(int ARow1, int ARow2);
  // The sorting's exchange: counts in Swaps, keeps the sort cross-reference,
  // the disjunct row selection, the modified flags and SortRow in step; with
  // SortSettings.SingleColumn only the sort column's cells move.
  virtual void SortSwapRows(int ARow1, int ARow2);
  int Swaps() const { return FSwaps; }
  void SetSwaps(int Value) { FSwaps = Value; }
  // The row the sort follows; moves with its row's data.
  int SortRow() const { return FSortRow; }
  void SetSortRow(int Value) { FSortRow = Value; }
  // Lays every control in a cell over its cell again (hidden with its row).
  void CellControlsUpdate();

  void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
  // Never true for a fixed cell; otherwise by the selection mode in use.
  bool IsSelected(int ACol, int ARow);
  // The selected cells' texts: TAB between cells, CR LF between rows.
  QString SelectedText();
  // Multi-line texts go out quoted, their line breaks as 0x0B.
  bool ExcelClipboardFormat() const { return FExcelClipboardFormat; }
  void SetExcelClipboardFormat(bool Value) { FExcelClipboardFormat = Value; }
  // Running numbers down the normal rows of a column or across the normal
  // columns of a row.
  void AutoNumberCol(int ACol);
  void AutoNumberRow(int ARow);
  int AutoNumberStart() const { return FAutoNumberStart; }
  void SetAutoNumberStart(int Value) { FAutoNumberStart = Value; }
  int AutoNumberOffset() const { return FAutoNumberOffset; }
  void SetAutoNumberOffset(int Value) { FAutoNumberOffset = Value; }
  TSortDirection AutoNumberDirection() const { return FAutoNumberDirection; }
  void SetAutoNumberDirection(TSortDirection Value) { FAutoNumberDirection = Value; }
  QString GetWideCells(int ACol, int ARow);
  void SetWideCells(int ACol, int ARow, const QString& Value);

  // Calculations over a column's rows (-1 for either bound: the normal rows)
  // or a row's columns. Texts that are no numbers are left out.
  double ColumnSum(int ACol, int FromRow = -1, int ToRow = -1);
  double ColumnAvg(int ACol, int FromRow = -1, int ToRow = -1);
  double ColumnMin(int ACol, int FromRow = -1, int ToRow = -1);
  double ColumnMax(int ACol, int FromRow = -1, int ToRow = -1);
  double ColumnStdDev(int ACol, int FromRow = -1, int ToRow = -1);
  double ColumnDistinct(int ACol, int FromRow = -1, int ToRow = -1);
  double ColumnCustomCalc(int ACol, int FromRow = -1, int ToRow = -1);
  virtual double DoGroupCalc(int ACol, int FromRow, int ToRow);
  double RowSum(int ARow, int FromCol, int ToCol);
  double RowAvg(int ARow, int FromCol, int ToCol);
  double RowMin(int ARow, int FromCol, int ToCol);
  double RowMax(int ARow, int FromCol, int ToCol);
  // The column the grid is grouped on, -1 when not grouped.
  int GroupColumn() const { return FGroupColumn; }

  // The cell's number as formatted text shows it; text left after the
  // number raises VAzaZeriVader naming the position and the cell.
  double CellToReal(int ACol, int ARow);
  // Form scaling from D to M pixels per inch: the fixed and active-cell fonts.
  virtual void ChangeScale(int M, int D);
  // A click on a cell while the grid selects cells for a formula.
  virtual void CellSelectorClick(int ACol, int ARow) { (void)ACol, (void)ARow; }

  TColumnCalcEvent OnColumnCalc;
  TColumnCalcEvent OnGroupCalc;

 protected:
  // Grouping writes the group column.
  void Set_Group_Column(int Value) { FGroupColumn = Value; }

 private:
  int FSwaps = 0;
  int FSortRow = -1;
  bool FExcelClipboardFormat = false;
  int FAutoNumberStart = 0;
  int FAutoNumberOffset = 0;
  TSortDirection FAutoNumberDirection = sdAscending;
  int FGroupColumn = -1;
  // (end of swapping, selection text and calculations)

  // ---- mouse moves, sizing and moving, drag start, stretching, drag
  // scrolling and the scroll follow-up (grid/input/: grid_mouse_move.cpp
  // hover, fixed sizing, hints and the drag start; grid_column_moves.cpp the
  // enhanced moves and the moved notifications; grid_stretch.cpp stretching
  // and size changes; grid_drag_scroll.cpp; grid_scroll_follow.cpp the
  // top-left follow-up, key-up and cell controls)
 public:
  enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
  using TColRowMovedEvent = std::function<void(TZadIrururOziz* Sender, int FromIndex, int ToIndex)>;
  using TSizingEvent = std::function<void(TZadIrururOziz* Sender, int Index, int Size)>;
  using TOleDragEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, const QString& data, bool& Allow)>;
  using TOleDragStartEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol)>;
  using TOleDragStopEvent = std::function<void(TZadIrururOziz* Sender, int OLEEffect)>;
  using TDragScrollEvent = std::function<void(TZadIrururOziz* Sender, int TopRow, int LeftCol,
                                              TDragScrollDirection& DragScrollDir, bool& CanScroll)>;

  // The movement handling of the mouse over the grid (viewport coordinates).
  void HandleMouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
  void ResetFixedCellHighlight();
  // After a column (row) moved from one display position to another.
  virtual void HandleColumnMoved(int FromIndex, int ToIndex);
  virtual void HandleRowMoved(int FromIndex, int ToIndex);
  // Widens or narrows the column (display index; -1 the last) so that the
  // columns fill the client width. An index past the columns raises.
  void StretchColumnWidth(int Index);
  void StretchRightColumn() { StretchColumnWidth(ColCount() - 1); }
  TColor ArrowColor();
  void SetArrowColor(TColor Value);
  // A component the grid refers to is going away (Operation 1: removal).
  void ComponentNotify(QObject* AComponent, int Operation);
  TDragScrollOptions& DragScrollOptions() { return FDragScrollOptions; }
  void SetDragScrollOptions(const TDragScrollOptions& Value) { FDragScrollOptions.Assign(Value); }
  // Something is dragged over the grid (viewport coordinates).
  void DragScrollOver(int X, int Y, TDragState State);
  // One step of the drag-scroll timer.
  void DragScrollTick();
  QTimer* DragScrollTimer() const { return FDragTmr; }
  TDragScrollDirection DragScrollDirection() const { return FDragScrollDirection; }
  // Puts cell controls and the cell scroll bar on their cells; rebuildlist
  // first re-reads which cells hold controls.
  void CellControlsUpdate(bool rebuildlist);
  void InitOrigColSizes();
  // A column drag started from a list box; the drop handling reads them.
  void OleColumnDragStart(int ACol, int AIndex, QObject* AList);
  int OleDragCol() const { return FOleDragCol; }
  int OleDragIndex() const { return FOleDragIndex; }
  QObject* OleDragList() const { return FOleDragList; }
  // ---- binary cell format (grid/binfmt): cells with their properties and
  // cell objects in streams and files, the clipboard's cell block and the
  // data of a cell drag.
  // Appends the cells of Rect (columns and rows, inclusive). A rectangle
  // reaching column or row 65536 raises VAzaZeriVader, nothing appended.
  virtual void SaveRectToBinStream(const TGridRect& Rect, QByteArray& Stream);
  // The save range, written at the device's position.
  void SaveToBinStream(QIODevice& Stream);
  // The save range as a file, replaced whole or left as it was.
  void SaveToBinFile(const QString& FileName);
  // Reads the format from Position in Stream so that its first cell lands on
  // Point (a full grid: every cell at its written indexes plus Point);
  // answers the position after the last carrier read. A damaged or foreign
  // stream raises VAzaZeriVader; the cells read before stay.
  qsizetype LoadAtPointFromBinStream(QPoint Point, const QByteArray& Stream, qsizetype Position = 0);
  // The same from the device's position; it is left after what was read.
  void LoadAtPointFromBinStream(QPoint Point, QIODevice& Stream);
  // At (0, 0), then the node rows are counted again.
  void LoadFromBinStream(QIODevice& Stream);
  void LoadFromBinFile(const QString& FileName);
  // The identity this grid writes into a stream's header (random per grid,
  // never 0): a paste tells its own grid's blocks by it.
  int BinStreamID() const;

 private:
  void Recount_Bin_Nodes();
  // PasteCells with the clipboard's cell block.
  int Paste_Cell_Block(int ACol, int ARow, int& Rows, int& Cols, const QByteArray& Stream);
  mutable int32_t FBinStreamID = 0;

 public:
  // The source a drag out of the grid runs with (tests script it).
  virtual std::unique_ptr<class TZSGDropSource> CreateDragSource();
  bool EnhRowColMove() const { return FEnhRowColMove; }
  void SetEnhRowColMove(bool Value) { FEnhRowColMove = Value; }
  bool HintShowSizing() const { return FHintShowSizing; }
  void SetHintShowSizing(bool Value) { FHintShowSizing = Value; }
  bool NoMouseLeave() const { return FNoMouseLeave; }
  void SetNoMouseLeave(bool Value) { FNoMouseLeave = Value; }
  QPoint HoverFixedCell() const { return QPoint(FHoverFixedX, FHoverFixedY); }
  QPoint HotFixedCell() const { return FHotFixedCell; }
  QPoint HoverButton() const { return FHoverButton; }
  bool SizeFixed() const { return FSizeFixed; }
  bool SizeFixedR() const { return FSizeFixedR; }
  bool SizingFixed() const { return FSizingFixed; }
  bool ScrollHintShow() const { return FScrollHintShow; }
  QString SizeHintText() const { return FSizeHintText; }
  int MoveColInd() const { return FMoveColInd; }
  int MoveRowInd() const { return FMoveRowInd; }
  // The grid's drop target tells where a drag out of this grid landed on
  // it; a move then clears only the dragged cells outside that rectangle.
  void NoteOwnDrop(const TGridRect& Rect) { FOwnDropRect = Rect; }

  TColAllowEvent OnColumnMove;
  TColAllowEvent OnRowMove;
  TColAllowEvent OnColumnMoving;
  TColAllowEvent OnRowMoving;
  TColRowMovedEvent OnRowMoved;
  TSizingEvent OnColumnSizing;
  TSizingEvent OnRowSizing;
  TOleDragEvent OnOleDrag;
  TOleDragStartEvent OnOleDragStart;
  TOleDragStopEvent OnOleDragStop;
  TDragScrollEvent OnDragScroll;

 protected:
  void SizeChanged(int OldColCount, int OldRowCount) override;
  void ColWidthsChanged() override;
  void RowHeightsChanged() override;
  void TopLeftChanged() override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  // The mouse left the grid.
  void Mouse_Leave_Move();

 private:
  void Hover_Cells(int ACol, int ARow, const QPoint& pos);
  bool Fixed_Border_Hot(const QPoint& pos, int ACol, int ARow);
  void Draw_Sizing_Line(bool vertical, int at);
  bool Ole_Drag_Start(int ACol, int ARow, const QPoint& pos);
  void Enhanced_Move(const QPoint& pos, int ACol, int ARow);
  void Show_Size_Hint();
  void Free_Drag_Timer();
  void Proportional_Sizes(bool columns);
  bool Left_Button_Down() const;
  // A press on a fixed border starts fixed sizing; whether it did.
  bool Press_Fixed_Sizing(const QPoint& pos);
  // The release of fixed sizing, of an enhanced move and of the size hint.
  void Release_Mouse_Move(const QPoint& pos);
  bool FEnhRowColMove = true;
  bool FHintShowSizing = false;
  bool FNoMouseLeave = false;
  QPoint FHotFixedCell{-1, -1};
  QPoint FHoverButton{-1, -1};
  TGridRect FSizeSelection{-1, -1, -1, -1}, FMoveSelection{-1, -1, -1, -1};
  bool FSizeFixed = false, FSizeFixedR = false;
  bool FSizingFixed = false, FSizingFixedR = false;
  int FSizeFixedX = -1, FSizeFixedY = -1;
  int FSizeFixedIndex = -1;           // the fixed column or row being sized
  QPointer<QWidget> FSizingLine;      // the dotted line that follows the mouse
  bool FMoveAnnounced = false;        // OnColumnMove/OnRowMove asked for this press
  bool FMoveCursor = false;           // the drag cursor of an enhanced move is set
  Qt::MouseButtons FMoveButtons;      // the buttons the last mouse event carried
  bool FMoveAllowed = true;           // the last moving event allowed the target
  TGridRect FOwnDropRect{-1, -1, -1, -1};
  int FMoveColInd = -1, FMoveRowInd = -1;
  QPointer<QWidget> MoveForm;
  bool ColSized = false, Rowsized = false, ColMoveFlg = false;
  bool FScrollHintShow = false;
  QString FSizeHintText;
  bool Invokedchange = false;
  bool FSyncedMove = false;
  bool FRowScrolledUp = false;
  bool FOnResizer = false;
  bool FIsColChanging = false;
  bool ColchgFlg = true;
  bool ColSizeFlg = false;
  TDragScrollOptions FDragScrollOptions;
  QTimer* FDragTmr = nullptr;
  TDragScrollDirection FDragScrollDirection = 0;
  int FOleDragCol = -1, FOleDragIndex = -1;
  QPointer<QObject> FOleDragList;
  int FOldSize = 0;
  int FOldLeftCol = -1, FOldTopRowFollow = -1;
  // (end of mouse moves, sizing, stretching and drag scrolling)

  // ---- the save range and the file services (grid/files/: grid_save_range.cpp,
  // grid_text_file.cpp, grid_csv.cpp, grid_fixed_text.cpp, grid_xml.cpp)
 public:
  using TFileProgressEvent = std::function<void(TZadIrururOziz* Sender, int Progress)>;

  // The cells the file services write: with SaveFixedCells (SaveFixedCols,
  // SaveFixedRows) the whole grid, else the cells between the fixed ones.
  int SaveStartCol() const;
  int SaveEndCol() const;
  int SaveColCount() const;
  int SaveStartRow() const;
  int SaveEndRow() const;
  int SaveRowCount() const;
  bool SaveFixedCells() const { return FSaveFixedCells; }
  void SetSaveFixedCells(bool Value) { FSaveFixedCells = Value; }
  bool SaveFixedCols() const { return FSaveFixedCols; }
  void SetSaveFixedCols(bool Value) { FSaveFixedCols = Value; }
  bool SaveFixedRows() const { return FSaveFixedRows; }
  void SetSaveFixedRows(bool Value) { FSaveFixedRows = Value; }

  // CSV settings; a null Delimiter writes commas and detects on reading.
  QChar Delimiter() const { return FDelimiter; }
  void SetDelimiter(QChar Value) { FDelimiter = Value; }
  bool AlwaysQuotes() const { return FAlwaysQuotes; }
  void SetAlwaysQuotes(bool Value) { FAlwaysQuotes = Value; }
  bool QuoteEmptyCells() const { return FQuoteEmptyCells; }
  void SetQuoteEmptyCells(bool Value) { FQuoteEmptyCells = Value; }
  bool JavaCSV() const { return FJavaCSV; }
  void SetJavaCSV(bool Value) { FJavaCSV = Value; }
  bool LoadFirstRow() const { return FLoadFirstRow; }
  void SetLoadFirstRow(bool Value) { FLoadFirstRow = Value; }
  // The encoding an XML file is written in and declares.
  const QString& XMLEncoding() const { return FXMLEncoding; }
  void SetXMLEncoding(const QString& Value) { FXMLEncoding = Value; }

  // The grid's own text form: a file (UTF-16 with Unicode, else the ANSI
  // code page) and UTF-16 lines in a stream, several grids one after another.
  void SaveToFile(const QString& FileName, bool Unicode = false);
  void LoadFromFile(const QString& FileName);
  void SaveToStream(QIODevice& Stream);
  void LoadFromStream(QIODevice& Stream);
  // CSV; MaxRows <= 0 reads every line.
  void SaveToCSV(const QString& FileName, bool Unicode = false);
  void AppendToCSV(const QString& FileName, bool Unicode = false);
  void LoadFromCSV(const QString& FileName, int MaxRows = -1);
  void InsertFromCSV(const QString& FileName, int MaxRows = -1);
  void LoadFromCSVStream(QIODevice& Stream, int MaxRows = -1);
  // Fixed-width fields (widths on writing, missing ones appended; 1-based
  // start positions on reading) and the column-aligned text export.
  void SaveToFixed(const QString& FileName, TIntList& Positions);
  void LoadFromFixed(const QString& FileName, TIntList& Positions, bool DoTrim = true, int MaxRows = -1);
  void SaveToASCII(const QString& FileName, bool Unicode = false);
  void AppendToASCII(const QString& FileName, bool Unicode = false);
  // A flat XML list, one element per row; the reader places attributes and
  // leaves in consecutive columns.
  void SaveToXML(const QString& FileName, const QString& ListDescr, const QString& RecordDescr,
                 const QStringList* FieldDescr, bool ExportEmptyCells);
  void LoadFromXML(const QString& FileName, bool LevelToRow = false, bool LoadFieldDescr = false);

  TFileProgressEvent OnFileProgress;

 private:
  friend class Grid_File_Access;
  bool FSaveFixedCells = false;
  bool FSaveFixedCols = false;
  bool FSaveFixedRows = false;
  QChar FDelimiter;
  bool FAlwaysQuotes = false;
  bool FQuoteEmptyCells = false;
  bool FJavaCSV = false;
  bool FLoadFirstRow = true;
  // (end of the file services)

  // ---- workbook and document exchange (grid/workbook/grid_workbook.cpp):
  // .xlsx and old binary .xls workbooks read, .xlsx written, the grid as a
  // table in a .docx document
 public:
  // The sheet names of a workbook; "Incorrect XLS file" when it is none.
  QStringList GetXLSSheets(const QString& FileName);
  // The shown sheet, or the named one (the last of that name), into the
  // grid's data cells; a damaged file leaves the grid as it was.
  void LoadFromXLS(const QString& Filename);
  void LoadFromXLSSheet(const QString& Filename, const QString& SheetName);
  // A new one-sheet .xlsx workbook; the named sheet of a workbook, added or
  // overwritten with its other sheets kept (a new workbook when there is no
  // file yet).
  void SaveToXLS(const QString& Filename, bool CreateNewSheet = false);
  void SaveToXLSSheet(const QString& Filename, const QString& SheetName);
  // The whole grid as a table: a new .docx document, or one inserted at the
  // bookmark (else at the end) of an existing one.
  void SaveToDOC(const QString& Filename, bool CreateNewDocument = false);
  void AppendToDoc(const QString& Filename, const QString& Bookmark);
  // No database driver here: both raise, the grid unchanged.
  void LoadFromMDBTable(const QString& Filename, const QString& Table);
  void LoadFromMDBSQL(const QString& Filename, const QString& SQL);
  // (end of workbook and document exchange)

  // ---- drops onto the grid (grid/dragdrop/grid_drop_target.cpp,
  // grid_drop_source.cpp, grid_ole_drop.cpp)
 public:
  using TOleDropEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, const QString& Data, bool& Allow)>;
  using TOleDragOverEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, bool& Allow)>;
  using TOleDropColEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, int DropCol)>;
  using TOleDroppedEvent = std::function<void(TZadIrururOziz* Sender, const TGridRect& ARect)>;

  // Stores DragDropSettings.OleDropTarget and makes the grid a drop target
  // (or no longer one), its accepted kinds from OleAcceptText, OleAcceptFiles
  // and OleAcceptURLs and rich text from OleDropRTF.
  void SetOleDropTarget(bool Value);
  class TGridDropTarget* GridDropTarget() const { return FGridDropTarget; }

  TOleDropEvent OnOleDrop;
  TOleDropEvent OnOleDropURL;
  TOleDropEvent OnOleDropFile;
  TOleDragOverEvent OnOleDragOver;
  TOleDropColEvent OnOleDropCol;
  TOleDroppedEvent OnOleDropped;

 private:
  friend class TGridDropTarget;
  friend class TGridDropSource;
  class TGridDropTarget* FGridDropTarget = nullptr;  // a child of the grid
  // (end of drops onto the grid)

  // ---- sorting (grid/sort/: grid_sort.cpp the sorts and unsorting,
  // grid_sort_compare.cpp cell comparison by sort style, header_sort.cpp
  // header clicks, sort_settings.cpp the settings' members)
 public:
  using TGridFormatEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)>;
  using TCustomCompareEvent =
      std::function<void(TZadIrururOziz* Sender, const QString& str1, const QString& str2, int& Res)>;
  using TRawCompareEvent = std::function<void(TZadIrururOziz* Sender, int ACol, int Row1, int Row2, int& Res)>;

  // The data rows (between the fixed rows and the fixed footer rows) on
  // SortSettings.Column in SortSettings.Direction; nothing without a column.
  virtual void QSort();
  // The data rows on SortIndexes; VAzaZeriVader without any index.
  virtual void QSortIndexed();
  // The children of every expanded node of the deepest node level.
  virtual void QSortGroup();
  virtual void QSortGroupIndexed();
  // Back to the order before the first sort since the row count last changed.
  virtual void QUnSort();
  void Sort(int ACol, TSortDirection ADirection);
  void SortByColumn(int Col);
  // Rows Left..Right without the bookkeeping of QSort.
  void QuickSort(int Col, int Left, int Right);
  void QuickSortIndexed(int Left, int Right);
  // One compare-and-swap step, going right on ties; whether it swapped.
  bool SortLine(int Col, int ARow1, int ARow2);
  void InitSortXRef();
  // -1, 0, +1: +1 when the cell of ARow1 sorts after the one of ARow2
  // ascending (real column).
  int CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction);
  // The sort style, prefix and suffix of a column; OnGetFormat last.
  virtual void DoGetFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix);

  int Compares = 0;
  // Milliseconds the last header-click sort took.
  unsigned SortTime = 0;
  // +1 ascending, -1 descending: the direction of the last single-column sort.
  int SortDir = 0;
  TGridFormatEvent OnGetFormat;
  TCustomCompareEvent OnCustomCompare;
  TRawCompareEvent OnRawCompare;

 private:
  friend class Grid_Sorter;
  // The keys held at the release of the last header click.
  Qt::KeyboardModifiers FHeaderClickKeys;
  // (end of sorting)

  // ---- the floating footer panel (grid/footer/), validation of edited
  // values (grid/edit/grid_editing.cpp), focus, cursor and style hooks
  // (grid/focus/)
 public:
  using TFooterPaintEvent = std::function<void(QWidget* Sender, int AColumn, TCanvas& Canvas, const TRect& ARect)>;
  // The text of an acCUSTOM footer column.
  using TFooterCalcEvent = std::function<void(TZadIrururOziz* Sender, int ACol, QString& Value)>;
  using TCellValidateWideEvent =
      std::function<void(TZadIrururOziz* Sender, int ACol, int ARow, QString& Value, bool& Valid)>;
  using TGetCellCursorEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol, QCursor& ACursor)>;
  enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };

  // The panel under the cells that paints the footer (made with the grid).
  TFooterPanel* FooterPanel() const { return FFooterPanel; }
  // Every footer column recalculated (after fills, loads and pastes).
  virtual void RecalcFooter();
  virtual void RecalcFooterColumn(int ACol, int ARow);
  // The display text of cell (ACol, ARow) as a footer template shows it.
  QString FooterCellText(int ACol, int ARow);
  // The grid's cell painter for the footer panel.
  void PaintFooterCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  // Validation of an edited wide value: no checker, no undo, no balloon.
  virtual bool ValidateCellWide(const QString& NewValue);
  // The balloon a refused value shows on the editor (none while both texts
  // are empty).
  QString InvalidEntryTitle() const { return FInvalidEntryTitle; }
  void SetInvalidEntryTitle(const QString& Value) { FInvalidEntryTitle = Value; }
  QString InvalidEntryText() const { return FInvalidEntryText; }
  void SetInvalidEntryText(const QString& Value) { FInvalidEntryText = Value; }
  TInvalidEntryIcon InvalidEntryIcon() const { return FInvalidEntryIcon; }
  void SetInvalidEntryIcon(TInvalidEntryIcon Value) { FInvalidEntryIcon = Value; }
  TBalloonWindow* InvalidEntryBalloon() const { return FEntryBalloon; }
  bool Modified() const { return FGridModified; }
  void SetModified(bool Value) { FGridModified = Value; }
  QString OldCellTextWide() const { return FOldCellTextWide; }
  int OldCol() const { return FOldCol; }
  int OldRow() const { return FOldRow; }
  bool Entered() const { return FEntered; }
  // A click on the grid: OnClick, then the current cell remembered.
  virtual void Click();
  virtual void DoEnter();
  virtual void DoExit();
  virtual void DoGetCellCursor(int ACol, int ARow, int X, int Y);
  // The cursor for the mouse at a viewport point, as the select mode, the
  // cell selector and the cell under it ask.
  void UpdateCellCursor(const QPoint& Pos);
  bool CellSelectorMode() const { return FCellSelectorMode; }
  void SetCellSelectorMode(bool Value);
  // The grid's colours from the application's active style (a program
  // setting, off unless set).
  void ApplyActiveStyleColors();
  bool Styled() const { return FStyled; }
  bool BlockKill() const { return FBlockKill; }
  void SetBlockKill(bool Value) { FBlockKill = Value; }
  bool BlockFocus() const { return FBlockFocus; }
  void SetBlockFocus(bool Value) { FBlockFocus = Value; }

  TFooterPaintEvent OnFooterPaint;
  TFooterCalcEvent OnFooterCalc;
  TNotifyGridEvent OnCreatedFloatingFooter;
  TCellValidateWideEvent OnCellValidateWide;
  TGetCellCursorEvent OnGetCellCursor;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  friend class TFooterPanel;
  void Create_Footer_Panel();
  // Writing RowCount with a visible footer: the last row goes to the new
  // last row.
  void Carry_Footer_Row(int OldCount);
  void Calc_Footer_Column(int ACol);
  // A refused value: the editor reopened on the remembered cell, the balloon.
  void Reopen_Refused_Edit(int c, int r, const QString& Text);
  void Show_Invalid_Entry_Balloon();
  // The focus watch, the cursor filter and the style colours, set up by the
  // constructor.
  void Install_Focus_Hooks();
  void Focus_Changed(QWidget* Old, QWidget* Now);
  bool Inside_Grid(const QWidget* W) const;
  void Apply_Select_Cursor();
  TFooterPanel* FFooterPanel = nullptr;  // a child: goes with the grid
  TBalloonWindow* FEntryBalloon = nullptr;  // a child: goes with the grid
  QPointer<QWidget> FEntryBalloonTool;
  QString FOldCellTextWide;
  bool FOldModifiedValue = false;
  QString FInvalidEntryTitle, FInvalidEntryText;
  TInvalidEntryIcon FInvalidEntryIcon = ieError;
  bool FCellSelectorMode = false;
  bool FStyled = false;
  bool FFocusInside = false;
  QMetaObject::Connection FEnterWatch;
  QPointer<QWidget> FLastFocus;  // the focus widget before the latest change
  QObject* FCursorFilter = nullptr;  // a child: goes with the grid
  bool FCursorGuard = false;
  // (end of footer panel, validation and focus hooks)

 public:
  // ---- row filtering (grid/rowfilter/): the conditions of Filter hide the
  // data rows that fail them, one level of hidden rows per application.
  using TCustomFilterEvent = std::function<void(TZadIrururOziz* Sender, int ARow, bool& AcceptRow)>;
  using TGridProgressEvent = std::function<void(TZadIrururOziz* Sender, int Progress)>;
  using TFilterPickEvent = std::function<void(TZadIrururOziz* Sender, int Column, int ItemIndex,
                                              const QString& FriendlyName, QString& FilterCondition)>;
  using TFilterCheckEvent =
      std::function<void(TZadIrururOziz* Sender, int Column, int ItemIndex, const QString& FriendlyName,
                         QString& FilterCondition, TDropCheckList* CheckList)>;

  // Whether display row ARow passes every condition and OnCustomFilter.
  virtual bool MatchFilter(int ARow);
  // Hides ARow (no new level) when it fails.
  void FilterRow(int ARow);
  // Hides every failing data row as one new level.
  void ApplyFilter();
  bool FilterActive() const { return FFilterActive; }
  void SetFilterActive(bool Value);
  // Shows the rows of the most recent level; true while two or more remain.
  bool RemoveLastFilter();
  // Removes every level, or clears Filter when none is applied.
  void RemoveAllFilters();
  // Incremental "contains" filter on real column AColumn, the whole row for -1.
  void NarrowDown(const QString& ACondition, int AColumn = -1);
  bool FilterNormalCellsOnly() const { return FFilterNormalCellsOnly; }
  void SetFilterNormalCellsOnly(bool Value) { FFilterNormalCellsOnly = Value; }
  bool AutoFilterUpdate() const { return FAutoFilterUpdate; }
  void SetAutoFilterUpdate(bool Value) { FAutoFilterUpdate = Value; }
  int FilterDropDownRow() const { return FPaintLook.FilterDropDownRow; }
  void SetFilterDropDownRow(int Value);
  const QString& LastFilter() const { return FLastFilter; }

  TCustomFilterEvent OnCustomFilter;
  TGridProgressEvent OnFilterProgress;
  TFilterPickEvent OnFilterSelect;
  TFilterCheckEvent OnFilterCheck;

 private:
  // Shows the top level's rows again; rows hidden otherwise stay hidden.
  void Filter_Show_Level();
  bool Filter_Text(const TFilterData& Item, int ARow, QString& Text);
  bool FFilterActive = false;
  bool FFilterNormalCellsOnly = false;
  bool FAutoFilterUpdate = false;
  int FFilterFixedRows = 0;
  QString FLastFilter;
  // FilterLevel below the first filter level (-1: no filter level); not
  // empty when the first level was raised from 0 to 1 above rows hidden
  // otherwise, so that FilterLevel returns to 0 when the last level goes.
  int FFilterBase = -1;
  std::vector<int> FFilterKeptHidden;
  // The conditions read once while ApplyFilter runs.
  const std::vector<class Row_Filter_Condition>* FFilterCompiled = nullptr;
  // (end of row filtering)

  // ---- printing (grid/print/: grid_print.cpp the print, preview and page-draw
  // operations, the engine and the cells in their own classes there)
 public:
  // What the grid keeps of its printing between calls.
  struct TGridPrintState {
    TGridRect FPrintRect;     // display columns and rows to print
    TRect PrevRect;           // printing: page in 0.1 mm; preview: display rectangle in device pixels
    int FPrintPageFrom = 1;   // 1-based range of the pages that are drawn
    int FPrintPageTo = 1;
    int FPrintPageNum = 0;    // pages of the job, as last counted
    int FPrintPageWidth = 0;  // width of the current strip, fixed block included
    TRect FPrintPageRect;     // (0, 0, page width, page bottom) of the last pass
    int FPrintColStart = 0;   // display columns of the current strip
    int FPrintColEnd = 0;
    bool FIsPrintPreview = false;
  };
  using TPrintPageEvent =
      std::function<void(TZadIrururOziz* Sender, TCanvas& Canvas, int PageNr, int PageXSize, int PageYSize)>;
  using TPrintNewPageEvent = std::function<void(TZadIrururOziz* Sender, int ARow, bool& NewPage)>;
  using TPrintPageDoneEvent = std::function<void(TZadIrururOziz* Sender, TCanvas& Canvas, int LastRow,
                                                 int LastRowOffset, int LastPage, int PageXSize, int PageYSize)>;
  using TPrintCancelEvent = std::function<void(TZadIrururOziz* Sender, int PageNr, bool& Cancel)>;
  using TPrintStartEvent = std::function<void(TZadIrururOziz* Sender, int NrOfPages, int& FromPage, int& ToPage)>;
  using TFitToPageEvent = std::function<void(TZadIrururOziz* Sender, double& ScaleFactor, bool& Allow)>;
  using TPrintSetSizeEvent = std::function<void(TZadIrururOziz* Sender, int AIndex, int& ASize)>;
  using TCustomCellSizeEvent =
      std::function<void(TZadIrururOziz* Sender, TCanvas& Canvas, int ACol, int ARow, QPoint& ASize, bool Printing)>;
  using TCellPrintBorderEvent = std::function<void(TZadIrururOziz* Sender, int ARow, int ACol,
                                                   TCanvas::Pen_State& APen, TCellBorders& Borders)>;

  // On a printer (a PDF file or the system's default printer): a counting
  // pass, OnPrintStart, then the drawing pass.
  void Print(class QPrinter& APrinter);
  void PrintSelection(class QPrinter& APrinter);
  void PrintRect(class QPrinter& APrinter, const TGridRect& Gridrect);
  void PrintSelectedRows(class QPrinter& APrinter);
  void PrintSelectedCols(class QPrinter& APrinter);
  // Previews of the pages PreviewPage names, drawn into Displayrect (device
  // pixels) of any paint device.
  void PrintPreview(QPainter& Canvas, const TRect& Displayrect);
  void PrintPreviewRect(QPainter& Canvas, const TRect& Displayrect, const TGridRect& Gridrect);
  void PrintPreviewSelection(QPainter& Canvas, const TRect& Displayrect);
  void PrintPreviewSelectedRows(QPainter& Canvas, const TRect& Displayrect);
  void PrintPreviewSelectedCols(QPainter& Canvas, const TRect& Displayrect);
  // The first page on any paint device (a bitmap, a picture), its size the page.
  void PrintDraw(QPainter& Canvas, const TRect& DrawRect);
  void PrintDrawRect(QPainter& Canvas, const TRect& DrawRect, const TGridRect& Gridrect);
  int PreviewPage() const { return FPrintState.FPrintPageFrom; }
  void SetPreviewPage(int Value) { FPrintState.FPrintPageFrom = FPrintState.FPrintPageTo = Value; }
  bool FastPrint() const { return FFastPrint; }
  void SetFastPrint(bool Value) { FFastPrint = Value; }
  bool PrinterDriverFix() const { return FPrinterDriverFix; }
  void SetPrinterDriverFix(bool Value) { FPrinterDriverFix = Value; }
  TGridPrintState& PrintState() { return FPrintState; }
  // The sides and pen of a printed cell's border (real column).
  virtual void DoGetCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, TCanvas::Pen_State& APen);
  virtual void DoCustomCellSize(TCanvas& Canvas, int ACol, int ARow, QPoint& ASize, bool Printing);
  // The time the page header shows; the local time when unset.
  std::function<QDateTime()> PrintClock;
  // The rotation between portrait and landscape of the printer driver; 90
  // when unset (no driver reports it here).
  std::function<int()> PrinterOrientationQuery;
  int PrinterOrientationDegrees() const { return PrinterOrientationQuery ? PrinterOrientationQuery() : 90; }

  TPrintPageEvent OnPrintPage;
  TPrintNewPageEvent OnPrintNewPage;
  TPrintPageDoneEvent OnPrintPageDone;
  TPrintCancelEvent OnPrintCancel;
  TPrintStartEvent OnPrintStart;
  TFitToPageEvent OnFitToPage;
  TPrintSetSizeEvent OnPrintSetColumnWidth;
  TPrintSetSizeEvent OnPrintSetRowHeight;
  TCustomCellSizeEvent OnCustomCellSize;
  TCellPrintBorderEvent OnGetCellPrintBorder;

 private:
  void PrintGridRect(class QPrinter& APrinter, const TGridRect& Cells, bool SelectedOnly);
  void PreviewGridRect(QPainter& Canvas, const TRect& Displayrect, bool SelectedOnly, const TGridRect& Cells);
  TGridPrintState FPrintState;
  bool FFastPrint = false;
  bool FPrinterDriverFix = false;

  // ---- grouping (grid/grouping/): runs of equal values of one column become
  // collapsible groups with a header row (and a summary row), a second level
  // inside them, and group values written into the header or summary rows.
 public:
  // Groups on real column Colindex: sorted on it (SortSettings.
  // AutoSortForGrouping), the column removed, its value shown in column 1
  // of each group's header. Column 0, a fixed column or a grid without a
  // column to show the value in are left alone.
  virtual void Group(int Colindex);
  // Puts the group column back with its width, caption and footer and
  // removes the header and summary rows; nothing when not grouped.
  virtual void UnGroup();
  // Groups the rows of every group again on column Colindex.
  virtual void SubGroup(int Colindex);
  virtual void SubUnGroup(int Colindex);
  // -1 ungroups, a column above 0 groups on it, 0 does nothing.
  void SetGroupColumn(int Value);
  // Writes a value over column Colindex of every expanded group into its
  // summary row (Grouping.Summary) or header row: 1 sum, 2 average,
  // 3 minimum, 4 maximum, 5 count, 6 OnGroupCalc, 7 distinct count,
  // 8 standard deviation.
  void GroupCalc(int Colindex, int method);
  // These five also set the floating footer's column calculation while the
  // footer is visible.
  void GroupSum(int Colindex);
  void GroupAvg(int Colindex);
  void GroupMin(int Colindex);
  void GroupMax(int Colindex);
  void GroupCount(int Colindex);
  void GroupCustomCalc(int Colindex);
  void GroupDistinct(int Colindex);
  void GroupStdDev(int Colindex);
  // Set while Group or UnGroup rebuild the rows.
  bool IsGrouping() const { return FIsGrouping; }

 protected:
  // The display column whose filter list is open; the column grid's own
  // filter picks close it with -1.
  void Set_Filter_Column(int ACol) { FFilterCol = ACol; }

 private:
  // Moves the data rows to their new places in one pass: NewRow[i] is the
  // display row of data row FixedRows + i; the rows in between come empty.
  // Grows or shrinks the data area by Delta rows.
  void Relayout_Data_Rows(const std::vector<int>& NewRow, int Delta);
  void Repaint_Search_Panel();
  int FGroupWidth = 0;
  QString FGroupCaption;
  QString FGroupFooter;
  bool FIsGrouping = false;
  // (end of grouping)
};
