// A grid whose selected text is shown below it and printed after every mouse
// release, to drive with the mouse under X (`grid_selection_demo [rows]`;
// with "rows" Ctrl+click selects disjunct whole rows).
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>
#include <functional>

#include "grid/core/zad_irurur_oziz.h"

namespace {

QString Visible(QString text) { return text.replace("\t", "\\t").replace("\r", "\\r").replace("\n", "\\n"); }

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool rows = argc > 1 && QString(argv[1]) == "rows";
  QWidget window;
  window.setWindowTitle("Selected text");
  auto* layout = new QVBoxLayout(&window);
  auto* grid = new TZadIrururOziz;
  grid->SetColCount(5);
  grid->SetRowCount(8);
  grid->SetFixedRows(1);
  grid->SetFixedCols(1);
  grid->SetDefaultRowHeight(24);
  for (int c = 1; c < 5; ++c) grid->SetCellEx(c, 0, QString(QChar('A' + c - 1)));
  for (int r = 1; r < 8; ++r) {
    grid->SetCellEx(0, r, QString::number(r));
    for (int c = 1; c < 5; ++c) grid->SetCellEx(c, r, QStringLiteral("%1%2").arg(QChar('a' + c - 1)).arg(r));
  }
  grid->SetOptions(grid->Options() | goRangeSelect);
  if (rows) {
    grid->MouseActions().SetDisjunctRowSelect(true);
    grid->SetOptions(grid->Options() | goRowSelect);
  }
  auto* label = new QLabel;
  label->setTextFormat(Qt::PlainText);
  layout->addWidget(grid, 1);
  layout->addWidget(label);
  window.resize(420, 320);

  struct Release_Filter : QObject {
    std::function<void()> after;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::MouseButtonRelease) QTimer::singleShot(0, this, after);
      return QObject::eventFilter(watched, event);
    }
  } filter;
  filter.after = [grid, label] {
    const QString text = Visible(grid->SelectedText());
    label->setText(text);
    std::printf("%s\n", text.toUtf8().constData());
    std::fflush(stdout);
  };
  grid->viewport()->installEventFilter(&filter);
  window.show();
  return app.exec();
}
