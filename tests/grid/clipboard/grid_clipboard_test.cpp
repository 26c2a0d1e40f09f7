// The grid's clipboard: the text a copy writes, what PasteText stores and
// counts, growth and insertion, cuts around read-only cells, undo and the
// paste events.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/dragdrop/drop_formats.h"
#include "grid/undo/zad_grid_undo_redo.h"

namespace {

// An editable grid of c x r normal cells and no fixed cells.
void Setup(TZadIrururOziz& grid, int cols, int rows) {
  grid.SetFixedRows(0);
  grid.SetFixedCols(0);
  grid.SetColCount(cols);
  grid.SetRowCount(rows);
  grid.SetOptions(grid.Options() | goEditing);
}

QStringList Row_Texts(TZadIrururOziz& grid, int r) {
  QStringList texts;
  for (int c = 0; c < grid.ColCount(); ++c) texts << grid.GetCellEx(c, r);
  return texts;
}

}  // namespace

class GridClipboardTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void copied_text() {
    TZadIrururOziz grid;
    Setup(grid, 3, 3);
    grid.SetCellEx(0, 0, QStringLiteral("a"));
    grid.SetCellEx(1, 0, QStringLiteral("b"));
    grid.SetCellEx(0, 1, QStringLiteral("c"));
    grid.SetCellEx(1, 1, QStringLiteral("d"));
    grid.SelectCells(0, 0, 1, 1);
    grid.CopySelectionToClipboard();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\tb\r\nc\td\r\n"));
    QCOMPARE(grid.ClipTopLeft(), QPoint(0, 0));
    QCOMPARE(grid.ClipLastOp(), TZadIrururOziz::coCopy);
    grid.SelectCells(0, 0, 1, 0);
    grid.CopySelectionToClipboard();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\tb"));

    // A hidden column is left out of the display rectangle.
    grid.SetCellEx(2, 0, QStringLiteral("z"));
    grid.HideColumn(1);
    QCOMPARE(grid.SelectionToText(TGridRect{0, 0, 1, 0}, false), QStringLiteral("a\tz"));
    grid.UnHideColumnsAll();

