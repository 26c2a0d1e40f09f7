// The spin edit: values, stepping, the character filter at the keyboard,
// the gate on paste and cut, the clamp on exit, the repeat of held buttons,
// its layout and its three button looks.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include "controls/editors/editor_input.h"
#include "controls/editors/zsg_spin_edit.h"
#include "recording_theme.h"

namespace {

Format_Settings Dotted() {
  Format_Settings s;
  s.Date_Separator = QLatin1Char('.');
  s.Short_Date_Format = QStringLiteral("dd.MM.yyyy");
  s.Long_Time_Format = QStringLiteral("hh:nn:ss");
  return s;
}

void Send_Move(QWidget* target, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
}

// A shown window with the spin edit and a plain edit after it, for the
// cases where the focus leaves the spin edit.
struct Spin_Then_Field {
  QWidget window;
  TZsgSpinEdit* spin = new TZsgSpinEdit(&window);
  QLineEdit* next = new QLineEdit(&window);

  Spin_Then_Field() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(spin);
    layout->addWidget(next);
    window.show();
  }
};

}  // namespace

class SpinEditTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QApplication::clipboard()->clear(); }

  void integer_steps_stay_in_limits() {
    TZsgSpinEdit spin;
    QCOMPARE(spin.text(), QStringLiteral("0"));
    QCOMPARE(spin.Value(), 0);
    for (int i = 0; i < 10; ++i) spin.StepUp(false);
    QCOMPARE(spin.text(), QStringLiteral("10"));
    for (int i = 0; i < 200; ++i) spin.StepUp(false);
    QCOMPARE(spin.Value(), 100);
    spin.SetMaxValue(0);  // equal limits: none
    spin.SetIncrement(5);
    spin.StepUp(false);
    QCOMPARE(spin.Value(), 105);
    spin.SetValue(INT_MAX);
    spin.StepUp(false);
    QCOMPARE(spin.Value(), INT_MAX);
  }

  void unreadable_text_reads_the_lower_limit() {
    TZsgSpinEdit spin;
    spin.SetMinValue(5);
    spin.setText(QStringLiteral("abc"));
    QCOMPARE(spin.Value(), 5);
    spin.setText(QString());
    QCOMPARE(spin.Value(), 0);
    // Floats fall back to their own lower limit, not the integer one.
    spin.SetMinFloatValue(1.5);
    spin.setText(QStringLiteral("abc"));
    QCOMPARE(spin.FloatValue(), 1.5);
  }

  void precision_rounds_and_limits_typed_decimals() {
    TZsgSpinEdit spin;
    spin.SetSpinType(sptFloat);
    spin.SetPrecision(2);
    spin.SetFloatValue(3.14159);
    QCOMPARE(spin.text(), QStringLiteral("3.14"));
    spin.setFocus();
    spin.deselect();
    spin.setCursorPosition(4);
    const int beeps = Editor_Beep_Count();
    QTest::keyClick(&spin, Qt::Key_5);
    QCOMPARE(spin.text(), QStringLiteral("3.14"));
    QCOMPARE(Editor_Beep_Count(), beeps + 1);
    spin.setCursorPosition(1);
    QTest::keyClick(&spin, Qt::Key_5);
    QCOMPARE(spin.text(), QStringLiteral("35.14"));
    spin.SetPrecision(0);
    spin.SetFloatValue(0.1 + 0.2);
    QCOMPARE(spin.text(), QStringLiteral("0.3"));
    // A new kind re-formats the value.
    spin.setText(QStringLiteral("3"));
    spin.SetPrecision(2);
    QCOMPARE(spin.text(), QStringLiteral("3.00"));
  }

  void dates_step_by_field_and_keep_the_caret() {
    Format_Settings_Scope scope(Dotted());
    TZsgSpinEdit spin;
    spin.SetSpinType(sptDate);
    const struct {
      const char* text;
      int caret;
      const char* expected;
    } rows[] = {{"31.01.2024", 0, "01.02.2024"}, {"31.01.2024", 3, "29.02.2024"}, {"29.02.2024", 6, "28.02.2025"}};
    for (const auto& row : rows) {
      spin.setText(QString::fromLatin1(row.text));
      spin.setCursorPosition(row.caret);
      spin.StepUp(false);
      QCOMPARE(spin.text(), QString::fromLatin1(row.expected));
      QCOMPARE(spin.cursorPosition(), row.caret);
      QVERIFY(!spin.UsDates());
    }
  }

  void times_wrap_within_the_day() {
    TZsgSpinEdit spin;
    spin.SetShowSeconds(false);
    spin.SetSpinType(sptTime);
    spin.SetTimeValue(0.5 / 24);
    QCOMPARE(spin.text(), QStringLiteral("0:30"));
    spin.setCursorPosition(0);
    spin.StepDown(false);
    QCOMPARE(spin.text(), QStringLiteral("23:30"));
    spin.setCursorPosition(3);
    spin.StepUp(false);
    QCOMPARE(spin.text(), QStringLiteral("23:31"));
  }

  void arrow_and_page_keys_step_without_key_events() {
    TZsgSpinEdit spin;
    spin.SetSpinType(sptFloat);
    spin.SetFloatValue(1);
    int key_downs = 0;
    spin.OnKeyDown = [&](int&, Qt::KeyboardModifiers) { ++key_downs; };
    QTest::keyClick(&spin, Qt::Key_Up);
    QCOMPARE(spin.text(), QStringLiteral("1.1"));
    QTest::keyClick(&spin, Qt::Key_PageUp);
    QCOMPARE(spin.text(), QStringLiteral("2.1"));
    QTest::keyClick(&spin, Qt::Key_PageDown);
    QTest::keyClick(&spin, Qt::Key_Down);
    QCOMPARE(spin.text(), QStringLiteral("1"));
    QCOMPARE(key_downs, 0);
    spin.setReadOnly(true);
    const int beeps = Editor_Beep_Count();
    spin.StepUp(false);
    QCOMPARE(spin.text(), QStringLiteral("1"));
    QCOMPARE(Editor_Beep_Count(), beeps + 1);
  }

  void refused_keys_beep_and_are_dropped_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    QTest::addRow("minus not at the start") << int(sptNormal) << "12" << 1 << int(Qt::Key_Minus) << 0 << "12";
    QTest::addRow("letter") << int(sptNormal) << "12" << 2 << int(Qt::Key_A) << 0 << "12";
    QTest::addRow("Enter") << int(sptNormal) << "12" << 2 << int(Qt::Key_Return) << 0 << "12";
    QTest::addRow("Ctrl+C in an integer edit")
        << int(sptNormal) << "12" << 2 << int(Qt::Key_C) << int(Qt::ControlModifier) << "12";
    QTest::addRow("second decimal") << int(sptFloat) << "1.5" << 3 << int(Qt::Key_Period) << 0 << "1.5";
    QTest::addRow("third time separator") << int(sptTime) << "1:2:3" << 5 << int(Qt::Key_Colon) << 0 << "1:2:3";
  }
  void refused_keys_beep_and_are_dropped() {
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    TZsgSpinEdit spin;
    spin.SetSpinType(TZsgSpinType(type));
    spin.setText(text);
    spin.setCursorPosition(caret);
    const int beeps = Editor_Beep_Count();
    QTest::keyClick(&spin, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(spin.text(), after);
    QCOMPARE(Editor_Beep_Count(), beeps + 1);
  }

  void return_is_tab_moves_on() {
    Spin_Then_Field form;
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    TZsgSpinEdit* spin = form.spin;
    QLineEdit* next = form.next;
    form.window.activateWindow();
    spin->setFocus();
    spin->SetReturnIsTab(true);
    QTest::keyClick(spin, Qt::Key_Return);
    QTRY_VERIFY(next->hasFocus());
  }

  void typing_off_leaves_only_stepping() {
    TZsgSpinEdit spin;
    spin.SetEditorEnabled(false);
    spin.setText(QStringLiteral("12"));
    spin.setCursorPosition(2);
    int beeps = Editor_Beep_Count();
    QTest::keyClick(&spin, Qt::Key_5);
    QTest::keyClick(&spin, Qt::Key_Backspace);
    QCOMPARE(spin.text(), QStringLiteral("12"));
    QCOMPARE(Editor_Beep_Count(), beeps + 2);
    spin.setCursorPosition(0);
    QTest::keyClick(&spin, Qt::Key_Delete);
    QCOMPARE(spin.text(), QStringLiteral("12"));
    QApplication::clipboard()->setText(QStringLiteral("99"));
    spin.setCursorPosition(2);
    QTest::keyClick(&spin, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(spin.text(), QStringLiteral("12"));
    spin.selectAll();
    QTest::keyClick(&spin, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(spin.text(), QStringLiteral("12"));
    QTest::keyClick(&spin, Qt::Key_Up);
    QCOMPARE(spin.text(), QStringLiteral("13"));
    QCOMPARE(spin.selectedText(), QStringLiteral("13"));
    // With typing on, the same paste goes through.
    spin.SetEditorEnabled(true);
    spin.setCursorPosition(2);
    QTest::keyClick(&spin, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(spin.text(), QStringLiteral("1399"));
  }

  void keypad_decimal_types_the_decimal_separator() {
    Format_Settings comma;
    comma.Decimal_Separator = QLatin1Char(',');
    comma.Thousand_Separator = QLatin1Char('.');
    Format_Settings_Scope scope(comma);
    TZsgSpinEdit spin;
    spin.SetSpinType(sptFloat);
    spin.SetExcelStyleDecimalSeparator(true);
    spin.setText(QStringLiteral("3"));
    spin.setCursorPosition(1);
    const int beeps = Editor_Beep_Count();
    QTest::keyClick(&spin, Qt::Key_Period, Qt::NoModifier);
    QCOMPARE(spin.text(), QStringLiteral("3"));
    QCOMPARE(Editor_Beep_Count(), beeps + 1);
    QTest::keyClick(&spin, Qt::Key_Period, Qt::KeypadModifier);
    QCOMPARE(spin.text(), QStringLiteral("3,"));
  }

  void leaving_the_edit_clamps_the_value() {
    Spin_Then_Field form;
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    TZsgSpinEdit* spin = form.spin;
    QLineEdit* next = form.next;
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("500"));
    QCOMPARE(spin->text(), QStringLiteral("500"));
    next->setFocus();
    QTRY_COMPARE(spin->text(), QStringLiteral("100"));
  }

  void held_button_repeats_after_400_then_every_100_ms() {
    TZsgSpinEdit spin;
    spin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spin));
    TZadTimerSpeedButton* up = spin.Button()->UpButton();
    const QPoint middle = up->rect().center();
    // A short press clicks once, on release.
    QTest::mousePress(up, Qt::LeftButton, {}, middle);
    QCOMPARE(spin.Value(), 0);
    QVERIFY(up->RepeatTimer());
    QCOMPARE(up->RepeatTimer()->interval(), 400);
    QTest::mouseRelease(up, Qt::LeftButton, {}, middle);
    QCOMPARE(spin.Value(), 1);
    QVERIFY(!up->RepeatTimer()->isActive());
    // Held for 1000 ms: ticks at 400, 500, ... 1000 and the release: 8 clicks.
    spin.SetValue(0);
    QTest::mousePress(up, Qt::LeftButton, {}, middle);
    for (int elapsed = 400; elapsed <= 1000; elapsed += 100) {
      up->RepeatTick();
      QCOMPARE(up->RepeatTimer()->interval(), 100);
    }
    QTest::mouseRelease(up, Qt::LeftButton, {}, middle);
    QCOMPARE(spin.Value(), 8);
    // Off the button the repeat pauses, back on it resumes; released off it, no click.
    spin.SetValue(0);
    QTest::mousePress(up, Qt::LeftButton, {}, middle);
    Send_Move(up, QPoint(-20, -20));
    up->RepeatTick();
    QCOMPARE(spin.Value(), 0);
    Send_Move(up, middle);
    up->RepeatTick();
    QCOMPARE(spin.Value(), 1);
    Send_Move(up, QPoint(-20, -20));
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(spin.Value(), 1);
    // The down button steps down.
    QTest::mouseClick(spin.Button()->DownButton(), Qt::LeftButton, {}, middle);
    QCOMPARE(spin.Value(), 0);
  }

  void the_pair_sits_inside_the_right_edge() {
    TZsgSpinEdit spin;
    spin.resize(120, 30);
    spin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spin));
    QCOMPARE(spin.Button()->geometry(), QRect(120 - 15 - 3, 2, 15, 25));
    spin.SetBorderStyle(bsNone);
    QCOMPARE(spin.Button()->geometry(), QRect(120 - 15 - 1, 0, 15, 29));
    // Too low for the font: raised to the smallest height.
    spin.resize(120, 5);
    QCOMPARE(spin.height(), spin.MinHeight());
    // A horizontal pair is at least 20 wide, a vertical one 15.
    spin.SetDirection(spHorizontal);
    QCOMPARE(spin.Button()->width(), 20);
    spin.Button()->resize(12, 20);
    QCOMPARE(spin.Button()->width(), 20);
    QCOMPARE(spin.Button()->UpButton()->ButtonDirection(), bdRight);
  }

  void three_button_looks() {
    TZsgSpinEdit spin;
    spin.resize(120, 30);
    spin.show();
    QVERIFY(QTest::qWaitForWindowExposed(&spin));
    TZadTimerSpeedButton* up = spin.Button()->UpButton();
    // Classic: a raised face in the button colour.
    QImage classic = up->grab().toImage();
    QCOMPARE(QColor(classic.pixel(up->width() / 2, 3)), To_QColor(clBtnFace));
    // Custom colour: filled, with the black triangle (4,4)-(8,4)-(6,2).
    spin.Button()->SetButtonColor(0x00FF00);
    QImage custom = up->grab().toImage();
    QCOMPARE(QColor(custom.pixel(1, 1)), QColor(0, 255, 0));
    QCOMPARE(QColor(custom.pixel(6, 3)), QColor(Qt::black));
    spin.Button()->SetButtonColor(clNone);
    // Themed, only when asked for and a theme is active.
    Recording_Theme theme;
    Theme_Scope scope(&theme);
    up->grab();
    QVERIFY(theme.Calls.empty());
    spin.SetIsWinXP(true);
    up->grab();
    QVERIFY(theme.Drew(kEditorThemeSpin));
    QCOMPARE(theme.Calls.back().Part, 1);
    QCOMPARE(theme.Calls.back().State, 1);
  }
};

QTEST_MAIN(SpinEditTest)
#include "spin_edit_test.moc"
