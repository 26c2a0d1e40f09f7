#include "grid/store/int_list.h"

#include <QStringList>
#include <algorithm>
#include <stdexcept>

namespace {
constexpr uint32_t Descending_Bit = 0x80000000u;
constexpr uint32_t Column_Bits = 0x7FFFFFFFu;
}  // namespace

void TIntList::Changed() {
  if (OnChange) OnChange(this, FCol, FRow);
}

void TIntList::Add(int Value) {
  items_.push_back(Value);
  Changed();
}

void TIntList::Delete(int Index) {
  if (Index < 0 || Index >= Count()) throw std::out_of_range("List index out of bounds");
  items_.erase(items_.begin() + Index);
  Changed();
}

void TIntList::Insert(int Index, int Value) {
  if (Index < 0 || Index > Count()) throw std::out_of_range("List index out of bounds");
  items_.insert(items_.begin() + Index, Value);
}

void TIntList::SetInteger(int Index, int Value) {
  items_.at(size_t(Index)) = Value;
  Changed();
}

void TIntList::Permute(int First, const std::vector<int>& Order) {
  if (First < 0 || Order.empty()) return;
  auto at = [this](int i) { return i >= 0 && i < Count() ? items_[size_t(i)] : 0; };
  std::vector<int32_t> moved(Order.size());
  size_t needed = 0;
  bool changed = false;
  for (size_t k = 0; k < Order.size(); ++k) {
    if (k + 16 < Order.size() && size_t(Order[k + 16]) < items_.size())
      __builtin_prefetch(&items_[size_t(Order[k + 16])]);
    moved[k] = at(Order[k]);
    if (moved[k] != 0) needed = size_t(First) + k + 1;
    changed |= moved[k] != at(First + int(k));
  }
  if (!changed) return;
  // Entries past the end stay missing while they stay 0.
  if (items_.size() < needed) items_.resize(needed, 0);
  const size_t end = std::min(items_.size(), size_t(First) + Order.size());
  for (size_t i = size_t(First); i < end; ++i) items_[i] = moved[i - size_t(First)];
  Changed();
}

void TIntList::DeleteValue(int Value) {
  const auto it = std::find(items_.begin(), items_.end(), Value);
  if (it != items_.end()) Delete(int(it - items_.begin()));
}

bool TIntList::HasValue(int Value) const { return std::find(items_.begin(), items_.end(), Value) != items_.end(); }

QString TIntList::StrValue() const {
  QStringList parts;
  for (int32_t v : items_) parts << QString::number(v);
  return parts.join(',');
}

void TIntList::SetStrValue(const QString& value) {
  items_.clear();
  if (value.isEmpty()) return;
  for (const QString& part : value.split(',')) {
    bool ok = false;
    const int number = part.trimmed().toInt(&ok);
    if (!ok) throw std::invalid_argument(("'" + part + "' is not a valid integer value").toStdString());
    Add(number);
  }
}

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending) {
  Add(int32_t(uint32_t(ColumnIndex) | (Ascending ? 0u : Descending_Bit)));
}

int TSortIndexList::FindIndex(int ColumnIndex) const {
  for (int i = 0; i < Count(); ++i)
    if ((uint32_t(items_[size_t(i)]) & Column_Bits) == uint32_t(ColumnIndex)) return i;
  return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex) {
  const int i = FindIndex(ColumnIndex);
  if (i >= 0) SetInteger(i, int32_t(uint32_t(items_[size_t(i)]) ^ Descending_Bit));
}

int TSortIndexList::GetSortColumns(int i) const { return int(uint32_t(GetInteger(i)) & Column_Bits); }

void TSortIndexList::SetSortColumns(int i, int Column) {
  SetInteger(i, int32_t((uint32_t(GetInteger(i)) & Descending_Bit) | (uint32_t(Column) & Column_Bits)));
}

bool TSortIndexList::GetSortDirections(int i) const { return (uint32_t(GetInteger(i)) & Descending_Bit) == 0; }

void TSortIndexList::SetSortDirections(int i, bool Ascending) {
  const uint32_t v = uint32_t(GetInteger(i));
  SetInteger(i, int32_t(Ascending ? v & Column_Bits : v | Descending_Bit));
}

QString TSortIndexList::SaveToString() const {
  QStringList parts;
  for (int32_t v : items_) {
    const uint32_t u = uint32_t(v);
    parts << QString((u & Descending_Bit) ? 'd' : 'u') + QString::number(u & 0xFFFFu);
  }
  return parts.join(';');
}

void TSortIndexList::LoadFromString(const QString& s) {
  Clear();
  QString rest = s;
  while (!rest.isEmpty()) {
    const int sep = rest.indexOf(';');
    const QString part = sep < 0 ? rest : rest.left(sep);
    rest = sep < 0 ? QString() : rest.mid(sep + 1);
    if (part.size() < 2) continue;
    // Digits up to the first character that is not part of the number.
    int value = 0;
    for (int i = 1; i < part.size() && part[i] >= '0' && part[i] <= '9' && value < 100000000; ++i)
      value = value * 10 + (part[i].unicode() - '0');
    AddIndex(value, part[0] == 'u');
  }
}
