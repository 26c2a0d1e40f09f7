// The tooltip of TZadIrururOziz: per cell, an HTML anchor's title, the
// cell's own text when it is asked for or does not fit, and the
// application's hint through OnGridHint. HTML and packed wide hints show in
// the grid's HTML hint window with the grid's pictures; other hints in the
// platform's tool tip, unless HTML hints are on for the whole program.
#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "grid/columns/html_hint_window.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/draw_html_text.h"
#include "grid/html/html_plain_text.h"
#include "grid/store/text_helpers.h"

bool TZadIrururOziz::CellHint(const QPoint& CursorPos, QString& HintStr, QPoint& HintPos) {
  TCellHintInfo info;
  const bool on_cell = CellHintInfo(CursorPos, info);
  HintStr = info.HintStr;
  HintPos = info.HintPos;
  return on_cell;
}

bool TZadIrururOziz::CellHintInfo(const QPoint& CursorPos, TCellHintInfo& Info) {
  Info = TCellHintInfo{};
  Info.HintColor = FHintColor;
  if (FControlLook.HintMaxWidth() > 0) Info.HintMaxWidth = FControlLook.HintMaxWidth();
  THTMLHintWindow::SetHintFontName(font().family());
  QString& HintStr = Info.HintStr;
  QPoint& HintPos = Info.HintPos;
  const TGridCoord cell = MouseCoord(CursorPos.x(), CursorPos.y());
  if (cell.X < 0 || cell.Y < 0) return false;
  // A merged area answers from its base cell, so the hint stays while the
  // mouse moves inside it.
  const int real = RealColIndex(cell.X);
  const QPoint base = BaseCell(real, cell.Y);
  const int col = DisplColIndex(base.x()), row = base.y();
  FLastHintPos = TGridCoord{col, row};
  const TRect rect = CellRect(col, row);
  const TCellGraphic* graphic = GetCellGraphic(base.x(), row);
  if (graphic && graphic->CellType == ctComment) {
    HintStr = graphic->CellText;
    HintPos = QPoint(rect.Right, rect.Top);
  } else {
    HintPos = QPoint(CursorPos.x(), rect.Bottom + 6);
  }
  // A password cell never shows its text in a hint.
  bool password = false;
  DoIsPasswordCell(base.x(), row, password);
  const QString raw = GetCellEx(base.x(), row);
  const int kind = grid_text::CellTextKind(raw, FEnableHTML);

  if (kind == 1 && FAnchorHint && !password) {
    // The anchor under the cursor, laid out where the cell's text is drawn.
    TRect r = rect;
    if (IsFixed(col, row)) {
      r.Left += GridLineWidth();
      r.Top += GridLineWidth();
    }
    r.Left += XYOffset().x() - 1;
    r.Top += XYOffset().y();
    if (!FPaintLook.XYOffsetTopLeftOnly) r.Right -= XYOffset().x();
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    device.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    QPainter painter(&device);
    TCanvas canvas(painter);
    canvas.Font = font();
    THtmlDrawParams params;
    params.Images = &FPaintLook.CellImageList;
    params.XPos = CursorPos.x();
    params.YPos = CursorPos.y();
    params.HitTestOnly = true;
    params.WordWrap = !FPaintLook.EnhTextSize;
    params.PictureCache = &FImageCache;
    params.Pictures = FPictureContainer;
    params.WindowHandle = this;
    THtmlDrawResult hit;
    if (DrawHtmlText(canvas, raw, r, params, hit) && !hit.AnchorValue.isEmpty() &&
        hit.AnchorValue != QLatin1String("ctrl")) {
      HintStr = hit.AnchorTitle.isEmpty() ? hit.AnchorValue : hit.AnchorTitle;
      if (OnAnchorHint) OnAnchorHint(this, row, col, HintStr);
      FLastAnchorHint = HintStr;
      HintPos = CursorPos + QPoint(8, -16);
    }
  }

  const bool data_cell = col >= FixedCols() && row >= FixedRows() && col < ColCount() - FFixedRightCols &&
                         row < RowCount() - FFixedFooters;
  if (FHintShowCells && data_cell && !password) {
    HintPos.setY(rect.Top);
    HintStr = kind == 5 || FHTMLHint ? raw : HtmlToPlainText(raw);
  }
  if (FHintShowLargeText && !password) {
    const QSize size = GetCellTextSize(base.x(), row, false, false);
    if (size.width() > rect.Width() || size.height() > rect.Height()) {
      if (FHintShowLargeTextPos == hpCell) HintPos = QPoint(rect.Left, rect.Top);
      HintStr = kind == 0 || kind == 5 || FHTMLHint ? raw : HtmlToPlainText(raw);
    }
  }
  DoGridHint(col, row, HintStr);

  const int final_kind = grid_text::CellTextKind(HintStr, FEnableHTML);
  Info.HTMLWindow = FUseInternalHintClass && (final_kind == 1 || final_kind == 5);
  // Packed wide text is unpacked for a window that cannot read it.
  if (!Info.HTMLWindow && !Application_HTML_Hints() && final_kind == 5)
    HintStr = grid_text::DecodeWideCellText(HintStr);
  return true;
}

