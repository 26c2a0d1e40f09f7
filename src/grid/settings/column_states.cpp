#include "grid/settings/column_states.h"

#include <QStringList>

namespace {

// Decimal only: an optional "-" and digits, nothing else (no blanks, no "$").
bool Read_Decimal(const QString& text, int& value) {
  if (text.isEmpty() || text.size() > 11) return false;
  qsizetype i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
  if (i == text.size()) return false;
  for (qsizetype k = i; k < text.size(); ++k)
    if (text[k] < QLatin1Char('0') || text[k] > QLatin1Char('9')) return false;
  bool ok = false;
  value = text.toInt(&ok, 10);
  return ok;
}

std::vector<int> Read_List(const QString& field, int count, const char* what) {
  const QStringList parts = field.split(QLatin1Char(','));
  if (parts.size() < count)
    throw Column_States_Error(std::string("column states: too few ") + what + " entries");
  std::vector<int> values;
  values.reserve(size_t(count));
  for (int i = 0; i < count; ++i) {
    int value = 0;
    if (!Read_Decimal(parts[i], value))
      throw Column_States_Error(std::string("column states: '") + parts[i].toStdString() + "' is not a decimal number");
    values.push_back(value);
  }
  return values;
}

QString Join(const std::vector<int>& values) {
  QStringList parts;
  for (int v : values) parts << QString::number(v);
  return parts.join(QLatin1Char(','));
}

}  // namespace

bool Is_Permutation(const std::vector<int>& order) {
  std::vector<bool> seen(order.size(), false);
  for (int v : order) {
    if (v < 0 || size_t(v) >= order.size() || seen[size_t(v)]) return false;
    seen[size_t(v)] = true;
  }
  return true;
}

std::vector<int> Inverse_Order(const std::vector<int>& order) {
  std::vector<int> inverse(order.size(), 0);
  for (size_t i = 0; i < order.size(); ++i) inverse[size_t(order[i])] = int(i);
  return inverse;
}

Column_States Parse_Column_States(const QString& text) {
  const QStringList fields = text.split(QLatin1Char('#'));
  if (fields.size() < 4) throw Column_States_Error("column states: four fields expected");
  Column_States states;
  if (!Read_Decimal(fields[0], states.Count))
    throw Column_States_Error("column states: the column count is not a decimal number");
  if (states.Count < 1 || states.Count > Column_States::Max_Columns)
    throw Column_States_Error("column states: column count out of range");
  states.Widths = Read_List(fields[1], states.Count, "width");
  for (int w : states.Widths)
    if (w < 0 || w > 32767) throw Column_States_Error("column states: width out of range");
  if (!fields[2].isEmpty()) {
    states.Order = Read_List(fields[2], states.Count, "order");
    if (!Is_Permutation(states.Order)) throw Column_States_Error("column states: the order is not a permutation");
  }
  for (int v : Read_List(fields[3], states.Count, "visibility")) states.Visible.push_back(v != 0);
  return states;
}

QString Format_Column_States(const Column_States& states) {
  std::vector<int> visible;
  for (bool v : states.Visible) visible.push_back(v ? 1 : 0);
  return QString::number(states.Count) + QLatin1Char('#') + Join(states.Widths) + QLatin1Char('#') +
         Join(states.Order) + QLatin1Char('#') + Join(visible);
}
