// Not a test: two grids and a text field to drag between under X. The left
// grid drags its cells out (text, rich text and its cell stream) and moves
// and sizes its columns and rows; the right grid records every drop (the
// formats that came, the effect) and writes dropped text into its cells; the
// text field below takes and gives plain text. Each drop is printed as a
// line on standard output and shown under the grids.
// `grid_drag_gallery` opens it at the screen's top-left corner.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/dragdrop/drop_formats.h"
#include "grid/dragdrop/drop_target.h"

namespace {

class Recording_Target : public TZSGDropTarget {
 public:
  Recording_Target(TZadIrururOziz* grid, QLabel* log) : TZSGDropTarget(grid), grid_(grid), log_(log) {}

 protected:
  void DropText(QPoint pt, const QString& s) override {
    Note("text", s);
    Put(pt, s.split(QStringLiteral("\r\n")));
  }
  void DropRTF(QPoint pt, const QString& s) override {
    Note("rtf", s);
    Put(pt, {s});
  }
  void DropStream(QPoint pt, const QByteArray& ms) override {
    Note("cells", QStringLiteral("%1 bytes").arg(ms.size()));
    int c = -1, r = -1;
    grid_->MouseToCell(pt.x(), pt.y(), c, r);
    if (c >= 0 && r >= 0) grid_->LoadAtPointFromBinStream(QPoint(c, r), ms, 0);
  }
  void DropFiles(QPoint, const QStringList& files) override { Note("files", files.join(',')); }
  void DropURL(QPoint, const QString& s) override { Note("url", s); }

 private:
  void Note(const char* what, const QString& value) {
    QStringList formats;
    const TDropFormats f = DropFormats();
    if (f & Drop_Format_Bit(dfText)) formats << "text";
    if (f & Drop_Format_Bit(dfRTF)) formats << "rtf";
    if (f & Drop_Format_Bit(dfGridCells)) formats << "cells";
    if (f & Drop_Format_Bit(dfCol)) formats << "column";
    const QString line = QStringLiteral("drop %1 [%2]: %3").arg(what, formats.join(','), value.left(60));
    printf("%s\n", qPrintable(line));
    fflush(stdout);
    log_->setText(line);
  }
  void Put(QPoint pt, const QStringList& rows) {
    int c = -1, r = -1;
    grid_->MouseToCell(pt.x(), pt.y(), c, r);
    if (c < 0 || r < 0) return;
    for (int i = 0; i < rows.size() && r + i < grid_->RowCount(); ++i) {
      const QStringList cells = rows[i].split('\t');
      for (int j = 0; j < cells.size() && c + j < grid_->ColCount(); ++j)
        grid_->SetGridCell(grid_->RealColIndex(c + j), r + i, cells[j]);
    }
    grid_->viewport()->update();
  }
  TZadIrururOziz* grid_;
  QLabel* log_;
};

void Fill(TZadIrururOziz& grid, const QStringList& heads, bool values) {
  grid.setFrameShape(QFrame::NoFrame);
  grid.SetColCount(heads.size());
  grid.SetRowCount(10);
  grid.SetDefaultColWidth(80);
  for (int c = 0; c < heads.size(); ++c) grid.SetGridCell(c, 0, heads[c]);
  for (int r = 1; r < 10; ++r) {
    grid.SetGridCell(0, r, QString::number(r));
    if (!values) continue;
    grid.SetGridCell(1, r, QString::number(1000 + r * 7));
    grid.SetGridCell(2, r, r % 2 ? "KAM" : "ELS");
    grid.SetGridCell(3, r, r % 3 ? "Heat" : "Water");
    grid.SetGridCell(4, r, QString::number(r * 12.5, 'f', 1));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  SetRTFDropEnabled(true);
  QWidget form;
  form.setWindowTitle(QStringLiteral("Drag and drop"));
  form.resize(880, 420);
  form.move(0, 0);
  auto* log = new QLabel(QStringLiteral("no drop yet"), &form);
  log->setGeometry(450, 330, 420, 30);

  auto* source = new TZadIrururOziz(&form);
  source->setGeometry(10, 10, 420, 300);
  Fill(*source, {"", "Address", "Maker", "Medium", "kWh"}, true);
  source->SetOptions(source->Options() | goColMoving | goColSizing | goRowSizing);
  source->DragDropSettings().SetOleDropSource(true);
  source->Navigation().SetAllowFmtClipboard(true);
  source->SetHintShowSizing(true);
  // Coloured cells show that a cell drop carries more than the texts.
  for (int r = 2; r <= 3; ++r) {
    source->GetCellProperties(2, r)->SetBrushColor(TColor(0x0080FFFF));
    source->GetCellProperties(2, r)->SetFontStyle(fsBold);
  }

  auto* target = new TZadIrururOziz(&form);
  target->setGeometry(450, 10, 420, 300);
  Fill(*target, {"", "A", "B", "C", "D"}, false);
  target->viewport()->setAcceptDrops(true);
  auto* recorder = new Recording_Target(target, log);
  recorder->Install(target->viewport());

  auto* field = new QLineEdit(QStringLiteral("dropped from the field"), &form);
  field->setGeometry(10, 330, 420, 30);
  field->setDragEnabled(true);

  source->OnOleDragStop = [](TZadIrururOziz*, int effect) {
    printf("drag stop effect %d\n", effect);
    fflush(stdout);
  };
  source->OnEndColumnSize = [source](TZadIrururOziz*, int c) {
    printf("column %d sized to %d\n", c, source->ColWidths(c));
    fflush(stdout);
  };
  source->OnEndRowSize = [source](TZadIrururOziz*, int r) {
    printf("row %d sized to %d\n", r, source->RowHeights(r));
    fflush(stdout);
  };
  form.show();
  return app.exec();
}
