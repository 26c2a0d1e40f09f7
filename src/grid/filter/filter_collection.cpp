#include "grid/filter/filter_collection.h"

void TFilterData::Assign(const TFilterData* Source) {
  if (!Source || Source == this) return;
  FColumn = Source->FColumn;
  FCondition = Source->FCondition;
  FCaseSensitive = Source->FCaseSensitive;
  FData = Source->FData;
  FPrefix = Source->FPrefix;
  FSuffix = Source->FSuffix;
  FOperation = Source->FOperation;
}

TFilterData* TFilter::Add() {
  FItems.push_back(std::make_unique<TFilterData>(this));
  FItems.back()->SetOperation(FItems.size() == 1 ? foNONE : foAND);
  return FItems.back().get();
}

TFilterData* TFilter::Insert(int index) {
  (void)index;
  FItems.push_back(std::make_unique<TFilterData>(this));
  return FItems.back().get();
}

void TFilter::Delete(int Index) {
  if (Index >= 0 && Index < Count()) FItems.erase(FItems.begin() + Index);
}

TFilterData* TFilter::GetColFilter(int Col) {
  for (const auto& item : FItems)
    if (item->Column() == Col) return item.get();
  TFilterData* added = Add();
  added->SetColumn(Col);
  return added;
}

bool TFilter::HasFilter(int Col) const {
  for (const auto& item : FItems)
    if (item->Column() == Col) return true;
  return false;
}

void TFilter::RemoveColumnFilter(int Col) {
  for (int i = Count() - 1; i >= 0; --i)
    if (FItems[i]->Column() == Col) FItems.erase(FItems.begin() + i);
  if (OnRepaintHeader) OnRepaintHeader(Col);
}
