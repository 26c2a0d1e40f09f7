// Mouse moves over the grid (hover repaints, fixed sizing, the drag start,
// the size hint), user sizing with its end events and proportional sizing,
// column stretching, drag scrolling, what follows a moved column or row, the
// key-up's search text and cell controls after scrolling. Mouse events go
// to the grid's viewport as the platform delivers them.
#include <QDrag>
#include <QMimeData>
#include <QtTest>

#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/dragdrop/drop_source.h"
#include "grid/input/header_drag_button.h"

namespace {

// Counts cell repaints and drags out with a scripted drop.
class Probe_Grid : public TZadIrururOziz {
 public:
  using TZadIrururOziz::TZadIrururOziz;
  QMap<QPair<int, int>, int> repaints;
  int drag_answer = DROPEFFECT_MOVE;
  int drags = 0;
  QByteArray column_block;
  QByteArray rich_block;
  void RepaintCell(int c, int r) override {
    repaints[{c, r}]++;
    TZadIrururOziz::RepaintCell(c, r);
  }
  std::unique_ptr<TZSGDropSource> CreateDragSource() override {
    struct Scripted : TZSGDropSource {
      Probe_Grid* grid;
      Scripted(Probe_Grid* g) : TZSGDropSource(g), grid(g) {}
      int Run_Drag(QDrag* drag, int) override {
        ++grid->drags;
        grid->column_block = drag->mimeData()->data(grid_dragdrop::Column_Mime);
        grid->rich_block = drag->mimeData()->data(grid_dragdrop::Rtf_Mime);
        return grid->drag_answer;
      }
    };
    return std::make_unique<Scripted>(this);
  }
};

void Send(TZadIrururOziz& grid, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(p), grid.viewport()->mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(grid.viewport(), &event);
}
void Press(TZadIrururOziz& g, QPoint p) { Send(g, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton); }
void Drag_To(TZadIrururOziz& g, QPoint p) { Send(g, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
void Hover(TZadIrururOziz& g, QPoint p) { Send(g, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton); }
void Release(TZadIrururOziz& g, QPoint p) { Send(g, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton); }

// A grid whose client area is exactly 300 x 200.
void Show(TZadIrururOziz& grid, int cols = 5, int rows = 6) {
  grid.SetColCount(cols);
  grid.SetRowCount(rows);
  grid.setFrameShape(QFrame::NoFrame);
  grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid.resize(300, 200);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
}

// The right border of a header cell.
QPoint Header_Border(TZadIrururOziz& grid, int c) { return QPoint(grid.UnclippedCellRect(c, 0).Right, 5); }

}  // namespace

class GridMouseMoveTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void stretch_column_data() {
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("client");
    QTest::addColumn<int>("expected");
    QTest::newRow("fills the width") << 3 << 300 << 300 - 128 - 1;
    QTest::newRow("no room: default width") << 3 << 100 << 64;
    QTest::newRow("one column fills exactly") << 1 << 300 << 300;
  }
  void stretch_column() {
    QFETCH(int, cols);
    QFETCH(int, client);
    QFETCH(int, expected);
    TZadIrururOziz grid;
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    Show(grid, cols, 4);
    grid.resize(client, 200);
    QCOMPARE(grid.viewport()->width(), client);
    grid.SetColWidths(cols - 1, 30);
    grid.ColumnSize().SetStretch(true);  // stretches at once
    QCOMPARE(grid.ColWidths(cols - 1), expected);
    grid.SetColWidths(cols - 1, 30);
    grid.StretchColumnWidth(-1);
    QCOMPARE(grid.ColWidths(cols - 1), expected);
  }

  // An index past the columns raises from a direct call; a stale setting
  // does not raise from inside a resize.
  void stretch_index_out_of_range() {
    TZadIrururOziz grid;
    Show(grid, 3, 4);
    grid.ColumnSize().SetStretch(true);
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.StretchColumnWidth(3));
    grid.ColumnSize().SetStretchColumn(7);
    grid.resize(250, 200);
    grid.SetColWidths(1, 40);
    QCOMPARE(grid.ColWidths(1), 40);
  }

