// Focus arriving at and leaving the grid, entering and leaving it as a
// whole (its editors count as part of it), and clicks.
#include <QApplication>
#include <QFocusEvent>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/edit/zad_rich_edit.h"

bool TZadIrururOziz::Inside_Grid(const QWidget* W) const {
  // Popups of the drop-down editors are windows of their own, still the
  // grid's children.
  for (; W; W = W->parentWidget())
    if (W == this) return true;
  return false;
}

void TZadIrururOziz::Focus_Changed(QWidget* Old, QWidget* Now) {
  (void)Old;
  FLastFocus = Now;
  const bool inside = Inside_Grid(Now);
  if (inside == FFocusInside) return;
  // A window losing activation keeps the grid entered until the focus goes
  // elsewhere.
  if (!Now) return;
  FFocusInside = inside;
  try {
    if (inside)
      DoEnter();
    else
      DoExit();
  } catch (const std::exception&) {
    // An event handler's failure must not leave Qt's focus handling.
  }
}

void TZadIrururOziz::focusInEvent(QFocusEvent* event) {
  // The grid moved the focus itself (a drop-down editor): nothing to do.
  if (FInvokedFocusChange) return;
  QWidget* from = FLastFocus;
  TBaseGrid::focusInEvent(event);
  const int c = Col(), r = Row();
  if (c < 0 || r < 0 || c >= ColCount() || r >= RowCount()) return;
  const int real = RealColIndex(c);
  if (HasCheckBox(real, r)) return;
  if (FInplaceRichEdit && FInplaceRichEdit->isVisible()) FInplaceRichEdit->hide();
  const TGridState state = GridState();
  const bool moving = state == gsRowMoving || state == gsColMoving;
  if (FNavigation->AlwaysEdit() && !moving && (!from || from != InplaceEditor()) && !EditorMode()) {
    bool editable = true;
    CheckCellEditable(real, r, editable);
    const bool in_view = r >= TopRow() && r < TopRow() + VisibleRowCount() + 1 && c >= LeftCol() &&
                         c < LeftCol() + VisibleColCount() + 1;
    if (editable && in_view) {
      if (InplaceEditor())
        ShowEditor();
      else if (!FMouseActions->DirectEdit() && !FControlLook.DropDownAlwaysVisible() && !DoHasComboBox(real, r))
        ShowEditor();
    }
  }
  if (IsMergedCell(real, r)) InvalidateGridRect(Store().FullCell(real, r));
}

void TZadIrururOziz::focusOutEvent(QFocusEvent* event) {
  if (FBlockKill) return;
  TBaseGrid::focusOutEvent(event);
  const int c = Col(), r = Row();
  if (c >= 0 && r >= 0 && c < ColCount() && r < RowCount() && IsMergedCell(RealColIndex(c), r))
    InvalidateGridRect(Store().FullCell(RealColIndex(c), r));
  if (FCtrlDown) {
    FCtrlDown = false;
    if (FCtrlXY.y() >= 0 && FCtrlXY.y() < RowCount()) RepaintCell(DisplColIndex(FCtrlXY.x()), FCtrlXY.y());
  }
}

void TZadIrururOziz::DoEnter() {
  if (FBlockFocus) return;
  struct Remember {
    TZadIrururOziz* g;
    ~Remember() { g->RememberOldCell(g->Col(), g->Row()); }
  } remember{this};
  if ((Options() & goEditing) || FMouseActions->RangeSelectAndEdit()) CanSelectCell(Col(), Row());
}

void TZadIrururOziz::DoExit() {
  if (FBlockKill) return;
  if (FSelChange && FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
  FSelChange = false;
}

void TZadIrururOziz::Click() {
  if (OnClick) OnClick(this);
  FEntered = false;
  RememberOldCell(Col(), Row());
}
