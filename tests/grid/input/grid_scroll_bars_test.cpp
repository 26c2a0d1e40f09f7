#include <QScrollBar>
#include <QToolTip>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/input/flat_scroll_style.h"

namespace {
// A shown grid of `rows` rows of 22 pixels with ten of them in view below
// the fixed row.
void Show_Grid(TZadIrururOziz& grid, int rows, int cols = 5) {
  grid.SetRowCount(rows);
  grid.SetColCount(cols);
  grid.resize(400, 11 * 22 + 2);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
}
}  // namespace

class GridScrollBarsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void metro_swaps_the_bars_for_thin_indicators() {
    TZadIrururOziz grid;
    Show_Grid(grid, 100);
    QVERIFY(grid.verticalScrollBar()->isVisible());
    grid.SetScrollType(ssMetro);
    QCOMPARE(grid.ScrollBars(), ssNone);
    QVERIFY(!grid.verticalScrollBar()->isVisible());
    QVERIFY(!grid.horizontalScrollBar()->isVisible());
    TScrollControl* vertical = grid.VertScrollIndicator();
    TScrollControl* horizontal = grid.HorzScrollIndicator();
    QVERIFY(vertical && horizontal);
    QVERIFY(vertical->isVisible() && horizontal->isVisible());
    QCOMPARE(vertical->width(), 6);
    QCOMPARE(horizontal->height(), 6);
    // The strips lie along the right and bottom edges of the cells.
    QCOMPARE(vertical->geometry().right(), grid.viewport()->geometry().right());
    QCOMPARE(horizontal->geometry().bottom(), grid.viewport()->geometry().bottom());