THTMLHintWindow* TZadIrururOziz::HTMLHintWindow() {
  if (!FHTMLHintWindow) FHTMLHintWindow = new THTMLHintWindow(this);
  return FHTMLHintWindow;
}

void TZadIrururOziz::Hide_HTML_Hint() {
  if (FHTMLHintWindow && FHTMLHintWindow->isVisible()) FHTMLHintWindow->hide();
}

void TZadIrururOziz::SetUseHTMLHints(bool Value) {
  FUseHTMLHints = Value;
  Set_Application_HTML_Hints(Value);
}

bool TZadIrururOziz::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip:
      break;
    case QEvent::MouseMove:
      // The hint belongs to its cell: it goes as the mouse leaves it.
      if (FHTMLHintWindow && FHTMLHintWindow->isVisible()) {
        const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
        const TGridCoord cell = MouseCoord(p.x(), p.y());
        const QPoint base = cell.X < 0 || cell.Y < 0 ? QPoint(-1, -1) : BaseCell(RealColIndex(cell.X), cell.Y);
        if (cell.X < 0 || cell.Y < 0 || TGridCoord{DisplColIndex(base.x()), base.y()} != FLastHintPos) Hide_HTML_Hint();
      }
      return TBaseGrid::viewportEvent(event);
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
      Hide_HTML_Hint();
      return TBaseGrid::viewportEvent(event);
    default:
      return TBaseGrid::viewportEvent(event);
  }
  const auto* help = static_cast<QHelpEvent*>(event);
  TCellHintInfo info;
  if (!CellHintInfo(help->pos(), info) || info.HintStr.isEmpty()) {
    QToolTip::hideText();
    Hide_HTML_Hint();
    return true;
  }
  const QPoint at = viewport()->mapToGlobal(info.HintPos);
  const TRect place{at.x(), at.y(), at.x(), at.y()};
  if (info.HTMLWindow || Application_HTML_Hints()) {
    QToolTip::hideText();
    THTMLHintWindow* window = HTMLHintWindow();
    window->SetColor(info.HintColor);
    if (info.HTMLWindow)
      window->ActivateHintData(place, info.HintStr, this);
    else
      window->ActivateHint(place, info.HintStr);
    return true;
  }
  Hide_HTML_Hint();
  QToolTip::showText(at, info.HintStr, this);
  // The platform tool tip takes the grid's hint colour for this hint.
  for (QWidget* tip : QApplication::topLevelWidgets())
    if (tip->objectName() == QLatin1String("qtooltip_label") && tip->isVisible()) {
      QPalette palette = tip->palette();
      palette.setColor(QPalette::ToolTipBase, To_QColor(info.HintColor));
      palette.setColor(QPalette::Window, To_QColor(info.HintColor));
      tip->setPalette(palette);
    }
  return true;
}
