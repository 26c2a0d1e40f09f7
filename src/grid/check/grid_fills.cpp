// Fills that write generated texts into the grid, to populate it quickly;
// the footers are recalculated afterwards.
#include <QRandomGenerator>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/store/checked_format.h"

TGridRect TZadIrururOziz::Fill_Block(bool DoFixed) const {
  if (DoFixed) return {0, 0, ColCount() - 1, RowCount() - 1};
  return {FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1};
}

void TZadIrururOziz::Fill_Cells(bool DoFixed, const std::function<void(int ACol, int ARow)>& Write) {
  const TGridRect block = Fill_Block(DoFixed);
  for (int r = block.Top; r <= block.Bottom; ++r)
    for (int c = block.Left; c <= block.Right; ++c) Write(c, r);
  CalcFooter(-1);
}

void TZadIrururOziz::TextFill(bool DoFixed, const QString& Txt) {
  Fill_Cells(DoFixed, [&](int c, int r) { SetCellEx(c, r, Txt); });
}

void TZadIrururOziz::FormatFill(bool DoFixed, const QString& Fmt) {
  // A format that does not fit two integers raises before any cell changes.
  Format_Integers(Fmt, {0, 0});
  Fill_Cells(DoFixed, [&](int c, int r) { SetCellEx(c, r, Format_Integers(Fmt, {c, r})); });
}

void TZadIrururOziz::RandomFill(bool DoFixed, int Rnd) {
  QRandomGenerator& random = *QRandomGenerator::global();
  Fill_Cells(DoFixed, [&](int c, int r) { SetInts(c, r, Rnd > 0 ? int(random.bounded(Rnd)) : 0); });
}

void TZadIrururOziz::LinearFill(bool DoFixed) {
  Fill_Cells(DoFixed,
             [&](int c, int r) { SetCellEx(c, r, QString::number(c) + QLatin1Char(':') + QString::number(r)); });
}
