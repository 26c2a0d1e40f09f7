#pragma once
// Where a button puts its glyph and caption inside its content rectangle.
#include <QPoint>
#include <QSize>

#include "controls/zb_button_types.h"

using TButtonLayout = TZbButtonLayout;

struct Button_Places {
  QPoint glyph;    // top-left of the glyph, relative to the content rectangle
  QPoint caption;  // top-left of the caption text
};

// The glyph and the caption as one block, the glyph on the side `layout`
// names (left and right exchanged when `right_to_left`). Margin -1 centres the
// block, else it is the distance from the edge; Spacing is the gap between
// glyph and caption, -1 sharing the free room evenly (with both -1, margin and
// gap are each a third of it). An empty glyph or caption takes no gap.
Button_Places Place_Glyph_And_Caption(QSize client, QSize glyph, QSize caption, TButtonLayout layout, int margin,
                                      int spacing, bool right_to_left);
