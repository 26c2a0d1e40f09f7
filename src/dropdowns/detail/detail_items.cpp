#include "dropdowns/detail/detail_items.h"

void TDetailItem::Assign(const TDetailItem& Source) {
  SetCaption(Source.FCaption);
  SetImageIndex(Source.FImageIndex);
  FImage = Source.FImage;
  Notes = Source.Notes;
  Enabled = Source.Enabled;
  Tag = Source.Tag;
  ItemObject = Source.ItemObject;
}

int TDetailItems::IndexOf(const QString& AValue) const {
  for (int i = 0; i < Count(); ++i)
    if (GetItem(i)->Caption() == AValue) return i;
  return -1;
}

QStringList TDetailItems::Captions() const {
  QStringList captions;
  captions.reserve(Count());
  for (int i = 0; i < Count(); ++i) captions << GetItem(i)->Caption();
  return captions;
}
