#pragma once
// The per-cell record of the grid cell store: merge state, the cell's own
// look, editor kind, read-only flag, node level, a user value, the cell
// object and a control placed in the cell. Created on first demand and owned
// by the store of the grid the cell belongs to.
//
// Merge state: an unmerged cell is a base cell with spans -1/-1. The base of
// a block w x h has spans (w-1, h-1); a covered cell holds its offset from
// the base as its spans and IsBaseCell false, so its base is found without a
// search.
#include <QPoint>
#include <QString>
#include <cstdint>

#include "controls/canvas.h"
#include "controls/tcolor.h"
#include "grid/store/grid_types.h"

class QObject;
class TCellProperties;

// What a cell's properties need of the grid that owns them.
class Cell_Store_Owner {
 public:
  virtual ~Cell_Store_Owner() = default;
  // Columns including hidden ones, and the rows of the grid: a cell outside
  // them counts as unmerged and without properties.
  virtual int TotalColCount() const = 0;
  virtual int Store_Row_Count() const = 0;
  virtual bool WordWrap() const = 0;
  // Gives a fresh properties object the grid's look for that cell.
  virtual void Initial_Cell_Look(int ACol, int ARow, TCellProperties& Props) = 0;
  // Invalidates the cell's rectangle (a merged block's whole rectangle) when
  // the grid's window exists.
  virtual void RepaintCell(int ACol, int ARow) = 0;
};

// Base of the objects a cell can carry (the grid's cell graphics and callers'
// objects). The grid frees only objects that say it owns them.
class TCellObjectBase {
 public:
  virtual ~TCellObjectBase() = default;
  virtual bool Owned_By_Grid() const { return false; }
};

class TCellProperties {
 public:
  TCellProperties(Cell_Store_Owner* AOwner, int ACol, int ARow);

  // Copies the merge state, owner cell, user value and look, as plain field
  // stores; owner grid, graphic object, gradient, calculation and paint pass
  // stay.
  void Assign(const TCellProperties& Source);
  QPoint GetBaseCell(int c, int r) const;

  Cell_Store_Owner* OwnerGrid() const { return FOwnerGrid; }
  int OwnerCol() const { return FOwnerCol; }
  void SetOwnerCol(int v) { FOwnerCol = v; }
  int OwnerRow() const { return FOwnerRow; }
  void SetOwnerRow(int v) { FOwnerRow = v; }
  bool IsBaseCell() const { return FIsBaseCell; }
  void SetIsBaseCell(bool v) { FIsBaseCell = v; }
  int CellSpanX() const { return FCellSpanX; }
  void SetCellSpanX(int v) { FCellSpanX = v; }
  int CellSpanY() const { return FCellSpanY; }
  void SetCellSpanY(int v) { FCellSpanY = v; }

  quintptr CellObject() const { return FObject; }
  void SetCellObject(quintptr v) { FObject = v; }
  TCellObjectBase* GraphicObject() const { return FGraphicObject; }
  void SetGraphicObject(TCellObjectBase* v) { FGraphicObject = v; }

  TBrushStyle BrushStyle() const { return FBrushStyle; }
  void SetBrushStyle(TBrushStyle v) { FBrushStyle = v; }
  TColor BrushColor() const { return FBrushColor; }
  void SetBrushColor(TColor v);
  TColor BrushColorTo() const { return FBrushColorTo; }
  void SetBrushColorTo(TColor v);
  int FontSize() const { return FFontSize; }
  void SetFontSize(int v) { FFontSize = v; }
  TColor FontColor() const { return FFontColor; }
  void SetFontColor(TColor v) { FFontColor = v; }
  TFontStyles FontStyle() const { return FFontStyle; }
  void SetFontStyle(TFontStyles v) { FFontStyle = v; }
  QString FontName() const { return FFontName; }
  void SetFontName(const QString& v) { FFontName = v; }
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int v) { FBorderWidth = v; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor v) { FBorderColor = v; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v) { FAlignment = v; }  // no repaint
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment v);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);
  int PaintID() const { return FPaintID; }
  void SetPaintID(int v) { FPaintID = v; }
  TColumnCalcType CalcType() const { return FCalcType; }
  void SetCalcType(TColumnCalcType v) { FCalcType = v; }
  void* CalcObject() const { return FCalcObject; }
  void SetCalcObject(void* v) { FCalcObject = v; }
  int NodeLevel() const { return FNodeLevel; }
  void SetNodeLevel(int v) { FNodeLevel = v; }
  TEditorType Editor() const { return FEditor; }
  void SetEditor(TEditorType v) { FEditor = v; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { FReadOnly = v; }
  TCellGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TCellGradientDirection v) { FGradientDirection = v; }
  QObject* Control() const { return FControl; }
  void SetControl(QObject* v) { FControl = v; }

 private:
  void Repaint();

  Cell_Store_Owner* FOwnerGrid;
  int FOwnerCol;
  int FOwnerRow;
  quintptr FObject = 0;
  TCellObjectBase* FGraphicObject = nullptr;
  TBrushStyle FBrushStyle = TBrushStyle::bsSolid;
  TColor FBrushColor = clNone;
  TColor FBrushColorTo = clNone;
  int FFontSize = 8;
  TColor FFontColor = clNone;
  TFontStyles FFontStyle = 0;
  int FCellSpanY = -1;
  int FCellSpanX = -1;
  int FBorderWidth = 0;
  TColor FBorderColor = 0;
  TAlignment FAlignment = taLeftJustify;
  TVAlignment FVAlignment = vtaTop;
  int FPaintID = 0;
  bool FWordWrap;
  bool FIsBaseCell = true;
  TColumnCalcType FCalcType = acNONE;
  void* FCalcObject = nullptr;
  int FNodeLevel = 0;
  TEditorType FEditor = edNormal;
  QString FFontName;
  bool FReadOnly = false;
  TCellGradientDirection FGradientDirection = GradientVertical;
  QObject* FControl = nullptr;
};
