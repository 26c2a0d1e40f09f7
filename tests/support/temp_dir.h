#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary folder for one test, removed with it.
class Temp_Dir {
 public:
  Temp_Dir();
  QString Path() const { return dir_.path(); }
  QString File(const QString& name) const { return dir_.filePath(name); }
  // Writes bytes to name (creating sub-folders); returns the full path.
  QString Write(const QString& name, const QByteArray& bytes) const;
  QByteArray Read(const QString& name) const;

 private:
  QTemporaryDir dir_;
};

// Path of a file under tests/data.
QString Test_Data(const QString& relative);
