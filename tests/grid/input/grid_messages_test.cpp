// Update counting, the grid timer, the posted editing-done notification and
// the edit text of the string grid.
#include <QLineEdit>
#include <QWheelEvent>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {
// A shown grid that counts its paints.
struct Painted_Grid {
  TZadIrururOziz grid;
  int paints = 0;
  Painted_Grid() {
    grid.OnPainted = [this](TZadIrururOziz*) { ++paints; };
    grid.show();
  }
  // Asks for a repaint and lets it happen; whether the grid painted.
  bool Repaints() {
    paints = 0;
    grid.viewport()->update();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return paints > 0;
  }
};
}  // namespace

class GridMessagesTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void nested_updates_paint_after_the_last_end() {
    Painted_Grid p;
    QVERIFY(QTest::qWaitForWindowExposed(&p.grid));
    QVERIFY(p.Repaints());
    p.grid.BeginUpdate();
    p.grid.BeginUpdate();
    QVERIFY(p.grid.LockUpdate());
    QVERIFY(!p.Repaints());
    p.grid.EndUpdate();
    QVERIFY(!p.Repaints());
    p.grid.EndUpdate();
    QCOMPARE(p.grid.UpdateCount(), 0);
    QVERIFY(p.Repaints());
    p.grid.EndUpdate();  // one too many changes nothing
    QCOMPARE(p.grid.UpdateCount(), 0);
    p.grid.SetLockUpdate(true);
    QCOMPARE(p.grid.UpdateCount(), 1);
    p.grid.SetLockUpdate(false);
    QVERIFY(p.Repaints());
  }

  void a_grid_hidden_inside_the_bracket_paints_again() {
    Painted_Grid p;
    QVERIFY(QTest::qWaitForWindowExposed(&p.grid));
    p.grid.BeginUpdate();
    p.grid.hide();
    p.grid.EndUpdate();
    QCOMPARE(p.grid.UpdateCount(), 0);
    p.paints = 0;
    p.grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.grid));
    QTRY_VERIFY(p.paints > 0);
  }

  void start_update_holds_painting_until_reset() {
    Painted_Grid p;
    QVERIFY(QTest::qWaitForWindowExposed(&p.grid));
    p.grid.StartUpdate();
    QVERIFY(!p.Repaints());
    p.grid.ResetUpdate();
    QVERIFY(p.Repaints());
    // A reset inside a BeginUpdate bracket does not leave redraw off.
    p.grid.BeginUpdate();
    p.grid.ResetUpdate();
    QVERIFY(p.Repaints());
  }

  void timer_ticks_count_and_blink() {
    TZadIrururOziz grid;
    grid.SetEnableBlink(true);
    const bool phase = grid.GridBlink();
    grid.GridTimerTick();
    QCOMPARE(grid.TimerTicks(), 1);
    QCOMPARE(grid.GridBlink(), !phase);
    grid.GridTimerTick();
    QCOMPARE(grid.GridBlink(), phase);
    // Without incremental search the typed text does not age.
    grid.SetIncrSearchText("ab");
    for (int i = 0; i < 5; ++i) grid.GridTimerTick();
    QCOMPARE(grid.IncrSearchText(), QString("ab"));
    grid.Navigation().SetAutoGotoIncremental(true);
    for (int i = 0; i < 3; ++i) grid.GridTimerTick();
    QCOMPARE(grid.IncrSearchText(), QString("ab"));
    grid.GridTimerTick();
    QCOMPARE(grid.IncrSearchText(), QString());
  }

  void edit_done_is_handled_after_the_current_event() {
    TZadIrururOziz grid;
    QPoint done(-1, -1);
    grid.OnEditCellDone = [&](TZadIrururOziz*, int ACol, int ARow) { done = QPoint(ACol, ARow); };
    grid.PostEditDone(2, 3);
    QCOMPARE(done, QPoint(-1, -1));
    QCoreApplication::processEvents();
    QCOMPARE(done, QPoint(2, 3));

    // Editing on double click only: the editor closes and editing is off.
    grid.MouseActions().SetEditOnDblClickOnly(true);
    grid.SetOptions(grid.Options() | goEditing);
    grid.PostEditDone(1, 1);
    QCoreApplication::processEvents();
    QVERIFY(!(grid.Options() & goEditing));

    // A grid gone before the notification arrives is left alone.
    auto* gone = new TZadIrururOziz;
    bool called = false;
    gone->OnEditCellDone = [&](TZadIrururOziz*, int, int) { called = true; };
    gone->PostEditDone(1, 1);
    delete gone;
    QCoreApplication::processEvents();
    QVERIFY(!called);
  }

  void edit_text_goes_through_the_base_cell() {
    TZadIrururOziz grid;
    grid.SetColCount(5);
    grid.MergeCells(1, 1, 2, 1);
    grid.SetCellEx(1, 1, "base");
    QCOMPARE(grid.GetEditText(2, 1), QString("base"));
    grid.SetEditText(2, 1, "typed");
    QCOMPARE(grid.GetCellEx(1, 1), QString("typed"));

    // Hidden columns: the display column maps to the real one.
    grid.SetCellEx(4, 2, "four");
    grid.HideColumn(3);
    QCOMPARE(grid.GetEditText(3, 2), QString("four"));
    grid.SetEditText(3, 2, "4");
    QCOMPARE(grid.GetCellEx(4, 2), QString("4"));
  }

  void edit_text_without_tags() {
    TZadIrururOziz grid;
    grid.SetCellEx(1, 1, "<b>bold</b> text");
    QCOMPARE(grid.GetEditText(1, 1), QString("bold text"));
    grid.SetEditWithTags(true);
    QCOMPARE(grid.GetEditText(1, 1), QString("<b>bold</b> text"));
    grid.SetCellEx(1, 2, "a < b");
    grid.SetEditWithTags(false);
    QCOMPARE(grid.GetEditText(1, 2), QString("a < b"));
  }

  void wheel_moves_or_scrolls_data() {
    QTest::addColumn<int>("increment");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("down_events");
    const int lines = QApplication::wheelScrollLines();
    QTest::newRow("system lines towards the user") << 0 << int(waMoveSelection) << -120 << 5 + lines << 1 << 0;
    QTest::newRow("own step towards the user") << 2 << int(waMoveSelection) << -120 << 7 << 1 << 1;
    QTest::newRow("own step away from the user") << 2 << int(waMoveSelection) << 120 << 3 << 1 << 0;
    QTest::newRow("scrolling keeps the row") << 4 << int(waScroll) << -120 << 5 << 5 << 1;
  }

  void wheel_moves_or_scrolls() {
    QFETCH(int, increment);
    QFETCH(int, action);
    QFETCH(int, delta);
    QFETCH(int, row);
    QFETCH(int, top);
    QFETCH(int, down_events);
    TZadIrururOziz grid;
    grid.SetRowCount(100);
    grid.resize(400, 11 * 22 + 2);
    grid.MouseActions().SetWheelIncrement(increment);
    grid.MouseActions().SetWheelAction(TWheelAction(action));
    int downs = 0;
    grid.OnMouseWheelDown = [&](TZadIrururOziz*, Qt::KeyboardModifiers, QPoint, bool&) { ++downs; };
    grid.FocusCell(1, 5);
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(grid.viewport(), &wheel);
    QCOMPARE(grid.Row(), row);
    QCOMPARE(grid.TopRow(), top);
    QCOMPARE(downs, down_events);

    grid.SetEnableWheel(false);
    QCoreApplication::sendEvent(grid.viewport(), &wheel);
    QCOMPARE(grid.Row(), row);
  }

  void middle_button_pans_until_the_next_press_or_key() {
    TZadIrururOziz grid;
    grid.SetRowCount(100);
    grid.SetColCount(30);
    grid.resize(400, 11 * 22 + 2);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.FocusCell(2, 5);
    QTest::mouseClick(grid.viewport(), Qt::MiddleButton, Qt::NoModifier, QPoint(100, 100));
    QVERIFY(!grid.Panning());  // off by default
    grid.SetIntelliPan(TZadIrururOziz::ipBoth);
    QTest::mousePress(grid.viewport(), Qt::MiddleButton, Qt::NoModifier, QPoint(100, 100));
    QVERIFY(grid.Panning());
    grid.PanTick(QPoint(100, 106));  // 6 pixels below the press point
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(2, 6));
    QCOMPARE(grid.PanCursor(), 8001);
    grid.PanTick(QPoint(103, 97));  // within 5 pixels: neutral
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(2, 6));
    QCOMPARE(grid.PanCursor(), 8000);
    grid.PanTick(QPoint(90, 90));
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(1, 5));
    QCOMPARE(grid.PanCursor(), 8006);
    // A left press ends panning and selects nothing.
    QTest::mousePress(grid.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 150));
    QVERIFY(!grid.Panning());
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(1, 5));

    // Scrolling panning, vertical only; a key ends it.
    grid.MouseActions().SetWheelAction(waScroll);
    grid.SetIntelliPan(TZadIrururOziz::ipVertical);
    QTest::mousePress(grid.viewport(), Qt::MiddleButton, Qt::NoModifier, QPoint(100, 100));
    const int top = grid.TopRow();
    grid.PanTick(QPoint(160, 140));
    QCOMPARE(grid.TopRow(), top + 1);
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(1, 5));
    QCOMPARE(grid.PanCursor(), 8001);
    QTest::keyClick(&grid, Qt::Key_Shift);
    QVERIFY(!grid.Panning());
  }

  void the_grid_follows_its_window() {
    QWidget form;
    auto* grid = new TZadIrururOziz(&form);
    form.resize(400, 300);
    grid->setGeometry(10, 10, 200, 100);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.resize(420, 310);  // not yet following
    QTRY_COMPARE(form.size(), QSize(420, 310));
    QCOMPARE(grid->size(), QSize(200, 100));
    grid->SetSizeWithForm(true);
    form.resize(470, 340);
    QTRY_COMPARE(grid->size(), QSize(250, 130));
    form.resize(200, 200);  // the grid would vanish: it stays
    QTRY_COMPARE(form.size(), QSize(200, 200));
    QCOMPARE(grid->size(), QSize(250, 130));
  }

  void hovering_makes_the_cell_under_the_mouse_current() {
    TZadIrururOziz grid;
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.SetHovering(true);
    const TRect data = grid.CellRect(2, 3);
    QCursor::setPos(grid.viewport()->mapToGlobal(QPoint(data.Left + 5, data.Top + 5)));
    if (QApplication::widgetAt(QCursor::pos()) != grid.viewport()) QSKIP("no pointer position on this platform");
    grid.GridTimerTick();
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(2, 3));
    const TRect fixed = grid.CellRect(0, 4);
    QCursor::setPos(grid.viewport()->mapToGlobal(QPoint(fixed.Left + 5, fixed.Top + 5)));
    grid.GridTimerTick();
    QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(2, 3));
  }

  void typed_text_is_in_the_cell_and_escape_takes_it_back() {
    TZadIrururOziz grid;
    grid.SetOptions(grid.Options() | goEditing);
    grid.SetCellEx(1, 1, "old");
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.FocusCell(1, 1);
    grid.ShowEditor();
    auto* editor = qobject_cast<QLineEdit*>(grid.InplaceEditor());
    QVERIFY(editor);
    QCOMPARE(grid.GetCellEx(1, 1), QString("old"));  // opening is no edit
    editor->selectAll();
    QTest::keyClicks(editor, "ab");
    QCOMPARE(grid.GetCellEx(1, 1), QString("ab"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!grid.EditorMode());
    QCOMPARE(grid.GetCellEx(1, 1), QString("old"));

    // A mini-HTML cell gets its tags back too.
    grid.SetCellEx(1, 1, "<b>old</b>");
    grid.ShowEditor();
    QCOMPARE(editor->text(), QString("old"));
    QTest::keyClicks(editor, "x");
    QTest::keyClick(editor, Qt::Key_Escape);
    QCOMPARE(grid.GetCellEx(1, 1), QString("<b>old</b>"));
  }
};

QTEST_MAIN(GridMessagesTest)
#include "grid_messages_test.moc"
