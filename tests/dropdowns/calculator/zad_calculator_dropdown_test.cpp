#include "dropdowns/calculator/zad_calculator_dropdown.h"

#include <QtTest>
#include <memory>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/calculator/custom_button_panel.h"

namespace {

struct Fixture {
  Fixture() {
    window.setGeometry(0, 0, 500, 400);
    calc.reset(Create_Drop_Down<TZadCalculatorDropdown>(&window));
    calc->WorkAreaAt = [](const QPoint&) { return QRect(0, 0, 800, 800); };
    calc->move(20, 20);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
  }
  // Clicks keypad keys by caption through the keypad's click handler.
  void Keys(const QString& Captions) {
    for (const QString& caption : Captions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
      const int at = Key_At(caption);
      QVERIFY2(at >= 0, qPrintable(caption));
      calc->Calculator_Button_Click(calc->ButtonPanel(), at);
    }
  }
  int Key_At(const QString& Caption) const {
    TButtonItems& keys = calc->ButtonPanel()->Buttons();
    for (int i = 0; i < keys.Count(); ++i)
      if (keys.Items(i)->Caption() == Caption) return i;
    return -1;
  }
  void Type(const QString& Text) {
    for (QChar c : Text) QTest::keyClick(calc.get(), c.toLatin1());
  }
  TDropDownForm* Form() const { return calc->DropDownForm(); }
  // A key pressed while the popup has the focus.
  void Popup_Key(Qt::Key Key, const QString& Text = QString()) {
    QKeyEvent press(QEvent::KeyPress, Key, Qt::NoModifier, Text);
    QCoreApplication::sendEvent(Form(), &press);
  }

  QWidget window;
  std::unique_ptr<TZadCalculatorDropdown> calc;
};

}  // namespace

