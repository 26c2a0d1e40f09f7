#pragma once
// The one QGuiApplication a fuzz target needs for fonts, images and text
// documents, started on the first input and kept for the whole run.
#include <QGuiApplication>

// Name is the program name Qt sees; it must outlive the run (a literal).
inline void Ensure_Fuzz_Gui(const char* Name) {
  static bool started = false;
  if (started) return;
  started = true;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char* argv[] = {const_cast<char*>(Name), nullptr};
  static QGuiApplication app(argc, argv);
}
