// The left release of TZadIrururOziz and its mouse-up override: held cell
// buttons, the end of selecting, disjunct selections, the selection resize,
// cell-control release events and the header click that may sort.
#include <QMouseEvent>

#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    HandleLeftButtonUp(event);
  else if (event->button() == Qt::RightButton)
    HandleRightButtonUp(event);
  else
    TBaseGrid::mouseReleaseEvent(event);
}

void TZadIrururOziz::Framework_Release(QMouseEvent* event) { TBaseGrid::mouseReleaseEvent(event); }

void TZadIrururOziz::HandleLeftButtonUp(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  int ACol = -1, ARow = -1;
  MouseToCell(pos.x(), pos.y(), ACol, ARow);
  const TGridState state = GridState();
  // A drag that sized or moved a column is no click on the header.
  const bool col_sized = state == gsColSizing && SizingIndex() >= 0 && ColWidths(SizingIndex()) != FPressWidth;
  const bool col_moved = state == gsColMoving && ACol >= FixedCols() && ACol != MovingFrom();
  FMouseDown = false;
  FMouseKeepDown = false;
  FMouseSelectMode = msNormal;
  // A pressed button control of an HTML cell comes up again.
  if (FCtrlDown) {
    FCtrlDown = false;
    if (FCtrlXY.y() >= 0 && FCtrlXY.y() < RowCount()) RepaintCell(DisplColIndex(FCtrlXY.x()), FCtrlXY.y());
  }
  FMouseDownMove = false;
  // The list-view header shows pressed while the button is held.
  if (Look() == glListView) {
    RepaintRow(0);
    if (FixedCols() > 0) RepaintCol(0);
  }
  FMouseSelectStart = -1;
  Release_Mouse_Move(pos);
  if (FSelectionClick) {
    // No drag came of the press inside the selection: a plain click.
    FSelectionClick = false;
    if (ACol >= FixedCols() && ARow >= FixedRows()) FocusCell(ACol, ARow);
  }

  Release_Cell_Button(pos);
  if (ACol >= 0 && ARow >= 0) {
    const QPoint base = BaseCell(RealColIndex(ACol), ARow);
    const int bc = DisplColIndex(base.x());
    if (GetButtonRect(bc, base.y()).Contains(pos.x(), pos.y()) ||
        GetExpandButtonRect(bc, base.y()).Contains(pos.x(), pos.y())) {
      if (state == gsSelecting) SetGridState(gsNormal);
      return;
    }
  }

  const bool on_fixed = ACol >= 0 && ARow >= 0 && (ARow < FixedRows() || ACol < FixedCols());
  if (on_fixed && FDoOnClick && !(ARow < FixedRows() && (Options() & goColSizing) && state == gsColSizing) && OnClick)
    OnClick(this);
  FDoOnClick = false;
  if (state == gsSelecting) {
    SetGridState(gsNormal);
    if (OnClick) OnClick(this);
  }

  if (FMouseActions->DisjunctRowSelect()) {
    if (!(ACol == 0 && FMouseActions->HotmailRowSelect())) {
      const TGridRect sel = Selection();
      for (int r = std::max(sel.Top, FixedRows()); r <= sel.Bottom && r < RowCount(); ++r) SetRowSelect(r, true);
    }
    if (ARow >= FixedRows() && FDeselectState) {
      SetRowSelect(ARow, false);
      FSelChange = false;
    }
    if (FMouseActions->HotmailRowSelect()) RepaintCell(0, 0);
    FDeselectState = false;
  }
  if (FMouseActions->DisjunctColSelect()) {
    const TGridRect sel = Selection();
    for (int c = std::max(sel.Left, FixedCols()); c <= sel.Right && c < ColCount(); ++c) SetColSelect(c, true);
    if (ACol >= FixedCols() && FDeselectState) SetColSelect(ACol, false);
    FDeselectState = false;
  }

  Framework_Release(event);

  if (FMouseResize) {
    FMouseResize = false;
    const TGridRect now = Selection();
    if (OnSelectionResize) OnSelectionResize(this, FDropSelection, now);
    const bool disabled = FEditDisable;
    FEditDisable = true;
    PasteSelectionFromClipboard();
    FEditDisable = disabled;
    if (OnSelectionResized) OnSelectionResized(this, FDropSelection, now);
  }

  if (!col_moved && !col_sized && ACol >= 0 && ARow >= 0 && (ACol >= FixedCols() || FSortSettings.FixedCols)) {
    Release_Cell_Objects(ACol, ARow);
    FHeaderClickKeys = event->modifiers();
    Header_Sort_Decision(ACol, ARow, pos);
  }
}

