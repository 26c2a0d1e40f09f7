#pragma once
// The cell store beneath the grid: per cell a text and an optional
// TCellProperties, plus the merge model built on those properties.
//
// Storage is sparse. Rows up to the largest row count the grid has had are
// held by value in one vector (an empty row holds no block); rows written
// further out live in an ordered map until the grid grows over them. Inside a
// row only filled cells are kept, ordered by column; a row takes room for the
// grid's columns when first written, so filling it costs one block. Memory so
// grows with the written rows and the grid's row count, never with all
// rows x columns. A stored cell is its text and column; the few cells with
// properties name a slot of the store's properties table, so a cell that holds
// only text takes 32 bytes, not the 40 of a text, a column and a pointer.
//
// The store owns every TCellProperties in its slots and the cell objects that
// say the grid owns them. Cells written beyond the grid's counts are kept
// (not shown); merge queries treat cells outside the counts as unmerged cells
// without properties.
#include <QPoint>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "grid/store/cell_properties.h"
#include "grid/store/grid_types.h"

class Cell_Store {
 public:
  // One cell as rows move between the store and hidden-row records: the
  // properties pointer travels with it (ownership included).
  struct Cell_Copy {
    int col;
    QString text;
    TCellProperties* props = nullptr;
  };

  explicit Cell_Store(Cell_Store_Owner* owner);
  ~Cell_Store();
  Cell_Store(const Cell_Store&) = delete;
  Cell_Store& operator=(const Cell_Store&) = delete;

  // Raw slots: no base-cell redirection, no hooks, no repaint. Negative
  // coordinates read empty and are not written.
  QString Text(int c, int r) const;
  void Set_Text(int c, int r, const QString& text);
  TCellProperties* Object(int c, int r) const;
  // Stores the pointer without freeing what was there (rows and columns that
  // move carry their properties with them).
  void Set_Object(int c, int r, TCellProperties* props);

  // Rows below `rows` become reachable through the row vector (called when the
  // grid's row count grows); rows written further out join them.
  void Reserve_Rows(int rows);
  // The row (column) at `from` goes to `to`, those between shift by one.
  void Move_Row(int from, int to);
  void Move_Column(int from, int to);
  // Exchanges two rows (two storage columns in every row), properties and
  // merge spans included.
  void Swap_Rows(int r1, int r2);
  void Swap_Columns(int c1, int c2);
  // Puts the rows first..first + order.size() - 1 in a new order in one
  // pass: row first + k gets what row order[k] held (properties and merge
  // spans included). `order` holds each of those rows once.
  void Permute_Rows(int first, const std::vector<int>& order);
  // Inserts `count` empty rows at `at`; the rows from `at` on move down.
  void Insert_Rows(int at, int count);
  // Removes `count` rows at `at`, freeing what they still hold; the rows
  // below move up.
  void Delete_Rows(int at, int count);

  // Takes the row's cells out of the store (the row is left empty).
  std::vector<Cell_Copy> Take_Row(int r);
  // The row's cells, without taking them (properties stay in the store).
  std::vector<Cell_Copy> Row_Cells(int r) const;
  // Replaces the row's cells; the store owns the given properties. Whatever
  // the row held is dropped without freeing (callers took or moved it).
  void Put_Row(int r, std::vector<Cell_Copy> cells);
  // Inserts `count` empty columns at storage column `at` in every row.
  void Insert_Columns(int at, int count);
  // Removes `count` storage columns at `at` in every row, freeing them.
  void Delete_Columns(int at, int count);

  // Reads column c of the rows first..last in storage order without copying
  // a text: visit(r, text, has_props) for each row, text nullptr for a cell
  // the row does not hold. The texts stay valid until the store changes.
  template <typename Visit>
  void Visit_Column(int c, int first, int last, Visit visit) const;
  // One cell's stored text without a copy (nullptr when the row does not
  // hold the cell) and whether the cell has properties.
  const QString* Stored_Text(int c, int r, bool& has_props) const {
    const Entry* entry = Find_Entry(c, r);
    has_props = entry && entry->slot != 0;
    return entry ? &entry->text : nullptr;
  }

  // Frees every text and property object.
  void Clear();
  size_t Filled_Cells() const;

  // ---- properties
  bool HasCellProperties(int c, int r) const;
  // Created on first demand with the owner's initial look. A cell outside the
  // grid gets a detached scratch object: writes to it change no cell.
  TCellProperties* GetCellProperties(int c, int r);
  // Frees the current properties (and a cell object the grid owns) and stores
  // `value`, which the store then owns.
  void SetCellProperties(int c, int r, TCellProperties* value);
  void FreeCellProperties(int c, int r);
  void FreeCellPropertiesRange(int FromCol, int FromRow, int ToCol, int ToRow);
  // The cells below column ColLimit and row RowLimit that hold properties,
  // row by row: walks the stored cells, not the whole rectangle.
  std::vector<QPoint> Cells_With_Properties(int ColLimit, int RowLimit) const;
  bool HasCellProps() const { return FHasCellProps; }
  void Set_HasCellProps(bool value) { FHasCellProps = value; }

