#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

class Counting_Grid : public TZadIrururOziz {
 public:
  void RepaintAll() override {
    ++Repaints;
    TZadIrururOziz::RepaintAll();
  }
  int Repaints = 0;
};

}  // namespace

class GridSettingsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void mixer_factor_stays_within_0_to_100() {
    Counting_Grid grid;
    const struct { int written, stored; } cases[] = {{150, 100}, {-5, 0}, {37, 37}, {100, 100}, {0, 0}};
    for (const auto& c : cases) {
      grid.SetSelectionColorMixerFactor(c.written);
      QCOMPARE(grid.PaintLook().SelectionColorMixerFactor, c.stored);
    }
    grid.Repaints = 0;
    grid.SetSelectionColorMixerFactor(-20);  // still 0
    QCOMPARE(grid.Repaints, 0);
    grid.SetSelectionColorMixerFactor(60);
    QCOMPARE(grid.Repaints, 1);
  }

  void xy_offset_with_and_without_repaint() {
    Counting_Grid grid;
    QCOMPARE(grid.XYOffset(), QPoint(2, 2));
    grid.Repaints = 0;
    grid.UpdateXYOffset(5, 6);
    QCOMPARE(grid.XYOffset(), QPoint(5, 6));
    QCOMPARE(grid.Repaints, 0);
    grid.SetXYOffset(QPoint(1, 1));
    QCOMPARE(grid.XYOffset(), QPoint(1, 1));
    QCOMPARE(grid.Repaints, 1);
  }

  void background_written_from_another_takes_its_picture_and_colours() {
    Counting_Grid grid;
    TBackGround other;
    other.Bitmap = QImage(8, 8, QImage::Format_RGB32);
    other.Bitmap.fill(Qt::green);
    other.Color = clRed;
    other.ColorTo = clYellow;
    other.Display = bdGradientVert;
    other.Cells = bcAll;
    other.Left = 3;
    grid.Repaints = 0;
    grid.SetBackGround(other);
    QCOMPARE(grid.BackGround().Bitmap, other.Bitmap);
    QCOMPARE(grid.BackGround().Color, clRed);
    QCOMPARE(grid.BackGround().ColorTo, clYellow);
    QCOMPARE(grid.BackGround().Display, bdGradientVert);
    QCOMPARE(grid.BackGround().Cells, bcAll);
    QCOMPARE(grid.BackGround().Left, 3);
    QCOMPARE(grid.Repaints, 1);
  }

  void the_grid_owns_its_settings_objects() {
    TZadIrururOziz grid;
    QCOMPARE(grid.PrintSettings().Owner(), static_cast<QObject*>(&grid));
    QCOMPARE(grid.PrintSettings().DateFormat(), QStringLiteral("dd/mm/yyyy"));
    QCOMPARE(grid.HTMLSettings().Width(), 100);
    QVERIFY(grid.DragDropSettings().OleAcceptFiles());
    QCOMPARE(grid.Grouping().HeaderLineWidth(), 2);
    QVERIFY(!grid.SizeWhileTyping().Height());
    int told = 0;
    grid.Balloon().OnEnableChange = [&](TBalloonSettings*) { ++told; };
    grid.Balloon().SetEnable(false);
    QCOMPARE(told, 1);
  }
};

QTEST_MAIN(GridSettingsTest)
#include "grid_settings_test.moc"
