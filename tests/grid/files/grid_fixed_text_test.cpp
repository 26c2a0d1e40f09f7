// Fixed-width files and the column-aligned export: cut and padded fields,
// widths appended to the caller's list, positions sorted, line limits, the
// refused position lists, and aligned texts with continuation lines.
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include "file_test_support.h"
#include "grid/core/zad_irurur_oziz.h"

namespace {

void Plain(TZadIrururOziz& grid, int cols, int rows) {
  grid.SetFixedCols(0);
  grid.SetFixedRows(0);
  grid.SetColCount(cols);
  grid.SetRowCount(rows);
}

}  // namespace

class GridFixedTextTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void fixed_widths_cut_and_pad() {
    QTemporaryDir dir;
    const QString path = dir.filePath("f.txt");
    TZadIrururOziz grid;
    Plain(grid, 2, 1);
    grid.SetCellEx(0, 0, "abcdefg");
    grid.SetCellEx(1, 0, "xy");
    TIntList widths(0, 0);
    widths.Add(5);
    widths.Add(3);
    grid.SaveToFixed(path, widths);
    QCOMPARE(File_Bytes(path), QByteArray("abcdexy \r\n"));

    TIntList positions(0, 0);
    for (int p : {9, 1, 6}) positions.Add(p);
    TZadIrururOziz back;
    Plain(back, 1, 1);
    back.LoadFromFixed(path, positions, true, -1);
    QCOMPARE(positions.StrValue(), QString("1,6,9"));
    QCOMPARE(back.ColCount(), 2);
    QCOMPARE(back.GetGridCell(0, 0), QString("abcde"));
    QCOMPARE(back.GetGridCell(1, 0), QString("xy"));
  }

  void missing_widths_appended() {
    QTemporaryDir dir;
    const QString path = dir.filePath("w.txt");
    TZadIrururOziz grid;
    Plain(grid, 3, 2);
    grid.SetCellEx(0, 0, "abc");
    grid.SetCellEx(1, 1, "a\r\nb");
    grid.SetCellEx(2, 0, "z");
    TIntList widths(0, 0);
    widths.Add(2);
    widths.Add(4);
    grid.SaveToFixed(path, widths);
    // The third column's width is its longest text + 1; the two-line text
    // goes out with a blank for its line break.
    QCOMPARE(widths.StrValue(), QString("2,4,2"));
    QCOMPARE(File_Bytes(path), QByteArray("ab    z \r\n  a b   \r\n"));
  }

  void max_rows_data() {
    QTest::addColumn<int>("max_rows");
    QTest::addColumn<int>("lines_read");
    QTest::newRow("every line") << -1 << 5;
    QTest::newRow("none asked, one read") << 0 << 1;
    QTest::newRow("three") << 3 << 3;
  }
  void max_rows() {
    QFETCH(int, max_rows);
    QFETCH(int, lines_read);
    QTemporaryDir dir;
    const QString path = dir.filePath("m.txt");
    Put_File(path, "r1\r\nr2\r\nr3\r\nr4\r\nr5\r\n");
    TIntList positions(0, 0);
    positions.Add(1);
    positions.Add(3);
    TZadIrururOziz grid;
    Plain(grid, 1, 1);
    grid.LoadFromFixed(path, positions, false, max_rows);
    QCOMPARE(grid.RowCount(), lines_read);
    QCOMPARE(grid.GetGridCell(0, lines_read - 1), QString("r%1").arg(lines_read));
  }

  void bad_positions_change_nothing_data() {
    QTest::addColumn<QList<int>>("positions");
    QTest::newRow("one") << QList<int>{1};
    QTest::newRow("below 1") << QList<int>{0, 4};
  }
  void bad_positions_change_nothing() {
    QFETCH(QList<int>, positions);
    QTemporaryDir dir;
    const QString path = dir.filePath("b.txt");
    Put_File(path, "abc\r\n");
    TIntList list(0, 0);
    for (int p : positions) list.Add(p);
    TZadIrururOziz grid;
    Plain(grid, 4, 3);
    grid.SetCellEx(0, 0, "keep");
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.LoadFromFixed(path, list, true, -1));
    QCOMPARE(grid.ColCount(), 4);
    QCOMPARE(grid.GetGridCell(0, 0), QString("keep"));
  }

  void aligned_export() {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.txt");
    TZadIrururOziz grid;
    Plain(grid, 2, 2);
    grid.SetCellEx(0, 0, "a");
    grid.SetCellEx(0, 1, "bbb");
    grid.SetCellEx(1, 0, "q\r\nrr");
    grid.SetCellEx(1, 1, "s");
    grid.PaintLook().Multilinecells = true;
    grid.OnGetAlignment = [](TZadIrururOziz*, int ARow, int ACol, TAlignment& HA, TVAlignment&) {
      if (ACol == 0 && ARow == 0) HA = taRightJustify;
    };
    grid.SaveToASCII(path);
    QCOMPARE(File_Bytes(path), QByteArray("  a q  \r\n    rr\r\nbbb s  \r\n"));
    grid.AppendToASCII(path);
    QCOMPARE(File_Bytes(path).count("bbb"), 2);
  }

  void centred_text_fills_its_width() {
    QTemporaryDir dir;
    const QString path = dir.filePath("c.txt");
    TZadIrururOziz grid;
    Plain(grid, 1, 2);
    grid.SetCellEx(0, 0, "ab");
    grid.SetCellEx(0, 1, "12345");
    grid.OnGetAlignment = [](TZadIrururOziz*, int ARow, int, TAlignment& HA, TVAlignment&) {
      if (ARow == 0) HA = taCenter;
    };
    grid.SaveToASCII(path);
    QCOMPARE(File_Bytes(path), QByteArray(" ab   \r\n12345 \r\n"));
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  GridFixedTextTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "grid_fixed_text_test.moc"
