// The grid's workbook and document calls: workbooks from openpyxl read into
// the grid, sheets written into an existing workbook and checked by
// zipfile and ElementTree, the old binary twin of an .xlsx, tables in .docx
// documents, and the refusals that leave grid and files as they were.
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <pugixml.hpp>

#include "controls/format_settings.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/workbook/zip_package.h"

using namespace grid_workbook;

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");

QString Tool() { return qEnvironmentVariable("KELVRA_SOURCE_DIR") + "/tests/grid/workbook/workbook_tool.py"; }
QString Data(const QString& name) { return qEnvironmentVariable("KELVRA_TESTDATA") + "/workbook/" + name; }

// Runs the tool; its standard output, or a failure naming what it said.
QString Run_Tool(const QStringList& args) {
  QProcess p;
  p.start(Python, QStringList{Tool()} + args);
  if (!p.waitForFinished(60000) || p.exitCode() != 0)
    qFatal("workbook_tool.py %s failed: %s", qPrintable(args.join(' ')), p.readAllStandardError().constData());
  return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray File_Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Put_File(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// The cells of the grid, row by row, TAB between columns.
QString Cells(TZadIrururOziz& grid) {
  QStringList rows;
  for (int r = 0; r < grid.RowCount(); ++r) {
    QStringList row;
    for (int c = 0; c < grid.ColCount(); ++c) row << grid.GetGridCell(c, r);
    rows << row.join('\t');
  }
  return rows.join('\n');
}

// The document part of a .docx, parsed.
void Load_Document(const QString& path, pugi::xml_document& doc, QByteArray* bytes = nullptr) {
  const Package_Entries entries = Read_Package(File_Bytes(path));
  const QByteArray* part = Find_Entry(entries, "word/document.xml");
  QVERIFY(part);
  if (bytes) *bytes = *part;
  QVERIFY(doc.load_buffer(part->constData(), size_t(part->size())));
}

QString Text_Of(const pugi::xml_node& node) {
  QString text;
  for (const pugi::xpath_node& t : node.select_nodes(".//w:t")) text += QString::fromUtf8(t.node().text().get());
  return text;
}

}  // namespace

class GridWorkbookTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void used_range_into_data_cells_data() {
    QTest::addColumn<bool>("save_fixed");
    QTest::addColumn<QString>("cells");
    QTest::newRow("fixed cells not saved") << false << "\t\t\n\ttop left\t1.5\n\t12\tbottom right";
    QTest::newRow("fixed cells saved") << true << "top left\t1.5\n12\tbottom right";
  }
  void used_range_into_data_cells() {
    QFETCH(bool, save_fixed);
    QFETCH(QString, cells);
    QTemporaryDir dir;
    const QString path = dir.filePath("b3c4.xlsx");
    Run_Tool({"b3c4", path});
    TZadIrururOziz grid;
    grid.SetSaveFixedCells(save_fixed);
    int changed = 0;
    grid.OnCellsChanged = [&changed](TZadIrururOziz*, const TGridRect&) { ++changed; };
    grid.LoadFromXLS(path);
    QCOMPARE(Cells(grid), cells);
    QCOMPARE(grid.FixedCols(), save_fixed ? 1 : 1);
    QCOMPARE(grid.FixedRows(), 1);
    QCOMPARE(changed, 1);
    QVERIFY(!QGuiApplication::overrideCursor());
  }

  // Dates come as the grid's own date and time texts; a number in a date's
  // range but shown as a number stays a number.
  void dates_as_date_texts() {
    Format_Settings settings;
    settings.Short_Date_Format = "dd.mm.yyyy";
    settings.Date_Separator = '.';
    settings.Long_Time_Format = "hh:nn:ss";
    const Format_Settings_Scope scope(settings);
    QTemporaryDir dir;
    const QString path = dir.filePath("dates.xlsx");
    Run_Tool({"dates", path});
    TZadIrururOziz grid;
    grid.SetSaveFixedCells(true);
    grid.LoadFromXLS(path);
    QCOMPARE(Cells(grid), QString("11.12.2026\t11.12.2026 08:30:15\t14:05:00\t46367\t02.01.1999"));
  }

  void sheets_by_name_and_the_shown_one() {
    QTemporaryDir dir;
    const QString path = dir.filePath("two.xlsx");
    Run_Tool({"two-sheets", path});
    TZadIrururOziz grid;
    QCOMPARE(grid.GetXLSSheets(path), (QStringList{"One", "Two"}));
    grid.SetCellEx(2, 1, "old");  // where Two holds an error value
    grid.LoadFromXLS(path);
    QCOMPARE(Cells(grid), QString("\t\t\n\ttwo\t\n\tTrue\tafter"));
    grid.LoadFromXLSSheet(path, "One");
    QCOMPARE(Cells(grid), QString("\t\n\tone"));
    try {
      grid.LoadFromXLSSheet(path, "Three");
      QFAIL("no error");
    } catch (const VAzaZeriVader& e) {
      QCOMPARE(QString(e.what()), QString("Excel worksheet Three not found"));
    }
    QCOMPARE(Cells(grid), QString("\t\n\tone"));
    QVERIFY(!QGuiApplication::overrideCursor());
  }

  void sheet_added_to_a_workbook_and_read_back() {
    QTemporaryDir dir;
    const QString path = dir.filePath("book.xlsx");
    Run_Tool({"sheet1", path});
    TZadIrururOziz grid;
    grid.SetColCount(31);
    grid.SetRowCount(3);
    for (int r = 1; r < 3; ++r)
      for (int c = 1; c < 31; ++c) grid.SetCellEx(c, r, QStringLiteral("r%1c%2").arg(r).arg(c));
    grid.SetCellEx(1, 1, "two\r\nlines");
    grid.SetCellEx(2, 1, "");
    grid.SetCellEx(3, 1, "42");
    grid.SetCellEx(0, 1, "fixed, not saved");
    grid.SaveToXLSSheet(path, "Data");

    QStringList expected{"Sheet1,Data", "A1:AD2"};
    for (int r = 1; r < 3; ++r) {
      QStringList row;
      for (int c = 1; c < 31; ++c) {
        const QString t = grid.GetGridCell(c, r);
        if (!t.isEmpty()) row << QString(t).remove('\r');
      }
      expected << row.join('\t').replace("\n", "\\n");
    }
    expected << "keep" << "r2c30";
    QCOMPARE(Run_Tool({"check-data", path}).trimmed().split('\n'), expected);

    TZadIrururOziz back;
    back.LoadFromXLSSheet(path, "Data");
    QCOMPARE(back.ColCount(), 31);
    QCOMPARE(back.RowCount(), 3);
    for (int r = 1; r < 3; ++r)
      for (int c = 1; c < 31; ++c)
        QCOMPARE(back.GetGridCell(c, r), QString(grid.GetGridCell(c, r)).remove('\r'));
    // The other sheet is as openpyxl wrote it.
    back.LoadFromXLSSheet(path, "Sheet1");
    QCOMPARE(back.GetGridCell(1, 1), QString("keep"));
    QCOMPARE(back.RowCount(), 8);

    // Written again, smaller: cells outside the new range stay.
    TZadIrururOziz small;
    small.SetColCount(2);
    small.SetRowCount(2);
    small.SetCellEx(1, 1, "new");
    small.SaveToXLSSheet(path, "Data");
    back.LoadFromXLSSheet(path, "Data");
    QCOMPARE(back.GetGridCell(1, 1), QString("new"));
    QCOMPARE(back.GetGridCell(3, 1), QString("42"));
    QCOMPARE(back.GetGridCell(30, 2), QString("r2c30"));
  }

  void new_workbook_and_sheet_names() {
    QTemporaryDir dir;
    TZadIrururOziz grid;
    grid.SetCellEx(1, 1, "a");
    grid.SaveToXLS(dir.filePath("new.xlsx"));
    QCOMPARE(grid.GetXLSSheets(dir.filePath("new.xlsx")), QStringList{"Sheet1"});
    grid.SaveToXLSSheet(dir.filePath("named.xlsx"), "Mine");
    QCOMPARE(grid.GetXLSSheets(dir.filePath("named.xlsx")), QStringList{"Mine"});
    TZadIrururOziz back;
    back.LoadFromXLS(dir.filePath("named.xlsx"));
    QCOMPARE(back.GetGridCell(1, 1), QString("a"));
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.SaveToXLSSheet(dir.filePath("bad.xlsx"), "a/b"));
    QVERIFY(!QFile::exists(dir.filePath("bad.xlsx")));
  }

  void binary_workbook_reads_like_its_twin() {
    TZadIrururOziz xls, xlsx;
    QCOMPARE(xls.GetXLSSheets(Data("twin.xls")), (QStringList{"Front", "Back"}));
    QCOMPARE(xlsx.GetXLSSheets(Data("twin.xlsx")), (QStringList{"Front", "Back"}));
    xls.LoadFromXLS(Data("twin.xls"));
    xlsx.LoadFromXLS(Data("twin.xlsx"));
    QCOMPARE(Cells(xls), Cells(xlsx));
    QCOMPARE(Cells(xls), QString::fromUtf8("\t\t\t\n\tname\t42\t2.5\n\txé\t\t-7"));
    xls.LoadFromXLSSheet(Data("twin.xls"), "Back");
    QCOMPARE(Cells(xls), QString("\t\n\tback"));
  }

  void grid_as_a_new_document_table() {
    QTemporaryDir dir;
    const QString path = dir.filePath("t.docx");
    TZadIrururOziz grid;
    grid.SetColCount(2);
    grid.SetRowCount(3);
    grid.SetCellEx(0, 0, "head & <a>");
    grid.SetCellEx(1, 0, "right");
    grid.SetCellEx(0, 1, "two\r\nlines");
    grid.SetCellEx(1, 2, "centre");
    grid.OnGetAlignment = [](TZadIrururOziz*, int ARow, int ACol, TAlignment& HA, TVAlignment&) {
      if (ARow == 0 && ACol == 1) HA = taRightJustify;
      if (ARow == 2 && ACol == 1) HA = taCenter;
    };
    grid.SaveToDOC(path);
    pugi::xml_document doc;
    QByteArray part;
    Load_Document(path, doc, &part);
    Put_File(dir.filePath("document.xml"), part);
    QProcess lint;
    lint.start("xmllint", {"--noout", dir.filePath("document.xml")});
    QVERIFY(lint.waitForFinished(20000));
    QCOMPARE(lint.exitCode(), 0);

    QCOMPARE(doc.select_nodes("//w:tbl").size(), size_t(1));
    const pugi::xpath_node_set rows = doc.select_nodes("//w:tbl/w:tr");
    QCOMPARE(rows.size(), size_t(3));
    const char* texts[3][2] = {{"head & <a>", "right"}, {"twolines", ""}, {"", "centre"}};
    const char* aligns[3][2] = {{"", "right"}, {"", ""}, {"", "center"}};
    for (size_t r = 0; r < 3; ++r) {
      const pugi::xpath_node_set cells = rows[r].node().select_nodes("w:tc");
      QCOMPARE(cells.size(), size_t(2));
      for (size_t c = 0; c < 2; ++c) {
        QCOMPARE(Text_Of(cells[c].node()), QString(texts[r][c]));
        QCOMPARE(cells[c].node().select_node("w:p/w:pPr/w:jc/@w:val").attribute().value(), aligns[r][c]);
      }
    }
    QCOMPARE(rows[1].node().select_nodes("w:tc[1]/w:p").size(), size_t(2));
  }

  void table_at_a_bookmark_or_the_end() {
    QTemporaryDir dir;
    const QString path = dir.filePath("letter.docx");
    const QByteArray w = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";
    const QByteArray body =
        "<w:document " + w +
        "><w:body><w:p><w:r><w:t>before</w:t></w:r></w:p>"
        "<w:p><w:r><w:t>at</w:t></w:r><w:bookmarkStart w:id=\"0\" w:name=\"here\"/><w:bookmarkEnd w:id=\"0\"/></w:p>"
        "<w:p><w:r><w:t>after</w:t></w:r></w:p><w:sectPr/></w:body></w:document>";
    const Package_Entries entries{
        {"[Content_Types].xml", "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
        {"word/document.xml", body}};
    TZadIrururOziz grid;
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetCellEx(1, 1, "cell");

    auto order = [&]() {
      pugi::xml_document doc;
      Load_Document(path, doc);
      QStringList seen;
      for (pugi::xml_node n : doc.child("w:document").child("w:body").children())
        seen << (QString(n.name()) == "w:p" ? "p:" + Text_Of(n) : QString(n.name()));
      return seen;
    };
    Put_File(path, Write_Package(entries));
    grid.AppendToDoc(path, "here");
    QCOMPARE(order(), (QStringList{"p:before", "w:tbl", "p:at", "p:after", "w:sectPr"}));
    Put_File(path, Write_Package(entries));
    grid.AppendToDoc(path, "nowhere");
    QCOMPARE(order(), (QStringList{"p:before", "p:at", "p:after", "w:tbl", "p:", "w:sectPr"}));
    // The rest of the package is kept.
    QVERIFY(Find_Entry(Read_Package(File_Bytes(path)), "[Content_Types].xml"));
  }

  void refusals_leave_grid_and_files_alone_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");  // the file's bytes before; null: no file
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("message");
    const QByteArray compound = QByteArray::fromHex("D0CF11E0A1B11AE1") + QByteArray(504, '\0');
    const QByteArray damaged = QByteArray("PK\x03\x04", 4) + QByteArray(100, 'x');
    QTest::newRow("word .doc written") << "x.doc" << QByteArray() << "SaveToDOC" << "Word OLE server not found";
    QTest::newRow("word .doc appended") << "x.doc" << compound << "AppendToDoc" << "Word OLE server not found";
    QTest::newRow("binary doc named docx") << "x.docx" << compound << "AppendToDoc" << "Word OLE server not found";
    QTest::newRow("damaged docx") << "x.docx" << damaged << "AppendToDoc" << "Incorrect DOC file";
    QTest::newRow("database table") << "x.mdb" << QByteArray() << "LoadFromMDBTable" << "Database OLE server not found";
    QTest::newRow("database query") << "x.mdb" << QByteArray() << "LoadFromMDBSQL" << "Database OLE server not found";
    QTest::newRow("damaged xlsx read") << "x.xlsx" << damaged << "LoadFromXLS" << "Incorrect XLS file";
    QTest::newRow("damaged xlsx sheets") << "x.xlsx" << damaged << "GetXLSSheets" << "Incorrect XLS file";
    QTest::newRow("damaged xls read") << "x.xls" << compound << "LoadFromXLS" << "Incorrect XLS file";
    QTest::newRow("damaged xlsx written") << "x.xlsx" << damaged << "SaveToXLSSheet" << "Incorrect XLS file";
    QTest::newRow("xls written") << "x.xls" << QByteArray() << "SaveToXLS" << "Excel OLE server not found";
    QTest::newRow("missing file") << "none.xlsx" << QByteArray() << "LoadFromXLS" << "File";
  }
  void refusals_leave_grid_and_files_alone() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, call);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    if (!content.isNull()) Put_File(path, content);
    TZadIrururOziz grid;
    grid.SetCellEx(1, 1, "kept");
    const QString before = Cells(grid);
    const std::map<QString, std::function<void()>> calls{
        {"SaveToDOC", [&] { grid.SaveToDOC(path); }},
        {"AppendToDoc", [&] { grid.AppendToDoc(path, "b"); }},
        {"LoadFromMDBTable", [&] { grid.LoadFromMDBTable(path, "T"); }},
        {"LoadFromMDBSQL", [&] { grid.LoadFromMDBSQL(path, "SELECT 1"); }},
        {"LoadFromXLS", [&] { grid.LoadFromXLS(path); }},
        {"GetXLSSheets", [&] { grid.GetXLSSheets(path); }},
        {"SaveToXLSSheet", [&] { grid.SaveToXLSSheet(path, "S"); }},
        {"SaveToXLS", [&] { grid.SaveToXLS(path); }},
    };
    try {
      calls.at(call)();
      QFAIL("no error");
    } catch (const std::runtime_error& e) {
      QVERIFY2(QString(e.what()).startsWith(message), e.what());
    }
    QCOMPARE(Cells(grid), before);
    QCOMPARE(File_Bytes(path), content.isNull() ? QByteArray() : content);
    QCOMPARE(QFile::exists(path), !content.isNull());
    QVERIFY(!QGuiApplication::overrideCursor());
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  GridWorkbookTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "grid_workbook_test.moc"
