// SortSwapRows runs once per exchange of a sort, so a sort of many rows
// calls it hundreds of thousands of times. 100,000 exchanges between rows
// of 50 filled cells may cost at most twice the same between rows of 5
// filled cells: the rows change places in the store, no cell is copied.
// Timed in random interleaving (the fastest repetition counts); the program
// exits with 1 when the ratio is missed.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "grid/core/zad_irurur_oziz.h"
#include "support/ratio_check.h"

namespace {

constexpr int Rows = 2000;
constexpr int Swaps = 100000;

void BM_SortSwapRows(benchmark::State& state) {
  const int cols = int(state.range(0));
  TZadIrururOziz grid;
  grid.SetColCount(cols + 1);
  grid.SetRowCount(Rows);
  grid.SetFixedRows(1);
  for (int r = 1; r < Rows; ++r)
    for (int c = 1; c <= cols; ++c) grid.SetCellEx(c, r, QStringLiteral("cell %1 of row %2").arg(c).arg(r));
  for (auto _ : state) {
    for (int i = 0; i < Swaps; ++i) grid.SortSwapRows(1 + (i * 7) % (Rows - 1), 1 + (i * 13) % (Rows - 1));
    benchmark::DoNotOptimize(grid.Swaps());
  }
}

BENCHMARK(BM_SortSwapRows)->Arg(5)->Arg(50)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return bench_support::Run_Interleaved_Ratio_Check(argc, argv, "5", "50", "50 cells / 5 cells per row", 2.0);
}
