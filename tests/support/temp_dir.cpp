#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

Temp_Dir::Temp_Dir() {
  if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary folder");
}

QString Temp_Dir::Write(const QString& name, const QByteArray& bytes) const {
  const QString path = File(name);
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write test file " + path.toStdString());
  return path;
}

QByteArray Temp_Dir::Read(const QString& name) const {
  QFile file(File(name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

QString Test_Data(const QString& relative) {
  return QStringLiteral(KELVRA_TESTDATA_DIR "/") + relative;
}
