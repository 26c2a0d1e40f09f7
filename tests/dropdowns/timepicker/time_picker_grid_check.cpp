// A column grid whose second column edits through the time picker drop-down,
// to look at and work under X (not a test): drive it with the mouse or
// xdotool; it prints the column's cells on stdout when it closes.
#include <QApplication>
#include <cstdio>

#include "grid/columns/zad_column_grid.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TZadColumnGrid grid;
  grid.setWindowTitle(QStringLiteral("Time picker in a grid"));
  grid.SetColCount(3);
  grid.SetRowCount(5);
  grid.SetOptions(grid.Options() | goEditing);
  grid.Columns()[1]->SetEditor(edTimePickerDropDown);
  const char* times[] = {"10:20:00", "08:15:30", "23:59:00", "00:00:00"};
  for (int row = 1; row < 5; ++row) {
    grid.Store().Set_Text(0, row, QString::number(row));
    grid.Store().Set_Text(1, row, QString::fromLatin1(times[row - 1]));
    grid.Store().Set_Text(2, row, QStringLiteral("text"));
  }
  grid.setGeometry(0, 0, 400, 300);
  grid.show();
  const int result = app.exec();
  for (int row = 1; row < 5; ++row) std::printf("%s\n", qPrintable(grid.Store().Text(1, row)));
  return result;
}
