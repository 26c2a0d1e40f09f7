#include "grid/settings/column_size_store.h"

#include "grid/theme/registry_ini.h"
#include "platform/number_entry.h"

namespace {

QString Registry_Key(const QString& Key, const QString& Section) { return Key + QLatin1Char('\\') + Section; }

}  // namespace

Column_Size_Store::Column_Size_Store(TColumnSizeLocation Location, const QString& Key, const QString& Section)
    : location_(Location), key_(Key), section_(Section) {
  if (location_ == clIniFile) ini_ = Ini_File::Open(Key);
}

std::optional<int> Column_Size_Store::Read(const QString& name) const {
  std::optional<QString> text;
  if (location_ == clIniFile) {
    text = ini_.Read(section_, name);
  } else {
    for (const auto& [written, value] : pending_)
      if (written.compare(name, Qt::CaseInsensitive) == 0) text = value;
    if (!text) text = registry_ini::Read_String(Registry_Key(key_, section_), name);
  }
  int32_t value = 0;
  if (!text || !Try_Read_Number(*text, value)) return std::nullopt;
  return value;
}

void Column_Size_Store::Write(const QString& name, int value) {
  if (location_ == clIniFile)
    ini_.Write_Integer(section_, name, value);
  else
    pending_.emplace_back(name, QString::number(value));
}

void Column_Size_Store::Flush() {
  if (location_ == clIniFile) {
    ini_.Update();
  } else if (!pending_.empty()) {
    registry_ini::Write_Values(Registry_Key(key_, section_), pending_);
    pending_.clear();
  }
}
