#include "dropdowns/imagepicker/image_items.h"

void TImageItem::Assign(const TImageItem& Source) {
  SetCaption(Source.FCaption);
  SetImageIndex(Source.FImageIndex);
  FImage = Source.FImage;
  Enabled = Source.Enabled;
  Hint = Source.Hint;
}
