// Running numbers down a column or across a row of TZadIrururOziz. The
// first AutoNumberStart positions stay unnumbered; descending numbers run
// downwards from the top, so that the last positions are the ones left out.
#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::AutoNumberCol(int ACol) {
  if (RowCount() == 0) return;
  const int last = RowCount() - FFixedFooters - 1;
  for (int k = FixedRows() + FAutoNumberStart; k <= last; ++k) {
    const int number = k - FixedRows() + 1 + FAutoNumberOffset;
    SetInts(ACol, FAutoNumberDirection == sdAscending ? k : FixedRows() + last - k, number);
  }
}

void TZadIrururOziz::AutoNumberRow(int ARow) {
  if (ColCount() == 0) return;
  const int last = ColCount() - FFixedRightCols - 1;
  for (int k = FixedCols() + FAutoNumberStart; k <= last; ++k) {
    const int number = k - FixedCols() + 1 + FAutoNumberOffset;
    SetInts(FAutoNumberDirection == sdAscending ? k : FixedCols() + last - k, ARow, number);
  }
}
