// The save range of TZadIrururOziz: the cells the file services write.
#include "grid/core/zad_irurur_oziz.h"

int TZadIrururOziz::SaveStartCol() const { return FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols(); }

int TZadIrururOziz::SaveEndCol() const {
  return FSaveFixedCells || FSaveFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
}

int TZadIrururOziz::SaveColCount() const { return SaveEndCol() - SaveStartCol() + 1; }

int TZadIrururOziz::SaveStartRow() const { return FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows(); }

int TZadIrururOziz::SaveEndRow() const {
  return FSaveFixedCells || FSaveFixedRows ? RowCount() - 1 : RowCount() - FixedFooters() - 1;
}

int TZadIrururOziz::SaveRowCount() const { return SaveEndRow() - SaveStartRow() + 1; }
