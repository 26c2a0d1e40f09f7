// Drops onto the string grid, sent to its viewport as the platform sends
// them: text blocks inserted or appended as rows, columns refused on data
// rows and appended past the last column, files, rich text and URLs, the
// dragged cell block placed at the drop cell, and the drop arrows.
#include <QApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/dragdrop/drop_formats.h"
#include "grid/dragdrop/grid_drop_target.h"

namespace {

// 4 columns x 10 rows, one fixed of each, 20-pixel rows, texts "r<row>".
void Prepare(TZadIrururOziz& grid) {
  grid.resize(400, 400);
  grid.SetColCount(4);
  grid.SetRowCount(10);
  grid.SetDefaultRowHeight(20);
  grid.SetDefaultColWidth(80);
  grid.SetOptions(grid.Options() | goEditing);
  for (int r = 1; r < 10; ++r) grid.SetCellEx(1, r, QStringLiteral("r%1").arg(r));
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
}

QPoint Centre(TZadIrururOziz& grid, int c, int r) {
  const TRect rect = grid.CellRect(c, r);
  return QPoint((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
}

// Enter and move over the point: whether the grid would take the drop.
bool Drag_Over(TZadIrururOziz& grid, QMimeData& data, QPoint at) {
  QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(grid.viewport(), &enter);
  QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(grid.viewport(), &move);
  return move.isAccepted();
}

void Drop(TZadIrururOziz& grid, QMimeData& data, QPoint at) {
  Drag_Over(grid, data, at);
  QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(grid.viewport(), &drop);
}

QString Column(TZadIrururOziz& grid, int c) {
  QStringList texts;
  for (int r = 0; r < grid.RowCount(); ++r) texts << grid.GetCellEx(c, r);
  return texts.join(',');
}

}  // namespace

class GridDropTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void text_block_sizes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::newRow("three lines") << "1\t2\r\n3\t4\r\n5\t6" << 2 << 2;
    QTest::newRow("final line break") << "1\t2\r\n3\t4\r\n" << 2 << 1;
    QTest::newRow("one field") << "a" << 1 << 0;
    QTest::newRow("widest line") << "a\r\nb\tc\td" << 3 << 1;
    QTest::newRow("bare CR") << "a\rb" << 1 << 1;
    QTest::newRow("empty") << "" << 1 << 0;
  }
  void text_block_sizes() {
    QFETCH(QString, text);
    QFETCH(int, cols);
    QFETCH(int, rows);
    int c = -1, r = -1;
    TGridDropTarget::GetTextBlockSize(text, c, r);
    QCOMPARE(c, cols);
    QCOMPARE(r, rows);
  }

  void text_inserted_as_rows() {
    TZadIrururOziz grid;
    Prepare(grid);
    grid.DragDropSettings().SetOleInsertRows(true);
    grid.SetOleDropTarget(true);
    QList<TGridRect> dropped;
    grid.OnOleDropped = [&dropped](TZadIrururOziz*, const TGridRect& r) { dropped << r; };
    QMimeData data;
    data.setText("1\t2\r\n3\t4\r\n5\t6");
    Drop(grid, data, Centre(grid, 1, 5));
    QCOMPARE(grid.RowCount(), 13);
    QCOMPARE(Column(grid, 1), QString(",r1,r2,r3,r4,1,3,5,r5,r6,r7,r8,r9"));
    QCOMPARE(Column(grid, 2), QString(",,,,,2,4,6,,,,,"));
    const TGridRect expected{1, 5, 2, 7};
    QCOMPARE(dropped.size(), 1);
    QCOMPARE(dropped[0].Left, expected.Left);
    QCOMPARE(dropped[0].Top, expected.Top);
    QCOMPARE(dropped[0].Right, expected.Right);
    QCOMPARE(dropped[0].Bottom, expected.Bottom);
    QCOMPARE(grid.Selection().Bottom, 7);
  }

