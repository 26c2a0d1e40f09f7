#include "grid/store/print_settings.h"

void TPrintSettings::Assign(const TPrintSettings& Source) {
  if (&Source == this) return;
  QObject* const owner = FOwner;
  const bool fixed_cells_always = FFixedCellsAlways;
  *this = Source;
  FOwner = owner;
  FFixedCellsAlways = fixed_cells_always;
}
