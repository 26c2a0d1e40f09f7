#pragma once
// TCellNode: the look of the node glyphs and tree lines of collapsible row
// groups, owned by the string grid (CellNode). Writers that change what is
// drawn repaint the owner grid; the glyph colours only store (the next paint
// shows them).
#include <QImage>

#include "controls/tcolor.h"

class TZadIrururOziz;

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

class TCellNode {
 public:
  explicit TCellNode(TZadIrururOziz* AOwner = nullptr) : FOwner(AOwner) {}

  // Copies every setting (glyphs included), not the owner.
  void Assign(const TCellNode& Source);

  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TNodeType NodeType() const { return FNodeType; }
  void SetNodeType(TNodeType Value);
  TColor NodeColor() const { return FNodeColor; }
  void SetNodeColor(TColor Value) { FNodeColor = Value; }
  // The cnGlyph pictures: ExpandGlyph on a contracted node, ContractGlyph on
  // an expanded one.
  const QImage& ExpandGlyph() const { return FExpandGlyph; }
  void SetExpandGlyph(const QImage& Value) { FExpandGlyph = Value; }
  // Expanding a node contracts every other expanded node first.
  bool ExpandOne() const { return FExpandOne; }
  void SetExpandOne(bool Value) { FExpandOne = Value; }
  const QImage& ContractGlyph() const { return FContractGlyph; }
  void SetContractGlyph(const QImage& Value) { FContractGlyph = Value; }
  TZadIrururOziz* Owner() const { return FOwner; }
  bool ShowTree() const { return FShowTree; }
  void SetShowTree(bool Value);
  bool ShowTreeFull() const { return FShowTreeFull; }
  void SetShowTreeFull(bool Value);
  // Pixels of indent per node level.
  int NodeIndent() const { return FNodeIndent; }
  void SetNodeIndent(int Value);
  TColor TreeColor() const { return FTreeColor; }
  void SetTreeColor(TColor Value);

 private:
  void Repaint_Owner();

  TColor FColor = clSilver;
  TNodeType FNodeType = cnXP;
  TColor FNodeColor = clBlack;
  QImage FExpandGlyph;
  bool FExpandOne = false;
  QImage FContractGlyph;
  TZadIrururOziz* FOwner;
  bool FShowTree = true;
  bool FShowTreeFull = true;
  int FNodeIndent = 12;
  TColor FTreeColor = clGray;
};
