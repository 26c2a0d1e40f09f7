#include "grid/columns/grid_column_collection.h"

#include <stdexcept>

#include "grid/columns/zad_column_grid.h"

TGridColumnCollection::TGridColumnCollection(TZadColumnGrid* AOwner) : FOwner(AOwner) {}

TGridColumnCollection::~TGridColumnCollection() {
  // The items go without reaching a grid that is going too.
  NoRecursiveUpdate = true;
  FItems.clear();
}

TGridColumnItem* TGridColumnCollection::GetItem(int Index) const {
  if (Index < 0 || Index >= Count())
    throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
  return FItems[size_t(Index)].get();
}

int TGridColumnCollection::IndexOf(const TGridColumnItem* Item) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i].get() == Item) return int(i);
  return -1;
}

TGridColumnItem* TGridColumnCollection::Make_Item() { return new TGridColumnItem(this); }

TGridColumnItem* TGridColumnCollection::Add() {
  FItems.emplace_back(Make_Item());
  TGridColumnItem* item = FItems.back().get();
  if (Count() > 1) {
    // The copy of the neighbour's look must not resize the grid half-way.
    ++FUpdateCount;
    item->AssignVisuals(*FItems[FItems.size() - 2]);
    --FUpdateCount;
  }
  Changed();
  return item;
}

TGridColumnItem* TGridColumnCollection::Insert(int Index) {
  if (Index < 0 || Index > Count()) throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
  FItems.emplace(FItems.begin() + Index, Make_Item());
  Changed();
  return FItems[size_t(Index)].get();
}

void TGridColumnCollection::Delete(int Index) {
  GetItem(Index);  // range check
  FItems.erase(FItems.begin() + Index);
  Changed();
}

void TGridColumnCollection::Exchange(int Index1, int Index2) {
  GetItem(Index1), GetItem(Index2);  // range check
  if (Index1 == Index2) return;
  std::swap(FItems[size_t(Index1)], FItems[size_t(Index2)]);
  Changed();
}

void TGridColumnCollection::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Changed();
}

void TGridColumnCollection::Assign(const TGridColumnCollection& Source) {
  if (&Source == this) return;
  BeginUpdate();
  FItems.clear();
  for (const auto& source : Source.FItems) {
    FItems.emplace_back(Make_Item());
    FItems.back()->Assign(*source);
  }
  EndUpdate();
}

void TGridColumnCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TGridColumnCollection::Update(TGridColumnItem* Item) {
  (void)Item;
  if (FUpdateCount > 0 || NoRecursiveUpdate || !FOwner) return;
  const int n = Count() - FOwner->NumHiddenColumns();
  if (n != FOwner->ColCount() && n > FOwner->FixedCols()) FOwner->SetColCount(n);
  FOwner->UpdateColumnHeaders();
  FOwner->InvalidateGrid();
}

void TGridColumnCollection::SetOrganization() {
  if (FOwner) {
    Column_Guard guard(*this);
    FOwner->SynchColumns();
  }
  for (int i = 0; i < Count(); ++i) FItems[size_t(i)]->FDefIdx = i;
}

void TGridColumnCollection::ResetOrganization() {
  if (!FOwner) return;
  // Design positions that are not a permutation of the item positions (a
  // damaged positions file) would move columns round forever: they leave the
  // order as it is.
  std::vector<bool> seen(FItems.size(), false);
  for (const auto& item : FItems) {
    const int d = item->DefIdx();
    if (d < 0 || d >= Count() || seen[size_t(d)]) return;
    seen[size_t(d)] = true;
  }
  for (;;) {
    bool moved = false;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
      const int target = FItems[size_t(i)]->DefIdx();
      if (target < i) {
        FOwner->MoveColumn(FOwner->DisplColIndex(i), FOwner->DisplColIndex(target));
        moved = true;
      }
    }
    if (!moved) return;
  }
}
