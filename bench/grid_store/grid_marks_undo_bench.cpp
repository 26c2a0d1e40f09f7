// Growth of highlighting and of the undo list with their size, each at 10
// times its baseline size, timed in random interleaving so that load on the
// machine hits both alike (the fastest repetition counts):
// - HighlightInHtml on a text with 10,000 hits may cost at most 12 times
//   the same on a text with 1,000 hits: hits are found and tagged in one pass;
// - 1,000,000 RegisterChange calls on a list limited to 10,000 items may
//   cost at most 12 times 100,000 calls: dropping the oldest item is cheap.
// The program exits with 1 when a ratio is missed.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "grid/html/html_highlight.h"
#include "grid/undo/zad_grid_undo_redo.h"
#include "support/ratio_check.h"

namespace {

// Words with markup, one hit ("kWh") in each.
QString Text_With_Hits(int hits) {
  QString text;
  for (int i = 0; i < hits; ++i)
    text += (i % 4 == 0) ? QStringLiteral("<b>flow</b> 12 kWh, ") : QStringLiteral("meter kWh ");
  return text;
}

void BM_HighlightInHtml(benchmark::State& state) {
  const QString text = Text_With_Hits(int(state.range(0)) * 1000);
  for (auto _ : state)
    benchmark::DoNotOptimize(HighlightInHtml(text, QStringLiteral("kwh"), QStringLiteral("hi"), false));
}

void BM_RegisterChange(benchmark::State& state) {
  const int calls = int(state.range(0)) * 100000;
  const QString old_text = QStringLiteral("12.5"), new_text = QStringLiteral("13.0");
  for (auto _ : state) {
    TZadGridUndoRedo undo;
    undo.SetMaxLevel(10000);
    for (int i = 0; i < calls; ++i) undo.RegisterChange(i % 7, i % 1000, old_text, new_text);
    benchmark::DoNotOptimize(undo.Level());
  }
}

BENCHMARK(BM_HighlightInHtml)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_RegisterChange)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return bench_support::Run_Interleaved_Ratio_Check(argc, argv, "1", "10", "10x size / 1x size", 12.0);
}
