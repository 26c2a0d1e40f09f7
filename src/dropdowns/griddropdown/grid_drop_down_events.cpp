// The inner grid's events passed on as the grid drop-down's own.
#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/griddropdown/zad_grid_drop_down.h"

void TCustomZadGridDropDown::Block_Activate(bool Value) {
  if (DropDownForm()) DropDownForm()->SetBlockActivate(Value);
}

void TCustomZadGridDropDown::Connect_Grid_Events() {
  TZadColGrid* g = FZadColGrid;
  if (!g) return;
  g->OnStartBlockFocus = [this](TZadIrururOziz*) { Block_Activate(true); };
  g->OnEndBlockFocus = [this](TZadIrururOziz*) { Block_Activate(false); };
  g->OnAnchorClick = [this](TZadIrururOziz* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle) { DoGridAnchorClick(Sender, ARow, ACol, Anchor, AutoHandle); };
  g->OnAnchorEnter = [this](TZadIrururOziz* Sender, int ARow, int ACol, const QString& Anchor) { DoGridAnchorEnter(Sender, ARow, ACol, Anchor); };
  g->OnAnchorExit = [this](TZadIrururOziz* Sender, int ARow, int ACol, const QString& Anchor) { DoGridAnchorExit(Sender, ARow, ACol, Anchor); };
  g->OnAnchorHint = [this](TZadIrururOziz* Sender, int ARow, int ACol, QString& Anchor) { DoGridAnchorHint(Sender, ARow, ACol, Anchor); };
  g->OnButtonClick = [this](TZadIrururOziz* Sender, int ACol, int ARow) { DoGridButtonClick(Sender, ACol, ARow); };
  g->OnCanSort = [this](TZadIrururOziz* Sender, int ACol, bool& DoSort) { DoGridCanSort(Sender, ACol, DoSort); };
  g->OnClickSort = [this](TZadIrururOziz* Sender, int ACol) { DoGridClickSort(Sender, ACol); };
  g->OnColumnSize = [this](TZadIrururOziz* Sender, int ACol, bool& Allow) { DoGridColumnSize(Sender, ACol, Allow); };
  g->OnColumnSizing = [this](TZadIrururOziz* Sender, int ACol, int ColumnSize) { DoGridColumnSizing(Sender, ACol, ColumnSize); };
  g->OnEndColumnSize = [this](TZadIrururOziz* Sender, int ACol) { DoGridEndColumnSize(Sender, ACol); };
  g->OnRowSizing = [this](TZadIrururOziz* Sender, int ARow, int RowSize) { DoGridRowSizing(Sender, ARow, RowSize); };
  g->OnEndRowSize = [this](TZadIrururOziz* Sender, int ARow) { DoGridEndRowSize(Sender, ARow); };
  g->OnRowMove = [this](TZadIrururOziz* Sender, int ARow, bool& Allow) { DoGridRowMove(Sender, ARow, Allow); };
  g->OnRowMoving = [this](TZadIrururOziz* Sender, int ARow, bool& Allow) { DoGridRowMoving(Sender, ARow, Allow); };
  g->OnRowMoved = [this](TZadIrururOziz* Sender, int FromIndex, int ToIndex) { DoGridRowMoved(Sender, FromIndex, ToIndex); };
  g->OnColumnMove = [this](TZadIrururOziz* Sender, int ACol, bool& Allow) { DoGridColumnMove(Sender, ACol, Allow); };
  g->OnColumnMoving = [this](TZadIrururOziz* Sender, int ACol, bool& Allow) { DoGridColumnMoving(Sender, ACol, Allow); };
  g->OnColumnMoved = [this](TZadIrururOziz* Sender, int FromIndex, int ToIndex) { DoGridColumnMoved(Sender, FromIndex, ToIndex); };
  g->OnCustomCellDraw = nullptr;
  if (OnGridCustomCellDraw)
    g->OnCustomCellDraw = [this](TZadIrururOziz* Sender, TCanvas& Canvas, int ACol, int ARow, TGridDrawState AState, const TRect& ARect, bool Printing) { DoGridCustomCellDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing); };
  g->OnCustomCellBkgDraw = nullptr;
  if (OnGridCustomCellBkgDraw)
    g->OnCustomCellBkgDraw = [this](TZadIrururOziz* Sender, TCanvas& Canvas, int ACol, int ARow, TGridDrawState AState, const TRect& ARect, bool Printing) { DoGridCustomCellBkgDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing); };
  g->OnCellBalloon = [this](TZadIrururOziz* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon) { DoGridCellBalloon(Sender, ACol, ARow, ATitle, AText, AIcon); };
  g->OnGetAlignment = [this](TZadIrururOziz* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign) { DoGridGetAlignment(Sender, ARow, ACol, HAlign, VAlign); };
  g->OnGetCellColor = [this](TZadIrururOziz* Sender, int ARow, int ACol, TGridDrawState AState, TCanvas::Brush_State& ABrush, QFont& AFont, TColor& AFontColor) { DoGridGetCellColor(Sender, ARow, ACol, AState, ABrush, AFont, AFontColor); };
  g->OnGetCellGradient = [this](TZadIrururOziz* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD) { DoGridGetCellGradient(Sender, ARow, ACol, Color, ColorTo, ColorMirror, ColorMirrorTo, GD); };
  g->OnGetFloatFormat = [this](TZadIrururOziz* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat) { DoGridGetFloatFormat(Sender, ACol, ARow, IsFloat, FloatFormat); };
  g->OnGetEditorType = [this](TZadIrururOziz* Sender, int ACol, int ARow, TEditorType& AEditor) { DoGridGetEditorType(Sender, ACol, ARow, AEditor); };
  g->OnGetEditorPropInt = [this](TZadIrururOziz* Sender, int ARow, int ACol) { DoGridGetEditorProp(Sender, ARow, ACol); };
  g->OnCanEditCell = [this](TZadIrururOziz* Sender, int ARow, int ACol, bool& CanEdit) { DoGridCanEditCell(Sender, ARow, ACol, CanEdit); };
  g->OnEllipsClick = [this](TZadIrururOziz* Sender, int ACol, int ARow, QString& S) { DoGridEllipsClick(Sender, ACol, ARow, S); };
  g->OnGetDisplText = [this](TBaseGrid* Sender, int ACol, int ARow, QString& Value) { DoGridGetDisplText(Sender, ACol, ARow, Value); };
  g->OnGetFormat = [this](TZadIrururOziz* Sender, int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) { DoGridGetFormat(Sender, ACol, AStyle, aPrefix, aSuffix); };
  g->OnGridHint = [this](TZadIrururOziz* Sender, int ARow, int ACol, QString& hintstr) { DoGridHint(Sender, ARow, ACol, hintstr); };
  g->OnMouseMoved = [this](TZadIrururOziz* Sender, Qt::KeyboardModifiers Shift, int X, int Y) { DoGridMouseMove(Sender, Shift, X, Y); };
  g->OnMouseDown = [this](TZadIrururOziz* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) { DoGridMouseDown(Sender, Button, Shift, X, Y); };
  g->OnMouseUp = [this](TZadIrururOziz* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) { DoGridMouseUp(Sender, Button, Shift, X, Y); };
  g->OnRightClickCell = [this](TZadIrururOziz* Sender, int ARow, int ACol) { DoGridRightClickCell(Sender, ARow, ACol); };
  g->OnScrollHint = [this](TZadIrururOziz* Sender, int ARow, QString& hintstr) { DoGridScrollHint(Sender, ARow, hintstr); };
  g->OnTopLeft = [this](QObject* Sender) { DoGridTopLeftChanged(Sender); };
  g->OnSearchEditChange = [this](TZadIrururOziz* Sender, const QString& Value, bool& DefaultSearch) { DoGridSearchEditChange(Sender, Value, DefaultSearch); };
  g->OnAutoAddRow = [this](TZadIrururOziz* Sender, int ARow) { DoGridAutoAddRow(Sender, ARow); };
  g->OnAutoInsertRow = [this](TZadIrururOziz* Sender, int ARow) { DoGridInsertRow(Sender, ARow); };
  g->OnAutoInsertCol = [this](TZadIrururOziz* Sender, int ACol) { DoGridInsertCol(Sender, ACol); };
  g->OnAutoDeleteRow = [this](TZadIrururOziz* Sender, int ARow) { DoGridDeleteRow(Sender, ARow); };
  g->OnCanAddRow = [this](TZadIrururOziz* Sender, bool& CanAdd) { DoGridCanAddRow(Sender, CanAdd); };
  g->OnCanInsertRow = [this](TZadIrururOziz* Sender, int ARow, bool& CanInsert) { DoGridCanInsertRow(Sender, ARow, CanInsert); };
  g->OnCanDeleteRow = [this](TZadIrururOziz* Sender, int ARow, bool& CanDelete) { DoGridCanDeleteRow(Sender, ARow, CanDelete); };
  g->OnCheckBoxClick = [this](TZadIrururOziz* Sender, int ACol, int ARow, bool State) { GridCheckBoxClick(Sender, ACol, ARow, State); };
  // Sorting by a header click keeps the chosen item's row current.
  g->OnCanSort = [this](TZadIrururOziz* Sender, int ACol, bool& DoSort) {
    FTempItemIndex = FItemIndex;
    DoGridCanSort(Sender, ACol, DoSort);
  };
  g->OnClickSort = [this](TZadIrururOziz* Sender, int ACol) {
    if (FTempItemIndex >= 0 && FZadColGrid) {
      const int row = RowOfItem(FTempItemIndex);
      if (row >= FZadColGrid->FixedRows() && row < FZadColGrid->RowCount()) {
        FPreparing = true;
        FZadColGrid->SetRow(row);
        FPreparing = false;
        FSelRow = row;
      }
    }
    DoGridClickSort(Sender, ACol);
  };
}

