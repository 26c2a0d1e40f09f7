#pragma once
// The benchmark both list drop-downs (the grid drop-down and the
// multi-column drop-down) run, with 1,000 and with 100,000 items of three
// columns. Paging: the open list scrolled from its middle ten pages down by
// Page Down, each page painted. Opening: the popup shown (the list refilled
// from the items, sized and scrolled to the item) and closed again. Only the
// rows in view are drawn, so paging may cost at most 1.5 times as much with
// 100,000 items as with 1,000; opening walks the items a few times, at most
// 150 times. The two sizes run in alternating rounds.
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "support/ratio_check.h"

namespace list_drop_down_bench {

// DropDown is the control; List(edit) gives its open list.
template <class DropDown, class ListOf>
struct Bench_Drop_Down {
  Bench_Drop_Down(int Count, ListOf AList) : List(AList) {
    window.setGeometry(0, 0, 300, 100);
    edit.reset(Create_Drop_Down<DropDown>(&window));
    edit->WorkAreaAt = [](const QPoint&) { return QRect(0, 0, 1200, 1200); };
    edit->setGeometry(10, 10, 200, 22);
    edit->SetDropDownHeight(400);
    for (const char* header : {"Meter", "Address", "Medium"})
      edit->Columns().Add().Header = QString::fromLatin1(header);
    for (int i = 0; i < Count; ++i)
      // The same texts for both drop-downs, so that both draw the same pages.
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
    if (!edit->DroppedDown() || List(*edit)->RowCount() != edit->Items().Count() + 1) {
      std::fprintf(stderr, "the popup did not open with every item\n");
      std::exit(1);
    }
  }
  void Close() {
    edit->HideDropDown(true);
    QApplication::processEvents();
  }
  void Page_And_Paint() {
    auto* list = List(*edit);
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

  ListOf List;
  QWidget window;
  std::unique_ptr<DropDown> edit;
};

// Runs both measures for the drop-down Name names; 0 when both ratios hold,
// else 1.
template <class DropDown, class ListOf>
int Run(int argc, char** argv, const std::string& Name, ListOf List) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  constexpr int kRounds = 7;
  bool ok = true;
  {
    Bench_Drop_Down<DropDown, ListOf> small(1000, List), large(100000, List);
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
    ok = bench_support::Report_Goal(Name + ": open and close, 100,000 items / 1,000 items (s)", open_large,
                                    open_small, 150) &&
         ok;
    large.Open();
    small.Open();
    const auto [page_large, page_small] =
        bench_support::Fastest_Alternating([&] { large.Page_And_Paint(); }, [&] { small.Page_And_Paint(); }, kRounds);
    ok = bench_support::Report_Goal(Name + ": ten pages down and painted, 100,000 items / 1,000 items (s)",
                                    page_large, page_small, 1.5) &&
         ok;
    large.Close();
    small.Close();
  }
  return ok ? 0 : 1;
}

}  // namespace list_drop_down_bench
