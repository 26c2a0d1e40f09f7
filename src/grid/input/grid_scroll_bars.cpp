// Scroll bars of TZadIrururOziz: their look (regular, flat, Encarta, the thin
// Metro indicators), which bars show, the proportional thumb, points to
// cells, and keeping the last row clear of the search panel.
//
// The platform grid's bars count rows and columns (value = top row or left
// column, page = rows or columns in view), so a thumb position is the row or
// column itself. The proportional thumb changes only the page.
#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/input/flat_scroll_style.h"
#include "grid/input/proportional_scroll.h"

namespace {
// The indicators' thickness in pixels.
constexpr int Indicator_Extent = 6;
// The search panel's height while it is shown.
constexpr int Search_Panel_Height = 32;

// A bar's page giving its thumb the share of the proportional range: the
// range's thumb covers Page / (Maximum + 1) of the track.
void Set_Proportional_Page(QScrollBar* bar, const Proportional_Scroll& range) {
  const int positions = bar->maximum() - bar->minimum();
  if (positions <= 0 || range.Maximum <= 0) return;
  const double share = std::clamp(double(range.Page) / (range.Maximum + 1), 0.0, 0.999);
  bar->setPageStep(std::max(1, int(std::lround(share * positions / (1 - share)))));
}
}  // namespace

// ---- settings

void TZadIrururOziz::SetScrollType(TScrollType Value) {
  if (Value == FScrollType) return;
  FScrollType = Value;
  // Flat and Encarta looks are always available here: we paint them.
  FIsFlat = Value == ssFlat || Value == ssEncarta;
  if (Value == ssMetro) {
    if (!vscrlctrl) {
      vscrlctrl = new TScrollControl(this);
      vscrlctrl->SetDirection(sdVertical);
      hscrlctrl = new TScrollControl(this);
      hscrlctrl->SetDirection(sdHorizontal);
      vscrlctrl->show();
      hscrlctrl->show();
    }
    SetScrollBars(ssNone);
  } else if (vscrlctrl) {
    delete vscrlctrl.data();
    delete hscrlctrl.data();
    SetScrollBars(ssBoth);
  }
  Apply_Flat_Look();
  Place_Scroll_Indicators();
}

void TZadIrururOziz::SetScrollColor(TColor Value) {
  FScrollColor = Value;
  Apply_Flat_Look();
}

