#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QtTest>
#include <memory>

#include "controls/format_settings.h"
#include "dropdowns/base/drop_down_edit_button.h"
#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/base/zad_custom_drop_down.h"

namespace {

Format_Settings Us() { return Format_Settings{}; }

Format_Settings German() {
  Format_Settings s;
  s.Decimal_Separator = QLatin1Char(',');
  s.Thousand_Separator = QLatin1Char('.');
  return s;
}

// A window with the drop-down and a second edit to take the focus.
struct Fixture {
  Fixture() {
    window.setGeometry(0, 0, 400, 200);
    edit.reset(Create_Drop_Down<TZadCustomDropDown>(&window));
    edit->WorkAreaAt = [](const QPoint&) { return QRect(0, 0, 800, 800); };
    edit->DropDownHeader().SetVisible(false);
    edit->DropDownFooter().SetVisible(false);
    edit->move(10, 10);
    other = new QLineEdit(&window);
    other->move(10, 60);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    window.activateWindow();
    edit->setFocus();
    QCoreApplication::processEvents();
    edit->OnChange = [this](TZadCustomDropDown*) { ++changes; };
  }
  void Leave() {
    other->setFocus();
    QCoreApplication::processEvents();
  }
  QWidget window;
  std::unique_ptr<TZadCustomDropDown> edit;
  QLineEdit* other = nullptr;
  int changes = 0;
};

}  // namespace

