// The picture of a cell range that the mouse drags around.
#include <QPainter>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/windows/no_active_form.h"

QWidget* TZadIrururOziz::SelectionToForm(const TGridRect& ARect) {
  const QImage whole = viewport()->grab().toImage();
  const TRect first = CellRect(ARect.Left, ARect.Top);
  const TRect last = CellRect(ARect.Right, ARect.Bottom);
  const int left = std::min(first.Left, last.Left), top = std::min(first.Top, last.Top);
  const int right = std::max(first.Right, last.Right), bottom = std::max(first.Bottom, last.Bottom);

  // The cells without the grid lines left of and above them.
  QImage picture = whole.copy(left + 1, top + 1, right - left + 1, bottom - top + 1);
  {
    QPainter painter(&picture);
    painter.setPen(To_QColor(GridFixedLineColor(), palette()));
    if (ARect.Left == 0 && FixedCols() > 0 && (Options() & goFixedHorzLine))
      painter.drawLine(0, 0, 0, picture.height() - 1);
    if (ARect.Top == 0 && FixedRows() > 0 && (Options() & goFixedVertLine))
      painter.drawLine(0, 0, picture.width() - 1, 0);
  }
  auto* form = new TNoActiveForm(this);
  form->SetPicture(picture);
  form->SetAlphaBlendValue(192);
  return form;
}
