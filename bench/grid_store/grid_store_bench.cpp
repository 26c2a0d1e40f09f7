// Fills 100,000 rows x 10 columns through SetCellEx, reads them back, merges
// and splits 10,000 blocks, and reports time and heap bytes per filled cell.
// Then fills 1,000,000 x 10 texts into the grid and into a plain
// std::vector<std::vector<QString>> holding the same texts, in alternating
// rounds: the grid may take at most twice the time and twice the memory
// (heap and mapped blocks). The store must also be sparse: a 1,000,000 x 100
// grid holding 1,000 texts may take at most a tenth of what one string slot
// per cell would. A missed goal makes the program exit with 1.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <cstdio>
#include <memory>

#include "grid/core/base_grid.h"
#include "support/ratio_check.h"

namespace {

constexpr int Rows = 100000;
constexpr int Cols = 10;

// Blocks in use, including the large ones malloc maps on their own.
size_t Heap_In_Use() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

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

// 1,000,000 x 10 texts, one per row shared by its cells as a caller's text would be.
bool Against_Plain_Table() {
  constexpr int kRows = 1000000, kCols = 10, kRounds = 5;
  std::vector<QString> texts(kRows);
  for (int r = 0; r < kRows; ++r) texts[size_t(r)] = QString::number(r);
  size_t grid_bytes = 0, table_bytes = 0;
  const auto [grid_time, table_time] = bench_support::Fastest_Alternating(
      [&] {
        auto grid = Make_Grid(kRows, kCols);
        const size_t before = Heap_In_Use();
        for (int r = 0; r < kRows; ++r)
          for (int c = 0; c < kCols; ++c) grid->SetCellEx(c, r, texts[size_t(r)]);
        grid_bytes = Heap_In_Use() - before;
      },
      [&] {
        const size_t before = Heap_In_Use();
        std::vector<std::vector<QString>> table(kRows);
        for (int r = 0; r < kRows; ++r) {
          table[size_t(r)].resize(kCols);
          for (int c = 0; c < kCols; ++c) table[size_t(r)][size_t(c)] = texts[size_t(r)];
        }
        table_bytes = Heap_In_Use() - before;
      },
      kRounds);
  // The grid's round includes freeing it; the table's too: both alike.
  const bool time_ok = bench_support::Report_Goal(
      "grid store: fill 1,000,000 x 10 texts vs vector<vector<QString>> (s)", grid_time, table_time, 2.0);
  const bool memory_ok =
      bench_support::Report_Goal("grid store: memory of 1,000,000 x 10 texts vs vector<vector<QString>> (MB)",
                                 grid_bytes / 1e6, table_bytes / 1e6, 2.0);
  return time_ok && memory_ok;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const bool plain_ok = Against_Plain_Table();
  if (!Sparse_Check()) {
    std::printf("FAIL: the store's memory grows with rows x columns\n");
    return 1;
  }
  return plain_ok ? 0 : 1;
}
