#include "grid/dragdrop/grid_drop_source.h"

#include <QCursor>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/input/header_drag_button.h"

TGridDropSource::TGridDropSource(TZadIrururOziz* aGrid) : TZSGDropSource(aGrid), FGrid(aGrid) {}

void TGridDropSource::CurrentEffect(int dwEffect) {
  if (dwEffect == DROPEFFECT_MOVE || dwEffect == DROPEFFECT_COPY) FLastEffect = dwEffect;
}

void TGridDropSource::QueryDrag() {
  const QPoint at = QCursor::pos();
  if (FGrid->DragDropSettings().ShowCells()) {
    if (FGrid->MoveForm) FGrid->MoveForm->move(at + QPoint(4, 4));
  } else if (FGrid->FMoveButton) {
    FGrid->FMoveButton->move(at.x(), at.y() - FGrid->FMoveButton->height());
  }
}

void TGridDropSource::DragFinished() {
  TZSGDropSource::DragFinished();
  if (FGrid->DragDropSettings().ShowCells() && FGrid->MoveForm) delete FGrid->MoveForm.data();
}
