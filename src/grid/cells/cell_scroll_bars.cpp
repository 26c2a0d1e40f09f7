// Cell scroll bars of TZadIrururOziz: a bar at a cell's right edge that
// scrolls a text taller than its row. The object keeps the position
// (CellIndex), the page (CellAngle) and the range (CellErrFrom); with an
// automatic range the page is the row's height and the range the height of
// the cell's text, measured again each time the cell is written.
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

#include "grid/core/cell_paint.h"

void TZadIrururOziz::AddScrollBar(int ACol, int ARow, bool AutoRange) {
  TCellGraphic* bar = CreateCellGraphic(ACol, ARow);
  bar->CellType = ctScrollbar;
  bar->CellIndex = 0;
  bar->CellAngle = 0;
  bar->CellErrFrom = 100;
  bar->CellBoolean = AutoRange;
  if (AutoRange) Update_Auto_Range(ACol, ARow, *bar);
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::RemoveScrollBar(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }

bool TZadIrururOziz::HasScrollBar(int ACol, int ARow) { return HasCellType(ACol, ARow, {ctScrollbar}); }

bool TZadIrururOziz::HasAutoRangeScrollBar(int ACol, int ARow) {
  const TCellGraphic* bar = Base_Graphic_Of(ACol, ARow, ctScrollbar);
  return bar && bar->CellBoolean;
}

void TZadIrururOziz::SetScrollPosition(int ACol, int ARow, int Pos) {
  TCellGraphic* bar = Base_Graphic_Of(ACol, ARow, ctScrollbar);
  if (!bar) return;
  bar->CellIndex = Pos;
  RepaintCell(DisplColIndex(ACol), ARow);
}

int TZadIrururOziz::GetScrollPosition(int ACol, int ARow) {
  const TCellGraphic* bar = Base_Graphic_Of(ACol, ARow, ctScrollbar);
  return bar ? bar->CellIndex : -1;
}

void TZadIrururOziz::SetScrollProp(int ACol, int ARow, TScrollProp Prop) {
  TCellGraphic* bar = Base_Graphic_Of(ACol, ARow, ctScrollbar);
  if (!bar) return;
  bar->CellAngle = Prop.PageSize;
  bar->CellErrFrom = Prop.Range;
  RepaintCell(DisplColIndex(ACol), ARow);
}

TScrollProp TZadIrururOziz::GetScrollProp(int ACol, int ARow) {
  const TCellGraphic* bar = Base_Graphic_Of(ACol, ARow, ctScrollbar);
  return bar ? TScrollProp{bar->CellAngle, bar->CellErrFrom} : TScrollProp{-1, -1};
}

void TZadIrururOziz::Update_Auto_Range(int ACol, int ARow, TCellGraphic& Bar) {
  Bar.CellAngle = RowHeights(ARow);
  Bar.CellErrFrom = GetCellTextSize(ACol, ARow, false, false).height();
}

void TZadIrururOziz::CellWritten(int ACol, int ARow) {
  TBaseGrid::CellWritten(ACol, ARow);
  TCellGraphic* bar = Base_Graphic_Of(ACol, ARow, ctScrollbar);
  if (bar && bar->CellBoolean) Update_Auto_Range(ACol, ARow, *bar);
}

void TZadIrururOziz::Draw_Cell_Scroll_Bar(TCanvas& ACanvas, Cell_Paint& P) {
  const TCellGraphic* bar = Base_Graphic_Of(P.RCol, P.ARow, ctScrollbar);
  if (!bar) return;
  const int page = bar->CellAngle, range = bar->CellErrFrom;
  if (page >= range) return;
  // The style's own vertical scroll bar; the part of the range it can scroll
  // is what the page leaves.
  const int width = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  QStyleOptionSlider option;
  option.initFrom(this);
  option.state &= ~QStyle::State_HasFocus;
  // The style places the bar's parts from the origin of its rectangle.
  option.rect = QRect(0, 0, width, P.Cell.Height());
  option.orientation = Qt::Vertical;
  option.minimum = 0;
  option.maximum = range - std::max(0, page);
  option.pageStep = std::max(1, page);
  option.singleStep = 1;
  option.sliderPosition = option.sliderValue = std::clamp(bar->CellIndex, 0, option.maximum);
  option.subControls = QStyle::SC_All;
  option.activeSubControls = QStyle::SC_None;
  QPainter& painter = ACanvas.Painter();
  painter.save();
  painter.translate(P.Rect.Right - width, P.Cell.Top);
  // Some styles draw the thumb a pixel wider than the bar.
  painter.setClipRect(option.rect, Qt::IntersectClip);
  style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
  painter.restore();
  P.Rect.Right -= width;
}
