#include "grid/core/platform_grid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace {
// Pixels either side of a line that start sizing.
constexpr int Sizing_Margin = 3;
}  // namespace

Platform_Grid::Platform_Grid(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::NoFrame);
  viewport()->setMouseTracking(true);
  col_widths_.assign(size_t(col_count_), default_col_width_);
  row_heights_.assign(size_t(row_count_), default_row_height_);
  store_.Reserve_Rows(row_count_);
  verticalScrollBar()->setSingleStep(1);
  horizontalScrollBar()->setSingleStep(1);
  Update_Scroll_Bars();
}

Platform_Grid::~Platform_Grid() = default;

// ---- dimensions

void Platform_Grid::SetRowCount(int value) {
  value = std::max(1, value);
  if (value == row_count_) return;
  const int old_rows = row_count_;
  row_count_ = value;
  row_heights_.resize(size_t(value), default_row_height_);
  store_.Reserve_Rows(value);
  if (fixed_rows_ >= value) fixed_rows_ = value - 1;
  Clamp_Current();
  Update_Scroll_Bars();
  SizeChanged(col_count_, old_rows);
  viewport()->update();
}

void Platform_Grid::SetColCount(int value) {
  value = std::max(1, value);
  if (value == col_count_) return;
  const int old_cols = col_count_;
  col_count_ = value;
  col_widths_.resize(size_t(value), default_col_width_);
  if (fixed_cols_ >= value) fixed_cols_ = value - 1;
  Clamp_Current();
  Update_Scroll_Bars();
  SizeChanged(old_cols, row_count_);
  viewport()->update();
}

void Platform_Grid::SetFixedRows(int value) {
  value = std::clamp(value, 0, row_count_ - 1);
  if (value == fixed_rows_) return;
  fixed_rows_ = value;
  Clamp_Current();
  Update_Scroll_Bars();
  viewport()->update();
}

void Platform_Grid::SetFixedCols(int value) {
  value = std::clamp(value, 0, col_count_ - 1);
  if (value == fixed_cols_) return;
  fixed_cols_ = value;
  Clamp_Current();
  Update_Scroll_Bars();
  viewport()->update();
}

void Platform_Grid::SetDefaultColWidth(int value) {
  default_col_width_ = std::max(0, value);
  col_widths_.assign(size_t(col_count_), default_col_width_);
  Update_Scroll_Bars();
  ColWidthsChanged();
  viewport()->update();
}

void Platform_Grid::SetDefaultRowHeight(int value) {
  default_row_height_ = std::max(0, value);
  row_heights_.assign(size_t(row_count_), default_row_height_);
  Update_Scroll_Bars();
  RowHeightsChanged();
  viewport()->update();
}

int Platform_Grid::ColWidths(int c) const {
  return c >= 0 && c < col_count_ ? col_widths_[size_t(c)] : default_col_width_;
}

void Platform_Grid::SetColWidths(int c, int width) {
  if (c < 0 || c >= col_count_ || col_widths_[size_t(c)] == std::max(0, width)) return;
  col_widths_[size_t(c)] = std::max(0, width);
  Update_Scroll_Bars();
  ColWidthsChanged();
  Place_Editor();
  viewport()->update();
}

int Platform_Grid::RowHeights(int r) const {
  return r >= 0 && r < row_count_ ? row_heights_[size_t(r)] : default_row_height_;
}

void Platform_Grid::SetRowHeights(int r, int height) {
  if (r < 0 || r >= row_count_ || row_heights_[size_t(r)] == std::max(0, height)) return;
  row_heights_[size_t(r)] = std::max(0, height);
  Update_Scroll_Bars();
  RowHeightsChanged();
  Place_Editor();
  viewport()->update();
}

void Platform_Grid::MoveRow(int from, int to) {
  if (from < 0 || to < 0 || from >= row_count_ || to >= row_count_ || from == to) return;
  store_.Move_Row(from, to);
  const auto first = row_heights_.begin();
  if (from < to)
    std::rotate(first + from, first + from + 1, first + to + 1);
  else
    std::rotate(first + to, first + from, first + from + 1);
  RowMoved(from, to);
  viewport()->update();
}

