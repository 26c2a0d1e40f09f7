#include "dropdowns/detail/zad_detail_drop_down.h"

#include <QtTest>
#include <memory>

#include "dropdowns/base/drop_down_form.h"
#include "dropdowns/base/zad_custom_item_selector.h"

namespace {

struct Fixture {
  explicit Fixture(QStringList Captions = {QStringLiteral("Apple"), QStringLiteral("Apricot"),
                                           QStringLiteral("Banana")}) {
    window.setGeometry(0, 0, 400, 300);
    detail.reset(Create_Drop_Down<TZadDetailDropDown>(&window));
    detail->WorkAreaAt = [](const QPoint&) { return QRect(0, 0, 800, 800); };
    detail->CurSearch().Clock = [this] { return now; };
    detail->OnSelect = [this](TZadDetailDropDown*) { ++selects; };
    for (const QString& c : Captions) detail->Items().Add()->SetCaption(c);
    detail->setGeometry(20, 20, 160, 22);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
  }
  void Type(const char* Keys) {
    for (const char* k = Keys; *k; ++k) QTest::keyClick(detail.get(), *k);
  }
  void Press(int Key, Qt::KeyboardModifiers Shift = Qt::NoModifier) {
    QTest::keyClick(detail.get(), Qt::Key(Key), Shift);
  }
  void Open() {
    detail->ShowDropDown();
    QVERIFY(detail->DroppedDown());
  }
  QWidget* List_Panel() { return detail->ItemSelector()->widget(); }
  QPoint List_Item(int Index) {
    return detail->ItemSelector()->ItemSelectorPanel()->GetItemRect(Index).To_QRect().center();
  }
  void Click_Item(int Index) {
    const QPoint at = List_Item(Index);
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(at), List_Panel()->mapToGlobal(QPointF(at)), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(List_Panel(), &e);
  }

  QWidget window;
  std::unique_ptr<TZadDetailDropDown> detail;
  uint32_t now = 0;
  int selects = 0;
};

}  // namespace

