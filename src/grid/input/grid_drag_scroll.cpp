// Scrolling while something is dragged near the grid's edges: the direction
// is taken from the margins on every move, a timer steps one row or column
// after the initial delay and then at the repeat delay.
#include <QDragMoveEvent>

#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::Free_Drag_Timer() {
  if (!FDragTmr) return;
  FDragTmr->stop();
  delete FDragTmr;
  FDragTmr = nullptr;
}

void TZadIrururOziz::DragScrollOver(int X, int Y, TDragState State) {
  if (!FDragScrollOptions.Active()) {
    Free_Drag_Timer();
    return;
  }
  const TDragScrollDirection old = FDragScrollDirection;
  FDragScrollDirection = 0;
  if (State == dsDragLeave) {
    Free_Drag_Timer();
    return;
  }
  const TDragScrollMargins& m = FDragScrollOptions.Margins();
  const QSize area = viewport()->size();
  if (Y < m.TopMargin)
    FDragScrollDirection |= dsdUp;
  else if (Y > area.height() - m.BottomMargin)
    FDragScrollDirection |= dsdDown;
  if (X < m.LeftMargin)
    FDragScrollDirection |= dsdLeft;
  else if (X > area.width() - m.RightMargin)
    FDragScrollDirection |= dsdRight;
  if (!FDragScrollDirection) {
    Free_Drag_Timer();
    return;
  }
  if (!FDragTmr) {
    FDragTmr = new QTimer(this);
    FDragTmr->setInterval(FDragScrollOptions.Delays().InitialDelay);
    connect(FDragTmr, &QTimer::timeout, this, &TZadIrururOziz::DragScrollTick);
    FDragTmr->start();
  } else if (old) {
    FDragTmr->setInterval(FDragScrollOptions.Delays().InitialDelay);
  }
}

void TZadIrururOziz::DragScrollTick() {
  if (!FDragScrollOptions.Active()) {
    Free_Drag_Timer();
    return;
  }
  if (FDragTmr) FDragTmr->setInterval(FDragScrollOptions.Delays().RepeatDelay);
  TDragScrollDirection dir = FDragScrollDirection;
  if (OnDragScroll) {
    bool can_scroll = true;
    OnDragScroll(this, TopRow(), LeftCol(), dir, can_scroll);
    if (!can_scroll) return;
  }
  if ((dir & dsdUp) && TopRow() > FixedRows())
    SetTopRow(TopRow() - 1);
  else if ((dir & dsdDown) && TopRow() + VisibleRowCount() < RowCount())
    SetTopRow(TopRow() + 1);
  if ((dir & dsdLeft) && LeftCol() > FixedCols())
    SetLeftCol(LeftCol() - 1);
  else if ((dir & dsdRight) && VisibleColCount() + LeftCol() < ColCount())
    SetLeftCol(LeftCol() + 1);
}

void TZadIrururOziz::dragEnterEvent(QDragEnterEvent* event) {
  const QPoint pos = event->position().toPoint();
  DragScrollOver(pos.x(), pos.y(), dsDragEnter);
  TBaseGrid::dragEnterEvent(event);
}

void TZadIrururOziz::dragMoveEvent(QDragMoveEvent* event) {
  const QPoint pos = event->position().toPoint();
  DragScrollOver(pos.x(), pos.y(), dsDragMove);
  TBaseGrid::dragMoveEvent(event);
}

void TZadIrururOziz::dragLeaveEvent(QDragLeaveEvent* event) {
  DragScrollOver(0, 0, dsDragLeave);
  TBaseGrid::dragLeaveEvent(event);
}
