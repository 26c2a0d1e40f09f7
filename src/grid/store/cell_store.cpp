#include "grid/store/cell_store.h"

#include <algorithm>

namespace {
auto Col_Less = [](const auto& entry, int col) { return entry.col < col; };

// An emptied row gives its block back.
template <typename Row>
void Release(Row& row) {
  Row().swap(row);
}
}  // namespace

Cell_Store::Cell_Store(Cell_Store_Owner* owner) : owner_(owner) {}

uint32_t Cell_Store::Take_Slot(TCellProperties* props) {
  if (!props) return 0;
  ++used_slots_;
  if (!free_slots_.empty()) {
    const uint32_t slot = free_slots_.back();
    free_slots_.pop_back();
    slots_[slot] = props;
    return slot;
  }
  slots_.push_back(props);
  return uint32_t(slots_.size() - 1);
}

TCellProperties* Cell_Store::Release_Slot(Entry& entry) {
  if (entry.slot == 0) return nullptr;
  TCellProperties* props = slots_[entry.slot];
  slots_[entry.slot] = nullptr;
  free_slots_.push_back(entry.slot);
  entry.slot = 0;
  --used_slots_;
  return props;
}

Cell_Store::~Cell_Store() { Clear(); }

template <typename F>
void Cell_Store::For_Each_Row(F f) {
  for (auto& row : rows_)
    if (!row.empty()) f(row);
  for (auto& [index, row] : far_rows_) f(row);
}

const Cell_Store::Row* Cell_Store::Find_Row(int r) const {
  if (r < 0) return nullptr;
  if (size_t(r) < rows_.size()) return rows_[size_t(r)].empty() ? nullptr : &rows_[size_t(r)];
  const auto it = far_rows_.find(r);
  return it == far_rows_.end() ? nullptr : &it->second;
}

Cell_Store::Row& Cell_Store::Row_For_Write(int r) {
  if (size_t(r) < rows_.size()) return rows_[size_t(r)];
  return far_rows_[r];
}

// A row being filled would otherwise grow 1, 2, 4, 8.. entries, a heap block
// each time: it takes room for every column of the grid at once, and again
// in one step when columns were added since.
void Cell_Store::Make_Room(Row& row) {
  if (row.size() < row.capacity()) return;
  const size_t cols = size_t(std::max(0, owner_->TotalColCount()));
  if (cols > row.size()) row.reserve(cols);
}

const Cell_Store::Entry* Cell_Store::Find_In_Row(const Row* row, int c) {
  if (!row || c < 0) return nullptr;
  const auto it = std::lower_bound(row->begin(), row->end(), c, Col_Less);
  return it != row->end() && it->col == c ? &*it : nullptr;
}

const Cell_Store::Entry* Cell_Store::Find_Entry(int c, int r) const { return Find_In_Row(Find_Row(r), c); }

Cell_Store::Entry* Cell_Store::Entry_For_Write(int c, int r) {
  Row& row = Row_For_Write(r);
  // A row is mostly filled left to right: a new last cell needs no search.
  if (row.empty() || row.back().col < c) {
    Make_Room(row);
    row.push_back(Entry{QString(), c});
    return &row.back();
  }
  auto it = std::lower_bound(row.begin(), row.end(), c, Col_Less);
  if (it->col != c) {
    const auto at = it - row.begin();
    Make_Room(row);
    it = row.insert(row.begin() + at, Entry{QString(), c});
  }
  return &*it;
}

void Cell_Store::Drop_If_Empty(int c, int r) {
  Row* row = const_cast<Row*>(Find_Row(r));
  if (!row) return;
  const auto it = std::lower_bound(row->begin(), row->end(), c, Col_Less);
  if (it == row->end() || it->col != c || !it->text.isEmpty() || it->slot) return;
  row->erase(it);
  if (!row->empty()) return;
  if (size_t(r) < rows_.size())
    Release(rows_[size_t(r)]);
  else
    far_rows_.erase(r);
}

QString Cell_Store::Text(int c, int r) const {
  const Entry* entry = Find_Entry(c, r);
  return entry ? entry->text : QString();
}

void Cell_Store::Set_Text(int c, int r, const QString& text) {
  if (c < 0 || r < 0) return;
  if (text.isEmpty()) {
    if (Entry* entry = const_cast<Entry*>(Find_Entry(c, r))) {
      entry->text.clear();
      Drop_If_Empty(c, r);
    }
    return;
  }
  Entry_For_Write(c, r)->text = text;
}

