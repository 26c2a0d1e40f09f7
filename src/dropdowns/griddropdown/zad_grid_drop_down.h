#pragma once
// TCustomZadGridDropDown: a drop-down edit whose list is a string grid of
// its own. The rows come from its items (UseItems) or from what the
// application puts into the inner grid; the text of the lookup column is
// the one the edit shows.
#include <QList>
#include <QStringList>

#include "dropdowns/base/zad_custom_drop_down.h"
#include "grid/core/zad_irurur_oziz.h"

namespace grid_drop_down {

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

// The grid the popup shows.
class TZadColGrid : public TZadIrururOziz {
 public:
  explicit TZadColGrid(QWidget* AOwner = nullptr) : TZadIrururOziz(AOwner) {}
};

}  // namespace grid_drop_down

class TCustomZadGridDropDown : public TZadCustomDropDown {
 public:
  explicit TCustomZadGridDropDown(QWidget* AOwner = nullptr);
  ~TCustomZadGridDropDown() override;

  grid_drop_down::TDropDownItems& Items() { return FItems; }
  // The inner grid (made with the control, shown in the popup).
  grid_drop_down::TZadColGrid* Grid() const { return FGrid; }
  bool UseItems() const { return FUseItems; }
  void SetUseItems(bool Value) { FUseItems = Value; }
  int LookupColumn() const { return FLookupColumn; }
  void SetLookupColumn(int Value) { FLookupColumn = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int ItemIndex() const { return FItemIndex; }
  // The row's lookup text goes into the edit.
  void SetItemIndex(int Value);
  // The first row (the items with UseItems, else the inner grid's rows
  // below its fixed rows) whose lookup text starts with Text; a row with
  // no text in the lookup column reads as empty.
  bool FindLookupMatch(const QString& Text, QString& FoundText, int& Index) const;

 private:
  QString Row_Lookup_Text(int Index) const;
  int Row_Count() const;

  grid_drop_down::TDropDownItems FItems;
  grid_drop_down::TZadColGrid* FGrid = nullptr;
  bool FUseItems = true;
  int FLookupColumn = 0;
  bool FCaseSensitive = false;
  int FItemIndex = -1;
  int FUpdateCount = 0;
};
