#pragma once
#include <QApplication>
#include <exception>

// The program's QApplication: an exception that escapes an event handler is
// caught here and shown in an error box with its text, so it never reaches Qt.
class Guarded_Application : public QApplication {
 public:
  Guarded_Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// The application's default error box; also for handlers that catch on their own.
void Show_Exception(const std::exception& error);
void Show_Unknown_Exception();
