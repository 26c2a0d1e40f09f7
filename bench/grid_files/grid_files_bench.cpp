// Saves and loads a grid of 5 columns as CSV and as the grid's own text file
// at 100,000 and at 1,000,000 rows. Each 1,000,000-row figure may cost at
// most 12 times its 100,000-row figure: ten times the rows, with a little
// room for the larger working set. Timed in random interleaving (the fastest
// repetition counts); the program exits with 1 when a ratio is missed.
// Loads start from the same state at both sizes (see Fresh_Target).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <malloc.h>
#include <map>
#include <memory>

#include "grid/core/zad_irurur_oziz.h"
#include "support/ratio_check.h"

namespace {

constexpr int Cols = 5;

QTemporaryDir& Folder() {
  static QTemporaryDir folder;
  return folder;
}

// One filled grid per size, made once: filling a million rows takes longer
// than the saves being measured.
TZadIrururOziz& Filled_Grid(int rows) {
  static std::map<int, std::unique_ptr<TZadIrururOziz>> grids;
  auto& grid = grids[rows];
  if (!grid) {
    grid = std::make_unique<TZadIrururOziz>();
    grid->SetColCount(Cols);
    grid->SetRowCount(rows + 1);
    grid->SetFixedRows(1);
    grid->SetFixedCols(0);
    for (int c = 0; c < Cols; ++c) grid->SetCellEx(c, 0, QStringLiteral("Column %1").arg(c));
    for (int r = 1; r <= rows; ++r) {
      grid->SetCellEx(0, r, QString::number(r));
      grid->SetCellEx(1, r, QStringLiteral("meter %1").arg(r % 977));
      grid->SetCellEx(2, r, QString::number(r * 0.25, 'f', 2));
      grid->SetCellEx(3, r, QStringLiteral("kWh"));
      grid->SetCellEx(4, r, QStringLiteral("a, \"quoted\" value"));
    }
  }
  return *grid;
}

// Every load goes into a new grid on memory given back to the system, as a
// program's first load does, at both sizes alike. Reloading one grid would
// let the C library decide: it keeps up to 64 MB of freed heap for reuse,
// so a 100,000-row load would refill warm pages while a 1,000,000-row load
// paid for every page afresh, and the ratio would measure that policy.
void Fresh_Target(benchmark::State& state, std::unique_ptr<TZadIrururOziz>& target) {
  state.PauseTiming();
  target.reset();
  malloc_trim(0);
  target = std::make_unique<TZadIrururOziz>();
  state.ResumeTiming();
}

QString File_For(const char* kind, int rows) {
  return QDir(Folder().path()).filePath(QStringLiteral("%1_%2").arg(QLatin1String(kind)).arg(rows));
}

void BM_SaveToCSV(benchmark::State& state) {
  const int rows = int(state.range(0));
  TZadIrururOziz& grid = Filled_Grid(rows);
  const QString file = File_For("save_csv", rows);
  for (auto _ : state) grid.SaveToCSV(file);
}

void BM_LoadFromCSV(benchmark::State& state) {
  const int rows = int(state.range(0));
  const QString file = File_For("load_csv", rows);
  Filled_Grid(rows).SaveToCSV(file);
  std::unique_ptr<TZadIrururOziz> target;
  for (auto _ : state) {
    Fresh_Target(state, target);
    target->LoadFromCSV(file);
    benchmark::DoNotOptimize(target->RowCount());
  }
}

void BM_SaveToFile(benchmark::State& state) {
  const int rows = int(state.range(0));
  TZadIrururOziz& grid = Filled_Grid(rows);
  const QString file = File_For("save_file", rows);
  for (auto _ : state) grid.SaveToFile(file);
}

void BM_LoadFromFile(benchmark::State& state) {
  const int rows = int(state.range(0));
  const QString file = File_For("load_file", rows);
  Filled_Grid(rows).SaveToFile(file);
  std::unique_ptr<TZadIrururOziz> target;
  for (auto _ : state) {
    Fresh_Target(state, target);
    target->LoadFromFile(file);
    benchmark::DoNotOptimize(target->RowCount());
  }
}

#define SIZES Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(5)->Iterations(1)
BENCHMARK(BM_SaveToCSV)->SIZES;
BENCHMARK(BM_LoadFromCSV)->SIZES;
BENCHMARK(BM_SaveToFile)->SIZES;
BENCHMARK(BM_LoadFromFile)->SIZES;

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return bench_support::Run_Interleaved_Ratio_Check(argc, argv, "100000", "1000000", "1M rows / 100k rows", 12.0);
}
