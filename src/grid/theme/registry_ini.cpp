#include "grid/theme/registry_ini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include "grid/settings/ini_file.h"
#include "platform/atomic_file.h"
#include "platform/file_resolver.h"
#include "platform/number_entry.h"

namespace registry_ini {
namespace {

QString& Root_Override() {
  static QString folder;
  return folder;
}

constexpr qint64 kMaxFileBytes = 64 * 1024;

// Walks the key's parts below the root, each matched without regard to case.
QString Resolve_Key_Path(const QString& key) {
  QString path = Root();
  const QStringList parts = key.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
  for (int i = 0; i < parts.size(); ++i) {
    const QString& part = parts[i];
    // A part that would climb out of the root is never a registry key name.
    if (part == QLatin1String(".") || part == QLatin1String("..") || part.contains(QLatin1Char('/'))) return {};
    const bool last = i == parts.size() - 1;
    if (last) return path + QLatin1Char('/') + part;
    path = file_resolver::Resolve(path, part);
  }
  return path;
}

}  // namespace

QString Root() {
  if (!Root_Override().isEmpty()) return Root_Override();
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/kelvra/HKEY_CURRENT_USER");
}

void Override_Root(const QString& folder) { Root_Override() = folder; }

QString Key_File(const QString& key) {
  const QString base = Resolve_Key_Path(key);
  if (base.isEmpty()) return {};
  return file_resolver::Resolve_Path(base + QStringLiteral(".ini"));
}

QString Key_Folder(const QString& key) {
  const QString base = Resolve_Key_Path(key);
  if (base.isEmpty()) return {};
  return file_resolver::Resolve_Path(base);
}

bool Key_Exists(const QString& key) {
  const QString file = Key_File(key);
  return !file.isEmpty() && QFileInfo(file).isFile();
}

std::optional<QString> Read_String(const QString& key, const QString& name) {
  const QString path = Key_File(key);
  if (path.isEmpty()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QString text = QString::fromUtf8(file.read(kMaxFileBytes));
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (const QString& raw : lines) {
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')) ||
        line.startsWith(QLatin1Char('[')))
      continue;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0) continue;
    if (line.left(eq).trimmed().compare(name, Qt::CaseInsensitive) == 0) return line.mid(eq + 1).trimmed();
  }
  return std::nullopt;
}

std::optional<int> Read_Integer(const QString& key, const QString& name) {
  const std::optional<QString> text = Read_String(key, name);
  if (!text) return std::nullopt;
  int32_t value = 0;
  if (!Try_Read_Number(*text, value)) return std::nullopt;
  return value;
}

void Write_Values(const QString& key, const std::vector<std::pair<QString, QString>>& values) {
  const QString path = Key_File(key);
  if (path.isEmpty()) throw File_Write_Error(key, QStringLiteral("not a key name"));
  if (!QDir().mkpath(QFileInfo(path).absolutePath()))
    throw File_Write_Error(path, QStringLiteral("the key's folder cannot be made"));
  Ini_File file;
  try {
    file = Ini_File::Open(path);
  } catch (const Ini_File_Error& error) {
    throw File_Write_Error(path, QString::fromStdString(error.what()));
  }
  // The values of a key file stand before any section header.
  for (const auto& [name, value] : values) file.Write_String(QString(), name, value);
  file.Update();
}

}  // namespace registry_ini
