// Controls placed over cells of TZadIrururOziz: kept in the cell's
// properties and registered in the grid's control list under the cell's
// column and real row, so that row operations move them along.
#include <QWidget>

#include "grid/core/zad_irurur_oziz.h"

QObject* TZadIrururOziz::CellControls(int ACol, int ARow) {
  const TCellProperties* props = Look_Props(ACol, ARow);
  return props ? props->Control() : nullptr;
}

void TZadIrururOziz::SetCellControls(int ACol, int ARow, QObject* AControl) {
  if (ACol < 0 || ARow < 0) return;
  const int real_row = RealRowIndex(ARow);
  if (!AControl) {
    TCellProperties* props = Look_Props(ACol, ARow);
    if (!props || !props->Control()) return;
    const int index = FControlList.ControlIndex(ACol, real_row);
    FControlList.RemoveControl(index >= 0 ? index : FControlList.ControlIndex(ACol, ARow));
    --FCellControlCount;
    props->SetControl(nullptr);
    RepaintCell(DisplColIndex(ACol), ARow);
    return;
  }
  TCellProperties* props = GetCellProperties(ACol, ARow);
  FControlList.RemoveControl(FControlList.ControlIndex(ACol, real_row));
  if (!props->Control()) ++FCellControlCount;
  FControlList.AddControl(ACol, real_row, AControl);
  props->SetControl(AControl);
  if (auto* widget = qobject_cast<QWidget*>(AControl)) {
    // Cell rectangles are in the cells' area, so the control sits there.
    widget->setParent(viewport());
    const TRect r = CellRect(DisplColIndex(ACol), ARow);
    widget->setGeometry(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height() + 1);
    widget->show();
  }
}
