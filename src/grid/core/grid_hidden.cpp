// Hidden rows and columns of TZadIrururOziz. A hidden row leaves the grid:
// its cells (properties included) move into a pooled TGridItem record. A
// hidden column stays in storage and leaves only the display.
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "grid/core/zad_irurur_oziz.h"

namespace {
constexpr int Max_Hideable_Column = 511;

// Hidden-row records live in 64 KB blocks aligned to their size, so that a
// record finds its block from its own address. Each block keeps its free
// slots; blocks with room are chained, and a new record fills them before a
// new block is taken, so records made together lie together. Blocks emptied
// while an operation runs are kept until the event loop next turns: showing
// every group and closing them again reuses them instead of handing them
// back to the system and faulting fresh pages in. Then all but one go back
// to the heap. Grids and their records live on the GUI thread.
class Record_Pool {
 public:
  void* Take() {
    if (!room_) Chain(New_Block());
    Block* block = room_;
    Slot* slot = block->free;
    if (slot)
      block->free = slot->next;
    else
      slot = Slot_At(block, block->bumped++);
    ++block->live;
    if (!block->free && block->bumped == Slots) Unchain(block);
    return slot;
  }

  void Give(void* p) {
    Block* block = Block_Of(p);
    auto* slot = static_cast<Slot*>(p);
    slot->next = block->free;
    block->free = slot;
    if (--block->live > 0) {
      if (!block->chained) Chain(block);
      return;
    }
    if (block->chained) Unchain(block);
    *block = Block{};
    block->next = spare_;
    spare_ = block;
    Release_Later();
  }

 private:
  static constexpr std::size_t Block_Bytes = 64 * 1024;
  union Slot {
    Slot* next;
    alignas(TGridItem) unsigned char bytes[sizeof(TGridItem)];
  };
  struct Block {
    Block* prev = nullptr;  // the chain of blocks with room
    Block* next = nullptr;
    Slot* free = nullptr;
    std::size_t live = 0;
    std::size_t bumped = 0;  // slots handed out from the untouched end
    bool chained = false;
  };
  static constexpr std::size_t Header = (sizeof(Block) + alignof(Slot) - 1) / alignof(Slot) * alignof(Slot);
  static constexpr std::size_t Slots = (Block_Bytes - Header) / sizeof(Slot);

  static Slot* Slot_At(Block* block, std::size_t i) {
    return reinterpret_cast<Slot*>(reinterpret_cast<char*>(block) + Header) + i;
  }
  static Block* Block_Of(void* p) {
    return reinterpret_cast<Block*>(reinterpret_cast<std::uintptr_t>(p) & ~std::uintptr_t(Block_Bytes - 1));
  }

  Block* New_Block() {
    if (Block* block = spare_) {
      spare_ = block->next;
      block->next = nullptr;
      return block;
    }
    void* memory = std::aligned_alloc(Block_Bytes, Block_Bytes);
    if (!memory) throw std::bad_alloc();
    return new (memory) Block;
  }

  void Chain(Block* block) {
    block->prev = nullptr;
    block->next = room_;
    if (room_) room_->prev = block;
    room_ = block;
    block->chained = true;
  }

  void Unchain(Block* block) {
    if (block->prev)
      block->prev->next = block->next;
    else
      room_ = block->next;
    if (block->next) block->next->prev = block->prev;
    block->prev = block->next = nullptr;
    block->chained = false;
  }

  void Release_Later() {
    if (release_pending_) return;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
      Release_Spares();
      return;
    }
    release_pending_ = true;
    QTimer::singleShot(0, app, [this] {
      release_pending_ = false;
      Release_Spares();
    });
  }

  void Release_Spares() {
    if (!spare_) return;
    while (Block* block = spare_->next) {
      spare_->next = block->next;
      block->~Block();
      std::free(block);
    }
  }

  Block* room_ = nullptr;
  Block* spare_ = nullptr;  // emptied blocks, chained through next
  bool release_pending_ = false;
};

// Made once and never destroyed: records may outlive every other static.
Record_Pool& Records() {
  static Record_Pool* pool = new Record_Pool;
  return *pool;
}

}  // namespace

void* TGridItem::operator new(std::size_t size) {
  (void)size;  // always sizeof(TGridItem): nothing derives from it
  return Records().Take();
}

void TGridItem::operator delete(void* p) noexcept {
  if (p) Records().Give(p);
}

