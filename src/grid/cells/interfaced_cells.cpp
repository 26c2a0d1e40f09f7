// Interfaced cells of TZadIrururOziz: the cell shows a caller's object that
// draws itself (TCellInterface). The grid never owns the object.
#include <QPainter>

#include "grid/core/cell_paint.h"

void TZadIrururOziz::AddInterfacedCell(int ACol, int ARow, TInterfacedPersistent* AObject) {
  CreateCellGraphic(ACol, ARow)->SetInterfacedCell(AObject);
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::RemoveInterfacedCell(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctInterface); }

TInterfacedPersistent* TZadIrururOziz::GetInterfacedCell(int ACol, int ARow) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  return graphic && graphic->CellType == ctInterface ? static_cast<TInterfacedPersistent*>(graphic->CellBitmap)
                                                     : nullptr;
}

TCellInterface* TZadIrururOziz::Cell_Interface(const TCellGraphic& Graphic) const {
  if (Graphic.CellType != ctInterface) return nullptr;
  return Cell_Interface_Of(static_cast<TInterfacedPersistent*>(Graphic.CellBitmap));
}

void TZadIrururOziz::Draw_Interfaced_Cell(TCanvas& ACanvas, const Cell_Paint& P) {
  TCellInterface* face = Cell_Interface(*P.Obj.Graphic);
  if (!face) return;
  // What the object does to the canvas stays with its own drawing.
  ACanvas.Painter().save();
  const TCanvas::Pen_State pen = ACanvas.Pen;
  const TCanvas::Brush_State brush = ACanvas.Brush;
  const QFont font = ACanvas.Font;
  const TColor font_colour = ACanvas.Font_Color;
  face->Draw(ACanvas, TRect{P.Rect.Left - 1, P.Rect.Top - 1, P.Rect.Right, P.Rect.Bottom}, P.RCol, P.ARow,
             (P.State & gdSelected) != 0, this);
  ACanvas.Pen = pen;
  ACanvas.Brush = brush;
  ACanvas.Font = font;
  ACanvas.Font_Color = font_colour;
  ACanvas.Painter().restore();
}
