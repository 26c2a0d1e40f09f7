#include "dropdowns/timepicker/zad_time_picker_drop_down.h"

#include <QTest>
#include <algorithm>
#include <memory>

#include "controls/datetime/date_time_picker.h"
#include "controls/format_settings.h"
#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/timepicker/zad_watch.h"

namespace {

TDateTime At(int H, int M, int S = 0) { return Encode_Time(QTime(H, M, S)); }
QString Hms(TDateTime T) { return Time_Of(T).toString(QStringLiteral("HH:mm:ss")); }

// Counts the key presses an object receives.
class Key_Counter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* Event) override {
    if (Event->type() == QEvent::KeyPress) keys.push_back(static_cast<QKeyEvent*>(Event)->key());
    return false;
  }
  std::vector<int> keys;
};

// One window on an 800 x 800 screen holding the time picker; ':' separates.
struct Fixture {
  Fixture() : scope(Colon()) {
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.setGeometry(0, 0, 800, 800);
    picker.reset(Create_Drop_Down<TZadTimePickerDropDown>(&window));
    picker->WorkAreaAt = [](const QPoint&) { return QRect(0, 0, 800, 800); };
    picker->move(100, 100);
    picker->OnTimeChange = [this](TZadTimePickerDropDown*) { ++time_changes; };
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
  }
  static Format_Settings Colon() {
    Format_Settings s;
    s.Time_Separator = QLatin1Char(':');
    return s;
  }
  TDropDownForm* Form() const { return picker->DropDownForm(); }
  TZadWatch* Watch() const { return picker->Watch(); }
  void Open() {
    picker->ShowDropDown();
    QVERIFY(Form()->isVisible());
    Watch()->Pause = [](int) {};
  }
  void Settle() {
    for (int i = 0; Watch()->Animating() && i < 500; ++i) Watch()->AnimationTimerTick();
  }

  Format_Settings_Scope scope;
  QWidget window;
  std::unique_ptr<TZadTimePickerDropDown> picker;
  int time_changes = 0;
};

}  // namespace

