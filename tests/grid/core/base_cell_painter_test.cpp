#include "grid/core/base_cell_painter.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <vector>

#include "controls/canvas.h"

namespace {

// A cell store grid painted by the base cell painter, recording which cells
// reached PaintCellContent and with which rectangle.
class Painted_Grid : public TBaseGrid {
 public:
  struct Content {
    int col, row;
    TRect rect;
  };
  std::vector<Content> contents;
  bool platform_styles = false;
  TColor mirror_from = clNone, mirror_to = clNone, color_to = clNone;

  void DrawGridCell(TCanvas& canvas, int c, int r, TRect rect, TGridDrawState state) override {
    PaintCell(*this, canvas, c, r, rect, state);
  }
  void PaintCellContent(TCanvas& canvas, int c, int r, const TRect& rect, TGridDrawState state) override {
    contents.push_back({c, r, rect});
    TBaseGrid::PaintCellContent(canvas, c, r, rect, state);
  }
  bool UsesPlatformStyles() override { return platform_styles; }
  void GetVisualProperties(int, int, TGridDrawState&, bool, bool, bool, TCanvas::Brush_State&, TColor& AColorTo,
                           TColor& AMirrorColor, TColor& AMirrorColorTo, QFont&, TColor&, TAlignment&, TVAlignment&,
                           bool&, TCellGradientDirection&) override {
    if (color_to != clNone) AColorTo = color_to;
    if (mirror_from != clNone) AMirrorColor = mirror_from;
    if (mirror_to != clNone) AMirrorColorTo = mirror_to;
  }
};

TColor At(const QImage& image, int x, int y) { return From_QColor(QColor(image.pixel(x, y))); }

}  // namespace

class Base_Cell_Painter_Test : public QObject {
  Q_OBJECT

