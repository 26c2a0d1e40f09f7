// A grid to type into, and four grids below it that show what came back from
// the grid's own text file, CSV, fixed-width text and XML. F5 saves the top
// grid in each format into a temporary folder and loads each file into its
// grid; the file texts are printed. Drive it under X with xdotool.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QShortcut>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

#include "grid/core/zad_irurur_oziz.h"

namespace {

constexpr int Cols = 4;
constexpr int Rows = 5;

TZadIrururOziz* Make_Grid(bool editable) {
  auto* grid = new TZadIrururOziz;
  grid->SetColCount(Cols);
  grid->SetRowCount(Rows);
  grid->SetFixedRows(1);
  grid->SetFixedCols(0);
  grid->SetDefaultRowHeight(22);
  if (editable) grid->SetOptions(grid->Options() | goEditing | goTabs);
  // The fixed header row is written and read back like the data rows.
  grid->SetSaveFixedCells(true);
  return grid;
}

void Print_File(const QString& caption, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return;
  std::printf("== %s\n%s\n", caption.toUtf8().constData(), file.readAll().toPercentEncoding(" ,;:<>/=\"?-_.!\r\n\t").constData());
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir folder;
  QWidget window;
  window.setWindowTitle("Grid files");
  auto* layout = new QGridLayout(&window);
  TZadIrururOziz* source = Make_Grid(true);
  const char* headers[Cols] = {"Meter", "Value", "Unit", "Note"};
  for (int c = 0; c < Cols; ++c) source->SetCellEx(c, 0, headers[c]);
  layout->addWidget(new QLabel("Type here, then F5"), 0, 0, 1, 2);
  layout->addWidget(source, 1, 0, 1, 2);

  struct Target {
    const char* caption;
    TZadIrururOziz* grid;
  };
  Target targets[] = {{"Own text file", Make_Grid(false)},
                      {"CSV", Make_Grid(false)},
                      {"Fixed width", Make_Grid(false)},
                      {"XML", Make_Grid(false)}};
  for (int i = 0; i < 4; ++i) {
    layout->addWidget(new QLabel(targets[i].caption), 2 + (i / 2) * 2, i % 2);
    layout->addWidget(targets[i].grid, 3 + (i / 2) * 2, i % 2);
  }

  auto save_and_load = [&] {
    const QDir dir(folder.path());
    const QString text = dir.filePath("grid.txt");
    source->SaveToFile(text);
    targets[0].grid->LoadFromFile(text);
    Print_File("own text file", text);

    const QString csv = dir.filePath("grid.csv");
    source->SaveToCSV(csv);
    targets[1].grid->LoadFromCSV(csv);
    Print_File("CSV", csv);

    const QString fixed = dir.filePath("grid.fix");
    TIntList widths(-1, -1);
    for (int w : {12, 12, 8, 20}) widths.Add(w);
    source->SaveToFixed(fixed, widths);
    TIntList starts(-1, -1);
    for (int p : {1, 13, 25, 33, 53}) starts.Add(p);  // n + 1 positions for n fields
    targets[2].grid->LoadFromFixed(fixed, starts);
    Print_File("fixed width", fixed);

    const QString xml = dir.filePath("grid.xml");
    QStringList fields;
    for (int c = 0; c < Cols; ++c) fields << QStringLiteral("F%1").arg(c);
    source->SaveToXML(xml, "LIST", "REC", &fields, true);
    targets[3].grid->LoadFromXML(xml, false, false);
    Print_File("XML", xml);
  };
  auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F5), &window);
  shortcut->setContext(Qt::ApplicationShortcut);
  QObject::connect(shortcut, &QShortcut::activated, save_and_load);

  window.resize(760, 620);
  window.show();
  source->setFocus();
  return app.exec();
}
