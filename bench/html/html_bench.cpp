// The mini-HTML renderer's costs against their baselines, timed in turns
// (baseline, then the large case, again and again) so that a busy machine
// slows both alike; the fastest turn of each counts:
// - measuring (MeasureOnly) 10,000 words in 300 px may cost at most 12 times
//   measuring 1,000 words: the line engine is linear in the text;
// - painting the 1280 x 800 viewport of a grid of HTML cells with 1,000,000
//   rows may cost at most 1.2 times painting it with 1,000 rows: only the
//   cells in view are laid out.
// The Google Benchmark figures are printed first for reference. The program
// exits with 1 when a ratio is missed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/html/draw_html_text.h"

namespace {

// Words of different lengths with some markup among them.
QString Words(int count) {
  static const char* const kWords[] = {"meter", "reading", "of", "the", "flow", "sensor", "kWh", "at", "noon"};
  QString text;
  for (int i = 0; i < count; ++i) {
    const QString word = QLatin1String(kWords[i % 9]);
    if (i % 10 == 3)
      text += "<b>" + word + "</b> ";
    else if (i % 10 == 7)
      text += "<font color=\"#FF0000\">" + word + "</font> ";
    else
      text += word + ' ';
  }
  return text;
}

class Measurer {
 public:
  explicit Measurer(int words)
      : text_(Words(words)), image_(1, 1, QImage::Format_RGB32), painter_(&image_), canvas_(painter_) {
    canvas_.Font = QFont(QStringLiteral("DejaVu Sans"), 9);
    params_.MeasureOnly = true;
  }
  int Run() {
    THtmlDrawResult result;
    DrawHtmlText(canvas_, text_, TRect{0, 0, 300, 200}, params_, result);
    return result.Height;
  }

 private:
  QString text_;
  QImage image_;
  QPainter painter_;
  TCanvas canvas_;
  THtmlDrawParams params_;
};

const QStringList kCells{"<b>bold</b> and plain",
                         "<font color=\"#FF0000\">red</font> text",
                         "x<sup>2</sup> + y<sub>i</sub>",
                         "<a href=\"http://x.org\">x.org</a> site",
                         "<u>under</u> <i>italic</i> <s>struck</s>",
                         "<font bgcolor=\"clYellow\">marked</font>",
                         "<hi>highlight</hi> and <e>eror</e>",
                         "<shad>shadow</shad>",
                         "line one<BR><b>line two</b>"};

// Every row holds HTML in column 1; the rows the viewport shows hold it in
// every column (filling a million rows' every cell would measure the set-up).
std::unique_ptr<TZadIrururOziz> Make_Grid(int rows) {
  auto grid = std::make_unique<TZadIrururOziz>();
  grid->resize(1280, 800);
  grid->SetColCount(10);
  grid->SetDefaultColWidth(126);
  grid->SetRowCount(rows);
  grid->SetColumnHeaders(
      {"", "<b>One</b>", "<i>Two</i>", "Three", "<u>Four</u>", "Five", "Six", "Seven", "Eight", "Nine"});
  for (int r = 1; r < rows; ++r) grid->SetCellEx(1, r, kCells[r % kCells.size()]);
  for (int r = 1; r < 60 && r < rows; ++r)
    for (int c = 2; c < 10; ++c) grid->SetCellEx(c, r, kCells[(r + c) % kCells.size()]);
  return grid;
}

class Painter {
 public:
  explicit Painter(int rows) : grid_(Make_Grid(rows)), image_(grid_->viewport()->size(), QImage::Format_RGB32) {}
  void Run() {
    QPainter painter(&image_);
    grid_->viewport()->render(&painter);
  }

 private:
  std::unique_ptr<TZadIrururOziz> grid_;
  QImage image_;
};

void BM_MeasureWords(benchmark::State& state) {
  Measurer m(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(m.Run());
}

void BM_PaintHtmlGrid(benchmark::State& state) {
  Painter p(int(state.range(0)));
  for (auto _ : state) p.Run();
}

BENCHMARK(BM_MeasureWords)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintHtmlGrid)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The fastest of `rounds` turns of `calls` calls each, baseline and large in
// alternation; returns large / baseline.
double Interleaved_Ratio(const std::function<void()>& baseline, const std::function<void()>& large, int rounds,
                         int calls) {
  using Clock = std::chrono::steady_clock;
  auto turn = [calls](const std::function<void()>& f) {
    const auto start = Clock::now();
    for (int i = 0; i < calls; ++i) f();
    return std::chrono::duration<double>(Clock::now() - start).count();
  };
  baseline();
  large();  // warm caches and fonts before timing
  double best_baseline = 1e300, best_large = 1e300;
  for (int r = 0; r < rounds; ++r) {
    best_baseline = std::min(best_baseline, turn(baseline));
    best_large = std::min(best_large, turn(large));
  }
  return best_large / best_baseline;
}

bool Check(const char* what, double ratio, double limit) {
  std::printf("%s: %.2f (at most %g)\n", what, ratio, limit);
  return ratio <= limit;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  bool ok = true;
  {
    Measurer small(1000), large(10000);
    ok &= Check("measuring 10,000 words / 1,000 words",
                Interleaved_Ratio([&] { small.Run(); }, [&] { large.Run(); }, 15, 5), 12);
  }
  {
    Painter small(1000), large(1000000);
    ok &= Check("painting 1,000,000 rows / 1,000 rows",
                Interleaved_Ratio([&] { small.Run(); }, [&] { large.Run(); }, 15, 3), 1.2);
  }
  return ok ? 0 : 1;
}
