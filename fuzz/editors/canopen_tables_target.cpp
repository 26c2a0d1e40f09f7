// Feeds arbitrary bytes as one of the three CANopen table files (the first
// byte picks which) to the table reader. The rows read must have the table's
// width and count; written and read again they must give the same file.
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "editors/files/canopen_table_file.h"

namespace {

QString Put(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
  const QString path = folder.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) std::abort();
  file.write(bytes);
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const QTemporaryDir folder;
  const auto kind = static_cast<CANopen_Table_Kind>(data[0] % 3);
  const CANopen_File_Layout& layout = CANopen_Layout(kind);
  const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  const CANopen_Tables_Load load = Read_CANopen_Tables(Put(folder, layout.file_name, bytes), kind);
  for (size_t list = 0; list < 2; ++list) {
    const std::vector<CANopen_Row>& rows = load.tables.lists[list];
    if (rows.size() > static_cast<size_t>(layout.max_rows)) std::abort();
    for (const CANopen_Row& row : rows)
      if (row.size() != layout.lists[list].columns.size()) std::abort();
  }

  const QByteArray text = CANopen_Tables_Text(load.tables, kind, 6);
  const CANopen_Tables_Load again = Read_CANopen_Tables(Put(folder, layout.file_name, text), kind);
  if (!again.Complete() || CANopen_Tables_Text(again.tables, kind, 6) != text) std::abort();
  return 0;
}
