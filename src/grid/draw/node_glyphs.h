#pragma once
// The pictures of two node glyph styles of collapsible row groups: the XP
// box (9 x 9, plus when contracted, minus when expanded) and the leaf arrow
// (16 x 16, see-through around the arrow; drawn in its top-left 12 x 12).
#include <QImage>

const QImage& Xp_Node_Glyph(bool Contracted);
const QImage& Leaf_Node_Glyph(bool Contracted);
