#pragma once
// TBaseGrid: the cell store grid beneath the string grid. Adds to the
// platform grid the per-cell properties, merged cells, cell text read and
// written through a merged block's base cell and passed through the
// display-text hooks, and its own grid lines and cell painting.
//
// Every window reads and writes table cells through GetCellEx/SetCellEx and
// colours them through GetCellProperties(c, r)->SetBrushColor.
#include <QFont>
#include <QPointer>
#include <functional>

#include "controls/canvas.h"
#include "controls/tcolor.h"
#include "grid/core/platform_grid.h"

enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };
enum THoverRowCell : uint8_t { hcNormal = 1, hcFixed = 2, hcSelected = 4 };
using THoverRowCells = uint8_t;

class TBaseGrid;
class TZadGridUndoRedo;
using TGetDisplTextEvent = std::function<void(TBaseGrid* Sender, int ACol, int ARow, QString& Value)>;
// The wide variant: the same text as UTF-16 (QString is UTF-16 already).
using TGetDisplWideTextEvent = std::function<void(TBaseGrid* Sender, int ACol, int ARow, QString& Value)>;

class TBaseGrid : public Platform_Grid {
  Q_OBJECT

 public:
  explicit TBaseGrid(QWidget* parent = nullptr);
  ~TBaseGrid() override;

  // ---- cell text and objects
  QString GetCellEx(int c, int r);
  void SetCellEx(int c, int r, const QString& Value);
  QString GetGridCell(int c, int r) const { return Store().Text(c, r); }
  void SetGridCell(int c, int r, const QString& Value) { Store().Set_Text(c, r, Value); }
  TCellProperties* GetGridObject(int c, int r) const { return Store().Object(c, r); }
  void SetGridObject(int c, int r, TCellProperties* Value) { Store().Set_Object(c, r, Value); }
  quintptr GetObjectEx(int c, int r) const;
  void SetObjectEx(int c, int r, quintptr Value);
  TCellObjectBase* GetGraphicObjectEx(int c, int r) const;
  void SetGraphicObjectEx(int c, int r, TCellObjectBase* Value);
  TCellProperties* GetCellProperties(int c, int r);
  void SetCellProperties(int c, int r, TCellProperties* Value);
  static TCellObjectBase* GraphicObjectOf(const TCellProperties* Props);

  // ---- merging and geometry
  virtual void MergeCells(int c, int r, int spanx, int spany);
  virtual void SplitCells(int c, int r);
  bool IsBaseCell(int ACol, int ARow) const { return Store().IsBaseCell(ACol, ARow); }
  bool IsMergedCell(int ACol, int ARow) const { return Store().IsMergedCell(ACol, ARow); }
  bool IsMergedNonBaseCell(int ACol, int ARow) const { return Store().IsMergedNonBaseCell(ACol, ARow); }
  bool IsXMergedCell(int ACol, int ARow) const { return Store().IsXMergedCell(ACol, ARow); }
  bool IsYMergedCell(int ACol, int ARow) const { return Store().IsYMergedCell(ACol, ARow); }
  QPoint BaseCell(int ACol, int ARow) const { return Store().BaseCell(ACol, ARow); }
  QPoint CellSpan(int ACol, int ARow) const { return Store().CellSpan(ACol, ARow); }
  QPoint CellExt(int ACol, int ARow) const { return Store().CellExt(ACol, ARow); }
  TGridRect FullCell(int c, int r) const { return Store().FullCell(c, r); }
  int MinRowSpan(int ARow) const { return Store().MinRowSpan(ARow); }
  int MaxRowSpan(int ARow) const { return Store().MaxRowSpan(ARow); }
  bool RowSpanIdentical(int ARow1, int ARow2) const { return Store().RowSpanIdentical(ARow1, ARow2); }
  bool ColSpanIdentical(int ACol1, int ACol2) const { return Store().ColSpanIdentical(ACol1, ACol2); }
  bool HasCellProperties(int c, int r) const { return Store().HasCellProperties(c, r); }
  bool FindBaseCell(int c, int r, int& BaseCol, int& BaseRow) const {
    return Store().FindBaseCell(c, r, BaseCol, BaseRow);
  }
  // A merged block's whole rectangle; a cell with a control its unclipped
  // one; else the platform's rectangle (empty out of view).
  TRect CellRect(int c, int r) const;
  QPoint CellSize(int c, int r) const;
  void RepaintCell(int c, int r) override;
  void MoveToBaseCell();
  int MergeCount() const { return Store().MergeCount(); }

  // ---- freeing and resetting (used when rows and columns move)
  void FreeCellPropertiesRange(int FromCol, int FromRow, int ToCol, int ToRow);
  void FreeCellProperties(int c, int r);
  // Clears the slot (the properties moved elsewhere) and empties the cell's
  // own text.
  void ResetCell(int c, int r);
  void ResetRowCells(int ARow);
  void ResetColumnCells(int ACol);

