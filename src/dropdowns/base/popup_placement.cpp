#include "dropdowns/base/popup_placement.h"

#include <QElapsedTimer>
#include <memory>

QPoint Popup_Position(const QPoint& EditTopLeft, int EditHeight, const QSize& PopupSize, TDropPosition Position,
                      const QRect& WorkArea) {
  const int below = EditTopLeft.y() + EditHeight - 1;
  const int above = EditTopLeft.y() - PopupSize.height();
  int top = below;
  switch (Position) {
    case dpAuto:
      // Judged by where the popup's bottom would be, not by the edit's top,
      // so that an edit just above the bottom edge does not push it off screen.
      top = below + PopupSize.height() <= WorkArea.top() + WorkArea.height() ? below : above;
      break;
    case dpDown:
      top = below;
      break;
    case dpUp:
      top = above;
      break;
  }
  int left = EditTopLeft.x();
  const int right_edge = WorkArea.left() + WorkArea.width();
  if (left < right_edge && left + PopupSize.width() > right_edge) left = right_edge - PopupSize.width();
  return {left, top};
}

bool Reopen_Allowed(uint32_t Now, uint32_t DeActivateTime) { return static_cast<uint32_t>(Now - DeActivateTime) > 250; }

Tick_Clock System_Tick_Clock() {
  auto timer = std::make_shared<QElapsedTimer>();
  timer->start();
  return [timer] { return static_cast<uint32_t>(timer->elapsed()); };
}
