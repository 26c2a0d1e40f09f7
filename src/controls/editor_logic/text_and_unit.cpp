#include "controls/editor_logic/text_and_unit.h"

std::optional<Text_And_Unit> Split_Text_And_Unit(const QString& value, const QStringList& units) {
  const QString* best = nullptr;
  for (const QString& unit : units) {
    if (unit.isEmpty() || !value.endsWith(unit)) continue;
    if (!best || unit.size() > best->size()) best = &unit;
  }
  if (!best) return std::nullopt;
  return Text_And_Unit{value.left(value.size() - best->size()), *best};
}
