// Arbitrary bytes as an INI file: read unchanged it writes back byte for
// byte, and a written value reads back while the other values stay.
#include <cstdint>
#include <cstdlib>

#include "grid/settings/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 100000) return 0;
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  Ini_File ini = Ini_File::From_Bytes(bytes);
  if (ini.Bytes() != bytes) std::abort();
  const QString section = QStringLiteral("Grid"), key = QStringLiteral("Col0");
  const std::optional<QString> other = ini.Read(QStringLiteral("Other"), QStringLiteral("Pos0"));
  (void)ini.Read_Integer(section, key, -1);
  ini.Write_Integer(section, key, 70);
  ini.Write_String(QString(), QStringLiteral("top"), QStringLiteral("a\nb"));
  const Ini_File back = Ini_File::From_Bytes(ini.Bytes());
  if (back.Read_Integer(section, QStringLiteral("COL0"), -1) != 70) std::abort();
  if (back.Read(QString(), QStringLiteral("TOP")) != QStringLiteral("a b")) std::abort();
  if (back.Read(QStringLiteral("Other"), QStringLiteral("Pos0")) != other) std::abort();
  return 0;
}
