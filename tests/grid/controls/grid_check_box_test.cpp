#include "grid/controls/grid_check_box.h"

#include <QLineEdit>
#include <QtTest>

#include "controls/tcolor.h"

class GridCheckBoxTest : public QObject {
  Q_OBJECT

  // A shown, active window holding the box, so that it can take the focus.
  struct Window {
    QWidget widget;
    TZadCheckBox* box = new TZadCheckBox(&widget);
    QLineEdit* next = new QLineEdit(&widget);
    int clicks = 0;
    Window() {
      next->move(0, 30);
      box->OnClick = [this] { ++clicks; };
      widget.resize(200, 80);
      widget.show();
      widget.activateWindow();
    }
  };

 private Q_SLOTS:
  void defaults() {
    TZadCheckBox box;
    QCOMPARE(box.size(), QSize(98, 20));
    QCOMPARE(box.Caption(), QStringLiteral("TZadCheckBox"));
    QCOMPARE(box.State(), cbUnchecked);
    QCOMPARE(box.Alignment(), taLeftJustify);
    QCOMPARE(box.ButtonVertAlign(), tlTop);
  }

  void grayed_reads_unchecked_and_toggles_to_checked() {
    TZadCheckBox box;
    box.SetState(cbGrayed);
    QVERIFY(!box.Checked());
    box.Toggle();
    QCOMPARE(box.State(), cbChecked);
    box.Toggle();
    QCOMPARE(box.State(), cbUnchecked);
    box.SetChecked(true);
    QCOMPARE(box.State(), cbChecked);
  }

  void click_and_space_toggle() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.widget));
    QTest::mouseClick(w.box, Qt::LeftButton, {}, QPoint(5, 8));
    QVERIFY(w.box->Checked());
    QVERIFY(w.box->hasFocus());
    QTest::keyClick(w.box, Qt::Key_Space);
    QVERIFY(!w.box->Checked());
    QCOMPARE(w.clicks, 2);
  }

  void read_only_keeps_its_state_but_clicks() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.widget));
    w.box->SetReadOnly(true);
    w.box->SetCaption(QStringLiteral("&Match case"));
    QTest::mouseClick(w.box, Qt::LeftButton, {}, QPoint(5, 8));
    QTest::keyClick(w.box, Qt::Key_Space);
    QTest::keyClick(&w.widget, Qt::Key_M, Qt::AltModifier);
    QVERIFY(!w.box->Checked());
    QCOMPARE(w.clicks, 2);
  }

  void accelerator_toggles_and_focuses() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.widget));
    w.box->SetCaption(QStringLiteral("&Match case"));
    w.next->setFocus();
    QTest::keyClick(&w.widget, Qt::Key_M, Qt::AltModifier);
    QVERIFY(w.box->Checked());
    QVERIFY(w.box->hasFocus());
    QCOMPARE(w.clicks, 0);
  }

  void release_outside_does_not_toggle() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.widget));
    QTest::mousePress(w.box, Qt::LeftButton, {}, QPoint(5, 8));
    QVERIFY(w.box->Down());
    QMouseEvent move(QEvent::MouseMove, QPointF(150, 8), w.box->mapToGlobal(QPointF(150, 8)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(w.box, &move);
    QVERIFY(!w.box->Down());
    QTest::mouseRelease(w.box, Qt::LeftButton, {}, QPoint(150, 8));
    QVERIFY(!w.box->Checked());
    QCOMPARE(w.clicks, 0);
  }

  void return_is_tab() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.widget));
    w.box->setFocus();
    QTest::keyClick(w.box, Qt::Key_Return);
    QVERIFY(w.box->hasFocus());
    w.box->SetReturnIsTab(true);
    QTest::keyClick(w.box, Qt::Key_Return);
    QVERIFY(w.next->hasFocus());
  }

  void theme_states_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("hot");
    QTest::addColumn<int>("number");
    QTest::newRow("unchecked") << int(cbUnchecked) << true << false << false << 1;
    QTest::newRow("unchecked hot") << int(cbUnchecked) << true << false << true << 2;
    QTest::newRow("unchecked down") << int(cbUnchecked) << true << true << true << 3;
    QTest::newRow("unchecked disabled") << int(cbUnchecked) << false << true << true << 4;
    QTest::newRow("checked") << int(cbChecked) << true << false << false << 5;
    QTest::newRow("checked down") << int(cbChecked) << true << true << false << 7;
    QTest::newRow("grayed hot") << int(cbGrayed) << true << false << true << 10;
    QTest::newRow("grayed disabled") << int(cbGrayed) << false << false << false << 12;
  }
  void theme_states() {
    QFETCH(int, state);
    QFETCH(bool, enabled);
    QFETCH(bool, down);
    QFETCH(bool, hot);
    QTEST(Check_Box_Theme_State(TCheckBoxState(state), enabled, down, hot), "number");
  }

  void box_and_caption_places_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("valign");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<int>("captionLeft");
    QTest::newRow("left top") << int(taLeftJustify) << int(tlTop) << QRect(0, 4, 13, 13) << 15;
    QTest::newRow("left centre") << int(taLeftJustify) << int(tlCenter) << QRect(0, 14, 13, 13) << 15;
    QTest::newRow("left bottom") << int(taLeftJustify) << int(tlBottom) << QRect(0, 23, 13, 13) << 15;
    QTest::newRow("right top") << int(taRightJustify) << int(tlTop) << QRect(87, 4, 13, 13) << 6;
  }
  void box_and_caption_places() {
    QFETCH(int, alignment);
    QFETCH(int, valign);
    TZadCheckBox box;
    box.resize(100, 40);
    box.SetAlignment(TLeftRight(alignment));
    box.SetButtonVertAlign(TTextLayout(valign));
    QTEST(box.Box_Rect().To_QRect(), "box");
    QTEST(box.Caption_Rect().Left, "captionLeft");
    QCOMPARE(box.Caption_Rect().Top, 4);
    // The caption never runs into the box.
    if (alignment == int(taRightJustify)) QVERIFY(box.Caption_Rect().Right <= box.Box_Rect().Left);
  }

  void classic_box_shows_its_state() {
    QWidget parent;
    TZadCheckBox box(&parent);
    QImage image = box.Render();
    const QRgb window = To_QColor(clWindow).rgb();
    QCOMPARE(image.pixel(6, 10), window);  // empty box, inside
    box.SetChecked(true);
    image = box.Render();
    QCOMPARE(image.pixel(6, 10), To_QColor(clWindowText).rgb());  // the tick
    box.SetState(cbGrayed);
    image = box.Render();
    QCOMPARE(image.pixel(6, 10), To_QColor(clBtnFace).rgb());  // inactive, no tick
  }
};

QTEST_MAIN(GridCheckBoxTest)
#include "grid_check_box_test.moc"