  void text_appended_below_the_last_row() {
    TZadIrururOziz grid;
    Prepare(grid);
    grid.DragDropSettings().SetOleEntireRows(true);
    grid.DragDropSettings().SetOleAppendRows(true);
    grid.DragDropSettings().SetOleInsertRows(true);
    grid.SetOleDropTarget(true);
    QMimeData data;
    data.setText("a\tb\r\nc\td");
    const TRect last = grid.CellRect(1, 9);
    const QPoint below(40, last.Bottom + 30);
    QVERIFY(Drag_Over(grid, data, below));
    QVERIFY(grid.ArrowWindow(arrLeft)->isVisible());
    Drop(grid, data, below);
    QCOMPARE(grid.RowCount(), 12);
    QCOMPARE(Column(grid, 1), QString(",r1,r2,r3,r4,r5,r6,r7,r8,r9,a,c"));
    QVERIFY(!grid.ArrowWindow(arrLeft)->isVisible());
  }

  void refused_text_keeps_cells_and_reports_the_old_selection() {
    TZadIrururOziz grid;
    Prepare(grid);
    grid.SetOleDropTarget(true);
    grid.SetSelectionRect(TGridRect{2, 3, 2, 3});
    grid.OnOleDrop = [](TZadIrururOziz*, int, int, const QString&, bool& Allow) { Allow = false; };
    QList<TGridRect> dropped;
    grid.OnOleDropped = [&dropped](TZadIrururOziz*, const TGridRect& r) { dropped << r; };
    QMimeData data;
    data.setText("x");
    Drop(grid, data, Centre(grid, 1, 5));
    QCOMPARE(grid.GetCellEx(1, 5), QString("r5"));
    QCOMPARE(dropped.size(), 1);
    QCOMPARE(dropped[0].Top, 3);
    QCOMPARE(dropped[0].Left, 2);
  }

  void columns_land_only_in_the_header_or_past_the_end() {
    TZadIrururOziz grid;
    Prepare(grid);
    grid.SetColCount(3);
    grid.SetCellEx(1, 0, "one");
    grid.SetCellEx(2, 0, "two");
    grid.DragDropSettings().SetOleColumnDragDrop(true);
    grid.DragDropSettings().SetOleColumnReorder(true);
    grid.SetOleDropTarget(true);
    QList<int> drops;
    grid.OnOleDropCol = [&drops](TZadIrururOziz*, int, int ACol, int DropCol) { drops << ACol << DropCol; };
    QMimeData data;
    data.setData(grid_dragdrop::Column_Mime, grid_dragdrop::Encode_Column(1));
    QVERIFY(!Drag_Over(grid, data, Centre(grid, 2, 4)));
    QVERIFY(Drag_Over(grid, data, Centre(grid, 2, 0)));
    const QPoint past(grid.CellRect(2, 0).Right + 20, 5);
    QVERIFY(Drag_Over(grid, data, past));
    QVERIFY(grid.ArrowWindow(arrDown)->isVisible());
    QVERIFY(grid.ArrowWindow(arrUp)->isVisible());
    Drop(grid, data, past);
    QCOMPARE(drops, (QList<int>{2, 1}));
    QCOMPARE(grid.GetCellEx(2, 0), QString("one"));
    QCOMPARE(grid.GetCellEx(1, 0), QString("two"));
    QVERIFY(!grid.ArrowWindow(arrDown)->isVisible());
  }

