#pragma once
// The columns and items of the list drop-downs (the grid drop-down and the
// multi-column drop-down). A column describes how the popup's list shows one
// text of every item; an item holds one text per column and an image index.
// Each drop-down names these types in its own namespace.
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <functional>

#include "controls/alignment.h"
#include "controls/tcolor.h"

namespace drop_down_list {

enum TColumnType { ctText, ctImage };

struct TDropDownColumn {
  // Cell text wraps; rows grow to fit.
  bool Wordwrap = false;
  int Width = 80;
  // The width follows the widest item when the popup opens.
  bool AutoSize = false;
  QString Header;
  ::TAlignment Alignment = taLeftJustify;
  TColor Color = 0xFFFFFF;
  // ctImage: the item's image stands in front of the text and counts in the
  // column's auto width.
  TColumnType ColumnType = ctText;
  // Measures and draws the column's texts.
  QFont Font;
  // Over-long text ends in an ellipsis (where the list draws its own cells).
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
  explicit TDropDownCollection(void* AOwner = nullptr) : FOwner(AOwner) {}
  void* GetOwner() const { return FOwner; }
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
  // Copies the elements, not the owner or the change notice; a copy from
  // itself changes nothing and gives no notice.
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
  void* FOwner;
  QList<T> FList;
};

using TDropDownColumns = TDropDownCollection<TDropDownColumn>;

}  // namespace drop_down_list
