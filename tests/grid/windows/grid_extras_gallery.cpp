// A meter list grid with the focus frame, the search footer and balloons on,
// worked by a scripted user: a cell is edited (the frame rings it), the mouse
// rests on a cell (its balloon shows) and the window is moved (the frame
// follows). `grid_extras_gallery` opens it; `grid_extras_gallery out.png`
// saves the screen once the script has run and quits. Run it on an X server
// to see translucency and the top-level windows.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/windows/balloon_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget form;
  form.setWindowTitle(QStringLiteral("Meters"));
  form.resize(620, 360);
  form.move(40, 40);
  auto* grid = new TZadIrururOziz(&form);
  grid->setGeometry(10, 10, 600, 340);
  grid->SetColCount(5);
  grid->SetRowCount(12);
  grid->SetDefaultColWidth(110);
  grid->SetBorderStyle(bsSingle);
  grid->SetBorderColor(0xB99D7F);
  grid->SetOptions(grid->Options() | goEditing);
  const QStringList heads = {"", "Address", "Manufacturer", "Medium", "Note"};
  for (int c = 0; c < 5; ++c) grid->SetCellEx(c, 0, heads[c]);
  for (int r = 1; r < 12; ++r) {
    grid->SetCellEx(0, r, QString::number(r));
    grid->SetCellEx(1, r, QString::number(r + 4));
    grid->SetCellEx(2, r, r % 2 ? "KAM" : "ELS");
    grid->SetCellEx(3, r, r % 3 ? "Heat" : "Water");
    grid->SetCellEx(4, r, r == 3 ? "<b>Check</b> the\tvalve" : "");
  }
  grid->FocusHelper().SetEnabled(true);
  grid->SearchFooter().SetFindNextCaption("Find next");
  grid->SearchFooter().SetFindPrevCaption("Find previous");
  grid->SearchFooter().SetHighLightCaption("Highlight");
  grid->SearchFooter().SetMatchCaseCaption("Match case");
  grid->SearchFooter().SetColorTo(0xE0E0E0);
  grid->SearchFooter().SetVisible(true);
  grid->Balloon().SetInitialDelay(200);
  grid->Balloon().SetAutoHideDelay(20000);
  grid->Balloon().SetEnable(true);
  grid->OnCellBalloon = [](TZadIrururOziz*, int, int ARow, QString& Title, QString&, int& Icon) {
    Title = QStringLiteral("Meter row %1").arg(ARow);
    Icon = biInfo;
  };
  form.show();

  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  QTimer::singleShot(500, grid, [grid] {
    grid->setFocus();
    grid->FocusCell(2, 2);
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::keyClicks(grid->InplaceEditor(), "X");
  });
  QTimer::singleShot(900, &form, [&form] { form.move(form.pos() + QPoint(30, 20)); });
  QTimer::singleShot(1300, grid, [grid] {
    const TRect cell = grid->CellRect(4, 3);
    QTest::mouseMove(grid->viewport(), QPoint(cell.Left + 10, cell.Top + 8));
  });
  if (!out.isEmpty())
    QTimer::singleShot(2600, &app, [&] {
      QGuiApplication::primaryScreen()->grabWindow(0).save(out);
      app.quit();
    });
  return app.exec();
}
