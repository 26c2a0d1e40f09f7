#pragma once
// The grid drop-down as the string grid's in-place editor: the drop-down
// with the grid's keys. The grid makes it through the maker
// Register_Grid_Drop_Down_Editor gives it.
#include "dropdowns/griddropdown/zad_grid_drop_down.h"
#include "grid/edit/grid_drop_down_wrappers.h"

class TGridZadGridDropDown : public TGridDropDownOf<TCustomZadGridDropDown> {
 public:
  using TGridDropDownOf::TGridDropDownOf;
};

// Gives the string grids the maker of grid drop-down editors; called once at
// program start (a second call changes nothing).
void Register_Grid_Drop_Down_Editor();
