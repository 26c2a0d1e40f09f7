// A column grid whose second column edits through the grid drop-down, to
// look at and work under X (not a test): drive it with the mouse or
// xdotool; it prints the column's cells on stdout when it closes, by itself
// after the seconds given as its argument.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "grid/columns/zad_column_grid.h"
#include "dropdowns/griddropdown/grid_drop_down_editor.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Register_Grid_Drop_Down_Editor();
  TZadColumnGrid grid;
  grid.setWindowTitle(QStringLiteral("Grid drop-down in a grid"));
  grid.SetColCount(3);
  grid.SetRowCount(6);
  grid.SetOptions(grid.Options() | goEditing);
  grid.Columns()[1]->SetEditor(edZadGridDropDown);
  grid.SetColWidths(1, 140);
  auto* list = static_cast<TGridZadGridDropDown*>(grid.ZadGridDropDown());
  const char* headers[] = {"City", "Country", "Meters"};
  for (const char* h : headers) list->Columns().Add().Header = QString::fromLatin1(h);
  list->Columns().Items(2).Alignment = taRightJustify;
  list->Columns().Items(1).Color = 0xF0FFF0;
  const char* cities[][3] = {{"Berlin", "DE", "1200"}, {"Bern", "CH", "310"},  {"Bonn", "DE", "95"},
                             {"Bremen", "DE", "480"},  {"Basel", "CH", "220"}, {"Dresden", "DE", "370"},
                             {"Graz", "AT", "150"},    {"Linz", "AT", "88"},   {"Xanten", "DE", "12"}};
  for (auto& c : cities)
    list->Items().Add().Text =
        QStringList{QString::fromLatin1(c[0]), QString::fromLatin1(c[1]), QString::fromLatin1(c[2])};
  list->SetSorting(gsSingleColumn);
  list->SetDropDownHeight(180);
  list->EndUpdate();
  for (int row = 1; row < 6; ++row) {
    grid.Store().Set_Text(0, row, QString::number(row));
    grid.Store().Set_Text(2, row, QStringLiteral("text"));
  }
  grid.Store().Set_Text(1, 1, QStringLiteral("Bern"));
  grid.setGeometry(0, 0, 460, 320);
  grid.show();
  if (argc > 1) QTimer::singleShot(std::atoi(argv[1]) * 1000, &app, &QApplication::quit);
  const int result = app.exec();
  for (int row = 1; row < 6; ++row) std::printf("%s\n", qPrintable(grid.Store().Text(1, row)));
  return result;
}