TCellProperties* Cell_Store::Object(int c, int r) const {
  if (used_slots_ == 0) return nullptr;
  const Row* row = Find_Row(r);
  if (!row || !row->may_hold_props) return nullptr;
  const Entry* entry = Find_In_Row(row, c);
  return entry ? Props(*entry) : nullptr;
}

void Cell_Store::Set_Object(int c, int r, TCellProperties* props) {
  if (c < 0 || r < 0) return;
  if (!props) {
    if (Entry* entry = const_cast<Entry*>(Find_Entry(c, r))) {
      Release_Slot(*entry);
      Drop_If_Empty(c, r);
    }
    return;
  }
  Entry* entry = Entry_For_Write(c, r);
  Row_For_Write(r).may_hold_props = true;
  if (entry->slot)
    slots_[entry->slot] = props;
  else
    entry->slot = Take_Slot(props);
}

void Cell_Store::Reserve_Rows(int rows) {
  if (rows <= 0 || size_t(rows) <= rows_.size()) return;
  const size_t old_size = rows_.size();
  rows_.resize(size_t(rows));
  auto it = far_rows_.lower_bound(int(old_size));
  while (it != far_rows_.end() && it->first < rows) {
    rows_[size_t(it->first)] = std::move(it->second);
    it = far_rows_.erase(it);
  }
}

void Cell_Store::Move_Row(int from, int to) {
  if (from < 0 || to < 0 || from == to) return;
  Reserve_Rows(std::max(from, to) + 1);
  const auto first = rows_.begin();
  if (from < to)
    std::rotate(first + from, first + from + 1, first + to + 1);
  else
    std::rotate(first + to, first + from, first + from + 1);
}

void Cell_Store::Move_Column(int from, int to) {
  if (from < 0 || to < 0 || from == to) return;
  const int low = std::min(from, to), high = std::max(from, to);
  For_Each_Row([&](Row& row) {
    bool touched = false;
    for (Entry& entry : row) {
      if (entry.col < low || entry.col > high) continue;
      touched = true;
      if (entry.col == from)
        entry.col = to;
      else
        entry.col += from < to ? -1 : 1;
    }
    if (touched) std::sort(row.begin(), row.end(), [](const Entry& a, const Entry& b) { return a.col < b.col; });
  });
}

void Cell_Store::Swap_Rows(int r1, int r2) {
  if (r1 < 0 || r2 < 0 || r1 == r2) return;
  Reserve_Rows(std::max(r1, r2) + 1);
  rows_[size_t(r1)].swap(rows_[size_t(r2)]);
}

void Cell_Store::Swap_Columns(int c1, int c2) {
  if (c1 < 0 || c2 < 0 || c1 == c2) return;
  For_Each_Row([&](Row& row) {
    bool touched = false;
    for (Entry& entry : row) {
      if (entry.col == c1) {
        entry.col = c2;
        touched = true;
      } else if (entry.col == c2) {
        entry.col = c1;
        touched = true;
      }
    }
    if (touched) std::sort(row.begin(), row.end(), [](const Entry& a, const Entry& b) { return a.col < b.col; });
  });
}

void Cell_Store::Permute_Rows(int first, const std::vector<int>& order) {
  if (first < 0 || order.empty()) return;
  Reserve_Rows(first + int(order.size()));
  std::vector<Row> moved(order.size());
  // The rows are fetched in their new order: asked for a few ahead.
  constexpr size_t Ahead = 16;
  for (size_t k = 0; k < order.size(); ++k) {
    if (k + Ahead < order.size()) __builtin_prefetch(&rows_[size_t(order[k + Ahead])], 1);
    moved[k].swap(rows_[size_t(order[k])]);
  }
  for (size_t k = 0; k < order.size(); ++k) rows_[size_t(first) + k].swap(moved[k]);
}

void Cell_Store::Insert_Rows(int at, int count) {
  if (at < 0 || count <= 0) return;
  Reserve_Rows(at);
  rows_.insert(rows_.begin() + at, size_t(count), Row());
  // Far rows beyond the insertion point shift down as well.
  std::map<int, Row> shifted;
  for (auto& [index, row] : far_rows_) shifted.emplace(index >= at ? index + count : index, std::move(row));
  far_rows_ = std::move(shifted);
}

void Cell_Store::Delete_Rows(int at, int count) {
  if (at < 0 || count <= 0) return;
  Reserve_Rows(at + count);
  for (int r = at; r < at + count; ++r)
    for (Entry& entry : rows_[size_t(r)]) Free_Props(Release_Slot(entry));
  rows_.erase(rows_.begin() + at, rows_.begin() + at + count);
  std::map<int, Row> shifted;
  for (auto& [index, row] : far_rows_) shifted.emplace(index - count, std::move(row));
  far_rows_ = std::move(shifted);
  // Rows that moved below the dense part stay reachable there.
  if (!far_rows_.empty()) Reserve_Rows(int(rows_.size()));
}

