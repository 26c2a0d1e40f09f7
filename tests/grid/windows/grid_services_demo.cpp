// A meter list with the grid's services switched on, to drive by hand or
// with xdotool under X: header clicks sort (Shift+click adds a sort index
// with "index"), each header has a filter button whose list ticks values,
// the footer sums the value column, and the value column refuses what is
// not a number with a balloon on the editor.
// `grid_services_demo [index]`
#include <QApplication>
#include <QRegularExpression>

#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool index = argc > 1 && QString(argv[1]) == "index";
  TZadIrururOziz grid;
  grid.setWindowTitle("Grid services");
  const QStringList headers = {"", "Meter", "Medium", "Value", "Unit"};
  const QStringList rows[] = {
      {"M-104", "Water", "12.5", "m3"},    {"M-017", "Heat", "340", "kWh"},  {"M-233", "Water", "7.25", "m3"},
      {"M-002", "Electricity", "1204", "kWh"}, {"M-090", "Heat", "88", "kWh"},   {"M-311", "Gas", "41.75", "m3"},
      {"M-045", "Water", "3", "m3"},       {"M-128", "Electricity", "560.5", "kWh"},
  };
  const int count = int(std::size(rows));
  grid.SetColCount(headers.size());
  grid.SetRowCount(count + 2);  // header, data, footer
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  grid.SetDefaultRowHeight(24);
  for (int c = 0; c < headers.size(); ++c) grid.SetCellEx(c, 0, headers[c]);
  for (int r = 0; r < count; ++r) {
    grid.SetCellEx(0, r + 1, QString::number(r + 1));
    for (int c = 0; c < 4; ++c) grid.SetCellEx(c + 1, r + 1, rows[r][c]);
  }
  grid.SetColWidths(0, 28);
  grid.SetColWidths(1, 80);
  grid.SetColWidths(2, 110);
  grid.SetColWidths(3, 90);
  grid.SetColWidths(4, 60);

  grid.SortSettings().Show = true;
  grid.SortSettings().UndoSort = true;
  grid.SortSettings().IndexShow = index;
  grid.SetFilterDropDownAuto(true);
  grid.SetFilterDropDownCheck(true);
  grid.SetAutoFilterUpdate(true);  // every tick filters at once

  grid.FloatingFooter().SetVisible(true);
  grid.FloatingFooter().SetColumnCalc(3, acSUM);
  grid.SetFixedFooters(1);
  grid.CalcFooter(-1);

  grid.SetOptions(grid.Options() | goEditing);
  grid.SetInvalidEntryTitle("Invalid value");
  grid.SetInvalidEntryText("Enter a number, such as 12.5");
  grid.SetInvalidEntryIcon(TZadIrururOziz::ieWarning);
  grid.OnCellValidate = [](TZadIrururOziz*, int ACol, int, QString& Value, bool& Valid) {
    if (ACol == 3) Valid = QRegularExpression(QStringLiteral("^-?\\d+(\\.\\d+)?$")).match(Value).hasMatch();
  };

  grid.resize(400, 320);
  grid.show();
  return app.exec();
}
