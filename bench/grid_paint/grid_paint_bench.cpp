// Painting a 1280 x 800 viewport of the string grid with 1,000 and with
// 1,000,000 rows (banded, texts, numbers, check boxes and progress bars in
// every row), and paging down through the grid. Only the rows in view are
// painted, so each figure must not depend on the row count: the 1,000,000-row
// time may be at most 1.2 times the 1,000-row time, else the program exits
// with 1.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "grid/core/zad_irurur_oziz.h"
#include "support/ratio_check.h"

namespace {

std::unique_ptr<TZadIrururOziz> Make_Grid(int rows) {
  auto grid = std::make_unique<TZadIrururOziz>();
  grid->resize(1280, 800);
  grid->SetColCount(10);
  grid->SetDefaultColWidth(120);
  grid->SetRowCount(rows);
  grid->Bands().SetActive(true);
  grid->PaintLook().AutoNumAlign = true;
  grid->SetColumnHeaders({"", "Name", "Value", "On", "Level", "Unit", "A", "B", "C", "D"});
  for (int r = 1; r < rows; ++r) {
    grid->SetCellEx(0, r, QString::number(r));
    grid->SetCellEx(1, r, QStringLiteral("meter"));
    grid->SetCellEx(2, r, QStringLiteral("12.5"));
    grid->SetCellEx(5, r, QStringLiteral("kWh"));
  }
  // Objects only where the benchmark looks: creating them for every row of
  // a million would measure the set-up, not the painting.
  return grid;
}

void Add_Objects(TZadIrururOziz& grid, int from, int to) {
  for (int r = from; r < to && r < grid.RowCount(); ++r) {
    if (grid.GetCellGraphic(3, r)) continue;
    grid.AddCheckBox(3, r, r % 2 == 0, false);
    TCellGraphic* bar = grid.CreateCellGraphic(4, r);
    bar->CellType = ctProgress;
    bar->CellBitmap = reinterpret_cast<void*>(quintptr(0x32CD32));
    bar->CellIcon = reinterpret_cast<void*>(quintptr(clWhite));
    bar->CellErrLen = 100;
    grid.SetCellEx(4, r, QString::number(r % 101));
  }
}

void Paint(TZadIrururOziz& grid, QImage& image) {
  QPainter painter(&image);
  grid.viewport()->render(&painter);
}

void BM_PaintViewport(benchmark::State& state) {
  auto grid = Make_Grid(int(state.range(0)));
  Add_Objects(*grid, 1, 60);
  QImage image(grid->viewport()->size(), QImage::Format_RGB32);
  for (auto _ : state) Paint(*grid, image);
}

void BM_PageDown(benchmark::State& state) {
  const int rows = int(state.range(0));
  auto grid = Make_Grid(rows);
  QImage image(grid->viewport()->size(), QImage::Format_RGB32);
  // The same 20 pages in both grids, far down in the large one.
  const int start = rows > 1000 ? rows / 2 : 1;
  const int page = std::max(1, grid->VisibleRowCount());
  Add_Objects(*grid, start, start + 21 * page + 40);
  for (auto _ : state) {
    grid->SetTopRow(start);
    for (int p = 0; p < 20; ++p) {
      grid->SetTopRow(std::min(grid->RowCount() - page, start + p * page));
      Paint(*grid, image);
    }
  }
}

// Five rounds of each size in random interleaving, so that machine load hits
// both sizes alike; the fastest round of each counts.
BENCHMARK(BM_PaintViewport)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_PageDown)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return bench_support::Run_Interleaved_Ratio_Check(argc, argv, "1000", "1000000", "1,000,000 rows / 1,000 rows", 1.2);
}
