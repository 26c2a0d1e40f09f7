// Exchanging rows and columns: contents with their objects, sizes, cell
// controls and the sort state, the counts untouched.
#include <QApplication>
#include <QWidget>
#include <QtTest>

#include "grid/columns/zad_column_grid.h"
#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"

namespace {

// Four columns, five rows, one fixed row and column; cell (c, r) holds "c:r".
void Fill(TZadIrururOziz& grid) {
  grid.SetColCount(4);
  grid.SetRowCount(5);
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  for (int r = 0; r < grid.RowCount(); ++r)
    for (int c = 0; c < grid.ColCount(); ++c) grid.SetCellEx(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
}

QStringList Row_Texts(TZadIrururOziz& grid, int r) {
  QStringList texts;
  for (int c = 0; c < grid.ColCount(); ++c) texts << grid.GetCellEx(c, r);
  return texts;
}

QStringList Col_Texts(TZadIrururOziz& grid, int c) {
  QStringList texts;
  for (int r = 0; r < grid.RowCount(); ++r) texts << grid.GetCellEx(c, r);
  return texts;
}

}  // namespace

class GridSwapTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void swap_rows_moves_texts_objects_heights_and_controls() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.resize(400, 300);
    grid.SetRowHeights(1, 40);
    grid.SetRowHeights(2, 20);
    grid.SetColors(2, 1, 0x00FF00);
    grid.AddCheckBox(3, 2, true, false);
    auto* control = new QWidget;
    grid.SetCellControls(1, 2, control);
    const QStringList row1 = Row_Texts(grid, 1), row2 = Row_Texts(grid, 2);

    grid.SwapRows(1, 2);