  void user_sizing_all_columns_and_end_events() {
    Probe_Grid grid;
    grid.SetOptions(grid.Options() | goColSizing);
    for (int c = 1; c < 4; ++c) grid.SetColWidths(c, 50);
    Show(grid, 4, 4);
    grid.MouseActions().SetAllColumnSize(true);
    QList<int> ended;
    grid.OnEndColumnSize = [&](TZadIrururOziz*, int c) { ended << c; };
    const QPoint border = Header_Border(grid, 2);
    Press(grid, border);
    Drag_To(grid, border + QPoint(25, 0));
    Drag_To(grid, border + QPoint(50, 0));
    Release(grid, border + QPoint(50, 0));
    QCOMPARE(grid.ColWidths(2), 100);
    QCOMPARE(grid.ColWidths(1), 100);
    QCOMPARE(grid.ColWidths(3), 100);
    QCOMPARE(grid.ColWidths(0), 64);
    QCOMPARE(ended, QList<int>{2});

    // The width hook decides the final width; the end event fires once.
    grid.MouseActions().SetAllColumnSize(false);
    ended.clear();
    grid.OnUpdateColumnSize = [](TZadIrururOziz*, int, int& w) { w = 80; };
    const QPoint b1 = Header_Border(grid, 1);
    Press(grid, b1);
    Drag_To(grid, b1 + QPoint(30, 0));
    Release(grid, b1 + QPoint(30, 0));
    QCOMPARE(grid.ColWidths(1), 80);
    QCOMPARE(ended, QList<int>{1});
  }

  void user_sizing_a_row() {
    TZadIrururOziz grid;
    grid.SetOptions(grid.Options() | goRowSizing);
    Show(grid);
    QList<int> ended;
    grid.OnEndRowSize = [&](TZadIrururOziz*, int r) { ended << r; };
    const int before = grid.RowHeights(2);
    const QPoint border(20, grid.UnclippedCellRect(0, 2).Bottom);
    Press(grid, border);
    Drag_To(grid, border + QPoint(0, 10));
    Drag_To(grid, border + QPoint(0, 20));
    Release(grid, border + QPoint(0, 20));
    QVERIFY(grid.RowHeights(2) > before + 15);
    QCOMPARE(ended, QList<int>{2});
  }

  void size_hint_while_sizing() {
    TZadIrururOziz grid;
    grid.SetOptions(grid.Options() | goColSizing);
    grid.SetHintShowSizing(true);
    Show(grid);
    const QPoint border = Header_Border(grid, 1);
    Press(grid, border);
    Drag_To(grid, border + QPoint(16, 0));
    QCOMPARE(grid.SizeHintText(), QString("cw=<b>80</b>"));
    QVERIFY(grid.ScrollHintShow());
    Release(grid, border + QPoint(16, 0));
    QVERIFY(!grid.ScrollHintShow());
  }

  void fixed_sizing_zone() {
    TZadIrururOziz grid;
    Show(grid);
    grid.MouseActions().SetSizeFixedCol(true);
    const int border = grid.UnclippedCellRect(0, 2).Right;
    Hover(grid, QPoint(border + 3, 60));
    QVERIFY(!grid.SizeFixed());
    Hover(grid, QPoint(border + 2, 60));
    QVERIFY(grid.SizeFixed());
    Press(grid, QPoint(border + 2, 60));
    QVERIFY(grid.SizingFixed());
    Drag_To(grid, QPoint(100, 60));
    Release(grid, QPoint(100, 60));
    QVERIFY(!grid.SizingFixed());
    QCOMPARE(grid.ColWidths(0), 100);
  }

