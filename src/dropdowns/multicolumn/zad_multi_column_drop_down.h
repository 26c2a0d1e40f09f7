#pragma once
// TZadMultiColumnDropDown: a drop-down edit whose items hold one text per
// column; the text of the lookup column is the one the edit shows.
#include <QList>
#include <QStringList>

#include "dropdowns/base/zad_custom_drop_down.h"

namespace multi_column {

struct TDropDownItem {
  QStringList Text;
  int ImageIndex = -1;
};

class TDropDownItems {
 public:
  int Count() const { return int(FItems.size()); }
  TDropDownItem& Add() { return FItems.emplace_back(); }
  TDropDownItem& Items(int Index) { return FItems[Index]; }
  const TDropDownItem& Items(int Index) const { return FItems[Index]; }
  void Clear() { FItems.clear(); }

 private:
  QList<TDropDownItem> FItems;
};

}  // namespace multi_column

class TZadMultiColumnDropDown : public TZadCustomDropDown {
 public:
  explicit TZadMultiColumnDropDown(QWidget* AOwner = nullptr);

  multi_column::TDropDownItems& Items() { return FItems; }
  int LookupColumn() const { return FLookupColumn; }
  void SetLookupColumn(int Value) { FLookupColumn = Value; }
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  // The first item whose lookup text is Value; -1 when none.
  int GetItemIndex(const QString& Value) const;
  int ItemIndex() const { return FItemIndex; }
  // The item's lookup text goes into the edit.
  void SetItemIndex(int Value);
  // An item's text in the lookup column (empty when it has none).
  QString Lookup_Text(int Index) const;

 private:
  multi_column::TDropDownItems FItems;
  int FLookupColumn = 0;
  int FItemIndex = -1;
  int FUpdateCount = 0;
};
