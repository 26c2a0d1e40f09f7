// The search footer as a user works it: the panel's parts and their places,
// searching while typing, Return and Ctrl+Return, highlighting, closing, the
// accelerators and Ctrl+F.
#include <QtTest>

#include "grid/controls/grid_button.h"
#include "grid/controls/grid_check_box.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/windows/search_panel.h"

namespace {

struct Action {
  QString value;
  QPoint cell;
  TSearchAction action;
};

// A shown 5 x 12 grid with the footer visible; the data cells hold "-"
// except the hits given "meter".
struct Footer_Grid {
  QWidget form;
  TZadIrururOziz* grid = new TZadIrururOziz(&form);
  QList<Action> actions;
  explicit Footer_Grid(std::initializer_list<QPoint> hits, bool show = true) {
    form.resize(600, 420);
    grid->setGeometry(10, 10, 580, 400);
    grid->SetColCount(5);
    grid->SetRowCount(12);
    for (int r = 1; r < 12; ++r)
      for (int c = 1; c < 5; ++c) grid->SetGridCell(c, r, QStringLiteral("-"));
    for (QPoint p : hits) grid->SetGridCell(p.x(), p.y(), QStringLiteral("meter"));
    grid->OnSearchFooterAction = [this](TZadIrururOziz*, const QString& value, int c, int r, TSearchAction a) {
      actions << Action{value, QPoint(c, r), a};
    };
    grid->SearchFooter().SetVisible(true);
    if (show) {
      form.show();
      QVERIFY(QTest::qWaitForWindowActive(&form));
    }
  }
  TSearchPanel& panel() { return *grid->SearchPanel(); }
  TRetEdit& edit() { return *panel().EditControl(); }
  QPoint current() const { return QPoint(grid->Col(), grid->Row()); }
  void type(const QString& text) {
    edit().setFocus();
    QTest::keyClicks(&edit(), text);
  }
};

}  // namespace

class GridSearchFooterTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void parts_in_place_data() {
    QTest::addColumn<bool>("mirrored");
    QTest::newRow("left to right") << false;
    QTest::newRow("right to left") << true;
  }
  void parts_in_place() {
    QFETCH(bool, mirrored);
    Footer_Grid g({});
    if (mirrored) g.grid->setLayoutDirection(Qt::RightToLeft);
    TSearchPanel& p = g.panel();
    const int w = p.width();
    auto left = [&](int l, int width) { return mirrored ? w - width - l : l; };
    QCOMPARE(p.EditControl()->geometry(), QRect(left(25, 110), 6, 110, p.EditControl()->height()));
    QCOMPARE(p.ForwardButton()->geometry(), QRect(left(140, 90), 5, 90, 23));
    QCOMPARE(p.BackwardButton()->geometry(), QRect(left(235, 90), 5, 90, 23));
    QCOMPARE(p.HiliteButton()->geometry(), QRect(left(330, 90), 5, 90, 23));
    QCOMPARE(p.ExitButton()->geometry(), QRect(left(5, 14), 7, 14, 14));
    const int box = p.MatchCase()->width();
    QCOMPARE(p.MatchCase()->pos(), QPoint(left(425, box), 8));
    g.grid->SearchFooter().SetShowHighLight(false);
    QCOMPARE(p.MatchCase()->pos(), QPoint(left(330, box), 8));
    // The mirrored places follow the panel's width.
    g.grid->resize(g.grid->width() - 100, g.grid->height());
    QCOMPARE(p.width(), w - 100);
    QCOMPARE(p.EditControl()->x(), mirrored ? w - 100 - 110 - 25 : 25);
  }

  void buttons_wait_for_a_text() {
    Footer_Grid g({});
    TSearchPanel& p = g.panel();
    for (TZadGridButton* b : {p.ForwardButton(), p.BackwardButton(), p.HiliteButton()}) QVERIFY(!b->isEnabled());
    g.type("x");
    for (TZadGridButton* b : {p.ForwardButton(), p.BackwardButton(), p.HiliteButton()}) QVERIFY(b->isEnabled());
    g.edit().clear();
    QVERIFY(!p.ForwardButton()->isEnabled());
  }

  // Typing searches from the first cell on each change; a miss turns the
  // edit red until the text is cleared or found again.
  void typing_searches_and_a_miss_shows_red() {
    Footer_Grid g({{3, 7}});
    g.type("met");
    QCOMPARE(g.current(), QPoint(3, 7));
    QCOMPARE(g.edit().Color(), TColor(clWindow));
    QCOMPARE(g.actions.size(), 3);
    QCOMPARE(g.actions.last().value, QString("met"));
    QCOMPARE(g.actions.last().cell, QPoint(3, 7));
    QCOMPARE(g.actions.last().action, saFindFirst);
    g.type("x");
    QCOMPARE(g.edit().Color(), TColor(0x0000FF));
    QCOMPARE(g.actions.last().cell, QPoint(-1, -1));
    QTest::keyClick(&g.edit(), Qt::Key_Backspace);
    QCOMPARE(g.edit().Color(), TColor(clWindow));
    g.type("x");
    g.edit().clear();
    QCOMPARE(g.edit().Color(), TColor(clWindow));
  }

  void the_edit_change_event_can_take_over() {
    Footer_Grid g({{3, 7}});
    QStringList seen;
    g.grid->OnSearchEditChange = [&](TZadIrururOziz*, const QString& value, bool& default_search) {
      seen << value;
      default_search = false;
    };
    g.type("me");
    QCOMPARE(seen, (QStringList{"m", "me"}));
    QCOMPARE(g.current(), QPoint(1, 1));
    QVERIFY(g.actions.isEmpty());
  }

  // Return finds the next hit, Ctrl+Return the previous one; a press that
  // misses leaves nothing found, so the next press starts over.
  void return_and_ctrl_return_step_through_the_hits() {
    Footer_Grid g({{2, 3}, {2, 8}, {4, 5}});
    g.grid->SearchFooter().SetAutoSearch(false);
    g.type("meter");
    QCOMPARE(g.current(), QPoint(1, 1));
    QList<QPoint> found;
    for (int i = 0; i < 5; ++i) {
      QTest::keyClick(&g.edit(), Qt::Key_Return);
      found << g.actions.last().cell;
      QCOMPARE(g.actions.last().action, saFindNext);
    }
    QCOMPARE(found, (QList<QPoint>{{2, 3}, {2, 8}, {4, 5}, {-1, -1}, {2, 3}}));
    QCOMPARE(g.current(), QPoint(2, 3));
    QCOMPARE(g.grid->SearchFooter().LastSearch(), QString("meter"));
    QTest::keyClick(&g.edit(), Qt::Key_Return);
    QTest::keyClick(&g.edit(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(g.actions.last().action, saFindPrevious);
    QCOMPARE(g.actions.last().cell, QPoint(2, 3));
    QCOMPARE(g.current(), QPoint(2, 3));
    // The buttons do the same.
    g.panel().ForwardButton()->Click();
    QCOMPARE(g.current(), QPoint(2, 8));
    // A changed text starts again at the first cell.
    g.edit().setText("mete");
    QTest::keyClick(&g.edit(), Qt::Key_Return);
    QCOMPARE(g.current(), QPoint(2, 3));
  }

  void previous_runs_column_by_column_even_across() {
    Footer_Grid g({{2, 8}, {3, 2}});
    g.grid->SearchFooter().SetSearchDirection(sdLeftRight);
    g.type("meter");
    QCOMPARE(g.current(), QPoint(3, 2));
    g.grid->SetSearchCell(QPoint(-1, -1));
    QTest::keyClick(&g.edit(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(g.current(), QPoint(3, 2));
    QTest::keyClick(&g.edit(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(g.current(), QPoint(2, 8));
  }

  void footer_settings_shape_the_search_data() {
    QTest::addColumn<int>("setting");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("whole grid") << 0 << QPoint(2, 9);
    QTest::newRow("search column") << 1 << QPoint(4, 2);
    QTest::newRow("active column") << 2 << QPoint(3, 5);
    QTest::newRow("match start") << 3 << QPoint(4, 2);
    QTest::newRow("match case") << 4 << QPoint(3, 5);
  }
  void footer_settings_shape_the_search() {
    QFETCH(int, setting);
    QFETCH(QPoint, expected);
    Footer_Grid g({});
    g.grid->SetGridCell(2, 9, "the METER");
    g.grid->SetGridCell(3, 5, "the meter");
    g.grid->SetGridCell(4, 2, "METER");
    g.grid->FocusCell(3, 1);
    TSearchFooter& f = g.grid->SearchFooter();
    if (setting == 1) f.SetSearchColumn(4);
    if (setting == 2) f.SetSearchActiveColumnOnly(true);
    if (setting == 3) f.SetSearchMatchStart(true);
    if (setting == 4) g.panel().MatchCase()->SetChecked(true);
    g.type(setting == 4 ? "meter" : "METER");
    QCOMPARE(g.current(), expected);
  }

  // Highlighting tags every hit while the button is down; the hits are found
  // through the tags, and the tags go when the text, the button or the
  // footer goes.
  void highlighting_follows_the_button() {
    Footer_Grid g({{2, 3}, {4, 6}});
    TZadGridButton* hilite = g.panel().HiliteButton();
    g.type("ete");
    QCOMPARE(g.grid->GetGridCell(2, 3), QString("meter"));
    QTest::mouseClick(hilite, Qt::LeftButton);
    QVERIFY(hilite->Down());
    QCOMPARE(g.grid->GetGridCell(2, 3), QString("m<hi>ete</hi>r"));
    QCOMPARE(g.grid->GetGridCell(4, 6), QString("m<hi>ete</hi>r"));
    g.type("r");
    QCOMPARE(g.grid->GetGridCell(2, 3), QString("m<hi>eter</hi>"));
    QCOMPARE(g.current(), QPoint(2, 3));
    QTest::keyClick(&g.edit(), Qt::Key_Return);
    QCOMPARE(g.current(), QPoint(4, 6));
    QTest::mouseClick(hilite, Qt::LeftButton);
    QCOMPARE(g.grid->GetGridCell(2, 3), QString("meter"));
    QTest::mouseClick(hilite, Qt::LeftButton);
    g.edit().clear();
    QCOMPARE(g.grid->GetGridCell(4, 6), QString("meter"));
    g.type("meter");
    QCOMPARE(g.grid->GetGridCell(4, 6), QString("<hi>meter</hi>"));
    // Closing the footer takes the hits out of the cells.
    bool closed = false;
    g.grid->OnSearchFooterClose = [&](TZadIrururOziz*) { closed = true; };
    QTest::mouseClick(g.panel().ExitButton(), Qt::LeftButton);
    QVERIFY(closed);
    QVERIFY(!g.grid->SearchFooter().Visible());
    QVERIFY(!g.panel().isVisible());
    QCOMPARE(g.grid->GetGridCell(4, 6), QString("meter"));
  }

  void always_highlight_without_the_button() {
    Footer_Grid g({{2, 3}});
    g.grid->SearchFooter().SetAlwaysHighLight(true);
    g.type("ete");
    QCOMPARE(g.grid->GetGridCell(2, 3), QString("m<hi>ete</hi>r"));
    // Find next looks through the tags.
    g.grid->SetSearchCell(QPoint(-1, -1));
    QTest::keyClick(&g.edit(), Qt::Key_Return);
    QCOMPARE(g.actions.last().cell, QPoint(2, 3));
    // A change of the footer's settings takes the highlighting out.
    g.grid->SearchFooter().SetFindNextCaption("Next");
    QCOMPARE(g.grid->GetGridCell(2, 3), QString("meter"));
  }

  void accelerators_and_ctrl_f() {
    Footer_Grid g({{2, 3}, {2, 8}});
    g.grid->SearchFooter().SetAutoSearch(false);
    // A grid made in code starts with empty captions; a form sets them.
    g.grid->SearchFooter().SetFindNextCaption("Find &next");
    g.grid->SearchFooter().SetFindPrevCaption("Find &previous");
    g.grid->setFocus();
    QTest::keyClick(g.grid, Qt::Key_F, Qt::ControlModifier);
    QTRY_VERIFY(g.edit().hasFocus());
    QTest::keyClicks(&g.edit(), "meter");
    // "Find &next" and "Find &previous".
    QTest::keyClick(&g.edit(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(g.current(), QPoint(2, 3));
    QTest::keyClick(&g.edit(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(g.current(), QPoint(2, 8));
    QTest::keyClick(&g.edit(), Qt::Key_P, Qt::AltModifier);
    QCOMPARE(g.current(), QPoint(2, 3));
    // Not while the button is hidden.
    g.grid->SearchFooter().SetShowFindNext(false);
    QTest::keyClick(&g.edit(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(g.current(), QPoint(2, 3));
  }

  // With the footer hidden again Ctrl+F leaves the focus, the cell and its
  // text as they were.
  void ctrl_f_without_a_visible_footer_changes_nothing() {
    Footer_Grid g({{2, 3}});
    g.grid->SearchFooter().SetVisible(false);
    g.grid->setFocus();
    QTRY_VERIFY(g.grid->hasFocus());
    const QPoint before = g.current();
    QTest::keyClick(g.grid, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(g.grid->hasFocus());
    QVERIFY(!g.edit().hasFocus());
    QCOMPARE(g.current(), before);
    QCOMPARE(g.grid->GetGridCell(before.x(), before.y()), QString("-"));
    QVERIFY(!g.grid->EditorMode());
  }

  void created_event_fires_once_the_grid_shows() {
    Footer_Grid g({}, false);
    int created = 0;
    g.grid->OnCreatedSearchFooter = [&](TZadIrururOziz*) { ++created; };
    QCOMPARE(created, 0);
    g.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g.form));
    g.form.hide();
    g.form.show();
    QCOMPARE(created, 1);
  }
};

QTEST_MAIN(GridSearchFooterTest)
#include "grid_search_footer_test.moc"
