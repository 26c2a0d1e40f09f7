// CSV files: the quoting and line coding of values (checked against
// Python's csv module too), delimiter detection, row counts after a read,
// insertion under a visible footer row, appending and Java-style files.
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "file_test_support.h"
#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"

namespace {

// One row of data cells, no fixed cells.
void Row(TZadIrururOziz& grid, const QStringList& texts) {
  grid.SetFixedCols(0);
  grid.SetFixedRows(0);
  grid.SetColCount(int(texts.size()));
  grid.SetRowCount(1);
  for (int c = 0; c < texts.size(); ++c) grid.SetCellEx(c, 0, texts[c]);
}

void Plain(TZadIrururOziz& grid) {
  grid.SetFixedCols(0);
  grid.SetFixedRows(0);
}

}  // namespace

class GridCsvTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void quoting_and_line_coding() {
    QTemporaryDir dir;
    const QString path = dir.filePath("q.csv");
    TZadIrururOziz grid;
    Row(grid, {"a;b", "say \"hi\"", "x\r\ny"});
    grid.SetDelimiter(u';');
    grid.SaveToCSV(path);
    QCOMPARE(File_Bytes(path), QByteArray("\"a;b\";\"say \"\"hi\"\"\";\"x\x0By\"\r\n"));

    // Another reader sees the same three values.
    QProcess python;
    python.start("python3", {"-c",
                             "import csv,sys\n"
                             "r=list(csv.reader(open(sys.argv[1],newline='',encoding='cp1252'),delimiter=';'))\n"
                             "print(repr(r))",
                             path});
    QVERIFY(python.waitForFinished(20000));
    QCOMPARE(python.readAllStandardOutput().trimmed(), QByteArray("[['a;b', 'say \"hi\"', 'x\\x0by']]"));

