#include <QtTest>

#include "grid/zad_irurur_oziz.h"

class GridKeyboardTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void wrapping_moves_data() {
    QTest::addColumn<int>("advance");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("snake right at the end") << int(caSnake) << QPoint(4, 2) << int(Qt::Key_Right) << QPoint(1, 3);
    QTest::newRow("snake left at the start") << int(caSnake) << QPoint(1, 3) << int(Qt::Key_Left) << QPoint(4, 2);
    QTest::newRow("snake down at the bottom") << int(caSnake) << QPoint(2, 4) << int(Qt::Key_Down) << QPoint(3, 1);
    QTest::newRow("snake up at the top") << int(caSnake) << QPoint(3, 1) << int(Qt::Key_Up) << QPoint(2, 4);
    QTest::newRow("loop right stays in the row") << int(caLoop) << QPoint(4, 2) << int(Qt::Key_Right) << QPoint(1, 2);
    QTest::newRow("default stops at the edge") << int(caDefault) << QPoint(4, 2) << int(Qt::Key_Right) << QPoint(4, 2);
    QTest::newRow("inside the grid no wrap") << int(caSnake) << QPoint(2, 2) << int(Qt::Key_Right) << QPoint(3, 2);
  }

  void wrapping_moves() {
    QFETCH(int, advance);
    QFETCH(QPoint, from);
    QFETCH(int, key);
    QFETCH(QPoint, to);
    TZadIrururOziz grid;
    grid.SetRowCount(5);
    grid.SetColCount(5);
    grid.Navigation().SetCursorAdvance(TCursorAdvance(advance));
    grid.FocusCell(from.x(), from.y());
    QTest::keyClick(&grid, Qt::Key(key));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), to);
  }

  void scroll_in_view_centres_a_far_cell() {
    TZadIrururOziz grid;
    grid.SetRowCount(100);
    grid.resize(400, 11 * 22 + 2);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.VisibleRowCount(), 10);
    grid.ScrollInView(1, 80);
    QCOMPARE(grid.TopRow(), 75);
    QCOMPARE(grid.Row(), 80);
    grid.ScrollInView(1, 78);  // in view: nothing scrolls
    QCOMPARE(grid.TopRow(), 75);
    grid.ScrollInView(1, 100);
    QCOMPARE(grid.TopRow(), 75);
  }

  void ctrl_down_moves_rows() {
    TZadIrururOziz grid;
    for (int r = 1; r < 6; ++r) grid.SetCellEx(1, r, QString("r%1").arg(r));
    grid.Navigation().SetCursorMoveRows(true);
    grid.FocusCell(1, 2);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(grid.GetCellEx(1, 3), QString("r2"));
    QCOMPARE(grid.GetCellEx(1, 2), QString("r3"));
    QCOMPARE(grid.Row(), 3);
    grid.SetSelectionRect(TGridRect{1, 3, 1, 4});
    QTest::keyClick(&grid, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(grid.GetCellEx(1, 2), QString("r2"));
    QCOMPARE(grid.GetCellEx(1, 3), QString("r4"));
    QCOMPARE(grid.GetCellEx(1, 4), QString("r3"));
    QCOMPARE(grid.Selection(), (TGridRect{1, 2, 1, 3}));
  }
};

QTEST_MAIN(GridKeyboardTest)
#include "grid_keyboard_test.moc"