  // ---- merge model
  bool IsBaseCell(int c, int r) const;
  bool IsMergedCell(int c, int r) const;
  bool IsMergedNonBaseCell(int c, int r) const;
  bool IsXMergedCell(int c, int r) const;
  bool IsYMergedCell(int c, int r) const;
  QPoint BaseCell(int c, int r) const;
  QPoint CellSpan(int c, int r) const;
  QPoint CellExt(int c, int r) const;
  TGridRect FullCell(int c, int r) const;
  bool FindBaseCell(int c, int r, int& BaseCol, int& BaseRow) const;
  int MinRowSpan(int ARow) const;
  int MaxRowSpan(int ARow) const;
  bool RowSpanIdentical(int ARow1, int ARow2) const;
  bool ColSpanIdentical(int ACol1, int ACol2) const;
  // The block is clipped to the grid; a base outside the grid is refused.
  // Blocks it overlaps are split first. Every call counts, as every
  // SplitCells call counts down.
  void MergeCells(int c, int r, int spanx, int spany);
  void SplitCells(int c, int r);
  int MergeCount() const { return FMergeCount; }

 private:
  // A stored cell. Slot 0 names no properties.
  struct Entry {
    QString text;
    int col;
    uint32_t slot = 0;
  };
  // A row's cells, and whether any of them may name properties: the flag
  // lives beside the block pointers, so asking a row without properties for
  // a cell's properties (nodes, merges, cell types on every row) reads no
  // block. It is set when a cell gets properties and cleared only when the
  // row is rebuilt or emptied; a stale set flag only costs the search. It
  // moves with the row however rows are exchanged.
  struct Row : std::vector<Entry> {
    bool may_hold_props = false;
    void swap(Row& other) noexcept {
      std::vector<Entry>::swap(other);
      std::swap(may_hold_props, other.may_hold_props);
    }
  };

  // The properties table: a slot per cell with properties, reused once freed.
  uint32_t Take_Slot(TCellProperties* props);
  // Empties the entry's slot and returns what it held (the caller frees it or hands it on).
  TCellProperties* Release_Slot(Entry& entry);
  TCellProperties* Props(const Entry& entry) const { return slots_[entry.slot]; }
  Cell_Copy Copy_Of(const Entry& entry) const { return Cell_Copy{entry.col, entry.text, Props(entry)}; }

  const Row* Find_Row(int r) const;
  Row& Row_For_Write(int r);
  void Make_Room(Row& row);
  static const Entry* Find_In_Row(const Row* row, int c);
  const Entry* Find_Entry(int c, int r) const;
  Entry* Entry_For_Write(int c, int r);
  void Drop_If_Empty(int c, int r);
  void Free_Props(TCellProperties* props);
  bool Inside(int c, int r) const;
  void Split_Block(int c, int r, bool repaint);
  template <typename F>
  void For_Each_Row(F f);

  Cell_Store_Owner* owner_;
  std::vector<Row> rows_;
  std::map<int, Row> far_rows_;
  std::vector<TCellProperties*> slots_{nullptr};
  std::vector<uint32_t> free_slots_;
  size_t used_slots_ = 0;  // cells with properties; none makes every properties query an early no
  std::unique_ptr<TCellProperties> scratch_;
  bool FHasCellProps = false;
  int FMergeCount = 0;
};

template <typename Visit>
void Cell_Store::Visit_Column(int c, int first, int last, Visit visit) const {
  auto find = [c](const Row& row) -> const Entry* {
    // Rows are short: a forward walk beats a binary search.
    for (const Entry& entry : row) {
      if (entry.col == c) return &entry;
      if (entry.col > c) break;
    }
    return nullptr;
  };
  first = std::max(first, 0);
  const int dense_end = std::min(last + 1, int(rows_.size()));
  // The row blocks and their texts lie anywhere on the heap: they are asked
  // for a few rows ahead so that the misses overlap.
  constexpr int Ahead = 24;
  for (int r = first; r < dense_end; ++r) {
    if (r + Ahead < dense_end) __builtin_prefetch(rows_[size_t(r + Ahead)].data());
    if (r + Ahead / 2 < dense_end) {
      const Row& next = rows_[size_t(r + Ahead / 2)];
      if (const Entry* e = find(next)) __builtin_prefetch(e->text.constData());
    }
    const Entry* e = find(rows_[size_t(r)]);
    visit(r, e ? &e->text : nullptr, e && e->slot != 0);
  }
  for (int r = std::max(first, dense_end); r <= last; ++r) {
    const Row* row = Find_Row(r);
    const Entry* e = row ? find(*row) : nullptr;
    visit(r, e ? &e->text : nullptr, e && e->slot != 0);
  }
}
