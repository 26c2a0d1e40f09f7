#include "dropdowns/trackbar/zad_track_bar_drop_down.h"

#include <QtTest>
#include <memory>
#include <vector>

#include "dropdowns/base/drop_down_form.h"

namespace {

struct Fixture {
  Fixture() {
    window.setGeometry(0, 0, 400, 300);
    edit.reset(Create_Drop_Down<TZadTrackBarDropDown>(&window));
    edit->WorkAreaAt = [](const QPoint&) { return QRect(0, 0, 800, 800); };
    edit->move(20, 20);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
  }
  void Press(int Key) { QTest::keyClick(edit.get(), static_cast<Qt::Key>(Key)); }
  void Drag(std::initializer_list<int> Xs) {
    QTest::mousePress(edit.get(), Qt::RightButton, {}, QPoint(*Xs.begin(), 5));
    for (auto x = Xs.begin() + 1; x != Xs.end(); ++x) {
      QMouseEvent move(QEvent::MouseMove, QPointF(*x, 5), edit->mapToGlobal(QPointF(*x, 5)), Qt::NoButton,
                       Qt::RightButton, Qt::NoModifier);
      QCoreApplication::sendEvent(edit.get(), &move);
    }
    QTest::mouseRelease(edit.get(), Qt::RightButton, {}, QPoint(*(Xs.end() - 1), 5));
  }

  QWidget window;
  std::unique_ptr<TZadTrackBarDropDown> edit;
};

}  // namespace

class Track_Bar_Drop_Down_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void a_new_one_shows_its_position_with_typing_off() {
    Fixture f;
    QCOMPARE(f.edit->text(), QStringLiteral("0"));
    QVERIFY(!f.edit->EditorEnabled());
    QVERIFY(f.edit->DropDownEnabled());
    QCOMPARE(f.edit->EditType(), etNumeric);
    QVERIFY(!f.edit->DropDownHeader().Visible());
    QVERIFY(f.edit->TrackBar());
    QCOMPARE(f.edit->Max(), 10);
  }

  // Up lowers and Down raises by Frequency; a step leaving the range is not
  // taken at all (it does not stop at the limit).
  void up_and_down_step_inside_the_range_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("down past max") << 9 << int(Qt::Key_Down) << 9;
    QTest::newRow("up") << 9 << int(Qt::Key_Up) << 7;
    QTest::newRow("up past min") << 1 << int(Qt::Key_Up) << 1;
    QTest::newRow("down to max") << 8 << int(Qt::Key_Down) << 10;
  }
  void up_and_down_step_inside_the_range() {
    QFETCH(int, position);
    QFETCH(int, key);
    QFETCH(int, expected);
    Fixture f;
    f.edit->SetFrequency(2);
    f.edit->SetPosition(position);
    f.Press(key);
    QCOMPARE(f.edit->Position(), expected);
    if (expected != position) QCOMPARE(f.edit->text(), QString::number(expected));
  }

  void keys_and_drags_do_nothing_while_typing_is_on() {
    Fixture f;
    f.edit->SetEditorEnabled(true);
    f.edit->SetPosition(5);
    f.Press(Qt::Key_Up);
    f.Drag({10, 30});
    QCOMPARE(f.edit->Position(), 5);
  }

  // Each move counts by itself: what is left of PageSize is dropped.
  void a_drag_moves_by_the_distance_over_page_size() {
    Fixture f;
    f.edit->SetPosition(2);
    f.Drag({10, 17});
    QCOMPARE(f.edit->Position(), 5);
    f.Drag({10, 11, 12, 13, 14, 15, 16, 17});
    QCOMPARE(f.edit->Position(), 5);
    f.Drag({17, 10});
    QCOMPARE(f.edit->Position(), 2);
    // A page size below 1 counts as 1.
    f.edit->SetPageSize(0);
    f.Drag({10, 13});
    QCOMPARE(f.edit->Position(), 5);
    QCOMPARE(f.edit->text(), QStringLiteral("5"));
  }

  void the_slider_writes_the_text_then_tells_of_the_move() {
    Fixture f;
    std::vector<QString> events;
    f.edit->OnChange = [&](TZadCustomDropDown*) {
      events.push_back(QStringLiteral("change %1 at %2").arg(f.edit->text()).arg(f.edit->Position()));
    };
    f.edit->OnTrackChange = [&](TZadCustomDropDown*) { events.push_back(QStringLiteral("track")); };
    f.edit->ShowDropDown();
    QVERIFY(f.edit->DropDownForm()->isVisible());
    f.edit->TrackBar()->setValue(5);
    QCOMPARE(f.edit->text(), QStringLiteral("5"));
    QCOMPARE(f.edit->Position(), 5);
    QCOMPARE(events, (std::vector<QString>{QStringLiteral("change 5 at 5"), QStringLiteral("track")}));
  }

  void range_writes_are_clamped_by_the_slider() {
    Fixture f;
    f.edit->SetPosition(20);
    QCOMPARE(f.edit->Position(), 10);
    f.edit->SetMin(12);
    QCOMPARE(f.edit->Min(), 12);
    QCOMPARE(f.edit->Max(), 12);
    QCOMPARE(f.edit->Position(), 12);
  }

  void a_text_sets_the_position_unless_it_is_no_integer() {
    Fixture f;
    f.edit->SetText(QStringLiteral("7"));
    QCOMPARE(f.edit->Position(), 7);
    f.edit->SetRawText(QStringLiteral("seven"));
    QCOMPARE(f.edit->Position(), 7);
  }

  void the_popup_is_the_slider_and_esc_puts_the_position_back() {
    Fixture f;
    f.edit->SetPosition(3);
    f.edit->SetRawText(QStringLiteral("3"));
    f.edit->ShowDropDown();
    QCOMPARE(f.edit->DropDownForm()->width(), f.edit->width());
    QVERIFY(!f.edit->DropDownForm()->CancelOnDeActivate());
    QCOMPARE(f.edit->TrackBar()->value(), 3);
    f.edit->TrackBar()->setValue(8);
    QCOMPARE(f.edit->text(), QStringLiteral("8"));
    int position_told = -1;
    f.edit->OnChange = [&](TZadCustomDropDown*) { position_told = f.edit->Position(); };
    f.edit->HideDropDown(true);
    QCOMPARE(position_told, 3);
    QCOMPARE(f.edit->Position(), 3);
    QCOMPARE(f.edit->text(), QStringLiteral("3"));
    // F4 on the slider closes the popup (and does not open it again).
    f.edit->ShowDropDown();
    QTest::keyClick(f.edit->TrackBar(), Qt::Key_F4);
    QVERIFY(!f.edit->DropDownForm()->isVisible());
    // A close that keeps keeps the slider's position.
    f.edit->ShowDropDown();
    f.edit->TrackBar()->setValue(6);
    f.edit->HideDropDown(false);
    QCOMPARE(f.edit->Position(), 6);
  }
};

QTEST_MAIN(Track_Bar_Drop_Down_Test)
#include "zad_track_bar_drop_down_test.moc"
