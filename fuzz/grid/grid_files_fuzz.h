#pragma once
// The application and a scratch file for the grid file readers' fuzz
// targets: the readers take file names, so every input goes to one file.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QString>

inline void Ensure_Fuzz_Application(const char* name) {
  static bool started = false;
  if (started) return;
  started = true;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char* argv[] = {const_cast<char*>(name), nullptr};
  new QApplication(argc, argv);  // lives for the whole run
}

// Writes the bytes to the target's scratch file and gives its name.
inline QString Fuzz_File(const char* name, const uint8_t* data, size_t size) {
  const QString path = QDir::tempPath() +
                       QStringLiteral("/%1-%2").arg(QString::fromLatin1(name)).arg(QCoreApplication::applicationPid());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  file.write(reinterpret_cast<const char*>(data), qint64(size));
  return path;
}
