// Keys of TZadIrururOziz beyond the plain moves: stepping over fixed cells
// inside the data area, appending a row from the last data row, the space
// and enter keys on cell controls and the disjunct selection keys.
#include <QKeyEvent>

#include "controls/format_settings.h"
#include "grid/core/zad_irurur_oziz.h"

QString TZadIrururOziz::Typed_Text(const QKeyEvent& event) const {
  // Only the keypad's decimal key maps; the main keyboard's period stays.
  if (FExcelStyleDecimalSeparator && event.key() == Qt::Key_Period && (event.modifiers() & Qt::KeypadModifier) &&
      event.text() == QStringLiteral("."))
    return QString(Process_Format_Settings().Decimal_Separator);
  return event.text();
}

bool TZadIrururOziz::Skip_Fixed_Cells(int key) {
  if (!FNavigation->SkipFixedCells()) return false;
  // Read right to left, the arrows point the other way.
  if (layoutDirection() == Qt::RightToLeft) {
    if (key == Qt::Key_Left)
      key = Qt::Key_Right;
    else if (key == Qt::Key_Right)
      key = Qt::Key_Left;
  }
  int dc = 0, dr = 0;
  switch (key) {
    case Qt::Key_Left:
      dc = -1;
      break;
    case Qt::Key_Right:
      dc = 1;
      break;
    case Qt::Key_Up:
      dr = -1;
      break;
    case Qt::Key_Down:
      dr = 1;
      break;
    default:
      return false;
  }
  // The data area along the arrow: right fixed columns and footers stay out.
  const auto inside = [&](int x, int y) {
    return dc != 0 ? x >= FixedCols() && x < ColCount() - FFixedRightCols
                   : y >= FixedRows() && y < RowCount() - FFixedFooters;
  };
  const int nc = Col() + dc, nr = Row() + dr;
  if (!inside(nc, nr) || !IsFixed(nc, nr)) return false;
  // With row selection Up and Down move one row, fixed cells or not.
  if (dr != 0 && (Options() & goRowSelect)) {
    FocusCell(nc, nr);
    return true;
  }
  for (int x = nc, y = nr; inside(x, y); x += dc, y += dr)
    if (!IsFixed(x, y)) {
      FocusCell(x, y);
      break;
    }
  return true;
}

void TZadIrururOziz::AutoAppendRow() {
  bool can_add = true;
  DoCanAddRow(can_add);
  if (!can_add) return;
  // The new row goes in before the footer rows, which keep their content;
  // the Down that asked for it then moves onto it.
  const int at = RowCount() - FFixedFooters;
  if (FFixedFooters > 0)
    InsertRows(at, 1);
  else
    SetRowCount(RowCount() + 1);
  // The new row starts empty, also in hidden columns and of cell objects.
  ClearRows(at, 1);
  if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}

void TZadIrururOziz::Handle_Cell_Control_Key(int key) {
  if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) return;
  // Cell objects live with the real column; events name the display one.
  const int c = Col(), r = Row();
  const int rc = RealColIndex(c);
  if (c < 0 || r < 0 || !HasCellControl(rc, r)) return;
  bool active = (Options() & goEditing) || FMouseActions->RangeSelectAndEdit();
  CheckCellEditable(rc, r, active);
  const TCellGraphic* graphic = GetCellGraphic(rc, r);
  if (!graphic) return;
  const TCellType kind = graphic->CellType;
  const bool space = key == Qt::Key_Space;
  if (space && (active || FControlLook.CheckAlwaysActive()) &&
      (kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox ||
       kind == ctTriStateCheckBox)) {
    if (FlipCheckBox(rc, r, false)) {
      if (FShowModifiedEnabled) {
        SetRowModified(r, true);
        RepaintRect(TGridRect{0, r, 0, r});
      }
      DoCheckBoxClick(c, r, IsChecked(rc, r));
    }
  } else if (space && kind == ctRadio && (active || FControlLook.RadioAlwaysActive())) {
    SelectNextRadioItem(rc, r, false);
    int index = -1;
    GetRadioIdx(rc, r, index);
    if (OnRadioClick) OnRadioClick(this, c, r, index);
  } else if (space && kind == ctRadioButton && (active || FControlLook.RadioAlwaysActive())) {
    SetRadioButtonColumnIndex(rc, r);
    if (OnRadioButtonClick) OnRadioButtonClick(this, c, r);
  } else if (kind == ctButton && active) {
    if (OnButtonClick) OnButtonClick(this, c, r);
  }
  RepaintRect(TGridRect{c, r, c, r});
}

void TZadIrururOziz::Handle_Disjunct_Keys(int key, Qt::KeyboardModifiers shift) {
  const bool ctrl = shift & Qt::ControlModifier, with_shift = shift & Qt::ShiftModifier;
  const bool move = key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_End || key == Qt::Key_Home ||
                    key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
  // Under persistent row selection the marks belong to real rows.
  const int row = FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent() ? RealRow() : Row();
  if (move && FMouseActions->DisjunctRowSelect()) {
    if (!with_shift && !ctrl) ClearRowSelect();
    if (with_shift)
      SelectionToRowSelect(true);
    else
      SetRowSelect(row, true);
  }
  if (move && FMouseActions->DisjunctColSelect()) {
    if (!with_shift && !ctrl) ClearColSelect();
    if (with_shift)
      SelectionToColSelect(true);
    else
      SetColSelect(Col(), true);
  }
  if (key == Qt::Key_Space && FMouseActions->DisjunctRowSelect()) SetRowSelect(row, !RowSelect(row));
  if (key == Qt::Key_Space && FMouseActions->DisjunctColSelect()) SetColSelect(Col(), !ColSelect(Col()));
}
