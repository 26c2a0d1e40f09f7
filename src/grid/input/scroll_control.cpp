#include "grid/input/scroll_control.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "grid/core/zad_irurur_oziz.h"

namespace {
// The thumb never gets shorter than this, however many rows there are.
constexpr int Min_Thumb = 20;
}  // namespace

TScrollControl::TScrollControl(QWidget* parent) : QWidget(parent) {}

void TScrollControl::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  update();
}

TZadIrururOziz* TScrollControl::Grid() const { return qobject_cast<TZadIrururOziz*>(parentWidget()); }

bool TScrollControl::Thumb(int& Position, int& Size) const {
  const TZadIrururOziz* grid = Grid();
  if (!grid) return false;
  const bool vertical = FDirection == sdVertical;
  const int count = vertical ? grid->RowCount() : grid->ColCount();
  const int fixed = vertical ? grid->FixedRows() : grid->FixedCols();
  const int visible = vertical ? grid->VisibleRowCount() : grid->VisibleColCount();
  const int first = vertical ? grid->TopRow() : grid->LeftCol();
  const int trailing = vertical ? grid->FixedFooters() : grid->FixedRightCols();
  if (visible >= count - fixed) return false;
  auto extent = [&](int i) { return vertical ? grid->RowHeights(i) : grid->ColWidths(i); };
  const int length = Length();
  int start = 0;
  for (int i = 0; i < fixed; ++i) start += extent(i);
  int track = length - start;
  for (int i = std::max(fixed, count - trailing); i < count; ++i) track -= extent(i);
  const double shown = double(visible) / count;
  const double offset = double(first - fixed) / (count - fixed);
  Position = start + int(std::lround(track * offset));
  Size = std::max(Min_Thumb, int(std::lround(track * shown)));
  if (Position + Size > length) Position = length - Size;
  return true;
}

void TScrollControl::paintEvent(QPaintEvent*) {
  int position = 0, size = 0;
  if (!Thumb(position, size)) return;
  // Only the thumb is drawn: the grid shows through around it.
  QPainter painter(this);
  const QColor color = To_QColor(FColor, palette());
  painter.setPen(color);
  painter.setBrush(color);
  if (FDirection == sdVertical)
    painter.drawRect(QRect(0, position, FScrollWidth, size));
  else
    painter.drawRect(QRect(position, 0, size, FScrollWidth));
}

void TScrollControl::mousePressEvent(QMouseEvent* event) {
  TZadIrururOziz* grid = Grid();
  int position = 0, size = 0;
  if (!grid || !Thumb(position, size)) return;
  const QPoint at = event->position().toPoint();
  const int pos = FDirection == sdVertical ? at.y() : at.x();
  if (pos >= position && pos < position + size) {
    FDownOnScroller = true;
    FDownPos = pos;
    FDownRow = FDirection == sdVertical ? grid->TopRow() : grid->LeftCol();
    return;
  }
  const bool before = pos < position;
  if (FDirection == sdVertical) {
    const int page = grid->VisibleRowCount();
    grid->SetTopRow(before ? std::max(grid->FixedRows(), grid->TopRow() - page)
                           : std::min(grid->TopRow() + page, grid->RowCount() - page));
  } else {
    const int page = grid->VisibleColCount();
    grid->SetLeftCol(before ? std::max(grid->FixedCols(), grid->LeftCol() - page)
                            : std::min(grid->LeftCol() + page, grid->ColCount() - page));
  }
  update();
}

void TScrollControl::mouseMoveEvent(QMouseEvent* event) {
  TZadIrururOziz* grid = Grid();
  if (!FDownOnScroller || !grid) return;
  const QPoint at = event->position().toPoint();
  const bool vertical = FDirection == sdVertical;
  const int pos = vertical ? at.y() : at.x();
  // The drag is measured against the strip without the first fixed band.
  const int room = Length() - (vertical ? grid->RowHeights(0) : grid->ColWidths(0));
  if (room <= 0) return;
  const int count = vertical ? grid->RowCount() : grid->ColCount();
  const int moved = int(std::lround(double(pos - FDownPos) / room * count)) + FDownRow;
  if (vertical)
    grid->SetTopRow(std::max(grid->FixedRows(), std::min(moved, count - grid->VisibleRowCount())));
  else
    grid->SetLeftCol(std::max(grid->FixedCols(), std::min(moved, count - grid->VisibleColCount())));
  update();
}

void TScrollControl::mouseReleaseEvent(QMouseEvent*) { FDownOnScroller = false; }
