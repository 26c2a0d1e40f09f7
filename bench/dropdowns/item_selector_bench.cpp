// An item selector of 1,000 and of 100,000 items (mini-HTML captions with a
// colour box, two columns) in a 240 x 300 view scrolled to the middle:
// scrolling down ten pages and painting each, and moving the mouse between two
// items (the old hot item invalidated, the new one drawn at once). Only the cells in view are drawn
// and hit-tested, so neither figure may depend on the list's length: the
// 100,000-item time may be at most 1.5 times the 1,000-item time, else the
// program exits with 1.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <map>
#include <memory>
#include <vector>

#include "dropdowns/base/zad_custom_item_selector.h"
#include "support/ratio_check.h"

namespace {

// Built once per size: laying 100,000 captions out is set-up, not what is timed.
// They go before the application does.
std::map<int, std::unique_ptr<TZadCustomItemSelector>> made;

TZadCustomItemSelector& Selector(int count) {
  auto& selector = made[count];
  if (selector) return *selector;
  selector = std::make_unique<TZadCustomItemSelector>();
  selector->resize(240, 300);
  selector->SetColor(clWhite);
  selector->SetSelectorType(stColor);
  selector->SetColumns(2);
  static const TColor colours[] = {clRed, clGreen, clBlue, clYellow, clTeal, clPurple};
  for (int i = 0; i < count; ++i) {
    TSelectorItem* item = selector->Items().Add();
    item->SetColor(colours[i % 6]);
    // The same captions in both lists, so that both draw the same page.
    item->SetCaption(QStringLiteral("<b>Colour</b> %1").arg(i % 1000));
  }
  selector->UpdateSelectorPanel();
  selector->show();
  QApplication::processEvents();
  QScrollBar* bar = selector->verticalScrollBar();
  bar->setValue(bar->maximum() / 2);
  QApplication::processEvents();
  return *selector;
}

void BM_PaintScrolledPage(benchmark::State& state) {
  TZadCustomItemSelector& selector = Selector(int(state.range(0)));
  QScrollBar* bar = selector.verticalScrollBar();
  const int middle = bar->maximum() / 2, page = selector.viewport()->height();
  QImage image(selector.size(), QImage::Format_RGB32);
  // Ten pages down from the middle, each scrolled to and painted.
  for (auto _ : state)
    for (int p = 0; p < 10; ++p) {
      bar->setValue(middle + p * page);
      QPainter painter(&image);
      selector.render(&painter);
    }
  bar->setValue(middle);
}

void BM_HoverItem(benchmark::State& state) {
  TZadCustomItemSelector& selector = Selector(int(state.range(0)));
  TCustomItemSelector* panel = selector.ItemSelectorPanel();
  // Two neighbouring items in the middle of the view.
  const QPoint middle = panel->mapFrom(selector.viewport(), QPoint(60, 150));
  const int first = panel->ItemAtPos(middle.x(), middle.y());
  const TRect a = panel->GetItemRect(first), b = panel->GetItemRect(first + 1);
  const QPoint points[] = {{(a.Left + a.Right) / 2, (a.Top + a.Bottom) / 2},
                           {(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2}};
  int n = 0;
  for (auto _ : state) {
    const QPointF p = points[n++ % 2];
    QMouseEvent move(QEvent::MouseMove, p, panel->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(panel, &move);
    // The invalidated old item is painted as the event loop would.
    QApplication::processEvents();
  }
  if (selector.ItemHot() < 0) state.SkipWithError("no item lit");
}

// Five rounds of each size in random interleaving, so that machine load hits
// both sizes alike; the fastest round of each counts.
BENCHMARK(BM_PaintScrolledPage)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_HoverItem)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int result =
      bench_support::Run_Interleaved_Ratio_Check(argc, argv, "1000", "100000", "100,000 items / 1,000 items", 1.5);
  made.clear();
  return result;
}
