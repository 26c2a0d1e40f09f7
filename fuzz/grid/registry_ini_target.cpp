// Feeds arbitrary bytes as the INI file of the Office theme key to the reader
// of the desktop settings. A value read as an integer must also be there as text.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>

#include "grid/theme/registry_ini.h"

namespace {

const QString kKey = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const QTemporaryDir folder;
  static const bool prepared = [] {
    registry_ini::Override_Root(folder.path());
    return folder.isValid() && QDir(folder.path()).mkpath(QStringLiteral("Software/Microsoft/Office/14.0"));
  }();
  if (!prepared) std::abort();
  {
    QFile file(folder.filePath(QStringLiteral("Software/Microsoft/Office/14.0/Common.ini")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  if (!registry_ini::Key_Exists(kKey)) std::abort();
  for (const QString& name : {QStringLiteral("Theme"), QStringLiteral("theme"), QStringLiteral("")}) {
    const std::optional<int> number = registry_ini::Read_Integer(kKey, name);
    if (number && !registry_ini::Read_String(kKey, name)) std::abort();
  }
  return 0;
}