class Detail_Drop_Down_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The detail items (unlike the item selector's) clamp an insert outside
  // them and ignore a delete outside them; a caption change is told once.
  void items_tolerate_an_index_outside_them() {
    TDetailItems items;
    int changes = 0;
    items.OnChange = [&changes](TDetailItems*) { ++changes; };
    items.Add()->SetCaption(QStringLiteral("b"));
    items.Insert(-5)->SetCaption(QStringLiteral("a"));
    items.Insert(99)->SetCaption(QStringLiteral("c"));
    items.Delete(3);
    items.Delete(-1);
    QCOMPARE(items.Captions(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    QCOMPARE(changes, 3);
  }

  // Before the popup ever opened: each letter completes from the captions,
  // the typed part keeps its case and the rest is selected to be typed over.
  void typing_completes_the_caption() {
    Fixture f;
    f.Type("a");
    QCOMPARE(f.detail->text(), QStringLiteral("apple"));
    QCOMPARE(f.detail->selectedText(), QStringLiteral("pple"));
    QCOMPARE(f.detail->cursorPosition(), 1);
    QCOMPARE(f.detail->ItemIndex(), 0);
    f.Type("pr");
    QCOMPARE(f.detail->text(), QStringLiteral("apricot"));
    QCOMPARE(f.detail->selectedText(), QStringLiteral("icot"));
    QCOMPARE(f.detail->ItemIndex(), 1);
    // Completion takes the entry without telling: no OnSelect.
    QCOMPARE(f.selects, 0);
    // A letter no caption goes on with drops the completed tail.
    f.Type("x");
    QCOMPARE(f.detail->text(), QStringLiteral("aprx"));
    QVERIFY(!f.detail->hasSelectedText());
  }

  void match_case_and_deleting_keys_do_not_complete() {
    Fixture f;
    f.detail->SetMatchCase(true);
    f.Type("a");
    QCOMPARE(f.detail->text(), QStringLiteral("a"));
    f.detail->SetMatchCase(false);
    f.detail->SetText(QString());
    f.Type("b");
    QCOMPARE(f.detail->text(), QStringLiteral("banana"));
    // Backspace removes the selected tail and completes nothing again.
    f.Press(Qt::Key_Backspace);
    QCOMPARE(f.detail->text(), QStringLiteral("b"));
    f.Press(Qt::Key_Backspace);
    QCOMPARE(f.detail->text(), QString());
  }

  // Modified means: differs from the text the edit had when it took the
  // focus; typing one's way back to it is no change.
  void modified_compares_with_the_text_at_focus_entry() {
    Fixture f;
    f.detail->SetItemIndex(0);
    // The shown window gave the edit the focus already; it comes anew.
    f.detail->clearFocus();
    f.detail->setFocus();
    QTRY_VERIFY(f.detail->hasFocus());
    f.detail->selectAll();
    f.Type("b");
    QCOMPARE(f.detail->text(), QStringLiteral("banana"));
    QVERIFY(f.detail->IsModified());
    f.detail->selectAll();
    f.Type("A");
    QCOMPARE(f.detail->text(), QStringLiteral("Apple"));
    QVERIFY(!f.detail->IsModified());
  }

  // A text written by the program stays as written.
  void a_written_text_is_not_completed() {
    Fixture f;
    f.detail->SetText(QStringLiteral("Ap"));
    QCOMPARE(f.detail->text(), QStringLiteral("Ap"));
    QCOMPARE(f.detail->ItemIndex(), -1);
  }

  void enter_on_a_caption_selects_its_entry() {
    Fixture f;
    f.detail->SetText(QStringLiteral("Banana"));
    f.Press(Qt::Key_Return);
    QCOMPARE(f.detail->ItemIndex(), 2);
    QCOMPARE(f.selects, 1);
    f.Press(Qt::Key_Return);
    QCOMPARE(f.selects, 1);
    f.detail->SetText(QStringLiteral("banana"));
    f.Press(Qt::Key_Return);
    QCOMPARE(f.detail->ItemIndex(), 2);
    QCOMPARE(f.selects, 1);
  }

  void item_index_write_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selects");
    QTest::newRow("an entry") << -1 << 1 << 1 << "Apricot" << 1;
    QTest::newRow("past the list") << 0 << 5 << 0 << "Apple" << 0;
    QTest::newRow("below -1") << 0 << -2 << 0 << "Apple" << 0;
    QTest::newRow("the same") << 2 << 2 << 2 << "Banana" << 0;
    QTest::newRow("none clears") << 2 << -1 << -1 << "" << 0;
  }
  void item_index_write() {
    QFETCH(int, from);
    QFETCH(int, value);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, selects);
    Fixture f;
    f.detail->SetItemIndex(from);
    f.selects = 0;
    f.detail->SetItemIndex(value);
    QCOMPARE(f.detail->ItemIndex(), index);
    QCOMPARE(f.detail->Text(), text);
    QCOMPARE(f.selects, selects);
    if (!text.isEmpty()) QCOMPARE(f.detail->selectedText(), text);
  }

  // Keys in the open list move the choice and keep the popup; Esc brings the
  // opening's entry back.
  void keys_move_the_open_list_and_esc_restores() {
    Fixture f;
    f.detail->SetItemIndex(0);
    f.Open();
    f.Press(Qt::Key_Down);
    f.Press(Qt::Key_Down);
    QVERIFY(f.detail->DroppedDown());
    QCOMPARE(f.detail->ItemIndex(), 2);
    QCOMPARE(f.detail->Text(), QStringLiteral("Banana"));
    QCOMPARE(f.detail->ItemSelector()->ItemIndex(), 2);
    f.Press(Qt::Key_Down);
    QCOMPARE(f.detail->ItemIndex(), 2);
    f.Press(Qt::Key_Up);
    QCOMPARE(f.detail->ItemIndex(), 1);
    f.Press(Qt::Key_Escape);
    QVERIFY(!f.detail->DroppedDown());
    QCOMPARE(f.detail->ItemIndex(), 0);
    QCOMPARE(f.detail->Text(), QStringLiteral("Apple"));
  }

  // With nothing chosen at the opening, Esc leaves nothing chosen and the
  // typed text as it was.
  void esc_without_a_choice_at_opening_restores_the_text() {
    Fixture f;
    f.detail->SetText(QStringLiteral("typed"));
    f.Open();
    f.Press(Qt::Key_Down);
    QCOMPARE(f.detail->ItemIndex(), 0);
    f.Press(Qt::Key_Escape);
    QCOMPARE(f.detail->ItemIndex(), -1);
    QCOMPARE(f.detail->Text(), QStringLiteral("typed"));
  }

  void a_click_takes_the_entry_and_closes() {
    Fixture f;
    f.Open();
    QCOMPARE(f.detail->DropDownForm()->width(), f.detail->width());
    f.Click_Item(2);
    QVERIFY(!f.detail->DroppedDown());
    QCOMPARE(f.detail->ItemIndex(), 2);
    QCOMPARE(f.detail->Text(), QStringLiteral("Banana"));
    QCOMPARE(f.selects, 1);
  }

  // Closed, the arrows and the wheel step through the entries; the page
  // keys go by the list's visible rows, also before the first opening.
  void closed_keys_and_wheel_step() {
    QStringList many;
    for (int i = 0; i < 20; ++i) many << QStringLiteral("Item %1").arg(i, 2, 10, QLatin1Char('0'));
    Fixture f(many);
    f.Press(Qt::Key_Down);
    QCOMPARE(f.detail->ItemIndex(), 0);
    f.Press(Qt::Key_Down);
    QCOMPARE(f.detail->ItemIndex(), 1);
    f.Press(Qt::Key_Up);
    QCOMPARE(f.detail->ItemIndex(), 0);
    f.Press(Qt::Key_PageDown);
    const int visible = f.detail->ItemSelector()->GetVisibleItemCount();
    QVERIFY(visible > 1);
    QCOMPARE(f.detail->ItemIndex(), visible);
    QVERIFY(!f.detail->DroppedDown());
    f.Press(Qt::Key_PageUp);
    QCOMPARE(f.detail->ItemIndex(), 0);
    f.Press(Qt::Key_PageUp);
    QCOMPARE(f.detail->ItemIndex(), 0);
    // Home and End are the caret's while typing is on.
    f.Press(Qt::Key_End);
    QCOMPARE(f.detail->ItemIndex(), 0);
    f.detail->SetEditorEnabled(false);
    f.Press(Qt::Key_End);
    QCOMPARE(f.detail->ItemIndex(), 19);
    f.detail->MouseWheelUpAction();
    QCOMPARE(f.detail->ItemIndex(), 18);
    f.detail->MouseWheelDownAction();
    QCOMPARE(f.detail->ItemIndex(), 19);
  }

  // With typing off, letters look an entry up; the text lives 500 ms from
  // its first letter.
  void look_up_with_typing_off() {
    Fixture f({QStringLiteral("Apple"), QStringLiteral("Black"), QStringLiteral("Blue"), QStringLiteral("Ice")});
    f.detail->SetEditorEnabled(false);
    f.Press(Qt::Key_B);
    QCOMPARE(f.detail->ItemIndex(), 1);
    f.now = 400;
    f.Press(Qt::Key_L);
    QCOMPARE(f.detail->CurSearch().Text(), QStringLiteral("BL"));
    QCOMPARE(f.detail->ItemIndex(), 1);
    f.now = 600;
    f.Press(Qt::Key_I);
    QCOMPARE(f.detail->CurSearch().Text(), QStringLiteral("I"));
    QCOMPARE(f.detail->ItemIndex(), 3);
    QCOMPARE(f.detail->Text(), QStringLiteral("Ice"));
    // Shift joins the text, which then matches nothing until it is gone.
    f.now = 2000;
    f.Press(Qt::Key_Shift);
    f.Press(Qt::Key_A);
    QCOMPARE(f.detail->ItemIndex(), 3);
    QTRY_COMPARE(f.detail->CurSearch().Text(), QString());
  }

  // Quick typing in the open list completes from every letter typed: the
  // letters do not look entries up behind the completion's back.
  void quick_typing_after_an_opening_completes_the_whole_word() {
    Fixture f;
    f.Open();
    f.Press(Qt::Key_Escape);
    f.Type("apr");
    QCOMPARE(f.detail->text(), QStringLiteral("apricot"));
    QCOMPARE(f.detail->ItemIndex(), 1);
    // The open list follows what typing reached.
    f.detail->SetText(QString());
    f.Open();
    f.Type("b");
    QCOMPARE(f.detail->ItemSelector()->ItemIndex(), 2);
    QVERIFY(f.detail->DroppedDown());
  }

  // Notes are drawn under the caption; a drawing event replaces it all.
  void items_draw_caption_notes_and_event() {
    Fixture f;
    f.detail->SetItemHeight(40);
    f.Open();
    const QImage plain = f.List_Panel()->grab().toImage();
    f.detail->HideDropDown(true);
    f.detail->Items().GetItem(0)->Notes = QStringLiteral("<b>red</b> <font color=\"clRed\">fruit</font>");
    f.Open();
    const QImage noted = f.List_Panel()->grab().toImage();
    const QRect first = f.detail->ItemSelector()->ItemSelectorPanel()->GetItemRect(0).To_QRect();
    QCOMPARE(first.height(), 40);
    QVERIFY(noted.copy(first) != plain.copy(first));
    QCOMPARE(noted.copy(first.translated(0, 40)), plain.copy(first.translated(0, 40)));
    bool red = false;
    for (int y = first.top() + first.height() / 2; y < first.bottom(); ++y)
      for (int x = first.left(); x < first.right(); ++x)
        if (const QColor c = noted.pixelColor(x, y); c.red() > 150 && c.green() < 90 && c.blue() < 90) red = true;
    if (!qEnvironmentVariableIsEmpty("DETAIL_SHOT")) noted.save(qEnvironmentVariable("DETAIL_SHOT"));
    QVERIFY(red);
    f.detail->HideDropDown(true);
    int drawn = 0;
    f.detail->OnDrawSelectedImage = [&](TZadDetailDropDown*, TCanvas&, const TRect&) { ++drawn; };
    f.Open();
    (void)f.List_Panel()->grab();
    QCOMPARE(drawn, 3);
  }
};

QTEST_MAIN(Detail_Drop_Down_Test)
#include "zad_detail_drop_down_test.moc"
