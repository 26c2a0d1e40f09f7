// Keys and presses on row nodes of TZadIrururOziz: Right and Left open and
// close the group of a node row whose current cell is merged; a press on a
// node glyph opens or closes its group, and a press elsewhere in column 0
// of a grid with nodes only reports the click.
#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::Node_Arrow_Key(int key) {
  if ((key != Qt::Key_Right && key != Qt::Key_Left) || !IsNode(Row())) return;
  if (!IsMergedCell(RealCol(), Row())) return;
  const int real = RealRowIndex(Row());
  if (key == Qt::Key_Right)
    ExpandNode(real);
  else
    ContractNode(real);
}

bool TZadIrururOziz::Press_Node_Glyph(int ACol, int ARow, const QPoint& pos, Qt::KeyboardModifiers shift) {
  if (RealColIndex(ACol) != 0 || !IsNode(ARow) || !IsInNodeGlyph(ARow, pos.x())) return false;
  if (ARow < FixedRows()) {
    // The header node opens or closes every group; the press goes on.
    if (FMouseActions->NodeAllExpandContract()) {
      const bool contracted = Node_At(ARow)->CellBoolean;
      if (contracted)
        ExpandAll();
      else
        ContractAll();
      if (TCellGraphic* header = Node_At(ARow)) header->CellBoolean = !contracted;
      RepaintCell(ACol, ARow);
    }
    return false;
  }
  Fire_Mouse_Down(Qt::LeftButton, shift, pos);
  if (OnClickCell) OnClickCell(this, ARow, ACol);
  const TCellGraphic* node = Node_At(ARow);
  if (!node) return true;
  const int real = RealRowIndex(ARow);
  bool allow = true;
  if (node->CellBoolean) {
    if (OnBeforeExpandNode) OnBeforeExpandNode(this, ARow, real, allow);
    if (allow) {
      ExpandNode(real);
      if (OnExpandNode) OnExpandNode(this, ARow, real);
    }
  } else {
    if (OnBeforeContractNode) OnBeforeContractNode(this, ARow, real, allow);
    if (allow) {
      ContractNode(real);
      if (OnContractNode) OnContractNode(this, ARow, real);
    }
  }
  // Other groups closing (ExpandOne) may have moved the node row up.
  if (FMouseActions->MoveRowOnNodeClick() && !IsHiddenRow(real)) SetRow(DisplRowIndex(real));
  return true;
}

bool TZadIrururOziz::Press_Node_Column(int ACol, int ARow, const QPoint& pos, Qt::KeyboardModifiers shift) {
  if (ACol != 0 || ARow < FixedRows() || !HasNodes()) return false;
  if (FMouseActions->RowSelect() || (Options() & goRowSizing)) return false;
  Fire_Mouse_Down(Qt::LeftButton, shift, pos);
  if (OnClickCell) OnClickCell(this, ARow, ACol);
  return true;
}
