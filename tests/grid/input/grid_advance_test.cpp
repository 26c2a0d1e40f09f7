// Enter advance, type-ahead and Tab traversal of the string grid.
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {
// A 4 x 4 grid: one fixed row and column, data cells (1..3, 1..3).
void Small_Grid(TZadIrururOziz& grid, int cols = 4, int rows = 4) {
  grid.SetColCount(cols);
  grid.SetRowCount(rows);
  grid.Navigation().SetAdvanceOnEnter(true);
}

QPoint Current(const TZadIrururOziz& grid) { return QPoint(grid.Col(), grid.Row()); }

void Make_Read_Only(TZadIrururOziz& grid, int c, int r) { grid.GetCellProperties(c, r)->SetReadOnly(true); }

// Column 0 holds the node glyphs of a grid with nodes.
class Node_Grid : public TZadIrururOziz {
 public:
  bool HasNodes() override { return true; }
};
}  // namespace

class GridAdvanceTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void enter_moves_data() {
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<bool>("loop");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("right inside the row") << int(adLeftRight) << true << true << QPoint(1, 1) << QPoint(2, 1);
    QTest::newRow("last column to the next row") << int(adLeftRight) << true << true << QPoint(3, 1) << QPoint(1, 2);
    QTest::newRow("last cell loops to the first") << int(adLeftRight) << true << true << QPoint(3, 3) << QPoint(1, 1);
    QTest::newRow("last cell without loop stays") << int(adLeftRight) << true << false << QPoint(3, 3) << QPoint(3, 3);
    QTest::newRow("in row loops back") << int(adLeftRightInRow) << true << true << QPoint(3, 2) << QPoint(1, 2);
    QTest::newRow("in row without loop stays")
        << int(adLeftRightInRow) << true << false << QPoint(3, 2) << QPoint(3, 2);
    QTest::newRow("down the column") << int(adTopBottom) << true << true << QPoint(1, 1) << QPoint(1, 2);
    QTest::newRow("bottom to the next column") << int(adTopBottom) << true << true << QPoint(1, 3) << QPoint(2, 1);
    QTest::newRow("last cell down to the first") << int(adTopBottom) << true << true << QPoint(3, 3) << QPoint(1, 1);
    QTest::newRow("in column back to the top") << int(adTopBottomInCol) << true << true << QPoint(2, 3) << QPoint(2, 1);
    QTest::newRow("backward left") << int(adLeftRight) << false << true << QPoint(2, 2) << QPoint(1, 2);
    QTest::newRow("backward to the previous row") << int(adLeftRight) << false << true << QPoint(1, 2) << QPoint(3, 1);
    QTest::newRow("backward from the first cell") << int(adLeftRight) << false << true << QPoint(1, 1) << QPoint(3, 3);
    QTest::newRow("backward up") << int(adTopBottom) << false << true << QPoint(2, 2) << QPoint(2, 1);
    QTest::newRow("backward in row does not move")
        << int(adLeftRightInRow) << false << true << QPoint(2, 2) << QPoint(2, 2);
  }

  void enter_moves() {
    QFETCH(int, direction);
    QFETCH(bool, forward);
    QFETCH(bool, loop);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    TZadIrururOziz grid;
    Small_Grid(grid);
    grid.Navigation().SetAdvanceDirection(TAdvanceDirection(direction));
    grid.Navigation().SetAdvanceOnEnterLoop(loop);
    grid.FocusCell(from.x(), from.y());
    grid.AdvanceToNextCell(from.x(), from.y(), false, false, forward, false, false);
    QCOMPARE(Current(grid), to);
  }

  void enter_and_tab_start_after_the_node_column() {
    Node_Grid grid;
    Small_Grid(grid);
    grid.SetFixedCols(0);
    grid.SetOptions(grid.Options() | goTabs);
    QCOMPARE(grid.FirstTabCol(), 1);
    grid.FocusCell(3, 1);
    grid.AdvanceToNextCell(3, 1, false, false, true, false, false);
    QCOMPARE(Current(grid), QPoint(1, 2));
  }

  void enter_needs_advance_on_enter_unless_forced() {
    TZadIrururOziz grid;
    Small_Grid(grid);
    grid.Navigation().SetAdvanceOnEnter(false);
    grid.FocusCell(1, 1);
    grid.AdvanceToNextCell(1, 1, false, false, true, false, false);
    QCOMPARE(Current(grid), QPoint(1, 1));
    grid.AdvanceToNextCell(1, 1, false, false, true, false, true);
    QCOMPARE(Current(grid), QPoint(2, 1));
  }

  void enter_steps_over_a_merged_cell() {
    TZadIrururOziz grid;
    Small_Grid(grid, 5);
    grid.MergeCells(1, 1, 2, 1);
    grid.FocusCell(1, 1);
    grid.AdvanceToNextCell(1, 1, false, false, true, false, false);
    QCOMPARE(Current(grid), QPoint(3, 1));
  }

  void enter_skips_read_only_cells() {
    TZadIrururOziz grid;
    Small_Grid(grid, 5);
    grid.SetOptions(grid.Options() | goEditing);
    Make_Read_Only(grid, 2, 1);
    QPoint old_cell(-1, -1);
    grid.OnAutoAdvance = [&](TZadIrururOziz*, int OldRow, int OldCol, int&, int&, bool&) {
      old_cell = QPoint(OldCol, OldRow);
    };
    grid.FocusCell(1, 1);
    grid.AdvanceToNextCell(1, 1, false, false, true, false, false);
    QCOMPARE(Current(grid), QPoint(3, 1));
    QCOMPARE(old_cell, QPoint(1, 1));

    // Without skipping the read-only cell becomes current.
    grid.Navigation().SetAdvanceSkipReadOnlyCells(false);
    grid.FocusCell(1, 1);
    grid.AdvanceToNextCell(1, 1, false, false, true, false, false);
    QCOMPARE(Current(grid), QPoint(2, 1));
  }

  void enter_in_an_all_read_only_grid_stays() {
    TZadIrururOziz grid;
    Small_Grid(grid);
    grid.OnCanEditCell = [](TZadIrururOziz*, int, int, bool& CanEdit) { CanEdit = false; };
    grid.FocusCell(2, 2);
    grid.AdvanceToNextCell(2, 2, false, false, true, false, false);
    QCOMPARE(Current(grid), QPoint(2, 2));
  }

  void enter_refused_keeps_the_cell() {
    TZadIrururOziz grid;
    Small_Grid(grid);
    grid.FocusCell(1, 1);
    grid.OnAutoAdvance = [](TZadIrururOziz*, int, int, int&, int&, bool& Allow) { Allow = false; };
    grid.AdvanceToNextCell(1, 1, false, false, true, false, false);
    QCOMPARE(Current(grid), QPoint(1, 1));
    grid.OnAutoAdvance = [](TZadIrururOziz*, int, int, int& NewRow, int& NewCol, bool&) {
      NewRow = 3;
      NewCol = 3;
    };
    grid.AdvanceToNextCell(1, 1, false, false, true, false, false);
    QCOMPARE(Current(grid), QPoint(3, 3));
    grid.OnAutoAdvance = nullptr;
    grid.OnCellChanging = [](TZadIrururOziz*, int, int, int, int, bool& Allow) { Allow = false; };
    grid.AdvanceToNextCell(3, 3, false, false, true, false, false);
    QCOMPARE(Current(grid), QPoint(3, 3));
  }

  void enter_on_the_last_row_appends_with_advance_insert() {
    TZadIrururOziz grid;
    Small_Grid(grid);
    grid.SetOptions(grid.Options() | goEditing);
    grid.Navigation().SetAdvanceInsert(true);
    int added = -1;
    grid.OnAutoAddRow = [&](TZadIrururOziz*, int ARow) { added = ARow; };
    grid.FocusCell(3, 3);
    grid.AdvanceToNextCell(3, 3, false, false, true, false, false);
    QCOMPARE(grid.RowCount(), 5);
    QCOMPARE(added, 4);
    QCOMPARE(Current(grid), QPoint(1, 4));

    // A refused row: the first tab column of the same row.
    grid.OnCanAddRow = [](TZadIrururOziz*, bool& CanAdd) { CanAdd = false; };
    grid.FocusCell(3, 4);
    grid.AdvanceToNextCell(3, 4, false, false, true, false, false);
    QCOMPARE(grid.RowCount(), 5);
    QCOMPARE(Current(grid), QPoint(1, 4));
  }

  void enter_down_the_last_column_inserts_a_column() {
    TZadIrururOziz grid;
    Small_Grid(grid);
    grid.Navigation().SetAdvanceDirection(adTopBottom);
    grid.Navigation().SetAdvanceInsert(true);
    int inserted = -1;
    grid.OnAutoInsertCol = [&](TZadIrururOziz*, int ACol) { inserted = ACol; };
    grid.FocusCell(3, 3);
    grid.AdvanceToNextCell(3, 3, false, false, true, false, false);
    QCOMPARE(grid.ColCount(), 5);
    QCOMPARE(inserted, 4);
    QCOMPARE(Current(grid), QPoint(4, 1));
  }

  void enter_key_in_the_grid() {
    // Enter on a focused grid opens the editor; Enter inside it moves on
    // and the editor follows (AdvanceAutoEdit); the typed text is in the
    // cell before any Enter.
    TZadIrururOziz grid;
    Small_Grid(grid);
    grid.SetOptions(grid.Options() | goEditing);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.FocusCell(1, 1);
    QTest::keyClicks(&grid, "a");
    QVERIFY(grid.EditorMode());
    auto* editor = qobject_cast<QLineEdit*>(grid.InplaceEditor());
    QVERIFY(editor);
    QTest::keyClicks(editor, "b");
    QCOMPARE(grid.GetCellEx(1, 1), QString("ab"));
    grid.AdvanceToNextCell();
    QCOMPARE(Current(grid), QPoint(2, 1));
    QVERIFY(grid.EditorMode());
    QCOMPARE(grid.GetCellEx(1, 1), QString("ab"));

    grid.Navigation().SetAdvanceAutoEdit(false);
    grid.AdvanceToNextCell();
    QCOMPARE(Current(grid), QPoint(3, 1));
    QVERIFY(!grid.EditorMode());
  }

  void enter_key_on_a_cell_control_advances() {
    TZadIrururOziz grid;
    Small_Grid(grid);
    grid.SetOptions(grid.Options() | goEditing);
    grid.AddCheckBox(1, 1, false, false);
    grid.FocusCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_Return);
    QCOMPARE(Current(grid), QPoint(2, 1));
    QVERIFY(!grid.EditorMode());
  }

  void enter_key_on_a_read_only_cell_is_swallowed() {
    TZadIrururOziz grid;
    Small_Grid(grid);
    grid.SetOptions(grid.Options() | goEditing);
    Make_Read_Only(grid, 1, 1);
    int key_downs = 0;
    grid.OnKeyDown = [&](TZadIrururOziz*, int& Key, Qt::KeyboardModifiers) {
      if (Key == Qt::Key_Return) ++key_downs;
    };
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.FocusCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_Return);
    QCOMPARE(key_downs, 1);
    QVERIFY(!grid.EditorMode());
    QCOMPARE(Current(grid), QPoint(1, 1));
  }

  void enter_and_f2_switch_editing_on_data() {
    QTest::addColumn<bool>("dbl_click_only");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("read_only");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<bool>("editor");
    QTest::newRow("range edit, F2") << false << int(Qt::Key_F2) << false << true << true;
    QTest::newRow("range edit, Enter") << false << int(Qt::Key_Return) << false << true << true;
    QTest::newRow("range edit, read-only") << false << int(Qt::Key_F2) << true << false << false;
    QTest::newRow("double click only, F2") << true << int(Qt::Key_F2) << false << true << true;
    QTest::newRow("double click only, read-only") << true << int(Qt::Key_F2) << true << false << false;
  }

  void enter_and_f2_switch_editing_on() {
    QFETCH(bool, dbl_click_only);
    QFETCH(int, key);
    QFETCH(bool, read_only);
    QFETCH(bool, editing);
    QFETCH(bool, editor);
    TZadIrururOziz grid;
    Small_Grid(grid);
    grid.Navigation().SetAdvanceOnEnter(false);
    if (dbl_click_only)
      grid.MouseActions().SetEditOnDblClickOnly(true);
    else
      grid.MouseActions().SetRangeSelectAndEdit(true);
    grid.SetOptions(grid.Options() & ~goEditing);
    if (read_only) grid.OnCanEditCell = [](TZadIrururOziz*, int, int, bool& CanEdit) { CanEdit = false; };
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.FocusCell(2, 2);
    QTest::keyClick(&grid, Qt::Key(key));
    QCOMPARE(bool(grid.Options() & goEditing), editing);
    QCOMPARE(grid.EditorMode(), editor);
  }

  void type_ahead() {
    TZadIrururOziz grid;
    Small_Grid(grid, 3, 6);
    const QStringList texts{"Apple", "Banana", "Berry", "<b>Cherry</b>", "berries"};
    for (int r = 0; r < texts.size(); ++r) grid.SetCellEx(1, r + 1, texts[r]);
    grid.Navigation().SetAdvanceOnEnter(false);
    grid.Navigation().SetAutoGotoWhenSorted(true);
    grid.Navigation().SetAutoGotoIncremental(true);
    grid.FocusCell(1, 1);
    QTest::keyClicks(&grid, "b");
    QCOMPARE(grid.Row(), 2);
    QTest::keyClicks(&grid, "E");
    QCOMPARE(grid.IncrSearchText(), QString("bE"));
    QCOMPARE(grid.Row(), 3);
    QTest::keyClick(&grid, Qt::Key_Backspace);
    QCOMPARE(grid.IncrSearchText(), QString("b"));
    QTest::keyClicks(&grid, "x");  // no row: the text starts over
    QCOMPARE(grid.IncrSearchText(), QString());
    QTest::keyClicks(&grid, "ch");  // tags are not part of the text
    QCOMPARE(grid.Row(), 4);

    // Without incremental search each key searches alone.
    grid.Navigation().SetAutoGotoIncremental(false);
    QTest::keyClicks(&grid, "ab");
    QCOMPARE(grid.IncrSearchText(), QString("b"));
    QCOMPARE(grid.Row(), 2);

    // While editing typing goes to the editor instead.
    grid.SetOptions(grid.Options() | goEditing);
    grid.SetIncrSearchText(QString());
    grid.FocusCell(1, 1);
    QTest::keyClicks(&grid, "c");
    QCOMPARE(grid.IncrSearchText(), QString());
  }

  void type_ahead_text_ages_with_the_timer() {
    TZadIrururOziz grid;
    grid.SetCellEx(1, 1, "alpha");
    grid.Navigation().SetAutoGotoWhenSorted(true);
    grid.Navigation().SetAutoGotoIncremental(true);
    QTest::keyClicks(&grid, "al");
    for (int tick = 1; tick <= 3; ++tick) {
      grid.GridTimerTick();
      QCOMPARE(grid.IncrSearchText(), QString("al"));
    }
    QTest::keyClicks(&grid, "p");  // typing makes the text young again
    for (int tick = 1; tick <= 3; ++tick) grid.GridTimerTick();
    QCOMPARE(grid.IncrSearchText(), QString("alp"));
    grid.GridTimerTick();
    QCOMPARE(grid.IncrSearchText(), QString());
    QCOMPARE(grid.SearchTics(), 0);
  }

  void tab_moves_data() {
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("backward");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("right") << int(adLeftRight) << false << QPoint(1, 1) << QPoint(2, 1);
    QTest::newRow("last column to the next row") << int(adLeftRight) << false << QPoint(3, 1) << QPoint(1, 2);
    QTest::newRow("last cell to the top") << int(adLeftRight) << false << QPoint(3, 3) << QPoint(1, 1);
    QTest::newRow("backward left") << int(adLeftRight) << true << QPoint(2, 2) << QPoint(1, 2);
    QTest::newRow("backward to the previous row") << int(adLeftRight) << true << QPoint(1, 2) << QPoint(3, 1);
    QTest::newRow("backward from the first cell") << int(adLeftRight) << true << QPoint(1, 1) << QPoint(3, 3);
    QTest::newRow("down") << int(adTopBottom) << false << QPoint(2, 1) << QPoint(2, 2);
    QTest::newRow("bottom to the next column") << int(adTopBottom) << false << QPoint(2, 3) << QPoint(3, 1);
    QTest::newRow("backward up") << int(adTopBottom) << true << QPoint(2, 2) << QPoint(2, 1);
    QTest::newRow("backward top to the column before") << int(adTopBottom) << true << QPoint(2, 1) << QPoint(1, 3);
  }

  void tab_moves() {
    QFETCH(int, direction);
    QFETCH(bool, backward);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    TZadIrururOziz grid;
    Small_Grid(grid);
    grid.SetOptions(grid.Options() | goTabs);
    grid.Navigation().SetTabAdvanceDirection(TAdvanceDirection(direction));
    grid.FocusCell(from.x(), from.y());
    QTest::keyClick(&grid, Qt::Key_Tab, backward ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(Current(grid), to);
  }

  void tab_passes_over_merged_cells() {
    TZadIrururOziz grid;
    Small_Grid(grid, 6);
    grid.SetOptions(grid.Options() | goTabs);
    grid.MergeCells(2, 1, 2, 1);
    grid.FocusCell(1, 1);
    QVERIFY(grid.TabAdvance(false));
    QCOMPARE(Current(grid), QPoint(2, 1));
    QVERIFY(grid.TabAdvance(false));
    QCOMPARE(Current(grid), QPoint(4, 1));
    QVERIFY(grid.TabAdvance(true));
    QCOMPARE(Current(grid), QPoint(2, 1));
  }

  void tab_on_the_last_cell_appends_with_advance_insert() {
    TZadIrururOziz grid;
    Small_Grid(grid);
    grid.SetOptions(grid.Options() | goTabs);
    grid.Navigation().SetAdvanceInsert(true);
    int added = -1;
    grid.OnAutoAddRow = [&](TZadIrururOziz*, int ARow) { added = ARow; };
    grid.FocusCell(3, 3);
    QVERIFY(grid.TabAdvance(false));
    QCOMPARE(grid.RowCount(), 5);
    QCOMPARE(added, 4);
    QCOMPARE(Current(grid), QPoint(1, 4));

    grid.OnCanAddRow = [](TZadIrururOziz*, bool& CanAdd) { CanAdd = false; };
    grid.FocusCell(3, 4);
    QVERIFY(grid.TabAdvance(false));
    QCOMPARE(grid.RowCount(), 5);
    QCOMPARE(Current(grid), QPoint(1, 1));
  }

  void tab_skips_refused_and_read_only_cells() {
    TZadIrururOziz grid;
    Small_Grid(grid, 5);
    grid.SetOptions(grid.Options() | goTabs);
    grid.OnSelectCell = [](TZadIrururOziz*, int ACol, int, bool& CanSelect) {
      if (ACol == 2) CanSelect = false;
    };
    grid.FocusCell(1, 1);
    grid.TabAdvance(false);
    QCOMPARE(Current(grid), QPoint(3, 1));

    // While editing, a cell that cannot be edited is passed over.
    grid.OnSelectCell = nullptr;
    grid.SetOptions(grid.Options() | goEditing);
    grid.Navigation().SetAdvanceAutoEdit(false);
    Make_Read_Only(grid, 4, 1);
    grid.TabAdvance(false);
    QCOMPARE(Current(grid), QPoint(1, 2));

    // Nothing editable anywhere: the step ends.
    grid.OnCanEditCell = [](TZadIrururOziz*, int, int, bool& CanEdit) { CanEdit = false; };
    grid.TabAdvance(false);
    QVERIFY(grid.Row() >= 1);
  }

  void tab_at_the_end_goes_to_the_next_control() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* grid = new TZadIrururOziz(&window);
    auto* next = new QLineEdit(&window);
    layout->addWidget(grid);
    layout->addWidget(next);
    Small_Grid(*grid);
    grid->SetOptions(grid->Options() | goTabs);
    grid->Navigation().SetTabToNextAtEnd(true);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    grid->setFocus();
    grid->FocusCell(2, 3);
    QVERIFY(grid->TabAdvance(false));
    QCOMPARE(Current(*grid), QPoint(3, 3));
    QVERIFY(!grid->TabAdvance(false));
    QTRY_VERIFY(next->hasFocus());
  }

  void tab_without_go_tabs_leaves_the_grid() {
    TZadIrururOziz grid;
    Small_Grid(grid);
    grid.FocusCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_Tab);
    QCOMPARE(Current(grid), QPoint(1, 1));
  }
};

QTEST_MAIN(GridAdvanceTest)
#include "grid_advance_test.moc"