    grid.SetScrollType(ssNormal);
    QVERIFY(!grid.VertScrollIndicator() && !grid.HorzScrollIndicator());
    QCOMPARE(grid.ScrollBars(), ssBoth);
    QVERIFY(grid.verticalScrollBar()->isVisible());
  }

  void indicator_thumb_pages_and_drags() {
    TZadIrururOziz grid;
    Show_Grid(grid, 1000);
    grid.SetScrollType(ssMetro);
    TScrollControl* vertical = grid.VertScrollIndicator();
    int position = 0, size = 0;
    QVERIFY(vertical->Thumb(position, size));
    QCOMPARE(size, 20);      // 10 of 1000 rows: the shortest thumb
    QCOMPARE(position, 22);  // below the fixed row
    QCOMPARE(grid.VisibleRowCount(), 10);
    // A press below the thumb pages down, never past the last page.
    QTest::mouseClick(vertical, Qt::LeftButton, {}, QPoint(2, position + size + 30));
    QCOMPARE(grid.TopRow(), 11);
    grid.SetTopRow(985);
    QVERIFY(vertical->Thumb(position, size));
    QTest::mouseClick(vertical, Qt::LeftButton, {},
                      QPoint(2, position + size + 1 < vertical->height() ? position + size + 1 : position - 1));
    QVERIFY(grid.TopRow() <= 990);
    // Dragging the thumb down scrolls by the share of the strip it travels.
    grid.SetTopRow(1);
    QVERIFY(vertical->Thumb(position, size));
    const int room = vertical->height() - grid.RowHeights(0);
    QTest::mousePress(vertical, Qt::LeftButton, {}, QPoint(2, position + 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(2, position + 5 + room / 10), vertical->mapToGlobal(QPointF(2, 0)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(vertical, &move);
    QTest::mouseRelease(vertical, Qt::LeftButton, {}, QPoint(2, position + 5 + room / 10));
    QVERIFY(qAbs(grid.TopRow() - 101) <= 5);

    // All rows in view: no thumb.
    grid.SetRowCount(5);
    QVERIFY(!vertical->Thumb(position, size));
    // Outside a string grid the indicator draws and does nothing.
    QWidget plain;
    TScrollControl lonely(&plain);
    lonely.resize(6, 200);
    QVERIFY(!lonely.Thumb(position, size));
    QTest::mouseClick(&lonely, Qt::LeftButton, {}, QPoint(2, 100));
  }

  void flat_bars_take_colour_and_width() {
    TZadIrururOziz grid;
    Show_Grid(grid, 100);
    grid.SetScrollColor(0x0000FF);  // red as $00BBGGRR
    grid.SetScrollWidth(11);
    // Colour and width wait for a flat look.
    QVERIFY(!grid.IsFlat());
    QVERIFY(grid.verticalScrollBar()->width() != 11 || grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent) == 11);
    grid.SetScrollType(ssFlat);
    QVERIFY(grid.IsFlat());
    QTRY_COMPARE(grid.verticalScrollBar()->width(), 11);
    auto* style = qobject_cast<Flat_Scroll_Style*>(grid.verticalScrollBar()->style());
    QVERIFY(style);
    QCOMPARE(style->Look(), Flat_Look::Flat);
    // The track below the thumb shows the scroll colour.
    const QImage image = grid.verticalScrollBar()->grab().toImage();
    QCOMPARE(image.pixelColor(5, image.height() - 20), QColor(Qt::red));
    grid.SetScrollType(ssEncarta);
    QCOMPARE(style->Look(), Flat_Look::Encarta);
    QVERIFY(!grid.verticalScrollBar()->grab().isNull());
    grid.SetScrollType(ssNormal);
    QVERIFY(!grid.IsFlat());
    QCOMPARE(style->Look(), Flat_Look::Regular);
    QTRY_COMPARE(grid.verticalScrollBar()->width(), grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  }

  void bars_shown_by_scroll_bars_and_always() {
    TZadIrururOziz grid;
    Show_Grid(grid, 5);
    QVERIFY(!grid.verticalScrollBar()->isVisible());  // everything fits
    grid.SetScrollBarAlways(saVert);
    QCOMPARE(grid.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(grid.verticalScrollBar()->isVisible());
    QVERIFY(!grid.verticalScrollBar()->isEnabled());
    grid.SetRowCount(100);
    QVERIFY(grid.verticalScrollBar()->isEnabled());
    grid.SetRowCount(5);
    QVERIFY(!grid.verticalScrollBar()->isEnabled());
    grid.SetScrollBarAlways(saNone);
    QVERIFY(!grid.verticalScrollBar()->isVisible());
    grid.SetRowCount(100);
    grid.SetScrollBars(ssHorizontal);
    QCOMPARE(grid.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(!grid.verticalScrollBar()->isVisible());
    grid.SetScrollBars(ssBoth);
    QVERIFY(grid.verticalScrollBar()->isVisible());
  }

  void proportional_thumb_follows_the_pixels_in_view() {
    TZadIrururOziz grid;
    Show_Grid(grid, 100);
    const int row_page = grid.verticalScrollBar()->pageStep();
    QCOMPARE(row_page, 10);
    grid.SetScrollProportional(true);
    // Rows of one height: the visible share of pixels is that of rows.
    QVERIFY(qAbs(grid.verticalScrollBar()->pageStep() - row_page) <= 1);
    // Tall rows below the first page: ten rows in view are a far smaller
    // share of the pixels.
    grid.SetScrollLock(true);
    for (int r = 20; r < 100; ++r) grid.SetRowHeights(r, 200);
    QVERIFY(qAbs(grid.verticalScrollBar()->pageStep() - row_page) <= 1);  // locked
    grid.SetScrollLock(false);
    grid.UpdateProportionalScrollV();
    QVERIFY(grid.verticalScrollBar()->pageStep() < row_page / 2);
    // Scrolling keeps the proportional page.
    const int page = grid.verticalScrollBar()->pageStep();
    grid.SetTopRow(3);
    QCOMPARE(grid.verticalScrollBar()->pageStep(), page);
    grid.SetScrollProportional(false);
    QCOMPARE(grid.verticalScrollBar()->pageStep(), grid.VisibleRowCount());

    // Everything in view: the range is left alone.
    TZadIrururOziz small;
    Show_Grid(small, 5);
    const int before = small.verticalScrollBar()->pageStep();
    small.SetScrollProportional(true);
    QCOMPARE(small.verticalScrollBar()->pageStep(), before);
  }

  void thumb_tracking_follows_scroll_synch() {
    TZadIrururOziz grid;
    Show_Grid(grid, 100);
    QVERIFY(!grid.verticalScrollBar()->hasTracking());
    grid.SetScrollSynch(true);
    QVERIFY(grid.verticalScrollBar()->hasTracking());
    QVERIFY(grid.horizontalScrollBar()->hasTracking());
    // Dragging the thumb with synchronised scrolling moves the rows at once.
    grid.verticalScrollBar()->setSliderDown(true);
    grid.verticalScrollBar()->setSliderPosition(40);
    QCOMPARE(grid.TopRow(), 40);
    grid.verticalScrollBar()->setSliderDown(false);
    grid.SetScrollSynch(false);
    grid.verticalScrollBar()->setSliderDown(true);
    grid.verticalScrollBar()->setSliderPosition(60);
    QCOMPARE(grid.TopRow(), 40);  // waits for the release
    grid.verticalScrollBar()->setSliderDown(false);
    QCOMPARE(grid.TopRow(), 60);
  }

  void thumb_hint_names_the_row_only_for_its_bar() {
    TZadIrururOziz grid;
    Show_Grid(grid, 100, 20);
    grid.SetScrollHints(shVertical);
    QScrollBar* vertical = grid.verticalScrollBar();
    vertical->setSliderDown(true);
    vertical->setSliderPosition(40);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Row : 40"));
    vertical->setSliderDown(false);
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    QScrollBar* horizontal = grid.horizontalScrollBar();
    horizontal->setSliderDown(true);
    horizontal->setSliderPosition(3);
    QTest::qWait(50);
    QVERIFY(!QToolTip::isVisible());
    horizontal->setSliderDown(false);
  }

  void screen_points_to_cells() {
    TZadIrururOziz grid;
    Show_Grid(grid, 100);
    grid.SetTopRow(20);
    const TRect rect = grid.PlatformCellRect(2, 23);
    int c = 0, r = 0;
    grid.ScreenToCell(grid.viewport()->mapToGlobal(QPoint(rect.Left + 3, rect.Top + 3)), c, r);
    QCOMPARE(QPoint(c, r), QPoint(2, 23));
    grid.ScreenToCell(grid.viewport()->mapToGlobal(QPoint(1, 1)), c, r);
    QCOMPARE(QPoint(c, r), QPoint(0, 0));
    grid.ScreenToCell(grid.viewport()->mapToGlobal(QPoint(-5, 10)), c, r);
    QCOMPARE(QPoint(c, r), QPoint(-1, -1));
  }

  void sizing_borders_data() {
    QTest::addColumn<uint>("options");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("border");
    // Columns 64 wide, rows 22 high; one fixed row and column.
    const uint both = goColSizing | goRowSizing;
    QTest::newRow("header, right edge of column 1") << both << QPoint(64 + 62, 10) << true;
    QTest::newRow("header, left edge of column 2") << both << QPoint(128 + 2, 10) << true;
    QTest::newRow("header, middle of a column") << both << QPoint(96, 10) << false;
    QTest::newRow("header, column sizing off") << uint(goRowSizing) << QPoint(64 + 62, 10) << false;
    QTest::newRow("data row, column edge") << both << QPoint(64 + 62, 30) << false;
    QTest::newRow("grid's own left edge") << both << QPoint(1, 10) << false;
    QTest::newRow("fixed column, bottom of row 1") << both << QPoint(20, 22 + 21) << true;
    QTest::newRow("fixed column, top of row 2") << both << QPoint(20, 44 + 3) << true;
    QTest::newRow("fixed column, middle of a row") << both << QPoint(20, 33) << false;
    QTest::newRow("fixed column, row sizing off") << uint(goColSizing) << QPoint(20, 43) << false;
    QTest::newRow("outside the cells") << both << QPoint(390, 10) << false;
  }

  void sizing_borders() {
    QFETCH(uint, options);
    QFETCH(QPoint, at);
    QFETCH(bool, border);
    TZadIrururOziz grid;
    Show_Grid(grid, 10);
    grid.SetDefaultColWidth(64);
    grid.SetOptions(options);
    QCOMPARE(grid.SizingBorderAt(at.x(), at.y()), border);
  }

  void last_row_scrolls_clear_of_the_search_panel() {
    TZadIrururOziz grid;
    Show_Grid(grid, 30);
    grid.SearchFooter().SetVisible(true);
    QCOMPARE(grid.SearchPanelHeight(), 32);
    QVERIFY(!grid.LastRowClearOfSearchFooter());
    const int limit = grid.viewport()->height() - 32 + 2;
    // Down to the last row: it ends above the panel.
    grid.FocusCell(1, 27);
    for (int i = 0; i < 5; ++i) QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.Row(), 29);
    QVERIFY(grid.PlatformCellRect(1, 29).Bottom <= limit);
    QVERIFY(grid.LastRowClearOfSearchFooter());
    // The thumb reaches that far too.
    grid.SetTopRow(1);
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    QVERIFY(grid.PlatformCellRect(1, 29).Bottom <= limit);
    // A cell brought into view clears the panel.
    grid.SetTopRow(1);
    grid.ScrollInView(1, 29);
    QVERIFY(grid.UnclippedCellRect(1, 29).Bottom <= grid.viewport()->height() - 32);
    // End on the last row keeps it clear as well.
    grid.SetTopRow(1);
    grid.FocusCell(1, 29);
    QTest::keyClick(&grid, Qt::Key_End);
    QVERIFY(grid.UnclippedCellRect(grid.Col(), 29).Bottom <= limit);
  }

  void search_panel_scrolling_ends_in_a_tiny_grid() {
    // The panel is higher than the cells: every loop must end.
    TZadIrururOziz grid;
    grid.SetRowCount(30);
    grid.resize(200, 40);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.SearchFooter().SetVisible(true);
    grid.ScrollLastRowAboveSearchFooter();
    grid.ScrollInView(1, 29);
    grid.FocusCell(1, 29);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_PageDown);
    QCOMPARE(grid.Row(), 29);
  }

  void move_scroll_only_keys_data() {
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("new_top");
    // 100 rows, 10 in view; the highest top row is 90.
    QTest::newRow("page up") << 30 << int(Qt::Key_PageUp) << 20;
    QTest::newRow("page up near the top") << 8 << int(Qt::Key_PageUp) << 1;
    QTest::newRow("page down") << 30 << int(Qt::Key_PageDown) << 40;
    QTest::newRow("end") << 30 << int(Qt::Key_End) << 90;
    QTest::newRow("home") << 30 << int(Qt::Key_Home) << 1;
    QTest::newRow("up") << 30 << int(Qt::Key_Up) << 29;
    QTest::newRow("up at the top") << 1 << int(Qt::Key_Up) << 1;
    QTest::newRow("down") << 30 << int(Qt::Key_Down) << 31;
    QTest::newRow("down on the last page") << 90 << int(Qt::Key_Down) << 90;
  }

  void move_scroll_only_keys() {
    QFETCH(int, top);
    QFETCH(int, key);
    QFETCH(int, new_top);
    TZadIrururOziz grid;
    Show_Grid(grid, 100);
    grid.Navigation().SetMoveScrollOnly(true);
    grid.FocusCell(2, 35);
    grid.SetTopRow(top);
    QTest::keyClick(&grid, Qt::Key(key));
    QCOMPARE(grid.TopRow(), new_top);
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(2, 35));  // the current cell stays
  }

  void row_select_arrows_scroll_columns() {
    TZadIrururOziz grid;
    Show_Grid(grid, 100, 20);
    grid.SetOptions(grid.Options() | goRowSelect);
    grid.FocusCell(1, 5);
    QCOMPARE(grid.LeftCol(), 1);
    // LeftRightRowSelect (the default): Ctrl+Right scrolls one column.
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(grid.LeftCol(), 2);
    QTest::keyClick(&grid, Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(grid.LeftCol(), 1);
    QTest::keyClick(&grid, Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(grid.LeftCol(), 1);  // not into the fixed column
    grid.Navigation().SetLeftRightRowSelect(false);
    QTest::keyClick(&grid, Qt::Key_Right);
    QCOMPARE(grid.LeftCol(), 2);
    QCOMPARE(grid.Row(), 5);
    // Keeping the horizontal scroll: moving between rows leaves it.
    grid.Navigation().SetKeepHorizScroll(true);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_PageDown);
    QCOMPARE(grid.Row(), 6 + grid.VisibleRowCount());
    QCOMPARE(grid.LeftCol(), 2);
  }

  void auto_append_keeps_fixed_footers_at_the_bottom() {
    TZadIrururOziz grid;
    grid.SetRowCount(5);
    grid.SetFixedFooters(1);
    grid.SetCellEx(1, 3, "last");
    grid.SetCellEx(1, 4, "Total");
    grid.Navigation().SetAppendOnArrowDown(true);
    int added = -1;
    grid.OnAutoAddRow = [&](TZadIrururOziz*, int ARow) { added = ARow; };
    grid.FocusCell(1, 3);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.RowCount(), 6);
    QCOMPARE(added, 4);
    QCOMPARE(grid.Row(), 4);
    QCOMPARE(grid.GetCellEx(1, 3), QString("last"));
    QCOMPARE(grid.GetCellEx(1, 4), QString());
    QCOMPARE(grid.GetCellEx(1, 5), QString("Total"));
    // A refusal leaves the grid as it was.
    grid.OnCanAddRow = [](TZadIrururOziz*, bool& can) { can = false; };
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.RowCount(), 6);
  }

  void keys_report_the_selection_they_change() {
    TZadIrururOziz grid;
    Show_Grid(grid, 20);
    QList<QRect> reports;
    grid.OnSelectionChanged = [&](TZadIrururOziz*, int l, int t, int r, int b) {
      reports << QRect(QPoint(l, t), QPoint(r, b));
    };
    grid.FocusCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(reports, (QList<QRect>{QRect(QPoint(1, 2), QPoint(1, 2)), QRect(QPoint(1, 2), QPoint(1, 3))}));
    // A key that only scrolls reports nothing.
    reports.clear();
    grid.Navigation().SetMoveScrollOnly(true);
    QTest::keyClick(&grid, Qt::Key_PageDown);
    QVERIFY(reports.isEmpty());
  }

  void edit_cell_opens_the_editor_there() {
    TZadIrururOziz grid;
    Show_Grid(grid, 20);
    grid.SetOptions(grid.Options() | goEditing);
    grid.SetCellEx(2, 15, "meter");
    grid.EditCell(2, 15);
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(2, 15));
    QVERIFY(grid.EditorMode());
    QVERIFY(!grid.PlatformCellRect(2, 15).Is_Empty());
  }

  void home_and_end_edges() {
    TZadIrururOziz grid;
    Show_Grid(grid, 30);
    grid.SetFixedFooters(1);
    grid.Navigation().SetHomeEndKey(heFirstLastRow);
    grid.FocusCell(2, 5);
    QTest::keyClick(&grid, Qt::Key_End);
    QCOMPARE(grid.Row(), 28);                              // the last data row
    QCOMPARE(grid.TopRow(), 30 - grid.VisibleRowCount());  // with the footer in view
    // Ctrl+Home lands on the first cell the Tab key could reach.
    grid.Navigation().SetHomeEndKey(heFirstLastColumn);
    grid.OnIsFixedCell = [](TZadIrururOziz*, int ARow, int ACol, bool& Value) {
      if (ARow == 1 && ACol == 1) Value = true;
    };
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(2, 1));
  }

  void insert_after_a_row_below_hidden_ones() {
    // Display row 2 stands for real row 5 while real rows 2 to 4 are hidden.
    TZadIrururOziz grid;
    for (int r = 1; r < 10; ++r) grid.SetCellEx(1, r, QString("r%1").arg(r));
    grid.HideRows(2, 4);
    QCOMPARE(grid.RealRowIndex(2), 5);
    grid.Navigation().SetAllowInsertRow(true);
    grid.Navigation().SetInsertPosition(pInsertAfter);
    int inserted = -1;
    grid.OnAutoInsertRow = [&](TZadIrururOziz*, int ARow) { inserted = ARow; };
    grid.FocusCell(1, 2);
    QTest::keyClick(&grid, Qt::Key_Insert);
    QCOMPARE(inserted, 6);
    QCOMPARE(grid.Row(), 3);
    QCOMPARE(grid.GetCellEx(1, 3), QString());
    QCOMPARE(grid.GetCellEx(1, 4), QString("r6"));
    QCOMPARE(grid.NumHiddenRows(), 3);  // the hidden rows stay hidden
    QVERIFY(grid.GridModified());
  }

  void scrolling_the_edited_column_out_closes_the_editor() {
    TZadIrururOziz grid;
    Show_Grid(grid, 20, 20);
    grid.SetFixedCols(0);
    grid.SetLeftCol(0);
    grid.SetOptions(grid.Options() | goEditing);
    grid.EditCell(2, 3);
    QVERIFY(grid.EditorMode());
    grid.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QVERIFY(grid.EditorMode());  // column 2 is still right of the left edge
    grid.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QVERIFY(!grid.EditorMode());
    QCOMPARE(grid.LeftCol(), 2);
  }

  void select_all_starts_at_the_first_tab_column() {
    struct Narrow : TZadIrururOziz {
      void AdjustKeySelection(TGridRect& Selection) override { Selection.Bottom = 3; }
    } grid;
    grid.SetOptions(grid.Options() | goRangeSelect);
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(grid.Selection(), (TGridRect{1, 1, 4, 3}));
  }
};

QTEST_MAIN(GridScrollBarsTest)
#include "grid_scroll_bars_test.moc"
