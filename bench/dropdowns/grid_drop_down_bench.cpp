// The grid drop-down with 1,000 and with 100,000 items of three columns.
// Paging: the open grid scrolled from its middle ten pages down by Page
// Down, each page painted. Opening: the popup shown (the inner grid refilled
// from the items, sized and scrolled to the item) and closed again. Only the
// rows in view are drawn, so paging may cost at most 1.5 times as much with
// 100,000 items as with 1,000; opening walks the items a few times, at most
// 150 times. The two sizes run in alternating rounds; the program exits
// with 1 when a ratio does not hold.
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "dropdowns/griddropdown/zad_grid_drop_down.h"
#include "support/ratio_check.h"

namespace {

struct Bench_Drop_Down {
  explicit Bench_Drop_Down(int Count) {
    window.setGeometry(0, 0, 300, 100);
    edit.reset(Create_Drop_Down<TZadGridDropDown>(&window));
    edit->WorkAreaAt = [](const QPoint&) { return QRect(0, 0, 1200, 1200); };
    edit->setGeometry(10, 10, 200, 22);
    edit->SetDropDownHeight(400);
    for (const char* header : {"Meter", "Address", "Medium"})
      edit->Columns().Add().Header = QString::fromLatin1(header);
    for (int i = 0; i < Count; ++i)
      // The same texts in both grids, so that both draw the same pages.
      edit->Items().Add().Text =
          QStringList{QStringLiteral("Meter %1").arg(i % 1000), QString::number(i % 250), QStringLiteral("Water")};
    edit->EndUpdate();
    edit->SetItemIndex(Count / 2);
    window.show();
    QApplication::processEvents();
  }
  void Open() {
    edit->ShowDropDown();
    QApplication::processEvents();
    if (!edit->DroppedDown() || edit->InnerGrid()->RowCount() != edit->Items().Count() + 1) {
      std::fprintf(stderr, "the popup did not open with every item\n");
      std::exit(1);
    }
  }
  void Close() {
    edit->HideDropDown(true);
    QApplication::processEvents();
  }
  void Page_And_Paint() {
    grid_drop_down::TZadColGrid* list = edit->InnerGrid();
    QImage image(list->size(), QImage::Format_RGB32);
    for (int p = 0; p < 10; ++p) {
      QKeyEvent down(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
      QCoreApplication::sendEvent(list, &down);
      QPainter painter(&image);
      list->render(&painter);
    }
    // Back to the middle for the next round.
    list->SetTopRow(edit->ItemIndex() + 1 - 100);
    edit->SetItemIndex(edit->Items().Count() / 2);
    list->SetRow(edit->ItemIndex() + 1);
  }

  QWidget window;
  std::unique_ptr<TZadGridDropDown> edit;
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  constexpr int kRounds = 7;
  bool ok = true;
  {
    Bench_Drop_Down small(1000), large(100000);
    const auto [open_large, open_small] = bench_support::Fastest_Alternating(
        [&] {
          large.Open();
          large.Close();
        },
        [&] {
          small.Open();
          small.Close();
        },
        kRounds);
    ok = bench_support::Report_Goal("grid drop-down: open and close, 100,000 items / 1,000 items (s)",
                                    open_large, open_small, 150) &&
         ok;
    large.Open();
    small.Open();
    const auto [page_large, page_small] =
        bench_support::Fastest_Alternating([&] { large.Page_And_Paint(); }, [&] { small.Page_And_Paint(); }, kRounds);
    ok = bench_support::Report_Goal(
             "grid drop-down: ten pages down and painted, 100,000 items / 1,000 items (s)", page_large,
             page_small, 1.5) &&
         ok;
    large.Close();
    small.Close();
  }
  return ok ? 0 : 1;
}
