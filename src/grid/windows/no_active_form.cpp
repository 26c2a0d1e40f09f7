#include "grid/windows/no_active_form.h"

#include <QPainter>

#include "grid/draw/layered_window.h"

TNoActiveForm::TNoActiveForm(QWidget* AOwner)
    : QWidget(AOwner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                          Qt::X11BypassWindowManagerHint) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void TNoActiveForm::SetPicture(const QImage& Picture) {
  FPicture = Picture;
  resize(Picture.size());
  update();
}

void TNoActiveForm::SetAlphaBlendValue(uint8_t Value) {
  FAlpha = Value;
  winId();
  CallSetLayeredWindowAttributes(windowHandle(), 0, Value, LWA_ALPHA);
}

void TNoActiveForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(rect(), FPicture);
}
