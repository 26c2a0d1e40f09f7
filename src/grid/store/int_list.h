#pragma once
// Integer lists of the grid: TIntList reports every change together with the
// cell it belongs to, so one handler can serve the lists of many cells;
// TSortIndexList is the multi-column sort order built on it.
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class TIntList;
using TImageChangeEvent = std::function<void(TIntList* Sender, int Acol, int Arow)>;

class TIntList {
 public:
  TIntList(int Col, int Row) : FCol(Col), FRow(Row) {}
  virtual ~TIntList() = default;

  int Count() const { return int(items_.size()); }
  void Clear() { items_.clear(); }
  void Add(int Value);
  void Delete(int Index);
  void Insert(int Index, int Value);  // no change event
  int GetInteger(int Index) const { return items_.at(size_t(Index)); }
  void SetInteger(int Index, int Value);
  // The entries First..First + Order.size() - 1 in a new order: entry
  // First + k gets what entry Order[k] held (missing entries read 0). One
  // change event when anything moved.
  void Permute(int First, const std::vector<int>& Order);
  void DeleteValue(int Value);
  bool HasValue(int Value) const;

  // "1,2,3": the entries in decimal joined by commas. Writing empties the list
  // and adds every item (one change event each); an item that is not a number
  // throws std::invalid_argument after the items before it were added.
  QString StrValue() const;
  void SetStrValue(const QString& value);

  TImageChangeEvent OnChange;
  int Col() const { return FCol; }
  int Row() const { return FRow; }

 protected:
  void Changed();
  std::vector<int32_t> items_;

 private:
  int FCol;
  int FRow;
};

// One entry per sort column in priority order: the column in bits 0..30,
// bit 31 set for descending.
//
// Text form (SaveToString/LoadFromString): entries joined by ";", each "u"
// (ascending) or "d" (descending) followed by the decimal column number (low
// 16 bits), e.g. "u2;d0". On loading, parts shorter than two characters are
// skipped and only a lower-case "u" means ascending.
class TSortIndexList : public TIntList {
 public:
  TSortIndexList() : TIntList(0, 0) {}

  void AddIndex(int ColumnIndex, bool Ascending);
  int FindIndex(int ColumnIndex) const;
  void ToggleIndex(int ColumnIndex);
  int GetSortColumns(int i) const;
  void SetSortColumns(int i, int Column);
  bool GetSortDirections(int i) const;
  void SetSortDirections(int i, bool Ascending);
  QString SaveToString() const;
  void LoadFromString(const QString& s);
};
