#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

}  // namespace program_folder
