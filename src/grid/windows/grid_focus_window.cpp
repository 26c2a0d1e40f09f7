#include "grid/windows/grid_focus_window.h"

#include <QPainter>

#include "grid/draw/alpha_mask.h"
#include "grid/draw/layered_window.h"

TGridFocusWindow::TGridFocusWindow(QWidget* AOwner)
    : QWidget(AOwner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                          Qt::X11BypassWindowManagerHint) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_TranslucentBackground);
  setFocusPolicy(Qt::NoFocus);
  resize(0, 0);
}

void TGridFocusWindow::UpdateLayered(const TGridAlphaMask& Mask) {
  if (Mask.Height() == 0) return;
  FPicture = Mask.Image();
  resize(Mask.Width(), Mask.Height());
  winId();  // the constant alpha goes to the native window
  CallUpdateLayeredWindow(windowHandle(), Mask.Opacity(), ULW_ALPHA);
  update();
}

void TGridFocusWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (FPicture.isNull()) {
    painter.fillRect(rect(), To_QColor(FColor));
    return;
  }
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, FPicture);
}
