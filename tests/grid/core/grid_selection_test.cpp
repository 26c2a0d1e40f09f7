#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

class GridSelectionTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void row_select_checks_its_index() {
    TZadIrururOziz grid;
    try {
      grid.RowSelect(-1);
      QFAIL("no error");
    } catch (const VAzaZeriVader& e) {
      QCOMPARE(QString(e.what()), QString("Invalid row -1 accessed"));
    }
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.RowSelect(grid.RowCount() + grid.NumHiddenRows()));
    QVERIFY(!grid.RowSelect(grid.RowCount() - 1));
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.SetRowSelect(-1, true));
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.ColSelect(grid.ColCount()));
  }

  void disjunct_row_selection_events() {
    TZadIrururOziz grid;
    grid.MouseActions().SetDisjunctRowSelect(true);
    int asked = 0, told = 0;
    grid.OnRowDisjunctSelect = [&](TZadIrururOziz*, int, bool, bool&) { ++asked; };
    grid.OnRowDisjunctSelected = [&](TZadIrururOziz*, int) { ++told; };
    grid.SetRowSelect(3, true);
    grid.SetRowSelect(3, true);
    QCOMPARE(asked, 1);
    QCOMPARE(told, 2);
    QCOMPARE(grid.SelectedRowCount(), 1);
    grid.SetRowSelect(5, true);
    QCOMPARE(grid.SelectedRow(0), 3);
    QCOMPARE(grid.SelectedRow(1), 5);
    QCOMPARE(grid.SelectedRow(2), -1);
    grid.OnRowDisjunctSelect = [&](TZadIrururOziz*, int, bool, bool& allow) { allow = false; };
    grid.SetRowSelect(7, true);
    QVERIFY(!grid.RowSelect(7));
    QCOMPARE(told, 3);
    QCOMPARE(grid.RowSelectCount(), 2);
    grid.ClearRowSelect();
    QCOMPARE(grid.SelectedRowCount(), 0);
  }

  void rectangle_counts() {
    TZadIrururOziz grid;
    grid.SetSelectionRect(TGridRect{1, 2, 3, 4});
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(3, 4));
    QCOMPARE(grid.SelectedRowCount(), 3);
    QCOMPARE(grid.SelectedColCount(), 3);
    QCOMPARE(grid.SelectedCellsCount(), 9);
    QVERIFY(grid.SelectedCells(2, 3));
    QVERIFY(!grid.SelectedCells(4, 3));
    QCOMPARE(grid.SelectedCell(0), (TGridCoord{1, 2}));
    grid.ClearSelectedCells();
    QCOMPARE(grid.Selection(), (TGridRect{1, 1, 1, 1}));
  }

  void hidden_selection_comes_back() {
    TZadIrururOziz grid;
    grid.SetSelectionRect(TGridRect{2, 6, 3, 8});
    grid.HideSelection();
    QVERIFY(grid.SelHidden());
    QCOMPARE(grid.Selection().Top, grid.RowCount());
    grid.UnHideSelection();
    QCOMPARE(grid.Selection(), (TGridRect{2, 6, 3, 8}));
    grid.HideSelection();
    grid.SetRowCount(5);
    grid.UnHideSelection();
    QCOMPARE(grid.Selection(), (TGridRect{1, 1, 1, 1}));
  }

  void disabling_the_current_row_moves_it() {
    TZadIrururOziz grid;
    grid.SetRow(1);
    grid.SetRowEnabled(1, false);
    QCOMPARE(grid.Row(), 2);
    QVERIFY(!grid.RowEnabled(1));
    QVERIFY(grid.RowEnabled(2));
  }

  void disjunct_columns_and_cells() {
    TZadIrururOziz grid;
    grid.MouseActions().SetDisjunctColSelect(true);
    grid.SelectCols(1, 2);
    QVERIFY(grid.ColSelect(2));
    QCOMPARE(grid.ColSelectCount(), 2);
    grid.UnSelectCols(1, 1);
    QCOMPARE(grid.ColSelectCount(), 1);
    grid.MouseActions().SetDisjunctCellSelect(true);
    grid.SetSelectedCells(2, 3, true);
    grid.SetSelectedCells(2, 3, true);
    QCOMPARE(grid.SelectedCellsCount(), 1);
    QCOMPARE(grid.SelectedCell(0), (TGridCoord{2, 3}));
    grid.SetSelectedCells(70000, 1, true);  // beyond the packed range: refused
    QCOMPARE(grid.SelectedCellsCount(), 1);
  }

  void row_writer_selects_with_disjunct_rows() {
    TZadIrururOziz grid;
    grid.MouseActions().SetDisjunctRowSelect(true);
    grid.SetRow(4);
    QVERIFY(grid.RowSelect(4));
    grid.SelectRows(6, 2);
    QVERIFY(grid.RowSelect(7));
    grid.UnSelectRows(6, 1);
    QVERIFY(!grid.RowSelect(6));
  }
};

QTEST_MAIN(GridSelectionTest)
#include "grid_selection_test.moc"
