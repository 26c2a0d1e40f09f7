#pragma once
// Where ColumnSize keeps the widths and the column order: the INI file named
// by its Key (section Section), or the per-user registry key "Key\Section"
// (grid/theme/registry_ini.h). Values are integers under names such as
// "Col0" or "Pos3", matched without regard to case. Writes collect in memory
// until Flush.
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "grid/settings/ini_file.h"
#include "grid/store/column_size.h"

class Column_Size_Store {
 public:
  // Reads the INI file at once; throws Ini_File_Error when it exists and
  // cannot be read.
  Column_Size_Store(TColumnSizeLocation Location, const QString& Key, const QString& Section);

  std::optional<int> Read(const QString& name) const;
  void Write(const QString& name, int value);
  // Writes what was written back to the store; throws File_Write_Error.
  void Flush();

 private:
  TColumnSizeLocation location_;
  QString key_, section_;
  Ini_File ini_;
  std::vector<std::pair<QString, QString>> pending_;
};
