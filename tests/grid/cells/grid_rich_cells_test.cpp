// Rich-text cells of the string grid: stored as 7-bit RTF so every
// character survives, read back one byte per character, painted with their
// looks (and in the selection text colour when selected) and measured.
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

// Pixels of the rectangle for which the test holds.
template <typename F>
int Count(const QImage& image, const QRect& r, F f) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (f(QColor(image.pixel(x, y)))) ++n;
  return n;
}

bool Dark(const QColor& c) { return c.red() < 100 && c.green() < 100 && c.blue() < 100; }
bool Reddish(const QColor& c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; }

QString Rich(const QString& text, bool bold) {
  return bold ? "{\\rtf1\\ansi{\\b " + text + "}}" : "{\\rtf1\\ansi " + text + "}";
}

QRect Cell_Rect(TZadIrururOziz& grid, int c, int r) {
  const TRect t = grid.CellRect(c, r);
  return QRect(t.Left, t.Top, t.Width(), t.Height()).translated(grid.viewport()->pos());
}

}  // namespace

class GridRichCellsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void Looks_And_Characters_Survive_The_Cell() {
    TZadIrururOziz grid;
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.insertText("x", bold);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    c.insertText("y", red);
    c.insertText(QString::fromUtf8(" é€ 中"), QTextCharFormat());
    grid.RichToCell(1, 1, doc);
    const QString stored = grid.GetCellEx(1, 1);
    QVERIFY(stored.startsWith("{\\rtf"));
    for (const QChar ch : stored) QVERIFY(ch.unicode() < 128);

    QTextDocument back;
    grid.CellToRich(1, 1, back);
    QCOMPARE(back.toPlainText(), QString::fromUtf8("xy é€ 中"));
    QTextCursor at(&back);
    at.setPosition(1);
    QCOMPARE(at.charFormat().fontWeight(), int(QFont::Bold));
    at.setPosition(2);
    QCOMPARE(at.charFormat().foreground().color(), QColor(255, 0, 0));
    QVERIFY(at.charFormat().fontWeight() != QFont::Bold);
  }

  void Cell_Bytes_Are_Low_Bytes() {
    TZadIrururOziz grid;
    // An 8-bit stream as older cells hold it.
    grid.SetCellEx(1, 1, QString::fromLatin1("{\\rtf1\\ansi caf\xe9}"));
    QTextDocument doc;
    grid.CellToRich(1, 1, doc);
    QCOMPARE(doc.toPlainText(), QString::fromUtf8("café"));
    // A character above 255 keeps only its low byte.
    grid.SetCellEx(1, 2, "{\\rtf1 x" + QString(QChar(0x4142)) + "}");
    grid.CellToRich(1, 2, doc);
    QCOMPARE(doc.toPlainText(), QString("xB"));
    // An empty cell empties the editor.
    grid.CellToRich(1, 3, doc);
    QVERIFY(doc.isEmpty());
  }

  void Bold_Rich_Text_Paints_Bold() {
    TZadIrururOziz grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetColWidths(1, 150);
    grid.SetColWidths(2, 150);
    grid.resize(400, 150);
    grid.SetCellEx(1, 1, Rich("MMMMMMMM", true));
    grid.SetCellEx(2, 1, Rich("MMMMMMMM", false));
    grid.FocusCell(1, 2);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QImage image = grid.grab().toImage();
    const int bold = Count(image, Cell_Rect(grid, 1, 1), Dark);
    const int plain = Count(image, Cell_Rect(grid, 2, 1), Dark);
    QVERIFY2(plain > 20, qPrintable(QString::number(plain)));
    QVERIFY2(bold > plain * 5 / 4, qPrintable(QString("%1 vs %2").arg(bold).arg(plain)));
  }

  void Selected_Rich_Text_Takes_The_Selection_Text_Colour() {
    TZadIrururOziz grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetColWidths(1, 150);
    grid.resize(400, 150);
    grid.SetCellEx(1, 1, Rich("MMMMMMMM", true));
    grid.SetSelectionColor(clWhite);
    grid.SetSelectionTextColor(clRed);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.SetSelectionRect(TGridRect{1, 1, 2, 2});
    QImage image = grid.grab().toImage();
    QVERIFY(Count(image, Cell_Rect(grid, 1, 1), Reddish) > 20);
    grid.SetSelectionRTFKeep(true);
    image = grid.grab().toImage();
    QCOMPARE(Count(image, Cell_Rect(grid, 1, 1), Reddish), 0);
    QVERIFY(Count(image, Cell_Rect(grid, 1, 1), Dark) > 20);
  }

  // A grid with rich-text cells, row colours and zoom, saved for looking
  // at (grid_rich_cells.png in the temporary folder).
  void Showcase_Picture() {
    TZadIrururOziz grid;
    grid.SetColCount(4);
    grid.SetRowCount(6);
    grid.resize(520, 230);
    for (int c = 1; c < 4; ++c) grid.SetColWidths(c, 140);
    grid.SetColumnHeaders({"", "Rich", "Plain", "Coloured"});
    grid.SetCellEx(1, 1, "{\\rtf1{\\colortbl ;\\red200\\green0\\blue0;}{\\b Bold} and {\\cf1\\i red}}");
    grid.SetCellEx(1, 2, "{\\rtf1 x{\\super 2} + H{\\sub 2}O {\\ul under}}");
    grid.SetCellEx(1, 3, "{\\rtf1 {\\fs32 Big} {\\strike gone} \\u20013?\\u25991?}");
    grid.SetCellEx(2, 1, "plain text");
    grid.SetCellEx(3, 3, "row colour");
    grid.SetRowColor(3, clYellow);
    grid.SetRowFontColor(3, clNavy);
    grid.SetRowColor(4, clAqua);
    grid.Zoom(4);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.SetSelectionRect(TGridRect{1, 2, 1, 2});
    const QImage image = grid.grab().toImage();
    QVERIFY(image.save(QDir::temp().filePath("grid_rich_cells.png")));
    QVERIFY(Count(image, Cell_Rect(grid, 3, 3), [](const QColor& c) { return c == QColor(255, 255, 0); }) > 100);
  }

  void Rich_Text_Is_Measured_By_Its_Looks() {
    TZadIrururOziz grid;
    grid.SetColCount(3);
    grid.SetGridWordWrap(false);
    grid.SetCellEx(1, 1, Rich("MMMM", false));
    grid.SetCellEx(2, 1, "{\\rtf1 {\\fs72 MMMM}}");
    grid.SetCellEx(1, 2, "{\\rtf1 one\\par two}");
    const QSize small = grid.GetCellTextSize(1, 1, false, false);
    const QSize large = grid.GetCellTextSize(2, 1, false, false);
    const QSize lines = grid.GetCellTextSize(1, 2, false, false);
    QVERIFY(small.width() > 10 && small.height() > 4);
    QVERIFY(large.width() > small.width() * 2);
    QVERIFY(large.height() > small.height() * 2);
    QVERIFY(lines.height() > small.height() + 5);
  }
};

QTEST_MAIN(GridRichCellsTest)
#include "grid_rich_cells_test.moc"
