// Painting a 75 x 25 styled button whose caption holds 20 and 200,000
// characters, plain and hot (a hover repaints it). Only the start that fits
// is shown, so the long caption may cost at most 20 times the short one
// (a frame's time whatever a language file holds), else the program exits
// with 1.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <vector>

#include "controls/zb_button.h"
#include "support/ratio_check.h"

namespace {

QString Caption(int length) {
  const QString words = QStringLiteral("Check Available Update ");
  QString caption;
  caption.reserve(length);
  while (caption.size() < length) caption += words;
  caption.truncate(length);
  return caption;
}

void BM_PaintButton(benchmark::State& state) {
  TZbButton button;
  button.resize(75, 25);
  button.Set_Caption(Caption(int(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(button.Render());
}

void BM_PaintHotButton(benchmark::State& state) {
  TZbButton button;
  button.resize(75, 25);
  button.Set_Style(bsModern);
  button.Set_Caption(Caption(int(state.range(0))));
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&button, &enter);
  for (auto _ : state) benchmark::DoNotOptimize(button.Render());
}

BENCHMARK(BM_PaintButton)->Arg(20)->Arg(200000)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_PaintHotButton)->Arg(20)->Arg(200000)->Unit(benchmark::kMicrosecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The repetitions of both lengths run mixed, so the short caption is a
  // baseline taken under the same load as the long one.
  return bench_support::Run_Interleaved_Ratio_Check(argc, argv, "20", "200000", "200,000 characters / 20 characters",
                                                    20.0);
}
