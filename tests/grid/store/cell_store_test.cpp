#include "grid/store/cell_store.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

// A grid stand-in: fixed counts, records repaints.
class Fake_Owner : public Cell_Store_Owner {
 public:
  int cols = 5;
  int rows = 8;
  std::set<std::pair<int, int>> repainted;
  int TotalColCount() const override { return cols; }
  int Store_Row_Count() const override { return rows; }
  bool WordWrap() const override { return false; }
  void Initial_Cell_Look(int, int, TCellProperties& props) override { props.SetBrushColor(0x123456); }
  void RepaintCell(int c, int r) override { repainted.insert({c, r}); }
};

class Owned_Graphic : public TCellObjectBase {
 public:
  explicit Owned_Graphic(int* alive) : alive_(alive) { ++*alive_; }
  ~Owned_Graphic() override { --*alive_; }
  bool Owned_By_Grid() const override { return true; }

 private:
  int* alive_;
};

class CellStore : public ::testing::Test {
 protected:
  Fake_Owner owner;
  Cell_Store store{&owner};
  void SetUp() override { store.Reserve_Rows(owner.rows); }
};

TEST_F(CellStore, MergedBlockKeepsCoveredTexts) {
  store.Set_Text(1, 1, "B");
  store.Set_Text(3, 2, "own");
  store.MergeCells(1, 1, 3, 2);
  EXPECT_TRUE(store.IsBaseCell(1, 1));
  EXPECT_EQ(store.CellSpan(1, 1), QPoint(2, 1));
  EXPECT_FALSE(store.IsBaseCell(3, 2));
  EXPECT_EQ(store.CellSpan(3, 2), QPoint(2, 1));
  EXPECT_EQ(store.BaseCell(3, 2), QPoint(1, 1));
  EXPECT_EQ(store.CellExt(2, 1), QPoint(1, 1));
  EXPECT_EQ(store.FullCell(2, 2), (TGridRect{1, 1, 3, 2}));
  EXPECT_TRUE(store.IsMergedNonBaseCell(2, 1));
  EXPECT_FALSE(store.IsMergedNonBaseCell(1, 1));
  EXPECT_TRUE(store.IsXMergedCell(3, 2));
  EXPECT_TRUE(store.IsYMergedCell(3, 2));
  EXPECT_EQ(store.Text(3, 2), "own");
  EXPECT_EQ(store.MergeCount(), 1);
  // Every cell of the block was repainted.
  EXPECT_EQ(owner.repainted.size(), 6u);
  store.SplitCells(2, 2);
  EXPECT_FALSE(store.IsMergedCell(3, 2));
  EXPECT_EQ(store.BaseCell(3, 2), QPoint(3, 2));
  EXPECT_EQ(store.Text(3, 2), "own");
  EXPECT_EQ(store.MergeCount(), 0);
  int base_col, base_row;
  EXPECT_TRUE(store.FindBaseCell(3, 2, base_col, base_row));
}

TEST_F(CellStore, DegenerateMergesAndSplitsStillCount) {
  store.MergeCells(1, 1, 0, 3);
  EXPECT_FALSE(store.HasCellProperties(1, 1));
  EXPECT_EQ(store.MergeCount(), 1);
  store.SplitCells(2, 2);
  EXPECT_EQ(store.MergeCount(), 0);
  store.MergeCells(1, 1, 1, 1);
  EXPECT_TRUE(store.IsBaseCell(1, 1));
  EXPECT_FALSE(store.IsMergedCell(1, 1));
  EXPECT_EQ(store.CellSpan(1, 1), QPoint(0, 0));
}

