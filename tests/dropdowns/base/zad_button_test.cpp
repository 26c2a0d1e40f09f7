#include "dropdowns/base/zad_button.h"

#include <QSignalSpy>
#include <QtTest>

#include "dropdowns/base/popup_modal_result.h"
#include "dropdowns/base/zad_button_appearance.h"
#include "dropdowns/base/zad_custom_drop_down.h"

namespace {

// The popup form a footer button reports its modal result to.
class Popup_Form : public QWidget, public IPopupModalResult {
 public:
  void SetModalResult(int Value) override { modal_result = Value; }
  int modal_result = -1;
};

class Recording_Drop_Down : public TZadCustomDropDown {
 public:
  void DoHideDropDown(bool CancelChanges) override {
    hides.push_back(CancelChanges);
    TZadCustomDropDown::DoHideDropDown(CancelChanges);
  }
  std::vector<bool> hides;
};

}  // namespace

class Zad_Button_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void appearance_defaults_and_change_notice() {
    TZadButtonAppearance a;
    QCOMPARE(a.ColorChecked(), TColor(0xF5D8CA));
    QCOMPARE(a.ColorCheckedTo(), TColor(0xF9BDA0));
    QCOMPARE(a.BorderColor(), clNone);
    QCOMPARE(a.BorderColorDown(), TColor(0x800000));
    QCOMPARE(a.GradientHorizontal(), false);
    QCOMPARE(a.Font().family(), QStringLiteral("Tahoma"));
    int changes = 0;
    a.OnChange = [&] { ++changes; };
    a.SetColorHot(0xF5F0E1);  // unchanged: no notice
    a.SetGradientHorizontal(false);
    QCOMPARE(changes, 0);
    a.SetColorHot(0x123456);
    a.SetGradientHorizontal(true);
    QCOMPARE(changes, 2);
    a.SetFont(QFont(QStringLiteral("Serif")));
    QCOMPARE(changes, 2);