void Platform_Grid::MoveColumn(int from, int to) {
  if (from < 0 || to < 0 || from >= col_count_ || to >= col_count_ || from == to) return;
  store_.Move_Column(from, to);
  const auto first = col_widths_.begin();
  if (from < to)
    std::rotate(first + from, first + from + 1, first + to + 1);
  else
    std::rotate(first + to, first + from, first + from + 1);
  ColumnMoved(from, to);
  viewport()->update();
}

void Platform_Grid::Permute_Platform_Rows(int first, const std::vector<int>& order) {
  if (first < 0 || order.empty() || first + int(order.size()) > row_count_) return;
  store_.Permute_Rows(first, order);
  std::vector<int> heights(order.size());
  bool changed = false;
  for (size_t k = 0; k < order.size(); ++k) {
    if (k + 16 < order.size()) __builtin_prefetch(&row_heights_[size_t(order[k + 16])]);
    heights[k] = row_heights_[size_t(order[k])];
    changed |= heights[k] != row_heights_[size_t(first) + k];
  }
  if (!changed) return;
  std::copy(heights.begin(), heights.end(), row_heights_.begin() + first);
  Update_Scroll_Bars();
  RowHeightsChanged();
  Place_Editor();
  viewport()->update();
}

void Platform_Grid::Insert_Platform_Rows(int at, int count) {
  if (count <= 0 || at < 0 || at > row_count_) return;
  store_.Insert_Rows(at, count);
  row_heights_.insert(row_heights_.begin() + at, size_t(count), default_row_height_);
  const int old_rows = row_count_;
  row_count_ += count;
  store_.Reserve_Rows(row_count_);
  Clamp_Current();
  Update_Scroll_Bars();
  SizeChanged(col_count_, old_rows);
  viewport()->update();
}

void Platform_Grid::Delete_Platform_Rows(int at, int count) {
  if (at < 0 || at >= row_count_) return;
  count = std::min(count, row_count_ - at);
  // The platform keeps at least one row.
  if (count <= 0 || row_count_ - count < 1) return;
  store_.Delete_Rows(at, count);
  row_heights_.erase(row_heights_.begin() + at, row_heights_.begin() + at + count);
  const int old_rows = row_count_;
  row_count_ -= count;
  if (fixed_rows_ >= row_count_) fixed_rows_ = row_count_ - 1;
  Clamp_Current();
  Update_Scroll_Bars();
  SizeChanged(col_count_, old_rows);
  viewport()->update();
}

void Platform_Grid::Insert_Platform_Columns(int at, int count) {
  if (count <= 0 || at < 0 || at > col_count_) return;
  col_widths_.insert(col_widths_.begin() + at, size_t(count), default_col_width_);
  const int old_cols = col_count_;
  col_count_ += count;
  Clamp_Current();
  Update_Scroll_Bars();
  SizeChanged(old_cols, row_count_);
  viewport()->update();
}

void Platform_Grid::Delete_Platform_Columns(int at, int count) {
  if (at < 0 || at >= col_count_) return;
  count = std::min(count, col_count_ - at);
  if (count <= 0 || col_count_ - count < 1) return;
  col_widths_.erase(col_widths_.begin() + at, col_widths_.begin() + at + count);
  const int old_cols = col_count_;
  col_count_ -= count;
  if (fixed_cols_ >= col_count_) fixed_cols_ = col_count_ - 1;
  Clamp_Current();
  Update_Scroll_Bars();
  SizeChanged(old_cols, row_count_);
  viewport()->update();
}

// ---- current cell, selection, scrolling

void Platform_Grid::SetRow(int value) { FocusCell(cur_col_, value); }

void Platform_Grid::SetCol(int value) { FocusCell(value, cur_row_); }

void Platform_Grid::FocusCell(int c, int r, bool extend) {
  c = std::clamp(c, 0, col_count_ - 1);
  r = std::clamp(r, 0, row_count_ - 1);
  if ((c != cur_col_ || r != cur_row_) && !SelectCell(c, r)) return;
  Move_Current(c, r, extend);
}