std::vector<Cell_Store::Cell_Copy> Cell_Store::Row_Cells(int r) const {
  std::vector<Cell_Copy> cells;
  if (const Row* row = Find_Row(r)) {
    cells.reserve(row->size());
    for (const Entry& entry : *row) cells.push_back(Copy_Of(entry));
  }
  return cells;
}

std::vector<Cell_Store::Cell_Copy> Cell_Store::Take_Row(int r) {
  std::vector<Cell_Copy> cells;
  if (r < 0) return cells;
  Row row;
  if (size_t(r) < rows_.size()) {
    row.swap(rows_[size_t(r)]);
  } else if (auto it = far_rows_.find(r); it != far_rows_.end()) {
    row = std::move(it->second);
    far_rows_.erase(it);
  }
  cells.reserve(row.size());
  for (Entry& entry : row) {
    TCellProperties* props = Release_Slot(entry);
    cells.push_back(Cell_Copy{entry.col, std::move(entry.text), props});
  }
  return cells;
}

void Cell_Store::Put_Row(int r, std::vector<Cell_Copy> cells) {
  if (r < 0) return;
  std::erase_if(cells, [](const Cell_Copy& e) { return e.col < 0 || (e.text.isEmpty() && !e.props); });
  const auto by_col = [](const Cell_Copy& a, const Cell_Copy& b) { return a.col < b.col; };
  if (!std::is_sorted(cells.begin(), cells.end(), by_col)) std::sort(cells.begin(), cells.end(), by_col);
  // What the row held goes without freeing (callers took or moved it); only its slots are given up.
  Row* old = const_cast<Row*>(Find_Row(r));
  if (old)
    for (Entry& entry : *old) Release_Slot(entry);
  Row row;
  row.reserve(cells.size());
  for (Cell_Copy& cell : cells) {
    if (cell.props) FHasCellProps = row.may_hold_props = true;
    row.push_back(Entry{std::move(cell.text), cell.col, Take_Slot(cell.props)});
  }
  if (size_t(r) < rows_.size()) {
    if (row.empty())
      Release(rows_[size_t(r)]);
    else
      rows_[size_t(r)].swap(row);
  } else if (row.empty()) {
    far_rows_.erase(r);
  } else {
    far_rows_[r] = std::move(row);
  }
}

void Cell_Store::Insert_Columns(int at, int count) {
  if (at < 0 || count <= 0) return;
  For_Each_Row([&](Row& row) {
    for (Entry& entry : row)
      if (entry.col >= at) entry.col += count;
  });
}

void Cell_Store::Delete_Columns(int at, int count) {
  if (at < 0 || count <= 0) return;
  For_Each_Row([&](Row& row) {
    for (Entry& entry : row)
      if (entry.col >= at && entry.col < at + count) {
        Free_Props(Release_Slot(entry));
        entry.text.clear();
      }
    std::erase_if(row, [](const Entry& e) { return e.text.isEmpty() && !e.slot; });
    for (Entry& entry : row)
      if (entry.col >= at + count) entry.col -= count;
  });
}

void Cell_Store::Free_Props(TCellProperties* props) {
  if (!props) return;
  if (TCellObjectBase* graphic = props->GraphicObject(); graphic && graphic->Owned_By_Grid()) delete graphic;
  delete props;
}

void Cell_Store::Clear() {
  if (used_slots_ > 0)
    For_Each_Row([&](Row& row) {
      for (Entry& entry : row) Free_Props(Props(entry));
    });
  for (auto& row : rows_) Release(row);
  far_rows_.clear();
  slots_.assign(1, nullptr);
  slots_.shrink_to_fit();
  free_slots_.clear();
  free_slots_.shrink_to_fit();
  used_slots_ = 0;
}

size_t Cell_Store::Filled_Cells() const {
  size_t count = 0;
  for (const auto& row : rows_) count += row.size();
  for (const auto& [index, row] : far_rows_) count += row.size();
  return count;
}

std::vector<QPoint> Cell_Store::Cells_With_Properties(int ColLimit, int RowLimit) const {
  std::vector<QPoint> cells;
  if (used_slots_ == 0) return cells;
  auto collect = [&](int r, const Row& row) {
    for (const Entry& entry : row)
      if (entry.slot && entry.col >= 0 && entry.col < ColLimit) cells.emplace_back(entry.col, r);
  };
  const size_t near_rows = std::min(rows_.size(), size_t(std::max(0, RowLimit)));
  for (size_t r = 0; r < near_rows; ++r) collect(int(r), rows_[r]);
  for (auto it = far_rows_.lower_bound(int(rows_.size())); it != far_rows_.end() && it->first < RowLimit; ++it)
    collect(it->first, it->second);
  return cells;
}

