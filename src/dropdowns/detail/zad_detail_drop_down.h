#pragma once
// TZadDetailDropDown: a drop-down edit that picks one of its detail items;
// the edit shows the chosen item's caption.
#include <QList>
#include <QString>

#include "dropdowns/base/zad_custom_drop_down.h"

struct TDetailItem {
  QString Caption;
  QString Notes;
  int ImageIndex = -1;
};

class TDetailItems {
 public:
  int Count() const { return int(FItems.size()); }
  TDetailItem& Add() { return FItems.emplace_back(); }
  TDetailItem& Items(int Index) { return FItems[Index]; }
  const TDetailItem& Items(int Index) const { return FItems[Index]; }
  void Clear() { FItems.clear(); }
  // The first item whose caption is AValue; -1 when none.
  int IndexOf(const QString& AValue) const;

 private:
  QList<TDetailItem> FItems;
};

class TZadDetailDropDown : public TZadCustomDropDown {
 public:
  explicit TZadDetailDropDown(QWidget* AOwner = nullptr);

  TDetailItems& Items() { return FItems; }
  int ItemIndex() const { return FItemIndex; }
  // The item's caption goes into the edit; -1 selects none.
  void SetItemIndex(int Value);

 private:
  TDetailItems FItems;
  int FItemIndex = -1;
};
