#include "grid/edit/grid_drop_down_maker.h"

namespace {

TZadGridDropDownMaker& Maker() {
  static TZadGridDropDownMaker maker;
  return maker;
}

}  // namespace

void Register_Zad_Grid_Drop_Down(const TZadGridDropDownMaker& Value) { Maker() = Value; }

const TZadGridDropDownMaker& Zad_Grid_Drop_Down_Maker() { return Maker(); }