bool Cell_Store::Inside(int c, int r) const {
  return c >= 0 && r >= 0 && c < owner_->TotalColCount() && r < owner_->Store_Row_Count();
}

bool Cell_Store::HasCellProperties(int c, int r) const {
  return used_slots_ > 0 && Inside(c, r) && Object(c, r) != nullptr;
}

TCellProperties* Cell_Store::GetCellProperties(int c, int r) {
  if (!Inside(c, r)) {
    scratch_ = std::make_unique<TCellProperties>(nullptr, c, r);
    return scratch_.get();
  }
  if (TCellProperties* existing = Object(c, r)) return existing;
  auto* props = new TCellProperties(owner_, c, r);
  Set_Object(c, r, props);
  FHasCellProps = true;
  owner_->Initial_Cell_Look(c, r, *props);
  return props;
}

void Cell_Store::SetCellProperties(int c, int r, TCellProperties* value) {
  if (c < 0 || r < 0) {
    Free_Props(value);
    return;
  }
  TCellProperties* current = Object(c, r);
  if (current == value) return;
  if (current && value && current->GraphicObject() == value->GraphicObject()) current->SetGraphicObject(nullptr);
  Free_Props(current);
  Set_Object(c, r, value);
  if (value) FHasCellProps = true;
}

void Cell_Store::FreeCellProperties(int c, int r) { SetCellProperties(c, r, nullptr); }

void Cell_Store::FreeCellPropertiesRange(int FromCol, int FromRow, int ToCol, int ToRow) {
  if (!FHasCellProps) return;
  const int first_row = std::max(0, FromRow);
  auto free_row = [&](int r, Row& row) {
    (void)r;
    for (Entry& entry : row) {
      if (entry.col < FromCol || entry.col > ToCol || !entry.slot) continue;
      Free_Props(Release_Slot(entry));
    }
    std::erase_if(row, [](const Entry& e) { return e.text.isEmpty() && !e.slot; });
  };
  const int last_dense = std::min<int>(ToRow, int(rows_.size()) - 1);
  for (int r = first_row; r <= last_dense; ++r) {
    Row& row = rows_[size_t(r)];
    if (row.empty()) continue;
    free_row(r, row);
    if (row.empty()) Release(row);
  }
  for (auto it = far_rows_.lower_bound(first_row); it != far_rows_.end() && it->first <= ToRow;) {
    free_row(it->first, it->second);
    it = it->second.empty() ? far_rows_.erase(it) : std::next(it);
  }
}

// ---- merge model

bool Cell_Store::IsBaseCell(int c, int r) const { return !HasCellProperties(c, r) || Object(c, r)->IsBaseCell(); }

bool Cell_Store::IsMergedCell(int c, int r) const {
  if (!HasCellProperties(c, r)) return false;
  const TCellProperties* props = Object(c, r);
  return props->CellSpanX() > 0 || props->CellSpanY() > 0;
}

bool Cell_Store::IsMergedNonBaseCell(int c, int r) const { return IsMergedCell(c, r) && !Object(c, r)->IsBaseCell(); }

bool Cell_Store::IsXMergedCell(int c, int r) const { return HasCellProperties(c, r) && CellSpan(c, r).x() > 0; }

bool Cell_Store::IsYMergedCell(int c, int r) const { return HasCellProperties(c, r) && CellSpan(c, r).y() > 0; }

QPoint Cell_Store::BaseCell(int c, int r) const {
  if (!HasCellProperties(c, r)) return QPoint(c, r);
  return Object(c, r)->GetBaseCell(c, r);
}

QPoint Cell_Store::CellSpan(int c, int r) const {
  if (!HasCellProperties(c, r)) return QPoint(0, 0);
  const TCellProperties* own = Object(c, r);
  if (own->CellSpanX() == -1 || own->CellSpanY() == -1) return QPoint(0, 0);
  const QPoint base = own->GetBaseCell(c, r);
  const TCellProperties* base_props = HasCellProperties(base.x(), base.y()) ? Object(base.x(), base.y()) : nullptr;
  if (!base_props || base_props->CellSpanX() < 0 || base_props->CellSpanY() < 0) return QPoint(0, 0);
  return QPoint(base_props->CellSpanX(), base_props->CellSpanY());
}

