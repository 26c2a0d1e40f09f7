#pragma once
// Reading and writing the test files of the grid file tests.
#include <QFile>
#include <QString>

inline QByteArray File_Bytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

inline void Put_File(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}
