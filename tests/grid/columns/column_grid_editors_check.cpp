// A CANopen-style object table as a column grid whose Access column edits
// through a combo list and whose Event time column through a spin editor,
// each with its column's settings: to look at and work under X (not a test).
// Drive it with the mouse or xdotool; it prints the rows when it closes.
#include <QApplication>
#include <cstdio>

#include "grid/columns/grid_column_item.h"
#include "grid/columns/zad_column_grid.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TZadColumnGrid grid;
  grid.setWindowTitle(QStringLiteral("Object table"));
  grid.SetColCount(5);
  grid.SetRowCount(6);
  grid.SetOptions(grid.Options() | goEditing);
  const int widths[] = {40, 70, 150, 80, 110};
  const char* headers[] = {"", "Index", "Name", "Access", "Event time"};
  for (int col = 0; col < 5; ++col) {
    grid.Columns()[col]->SetHeader(QString::fromLatin1(headers[col]));
    grid.Columns()[col]->SetWidth(widths[col]);
  }
  grid.Columns()[1]->SetReadOnly(true);
  TGridColumnItem& access = *grid.Columns()[3];
  access.SetEditor(edComboList);
  access.SetComboItems({QStringLiteral("ro"), QStringLiteral("wo"), QStringLiteral("rw"), QStringLiteral("const")});
  access.SetDropDownCount(3);
  TGridColumnItem& event_time = *grid.Columns()[4];
  event_time.SetEditor(edSpinEdit);
  event_time.SetSpinMin(0);
  event_time.SetSpinMax(1000);
  event_time.SetSpinStep(250);
  const char* rows[][4] = {{"1800h", "TPDO1 parameter", "rw", "500"},
                           {"1801h", "TPDO2 parameter", "rw", "0"},
                           {"1A00h", "TPDO1 mapping", "ro", "750"},
                           {"1017h", "Producer heartbeat", "rw", "1000"},
                           {"1008h", "Device name", "const", "0"}};
  for (int row = 1; row < 6; ++row) {
    grid.Store().Set_Text(0, row, QString::number(row));
    for (int col = 1; col < 5; ++col) grid.Store().Set_Text(col, row, QString::fromLatin1(rows[row - 1][col - 1]));
  }
  grid.setGeometry(0, 0, 480, 220);
  grid.show();
  const int result = app.exec();
  for (int row = 1; row < 6; ++row)
    std::printf("%s | %s\n", qPrintable(grid.Store().Text(3, row)), qPrintable(grid.Store().Text(4, row)));
  return result;
}
