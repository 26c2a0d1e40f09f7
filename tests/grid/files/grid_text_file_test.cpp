// The save range and the grid's own text form: the exact file and stream
// bytes, line coding of multi-line texts, the header check that leaves the
// grid alone, and several grids in one stream.
#include <QApplication>
#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include "file_test_support.h"
#include "grid/core/zad_irurur_oziz.h"

namespace {

// 3 x 3, one fixed row and column, widths 64 and 80 for the data columns.
void Fill(TZadIrururOziz& grid) {
  grid.SetColCount(3);
  grid.SetRowCount(3);
  grid.SetFixedCols(1);
  grid.SetFixedRows(1);
  grid.SetColWidths(1, 64);
  grid.SetColWidths(2, 80);
  grid.SetCellEx(1, 1, "a");
  grid.SetCellEx(1, 2, "x\r\ny");
  grid.SetCellEx(2, 2, "c,d");
}

}  // namespace

class GridTextFileTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void save_range_follows_fixed_settings() {
    TZadIrururOziz grid;
    grid.SetColCount(6);
    grid.SetRowCount(8);
    grid.SetFixedCols(1);
    grid.SetFixedRows(2);
    grid.SetFixedRightCols(1);
    grid.SetFixedFooters(1);
    QCOMPARE((QList<int>{grid.SaveStartCol(), grid.SaveEndCol(), grid.SaveColCount()}), (QList<int>{1, 4, 4}));
    QCOMPARE((QList<int>{grid.SaveStartRow(), grid.SaveEndRow(), grid.SaveRowCount()}), (QList<int>{2, 6, 5}));
    grid.SetSaveFixedCols(true);
    QCOMPARE((QList<int>{grid.SaveStartCol(), grid.SaveEndCol(), grid.SaveStartRow()}), (QList<int>{0, 5, 2}));
    grid.SetSaveFixedCols(false);
    grid.SetSaveFixedCells(true);
    QCOMPARE((QList<int>{grid.SaveStartCol(), grid.SaveEndCol(), grid.SaveStartRow(), grid.SaveEndRow()}),
             (QList<int>{0, 5, 0, 7}));
  }

  void file_bytes_and_read_back() {
    QTemporaryDir dir;
    const QString path = dir.filePath("g.txt");
    TZadIrururOziz grid;
    Fill(grid);
    std::vector<int> progress;
    grid.OnFileProgress = [&](TZadIrururOziz*, int p) { progress.push_back(p); };
    grid.SaveToFile(path);
    QCOMPARE(File_Bytes(path), QByteArray("2,2\r\ncw 1,64\r\ncw 2,80\r\n1,1,a\r\n1,2,x\x09\x08y\r\n2,2,c,d\r\n"));
    QCOMPARE(progress, (std::vector<int>{0, 100}));

    for (const bool multi : {true, false}) {
      TZadIrururOziz other;
      other.SetFixedCols(1);
      other.SetFixedRows(1);
      other.PaintLook().Multilinecells = multi;
      other.LoadFromFile(path);
      QCOMPARE(other.ColCount(), 3);
      QCOMPARE(other.RowCount(), 3);
      QCOMPARE(other.ColWidths(2), 80);
      QCOMPARE(other.GetGridCell(1, 1), QString("a"));
      QCOMPARE(other.GetGridCell(1, 2), multi ? QString("x\r\ny") : QString("x"));
      QCOMPARE(other.GetGridCell(2, 2), QString("c,d"));
    }
  }

  // A line break without CR stays inside its cell: the file keeps one line
  // per cell and the text comes back whole.
  void bare_line_feed_round_trip() {
    QTemporaryDir dir;
    const QString path = dir.filePath("lf.txt");
    TZadIrururOziz grid;
    grid.SetColCount(2);
    grid.SetRowCount(3);
    grid.SetCellEx(1, 1, "first\nsecond");
    grid.SetCellEx(1, 2, "after");
    grid.SaveToFile(path);
    QVERIFY(!File_Bytes(path).contains("\nsecond"));
    TZadIrururOziz other;
    other.PaintLook().Multilinecells = true;
    other.LoadFromFile(path);
    QCOMPARE(other.GetGridCell(1, 1), QString("first\nsecond"));
    QCOMPARE(other.GetGridCell(1, 2), QString("after"));
  }

  void unicode_file_is_utf16_with_mark() {
    QTemporaryDir dir;
    const QString path = dir.filePath("u.txt");
    TZadIrururOziz grid;
    grid.SetColCount(1);
    grid.SetRowCount(1);
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    grid.SetCellEx(0, 0, QString::fromUtf8("€ж"));
    grid.SaveToFile(path, true);
    const QByteArray bytes = File_Bytes(path);
    QVERIFY(
        bytes.startsWith("\xFF\xFE"
                         "1\0,\0"
                         "1\0"));
    TZadIrururOziz other;
    other.SetFixedCols(0);
    other.SetFixedRows(0);
    other.LoadFromFile(path);
    QCOMPARE(other.GetGridCell(0, 0), QString::fromUtf8("€ж"));
  }

  // Lenient numbers, lines without commas, cells and widths outside the
  // grid.
  void lenient_lines() {
    QTemporaryDir dir;
    const QString path = dir.filePath("l.txt");
    Put_File(path, " $3,2x\r\ncw 1,50\r\ncw 9,70\r\nabc\r\n2,1,k,l\r\n7,1,far\r\n");
    TZadIrururOziz grid;
    grid.SetSaveFixedCells(true);
    grid.LoadFromFile(path);
    QCOMPARE(grid.ColCount(), 3);
    QCOMPARE(grid.RowCount(), 2);
    QCOMPARE(grid.ColWidths(1), 50);
    QCOMPARE(grid.GetGridCell(0, 0), QString("abc"));
    QCOMPARE(grid.GetGridCell(2, 1), QString("k,l"));
  }

  void corrupt_header_leaves_grid_unchanged_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("negative") << QByteArray("-5,3\r\n0,0,x\r\n");
    QTest::newRow("no columns") << QByteArray("0,5\r\n");
    QTest::newRow("huge") << QByteArray("99999999,1\r\n");
    QTest::newRow("no comma") << QByteArray("7\r\n");
  }
  void corrupt_header_leaves_grid_unchanged() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.txt");
    Put_File(path, bytes);
    TZadIrururOziz grid;
    Fill(grid);
    try {
      grid.LoadFromFile(path);
      QFAIL("no error");
    } catch (const VAzaZeriVader& e) {
      QCOMPARE(QString(e.what()), "File contains no data or corrupt file " + path);
    }
    QCOMPARE(grid.ColCount(), 3);
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(grid.GetGridCell(1, 1), QString("a"));
  }

  void empty_cells_write_widths_only() {
    QTemporaryDir dir;
    const QString path = dir.filePath("e.txt");
    TZadIrururOziz grid;
    grid.SetColCount(2);
    grid.SetRowCount(1);
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    grid.SetColWidths(0, 33);
    grid.SetColWidths(1, 44);
    grid.SaveToFile(path);
    QCOMPARE(File_Bytes(path), QByteArray("2,1\r\ncw 0,33\r\ncw 1,44\r\n"));
  }

  void two_grids_in_one_stream() {
    TZadIrururOziz first, second;
    Fill(first);
    second.SetColCount(2);
    second.SetRowCount(2);
    second.SetFixedCols(0);
    second.SetFixedRows(0);
    second.SetCellEx(1, 1, "z");
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    first.SaveToStream(buffer);
    second.SaveToStream(buffer);
    // UTF-16 lines, no mark: the first line is "2,2" CR LF.
    QVERIFY(
        buffer.buffer().startsWith(QByteArray("2\0,\0"
                                              "2\0\r\0\n\0",
                                              10)));
    buffer.seek(0);
    TZadIrururOziz a, b;
    a.PaintLook().Multilinecells = true;
    a.SetFixedCols(1);
    a.SetFixedRows(1);
    a.LoadFromStream(buffer);
    b.SetFixedCols(0);
    b.SetFixedRows(0);
    b.LoadFromStream(buffer);
    QVERIFY(buffer.atEnd());
    QCOMPARE(a.ColCount(), 3);
    QCOMPARE(a.GetGridCell(1, 2), QString("x\r\ny"));
    QCOMPARE(a.GetGridCell(2, 2), QString("c,d"));
    QCOMPARE(b.ColCount(), 2);
    QCOMPARE(b.GetGridCell(1, 1), QString("z"));
  }

  void stream_numbers_are_strict() {
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    const QString text = QStringLiteral("1,1\r\ncw 9,40\r\n0,x0,bad\r\n");
    buffer.write(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    buffer.seek(0);
    TZadIrururOziz grid;
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.LoadFromStream(buffer));
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  GridTextFileTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "grid_text_file_test.moc"
