// HTML export: the whole text of a small grid, the TABLE line, blank and
// merged cells, links, colours and classes, the header row, the XHTML file
// checked by xmllint, picture files, 7-bit and UTF-8 files, appending,
// header and footer files and the preview.
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "grid/core/cell_picture.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/files/grid_html_export.h"

namespace {

// c x r normal cells, no fixed cells, a 10-point font, no word wrap.
void Setup(TZadIrururOziz& grid, int cols, int rows) {
  grid.SetFixedRows(0);
  grid.SetFixedCols(0);
  grid.SetColCount(cols);
  grid.SetRowCount(rows);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSize(10);
  grid.SetGridFont(font);
  grid.SetWordWrap(false);
}

QString Style(const QString& decl) { return QStringLiteral("font-size:10pt;font-family: ") + QFont(QStringLiteral("DejaVu Sans")).family() + decl; }

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class GridHtmlExportTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void whole_text_of_plain_cells() {
    TZadIrururOziz grid;
    Setup(grid, 2, 2);
    grid.SetCellEx(0, 0, QStringLiteral("a"));
    grid.SetCellEx(1, 0, QStringLiteral("b"));
    grid.SetCellEx(0, 1, QStringLiteral("c"));
    grid.SetCellEx(1, 1, QStringLiteral("d"));
    const QString td = QStringLiteral("<TD class=\"c0\" nowrap>%1</td>\r\n");
    const QString expected = QStringLiteral("<style>\r\n.c0 {") + Style(QStringLiteral(";vertical-align: top")) +
                             QStringLiteral("}\r\n</style>\r\n") +
                             QStringLiteral("<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\"  WIDTH=\"100%\">\r\n") +
                             QStringLiteral("<TR>\r\n") + td.arg("a") + td.arg("b") + QStringLiteral("</TR>\r\n") +
                             QStringLiteral("<TR>\r\n") + td.arg("c") + td.arg("d") + QStringLiteral("</TR>\r\n") +
                             QStringLiteral("</TABLE>\r\n");
    QCOMPARE(SaveToHTMLString(grid, QString()), expected);
  }

  void table_line_data() {
    QTest::addColumn<int>("border");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<int>("padding");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << 1 << 0 << 2 << "" << ""
                           << "<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"2\"  WIDTH=\"100%\">";
    QTest::newRow("summary and style")
        << 0 << 3 << 4 << "Sum" << "class=\"t\""
        << "<TABLE BORDER=\"0\" CELLSPACING=\"3\" CELLPADDING=\"4\" SUMMARY=\"Sum\"  class=\"t\"  WIDTH=\"100%\">";
  }
  void table_line() {
    QFETCH(int, border);
    QFETCH(int, spacing);
    QFETCH(int, padding);
    QFETCH(QString, summary);
    QFETCH(QString, style);
    QFETCH(QString, line);
    TZadIrururOziz grid;
    Setup(grid, 1, 1);
    grid.HTMLSettings().SetBorderSize(border);
    grid.HTMLSettings().SetCellSpacing(spacing);
    grid.HTMLSettings().SetCellPadding(padding);
    grid.HTMLSettings().SetSummary(summary);
    grid.HTMLSettings().SetTableStyle(style);
    QVERIFY(SaveToHTMLString(grid, QString()).split(QStringLiteral("\r\n")).contains(line));
  }

  void cell_contents() {
    TZadIrururOziz grid;
    Setup(grid, 3, 3);
    grid.SetCellEx(0, 0, QStringLiteral("   "));
    grid.SetCellEx(0, 1, QStringLiteral("wide"));
    grid.MergeCells(0, 1, 2, 2);
    grid.SetCellEx(2, 1, QStringLiteral("http://x.org"));
    grid.SetCellEx(2, 2, QStringLiteral("mailto:me@x.org"));
    grid.SetCellEx(2, 0, QStringLiteral("x\r\ny"));
    QString html = SaveToHTMLString(grid, QString());
    QVERIFY(html.contains(QStringLiteral("<TD class=\"c0\" nowrap>&nbsp;</td>\r\n")));  // blanks
    QVERIFY(html.contains(QStringLiteral("<TD class=\"c0\" nowrap>&nbsp;</td>\r\n<TD class=\"c0\" nowrap>&nbsp;</td>")));
    QVERIFY(html.contains(QStringLiteral("<TD class=\"c0\" COLSPAN=\"2\" ROWSPAN=\"2\" nowrap>wide</td>\r\n"
                                         "<TD class=\"c0\" nowrap>http://x.org</td>\r\n</TR>")));
    QVERIFY(html.contains(QStringLiteral(">x<br>\ny</td>")));
    QCOMPARE(html.count(QStringLiteral("<TD")), 3 + 2 + 1);  // the merge covers three cells

    grid.SetURLShow(true);
    html = SaveToHTMLString(grid, QString());
    QVERIFY(html.contains(QStringLiteral("><a href=\"http://x.org\">x.org</a></td>")));
    QVERIFY(html.contains(QStringLiteral("><a href=\"mailto:me@x.org\">me@x.org</a></td>")));
    grid.SetURLFull(true);
    QVERIFY(SaveToHTMLString(grid, QString()).contains(QStringLiteral("<a href=\"http://x.org\">http://x.org</a>")));

    // Special characters and blanks in body cells.
    grid.SetCellEx(1, 0, QStringLiteral("a <b> & c"));
    QVERIFY(SaveToHTMLString(grid, QString()).contains(QStringLiteral(">a <b> & c</td>")));
    grid.HTMLSettings().SetConvertSpecialChars(true);
    grid.HTMLSettings().SetNonBreakingText(true);
    QVERIFY(SaveToHTMLString(grid, QString()).contains(QStringLiteral(">a&nbsp;&lt;b&gt;&nbsp;&amp;&nbsp;c</td>")));
  }