class Calculator_Drop_Down_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void a_new_one_is_a_float_edit_with_a_white_230_wide_popup() {
    Fixture f;
    QCOMPARE(f.calc->text(), QStringLiteral("0.00"));
    QCOMPARE(f.calc->EditType(), etFloat);
    QCOMPARE(f.calc->Precision(), 2);
    QCOMPARE(f.calc->DropDownColor(), TColor(0xFFFFFF));
    QVERIFY(!f.calc->DropDownHeader().Visible());
    QVERIFY(!f.calc->DropDownFooter().Visible());
    QCOMPARE(f.calc->ButtonPanel()->Buttons().Count(), 28);
    f.calc->ShowDropDown();
    QVERIFY(f.Form()->isVisible());
    QCOMPARE(f.Form()->width(), 230);
    QCOMPARE(f.Form()->height(), 150 + 2 * f.calc->DropDownBorderWidth());
    QVERIFY(!f.Form()->CancelOnDeActivate());
    QCOMPARE(f.calc->ButtonPanel()->Color(), TColor(0xFFFFFF));
  }

  void keypad_clicks_work_the_display_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::newRow("left to right") << "2 + 3 * 4 ="
                                   << "20.00";
    QTest::newRow("repeated equals") << "1 0 - 4 = ="
                                     << "6.00";
    QTest::newRow("percent") << "2 0 0 + 1 0 %"
                             << "20.00";
    QTest::newRow("percent then equals") << "2 0 0 + 1 0 % ="
                                         << "220.00";
    QTest::newRow("division by zero") << "5 / 0 ="
                                      << "Error";
    QTest::newRow("digit after error") << "5 / 0 = 7"
                                       << "7.00";
    QTest::newRow("root of a negative") << "4 +/- sqrt"
                                        << "Error";
    QTest::newRow("decimal point") << "1 . 5"
                                   << "1.50";
    QTest::newRow("back") << "1 2 . 5 Back"
                          << "12.00";
    QTest::newRow("negative entry") << "5 +/- 3"
                                    << "-53.00";
  }
  void keypad_clicks_work_the_display() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    Fixture f;
    f.Keys(keys);
    QCOMPARE(f.calc->text(), display);
  }

  void a_click_needs_a_key_and_is_told_first() {
    struct Told : TZadCalculatorDropdown {
      void DoBeforeCalcInput() override { ++told; }
      int told = 0;
    };
    std::unique_ptr<Told> calc(Create_Drop_Down<Told>());
    calc->Calculator_Button_Click(calc->ButtonPanel(), 99);
    calc->Calculator_Button_Click(calc->ButtonPanel(), -1);
    QCOMPARE(calc->told, 0);
    calc->Calculator_Button_Click(calc->ButtonPanel(), 11);  // "7"
    QCOMPARE(calc->told, 1);
    QCOMPARE(calc->text(), QStringLiteral("7.00"));
    QVERIFY(calc->IsModified());
  }

  void a_mouse_click_on_the_open_keypad() {
    Fixture f;
    f.calc->ShowDropDown();
    TCustomButtonPanel* pad = f.calc->ButtonPanel();
    const TRect r = pad->Buttons().Items(f.Key_At(QStringLiteral("9")))->GetBounds();
    QTest::mouseClick(pad, Qt::LeftButton, {}, QPoint(r.Left + 5, r.Top + 5));
    QCOMPARE(f.calc->text(), QStringLiteral("9.00"));
  }

  void value_reads_and_writes_the_display() {
    Fixture f;
    f.calc->SetValue(123456789);
    QCOMPARE(f.calc->text(), QStringLiteral("123456789.00"));
    f.calc->SetValue(0.1L);
    QCOMPARE(f.calc->text(), QStringLiteral("0.10"));
    f.Keys(QStringLiteral("5 / 0 ="));
    QCOMPARE(f.calc->Value(), 0.0L);
    f.calc->SetRawText(QString());
    QCOMPARE(f.calc->Value(), 0.0L);
    QCOMPARE(f.calc->text(), QStringLiteral("0.00"));
  }

  void thousand_separators_show_and_memory_reads_through_them() {
    Fixture f;
    f.calc->SetValue(1234.5L);
    f.calc->SetShowThousandSeparator(true);
    QCOMPARE(f.calc->EditType(), etMoney);
    QCOMPARE(f.calc->text(), QStringLiteral("1,234.50"));
    f.Keys(QStringLiteral("MS C MR"));
    QCOMPARE(f.calc->Calculator().FMVal, 1234.5L);
    QCOMPARE(f.calc->text(), QStringLiteral("1,234.50"));
    f.calc->SetShowThousandSeparator(false);
    QCOMPARE(f.calc->text(), QStringLiteral("1234.50"));
  }

  void a_lone_minus_then_plus_reads_as_zero() {
    Fixture f;
    f.calc->SetRawText(QStringLiteral("-"));
    f.Keys(QStringLiteral("+"));
    QCOMPARE(f.calc->text(), QStringLiteral("0.00"));
    QCOMPARE(f.calc->Calculator().FPrevop, int(coAdd));
  }

  // With the popup closed, operators typed into the edit work the
  // calculator; digits replace a zero or a finished result.
  void typing_into_the_edit() {
    Fixture f;
    f.calc->setFocus();
    f.Type(QStringLiteral("12+3="));
    QCOMPARE(f.calc->text(), QStringLiteral("15.00"));
    f.Type(QStringLiteral("*2="));
    QCOMPARE(f.calc->text(), QStringLiteral("30.00"));
    f.Type(QStringLiteral("c"));
    QCOMPARE(f.calc->text(), QStringLiteral("0.00"));
    f.Type(QStringLiteral("7.25"));
    QCOMPARE(f.calc->text(), QStringLiteral("7.25"));
    f.Type(QStringLiteral("x"));
    QCOMPARE(f.calc->text(), QStringLiteral("7.25"));
  }

  void entering_by_tab_selects_the_whole_value() {
    Fixture f;
    auto* before = new QLineEdit(&f.window);
    before->show();
    f.calc->SetValue(42);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QTRY_VERIFY(f.calc->hasFocus());
    QCOMPARE(f.calc->selectedText(), QStringLiteral("42.00"));
  }

  void delete_repairs_an_error_display() {
    Fixture f;
    f.calc->setFocus();
    f.Keys(QStringLiteral("0 1/x"));
    QCOMPARE(f.calc->text(), QStringLiteral("Error"));
    f.calc->selectAll();
    QTest::keyClick(f.calc.get(), Qt::Key_Delete);
    QCOMPARE(f.calc->text(), QStringLiteral("0.00"));
  }

  void keys_in_the_open_popup() {
    Fixture f;
    f.calc->ShowDropDown();
    for (const char* c : {"2", "+", "3"}) f.Popup_Key(Qt::Key_unknown, QString::fromLatin1(c));
    QCOMPARE(f.calc->text(), QStringLiteral("3.00"));
    // "+" added once: through the popup, not also through the edit.
    QCOMPARE(f.calc->Calculator().FPrevval, 2.0L);
    f.Popup_Key(Qt::Key_Return, QStringLiteral("\r"));
    QVERIFY(!f.Form()->isVisible());
    QCOMPARE(f.calc->text(), QStringLiteral("5.00"));

    f.calc->ShowDropDown();
    f.Keys(QStringLiteral("1 . 2 5"));
    QCOMPARE(f.calc->text(), QStringLiteral("1.25"));
    // Backspace takes the display's last character; the decimals come back.
    f.Popup_Key(Qt::Key_Backspace, QStringLiteral("\b"));
    QCOMPARE(f.calc->text(), QStringLiteral("1.20"));
    f.Popup_Key(Qt::Key_F4);
    QVERIFY(!f.Form()->isVisible());

    f.calc->ShowDropDown();
    f.Popup_Key(Qt::Key_Escape, QStringLiteral("\x1b"));
    QVERIFY(!f.Form()->isVisible());
    f.calc->ShowDropDown();
    f.Popup_Key(Qt::Key_C, QStringLiteral("c"));
    QCOMPARE(f.calc->text(), QStringLiteral("0.00"));
    QCOMPARE(f.calc->Calculator().FPrevval, 0.0L);
    f.Popup_Key(Qt::Key_Tab);
    QVERIFY(!f.Form()->isVisible());
  }

  // The state stays between openings; only the next digit starts anew.
  void reopening_keeps_the_pending_operation() {
    Fixture f;
    f.Keys(QStringLiteral("8 +"));
    f.calc->ShowDropDown();
    f.calc->HideDropDown(false);
    f.calc->ShowDropDown();
    f.Keys(QStringLiteral("2 ="));
    QCOMPARE(f.calc->text(), QStringLiteral("10.00"));
  }

  void styles_reach_the_keypad_appearance_with_their_glow() {
    Fixture f;
    f.calc->SetComponentStyle(tsOffice2010Blue);
    const TZadButtonAppearance& b = f.calc->ButtonAppearance();
    TButtonAppearance& c = f.calc->CalcButtonAppearance();
    QCOMPARE(c.Color(), b.Color());
    QCOMPARE(c.ColorHotTo(), b.ColorHotTo());
    QCOMPARE(c.GlowColorHot(), b.ColorHot());
    QCOMPARE(c.GlowColorDown(), b.ColorHot());
    f.calc->SetComponentStyle(tsOffice2007Luna);
    QCOMPARE(c.GlowColorHot(), b.ColorDownTo());
    QCOMPARE(c.GlowColorDown(), TColor(0xD5C244));
    f.calc->ShowDropDown();
    QCOMPARE(f.calc->ButtonPanel()->ButtonAppearance().Color(), c.Color());
  }
};

QTEST_MAIN(Calculator_Drop_Down_Test)
#include "zad_calculator_dropdown_test.moc"
