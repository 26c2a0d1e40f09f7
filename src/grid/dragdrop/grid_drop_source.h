#pragma once
// TGridDropSource: the source of a drag out of the string grid. It
// remembers the last copy or move the target answered, keeps the cell
// picture or the header button under the cursor while the drag runs and
// drops the cell picture at the end.
#include "grid/dragdrop/drop_source.h"

class TZadIrururOziz;

class TGridDropSource : public TZSGDropSource {
  Q_OBJECT

 public:
  explicit TGridDropSource(TZadIrururOziz* aGrid);

  void CurrentEffect(int dwEffect) override;
  void QueryDrag() override;
  void DragFinished() override;
  int LastEffect() const { return FLastEffect; }

 private:
  TZadIrururOziz* FGrid;
  int FLastEffect = 0;
};