TEST_F(CellStore, MergeIsClippedRefusedOutsideAndSplitsOverlaps) {
  store.MergeCells(3, 6, 5, 5);  // reaches past 5 columns and 8 rows
  EXPECT_EQ(store.FullCell(3, 6), (TGridRect{3, 6, 4, 7}));
  EXPECT_FALSE(store.HasCellProperties(5, 6));
  store.MergeCells(9, 9, 2, 2);
  EXPECT_FALSE(store.HasCellProperties(9, 9));
  store.MergeCells(-1, 0, 2, 2);
  EXPECT_FALSE(store.HasCellProperties(0, 0));

  store.MergeCells(0, 0, 3, 3);
  store.MergeCells(2, 2, 2, 2);  // overlaps the first block's corner
  EXPECT_FALSE(store.IsMergedCell(0, 0));
  EXPECT_FALSE(store.IsMergedCell(1, 1));
  EXPECT_EQ(store.BaseCell(3, 3), QPoint(2, 2));
  EXPECT_EQ(store.FullCell(2, 2), (TGridRect{2, 2, 3, 3}));
}

TEST_F(CellStore, QueriesOutsideTheGridAreUnmerged) {
  for (auto [c, r] : {std::pair{-1, 0}, {0, -1}, {5, 0}, {0, 8}}) {
    EXPECT_TRUE(store.IsBaseCell(c, r));
    EXPECT_EQ(store.CellSpan(c, r), QPoint(0, 0));
    EXPECT_EQ(store.BaseCell(c, r), QPoint(c, r));
  }
  // Properties asked for outside the grid are a detached scratch object.
  TCellProperties* scratch = store.GetCellProperties(7, 20);
  ASSERT_NE(scratch, nullptr);
  scratch->SetBrushColor(0xFF);
  EXPECT_EQ(store.Object(7, 20), nullptr);
}

TEST_F(CellStore, PropertiesAreCreatedOnceWithTheOwnersLook) {
  TCellProperties* first = store.GetCellProperties(2, 3);
  EXPECT_EQ(first, store.GetCellProperties(2, 3));
  EXPECT_EQ(first->BrushColor(), 0x123456u);
  EXPECT_FALSE(first->WordWrap());
  EXPECT_TRUE(first->IsBaseCell());
  EXPECT_EQ(first->CellSpanX(), -1);
  EXPECT_TRUE(store.HasCellProps());
  EXPECT_EQ(store.Text(2, 3), "");
  // Plain reads never create properties.
  store.IsMergedCell(1, 1);
  store.BaseCell(1, 1);
  EXPECT_EQ(store.Object(1, 1), nullptr);
}

TEST_F(CellStore, FreeingReleasesGridOwnedGraphics) {
  int alive = 0;
  store.GetCellProperties(1, 1)->SetGraphicObject(new Owned_Graphic(&alive));
  store.GetCellProperties(2, 1)->SetGraphicObject(new Owned_Graphic(&alive));
  store.GetCellProperties(3, 1)->SetGraphicObject(new Owned_Graphic(&alive));
  EXPECT_EQ(alive, 3);
  store.FreeCellProperties(1, 1);
  EXPECT_EQ(alive, 2);
  store.SetCellProperties(2, 1, new TCellProperties(&owner, 2, 1));
  EXPECT_EQ(alive, 1);
  store.FreeCellPropertiesRange(0, 0, 4, 7);
  EXPECT_EQ(alive, 0);
  EXPECT_EQ(store.Object(2, 1), nullptr);
  {
    Cell_Store local(&owner);
    local.Reserve_Rows(owner.rows);
    local.GetCellProperties(4, 4)->SetGraphicObject(new Owned_Graphic(&alive));
    EXPECT_EQ(alive, 1);
  }
  EXPECT_EQ(alive, 0);
}

TEST_F(CellStore, RowsBeyondTheCountAreKeptSparsely) {
  store.Set_Text(1, owner.rows + 5, "x");
  store.Set_Text(1, 10000000, "far");
  EXPECT_EQ(store.Text(1, owner.rows + 5), "x");
  EXPECT_EQ(store.Filled_Cells(), 2u);
  store.Reserve_Rows(owner.rows + 6);
  EXPECT_EQ(store.Text(1, owner.rows + 5), "x");
  EXPECT_EQ(store.Text(1, 10000000), "far");
  store.Set_Text(1, 10000000, "");
  EXPECT_EQ(store.Filled_Cells(), 1u);
  store.Set_Text(-1, 2, "no");
  EXPECT_EQ(store.Filled_Cells(), 1u);
}