  // ---- properties
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  const QFont& GridFont() const { return FFont; }
  void SetGridFont(const QFont& Value);
  TColor FontColor() const { return FFontColor; }
  void SetFontColor(TColor Value);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value) { FDefaultDrawing = Value; }
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int Value);
  TColor GridLineColor() const { return FGridLineColor; }
  void SetGridLineColor(TColor Value);
  TColor GridFixedLineColor() const { return FGridFixedLineColor; }
  void SetGridFixedLineColor(TColor Value);
  bool ActiveRowShow() const { return FActiveRowShow; }
  void SetActiveRowShow(bool Value);
  TColor ActiveRowColor() const { return FActiveRowColor; }
  void SetActiveRowColor(TColor Value);
  TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
  void SetActiveRowColorTo(TColor Value);
  TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
  void SetActiveRowMirrorColor(TColor Value);
  TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
  void SetActiveRowMirrorColorTo(TColor Value);
  TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
  void SetSelectionStyle(TGridSelectionStyle Value);
  bool WordWrap() const override { return FWordWrap; }
  void SetWordWrap(bool Value) { FWordWrap = Value; }
  bool HoverRow() const { return FHoverRow; }
  void SetHoverRow(bool Value) { FHoverRow = Value; }
  TColor HoverRowColor() const { return FHoverRowColor; }
  void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
  TColor HoverRowColorTo() const { return FHoverRowColorTo; }
  void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
  THoverRowCells HoverRowCells() const { return FHoverRowCells; }
  void SetHoverRowCells(THoverRowCells Value) { FHoverRowCells = Value; }
  int HoverRowIdx() const { return FHoverRowIdx; }
  void SetHoverRowIdx(int Value) { FHoverRowIdx = Value; }
  bool ShowSel() const { return FShowSel; }
  void SetShowSel(bool Value) { FShowSel = Value; }
  bool HideLastRow() const { return FHideLastRow; }
  void SetHideLastRow(bool Value) { FHideLastRow = Value; }
  int NormalRowCount() const { return FNormalRowCount; }
  void SetNormalRowCount(int Value) { FNormalRowCount = Value; }
  int PaintID() const { return FPaintID; }
  bool HasCellProps() const { return Store().HasCellProps(); }
  void SetHasCellProps(bool Value) { Store().Set_HasCellProps(Value); }

  // The undo list cell edits are registered with (grid/undo/); naming one
  // attaches it to this grid, and the grid forgets a list that goes.
  TZadGridUndoRedo* UndoRedo() const;
  void SetUndoRedo(TZadGridUndoRedo* Value);

  TGetDisplTextEvent OnGetDisplText;
  TGetDisplWideTextEvent OnGetDisplWideText;

  // ---- virtual operations
  virtual bool IsFixed(int ACol, int ARow) { return (void)ACol, (void)ARow, false; }
  virtual int RowNodeIndent(int ARow) { return (void)ARow, 0; }
  virtual bool HasNodes() { return false; }
  // Draws the content of one cell inside the rectangle left after the lines.
  virtual void PaintCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  virtual void HiddenRowChanged() {}
  virtual void DoGetDisplText(int ACol, int ARow, QString& Value);
  virtual void DoGetDisplWideText(int ACol, int ARow, QString& Value);
  virtual void GetInitialCellProps(int ACol, int ARow, QFont& AFont, TColor& AFontColor, TColor& ABrushColor,
                                   TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                   TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
  virtual void CellWritten(int ACol, int ARow) { (void)ACol, (void)ARow; }
  virtual bool HasCellBorderEvent() { return false; }
  virtual bool UsesPlatformStyles() { return false; }
  // The look of a cell for painting; this grid leaves the outputs as given.
  virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                                   TCanvas::Brush_State& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                   TColor& AMirrorColorTo, QFont& AFont, TColor& AFontColor, TAlignment& HA,
                                   TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
  virtual int DisplColIndex(int ACol) { return ACol; }
  int TotalColCount() const override { return ColCount(); }

  // One cell: background, selection, lines and content. The base cell painter
  // draws a merged block once per paint pass, from its base cell.
  virtual void DrawGridCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);

 protected:
  // Beyond the cells the grid's own colour shows, as in the hidden footer
  // row and wherever no cell is.
  QColor Background_Color() const override { return To_QColor(FColor, palette()); }
  void Initial_Cell_Look(int ACol, int ARow, TCellProperties& Props) override;
  void DrawCell(QPainter& painter, int c, int r, const TRect& rect, TGridDrawState state) override;
  void PaintGrid(QPainter& painter) override;
  bool SelectCell(int c, int r) override;
  bool HandleKeyDown(int key, Qt::KeyboardModifiers shift) override;
  bool HandleWheelDown() override;
  bool HandleWheelUp() override;
  void TopLeftChanged() override;

  bool Destroying() const { return destroying_; }

 private:
  void Set_And_Invalidate(TColor& field, TColor value);

  TColor FColor = clWindow;
  QFont FFont;
  TColor FFontColor = clWindowText;
  bool FDefaultDrawing = false;
  int FGridLineWidth = 1;
  TColor FGridLineColor = 0xC0C0C0;
  TColor FGridFixedLineColor = 0x808080;
  int FPaintID = 1;
  bool FHideLastRow = false;
  int FNormalRowCount = 0;
  bool FWordWrap = true;
  bool FActiveRowShow = false;
  TColor FActiveRowColor = clInfoBk;
  TColor FActiveRowColorTo = clNone;
  TColor FActiveRowMirrorColor = clNone;
  TColor FActiveRowMirrorColorTo = clNone;
  TGridSelectionStyle FSelectionStyle = ssDefault;
  int FHoverRowIdx = -1;
  bool FHoverRow = false;
  THoverRowCells FHoverRowCells = hcNormal | hcSelected;
  TColor FHoverRowColor = clInfoBk;
  TColor FHoverRowColorTo = clNone;
  bool FShowSel = true;
  bool destroying_ = false;
  QPointer<TZadGridUndoRedo> FUndoRedo;
};