class Zad_Time_Picker_Drop_Down_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void newControl() {
    Fixture f;
    QCOMPARE(f.picker->text(), QStringLiteral("00:00:00"));
    QCOMPARE(f.picker->Time(), 0.0);
    QVERIFY(!f.picker->EditorEnabled());
    QVERIFY(f.picker->DropDownEnabled());
    QVERIFY(f.picker->ShowSeconds());
    QVERIFY(!f.picker->DropDownHeader().Visible());
    QVERIFY(!f.picker->DropDownFooter().Visible());
    QCOMPARE(f.picker->EditMask(), QStringLiteral("!90:00:00;1; "));
    int edit_changes = 0;
    f.picker->OnChange = [&](TZadCustomDropDown*) { ++edit_changes; };
    f.picker->SetTime(At(9, 5, 7));
    QCOMPARE(f.picker->text(), QStringLiteral("09:05:07"));
    QCOMPARE(f.time_changes, 0);
    // The edit still tells of its text changing.
    QCOMPARE(edit_changes, 1);
  }

  void upAndDownStepTheFieldUnderTheCaret_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");
    for (int caret : {0, 1, 2})
      QTest::addRow("Down at %d", caret) << "10:20:30" << caret << int(Qt::Key_Down) << "11:20:30";
    for (int caret : {3, 4, 5})
      QTest::addRow("Down at %d", caret) << "10:20:30" << caret << int(Qt::Key_Down) << "10:21:30";
    for (int caret : {6, 7, 8})
      QTest::addRow("Down at %d", caret) << "10:20:30" << caret << int(Qt::Key_Down) << "10:20:31";
    QTest::newRow("Up wraps the hour") << "00:00:00" << 0 << int(Qt::Key_Up) << "23:00:00";
    QTest::newRow("Down wraps the second") << "10:20:59" << 7 << int(Qt::Key_Down) << "10:20:00";
    QTest::newRow("Up wraps the minute") << "10:00:30" << 4 << int(Qt::Key_Up) << "10:59:30";
  }
  void upAndDownStepTheFieldUnderTheCaret() {
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(int, key);
    QFETCH(QString, expected);
    Fixture f;
    f.picker->SetEditorEnabled(true);
    f.picker->SetText(start);
    f.picker->setFocus();
    f.picker->setCursorPosition(caret);
    // The masked edit keeps the caret off the separators.
    const int before = f.picker->cursorPosition();
    QTest::keyClick(f.picker.get(), Qt::Key(key));
    QCOMPARE(f.picker->text(), expected);
    QCOMPARE(Hms(f.picker->Time()), expected);
    QCOMPARE(f.picker->cursorPosition(), before);
    QCOMPARE(f.time_changes, 1);
  }

  void upAndDownNeedTheEditorAndNoModifier() {
    Fixture f;
    f.picker->SetText(QStringLiteral("10:20:30"));
    f.picker->setFocus();
    f.picker->setCursorPosition(0);
    QTest::keyClick(f.picker.get(), Qt::Key_Down);
    QCOMPARE(f.picker->text(), QStringLiteral("10:20:30"));
    f.picker->SetEditorEnabled(true);
    QTest::keyClick(f.picker.get(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(f.picker->text(), QStringLiteral("10:20:30"));
    QCOMPARE(f.time_changes, 0);
  }

  void textFromOutside_data() {
    QTest::addColumn<bool>("seconds");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("time");
    QTest::newRow("without seconds") << false << "07:45"
                                     << "07:45:00";
    QTest::newRow("with seconds") << true << "07:45:30"
                                  << "07:45:30";
    QTest::newRow("hour out of range") << false << "25:00"
                                       << "10:20:00";
    QTest::newRow("minute out of range") << true << "10:61:00"
                                         << "10:20:00";
  }
  void textFromOutside() {
    QFETCH(bool, seconds);
    QFETCH(QString, text);
    QFETCH(QString, time);
    Fixture f;
    f.picker->SetShowSeconds(seconds);
    f.picker->SetTime(At(10, 20));
    f.picker->SetText(text);
    QCOMPARE(Hms(f.picker->Time()), time);
    QCOMPARE(f.time_changes, 0);
  }

  void secondsOff() {
    Fixture f;
    f.picker->SetTime(At(10, 20, 30));
    f.picker->SetShowSeconds(false);
    QCOMPARE(f.picker->text(), QStringLiteral("10:20"));
    QCOMPARE(f.picker->EditMask(), QStringLiteral("!90:00;1; "));
    // The time follows the text it shows.
    QCOMPARE(Hms(f.picker->Time()), QStringLiteral("10:20:00"));
    f.picker->SetShowSeconds(true);
    QCOMPARE(f.picker->text(), QStringLiteral("10:20:00"));
  }

  void partSetters() {
    Fixture f;
    f.picker->SetTime(At(10, 20, 30));
    f.picker->SetHourPart(24);
    f.picker->SetMinutePart(60);
    f.picker->SetSecondPart(-1);
    f.picker->SetHourPart(10);
    QCOMPARE(f.time_changes, 0);
    f.picker->SetSecondPart(45);
    QCOMPARE(f.picker->text(), QStringLiteral("10:20:45"));
    QCOMPARE(f.time_changes, 1);
  }

  void closingTakesTheWatchTime_data() {
    QTest::addColumn<int>("close_key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Enter") << int(Qt::Key_Return) << "03:20:00";
    QTest::newRow("Esc") << int(Qt::Key_Escape) << "10:20:00";
  }
  void closingTakesTheWatchTime() {
    QFETCH(int, close_key);
    QFETCH(QString, expected);
    Fixture f;
    f.picker->SetTime(At(10, 20));
    f.Open();
    QCOMPARE(Hms(f.Watch()->Time()), QStringLiteral("10:20:00"));
    QTest::mouseClick(f.Watch(), Qt::LeftButton, {}, QPoint(150, 90));
    f.Settle();
    QCOMPARE(Hms(f.Watch()->Time()), QStringLiteral("03:20:00"));
    QTest::keyClick(f.Form(), Qt::Key(close_key));
    QVERIFY(!f.Form()->isVisible());
    QCOMPARE(Hms(f.picker->Time()), expected);
    QCOMPARE(f.picker->text(), expected);
    QCOMPARE(Hms(f.Watch()->Time()), expected);
  }

  void enterDuringTheAnimationTakesItsTarget() {
    Fixture f;
    f.picker->SetTime(At(10, 20));
    f.Open();
    QTest::mouseClick(f.Watch(), Qt::LeftButton, {}, QPoint(150, 90));
    QVERIFY(f.Watch()->Animating());
    QTest::keyClick(f.Form(), Qt::Key_Return);
    QCOMPARE(f.picker->text(), QStringLiteral("03:20:00"));
  }

  void watchChangesReachTheTime() {
    Fixture f;
    f.picker->SetTime(At(10, 20));
    f.Open();
    f.Watch()->SetAnimation(false);
    f.Watch()->ProcessKey(Qt::Key_Home);
    QCOMPARE(f.picker->text(), QStringLiteral("12:20:00"));
    QCOMPARE(f.time_changes, 1);
    // A click outside the popup closes it and keeps the time.
    f.Form()->DeActivated(&f.window);
    QVERIFY(!f.Form()->isVisible());
    QCOMPARE(Hms(f.picker->Time()), QStringLiteral("12:20:00"));
  }

  void popupKeysGoToTheWatch() {
    Fixture f;
    f.picker->SetTime(At(10, 20));
    f.Open();
    Key_Counter counter;
    f.picker->installEventFilter(&counter);
    QTest::keyClick(f.Form(), Qt::Key_PageUp);
    f.Settle();
    QCOMPARE(Hms(f.Watch()->Time()), QStringLiteral("11:20:00"));
    QVERIFY(counter.keys.empty());
    QTest::keyClick(f.Form(), Qt::Key_PageUp, Qt::AltModifier);
    QCOMPARE(std::count(counter.keys.begin(), counter.keys.end(), int(Qt::Key_PageUp)), 1);
    f.Settle();
    // Other keys go to the edit as well as to the watch.
    QTest::keyClick(f.Form(), Qt::Key_Right);
    f.Settle();
    QCOMPARE(counter.keys.back(), int(Qt::Key_Right));
    QCOMPARE(Hms(f.Watch()->Time()), QStringLiteral("12:21:00"));
    f.picker->removeEventFilter(&counter);
  }

  void openingCopiesTheSettings() {
    Fixture f;
    f.picker->SetTime(At(14, 0));
    f.picker->WatchAppearance().SetShape(wsRect);
    f.picker->SetShowWatchNumbers(false);
    f.picker->SetAnimationFactor(3);
    f.picker->SetComponentStyle(tsOffice2010Black);
    QCOMPARE(f.picker->WatchAppearance().BackgroundColor(), TColor(0xBFBFBF));
    f.Open();
    QCOMPARE(f.Watch()->Appearance().Shape(), wsRect);
    QCOMPARE(f.Watch()->Appearance().BackgroundColor(), TColor(0xBFBFBF));
    QVERIFY(!f.Watch()->ShowNumbers());
    QCOMPARE(f.Watch()->AnimationFactor(), 3);
    QVERIFY(!f.Watch()->AM());
    QVERIFY(f.picker->TimePicker() == nullptr);
    QTest::keyClick(f.Form(), Qt::Key_Escape);
  }

  void timePickerBelowTheWatch() {
    Fixture f;
    f.picker->SetShowTimePicker(true);
    f.picker->SetTime(At(8, 15, 10));
    f.Open();
    TDateTimePicker* time_picker = f.picker->TimePicker();
    QVERIFY(time_picker);
    QVERIFY(time_picker->isVisible());
    QCOMPARE(time_picker->Format(), QStringLiteral("HH:mm:ss"));
    QCOMPARE(Hms(time_picker->Time()), QStringLiteral("08:15:10"));
    QVERIFY(time_picker->geometry().top() >= f.Watch()->geometry().bottom());
    // The picker moves the watch; the watch moves the picker.
    time_picker->SetTime(At(9, 0));
    if (time_picker->OnChange) time_picker->OnChange(time_picker);
    QCOMPARE(Hms(f.Watch()->Time()), QStringLiteral("09:00:00"));
    f.Watch()->SetAnimation(false);
    f.Watch()->ProcessKey(Qt::Key_P);
    QCOMPARE(Hms(time_picker->Time()), QStringLiteral("21:00:00"));
    QCOMPARE(f.picker->text(), QStringLiteral("21:00:00"));
    QTest::keyClick(f.Form(), Qt::Key_Return);
    QCOMPARE(f.picker->text(), QStringLiteral("21:00:00"));
    // Without seconds the picker shows none either.
    f.picker->SetShowSeconds(false);
    f.Open();
    QCOMPARE(time_picker->Format(), QStringLiteral("HH:mm"));
    QTest::keyClick(f.Form(), Qt::Key_Escape);
  }

  // Not a check: with WATCH_SHOT set to a folder, saves the open popup.
  void popupPicture() {
    if (!qEnvironmentVariableIsSet("WATCH_SHOT")) QSKIP("WATCH_SHOT not set");
    Fixture f;
    f.picker->SetShowTimePicker(true);
    f.picker->SetTime(At(10, 8, 30));
    f.Open();
    f.Form()->grab().save(qEnvironmentVariable("WATCH_SHOT") + "/time_picker_popup.png");
    f.window.grab().save(qEnvironmentVariable("WATCH_SHOT") + "/time_picker_edit.png");
  }
};

QTEST_MAIN(Zad_Time_Picker_Drop_Down_Test)
#include "zad_time_picker_drop_down_test.moc"
