// The grid's checking runs: the cell checker corrects and marks cell texts,
// cell by cell, earlier error marks removed first.
#include "grid/check/zad_irurur_oziz_check.h"
#include "grid/core/zad_irurur_oziz.h"

TZadIrururOzizCheck* TZadIrururOziz::CellChecker() const { return FCellChecker.data(); }

void TZadIrururOziz::SetCellChecker(TZadIrururOzizCheck* Value) { FCellChecker = Value; }

bool TZadIrururOziz::CheckCell(int Col, int Row) {
  TZadIrururOzizCheck* checker = FCellChecker.data();
  if (!checker) return true;
  const QString unmarked = UnMarkText(GetCellEx(Col, Row));
  if (checker->GotoCell()) {
    const int display_col = DisplColIndex(Col);
    if (display_col >= 0 && display_col < ColCount() && Row >= 0 && Row < RowCount()) FocusCell(display_col, Row);
  }
  QString checked = unmarked;
  // Both see the unmarked text: with both on, the marked text is kept.
  if (checker->UseCorrect()) checked = checker->Correct(Col, Row, unmarked);
  if (checker->UseMarkError()) checked = checker->MarkError(Col, Row, unmarked);
  SetCellEx(Col, Row, checked);
  return checked == unmarked;
}

bool TZadIrururOziz::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow) {
  TZadIrururOzizCheck* checker = FCellChecker.data();
  if (!checker) return true;
  checker->StartCheck();
  const int old_col = Col(), old_row = Row();
  bool passed = true;
  for (int r = FromRow; r <= ToRow; ++r)
    for (int c = FromCol; c <= ToCol; ++c)
      if (!CheckCell(c, r)) passed = false;
  // A checker that went away while checking is not asked again.
  if (FCellChecker) {
    checker->StopCheck();
    if (checker->GotoCell()) FocusCell(old_col, old_row);
  }
  return passed;
}

bool TZadIrururOziz::CheckCol(bool DoFixed, int Col) {
  if (DoFixed) return CheckCells(Col, 0, Col, RowCount() - 1);
  return CheckCells(Col, FixedRows(), Col, RowCount() - FFixedFooters - 1);
}

bool TZadIrururOziz::CheckRow(bool DoFixed, int Row) {
  if (DoFixed) return CheckCells(0, Row, ColCount() - 1, Row);
  return CheckCells(FixedCols(), Row, ColCount() - FFixedRightCols - 1, Row);
}

bool TZadIrururOziz::CheckGrid(bool DoFixed) {
  const TGridRect block = Fill_Block(DoFixed);
  return CheckCells(block.Left, block.Top, block.Right, block.Bottom);
}
