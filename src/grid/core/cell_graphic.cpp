#include "grid/core/cell_graphic.h"

#include <cmath>
#include <typeinfo>

#include "grid/store/file_picture.h"
#include "grid/store/int_list.h"

TCellGraphic::~TCellGraphic() { Release_Payload(); }

bool TCellGraphic::Owned_By_Grid() const { return typeid(*this) == typeid(TCellGraphic); }

void TCellGraphic::Release_Payload() {
  if (CellBitmap && Bitmap_Deleter) Bitmap_Deleter(CellBitmap);
  if (CellIcon && Icon_Deleter) Icon_Deleter(CellIcon);
  CellBitmap = CellIcon = nullptr;
  Bitmap_Deleter = nullptr;
  Icon_Deleter = nullptr;
}

void TCellGraphic::Assign(const TCellGraphic& Source) {
  CellType = Source.CellType;
  CellVAlign = Source.CellVAlign;
  CellHAlign = Source.CellHAlign;
  CellIndex = Source.CellIndex;
  CellTransparent = Source.CellTransparent;
  CellValue = Source.CellValue;
  CellAngle = Source.CellAngle;
  CellBoolean = Source.CellBoolean;
  CellErrFrom = Source.CellErrFrom;
  CellErrLen = Source.CellErrLen;
  CellText = Source.CellText;
  CellCreated = Source.CellCreated;
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val) {
  CellType = ctImageList;
  CellIndex = idx;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val) {
  SetImageIdx(idx, hal, val);
  CellType = ctDataImage;
}

void TCellGraphic::SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                                 std::function<void(TIntList*, int, int)> Notifier) {
  Release_Payload();
  CellType = ctImages;
  CellBoolean = dir == 0;
  auto* list = new TIntList(Col, Row);
  list->OnChange = std::move(Notifier);
  CellBitmap = list;
  Bitmap_Deleter = [](void* p) { delete static_cast<TIntList*>(p); };
  CellCreated = true;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetPicture(TCellPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                              TCellHAlign hal, TCellVAlign val) {
  CellType = ctPicture;
  CellBitmap = APicture;
  CellTransparent = Transparent;
  CellAngle = StretchMode;
  CellIndex = padding;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val) {
  CellType = Data ? ctDataCheckBox : ctCheckBox;
  CellAngle = 0;
  CellBoolean = Value;
  CellTransparent = Flat;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
  CellType = ctTriStateCheckBox;
  CellCheckBoxState = Value;
  CellBoolean = false;
  CellTransparent = Flat;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
  CellType = ctRadioButton;
  CellAngle = 0;
  CellBoolean = Value;
  CellTransparent = Flat;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val) {
  CellType = ctButton;
  CellIndex = int((uint32_t(bh) << 16) | (uint32_t(bw) & 0xFFFF));
  CellBoolean = false;
  CellText = caption;
  CellHAlign = hal;
  CellVAlign = val;
}

void TCellGraphic::SetInterfacedCell(TInterfacedPersistent* AObject) {
  CellType = ctInterface;
  CellBitmap = AObject;
}

void TCellGraphic::SetAngle(int AAngle) {
  CellType = ctRotated;
  // A 16-bit angle as stored; the loops end within a few hundred steps.
  AAngle = int16_t(AAngle);
  while (AAngle < 0) AAngle += 360;
  while (AAngle > 360) AAngle -= 360;
  CellAngle = AAngle;
}

QPoint TCellGraphic::GetPictureSize(int cw, int rh, bool) const {
  if ((CellType != ctPicture && CellType != ctFilePicture) || !CellBitmap) return QPoint();
  int pw = 0, ph = 0;
  if (CellType == ctFilePicture) {
    const auto* file = static_cast<const TFilePicture*>(CellBitmap);
    pw = file->Width();
    ph = file->Height();
  } else {
    const auto* picture = static_cast<const TCellPicture*>(CellBitmap);
    pw = picture->Width();
    ph = picture->Height();
  }
  const int aw = cw - CellIndex, ah = rh - CellIndex;
  const bool fits = aw >= pw && ah >= ph;
  double fx = pw > 0 ? double(aw) / pw : 1.0;
  double fy = ph > 0 ? double(ah) / ph : 1.0;
  auto aspect = [&] {
    if (fx >= fy) return QPoint(int(std::lround(pw * fy)), ah);
    return QPoint(aw, int(std::lround(ph * fx)));
  };
  switch (CellAngle) {
    case noStretch:
      return QPoint(pw, ph);
    case Stretch:
      return QPoint(aw, ah);
    case StretchWithAspectRatio:
      return aspect();
    case Shrink:
      return fits ? QPoint(pw, ph) : QPoint(aw, ah);
    case ShrinkWithAspectRatio:
      if (fits) return QPoint(pw, ph);
      fx = std::min(fx, 1.0);
      fy = std::min(fy, 1.0);
      return aspect();
    default:
      return QPoint(pw, ph);
  }
}
