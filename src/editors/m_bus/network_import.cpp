#include "editors/m_bus/network_import.h"

#include <QFile>
#include <QFileInfo>

#include "platform/atomic_file.h"
#include "platform/file_resolver.h"

bool Network_Import_Asks(const QString& m_bus_path) {
  return QFileInfo(file_resolver::Resolve_Path(m_bus_path)).isFile();
}

Network_Import_Result Import_M_Bus_Network(const QString& source, const QString& m_bus_path) {
  Network_Import_Result result;
  const QString target = file_resolver::Resolve_Path(m_bus_path);
  const QFileInfo source_info(source);
  const QFileInfo target_info(target);
  // Deleting the old file before copying it onto itself would lose it.
  if (source_info.exists() && target_info.exists() &&
      source_info.canonicalFilePath() == target_info.canonicalFilePath())
    return result;

  QFile file(source);
  if (!source_info.isFile() || !file.open(QIODevice::ReadOnly)) {
    result.error = QStringLiteral("Cannot read \"%1\": %2")
                       .arg(source, source_info.isDir() ? QStringLiteral("it is a folder") : file.errorString());
    return result;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    result.error = QStringLiteral("Cannot read \"%1\": %2").arg(source, file.errorString());
    return result;
  }
  try {
    atomic_file::Write(target, bytes);
  } catch (const File_Write_Error& e) {
    result.error = QString::fromStdString(e.what());
  }
  return result;
}
