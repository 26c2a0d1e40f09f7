#include "grid/store/control_list.h"

void TControlList::AddControl(int X, int Y, QObject* AObject) {
  items_.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->X() == X && items_[i]->Y() == Y) return int(i);
  return -1;
}

void TControlList::RemoveControl(int i) {
  if (i >= 0 && i < Count()) items_.erase(items_.begin() + i);
}

bool TControlList::HasHandle(const QObject* Handle) const {
  if (!Handle) return false;
  for (const auto& item : items_)
    if (item->Control() == Handle) return true;
  return false;
}
