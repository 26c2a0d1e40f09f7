#include "platform/dialogs.h"

#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

namespace {

// What the real message box showed, read while it is open, then closed.
struct Shown_Box {
  QWidget* parent = nullptr;
  Qt::TextFormat format = Qt::AutoText;
  QString label_text;
  bool seen = false;
};

void Read_Next_Box(Shown_Box& shown) {
  QTimer::singleShot(0, [&shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    shown.seen = true;
    shown.parent = box->parentWidget();
    shown.format = box->textFormat();
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) shown.label_text = label->text();
    box->accept();
  });
}

// A window that reports an error while it opens, as a window whose file
// cannot be read does.
class Opening_Window : public QDialog {
 public:
  using QDialog::QDialog;
  QWidget* placed_on = nullptr;
  Shown_Box shown;

 protected:
  void showEvent(QShowEvent* event) override {
    QDialog::showEvent(event);
    if (placed_on != nullptr) return;
    placed_on = dialogs::Box_Parent(this);
    Read_Next_Box(shown);
    dialogs::Error(this, QStringLiteral("cannot read M_Bus.xml"));
  }
};

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  // A name or a file error is shown as typed, whatever markup it looks like.
  void messageTextIsPlain() {
    dialogs::Restore_Default();
    QWidget main;
    main.resize(300, 200);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    for (const QString& text : {QStringLiteral("a<b>c"), QStringLiteral("<i>x</i> & y"), QStringLiteral("plain")}) {
      Shown_Box shown;
      Read_Next_Box(shown);
      dialogs::Error(&main, text);
      QVERIFY(shown.seen);
      QCOMPARE(shown.format, Qt::PlainText);
      QCOMPARE(shown.label_text, text);
    }
  }

  // A box raised while a window opens is placed on the window it was opened
  // from, not on one that is not on the screen yet.
  void boxOfAnOpeningWindowIsPlacedOnTheShownOne() {
    dialogs::Restore_Default();
    QWidget main;
    main.resize(400, 300);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QApplication::setActiveWindow(&main);

    Opening_Window hidden(&main);
    QCOMPARE(dialogs::Box_Parent(&hidden), &main);
    auto* field = new QLabel(&hidden);
    QCOMPARE(dialogs::Box_Parent(field), &main);

    Opening_Window opening(&main);
    opening.show();
    QVERIFY(QTest::qWaitForWindowExposed(&opening));
    QCOMPARE(opening.placed_on, &main);
    QVERIFY(opening.shown.seen);
    QCOMPARE(opening.shown.parent, &main);
    // Once on the screen, a window is its own boxes' place.
    QCOMPARE(dialogs::Box_Parent(&opening), &opening);

    // An unshown window without a parent: the active window.
    opening.hide();
    QApplication::setActiveWindow(&main);
    QWidget lone;
    QCOMPARE(dialogs::Box_Parent(&lone), &main);
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