void Platform_Grid::Move_Current(int c, int r, bool extend) {
  const bool moved = c != cur_col_ || r != cur_row_;
  if (moved && editor_shown_) {
    Commit_Editor();
    HideEditor();
  }
  InvalidateCell(cur_col_, cur_row_);
  cur_col_ = c;
  cur_row_ = r;
  if (!extend || !(options_ & goRangeSelect)) anchor_ = TGridCoord{c, r};
  TGridRect sel{std::min(anchor_.X, c), std::min(anchor_.Y, r), std::max(anchor_.X, c), std::max(anchor_.Y, r)};
  if (options_ & goRowSelect) {
    sel.Left = fixed_cols_;
    sel.Right = col_count_ - 1;
  }
  SetSelection(sel);
  Scroll_Into_View(c, r);
  InvalidateCell(c, r);
  if (moved && (options_ & goAlwaysShowEditor) && (options_ & goEditing)) ShowEditor();
}

void Platform_Grid::SetSelection(const TGridRect& value) {
  if (value == selection_) return;
  selection_ = value;
  viewport()->update();
}

void Platform_Grid::Set_Selection_Anchored(const TGridRect& value) {
  anchor_ = TGridCoord{std::clamp(value.Left, 0, col_count_ - 1), std::clamp(value.Top, 0, row_count_ - 1)};
  if (value.Right >= 0 && value.Right < col_count_ && value.Bottom >= 0 && value.Bottom < row_count_) {
    InvalidateCell(cur_col_, cur_row_);
    cur_col_ = value.Right;
    cur_row_ = value.Bottom;
  }
  selection_ = value;
  viewport()->update();
}

int Platform_Grid::Max_Top_Row() const {
  const int available = ClientHeight() - FixedHeight() - Bottom_Reserve();
  int sum = 0;
  int r = row_count_ - 1;
  while (r >= fixed_rows_ && sum + RowHeights(r) <= available) sum += RowHeights(r--);
  return std::max(fixed_rows_, std::min(r + 1, row_count_ - 1));
}

int Platform_Grid::Max_Left_Col() const {
  const int available = ClientWidth() - FixedWidth();
  int sum = 0;
  int c = col_count_ - 1;
  while (c >= fixed_cols_ && sum + ColWidths(c) <= available) sum += ColWidths(c--);
  return std::max(fixed_cols_, std::min(c + 1, col_count_ - 1));
}

void Platform_Grid::SetTopRow(int value) {
  value = std::clamp(value, fixed_rows_, Max_Top_Row());
  if (value == top_row_) return;
  top_row_ = value;
  Update_Scroll_Bars();
  TopLeftChanged();
  Q_EMIT TopLeftChangedSignal();
  Place_Editor();
  viewport()->update();
}

void Platform_Grid::SetLeftCol(int value) {
  value = std::clamp(value, fixed_cols_, Max_Left_Col());
  if (value == left_col_) return;
  left_col_ = value;
  Update_Scroll_Bars();
  TopLeftChanged();
  Q_EMIT TopLeftChangedSignal();
  Place_Editor();
  viewport()->update();
}

int Platform_Grid::VisibleRowCount() const {
  const int available = ClientHeight() - FixedHeight();
  int sum = 0, count = 0;
  for (int r = top_row_; r < row_count_ && sum + RowHeights(r) <= available; ++r, ++count) sum += RowHeights(r);
  return count;
}

int Platform_Grid::VisibleColCount() const {
  const int available = ClientWidth() - FixedWidth();
  int sum = 0, count = 0;
  for (int c = left_col_; c < col_count_ && sum + ColWidths(c) <= available; ++c, ++count) sum += ColWidths(c);
  return count;
}

void Platform_Grid::SetOptions(TGridOptions value) {
  if (value == options_) return;
  options_ = value;
  if (!(options_ & goEditing)) HideEditor();
  Move_Current(cur_col_, cur_row_, false);
  viewport()->update();
}