    // Mini-HTML cells lose their tags when tags are not copied.
    grid.SetCellEx(0, 2, QStringLiteral("<b>bold</b>"));
    QCOMPARE(grid.SelectionToText(TGridRect{0, 2, 0, 2}, false), QStringLiteral("<b>bold</b>"));
    grid.Navigation().SetCopyHTMLTagsToClipboard(false);
    QCOMPARE(grid.SelectionToText(TGridRect{0, 2, 0, 2}, false), QStringLiteral("bold"));
  }

  void multi_line_cell_round_trip() {
    TZadIrururOziz grid;
    Setup(grid, 2, 2);
    grid.SetCellEx(0, 0, QStringLiteral("x\r\ny"));
    grid.SetCellEx(1, 0, QStringLiteral("p\nq"));
    grid.SelectCells(0, 0, 1, 0);
    grid.CopySelectionToClipboard();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("\"x\ny\"\t\"p\nq\""));
    grid.SelectCells(0, 1, 0, 1);
    grid.PasteSelectionFromClipboard();
    QCOMPARE(grid.GetCellEx(0, 1), QStringLiteral("x\r\ny"));
    QCOMPARE(grid.GetCellEx(1, 1), QStringLiteral("p\r\nq"));
    QCOMPARE(grid.RowCount(), 2);
  }

  void paste_text_counts_and_stores_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("row0");
    QTest::addColumn<QStringList>("row1");
    const QStringList empty{QString(), QString(), QString()};
    QTest::newRow("final break") << "a\tb\r\n" << 3 << 2 << QStringList{"a", "b", ""} << empty;
    QTest::newRow("no final break") << "a\tb" << 2 << 1 << QStringList{"a", "b", ""} << empty;
    QTest::newRow("two lines") << "a\tb\r\nc\td" << 4 << 2 << QStringList{"a", "b", ""} << QStringList{"c", "d", ""};
    QTest::newRow("lone LF lines") << "a\nb\n" << 3 << 3 << QStringList{"a", "", ""} << QStringList{"b", "", ""};
    QTest::newRow("empty middle field") << "a\t\tc" << 3 << 1 << QStringList{"a", "", "c"} << empty;
    QTest::newRow("quoted LF") << "\"x\ny\"\tz" << 2 << 1 << QStringList{"x\r\ny", "z", ""} << empty;
    QTest::newRow("excel 0x0B kept without LF") << "\"u\x0Bv\"" << 1 << 1 << QStringList{"\"u\x0Bv\"", "", ""} << empty;
  }
  void paste_text_counts_and_stores() {
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(int, rows);
    QFETCH(QStringList, row0);
    QFETCH(QStringList, row1);
    TZadIrururOziz grid;
    Setup(grid, 3, 3);
    grid.SetCellEx(0, 1, QString());
    grid.SetCellEx(2, 2, QStringLiteral("keep"));
    int r = 0, c = 0;
    QCOMPARE(grid.PasteText(0, 0, r, c, text), count);
    QCOMPARE(r, rows);
    QCOMPARE(Row_Texts(grid, 0), row0);
    QCOMPARE(Row_Texts(grid, 1), row1);
    QCOMPARE(grid.GetCellEx(2, 2), QStringLiteral("keep"));
    QCOMPARE(grid.ColCount(), 3);
  }

  void growth_and_insertion() {
    TZadIrururOziz grid;
    Setup(grid, 3, 2);
    grid.SetCellEx(0, 1, QStringLiteral("old"));
    int r = 0, c = 0;
    // Without column growth the fields past the last column are dropped.
    grid.Navigation().SetAllowClipboardColGrow(false);
    QCOMPARE(grid.PasteText(2, 0, r, c, QStringLiteral("1\t2\t3\t4")), 4);
    QCOMPARE(grid.ColCount(), 3);
    QCOMPARE(Row_Texts(grid, 0), (QStringList{"", "", "1"}));
    // With it the grid widens, and rows grow for the lines below.
    grid.Navigation().SetAllowClipboardColGrow(true);
    QCOMPARE(grid.PasteText(2, 0, r, c, QStringLiteral("1\t2\r\n3\t4\r\n5\r\n")), 6);
    QCOMPARE(grid.ColCount(), 4);
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(grid.GetCellEx(3, 1), QStringLiteral("4"));
    QCOMPARE(grid.GetCellEx(2, 2), QStringLiteral("5"));
    // Without row growth the lines past the last row are dropped.
    grid.Navigation().SetAllowClipboardRowGrow(false);
    grid.PasteText(0, 2, r, c, QStringLiteral("p\r\nq\r\n"));
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(grid.GetCellEx(0, 2), QStringLiteral("p"));

    // Each non-empty line inserts a row, so what was there moves down.
    TZadIrururOziz ins;
    Setup(ins, 2, 3);
    ins.SetCellEx(0, 0, QStringLiteral("r0"));
    ins.SetCellEx(0, 1, QStringLiteral("r1"));
    ins.Navigation().SetClipboardPasteAction(paInsert);
    QCOMPARE(ins.PasteText(0, 1, r, c, QStringLiteral("n1\r\nn2\r\n")), 3);
    QCOMPARE(ins.RowCount(), 5);
    QCOMPARE(ins.GetCellEx(0, 0), QStringLiteral("r0"));
    QCOMPARE(ins.GetCellEx(0, 1), QStringLiteral("n1"));
    QCOMPARE(ins.GetCellEx(0, 2), QStringLiteral("n2"));
    QCOMPARE(ins.GetCellEx(0, 3), QStringLiteral("r1"));
  }

  void paste_refused_and_read_only() {
    TZadIrururOziz grid;
    Setup(grid, 2, 2);
    int r = 0, c = 0;
    QCOMPARE(grid.PasteText(-1, 0, r, c, QStringLiteral("a")), 0);
    grid.SetOptions(grid.Options() & ~goEditing);
    QCOMPARE(grid.PasteText(0, 0, r, c, QStringLiteral("a")), 0);
    QCOMPARE(grid.GetCellEx(0, 0), QString());
    grid.Navigation().SetAllowClipboardAlways(true);
    QCOMPARE(grid.PasteText(0, 0, r, c, QStringLiteral("a")), 1);
    QCOMPARE(grid.GetCellEx(0, 0), QStringLiteral("a"));
  }

  void events_undo_and_modified() {
    TZadIrururOziz grid;
    Setup(grid, 3, 2);
    TZadGridUndoRedo undo;
    grid.SetUndoRedo(&undo);
    grid.SetShowModifiedEnabled(true);
    grid.SetCellEx(0, 0, QStringLiteral("was"));
    QStringList after;
    grid.OnClipboardBeforePasteCell = [](TZadIrururOziz*, int ACol, int, QString& Value, bool& Allow) {
      if (ACol == 1) Allow = false;
      Value = Value.toUpper();
    };
    grid.OnClipboardAfterPasteCell = [&](TZadIrururOziz*, int ACol, int ARow, const QString& Value) {
      after << QStringLiteral("%1,%2=%3").arg(ACol).arg(ARow).arg(Value);
    };
    int r = 0, c = 0;
    grid.PasteText(0, 0, r, c, QStringLiteral("a\tb\tc"));
    QCOMPARE(Row_Texts(grid, 0), (QStringList{"A", "", "C"}));
    QCOMPARE(after, (QStringList{"0,0=A", "2,0=C"}));
    QVERIFY(grid.RowModified(0));
    QVERIFY(!grid.RowModified(1));
    undo.Undo();
    QCOMPARE(Row_Texts(grid, 0), (QStringList{"was", "", ""}));
  }

  void cut_keeps_read_only_cells() {
    TZadIrururOziz grid;
    Setup(grid, 2, 2);
    grid.SetCellEx(0, 0, QStringLiteral("a"));
    grid.SetCellEx(1, 0, QStringLiteral("b"));
    grid.OnCanEditCell = [](TZadIrururOziz*, int, int ACol, bool& CanEdit) { CanEdit = ACol != 1; };
    TZadGridUndoRedo undo;
    grid.SetUndoRedo(&undo);
    grid.SelectCells(0, 0, 1, 0);
    grid.CutSelectionToClipboard();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\tb"));
    QCOMPARE(grid.GetCellEx(0, 0), QString());
    QCOMPARE(grid.GetCellEx(1, 0), QStringLiteral("b"));
    QCOMPARE(grid.ClipLastOp(), TZadIrururOziz::coCut);
    undo.Undo();
    QCOMPARE(grid.GetCellEx(0, 0), QStringLiteral("a"));

    // The whole-grid cut and a disjunct row cut keep them as well.
    grid.CutToClipboard();
    QCOMPARE(Row_Texts(grid, 0), (QStringList{"", "b"}));
    grid.SetCellEx(0, 1, QStringLiteral("c"));
    grid.SetCellEx(1, 1, QStringLiteral("d"));
    grid.MouseActions().SetDisjunctRowSelect(true);
    grid.SetRowSelect(1, true);
    grid.CutSelectionToClipboard();
    QCOMPARE(Row_Texts(grid, 1), (QStringList{"", "d"}));
    // Unless the clipboard may always write.
    grid.Navigation().SetAllowClipboardAlways(true);
    grid.CutSelectionToClipboard();
    QCOMPARE(Row_Texts(grid, 1), (QStringList{"", ""}));
  }

  void selection_as_text() {
    TZadIrururOziz grid;
    Setup(grid, 2, 2);
    grid.SelectCells(1, 1, 1, 1);
    grid.SetOptions(grid.Options() & ~goEditing);  // written without the editing test
    grid.SetSelectionAsText(QStringLiteral("a\tb\r\nc\td\r\n"));
    QCOMPARE(grid.ColCount(), 3);
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(Row_Texts(grid, 1), (QStringList{"", "a", "b"}));
    QCOMPARE(Row_Texts(grid, 2), (QStringList{"", "c", "d"}));
    grid.SelectCells(1, 1, 2, 2);
    QCOMPARE(grid.GetSelectionAsText(), QStringLiteral("a\tb\r\nc\td\r\n"));
  }

  void rich_text_format() {
    TZadIrururOziz grid;
    Setup(grid, 2, 2);
    const QString rtf = QStringLiteral("{\\rtf1 hello}");
    grid.SetCellEx(0, 0, rtf);
    grid.Navigation().SetAllowRTFClipboard(true);
    grid.SelectCells(0, 0, 0, 0);
    grid.CopySelectionToClipboard();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(data->data(grid_dragdrop::Rtf_Mime), rtf.toLatin1());
    QCOMPARE(data->text(), QStringLiteral("hello"));
    grid.SelectCells(1, 1, 1, 1);
    grid.PasteSelectionFromClipboard();
    QCOMPARE(grid.GetCellEx(1, 1), rtf);
  }

  void html_on_the_clipboard() {
    TZadIrururOziz grid;
    Setup(grid, 1, 1);
    grid.SetCellEx(0, 0, QStringLiteral("\u00E9t\u00E9"));
    grid.CopyToClipBoardAsHTML();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data->hasHtml());
    QVERIFY(data->data(QStringLiteral("text/html")).contains(QStringLiteral(">\u00E9t\u00E9</td>").toUtf8()));
    QCOMPARE(data->text(), data->html());
  }
};

QTEST_MAIN(GridClipboardTest)
#include "grid_clipboard_test.moc"
