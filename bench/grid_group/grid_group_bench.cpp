// Groups and ungroups a grid of 100,000 and one of 1,000,000 rows whose
// group column holds runs of 100 equal values (with summary rows, so every
// group gets two rows). Rounds alternate between the sizes and the fastest
// of each counts; growing the rows tenfold may cost at most 12 times the
// time, else the program exits with 1. A layout built by inserting one row
// per group would grow with the square of the rows and fail.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

#include "grid/core/zad_irurur_oziz.h"
#include "support/ratio_check.h"

namespace {

constexpr int Rounds = 3;

template <typename F>
double Seconds(F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::unique_ptr<TZadIrururOziz> Make_Grid(int rows) {
  auto grid = std::make_unique<TZadIrururOziz>();
  grid->SetColCount(4);
  grid->SetRowCount(rows + 1);
  grid->SetFixedRows(1);
  grid->SetFixedCols(1);
  grid->Grouping().SetSummary(true);
  for (int i = 0; i < rows; ++i) {
    grid->SetCellEx(1, i + 1, QString("g%1").arg(i / 100, 6, 10, QChar('0')));
    grid->SetCellEx(2, i + 1, QString::number(i));
    grid->SetCellEx(3, i + 1, QString::number(i % 7));
  }
  return grid;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  auto small = Make_Grid(100000);
  auto large = Make_Grid(1000000);
  double group_small = 1e9, group_large = 1e9, ungroup_small = 1e9, ungroup_large = 1e9;
  bool ok = true;
  for (int round = 0; round < Rounds; ++round) {
    group_small = std::min(group_small, Seconds([&] { small->Group(1); }));
    group_large = std::min(group_large, Seconds([&] { large->Group(1); }));
    ok &= small->RowCount() == 100001 + 2000 && large->RowCount() == 1000001 + 20000;
    ungroup_small = std::min(ungroup_small, Seconds([&] { small->UnGroup(); }));
    ungroup_large = std::min(ungroup_large, Seconds([&] { large->UnGroup(); }));
    ok &= small->RowCount() == 100001 && large->RowCount() == 1000001;
    std::printf("round %d: group %.3f s / %.3f s, ungroup %.3f s / %.3f s (100k / 1M)\n", round, group_small,
                group_large, ungroup_small, ungroup_large);
  }
  if (!ok) std::printf("the grids did not group into the expected rows\n");
  ok &= bench_support::Report_Goal("Group of 1M rows vs 100k rows", group_large, group_small, 12.0);
  ok &= bench_support::Report_Goal("UnGroup of 1M rows vs 100k rows", ungroup_large, ungroup_small, 12.0);
  return ok ? 0 : 1;
}
