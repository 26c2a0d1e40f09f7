#pragma once
// Where a drop-down's popup goes on the screen, and the tick count its
// reopen guard compares. No widgets: the edit asks the screens and the clock
// through hooks and leaves the arithmetic here.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <functional>

enum TDropPosition { dpAuto, dpDown, dpUp };

// The popup's top-left corner for an edit whose top-left corner is EditTopLeft
// (screen coordinates) and which is EditHeight high.
//
// Below the edit the popup overlaps the edit's bottom border by one pixel.
// dpAuto opens below when the popup's bottom then lies inside the work area of
// the monitor under the edit, else above. A popup that would pass the work
// area's right edge moves left to end at it, on every monitor (also one
// left of the primary, whose work area starts at a negative x).
QPoint Popup_Position(const QPoint& EditTopLeft, int EditHeight, const QSize& PopupSize, TDropPosition Position,
                      const QRect& WorkArea);

// The popup may open again only when more than 250 ms passed since it last
// lost activation; the counter is a 32-bit millisecond count that wraps.
bool Reopen_Allowed(uint32_t Now, uint32_t DeActivateTime);

// Milliseconds from a monotonic clock (32 bits, wrapping).
using Tick_Clock = std::function<uint32_t()>;
Tick_Clock System_Tick_Clock();
