// The flat combo box: button width, keys, the list popup and its closing
// notice, completion, items with objects, the label's places and states,
// focus colours, and each branch of its border painting.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "controls/editors/combo_list_popup.h"
#include "controls/editors/zsg_combo_box.h"
#include "recording_theme.h"

namespace {

const QStringList kFruit = {"Apple", "Apricot", "Banana", "Cherry", "Damson"};

QColor Pixel(QWidget& widget, int x, int y) { return QColor(widget.grab().toImage().pixel(x, y)); }

// A parent window with a known colour holding one combo at (100, 50), 120 x 22.
struct Form {
  QWidget window;
  TZsgComboBox* combo;
  QLineEdit* other;
  Form() {
    window.resize(400, 200);
    QPalette p = window.palette();
    p.setColor(QPalette::Window, QColor(200, 220, 240));
    window.setPalette(p);
    combo = new TZsgComboBox(&window);
    combo->setGeometry(100, 50, 120, 22);
    combo->Items().Assign(kFruit);
    other = new QLineEdit(&window);
    other->setGeometry(100, 120, 100, 20);
  }
  bool Show() {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowExposed(&window);
  }
};

}  // namespace

class ComboBoxTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void button_width_takes_14_to_32_only() {
    TZsgComboBox combo;
    const int initial = combo.ButtonWidth();
    combo.SetButtonWidth(13);
    QCOMPARE(combo.ButtonWidth(), initial);
    combo.SetButtonWidth(33);
    QCOMPARE(combo.ButtonWidth(), initial);
    combo.SetButtonWidth(14);
    QCOMPARE(combo.ButtonWidth(), 14);
    combo.SetButtonWidth(32);
    QCOMPARE(combo.ButtonWidth(), 32);
  }

  void the_label_goes_where_its_position_says() {
    Form form;
    QVERIFY(form.Show());
    form.combo->SetLabelCaption(QStringLiteral("&Name"));
    QLabel* label = form.combo->ComboLabel();
    QVERIFY(label);
    QCOMPARE(label->parentWidget(), &form.window);
    const int w = label->width(), h = label->height();
    QCOMPARE(w, QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("Name")));
    QCOMPARE(label->pos(), QPoint(100 - w - 4, 50));
    form.combo->SetLabelPosition(lpRighBottom);
    QCOMPARE(label->pos(), QPoint(224, 72 - h));
    form.combo->SetLabelMargin(10);
    form.combo->SetLabelPosition(lpTopCenter);
    QCOMPARE(label->pos(), QPoint(100 + (120 - w) / 2, 50 - h - 10));
    // Moving the combo takes the label along.
    form.combo->move(150, 80);
    QCOMPARE(label->pos(), QPoint(150 + (120 - w) / 2, 80 - h - 10));
  }

  void the_label_follows_visibility_and_enabled_state() {
    Form form;
    form.combo->SetLabelCaption(QStringLiteral("Name"));
    QVERIFY(form.Show());
    QLabel* label = form.combo->ComboLabel();
    QVERIFY(label->isVisible());
    form.combo->setVisible(false);
    QVERIFY(!label->isVisible());
    form.combo->setVisible(true);
    QVERIFY(label->isVisible());
    form.combo->setEnabled(false);
    QVERIFY(!label->isEnabled());
    form.combo->setEnabled(true);
    form.combo->SetLabelAlwaysEnabled(true);
    form.combo->setEnabled(false);
    QVERIFY(label->isEnabled());
  }

  void closing_the_list_fires_on_drop_up_once() {
    Form form;
    QVERIFY(form.Show());
    int drop_downs = 0, drop_ups = 0, selects = 0;
    form.combo->OnDropDown = [&](QObject*) { ++drop_downs; };
    form.combo->OnDropUp = [&](QObject*) { ++drop_ups; };
    form.combo->OnSelect = [&](QObject*) { ++selects; };
    form.combo->SetDroppedDown(true);
    QVERIFY(form.combo->Popup()->isVisible());
    QCOMPARE(drop_downs, 1);
    QCOMPARE(drop_ups, 0);
    QTest::keyClick(form.combo->Popup()->List(), Qt::Key_Escape);
    QVERIFY(!form.combo->DroppedDown());
    QCOMPARE(drop_ups, 1);
    QCOMPARE(form.combo->ItemIndex(), -1);
    // Choosing with the keys: the choice, then the closing notice.
    form.combo->SetItemIndex(1);
    form.combo->SetDroppedDown(true);
    QListWidget* list = form.combo->Popup()->List();
    QCOMPARE(list->currentRow(), 1);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(form.combo->ItemIndex(), 2);
    QCOMPARE(form.combo->Text(), QStringLiteral("Banana"));
    QCOMPARE(selects, 1);
    QCOMPARE(drop_ups, 2);
    QCOMPARE(drop_downs, 2);
  }

  void the_list_shows_drop_down_count_rows_at_drop_width() {
    Form form;
    QVERIFY(form.Show());
    for (int i = 0; i < 20; ++i) form.combo->Items().Add(QStringLiteral("Item %1").arg(i));
    form.combo->SetDropDownCount(5);
    form.combo->SetDropWidth(200);
    form.combo->SetDroppedDown(true);
    TComboListPopup* popup = form.combo->Popup();
    QCOMPARE(popup->width(), 200);
    QCOMPARE(popup->height(), 5 * form.combo->ItemHeight() + 4);
    QCOMPARE(popup->geometry().top(), form.combo->mapToGlobal(QPoint(0, 22)).y());
    // Type-ahead in the open list.
    QTest::keyClick(popup->List(), Qt::Key_C, Qt::NoModifier);
    QCOMPARE(popup->List()->currentItem()->text(), QStringLiteral("Cherry"));
    form.combo->SetDroppedDown(false);
  }

  void keys_step_open_and_complete() {
    Form form;
    QVERIFY(form.Show());
    int changes = 0;
    form.combo->OnChange = [&](QObject*) { ++changes; };
    QLineEdit* edit = form.combo->EditPart();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(form.combo->ItemIndex(), 0);
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(form.combo->Text(), QStringLiteral("Apricot"));
    QCOMPARE(changes, 2);
    QTest::keyClick(edit, Qt::Key_F4);
    QVERIFY(form.combo->DroppedDown());
    QTest::keyClick(form.combo->Popup()->List(), Qt::Key_F4);
    QVERIFY(!form.combo->DroppedDown());
    QTest::keyClick(edit, Qt::Key_Down, Qt::AltModifier);
    QVERIFY(form.combo->DroppedDown());
    form.combo->SetDroppedDown(false);
    // Completion: the rest of the first matching item, selected.
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("ch"));
    QCOMPARE(edit->text(), QStringLiteral("Cherry"));
    QCOMPARE(edit->selectedText(), QStringLiteral("erry"));
    QCOMPARE(form.combo->ItemIndex(), 3);
    form.combo->SetAutoComplete(false);
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("ch"));
    QCOMPARE(edit->text(), QStringLiteral("ch"));
  }

  void a_list_combo_paints_its_text_and_types_ahead() {
    Form form;
    form.combo->SetStyle(csDropDownList);
    QVERIFY(!form.combo->EditPart());
    QVERIFY(form.Show());
    form.combo->setFocus();
    // A letter finds the next item it starts; letters in a row narrow the match.
    QTest::keyClick(form.combo, Qt::Key_A);
    QCOMPARE(form.combo->Text(), QStringLiteral("Apple"));
    QTest::keyClick(form.combo, Qt::Key_A);
    QCOMPARE(form.combo->Text(), QStringLiteral("Apricot"));
    QTest::keyClicks(form.combo, QStringLiteral("pr"));
    QCOMPARE(form.combo->Text(), QStringLiteral("Apricot"));
    QTest::keyClick(form.combo, Qt::Key_D);
    QCOMPARE(form.combo->Text(), QStringLiteral("Damson"));
    QTest::keyClick(form.combo, Qt::Key_End);
    QCOMPARE(form.combo->ItemIndex(), kFruit.size() - 1);
    form.combo->SetText(QStringLiteral("Not an item"));
    QCOMPARE(form.combo->Text(), QString());
    form.combo->SelectItem(QStringLiteral("banana"));
    QCOMPARE(form.combo->Text(), QStringLiteral("Banana"));
    form.combo->SelectItem(QStringLiteral("Quince"));
    QCOMPARE(form.combo->Text(), QStringLiteral("Banana"));
    // A click anywhere opens the list.
    QTest::mouseClick(form.combo, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(form.combo->DroppedDown());
    form.combo->SetDroppedDown(false);
  }

  void items_carry_objects() {
    TZsgComboBox combo;
    combo.Items().AddObject(QStringLiteral("one"), 1);
    combo.Items().AddObject(QStringLiteral("two"), 2);
    combo.SetItemIndex(1);
    QCOMPARE(combo.Items().Objects(combo.ItemIndex()).toInt(), 2);
    combo.Items().Delete(1);
    QCOMPARE(combo.ItemIndex(), -1);
    QCOMPARE(combo.Items().Objects(0).toInt(), 1);
    QVERIFY(!combo.Items().Objects(5).isValid());
  }

  void a_simple_combo_keeps_its_list_open() {
    Form form;
    form.combo->SetStyle(csSimple);
    form.combo->resize(120, 100);
    QVERIFY(form.Show());
    QListWidget* list = form.combo->ListPart();
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), kFruit.size());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    QCOMPARE(form.combo->Text(), QStringLiteral("Banana"));
    form.combo->SetDroppedDown(true);
    QVERIFY(!form.combo->DroppedDown());
  }

  void focus_colours_swap_and_the_label_turns_bold() {
    Form form;
    form.combo->SetFocusColor(clYellow);
    form.combo->SetFocusLabel(true);
    form.combo->SetLabelCaption(QStringLiteral("Name"));
    QVERIFY(form.Show());
    form.combo->setFocus();
    QTRY_VERIFY(form.combo->HasFocus());
    QCOMPARE(form.combo->Color(), clYellow);
    QVERIFY(form.combo->ComboLabel()->font().bold());
    form.other->setFocus();
    QTRY_VERIFY(!form.combo->HasFocus());
    QCOMPARE(form.combo->Color(), clWindow);
    QVERIFY(!form.combo->ComboLabel()->font().bold());
  }

  void flat_takes_the_parents_colour() {
    Form form;
    form.combo->SetFlat(true);
    QCOMPARE(form.combo->Color(), From_QColor(QColor(200, 220, 240)));
    form.combo->SetFlat(false);
    QCOMPARE(form.combo->Color(), clWindow);
    form.combo->SetFlatParentColor(false);
    form.combo->SetFlat(true);
    QCOMPARE(form.combo->Color(), clWindow);
  }

  void auto_focus_takes_the_focus_on_entering() {
    Form form;
    QVERIFY(form.Show());
    QVERIFY(QTest::qWaitForWindowActive(&form.window));
    form.other->setFocus();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(105, 55));
    QApplication::sendEvent(form.combo, &enter);
    QVERIFY(!form.combo->EditPart()->hasFocus());
    form.combo->SetAutoFocus(true);
    QApplication::sendEvent(form.combo, &enter);
    QTRY_VERIFY(form.combo->EditPart()->hasFocus());
  }

  void border_branches() {
    Form form;
    TZsgComboBox& combo = *form.combo;
    QVERIFY(form.Show());
    const QColor shadow(To_QColor(clBtnShadow).rgb());
    // Platform look: a sunken edge.
    QCOMPARE(Pixel(combo, 0, 0), shadow);
    // A border colour frames it; focused with a focus border colour, that colour.
    combo.SetBorderColor(0x00FF00);
    QCOMPARE(Pixel(combo, 0, 0), QColor(0, 255, 0));
    combo.SetFocusBorderColor(0x0000FF);
    combo.setFocus();
    QTRY_VERIFY(combo.HasFocus());
    QCOMPARE(Pixel(combo, 0, 10), QColor(255, 0, 0));
    form.other->setFocus();
    QTRY_VERIFY(!combo.HasFocus());
    QCOMPARE(Pixel(combo, 0, 10), QColor(0, 255, 0));
    // Only a focus border colour: nothing of its own while unfocused.
    combo.SetBorderColor(clNone);
    QCOMPARE(Pixel(combo, 0, 0), shadow);
    combo.setFocus();
    QTRY_VERIFY(combo.HasFocus());
    QCOMPARE(Pixel(combo, 0, 0), QColor(255, 0, 0));
    form.other->setFocus();
    QTRY_VERIFY(!combo.HasFocus());
    combo.SetFocusBorderColor(clNone);
    // Flat: rings in the parent's colour, the flat line under the text.
    combo.SetFlat(true);
    combo.SetFlatLineColor(0xFF0000);
    const QColor parent(200, 220, 240);
    QCOMPARE(Pixel(combo, 0, 0), parent);
    QCOMPARE(Pixel(combo, 1, 5), parent);
    QCOMPARE(Pixel(combo, 10, 21), QColor(0, 0, 255));
    // With FocusBorder and the mouse over it: a sunken edge.
    combo.SetFocusBorder(true);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(105, 55));
    QApplication::sendEvent(&combo, &enter);
    QCOMPARE(Pixel(combo, 0, 0), shadow);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&combo, &leave);
    combo.SetFlat(false);
    // Disabled under visual styles, without the disabled border: blue-grey.
    Recording_Theme theme;
    Theme_Scope scope(&theme);
    combo.SetDisabledBorder(false);
    combo.setEnabled(false);
    QCOMPARE(Pixel(combo, 0, 0), QColor(127, 157, 185));
    combo.setEnabled(true);
    QVERIFY(theme.Drew(kEditorThemeComboBox));
  }

  void custom_button_and_vista_look() {
    Form form;
    TZsgComboBox& combo = *form.combo;
    combo.SetButtonColor(0x0000FF);
    combo.SetButtonBorderColor(0x000000);
    const QImage image = combo.grab().toImage();
    // The button: B = (120 - 19 + 3, 1, 119, 21), drawn from B.Left - 1 over (T + 1 .. B - 1).
    const int left = 120 - combo.ButtonWidth() + 3 - 1;
    QCOMPARE(QColor(image.pixel(left, 10)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(left + 2, 4)), QColor(255, 0, 0));
    QCOMPARE(QColor(image.pixel(left + 7, 2 + 8)), QColor(Qt::black));
    // The Vista look leaves the painting to the platform unless a button colour is set.
    combo.SetIsVista(true);
    combo.SetBorderColor(0x00FF00);
    QCOMPARE(Pixel(combo, 0, 0), QColor(0, 255, 0));
    combo.SetButtonColor(clNone);
    QCOMPARE(Pixel(combo, 0, 0), QColor(To_QColor(clBtnShadow).rgb()));
  }
};

QTEST_MAIN(ComboBoxTest)
#include "combo_box_test.moc"
