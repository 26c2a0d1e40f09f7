#include "platform/file_resolver.h"

#include <QDir>
#include <QFileInfo>

namespace file_resolver {

QString Resolve(const QString& folder, const QString& name) {
  const QString exact = folder + QLatin1Char('/') + name;
  if (QFileInfo::exists(exact)) return exact;
  const QDir dir(folder.isEmpty() ? QStringLiteral("/") : folder);
  const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& entry : entries)
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return folder + QLatin1Char('/') + entry;
  return exact;
}

QString Resolve_Path(const QString& path) {
  const int slash = path.lastIndexOf(QLatin1Char('/'));
  if (slash < 0) return path;
  return Resolve(path.left(slash), path.mid(slash + 1));
}

}  // namespace file_resolver
