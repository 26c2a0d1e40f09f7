#pragma once
#include <cstdint>

class QWindow;

// Translucent windows. The desktop's layered-window calls become the window's
// opacity: only the constant alpha is honoured (a colour key has no
// counterpart). Both answer true, also for a window that cannot be made
// translucent, which then stays opaque.
constexpr uint32_t LWA_COLORKEY = 0x1;
constexpr uint32_t LWA_ALPHA = 0x2;
constexpr uint32_t ULW_ALPHA = 0x2;

bool CallSetLayeredWindowAttributes(QWindow* window, uint32_t colorKey, uint8_t alpha, uint32_t flags);
bool CallUpdateLayeredWindow(QWindow* window, uint8_t sourceConstantAlpha, uint32_t flags);
