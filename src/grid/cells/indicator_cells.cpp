// Indicator cells of TZadIrururOziz: progress bars (plain, with own text
// colours, formatted, and the themed kind), progress pies, range indicators,
// ratings and shapes. The value a bar, indicator or rating shows is the
// cell's number; the object keeps only colours, limits and the format.
#include "grid/core/zad_irurur_oziz.h"

namespace {

void* Slot(TColor Value) { return TCellGraphic::Color_Slot(Value); }

void Fill_Progress(TCellGraphic& bar, TColor fg, TColor fg_text, TColor bk, TColor bk_text, bool own_text_colours,
                   const QString& format, int min, int max) {
  bar.CellType = ctProgress;
  bar.CellHAlign = haLeft;
  bar.CellVAlign = vaTop;
  bar.CellBitmap = Slot(fg);
  bar.CellIcon = Slot(bk);
  bar.CellIndex = int(fg_text);
  bar.CellAngle = int(bk_text);
  bar.CellBoolean = own_text_colours;
  bar.CellText = format;
  bar.CellErrFrom = min;
  bar.CellErrLen = max;
}

}  // namespace

TCellGraphic* TZadIrururOziz::Base_Graphic_Of(int ACol, int ARow, TCellType Kind) {
  if (ACol < 0 || ARow < 0) return nullptr;
  const QPoint base = BaseCell(ACol, ARow);
  TCellGraphic* graphic = GetCellGraphic(base.x(), base.y());
  return graphic && graphic->CellType == Kind ? graphic : nullptr;
}

// ---- progress bars

void TZadIrururOziz::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor) {
  Fill_Progress(*CreateCellGraphic(ACol, ARow), FGColor, 0, BKColor, 0, false, QString(), 0, 100);
  if (FPaintLook.AutoNumAlign) SetAlignments(ACol, ARow, taRightJustify);
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                   TColor BKTextColor) {
  AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, QString(), 0, 100);
}

void TZadIrururOziz::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                          TColor BKTextColor, const QString& Fmt, int Min, int Max) {
  Fill_Progress(*CreateCellGraphic(ACol, ARow), FGColor, FGTextColor, BKColor, BKTextColor, true, Fmt, Min, Max);
  if (FPaintLook.AutoNumAlign) SetAlignments(ACol, ARow, taRightJustify);
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::RemoveProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgress); }

bool TZadIrururOziz::HasProgress(int ACol, int ARow) { return HasCellType(ACol, ARow, {ctProgress}); }

void TZadIrururOziz::AddZadProgress(int ACol, int ARow, int Min, int Max) {
  TCellGraphic* bar = CreateCellGraphic(ACol, ARow);
  bar->CellType = ctXPProgress;
  bar->CellHAlign = haLeft;
  bar->CellVAlign = vaTop;
  bar->CellBoolean = false;
  bar->CellErrFrom = Min;
  bar->CellErrLen = Max;
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::RemoveZadProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }

// ---- pies and range indicators

void TZadIrururOziz::AddProgressPie(int ACol, int ARow, TColor Color, int Value) {
  TCellGraphic* pie = CreateCellGraphic(ACol, ARow);
  pie->CellType = ctProgressPie;
  pie->CellHAlign = haBeforeText;
  pie->CellVAlign = vaTop;
  pie->CellBitmap = Slot(Color);
  pie->CellAngle = Value;
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::SetProgressPie(int ACol, int ARow, int Value) {
  TCellGraphic* pie = GetCellGraphic(ACol, ARow);
  if (!pie || pie->CellType != ctProgressPie) return;
  pie->CellAngle = Value;
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::RemoveProgressPie(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }

void TZadIrururOziz::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                       bool ShowValue) {
  TCellGraphic* indicator = CreateCellGraphic(ACol, ARow);
  indicator->CellType = ctRangeIndicator;
  indicator->CellHAlign = haLeft;
  indicator->CellVAlign = vaTop;
  indicator->CellIndex = Range;
  indicator->CellBitmap = Slot(NegColor);
  indicator->CellIcon = Slot(PosColor);
  indicator->CellBoolean = ShowValue;
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::RemoveRangeIndicator(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator); }

// ---- ratings and shapes

void TZadIrururOziz::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor) {
  TCellGraphic* rating = CreateCellGraphic(ACol, ARow);
  rating->CellType = ctRating;
  rating->CellHAlign = haFull;
  rating->CellVAlign = vaTop;
  rating->CellAngle = Scale;
  rating->CellIndex = int(FillColor);
  rating->CellBitmap = Slot(EmptyColor);
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::RemoveRating(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRating); }

bool TZadIrururOziz::HasRating(int ACol, int ARow) { return HasCellType(ACol, ARow, {ctRating}); }

void TZadIrururOziz::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                              TCellVAlign val) {
  TCellGraphic* shape = CreateCellGraphic(ACol, ARow);
  shape->CellType = ctShape;
  shape->CellAngle = Shape;
  shape->CellIndex = int(FillColor);
  shape->CellBitmap = Slot(LineColor);
  shape->CellHAlign = hal;
  shape->CellVAlign = val;
  RepaintCell(DisplColIndex(ACol), ARow);
}

void TZadIrururOziz::RemoveShape(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctShape); }

void TZadIrururOziz::SetShapeColor(int ACol, int ARow, TColor FillColor) {
  if (TCellGraphic* shape = GetCellGraphic(ACol, ARow); shape && shape->CellType == ctShape)
    shape->CellIndex = int(FillColor);
}

TColor TZadIrururOziz::GetShapeColor(int ACol, int ARow) {
  const TCellGraphic* shape = GetCellGraphic(ACol, ARow);
  return shape && shape->CellType == ctShape ? TColor(shape->CellIndex) : clNone;
}