  void hover_fixed_cells_repaint_once() {
    Probe_Grid grid;
    Show(grid);
    grid.PaintLook().HoverFixedCells = hfAll;
    const TRect a = grid.CellRect(1, 0), b = grid.CellRect(2, 0);
    Hover(grid, QPoint(a.Left + 5, 5));
    grid.repaints.clear();
    Hover(grid, QPoint(b.Left + 5, 5));
    Hover(grid, QPoint(b.Left + 9, 6));
    QCOMPARE(grid.repaints.value({1, 0}), 1);
    QCOMPARE(grid.repaints.value({2, 0}), 1);
    QCOMPARE(grid.HoverFixedCell(), QPoint(2, 0));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&grid, &leave);
    QCOMPARE(grid.HoverFixedCell(), QPoint(-1, -1));
  }

  void drag_start_threshold_and_move() {
    Probe_Grid grid;
    Show(grid);
    grid.DragDropSettings().SetOleDropSource(true);
    grid.SetGridCell(2, 2, "moved");
    grid.SetGridCell(2, 3, "kept");
    QList<QPoint> started;
    QList<int> stopped;
    grid.OnOleDragStart = [&](TZadIrururOziz*, int r, int c) { started << QPoint(c, r); };
    grid.OnOleDragStop = [&](TZadIrururOziz*, int effect) { stopped << effect; };
    const TRect cell = grid.CellRect(2, 2);
    const QPoint p(cell.Left + 10, cell.Top + 5);
    Press(grid, p);
    Release(grid, p);  // the cell is selected now
    Press(grid, p);
    Drag_To(grid, p + QPoint(3, 3));
    QCOMPARE(grid.drags, 0);
    Drag_To(grid, p + QPoint(4, 0));
    QCOMPARE(grid.drags, 1);
    QCOMPARE(started, QList<QPoint>{QPoint(2, 2)});
    QCOMPARE(stopped, QList<int>{DROPEFFECT_MOVE});
    Release(grid, p + QPoint(4, 0));
    QCOMPARE(grid.GetGridCell(2, 2), QString());
    QCOMPARE(grid.GetGridCell(2, 3), QString("kept"));

    // A copy leaves the source alone; nothing taking it reports no stop.
    grid.SetGridCell(2, 2, "again");
    for (int answer : {int(DROPEFFECT_COPY), int(DROPEFFECT_NONE)}) {
      grid.drag_answer = answer;
      Press(grid, p);
      Drag_To(grid, p + QPoint(0, 6));
      Release(grid, p + QPoint(0, 6));
    }
    QCOMPARE(grid.GetGridCell(2, 2), QString("again"));
    QCOMPARE(stopped, (QList<int>{DROPEFFECT_MOVE, DROPEFFECT_COPY}));
  }

  // The rich text of a cell drag is the pressed cell's, also after its
  // column was moved away from its first place.
  void drag_carries_pressed_cells_rich_text_after_column_move() {
    SetRTFDropEnabled(true);
    Probe_Grid grid;
    Show(grid);
    grid.DragDropSettings().SetOleDropSource(true);
    grid.SetGridCell(1, 2, "first");
    grid.SetGridCell(3, 2, "pressed");
    grid.MoveColumn(1, 3);  // "pressed" now stands in column 2
    const TRect cell = grid.CellRect(2, 2);
    const QPoint p(cell.Left + 10, cell.Top + 5);
    grid.drag_answer = DROPEFFECT_COPY;
    Press(grid, p);
    Release(grid, p);
    Press(grid, p);
    Drag_To(grid, p + QPoint(6, 0));
    Release(grid, p + QPoint(6, 0));
    SetRTFDropEnabled(false);
    QCOMPARE(grid.drags, 1);
    QVERIFY2(grid.rich_block.contains("pressed"), grid.rich_block.constData());
  }

  // A header dragged with the enhanced move: the moving event names each
  // target, the arrows and the header button show meanwhile, and the release
  // moves the column and puts them all away.
  void header_drag_moves_column_with_arrows() {
    TZadIrururOziz grid;
    grid.SetOptions(grid.Options() | goColMoving);
    grid.DragDropSettings().SetShowCells(false);
    Show(grid);
    for (int c = 0; c < 5; ++c) grid.SetGridCell(c, 0, QString("h%1").arg(c));
    QList<int> moving;
    grid.OnColumnMoving = [&](TZadIrururOziz*, int c, bool&) { moving << c; };
    const TRect from = grid.CellRect(1, 0), to = grid.CellRect(3, 0);
    Press(grid, QPoint(from.Left + 20, 8));
    Drag_To(grid, QPoint(from.Left + 40, 8));
    Drag_To(grid, QPoint(to.Left + 20, 8));
    QCOMPARE(moving.last(), 3);
    QCOMPARE(grid.MoveColInd(), 3);
    QVERIFY(grid.MoveButton()->isVisible());
    QCOMPARE(grid.MoveButton()->Caption(), QString("h1"));
    QVERIFY(grid.ArrowWindow(arrUp)->isVisible());
    QVERIFY(grid.ArrowWindow(arrDown)->isVisible());
    QVERIFY(QGuiApplication::overrideCursor());
    Release(grid, QPoint(to.Left + 20, 8));
    QCOMPARE(grid.GetGridCell(3, 0), QString("h1"));
    QVERIFY(!grid.MoveButton()->isVisible());
    QVERIFY(!grid.ArrowWindow(arrUp)->isVisible());
    QVERIFY(!QGuiApplication::overrideCursor());
  }

  // Without the cell picture a header drags its column as the move button.
  void header_drags_column_out() {
    Probe_Grid grid;
    grid.SetEnhRowColMove(false);
    grid.DragDropSettings().SetOleDropSource(true);
    grid.DragDropSettings().SetOleColumnDragDrop(true);
    grid.DragDropSettings().SetShowCells(false);
    Show(grid);
    grid.SetGridCell(2, 0, "Medium");
    QList<int> stopped;
    grid.OnOleDragStop = [&](TZadIrururOziz*, int effect) { stopped << effect; };
    const TRect head = grid.CellRect(2, 0);
    const QPoint p(head.Left + 20, 8);
    Press(grid, p);
    Drag_To(grid, p + QPoint(0, 5));
    QCOMPARE(grid.drags, 1);
    QCOMPARE(grid.column_block, QByteArray::fromHex("02000000"));
    QCOMPARE(grid.MoveButton()->Caption(), QString("Medium"));
    QVERIFY(!grid.MoveButton()->isVisible());
    QCOMPARE(stopped, QList<int>{DROPEFFECT_MOVE});
    Release(grid, p + QPoint(0, 5));
    QCOMPARE(grid.GetGridCell(2, 0), QString("Medium"));
  }

  void drag_scroll_steps() {
    TZadIrururOziz grid;
    Show(grid, 5, 40);
    grid.SetTopRow(4);
    grid.DragScrollOver(100, 10, TZadIrururOziz::dsDragMove);
    QVERIFY(!grid.DragScrollTimer());  // not active
    grid.DragScrollOptions().SetActive(true);
    grid.DragScrollOver(100, 10, TZadIrururOziz::dsDragMove);
    QVERIFY(grid.DragScrollTimer());
    QCOMPARE(grid.DragScrollTimer()->interval(), 1000);
    QCOMPARE(grid.DragScrollDirection(), TDragScrollDirection(dsdUp));
    QList<int> tops;
    for (int i = 0; i < 4; ++i) {
      grid.DragScrollTick();
      QCOMPARE(grid.DragScrollTimer()->interval(), 250);
      tops << grid.TopRow();
    }
    QCOMPARE(tops, (QList<int>{3, 2, 1, 1}));
    // A handler may refuse a step.
    grid.OnDragScroll = [](TZadIrururOziz*, int, int, TDragScrollDirection& dir, bool& can) { can = dir != dsdDown; };
    grid.DragScrollOver(100, 190, TZadIrururOziz::dsDragMove);
    grid.DragScrollTick();
    QCOMPARE(grid.TopRow(), 1);
    grid.DragScrollOver(100, 100, TZadIrururOziz::dsDragMove);
    QVERIFY(!grid.DragScrollTimer());
    grid.DragScrollOver(100, 10, TZadIrururOziz::dsDragMove);
    grid.DragScrollOver(0, 0, TZadIrururOziz::dsDragLeave);
    QVERIFY(!grid.DragScrollTimer());
  }

  void sort_column_follows_move_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("sort");
    QTest::addColumn<int>("expected");
    QTest::newRow("2 to 5: 4") << 2 << 5 << 4 << 3;
    QTest::newRow("2 to 5: 5") << 2 << 5 << 5 << 4;
    QTest::newRow("2 to 5: 2") << 2 << 5 << 2 << 5;
    QTest::newRow("2 to 5: 6") << 2 << 5 << 6 << 6;
    QTest::newRow("5 to 2: 2") << 5 << 2 << 2 << 3;
    QTest::newRow("5 to 2: 5") << 5 << 2 << 5 << 2;
    QTest::newRow("5 to 2: 1") << 5 << 2 << 1 << 1;
  }
  void sort_column_follows_move() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, sort);
    QFETCH(int, expected);
    TZadIrururOziz grid;
    Show(grid, 8, 4);
    grid.SortSettings().Column = sort;
    grid.SortSettings().IndexShow = true;
    grid.SortIndexes().AddIndex(sort, false);
    grid.SetCol(from);
    grid.MoveColumn(from, to);
    QCOMPARE(grid.SortSettings().Column, expected);
    QCOMPARE(grid.SortIndexes().GetSortColumns(0), expected);
    QVERIFY(!grid.SortIndexes().GetSortDirections(0));
    QCOMPARE(grid.Col(), to);  // moved once
  }

  void hidden_columns_keep_their_data() {
    TZadIrururOziz grid;
    Show(grid, 8, 3);
    for (int c = 0; c < 8; ++c) grid.SetGridCell(c, 1, QString("c%1").arg(c));
    grid.HideColumn(3);
    grid.MoveColumn(2, 4);
    QStringList shown;
    for (int d = 0; d < grid.ColCount(); ++d) shown << grid.GetGridCell(grid.RealColIndex(d), 1);
    QCOMPARE(shown, (QStringList{"c0", "c1", "c4", "c5", "c2", "c6", "c7"}));
    QCOMPARE(grid.NumHiddenColumns(), 1);
    grid.UnHideColumnsAll();
    QStringList all;
    for (int d = 0; d < grid.ColCount(); ++d) all << grid.GetGridCell(d, 1);
    QCOMPARE(all, (QStringList{"c0", "c1", "c3", "c4", "c5", "c2", "c6", "c7"}));
  }

  void row_move_onto_footer_row_does_nothing() {
    TZadIrururOziz grid;
    Show(grid, 3, 6);
    for (int r = 1; r < 6; ++r) grid.SetGridCell(1, r, QString("r%1").arg(r));
    grid.FloatingFooter().SetVisible(true);
    QList<QPoint> moved;
    grid.OnRowMoved = [&](TZadIrururOziz*, int f, int t) { moved << QPoint(f, t); };
    grid.MoveRow(2, 5);
    QStringList texts;
    for (int r = 1; r < 6; ++r) texts << grid.GetGridCell(1, r);
    QCOMPARE(texts, (QStringList{"r1", "r2", "r3", "r4", "r5"}));
    QVERIFY(moved.isEmpty());
    grid.MoveRow(2, 3);
    QCOMPARE(grid.GetGridCell(1, 3), QString("r2"));
    QCOMPARE(moved, QList<QPoint>{QPoint(2, 3)});
  }

  void key_up_search_text() {
    TZadIrururOziz grid;
    Show(grid);
    grid.SetIncrSearchText("ab");
    QTest::keyRelease(&grid, Qt::Key_Home);
    QCOMPARE(grid.IncrSearchText(), QString("ab"));
    QTest::keyRelease(&grid, Qt::Key_End);
    QCOMPARE(grid.IncrSearchText(), QString());
  }

  void control_in_hidden_column_stays_hidden() {
    TZadIrururOziz grid;
    Show(grid, 10, 6);
    auto* shown = new QWidget;
    auto* hidden = new QWidget;
    grid.SetCellControls(2, 2, shown);
    grid.SetCellControls(3, 2, hidden);
    grid.HideColumn(3);
    grid.SetLeftCol(2);
    grid.SetLeftCol(1);
    QVERIFY(!hidden->isVisible());
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->geometry().topLeft(), QPoint(grid.CellRect(2, 2).Left - 1, grid.CellRect(2, 2).Top - 1));
  }
};

QTEST_MAIN(GridMouseMoveTest)
#include "grid_mouse_move_test.moc"
