#pragma once
// TGridColumnCollection: the column items of a column grid, one per real
// column (hidden columns included), item i describing real column i.
//
// A change of the collection (an item added, removed or changed, the end of
// an update bracket) reaches the grid: the column count follows the item
// count and the header list is rebuilt. The grid sets NoRecursiveUpdate
// around its own count and order changes so that this does not come back to
// resize it.
#include <memory>
#include <vector>

#include "grid/columns/grid_column_item.h"

class TGridColumnCollection {
 public:
  explicit TGridColumnCollection(TZadColumnGrid* AOwner);
  ~TGridColumnCollection();
  TGridColumnCollection(const TGridColumnCollection&) = delete;
  TGridColumnCollection& operator=(const TGridColumnCollection&) = delete;

  TZadColumnGrid* Owner() const { return FOwner; }
  int Count() const { return int(FItems.size()); }
  // Throws std::out_of_range ("List index out of bounds (i)") outside 0..Count-1.
  TGridColumnItem* GetItem(int Index) const;
  TGridColumnItem* operator[](int Index) const { return GetItem(Index); }
  void SetItem(int Index, const TGridColumnItem& Value) { GetItem(Index)->Assign(Value); }
  int IndexOf(const TGridColumnItem* Item) const;

  // A new item at the end; beside another one it takes that one's look.
  TGridColumnItem* Add();
  // A fresh item (defaults only) at Index.
  TGridColumnItem* Insert(int Index);
  void Delete(int Index);
  // The two items change places (the same objects, now at each other's index).
  void Exchange(int Index1, int Index2);
  void Clear();
  // Replaces the items by copies of Source's.
  void Assign(const TGridColumnCollection& Source);

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }
  // The change notification (Item null: the collection as a whole).
  void Update(TGridColumnItem* Item);

  // Brings the items in step with the grid and makes their positions their
  // design order (DefIdx).
  void SetOrganization();
  // Moves grid columns (and their items) until every item stands at its DefIdx.
  void ResetOrganization();

  bool NoRecursiveUpdate = false;

 private:
  TGridColumnItem* Make_Item();
  void Changed() { Update(nullptr); }

  TZadColumnGrid* FOwner;
  std::vector<std::unique_ptr<TGridColumnItem>> FItems;
  int FUpdateCount = 0;
};

// Sets a collection's guard for its lifetime, restoring the previous value.
class Column_Guard {
 public:
  explicit Column_Guard(TGridColumnCollection& c) : c_(c), saved_(c.NoRecursiveUpdate) { c.NoRecursiveUpdate = true; }
  ~Column_Guard() { c_.NoRecursiveUpdate = saved_; }
  Column_Guard(const Column_Guard&) = delete;
  Column_Guard& operator=(const Column_Guard&) = delete;

 private:
  TGridColumnCollection& c_;
  bool saved_;
};
