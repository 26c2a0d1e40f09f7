// A meter list grid with the search footer, searched by a scripted user:
// typing a text (the grid goes to the first hit), Return (the next hit),
// Ctrl+Return (the previous one), a text that is nowhere (the edit turns
// red), and the highlight button. `grid_search_gallery DIR` saves the screen
// after each step as DIR/search_<n>.png and quits; without DIR it stays open.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "grid/controls/grid_button.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/windows/search_panel.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc > 2 && QString::fromLocal8Bit(argv[2]) == "rtl") app.setLayoutDirection(Qt::RightToLeft);
  QWidget form;
  form.setWindowTitle(QStringLiteral("Meters"));
  form.resize(620, 360);
  form.move(40, 40);
  auto* grid = new TZadIrururOziz(&form);
  grid->setGeometry(10, 10, 600, 340);
  grid->SetColCount(5);
  grid->SetRowCount(30);
  grid->SetDefaultColWidth(110);
  const QStringList heads = {"", "Address", "Manufacturer", "Medium", "Note"};
  for (int c = 0; c < 5; ++c) grid->SetCellEx(c, 0, heads[c]);
  for (int r = 1; r < 30; ++r) {
    grid->SetCellEx(0, r, QString::number(r));
    grid->SetCellEx(1, r, QString::number(r + 4));
    grid->SetCellEx(2, r, r % 2 ? "KAM" : "ELS");
    grid->SetCellEx(3, r, r % 3 ? "Heat" : "Water");
    grid->SetCellEx(4, r, r % 7 == 3 ? "Check the valve" : "");
  }
  grid->SearchFooter().SetFindNextCaption("Find &next");
  grid->SearchFooter().SetFindPrevCaption("Find &previous");
  grid->SearchFooter().SetHighLightCaption("Highlight");
  grid->SearchFooter().SetMatchCaseCaption("Match case");
  grid->SearchFooter().SetHintFindNext("Find next occurrence");
  grid->SearchFooter().SetColorTo(0xE0E0E0);
  grid->SearchFooter().SetVisible(true);
  form.show();

  const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  TRetEdit* edit = grid->SearchPanel()->EditControl();
  int shot = 0;
  auto save = [&] {
    if (!dir.isEmpty())
      QGuiApplication::primaryScreen()->grabWindow(0).save(dir + QStringLiteral("/search_%1.png").arg(++shot));
  };
  const QList<std::function<void()>> steps = {
      [&] {
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(edit, "valve");
      },
      [&] { QTest::keyClick(edit, Qt::Key_Return); },
      [&] { QTest::keyClick(edit, Qt::Key_Return); },
      [&] { QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier); },
      [&] { QTest::keyClicks(edit, "s"); },
      [&] {
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::mouseClick(grid->SearchPanel()->HiliteButton(), Qt::LeftButton);
      },
  };
  for (int i = 0; i < steps.size(); ++i) {
    QTimer::singleShot(600 + 700 * i, &form, steps[i]);
    QTimer::singleShot(950 + 700 * i, &form, save);
  }
  if (!dir.isEmpty()) QTimer::singleShot(1200 + 700 * steps.size(), &app, &QApplication::quit);
  return app.exec();
}
