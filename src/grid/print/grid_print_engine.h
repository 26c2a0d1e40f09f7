#pragma once
// TGridPrintEngine: one pass that lays a rectangle of a string grid's cells out
// on pages and draws them (printer, page draw or preview) or only counts them.
//
// Print units: the pass draws in tenths of a millimetre with y growing
// upwards, the top edge of a page at y = 0 and everything below it negative.
// The painter gets a world transform that scales print units to the device's
// pixels; the TCanvas the cells are drawn with works in the same units with y
// turned downwards (canvas y = -page y). Fonts take their height from the
// grid's MapFontHeight, so they keep their point size on paper. Grid sizes in
// screen pixels convert with scale = 254 / the grid's screen pixels per inch.
//
// Pages are counted across strips: a grid wider than the page is split into
// vertical strips, each filling one page width, and all rows of a strip are
// paginated before the next strip starts.
#include <QFont>
#include <QPoint>
#include <QString>
#include <vector>

#include "controls/canvas.h"
#include "grid/core/zad_irurur_oziz.h"

class QPainter;

class TGridPrintEngine {
 public:
  enum TMode { pmPreview = 0, pmPrint = 1, pmCountPrint = 2, pmCountPreview = 3 };

  // Pages: the count of the counting pass, -1 while counting (it only feeds
  // the page-of-pages text). The caller fills the grid's PrintState first.
  TGridPrintEngine(TZadIrururOziz& Grid, QPainter& Painter, TMode Mode, qint64 Pages, bool SelectedOnly);
  ~TGridPrintEngine();
  TGridPrintEngine(const TGridPrintEngine&) = delete;
  TGridPrintEngine& operator=(const TGridPrintEngine&) = delete;

  // Runs the pass; the number of pages.
  int PrintPages();

  // The pieces of the pass, open for the cell printer and for tests.
  bool IsPrintRow(int ARow);
  bool IsPrintCol(int ACol);
  QPoint PrintCellSize(int ACol, int ARow);
  int PrintRowHeight(int ARow);
  QString PrintPageNumText();
  static QString JoinWithSpace(const QString& A, const QString& B);
  // The six header and footer texts of the current page, top-left,
  // top-right, top-centre, bottom-left, bottom-right, bottom-centre.
  std::vector<QString> HeaderFooterTexts(QString* HtmlTitle);

  TZadIrururOziz& G;
  TPrintSettings& PS;
  QPainter& Painter;
  TCanvas Canvas;
  const TMode Mode;
  const qint64 Pages;
  const bool SelectedOnly;

  // Working values of the pass.
  int PW = 0, PB = 0;           // page width and bottom (negative)
  int m = 0;                    // spacing added to every column
  double fit = 1.0;             // fit-to-page factor
  double scale = 1.0;           // screen pixels to print units
  double resRatio = 1.0;        // device pixels per screen pixel
  int hHeader = 0, hFooter = 0, hFont = 0, gap = 0, halfG = 0;
  int C = 0, S = 0, P = 0;      // page index over all strips, strip number, page in strip
  bool multi = false;
  int v = 0, w = 0;             // first and last column of the strip
  bool rfc = false;             // fixed columns repeated on this strip
  int E = 0, Gf = 0;            // header and footer heights
  bool cancel = false;
  std::vector<int> MaxWidths;   // print width of each display column
  std::vector<int> Indents;     // left edge of each display column on the page

  // Whether page C + 1 is one that is drawn.
  bool PageDrawn() const;
  bool Drawing() const { return Mode == pmPreview || Mode == pmPrint; }

  // Painter transforms: print units, or device pixels (y down) for the HTML
  // renderer and the application's own drawing.
  void SetMetric();
  void SetDevice();
  double DpiX() const { return dpiX_; }
  double DpiY() const { return dpiY_; }
  QPoint ToDevice(int x, int y) const;
  // A rectangle of print units (Top above Bottom) in device pixels.
  TRect ToDevice(const TRect& R) const;
  // The print font of a point size (height by MapFontHeight).
  QFont PrintFont(const QFont& F, int PointSize) const;
  static int PointsOf(const QFont& F);
  int PrintFontPoints() const { return fontPoints_; }

  // Draws a line between two points of print units with the canvas pen.
  void Line(int x1, int y1, int x2, int y2);
  // Text with its top-left corner at (x, y) in print units.
  void TextOut(int x, int y, const QString& Text);

 private:
  void SetUp();
  void CalcPrintColWidths();
  void FitToPage();
  void FormStrip(int start);
  void HeaderFooterHeights(bool FirstOfStrip);
  int PrintRow(int y, int ARow);
  int PrintHeaderFooter();
  int HtmlTitleHeight(const QString& Title);
  void PrintPageBorders(int v, int w, int y);
  void PrintNextPage();
  bool RowFits(int y, int ARow);

  double dpiX_ = 254, dpiY_ = 254;
  QPointF origin_;
  int fontPoints_ = 10;
  int cacheRow_ = -1, cacheHeight_ = 0;
  TCanvas::Pen_State pagePen_;
};