 private:
  // 8 columns of 64 pixels, 5 rows of 24, one fixed row and column.
  static void Setup(Painted_Grid& grid) {
    grid.resize(560, 160);
    grid.SetColCount(8);
    grid.SetRowCount(5);
    grid.SetDefaultColWidth(64);
    grid.SetDefaultRowHeight(24);
    grid.SetColor(clWhite);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCoreApplication::processEvents();
    grid.contents.clear();
  }
  // Paints the given cells into a white image of the viewport's size.
  static QImage Paint(Painted_Grid& grid, const std::vector<std::pair<int, int>>& cells, TGridDrawState extra = 0,
                      bool background_mode = false) {
    QImage image(grid.viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TCanvas canvas(painter);
    for (auto [c, r] : cells) {
      TGridDrawState state = extra;
      if (c < grid.FixedCols() || r < grid.FixedRows()) state = gdFixed;
      if (background_mode)
        PaintCellExt(grid, canvas, c, r, grid.CellRect(c, r), state);
      else
        PaintCell(grid, canvas, c, r, grid.CellRect(c, r), state);
    }
    return image;
  }

 private Q_SLOTS:
  void framePlaces_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("place");
    QTest::newRow("first of 2..5") << 2 << 2 << 5 << 1;
    QTest::newRow("inside 3") << 3 << 2 << 5 << 3;
    QTest::newRow("inside 4") << 4 << 2 << 5 << 3;
    QTest::newRow("last of 2..5") << 5 << 2 << 5 << 2;
    QTest::newRow("reversed range") << 5 << 5 << 2 << 2;
    QTest::newRow("single cell") << 3 << 3 << 3 << 0;
  }
  void framePlaces() {
    QFETCH(int, col);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, place);
    QCOMPARE(base_cell_painter::Frame_Place(col, left, right), place);
  }

  void office2007FrameFocusedAndUnfocused() {
    Painted_Grid grid;
    Setup(grid);
    grid.SetSelectionStyle(ssOffice2007);
    grid.SetOptions(grid.Options() | goDrawFocusSelected);
    grid.SetSelection({2, 1, 5, 1});
    const std::vector<std::pair<int, int>> row = {{2, 1}, {3, 1}, {4, 1}, {5, 1}};
    QImage image = Paint(grid, row, gdSelected);
    const TColor outer = RGB(0xD3, 0xD7, 0x8D);
    const int top = 24, mid = 24 + 12;
    for (int c = 2; c <= 5; ++c) QCOMPARE(At(image, c * 64 + 20, top), outer);
    // Side lines only at the ends of the run: left of column 2, right of column 5.
    QCOMPARE(At(image, 2 * 64, mid), outer);
    QVERIFY(At(image, 3 * 64, mid) != outer);
    QVERIFY(At(image, 4 * 64 - 2, mid) != outer);
    QCOMPARE(At(image, 6 * 64 - 2, mid), outer);
    QCOMPARE(At(image, 2 * 64, top), grid.Color());  // the outer corner blends with the grid
    QCOMPARE(At(image, 6 * 64 - 1, mid), grid.GridLineColor());
    // Upper half of the face from the light to the deep yellow, lower half mirrored.
    QCOMPARE(At(image, 3 * 64 + 20, top + 2), TColor(0xD7FFFD));

    grid.SetSelection({3, 1, 3, 1});
    image = Paint(grid, {{3, 1}}, gdSelected);
    QCOMPARE(At(image, 3 * 64, mid), outer);
    QCOMPARE(At(image, 4 * 64 - 2, mid), outer);

    grid.SetOptions(grid.Options() & ~goDrawFocusSelected);
    grid.SetSelection({3, 1, 3, 1});
    grid.clearFocus();
    QVERIFY(!grid.hasFocus());
    for (TGridSelectionStyle style : {ssVista, ssWin7, ssOffice2007}) {
      grid.SetSelectionStyle(style);
      image = Paint(grid, {{3, 1}}, gdSelected);
      QCOMPARE(At(image, 3 * 64 + 20, top), TColor(0xD9D9D9));
      QCOMPARE(At(image, 3 * 64 + 20, top + 1), TColor(0xFBFAFA));
    }
    grid.SetSelectionStyle(ssDefault);
    image = Paint(grid, {{3, 1}}, gdSelected);
    QCOMPARE(At(image, 3 * 64 + 20, top + 5), From_QColor(To_QColor(clHighlight)));
  }

  void hiddenLastRowIsGridColour() {
    Painted_Grid grid;
    Setup(grid);
    grid.SetColor(RGB(10, 200, 30));
    grid.SetHideLastRow(true);
    grid.SetCellEx(2, 4, QStringLiteral("footer"));
    std::vector<std::pair<int, int>> last;
    for (int c = 0; c < 8; ++c) last.push_back({c, 4});
    const QImage image = Paint(grid, last);
    for (int c = 0; c < 8; ++c) {
      const TRect r = grid.CellRect(c, 4);
      for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right && x < image.width(); ++x) QCOMPARE(At(image, x, y), grid.Color());
    }
    QVERIFY(grid.contents.empty());
  }

  void gridLinesAndContentRectangles() {
    Painted_Grid grid;
    Setup(grid);
    grid.SetGridLineWidth(3);
    grid.SetGridLineColor(clRed);
    grid.SetGridFixedLineColor(clBlue);
    const QImage image = Paint(grid, {{2, 2}, {0, 2}});
    const TRect cell = grid.CellRect(2, 2);
    for (int y : {cell.Bottom - 3, cell.Bottom - 2, cell.Bottom - 1}) QCOMPARE(At(image, cell.Left + 20, y), clRed);
    QCOMPARE(At(image, cell.Left + 20, cell.Bottom - 4), grid.Color());
    for (int x : {cell.Right - 3, cell.Right - 1}) QCOMPARE(At(image, x, cell.Top + 5), clRed);
    QCOMPARE(At(image, cell.Right - 4, cell.Top + 5), grid.Color());
    QCOMPARE(At(image, cell.Left + 5, cell.Top - 1), clWhite);  // nothing spills out of the cell

    const TRect fixed = grid.CellRect(0, 2);
    QCOMPARE(At(image, fixed.Left + 20, fixed.Bottom - 1), clBlue);
    QCOMPARE(At(image, fixed.Left + 20, fixed.Bottom - 2), From_QColor(To_QColor(clBtnFace)));
    QCOMPARE(At(image, fixed.Right - 1, fixed.Top + 5), clBlue);
    QCOMPARE(At(image, fixed.Right - 2, fixed.Top + 5), From_QColor(To_QColor(clBtnFace)));

    QCOMPARE(int(grid.contents.size()), 2);
    QCOMPARE(grid.contents[0].rect, (TRect{cell.Left + 3, cell.Top + 3, cell.Right - 3, cell.Bottom - 3}));
    QCOMPARE(grid.contents[1].rect, (TRect{fixed.Left, fixed.Top, fixed.Right - 1, fixed.Bottom - 2}));

    grid.SetOptions(grid.Options() & ~(goHorzLine | goVertLine));
    const QImage no_lines = Paint(grid, {{2, 2}});
    QCOMPARE(At(no_lines, cell.Left + 20, cell.Bottom - 1), grid.Color());
  }

  void mergedBlockPaintedOncePerPass() {
    Painted_Grid grid;
    Setup(grid);
    grid.MergeCells(1, 1, 3, 2);
    grid.GetCellProperties(1, 1)->SetBrushColor(clYellow);
    // The covered cells ask first: the block is painted once, from its base.
    const QImage image = Paint(grid, {{2, 1}, {3, 2}, {2, 2}});
    QCOMPARE(int(grid.contents.size()), 1);
    QCOMPARE(grid.contents[0].col, 1);
    QCOMPARE(grid.contents[0].row, 1);
    const TRect block = grid.CellRect(1, 1);
    QCOMPARE(block, (TRect{64, 24, 4 * 64, 3 * 24}));
    QCOMPARE(At(image, 3 * 64 + 10, 2 * 24 + 10), clYellow);
    QCOMPARE(At(image, 2 * 64, 24 + 10), clYellow);  // no inner grid line inside the block
    // The base cell itself is always painted when asked.
    Paint(grid, {{1, 1}});
    QCOMPARE(int(grid.contents.size()), 2);
    // A new pass paints the block again.
    grid.contents.clear();
    grid.repaint();
    int base_paints = 0;
    for (const auto& c : grid.contents) base_paints += c.col == 1 && c.row == 1;
    QCOMPARE(base_paints, 1);
  }

  void blockUnderTheFixedAreaIsClipped() {
    Painted_Grid grid;
    Setup(grid);
    grid.MergeCells(1, 1, 3, 1);
    grid.GetCellProperties(1, 1)->SetBrushColor(clYellow);
    grid.SetLeftCol(2);
    const QImage image = Paint(grid, {{2, 1}});
    QCOMPARE(At(image, 64 + 10, 24 + 10), clYellow);  // the visible part of the block
    QCOMPARE(At(image, 30, 24 + 10), clWhite);        // never over the fixed column
  }

  void hoverAndCurrentRow() {
    Painted_Grid grid;
    Setup(grid);
    grid.SetActiveRowShow(true);
    grid.SetActiveRowColor(RGB(1, 2, 250));
    grid.SetRow(2);
    grid.SetCol(1);
    QImage image = Paint(grid, {{3, 2}, {1, 2}, {0, 2}, {3, 3}});
    QCOMPARE(At(image, 3 * 64 + 10, 2 * 24 + 10), RGB(1, 2, 250));
    QCOMPARE(At(image, 64 + 10, 2 * 24 + 10), grid.Color());  // the current cell while the selection shows
    QVERIFY(At(image, 10, 2 * 24 + 10) != RGB(1, 2, 250));    // nor the fixed cell
    QCOMPARE(At(image, 3 * 64 + 10, 3 * 24 + 10), grid.Color());
    grid.SetShowSel(false);
    image = Paint(grid, {{1, 2}});
    QCOMPARE(At(image, 64 + 10, 2 * 24 + 10), RGB(1, 2, 250));
    grid.SetShowSel(true);

    grid.SetHoverRow(true);
    grid.SetHoverRowIdx(3);
    grid.SetHoverRowColor(RGB(250, 1, 2));
    grid.SetHoverRowColorTo(clNone);
    image = Paint(grid, {{3, 3}, {0, 3}});
    QCOMPARE(At(image, 3 * 64 + 10, 3 * 24 + 10), RGB(250, 1, 2));
    QVERIFY(At(image, 10, 3 * 24 + 10) != RGB(250, 1, 2));  // fixed cells only with hcFixed
    grid.SetHoverRowCells(hcNormal | hcFixed);
    image = Paint(grid, {{0, 3}});
    QCOMPARE(At(image, 10, 3 * 24 + 10), RGB(250, 1, 2));

    // Background mode of a selected cell: current-row colours, no content.
    grid.contents.clear();
    image = Paint(grid, {{4, 1}}, gdSelected, true);
    QCOMPARE(At(image, 4 * 64 + 10, 24 + 10), RGB(1, 2, 250));
    QVERIFY(grid.contents.empty());
  }

  void gradientsAndPlatformStyles() {
    Painted_Grid grid;
    Setup(grid);
    TCellProperties* props = grid.GetCellProperties(2, 2);
    props->SetBrushColor(RGB(0, 0, 0));
    props->SetBrushColorTo(RGB(0, 0, 230));
    QImage image = Paint(grid, {{2, 2}});
    QCOMPARE(At(image, 2 * 64 + 10, 2 * 24), RGB(0, 0, 0));
    QVERIFY(Get_B(At(image, 2 * 64 + 10, 3 * 24 - 2)) > 200);

    props->SetGradientDirection(GradientHorizontal);
    image = Paint(grid, {{2, 2}});
    QCOMPARE(At(image, 2 * 64, 2 * 24 + 10), RGB(0, 0, 0));
    QVERIFY(Get_B(At(image, 3 * 64 - 2, 2 * 24 + 10)) > 200);

    props->SetGradientDirection(GradientVertical);
    grid.mirror_from = RGB(200, 0, 0);
    grid.mirror_to = RGB(100, 0, 0);
    image = Paint(grid, {{2, 2}});
    QCOMPARE(At(image, 2 * 64 + 10, 2 * 24 + 12), RGB(200, 0, 0));
    QCOMPARE(At(image, 2 * 64 + 10, 2 * 24), RGB(0, 0, 0));

    grid.platform_styles = true;
    image = Paint(grid, {{0, 2}});
    QCOMPARE(At(image, 10, 2 * 24 + 10), clWhite);  // the platform style paints fixed cells
  }

  // Shows a grid in each selection style for a person to look at.
  void selectionStyleSheet() {
    const QString path = qEnvironmentVariable("KELVRA_GRID_SHEET");
    if (path.isEmpty()) QSKIP("set KELVRA_GRID_SHEET to a PNG path to write the sheet");
    QWidget window;
    window.resize(580, 4 * 150);
    std::vector<Painted_Grid*> grids;
    int y = 0;
    for (TGridSelectionStyle style : {ssDefault, ssVista, ssWin7, ssOffice2007}) {
      auto* grid = new Painted_Grid;
      grid->setParent(&window);
      grid->setGeometry(5, y + 5, 570, 140);
      grid->SetColCount(8);
      grid->SetRowCount(5);
      grid->SetSelectionStyle(style);
      grid->SetOptions(grid->Options() | goDrawFocusSelected);
      grid->FocusCell(2, 1);
      grid->FocusCell(5, 2, true);
      grid->SetActiveRowShow(style == ssWin7);
      grid->SetGridLineWidth(style == ssVista ? 2 : 1);
      for (int c = 0; c < 8; ++c) grid->SetCellEx(c, 0, QStringLiteral("Col %1").arg(c));
      for (int r = 1; r < 5; ++r) grid->SetCellEx(0, r, QString::number(r));
      grid->SetCellEx(1, 3, QStringLiteral("merged"));
      grid->MergeCells(1, 3, 2, 2);
      grid->GetCellProperties(6, 3)->SetBrushColor(RGB(255, 240, 200));
      grid->GetCellProperties(6, 3)->SetBrushColorTo(RGB(255, 180, 80));
      y += 150;
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.grab().save(path));
    if (qEnvironmentVariableIsSet("KELVRA_GRID_SHEET_HOLD")) QTest::qWait(3000);
  }
};

QTEST_MAIN(Base_Cell_Painter_Test)
#include "base_cell_painter_test.moc"
