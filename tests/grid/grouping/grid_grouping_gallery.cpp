// A meter list grouped by medium with summary rows holding each group's
// consumption, collapsed and expanded by a scripted user clicking the node
// glyphs. `grid_grouping_gallery DIR` saves the screen after each step as
// DIR/grouping_<n>.png and quits; without DIR it stays open.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// The node glyph of a display row, as the user clicks it.
QPoint Glyph(TZadIrururOziz& grid, int row) {
  const TRect cell = grid.CellRect(0, row);
  return QPoint(cell.Left + 9, cell.Top + cell.Height() / 2);
}

int Node_Row(TZadIrururOziz& grid, const QString& value) {
  for (int r = grid.FixedRows(); r < grid.RowCount(); ++r)
    if (grid.IsNode(r) && grid.GetCellEx(1, r) == value) return r;
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget form;
  form.setWindowTitle(QStringLiteral("Meters by medium"));
  form.resize(560, 460);
  form.move(40, 40);
  auto* grid = new TZadIrururOziz(&form);
  grid->setGeometry(10, 10, 540, 440);
  grid->SetColCount(5);
  grid->SetRowCount(13);
  grid->SetDefaultColWidth(120);
  grid->SetColWidths(0, 24);
  const QStringList heads = {"", "Address", "Medium", "Manufacturer", "Consumption"};
  for (int c = 0; c < 5; ++c) grid->SetCellEx(c, 0, heads[c]);
  const QStringList media = {"Heat", "Water", "Gas"};
  for (int r = 1; r < 13; ++r) {
    grid->SetCellEx(1, r, QString::number(r + 4));
    grid->SetCellEx(2, r, media[r % 3]);
    grid->SetCellEx(3, r, r % 2 ? "KAM" : "ELS");
    grid->SetCellEx(4, r, QString::number(r * 12.5, 'f', 1));
  }
  grid->SetFloatFormat("%.1f");
  grid->Grouping().SetSummary(true);
  grid->Grouping().SetMergeHeader(true);
  grid->Grouping().SetHeaderColor(0xF0D8B0);
  grid->Grouping().SetHeaderTextColor(0x800000);
  grid->Grouping().SetSummaryColor(0xE0F0E0);
  grid->Group(2);
  grid->GroupSum(3);
  form.show();

  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  int shot = 0;
  auto save = [&] {
    if (!dir.isEmpty())
      QGuiApplication::primaryScreen()->grabWindow(0).save(dir + QStringLiteral("/grouping_%1.png").arg(++shot));
  };
  auto click = [grid](const QString& value) {
    const int row = Node_Row(*grid, value);
    if (row >= 0) QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, Glyph(*grid, row));
  };
  const QList<std::function<void()>> steps = {
      [] {},
      [&] { click("Heat"); },
      [&] { click("Water"); },
      [&] { click("Heat"); },
  };
  for (int i = 0; i < steps.size(); ++i) {
    QTimer::singleShot(600 + 700 * i, &form, steps[i]);
    QTimer::singleShot(950 + 700 * i, &form, save);
  }
  if (!dir.isEmpty()) QTimer::singleShot(1200 + 700 * steps.size(), &app, &QApplication::quit);
  return app.exec();
}
