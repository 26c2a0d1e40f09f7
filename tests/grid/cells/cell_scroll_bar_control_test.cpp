// The live scroll bar of scroll-bar cells as a user meets it: it shows over
// the right edge of the scroll-bar cell under the mouse, hides elsewhere and
// when the grid scrolls, and its steps move the cell's position, each move
// told through OnScrollCell.
#include <QScrollBar>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

void Move_To(TZadIrururOziz& grid, int ACol, int ARow) {
  const QPoint at = grid.CellRect(ACol, ARow).To_QRect().center();
  QMouseEvent move(QEvent::MouseMove, at, grid.viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(grid.viewport(), &move);
}

}  // namespace

class CellScrollBarControlTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void bar_follows_the_mouse_and_moves_the_position() {
    TZadIrururOziz grid;
    grid.SetColCount(5);
    grid.SetRowCount(30);
    grid.SetRowHeights(1, 60);
    grid.resize(400, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.AddScrollBar(2, 1, false);
    grid.SetScrollProp(2, 1, TScrollProp{20, 300});
    grid.AddScrollBar(3, 1, false);
    grid.SetScrollProp(3, 1, TScrollProp{100, 100});  // all in view: no bar
    QStringList told;
    grid.OnScrollCell = [&](TZadIrururOziz*, int ACol, int ARow, int Pos, int Min, int Max) {
      told << QStringLiteral("%1,%2 %3 %4..%5").arg(ACol).arg(ARow).arg(Pos).arg(Min).arg(Max);
    };

    Move_To(grid, 2, 1);
    QScrollBar* bar = grid.CellScrollBar();
    QVERIFY(bar && bar->isVisible());
    const QRect cell = grid.CellRect(2, 1).To_QRect();
    QVERIFY(cell.contains(bar->geometry()));
    QCOMPARE(bar->geometry().right(), cell.right() - grid.GridLineWidth());
    QCOMPARE(bar->value(), 0);
    QVERIFY(told.isEmpty());  // laying the bar out moves nothing

    // Line steps of 10, page steps of 100, not past the end of the range.
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(told,
             (QStringList{"2,1 10 0..300", "2,1 110 0..300", "2,1 210 0..300", "2,1 280 0..300", "2,1 180 0..300"}));
    QCOMPARE(grid.GetScrollPosition(2, 1), 180);

    Move_To(grid, 3, 1);
    QVERIFY(!bar->isVisible());
    Move_To(grid, 1, 1);
    QVERIFY(!bar->isVisible());
    // Back on the cell: the bar shows the cell's position.
    Move_To(grid, 2, 1);
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->value(), 180);
    // Scrolling the grid leaves no bar over another cell.
    grid.SetTopRow(3);
    QVERIFY(!bar->isVisible());
  }
};

QTEST_MAIN(CellScrollBarControlTest)
#include "cell_scroll_bar_control_test.moc"
