// Fills 100,000 rows x 10 columns through SetCellEx, reads them back, merges
// and splits 10,000 blocks, and reports time and heap bytes per filled cell.
// The store must be sparse: a 1,000,000 x 100 grid holding 1,000 texts may
// take at most a tenth of what one string slot per cell would; otherwise the
// program exits with 1.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <cstdio>
#include <memory>

#include "grid/core/base_grid.h"

namespace {

constexpr int Rows = 100000;
constexpr int Cols = 10;

size_t Heap_In_Use() { return mallinfo2().uordblks; }

std::unique_ptr<TBaseGrid> Make_Grid(int rows, int cols) {
  auto grid = std::make_unique<TBaseGrid>();
  grid->SetColCount(cols);
  grid->SetRowCount(rows);
  return grid;
}

void Fill(TBaseGrid& grid) {
  for (int r = 0; r < Rows; ++r)
    for (int c = 0; c < Cols; ++c) grid.SetCellEx(c, r, QStringLiteral("cell %1").arg(r));
}

void BM_Fill(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto grid = Make_Grid(Rows, Cols);
    const size_t before = Heap_In_Use();
    state.ResumeTiming();
    Fill(*grid);
    state.PauseTiming();
    state.counters["bytes_per_cell"] = double(Heap_In_Use() - before) / (Rows * Cols);
    grid.reset();
    state.ResumeTiming();
  }
  state.counters["ns_per_cell"] = benchmark::Counter(double(Rows) * Cols * state.iterations(),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Read(benchmark::State& state) {
  auto grid = Make_Grid(Rows, Cols);
  Fill(*grid);
  for (auto _ : state) {
    qsizetype total = 0;
    for (int r = 0; r < Rows; ++r)
      for (int c = 0; c < Cols; ++c) total += grid->GetCellEx(c, r).size();
    benchmark::DoNotOptimize(total);
  }
  state.counters["ns_per_cell"] = benchmark::Counter(double(Rows) * Cols * state.iterations(),
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_MergeSplit(benchmark::State& state) {
  auto grid = Make_Grid(Rows, Cols);
  Fill(*grid);
  for (auto _ : state) {
    for (int b = 0; b < 10000; ++b) grid->MergeCells(1 + (b % 3) * 3, 1 + (b / 3) * 2, 3, 2);
    for (int b = 0; b < 10000; ++b) grid->SplitCells(1 + (b % 3) * 3, 1 + (b / 3) * 2);
  }
  state.counters["ns_per_block"] =
      benchmark::Counter(10000.0 * state.iterations(), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_Fill)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Read)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MergeSplit)->Unit(benchmark::kMillisecond);

// Memory must follow the filled cells, not rows x columns.
bool Sparse_Check() {
  const int rows = 1000000, cols = 100, filled = 1000;
  const size_t before = Heap_In_Use();
  auto grid = Make_Grid(rows, cols);
  for (int i = 0; i < filled; ++i) grid->SetCellEx(i % cols, i * 997 % rows, QStringLiteral("x"));
  grid->SetCellEx(1, 10000000, QStringLiteral("far"));
  const size_t used = Heap_In_Use() - before;
  const double dense = double(rows) * cols * sizeof(QString);
  std::printf("sparse grid %dx%d with %d texts: %.1f MB (one string slot per cell: %.1f MB)\n", rows, cols, filled,
              used / 1e6, dense / 1e6);
  return used < dense / 10;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (!Sparse_Check()) {
    std::printf("FAIL: the store's memory grows with rows x columns\n");
    return 1;
  }
  return 0;
}
