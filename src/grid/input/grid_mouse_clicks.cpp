// Double clicks and right clicks of TZadIrururOziz: auto-sizing a column by
// a double click on its header border, editing on double click, and the
// right press that can select the cell under it first.
#include <QMouseEvent>

#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    HandleDoubleClick(event);
  else
    mousePressEvent(event);
}

void TZadIrururOziz::HandleDoubleClick(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  int ACol = -1, ARow = -1;
  MouseToCell(pos.x(), pos.y(), ACol, ARow);
  const bool force_sel = FForceSel;
  if (FMouseActions->RangeSelectAndEdit() && !(ACol >= 0 && ARow >= 0 && HasCellControl(RealColIndex(ACol), ARow)))
    FForceSel = true;
  const auto framework_double_click = [&] {
    if (OnDblClick) OnDblClick(this);
  };
  const auto done = [&] { FForceSel = force_sel; };

  // Right of the last column counts as the last column's header.
  if (ACol < 0 && pos.x() >= 0 && MouseCoord(pos.x(), 0).X < 0) {
    if (FFixedRowAlways) {
      framework_double_click();
      done();
      return;
    }
    ACol = ColCount() - 1;
    ARow = 0;
  }
  if (ACol < 0 || ARow < 0) {
    framework_double_click();
    done();
    return;
  }

  if (ARow < FixedRows() && (Options() & goColSizing) && FMouseActions->AutoSizeColOnDblClick()) {
    const TRect cell = CellRect(ACol, ARow);
    int size_col = -1;
    if (pos.x() - cell.Left <= 3 && ACol > 0) {
      if (ACol - 1 >= FixedCols())
        size_col = ACol - 1;
      else
        FDblClk = true;
    }
    if (size_col < 0 && cell.Right - pos.x() <= 3 && ACol >= FixedCols()) size_col = ACol;
    if (size_col >= 0) {
      FDblClk = true;
      bool allow = true;
      if (OnColumnSize) OnColumnSize(this, size_col, allow);
      if (allow) {
        AutoSizeCol(size_col, 0);
        if (OnEndColumnSize) OnEndColumnSize(this, size_col);
      }
      FForceSel = false;
      framework_double_click();
      done();
      return;
    }
  }

  const int real = RealColIndex(ACol);
  if (GetButtonRect(ACol, ARow).Contains(pos.x(), pos.y()) ||
      GetExpandButtonRect(ACol, ARow).Contains(pos.x(), pos.y())) {
    done();
    return;
  }
  if (HasCellControl(real, ARow)) {
    framework_double_click();
    done();
    return;
  }
  framework_double_click();
  if (OnDblClickCell) OnDblClickCell(this, ARow, ACol);

  const QPoint base = BaseCell(real, ARow);
  const int bc = DisplColIndex(base.x()), br = base.y();
  if (FMouseActions->EditOnDblClickOnly()) {
    if (Editable_As_Range_Edit(bc, br)) {
      SetOptions(Options() | goEditing);
      ShowInplaceEdit();
    }
  } else if (FMouseActions->RangeSelectAndEdit() && IsEditable(bc, br)) {
    SetOptions(Options() | goEditing);
    const TRect cell = CellRect(bc, br);
    HandleMouseDown(Qt::LeftButton, event->modifiers(), cell.Left + 4, cell.Top + 4);
  } else if (Mouse_Editing_Option() && bc == Col() && br == Row() && !EditorMode()) {
    // The second press of a double click on the current cell opens the
    // editor as a second single press would; the editing decision may refuse.
    ShowInplaceEdit();
  }
  if ((FMouseActions->FixedRowsEdit() == fceDblClick && ARow < FixedRows()) ||
      (FMouseActions->FixedColsEdit() == fceDblClick && ACol < FixedCols()))
    EditFixedCell(ACol, ARow);
  done();
}

void TZadIrururOziz::HandleRightButtonDown(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  FPressSelection = Selection();
  TBaseGrid::mousePressEvent(event);
  int ACol = -1, ARow = -1;
  MouseToCell(pos.x(), pos.y(), ACol, ARow);
  if (ACol < 0 || ARow < 0) return;
  const int real = RealColIndex(ACol);
  const bool fixed = ACol < FixedCols() || ARow < FixedRows();
  if (FMouseActions->SelectOnRightClick() && !fixed &&
      !(FMouseActions->DisjunctCellSelect() && SelectedCells(ACol, ARow))) {
    if (!HasCellControl(real, ARow)) {
      if (OnRightClickCell) {
        FocusCell(ACol, ARow);
      } else {
        HandleMouseDown(Qt::LeftButton, event->modifiers(), pos.x(), pos.y());
        HandleMouseUp(Qt::LeftButton, event->modifiers(), pos.x(), pos.y());
      }
    }
    const TGridRect sel = Selection();
    const bool selected = ACol >= sel.Left && ACol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom;
    if (selected) {
      bool ignored = true;
      if (OnSelectCell) OnSelectCell(this, ACol, ARow, ignored);
    } else {
      const QPoint base = BaseCell(real, ARow);
      const int left = LeftCol();
      FocusCell(DisplColIndex(base.x()), base.y());
      if (FNavigation->KeepHorizScroll()) SetLeftCol(left);
    }
    if (FMouseActions->DisjunctRowSelect()) {
      const bool ctrl = event->modifiers() & Qt::ControlModifier;
      const bool has_menu =
          contextMenuPolicy() == Qt::CustomContextMenu || contextMenuPolicy() == Qt::ActionsContextMenu;
      if (ctrl || FMouseActions->DisjunctRowSelectNoCtrl()) {
        SetRowSelect(ARow, !RowSelect(ARow));
      } else if (RowSelectCount() > 1 && has_menu) {
        if (!RowSelect(ARow)) {
          ClearRowSelect();
          SetRowSelect(ARow, true);
        }
      } else {
        ClearRowSelect();
        SetRowSelect(ARow, true);
      }
    }
  }
  if (OnRightClickCell) OnRightClickCell(this, ARow, ACol);
}

void TZadIrururOziz::HandleRightButtonUp(QMouseEvent* event) { TBaseGrid::mouseReleaseEvent(event); }
