#include "dropdowns/memo/zad_memo_drop_down.h"

#include <QtTest>
#include <memory>

#include "dropdowns/base/drop_down_form.h"

namespace {

QStringList Lines(std::initializer_list<const char*> L) {
  QStringList out;
  for (const char* s : L) out << QString::fromLatin1(s);
  return out;
}

struct Fixture {
  Fixture() {
    window.setGeometry(0, 0, 500, 400);
    memo.reset(Create_Drop_Down<TZadMemoDropDown>(&window));
    memo->WorkAreaAt = [](const QPoint&) { return QRect(0, 0, 800, 800); };
    memo->move(20, 20);
    other = new QLineEdit(&window);
    other->move(20, 200);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
  }
  TDropDownForm* Form() const { return memo->DropDownForm(); }
  void Memo_Key(Qt::Key Key, Qt::KeyboardModifiers Shift = Qt::NoModifier, const QString& Text = QString()) {
    QTest::keyClick(memo->Memo(), Key, Shift);
    (void)Text;
  }

  QWidget window;
  std::unique_ptr<TZadMemoDropDown> memo;
  QLineEdit* other = nullptr;
};

}  // namespace

class Memo_Drop_Down_Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The summary: the first line with "..." for more lines, a long line cut
  // with an ellipsis, and every line while typing is on.
  void the_edit_shows_a_summary_of_the_lines() {
    Fixture f;
    f.memo->SetEditorEnabled(false);
    f.memo->SetMemoText(Lines({"one", "two"}));
    QCOMPARE(f.memo->text(), QStringLiteral("one..."));
    f.memo->SetMemoText(Lines({"one"}));
    QCOMPARE(f.memo->text(), QStringLiteral("one"));
    f.memo->SetMemoText({QString(200, QLatin1Char('w'))});
    QVERIFY(f.memo->text().endsWith(QStringLiteral("...")));
    QVERIFY(f.memo->text().size() < 200);
    f.memo->SetEditorEnabled(true);
    f.memo->SetMemoText(Lines({"one", "two"}));
    QCOMPARE(f.memo->text(), QStringLiteral("one\r\ntwo"));
    QCOMPARE(f.memo->MemoString(), QStringLiteral("one\r\ntwo"));
  }

  void typing_into_the_edit_replaces_the_lines() {
    Fixture f;
    f.memo->SetMemoText(Lines({"one", "two"}));
    f.memo->setFocus();
    f.memo->selectAll();
    QTest::keyClicks(f.memo.get(), QStringLiteral("new"));
    QCOMPARE(f.memo->MemoText(), Lines({"new"}));
  }

  void opening_copies_the_lines_and_settings_and_closing_copies_back() {
    Fixture f;
    f.memo->SetMemoText(Lines({"one", "two"}));
    f.memo->SetMemoReadOnly(true);
    f.memo->SetMemoScrollBars(ssVertical);
    f.memo->setMaxLength(20);
    f.memo->ShowDropDown();
    QVERIFY(f.Form()->isVisible());
    QVERIFY(!f.Form()->CancelOnDeActivate());
    QCOMPARE(f.memo->Memo()->toPlainText(), QStringLiteral("one\ntwo"));
    QVERIFY(f.memo->Memo()->isReadOnly());
    QCOMPARE(f.memo->Memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // Read-only follows at once while open.
    f.memo->SetMemoReadOnly(false);
    QVERIFY(!f.memo->Memo()->isReadOnly());
    f.memo->Memo()->moveCursor(QTextCursor::End);
    QTest::keyClicks(f.memo->Memo(), QStringLiteral(" more text than fits"));
    QCOMPARE(f.memo->Memo()->toPlainText().size(), 20);
    f.memo->HideDropDown(false);
    QCOMPARE(f.memo->MemoText().size(), 2);
    QVERIFY(f.memo->MemoText().at(1).startsWith(QStringLiteral("two more")));
    QCOMPARE(f.memo->cursorPosition(), 0);
  }

  // A cancelled close leaves the lines as they were when the popup opened.
  void esc_in_the_memo_drops_its_edits() {
    Fixture f;
    f.memo->SetEditorEnabled(false);
    f.memo->SetMemoText(Lines({"one", "two"}));
    f.memo->ShowDropDown();
    f.memo->Memo()->moveCursor(QTextCursor::End);
    QTest::keyClicks(f.memo->Memo(), QStringLiteral("three"));
    QTest::keyClick(f.memo->Memo(), Qt::Key_Escape);
    QVERIFY(!f.Form()->isVisible());
    QCOMPARE(f.memo->MemoText(), Lines({"one", "two"}));
    QCOMPARE(f.memo->text(), QStringLiteral("one..."));
  }

  void enter_makes_a_line_and_ctrl_a_selects_all() {
    Fixture f;
    f.memo->SetMemoText(Lines({"one"}));
    int changes = 0;
    f.memo->OnMemoChange = [&](TZadCustomDropDown*) { ++changes; };
    f.memo->ShowDropDown();
    f.memo->Memo()->moveCursor(QTextCursor::End);
    QTest::keyClick(f.memo->Memo(), Qt::Key_Return);
    QTest::keyClicks(f.memo->Memo(), QStringLiteral("two"));
    QVERIFY(f.Form()->isVisible());
    QVERIFY(changes > 0);
    QTest::keyClick(f.memo->Memo(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(f.memo->Memo()->textCursor().selectedText().size(), QStringLiteral("one\ntwo").size());
    QTest::keyClick(f.memo->Memo(), Qt::Key_F4);
    QVERIFY(!f.Form()->isVisible());
    QCOMPARE(f.memo->MemoText(), Lines({"one", "two"}));
  }

  // The summary written when a key closes the popup is not read back as
  // typed text (it would make one line of "one...").
  void a_key_closing_the_popup_keeps_the_lines_behind_the_summary() {
    Fixture f;
    f.memo->SetEditorEnabled(false);
    f.memo->SetMemoText(Lines({"one", "two"}));
    f.memo->ShowDropDown();
    f.memo->Memo()->moveCursor(QTextCursor::Start);
    QTest::keyClicks(f.memo->Memo(), QStringLiteral("zero"));
    QTest::keyClick(f.memo->Memo(), Qt::Key_Return);
    QTest::keyClick(f.memo->Memo(), Qt::Key_F4);
    QVERIFY(!f.Form()->isVisible());
    QCOMPARE(f.memo->text(), QStringLiteral("zero..."));
    QCOMPARE(f.memo->MemoText(), Lines({"zero", "one", "two"}));
  }

  void auto_drop_opens_on_focus_and_esc_does_not_reopen() {
    Fixture f;
    f.memo->SetAutoDrop(true);
    f.other->setFocus();
    QTest::keyClick(f.other, Qt::Key_Tab);
    QTRY_VERIFY(f.Form()->isVisible());
    QTest::keyClick(f.memo->Memo(), Qt::Key_Escape);
    QVERIFY(!f.Form()->isVisible());
    QTest::qWait(50);
    QVERIFY(!f.Form()->isVisible());
    QVERIFY(f.memo->AutoDrop());
  }
};

QTEST_MAIN(Memo_Drop_Down_Test)
#include "zad_memo_drop_down_test.moc"