    TZadIrururOziz back;
    Plain(back);
    back.SetDelimiter(u';');
    back.LoadFromCSV(path);
    QCOMPARE(back.GetGridCell(0, 0), QString("a;b"));
    QCOMPARE(back.GetGridCell(1, 0), QString("say \"hi\""));
    QCOMPARE(back.GetGridCell(2, 0), QString("x\r\ny"));
  }

  // Values that the plain rules would split over lines or fields come back
  // whole.
  void round_trips_data() {
    QTest::addColumn<bool>("always");
    QTest::addColumn<bool>("java");
    QTest::addColumn<QString>("text");
    QTest::newRow("always quotes, two lines") << true << false << "x\r\ny";
    QTest::newRow("quote and two lines") << false << false << "\"q\"\r\nz";
    QTest::newRow("lone LF") << false << false << "p\nq";
    QTest::newRow("java, delimiter") << false << true << "a,b";
    QTest::newRow("leading quote") << false << false << "\"x";
    QTest::newRow("empty") << true << false << "";
  }
  void round_trips() {
    QFETCH(bool, always);
    QFETCH(bool, java);
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString path = dir.filePath("r.csv");
    TZadIrururOziz grid;
    Row(grid, {"first", text, "last"});
    grid.SetAlwaysQuotes(always);
    grid.SetJavaCSV(java);
    grid.SaveToCSV(path, true);
    QVERIFY(File_Bytes(path).startsWith("\xEF\xBB\xBF"));
    QCOMPARE(File_Bytes(path).count("\r\n"), 1);
    TZadIrururOziz back;
    Plain(back);
    back.SetColCount(1);
    back.SetJavaCSV(java);
    back.SetDelimiter(u',');
    back.LoadFromCSV(path);
    QCOMPARE(back.ColCount(), 3);
    QString expected = text;
    if (text == "p\nq") expected = "p\r\nq";  // the lone break comes back as a line break
    QCOMPARE(back.GetGridCell(1, 0), expected);
    QCOMPARE(back.GetGridCell(2, 0), QString("last"));
  }

  void detection_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("first_row");
    QTest::newRow("same count in both lines") << QByteArray("a;b;c\r\n1;2;3\r\n") << QStringList{"a", "b", "c"};
    QTest::newRow("most in one line") << QByteArray("a,b;c;d\r\n") << QStringList{"a,b", "c", "d"};
    QTest::newRow("quoted comma") << QByteArray("\"x,y\"|z\r\n1|2\r\n") << QStringList{"x,y", "z"};
    QTest::newRow("no candidate") << QByteArray("one field\r\n") << QStringList{"one field"};
  }
  void detection() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, first_row);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TZadIrururOziz grid;
    Plain(grid);
    grid.SetColCount(1);
    grid.LoadFromCSVStream(buffer);
    QCOMPARE(grid.ColCount(), first_row.size());
    for (int c = 0; c < first_row.size(); ++c) QCOMPARE(grid.GetGridCell(c, 0), first_row[c]);
    QVERIFY(grid.Delimiter().isNull());
  }

  void counts_after_read() {
    QTemporaryDir dir;
    const QString path = dir.filePath("c.csv");
    Put_File(path, "h1,h2\r\n1,2\r\n3,4\r\n5,6\r\n");
    TZadIrururOziz grid;
    grid.SetColCount(5);
    grid.SetRowCount(50);
    grid.SetFixedFooters(1);
    grid.SetLoadFirstRow(false);
    grid.LoadFromCSV(path, 2);
    // One fixed row, two lines read, one footer; the columns never shrink.
    QCOMPARE(grid.RowCount(), 4);
    QCOMPARE(grid.ColCount(), 5);
    QCOMPARE(grid.GetGridCell(2, 2), QString("4"));
    QCOMPARE(grid.GetGridCell(1, 1), QString("1"));
  }

  void unclosed_quote_reads_empty() {
    QByteArray bytes("\"abc,def,ghi\r\n");
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TZadIrururOziz grid;
    Plain(grid);
    grid.SetDelimiter(u',');
    grid.LoadFromCSVStream(buffer);
    // The text up to the next delimiter goes with the empty field.
    QCOMPARE(grid.GetGridCell(0, 0), QString());
    QCOMPARE(grid.GetGridCell(1, 0), QString("def"));
    QCOMPARE(grid.GetGridCell(2, 0), QString("ghi"));
  }

  void insert_keeps_footer_row_last() {
    QTemporaryDir dir;
    const QString path = dir.filePath("i.csv");
    Put_File(path, "n1,m1\r\nn2,m2\r\n");
    TZadIrururOziz grid;
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.SetCellEx(1, 1, "old");
    grid.SetCellEx(1, 3, "Total");
    grid.SetCellEx(2, 3, "42");
    grid.FloatingFooter().SetVisible(true);
    grid.InsertFromCSV(path);
    QCOMPARE(grid.RowCount(), 6);
    QCOMPARE(grid.GetGridCell(1, 1), QString("old"));
    QCOMPARE(grid.GetGridCell(1, 3), QString("n1"));
    QCOMPARE(grid.GetGridCell(2, 4), QString("m2"));
    QCOMPARE(grid.GetGridCell(1, 5), QString("Total"));
    QCOMPARE(grid.GetGridCell(2, 5), QString("42"));
  }

  void append_keeps_encoding_and_lines() {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.csv");
    Put_File(path, "\xEF\xBB\xBFold,line\r\n");
    TZadIrururOziz grid;
    Row(grid, {QString::fromUtf8("é"), "2"});
    grid.AppendToCSV(path, false);
    QCOMPARE(File_Bytes(path), QByteArray("\xEF\xBB\xBFold,line\r\n\xC3\xA9,2\r\n"));
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.AppendToCSV(dir.filePath("missing.csv")));
    QVERIFY(!QFile::exists(dir.filePath("missing.csv")));
  }

  // Equal cells down a column hold one text, as read from a CSV file and
  // from the grid's own file, and every cell still reads its own value.
  void repeated_cells_share_their_text() {
    QTemporaryDir dir;
    TZadIrururOziz grid;
    Plain(grid);
    grid.SetColCount(2);
    grid.SetRowCount(3);
    for (int r = 0; r < 3; ++r) {
      grid.SetCellEx(0, r, QString::number(r));
      grid.SetCellEx(1, r, r < 2 ? "kWh" : "m3");
    }
    grid.SaveToCSV(dir.filePath("r.csv"));
    grid.SaveToFile(dir.filePath("r.grd"));
    for (int kind = 0; kind < 2; ++kind) {
      TZadIrururOziz back;
      Plain(back);
      back.SetColCount(2);
      back.SetLoadFirstRow(true);
      if (kind == 0)
        back.LoadFromCSV(dir.filePath("r.csv"));
      else
        back.LoadFromFile(dir.filePath("r.grd"));
      QCOMPARE(back.GetGridCell(1, 0), QString("kWh"));
      QCOMPARE(back.GetGridCell(1, 1), QString("kWh"));
      QCOMPARE(back.GetGridCell(1, 2), QString("m3"));
      QCOMPARE(back.GetGridCell(0, 2), QString("2"));
      QCOMPARE(back.Store().Text(1, 0).constData(), back.Store().Text(1, 1).constData());
    }
  }

  void empty_inputs() {
    QTemporaryDir dir;
    const QString path = dir.filePath("e.csv");
    Put_File(path, "");
    TZadIrururOziz grid;
    grid.SetRowCount(7);
    grid.LoadFromCSV(path);
    QCOMPARE(grid.RowCount(), 7);
    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    try {
      grid.LoadFromCSVStream(empty);
      QFAIL("no error");
    } catch (const VAzaZeriVader& e) {
      QCOMPARE(QString(e.what()), QString("File is empty"));
    }
  }

  // A large save goes to the file in blocks; an event that fails half-way
  // (after blocks have gone out) leaves the old file whole and no temporary
  // file beside it, and a save that ends puts every row in place.
  void failed_large_save_keeps_the_old_file() {
    QTemporaryDir dir;
    const QString path = dir.filePath("big.csv");
    TZadIrururOziz grid;
    Plain(grid);
    grid.SetColCount(2);
    grid.SetRowCount(60000);
    for (int r = 0; r < grid.RowCount(); ++r) {
      grid.SetCellEx(0, r, QString::number(r));
      grid.SetCellEx(1, r, QString(20, QChar('x')));
    }
    grid.SaveToCSV(path);
    const QByteArray old = File_Bytes(path);
    QCOMPARE(old.count('\n'), 60000);
    grid.OnSaveCell = [](TZadIrururOziz*, int, int ARow, QString&) {
      if (ARow == 59000) throw std::runtime_error("cell refused");
    };
    bool thrown = false;
    try {
      grid.SaveToCSV(path);
    } catch (const std::runtime_error&) {
      thrown = true;
    }
    QVERIFY(thrown);
    QCOMPARE(File_Bytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"big.csv"});
  }

  // A cell that starts with U+FEFF is written after the file's own mark and
  // must not be taken for a second one when read.
  void leading_byte_order_mark_character_comes_back() {
    QTemporaryDir dir;
    const QString path = dir.filePath("bom.csv");
    TZadIrururOziz grid;
    const QString text = QString(QChar(0xFEFF)) + "kWh";
    Row(grid, {text, "b"});
    grid.SaveToCSV(path, true);
    TZadIrururOziz back;
    Plain(back);
    back.SetColCount(2);
    back.SetLoadFirstRow(true);
    back.LoadFromCSV(path);
    QCOMPARE(back.GetGridCell(0, 0), text);
    QCOMPARE(back.GetGridCell(1, 0), QString("b"));
  }

  void java_style_values() {
    QTemporaryDir dir;
    const QString path = dir.filePath("j.csv");
    TZadIrururOziz grid;
    Row(grid, {"", "a\r\nb"});
    grid.SetJavaCSV(true);
    grid.SaveToCSV(path);
    QCOMPARE(File_Bytes(path), QByteArray("^,a~b\r\n"));
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  GridCsvTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "grid_csv_test.moc"