  void colours_classes_and_header() {
    TZadIrururOziz grid;
    Setup(grid, 2, 3);
    grid.SetFixedRows(1);
    grid.SetFixedColor(TColor(0x00C0C0C0));
    grid.SetCellEx(0, 0, QStringLiteral("H"));
    grid.SetColors(0, 1, TColor(0x000000FF));      // red
    grid.SetFontColors(0, 1, TColor(0x00FF0000));  // blue
    grid.SetFontStyles(0, 1, fsBold);
    grid.SetAlignments(1, 2, taRightJustify);
    grid.HTMLSettings().ColWidths().Clear();
    grid.HTMLSettings().ColWidths().Add(40);
    QString html = SaveToHTMLString(grid, QString());
    // No header row without SaveFixedRows: the body starts at row 1.
    QVERIFY(!html.contains(QStringLiteral(">H</td>")));
    QVERIFY(html.contains(QStringLiteral(".c0 {background-color: #FF0000;color: #0000FF;") + Style(QString()).replace(
                                             QStringLiteral(";font-family"), QStringLiteral(";font-weight: bold;font-family")) +
                          QStringLiteral(";vertical-align: top}")));
    QVERIFY(html.contains(QStringLiteral("<TD class=\"c0\" nowrap width=40>")));
    QVERIFY(html.contains(QStringLiteral(".c1 {") + Style(QStringLiteral(";vertical-align: top}"))));
    QVERIFY(html.contains(QStringLiteral(".c2 {") + Style(QStringLiteral(";text-align: right;vertical-align: top}"))));
    grid.HTMLSettings().SetSaveColor(false);
    QVERIFY(!SaveToHTMLString(grid, QString()).contains(QStringLiteral("color")));
    grid.HTMLSettings().SetSaveColor(true);

    grid.SetSaveFixedRows(true);
    html = SaveToHTMLString(grid, QString());
    QVERIFY(html.contains(QStringLiteral("<TR>\r\n<TD class=\"c0\" nowrap WIDTH=40>H</td>")));
    QVERIFY(html.startsWith(QStringLiteral("<style>\r\n.c0 {background-color: #C0C0C0;")));
    QVERIFY(!html.contains(QStringLiteral("width=40")));  // no body widths under a header row
  }

