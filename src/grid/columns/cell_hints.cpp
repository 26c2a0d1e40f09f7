// The tooltip of TZadIrururOziz: per cell, the cell's own text when it is
// asked for or does not fit, and the application's hint through OnGridHint.
#include <QHelpEvent>
#include <QToolTip>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/html_plain_text.h"
#include "grid/store/text_helpers.h"

bool TZadIrururOziz::CellHint(const QPoint& CursorPos, QString& HintStr, QPoint& HintPos) {
  HintStr.clear();
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
  const bool data_cell = col >= FixedCols() && row >= FixedRows() && col < ColCount() - FFixedRightCols &&
                         row < RowCount() - FFixedFooters;
  if (FHintShowCells && data_cell && !password) {
    HintPos.setY(rect.Top);
    const int kind = grid_text::CellTextKind(raw, FEnableHTML);
    HintStr = kind == 5 ? grid_text::DecodeWideCellText(raw) : FHTMLHint ? raw : HtmlToPlainText(raw);
  }
  if (FHintShowLargeText && !password) {
    const QSize size = GetCellTextSize(base.x(), row, false, false);
    if (size.width() > rect.Width() || size.height() > rect.Height()) {
      if (FHintShowLargeTextPos == hpCell) HintPos = QPoint(rect.Left, rect.Top);
      const int kind = grid_text::CellTextKind(raw, FEnableHTML);
      HintStr = kind == 0 || kind == 5 || FHTMLHint ? raw : HtmlToPlainText(raw);
      if (kind == 5) HintStr = grid_text::DecodeWideCellText(raw);
    }
  }
  DoGridHint(col, row, HintStr);
  return true;
}

bool TZadIrururOziz::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return TBaseGrid::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  QString text;
  QPoint at;
  if (CellHint(help->pos(), text, at) && !text.isEmpty())
    QToolTip::showText(viewport()->mapToGlobal(at), text, this);
  else
    QToolTip::hideText();
  return true;
}