void TCustomZadGridDropDown::GridCheckBoxClick(TZadIrururOziz* Sender, int ACol, int ARow, bool State) {
  if (OnGridCheckBoxClick) OnGridCheckBoxClick(Sender, ACol, ARow, State);
}

void TCustomZadGridDropDown::DoGridAnchorClick(TZadIrururOziz* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle) {
  Block_Activate(true);
  if (OnGridAnchorClick) OnGridAnchorClick(Sender, ARow, ACol, Anchor, AutoHandle);
  Block_Activate(false);
}

void TCustomZadGridDropDown::DoGridAnchorEnter(TZadIrururOziz* Sender, int ARow, int ACol, const QString& Anchor) {
  if (OnGridAnchorEnter) OnGridAnchorEnter(Sender, ARow, ACol, Anchor);
}

void TCustomZadGridDropDown::DoGridAnchorExit(TZadIrururOziz* Sender, int ARow, int ACol, const QString& Anchor) {
  if (OnGridAnchorExit) OnGridAnchorExit(Sender, ARow, ACol, Anchor);
}

void TCustomZadGridDropDown::DoGridAnchorHint(TZadIrururOziz* Sender, int ARow, int ACol, QString& Anchor) {
  if (OnGridAnchorHint) OnGridAnchorHint(Sender, ARow, ACol, Anchor);
}

