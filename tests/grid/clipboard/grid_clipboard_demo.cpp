// Two grids and a text field, to copy and paste with the keyboard under X
// (`grid_clipboard_demo`): select cells in the left grid, Ctrl+C, then
// Ctrl+V into the text field or onto a cell of the right grid (which takes
// the cells with their colours and fonts).
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QWidget>

#include "grid/core/zad_irurur_oziz.h"

namespace {

void Prepare(TZadIrururOziz& grid) {
  grid.SetColCount(5);
  grid.SetRowCount(8);
  grid.SetOptions(grid.Options() | goEditing | goRangeSelect);
  grid.Navigation().SetAllowClipboardShortCuts(true);
  grid.Navigation().SetAllowSmartClipboard(true);
  // Cells also go in the grid's own format, with their colours and fonts.
  grid.Navigation().SetAllowFmtClipboard(true);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Grid clipboard"));
  auto* source = new TZadIrururOziz(&window);
  auto* target = new TZadIrururOziz(&window);
  Prepare(*source);
  Prepare(*target);
  const char* names[] = {"Node", "Address", "Baud", "Name"};
  for (int c = 1; c < 5; ++c) source->SetCellEx(c, 0, QString::fromLatin1(names[c - 1]));
  for (int r = 1; r < 8; ++r) {
    source->SetCellEx(1, r, QString::number(r));
    source->SetCellEx(2, r, QString::number(0x10 + r));
    source->SetCellEx(3, r, QStringLiteral("125k"));
    source->SetCellEx(4, r, QStringLiteral("Meter %1").arg(r));
  }
  // Coloured cells show what a paste into the other grid carries.
  source->GetCellProperties(2, 1)->SetBrushColor(TColor(0x0080FFFF));
  source->GetCellProperties(4, 2)->SetFontColor(TColor(0x000000C0));
  source->GetCellProperties(4, 2)->SetFontStyle(fsBold);
  auto* text = new QPlainTextEdit(&window);
  text->setObjectName(QStringLiteral("text"));
  auto* grids = new QHBoxLayout;
  grids->addWidget(source);
  grids->addWidget(target);
  auto* layout = new QVBoxLayout(&window);
  layout->addLayout(grids, 3);
  layout->addWidget(new QLabel(QStringLiteral("Pasted text:")));
  layout->addWidget(text, 1);
  window.resize(1100, 600);
  window.show();
  source->setFocus();
  source->SelectCells(1, 1, 4, 3);
  return app.exec();
}