QPoint Cell_Store::CellExt(int c, int r) const {
  if (!IsMergedCell(c, r)) return QPoint(0, 0);
  const QPoint base = BaseCell(c, r);
  const QPoint span = CellSpan(c, r);
  return QPoint(base.x() + span.x() - c, base.y() + span.y() - r);
}

TGridRect Cell_Store::FullCell(int c, int r) const {
  const QPoint base = BaseCell(c, r);
  const QPoint span = CellSpan(c, r);
  return TGridRect{base.x(), base.y(), base.x() + span.x(), base.y() + span.y()};
}

bool Cell_Store::FindBaseCell(int c, int r, int& BaseCol, int& BaseRow) const {
  BaseCol = c;
  BaseRow = r;
  if (!HasCellProperties(c, r) || Object(c, r)->IsBaseCell()) return true;
  const QPoint base = BaseCell(c, r);
  BaseCol = base.x();
  BaseRow = base.y();
  return false;
}

int Cell_Store::MinRowSpan(int ARow) const {
  int result = owner_->Store_Row_Count();
  bool found = false;
  for (int col = 0; col < owner_->TotalColCount(); ++col) {
    const int span = CellSpan(col, ARow).y();
    if (span > 0 && (!found || span < result)) {
      result = span;
      found = true;
    }
  }
  return found ? result : owner_->Store_Row_Count();
}

int Cell_Store::MaxRowSpan(int ARow) const {
  int result = 0;
  for (int col = 0; col < owner_->TotalColCount(); ++col) result = std::max(result, CellSpan(col, ARow).y());
  return result;
}

bool Cell_Store::RowSpanIdentical(int ARow1, int ARow2) const {
  bool compared = false;
  for (int col = 0; col < owner_->TotalColCount(); ++col) {
    if (CellSpan(col, ARow1).y() > 0 && CellSpan(col, ARow2).y() > 0) {
      compared = true;
      if (BaseCell(col, ARow1).y() != BaseCell(col, ARow2).y()) return false;
    }
  }
  return compared;
}

bool Cell_Store::ColSpanIdentical(int ACol1, int ACol2) const {
  bool compared = false;
  for (int row = 0; row < owner_->Store_Row_Count(); ++row) {
    const int span1 = CellSpan(ACol1, row).x(), span2 = CellSpan(ACol2, row).x();
    if (span1 > 0 && span2 > 0) {
      compared = true;
      if (BaseCell(ACol1, row).x() != BaseCell(ACol2, row).x()) return false;
    } else if (span1 != span2) {
      return false;
    }
  }
  return compared;
}

void Cell_Store::Split_Block(int c, int r, bool repaint) {
  if (!HasCellProperties(c, r)) return;
  const QPoint base = BaseCell(c, r);
  const QPoint span = CellSpan(c, r);
  if (span.x() <= 0 && span.y() <= 0) return;
  for (int i = base.x(); i <= base.x() + span.x(); ++i) {
    for (int j = base.y(); j <= base.y() + span.y(); ++j) {
      if (TCellProperties* props = Object(i, j)) {
        props->SetIsBaseCell(true);
        props->SetCellSpanX(-1);
        props->SetCellSpanY(-1);
      }
      if (repaint) owner_->RepaintCell(i, j);
    }
  }
}

void Cell_Store::MergeCells(int c, int r, int spanx, int spany) {
  ++FMergeCount;
  if (spanx < 1 || spany < 1 || !Inside(c, r)) return;
  spanx = std::min(spanx, owner_->TotalColCount() - c);
  spany = std::min(spany, owner_->Store_Row_Count() - r);
  // Blocks under the new one (and reaching out of it) are dissolved first,
  // so no covered cell is left pointing at a base that no longer spans it.
  for (int i = c; i < c + spanx; ++i)
    for (int j = r; j < r + spany; ++j)
      if (IsMergedCell(i, j)) Split_Block(i, j, true);
  for (int i = c; i < c + spanx; ++i) {
    for (int j = r; j < r + spany; ++j) {
      TCellProperties* props = GetCellProperties(i, j);
      const bool base = i == c && j == r;
      props->SetIsBaseCell(base);
      props->SetCellSpanX(base ? spanx - 1 : i - c);
      props->SetCellSpanY(base ? spany - 1 : j - r);
    }
  }
  for (int i = c; i < c + spanx; ++i)
    for (int j = r; j < r + spany; ++j) owner_->RepaintCell(i, j);
}

void Cell_Store::SplitCells(int c, int r) {
  Split_Block(c, r, true);
  --FMergeCount;
}