void TCustomZadGridDropDown::DoGridButtonClick(TZadIrururOziz* Sender, int ACol, int ARow) {
  Block_Activate(true);
  if (OnGridButtonClick) OnGridButtonClick(Sender, ACol, ARow);
  Block_Activate(false);
}

void TCustomZadGridDropDown::DoGridCanSort(TZadIrururOziz* Sender, int ACol, bool& DoSort) {
  if (OnGridCanSort) OnGridCanSort(Sender, ACol, DoSort);
}

void TCustomZadGridDropDown::DoGridClickSort(TZadIrururOziz* Sender, int ACol) {
  if (OnGridClickSort) OnGridClickSort(Sender, ACol);
}

void TCustomZadGridDropDown::DoGridCustomCompare(TZadIrururOziz* Sender, const QString& str1, const QString& str2, int& Res) {
  if (OnGridCustomCompare) OnGridCustomCompare(Sender, str1, str2, Res);
}

void TCustomZadGridDropDown::DoGridRawCompare(TZadIrururOziz* Sender, int ACol, int Row1, int Row2, int& Res) {
  if (OnGridRawCompare) OnGridRawCompare(Sender, ACol, Row1, Row2, Res);
}

void TCustomZadGridDropDown::DoGridColumnSize(TZadIrururOziz* Sender, int ACol, bool& Allow) {
  if (OnGridColumnSize) OnGridColumnSize(Sender, ACol, Allow);
}