void TZadIrururOziz::Release_Cell_Objects(int ACol, int ARow) {
  const int real = RealColIndex(ACol);
  if (HasCheckBox(real, ARow) && OnCheckBoxMouseUp) {
    bool state = false;
    GetCheckBoxState(real, ARow, state);
    OnCheckBoxMouseUp(this, ACol, ARow, state);
  }
  int index = -1;
  if (IsRadio(real, ARow) && GetRadioIdx(real, ARow, index) && OnRadioMouseUp) OnRadioMouseUp(this, ACol, ARow, index);
}

void TZadIrururOziz::Header_Sort_Decision(int ACol, int ARow, const QPoint& pos) {
  if (FDblClk) {
    FDblClk = false;
    return;
  }
  const TRect cell = CellRect(ACol, ARow);
  if (ARow == 0 && (Options() & goColSizing) && (pos.x() - cell.Left < 4 || cell.Right - pos.x() < 4)) return;
  const int real = RealColIndex(ACol);
  if (pos.x() > cell.Right - 16 && (FControlLook.FixedDropDownButton() || DoGetColumnFilter(real))) return;
  const int sort_row = FSortSettings.Row;
  if (ARow != sort_row || FPressCell.y() != sort_row || FixedRows() <= 0) return;
  if (HasCheckBox(real, ARow) && IsInCheckBox(real, ARow, pos.x(), pos.y())) return;
  if (!FSortSettings.Show || RowCount() <= 2) return;
  bool do_sort = !IsIgnoredColumn(real);
  if (OnCanSort) OnCanSort(this, real, do_sort);
  if (!do_sort) {
    RepaintCell(ACol, ARow);
    return;
  }
  HideInplaceEdit();
  DoHeaderSort(real);
}

// The grid's mouse-up override, inside the platform's release.
void TZadIrururOziz::HandleMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  const TGridRect S = Selection();
  Header_Filter_List(X, Y);
  if ((GridState() == gsColSizing && (X < 0 || X > ClientWidth())) ||
      (GridState() == gsRowSizing && (Y < 0 || Y > ClientHeight()))) {
    SetGridState(gsNormal);
    return;
  }
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  if (FMouseActions->DisjunctCellSelect() && Button == Qt::LeftButton && ACol >= 0 && ARow >= 0) {
    const QPoint base = BaseCell(RealColIndex(ACol), ARow);
    const int bc = DisplColIndex(base.x()), br = base.y();
    const bool base_fixed = bc < FixedCols() || br < FixedRows() || IsFixed(bc, br);
    if (!base_fixed) {
      bool can_select = true;
      if (OnSelectCell) OnSelectCell(this, bc, br, can_select);
      if (!can_select) return;
      if (Shift & Qt::ShiftModifier) {
        SetSelectedCells(bc, br, true);
      } else if (Shift & Qt::ControlModifier) {
        SetSelectedCells(bc, br, !SelectedCells(bc, br));
      } else {
        InvalidateGrid();
        ClearSelectedCells();
        SetSelectedCells(bc, br, true);
      }
    } else if (!(ACol < FixedCols() || ARow < FixedRows()) && !(Shift & Qt::ControlModifier)) {
      ClearSelectedCells();
      InvalidateGrid();
    }
    const TGridRect sel = Selection();
    if (sel.Left == sel.Right && sel.Top == sel.Bottom) {
      RepaintCell(sel.Left, sel.Top);
    } else {
      for (int r = sel.Top; r <= sel.Bottom; ++r)
        for (int c = sel.Left; c <= sel.Right; ++c)
          if (!SelectedCells(c, r)) SetSelectedCells(c, r, true);
      InvalidateGrid();
    }
  }
  // A selection the click changed is reported once, before OnMouseUp.
  TGridRect reported = FPressSelection;
  if ((Button == Qt::LeftButton || (Button == Qt::RightButton && FMouseActions->SelectOnRightClick())) &&
      !(Selection() == FPressSelection)) {
    reported = Selection();
    // Reported once: a simulated left click inside a right click ends here too.
    FPressSelection = reported;
    DoSelectionChanged(reported.Left, reported.Top, reported.Right, reported.Bottom);
  }
  if (Button == Qt::RightButton && GridState() == gsColMoving) return;
  TBaseGrid::HandleMouseUp(Button, Shift, X, Y);
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
  const TGridRect now = Selection();
  if (!(now == S) && !(now == reported)) DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}
