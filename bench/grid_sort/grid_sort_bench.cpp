// Sorts a 1,000,000-row grid with QSort on a numeric column and on a text
// column, and, as the baseline, std::stable_sort over the same keys already
// typed (doubles; strings) in the same run. Rounds are interleaved and the
// fastest of each counts; each grid sort may take at most twice its
// baseline, else the program exits with 1. Every grid sort starts from an
// order the other column left, which is random for its own keys.
#include <QApplication>
#include <QRandomGenerator>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "grid/core/zad_irurur_oziz.h"
#include "support/ratio_check.h"

namespace {

constexpr int Rows = 1000000;
constexpr int Rounds = 3;

template <typename F>
double Seconds(F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QRandomGenerator random(42);
  std::vector<double> numbers(Rows);
  std::vector<QString> texts(Rows);
  TZadIrururOziz grid;
  grid.SetColCount(3);
  grid.SetRowCount(Rows + 1);
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  for (int i = 0; i < Rows; ++i) {
    const double v = double(random.bounded(100000000)) / 100.0;
    numbers[size_t(i)] = v;
    QString word(8, QLatin1Char('a'));
    for (QChar& c : word) c = QLatin1Char(char('a' + random.bounded(26)));
    texts[size_t(i)] = word;
    grid.SetCellEx(1, i + 1, QString::number(v, 'f', 2));
    grid.SetCellEx(2, i + 1, word);
  }

  double grid_number = 1e9, grid_text = 1e9, typed_number = 1e9, typed_text = 1e9;
  for (int round = 0; round < Rounds; ++round) {
    std::vector<double> n = numbers;
    typed_number = std::min(typed_number, Seconds([&] { std::stable_sort(n.begin(), n.end()); }));
    grid_number = std::min(grid_number, Seconds([&] { grid.Sort(1, sdAscending); }));
    std::vector<QString> t = texts;
    typed_text = std::min(typed_text, Seconds([&] { std::stable_sort(t.begin(), t.end()); }));
    grid_text = std::min(grid_text, Seconds([&] { grid.Sort(2, sdAscending); }));
    std::printf("round %d: numeric %.3f s (typed %.3f s), text %.3f s (typed %.3f s)\n", round, grid_number,
                typed_number, grid_text, typed_text);
  }
  // The sorts must have sorted.
  bool sorted = true;
  for (int r = 2; r <= Rows; ++r) sorted &= grid.GetCellEx(2, r - 1) <= grid.GetCellEx(2, r);
  if (!sorted) std::printf("the text column is not sorted\n");
  bool ok = sorted;
  ok &=
      bench_support::Report_Goal("QSort of 1M numeric cells vs stable_sort of doubles", grid_number, typed_number, 2.0);
  ok &= bench_support::Report_Goal("QSort of 1M text cells vs stable_sort of strings", grid_text, typed_text, 2.0);
  return ok ? 0 : 1;
}
