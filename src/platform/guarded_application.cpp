#include "platform/guarded_application.h"

#include "platform/dialogs.h"

Guarded_Application::Guarded_Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Guarded_Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    Show_Exception(error);
  } catch (...) {
    Show_Unknown_Exception();
  }
  return true;
}

void Show_Exception(const std::exception& error) {
  dialogs::Error(QApplication::activeWindow(), QString::fromUtf8(error.what()));
}

void Show_Unknown_Exception() {
  dialogs::Error(QApplication::activeWindow(), QStringLiteral("An unexpected error occurred."));
}
