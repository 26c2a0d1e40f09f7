#pragma once
#include <QList>
#include <QObject>
#include <QPointer>

// The controls registered for a notification. Entries are guarded pointers:
// a control destroyed without unregistering becomes a null entry that
// senders skip, never a dangling one.
class THandleList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  void Add(QObject* value) { items_.append(value); }
  // Out-of-range indexes are ignored.
  void Delete(int index);
  void Insert(int index, QObject* value);
  bool HasValue(const QObject* value) const;
  // Removes the first equal entry; nothing when absent.
  void DeleteValue(const QObject* value);
  QObject* Item(int index) const;
  void Set_Item(int index, QObject* value);

 private:
  QList<QPointer<QObject>> items_;
};