class Drop_Down_Typing_Test : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void money_groups_while_typing_and_formats_on_leaving_data() {
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("en_US") << false << "1,234"
                           << "1,234.00";
    QTest::newRow("de_DE") << true << "1.234"
                           << "1.234,00";
  }
  void money_groups_while_typing_and_formats_on_leaving() {
    QFETCH(bool, german);
    QFETCH(QString, typed);
    QFETCH(QString, left);
    const Format_Settings_Scope scope(german ? German() : Us());
    Fixture f;
    f.edit->SetEditType(etMoney);
    f.edit->SetPrecision(2);
    f.edit->SetRawText(QString());
    f.changes = 0;
    QTest::keyClicks(f.edit.get(), QStringLiteral("1234"));
    QCOMPARE(f.edit->text(), typed);
    QCOMPARE(f.edit->cursorPosition(), 5);
    QCOMPARE(f.changes, 4);
    f.Leave();
    QCOMPARE(f.edit->text(), left);
  }

  void prefix_and_suffix_frame_the_value() {
    Fixture f;
    f.edit->SetPrefix(QStringLiteral("$"));
    f.edit->SetSuffix(QStringLiteral(" kg"));
    f.edit->SetText(QStringLiteral("12"));
    QCOMPARE(f.edit->text(), QStringLiteral("$12 kg"));
    QCOMPARE(f.edit->Text(), QStringLiteral("12"));
    QTest::keyClick(f.edit.get(), Qt::Key_End);
    QCOMPARE(f.edit->cursorPosition(), 3);
    QTest::keyClick(f.edit.get(), Qt::Key_Right);
    QCOMPARE(f.edit->cursorPosition(), 3);
    QTest::keyClick(f.edit.get(), Qt::Key_Home);
    QCOMPARE(f.edit->cursorPosition(), 1);
    QTest::keyClick(f.edit.get(), Qt::Key_Left);
    QCOMPARE(f.edit->cursorPosition(), 1);
    QTest::keyClick(f.edit.get(), Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(f.edit->selectedText(), QStringLiteral("12"));
    QTest::keyClick(f.edit.get(), Qt::Key_Home, Qt::ShiftModifier);
    QCOMPARE(f.edit->selectedText(), QStringLiteral("12"));
    QCOMPARE(f.edit->cursorPosition(), 1);
    f.edit->SetRawText(QStringLiteral("$12"));
    QCOMPARE(f.edit->Text(), QStringLiteral("12"));
  }

  void writes_and_type_switches() {
    const Format_Settings_Scope scope(Us());
    Fixture f;
    f.edit->SetEditType(etFloat);
    f.edit->SetPrecision(2);
    f.edit->SetText(QString());
    QCOMPARE(f.edit->text(), QStringLiteral("0.00"));
    f.edit->SetText(QStringLiteral("Error"));
    QCOMPARE(f.edit->text(), QStringLiteral("Error"));
    f.edit->SetEditType(etHex);
    f.edit->SetText(QStringLiteral("ff"));
    QCOMPARE(f.edit->text(), QStringLiteral("FF"));
    QCOMPARE(f.edit->GetFloatValue(), 255.0);
    f.edit->SetEditType(etString);
    f.edit->SetText(QStringLiteral("abc"));
    f.edit->SetEditType(etNumeric);
    QCOMPARE(f.edit->text(), QStringLiteral("0"));
    f.edit->SetEditType(etPassword);
    QCOMPARE(f.edit->echoMode(), QLineEdit::Password);
    QCOMPARE(f.edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, f.edit.get()), int('*'));
    QVERIFY(!f.edit->CanUndo());
  }

  void empty_number_on_leaving() {
    Fixture f;
    f.edit->SetEditType(etNumeric);
    f.edit->SetRawText(QString());
    f.Leave();
    QCOMPARE(f.edit->text(), QStringLiteral("0"));
    f.edit->SetAllowNumericNullValue(true);
    f.edit->setFocus();
    f.edit->SetRawText(QString());
    f.Leave();
    QCOMPARE(f.edit->text(), QString());
  }

  void paste_follows_the_type() {
    const Format_Settings_Scope scope(Us());
    Fixture f;
    f.edit->SetEditType(etMoney);
    f.edit->SetPrecision(2);
    f.edit->SetRawText(QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("1234.5"));
    f.changes = 0;
    QTest::keyClick(f.edit.get(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.edit->text(), QStringLiteral("1,234.50"));
    QCOMPARE(f.edit->selectedText(), QStringLiteral("1,234.50"));
    QCOMPARE(f.changes, 1);
    f.edit->SetEditType(etNumeric);
    f.edit->SetRawText(QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("12-5"));
    QTest::keyClick(f.edit.get(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.edit->text(), QString());
    f.edit->SetEditType(etHex);
    f.edit->SetRawText(QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("ff"));
    QTest::keyClick(f.edit.get(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.edit->text(), QString());
    bool asked = false;
    f.edit->SetEditType(etString);
    f.edit->OnClipboardPaste = [&](TZadCustomDropDown*, const QString& Text, bool& Allow) {
      asked = Text == QStringLiteral("ff");
      Allow = false;
    };
    QTest::keyClick(f.edit.get(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(asked);
    QCOMPARE(f.edit->text(), QString());
  }

  void context_menu_paste_runs_the_filtered_paste() {
    Fixture f;
    f.edit->SetEditType(etHex);
    f.edit->SetRawText(QString());
    int asked = 0;
    f.edit->OnClipboardPaste = [&](TZadCustomDropDown*, const QString&, bool&) { ++asked; };
    QGuiApplication::clipboard()->setText(QStringLiteral("ff"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), f.edit->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(f.edit.get(), &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
    QVERIFY(paste);
    paste->trigger();
    menu->close();
    QCOMPARE(asked, 1);
    QCOMPARE(f.edit->text(), QString());
  }

  void typing_over_a_whole_value_notifies_once() {
    Fixture f;
    f.edit->SetText(QStringLiteral("abc"));
    f.edit->SelectAll();
    f.changes = 0;
    QTest::keyClick(f.edit.get(), Qt::Key_X);
    QCOMPARE(f.edit->text(), QStringLiteral("x"));
    QCOMPARE(f.changes, 1);
    f.edit->SelectAll();
    QTest::keyClick(f.edit.get(), Qt::Key_Backspace);
    QCOMPARE(f.edit->text(), QString());
    QCOMPARE(f.changes, 2);
    // A money regrouping from code is one change, not two.
    f.edit->SetEditType(etMoney);
    f.changes = 0;
    f.edit->SetIntValue(1234567);
    QCOMPARE(f.edit->text(), QStringLiteral("1,234,567"));
    QCOMPARE(f.changes, 1);
  }

  void return_is_tab_keeps_the_popup() {
    Fixture f;
    f.edit->SetReturnIsTab(true);
    f.edit->ShowDropDown();
    QVERIFY(f.edit->DroppedDown());
    f.edit->setFocus();
    QTest::keyClick(f.edit.get(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(f.edit->DropDownForm()->isVisible());
    f.edit->HideDropDown(false);
    f.window.activateWindow();
    f.edit->setFocus();
    QCoreApplication::processEvents();
    QTest::keyClick(f.edit.get(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(f.other->hasFocus());
  }

  void escape_with_can_undo_selects_the_value() {
    Fixture f;
    f.edit->SetText(QStringLiteral("abc"));
    f.edit->setCursorPosition(1);
    QTest::keyClick(f.edit.get(), Qt::Key_D);
    QVERIFY(f.edit->IsModified());
    QTest::keyClick(f.edit.get(), Qt::Key_Escape);
    QCOMPARE(f.edit->selectedText(), QStringLiteral("adbc"));
    QVERIFY(!f.edit->IsModified());
    QVERIFY(!f.edit->isModified());
  }

  void disabled_editor_takes_popup_keys_only() {
    Fixture f;
    f.edit->SetText(QStringLiteral("abc"));
    f.edit->SetEditorEnabled(false);
    QTest::keyClick(f.edit.get(), Qt::Key_X);
    QCOMPARE(f.edit->text(), QStringLiteral("abc"));
    QTest::keyClick(f.edit.get(), Qt::Key_F4);
    QVERIFY(f.edit->DropDownForm()->isVisible());
    f.edit->SetRawText(QStringLiteral("changed"));
    QTest::keyClick(f.edit.get(), Qt::Key_Escape);
    QVERIFY(!f.edit->DropDownForm()->isVisible());
    QCOMPARE(f.edit->text(), QStringLiteral("abc"));
  }

  void new_control_has_the_luna_popup_and_tones_touch_only_button_and_border() {
    Fixture f;
    QCOMPARE(f.edit->GetComponentStyle(), tsOffice2007Luna);
    QCOMPARE(f.edit->DropDownColor(), TColor(0xF3E5DA));
    QCOMPARE(f.edit->DropDownColorTo(), TColor(0xF0DED0));
    QCOMPARE(f.edit->DropDownBorderColor(), clNone);
    QCOMPARE(f.edit->DropDownHeader().FontColor, TColor(0x723708));
    QCOMPARE(f.edit->ButtonAppearance().Color(), TColor(0xFFEFE3));
    f.edit->SetComponentStyle(tsCustom);
    QCOMPARE(f.edit->GetComponentStyle(), tsCustom);
    QCOMPARE(f.edit->DropDownColor(), TColor(0xF3E5DA));
    TColorTones tones;
    tones.Background = {0x0000FF, 0x00FF00, clNone};
    tones.Hover = {0x00FFFF, clNone, clNone};
    tones.Selected = {0xFF0000, clNone, clNone};
    f.edit->SetColorTones(tones);
    QCOMPARE(f.edit->Button()->ButtonColor, TColor(0x0000FF));
    QCOMPARE(f.edit->Button()->ButtonColorHot, TColor(0x00FFFF));
    QCOMPARE(f.edit->Button()->ButtonColorDown, TColor(0xFF0000));
    QCOMPARE(f.edit->Button()->ButtonBorderColor, TColor(0x00FF00));
    QCOMPARE(f.edit->BorderColor(), TColor(0x00FF00));
    QCOMPARE(f.edit->DropDownColor(), TColor(0xF3E5DA));
  }

  void selection_background_plain_or_framed() {
    Fixture f;
    QImage image(20, 12, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
      QPainter painter(&image);
      TCanvas canvas(painter);
      f.edit->SetSelectionColorStyle(scCustom);
      f.edit->SetSelectionColor(0x0000FF);
      f.edit->DrawSelectionBackground(canvas, TRect{0, 0, 20, 12}, clWhite, 0);
    }
    for (QPoint p : {QPoint(0, 0), QPoint(19, 11), QPoint(10, 6)}) QCOMPARE(image.pixelColor(p), QColor(255, 0, 0));
    image.fill(Qt::black);
    {
      QPainter painter(&image);
      TCanvas canvas(painter);
      f.edit->SetSelectionColorStyle(scOffice2007);
      f.edit->DrawSelectionBackground(canvas, TRect{0, 0, 20, 12}, clWhite, 0);
    }
    // The border line of the preset, then the fills inside it.
    QCOMPARE(image.pixelColor(10, 0), QColor(0xD3, 0xD7, 0x8D));
    QVERIFY(image.pixelColor(10, 3) != image.pixelColor(10, 9));
  }
};

QTEST_MAIN(Drop_Down_Typing_Test)
#include "drop_down_typing_test.moc"
