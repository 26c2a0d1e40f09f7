// The live scroll bar of scroll-bar cells: one bar for the grid, laid over
// the right edge of the scroll-bar cell under the mouse when that cell's
// text is taller than its page. A line step moves the position by 10, a
// page step by 100; every move becomes the cell's scroll position, repaints
// the cell and is told through OnScrollCell. The bar hides over any other
// cell and when the grid scrolls (the next mouse move lays it out again).
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "grid/core/zad_irurur_oziz.h"

namespace {

constexpr int Bar_Width = 17;
constexpr int Line_Step = 10;
constexpr int Page_Step = 100;

}  // namespace

QScrollBar* TZadIrururOziz::CellScrollBar() const { return FScrollBar; }

void TZadIrururOziz::DoScrollCell() {
  if (!OnScrollCell || !FScrollBar) return;
  // The bar's range is the cell's range; Qt's maximum leaves out the page.
  const TScrollProp prop = GetScrollProp(FScrollCol, FScrollRow);
  OnScrollCell(this, DisplColIndex(FScrollCol), FScrollRow, FScrollBar->value(), FScrollBar->minimum(), prop.Range);
}

void TZadIrururOziz::Cell_Scroll_Bar_Hover(int ACol, int ARow) {
  const QPoint base = ACol >= 0 && ARow >= 0 ? BaseCell(RealColIndex(ACol), ARow) : QPoint(-1, -1);
  if (base.x() < 0 || !HasScrollBar(base.x(), base.y())) {
    if (FScrollBar) FScrollBar->hide();
    return;
  }
  const TScrollProp prop = GetScrollProp(base.x(), base.y());
  if (prop.PageSize >= prop.Range) {
    if (FScrollBar) FScrollBar->hide();
    return;
  }
  if (!FScrollBar) {
    FScrollBar = new QScrollBar(Qt::Vertical, viewport());
    FScrollBar->setFocusPolicy(Qt::NoFocus);
    FScrollBar->hide();
    connect(FScrollBar, &QAbstractSlider::actionTriggered, this,
            [this](int Action) { Cell_Scroll_Bar_Action(Action); });
    connect(FScrollBar, &QAbstractSlider::valueChanged, this, [this](int Value) { Cell_Scroll_Bar_Moved(Value); });
    connect(this, &Platform_Grid::TopLeftChangedSignal, this, [this] {
      if (FScrollBar) FScrollBar->hide();
    });
  }
  const TRect r = CellRect(DisplColIndex(base.x()), base.y());
  const int line = GridLineWidth();
  const QRect place(r.Right - Bar_Width - line, r.Top + line, Bar_Width, std::max(0, r.Height() - 2 * line));
  if (FScrollBar->isVisible() && FScrollBar->geometry() == place && FScrollCol == base.x() && FScrollRow == base.y())
    return;
  FScrollCol = base.x();
  FScrollRow = base.y();
  const QSignalBlocker quiet(FScrollBar);
  FScrollBar->setGeometry(place);
  FScrollBar->setRange(0, std::max(0, prop.Range - std::max(0, prop.PageSize)));
  FScrollBar->setPageStep(std::max(1, prop.PageSize));
  FScrollBar->setSingleStep(Line_Step);
  FScrollBar->setValue(std::clamp(GetScrollPosition(FScrollCol, FScrollRow), 0, FScrollBar->maximum()));
  FScrollBar->show();
  FScrollBar->raise();
}

void TZadIrururOziz::Cell_Scroll_Bar_Action(int Action) {
  // The thumb keeps its size from the page; clicks in the trough step by
  // the page step of these cells instead.
  const int value = FScrollBar->value();
  if (Action == QAbstractSlider::SliderPageStepAdd)
    FScrollBar->setSliderPosition(std::min(FScrollBar->maximum(), value + Page_Step));
  else if (Action == QAbstractSlider::SliderPageStepSub)
    FScrollBar->setSliderPosition(std::max(FScrollBar->minimum(), value - Page_Step));
}

void TZadIrururOziz::Cell_Scroll_Bar_Moved(int Value) {
  if (FScrollCol < 0 || !HasScrollBar(FScrollCol, FScrollRow)) return;
  if (GetScrollPosition(FScrollCol, FScrollRow) == Value) return;
  SetScrollPosition(FScrollCol, FScrollRow, Value);
  DoScrollCell();
}
