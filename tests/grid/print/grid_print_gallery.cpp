// A CANopen object dictionary printed, to look at: `grid_print_gallery pdf
// FILE` prints it to a PDF file, `grid_print_gallery png FILE [page]` saves a
// preview page as a picture, and without arguments a window shows the preview
// of page 2 (under X).
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include "canopen_sample_grid.h"

namespace {

// Draws one preview page of the grid, a white sheet on grey.
class Preview_Sheet : public QWidget {
 public:
  Preview_Sheet(TZadIrururOziz& grid, int page) : grid_(grid), page_(page) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(128, 128, 128));
    const QRect sheet(20, 20, width() - 40, height() - 40);
    p.fillRect(sheet, Qt::white);
    grid_.SetPreviewPage(page_);
    grid_.PrintPreview(p, TRect::From_QRect(sheet));
  }

 private:
  TZadIrururOziz& grid_;
  int page_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TZadIrururOziz grid;
  Fill_Canopen_Sample(grid);
  const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  if (mode == "pdf" && argc > 2) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[2]));
    printer.setPageSize(QPageSize(QPageSize::A4));
    grid.Print(printer);
    return 0;
  }
  if (mode == "png" && argc > 2) {
    // An A4 sheet at 96 pixels per inch.
    QImage image(794, 1123, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    grid.SetPreviewPage(argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 1);
    grid.PrintPreview(p, TRect{0, 0, 794, 1123});
    p.end();
    return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
  }
  Preview_Sheet sheet(grid, 2);
  sheet.setWindowTitle(QStringLiteral("Print preview, page 2"));
  sheet.resize(834, 1000);
  sheet.move(20, 10);
  sheet.show();
  return app.exec();
}
