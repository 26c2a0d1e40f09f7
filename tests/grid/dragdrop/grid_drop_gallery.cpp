// Not a test: two string grids that drop onto each other under X. Rows of
// cells dragged from the left grid are inserted into the right one where
// the left arrow points; a header dragged onto the right grid's header (or
// past its last column) moves that column there between the down and up
// arrows. Each drop is printed on standard output.
// `grid_drop_gallery` opens it at the screen's top-left corner.
#include <QApplication>

#include "grid/core/zad_irurur_oziz.h"

namespace {

void Fill(TZadIrururOziz& grid, const QStringList& heads, int base) {
  grid.setFrameShape(QFrame::NoFrame);
  grid.SetColCount(heads.size());
  grid.SetRowCount(8);
  grid.SetDefaultColWidth(80);
  grid.SetOptions(grid.Options() | goEditing);
  for (int c = 0; c < heads.size(); ++c) grid.SetGridCell(c, 0, heads[c]);
  for (int r = 1; r < 8; ++r) {
    grid.SetGridCell(0, r, QString::number(r));
    for (int c = 1; c < heads.size(); ++c) grid.SetGridCell(c, r, QStringLiteral("%1").arg(base + r * 10 + c));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget form;
  form.setWindowTitle(QStringLiteral("Drops between grids"));
  form.resize(880, 320);
  form.move(0, 0);

  auto* left = new TZadIrururOziz(&form);
  left->setGeometry(10, 10, 420, 300);
  Fill(*left, {"", "Address", "Maker", "Medium", "kWh"}, 100);
  // A press inside the selection of an editing grid opens the editor; the
  // source grid only selects, so that a press there starts a drag.
  left->SetOptions(left->Options() & ~goEditing);
  left->DragDropSettings().SetOleDropSource(true);
  // A header press starts a column drag rather than the grid's own move.
  left->SetEnhRowColMove(false);
  left->DragDropSettings().SetOleColumnDragDrop(true);
  left->DragDropSettings().SetOleCopyAlways(true);

  auto* right = new TZadIrururOziz(&form);
  right->setGeometry(450, 10, 420, 300);
  Fill(*right, {"", "A", "B", "C", "D"}, 500);
  right->DragDropSettings().SetOleInsertRows(true);
  right->DragDropSettings().SetOleColumnDragDrop(true);
  right->DragDropSettings().SetOleColumnReorder(true);
  right->SetOleDropTarget(true);
  right->OnOleDropped = [](TZadIrururOziz*, const TGridRect& r) {
    printf("cells dropped at %d,%d .. %d,%d\n", r.Left, r.Top, r.Right, r.Bottom);
    fflush(stdout);
  };
  right->OnOleDropCol = [](TZadIrururOziz*, int ARow, int ACol, int DropCol) {
    printf("column %d dropped at column %d, row %d\n", DropCol, ACol, ARow);
    fflush(stdout);
  };
  form.show();
  return app.exec();
}
