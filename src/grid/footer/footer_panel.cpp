#include "grid/footer/footer_panel.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "controls/canvas.h"
#include "grid/core/floating_footer.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/filter/filter_drop_lists.h"
#include "grid/footer/footer_template.h"

namespace {

constexpr TColor Grey = 0x808080;
constexpr TColor White = 0xFFFFFF;

}  // namespace

TFooterPanel::TFooterPanel(TZadIrururOziz* AGrid) : QWidget(AGrid), FGrid(AGrid) {
  setMouseTracking(true);
  setAutoFillBackground(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(0, 0);
  hide();
  // The panel follows the cell area's size, and paints again whenever the
  // cells do (scrolling, column widths, edits).
  FGrid->viewport()->installEventFilter(this);
}

bool TFooterPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FGrid->viewport()) {
    if (event->type() == QEvent::Resize) Place();
    if (event->type() == QEvent::Paint && isVisible()) update();
  }
  return QWidget::eventFilter(watched, event);
}

void TFooterPanel::Place() {
  const TFloatingFooter& footer = FGrid->FloatingFooter();
  const QRect cells = FGrid->viewport()->geometry();
  const int height = footer.Visible() ? std::max(0, footer.Height() - 1) : 0;
  const int bottom = cells.bottom() + 1 - FGrid->SearchPanelHeight();
  setGeometry(cells.left(), bottom - height, cells.width(), height);
  raise();
}

// ---- geometry

int TFooterPanel::FooterWidth() const {
  int w = 0;
  for (int c = 0; c < FGrid->FixedCols() && c < FGrid->ColCount(); ++c) w += FGrid->ColWidths(c);
  for (int c = std::max(FGrid->LeftCol(), FGrid->FixedCols()); c < FGrid->ColCount(); ++c) w += FGrid->ColWidths(c);
  return w;
}

TRect TFooterPanel::Mirrored(const TRect& R) const {
  if (!FGrid->isRightToLeft()) return R;
  const int cw = width();
  return {cw - R.Right, R.Top, cw - R.Left, R.Bottom};
}

TRect TFooterPanel::FooterArea() const {
  const int w = std::min(FooterWidth(), width());
  return Mirrored(TRect{0, 0, w, height()});
}

int TFooterPanel::ColumnAt(int X) const {
  if (FGrid->isRightToLeft()) X = width() - 1 - X;
  if (X < 0) return -1;
  int sum = 0;
  for (int c = 0; c < FGrid->FixedCols() && c < FGrid->ColCount(); ++c) {
    sum += FGrid->ColWidths(c);
    if (X < sum) return c;
  }
  for (int c = std::max(FGrid->LeftCol(), FGrid->FixedCols()); c < FGrid->ColCount(); ++c) {
    sum += FGrid->ColWidths(c);
    if (X < sum) return c;
  }
  return -1;
}

bool TFooterPanel::Light_Edges() const {
  const TGridLook look = FGrid->Look();
  return (look == glSoft || look == glDUD || look == glXP || look == glListView) && !FGrid->Flat();
}

// ---- painting

void TFooterPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TCanvas canvas(painter);
  canvas.Font = FGrid->GridFont();
  Paint(canvas);
}

void TFooterPanel::Fill_Outside(TCanvas& Canvas, const TRect& Area) {
  Canvas.Pen.Style = TPenStyle::psSolid;
  Canvas.Brush.Style = TBrushStyle::bsSolid;
  Canvas.Brush.Color = FGrid->Color();
  const TRect all{0, 0, width(), height()};
  if (Area.Left > 0) Canvas.Fill_Rect(TRect{0, 0, Area.Left, all.Bottom});
  if (Area.Right < all.Right) Canvas.Fill_Rect(TRect{Area.Right, 0, all.Right, all.Bottom});
}