int TZadIrururOziz::ScrollWidth() const {
  return FScrollWidth > 0 ? FScrollWidth : style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void TZadIrururOziz::SetScrollWidth(int Value) {
  FScrollWidth = std::max(0, Value);
  Apply_Flat_Look();
}

void TZadIrururOziz::SetScrollBars(TScrollStyle Value) {
  FScrollBars = Value;
  Apply_Scroll_Bar_Policies();
}

void TZadIrururOziz::SetScrollBarAlways(TScrollBarAlways Value) {
  FScrollBarAlways = Value;
  Apply_Scroll_Bar_Policies();
}

void TZadIrururOziz::SetScrollSynch(bool Value) {
  FScrollSynch = Value;
  verticalScrollBar()->setTracking(Scroll_While_Dragging());
  horizontalScrollBar()->setTracking(Scroll_While_Dragging());
}

bool TZadIrururOziz::Scroll_While_Dragging() const { return FScrollSynch || (Options() & goThumbTracking); }

void TZadIrururOziz::SetScrollProportional(bool Value) {
  FScrollProportional = Value;
  if (Value) {
    UpdateProportionalScrollV();
    UpdateProportionalScrollH();
    return;
  }
  // Back to pages counted in rows and columns.
  verticalScrollBar()->setPageStep(std::max(1, VisibleRowCount()));
  horizontalScrollBar()->setPageStep(std::max(1, VisibleColCount()));
}

// ---- which bars show

void TZadIrururOziz::Apply_Scroll_Bar_Policies() {
  // A bar left out of ScrollBars never shows; one named by ScrollBarAlways
  // always does; the others show while something lies out of view.
  auto policy = [](bool allowed, bool always) {
    return !allowed ? Qt::ScrollBarAlwaysOff : always ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
  };
  const Qt::ScrollBarPolicy vertical = policy(FScrollBars == ssVertical || FScrollBars == ssBoth,
                                              FScrollBarAlways == saVert || FScrollBarAlways == saBoth);
  const Qt::ScrollBarPolicy horizontal = policy(FScrollBars == ssHorizontal || FScrollBars == ssBoth,
                                                FScrollBarAlways == saHorz || FScrollBarAlways == saBoth);
  if (verticalScrollBarPolicy() != vertical) setVerticalScrollBarPolicy(vertical);
  if (horizontalScrollBarPolicy() != horizontal) setHorizontalScrollBarPolicy(horizontal);
  ApplyScrollBarAlways(true);
}

void TZadIrururOziz::ApplyScrollBarAlways(bool Force) {
  // A bar that is not always shown hides by itself once everything fits,
  // so Force has nothing left to do.
  (void)Force;
  const bool rows_fit = VisibleRowCount() + FixedRows() >= RowCount();
  const bool cols_fit = VisibleColCount() + FixedCols() >= ColCount();
  const bool vertical = FScrollBarAlways == saVert || FScrollBarAlways == saBoth;
  const bool horizontal = FScrollBarAlways == saHorz || FScrollBarAlways == saBoth;
  verticalScrollBar()->setEnabled(!(vertical && rows_fit));
  horizontalScrollBar()->setEnabled(!(horizontal && cols_fit));
}

void TZadIrururOziz::Scroll_Bars_Updated() {
  UpdateProportionalScrollV();
  UpdateProportionalScrollH();
  if (FScrollBarAlways != saNone) ApplyScrollBarAlways(false);
  Place_Scroll_Indicators();
}

// ---- proportional thumbs

void TZadIrururOziz::UpdateProportionalScrollV() {
  if (!FScrollProportional || FScrollLock) return;
  if (VisibleRowCount() + FixedRows() >= RowCount()) return;
  const int g = GridLineWidth();
  int fixed = g, total = g, above = g;
  for (int r = 0; r < FixedRows(); ++r) fixed += g + RowHeights(r);
  for (int r = FixedRows(); r < RowCount(); ++r) {
    total += g + RowHeights(r);
    if (r < TopRow()) above += g + RowHeights(r);
  }
  if (const auto range = Proportional_Scroll_Range(ClientHeight(), fixed, total, above))
    Set_Proportional_Page(verticalScrollBar(), *range);
}

void TZadIrururOziz::UpdateProportionalScrollH() {
  if (!FScrollProportional || FScrollLock) return;
  const int g = GridLineWidth();
  int fixed = g, total = g, left = g;
  for (int c = 0; c < FixedCols(); ++c) fixed += g + ColWidths(c);
  for (int c = FixedCols(); c < ColCount(); ++c) {
    total += g + ColWidths(c);
    if (c < LeftCol()) left += g + ColWidths(c);
  }
  if (fixed + total - ClientWidth() < 5) return;
  if (const auto range = Proportional_Scroll_Range(ClientWidth(), fixed, total, left))
    Set_Proportional_Page(horizontalScrollBar(), *range);
}

// ---- flat looks and indicators

void TZadIrururOziz::Apply_Flat_Look() {
  if (!FFlatStyle) {
    if (!FIsFlat) return;
    FFlatStyle = new Flat_Scroll_Style;
    // A child made after the bars: it outlives them when the grid goes.
    FFlatStyle->setParent(this);
    verticalScrollBar()->setStyle(FFlatStyle);
    horizontalScrollBar()->setStyle(FFlatStyle);
  }
  FFlatStyle->Set_Look(FScrollType == ssFlat      ? Flat_Look::Flat
                       : FScrollType == ssEncarta ? Flat_Look::Encarta
                                                  : Flat_Look::Regular);
  FFlatStyle->Set_Background(FScrollColor == clNone ? QColor() : To_QColor(FScrollColor, palette()));
  FFlatStyle->Set_Extent(ScrollWidth());
  for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
    // Hovering marks the part under the mouse.
    bar->setAttribute(Qt::WA_Hover, FIsFlat);
    bar->updateGeometry();
    bar->update();
  }
  // The bars take their new thickness when the area lays them out again.
  setViewportMargins(viewportMargins());
}

void TZadIrururOziz::RefreshFlatScrollBars() { Apply_Flat_Look(); }

void TZadIrururOziz::Place_Scroll_Indicators() {
  if (!vscrlctrl || !hscrlctrl) return;
  // The horizontal strip runs along the whole bottom, the vertical one down
  // the right side above it.
  const QRect area = viewport()->geometry();
  hscrlctrl->setGeometry(area.left(), area.bottom() + 1 - Indicator_Extent, area.width(), Indicator_Extent);
  vscrlctrl->setGeometry(area.right() + 1 - Indicator_Extent, area.top(), Indicator_Extent,
                         std::max(0, area.height() - Indicator_Extent));
  hscrlctrl->raise();
  vscrlctrl->raise();
  hscrlctrl->update();
  vscrlctrl->update();
}

// ---- points and cells

void TZadIrururOziz::ScreenToCell(const QPoint& pt, int& ACol, int& ARow) const {
  const QPoint at = viewport()->mapFromGlobal(pt);
  ACol = ARow = -1;
  if (!viewport()->rect().contains(at)) return;
  const TGridCoord cell = MouseCoord(at.x(), at.y());
  ACol = cell.X;
  ARow = cell.Y;
}