const std::vector<int>& TZadIrururOziz::Hidden_Sorted() const {
  if (hidden_dirty_) {
    hidden_sorted_.clear();
    hidden_sorted_.reserve(FGridItems.size());
    for (const auto& item : FGridItems) hidden_sorted_.push_back(item->Idx);
    // Records are mostly kept in index order already.
    if (!std::is_sorted(hidden_sorted_.begin(), hidden_sorted_.end()))
      std::sort(hidden_sorted_.begin(), hidden_sorted_.end());
    hidden_unique_ = hidden_sorted_;
    hidden_unique_.erase(std::unique(hidden_unique_.begin(), hidden_unique_.end()), hidden_unique_.end());
    hidden_dirty_ = false;
  }
  return hidden_sorted_;
}

const std::vector<int>& TZadIrururOziz::Hidden_Unique() const {
  Hidden_Sorted();
  return hidden_unique_;
}

bool TZadIrururOziz::IsHiddenRow(int Rowindex) const {
  const auto& unique = Hidden_Unique();
  return std::binary_search(unique.begin(), unique.end(), Rowindex);
}

int TZadIrururOziz::RealRowIndex(int ARow) const {
  if (FGridItems.empty() || ARow < 0) return ARow;
  const auto& hidden = Hidden_Unique();
  // The (ARow+1)-th shown row is ARow + h, h being the number of hidden rows
  // below it: the first i with hidden[i] - i > ARow (hidden[i] - i never
  // falls). Past the last shown row this is ARow plus the hidden count.
  // Callers walk the rows upwards, so the search goes on from the last answer.
  const int count = int(hidden.size());
  int h;
  if (real_row_cache_.valid && ARow >= real_row_cache_.row) {
    h = real_row_cache_.hidden_below;
  } else {
    int low = 0, high = count;
    while (low < high) {
      const int mid = low + (high - low) / 2;
      if (hidden[size_t(mid)] - mid > ARow)
        high = mid;
      else
        low = mid + 1;
    }
    h = low;
  }
  while (h < count && hidden[size_t(h)] - h <= ARow) ++h;
  real_row_cache_ = {true, ARow, h};
  return ARow + h;
}

int TZadIrururOziz::DisplRowIndex(int ARow) const {
  if (FGridItems.empty()) return ARow;
  const auto& sorted = Hidden_Sorted();
  return ARow - int(std::lower_bound(sorted.begin(), sorted.end(), ARow) - sorted.begin());
}

bool TZadIrururOziz::IsHiddenColumn(int Colindex) const {
  if (Colindex < 0 || Colindex > Max_Hideable_Column) return false;
  return !FVisibleCol[size_t(Colindex)];
}

int TZadIrururOziz::RealColIndex(int ACol) const {
  if (FNumHidden == 0 || ACol < 0 || ACol > Max_Hideable_Column) return ACol;
  int shown = 0;
  for (int j = 0; j <= Max_Hideable_Column; ++j) {
    if (!FVisibleCol[size_t(j)]) continue;
    if (shown == ACol) return j;
    ++shown;
  }
  // Past the shown columns: as for rows, the index plus the hidden count.
  return ACol + FNumHidden;
}

int TZadIrururOziz::DisplColIndex(int ACol) {
  if (FNumHidden == 0 || ACol < 0 || ACol > Max_Hideable_Column) return ACol;
  int hidden = 0;
  for (int j = 0; j < ACol; ++j)
    if (!FVisibleCol[size_t(j)]) ++hidden;
  return ACol - hidden;
}

void TZadIrururOziz::HideRows(int FromRow, int ToRow) {
  FromRow = std::max(0, FromRow);
  if (ToRow < FromRow) return;
  int below = 0, inside = 0;
  for (const auto& item : FGridItems) {
    if (item->Idx < FromRow)
      ++below;
    else if (item->Idx <= ToRow)
      ++inside;
  }
  if (inside == ToRow - FromRow + 1) return;
  const int display = FromRow - below;
  // Only rows that exist can go, and the grid keeps one row.
  const int wanted = (ToRow - FromRow + 1) - inside;
  const int count = std::min(wanted, std::min(RowCount() - display, RowCount() - 1));
  if (count <= 0) return;
  std::vector<std::unique_ptr<TGridItem>> records;
  int k = 0;
  for (int i = FromRow; i <= ToRow && k < count; ++i) {
    if (IsHiddenRow(i)) continue;
    auto item = std::make_unique<TGridItem>();
    item->Idx = i;
    item->Height = RowHeights(display + k);
    item->Items = Store().Take_Row(display + k);
    records.push_back(std::move(item));
    ++k;
  }
  FGridItems.insert(FGridItems.begin() + below, std::make_move_iterator(records.begin()),
                    std::make_move_iterator(records.end()));
  Hidden_Changed();
  RemoveRowRange(display, count, false);
}