void TCustomZadGridDropDown::DoGridColumnSizing(TZadIrururOziz* Sender, int ACol, int ColumnSize) {
  if (OnGridColumnSizing) OnGridColumnSizing(Sender, ACol, ColumnSize);
}

void TCustomZadGridDropDown::DoGridEndColumnSize(TZadIrururOziz* Sender, int ACol) {
  if (OnGridEndColumnSize) OnGridEndColumnSize(Sender, ACol);
}

void TCustomZadGridDropDown::DoGridRowSize(TZadIrururOziz* Sender, int ARow, bool& Allow) {
  if (OnGridRowSize) OnGridRowSize(Sender, ARow, Allow);
}

void TCustomZadGridDropDown::DoGridRowSizing(TZadIrururOziz* Sender, int ARow, int RowSize) {
  if (OnGridRowSizing) OnGridRowSizing(Sender, ARow, RowSize);
}

void TCustomZadGridDropDown::DoGridEndRowSize(TZadIrururOziz* Sender, int ARow) {
  if (OnGridEndRowSize) OnGridEndRowSize(Sender, ARow);
}

void TCustomZadGridDropDown::DoGridRowMove(TZadIrururOziz* Sender, int ARow, bool& Allow) {
  if (OnGridRowMove) OnGridRowMove(Sender, ARow, Allow);
}

void TCustomZadGridDropDown::DoGridRowMoving(TZadIrururOziz* Sender, int ARow, bool& Allow) {
  if (OnGridRowMoving) OnGridRowMoving(Sender, ARow, Allow);
}

void TCustomZadGridDropDown::DoGridRowMoved(TZadIrururOziz* Sender, int FromIndex, int ToIndex) {
  if (OnGridRowMoved) OnGridRowMoved(Sender, FromIndex, ToIndex);
}

void TCustomZadGridDropDown::DoGridColumnMove(TZadIrururOziz* Sender, int ACol, bool& Allow) {
  if (OnGridColumnMove) OnGridColumnMove(Sender, ACol, Allow);
}

void TCustomZadGridDropDown::DoGridColumnMoving(TZadIrururOziz* Sender, int ACol, bool& Allow) {
  if (OnGridColumnMoving) OnGridColumnMoving(Sender, ACol, Allow);
}

void TCustomZadGridDropDown::DoGridColumnMoved(TZadIrururOziz* Sender, int FromIndex, int ToIndex) {
  if (OnGridColumnMoved) OnGridColumnMoved(Sender, FromIndex, ToIndex);
}

void TCustomZadGridDropDown::DoGridCustomCellDraw(TZadIrururOziz* Sender, TCanvas& Canvas, int ACol, int ARow, TGridDrawState AState, const TRect& ARect, bool Printing) {
  if (OnGridCustomCellDraw) OnGridCustomCellDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}

void TCustomZadGridDropDown::DoGridCustomCellBkgDraw(TZadIrururOziz* Sender, TCanvas& Canvas, int ACol, int ARow, TGridDrawState AState, const TRect& ARect, bool Printing) {
  if (OnGridCustomCellBkgDraw) OnGridCustomCellBkgDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}

