#pragma once
// The working state of one sort of a TZadIrururOziz: each row's key of a
// column is read once (text, its traits and the values the styles compare)
// and the rows are ordered on their indexes before any row moves; the order
// is then applied with the grid's SortSwapRows, one exchange per row out of
// place. Comparison events still run for each compared pair. Since nothing
// moves while the order is computed, an exception from an event leaves the
// grid as it was.
#include <QString>
#include <memory>
#include <vector>

#include "grid/core/grid_paint_look.h"
#include "grid/sort/sort_text_compare.h"
#include "grid/store/sort_style.h"

class TZadIrururOziz;

class Grid_Sorter {
 public:
  // Keys are kept for the rows First..Last; others are read per comparison.
  // LastCol is the rightmost column a tie may go on to.
  Grid_Sorter(TZadIrururOziz& Grid, int First, int Last, int LastCol);
  ~Grid_Sorter();

  int Compare_Cells(int ACol, int ARow1, int ARow2, TSortDirection Direction);
  // Ties going right while Full.
  int Compare_Rows(int ACol, int ARow1, int ARow2);
  int Compare_Rows_Indexed(int Index, int ARow1, int ARow2);

  // The rows L..R in sorted order (stable), as their current indexes.
  std::vector<int> Order(int ACol, int L, int R, int SortDir);
  std::vector<int> Order_Indexed(int L, int R);
  // Moves the rows so that row Order[k] ends at L + k.
  static void Apply(TZadIrururOziz& Grid, int L, const std::vector<int>& Order);

 private:
  static bool Apply_At_Once(TZadIrururOziz& Grid, int L, const std::vector<int>& Order);
  // Whether the grid's class keeps the string grid's SortSwapRows.
  static bool Keeps_Own_Swap(TZadIrururOziz& Grid);

 private:
  struct Row_Key;
  struct Column_Cache;
  Column_Cache& Column(int ACol);
  void Prepare(int ACol);
  // The column read straight from the store into order keys sorted by
  // radix (grid_sort_keys.cpp); false when the column needs another way.
  // `rows` (one ascending range, or rows that tied on the columns left of
  // ACol) in their new order.
  bool Key_Order(int ACol, std::vector<int>& rows, int SortDir);
  void Order_Ties(int ACol, std::vector<int>& run, int SortDir);
  bool Shown_Text_Is_Stored(int ACol);
  // The column's style, prefix and suffix for this run (asked once).
  struct Column_Format {
    TSortStyle style;
    const QString& prefix;
    const QString& suffix;
  };
  Column_Format Format(int ACol);
  bool Typed_Order(int ACol, int L, int R, int SortDir, std::vector<int>& rows, std::vector<QString>& texts);
  Row_Key& Key(Column_Cache& C, int ACol, int ARow, Row_Key& Scratch);
  const QString& Text(Row_Key& K, int ACol, int ARow);
  const grid_sort::Text_Traits& Traits(Row_Key& K, int ACol, int ARow);
  bool Is_Check_Box(Row_Key& K, int ACol, int ARow);

  TZadIrururOziz& FGrid;
  int FFirst, FLast, FLastCol;
  std::vector<std::unique_ptr<Column_Cache>> FColumns;
};
