#include "dropdowns/base/bar_buttons.h"

void THeaderButton::Assign(const THeaderButton& Source) {
  SetCaption(Source.Caption());
  ImageIndex = Source.ImageIndex;
  SetEnabled(Source.Enabled());
  SetWidth(Source.Width());
  SetHeight(Source.Height());
}