bool TZadIrururOziz::SizingBorderAt(int X, int Y) const {
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0 || cell.Y < 0) return false;
  const TRect rect = UnclippedCellRect(cell.X, cell.Y);
  // Only borders the mouse can drag count: in the fixed rows (columns) and
  // never the grid's own left (top) edge.
  const bool near_left = cell.X > 0 && X - rect.Left < 4;
  const bool near_top = cell.Y > 0 && Y - rect.Top <= 3;
  if (cell.Y < FixedRows() && (Options() & goColSizing) && (near_left || rect.Right - X < 4)) return true;
  return cell.X < FixedCols() && (Options() & goRowSizing) && (near_top || rect.Bottom - Y <= 3);
}

// ---- the search panel and the last row

int TZadIrururOziz::SearchPanelHeight() const {
  // Read while the grid is still being made, before its option groups exist.
  return FSearchFooter && FSearchFooter->Visible() ? Search_Panel_Height : 0;
}

bool TZadIrururOziz::LastRowClearOfSearchFooter() const {
  const int panel = SearchPanelHeight();
  if (panel == 0 || TopRow() + VisibleRowCount() < RowCount() - 1) return false;
  return UnclippedCellRect(0, RowCount() - 1).Bottom < ClientHeight() - panel + 2;
}

void TZadIrururOziz::ScrollLastRowAboveSearchFooter() {
  const int panel = SearchPanelHeight();
  if (panel == 0 || DefaultRowHeight() + panel >= ClientHeight()) return;
  Scroll_Above(0, RowCount() - 1, ClientHeight() - panel + 2);
}

void TZadIrururOziz::Scroll_Above(int ACol, int ARow, int Limit) {
  while (UnclippedCellRect(ACol, ARow).Bottom > Limit) {
    const int before = TopRow();
    SetTopRow(before + 1);
    if (TopRow() <= before) break;  // the grid scrolls no further
  }
}

// ---- keys

bool TZadIrururOziz::Move_Scroll_Only(int key) {
  if (!FNavigation->MoveScrollOnly()) return false;
  const int top = TopRow(), visible = VisibleRowCount(), fixed = FixedRows(), count = RowCount();
  switch (key) {
    case Qt::Key_PageUp:
      SetTopRow(top > visible + fixed ? top - visible : fixed);
      break;
    case Qt::Key_PageDown:
      if (top + visible < count) SetTopRow(top + visible);
      break;
    case Qt::Key_End:
      SetTopRow(count - visible);
      break;
    case Qt::Key_Home:
      SetTopRow(fixed);
      break;
    case Qt::Key_Up:
      if (top > fixed) SetTopRow(top - 1);
      break;
    case Qt::Key_Down:
      if (top + visible < count) SetTopRow(top + 1);
      break;
    default:
      return false;
  }
  return true;
}

bool TZadIrururOziz::Row_Select_Scroll_Key(int key, Qt::KeyboardModifiers shift) {
  if ((key != Qt::Key_Left && key != Qt::Key_Right) || !(Options() & goRowSelect)) return false;
  if (HasNodes() && GetCellType(0, Row()) == ctNode) return false;
  if (FixedCols() + VisibleColCount() >= ColCount()) return false;
  const bool ctrl = shift & Qt::ControlModifier;
  // With LeftRightRowSelect Ctrl+arrow scrolls; without it the plain arrow.
  if (ctrl != FNavigation->LeftRightRowSelect()) return false;
  if (key == Qt::Key_Left)
    SetLeftCol(std::max(FixedCols(), LeftCol() - 1));
  else if (LeftCol() + VisibleColCount() < ColCount())
    SetLeftCol(LeftCol() + 1);
  return true;
}

void TZadIrururOziz::Keep_Horiz_Scroll(int key, int old_left) {
  const bool vertical_key =
      key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Up || key == Qt::Key_Down;
  if (vertical_key && (Options() & goRowSelect) && old_left != FixedCols() && FNavigation->KeepHorizScroll())
    SetLeftCol(old_left);
}

bool TZadIrururOziz::Search_Footer_Key_Before(int key) {
  if (SearchPanelHeight() == 0 || TopRow() < RowCount() - VisibleRowCount()) return false;
  if (Row() != RowCount() - 1) return false;
  if (key == Qt::Key_Down) {
    ScrollLastRowAboveSearchFooter();
    return true;
  }
  // Nothing to move to: the keys must not scroll the last row back under the panel.
  return (key == Qt::Key_Right && Col() == ColCount() - 1) || (key == Qt::Key_Left && Col() == FixedCols());
}

void TZadIrururOziz::Search_Footer_Key_After(int key) {
  const int panel = SearchPanelHeight();
  if (panel == 0 || Row() != RowCount() - 1) return;
  if (key != Qt::Key_PageDown && key != Qt::Key_End && key != Qt::Key_Left && key != Qt::Key_Right &&
      key != Qt::Key_Down)
    return;
  Scroll_Above(Col(), Row(), ClientHeight() - panel + 2);
}

// ---- cells made current

void TZadIrururOziz::EditCell(int ACol, int ARow) {
  setFocus();
  GotoCell(ACol, ARow);
  ShowInplaceEdit();
}