  void xhtml_file_is_well_formed() {
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty()) QSKIP("xmllint is not installed");
    QTemporaryDir dir;
    TZadIrururOziz grid;
    Setup(grid, 3, 3);
    grid.SetFixedRows(1);
    grid.SetSaveFixedRows(true);
    grid.SetCellEx(0, 0, QStringLiteral("a<b"));
    grid.SetCellEx(0, 1, QStringLiteral("<b>bold</b> & \"q\" é"));
    grid.SetCellEx(1, 1, QStringLiteral("two\r\nlines"));
    grid.SetCellEx(2, 1, QStringLiteral("http://x.org/?a=1&b=2"));
    grid.SetURLShow(true);
    grid.MergeCells(0, 2, 1, 0);
    QList<QImage> images{QImage(4, 4, QImage::Format_RGB32)};
    images[0].fill(Qt::green);
    grid.SetGridImages(&images);
    grid.AddImageIdx(2, 2, 0, haLeft, vaTop);
    grid.HTMLSettings().SetXHTML(true);
    grid.HTMLSettings().SetSummary(QStringLiteral("a \"b\""));
    grid.HTMLSettings().SetNonBreakingText(true);
    const QString path = dir.filePath(QStringLiteral("grid.html"));
    SaveToHTML(grid, path, false, true);
    QProcess lint;
    lint.start(xmllint, {QStringLiteral("--noout"), path});
    QVERIFY(lint.waitForFinished());
    QCOMPARE(QString::fromUtf8(lint.readAllStandardError()), QString());
    QCOMPARE(lint.exitCode(), 0);
    const QByteArray bytes = Read(path);
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"));
    QVERIFY(bytes.contains("\xC3\xA9"));  // UTF-8
    QVERIFY(bytes.contains("<img src=\"file://" + dir.path().toUtf8() + "/images/img0.jpg\" alt=\"\" />"));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("images/img0.jpg"))));
  }

  // Bitmap and picture cells go out as their text followed by their image,
  // numbered on from the same counter; a cell without its image keeps its text.
  void bitmap_and_picture_cells_as_images() {
    QTemporaryDir dir;
    TZadIrururOziz grid;
    Setup(grid, 3, 1);
    grid.SetCellEx(0, 0, QStringLiteral("meter"));
    grid.SetCellEx(1, 0, QStringLiteral("photo"));
    grid.SetCellEx(2, 0, QStringLiteral("none"));
    QImage* bitmap = grid.CreateBitmap(0, 0, false, haLeft, vaTop);
    *bitmap = QImage(6, 3, QImage::Format_RGB32);
    bitmap->fill(Qt::red);
    TPicture* picture = grid.CreatePicture(1, 0, false, noStretch, 0, haLeft, vaTop);
    QImage blue(5, 5, QImage::Format_ARGB32);
    blue.fill(Qt::blue);
    picture->SetGraphic(blue);
    grid.CreatePicture(2, 0, false, noStretch, 0, haLeft, vaTop);
    const QString html = SaveToHTMLString(grid, dir.path() + QLatin1Char('/'));
    const QString img = QStringLiteral("<img src= \"file://") + dir.path() + QStringLiteral("/images/img%1.jpg\">");
    QVERIFY2(html.contains(QStringLiteral("meter") + img.arg(0)), qPrintable(html));
    QVERIFY(html.contains(QStringLiteral("photo") + img.arg(1)));
    QVERIFY(html.contains(QStringLiteral(">none</td>")));
    QCOMPARE(QImage(dir.filePath(QStringLiteral("images/img0.jpg"))).size(), QSize(6, 3));
    QCOMPARE(QImage(dir.filePath(QStringLiteral("images/img1.jpg"))).size(), QSize(5, 5));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("images/img2.jpg"))));
  }

  void files_encodings_and_preview() {
    QTemporaryDir dir;
    TZadIrururOziz grid;
    Setup(grid, 1, 1);
    grid.SetCellEx(0, 0, QStringLiteral("\u00E9\u20AC\U0001F600"));
    QStringList opened;
    SetHTMLOpener([&](const QString& FileName) { opened << FileName; });
    const QString path = dir.filePath(QStringLiteral("out.html"));
    SaveToHTML(grid, path);
    QVERIFY(Read(path).contains(">&#233;&#8364;&#128512;</td>"));
    QVERIFY(opened.isEmpty());
    SaveToHTML(grid, path, true, true);
    QVERIFY(Read(path).contains(QStringLiteral(">\u00E9\u20AC\U0001F600</td>").toUtf8()));
    QCOMPARE(opened, QStringList{path});

    // Header and footer files around the table; appending keeps what was there.
    QFile head(dir.filePath(QStringLiteral("head.txt")));
    QVERIFY(head.open(QIODevice::WriteOnly));
    head.write("<html><body>\n");
    head.close();
    grid.HTMLSettings().SetHeaderFile(head.fileName());
    grid.HTMLSettings().SetAutoPreview(true);
    AppendToHTML(grid, path);
    const QByteArray appended = Read(path);
    QCOMPARE(appended.count("<TABLE"), 2);
    QVERIFY(appended.indexOf("<html><body>\r\n<style>") > appended.indexOf("</TABLE>"));
    QCOMPARE(opened.size(), 2);
    SetHTMLOpener(nullptr);

    // A missing footer file fails and leaves the file as it was.
    grid.HTMLSettings().SetFooterFile(dir.filePath(QStringLiteral("missing.txt")));
    QVERIFY_THROWS_EXCEPTION(std::exception, SaveToHTML(grid, path));
    QCOMPARE(Read(path), appended);
  }

  void images_folder_that_cannot_be_made() {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("images")));  // a file where the folder should go
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TZadIrururOziz grid;
    Setup(grid, 1, 1);
    QList<QImage> images{QImage(2, 2, QImage::Format_RGB32)};
    grid.SetGridImages(&images);
    grid.AddImageIdx(0, 0, 0, haLeft, vaTop);
    try {
      SaveToHTMLString(grid, dir.path() + QLatin1Char('/'));
      QFAIL("no error");
    } catch (const std::exception& e) {
      QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Cannot create ") + dir.path() + QStringLiteral("/images"));
    }
    grid.HTMLSettings().SetExportImages(false);
    QVERIFY(SaveToHTMLString(grid, dir.path() + QLatin1Char('/')).contains(QStringLiteral("&nbsp;</td>")));
  }
};

QTEST_MAIN(GridHtmlExportTest)
#include "grid_html_export_test.moc"
