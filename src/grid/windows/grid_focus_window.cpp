#include "grid/windows/grid_focus_window.h"

#include <QPainter>

#include "grid/draw/alpha_mask.h"
#include "grid/draw/layered_window.h"

TGridFocusWindow::TGridFocusWindow(QWidget* AOwner)
    : QWidget(AOwner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                          Qt::X11BypassWindowManagerHint) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
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
  // The glow is laid over the window colour it stands on: where the desktop
  // composes no per-pixel translucency the ring still fades into the cells
  // instead of showing black; the constant alpha comes on top where it can.
  painter.fillRect(rect(), To_QColor(clWindow, palette()));
  painter.drawImage(0, 0, FPicture);
}
