#include "controls/editor_logic/label_placement.h"

QPoint Label_Origin(TLabelPosition position, const QRect& control, const QSize& label, int text_width, int margin) {
  const int top = control.top(), left = control.left();
  const int w = control.width(), h = control.height();
  // Integer division truncates toward zero, as the stored layouts were made with.
  const int middle_y = top + (h - label.height()) / 2;
  const int middle_x = left + (w - label.width()) / 2;
  const int bottom_y = top + h - label.height();
  switch (position) {
    case lpLeftTop:
      return {left - text_width - margin, top};
    case lpLeftCenter:
      return {left - text_width - margin, middle_y};
    case lpLeftBottom:
      return {left - text_width - margin, bottom_y};
    case lpTopLeft:
      return {left, top - label.height() - margin};
    case lpBottomLeft:
      return {left, top + h + margin};
    case lpLeftTopLeft:
      return {left - margin, top};
    case lpLeftCenterLeft:
      return {left - margin, middle_y};
    case lpLeftBottomLeft:
      return {left - margin, bottom_y};
    case lpTopCenter:
      return {middle_x, top - label.height() - margin};
    case lpBottomCenter:
      return {middle_x, top + h + margin};
    case lpRightTop:
      return {left + w + margin, top};
    case lpRightCenter:
      return {left + w + margin, middle_y};
    case lpRighBottom:
      return {left + w + margin, bottom_y};
    case lpTopRight:
      return {left + w - label.width(), top - label.height() - margin};
    case lpBottomRight:
      return {left + w - label.width(), top + h + margin};
  }
  return {left, top};
}