void Platform_Grid::Clamp_Current() {
  const int r = std::clamp(cur_row_, std::min(fixed_rows_, row_count_ - 1), row_count_ - 1);
  const int c = std::clamp(cur_col_, std::min(fixed_cols_, col_count_ - 1), col_count_ - 1);
  top_row_ = std::clamp(top_row_, fixed_rows_, Max_Top_Row());
  left_col_ = std::clamp(left_col_, fixed_cols_, Max_Left_Col());
  anchor_ = TGridCoord{std::clamp(anchor_.X, 0, col_count_ - 1), std::clamp(anchor_.Y, 0, row_count_ - 1)};
  if (r != cur_row_ || c != cur_col_ || selection_.Right >= col_count_ || selection_.Bottom >= row_count_) {
    cur_row_ = r;
    cur_col_ = c;
    anchor_ = TGridCoord{c, r};
    selection_ = TGridRect{c, r, c, r};
    if (options_ & goRowSelect) selection_ = TGridRect{fixed_cols_, r, col_count_ - 1, r};
  }
}

void Platform_Grid::Scroll_Into_View(int c, int r) {
  if (r >= fixed_rows_) {
    if (r < top_row_) {
      SetTopRow(r);
    } else if (r >= top_row_ + VisibleRowCount()) {
      // The smallest top row that shows r wholly.
      const int available = ClientHeight() - FixedHeight();
      int sum = RowHeights(r), top = r;
      while (top - 1 >= fixed_rows_ && sum + RowHeights(top - 1) <= available) sum += RowHeights(--top);
      SetTopRow(top);
    }
  }
  if (c >= fixed_cols_ && !(options_ & goRowSelect)) {
    if (c < left_col_) {
      SetLeftCol(c);
    } else if (c >= left_col_ + VisibleColCount()) {
      const int available = ClientWidth() - FixedWidth();
      int sum = ColWidths(c), left = c;
      while (left - 1 >= fixed_cols_ && sum + ColWidths(left - 1) <= available) sum += ColWidths(--left);
      SetLeftCol(left);
    }
  }
}

void Platform_Grid::Update_Scroll_Bars() {
  updating_scroll_ = true;
  QScrollBar* v = verticalScrollBar();
  v->setRange(fixed_rows_, Max_Top_Row());
  v->setPageStep(std::max(1, VisibleRowCount()));
  v->setValue(top_row_);
  QScrollBar* h = horizontalScrollBar();
  h->setRange(fixed_cols_, Max_Left_Col());
  h->setPageStep(std::max(1, VisibleColCount()));
  h->setValue(left_col_);
  // Without tracking the grid follows the thumb when it is let go.
  v->setTracking(Scroll_While_Dragging());
  h->setTracking(Scroll_While_Dragging());
  Scroll_Bars_Updated();
  updating_scroll_ = false;
}

void Platform_Grid::scrollContentsBy(int, int) {
  if (updating_scroll_) return;
  SetTopRow(verticalScrollBar()->value());
  SetLeftCol(horizontalScrollBar()->value());
}

// ---- geometry

int Platform_Grid::ClientWidth() const { return viewport()->width(); }
int Platform_Grid::ClientHeight() const { return viewport()->height(); }

int Platform_Grid::FixedHeight() const {
  int sum = 0;
  for (int r = 0; r < fixed_rows_; ++r) sum += RowHeights(r);
  return sum;
}

int Platform_Grid::FixedWidth() const {
  int sum = 0;
  for (int c = 0; c < fixed_cols_; ++c) sum += ColWidths(c);
  return sum;
}

TRect Platform_Grid::UnclippedCellRect(int c, int r) const {
  int x = 0;
  if (c < fixed_cols_) {
    for (int i = 0; i < c; ++i) x += ColWidths(i);
  } else {
    x = FixedWidth();
    for (int i = left_col_; i < c; ++i) x += ColWidths(i);
    for (int i = c; i < left_col_; ++i) x -= ColWidths(i);
  }
  int y = 0;
  if (r < fixed_rows_) {
    for (int i = 0; i < r; ++i) y += RowHeights(i);
  } else {
    y = FixedHeight();
    for (int i = top_row_; i < r; ++i) y += RowHeights(i);
    for (int i = r; i < top_row_; ++i) y -= RowHeights(i);
  }
  return TRect{x, y, x + ColWidths(c), y + RowHeights(r)};
}