TEST_F(CellStore, RowsAndColumnsMoveWithTheirProperties) {
  for (int r = 0; r < 5; ++r) store.Set_Text(0, r, QString::number(r));
  TCellProperties* props = store.GetCellProperties(0, 1);
  store.Move_Row(1, 3);
  EXPECT_EQ(store.Text(0, 1), "2");
  EXPECT_EQ(store.Text(0, 3), "1");
  EXPECT_EQ(store.Object(0, 3), props);
  store.Move_Row(3, 1);
  EXPECT_EQ(store.Text(0, 1), "1");
  EXPECT_EQ(store.Text(0, 3), "3");
  for (int c = 0; c < 4; ++c) store.Set_Text(c, 0, QString(QChar('a' + c)));
  store.Move_Column(0, 2);
  EXPECT_EQ(store.Text(0, 0), "b");
  EXPECT_EQ(store.Text(1, 0), "c");
  EXPECT_EQ(store.Text(2, 0), "a");
  EXPECT_EQ(store.Text(3, 0), "d");
  EXPECT_EQ(store.Text(2, 1), "1");  // column 0 of row 1 moved along
}

// Properties travel with a row taken out of the store and put back elsewhere;
// a row put over one that still names properties gives those up without
// freeing them; the table slot a freed cell gave up serves the next cell with
// properties and never makes the old cell show them again.
TEST_F(CellStore, PropertiesTravelWithRowsAndFreedSlotsServeNewCells) {
  store.Set_Text(0, 1, "a");
  store.Set_Text(2, 1, "b");
  TCellProperties* p = store.GetCellProperties(2, 1);
  TCellProperties* q = store.GetCellProperties(4, 2);
  std::vector<Cell_Store::Cell_Copy> taken = store.Take_Row(1);
  ASSERT_EQ(taken.size(), 2u);
  EXPECT_EQ(taken[0].props, nullptr);
  EXPECT_EQ(taken[1].props, p);
  EXPECT_EQ(store.Object(2, 1), nullptr);
  EXPECT_EQ(store.Text(0, 1), "");
  std::vector<Cell_Store::Cell_Copy> row2 = store.Take_Row(2);
  store.Put_Row(2, std::move(taken));
  store.Put_Row(5, std::move(row2));
  EXPECT_EQ(store.Text(0, 2), "a");
  EXPECT_EQ(store.Object(2, 2), p);
  EXPECT_EQ(store.Object(4, 2), nullptr);
  EXPECT_EQ(store.Object(4, 5), q);

  // Row 5's cells copied to row 6, then row 5 replaced: q now belongs to row 6 alone.
  store.Put_Row(6, store.Row_Cells(5));
  EXPECT_EQ(store.Object(4, 5), q);
  store.Put_Row(5, {});
  EXPECT_EQ(store.Object(4, 5), nullptr);
  EXPECT_EQ(store.Object(4, 6), q);

  store.FreeCellProperties(2, 2);
  EXPECT_EQ(store.Object(2, 2), nullptr);
  EXPECT_EQ(store.Text(2, 2), "b");
  TCellProperties* fresh = store.GetCellProperties(3, 3);
  EXPECT_EQ(store.Object(3, 3), fresh);
  EXPECT_EQ(store.Object(2, 2), nullptr);
  EXPECT_EQ(store.Object(4, 6), q);

  store.FreeCellPropertiesRange(0, 0, 4, 7);
  EXPECT_FALSE(store.HasCellProperties(4, 6));
  EXPECT_FALSE(store.HasCellProperties(3, 3));
  EXPECT_EQ(store.Text(0, 2), "a");
  EXPECT_EQ(store.Filled_Cells(), 2u);
}

