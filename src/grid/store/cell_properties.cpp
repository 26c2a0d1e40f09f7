#include "grid/store/cell_properties.h"

TCellProperties::TCellProperties(Cell_Store_Owner* AOwner, int ACol, int ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow), FWordWrap(AOwner ? AOwner->WordWrap() : true) {}

void TCellProperties::Repaint() {
  if (FOwnerGrid) FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}

void TCellProperties::SetBrushColor(TColor v) {
  FBrushColor = v;
  Repaint();
}

void TCellProperties::SetBrushColorTo(TColor v) {
  FBrushColorTo = v;
  Repaint();
}

void TCellProperties::SetVAlignment(TVAlignment v) {
  FVAlignment = v;
  Repaint();
}

void TCellProperties::SetWordWrap(bool v) {
  FWordWrap = v;
  Repaint();
}

void TCellProperties::Assign(const TCellProperties& Source) {
  FIsBaseCell = Source.FIsBaseCell;
  FCellSpanX = Source.FCellSpanX;
  FCellSpanY = Source.FCellSpanY;
  FOwnerRow = Source.FOwnerRow;
  FOwnerCol = Source.FOwnerCol;
  FObject = Source.FObject;
  FAlignment = Source.FAlignment;
  FBorderColor = Source.FBorderColor;
  FBorderWidth = Source.FBorderWidth;
  FBrushColor = Source.FBrushColor;
  FBrushStyle = Source.FBrushStyle;
  FFontColor = Source.FFontColor;
  FFontStyle = Source.FFontStyle;
  FFontName = Source.FFontName;
  FFontSize = Source.FFontSize;
  FReadOnly = Source.FReadOnly;
  FEditor = Source.FEditor;
  FVAlignment = Source.FVAlignment;
  FWordWrap = Source.FWordWrap;
  FNodeLevel = Source.FNodeLevel;
  FControl = Source.FControl;
}

QPoint TCellProperties::GetBaseCell(int c, int r) const {
  if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1) return QPoint(c - FCellSpanX, r - FCellSpanY);
  return QPoint(c, r);
}
