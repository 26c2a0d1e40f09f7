#pragma once
// An observer another component registers with a grid to hear which cells a
// structural change (insert, remove, clear) touched. The grid calls every
// registered notifier, in registration order, right after OnCellsChanged.
#include <QObject>

#include "grid/store/grid_types.h"

class TGridChangeNotifier : public QObject {
 public:
  explicit TGridChangeNotifier(QObject* AOwner = nullptr) : QObject(AOwner) {}
  virtual void CellsChanged(const TGridRect& R) { (void)R; }
};
