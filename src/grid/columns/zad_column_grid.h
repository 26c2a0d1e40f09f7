#pragma once
// TZadColumnGrid: the string grid whose columns are described by column
// items. It answers the grid's per-cell questions (look, alignment, borders,
// editor, fixed state, editability, password, check texts, sort and number
// format) from the item of the cell's column, keeps the item count and the
// column count in step both ways, keeps row 0, ColumnHeaders and the items'
// headers in step, moves an item with its column and shows a column's popup
// menu on clicks.
//
// Column arguments of the per-cell questions are the ones the string grid
// passes: real columns from painting, display columns from editing (the two
// agree while no column is hidden).
#include <QIODevice>
#include <functional>
#include <memory>

#include "grid/columns/grid_column_collection.h"
#include "grid/core/zad_irurur_oziz.h"

using TColumnPopupEvent = std::function<void(TZadColumnGrid* Sender, int ACol, int ARow, QMenu* PopupMenu)>;
using TAfterColumnMoved = std::function<void(TZadColumnGrid* Sender, int FromIndex, int ToIndex)>;

// What the in-place editors of a column take when they open on one of its
// cells: the combo items and rows, the spin limits and the editor link.
struct TColumnEditorSettings {
  QStringList ComboItems;
  int DropDownCount = 8;
  int SpinMin = 0, SpinMax = 0, SpinStep = 1;
  QObject* EditLink = nullptr;
};

class TZadColumnGrid : public TZadIrururOziz {
  Q_OBJECT

 public:
  explicit TZadColumnGrid(QWidget* AOwner = nullptr);
  ~TZadColumnGrid() override;

  void Loaded() override;

  // ---- columns and items
  using TZadIrururOziz::ColCount;
  void SetColCount(int Value) override;
  TGridColumnCollection& Columns() { return *FColumnCollection; }
  void SetColumns(const TGridColumnCollection& Value) { FColumnCollection->Assign(Value); }
  // The item count follows ColCount plus the hidden columns. Callers set the
  // collection's guard.
  void SynchColumns();
  // Row 0 texts become the headers of items that have none; the items'
  // headers become ColumnHeaders.
  void UpdateColumnHeaders();
  void InsertCols(int ColIndex, int CCount) override;
  void RemoveCols(int ColIndex, int CCount) override;
  // The items swap with their columns.
  void SwapColumns(int ACol1, int ACol2) override;
  TGridColumnItem* GetColumnByName(const QString& AValue) const;
  bool ColumnMoving() const { return FColMoving; }
  bool AutoFilterDisplay() const { return FAutoFilterDisplay; }
  void SetAutoFilterDisplay(bool Value) { FAutoFilterDisplay = Value; }
  // The item of the grouped column while the grid is grouped.
  TGridColumnItem& SavedColumn() { return *FSaveCol; }

  // The items with every property, in item order (the format is described
  // in grid_column_stream.cpp). Loading keeps ColCount; a stream that does
  // not read throws and leaves the columns as they were.
  void SaveColumnsToStream(QIODevice& st);
  void LoadColumnsFromStream(QIODevice& st);

  // The column order as the items' design positions ("CP"i := DefIdx of the
  // item at position i) in section Section of the INI file Key. Loading
  // changes nothing when a value is missing or the values are not each
  // position once; afterwards every item holds its design position again.
  void SaveColumnPositions(const QString& Key, const QString& Section);
  void LoadColumnPositions(const QString& Key, const QString& Section);
  // With ColumnSize.Location clIniFile the two above, else the string grid's.
  void SaveColPositions() override;
  void LoadColPositions() override;

  static uint32_t GetVersionNr() { return 0x01010000; }
  static QString GetVersionString();