TRect Platform_Grid::PlatformCellRect(int c, int r) const {
  if (c < 0 || r < 0 || c >= col_count_ || r >= row_count_) return TRect{};
  if ((c >= fixed_cols_ && c < left_col_) || (r >= fixed_rows_ && r < top_row_)) return TRect{};
  // Cells past the partly shown last row or column are out of view; this keeps
  // the test cheap for far rows.
  if (r >= fixed_rows_ && r > top_row_ + VisibleRowCount()) return TRect{};
  if (c >= fixed_cols_ && c > left_col_ + VisibleColCount()) return TRect{};
  const TRect rect = UnclippedCellRect(c, r);
  if (rect.Left >= ClientWidth() || rect.Top >= ClientHeight()) return TRect{};
  return rect;
}

namespace {
// The index whose band holds `pos`, walking the fixed bands and then the
// scrolled ones from `first_scrolled`; -1 outside.
template <typename Size>
int Band_At(int pos, int fixed, int first_scrolled, int count, Size size) {
  if (pos < 0) return -1;
  int edge = 0;
  for (int i = 0; i < fixed && i < count; ++i) {
    if (pos < edge + size(i)) return i;
    edge += size(i);
  }
  for (int i = std::max(first_scrolled, fixed); i < count; ++i) {
    if (pos < edge + size(i)) return i;
    edge += size(i);
  }
  return -1;
}
}  // namespace

bool Platform_Grid::Block_In_View(const TGridRect& block) const {
  const bool rows = block.Top < fixed_rows_ || (block.Bottom >= top_row_ && block.Top <= top_row_ + VisibleRowCount());
  const bool cols =
      block.Left < fixed_cols_ || (block.Right >= left_col_ && block.Left <= left_col_ + VisibleColCount());
  return rows && cols;
}

TGridCoord Platform_Grid::MouseCoord(int x, int y) const {
  const int c = Band_At(x, fixed_cols_, left_col_, col_count_, [this](int i) { return ColWidths(i); });
  const int r = Band_At(y, fixed_rows_, top_row_, row_count_, [this](int i) { return RowHeights(i); });
  if (c < 0 || r < 0) return TGridCoord{-1, -1};
  return TGridCoord{c, r};
}

int Platform_Grid::Col_Border_At(int x) const {
  const TGridCoord cell = MouseCoord(x, 0);
  if (cell.X < 0) return -1;
  const TRect rect = UnclippedCellRect(cell.X, 0);
  if (rect.Right - x <= Sizing_Margin) return cell.X;
  if (x - rect.Left <= Sizing_Margin && cell.X > 0) return cell.X == left_col_ ? fixed_cols_ - 1 : cell.X - 1;
  return -1;
}

int Platform_Grid::Row_Border_At(int y) const {
  const TGridCoord cell = MouseCoord(0, y);
  if (cell.Y < 0) return -1;
  const TRect rect = UnclippedCellRect(0, cell.Y);
  if (rect.Bottom - y <= Sizing_Margin) return cell.Y;
  if (y - rect.Top <= Sizing_Margin && cell.Y > 0) return cell.Y == top_row_ ? fixed_rows_ - 1 : cell.Y - 1;
  return -1;
}

// ---- painting

TGridDrawState Platform_Grid::Draw_State(int c, int r) const {
  if (c < fixed_cols_ || r < fixed_rows_) return gdFixed;
  TGridDrawState state = 0;
  const bool current = c == cur_col_ && r == cur_row_;
  const bool in_selection =
      c >= selection_.Left && c <= selection_.Right && r >= selection_.Top && r <= selection_.Bottom;
  if (current && hasFocus()) state |= gdFocused;
  if (in_selection && (!current || (options_ & (goDrawFocusSelected | goRowSelect)))) state |= gdSelected;
  return state;
}

