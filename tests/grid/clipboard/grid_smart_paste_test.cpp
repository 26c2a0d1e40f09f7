// Pasting into a selection: one value filling it, date, number and integer
// series, repetition, blocks repeated over rows and columns, and the plain
// paste when the smart clipboard is off.
#include <QApplication>
#include <QClipboard>
#include <QtTest>

#include "controls/format_settings.h"
#include "grid/core/zad_irurur_oziz.h"

namespace {

void Setup(TZadIrururOziz& grid, int cols, int rows) {
  grid.SetFixedRows(0);
  grid.SetFixedCols(0);
  grid.SetColCount(cols);
  grid.SetRowCount(rows);
  grid.SetOptions(grid.Options() | goEditing);
  grid.Navigation().SetAllowSmartClipboard(true);
}

QStringList Column(TZadIrururOziz& grid, int c, int from, int to) {
  QStringList texts;
  for (int r = from; r <= to; ++r) texts << grid.GetCellEx(c, r);
  return texts;
}

QStringList Row(TZadIrururOziz& grid, int r, int from, int to) {
  QStringList texts;
  for (int c = from; c <= to; ++c) texts << grid.GetCellEx(c, r);
  return texts;
}

Format_Settings Day_First() {
  Format_Settings fs;
  fs.Date_Separator = u'/';
  fs.Short_Date_Format = QStringLiteral("dd/mm/yyyy");
  fs.Decimal_Separator = u'.';
  return fs;
}

}  // namespace

class GridSmartPasteTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void column_series_data() {
    QTest::addColumn<QString>("clip");
    QTest::addColumn<int>("cells");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one value") << "7" << 10 << QStringList(10, QStringLiteral("7"));
    QTest::newRow("one value, final break") << "7\r\n" << 3 << QStringList{"7", "7", "7"};
    QTest::newRow("integers") << "1\r\n3\r\n" << 6 << QStringList{"1", "3", "5", "7", "9", "11"};
    QTest::newRow("integers, no final break") << "10\n8" << 4 << QStringList{"10", "8", "6", "4"};
    QTest::newRow("numbers") << "0.5\r\n1.25\r\n" << 4 << QStringList{"0.50", "1.25", "2.00", "2.75"};
    QTest::newRow("month ends") << "31/01/2021\r\n31/03/2021\r\n" << 5
                                << QStringList{"31/01/2021", "31/03/2021", "31/05/2021", "31/07/2021", "30/09/2021"};
    QTest::newRow("months keep the day") << "31/10/2021\r\n30/11/2021\r\n" << 3
                                         << QStringList{"31/10/2021", "30/11/2021", "30/12/2021"};
    QTest::newRow("days") << "30/12/2021\r\n31/12/2021\r\n" << 3
                          << QStringList{"30/12/2021", "31/12/2021", "01/01/2022"};
    QTest::newRow("repeated texts") << "a\r\nb\r\nc\r\n" << 7 << QStringList{"a", "b", "c", "a", "b", "c", "a"};
    QTest::newRow("bad date ends the series") << "31/01/2021\r\n99/99/2021\r\n" << 4
                                              << QStringList{"31/01/2021", "99/99/2021", "", ""};
  }
  void column_series() {
    QFETCH(QString, clip);
    QFETCH(int, cells);
    QFETCH(QStringList, expected);
    Format_Settings_Scope scope(Day_First());
    TZadIrururOziz grid;
    Setup(grid, 2, 12);
    QGuiApplication::clipboard()->setText(clip);
    grid.SelectCells(1, 1, 1, cells);
    grid.PasteSelectionFromClipboard();
    QCOMPARE(Column(grid, 1, 1, cells), expected);
    QCOMPARE(grid.GetCellEx(1, cells + 1), QString());
    QCOMPARE(grid.GetCellEx(0, 1), QString());
  }

  void row_repetition_and_blocks() {
    TZadIrururOziz grid;
    Setup(grid, 8, 4);
    QGuiApplication::clipboard()->setText(QStringLiteral("a\tb\tc"));
    grid.SelectCells(1, 0, 6, 0);
    grid.PasteSelectionFromClipboard();
    QCOMPARE(Row(grid, 0, 0, 7), (QStringList{"", "a", "b", "c", "a", "b", "c", ""}));

    // A one-row block is pasted again on every row of a larger selection.
    QGuiApplication::clipboard()->setText(QStringLiteral("x\ty\r\n"));
    grid.SelectCells(1, 1, 2, 3);
    grid.PasteSelectionFromClipboard();
    for (int r = 1; r <= 3; ++r) QCOMPARE(Row(grid, r, 1, 2), (QStringList{"x", "y"}));
    QCOMPARE(grid.Selection(), (TGridRect{1, 1, 2, 3}));

    // A one-column block on every column.
    QGuiApplication::clipboard()->setText(QStringLiteral("p\r\nq\r\n"));
    grid.SelectCells(4, 1, 6, 2);
    grid.PasteSelectionFromClipboard();
    for (int c = 4; c <= 6; ++c) QCOMPARE(Column(grid, c, 1, 2), (QStringList{"p", "q"}));
  }

  void plain_paste_and_events() {
    TZadIrururOziz grid;
    Setup(grid, 2, 6);
    grid.Navigation().SetAllowSmartClipboard(false);
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    grid.SelectCells(0, 0, 0, 3);
    grid.PasteSelectionFromClipboard();
    QCOMPARE(Column(grid, 0, 0, 3), (QStringList{"7", "", "", ""}));

    // The fill asks for every cell but the first and skips read-only ones.
    grid.Navigation().SetAllowSmartClipboard(true);
    grid.OnCanEditCell = [](TZadIrururOziz*, int ARow, int, bool& CanEdit) { CanEdit = ARow != 2; };
    QList<int> asked;
    grid.OnClipboardBeforePasteCell = [&](TZadIrururOziz*, int, int ARow, QString& Value, bool& Allow) {
      asked << ARow;
      if (ARow == 3) Allow = false;
      if (ARow == 4) Value = QStringLiteral("changed");
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("5"));
    grid.SelectCells(1, 0, 1, 4);
    grid.PasteSelectionFromClipboard();
    QCOMPARE(Column(grid, 1, 0, 4), (QStringList{"5", "5", "", "", "changed"}));
    QCOMPARE(asked, (QList<int>{0, 1, 3, 4}));  // the paste itself asks for row 0
  }
};

QTEST_MAIN(GridSmartPasteTest)
#include "grid_smart_paste_test.moc"