  // ---- per-cell answers
  void GetInitialCellProps(int ACol, int ARow, QFont& AFont, TColor& AFontColor, TColor& ABrushColor, TColor& AColorTo,
                           TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                           TCellGradientDirection& GD) override;
  QString GetFormattedCell(int ACol, int ARow) override;
  void GetCellFloatFormat(int ACol, int ARow, QString& Format) override;
  TCellType GetCellType(int ACol, int ARow) override;
  TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
  void DoUpdateColumnSize(int ACol, int& AWidth) override;
  void DoUpdateColumnSizeAuto(int ACol, int& AWidth) override;
  void DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TCanvas::Brush_State& ABrush, QFont& AFont,
                      TColor& AFontColor) override;
  void DoGetCellBorder(int ACol, int ARow, TCellBorders& Borders, TColor& PenColor, int& PenWidth) override;
  // Printing asks these; the print fonts are the grid's print settings.
  virtual void DoGetCellPrintColor(int ACol, int ARow, TColor& ABrushColor, TGridFont& AFont,
                                   const TGridFont& GridPrintFont, const TGridFont& GridFixedPrintFont);
  void DoGetCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, TCanvas::Pen_State& APen) override;
  void DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
  // The column item's sort style, prefix and suffix, then the grid's OnGetFormat.
  void DoGetFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) override;
  void DoGetEditorType(int ACol, int ARow, TEditorType& AEditor) override;
  void DoIsFixedCell(int ACol, int ARow, bool& IsFixedCell) override;
  void CheckCellEditable(int ACol, int ARow, bool& CanEdit) override;
  void DoIsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
  bool DoHasComboBox(int ACol, int ARow) override;
  void DoGetCheckTrue(int ACol, int ARow, QString& Value) override;
  void DoGetCheckFalse(int ACol, int ARow, QString& Value) override;
  int QueryEditLimit() override;
  QString QueryEditMask(int ACol, int ARow) override;
  // Filled by DoGetEditorType for the editor about to open.
  const TColumnEditorSettings& EditorSettings() const { return FEditorSettings; }
  // The column's combo items and rows, spin limits and editor link go to
  // the editors before the grid opens one on a cell of the column.
  void PrepareCellEditor(int ACol, int ARow) override;

  // ---- grouping, header filters, footer and scaling
  // The grouped column's item waits in SavedColumn until UnGroup puts it
  // back; a column index outside the items throws before anything changes.
  void Group(int Colindex) override;
  void UnGroup() override;
  // A column whose item has Filter entries offers their captions (the text
  // before the first "="); true only then.
  bool DoGetColumnFilter(int Column) override;
  // A pick from an item's Filter entries: the caption becomes the header
  // with AutoFilterDisplay, the rest after "=" the column's condition;
  // columns without entries filter as the string grid does.
  void DoFilterSelect(QObject* Sender, int ItemIndex) override;
  // The item count follows the columns a recalculation left.
  void RecalcFooter() override;
  // The items' cell and header fonts scale with the grid.
  void ChangeScale(int M, int D) override;

  TColumnPopupEvent OnColumnPopup;
  TAfterColumnMoved OnAfterColumnMoved;
  // Where a column popup would show (tests and the popup itself).
  std::function<void(QMenu* Menu, const QPoint& ScreenPos)> ShowPopup;

 protected:
  virtual std::unique_ptr<TGridColumnCollection> CreateColumns();
  void ColumnHeadersChanging() override;
  void ColumnMoved(int from, int to) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // The item of a column, null when the column has none.
  TGridColumnItem* Item_Of(int ACol) const;
  bool Is_Normal_Cell(int ACol, int ARow) const;
  void Column_Popup(int ACol, int ARow, Qt::MouseButton Button);

  std::unique_ptr<TGridColumnCollection> FColumnCollection;
  std::unique_ptr<TGridColumnItem> FSaveCol;
  bool FColMoving = false;
  TCellGraphic FCellGraphic;  // handed out for every cell of a data check-box column
  bool FAutoFilterDisplay = false;
  TColumnEditorSettings FEditorSettings;
  // Whether the last editor query was answered by a column item.
  bool FEditorSettingsSet = false;
};
