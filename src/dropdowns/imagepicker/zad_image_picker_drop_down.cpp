#include "dropdowns/imagepicker/zad_image_picker_drop_down.h"

TZadImagePickerDropDown::TZadImagePickerDropDown(QWidget* AOwner) : TZadCustomDropDown(AOwner) {}

void TZadImagePickerDropDown::AddImagesFromImageList() {
  if (!Images()) return;
  for (int i = 0; i < int(Images()->size()); ++i) FItems.Add().ImageIndex = i;
}

int TZadImagePickerDropDown::ImageIndex() const {
  return FItemIndex >= 0 && FItemIndex < FItems.Count() ? FItems.Items(FItemIndex).ImageIndex : -1;
}

void TZadImagePickerDropDown::SetImageIndex(int Value) {
  FItemIndex = -1;
  for (int i = 0; i < FItems.Count(); ++i)
    if (FItems.Items(i).ImageIndex == Value) {
      FItemIndex = i;
      break;
    }
  update();
}

void TZadImagePickerDropDown::SetItemIndex(int Value) {
  if (Value < -1 || Value >= FItems.Count()) return;
  FItemIndex = Value;
  update();
}