void TFooterPanel::Paint(TCanvas& Canvas) {
  TFloatingFooter& footer = FGrid->FloatingFooter();
  const TRect area = FooterArea();
  int painted_width = std::min(FooterWidth(), width());
  Canvas.Pen.Style = TPenStyle::psSolid;
  Canvas.Brush.Style = TBrushStyle::bsSolid;
  switch (footer.FooterStyle()) {
    case fsFixedLastRow:
      Canvas.Brush.Color = footer.Color();
      Canvas.Pen.Color = footer.Color();
      Canvas.Fill_Rect(area);
      Fill_Outside(Canvas, area);
      Paint_Column_Lines(Canvas, area);
      Paint_Last_Row(Canvas, area);
      break;
    case fsColumnPreview: {
      Paint_Preview_Frame(Canvas, area);
      const int c = footer.Column();
      const int r = FGrid->Row();
      if (c >= 0 && c < FGrid->ColCount() && r >= 0 && r < FGrid->RowCount()) {
        // The preview is no selection: its text keeps a readable colour.
        const TColor selection_text = FGrid->FSelectionTextColor;
        FGrid->FSelectionTextColor = clBlack;
        if (FGrid->OnFooterPaint)
          FGrid->OnFooterPaint(this, c, Canvas, area);
        else
          FGrid->PaintFooterCell(Canvas, c, r, area, 0);
        FGrid->FSelectionTextColor = selection_text;
      }
      Fill_Outside(Canvas, area);
      break;
    }
    case fsCustomPreview: {
      Paint_Preview_Frame(Canvas, area);
      const int r = FGrid->Row();
      const QString text =
          FGrid->IsDesigning()
              ? footer.CustomTemplate()
              : ExpandFooterTemplate(footer.CustomTemplate(), [this, r](int n) { return FGrid->FooterCellText(n, r); });
      THtmlDrawParams params;
      params.Images = &FGrid->FPaintLook.CellImageList;
      params.PictureCache = &FGrid->FImageCache;
      params.Pictures = FGrid->FPictureContainer;
      params.URLColor = FGrid->URLColor();
      params.WordWrap = !FGrid->FPaintLook.EnhTextSize;
      params.ShadowColor = Grey;
      params.WindowHandle = this;
      params.BiDiMode = FGrid->isRightToLeft() ? bdRightToLeft : bdLeftToRight;
      THtmlDrawResult result;
      Canvas.Font_Color = FGrid->FontColor();
      Canvas.Brush.Style = TBrushStyle::bsClear;
      DrawHtmlText(Canvas, text, TRect{area.Left, area.Top + 2, area.Right, area.Bottom}, params, result);
      Canvas.Brush.Style = TBrushStyle::bsSolid;
      Fill_Outside(Canvas, area);
      break;
    }
    case fsCustomPaint:
      painted_width = width();
      Canvas.Brush.Color = FGrid->Color();
      Canvas.Fill_Rect(TRect{0, 0, width(), height()});
      if (FGrid->OnFooterPaint) FGrid->OnFooterPaint(this, footer.Column(), Canvas, TRect{0, 0, width(), height()});
      break;
  }
  if (footer.BorderColor() != clNone) {
    Canvas.Pen.Style = TPenStyle::psSolid;
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = footer.BorderColor();
    const TRect line = Mirrored(TRect{0, 0, painted_width, 1});
    Canvas.Move_To(line.Left, 0);
    Canvas.Line_To(line.Right, 0);
  }
}

void TFooterPanel::Paint_Preview_Frame(TCanvas& Canvas, const TRect& Area) {
  Canvas.Brush.Color = FGrid->FloatingFooter().Color();
  Canvas.Fill_Rect(Area);
  if (Area.Is_Empty()) return;
  Canvas.Pen.Style = TPenStyle::psSolid;
  Canvas.Pen.Width = 1;
  Canvas.Pen.Color = Grey;
  Canvas.Move_To(Area.Left, Area.Bottom - 1);
  Canvas.Line_To(Area.Right - 1, Area.Bottom - 1);
  Canvas.Line_To(Area.Right - 1, Area.Top - 1);
  Canvas.Pen.Color = White;
  Canvas.Move_To(Area.Left, Area.Bottom - 1);
  Canvas.Line_To(Area.Left, Area.Top);
  Canvas.Line_To(Area.Right - 1, Area.Top);
}

// The column lines, worked out left to right and mirrored in right-to-left
// mode.
void TFooterPanel::Paint_Column_Lines(TCanvas& Canvas, const TRect&) {
  const TGridOptions options = FGrid->Options();
  const bool fixed_vert = options & goFixedVertLine, fixed_horz = options & goFixedHorzLine;
  const bool light = fixed_vert && Light_Edges();
  const int h = height();
  Canvas.Pen.Style = TPenStyle::psSolid;
  Canvas.Pen.Width = 1;
  auto vline = [&](int x, TColor colour) {
    const TRect at = Mirrored(TRect{x, 0, x + 1, h});
    Canvas.Pen.Color = colour;
    Canvas.Move_To(at.Left, h);
    Canvas.Line_To(at.Left, -1);
  };
  auto hline = [&](int from, int to, TColor colour) {
    if (to <= from) return;
    const TRect at = Mirrored(TRect{from, 0, to, 1});
    Canvas.Pen.Color = colour;
    Canvas.Move_To(at.Left, 0);
    Canvas.Line_To(at.Right, 0);
  };
  int x = 0;
  auto column = [&](int c, bool fixed) {
    const int start = x;
    if (light) vline(x, White);
    x += FGrid->ColWidths(c);
    if (fixed_horz) hline(start, x - 1, FGrid->GridLineColor());
    if (fixed_vert) vline(x - 1, fixed || FGrid->Look() == glVista ? FGrid->GridLineColor() : Grey);
  };
  for (int c = 0; c < FGrid->FixedCols() && c < FGrid->ColCount(); ++c) column(c, true);
  for (int c = std::max(FGrid->LeftCol(), FGrid->FixedCols()); c < FGrid->ColCount(); ++c) column(c, false);
}