void TCustomZadGridDropDown::DoGridCellBalloon(TZadIrururOziz* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon) {
  if (OnGridCellBalloon) OnGridCellBalloon(Sender, ACol, ARow, ATitle, AText, AIcon);
}

void TCustomZadGridDropDown::DoGridGetAlignment(TZadIrururOziz* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign) {
  if (ACol >= 0 && ACol < FColumns.Count()) HAlign = FColumns.Items(ACol).Alignment;
  if (OnGridGetAlignment) OnGridGetAlignment(Sender, ARow, ACol, HAlign, VAlign);
}

void TCustomZadGridDropDown::DoGridGetCellColor(TZadIrururOziz* Sender, int ARow, int ACol, TGridDrawState AState, TCanvas::Brush_State& ABrush, QFont& AFont, TColor& AFontColor) {
  if (ACol >= 0 && ACol < FColumns.Count()) ABrush.Color = FColumns.Items(ACol).Color;
  if (OnGridGetCellColor) OnGridGetCellColor(Sender, ARow, ACol, AState, ABrush, AFont, AFontColor);
}

void TCustomZadGridDropDown::DoGridGetCellGradient(TZadIrururOziz* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD) {
  if (OnGridGetCellGradient) OnGridGetCellGradient(Sender, ARow, ACol, Color, ColorTo, ColorMirror, ColorMirrorTo, GD);
}

void TCustomZadGridDropDown::DoGridGetFloatFormat(TZadIrururOziz* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat) {
  FloatFormat.clear();
  if (OnGridGetFloatFormat) OnGridGetFloatFormat(Sender, ACol, ARow, IsFloat, FloatFormat);
}

void TCustomZadGridDropDown::DoGridGetEditorType(TZadIrururOziz* Sender, int ACol, int ARow, TEditorType& AEditor) {
  if (OnGridGetEditorType) OnGridGetEditorType(Sender, ACol, ARow, AEditor);
}

void TCustomZadGridDropDown::DoGridGetEditorProp(TZadIrururOziz* Sender, int ARow, int ACol) {
  if (OnGridGetEditorProp) OnGridGetEditorProp(Sender, ARow, ACol);
}

void TCustomZadGridDropDown::DoGridCanEditCell(TZadIrururOziz* Sender, int ARow, int ACol, bool& CanEdit) {
  if (OnGridCanEditCell) OnGridCanEditCell(Sender, ARow, ACol, CanEdit);
}

void TCustomZadGridDropDown::DoGridEllipsClick(TZadIrururOziz* Sender, int ACol, int ARow, QString& S) {
  Block_Activate(true);
  if (OnGridEllipsClick) OnGridEllipsClick(Sender, ACol, ARow, S);
  Block_Activate(false);
}

void TCustomZadGridDropDown::DoGridGetDisplText(TBaseGrid* Sender, int ACol, int ARow, QString& Value) {
  if (OnGridGetDiplText) OnGridGetDiplText(Sender, ACol, ARow, Value);
}

void TCustomZadGridDropDown::DoGridGetFormat(TZadIrururOziz* Sender, int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) {
  if (OnGridGetFormat) OnGridGetFormat(Sender, ACol, AStyle, aPrefix, aSuffix);
}

void TCustomZadGridDropDown::DoGridHint(TZadIrururOziz* Sender, int ARow, int ACol, QString& hintstr) {
  if (OnGridHint) OnGridHint(Sender, ARow, ACol, hintstr);
}

void TCustomZadGridDropDown::DoGridMouseMove(TZadIrururOziz* Sender, Qt::KeyboardModifiers Shift, int X, int Y) {
  if (!FBalloonInit && FZadColGrid && FZadColGrid->Balloon().Enable()) {
    // The balloons of a popup shown again start afresh.
    FZadColGrid->Balloon().SetEnable(false);
    FZadColGrid->Balloon().SetEnable(true);
  }
  FBalloonInit = true;
  if (OnGridMouseMove) OnGridMouseMove(Sender, Shift, X, Y);
}

