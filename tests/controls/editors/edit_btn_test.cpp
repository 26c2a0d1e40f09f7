// The edit with an embedded button and its unit variant: F4 and clicks,
// typing off, units after values, the unit menu, layout and button looks.
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include "controls/editors/zsg_unit_edit_btn.h"
#include "recording_theme.h"

class EditBtnTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void f4_without_ctrl_or_alt_clicks_with_the_edit() {
    TZsgEditBtn edit;
    QObject* sender = nullptr;
    int clicks = 0;
    edit.OnClickBtn = [&](QObject* s) {
      sender = s;
      ++clicks;
    };
    QTest::keyClick(&edit, Qt::Key_F4);
    QCOMPARE(clicks, 1);
    QCOMPARE(sender, static_cast<QObject*>(&edit));
    QTest::keyClick(&edit, Qt::Key_F4, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_F4, Qt::AltModifier);
    QCOMPARE(clicks, 1);
    // A key-down handler that clears the key keeps the click back.
    edit.OnKeyDown = [](int& key, Qt::KeyboardModifiers) { key = 0; };
    QTest::keyClick(&edit, Qt::Key_F4);
    QCOMPARE(clicks, 1);
  }

  void a_click_counts_only_when_released_on_the_button() {
    TZsgEditBtn edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QObject* sender = nullptr;
    int clicks = 0;
    edit.OnClickBtn = [&](QObject* s) {
      sender = s;
      ++clicks;
    };
    TZadSpeedButton* button = edit.Button()->Button();
    const QPoint middle = button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, middle);
    QCOMPARE(clicks, 1);
    QCOMPARE(sender, static_cast<QObject*>(edit.Button()));
    QTest::mousePress(button, Qt::LeftButton, {}, middle);
    QVERIFY(button->Down());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-30, middle.y()));
    QCOMPARE(clicks, 1);
    // Clicking gives the focus back to the edit.
    QTRY_VERIFY(edit.hasFocus());
  }

  void typing_off_keeps_text_but_not_the_button() {
    TZsgEditBtn edit;
    edit.SetEditorEnabled(false);
    edit.setText(QStringLiteral("abc"));
    edit.setCursorPosition(3);
    QTest::keyClicks(&edit, QStringLiteral("xyz"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("abc"));
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(edit.text(), QStringLiteral("abc"));
    int clicks = 0;
    edit.OnClickBtn = [&](QObject*) { ++clicks; };
    QTest::keyClick(&edit, Qt::Key_F4);
    QCOMPARE(clicks, 1);
    edit.SetEditorEnabled(true);
    edit.setCursorPosition(3);
    QTest::keyClicks(&edit, QStringLiteral("d"));
    QCOMPARE(edit.text(), QStringLiteral("abcd"));
  }

  void text_and_unit_split_on_the_longest_unit_data() {
    QTest::addColumn<QStringList>("units");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unit");
    QTest::addRow("m, km") << QStringList{"m", "km"} << "12km"
                           << "12"
                           << "km";
    QTest::addRow("km, m") << QStringList{"km", "m"} << "12km"
                           << "12"
                           << "km";
    QTest::addRow("m, mm") << QStringList{"m", "mm"} << "5mm"
                           << "5"
                           << "mm";
    QTest::addRow("unknown unit") << QStringList{"m", "km"} << "12ft"
                                  << "7"
                                  << "s";
  }
  void text_and_unit_split_on_the_longest_unit() {
    QFETCH(QStringList, units);
    QFETCH(QString, value);
    QFETCH(QString, text);
    QFETCH(QString, unit);
    TZsgUnitEditBtn edit;
    edit.SetUnits(units);
    edit.setText(QStringLiteral("7"));
    edit.SetUnitID(QStringLiteral("s"));
    edit.SetTextAndUnit(value);
    QCOMPARE(edit.text(), text);
    QCOMPARE(edit.UnitID(), unit);
    QCOMPARE(edit.TextAndUnit(), text + unit);
  }

  void choosing_a_unit_notifies_only_a_change() {
    TZsgUnitEditBtn edit;
    edit.SetUnits({QStringLiteral("m"), QStringLiteral("km")});
    edit.SetUnitID(QStringLiteral("m"));
    QStringList changes;
    edit.OnUnitChanged = [&](QObject*, const QString& unit) { changes << unit; };
    edit.UnitMenuCommand(1);
    QVERIFY(changes.isEmpty());
    edit.UnitMenuCommand(2);
    QCOMPARE(changes, QStringList{QStringLiteral("km")});
    QCOMPARE(edit.UnitID(), QStringLiteral("km"));
    edit.UnitMenuCommand(0);
    edit.UnitMenuCommand(3);
    QCOMPARE(edit.UnitID(), QStringLiteral("km"));
    QCOMPARE(changes.size(), 1);
  }

  void the_button_opens_the_unit_menu() {
    TZsgUnitEditBtn edit;
    edit.SetUnits({QStringLiteral("m"), QStringLiteral("km"), QStringLiteral("mm")});
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QObject* clicked = nullptr;
    edit.OnClickBtn = [&](QObject* s) { clicked = s; };
    QString changed;
    edit.OnUnitChanged = [&](QObject*, const QString& unit) { changed = unit; };
    QStringList shown;
    QTimer::singleShot(0, &edit, [&] {
      QMenu* menu = edit.UnitMenu();
      QVERIFY(menu);
      for (QAction* action : menu->actions()) shown << action->text();
      menu->setActiveAction(menu->actions().at(2));
      QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::mouseClick(edit.Button()->Button(), Qt::LeftButton);
    QCOMPARE(shown, edit.Units());
    QCOMPARE(clicked, static_cast<QObject*>(&edit));
    QCOMPARE(changed, QStringLiteral("mm"));
    QVERIFY(!edit.UnitMenu());
  }

  void layout_leaves_room_for_button_and_unit() {
    TZsgUnitEditBtn edit;
    edit.resize(121, 21);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QCOMPARE(edit.Button()->geometry(), QRect(121 - 18 - 3, 2, 18, 16));
    QCOMPARE(edit.textMargins().right(), 2 + 18 + 20 + 5 + 3);
    edit.SetButtonWidth(30);
    QCOMPARE(edit.Button()->geometry().width(), 30);
    QCOMPARE(edit.Button()->Button()->geometry(), QRect(0, 0, 30, 16));
    edit.SetUnitSpace(40);
    QCOMPARE(edit.textMargins().right(), 2 + 30 + 40 + 5 + 3);
    QVERIFY(edit.alignment() & Qt::AlignRight);
    // The unit is painted between the text and the button.
    edit.SetUnitSpace(20);
    edit.SetUnitID(QStringLiteral("W"));
    const QImage image = edit.grab().toImage();
    bool ink = false;
    for (int x = 121 - 2 - 30 - 3 - 20; x < 121 - 2 - 30 - 3; ++x)
      for (int y = 4; y < 19; ++y) ink = ink || QColor(image.pixel(x, y)).lightness() < 100;
    QVERIFY(ink);
  }

  void four_button_looks() {
    TZsgEditBtn edit;
    edit.resize(121, 24);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.SetButtonCaption(QStringLiteral("..."));
    TZadSpeedButton* button = edit.Button()->Button();
    // Classic push button: light top-left edge.
    QImage image = button->grab().toImage();
    QCOMPARE(QColor(image.pixel(0, 0)), To_QColor(clBtnHighlight));
    // Flat: a one-pixel raised edge.
    edit.Button()->SetFlat(true);
    image = button->grab().toImage();
    QCOMPARE(QColor(image.pixel(0, 0)), To_QColor(clBtnHighlight));
    QCOMPARE(QColor(image.pixel(1, 1)), To_QColor(clBtnFace));
    edit.Button()->SetFlat(false);
    // Custom colours fill it and make it flat.
    edit.Button()->SetButtonColor(0x0000FF);
    image = button->grab().toImage();
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(255, 0, 0));
    QVERIFY(button->Flat());
    edit.Button()->SetButtonColor(clNone);
    // Themed when asked for and a theme is active.
    Recording_Theme theme;
    Theme_Scope scope(&theme);
    edit.SetIsWinXP(true);
    button->grab();
    QVERIFY(theme.Drew(kEditorThemeButton));
    QCOMPARE(theme.Calls.back().State, 1);
  }
};

QTEST_MAIN(EditBtnTest)
#include "edit_btn_test.moc"
