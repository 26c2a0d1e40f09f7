// Image-list cells of TZadIrururOziz: one image of the grid's image list, an
// image chosen by the cell's text (data image) or a row of images. The
// images themselves are the caller's list (GridImages); the painter draws
// from the grid's copy, refreshed whenever an image cell is added.
#include "grid/core/zad_irurur_oziz.h"

void TZadIrururOziz::Sync_Grid_Images() {
  if (FGridImages) FPaintLook.CellImageList.assign(FGridImages->begin(), FGridImages->end());
}

void TZadIrururOziz::SetGridImages(QList<QImage>* Value) {
  if (FGridImages == Value) return;
  FGridImages = Value;
  if (FGridImages)
    Sync_Grid_Images();
  else
    FPaintLook.CellImageList.clear();
}

void TZadIrururOziz::SetPictureContainer(TPictureContainer* Value) {
  if (FPictureContainer == Value) return;
  FPictureContainer = Value;
  viewport()->update();
}

void TZadIrururOziz::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
  if (!FGridImages) return;
  Sync_Grid_Images();
  CreateCellGraphic(ACol, ARow)->SetImageIdx(Aidx, hal, val);
  RepaintCell(DisplColIndex(ACol), ARow);
}

bool TZadIrururOziz::GetImageIdx(int ACol, int ARow, int& idx) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!FGridImages || !graphic || graphic->CellType != ctImageList) return false;
  idx = graphic->CellIndex;
  return true;
}

void TZadIrururOziz::SetImageIdx(int ACol, int ARow, int Idx) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (FGridImages && graphic && graphic->CellType == ctImageList) graphic->CellIndex = Idx;
}

void TZadIrururOziz::RemoveImageIdx(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImageList); }

void TZadIrururOziz::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
  if (!FGridImages) return;
  Sync_Grid_Images();
  CreateCellGraphic(ACol, ARow)->SetDataImage(Aidx, hal, val);
  if (GetCellEx(ACol, ARow).isEmpty()) SetCellEx(ACol, ARow, QString::number(Aidx));
}

bool TZadIrururOziz::HasDataImage(int ACol, int ARow) { return HasCellType(ACol, ARow, {ctDataImage}); }

void TZadIrururOziz::RemoveDataImage(int ACol, int ARow) {
  // The text is the image's index: it goes only with a data image.
  if (RemoveCellGraphicOfType(ACol, ARow, ctDataImage)) SetCellEx(ACol, ARow, QString());
}

void TZadIrururOziz::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val) {
  if (!FGridImages) return;
  Sync_Grid_Images();
  CreateCellGraphic(ACol, ARow)->SetMultiImage(ACol, ARow, Dir, hal, val, [this](TIntList*, int c, int r) {
    RepaintCell(DisplColIndex(c), r);
  });
}

void TZadIrururOziz::RemoveMultiImage(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImages); }
