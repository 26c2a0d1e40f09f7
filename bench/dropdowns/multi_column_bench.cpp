// The multi-column drop-down with 1,000 and with 100,000 items of three
// columns: paging and painting its open list may cost at most 1.5 times as
// much with 100,000 items as with 1,000, opening it at most 150 times (see
// list_drop_down_bench.h). The program exits with 1 when a ratio does not
// hold.
#include "dropdowns/multicolumn/zad_col_grid.h"
#include "dropdowns/multicolumn/zad_multi_column_drop_down.h"
#include "list_drop_down_bench.h"

int main(int argc, char** argv) {
  return list_drop_down_bench::Run<TZadMultiColumnDropDown>(argc, argv, "multi-column drop-down",
                                                            [](TZadMultiColumnDropDown& D) { return D.List(); });
}
