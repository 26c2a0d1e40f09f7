#pragma once
// A list of pointers whose reads and writes past the end fail with a message
// naming the kind of access.
#include <QList>
#include <stdexcept>

template <class T>
class TDbgList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  void Add(T* Item) { FItems.append(Item); }
  void Clear() { FItems.clear(); }
  void AssignList(const TDbgList& ListA) { FItems = ListA.FItems; }
  T* GetItemsEx(int Index) const {
    if (Index < 0) throw std::out_of_range("List index out of bounds");
    if (Index >= Count()) throw std::runtime_error("Index out of bounds in list read access");
    return FItems[Index];
  }
  void SetItemsEx(int Index, T* Value) {
    if (Index >= Count()) throw std::runtime_error("Index out of bounds in list write access");
    if (Index < 0) throw std::out_of_range("List index out of bounds");
    FItems[Index] = Value;
  }
  T* Last() const { return FItems.isEmpty() ? nullptr : FItems.last(); }

 private:
  QList<T*> FItems;
};