  void one_file_loads_by_its_last_suffix() {
    QTemporaryDir dir;
    const QString csv = dir.filePath("data.xls.csv");
    QFile f(csv);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("h1,h2\r\nx,y\r\n");
    f.close();
    TZadIrururOziz grid;
    Prepare(grid);
    grid.SetOleDropTarget(true);
    QStringList seen;
    grid.OnOleDropFile = [&seen](TZadIrururOziz*, int, int, const QString& name, bool&) { seen << name; };
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(csv), QUrl::fromLocalFile(dir.filePath("other.csv"))});
    Drop(grid, two, Centre(grid, 1, 1));
    QVERIFY(seen.isEmpty());
    QCOMPARE(grid.GetCellEx(1, 1), QString("r1"));

    int loads = 0;
    grid.OnOleDrop = [&loads](TZadIrururOziz*, int, int, const QString&, bool&) { ++loads; };
    QMimeData one;
    one.setUrls({QUrl::fromLocalFile(csv)});
    Drop(grid, one, Centre(grid, 1, 1));
    QCOMPARE(seen, QStringList{csv});
    QCOMPARE(loads, 1);
    QVERIFY(Column(grid, 0).split(',').contains("x") || Column(grid, 1).split(',').contains("x"));
  }

  void rich_text_and_urls_obey_editing() {
    TZadIrururOziz grid;
    Prepare(grid);
    grid.SetOptions(grid.Options() & ~goEditing);
    grid.DragDropSettings().SetOleDropRTF(true);
    grid.SetOleDropTarget(true);
    QMimeData url;
    url.setUrls({QUrl("https://example.org/a")});
    Drop(grid, url, Centre(grid, 2, 2));
    QCOMPARE(grid.GetCellEx(2, 2), QString());
    grid.SetOptions(grid.Options() | goEditing);
    Drop(grid, url, Centre(grid, 2, 2));
    QCOMPARE(grid.GetCellEx(2, 2), QString("https://example.org/a"));
    QMimeData rtf;
    rtf.setData(grid_dragdrop::Rtf_Mime, "{\\rtf1 bold}");
    Drop(grid, rtf, Centre(grid, 3, 3));
    QCOMPARE(grid.GetCellEx(3, 3), QString("{\\rtf1 bold}"));
  }

  // A dragged cell block lands with its top-left on the cell under the drop,
  // texts and properties; a damaged one raises, the marks put away.
  void dragged_cells_land_at_the_drop_cell() {
    TZadIrururOziz source;
    source.SetColCount(4);
    source.SetRowCount(4);
    source.SetCellEx(1, 1, "a");
    source.SetCellEx(2, 1, "b");
    source.SetCellEx(1, 2, "c");
    source.GetCellProperties(2, 2)->SetBrushColor(TColor(0x00336699));
    source.MergeCells(1, 3, 2, 1);
    source.SetCellEx(1, 3, "merged");
    QByteArray block;
    source.SaveRectToBinStream(TGridRect{1, 1, 2, 3}, block);

    TZadIrururOziz grid;
    Prepare(grid);
    grid.SetOleDropTarget(true);
    int dropped = 0;
    grid.OnOleDropped = [&dropped](TZadIrururOziz*, const TGridRect&) { ++dropped; };
    QMimeData data;
    data.setData(grid_dragdrop::Cells_Mime, grid_dragdrop::Encode_Cells(block));
    Drop(grid, data, Centre(grid, 2, 4));
    QCOMPARE(grid.GetCellEx(2, 4), QString("a"));
    QCOMPARE(grid.GetCellEx(3, 4), QString("b"));
    QCOMPARE(grid.GetCellEx(2, 5), QString("c"));
    QVERIFY(grid.HasCellProperties(3, 5));
    QCOMPARE(grid.GetCellProperties(3, 5)->BrushColor(), TColor(0x00336699));
    QCOMPARE(grid.GetCellEx(2, 6), QString("merged"));
    QVERIFY(grid.IsBaseCell(2, 6));
    QCOMPARE(grid.CellSpan(2, 6), QPoint(1, 0));
    QCOMPARE(grid.BaseCell(3, 6), QPoint(2, 6));
    QCOMPARE(dropped, 1);

    QMimeData damaged;
    damaged.setData(grid_dragdrop::Cells_Mime, grid_dragdrop::Encode_Cells(block.left(block.size() / 2) + "xx"));
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, Drop(grid, damaged, Centre(grid, 1, 7)));
    QVERIFY(!grid.ArrowWindow(arrLeft)->isVisible());
    QCOMPARE(dropped, 1);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  GridDropTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "grid_drop_test.moc"
