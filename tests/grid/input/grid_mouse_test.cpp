// Mouse clicks on the string grid and the column grid, sent as real mouse
// events to the grid's viewport.
#include <QtTest>

#include "grid/columns/zad_column_grid.h"
#include "grid/core/zad_irurur_oziz.h"

namespace {

// Records the header clicks that passed the sort decision.
class Sorting_Grid : public TZadIrururOziz {
 public:
  using TZadIrururOziz::TZadIrururOziz;
  QList<int> sorted;
  void DoHeaderSort(int ACol) override { sorted << ACol; }
};

// Counts the clipboard services the selection resizer uses.
class Clipboard_Grid : public TZadIrururOziz {
 public:
  using TZadIrururOziz::TZadIrururOziz;
  int copies = 0, pastes = 0;
  void CopySelectionToClipboard() override { ++copies; }
  void PasteSelectionFromClipboard() override { ++pastes; }
};

QPoint At(TZadIrururOziz& grid, int c, int r, int dx = 5, int dy = 5) {
  const TRect rect = grid.CellRect(c, r);
  return QPoint(rect.Left + dx, rect.Top + dy);
}

void Click(TZadIrururOziz& grid, QPoint p, Qt::KeyboardModifiers mods = {}) {
  QTest::mousePress(grid.viewport(), Qt::LeftButton, mods, p);
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, mods, p);
}

// What a user's double click delivers: press, release, double click, release.
void Double_Click(TZadIrururOziz& grid, QPoint p) {
  Click(grid, p);
  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, p);
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, p);
}

void Show(QWidget& grid) {
  grid.resize(640, 300);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
  grid.grab();  // paints once: cell buttons remember where they were drawn
}

void Setup(TZadIrururOziz& grid) {
  grid.SetColCount(5);
  grid.SetRowCount(6);
  grid.SetOptions(grid.Options() | goEditing);
  Show(grid);
}

}  // namespace

class GridMouseTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void rating_click_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("expected");
    QTest::newRow("45 px: five half marks") << 45 << true << "2.50";
    QTest::newRow("44 px: four half marks") << 44 << true << "2.00";
    QTest::newRow("first pixels: nothing") << 3 << true << "0.00";
    QTest::newRow("past the last mark: the scale") << 200 << true << "5.00";
    QTest::newRow("not editable: unchanged") << 45 << false << "";
  }

  void rating_click() {
    QFETCH(int, offset);
    QFETCH(bool, editing);
    QFETCH(QString, expected);
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetColWidths(2, 250);
    if (!editing) grid.SetOptions(grid.Options() & ~goEditing);
    TCellGraphic* rating = grid.CreateCellGraphic(2, 2);
    rating->CellType = ctRating;
    rating->CellAngle = 5;
    Click(grid, At(grid, 2, 2, offset, 5));
    QCOMPARE(grid.GetCellEx(2, 2), expected);
  }

  void rating_change_event_changes_or_refuses() {
    TZadIrururOziz grid;
    Setup(grid);
    TCellGraphic* rating = grid.CreateCellGraphic(2, 2);
    rating->CellType = ctRating;
    rating->CellAngle = 5;
    bool allow = false;
    grid.OnRatingChange = [&](TZadIrururOziz*, int, int, double& value, bool& Allow) {
      Allow = allow;
      value = 1;
    };
    Click(grid, At(grid, 2, 2, 45, 5));
    QCOMPARE(grid.GetCellEx(2, 2), QString());
    allow = true;
    Click(grid, At(grid, 2, 2, 45, 5));
    QCOMPARE(grid.GetCellEx(2, 2), QString("1.00"));
  }

  void rating_after_a_hidden_column_is_reported_at_its_display_column() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.HideColumn(1);
    TCellGraphic* rating = grid.CreateCellGraphic(3, 2);
    rating->CellType = ctRating;
    rating->CellAngle = 5;
    QList<int> columns;
    grid.OnRatingChange = [&](TZadIrururOziz*, int ACol, int, double&, bool&) { columns << ACol; };
    Click(grid, At(grid, 2, 2, 45, 5));
    QCOMPARE(columns, QList<int>{2});
    QCOMPARE(grid.GetCellEx(3, 2), QString("2.50"));
  }

  void cell_button_clicks_only_when_released_inside() {
    TZadIrururOziz grid;
    grid.SetColCount(5);
    grid.SetRowCount(6);
    grid.SetOptions(grid.Options() | goEditing);
    grid.SetColWidths(2, 120);
    grid.AddButton(2, 2, 40, 16, "Go", haLeft, vaTop);
    Show(grid);
    QStringList log;
    grid.OnClickCell = [&](TZadIrururOziz*, int r, int c) { log << QString("click %1,%2").arg(c).arg(r); };
    grid.OnButtonClick = [&](TZadIrururOziz*, int c, int r) { log << QString("button %1,%2").arg(c).arg(r); };
    const TRect button = grid.GetButtonRect(2, 2);
    QVERIFY(!button.Is_Empty());
    const QPoint inside(button.Left + 5, button.Top + 5);
    const int col = grid.Col(), row = grid.Row();

    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, inside);
    QCOMPARE(log, QStringList{"click 2,2"});
    QCOMPARE(grid.PushedCellButton(), QPoint(2, 2));
    // The press works the button, it does not select the cell.
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(col, row));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, inside);
    QCOMPARE(log, (QStringList{"click 2,2", "button 2,2"}));
    QCOMPARE(grid.PushedCellButton(), QPoint(-1, -1));

    // Moved off the button before the release: no click.
    log.clear();
    const QPoint outside(button.Right + 30, button.Top + 5);
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, inside);
    QTest::mouseMove(grid.viewport(), outside);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, outside);
    QCOMPARE(log, QStringList{"click 2,2"});
    QCOMPARE(grid.PushedCellButton(), QPoint(-1, -1));
  }

  void header_double_click_on_border_auto_sizes_without_sorting() {
    Sorting_Grid grid;
    Setup(grid);
    grid.SetOptions(grid.Options() | goColSizing);
    grid.SortSettings().Show = true;
    grid.SetColWidths(2, 30);
    grid.SetCellEx(2, 3, "a much longer text than thirty pixels");
    QList<int> ended;
    grid.OnEndColumnSize = [&](TZadIrururOziz*, int c) { ended << c; };
    const TRect header = grid.CellRect(2, 0);
    Double_Click(grid, QPoint(header.Right - 1, header.Top + 5));
    QVERIFY2(grid.ColWidths(2) > 100, qPrintable(QString::number(grid.ColWidths(2))));
    QCOMPARE(ended, QList<int>{2});
    QVERIFY(grid.sorted.isEmpty());
    QVERIFY(!grid.DblClk());
    // The next plain click on the header sorts.
    Click(grid, At(grid, 2, 0, grid.ColWidths(2) / 2, 5));
    QCOMPARE(grid.sorted, QList<int>{2});
  }

  void header_double_click_refused_by_column_size() {
    Sorting_Grid grid;
    Setup(grid);
    grid.SetOptions(grid.Options() | goColSizing);
    grid.SetColWidths(2, 30);
    grid.SetCellEx(2, 3, "a much longer text than thirty pixels");
    grid.OnColumnSize = [](TZadIrururOziz*, int, bool& allow) { allow = false; };
    const TRect header = grid.CellRect(2, 0);
    Double_Click(grid, QPoint(header.Right - 1, header.Top + 5));
    QCOMPARE(grid.ColWidths(2), 30);
  }

  void header_sort_decision_data() {
    QTest::addColumn<int>("case_");
    QTest::addColumn<bool>("sorts");
    QTest::newRow("middle of the header") << 0 << true;
    QTest::newRow("3 px from the right border with column sizing") << 1 << false;
    QTest::newRow("OnCanSort refuses") << 2 << false;
    QTest::newRow("ignored column") << 3 << false;
    QTest::newRow("two rows only") << 4 << false;
    QTest::newRow("sort glyphs off") << 5 << false;
    QTest::newRow("press on a data row, release on the header") << 6 << false;
    QTest::newRow("column filter button") << 7 << false;
  }

  void header_sort_decision() {
    QFETCH(int, case_);
    QFETCH(bool, sorts);
    Sorting_Grid grid;
    Setup(grid);
    grid.SortSettings().Show = case_ != 5;
    if (case_ == 1) grid.SetOptions(grid.Options() | goColSizing);
    if (case_ == 2) grid.OnCanSort = [](TZadIrururOziz*, int, bool& sort) { sort = false; };
    if (case_ == 3) grid.IgnoreColumns().Add(2);
    if (case_ == 4) grid.SetRowCount(2);
    if (case_ == 7) grid.OnGetColumnFilter = [](TZadIrururOziz*, int, QStringList& f) { f << "x"; };
    const TRect header = grid.CellRect(2, 0);
    QPoint at(header.Left + header.Width() / 2, header.Top + 5);
    if (case_ == 1) at.setX(header.Right - 3);
    if (case_ == 7) at.setX(header.Right - 8);
    if (case_ == 6) {
      QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, At(grid, 2, 2));
      QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, at);
    } else {
      Click(grid, at);
    }
    QCOMPARE(grid.sorted, sorts ? QList<int>{2} : QList<int>{});
  }

  void plain_click_event_order() {
    TZadIrururOziz grid;
    Setup(grid);
    QStringList log;
    grid.OnCanClickCell = [&](TZadIrururOziz*, int, int, bool&) { log << "CanClickCell"; };
    grid.OnMouseDown = [&](TZadIrururOziz*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { log << "MouseDown"; };
    grid.OnClickCell = [&](TZadIrururOziz*, int, int) { log << "ClickCell"; };
    grid.OnSelectionChanged = [&](TZadIrururOziz*, int l, int t, int, int) {
      log << QString("SelectionChanged %1,%2").arg(l).arg(t);
    };
    grid.OnMouseUp = [&](TZadIrururOziz*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { log << "MouseUp"; };
    Click(grid, At(grid, 3, 2));
    QCOMPARE(log, (QStringList{"CanClickCell", "MouseDown", "ClickCell", "SelectionChanged 3,2", "MouseUp"}));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(3, 2));
    // A click that leaves the selection as it was reports no change.
    log.clear();
    Click(grid, At(grid, 3, 2));
    QVERIFY(!log.join(',').contains("SelectionChanged"));
  }

  // A direct-edit click asks the changing events once, and a refusal keeps
  // the cell and opens no editor.
  void direct_edit_click_asks_the_changing_events_once() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.MouseActions().SetDirectEdit(true);
    int rows = 0, cols = 0, cells = 0;
    bool allow = true;
    grid.OnRowChanging = [&](TZadIrururOziz*, int, int, bool&) { ++rows; };
    grid.OnColChanging = [&](TZadIrururOziz*, int, int, bool&) { ++cols; };
    grid.OnCellChanging = [&](TZadIrururOziz*, int, int, int, int, bool& a) {
      ++cells;
      a = allow;
    };
    Click(grid, At(grid, 3, 3, 20, 5));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(3, 3));
    QVERIFY(grid.EditorMode());
    QCOMPARE(rows, 1);
    QCOMPARE(cols, 1);
    QCOMPARE(cells, 1);

    grid.HideInplaceEdit();
    allow = false;
    cells = 0;
    Click(grid, At(grid, 2, 4, 20, 5));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(3, 3));
    QVERIFY(!grid.EditorMode());
    QVERIFY(cells >= 1);
  }

  void refused_click_neither_moves_nor_fires() {
    TZadIrururOziz grid;
    Setup(grid);
    int clicks = 0;
    grid.OnCanClickCell = [](TZadIrururOziz*, int, int, bool& allow) { allow = false; };
    grid.OnClickCell = [&](TZadIrururOziz*, int, int) { ++clicks; };
    const QPoint before(grid.Col(), grid.Row());
    Click(grid, At(grid, 3, 3));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), before);
    QCOMPARE(clicks, 0);
  }

  void click_on_the_current_cell_opens_the_editor_where_the_cell_allows() {
    TZadIrururOziz grid;
    Setup(grid);
    bool none = false;
    grid.OnGetEditorType = [&](TZadIrururOziz*, int, int, TEditorType& editor) {
      if (none) editor = edNone;
    };
    Click(grid, At(grid, 2, 2));
    QVERIFY(!grid.EditorMode());
    Click(grid, At(grid, 2, 2));
    QVERIFY(grid.EditorMode());
    grid.HideInplaceEdit();

    none = true;
    Click(grid, At(grid, 3, 3));
    Click(grid, At(grid, 3, 3));
    QVERIFY(!grid.EditorMode());
    Double_Click(grid, At(grid, 3, 3));
    QVERIFY(!grid.EditorMode());
  }

  // The drop-down question is asked by the real column, as the painter asks
  // it: a press on an always-shown drop-down after a hidden column opens
  // the editor at once.
  void drop_down_cell_after_a_hidden_column_edits_on_the_first_press() {
    TZadIrururOziz grid;
    grid.ControlLook().SetDropDownAlwaysVisible(true);
    grid.OnHasComboBox = [](TZadIrururOziz*, int ACol, int, bool& has) { has = ACol == 3; };
    Setup(grid);
    grid.HideColumn(1);
    Click(grid, At(grid, 2, 2, 20, 5));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(2, 2));
    QVERIFY(grid.EditorMode());
  }

  void double_click_opens_the_editor_and_fires_in_order() {
    TZadIrururOziz grid;
    Setup(grid);
    QStringList log;
    grid.OnDblClick = [&](TZadIrururOziz*) { log << "DblClick"; };
    grid.OnDblClickCell = [&](TZadIrururOziz*, int r, int c) { log << QString("DblClickCell %1,%2").arg(c).arg(r); };
    Double_Click(grid, At(grid, 2, 3));
    QCOMPARE(log, (QStringList{"DblClick", "DblClickCell 2,3"}));
    QVERIFY(grid.EditorMode());
  }

  void data_check_box_column_toggles_by_click() {
    TZadColumnGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(5);
    grid.SetOptions(grid.Options() | goEditing);
    grid.Columns()[2]->SetEditor(edDataCheckBox);
    Show(grid);
    QStringList log;
    grid.OnCheckBoxClick = [&](TZadIrururOziz*, int c, int r, bool s) {
      log << QString("click %1,%2 %3").arg(c).arg(r).arg(s);
    };
    grid.OnCheckBoxMouseUp = [&](TZadIrururOziz*, int c, int r, bool s) {
      log << QString("up %1,%2 %3").arg(c).arg(r).arg(s);
    };
    grid.OnMouseDown = [&](TZadIrururOziz*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { log << "MouseDown"; };
    grid.OnClick = [&](TZadIrururOziz*) { log << "Click"; };
    QCOMPARE(grid.GetCellEx(2, 2), QString());
    Click(grid, At(grid, 2, 2));
    QCOMPARE(grid.GetCellEx(2, 2), QString("Y"));
    QCOMPARE(log, (QStringList{"click 2,2 1", "MouseDown", "Click", "up 2,2 1"}));
    log.clear();
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(2, 2));
    Click(grid, At(grid, 2, 2));
    QCOMPARE(grid.GetCellEx(2, 2), QString("N"));
    QCOMPARE(log, (QStringList{"click 2,2 0", "MouseDown", "Click", "up 2,2 0"}));
    // A read-only column keeps its boxes as they are.
    grid.Columns()[2]->SetReadOnly(true);
    Click(grid, At(grid, 2, 2));
    QCOMPARE(grid.GetCellEx(2, 2), QString("N"));
  }

  void radio_group_click_chooses_the_item_under_the_mouse() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetColWidths(2, 200);
    QStringList* items = grid.CreateRadio(2, 2, 1, 0);
    *items << "Alpha"
           << "Beta"
           << "Gamma";
    int clicked = -2;
    grid.OnRadioClick = [&](TZadIrururOziz*, int, int, int index) { clicked = index; };
    const QFontMetrics metrics(grid.GridFont());
    const int first = metrics.horizontalAdvance("Alpha") + 16;
    const TRect cell = grid.CellRect(2, 2);
    // Exactly on the line between two items: nothing is chosen.
    Click(grid, QPoint(cell.Left + first, cell.Top + 5));
    QCOMPARE(clicked, -2);
    Click(grid, QPoint(cell.Left + first + 3, cell.Top + 5));
    QCOMPARE(clicked, 1);
    int index = -1;
    QVERIFY(grid.GetRadioIdx(2, 2, index));
    QCOMPARE(index, 1);
  }

  void dragging_a_header_moves_the_column_with_its_item() {
    TZadColumnGrid grid;
    grid.SetColCount(5);
    grid.SetRowCount(4);
    grid.SetOptions(grid.Options() | goColMoving);
    for (int c = 0; c < 5; ++c) grid.Columns()[c]->SetHeader(QString("H%1").arg(c));
    Show(grid);
    QList<QPoint> moved;
    grid.OnAfterColumnMoved = [&](TZadColumnGrid*, int from, int to) { moved << QPoint(from, to); };
    TGridColumnItem* third = grid.Columns()[3];
    const QString header = third->Header();
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, At(grid, 3, 0, 20));
    QTest::mouseMove(grid.viewport(), At(grid, 2, 0, 20));
    QTest::mouseMove(grid.viewport(), At(grid, 1, 0, 20));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, At(grid, 1, 0, 20));
    QCOMPARE(moved, QList<QPoint>{QPoint(3, 1)});
    QCOMPARE(grid.Columns()[1]->Header(), header);
  }

  void user_column_sizing_keeps_the_column_limits_data() {
    QTest::addColumn<int>("drag_to_width");
    QTest::addColumn<int>("expected");
    QTest::newRow("below the minimum") << 20 << 40;
    QTest::newRow("inside the limits") << 70 << 70;
    QTest::newRow("above the maximum") << 150 << 100;
  }

  void user_column_sizing_keeps_the_column_limits() {
    QFETCH(int, drag_to_width);
    QFETCH(int, expected);
    TZadColumnGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetOptions(grid.Options() | goColSizing);
    grid.Columns()[1]->SetMinSize(40);
    grid.Columns()[1]->SetMaxSize(100);
    Show(grid);
    const TRect header = grid.CellRect(1, 0);
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, QPoint(header.Right - 1, 5));
    QTest::mouseMove(grid.viewport(), QPoint(header.Left + drag_to_width, 5));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, QPoint(header.Left + drag_to_width, 5));
    QCOMPARE(grid.ColWidths(1), expected);
  }

  void right_click_selects_the_cell_first_when_asked() {
    TZadIrururOziz grid;
    Setup(grid);
    QList<QPoint> right;
    grid.OnRightClickCell = [&](TZadIrururOziz*, int r, int c) { right << QPoint(c, r); };
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, At(grid, 3, 4));
    QCOMPARE(right, QList<QPoint>{QPoint(3, 4)});
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(1, 1));
    grid.MouseActions().SetSelectOnRightClick(true);
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, At(grid, 3, 4));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(3, 4));
    QCOMPARE(right.size(), 2);
  }

  void range_select_and_edit_switches_editing_by_click() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetOptions(grid.Options() & ~goEditing);
    grid.MouseActions().SetRangeSelectAndEdit(true);
    Click(grid, At(grid, 2, 2));
    QVERIFY(!(grid.Options() & goEditing));
    QVERIFY(!grid.EditorMode());
    // A second click on the current cell starts editing it.
    Click(grid, At(grid, 2, 2));
    QVERIFY(grid.Options() & goEditing);
    QVERIFY(grid.EditorMode());
    // Shift+click elsewhere selects a range instead.
    Click(grid, At(grid, 3, 4), Qt::ShiftModifier);
    QVERIFY(!(grid.Options() & goEditing));
    QVERIFY(!grid.EditorMode());
    QCOMPARE(grid.Selection(), (TGridRect{2, 2, 3, 4}));
  }

  void right_click_with_selection_reports_the_change_once() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.MouseActions().SetSelectOnRightClick(true);
    int reports = 0;
    grid.OnSelectionChanged = [&](TZadIrururOziz*, int, int, int, int) { ++reports; };
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, At(grid, 3, 3));
    QCOMPARE(reports, 1);
  }

  void ctrl_clicks_build_a_disjunct_row_selection() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.MouseActions().SetDisjunctRowSelect(true);
    Click(grid, At(grid, 2, 2));
    Click(grid, At(grid, 2, 4), Qt::ControlModifier);
    QVERIFY(grid.RowSelect(2));
    QVERIFY(grid.RowSelect(4));
    QCOMPARE(grid.RowSelectCount(), 2);
    Click(grid, At(grid, 2, 2), Qt::ControlModifier);
    QVERIFY(!grid.RowSelect(2));
    QVERIFY(grid.RowSelect(4));
    // A plain click starts over.
    Click(grid, At(grid, 2, 3));
    QCOMPARE(grid.RowSelectCount(), 1);
    QVERIFY(grid.RowSelect(3));
  }

  void expand_toggle_grows_and_shrinks_its_row() {
    TZadIrururOziz grid;
    Setup(grid);
    TCellGraphic* expand = grid.CreateCellGraphic(2, 2);
    expand->CellType = ctExpand;
    expand->CellIndex = grid.RowHeights(2);
    expand->CellAngle = 60;
    QList<bool> states;
    grid.OnExpandClick = [&](TZadIrururOziz*, int, int, bool expanded) { states << expanded; };
    const TRect toggle = grid.GetExpandButtonRect(2, 2);
    QVERIFY(!toggle.Is_Empty());
    const QPoint on(toggle.Left + 3, toggle.Top + 3);
    Click(grid, on);
    QCOMPARE(grid.RowHeights(2), 60);
    Click(grid, on);
    QCOMPARE(grid.RowHeights(2), expand->CellIndex);
    QCOMPARE(states, (QList<bool>{true, false}));
  }

  // Cell objects live with the real column; the click and its event name
  // the column as it shows.
  void expand_toggle_after_a_hidden_column_sizes_its_row() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.HideColumn(1);
    TCellGraphic* expand = grid.CreateCellGraphic(3, 2);
    expand->CellType = ctExpand;
    expand->CellIndex = grid.RowHeights(2);
    expand->CellAngle = 60;
    QList<int> columns;
    grid.OnExpandClick = [&](TZadIrururOziz*, int ACol, int, bool) { columns << ACol; };
    const TRect toggle = grid.GetExpandButtonRect(2, 2);
    QVERIFY(!toggle.Is_Empty());
    Click(grid, QPoint(toggle.Left + 3, toggle.Top + 3));
    QCOMPARE(grid.RowHeights(2), 60);
    QCOMPARE(columns, QList<int>{2});
  }

  void header_check_box_checks_the_whole_column() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.MouseActions().SetCheckAllCheck(true);
    grid.AddCheckBoxColumn(2, false, false);
    QVERIFY(grid.HasCheckBox(2, 0));
    Click(grid, At(grid, 2, 0));
    for (int r = 0; r < grid.RowCount(); ++r) QVERIFY2(grid.IsChecked(2, r), qPrintable(QString::number(r)));
    Click(grid, At(grid, 2, 0));
    for (int r = 0; r < grid.RowCount(); ++r) QVERIFY(!grid.IsChecked(2, r));
  }

  void a_clicked_grid_can_be_looked_at() {
    TZadIrururOziz grid;
    grid.SetColCount(5);
    grid.SetRowCount(6);
    grid.SetOptions(grid.Options() | goEditing);
    grid.SetColWidths(1, 110);
    grid.SetColWidths(2, 110);
    grid.SetColWidths(3, 150);
    TCellGraphic* rating = grid.CreateCellGraphic(1, 1);
    rating->CellType = ctRating;
    rating->CellAngle = 5;
    rating->CellIndex = int(clRed);
    grid.AddCheckBox(2, 1, false, true);
    grid.AddButton(2, 2, 60, 18, "Press", haLeft, vaTop);
    QStringList* items = grid.CreateRadio(3, 1, 1, -1);
    *items << "Off"
           << "On"
           << "Auto";
    Show(grid);
    Click(grid, At(grid, 1, 1, 45, 5));
    Click(grid, At(grid, 2, 1));
    const QFontMetrics metrics(grid.GridFont());
    Click(grid, At(grid, 3, 1, metrics.horizontalAdvance("Off") + 20, 5));
    const TRect button = grid.GetButtonRect(2, 2);
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, QPoint(button.Left + 4, button.Top + 4));
    const QString shot = qEnvironmentVariable("KELVRA_GRID_MOUSE_SHOT");
    if (!shot.isEmpty()) QVERIFY(grid.grab().save(shot));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, QPoint(button.Left + 4, button.Top + 4));
    QCOMPARE(grid.GetCellEx(1, 1), QString("2.50"));
    QCOMPARE(grid.GetCellEx(2, 1), grid.CheckTrue());
    int index = -1;
    QVERIFY(grid.GetRadioIdx(3, 1, index));
    QCOMPARE(index, 1);
  }

  void selection_resizer_copies_and_pastes_into_the_new_block() {
    Clipboard_Grid grid;
    Setup(grid);
    grid.PaintLook().SelectionResizer = true;
    grid.PaintLook().SelectionRectangle = true;
    grid.SetSelectionRect(TGridRect{2, 2, 3, 3});
    QList<TGridRect> resized;
    grid.OnSelectionResize = [&](TZadIrururOziz*, const TGridRect& from, const TGridRect& to) {
      resized << from << to;
    };
    const TRect corner = grid.CellRect(3, 3);
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, QPoint(corner.Right - 2, corner.Bottom - 2));
    QCOMPARE(grid.copies, 1);
    QTest::mouseMove(grid.viewport(), At(grid, 4, 4));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, At(grid, 4, 4));
    QCOMPARE(grid.pastes, 1);
    QCOMPARE(resized, (QList<TGridRect>{TGridRect{2, 2, 3, 3}, TGridRect{2, 2, 4, 4}}));
    // Elsewhere in the last cell a press is a plain click.
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, At(grid, 4, 4));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, At(grid, 4, 4));
    QCOMPARE(grid.copies, 1);
  }

  void row_header_press_selects_the_row_in_row_select_mode() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.MouseActions().SetRowSelect(true);
    grid.SetMouseSelectMode(TZadIrururOziz::msRow);
    Click(grid, At(grid, 0, 3));
    QCOMPARE(grid.Selection(), (TGridRect{1, 3, 4, 3}));
    QCOMPARE(grid.MouseSelectMode(), TZadIrururOziz::msNormal);
    // Without the mode the row header leaves the selection alone.
    grid.SetSelectionRect(TGridRect{2, 2, 2, 2});
    Click(grid, At(grid, 0, 4));
    QCOMPARE(grid.Selection(), (TGridRect{2, 2, 2, 2}));
  }

  void ctrl_clicks_toggle_disjunct_cells() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.MouseActions().SetDisjunctCellSelect(true);
    Click(grid, At(grid, 2, 2));
    Click(grid, At(grid, 3, 3), Qt::ControlModifier);
    QCOMPARE(grid.SelectedCellsCount(), 2);
    QVERIFY(grid.SelectedCells(2, 2));
    QVERIFY(grid.SelectedCells(3, 3));
    Click(grid, At(grid, 3, 3), Qt::ControlModifier);
    QCOMPARE(grid.SelectedCellsCount(), 1);
    Click(grid, At(grid, 4, 4));
    QCOMPARE(grid.SelectedCellsCount(), 1);
    QVERIFY(grid.SelectedCells(4, 4));
  }
};

QTEST_MAIN(GridMouseTest)
#include "grid_mouse_test.moc"
