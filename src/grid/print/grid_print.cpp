// The print, preview and page-draw operations of the string grid: each picks
// the cells and whether only selected rows and columns print, then runs the
// print engine, counting first where the page total is needed.
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/print/grid_print_engine.h"

namespace {

TGridRect Whole_Grid(TZadIrururOziz& g) { return TGridRect{0, 0, g.ColCount() - 1, g.RowCount() - 1}; }

// Restores the painter's transform and clip however a pass ends.
class Painter_State_Guard {
 public:
  explicit Painter_State_Guard(QPainter& p) : p_(p) { p_.save(); }
  ~Painter_State_Guard() { p_.restore(); }
  Painter_State_Guard(const Painter_State_Guard&) = delete;
  Painter_State_Guard& operator=(const Painter_State_Guard&) = delete;

 private:
  QPainter& p_;
};

int Run_Pass(TZadIrururOziz& g, QPainter& painter, TGridPrintEngine::TMode mode, qint64 pages, bool selectedOnly) {
  Painter_State_Guard guard(painter);
  TGridPrintEngine engine(g, painter, mode, pages, selectedOnly);
  return engine.PrintPages();
}

}  // namespace

void TZadIrururOziz::DoGetCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, TCanvas::Pen_State& APen) {
  if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TZadIrururOziz::DoCustomCellSize(TCanvas& Canvas, int ACol, int ARow, QPoint& ASize, bool Printing) {
  if (OnCustomCellSize) OnCustomCellSize(this, Canvas, ACol, ARow, ASize, Printing);
}

void TZadIrururOziz::Print(QPrinter& APrinter) { PrintGridRect(APrinter, Whole_Grid(*this), false); }

void TZadIrururOziz::PrintSelection(QPrinter& APrinter) { PrintGridRect(APrinter, Selection(), false); }

void TZadIrururOziz::PrintRect(QPrinter& APrinter, const TGridRect& Gridrect) {
  PrintGridRect(APrinter, Gridrect, false);
}

void TZadIrururOziz::PrintSelectedRows(QPrinter& APrinter) { PrintGridRect(APrinter, Whole_Grid(*this), true); }

void TZadIrururOziz::PrintSelectedCols(QPrinter& APrinter) { PrintGridRect(APrinter, Whole_Grid(*this), true); }

void TZadIrururOziz::PrintGridRect(QPrinter& APrinter, const TGridRect& Cells, bool SelectedOnly) {
  ExportNotification(esExportStart, -1);
  FPrintState.FPrintRect = Cells;
  if (!FPrintSettings.UseDefaultOrientation())
    APrinter.setPageOrientation(FPrintSettings.Orientation() == poLandscape ? QPageLayout::Landscape
                                                                             : QPageLayout::Portrait);
  const QRect page = APrinter.pageLayout().paintRectPixels(APrinter.resolution());
  const double res = APrinter.resolution() > 0 ? APrinter.resolution() : 300;
  FPrintState.PrevRect = TRect{0, 0, int(std::nearbyint(254.0 / res * page.width())),
                               int(std::nearbyint(254.0 / res * page.height()))};
  APrinter.setDocName(FPrintSettings.JobName());

  qint64 count = 2147483647;
  if (!FFastPrint) {
    // Counted on a scratch image of the printer's resolution, so that no job
    // starts before OnPrintStart has had its say.
    QImage scratch(1, 1, QImage::Format_RGB32);
    scratch.setDotsPerMeterX(int(std::nearbyint(res / 0.0254)));
    scratch.setDotsPerMeterY(int(std::nearbyint(res / 0.0254)));
    QPainter counter(&scratch);
    count = Run_Pass(*this, counter, TGridPrintEngine::pmCountPrint, -1, SelectedOnly);
  }
  const int shown = int(std::min<qint64>(count, 2147483647));
  FPrintState.FPrintPageFrom = 1;
  FPrintState.FPrintPageTo = shown;
  FPrintState.FPrintPageNum = shown;
  if (OnPrintStart) {
    OnPrintStart(this, shown, FPrintState.FPrintPageFrom, FPrintState.FPrintPageTo);
    if (FPrintState.FPrintPageFrom <= 0 || FPrintState.FPrintPageTo <= 0 ||
        FPrintState.FPrintPageFrom > FPrintState.FPrintPageTo) {
      // Nothing prints; the progress protocol still ends.
      ExportNotification(esExportDone, -1);
      return;
    }
  }
  FPrintState.FPrintPageNum = FPrintState.FPrintPageTo;
  {
    QPainter painter;
    if (!painter.begin(&APrinter)) throw std::runtime_error("The printer could not be started");
    try {
      Run_Pass(*this, painter, TGridPrintEngine::pmPrint, count, SelectedOnly);
    } catch (...) {
      painter.end();
      throw;
    }
    painter.end();
  }
  ExportNotification(esExportDone, -1);
}

void TZadIrururOziz::PrintPreview(QPainter& Canvas, const TRect& Displayrect) {
  PreviewGridRect(Canvas, Displayrect, false, Whole_Grid(*this));
}

void TZadIrururOziz::PrintPreviewRect(QPainter& Canvas, const TRect& Displayrect, const TGridRect& Gridrect) {
  PreviewGridRect(Canvas, Displayrect, false, Gridrect);
}

void TZadIrururOziz::PrintPreviewSelection(QPainter& Canvas, const TRect& Displayrect) {
  PreviewGridRect(Canvas, Displayrect, false, Selection());
}

void TZadIrururOziz::PrintPreviewSelectedRows(QPainter& Canvas, const TRect& Displayrect) {
  PreviewGridRect(Canvas, Displayrect, true, Whole_Grid(*this));
}

void TZadIrururOziz::PrintPreviewSelectedCols(QPainter& Canvas, const TRect& Displayrect) {
  PreviewGridRect(Canvas, Displayrect, true, Whole_Grid(*this));
}

void TZadIrururOziz::PreviewGridRect(QPainter& Canvas, const TRect& Displayrect, bool SelectedOnly,
                                     const TGridRect& Cells) {
  ExportNotification(esExportStart, -1);
  FPrintState.FPrintRect = Cells;
  FPrintState.PrevRect = Displayrect;
  struct Ending {
    TZadIrururOziz& g;
    ~Ending() {
      g.ExportNotification(esExportDone, -1);
      g.FPrintState.FIsPrintPreview = false;
    }
  } ending{*this};
  int count = 1;
  if (!FFastPrint) {
    count = Run_Pass(*this, Canvas, TGridPrintEngine::pmCountPreview, -1, SelectedOnly);
    FPrintState.FPrintPageNum = count;
  }
  int from = 1, to = count;
  FPrintState.FIsPrintPreview = true;
  if (OnPrintStart) OnPrintStart(this, count, from, to);
  if (from > 0 && to > 0 && to >= from) {
    FPrintState.PrevRect = Displayrect;
    Run_Pass(*this, Canvas, TGridPrintEngine::pmPreview, count, SelectedOnly);
  }
}

void TZadIrururOziz::PrintDraw(QPainter& Canvas, const TRect& DrawRect) {
  PrintDrawRect(Canvas, DrawRect, Whole_Grid(*this));
}

void TZadIrururOziz::PrintDrawRect(QPainter& Canvas, const TRect& DrawRect, const TGridRect& Gridrect) {
  FPrintState.FPrintRect = Gridrect;
  FPrintState.PrevRect = DrawRect;
  FPrintState.FPrintPageFrom = FPrintState.FPrintPageTo = FPrintState.FPrintPageNum = 1;
  Run_Pass(*this, Canvas, TGridPrintEngine::pmPrint, 1, false);
}
