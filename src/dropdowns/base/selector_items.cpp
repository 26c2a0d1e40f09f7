#include "dropdowns/base/selector_items.h"

void TSelectorItem::Assign(const TSelectorItem& Source) {
  if (&Source == this) return;
  SetCaption(Source.FCaption);
  SetColor(Source.FColor);
  SetImageIndex(Source.FImageIndex);
  FImage = Source.FImage;
  Enabled = Source.Enabled;
  Hint = Source.Hint;
}

void TSelectorItem::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed();
}