void Platform_Grid::DrawCell(QPainter& painter, int c, int r, const TRect& rect, TGridDrawState state) {
  const QPalette& pal = palette();
  QColor back = (state & gdFixed) ? pal.color(QPalette::Button) : pal.color(QPalette::Base);
  QColor text = (state & gdFixed) ? pal.color(QPalette::ButtonText) : pal.color(QPalette::Text);
  if (state & gdSelected) {
    back = pal.color(QPalette::Highlight);
    text = pal.color(QPalette::HighlightedText);
  }
  const QRect area = rect.To_QRect();
  painter.fillRect(area, back);
  painter.setPen(pal.color(QPalette::Mid));
  painter.drawLine(area.topRight(), area.bottomRight());
  painter.drawLine(area.bottomLeft(), area.bottomRight());
  painter.setPen(text);
  painter.drawText(area.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, store_.Text(c, r));
  if (state & gdFocused) painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void Platform_Grid::PaintGrid(QPainter& painter) {
  const int width = ClientWidth(), height = ClientHeight();
  std::vector<int> cols, rows;
  int x = 0;
  for (int c = 0; c < fixed_cols_ && x < width; ++c) cols.push_back(c), x += ColWidths(c);
  for (int c = left_col_; c < col_count_ && x < width; ++c) cols.push_back(c), x += ColWidths(c);
  int y = 0;
  for (int r = 0; r < fixed_rows_ && y < height; ++r) rows.push_back(r), y += RowHeights(r);
  for (int r = top_row_; r < row_count_ && y < height; ++r) rows.push_back(r), y += RowHeights(r);
  painter.fillRect(QRect(0, 0, width, height), Background_Color());
  for (int r : rows) {
    for (int c : cols) {
      const TRect rect = UnclippedCellRect(c, r);
      if (rect.Is_Empty()) continue;
      painter.save();
      DrawCell(painter, c, r, rect, Draw_State(c, r));
      painter.restore();
    }
  }
}

void Platform_Grid::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  PaintGrid(painter);
}

void Platform_Grid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  top_row_ = std::clamp(top_row_, fixed_rows_, Max_Top_Row());
  left_col_ = std::clamp(left_col_, fixed_cols_, Max_Left_Col());
  Update_Scroll_Bars();
  Place_Editor();
}

void Platform_Grid::InvalidateCell(int c, int r) {
  if (!isVisible()) return;
  const TRect rect = PlatformCellRect(c, r);
  if (!rect.Is_Empty()) viewport()->update(rect.To_QRect());
}

void Platform_Grid::InvalidateRect(const TRect& r) {
  if (isVisible() && !r.Is_Empty()) viewport()->update(r.To_QRect());
}

void Platform_Grid::InvalidateGrid() { viewport()->update(); }

// ---- keyboard and mouse

bool Platform_Grid::SelectCell(int, int) { return true; }

bool Platform_Grid::HandleKeyDown(int key, Qt::KeyboardModifiers shift) {
  const bool ctrl = shift & Qt::ControlModifier;
  const bool extend = (shift & Qt::ShiftModifier) && (options_ & goRangeSelect);
  const bool row_select = options_ & goRowSelect;
  int c = cur_col_, r = cur_row_;
  const int first_col = fixed_cols_, first_row = fixed_rows_;
  switch (key) {
    case Qt::Key_Up:
      r = std::max(first_row, r - 1);
      break;
    case Qt::Key_Down:
      r = std::min(row_count_ - 1, r + 1);
      break;
    case Qt::Key_Left:
      if (row_select) {
        SetLeftCol(left_col_ - 1);
        return true;
      }
      c = std::max(first_col, c - 1);
      break;
    case Qt::Key_Right:
      if (row_select) {
        SetLeftCol(left_col_ + 1);
        return true;
      }
      c = std::min(col_count_ - 1, c + 1);
      break;
    case Qt::Key_PageUp: {
      const int page = std::max(1, VisibleRowCount());
      SetTopRow(top_row_ - page);
      r = std::max(first_row, r - page);
      break;
    }
    case Qt::Key_PageDown: {
      const int page = std::max(1, VisibleRowCount());
      SetTopRow(top_row_ + page);
      r = std::min(row_count_ - 1, r + page);
      break;
    }
    case Qt::Key_Home:
      c = first_col;
      if (ctrl) r = first_row;
      break;
    case Qt::Key_End:
      c = col_count_ - 1;
      if (ctrl) r = row_count_ - 1;
      break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      if (!(options_ & goTabs)) return false;
      if (key == Qt::Key_Backtab || (shift & Qt::ShiftModifier)) {
        if (c > first_col) {
          --c;
        } else if (r > first_row) {
          c = col_count_ - 1;
          --r;
        }
      } else if (c < col_count_ - 1) {
        ++c;
      } else if (r < row_count_ - 1) {
        c = first_col;
        ++r;
      }
      FocusCell(c, r);
      return true;
    default:
      return false;
  }
  FocusCell(c, r, extend);
  return true;
}

