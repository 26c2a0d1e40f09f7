#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

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

  void clipboard_keys_copy_once_and_swallow_the_character() {
    TZadIrururOziz grid;
    grid.Navigation().SetAllowClipboardShortCuts(true);
    int copies = 0, key_presses = 0;
    grid.OnClipboardCopy = [&](TZadIrururOziz*, bool&) { ++copies; };
    grid.OnKeyPress = [&](TZadIrururOziz*, QChar&) { ++key_presses; };
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(copies, 1);
    QCOMPARE(key_presses, 0);
    grid.OnClipboardCopy = [&](TZadIrururOziz*, bool& allow) {
      ++copies;
      allow = false;
    };
    QTest::keyClick(&grid, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(copies, 2);
  }

  void insert_and_delete_rows_from_the_keyboard() {
    TZadIrururOziz grid;
    for (int r = 1; r < 10; ++r) grid.SetCellEx(1, r, QString("r%1").arg(r));
    grid.Navigation().SetAllowInsertRow(true);
    grid.Navigation().SetAllowDeleteRow(true);
    grid.Navigation().SetInsertPosition(pInsertAfter);
    grid.HideRows(3, 4);  // display row 3 is now real row 5
    grid.FocusCell(1, 2);
    int inserted_at = -1;
    grid.OnAutoInsertRow = [&](TZadIrururOziz*, int row) { inserted_at = row; };
    QTest::keyClick(&grid, Qt::Key_Insert);
    QCOMPARE(inserted_at, 5);
    QCOMPARE(grid.Row(), 3);
    QCOMPARE(grid.GetCellEx(1, 3), QString());
    QCOMPARE(grid.GetCellEx(1, 4), QString("r5"));
    const int rows = grid.RowCount();
    grid.OnCanDeleteRow = [](TZadIrururOziz*, int, bool& allow) { allow = false; };
    QTest::keyClick(&grid, Qt::Key_Delete);
    QCOMPARE(grid.RowCount(), rows);
    grid.OnCanDeleteRow = nullptr;
    QTest::keyClick(&grid, Qt::Key_Delete);
    QCOMPARE(grid.RowCount(), rows - 1);
    QCOMPARE(grid.GetCellEx(1, 3), QString("r5"));
    // The only data row is emptied, not removed.
    TZadIrururOziz small;
    small.SetRowCount(2);
    small.SetCellEx(1, 1, "x");
    small.Navigation().SetAllowDeleteRow(true);
    QTest::keyClick(&small, Qt::Key_Delete);
    QCOMPARE(small.RowCount(), 2);
    QCOMPARE(small.GetCellEx(1, 1), QString());
  }

  void select_all_covers_the_data_area() {
    TZadIrururOziz grid;
    grid.MouseActions().SetDisjunctRowSelect(true);
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(grid.Selection(), (TGridRect{1, 1, 4, 9}));
    QCOMPARE(grid.SelectedRowCount(), 9);
  }

  void home_and_end_modes_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("columns: home") << int(heFirstLastColumn) << int(Qt::Key_Home) << 0 << QPoint(1, 5);
    QTest::newRow("columns: end") << int(heFirstLastColumn) << int(Qt::Key_End) << 0 << QPoint(4, 5);
    QTest::newRow("columns: ctrl+home") << int(heFirstLastColumn) << int(Qt::Key_Home) << int(Qt::ControlModifier)
                                        << QPoint(1, 1);
    QTest::newRow("rows: home") << int(heFirstLastRow) << int(Qt::Key_Home) << 0 << QPoint(3, 1);
    QTest::newRow("rows: end") << int(heFirstLastRow) << int(Qt::Key_End) << 0 << QPoint(3, 9);
    QTest::newRow("cells: home") << int(heFirstLastCell) << int(Qt::Key_Home) << 0 << QPoint(1, 1);
    QTest::newRow("cells: end") << int(heFirstLastCell) << int(Qt::Key_End) << 0 << QPoint(4, 9);
  }

  void home_and_end_modes() {
    QFETCH(int, mode);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QPoint, to);
    TZadIrururOziz grid;
    grid.Navigation().SetHomeEndKey(THomeEndAction(mode));
    grid.FocusCell(3, 5);
    QTest::keyClick(&grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), to);
  }
};

QTEST_MAIN(GridKeyboardTest)
#include "grid_keyboard_test.moc"