    TZadButtonAppearance b;
    int b_changes = 0;
    b.OnChange = [&] { ++b_changes; };
    b.Assign(a);
    QCOMPARE(b.ColorHot(), TColor(0x123456));
    QCOMPARE(b.GradientHorizontal(), true);
    QCOMPARE(b_changes, 2);                                 // only what differed
    QCOMPARE(b.Font().family(), QStringLiteral("Tahoma"));  // the font stays
  }

  void group_buttons_are_exclusive() {
    QWidget parent;
    parent.resize(100, 30);
    auto* a = new TZadButton(&parent);
    auto* b = new TZadButton(&parent);
    auto* other = new TZadButton(&parent);
    b->move(30, 0);
    other->move(60, 0);
    for (TZadButton* button : {a, b}) button->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetAllowAllUp(true);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(a->Down());
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(b->Down());
    QVERIFY(!a->Down());
    // Without AllowAllUp a down button stays down.
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(b->Down());
    // Released outside: no change.
    QTest::mousePress(a, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(a, Qt::LeftButton, {}, QPoint(40, 5));
    QVERIFY(!a->Down());
    QVERIFY(b->Down());
    // Other groups are left alone; with AllowAllUp a second click releases.
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(other->Down());
    QVERIFY(b->Down());
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!other->Down());
  }

  void group_members_take_the_senders_all_up() {
    QWidget parent;
    auto* a = new TZadButton(&parent);
    auto* b = new TZadButton(&parent);
    a->SetGroupIndex(3);
    b->SetGroupIndex(3);
    b->SetAllowAllUp(true);
    b->SetDown(true);
    QVERIFY(a->AllowAllUp());
    a->SetDown(true);
    QVERIFY(!b->Down());
    a->SetDown(false);  // all up allowed now
    QVERIFY(!a->Down());
  }

  void plain_and_check_buttons() {
    QWidget parent;
    auto* plain = new TZadButton(&parent);
    auto* check = new TZadButton(&parent);
    check->move(30, 0);
    check->SetStyle(tasCheck);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    int clicks = 0;
    plain->OnClick = [&] { ++clicks; };
    QTest::mouseClick(plain, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicks, 1);
    QVERIFY(!plain->Down());
    plain->SetDown(true);
    QVERIFY(!plain->Down());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(check->Down());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!check->Down());
    // A release outside is no click.
    QTest::mousePress(plain, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(plain, Qt::LeftButton, {}, QPoint(5, 40));
    QCOMPARE(clicks, 1);
  }

  void loading_applies_the_down_state_at_the_end() {
    QWidget parent;
    auto* a = new TZadButton(&parent);
    a->SetGroupIndex(1);
    a->BeginLoading();
    a->SetDown(true);
    QVERIFY(!a->Down());
    a->EndLoading();
    QVERIFY(a->Down());
  }

  void footer_buttons_close_the_popup_by_modal_result() {
    struct Case {
      int modal_result;
      bool closes, cancels;
    };
    const Case cases[] = {{0, false, false}, {1, true, false},  {2, true, true},    {3, true, true},
                          {4, false, false}, {5, true, true},   {6, true, false},   {7, true, true},
                          {8, false, false}, {9, false, false}, {10, false, false}, {11, false, false},
                          {12, true, false}, {13, true, true},  {14, true, false}};
    for (const Case& c : cases) {
      Popup_Form form;
      Recording_Drop_Down drop_down;
      drop_down.Initialize();
      drop_down.DoShowDropDown();
      auto* button = new TZadButton(&form);
      button->SetModalResult(c.modal_result);
      button->SetZadDropDown(&drop_down);
      int clicks = 0;
      button->OnClick = [&] { ++clicks; };
      // From the keyboard: modal result and closing, but no OnClick.
      QTest::keyClick(button, Qt::Key_Space);
      QCOMPARE(form.modal_result, c.modal_result);
      QCOMPARE(clicks, 0);
      QCOMPARE(drop_down.DroppedDown(), !c.closes);
      if (c.closes) {
        QCOMPARE(drop_down.hides.size(), size_t{1});
        QCOMPARE(bool(drop_down.hides[0]), c.cancels);
      } else {
        QVERIFY(drop_down.hides.empty());
      }
      QTest::keyClick(button, Qt::Key_Return);
      QCOMPARE(clicks, 0);
      // A plain Click fires OnClick as well.
      button->Click();
      QCOMPARE(clicks, 1);
    }
  }

  void header_button_sets_the_result_only() {
    Popup_Form form;
    auto* button = new TZadButton(&form);
    button->SetModalResult(1);
    button->Click();  // no drop-down: nothing to close
    QCOMPARE(form.modal_result, 1);
  }

  void hot_face_clears_without_a_leave_event() {
    QWidget parent;
    parent.resize(60, 40);
    auto* button = new TZadButton(&parent);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QPoint cursor = button->mapToGlobal(QPoint(5, 5));
    button->CursorPos = [&] { return cursor; };
    int enters = 0, leaves = 0;
    button->OnMouseEnter = [&] { ++enters; };
    button->OnMouseLeave = [&] { ++leaves; };
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(cursor));
    QApplication::sendEvent(button, &enter);
    QVERIFY(button->MouseInControl());
    QVERIFY(button->UnHotTimer().isActive());
    QCOMPARE(enters, 1);
    // Still over the button: the poll keeps it hot.
    button->UnHotTimerTick();
    QVERIFY(button->MouseInControl());
    // Off the button, no leave event: the next tick clears it.
    cursor = button->mapToGlobal(QPoint(40, 30));
    QTRY_VERIFY_WITH_TIMEOUT(!button->MouseInControl(), 200);
    QVERIFY(!button->UnHotTimer().isActive());
    QCOMPARE(leaves, 0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QCOMPARE(leaves, 1);
  }

  void faces_paint_over_the_parent() {
    QWidget parent;
    parent.resize(60, 40);
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(0, 200, 0));
    parent.setPalette(palette);
    auto* button = new TZadButton(&parent);
    button->setGeometry(10, 10, 30, 20);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    // No appearance: only the parent's background.
    QImage shot = parent.grab().toImage();
    QCOMPARE(shot.pixelColor(20, 20), QColor(0, 200, 0));
    QCOMPARE(shot.pixelColor(10, 10), QColor(0, 200, 0));
    // Normal face without colours: still the parent's background.
    TZadButtonAppearance appearance;
    button->SetAppearance(&appearance);
    button->clearFocus();  // a focused button shows the hot face
    QVERIFY(!button->MouseInControl());
    shot = parent.grab().toImage();
    QCOMPARE(shot.pixelColor(20, 20), QColor(0, 200, 0));
    // Focused: the hot face, solid ColorHot in a BorderColorHot frame.
    button->setFocus();
    shot = parent.grab().toImage();
    QCOMPARE(shot.pixelColor(20, 12), QColor(0xE1, 0xF0, 0xF5));
    QCOMPARE(shot.pixelColor(10, 10), QColor(0x80, 0x80, 0x80));
    button->clearFocus();
    // Down face: solid ColorChecked in a BorderColorChecked frame.
    button->SetGroupIndex(1);
    button->SetDown(true);
    shot = parent.grab().toImage();
    QCOMPARE(shot.pixelColor(20, 12), QColor(0xCA, 0xD8, 0xF5));
    QCOMPARE(shot.pixelColor(10, 10), QColor(0, 0, 255));
    // Disabled face wins over down.
    button->setEnabled(false);
    shot = parent.grab().toImage();
    QCOMPARE(shot.pixelColor(20, 12), QColor(0xF2, 0xF2, 0xF2));
    QCOMPARE(shot.pixelColor(10, 10), QColor(0x80, 0x80, 0x80));
  }

  void adjusts_to_caption_and_picture() {
    TZadButton button;
    button.SetCaption(QStringLiteral("Apply"));
    button.AdjustButtonSize();
    QCOMPARE(button.size(), QSize(23, 22));  // without an appearance nothing changes
    TZadButtonAppearance appearance;
    button.SetAppearance(&appearance);
    button.AdjustButtonSize();
    const QFontMetrics metrics(appearance.Font());
    QVERIFY(qAbs(button.width() - (metrics.horizontalAdvance(QStringLiteral("Apply")) + 8)) <= 1);
    QImage picture(80, 30, QImage::Format_RGB32);
    const TDropDownImages images{picture};
    button.SetImages(&images);
    button.SetImageIndex(0);
    button.AdjustButtonSize();
    QCOMPARE(button.size(), QSize(88, 34));
  }

  void accelerator_clicks() {
    Popup_Form form;
    form.resize(80, 40);
    auto* button = new TZadButton(&form);
    button->SetCaption(QStringLiteral("&Ok"));
    int clicks = 0;
    button->OnClick = [&] { ++clicks; };
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_O, Qt::AltModifier);
    QCOMPARE(clicks, 1);
    button->setEnabled(false);
    QTest::keyClick(&form, Qt::Key_O, Qt::AltModifier);
    QCOMPARE(clicks, 1);
  }
};

QTEST_MAIN(Zad_Button_Test)
#include "zad_button_test.moc"
