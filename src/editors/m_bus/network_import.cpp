#include "editors/m_bus/network_import.h"

#include <QFile>
#include <QFileInfo>

#include "editors/files/m_bus_network_file.h"
#include "platform/atomic_file.h"
#include "platform/file_resolver.h"
#include "platform/xml_document.h"

namespace {

const QString kNetwork_Root = QStringLiteral("M-Bus_Network");

QString Cannot_Import(const QString& source, const QString& reason) {
  return QStringLiteral("Cannot import \"%1\": %2").arg(source, reason);
}

// Why the bytes are not a network the editor can open; empty when they are.
QString Network_Error(const QByteArray& bytes, int device_type) {
  Xml_Document doc;
  try {
    doc.Load_Text(bytes);
  } catch (const Xml_Error& e) {
    return QStringLiteral("it is not an XML file (%1)").arg(QString::fromStdString(e.what()));
  }
  // Both the editor and the scan write this root; another file's elements
  // (or an empty root of another kind) would read as a network of nothing.
  const Xml_Node root = doc.Root();
  if (root.Is_Null() || root.Name() != kNetwork_Root)
    return QStringLiteral("it is not an M-Bus network (its root element is not \"%1\")").arg(kNetwork_Root);
  const M_Bus_Network_Load load = Read_M_Bus_Network(doc, device_type);
  if (!load.Complete()) return QStringLiteral("it is not an M-Bus network (%1)").arg(load.error);
  return {};
}

}  // namespace

bool Network_Import_Asks(const QString& m_bus_path) {
  return QFileInfo(file_resolver::Resolve_Path(m_bus_path)).isFile();
}

Network_Import_Result Import_M_Bus_Network(const QString& source, const QString& m_bus_path, int device_type) {
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
    result.error = Cannot_Import(source, source_info.isDir() ? QStringLiteral("it is a folder") : file.errorString());
    return result;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    result.error = Cannot_Import(source, file.errorString());
    return result;
  }
  if (const QString why = Network_Error(bytes, device_type); !why.isEmpty()) {
    result.error = Cannot_Import(source, why);
    return result;
  }
  try {
    atomic_file::Write(target, bytes);
  } catch (const File_Write_Error& e) {
    result.error = QString::fromStdString(e.what());
  }
  return result;
}
