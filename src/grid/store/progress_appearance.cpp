#include "grid/store/progress_appearance.h"

void TGridProgressAppearance::Assign(const TGridProgressAppearance& Source) {
  if (&Source == this) return;
  // Everything but the event, then one notice.
  auto on_change = std::move(OnChange);
  *this = Source;
  OnChange = std::move(on_change);
  Changed();
}
