#include "grid/theme/handle_list.h"

void THandleList::Delete(int index) {
  if (index >= 0 && index < Count()) items_.removeAt(index);
}

void THandleList::Insert(int index, QObject* value) {
  if (index < 0 || index > Count()) return;
  items_.insert(index, value);
}

bool THandleList::HasValue(const QObject* value) const {
  for (const QPointer<QObject>& item : items_)
    if (item.data() == value) return true;
  return false;
}

void THandleList::DeleteValue(const QObject* value) {
  for (int i = 0; i < Count(); ++i) {
    if (items_[i].data() == value) {
      items_.removeAt(i);
      return;
    }
  }
}

QObject* THandleList::Item(int index) const { return index >= 0 && index < Count() ? items_[index].data() : nullptr; }

void THandleList::Set_Item(int index, QObject* value) {
  if (index >= 0 && index < Count()) items_[index] = value;
}
