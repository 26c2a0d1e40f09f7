// XML export and import: the exact document, the encodings and character
// references, names refused before writing, reading back, attributes and
// titles, and broken documents that leave the grid as it was.
#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "file_test_support.h"
#include "grid/core/zad_irurur_oziz.h"

namespace {

// 2 x 2, one fixed row; row 1 holds the two texts.
void Fill(TZadIrururOziz& grid, const QString& a, const QString& b) {
  grid.SetColCount(2);
  grid.SetRowCount(2);
  grid.SetFixedCols(0);
  grid.SetFixedRows(1);
  grid.SetCellEx(0, 1, a);
  grid.SetCellEx(1, 1, b);
}

}  // namespace

class GridXmlTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void document_and_read_back() {
    QTemporaryDir dir;
    const QString path = dir.filePath("l.xml");
    TZadIrururOziz grid;
    Fill(grid, "a & b", "<x>");
    grid.SaveToXML(path, "LIST", "REC", nullptr, false);
    QCOMPARE(File_Bytes(path), QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<LIST>\r\n<REC>\r\n"
                                          "<FIELD0>a $amp; b</FIELD0>\r\n<FIELD1>&lt;x&gt;</FIELD1>\r\n"
                                          "</REC>\r\n</LIST>\r\n"));
    QProcess lint;
    lint.start("xmllint", {"--noout", path});
    QVERIFY(lint.waitForFinished(20000));
    QCOMPARE(lint.exitCode(), 0);

    TZadIrururOziz back;
    back.SetFixedCols(0);
    back.LoadFromXML(path);
    QCOMPARE(back.ColCount(), 2);
    QCOMPARE(back.RowCount(), 2);
    QCOMPARE(back.GetGridCell(0, 1), QString("a & b"));
    QCOMPARE(back.GetGridCell(1, 1), QString("<x>"));
  }

  void encodings_data() {
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("latin-1") << "ISO-8859-1" << QByteArray("<FIELD0>\xE9</FIELD0>\r\n<FIELD1>&#8364;</FIELD1>");
    QTest::newRow("windows-1252") << "Windows-1252" << QByteArray("<FIELD0>\xE9</FIELD0>\r\n<FIELD1>\x80</FIELD1>");
    QTest::newRow("utf-8") << "UTF-8" << QByteArray("<FIELD0>\xC3\xA9</FIELD0>\r\n<FIELD1>\xE2\x82\xAC</FIELD1>");
  }
  void encodings() {
    QFETCH(QString, encoding);
    QFETCH(QByteArray, field);
    QTemporaryDir dir;
    const QString path = dir.filePath("e.xml");
    TZadIrururOziz grid;
    Fill(grid, QString::fromUtf8("é"), QString::fromUtf8("€"));
    grid.SetXMLEncoding(encoding);
    grid.SaveToXML(path, "L", "R", nullptr, false);
    QVERIFY(File_Bytes(path).contains(field));
    TZadIrururOziz back;
    back.SetFixedCols(0);
    back.LoadFromXML(path);
    QCOMPARE(back.GetGridCell(0, 1), QString::fromUtf8("é"));
    QCOMPARE(back.GetGridCell(1, 1), QString::fromUtf8("€"));
  }

  void multi_line_and_ampersand_texts_return() {
    QTemporaryDir dir;
    const QString path = dir.filePath("m.xml");
    TZadIrururOziz grid;
    Fill(grid, "one\r\ntwo", "&gt;\"");
    grid.SaveToXML(path, "L", "R", nullptr, false);
    TZadIrururOziz back;
    back.SetFixedCols(0);
    back.LoadFromXML(path);
    QCOMPARE(back.GetGridCell(0, 1), QString("one\r\ntwo"));
    QCOMPARE(back.GetGridCell(1, 1), QString(">\""));
  }

  void names_refused_before_writing() {
    QTemporaryDir dir;
    const QString path = dir.filePath("n.xml");
    Put_File(path, "old");
    TZadIrururOziz grid;
    Fill(grid, "a", "b");
    const QStringList names{"good", "1bad"};
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.SaveToXML(path, "L", "R", &names, false));
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.SaveToXML(path, "L L", "R", nullptr, false));
    QCOMPARE(File_Bytes(path), QByteArray("old"));
  }

  void empty_and_merged_cells() {
    QTemporaryDir dir;
    const QString path = dir.filePath("c.xml");
    TZadIrururOziz grid;
    grid.SetColCount(3);
    grid.SetRowCount(2);
    grid.SetFixedCols(0);
    grid.SetFixedRows(1);
    grid.SetCellEx(0, 1, "m");
    grid.MergeCells(0, 1, 2, 1);
    grid.SetQuoteEmptyCells(true);
    const QStringList names{"A", "B", "C"};
    grid.SaveToXML(path, "L", "R", &names, true);
    const QByteArray bytes = File_Bytes(path);
    QVERIFY(bytes.contains("<A>m</A>"));
    QVERIFY(!bytes.contains("<B>"));
    QVERIFY(bytes.contains("<C>&quot;&quot;</C>"));
  }

  void attributes_and_titles() {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.xml");
    Put_File(path, "<list><item id=\"7\" kind=\"x\"/><item id=\"8\" kind=\"y\"/></list>");
    TZadIrururOziz grid;
    grid.SetFixedCols(0);
    grid.SetFixedRows(1);
    grid.SetSaveFixedRows(true);
    grid.LoadFromXML(path, true, true);
    QCOMPARE(grid.GetGridCell(0, 0), QString("id"));
    QCOMPARE(grid.GetGridCell(1, 0), QString("kind"));
    QCOMPARE(grid.GetGridCell(0, 1), QString("7"));
    QCOMPARE(grid.GetGridCell(1, 1), QString("x"));
    QCOMPARE(grid.GetGridCell(1, 2), QString("y"));
  }

  void broken_documents_change_nothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("unclosed") << QByteArray("<a>\n<b>x</b>\n") << "XMLDOM Parsing error";
    QTest::newRow("empty") << QByteArray("") << "XMLDOM Parsing error";
  }
  void broken_documents_change_nothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("b.xml");
    Put_File(path, bytes);
    TZadIrururOziz grid;
    Fill(grid, "keep", "this");
    try {
      grid.LoadFromXML(path);
      QFAIL("no error");
    } catch (const VAzaZeriVader& e) {
      QVERIFY2(QString(e.what()).startsWith(message), e.what());
    }
    QCOMPARE(grid.GetGridCell(0, 1), QString("keep"));
    QCOMPARE(grid.ColCount(), 2);
    try {
      grid.LoadFromXML(dir.filePath("none.xml"));
      QFAIL("no error");
    } catch (const VAzaZeriVader& e) {
      QCOMPARE(QString(e.what()), QString("XML file not found"));
    }
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  GridXmlTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "grid_xml_test.moc"