void TFooterPanel::Paint_Last_Row(TCanvas& Canvas, const TRect&) {
  const int r = FGrid->RowCount() - 1;
  const TGridOptions options = FGrid->Options();
  const bool fixed_horz = options & goFixedHorzLine;
  const int top = fixed_horz ? 1 : 0;
  const int indent = fixed_horz && Light_Edges() ? 1 : 0;
  const int h = height();
  int left = 0;
  auto cell_rect = [&](int c) {
    const int real = FGrid->RealColIndex(c);
    int right = left + FGrid->ColWidths(c) - 1;
    if (FGrid->IsMergedCell(real, r) && FGrid->IsBaseCell(real, r)) {
      const QPoint span = FGrid->Store().CellSpan(real, r);
      for (int k = 1; k <= span.x() && c + k < FGrid->ColCount(); ++k) right += FGrid->ColWidths(c + k);
    }
    return TRect{left + indent, top, right, h};
  };
  auto next = [&](const TRect& cell) { left = cell.Right + 1; };
  const int fixed_cols = std::min(FGrid->FixedCols(), FGrid->ColCount());
  for (int c = 0; c < fixed_cols; ++c) {
    const int real = FGrid->RealColIndex(c);
    if (FGrid->IsMergedNonBaseCell(real, r)) continue;
    const TRect cell = cell_rect(c);
    FGrid->PaintFooterCell(Canvas, c, r, Mirrored(cell), gdFixed);
    next(cell);
  }
  for (int c = std::max(FGrid->LeftCol(), FGrid->FixedCols()); c < FGrid->ColCount(); ++c) {
    const int real = FGrid->RealColIndex(c);
    // A covered cell is painted with its block; one whose block starts
    // left of the view keeps its place empty.
    if (FGrid->IsMergedNonBaseCell(real, r)) {
      if (FGrid->BaseCell(real, r).x() < FGrid->RealColIndex(std::max(FGrid->LeftCol(), FGrid->FixedCols())))
        left += FGrid->ColWidths(c);
      continue;
    }
    const TRect cell = cell_rect(c);
    const TRect at = Mirrored(cell);
    if (FGrid->OnGetCellColor) {
      TCanvas::Brush_State brush;
      brush.Color = clNone;
      QFont font = Canvas.Font;
      TColor font_colour = Canvas.Font_Color;
      FGrid->OnGetCellColor(FGrid, r, real, gdFixed, brush, font, font_colour);
      if (brush.Color != clNone) {
        Canvas.Brush.Color = brush.Color;
        Canvas.Fill_Rect(at);
      }
    }
    if (FGrid->HasCellProperties(real, r)) {
      const TColor own = FGrid->Store().Object(real, r)->BrushColor();
      if (own != clNone) {
        Canvas.Brush.Color = own;
        Canvas.Fill_Rect(at);
      }
    }
    if (FGrid->OnFooterPaint)
      FGrid->OnFooterPaint(this, c, Canvas, at);
    else
      FGrid->PaintFooterCell(Canvas, c, r, at, gdFixed);
    next(cell);
  }
}

// ---- hints and clicks

int TFooterPanel::Column_At_Event(QPoint Pos) const { return ColumnAt(Pos.x()); }

void TFooterPanel::mouseMoveEvent(QMouseEvent* event) {
  const int c = Column_At_Event(event->position().toPoint());
  if (FLastHintX != -1 && c != FLastHintX) {
    QToolTip::hideText();
    FLastHintX = c;
  }
  QWidget::mouseMoveEvent(event);
}

void TFooterPanel::leaveEvent(QEvent* event) {
  FLastHintX = -1;
  QWidget::leaveEvent(event);
}

bool TFooterPanel::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const int c = Column_At_Event(help->pos());
  QString hint;
  if (c >= 0 && FGrid->OnGridHint) FGrid->OnGridHint(FGrid, FGrid->RowCount() - 1, c, hint);
  const bool show = FGrid->FloatingFooter().ShowHint();
  FLastHintX = show ? c : -1;
  if (show && !hint.isEmpty())
    QToolTip::showText(help->globalPos(), hint, this);
  else
    QToolTip::hideText();
  return true;
}

// The footer takes no focus, so an open header filter list would keep it and
// stay over the cells: a press here closes it as one on the cells does.
void TFooterPanel::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  if (TDropList* list = FGrid->FilterDropList(); list->isVisible()) {
    list->hide();
    if (list->OnCancel) list->OnCancel();
  }
  if (TDropCheckList* list = FGrid->FilterDropCheckList(); list->isVisible()) {
    list->hide();
    if (list->OnCancel) list->OnCancel();
  }
}

void TFooterPanel::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (FGrid->OnClick) FGrid->OnClick(FGrid);
  const int c = Column_At_Event(event->position().toPoint());
  if (c >= 0 && FGrid->OnClickCell) FGrid->OnClickCell(FGrid, FGrid->RowCount() - 1, c);
}
