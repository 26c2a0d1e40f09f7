// Cell access of the string grid beyond Cells: texts and objects by real row
// (hidden rows included), the orders before sorting and before column moves,
// the current cell through merged blocks, controls in cells and the
// per-cell and per-row looks.
#include <QLineEdit>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// Five columns, eight rows; column 1 names each row "r<row>".
void Fill(TZadIrururOziz& grid) {
  grid.SetColCount(5);
  grid.SetRowCount(8);
  for (int r = 1; r < 8; ++r) grid.SetCellEx(1, r, QString("r%1").arg(r));
}

}  // namespace

class GridCellAccessTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void All_Cells_Reach_Hidden_Rows() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.HideRow(3);
    QCOMPARE(grid.AllRowCount(), 8);
    QCOMPARE(grid.AllCells(-1, 0), QString());
    QCOMPARE(grid.AllCells(1, -1), QString());
    QCOMPARE(grid.AllCells(1, 3), QString("r3"));
    QCOMPARE(grid.AllCells(1, 4), QString("r4"));
    QCOMPARE(grid.GetCellEx(1, 3), QString("r4"));
    // A column the hidden record holds no entry for is added, in column
    // order, and comes back with the row.
    grid.SetAllCells(4, 3, "four");
    grid.SetAllCells(0, 3, "zero");
    grid.SetAllGridCells(3, 3, "three");
    QCOMPARE(grid.AllCells(4, 3), QString("four"));
    QCOMPARE(grid.AllGridCells(3, 3), QString("three"));
    grid.SetAllCells(2, 5, "shown");
    QCOMPARE(grid.GetCellEx(2, 4), QString("shown"));
    grid.UnHideRow(3);
    QCOMPARE(grid.GetCellEx(0, 3), QString("zero"));
    QCOMPARE(grid.GetCellEx(1, 3), QString("r3"));
    QCOMPARE(grid.GetCellEx(3, 3), QString("three"));
    QCOMPARE(grid.GetCellEx(4, 3), QString("four"));
  }

  void All_Cells_Pass_Hidden_Rows_Through_The_Display_Hook() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.OnGetDisplText = [](TBaseGrid*, int, int, QString& value) { value = value.toUpper(); };
    grid.HideRow(2);
    QCOMPARE(grid.AllCells(1, 2), QString("R2"));
    QCOMPARE(grid.AllGridCells(1, 2), QString("r2"));
  }

  void All_Objects_Of_Hidden_And_Shown_Rows() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.SetAllObjects(2, 4, 77);
    QCOMPARE(grid.GetObjectEx(2, 4), quintptr(77));
    grid.HideRow(5);
    QCOMPARE(grid.AllObjects(2, 5), quintptr(0));
    grid.SetAllObjects(2, 5, 99);
    QCOMPARE(grid.AllObjects(2, 5), quintptr(99));
    grid.UnHideRow(5);
    QCOMPARE(grid.GetObjectEx(2, 5), quintptr(99));
  }

  void Sort_Order_Translation() {
    TZadIrururOziz grid;
    Fill(grid);
    QCOMPARE(grid.UnSortedRowIndex(5), 5);
    QCOMPARE(grid.SortedRowIndex(5), 5);
    QCOMPARE(grid.UnSortedCells(1, 5), QString("r5"));
    // Sorted position p came from row xref[p]; row 6 is none's origin.
    for (int v : {0, 1, 3, 2, 5, 4, 7}) grid.SortRowXRef().Add(v);
    QCOMPARE(grid.SortedRowIndex(2), 3);
    QCOMPARE(grid.SortedRowIndex(20), 20);
    QCOMPARE(grid.UnSortedRowIndex(3), 2);
    QCOMPARE(grid.UnSortedRowIndex(6), 7);
    QCOMPARE(grid.UnSortedCells(1, 3), QString("r2"));
    grid.SetUnSortedCells(2, 3, "x");
    QCOMPARE(grid.GetCellEx(2, 2), QString("x"));
    QCOMPARE(grid.UnSortedCells(1, 6), QString());
    grid.SetUnSortedCells(1, 6, "lost");
    for (int r = 0; r < grid.RowCount(); ++r) QVERIFY(grid.GetCellEx(1, r) != "lost");
    // Hidden rows count in the sorted index.
    grid.HideRow(1);
    QCOMPARE(grid.SortedRowIndex(2), 4);
  }

  void Original_Cells_Follow_The_Column_Order() {
    TZadIrururOziz grid;
    Fill(grid);
    QCOMPARE(grid.OriginalCells(1, 2), QString("r2"));
    // Column 1 now stands at position 3.
    for (int v : {0, 2, 3, 1, 4}) grid.ColumnOrder().Add(v);
    QCOMPARE(grid.ColumnPosition(1), 3);
    grid.SetCellEx(3, 2, "moved");
    QCOMPARE(grid.OriginalCells(1, 2), QString("moved"));
    grid.SetOriginalCells(1, 4, "w");
    QCOMPARE(grid.GetCellEx(3, 4), QString("w"));
    QCOMPARE(grid.ColumnPosition(9), 9);
  }

  void Current_Cell_Through_A_Merged_Block() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.SetCellEx(2, 2, "<b>base</b>");
    grid.MergeCells(2, 2, 2, 2);
    grid.OnGetDisplText = [](TBaseGrid*, int, int, QString& value) { value += "!"; };
    grid.FocusCell(3, 3);
    QCOMPARE(grid.Col(), 3);
    QCOMPARE(grid.CurrentCell(), QString("<b>base</b>"));
    QCOMPARE(grid.ReadCurrentCell(), QString("<b>base</b>!"));
    grid.SetCurrentCell("set");
    QCOMPARE(grid.GetGridCell(2, 2), QString("set"));
    QCOMPARE(grid.GetGridCell(3, 3), QString());
    grid.WriteCurrentCell("written");
    QCOMPARE(grid.GetGridCell(2, 2), QString("written"));
    QCOMPARE(grid.GetGridCell(3, 3), QString());
    grid.FocusCell(1, 4);
    grid.WriteCurrentCell("plain");
    QCOMPARE(grid.GetGridCell(1, 4), QString("plain"));
  }

  void Current_Cell_With_A_Hidden_Column() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.SetCellEx(3, 2, "real 3");
    grid.HideColumn(2);
    grid.FocusCell(2, 2);
    QCOMPARE(grid.CurrentCell(), QString("real 3"));
    grid.SetCurrentCell("new");
    QCOMPARE(grid.GetGridCell(3, 2), QString("new"));
  }

  void Cell_Controls_Keep_Their_Count() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.show();
    auto* edit = new QLineEdit;
    grid.SetCellControls(2, 2, edit);
    QCOMPARE(grid.CellControlCount(), 1);
    QCOMPARE(grid.CellControls(2, 2), edit);
    QCOMPARE(grid.ControlList().Count(), 1);
    QCOMPARE(edit->parentWidget(), grid.viewport());
    const TRect r = grid.CellRect(2, 2);
    QCOMPARE(edit->geometry(), QRect(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height() + 1));
    // Placing again in the same cell replaces the registration.
    grid.SetCellControls(2, 2, edit);
    QCOMPARE(grid.CellControlCount(), 1);
    QCOMPARE(grid.ControlList().Count(), 1);
    grid.SetCellControls(2, 2, nullptr);
    QCOMPARE(grid.CellControlCount(), 0);
    QCOMPARE(grid.ControlList().Count(), 0);
    QCOMPARE(grid.CellControls(2, 2), nullptr);
    // Removing from a cell without a control changes nothing.
    grid.SetCellControls(3, 3, nullptr);
    QCOMPARE(grid.CellControlCount(), 0);
    QCOMPARE(grid.CellControls(4, 4), nullptr);
    QVERIFY(!grid.HasCellProperties(4, 4));
  }

  void Cell_Look_Defaults_Create_Nothing() {
    TZadIrururOziz grid;
    Fill(grid);
    QCOMPARE(grid.Colors(2, 2), clNone);
    QCOMPARE(grid.ColorsTo(2, 2), clNone);
    QCOMPARE(grid.FontColors(2, 2), clNone);
    QCOMPARE(grid.FontStyles(2, 2), TFontStyles(0));
    QCOMPARE(grid.FontNames(2, 2), QString());
    QCOMPARE(grid.FontSizes(2, 2), 0);
    QCOMPARE(grid.Alignments(2, 2), taLeftJustify);
    QCOMPARE(grid.GetGradientDir(2, 2), GradientVertical);
    QVERIFY(!grid.ReadOnly(2, 2));
    QCOMPARE(grid.GetCellFont(2, 2), grid.GridFont());
    QVERIFY(!grid.HasCellProperties(2, 2));
    grid.WordWraps(2, 2);
    QVERIFY(grid.HasCellProperties(2, 2));
  }

  void Cell_Looks_Round_Trip() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.SetColors(1, 1, clRed);
    grid.SetColorsTo(1, 1, clBlue);
    grid.SetGradientDir(1, 1, GradientHorizontal);
    grid.SetFontColors(1, 1, clGreen);
    grid.SetFontStyles(1, 1, fsBold | fsItalic);
    grid.SetFontNames(1, 1, "Courier");
    grid.SetFontSizes(1, 1, 14);
    grid.SetAlignments(1, 1, taCenter);
    grid.SetReadOnly(1, 1, true);
    grid.SetWordWraps(1, 1, false);
    QCOMPARE(grid.Colors(1, 1), clRed);
    QCOMPARE(grid.ColorsTo(1, 1), clBlue);
    QCOMPARE(grid.GetGradientDir(1, 1), GradientHorizontal);
    QCOMPARE(grid.FontColors(1, 1), clGreen);
    QCOMPARE(grid.FontStyles(1, 1), TFontStyles(fsBold | fsItalic));
    QCOMPARE(grid.FontNames(1, 1), QString("Courier"));
    QCOMPARE(grid.FontSizes(1, 1), 14);
    QCOMPARE(grid.Alignments(1, 1), taCenter);
    QVERIFY(grid.ReadOnly(1, 1));
    QVERIFY(!grid.WordWraps(1, 1));
    const QFont font = grid.GetCellFont(1, 1);
    QCOMPARE(font.family(), QString("Courier"));
    QCOMPARE(font.pointSize(), 14);
    QVERIFY(font.bold() && font.italic() && !font.underline());
    QFont other("Serif", 11);
    other.setUnderline(true);
    grid.SetCellFont(2, 2, other, clMaroon);
    QCOMPARE(grid.FontNames(2, 2), QString("Serif"));
    QCOMPARE(grid.FontSizes(2, 2), 11);
    QCOMPARE(grid.FontStyles(2, 2), TFontStyles(fsUnderline));
    QCOMPARE(grid.FontColors(2, 2), clMaroon);
    grid.SetCellEx(3, 3, "a\r\nb\r\nc");
    QCOMPARE(grid.LinesInCell(3, 3), 3);
    QCOMPARE(grid.LinesInCell(4, 4), 1);
  }

  void Row_Colours_Cleared_Keep_What_Else_Cells_Hold() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.AddCheckBox(2, 3, true, false);
    grid.MergeCells(3, 3, 2, 1);
    grid.SetReadOnly(1, 3, true);
    grid.SetRowColor(3, clYellow);
    grid.SetRowColorTo(3, clAqua);
    grid.SetRowFontColor(3, clNavy);
    for (int c = grid.FixedCols(); c < grid.AllColCount(); ++c) {
      QCOMPARE(grid.Colors(c, 3), clYellow);
      QCOMPARE(grid.ColorsTo(c, 3), clAqua);
      QCOMPARE(grid.FontColors(c, 3), clNavy);
    }
    QCOMPARE(grid.Colors(0, 3), clNone);
    grid.SetRowColor(3, clNone);
    QCOMPARE(grid.Colors(2, 3), clNone);
    QCOMPARE(grid.ColorsTo(2, 3), clAqua);
    grid.SetRowColorTo(3, clNone);
    grid.SetRowFontColor(3, clNone);
    // Bare cells lose their properties; the check box, the merge and the
    // read-only flag stay.
    QVERIFY(!grid.HasCellProperties(4, 3) || grid.IsMergedCell(4, 3));
    QVERIFY(grid.HasCheckBox(2, 3));
    QVERIFY(grid.IsChecked(2, 3));
    QVERIFY(grid.IsMergedCell(3, 3));
    QCOMPARE(grid.CellSpan(3, 3), QPoint(1, 0));
    QVERIFY(grid.ReadOnly(1, 3));
    QCOMPARE(grid.FontColors(1, 3), clNone);
    // A row colour over a coloured cell clears only its own field.
    grid.SetColors(2, 5, clRed);
    grid.SetRowFontColor(5, clBlue);
    grid.SetRowFontColor(5, clNone);
    QCOMPARE(grid.Colors(2, 5), clRed);
    QVERIFY(!grid.HasCellProperties(3, 5));
  }

  void Row_Colours_Reach_Hidden_Columns() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.HideColumn(4);
    QCOMPARE(grid.AllColCount(), 5);
    grid.SetRowColor(2, clLime);
    QCOMPARE(grid.Colors(4, 2), clLime);
  }
};

QTEST_MAIN(GridCellAccessTest)
#include "grid_cell_access_test.moc"
