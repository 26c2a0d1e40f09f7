// Bitmap, icon, picture and file-picture cells of TZadIrururOziz. A graphic
// handed in by Add... stays the caller's; one made by Create... belongs to
// the cell object and goes with it (a later Add or Create on the cell, a
// Remove, or the cell itself going).
#include <QImage>

#include "grid/core/cell_picture.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/store/file_picture.h"

namespace {

template <typename T>
void Own(TCellGraphic& g, T* payload) {
  g.CellBitmap = payload;
  g.CellCreated = true;
  g.Bitmap_Deleter = [](void* p) { delete static_cast<T*>(p); };
}

}  // namespace

TCellGraphic* TZadIrururOziz::Attach_Image_Object(int ACol, int ARow, TCellType Kind, void* Payload, bool Transparent,
                                                   TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->CellType = Kind;
  g->CellBitmap = Payload;
  g->CellTransparent = Transparent;
  g->CellHAlign = hal;
  g->CellVAlign = val;
  RepaintCell(DisplColIndex(ACol), ARow);
  return g;
}

void* TZadIrururOziz::Image_Payload(int ACol, int ARow, TCellType Kind) {
  if (ACol < 0 || ARow < 0) return nullptr;
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  return g && g->CellType == Kind ? g->CellBitmap : nullptr;
}

// ---- bitmaps

void TZadIrururOziz::AddBitmap(int ACol, int ARow, QImage* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
  Attach_Image_Object(ACol, ARow, ctBitmap, ABmp, Transparent, hal, val);
}

QImage* TZadIrururOziz::CreateBitmap(int ACol, int ARow, bool transparent, TCellHAlign hal, TCellVAlign val) {
  auto* bitmap = new QImage();
  Own(*Attach_Image_Object(ACol, ARow, ctBitmap, nullptr, transparent, hal, val), bitmap);
  return bitmap;
}

QImage* TZadIrururOziz::GetBitmap(int ACol, int ARow) {
  return static_cast<QImage*>(Image_Payload(ACol, ARow, ctBitmap));
}

bool TZadIrururOziz::HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }

void TZadIrururOziz::RemoveBitmap(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }

// ---- icons

void TZadIrururOziz::AddIcon(int ACol, int ARow, QImage* AIcon, TCellHAlign hal, TCellVAlign val) {
  Attach_Image_Object(ACol, ARow, ctIcon, AIcon, false, hal, val);
}

QImage* TZadIrururOziz::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val) {
  auto* icon = new QImage();
  Own(*Attach_Image_Object(ACol, ARow, ctIcon, nullptr, false, hal, val), icon);
  return icon;
}

void TZadIrururOziz::RemoveIcon(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctIcon); }

// ---- pictures

void TZadIrururOziz::AddPicture(int ACol, int ARow, TPicture* APicture, bool transparent, TStretchMode stretchmode,
                                int padding, TCellHAlign hal, TCellVAlign val) {
  CreateCellGraphic(ACol, ARow)->SetPicture(APicture, transparent, stretchmode, padding, hal, val);
  RepaintCell(DisplColIndex(ACol), ARow);
}

TPicture* TZadIrururOziz::CreatePicture(int ACol, int ARow, bool transparent, TStretchMode stretchmode, int padding,
                                        TCellHAlign hal, TCellVAlign val) {
  auto* picture = new TPicture();
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->SetPicture(nullptr, transparent, stretchmode, padding, hal, val);
  Own(*g, picture);
  RepaintCell(DisplColIndex(ACol), ARow);
  return picture;
}

TPicture* TZadIrururOziz::GetPicture(int ACol, int ARow) {
  // Every picture object this grid makes holds a TPicture; one a caller set
  // up by hand with another kind of picture is not answered.
  return dynamic_cast<TPicture*>(static_cast<TCellPicture*>(Image_Payload(ACol, ARow, ctPicture)));
}

bool TZadIrururOziz::HasPicture(int ACol, int ARow) { return GetPicture(ACol, ARow) != nullptr; }

void TZadIrururOziz::RemovePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctPicture); }

// ---- file pictures

void TZadIrururOziz::AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                                    TStretchMode stretchmode, int padding, TCellHAlign hal, TCellVAlign val) {
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->SetPicture(nullptr, Transparent, stretchmode, padding, hal, val);
  g->CellType = ctFilePicture;
  g->CellBitmap = AFilePicture;
  RepaintCell(DisplColIndex(ACol), ARow);
}

TFilePicture* TZadIrururOziz::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                                int padding, TCellHAlign hal, TCellVAlign val) {
  auto* picture = new TFilePicture();
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  g->SetPicture(nullptr, Transparent, StretchMode, padding, hal, val);
  g->CellType = ctFilePicture;
  Own(*g, picture);
  RepaintCell(DisplColIndex(ACol), ARow);
  return picture;
}

TFilePicture* TZadIrururOziz::GetFilePicture(int ACol, int ARow) {
  return static_cast<TFilePicture*>(Image_Payload(ACol, ARow, ctFilePicture));
}

void TZadIrururOziz::RemoveFilePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }
