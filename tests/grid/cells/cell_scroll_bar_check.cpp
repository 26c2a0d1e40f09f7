// A grid with a tall text in a scroll-bar cell, to look at and work the
// cell's live scroll bar under X (not a test): move the mouse over the cell
// and click the bar; it prints the told positions on stdout.
#include <QApplication>
#include <cstdio>

#include "grid/core/zad_irurur_oziz.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TZadIrururOziz grid;
  grid.setWindowTitle(QStringLiteral("Cell scroll bar"));
  grid.SetColCount(4);
  grid.SetRowCount(6);
  grid.SetColWidths(2, 160);
  grid.SetRowHeights(1, 60);
  QString text;
  for (int i = 1; i <= 12; ++i) text += QStringLiteral("Line %1\n").arg(i);
  grid.SetCellEx(2, 1, text.trimmed());
  grid.AddScrollBar(2, 1, false);
  grid.SetScrollProp(2, 1, TScrollProp{60, 300});
  grid.OnScrollCell = [](TZadIrururOziz*, int ACol, int ARow, int Pos, int Min, int Max) {
    std::printf("cell %d,%d position %d of %d..%d\n", ACol, ARow, Pos, Min, Max);
    std::fflush(stdout);
  };
  grid.setGeometry(0, 0, 420, 220);
  grid.show();
  return app.exec();
}
