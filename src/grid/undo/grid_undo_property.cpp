// The cell store grid's UndoRedo property: naming an undo list attaches the
// list to this grid.
#include "grid/core/base_grid.h"
#include "grid/undo/zad_grid_undo_redo.h"

TZadGridUndoRedo* TBaseGrid::UndoRedo() const { return FUndoRedo.data(); }

void TBaseGrid::SetUndoRedo(TZadGridUndoRedo* Value) {
  FUndoRedo = Value;
  if (Value) Value->SetGrid(this);
}
