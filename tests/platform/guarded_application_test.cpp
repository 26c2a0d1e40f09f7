#include <QtTest>

#include <stdexcept>

#include "platform/dialogs.h"
#include "platform/guarded_application.h"

namespace {
// An object whose handler fails, as a window's handler might.
class Failing_Object : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("cannot write M_Bus.xml");
    return QObject::event(e);
  }
};
}  // namespace

class GuardedApplicationTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void exceptionFromHandlerBecomesErrorBox() {
    dialogs::Scripted_Scope script;
    Failing_Object target;
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(script->messages.size(), size_t(1));
    QCOMPARE(script->messages[0].kind, dialogs::Kind::Error);
    QCOMPARE(script->messages[0].text, QString("cannot write M_Bus.xml"));
  }

  void scriptedAnswersAreReturnedInOrder() {
    dialogs::Scripted_Scope script;
    script->message_answers = {dialogs::No, dialogs::Yes};
    QVERIFY(!dialogs::Ask_Yes_No(nullptr, "first?"));
    QVERIFY(dialogs::Ask_Yes_No(nullptr, "second?"));
    QVERIFY(dialogs::Ask_Yes_No(nullptr, "default answers Yes"));
    script->file_answers = {"/tmp/x.eds"};
    QCOMPARE(dialogs::Current().Save_File(nullptr, {"t", "/tmp", "*.eds", "x.eds"}), QString("/tmp/x.eds"));
    QCOMPARE(script->file_requests[0].folder, QString("/tmp"));
  }
};

int main(int argc, char** argv) {
  Guarded_Application app(argc, argv);
  GuardedApplicationTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "guarded_application_test.moc"
