// The grid's window extras as a user meets them: the focus frame around the
// edited cell, the border over the frame, balloons over cells, the search
// panel's set-up, the drag picture, listeners, dispatchers and the version.
#include <QtTest>

#include "grid/controls/grid_button.h"
#include "grid/controls/grid_check_box.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/windows/balloon_window.h"
#include "grid/windows/grid_focus_window.h"
#include "grid/windows/no_active_form.h"
#include "grid/windows/search_panel.h"

namespace {

// A shown 6 x 6 grid with editing on; data cells 64 x 22.
struct Shown_Grid {
  QWidget form;
  TZadIrururOziz* grid = new TZadIrururOziz(&form);
  Shown_Grid() {
    form.resize(600, 400);
    grid->setGeometry(10, 10, 560, 360);
    grid->SetColCount(6);
    grid->SetRowCount(6);
    grid->SetDefaultColWidth(64);
    grid->SetGridDefaultRowHeight(22);
    grid->SetOptions(grid->Options() | goEditing);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
  }
};

struct Selection_Spy : ITZadIrururOzizSelect {
  QList<QPoint> told;
  void CellSelecting(int ACol, int ARow) override { told << QPoint(ACol, ARow); }
};

}  // namespace

class GridWindowExtrasTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void focus_frame_rings_the_edited_cell_and_follows_it() {
    Shown_Grid g;
    TZadIrururOziz& grid = *g.grid;
    grid.FocusHelper().SetEnabled(true);
    grid.FocusCell(2, 3);
    const TRect cell = grid.CellRect(2, 3);
    QCOMPARE(QSize(cell.Width(), cell.Height()), QSize(64, 22));
    QTest::keyClick(&grid, Qt::Key_F2);
    QVERIFY(grid.EditorMode());
    TGridFocusWindow* frame = grid.FocusWindow();
    QVERIFY(frame && frame->isVisible());
    QCOMPARE(TZadIrururOziz::FocusHelperGrid(), &grid);
    QCOMPARE(frame->size(), QSize(73, 31));
    QCOMPARE(frame->pos(), grid.viewport()->mapToGlobal(QPoint(cell.Left, cell.Top)) - QPoint(4, 4));
    // A ring: 4 pixels left and above, 5 right and below, a hole over the cell.
    QVERIFY(frame->mask().contains(QPoint(1, 1)));
    QVERIFY(frame->mask().contains(QPoint(70, 28)));
    QVERIFY(!frame->mask().contains(QPoint(4, 4)));
    QVERIFY(!frame->mask().contains(QPoint(67, 25)));
    QVERIFY(frame->mask().contains(QPoint(68, 25)));

    // The frame moves with the window.
    const QPoint before = frame->pos();
    g.form.move(g.form.pos() + QPoint(30, 20));
    QTRY_COMPARE(frame->pos(), grid.viewport()->mapToGlobal(QPoint(cell.Left, cell.Top)) - QPoint(4, 4));
    QVERIFY(frame->pos() != before);

