// Row operations of the string grid on 100,000 and 1,000,000 rows: hiding
// and unhiding a tenth of the rows, inserting and removing 1,000 rows in the
// middle, moving a range of rows, translating every displayed row to its real
// index, closing and opening every row group (groups of 10 rows), closing and
// opening one 1,000-row group at the end, reading AllCells of every row with
// every other row hidden. Each must grow linearly with the
// rows: the 1,000,000-row figure may be at most 12 times the 100,000-row
// figure, else the program exits with 1.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <vector>

#include "grid/core/zad_irurur_oziz.h"
#include "support/ratio_check.h"

namespace {

std::unique_ptr<TZadIrururOziz> Make_Grid(int rows) {
  auto grid = std::make_unique<TZadIrururOziz>();
  grid->SetRowCount(rows);
  for (int r = 1; r < rows; ++r) grid->SetCellEx(1, r, QStringLiteral("row"));
  return grid;
}

void BM_HideUnhide(benchmark::State& state) {
  const int rows = int(state.range(0));
  auto grid = Make_Grid(rows);
  for (auto _ : state) {
    grid->HideRows(rows / 3, rows / 3 + rows / 10 - 1);
    grid->UnHideRows(rows / 3, rows / 3 + rows / 10 - 1);
  }
}

void BM_InsertRemoveMiddle(benchmark::State& state) {
  const int rows = int(state.range(0));
  auto grid = Make_Grid(rows);
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) grid->InsertRows(rows / 2, 1);
    for (int i = 0; i < 1000; ++i) grid->RemoveRows(rows / 2, 1);
  }
}

void BM_MoveRange(benchmark::State& state) {
  const int rows = int(state.range(0));
  auto grid = Make_Grid(rows);
  for (auto _ : state) grid->MoveRows(10, rows - 200, 100);
}

void BM_RealRowIndexAll(benchmark::State& state) {
  const int rows = int(state.range(0));
  auto grid = Make_Grid(rows);
  for (int r = 10; r < rows / 2; r += 1000) grid->HideRow(r);
  for (auto _ : state) {
    long long sum = 0;
    for (int d = 0; d < grid->RowCount(); ++d) sum += grid->RealRowIndex(d);
    benchmark::DoNotOptimize(sum);
  }
}

// A node every 10 rows, each spanning its 10 rows.
std::unique_ptr<TZadIrururOziz> Make_Groups(int rows) {
  auto grid = Make_Grid(rows);
  for (int r = 1; r + 10 <= rows; r += 10) grid->AddNode(r, 10);
  return grid;
}

void BM_ContractAllExpandAll(benchmark::State& state) {
  const int rows = int(state.range(0));
  auto grid = Make_Groups(rows);
  for (auto _ : state) {
    grid->ContractAll();
    grid->ExpandAll();
  }
}

void BM_ContractExpandLastGroup(benchmark::State& state) {
  const int rows = int(state.range(0));
  auto grid = Make_Groups(rows - 1000);
  grid->SetRowCount(rows);
  grid->AddNode(rows - 1000, 1000);
  for (auto _ : state) {
    grid->ContractNode(rows - 1000);
    grid->ExpandNode(rows - 1000);
  }
}

// AllCells of every real row while every other row is hidden: each read
// finds its row's record or display row from where the last one was found.
void BM_AllCellsEveryOtherHidden(benchmark::State& state) {
  const int rows = int(state.range(0));
  auto grid = Make_Grid(rows);
  TIntList hidden(0, 0);
  for (int r = 1; r < rows; r += 2) hidden.Add(r);
  grid->HideRowList(hidden);
  for (auto _ : state) {
    qsizetype length = 0;
    for (int r = 0; r < rows; ++r) length += grid->AllCells(1, r).size();
    benchmark::DoNotOptimize(length);
  }
}

// Three repetitions each, the two sizes' runs mixed so that both are timed
// under the same load; the fastest counts.
BENCHMARK(BM_HideUnhide)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_InsertRemoveMiddle)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_MoveRange)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_RealRowIndexAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ContractAllExpandAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ContractExpandLastGroup)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_AllCellsEveryOtherHidden)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return bench_support::Run_Interleaved_Ratio_Check(argc, argv, "100000", "1000000", "1M rows / 100k rows", 12);
}
