#include "platform/dialogs.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
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

  // The save dialog's own "replace?" question follows the request: asked for
  // an existing file by default, not at all when the caller asks its own.
  void saveDialogQuestionFollowsTheRequest() {
    dialogs::Restore_Default();
    QTemporaryDir dir;
    QFile existing(dir.filePath(QStringLiteral("Plant.gsd")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    for (const bool confirm : {true, false}) {
      int file_dialogs = 0;
      QStringList questions;
      QTimer watch;
      connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
          questions << box->text();
          box->button(QMessageBox::Yes)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog != nullptr && file_dialogs == 0) {
          ++file_dialogs;
          dialog->selectFile(QStringLiteral("Plant.gsd"));
          QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
      });
      watch.start(5);
      const QString chosen = dialogs::Current().Save_File(
          nullptr, {QStringLiteral("Save"), dir.path(), QStringLiteral("GSD (*.gsd)"), QString(), confirm});
      QCOMPARE(file_dialogs, 1);
      QCOMPARE(chosen, dir.filePath(QStringLiteral("Plant.gsd")));
      QCOMPARE(questions.size(), confirm ? 1 : 0);
      if (confirm) QVERIFY2(questions[0].contains(QStringLiteral("Plant.gsd")), qPrintable(questions[0]));
    }
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
