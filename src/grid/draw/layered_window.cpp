#include "grid/draw/layered_window.h"

#include <QWindow>

bool CallSetLayeredWindowAttributes(QWindow* window, uint32_t /*colorKey*/, uint8_t alpha, uint32_t flags) {
  if (window && (flags & LWA_ALPHA)) window->setOpacity(alpha / 255.0);
  return true;
}

bool CallUpdateLayeredWindow(QWindow* window, uint8_t sourceConstantAlpha, uint32_t flags) {
  if (window && (flags & ULW_ALPHA)) window->setOpacity(sourceConstantAlpha / 255.0);
  return true;
}