void TZadIrururOziz::HideRowsEx(int FromRow, int ToRow) {
  if (ToRow < FromRow || FromRow < 0) return;
  for (const auto& item : FGridItems)
    if (item->Idx == FromRow) return;
  const int display = DisplRowIndex(FromRow);
  const int count = std::min(ToRow - FromRow + 1, std::min(RowCount() - display, RowCount() - 1));
  if (count <= 0) return;
  for (int k = 0; k < count; ++k) {
    auto item = std::make_unique<TGridItem>();
    item->Idx = FromRow + k;
    item->Height = RowHeights(display + k);
    item->Items = Store().Take_Row(display + k);
    FGridItems.push_back(std::move(item));
  }
  Hidden_Changed();
  RemoveRowsEx(display, count);
}

void TZadIrururOziz::HideRowList(const TIntList& RowList) {
  std::vector<int> rows;
  rows.reserve(size_t(RowList.Count()));
  for (int i = 0; i < RowList.Count(); ++i) {
    const int r = RowList.GetInteger(i);
    // Ascending display rows that exist; the grid keeps one row.
    if (r < 0 || r >= RowCount() || (!rows.empty() && r <= rows.back())) continue;
    if (int(rows.size()) + 1 >= RowCount()) break;
    rows.push_back(r);
  }
  FGridItems.reserve(FGridItems.size() + rows.size());
  for (int r : rows) {
    auto item = std::make_unique<TGridItem>();
    item->Idx = r;
    item->Height = RowHeights(r);
    item->Items = Store().Take_Row(r);
    item->Level = FFilterLevel;
    FGridItems.push_back(std::move(item));
  }
  ++FFilterLevel;
  Hidden_Changed();
  if (rows.empty()) return;
  // The rows that stay move up over the listed ones in one pass, so that
  // many short runs (every group of a large grid) cost one walk, not one
  // deletion each; the emptied rows at the end then go.
  size_t next = 0;
  int write = rows.front();
  for (int r = rows.front(); r < RowCount(); ++r) {
    if (next < rows.size() && rows[next] == r) {
      ++next;
      continue;
    }
    Store().Put_Row(write, Store().Take_Row(r));
    SetRowHeights(write, RowHeights(r));
    ++write;
  }
  Delete_Platform_Rows(RowCount() - int(rows.size()), int(rows.size()));
  Row_Count_Written(RowCount());
}

void TZadIrururOziz::UnHideRow(int Rowindex) {
  const bool show_modified = FShowModifiedEnabled;
  FShowModifiedEnabled = false;
  int found = -1, below = 0;
  for (int i = 0; i < int(FGridItems.size()); ++i) {
    if (FGridItems[size_t(i)]->Idx == Rowindex) found = i;
    if (FGridItems[size_t(i)]->Idx < Rowindex) ++below;
  }
  if (found >= 0) {
    const int display = Rowindex - below;
    std::unique_ptr<TGridItem> item = std::move(FGridItems[size_t(found)]);
    FGridItems.erase(FGridItems.begin() + found);
    Hidden_Changed();
    Insert_Platform_Rows(display, 1);
    Store().Put_Row(display, std::move(item->Items));
    SetRowHeights(display, item->Height);
    Row_Count_Written(RowCount());
  }
  FShowModifiedEnabled = show_modified;
}