// A row knows whether its cells may hold properties without its block being
// read; that knowledge must follow the row through every kind of move, or a
// moved cell would lose its properties to a row that had none.
TEST_F(CellStore, PropertiesFollowRowsThroughEveryMove) {
  for (int r = 0; r < 8; ++r) store.Set_Text(1, r, QString::number(r));
  TCellProperties* p = store.GetCellProperties(1, 2);
  store.Swap_Rows(2, 5);
  EXPECT_EQ(store.Object(1, 5), p);
  EXPECT_EQ(store.Object(1, 2), nullptr);
  store.Permute_Rows(4, {7, 6, 5, 4});  // row 5 goes to 6
  EXPECT_EQ(store.Object(1, 6), p);
  EXPECT_EQ(store.Text(1, 6), "2");
  store.Insert_Rows(1, 2);
  EXPECT_EQ(store.Object(1, 8), p);
  store.Delete_Rows(0, 3);
  EXPECT_EQ(store.Object(1, 5), p);
  EXPECT_EQ(store.Text(1, 5), "2");
  for (int r = 0; r < 8; ++r) {
    if (r != 5) {
      EXPECT_EQ(store.Object(1, r), nullptr) << r;
    }
  }

  // A row written beyond the row vector keeps its properties when the grid grows over it.
  owner.rows = 20;
  TCellProperties* far = store.GetCellProperties(3, 15);
  store.Reserve_Rows(20);
  EXPECT_EQ(store.Object(3, 15), far);
  // A row emptied and refilled forgets nothing it still holds.
  store.FreeCellProperties(1, 5);
  EXPECT_EQ(store.Object(1, 5), nullptr);
  TCellProperties* again = store.GetCellProperties(0, 5);
  EXPECT_EQ(store.Object(0, 5), again);
  EXPECT_EQ(store.Text(1, 5), "2");
}

TEST_F(CellStore, SpanComparisons) {
  EXPECT_FALSE(store.ColSpanIdentical(1, 2));
  store.MergeCells(1, 2, 2, 1);
  EXPECT_TRUE(store.ColSpanIdentical(1, 2));
  store.MergeCells(2, 4, 2, 1);  // only column 2 of the pair merged in row 4
  EXPECT_FALSE(store.ColSpanIdentical(1, 2));

  EXPECT_FALSE(store.RowSpanIdentical(5, 6));
  store.MergeCells(0, 5, 1, 2);
  EXPECT_TRUE(store.RowSpanIdentical(5, 6));
  EXPECT_EQ(store.MinRowSpan(5), 1);
  EXPECT_EQ(store.MaxRowSpan(5), 1);
  EXPECT_EQ(store.MinRowSpan(0), owner.rows);
  EXPECT_EQ(store.MaxRowSpan(0), 0);
}

}  // namespace

// Only cells holding properties are listed, in row order, within the limits;
// rows kept beyond the grid's count count like the others.
TEST_F(CellStore, CellsWithPropertiesWithinLimits) {
  store.GetCellProperties(3, 2);
  store.GetCellProperties(1, 1);
  store.Set_Text(2, 2, "text only");
  store.GetCellProperties(4, 7);
  store.Set_Object(1, 20, new TCellProperties(&owner, 1, 20));
  using Cells = std::vector<QPoint>;
  EXPECT_EQ(store.Cells_With_Properties(4, 8), (Cells{{1, 1}, {3, 2}}));
  EXPECT_EQ(store.Cells_With_Properties(5, 100), (Cells{{1, 1}, {3, 2}, {4, 7}, {1, 20}}));
  EXPECT_EQ(store.Cells_With_Properties(5, 20), (Cells{{1, 1}, {3, 2}, {4, 7}}));
  EXPECT_TRUE(store.Cells_With_Properties(0, 8).empty());
  EXPECT_TRUE(store.Cells_With_Properties(5, -1).empty());
}
