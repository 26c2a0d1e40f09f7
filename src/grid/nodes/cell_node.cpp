#include "grid/nodes/cell_node.h"

#include "grid/core/zad_irurur_oziz.h"

void TCellNode::Assign(const TCellNode& Source) {
  FColor = Source.FColor;
  FNodeType = Source.FNodeType;
  FNodeColor = Source.FNodeColor;
  FExpandGlyph = Source.FExpandGlyph;
  FExpandOne = Source.FExpandOne;
  FContractGlyph = Source.FContractGlyph;
  FShowTree = Source.FShowTree;
  FShowTreeFull = Source.FShowTreeFull;
  FNodeIndent = Source.FNodeIndent;
  FTreeColor = Source.FTreeColor;
}

void TCellNode::Repaint_Owner() {
  if (FOwner) FOwner->RepaintAll();
}

void TCellNode::SetNodeType(TNodeType Value) {
  if (FNodeType == Value) return;
  FNodeType = Value;
  Repaint_Owner();
}

void TCellNode::SetShowTree(bool Value) {
  if (FShowTree == Value) return;
  FShowTree = Value;
  Repaint_Owner();
}

void TCellNode::SetShowTreeFull(bool Value) {
  if (FShowTreeFull == Value) return;
  FShowTreeFull = Value;
  Repaint_Owner();
}

void TCellNode::SetNodeIndent(int Value) {
  if (FNodeIndent == Value) return;
  FNodeIndent = Value;
  Repaint_Owner();
}

void TCellNode::SetTreeColor(TColor Value) {
  if (FTreeColor == Value) return;
  FTreeColor = Value;
  Repaint_Owner();
}