    // Closing the editor takes the frame away and ends the following.
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Escape);
    QVERIFY(!grid.EditorMode());
    QVERIFY(!frame->isVisible());
    QCOMPARE(TZadIrururOziz::FocusHelperGrid(), nullptr);
  }

  void no_focus_frame_unless_enabled() {
    Shown_Grid g;
    g.grid->FocusCell(1, 1);
    QTest::keyClick(g.grid, Qt::Key_F2);
    QVERIFY(g.grid->EditorMode());
    QVERIFY(!g.grid->FocusWindow() || !g.grid->FocusWindow()->isVisible());
  }

  void one_grid_shows_the_frame_at_a_time() {
    Shown_Grid a, b;
    a.grid->ShowFocusHelper(a.grid->CellRect(1, 1));
    b.grid->ShowFocusHelper(b.grid->CellRect(1, 1));
    QCOMPARE(TZadIrururOziz::FocusHelperGrid(), b.grid);
    b.grid->HideFocusHelper();
    QCOMPARE(TZadIrururOziz::FocusHelperGrid(), nullptr);
  }

  void border_is_drawn_only_for_a_single_border_without_flat_data() {
    QTest::addColumn<bool>("flat");
    QTest::addColumn<int>("border");
    QTest::addColumn<int>("look");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("xp") << false << int(bsSingle) << int(glXP) << true;
    QTest::newRow("office") << false << int(bsSingle) << int(glOffice2007) << true;
    QTest::newRow("flat") << true << int(bsSingle) << int(glXP) << false;
    QTest::newRow("no border") << false << int(bsNone) << int(glXP) << false;
    QTest::newRow("classic look") << false << int(bsSingle) << int(glClassic) << false;
  }
  void border_is_drawn_only_for_a_single_border_without_flat() {
    QFETCH(bool, flat);
    QFETCH(int, border);
    QFETCH(int, look);
    QFETCH(bool, drawn);
    QWidget parent;
    parent.resize(300, 200);
    auto* grid = new TZadIrururOziz(&parent);
    grid->setGeometry(0, 0, 200, 150);
    grid->SetLook(TGridLook(look));
    grid->SetFlat(flat);
    grid->SetBorderStyle(TBorderStyle(border));
    grid->SetBorderColor(0x0000FF);  // red
    const QImage image = grid->grab().toImage();
    const QColor red(255, 0, 0);
    QCOMPARE(image.pixelColor(1, 75) == red, drawn);
    QCOMPARE(image.pixelColor(100, 148) == red, drawn);
    QVERIFY(image.pixelColor(0, 75) != red);
  }

  void balloon_texts_are_cut_and_cleaned() {
    TZadIrururOziz grid;
    grid.Balloon().SetEnable(true);
    QString title, text;
    int icon = -1;
    grid.SetCellEx(1, 1, QString(3000, 'x'));
    QVERIFY(grid.CellBalloonTip(1, 1, title, text, icon));
    QCOMPARE(text.size(), 2048);
    QVERIFY(text.endsWith("x..."));
    QCOMPARE(title, QString(" "));
    QCOMPARE(grid.LastBalloonPos(), (TGridCoord{1, 1}));

    grid.SetCellEx(2, 1, "\r\n\tfirst\tsecond");
    QVERIFY(grid.CellBalloonTip(2, 1, title, text, icon));
    QCOMPARE(text, QString("first second"));
    grid.SetCellEx(3, 1, "<b>bold</b> text");
    QVERIFY(grid.CellBalloonTip(3, 1, title, text, icon));
    QCOMPARE(text, QString("bold text"));

    // A balloon of the cell's own gives title, text and icon.
    grid.AddBalloon(4, 1, "Valve", "Closed since May", biWarning);
    QVERIFY(grid.CellBalloonTip(4, 1, title, text, icon));
    QCOMPARE(title, QString("Valve"));
    QCOMPARE(text, QString("Closed since May"));
    QCOMPARE(icon, int(biWarning));

    // What the handler gives is held to the same limits.
    grid.OnCellBalloon = [](TZadIrururOziz*, int, int, QString& t, QString& s, int& i) {
      t = QString(150, 'T');
      s = QString(5000, 'y');
      i = 2;
    };
    QVERIFY(grid.CellBalloonTip(1, 2, title, text, icon));
    QCOMPARE(text, QString(2045, 'y') + "...");
    QCOMPARE(title, QString(97, 'T') + "...");
    QCOMPARE(icon, 2);

    grid.Balloon().SetEnable(false);
    QVERIFY(!grid.CellBalloonTip(1, 1, title, text, icon));
  }

  void balloon_window_is_made_once_with_the_settings() {
    TZadIrururOziz grid;
    grid.Balloon().SetInitialDelay(-1);
    grid.Balloon().SetAutoHideDelay(900);
    grid.Balloon().SetTransparency(55);
    grid.Balloon().SetEnable(true);
    TBalloonWindow* balloon = grid.BalloonWindow();
    QVERIFY(balloon);
    grid.BalloonInit();
    QCOMPARE(grid.BalloonWindow(), balloon);
    QCOMPARE(grid.findChildren<TBalloonWindow*>().size(), 1);
    QCOMPARE(balloon->InitialDelay(), TBalloonWindow::Default_Initial_Delay);
    QCOMPARE(balloon->AutoHideDelay(), 900);
    QCOMPARE(balloon->Alpha(), uint8_t(200));
    QCOMPARE(balloon->Title(), QString("ToolTipText"));

    // Off and on again: still one window.
    grid.Balloon().SetEnable(false);
    QVERIFY(!grid.BalloonWindow());
    grid.Balloon().SetEnable(true);
    QCOMPARE(grid.findChildren<TBalloonWindow*>().size(), 1);
    QCOMPARE(grid.BalloonWindow()->Alpha(), uint8_t(200));
  }

  void balloons_copied_in_start_when_the_grid_shows() {
    TBalloonSettings settings;
    settings.SetEnable(true);
    QWidget form;
    auto* grid = new TZadIrururOziz(&form);
    grid->SetBalloon(settings);  // no notice
    QVERIFY(!grid->BalloonWindow());
    form.show();
    QVERIFY(grid->BalloonWindow());
    TZadIrururOziz loaded;
    loaded.SetBalloon(settings);
    loaded.Loaded();
    QVERIFY(loaded.BalloonWindow());
  }

  void balloon_shows_over_a_resting_mouse() {
    Shown_Grid g;
    TZadIrururOziz& grid = *g.grid;
    grid.SetCellEx(2, 2, "Meter 17\tfine");
    grid.Balloon().SetInitialDelay(10);
    grid.Balloon().SetEnable(true);
    const TRect cell = grid.CellRect(2, 2);
    QTest::mouseMove(grid.viewport(), QPoint(cell.Left + 5, cell.Top + 5));
    QTRY_VERIFY(grid.BalloonWindow()->isVisible());
    QCOMPARE(grid.BalloonWindow()->Text(), QString("Meter 17 fine"));
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, QPoint(cell.Left + 5, cell.Top + 5));
    QVERIFY(!grid.BalloonWindow()->isVisible());
  }

  void search_panel_layout_data() {
    QTest::addColumn<bool>("highlight");
    QTest::addColumn<int>("matchCaseLeft");
    QTest::newRow("highlight shown") << true << 425;
    QTest::newRow("highlight hidden") << false << 330;
  }
  void search_panel_layout() {
    QFETCH(bool, highlight);
    QFETCH(int, matchCaseLeft);
    Shown_Grid g;
    TZadIrururOziz& grid = *g.grid;
    TSearchPanel* panel = grid.SearchPanel();
    QVERIFY(panel);
    QCOMPARE(panel->height(), 0);
    QVERIFY(!panel->isVisible());
    grid.SearchFooter().SetShowHighLight(highlight);
    grid.SearchFooter().SetFindNextCaption("Next");
    grid.SearchFooter().SetHintFindNext("Find the next match");
    grid.SearchFooter().SetMatchCaseCaption("Case");
    grid.SearchFooter().SetColor(0xFFFFFF);
    grid.SearchFooter().SetColorTo(0xC0C0C0);
    grid.SearchFooter().SetVisible(true);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->height(), 32);
    const QRect cells = grid.viewport()->geometry();
    QCOMPARE(panel->geometry().bottom(), cells.bottom());
    QCOMPARE(panel->width(), cells.width());
    QCOMPARE(panel->MatchCase()->x(), matchCaseLeft);
    QCOMPARE(panel->MatchCase()->height(), 18);
    QCOMPARE(panel->ForwardButton()->height(), 23);
    QCOMPARE(panel->HiliteButton()->height(), highlight ? 23 : 0);
    QCOMPARE(panel->ForwardButton()->Caption(), QString("Next"));
    QCOMPARE(panel->ForwardButton()->toolTip(), QString("Find the next match"));
    QCOMPARE(panel->MatchCase()->Caption(), QString("Case"));
    QCOMPARE(panel->ColorTo(), TColor(0xC0C0C0));

    grid.SearchFooter().SetShowMatchCase(false);
    QCOMPARE(panel->MatchCase()->height(), 0);
    grid.SearchFooter().SetVisible(false);
    QCOMPARE(panel->height(), 0);
    QVERIFY(!panel->isVisible());
  }

  void showing_the_panel_lifts_a_last_row_in_view_only() {
    Shown_Grid g;
    TZadIrururOziz& grid = *g.grid;
    grid.SetRowCount(40);
    grid.SearchFooter().SetVisible(true);
    QCOMPARE(grid.TopRow(), 1);  // scrolled elsewhere: left alone
    grid.SearchFooter().SetVisible(false);
    grid.SetTopRow(grid.RowCount() - grid.VisibleRowCount());
    const int top = grid.TopRow();
    grid.SearchFooter().SetVisible(true);
    QVERIFY(grid.TopRow() > top);
    QVERIFY(grid.UnclippedCellRect(0, 39).Bottom <= grid.viewport()->height() - 32 + 2);
  }

  void search_panel_buttons_flat_by_control_style() {
    TZadIrururOziz grid;
    TZadGridButton* forward = grid.SearchPanel()->ForwardButton();
    grid.ControlLook().SetControlStyle(csClassic);
    grid.SearchFooter().SetVisible(true);
    QVERIFY(!forward->Flat());
    grid.ControlLook().SetControlStyle(csFlat);
    grid.UpdateSearchPanel();
    QVERIFY(forward->Flat());
    grid.ControlLook().SetControlStyle(csClassic);
    grid.SearchFooter().SetAutoThemeAdapt(true);
    QVERIFY(forward->Flat());
    QVERIFY(forward->AutoThemeAdapt());
  }

  void selection_picture_window() {
    Shown_Grid g;
    TZadIrururOziz& grid = *g.grid;
    grid.SetColWidths(2, 50);
    grid.SetCellEx(2, 1, "A");
    std::unique_ptr<QWidget> form(grid.SelectionToForm(TGridRect{3, 2, 2, 1}));  // corners in any order
    auto* picture = qobject_cast<TNoActiveForm*>(form.get());
    QVERIFY(picture);
    QVERIFY(!picture->isVisible());
    const TRect a = grid.CellRect(2, 1), b = grid.CellRect(3, 2);
    QCOMPARE(picture->size(), QSize(b.Right - a.Left + 1, b.Bottom - a.Top + 1));
    QCOMPARE(picture->AlphaBlendValue(), uint8_t(192));
    QCOMPARE(picture->parent(), &grid);

    // From column 0 of a grid with fixed columns: a fixed line down the left edge.
    grid.SetGridFixedLineColor(0x00FF00);
    std::unique_ptr<QWidget> fixed(grid.SelectionToForm(TGridRect{0, 1, 1, 1}));
    const QImage image = static_cast<TNoActiveForm*>(fixed.get())->Picture();
    QCOMPARE(image.pixelColor(0, image.height() / 2), QColor(0, 255, 0));
  }

  void selection_listener_hears_each_move() {
    Shown_Grid g;
    TZadIrururOziz& grid = *g.grid;
    Selection_Spy spy, other;
    grid.RegisterSelListener(&spy);
    grid.RegisterSelListener(&other);  // replaces the first
    grid.FocusCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_Down);
    QVERIFY(spy.told.isEmpty());
    QVERIFY(other.told.contains(QPoint(1, 2)));
    grid.UnRegisterSelListener(nullptr);  // forgets it whatever is passed
    other.told.clear();
    QTest::keyClick(&grid, Qt::Key_Down);
    QVERIFY(other.told.isEmpty());
  }

  void dispatchers_fire_their_events() {
    TZadIrururOziz grid;
    QStringList heard;
    QVERIFY(grid.DoCanShowFixedDropDown(1));
    grid.OnCanShowFixedDropDown = [&](TZadIrururOziz*, int c, bool& can) { can = c != 2; };
    QVERIFY(grid.DoCanShowFixedDropDown(1));
    QVERIFY(!grid.DoCanShowFixedDropDown(2));
    grid.OnClickSort = [&](TZadIrururOziz*, int c) { heard << QString("sort %1").arg(c); };
    grid.OnCheckBoxClick = [&](TZadIrururOziz*, int c, int r, bool s) {
      heard << QString("check %1 %2 %3").arg(c).arg(r).arg(s);
    };
    grid.OnStartBlockFocus = [&](TZadIrururOziz*) { heard << "start"; };
    grid.OnEndBlockFocus = [&](TZadIrururOziz*) { heard << "end"; };
    grid.OnPrintGetPageNum = [&](TZadIrururOziz*, int p, int c, QString& s) { s = QString("%1/%2").arg(p).arg(c); };
    grid.DoClickSort(3);
    grid.DoCheckBoxClick(1, 2, true);
    grid.DoStartBlockFocus();
    grid.DoEndBlockFocus();
    QString page = "x";
    grid.DoPrintGetPageNum(4, 2, page);
    QCOMPARE(heard, QStringList({"sort 3", "check 1 2 1", "start", "end"}));
    QCOMPARE(page, QString("4/2"));

    grid.OnIsPasswordCell = [](TZadIrururOziz*, int r, int, bool& v) { v = r == 3; };
    QVERIFY(grid.IsPasswordCell(1, 3));
    QVERIFY(!grid.IsPasswordCell(1, 2));
  }

  void date_change_reaches_the_event() {
    TZadIrururOziz grid;
    grid.FocusCell(2, 3);
    double told = -1;
    QPoint cell;
    grid.DateTimeChanged(QDate(2026, 12, 11));
    grid.OnDateTimeChange = [&](TZadIrururOziz*, int c, int r, double d) {
      cell = QPoint(c, r);
      told = d;
    };
    grid.DateTimeChanged(QDate(1900, 1, 1));
    QCOMPARE(cell, QPoint(2, 3));
    QCOMPARE(told, 2.0);
    grid.DateTimeChanged(QDate());
    QCOMPARE(told, 0.0);
  }

  void version() {
    QCOMPARE(TZadIrururOziz::GetVersionNr(), 33554688u);
    QCOMPARE(TZadIrururOziz::GetVersionString(), QString("2.0.1.0 Dec, 2026"));
  }
};

QTEST_MAIN(GridWindowExtrasTest)
#include "grid_window_extras_test.moc"
