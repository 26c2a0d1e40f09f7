// The grid as a drop target: made when OleDropTarget is switched on and
// installed on the viewport, where the drags arrive.
#include "grid/core/zad_irurur_oziz.h"
#include "grid/dragdrop/grid_drop_target.h"

void TZadIrururOziz::SetOleDropTarget(bool Value) {
  FDragDropSettings.SetOleDropTarget(Value);
  if (Value) {
    if (!FGridDropTarget) {
      FGridDropTarget = new TGridDropTarget(this);
      FGridDropTarget->Install(viewport());
    }
    FGridDropTarget->SetAcceptText(FDragDropSettings.OleAcceptText());
    FGridDropTarget->SetAcceptFiles(FDragDropSettings.OleAcceptFiles());
    FGridDropTarget->SetAcceptURLs(FDragDropSettings.OleAcceptURLs());
    FGridDropTarget->SetAcceptCols(FDragDropSettings.OleColumnDragDrop());
    SetRTFDropEnabled(FDragDropSettings.OleDropRTF());
    viewport()->setAcceptDrops(true);
  } else if (FGridDropTarget) {
    viewport()->removeEventFilter(FGridDropTarget);
    viewport()->setAcceptDrops(false);
    delete FGridDropTarget;
    FGridDropTarget = nullptr;
  }
}
