#pragma once
// The grid drop-down's columns and items. A column describes how the inner
// grid shows one text of every item; an item holds one text per column and
// an image index. These are the grid drop-down's own types; the
// multi-column drop-down has types of the same names in its own namespace.
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <functional>

#include "controls/alignment.h"
#include "controls/tcolor.h"

namespace grid_drop_down {

enum TColumnType { ctText, ctImage };

struct TDropDownColumn {
  // Rows grow to wrap this column's text.
  bool Wordwrap = false;
  int Width = 80;
  // The width follows the widest item when the popup opens.
  bool AutoSize = false;
  QString Header;
  ::TAlignment Alignment = taLeftJustify;
  TColor Color = 0xFFFFFF;
  // ctImage: the item's image counts in the column's auto width.
  TColumnType ColumnType = ctText;
  // Measures the column's texts.
  QFont Font;
  // Stored and copied only.
  bool Ellipsis = false;

  void Assign(const TDropDownColumn& Source) { *this = Source; }
};

struct TDropDownItem {
  int ImageIndex = -1;
  // Line i is the item's text in column i.
  QStringList Text;

  // Copies the image index and the texts.
  void Assign(const TDropDownItem& Source) { *this = Source; }
  // The text in Column, empty when the item has no such line.
  QString Column_Text(int Column) const { return Column >= 0 && Column < Text.size() ? Text[Column] : QString(); }
};

// A collection with the owner given at creation and a change notice.
template <class T>
class TDropDownCollection {
 public:
  explicit TDropDownCollection(void* AOwner = nullptr) : FMyOwner(AOwner) {}
  void* GetOwner() const { return FMyOwner; }
  int Count() const { return int(FList.size()); }
  T& Add() {
    T& added = FList.emplace_back();
    Changed();
    return added;
  }
  // A fresh element at Index (clamped to the collection).
  T& Insert(int Index) {
    Index = std::clamp(Index, 0, Count());
    FList.insert(Index, T());
    Changed();
    return FList[Index];
  }
  T& Items(int Index) { return FList[Index]; }
  const T& Items(int Index) const { return FList[Index]; }
  void SetItems(int Index, const T& Value) {
    FList[Index].Assign(Value);
    Changed();
  }
  void Delete(int Index) {
    FList.removeAt(Index);
    Changed();
  }
  void Clear() {
    FList.clear();
    Changed();
  }
  // Copies the elements, not the owner or the change notice.
  void Assign(const TDropDownCollection& Source) {
    if (&Source == this) return;
    FList.clear();
    for (const T& item : Source.FList) FList.emplace_back().Assign(item);
    Changed();
  }

  std::function<void()> OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange();
  }
  void* FMyOwner;
  QList<T> FList;
};

using TDropDownColumns = TDropDownCollection<TDropDownColumn>;
using TDropDownItems = TDropDownCollection<TDropDownItem>;

}  // namespace grid_drop_down