    QCOMPARE(Row_Texts(grid, 1), row2);
    QCOMPARE(Row_Texts(grid, 2), row1);
    QCOMPARE(grid.RowHeights(1), 20);
    QCOMPARE(grid.RowHeights(2), 40);
    QCOMPARE(grid.Colors(2, 2), TColor(0x00FF00));
    QVERIFY(grid.HasCheckBox(3, 1));
    QVERIFY(!grid.HasCheckBox(3, 2));
    QCOMPARE(grid.CellControls(1, 1), control);
    QCOMPARE(grid.ControlList().GetControl(0)->Y(), 1);
    // The control is laid over its new cell.
    QCOMPARE(control->geometry().top(), grid.CellRect(1, 1).Top - 1);
    QCOMPARE(grid.RowCount(), 5);
  }

  void swap_rows_leaves_a_footer_row_last() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.SetFixedFooters(1);
    grid.FloatingFooter().SetVisible(true);
    grid.SetCellEx(1, 4, "Total");
    grid.SwapRows(1, 2);
    QCOMPARE(grid.RowCount(), 5);
    QCOMPARE(grid.GetCellEx(1, 4), QString("Total"));
    QCOMPARE(grid.GetCellEx(1, 1), QString("1:2"));
  }

  void swap_with_itself_or_outside_changes_nothing() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.SetRowHeights(2, 33);
    const QStringList before = Row_Texts(grid, 2) + Col_Texts(grid, 2);
    grid.SwapRows(2, 2);
    grid.SwapColumns(2, 2);
    grid.SwapRows(2, 9);
    grid.SwapColumns(-1, 2);
    QCOMPARE(Row_Texts(grid, 2) + Col_Texts(grid, 2), before);
    QCOMPARE(grid.RowHeights(2), 33);
  }

  void swap_columns_moves_widths_sort_column_and_check_boxes() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.resize(400, 300);
    grid.SetColWidths(1, 50);
    grid.SetColWidths(3, 90);
    grid.SortSettings().Column = 3;
    grid.AddCheckBox(1, 2, true, false);
    auto* control = new QWidget;
    grid.SetCellControls(3, 1, control);
    const QStringList col1 = Col_Texts(grid, 1), col3 = Col_Texts(grid, 3);

    grid.SwapColumns(1, 3);

    QCOMPARE(Col_Texts(grid, 1), col3);
    QCOMPARE(Col_Texts(grid, 3), col1);
    QCOMPARE(grid.ColWidths(1), 90);
    QCOMPARE(grid.ColWidths(3), 50);
    QCOMPARE(grid.SortSettings().Column, 1);
    QVERIFY(grid.HasCheckBox(3, 2));
    QVERIFY(!grid.HasCheckBox(1, 2));
    QCOMPARE(grid.CellControls(1, 1), control);
    QCOMPARE(control->geometry().left(), grid.CellRect(1, 1).Left - 1);
    QCOMPARE(grid.ColCount(), 4);

    grid.SwapColumns(3, 1);
    QCOMPARE(grid.SortSettings().Column, 3);
  }

  void sort_swap_of_whole_rows_keeps_the_side_state_in_step() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.MouseActions().SetDisjunctRowSelect(true);
    grid.Navigation().SetMoveRowOnSort(true);
    grid.SetShowModifiedEnabled(true);
    for (int r = 0; r < grid.RowCount(); ++r) grid.SortRowXRef().Add(r);
    grid.SetRowSelect(1, true);
    grid.SetRowModified(3, true);
    grid.SetRowHeights(1, 44);
    grid.SetSortRow(3);
    grid.SetSwaps(0);

    grid.SortSwapRows(1, 3);

    QCOMPARE(grid.Swaps(), 1);
    QCOMPARE(grid.GetCellEx(2, 1), QString("2:3"));
    QCOMPARE(grid.GetCellEx(2, 3), QString("2:1"));
    QCOMPARE(grid.RowHeights(3), 44);
    QCOMPARE(grid.SortRowXRef().GetInteger(1), 3);
    QCOMPARE(grid.SortRowXRef().GetInteger(3), 1);
    QVERIFY(!grid.RowSelect(1));
    QVERIFY(grid.RowSelect(3));
    QCOMPARE(grid.SelectedRowCount(), 1);
    QCOMPARE(grid.SelectedRow(0), 3);
    QVERIFY(grid.RowModified(1));
    QVERIFY(!grid.RowModified(3));
    QCOMPARE(grid.SortRow(), 1);
  }

  void sort_swap_with_hidden_rows_moves_the_real_rows_flags() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.MouseActions().SetDisjunctRowSelect(true);
    grid.MouseActions().SetRowSelectPersistent(true);
    grid.Navigation().SetMoveRowOnSort(true);
    grid.HideRow(1);  // display rows 1 and 2 are real rows 2 and 3
    grid.SetRowSelect(2, true);
    grid.SortSwapRows(1, 2);
    QCOMPARE(grid.GetCellEx(1, 1), QString("1:3"));
    QVERIFY(!grid.RowSelect(2));
    QVERIFY(grid.RowSelect(3));
    QVERIFY(grid.IsSelected(1, 2));
  }

  void sort_swap_without_move_row_on_sort_leaves_the_selection() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.MouseActions().SetDisjunctRowSelect(true);
    grid.SetRowSelect(1, true);
    grid.SortSwapRows(1, 2);
    QVERIFY(grid.RowSelect(1));
    QVERIFY(!grid.RowSelect(2));
    QCOMPARE(grid.GetCellEx(1, 1), QString("1:2"));
  }

  void single_column_sort_swap_moves_only_the_sort_column() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.SortSettings().SingleColumn = true;
    grid.SortSettings().Column = 2;
    grid.SetRowHeights(1, 40);
    grid.SetRowHeights(2, 20);
    grid.SetColors(2, 1, 0x0000FF);
    grid.SetSwaps(5);

    grid.SortSwapRows(1, 2);

    QCOMPARE(grid.Swaps(), 6);
    QCOMPARE(Row_Texts(grid, 1), QStringList({"0:1", "1:1", "2:2", "3:1"}));
    QCOMPARE(Row_Texts(grid, 2), QStringList({"0:2", "1:2", "2:1", "3:2"}));
    QCOMPARE(grid.Colors(2, 2), TColor(0x0000FF));
    QCOMPARE(grid.RowHeights(1), 40);
    QCOMPARE(grid.RowHeights(2), 20);
  }

  void column_grid_items_swap_with_their_columns() {
    TZadColumnGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(3);
    grid.SetFixedRows(1);
    for (int c = 0; c < 4; ++c) {
      grid.Columns()[c]->SetHeader(QStringLiteral("H%1").arg(c));
      grid.SetCellEx(c, 1, QStringLiteral("v%1").arg(c));
    }
    grid.UpdateColumnHeaders();
    TGridColumnItem* item1 = grid.Columns()[1];
    TGridColumnItem* item2 = grid.Columns()[2];

    grid.SwapColumns(1, 2);

    QCOMPARE(grid.Columns()[1], item2);
    QCOMPARE(grid.Columns()[2], item1);
    QCOMPARE(grid.Columns().Count(), 4);
    QCOMPARE(grid.ColCount(), 4);
    QCOMPARE(grid.GetCellEx(1, 1), QString("v2"));
    QCOMPARE(grid.Columns()[1]->Header(), QString("H2"));
    QCOMPARE(grid.ColumnHeaders().value(1), QString("H2"));
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  GridSwapTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "grid_swap_test.moc"
