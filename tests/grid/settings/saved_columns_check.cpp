// A string grid whose column widths are saved with it (ColumnSize.Save) and
// whose order is saved on closing: to look at and work under X (not a test).
//   saved_columns_check <ini file> save   widen and move columns, then close
//   saved_columns_check <ini file> show   a new grid on the same settings
// Ctrl+Q closes it (also where no window manager runs).
#include <QApplication>
#include <QShortcut>
#include <QTimer>
#include <cstdio>

#include "grid/core/zad_irurur_oziz.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: saved_columns_check <ini file> save|show\n");
    return 2;
  }
  const QString ini = QString::fromLocal8Bit(argv[1]);
  const bool show = QString::fromLatin1(argv[2]) == QLatin1String("show");
  auto* grid = new TZadIrururOziz;
  grid->setWindowTitle(show ? QStringLiteral("Saved columns: restored") : QStringLiteral("Saved columns: edit"));
  grid->SetColCount(5);
  grid->SetRowCount(8);
  grid->SetOptions(grid->Options() | goColSizing | goColMoving);
  const char* headers[] = {"", "Index", "Name", "Access", "Value"};
  for (int c = 0; c < 5; ++c) grid->SetCellEx(c, 0, QString::fromLatin1(headers[c]));
  for (int r = 1; r < 8; ++r) {
    grid->SetCellEx(0, r, QString::number(r));
    grid->SetCellEx(1, r, QStringLiteral("%1h").arg(0x1800 + r, 0, 16));
    grid->SetCellEx(2, r, QStringLiteral("Object %1").arg(r));
    grid->SetCellEx(3, r, r % 2 ? QStringLiteral("rw") : QStringLiteral("ro"));
    grid->SetCellEx(4, r, QString::number(r * 125));
  }
  grid->ColumnSize().SetLocation(clIniFile);
  grid->ColumnSize().SetKey(ini);
  grid->ColumnSize().SetSection(QStringLiteral("Objects"));
  grid->ColumnSize().SetSave(true);
  grid->Loaded();  // loads the saved widths
  if (show) grid->LoadColPositions();
  grid->resize(520, 260);
  grid->show();
  new QShortcut(QKeySequence(QStringLiteral("Ctrl+Q")), grid, [&app] { app.quit(); });
  QObject::connect(&app, &QApplication::aboutToQuit, [grid, show] {
    if (!show) grid->SaveColPositions();
    std::printf("%s\n", qPrintable(grid->ColumnStatesToString()));
    delete grid;  // saves the widths
  });
  return app.exec();
}