bool Platform_Grid::HandleWheelDown() {
  if (cur_row_ < row_count_ - 1) FocusCell(cur_col_, cur_row_ + 1);
  return true;
}

bool Platform_Grid::HandleWheelUp() {
  if (cur_row_ > fixed_rows_) FocusCell(cur_col_, cur_row_ - 1);
  return true;
}

void Platform_Grid::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((options_ & goEditing) && !editor_shown_) {
    if (key == Qt::Key_F2 || key == Qt::Key_Return || key == Qt::Key_Enter) {
      ShowEditor();
      return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text[0].isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
      Start_Editor_With(text);
      return;
    }
  }
  if (!HandleKeyDown(key, event->modifiers())) QAbstractScrollArea::keyPressEvent(event);
}

void Platform_Grid::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const QPoint pos = event->position().toPoint();
  HandleMouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
}

void Platform_Grid::HandleMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  if (Button != Qt::LeftButton) return;
  const QPoint pos(X, Y);
  const TGridCoord cell = MouseCoord(pos.x(), pos.y());
  if (cell.X < 0) return;
  if (cell.Y < fixed_rows_ && (options_ & goColSizing)) {
    const int border = Col_Border_At(pos.x());
    if (border >= 0) {
      state_ = gsColSizing;
      sizing_index_ = border;
      sizing_origin_ = UnclippedCellRect(border, 0).Left;
      return;
    }
  }
  if (cell.X < fixed_cols_ && (options_ & goRowSizing)) {
    const int border = Row_Border_At(pos.y());
    if (border >= 0) {
      state_ = gsRowSizing;
      sizing_index_ = border;
      sizing_origin_ = UnclippedCellRect(0, border).Top;
      return;
    }
  }
  if (cell.Y < fixed_rows_ && cell.X >= fixed_cols_ && (options_ & goColMoving)) {
    state_ = gsColMoving;
    moving_from_ = cell.X;
    return;
  }
  if (cell.X < fixed_cols_ && cell.Y >= fixed_rows_ && (options_ & goRowMoving)) {
    state_ = gsRowMoving;
    moving_from_ = cell.Y;
    return;
  }
  if (cell.X < fixed_cols_ || cell.Y < fixed_rows_) return;
  const bool same = cell.X == cur_col_ && cell.Y == cur_row_;
  FocusCell(cell.X, cell.Y, (Shift & Qt::ShiftModifier) != 0);
  if (same && (options_ & goEditing) && !editor_shown_) {
    ShowEditor();
    return;
  }
  if (options_ & goRangeSelect) state_ = gsSelecting;
}

void Platform_Grid::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  switch (state_) {
    case gsSelecting: {
      const TGridCoord cell = MouseCoord(pos.x(), pos.y());
      if (cell.X >= fixed_cols_ && cell.Y >= fixed_rows_) FocusCell(cell.X, cell.Y, true);
      break;
    }
    case gsColSizing: {
      int width = pos.x() - sizing_origin_;
      UserColumnSize(sizing_index_, width);
      SetColWidths(sizing_index_, width);
      break;
    }
    case gsRowSizing:
      SetRowHeights(sizing_index_, pos.y() - sizing_origin_);
      break;
    default: {
      const bool col_border = (options_ & goColSizing) && MouseCoord(pos.x(), pos.y()).Y >= 0 &&
                              MouseCoord(pos.x(), pos.y()).Y < fixed_rows_ && Col_Border_At(pos.x()) >= 0;
      viewport()->setCursor(col_border ? Qt::SplitHCursor : Qt::ArrowCursor);
      break;
    }
  }
}