void TZadIrururOziz::UnHideRows(int FromRow, int ToRow) {
  if (ToRow < FromRow) return;
  bool starts_hidden = false;
  for (const auto& item : FGridItems)
    if (item->Idx == FromRow) starts_hidden = true;
  if (!starts_hidden) return;
  const bool show_modified = FShowModifiedEnabled;
  FShowModifiedEnabled = false;
  // Take the range's records out, keeping the others in their order.
  std::vector<std::unique_ptr<TGridItem>> restore, keep;
  for (auto& item : FGridItems)
    (item->Idx >= FromRow && item->Idx <= ToRow ? restore : keep).push_back(std::move(item));
  FGridItems = std::move(keep);
  Hidden_Changed();
  const auto by_idx = [](const auto& a, const auto& b) { return a->Idx < b->Idx; };
  if (!std::is_sorted(restore.begin(), restore.end(), by_idx)) std::stable_sort(restore.begin(), restore.end(), by_idx);
  // Consecutive hidden rows are inserted together at their display position
  // (their real index less the rows still hidden below them).
  for (size_t start = 0; start < restore.size();) {
    size_t end = start + 1;
    while (end < restore.size() && restore[end]->Idx == restore[end - 1]->Idx + 1) ++end;
    const int display = DisplRowIndex(restore[start]->Idx);
    const int count = int(end - start);
    Insert_Platform_Rows(display, count);
    for (size_t i = start; i < end; ++i) {
      const int row = display + int(i - start);
      Store().Put_Row(row, std::move(restore[i]->Items));
      restore[i]->Items.clear();
      SetRowHeights(row, restore[i]->Height);
    }
    start = end;
  }
  Row_Count_Written(RowCount());
  FShowModifiedEnabled = show_modified;
}

void TZadIrururOziz::UnHideRowsAll() {
  size_t pos = 0;
  while (pos < FGridItems.size()) {
    size_t end = pos + 1;
    while (end < FGridItems.size() && FGridItems[end]->Idx == FGridItems[end - 1]->Idx + 1) ++end;
    const size_t before = FGridItems.size();
    UnHideRows(FGridItems[pos]->Idx, FGridItems[end - 1]->Idx);
    if (FGridItems.size() == before) ++pos;  // nothing restored: go on, never loop
  }
}

void TZadIrururOziz::UnHideRowList() {
  const int level = FFilterLevel - 1;
  int n = 0;
  for (const auto& item : FGridItems)
    if (item->Level == level) ++n;
  if (Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
  int src = RowCount() - 1;
  Insert_Platform_Rows(RowCount(), n);
  int dst = RowCount() - 1;
  int rec = int(FGridItems.size()) - 1;
  auto skip_lower = [&] {
    while (rec >= 0 && FGridItems[size_t(rec)]->Level < level) --rec;
  };
  skip_lower();
  while (dst >= 0) {
    if (rec >= 0 && FGridItems[size_t(rec)]->Idx == dst) {
      TGridItem& item = *FGridItems[size_t(rec)];
      Store().Put_Row(dst, std::move(item.Items));
      item.Items.clear();
      SetRowHeights(dst, item.Height);
      --rec;
      skip_lower();
    } else if (dst > src) {
      Store().Put_Row(dst, Store().Take_Row(src));
      SetRowHeights(dst, RowHeights(src));
      --src;
    }
    --dst;
  }
  auto free_items = [](TGridItem& item) {
    for (auto& cell : item.Items) delete cell.props;
    item.Items.clear();
  };
  if (FFilterLevel > 1) {
    std::erase_if(FGridItems, [&](auto& item) {
      if (item->Level != level) return false;
      free_items(*item);
      return true;
    });
  } else {
    for (auto& item : FGridItems) free_items(*item);
    FGridItems.clear();
  }
  Hidden_Changed();
  Row_Count_Written(RowCount());
}

void TZadIrururOziz::HideColumns(int FromCol, int ToCol) {
  HideEditor();
  for (int c = std::max(0, FromCol); c <= ToCol && c <= Max_Hideable_Column; ++c) {
    if (!FVisibleCol[size_t(c)] || c >= ColCount() + FNumHidden || ColCount() <= 1) continue;
    const int d = DisplColIndex(c);
    FAllColWidths[size_t(c)] = int16_t(ColWidths(d));
    ++FNumHidden;
    FVisibleCol[size_t(c)] = false;
    if (Col() == ColCount() - 1 && Col() > 0) FocusCell(Col() - 1, Row());
    Delete_Platform_Columns(d, 1);
  }
  InvalidateGrid();
}

void TZadIrururOziz::UnHideColumns(int FromCol, int ToCol) {
  HideEditor();
  for (int c = std::max(0, FromCol); c <= ToCol && c <= Max_Hideable_Column; ++c) {
    if (FVisibleCol[size_t(c)]) continue;
    --FNumHidden;
    FVisibleCol[size_t(c)] = true;
    const int d = DisplColIndex(c);
    Insert_Platform_Columns(d, 1);
    SetColWidths(d, FAllColWidths[size_t(c)]);
  }
  InvalidateGrid();
}