void TCustomZadGridDropDown::DoGridMouseDown(TZadIrururOziz* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  if (OnGridMouseDown) OnGridMouseDown(Sender, Button, Shift, X, Y);
}

void TCustomZadGridDropDown::DoGridMouseUp(TZadIrururOziz* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  if (OnGridMouseUp) OnGridMouseUp(Sender, Button, Shift, X, Y);
}

void TCustomZadGridDropDown::DoGridKeyDown(TCustomZadGridDropDown* Sender, int& Key, Qt::KeyboardModifiers Shift) {
  if (OnGridKeyDown) OnGridKeyDown(Sender, Key, Shift);
}

void TCustomZadGridDropDown::DoGridKeyUp(TCustomZadGridDropDown* Sender, int& Key, Qt::KeyboardModifiers Shift) {
  if (OnGridKeyUp) OnGridKeyUp(Sender, Key, Shift);
}

void TCustomZadGridDropDown::DoGridKeyPress(TCustomZadGridDropDown* Sender, QChar& Key) {
  if (OnGridKeyPress) OnGridKeyPress(Sender, Key);
}

void TCustomZadGridDropDown::DoGridRightClickCell(TZadIrururOziz* Sender, int ARow, int ACol) {
  if (OnGridRightClickCell) OnGridRightClickCell(Sender, ARow, ACol);
}

void TCustomZadGridDropDown::DoGridScrollHint(TZadIrururOziz* Sender, int ARow, QString& hintstr) {
  if (OnGridScrollHint) OnGridScrollHint(Sender, ARow, hintstr);
}

void TCustomZadGridDropDown::DoGridTopLeftChanged(QObject* Sender) {
  (void)Sender;
  if (OnGridTopLeftChanged) OnGridTopLeftChanged(this);
}

void TCustomZadGridDropDown::DoGridSearchEditChange(TZadIrururOziz* Sender, const QString& Value, bool& DefaultSearch) {
  if (OnGridSearchEditChange) OnGridSearchEditChange(Sender, Value, DefaultSearch);
}

void TCustomZadGridDropDown::DoGridSpinClick(TZadIrururOziz* Sender, int ACol, int ARow, int AValue, bool UpDown) {
  if (OnGridSpinClick) OnGridSpinClick(Sender, ACol, ARow, AValue, UpDown);
}

void TCustomZadGridDropDown::DoGridAutoAddRow(TZadIrururOziz* Sender, int ARow) {
  if (OnGridAutoAddRow) OnGridAutoAddRow(Sender, ARow);
}

void TCustomZadGridDropDown::DoGridInsertRow(TZadIrururOziz* Sender, int ARow) {
  if (OnGridInsertRow) OnGridInsertRow(Sender, ARow);
}

void TCustomZadGridDropDown::DoGridInsertCol(TZadIrururOziz* Sender, int ACol) {
  if (OnGridInsertCol) OnGridInsertCol(Sender, ACol);
}

void TCustomZadGridDropDown::DoGridDeleteRow(TZadIrururOziz* Sender, int ARow) {
  if (OnGridDeleteRow) OnGridDeleteRow(Sender, ARow);
}

void TCustomZadGridDropDown::DoGridCanAddRow(TZadIrururOziz* Sender, bool& CanAdd) {
  if (OnGridCanAddRow) OnGridCanAddRow(Sender, CanAdd);
}

void TCustomZadGridDropDown::DoGridCanInsertRow(TZadIrururOziz* Sender, int ARow, bool& CanInsert) {
  if (OnGridCanInsertRow) OnGridCanInsertRow(Sender, ARow, CanInsert);
}

void TCustomZadGridDropDown::DoGridCanDeleteRow(TZadIrururOziz* Sender, int ARow, bool& CanDelete) {
  if (OnGridCanDeleteRow) OnGridCanDeleteRow(Sender, ARow, CanDelete);
}
