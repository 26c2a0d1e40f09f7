// What keeps in step after the grid scrolled or a key came up: the
// backgrounds, an open special editor, the scroll bars, the footer, the cell
// controls and a synchronised grid; the key-up's search text, always-edit,
// selection report and disjunct cell selection; and the placing of the
// controls embedded in cells.
#include <QKeyEvent>
#include <QWidget>

#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::TopLeftChanged() {
  TBaseGrid::TopLeftChanged();
  const TGridRect sel = Selection();
  if (SelectionRectangle() && sel.Top != sel.Bottom) InvalidateGrid();
  if (!FBackGround.Bitmap.isNull() && (FBackGround.Display == bdTile || FBackGround.Display == bdFixed))
    InvalidateGrid();
  else if ((FBackGround.Display == bdGradientHorz || FBackGround.Display == bdGradientVert) &&
           FBackGround.ColorTo != clNone)
    InvalidateGrid();
  // The text editor moves with the cells; the special editors close.
  if (EditMode() && EditControl != edNormal) HideInplaceEdit();
  if (FIsFlat) RefreshFlatScrollBars();
  CellControlsUpdate(false);
  FOldLeftCol = LeftCol();
  FOldTopRowFollow = TopRow();
  if (auto* sync = qobject_cast<TZadIrururOziz*>(FSyncGrid->Grid())) {
    if (FSyncGrid->ScrollVertical() && sync->TopRow() != TopRow()) sync->SetTopRow(TopRow());
    if (FSyncGrid->ScrollHorizontal() && sync->LeftCol() != LeftCol()) sync->SetLeftCol(LeftCol());
  }
  if (vscrlctrl) vscrlctrl->update();
  if (hscrlctrl) hscrlctrl->update();
}

namespace {

bool Is_Arrow(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

TGridRect Normalised(TGridRect r) {
  if (r.Left > r.Right) std::swap(r.Left, r.Right);
  if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
  return r;
}

}  // namespace

void TZadIrururOziz::keyReleaseEvent(QKeyEvent* event) {
  int key = event->key();
  const Qt::KeyboardModifiers shift = event->modifiers();
  // Home keeps the text: it starts a new search from the top.
  if (key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_End || Is_Arrow(key) ||
      key == Qt::Key_Insert || key == Qt::Key_Delete)
    SearchInc.clear();
  const TGridRect before = Normalised(Selection());
  TBaseGrid::keyReleaseEvent(event);
  if (OnKeyUp) OnKeyUp(this, key, shift);

  if (FNavigation->AlwaysEdit() && (Is_Arrow(key) || (key == Qt::Key_Tab && (Options() & goTabs)))) {
    const int real = RealColIndex(Col());
    bool control_cell = HasCheckBox(real, Row()) || HasRadioButton(real, Row()) || HasButton(real, Row());
    if (!control_cell) ShowInplaceEdit();
  }
  const TGridRect now = Normalised(Selection());
  if ((key == Qt::Key_Tab || Is_Arrow(key)) &&
      (now.Left != FMoveSelection.Left || now.Top != FMoveSelection.Top || now.Right != FMoveSelection.Right ||
       now.Bottom != FMoveSelection.Bottom)) {
    DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
  }

  const bool disjunct = FMouseActions->DisjunctCellSelect() && !(Options() & goEditing);
  if (disjunct && (shift & Qt::ShiftModifier)) {
    for (int c = before.Left; c <= before.Right; ++c)
      for (int r = before.Top; r <= before.Bottom; ++r) SetSelectedCells(c, r, false);
    for (int c = now.Left; c <= now.Right; ++c)
      for (int r = now.Top; r <= now.Bottom; ++r)
        if (c != Col() || r != Row()) SetSelectedCells(c, r, true);
  }
  if (disjunct && key == Qt::Key_Space) {
    const QPoint base = BaseCell(RealColIndex(Col()), Row());
    const int bc = DisplColIndex(base.x()), br = base.y();
    if (bc < FixedCols() || br < FixedRows()) return;
    bool can_select = true;
    if (OnSelectCell) OnSelectCell(this, bc, br, can_select);
    if (!can_select) return;
    if (shift & Qt::ControlModifier) {
      SetSelectedCells(bc, br, !SelectedCells(bc, br));
    } else {
      for (int i = 0; i < FSelectedCells.Count(); ++i) {
        const TGridCoord cell = SelectedCell(i);
        RepaintCell(cell.X, cell.Y);
      }
      FSelectedCells.Clear();
      SetSelectedCells(bc, br, true);
    }
    if (now.Left != now.Right || now.Top != now.Bottom) {
      for (int c = now.Left; c <= now.Right; ++c)
        for (int r = now.Top; r <= now.Bottom; ++r)
          if (c != bc || r != br) SetSelectedCells(c, r, true);
    }
    RepaintCell(Col(), Row());
  }
}

void TZadIrururOziz::CellControlsUpdate(bool rebuildlist) {
  if (rebuildlist) {
    while (FControlList.Count() > 0) FControlList.RemoveControl(0);
    for (int c = 0; c < TotalColCount(); ++c)
      for (int r = 0; r < RowCount(); ++r)
        if (QObject* control = CellControls(c, r)) FControlList.AddControl(c, RealRowIndex(r), control);
  }
  if (FControlList.Count() == 0) return;
  const int last_col = LeftCol() + VisibleColCount(), last_row = TopRow() + VisibleRowCount();
  for (int i = 0; i < FControlList.Count(); ++i) {
    const TControlItem* item = FControlList.GetControl(i);
    auto* widget = qobject_cast<QWidget*>(item->Control());
    if (!widget) continue;
    const bool hidden_row = IsHiddenRow(item->Y());
    if (IsHiddenColumn(item->X()) || hidden_row) {
      widget->hide();
      continue;
    }
    const int c = DisplColIndex(item->X()), r = DisplRowIndex(item->Y());
    const bool fixed = c < FixedCols() || r < FixedRows();
    if (fixed) continue;
    if (c < LeftCol() || c > last_col || r < TopRow() || r > last_row) {
      widget->hide();
      continue;
    }
    const TRect rect = CellRect(c, r);
    widget->setGeometry(rect.Left - 1, rect.Top - 1, rect.Width() + 1, rect.Height() + 1);
    widget->show();
    widget->update();
  }
}

void TZadIrururOziz::InitOrigColSizes() {
  FOrigColSizes.Clear();
  for (int c = 0; c < ColCount(); ++c) FOrigColSizes.Add(ColWidths(c));
  FOldSize = width();
}

void TZadIrururOziz::OleColumnDragStart(int ACol, int AIndex, QObject* AList) {
  FOleDragCol = ACol;
  FOleDragIndex = AIndex;
  FOleDragList = AList;
}