void Platform_Grid::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  HandleMouseUp(event->button(), event->modifiers(), pos.x(), pos.y());
}

void Platform_Grid::HandleMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
  const TGridCoord cell = MouseCoord(X, Y);
  if (state_ == gsColMoving && cell.X >= fixed_cols_ && cell.X != moving_from_) MoveColumn(moving_from_, cell.X);
  if (state_ == gsRowMoving && cell.Y >= fixed_rows_ && cell.Y != moving_from_) MoveRow(moving_from_, cell.Y);
  state_ = gsNormal;
  sizing_index_ = moving_from_ = -1;
}

void Platform_Grid::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta < 0)
    HandleWheelDown();
  else if (delta > 0)
    HandleWheelUp();
  event->accept();
}

// ---- in-place editor

bool Platform_Grid::CanEditShow() const {
  return (options_ & goEditing) && !(options_ & goRowSelect) && cur_col_ >= fixed_cols_ && cur_row_ >= fixed_rows_;
}

QWidget* Platform_Grid::CreateEditor() {
  auto* line = new QLineEdit(viewport());
  line->setFrame(false);
  return line;
}

QString Platform_Grid::GetEditText(int c, int r) { return store_.Text(c, r); }

void Platform_Grid::SetEditText(int c, int r, const QString& value) {
  store_.Set_Text(c, r, value);
  InvalidateCell(c, r);
}

bool Platform_Grid::EditorMode() const { return editor_shown_; }

void Platform_Grid::ShowEditor() {
  if (editor_shown_ || !CanShowEditor()) return;
  if (!editor_) {
    editor_ = CreateEditor();
    if (!editor_) return;
    editor_->installEventFilter(this);
  }
  Fill_Editor(editor_);
  editor_shown_ = true;
  Place_Editor();
  editor_->show();
  editor_->setFocus();
}

void Platform_Grid::Fill_Editor(QWidget* editor) {
  if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    line->setText(GetEditText(cur_col_, cur_row_));
    line->selectAll();
  }
}

void Platform_Grid::Set_Editing_Option(bool on) {
  if (bool(options_ & goEditing) == on) return;
  options_ = on ? options_ | goEditing : options_ & ~goEditing;
  if (!on) HideEditor();
  viewport()->update();
}

void Platform_Grid::Start_Editor_With(const QString& text) {
  ShowEditor();
  if (auto* line = qobject_cast<QLineEdit*>(editor_.data()); line && editor_shown_) line->setText(text);
}

void Platform_Grid::HideEditor() {
  if (!editor_shown_) return;
  editor_shown_ = false;
  if (editor_) {
    // The grid takes the focus before the editor hides, so that it does not
    // wander to the next control of the window on the way.
    if (editor_->hasFocus()) setFocus();
    editor_->hide();
  }
}

void Platform_Grid::UpdateEditorText() { Commit_Editor(); }

void Platform_Grid::Commit_Editor() {
  if (!editor_shown_) return;
  if (auto* line = qobject_cast<QLineEdit*>(editor_.data())) SetEditText(cur_col_, cur_row_, line->text());
}

void Platform_Grid::Place_Editor() {
  if (!editor_ || !editor_shown_) return;
  const TRect rect = PlatformCellRect(cur_col_, cur_row_);
  if (rect.Is_Empty()) {
    editor_->setGeometry(-100, -100, 1, 1);
    return;
  }
  editor_->setGeometry(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
}

bool Platform_Grid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor_.data() && event->type() == QEvent::KeyPress && !Editor_Owns_Keys()) {
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        Commit_Editor();
        HideEditor();
        return true;
      case Qt::Key_Escape:
        HideEditor();
        return true;
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
      case Qt::Key_Tab:
        Commit_Editor();
        HideEditor();
        HandleKeyDown(key->key(), key->modifiers());
        return true;
      default:
        break;
    }
  }
  return QAbstractScrollArea::eventFilter(watched, event);
}
