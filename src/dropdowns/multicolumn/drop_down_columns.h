#pragma once
// The multi-column drop-down's columns and items. A column describes how the
// list shows one text of every item; an item holds one text per column and
// an image index. These are the multi-column list's own types; the grid
// drop-down has types of the same names in its own namespace.
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <functional>

#include "controls/tcolor.h"

namespace multi_column {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TColumnType { ctText, ctImage };

struct TDropDownColumn {
  // Cell text wraps; rows grow to fit.
  bool Wordwrap = false;
  int Width = 80;
  // The width follows the widest item text when the popup opens.
  bool AutoSize = false;
  QString Header;
  TAlignment Alignment = taLeftJustify;
  TColor Color = 0xFFFFFF;
  // ctImage draws the item's image in front of the text.
  TColumnType ColumnType = ctText;
  QFont Font;
  // Over-long text ends in an ellipsis.
  bool Ellipsis = false;

  void Assign(const TDropDownColumn& Source) { *this = Source; }
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
  // Inserts a fresh element at Index (clamped to the collection).
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
    FList = Source.FList;
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

struct TDropDownItem {
  int ImageIndex = -1;
  // Line i is the item's text in column i.
  QStringList Text;

  void Assign(const TDropDownItem& Source) { *this = Source; }
  // The text in Column, empty when the item has no such line.
  QString Column_Text(int Column) const { return Column >= 0 && Column < Text.size() ? Text[Column] : QString(); }
};

class TDropDownItems : public TDropDownCollection<TDropDownItem> {
 public:
  using TDropDownCollection::TDropDownCollection;
  // The first item whose line Column equals Value exactly, -1 when none.
  int IndexInColumn(int Column, const QString& Value) const;
};

}  // namespace multi_column
