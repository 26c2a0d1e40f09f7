#include "platform/program_folder.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace program_folder {
namespace {
QString& OverrideSlot() {
  static QString folder;
  return folder;
}
}  // namespace

QString Path() {
  if (!OverrideSlot().isEmpty()) return OverrideSlot();
  QString folder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
  while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
  return folder;
}

void Override(const QString& folder) { OverrideSlot() = folder; }

QString Make_Folder(const QString& path) {
  if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0) return {};
  const int error = errno;
  if (error == EEXIST && QFileInfo(path).isDir()) return {};
  return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace program_folder
