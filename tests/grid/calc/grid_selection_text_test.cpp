// Selection services: whether a cell is selected under each selection mode,
// the selected cells' texts, and running numbers down columns and rows.
#include <QApplication>
#include <QTextDocument>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// Three columns, five rows, one fixed row and column; the normal cells hold
// a1, b1 .. in columns 1 and 2.
void Fill(TZadIrururOziz& grid) {
  grid.SetColCount(3);
  grid.SetRowCount(5);
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  for (int r = 1; r < 5; ++r) {
    grid.SetCellEx(1, r, QStringLiteral("a%1").arg(r));
    grid.SetCellEx(2, r, QStringLiteral("b%1").arg(r));
  }
}

QStringList Column_Texts(TZadIrururOziz& grid, int c) {
  QStringList texts;
  for (int r = 0; r < grid.RowCount(); ++r) texts << grid.GetCellEx(c, r);
  return texts;
}

}  // namespace

class GridSelectionTextTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void is_selected_by_mode() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.SelectCells(1, 1, 2, 2);
    QVERIFY(grid.IsSelected(1, 1) && grid.IsSelected(2, 2));
    QVERIFY(!grid.IsSelected(1, 3));
    QVERIFY(!grid.IsSelected(0, 1));  // fixed column
    QVERIFY(!grid.IsSelected(1, 0));  // fixed row

    grid.MouseActions().SetDisjunctRowSelect(true);
    grid.SetRowSelect(3, true);
    QVERIFY(grid.IsSelected(2, 3));
    QVERIFY(!grid.IsSelected(1, 1));
    QVERIFY(!grid.IsSelected(0, 3));
    grid.HideRow(2);  // display row 2 is real row 3
    grid.MouseActions().SetRowSelectPersistent(true);
    QVERIFY(grid.IsSelected(1, 2));
    QVERIFY(!grid.IsSelected(1, 3));
    grid.UnHideRowsAll();
    grid.MouseActions().SetRowSelectPersistent(false);
    grid.MouseActions().SetDisjunctRowSelect(false);

    grid.MouseActions().SetDisjunctColSelect(true);
    grid.SetColSelect(2, true);
    QVERIFY(grid.IsSelected(2, 4));
    QVERIFY(!grid.IsSelected(1, 1));
    QVERIFY(!grid.IsSelected(2, 0));
    grid.MouseActions().SetDisjunctColSelect(false);

    grid.MouseActions().SetDisjunctCellSelect(true);
    grid.SetSelectedCells(2, 4, true);
    QVERIFY(grid.IsSelected(2, 4));
    QVERIFY(!grid.IsSelected(1, 1));
  }

  void selected_text_of_a_block() {
    TZadIrururOziz grid;
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetCellEx(0, 0, "a");
    grid.SetCellEx(1, 0, "b");
    grid.SetCellEx(0, 1, "c");
    grid.SetCellEx(1, 1, "d");
    grid.SelectCells(0, 0, 1, 1);
    QCOMPARE(grid.SelectedText(), QString("a\tb\r\nc\td"));
    grid.SelectCells(1, 1, 1, 1);
    QCOMPARE(grid.SelectedText(), QString("d"));
  }

  void selected_text_of_disjunct_rows() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.MouseActions().SetDisjunctRowSelect(true);
    grid.SetRowSelect(1, true);
    grid.SetRowSelect(3, true);
    grid.SelectCells(1, 1, 2, 1);
    QCOMPARE(grid.SelectedText(), QString("a1\tb1\r\na3\tb3"));
    grid.SelectCells(1, 3, 2, 3);
    QCOMPARE(grid.SelectedText(), QString("a1\tb1\r\na3\tb3"));
  }

  void entire_rows_when_row_select_drags_them() {
    TZadIrururOziz grid;
    Fill(grid);
    grid.SetCellEx(0, 2, "#2");
    grid.SetOptions(grid.Options() | goRowSelect);
    grid.SelectCells(1, 2, 1, 2);
    grid.DragDropSettings().SetOleEntireRows(true);
    QCOMPARE(grid.SelectedText(), QString("#2\ta2\tb2"));
    grid.DragDropSettings().SetOleEntireRows(false);
    QVERIFY(!grid.SelectedText().startsWith("#2"));
  }

  void hidden_columns_give_the_shown_columns_texts() {
    TZadIrururOziz grid;
    grid.SetColCount(3);
    grid.SetRowCount(1);
    grid.SetCellEx(0, 0, "x");
    grid.SetCellEx(1, 0, "hidden");
    grid.SetCellEx(2, 0, "z");
    grid.HideColumn(1);
    grid.SelectCells(0, 0, 1, 0);
    QCOMPARE(grid.SelectedText(), QString("x\tz"));
  }

  void multi_line_and_rich_cells() {
    TZadIrururOziz grid;
    grid.SetColCount(2);
    grid.SetRowCount(1);
    grid.SetCellEx(0, 0, "x\r\ny");
    QTextDocument doc;
    doc.setPlainText("rich");
    grid.RichToCell(1, 0, doc);
    QVERIFY(grid.GetCellEx(1, 0).contains("{\\"));
    grid.SelectCells(0, 0, 1, 0);
    QCOMPARE(grid.SelectedText(), QString("x\r\ny\trich"));
    grid.SetExcelClipboardFormat(true);
    grid.PaintLook().Multilinecells = true;
    QCOMPARE(grid.SelectedText(), QString("\"x\x0By\"\trich"));
  }

  void auto_number_column_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<int>("footers");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("ascending") << 0 << 0 << false << 0 << QStringList{"h", "1", "2", "3", "4"};
    QTest::newRow("descending") << 0 << 0 << true << 0 << QStringList{"h", "4", "3", "2", "1"};
    QTest::newRow("start 2") << 2 << 0 << false << 0 << QStringList{"h", "", "", "3", "4"};
    QTest::newRow("start 2 descending") << 2 << 0 << true << 0 << QStringList{"h", "4", "3", "", ""};
    QTest::newRow("offset") << 0 << 10 << false << 0 << QStringList{"h", "11", "12", "13", "14"};
    QTest::newRow("footer left out") << 0 << 0 << false << 1 << QStringList{"h", "1", "2", "3", ""};
  }
  void auto_number_column() {
    QFETCH(int, start);
    QFETCH(int, offset);
    QFETCH(bool, descending);
    QFETCH(int, footers);
    QFETCH(QStringList, expected);
    TZadIrururOziz grid;
    grid.SetColCount(2);
    grid.SetRowCount(5);
    grid.SetFixedRows(1);
    grid.SetFixedFooters(footers);
    grid.SetCellEx(1, 0, "h");
    grid.SetAutoNumberStart(start);
    grid.SetAutoNumberOffset(offset);
    grid.SetAutoNumberDirection(descending ? sdDescending : sdAscending);
    grid.AutoNumberCol(1);
    QCOMPARE(Column_Texts(grid, 1), expected);
  }

  void auto_number_row() {
    TZadIrururOziz grid;
    grid.SetColCount(6);
    grid.SetRowCount(2);
    grid.SetFixedCols(1);
    grid.SetFixedRightCols(1);
    auto row = [&] {
      QStringList texts;
      for (int c = 0; c < grid.ColCount(); ++c) texts << grid.GetCellEx(c, 1);
      return texts;
    };
    grid.AutoNumberRow(1);
    QCOMPARE(row(), QStringList({"", "1", "2", "3", "4", ""}));
    grid.SetAutoNumberStart(1);
    grid.SetAutoNumberDirection(sdDescending);
    grid.ClearRows(1, 1);
    grid.AutoNumberRow(1);
    QCOMPARE(row(), QStringList({"", "4", "3", "2", "", ""}));
  }

  void wide_cells() {
    TZadIrururOziz grid;
    grid.SetColCount(2);
    grid.SetRowCount(2);
    const QString text = QString::fromUtf8("Zähler Ω 計");
    grid.SetWideCells(1, 1, text);
    QCOMPARE(grid.GetWideCells(1, 1), text);
    QCOMPARE(grid.GetCellEx(1, 1), text);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  GridSelectionTextTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "grid_selection_text_test.moc"
