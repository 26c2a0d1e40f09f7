#include "grid/core/base_grid.h"

#include <QLineEdit>
#include <QtTest>
#include <vector>

namespace {

// Records the rectangles the grid invalidates.
class Recording_Grid : public TBaseGrid {
 public:
  std::vector<TRect> invalidated;
  void InvalidateRect(const TRect& r) override {
    invalidated.push_back(r);
    TBaseGrid::InvalidateRect(r);
  }
};

class Owned_Graphic : public TCellObjectBase {
 public:
  explicit Owned_Graphic(int* alive) : alive_(alive) { ++*alive_; }
  ~Owned_Graphic() override { --*alive_; }
  bool Owned_By_Grid() const override { return true; }

 private:
  int* alive_;
};

}  // namespace

class BaseGridTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void merged_block_reads_and_writes_through_its_base() {
    TBaseGrid grid;
    grid.SetColCount(5);
    grid.SetRowCount(5);
    grid.SetCellEx(1, 1, "B");
    grid.SetCellEx(3, 2, "own");
    grid.MergeCells(1, 1, 3, 2);
    QCOMPARE(grid.GetCellEx(3, 2), QString("B"));
    grid.SetCellEx(3, 2, "X");
    QCOMPARE(grid.GetGridCell(1, 1), QString("X"));
    QCOMPARE(grid.GetGridCell(3, 2), QString("own"));
    QCOMPARE(grid.BaseCell(3, 2), QPoint(1, 1));
    QCOMPARE(grid.FullCell(2, 2), (TGridRect{1, 1, 3, 2}));
    grid.SplitCells(2, 2);
    QCOMPARE(grid.GetCellEx(3, 2), QString("own"));
    QCOMPARE(grid.GetCellEx(1, 1), QString("X"));
  }

  void keys_step_around_merged_blocks_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected_col");
    QTest::addColumn<int>("expected_row");
    // Block (1,1)-(3,2) on an 8 x 5 grid.
    QTest::newRow("right from the base leaves the block") << 1 << 1 << int(Qt::Key_Right) << 4 << 1;
    QTest::newRow("down from the base leaves the block") << 1 << 1 << int(Qt::Key_Down) << 1 << 3;
    QTest::newRow("left from the block's right column") << 4 << 2 << int(Qt::Key_Left) << 1 << 1;
    QTest::newRow("up below the block lands on its base") << 2 << 3 << int(Qt::Key_Up) << 1 << 1;
    QTest::newRow("right outside any block") << 5 << 3 << int(Qt::Key_Right) << 6 << 3;
  }

  void keys_step_around_merged_blocks() {
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(int, expected_col);
    QFETCH(int, expected_row);
    TBaseGrid grid;
    grid.resize(600, 200);
    grid.SetColCount(8);
    grid.SetRowCount(5);
    grid.MergeCells(1, 1, 3, 2);
    grid.FocusCell(col, row);
    QTest::keyClick(&grid, Qt::Key(key));
    QCOMPARE(grid.Col(), expected_col);
    QCOMPARE(grid.Row(), expected_row);
  }

  void covered_cell_step_left_and_up_reach_the_base() {
    TBaseGrid grid;
    grid.resize(600, 200);
    grid.SetColCount(8);
    grid.SetRowCount(6);
    grid.MergeCells(2, 2, 3, 2);
    // A covered cell made current directly (as a mouse press would).
    grid.FocusCell(4, 3);
    QTest::keyClick(&grid, Qt::Key_Left);
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(1, 2));
    grid.FocusCell(4, 3);
    QTest::keyClick(&grid, Qt::Key_Up);
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(2, 1));
  }

  void rows_beyond_the_count_are_kept_not_shown() {
    TBaseGrid grid;
    grid.SetRowCount(10);
    const int count = grid.RowCount();
    grid.SetCellEx(1, count + 5, "x");
    QCOMPARE(grid.GetCellEx(1, count + 5), QString());
    grid.SetRowCount(count + 6);
    QCOMPARE(grid.GetCellEx(1, count + 5), QString("x"));
    grid.SetCellEx(1, 10000000, "x");
    QCOMPARE(int(grid.Store().Filled_Cells()), 2);
    grid.SetCellEx(-1, 2, "no");
    QCOMPARE(grid.GetCellEx(-1, 2), QString());
  }

  void properties_take_the_grid_look_and_repaint_the_block() {
    Recording_Grid grid;
    grid.resize(500, 300);
    grid.SetColCount(6);
    grid.SetRowCount(6);
    grid.SetColor(0x00F0E0D0);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    TCellProperties* props = grid.GetCellProperties(2, 2);
    QCOMPARE(props, grid.GetCellProperties(2, 2));
    QCOMPARE(props->BrushColor(), TColor(0x00F0E0D0));
    grid.MergeCells(1, 1, 3, 2);
    grid.invalidated.clear();
    grid.GetCellProperties(3, 2)->SetBrushColor(clRed);
    QCOMPARE(int(grid.invalidated.size()), 1);
    const TRect first = grid.UnclippedCellRect(1, 1), last = grid.UnclippedCellRect(3, 2);
    QCOMPARE(grid.invalidated[0], (TRect{first.Left, first.Top, last.Right, last.Bottom}));
    grid.invalidated.clear();
    grid.GetCellProperties(3, 2)->SetAlignment(taCenter);
    QVERIFY(grid.invalidated.empty());
  }

  void display_hooks_apply_below_the_normal_row_count() {
    TBaseGrid grid;
    grid.SetRowCount(6);
    grid.SetCellEx(1, 1, "ab");
    grid.SetCellEx(1, 5, "ab");
    grid.SetNormalRowCount(5);
    grid.OnGetDisplText = [](TBaseGrid*, int, int, QString& value) { value += "!"; };
    QCOMPARE(grid.GetCellEx(1, 1), QString("ab!"));
    grid.OnGetDisplWideText = [](TBaseGrid*, int, int, QString& value) { value = value.toUpper(); };
    QVERIFY(grid.GetCellEx(1, 1).startsWith("|\\"));
    QCOMPARE(grid.GetCellEx(1, 1).size(), 2 + 2 * 3);
    QCOMPARE(grid.GetCellEx(1, 5), QString("ab"));
  }

  void cell_objects_the_grid_owns_are_freed() {
    int alive = 0;
    {
      TBaseGrid grid;
      grid.SetGraphicObjectEx(1, 1, new Owned_Graphic(&alive));
      grid.SetGraphicObjectEx(1, 1, new Owned_Graphic(&alive));  // replaces and frees the first
      QCOMPARE(alive, 1);
      grid.SetGraphicObjectEx(2, 1, new Owned_Graphic(&alive));
      grid.FreeCellProperties(2, 1);
      QCOMPARE(alive, 1);
      grid.SetObjectEx(3, 1, 42);
      QCOMPARE(grid.GetObjectEx(3, 1), quintptr(42));
      QCOMPARE(grid.GetObjectEx(3, 2), quintptr(0));
    }
    QCOMPARE(alive, 0);
  }

  void reset_cell_empties_its_own_text() {
    TBaseGrid grid;
    grid.SetCellEx(1, 1, "base");
    grid.SetCellEx(2, 1, "own");
    grid.MergeCells(1, 1, 2, 1);
    TCellProperties* moved = grid.GetGridObject(2, 1);
    grid.ResetCell(2, 1);
    QCOMPARE(grid.GetGridCell(1, 1), QString("base"));
    QCOMPARE(grid.GetGridCell(2, 1), QString());
    delete moved;  // the caller took the properties over
  }

  void geometry_follows_scrolling() {
    TBaseGrid grid;
    grid.resize(300, 200);
    grid.SetRowCount(100);
    grid.SetColCount(20);
    grid.SetDefaultRowHeight(20);
    grid.SetDefaultColWidth(50);
    grid.SetTopRow(11);
    grid.SetLeftCol(3);
    QCOMPARE(grid.TopRow(), 11);
    // Row 1 is ten rows above the top row, below the fixed header row.
    QCOMPARE(grid.UnclippedCellRect(1, 1), (TRect{-50, 20 - 200, 0, 20 - 180}));
    QCOMPARE(grid.UnclippedCellRect(0, 0), (TRect{0, 0, 50, 20}));
    QVERIFY(grid.PlatformCellRect(1, 1).Is_Empty());
    QCOMPARE(grid.PlatformCellRect(3, 11), (TRect{50, 20, 100, 40}));
    QCOMPARE(grid.MouseCoord(60, 25), (TGridCoord{3, 11}));
    QCOMPARE(grid.MouseCoord(10, 25), (TGridCoord{0, 11}));
    grid.SetTopRow(1000);
    QCOMPARE(grid.TopRow(), 100 - grid.VisibleRowCount());
  }

  void keyboard_pages_and_ends() {
    TBaseGrid grid;
    grid.resize(300, 200);
    grid.SetRowCount(50);
    grid.SetColCount(10);
    grid.SetDefaultRowHeight(20);
    const int page = grid.VisibleRowCount();
    QTest::keyClick(&grid, Qt::Key_PageDown);
    QCOMPARE(grid.Row(), 1 + page);
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(9, 49));
    QVERIFY(grid.TopRow() + grid.VisibleRowCount() > 49);
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(1, 1));
    QCOMPARE(grid.TopRow(), 1);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(grid.Selection(), (TGridRect{1, 1, 2, 2}));
  }

  void mouse_selects_and_the_editor_writes_back() {
    TBaseGrid grid;
    grid.resize(400, 300);
    grid.SetColCount(5);
    grid.SetRowCount(5);
    grid.SetOptions(grid.Options() | goEditing);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const TRect cell = grid.PlatformCellRect(2, 3);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(cell.Left + 5, cell.Top + 5));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(2, 3));
    QTest::keyClick(&grid, Qt::Key_F2);
    QVERIFY(grid.EditorMode());
    auto* editor = qobject_cast<QLineEdit*>(grid.InplaceEditor());
    QVERIFY(editor);
    editor->setText("typed");
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!grid.EditorMode());
    QCOMPARE(grid.GetCellEx(2, 3), QString("typed"));
    QTest::keyClick(&grid, Qt::Key_F2);
    qobject_cast<QLineEdit*>(grid.InplaceEditor())->setText("dropped");
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Escape);
    QCOMPARE(grid.GetCellEx(2, 3), QString("typed"));
  }

  void column_sizing_and_moving_with_the_mouse() {
    TBaseGrid grid;
    grid.resize(500, 300);
    grid.SetColCount(5);
    grid.SetRowCount(5);
    grid.SetDefaultColWidth(60);
    grid.SetOptions(grid.Options() | goColSizing | goColMoving);
    grid.SetCellEx(1, 0, "one");
    grid.SetCellEx(3, 0, "three");
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, QPoint(119, 5));  // right edge of column 1
    QCOMPARE(grid.GridState(), gsColSizing);
    QTest::mouseMove(grid.viewport(), QPoint(150, 5));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, QPoint(150, 5));
    QCOMPARE(grid.ColWidths(1), 90);
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, QPoint(100, 5));
    QCOMPARE(grid.GridState(), gsColMoving);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, QPoint(240, 5));  // over column 3
    QCOMPARE(grid.GetCellEx(3, 0), QString("one"));
    QCOMPARE(grid.GetCellEx(2, 0), QString("three"));
    QCOMPARE(grid.ColWidths(3), 90);
  }

  void paints_merged_cells_once_and_shows() {
    TBaseGrid grid;
    grid.resize(420, 200);
    grid.SetColCount(6);
    grid.SetRowCount(6);
    for (int c = 0; c < 6; ++c) grid.SetCellEx(c, 0, QString("H%1").arg(c));
    grid.SetCellEx(1, 1, "merged");
    grid.MergeCells(1, 1, 3, 2);
    grid.GetCellProperties(4, 3)->SetBrushColor(clYellow);
    grid.SetCellEx(4, 3, "yellow");
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const int before = grid.PaintID();
    const QImage image = grid.grab().toImage();
    QVERIFY(grid.PaintID() > before);
    const TRect yellow = grid.CellRect(4, 3);
    QCOMPARE(image.pixelColor(yellow.Left + 2, yellow.Top + 2), QColor(255, 255, 0));
    if (!qEnvironmentVariableIsEmpty("KELVRA_GRID_SHOT")) image.save(qEnvironmentVariable("KELVRA_GRID_SHOT"));
  }
};

QTEST_MAIN(BaseGridTest)
#include "base_grid_test.moc"
