// The grid's column filter conditions and its change notifiers.
#include "grid/core/zad_irurur_oziz.h"

TFilter& TZadIrururOziz::Filter() {
  if (!FFilter) {
    FFilter = std::make_unique<TFilter>(this);
    // The header shows whether its column is filtered.
    FFilter->OnRepaintHeader = [this](int ACol) { RepaintCell(ACol, 0); };
  }
  return *FFilter;
}

void TZadIrururOziz::RegisterNotifier(TGridChangeNotifier* ANotifier) {
  if (!ANotifier) return;
  for (const QPointer<TGridChangeNotifier>& n : FNotifiers)
    if (n == ANotifier) return;
  FNotifiers.emplace_back(ANotifier);
}

void TZadIrururOziz::UnRegisterNotifier(TGridChangeNotifier* ANotifier) {
  std::erase_if(FNotifiers, [ANotifier](const QPointer<TGridChangeNotifier>& n) { return !n || n == ANotifier; });
}
