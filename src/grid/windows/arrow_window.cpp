#include "grid/windows/arrow_window.h"

#include <QPainter>

#include "controls/tcolor.h"

QPolygon TArrowWindow::Outline(TArrowDirection direction) {
  switch (direction) {
    case arrUp:
      return QPolygon({{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}});
    case arrDown:
      return QPolygon({{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}});
    case arrLeft:
      return QPolygon({{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}});
    case arrRight:
      return QPolygon({{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}});
  }
  return {};
}

TArrowWindow::TArrowWindow(QWidget* AOwner, TArrowDirection direction)
    : QWidget(AOwner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      FDir(direction),
      FArrow(Outline(direction)) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  const QRect bounds = FArrow.boundingRect();
  resize(bounds.right() + 1, bounds.bottom() + 1);
  setMask(QRegion(FArrow, Qt::WindingFill));
  hide();
}

void TArrowWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), To_QColor(FColor));
}

void TArrowWindow::SetColor(TColor Value) {
  FColor = Value;
  update();
}
