// The grid drop-down with 1,000 and with 100,000 items of three columns:
// paging and painting its open grid may cost at most 1.5 times as much with
// 100,000 items as with 1,000, opening it at most 150 times (see
// list_drop_down_bench.h). The program exits with 1 when a ratio does not
// hold.
#include "dropdowns/griddropdown/zad_grid_drop_down.h"
#include "list_drop_down_bench.h"

int main(int argc, char** argv) {
  return list_drop_down_bench::Run<TZadGridDropDown>(argc, argv, "grid drop-down",
                                                     [](TZadGridDropDown& D) { return D.InnerGrid(); });
}
