#pragma once
// Where a control's caption label goes: one of fifteen places around the
// control, `margin` pixels away. The combo box, the labelled date-time
// picker and the drop-down edit place their labels by this one rule (the
// last two places only the drop-down edit offers).
#include <QPoint>
#include <QRect>
#include <QSize>

// lpRighBottom is spelled as stored form files spell it.
enum TLabelPosition {
  lpLeftTop,
  lpLeftCenter,
  lpLeftBottom,
  lpTopLeft,
  lpBottomLeft,
  lpLeftTopLeft,
  lpLeftCenterLeft,
  lpLeftBottomLeft,
  lpTopCenter,
  lpBottomCenter,
  lpRightTop,
  lpRightCenter,
  lpRighBottom,
  lpTopRight,
  lpBottomRight
};

// The label's top-left corner. `control` is the control's bounds in its
// parent, `label` the label's size, `text_width` the caption's measured
// width (the three left-of-control places keep that much room; the
// "...Left" places put the label's left edge `margin` left of the control).
QPoint Label_Origin(TLabelPosition position, const QRect& control, const QSize& label, int text_width, int margin);
