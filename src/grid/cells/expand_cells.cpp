// Expand cells of TZadIrururOziz: a cell whose toggle (top-right corner)
// switches its row between two heights. The click and the height change are
// the mouse code's (ToggleExpand, DoExpandClick).
#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::AddExpand(int ACol, int ARow, int ExpandedHeight) {
  const int collapsed = RowHeights(ARow);
  TCellGraphic* expand = CreateCellGraphic(ACol, ARow);
  expand->CellType = ctExpand;
  expand->CellIndex = collapsed;
  expand->CellAngle = ExpandedHeight;
  expand->CellVar = false;
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctExpand); }

bool TZadIrururOziz::HasExpand(int ACol, int ARow) { return HasCellType(ACol, ARow, {ctExpand}); }

bool TZadIrururOziz::GetExpandState(int ACol, int ARow) {
  const TCellGraphic* expand = Base_Graphic_Of(ACol, ARow, ctExpand);
  return expand && expand->CellVar.toBool();
}

int TZadIrururOziz::GetExpandHeight(int ACol, int ARow, bool Expanded) {
  const TCellGraphic* expand = Base_Graphic_Of(ACol, ARow, ctExpand);
  if (!expand) return DefaultRowHeight();
  return Expanded ? expand->CellAngle : expand->CellIndex;
}
