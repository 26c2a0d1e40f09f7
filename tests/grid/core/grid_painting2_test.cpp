// The string grid painted into images: colour precedence, borders, sizing
// lines, the text layer, cell objects, alignment and measuring.
#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QtTest>
#include <functional>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/draw/blend_color.h"
#include "grid/draw/color_math.h"
#include "grid/store/int_list.h"

namespace {

constexpr TColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

QColor Q(TColor c) { return To_QColor(c); }

// A grid of 6 columns of 80 pixels and 8 rows of 24, one fixed row and
// column, white, shown so that it can paint.
void Setup(TZadIrururOziz& grid) {
  grid.resize(560, 260);
  grid.SetColCount(6);
  grid.SetRowCount(8);
  grid.SetDefaultColWidth(80);
  grid.SetGridDefaultRowHeight(24);
  grid.SetColor(clWhite);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
}

QImage Shot(TZadIrururOziz& grid) { return grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

QColor Middle(const QImage& image, const TRect& r) {
  return image.pixelColor((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

// The cell's pixels, for comparing two cells of the same size.
QImage Crop(const QImage& image, const TRect& r) { return image.copy(r.To_QRect()); }

int Count(const QImage& image, const QColor& colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == colour) ++n;
  return n;
}

// Columns holding pixels darker than mid grey: where the text went.
std::pair<int, int> Ink_Columns(const QImage& crop) {
  int first = -1, last = -1;
  for (int x = 0; x < crop.width(); ++x)
    for (int y = 0; y < crop.height(); ++y)
      if (qGray(crop.pixel(x, y)) < 128) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

int Ink_Rows(const QImage& crop) {
  int first = -1, last = -1;
  for (int y = 0; y < crop.height(); ++y)
    for (int x = 0; x < crop.width(); ++x)
      if (qGray(crop.pixel(x, y)) < 128) {
        if (first < 0) first = y;
        last = y;
        break;
      }
  return first < 0 ? 0 : last - first + 1;
}

QImage Solid(int w, int h, QColor c) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(c);
  return image;
}

}  // namespace

class GridPainting2Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void bands_and_fixed_rows() {
    TZadIrururOziz grid;
    grid.Bands().SetPrimaryColor(kRed);
    grid.Bands().SetSecondaryColor(kGreen);
    grid.Bands().SetPrimaryLength(1);
    grid.Bands().SetActive(true);
    Setup(grid);
    QCOMPARE(grid.Bands().TotalLength(), 2);
    const QImage image = Shot(grid);
    QCOMPARE(Middle(image, grid.CellRect(2, 1)), QColor(255, 0, 0));
    QCOMPARE(Middle(image, grid.CellRect(2, 2)), QColor(0, 255, 0));
    QCOMPARE(Middle(image, grid.CellRect(2, 3)), QColor(255, 0, 0));
    QCOMPARE(Middle(image, grid.CellRect(2, 4)), QColor(0, 255, 0));
    // Fixed cells take the look's fill, never a band.
    QVERIFY(Middle(image, grid.CellRect(2, 0)) != QColor(255, 0, 0));
    QVERIFY(Middle(image, grid.CellRect(0, 2)) != QColor(0, 255, 0));
  }

  void colour_precedence() {
    TZadIrururOziz grid;
    grid.Bands().SetPrimaryColor(kRed);
    grid.Bands().SetSecondaryColor(kGreen);
    grid.Bands().SetActive(true);
    Setup(grid);
    // Cell properties beat the band.
    grid.GetCellProperties(2, 2)->SetBrushColor(kBlue);
    // The colour event has the last word over bands.
    grid.OnGetCellColor = [](TZadIrururOziz*, int ARow, int ACol, TGridDrawState, TCanvas::Brush_State& brush, QFont&,
                             TColor&) {
      if (ACol == 3 && ARow == 3) brush.Color = 0x00FFFF;
    };
    // A fixed cell with its own colour keeps it; with a check box it takes the fixed look.
    grid.GetCellProperties(2, 0)->SetBrushColor(kBlue);
    grid.GetCellProperties(3, 0)->SetBrushColor(kBlue);
    grid.AddCheckBox(3, 0, false, false);
    QImage image = Shot(grid);
    QCOMPARE(Middle(image, grid.CellRect(2, 2)), Q(kBlue));
    QCOMPARE(Middle(image, grid.CellRect(3, 3)), Q(0x00FFFF));
    QCOMPARE(Middle(image, grid.CellRect(2, 0)), Q(kBlue));
    QVERIFY(Middle(image, grid.CellRect(3, 0)) != Q(kBlue));

    // The fixed cells heading the current cell in the active-cell colour.
    grid.SetActiveCellShow(true);
    grid.FocusCell(4, 5);
    image = Shot(grid);
    QCOMPARE(Middle(image, grid.CellRect(4, 0)), Q(grid.ActiveCellColor()));
    QCOMPARE(Middle(image, grid.CellRect(0, 5)), Q(grid.ActiveCellColor()));
    QVERIFY(Middle(image, grid.CellRect(2, 0)) != Q(grid.ActiveCellColor()));
    grid.SetActiveCellShow(false);

    // Selected cells: the selection colour over the grid colour, a blend
    // over a band colour with the mixer on.
    grid.Bands().SetActive(false);
    grid.SetSelection(TGridRect{4, 4, 5, 4});
    image = Shot(grid);
    QCOMPARE(Middle(image, grid.CellRect(5, 4)), Q(grid.SelectionColor()));
    grid.Bands().SetActive(true);
    grid.PaintLook().SelectionColorMixer = true;
    grid.PaintLook().SelectionColorMixerFactor = 50;
    grid.RepaintAll();
    image = Shot(grid);
    const TColor band = (4 - 1) % 2 < 1 ? kRed : kGreen;
    QCOMPARE(Middle(image, grid.CellRect(5, 4)), Q(BlendColor(grid.SelectionColor(), band, 50)));
  }

  void disjunct_selections() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.MouseActions().SetDisjunctRowSelect(true);
    grid.SetRowSelect(3, true);
    QImage image = Shot(grid);
    const QColor selected = Q(grid.SelectionColor());
    // Selected rows other than the current one are drawn a shade lighter.
    const QColor other_row = Q(ChangeColorPercent(grid.SelectionColor(), 7));
    QVERIFY(other_row != selected);
    QCOMPARE(Middle(image, grid.CellRect(2, 3)), other_row);
    QCOMPARE(Middle(image, grid.CellRect(4, 3)), other_row);
    QCOMPARE(Middle(image, grid.CellRect(2, 4)), QColor(255, 255, 255));
    QVERIFY(Middle(image, grid.CellRect(0, 3)) != selected);
    grid.MouseActions().SetDisjunctRowSelect(false);

    grid.MouseActions().SetDisjunctColSelect(true);
    grid.SetColSelect(4, true);
    grid.RepaintAll();
    image = Shot(grid);
    QCOMPARE(Middle(image, grid.CellRect(4, 2)), selected);
    QCOMPARE(Middle(image, grid.CellRect(4, 6)), selected);
    QCOMPARE(Middle(image, grid.CellRect(3, 6)), QColor(255, 255, 255));
    grid.MouseActions().SetDisjunctColSelect(false);

    grid.MouseActions().SetDisjunctCellSelect(true);
    grid.SetSelectedCells(2, 5, true);
    grid.SetSelectedCells(4, 6, true);
    grid.RepaintAll();
    image = Shot(grid);
    QCOMPARE(Middle(image, grid.CellRect(2, 5)), selected);
    QCOMPARE(Middle(image, grid.CellRect(4, 6)), selected);
    QCOMPARE(Middle(image, grid.CellRect(3, 5)), QColor(255, 255, 255));
  }

  void visual_properties_modes() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetSelection(TGridRect{2, 2, 2, 2});
    auto look = [&](int c, int r, bool select, TGridDrawState state = 0) {
      TCanvas::Brush_State brush;
      TColor to, mirror, mirror_to, font_colour;
      QFont font;
      TAlignment ha;
      TVAlignment va;
      bool ww = false;
      TCellGradientDirection gd;
      grid.GetVisualProperties(c, r, state, false, select, true, brush, to, mirror, mirror_to, font, font_colour, ha,
                               va, ww, gd);
      return std::make_pair(brush.Color, font_colour);
    };
    // The content painter's call (Select false) colours a selected cell only while the mouse is down.
    QCOMPARE(look(2, 2, true).first, grid.SelectionColor());
    QCOMPARE(look(2, 2, false, gdSelected).first, TColor(clWhite));
    grid.SetMouseDown(true);
    QCOMPARE(look(2, 2, false, gdSelected).first, grid.SelectionColor());
    grid.SetMouseDown(false);
    // A disabled grid writes in the disabled colour; so does a disabled row.
    grid.setEnabled(false);
    QCOMPARE(look(3, 3, false).second, grid.DisabledFontColor());
    grid.setEnabled(true);
    QCOMPARE(look(3, 3, false).second, grid.FontColor());
    grid.SetRowEnabled(5, false);
    QCOMPARE(look(3, 5, false).second, grid.DisabledFontColor());
    QCOMPARE(look(3, 4, false).second, grid.FontColor());
  }

  void modified_marker_and_borders() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetShowModifiedEnabled(true);
    grid.SetRowModified(2, true);
    grid.OnGetCellBorder = [](TZadIrururOziz*, int ARow, int ACol, TColor& colour, int& width, TCellBorders& sides) {
      if (ACol == 3 && ARow == 4) {
        colour = kRed;
        width = 1;
        sides = cbLeft | cbTop | cbRight | cbBottom;
      }
    };
    const QImage image = Shot(grid);
    const TRect marked = grid.CellRect(0, 2);
    const int mid = (marked.Top + marked.Bottom) / 2;
    const TRect content{marked.Left, marked.Top, marked.Right - 1, marked.Bottom - 2};
    // The marker is drawn in ShowModified's colour, yellow unless set.
    const QColor marker = Q(grid.ShowModified().Color());
    QCOMPARE(marker, Q(clYellow));
    for (int x = content.Right - 4; x < content.Right; ++x) QCOMPARE(image.pixelColor(x, mid), marker);
    QVERIFY(image.pixelColor(content.Right - 5, mid) != marker);
    QVERIFY(image.pixelColor(grid.CellRect(0, 3).Right - 3, mid + 24) != marker);

    const TRect b = grid.CellRect(3, 4);
    const int bx = (b.Left + b.Right) / 2, by = (b.Top + b.Bottom) / 2;
    QCOMPARE(image.pixelColor(b.Left, by), Q(kRed));
    QCOMPARE(image.pixelColor(b.Right - 1, by), Q(kRed));
    QCOMPARE(image.pixelColor(bx, b.Top), Q(kRed));
    QCOMPARE(image.pixelColor(bx, b.Bottom - 1), Q(kRed));
    QCOMPARE(image.pixelColor(bx, by), QColor(255, 255, 255));
  }

  void background_gradient() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetColCount(3);
    grid.SetRowCount(4);
    const QImage plain = Shot(grid);
    const int w = grid.viewport()->width();
    grid.BackGround().Display = bdGradientHorz;
    grid.BackGround().Color = kRed;
    grid.BackGround().ColorTo = kBlue;
    grid.RepaintAll();
    const QImage image = Shot(grid);
    // Right of the last column and below the last row: the gradient over
    // the whole client width, so nearly blue at the right edge.
    const QColor right = image.pixelColor(w - 2, 10);
    QVERIFY(right.blue() > 200 && right.red() < 60);
    const TRect last = grid.CellRect(2, 3);
    const QColor below = image.pixelColor(20, last.Bottom + 5);
    QVERIFY(below.red() > 200 && below.blue() < 60);
    // Cells without a colour of their own show their part of it too.
    const QColor cell = Middle(image, grid.CellRect(2, 2));
    QVERIFY(cell.red() > 0 && cell.blue() > 0 && cell.green() == 0);
    QVERIFY(Middle(plain, grid.CellRect(2, 2)) == QColor(255, 255, 255));
  }

  void layers_and_events() {
    TZadIrururOziz grid;
    grid.PaintLook().RowIndicator = Solid(8, 8, Qt::red);
    grid.ControlLook().SetDropDownAlwaysVisible(true);
    grid.OnHasComboBox = [](TZadIrururOziz*, int ACol, int ARow, bool& has) { has = ACol == 3 && ARow == 2; };
    std::vector<std::pair<int, int>> drawn, custom;
    grid.OnDrawCell = [&](TZadIrururOziz*, int ACol, int ARow, const TRect&, TGridDrawState) {
      drawn.push_back({ACol, ARow});
    };
    grid.OnCustomCellDraw = [&](TZadIrururOziz*, TCanvas& canvas, int ACol, int ARow, TGridDrawState, const TRect& r,
                                bool printing) {
      QVERIFY(!printing);
      custom.push_back({ACol, ARow});
      if (ACol == 4 && ARow == 4) {
        canvas.Brush.Color = kGreen;
        canvas.Fill_Rect(TRect{r.Left + 2, r.Top + 2, r.Left + 6, r.Top + 6});
      }
    };
    Setup(grid);
    grid.HideColumn(2);  // events name real columns
    grid.FocusCell(1, 3);
    drawn.clear();
    custom.clear();
    const QImage image = Shot(grid);
    // The indicator in column 0 of the current row only (the fixed cell's
    // light top edge is drawn over its first line).
    QVERIFY(Count(Crop(image, grid.CellRect(0, 3)), Qt::red) >= 56);
    QCOMPARE(Count(Crop(image, grid.CellRect(0, 2)), Qt::red), 0);
    // The drop-down button shown without editing takes the right of its cell.
    QVERIFY(Crop(image, grid.CellRect(2, 2)) != Crop(image, grid.CellRect(2, 4)));
    // Custom drawing lands in the cell of display column 3 (real column 4).
    QCOMPARE(Count(Crop(image, grid.CellRect(3, 4)), Q(kGreen)), 16);
    QVERIFY(std::find(custom.begin(), custom.end(), std::make_pair(4, 4)) != custom.end());
    QVERIFY(std::find(drawn.begin(), drawn.end(), std::make_pair(4, 4)) != drawn.end());
    QVERIFY(std::find(drawn.begin(), drawn.end(), std::make_pair(2, 4)) == drawn.end());
  }

  void sizing_lines_erase_themselves() {
    TZadIrururOziz grid;
    Setup(grid);
    const QImage before = Shot(grid);
    for (bool column : {true, false}) {
      QImage image = before;
      {
        QPainter painter(&image);
        TCanvas canvas(painter);
        column ? grid.DrawColumnSizingLine(canvas, 100) : grid.DrawRowSizingLine(canvas, 60);
      }
      QVERIFY(image != before);
      QVERIFY(column ? image.pixelColor(100, 30) != before.pixelColor(100, 30)
                     : image.pixelColor(30, 60) != before.pixelColor(30, 60));
      {
        QPainter painter(&image);
        TCanvas canvas(painter);
        column ? grid.DrawColumnSizingLine(canvas, 100) : grid.DrawRowSizingLine(canvas, 60);
      }
      QCOMPARE(image, before);
    }
  }

  void password_and_url_cells() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetCellEx(2, 2, "abc");
    grid.SetCellEx(2, 3, "***");
    grid.OnIsPasswordCell = [](TZadIrururOziz*, int ARow, int ACol, bool& password) {
      password = ACol == 2 && ARow == 2;
    };
    grid.PaintLook().URLShow = true;
    grid.SetURLColor(kBlue);
    grid.SetCellEx(3, 2, "http://x.org/a");
    grid.SetCellEx(3, 3, "x.org/a");
    TCellProperties* plain = grid.GetCellProperties(3, 3);
    plain->SetFontColor(kBlue);
    plain->SetFontStyle(fsUnderline);
    // An HTML cell draws its markup: bold like a cell with a bold font.
    grid.SetCellEx(4, 2, "<b>abc</b>");
    grid.SetCellEx(4, 3, "abc");
    grid.GetCellProperties(4, 3)->SetFontStyle(fsBold);
    QImage image = Shot(grid);
    QCOMPARE(Crop(image, grid.CellRect(4, 2)), Crop(image, grid.CellRect(4, 3)));
    QCOMPARE(Crop(image, grid.CellRect(2, 2)), Crop(image, grid.CellRect(2, 3)));
    QCOMPARE(Crop(image, grid.CellRect(3, 2)), Crop(image, grid.CellRect(3, 3)));
    QVERIFY(Count(Crop(image, grid.CellRect(3, 2)), Q(kBlue)) > 0);
    // With URLFull the protocol stays.
    grid.PaintLook().URLFull = true;
    grid.RepaintAll();
    image = Shot(grid);
    QVERIFY(Crop(image, grid.CellRect(3, 2)) != Crop(image, grid.CellRect(3, 3)));
  }

  void sort_index_glyphs() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SortSettings().Show = true;
    grid.SortSettings().Row = 0;
    grid.SortSettings().IndexShow = true;
    grid.SortIndexes().AddIndex(2, true);
    grid.SortIndexes().AddIndex(3, true);
    grid.RepaintAll();
    const QImage first = Shot(grid);
    grid.SortIndexes().Clear();
    grid.SortIndexes().AddIndex(3, true);
    grid.SortIndexes().AddIndex(2, true);
    grid.RepaintAll();
    const QImage swapped = Shot(grid);
    const TRect c2 = grid.CellRect(2, 0), c3 = grid.CellRect(3, 0);
    // Both cells carry the index triangle; the number beside it tells them apart.
    QVERIFY(Count(Crop(first, c2), Q(clYellow)) > 10);
    QVERIFY(Count(Crop(first, c3), Q(clYellow)) > 10);
    QVERIFY(Crop(first, c2) != Crop(first, c3));
    // "1" in column 2 before the swap looks like "1" in column 3 after it.
    QCOMPARE(Crop(first, c2), Crop(swapped, c3));
    QCOMPARE(Crop(first, c3), Crop(swapped, c2));
    // Without IndexShow only the first sort column shows a glyph, and no number.
    grid.SortSettings().IndexShow = false;
    grid.SortSettings().Column = 3;
    grid.RepaintAll();
    const QImage plain = Shot(grid);
    QCOMPARE(Count(Crop(plain, c2), Q(clYellow)), 0);
    QVERIFY(Crop(plain, c3) != Crop(plain, grid.CellRect(4, 0)));
  }

  void text_alignment_wrapping_ellipsis() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetColWidths(2, 120);
    for (int r = 1; r <= 3; ++r) grid.SetCellEx(2, r, "Wx");
    grid.OnGetAlignment = [](TZadIrururOziz*, int ARow, int ACol, TAlignment& ha, TVAlignment&) {
      if (ACol == 2) ha = ARow == 1 ? taLeftJustify : ARow == 2 ? taRightJustify : taCenter;
    };
    QImage image = Shot(grid);
    const auto left = Ink_Columns(Crop(image, grid.CellRect(2, 1)));
    const auto right = Ink_Columns(Crop(image, grid.CellRect(2, 2)));
    const auto centre = Ink_Columns(Crop(image, grid.CellRect(2, 3)));
    QVERIFY(left.first >= 0 && left.first <= 5);
    QVERIFY(right.second >= 120 - 8 && right.second < 120);
    QVERIFY(std::abs((centre.first + centre.second) / 2 - 60) <= 3);

    // Word wrap breaks a long text over lines in a tall row; without it one line shows.
    const QString long_text = "alpha beta gamma delta epsilon";
    grid.SetRowHeights(5, 80);
    grid.SetCellEx(3, 5, long_text);
    grid.SetGridWordWrap(true);
    grid.RepaintAll();
    image = Shot(grid);
    const int line = QFontMetrics(grid.GridFont()).height();
    QVERIFY(Ink_Rows(Crop(image, grid.CellRect(3, 5))) > line);
    grid.SetGridWordWrap(false);
    grid.RepaintAll();
    image = Shot(grid);
    QVERIFY(Ink_Rows(Crop(image, grid.CellRect(3, 5))) <= line);

    // EnhTextSize ends a cut single line with an ellipsis: the same pixels as
    // the elided text written out.
    grid.PaintLook().EnhTextSize = true;
    grid.SetCellEx(4, 2, long_text);
    const int room = grid.ColWidths(4) - 2 - 4;
    const QString elided = QFontMetrics(grid.GridFont()).elidedText(long_text, Qt::ElideRight, room);
    QVERIFY(elided.endsWith(QChar(0x2026)));
    grid.SetCellEx(4, 4, elided);
    grid.RepaintAll();
    image = Shot(grid);
    QCOMPARE(Crop(image, grid.CellRect(4, 2)), Crop(image, grid.CellRect(4, 4)));

    // A one-line cell shows its first line only; Multilinecells shows them all.
    grid.PaintLook().EnhTextSize = false;
    grid.SetCellEx(5, 5, "one\r\ntwo\r\nthree");
    grid.RepaintAll();
    image = Shot(grid);
    QVERIFY(Ink_Rows(Crop(image, grid.CellRect(5, 5))) <= line);
    grid.PaintLook().Multilinecells = true;
    grid.RepaintAll();
    image = Shot(grid);
    QVERIFY(Ink_Rows(Crop(image, grid.CellRect(5, 5))) > 2 * line);
  }

  void ratings_and_data_check_boxes() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetColWidths(2, 110);
    const TColor full = 0x00A5FF, empty = 0xD8D8D8;
    for (int r : {1, 2}) {
      TCellGraphic* g = grid.CreateCellGraphic(2, r);
      g->CellType = ctRating;
      g->CellAngle = 5;
      g->CellBitmap = reinterpret_cast<void*>(quintptr(empty));
      g->CellIndex = int(full);
      g->CellHAlign = haFull;
    }
    grid.SetCellEx(2, 1, "3.3");
    grid.SetCellEx(2, 2, "3.6");
    for (int r : {1, 2, 3}) grid.AddCheckBox(3, r, false, true);
    grid.SetCellEx(3, 1, "Y");
    grid.SetCellEx(3, 2, "y");
    grid.SetCellEx(3, 3, "N");
    const QImage image = Shot(grid);
    auto stars = [&](int r) {
      QString kinds;
      const TRect cell = grid.CellRect(2, r);
      for (int i = 0; i < 5; ++i) {
        const int left = cell.Left + 2 + 18 * i;
        const QImage slot = image.copy(left, cell.Top, 18, cell.Height());
        const bool has_full = Count(slot, Q(full)) > 0, has_empty = Count(slot, Q(empty)) > 0;
        kinds += has_full && has_empty ? 'h' : has_full ? 'f' : has_empty ? 'e' : '?';
      }
      return kinds;
    };
    // A rating does not share its cell with the text.
    QCOMPARE(Ink_Rows(Crop(image, grid.CellRect(2, 1)).copy(0, 0, 92, 20)), 0);
    QCOMPARE(stars(1), QString("fffee"));
    QCOMPARE(stars(2), QString("fffhe"));
    QVERIFY(Crop(image, grid.CellRect(3, 1)) != Crop(image, grid.CellRect(3, 2)));
    QCOMPARE(Crop(image, grid.CellRect(3, 2)), Crop(image, grid.CellRect(3, 3)));
  }

  void bitmaps_and_rotated_text() {
    TZadIrururOziz grid;
    Setup(grid);
    QImage picture = Solid(12, 12, Qt::magenta);
    for (int y = 3; y < 9; ++y)
      for (int x = 3; x < 9; ++x) picture.setPixelColor(x, y, Qt::blue);
    for (int r : {2, 3}) {
      TCellGraphic* g = grid.CreateCellGraphic(2, r);
      g->CellType = ctBitmap;
      g->CellBitmap = &picture;
      g->CellTransparent = r == 3;
    }
    grid.AddRotated(3, 2, 90, "Wide");
    grid.SetRowHeights(2, 60);
    const QImage image = Shot(grid);
    const QImage plain = Crop(image, grid.CellRect(2, 2)), see_through = Crop(image, grid.CellRect(2, 3));
    QCOMPARE(Count(plain, Qt::blue), 36);
    QCOMPARE(Count(see_through, Qt::blue), 36);
    QCOMPARE(Count(plain, Qt::magenta), 144 - 36);
    QCOMPARE(Count(see_through, Qt::magenta), 0);
    // Text turned upright is taller than wide.
    const QImage rotated = Crop(image, grid.CellRect(3, 2));
    const auto columns = Ink_Columns(rotated);
    QVERIFY(columns.first >= 0);
    QVERIFY(Ink_Rows(rotated) > columns.second - columns.first + 1);
  }

  void progress_and_data_images() {
    TZadIrururOziz grid;
    Setup(grid);
    const TColor bar = 0x00C000;
    for (int r : {1, 2, 3}) {
      TCellGraphic* g = grid.CreateCellGraphic(2, r);
      g->CellType = ctProgress;
      g->CellBitmap = reinterpret_cast<void*>(quintptr(bar));
      g->CellIcon = reinterpret_cast<void*>(quintptr(clWhite));
      g->CellErrFrom = 0;
      g->CellErrLen = r == 1 ? 0 : 100;  // row 1: an empty range
    }
    grid.SetCellEx(2, 1, "50");
    grid.SetCellEx(2, 2, "not a number");
    grid.SetCellEx(2, 3, "50");
    grid.PaintLook().CellImageList = {Solid(16, 16, Qt::magenta), Solid(16, 16, Qt::cyan)};
    for (int r : {1, 2, 3}) {
      TCellGraphic* g = grid.CreateCellGraphic(3, r);
      g->CellType = ctDataImage;
      g->CellIndex = 0;
    }
    grid.SetCellEx(3, 1, "1");
    grid.SetCellEx(3, 2, "2");  // past the last image: nothing
    grid.SetCellEx(3, 3, "-1");
    const QImage image = Shot(grid);
    QCOMPARE(Count(Crop(image, grid.CellRect(2, 1)), Q(bar)), 0);
    QCOMPARE(Count(Crop(image, grid.CellRect(2, 2)), Q(bar)), 0);
    QVERIFY(Count(Crop(image, grid.CellRect(2, 3)), Q(bar)) > 100);
    QVERIFY(Count(Crop(image, grid.CellRect(3, 1)), Qt::cyan) == 256);
    QCOMPARE(Count(Crop(image, grid.CellRect(3, 2)), Qt::cyan) + Count(Crop(image, grid.CellRect(3, 2)), Qt::magenta),
             0);
    QCOMPARE(Count(Crop(image, grid.CellRect(3, 3)), Qt::magenta), 0);
  }

  void alignment_and_formatting_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("right");
    QTest::newRow("integer with blanks") << " 42 " << true;
    QTest::newRow("decimal") << "3.5" << true;
    QTest::newRow("exponent") << "1e5" << true;
    QTest::newRow("digits and letters") << "12ab" << false;
    QTest::newRow("formula") << "=1+2" << false;
    QTest::newRow("empty") << "" << false;
  }
  void alignment_and_formatting() {
    QFETCH(QString, text);
    QFETCH(bool, right);
    TZadIrururOziz grid;
    grid.PaintLook().AutoNumAlign = true;
    grid.SetCellEx(2, 2, text);
    TAlignment ha;
    TVAlignment va;
    grid.CellAlignment(2, 2, ha, va);
    QCOMPARE(ha, right ? taRightJustify : taLeftJustify);
    QCOMPARE(va, grid.VAlignment());
    // The cell's own alignment wins even for a number, but not for a formula.
    grid.GetCellProperties(2, 2)->SetAlignment(taCenter);
    grid.CellAlignment(2, 2, ha, va);
    QCOMPARE(ha, text.startsWith('=') ? taLeftJustify : taCenter);
  }

  void float_formats() {
    TZadIrururOziz grid;
    int calls = 0;
    QString format;
    grid.OnGetFloatFormat = [&](TZadIrururOziz*, int, int, bool&, QString& f) {
      ++calls;
      if (!format.isEmpty()) f = format;
    };
    grid.SetCellEx(2, 2, "3.14159");
    QCOMPARE(grid.GetFormattedCell(2, 2), QString("3.14"));
    grid.SetCellEx(2, 3, "abc");
    calls = 0;
    QCOMPARE(grid.GetFormattedCell(2, 3), QString("abc"));
    QCOMPARE(calls, 0);
    // The conversion decides: "%d" formats the integer value, a "d" elsewhere does not.
    grid.SetCellEx(2, 4, "42");
    format = "%d pcs";
    QCOMPARE(grid.GetFormattedCell(2, 4), QString("42 pcs"));
    format = "%.1f dB";
    QCOMPARE(grid.GetFormattedCell(2, 2), QString("3.1 dB"));
    grid.OnGetFloatFormat = nullptr;
    QCOMPARE(grid.GetFormattedCell(2, 2), QString("3.14159"));
  }

  void measuring() {
    TZadIrururOziz grid;
    grid.PaintLook().Multilinecells = true;
    grid.SetCellEx(2, 2, "ab\r\ncdef");
    const QFontMetrics fm(grid.GridFont());
    QCOMPARE(grid.MeasureCellText(2, 2, 2, false, false), QSize(fm.horizontalAdvance("cdef"), 2 * fm.height()));
    grid.PaintLook().Multilinecells = false;
    QCOMPARE(grid.GetCellTextSize(2, 2, false, false).height(), fm.height());
    grid.SetCellEx(3, 2, "abc");
    grid.GetCellProperties(3, 2)->SetFontSize(20);
    const QSize flat = grid.MeasureCellText(3, 3, 2, false, false);
    QFont big = grid.GridFont();
    big.setPointSize(20);
    QCOMPARE(flat, QSize(QFontMetrics(big).horizontalAdvance("abc"), QFontMetrics(big).height()));
    grid.AddRotated(3, 2, 90, "abc");
    int angle = 0;
    QVERIFY(grid.IsRotated(3, 2, angle));
    QCOMPARE(angle, 90);
    QCOMPARE(grid.MeasureCellText(3, 3, 2, false, false), QSize(flat.height() + 12, flat.width() + 12));
    angle = 7;
    QVERIFY(!grid.IsRotated(4, 2, angle));
    QCOMPARE(angle, 7);
    grid.RemoveRotated(3, 2);
    QVERIFY(!grid.IsRotated(3, 2, angle));
    // Bounded measuring wraps to the cell's width.
    grid.SetCellEx(4, 2, "alpha beta gamma delta epsilon zeta");
    QVERIFY(grid.MeasureCellText(4, 4, 2, false, true).height() > fm.height());
  }

  void object_layout() {
    TZadIrururOziz grid;
    grid.AddCheckBox(2, 2, true, false);
    grid.AddCheckBox(2, 3, true, true);
    TCellGraphic* rating = grid.CreateCellGraphic(2, 4);
    rating->CellType = ctRating;
    rating->CellAngle = 4;
    auto layout = grid.GetCellGraphicLayout(2, 2);
    QCOMPARE(layout.W, grid.ControlLook().CheckSize());
    QVERIFY(layout.TextShares);
    QVERIFY(!grid.GetCellGraphicLayout(2, 3).TextShares);
    layout = grid.GetCellGraphicLayout(2, 4);
    QCOMPARE(layout.W, 72);
    QCOMPARE(layout.H, 16);
    QVERIFY(!layout.TextShares);
    QVERIFY(grid.GetCellGraphicLayout(3, 3).Graphic == nullptr);
    QCOMPARE(TZadIrururOziz::ClampPercent(-3), 0.0);
    QCOMPARE(TZadIrururOziz::ClampPercent(130), 100.0);
  }

  void radio_groups_and_check_styles() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetRowHeights(2, 70);
    grid.SetRowHeights(3, 70);
    QStringList items{"red", "green", "blue"};
    for (int r : {2, 3}) {
      TCellGraphic* g = grid.CreateCellGraphic(2, r);
      g->CellType = ctRadio;
      g->CellBitmap = &items;
      g->CellIndex = -1;
    }
    grid.SetCellEx(2, 2, "green");
    grid.SetCellEx(2, 3, "purple");
    grid.AddCheckBox(3, 1, false, false);
    grid.AddCheckBox(3, 4, true, false);
    grid.CreateCellGraphic(3, 5)->SetCheckBox(cbGrayed, false, haLeft, vaTop);
    QImage image = Shot(grid);
    const int line = std::max(QFontMetrics(grid.GridFont()).height(), 0);
    auto checked = [&](int r) {
      QString marks;
      const TRect cell = grid.CellRect(2, r);
      for (int i = 0; i < 3; ++i) {
        const int top = cell.Top + 1 + line * i + 2;
        // The dot inside the ring (grey: a grid that cannot edit draws it disabled).
        const int size = grid.ControlLook().RadioSize();
        const QImage dot =
            image.copy(cell.Left + 3 + size / 3, top + size / 3, size - 2 * (size / 3), size - 2 * (size / 3));
        marks += Count(dot, Q(clGray)) > 0 ? 'x' : '-';
      }
      return marks;
    };
    QCOMPARE(checked(2), QString("-x-"));
    QCOMPARE(checked(3), QString("---"));
    const QImage off = Crop(image, grid.CellRect(3, 1)), on = Crop(image, grid.CellRect(3, 4)),
                 grayed = Crop(image, grid.CellRect(3, 5));
    QVERIFY(off != on && on != grayed && off != grayed);
    // Without desktop themes the themed style is the classic one.
    grid.ControlLook().SetControlStyle(csClassic);
    grid.RepaintAll();
    QCOMPARE(Crop(Shot(grid), grid.CellRect(3, 4)), on);
    grid.ControlLook().SetControlStyle(csBorland);
    grid.RepaintAll();
    QVERIFY(Crop(Shot(grid), grid.CellRect(3, 4)) != on);
  }

  void filter_buttons() {
    TZadIrururOziz grid;
    Setup(grid);
    const TRect header = grid.CellRect(2, 0);
    auto button = [&](const QImage& image) {
      return Count(image.copy(header.Right - 17, header.Top, 16, 16), Qt::black);
    };
    QCOMPARE(button(Shot(grid)), 0);
    grid.SetFilterDropDownAuto(true);
    grid.RepaintAll();
    QVERIFY(button(Shot(grid)) > 10);
    // The filter event decides when it is assigned.
    grid.OnGetColumnFilter = [](TZadIrururOziz*, int column, QStringList& list) {
      if (column == 2) list.clear();
    };
    grid.SetFilterDropDownClear(QString());
    grid.RepaintAll();
    QCOMPARE(button(Shot(grid)), 0);
    QVERIFY(Count(Shot(grid).copy(grid.CellRect(3, 0).Right - 17, header.Top, 16, 16), Qt::black) > 10);
  }

  void html_cells() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetURLColor(kBlue);
    grid.SetCellEx(2, 2, "<b>abc</b> <i>d</i>");
    grid.SetCellEx(2, 3, "abc");
    grid.GetCellProperties(2, 3)->SetFontStyle(fsBold);
    grid.SetCellEx(3, 2, "<a href=\"x\">link</a>");
    grid.SetCellEx(3, 3, "link");
    grid.SetCellEx(4, 2, "<font bgcolor=\"#00FF00\">abc</font>");
    // Entities: one ampersand.
    grid.SetCellEx(4, 3, "<i></i>a&amp;b");
    grid.SetCellEx(4, 4, "a&b");
    QImage image = Shot(grid);
    const TRect bold = grid.CellRect(2, 2), link = grid.CellRect(3, 2);
    // The italic "d" comes after the bold text, which matches a bold cell.
    const int bold_width = QFontMetrics([&] {
                             QFont f = grid.GridFont();
                             f.setBold(true);
                             return f;
                           }())
                               .horizontalAdvance("abc");
    QCOMPARE(Crop(image, TRect{bold.Left, bold.Top, bold.Left + bold_width, bold.Bottom}),
             Crop(image, TRect{bold.Left, bold.Top + 24, bold.Left + bold_width, bold.Bottom + 24}));
    QVERIFY(Ink_Columns(Crop(image, bold)).second > Ink_Columns(Crop(image, grid.CellRect(2, 3))).second);
    // The anchor is underlined in the URL colour, the plain word is not.
    QVERIFY(Count(Crop(image, link), Q(kBlue)) > 10);
    QCOMPARE(Count(Crop(image, grid.CellRect(3, 3)), Q(kBlue)), 0);
    QVERIFY(Count(Crop(image, grid.CellRect(4, 2)), Q(kGreen)) > 20);
    QCOMPARE(Crop(image, grid.CellRect(4, 3)), Crop(image, grid.CellRect(4, 4)));
    // On a selection the anchor takes the selection text colour.
    grid.SetSelectionTextColor(kRed);
    grid.SetSelection(TGridRect{3, 2, 3, 2});
    image = Shot(grid);
    QCOMPARE(Count(Crop(image, link), Q(kBlue)), 0);
    QVERIFY(Count(Crop(image, link), Q(kRed)) > 10);
    // With underlining on hover only, no anchor of a cell is underlined yet.
    grid.SetSelection(TGridRect{1, 1, 1, 1});
    grid.PaintLook().URLUnderlineOnHover = true;
    grid.RepaintAll();
    image = Shot(grid);
    QVERIFY(Count(Crop(image, link), Q(kBlue)) < 10);
  }

  void html_header_sort_glyph_and_objects() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SortSettings().Show = true;
    grid.SortSettings().Row = 0;
    grid.SortSettings().Column = 2;
    grid.SetCellEx(2, 0, "Name");
    grid.SetCellEx(3, 0, "<b>Name</b>");
    QImage image = Shot(grid);
    // The glyph of an HTML header stands at the cell's right, 10 pixels in.
    const TRect plain = grid.CellRect(2, 0);
    const int x = plain.Right - grid.XYOffset().x() - 10 + 2;
    const QImage glyph_box = image.copy(x - 4, plain.Top, 9, plain.Height());
    QCOMPARE(Count(glyph_box, Q(clGray)), 0);
    grid.SortSettings().Column = 3;
    grid.RepaintAll();
    image = Shot(grid);
    const TRect html = grid.CellRect(3, 0);
    QVERIFY(Count(image.copy(html.Right - plain.Right + x - 4, html.Top, 9, html.Height()), Q(clGray)) > 3);

    // An image after the text stands where it stands after plain text.
    grid.PaintLook().CellImageList = {Solid(12, 12, QColor(200, 40, 40))};
    grid.SetCellEx(2, 2, "<b>abc</b>");
    grid.SetCellEx(2, 3, "abc");
    grid.GetCellProperties(2, 3)->SetFontStyle(fsBold);
    for (int r : {2, 3}) grid.AddImageIdx(2, r, 0, haAfterText, vaTop);
    grid.RepaintAll();
    image = Shot(grid);
    QCOMPARE(Crop(image, grid.CellRect(2, 2)), Crop(image, grid.CellRect(2, 3)));
  }

  void html_measuring() {
    TZadIrururOziz grid;
    QFont bold = grid.GridFont();
    bold.setBold(true);
    const QFontMetrics fm(grid.GridFont()), fb(bold);
    grid.SetCellEx(2, 2, "<b>bold</b>");
    QCOMPARE(grid.GetCellTextSize(2, 2, false, false),
             QSize(fb.horizontalAdvance("bold") + 2, std::max(fm.height(), fb.height()) + 2));
    grid.SetCellEx(2, 3, "a<BR>bb");
    QCOMPARE(grid.GetCellTextSize(2, 3, false, false), QSize(fm.horizontalAdvance("bb") + 2, 2 * fm.height() + 2));
    // Unbounded the words stay on one line; bounded they wrap in the cell.
    grid.SetCellEx(2, 4, "<i>alpha</i> beta gamma delta epsilon");
    QCOMPARE(grid.GetCellTextSize(2, 4, false, false).height(), fm.height() + 2);
    QVERIFY(grid.GetCellTextSize(2, 4, false, true).height() > 2 * fm.height());
  }

  // HTML cells under a display: saved where KELVRA_HTML_SHOT points.
  void html_showcase() {
    TZadIrururOziz grid;
    grid.resize(640, 220);
    grid.SetColCount(4);
    grid.SetRowCount(6);
    grid.SetDefaultColWidth(150);
    grid.SetColWidths(0, 40);
    grid.SetGridDefaultRowHeight(30);
    grid.SetColumnHeaders({"", "<b>Style</b>", "<font color=\"clNavy\">Colour</font>", "<i>Link</i>"});
    grid.SortSettings().Show = true;
    grid.SortSettings().Column = 3;
    const QStringList style{"<b>bold</b> and plain", "<s>struck</s> out", "x<sup>2</sup> + y<sub>i</sub>",
                            "<u>under</u> <i>italic</i>", "<e>speling</e> error"};
    const QStringList colour{"<font color=\"#FF0000\">red</font> text", "<font bgcolor=\"clYellow\">marked</font>",
                             "<hi>highlight</hi>", "<shad>shadow</shad>",
                             "<font size=\"4\" face=\"DejaVu Serif\">serif</font>"};
    const QStringList link{"<a href=\"http://x.org\">x.org</a> site",
                           "see <a href=\"a\">one</a>, <a href=\"b\">two</a>", "<i>Tom</i> &amp; Jerry",
                           "a &lt;tag&gt; <b>shown</b>", "line one<BR><b>line two</b>"};
    for (int r = 1; r < 6; ++r) {
      grid.SetCellEx(0, r, QString::number(r));
      grid.SetCellEx(1, r, style[r - 1]);
      grid.SetCellEx(2, r, colour[r - 1]);
      grid.SetCellEx(3, r, link[r - 1]);
    }
    grid.SetRowHeights(5, 40);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QImage image = grid.grab().toImage();
    QVERIFY(!image.isNull());
    if (!qEnvironmentVariableIsEmpty("KELVRA_HTML_SHOT")) image.save(qEnvironmentVariable("KELVRA_HTML_SHOT"));
  }

  // A cell naming a picture of the grid's container draws that picture and
  // is measured with it; without the container the name draws nothing.
  void html_cell_container_picture() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetDefaultColWidth(120);
    grid.SetRowHeights(1, 60);
    QImage logo(24, 40, QImage::Format_RGB32);
    logo.fill(QColor(20, 60, 200));
    QBuffer bytes;
    bytes.open(QIODevice::ReadWrite);
    QVERIFY(logo.save(&bytes, "PNG"));
    bytes.seek(0);
    TPictureContainer container;
    TPictureItem* item = container.Items.Add();
    item->Name = "Logo";
    QVERIFY(item->Picture.LoadFromStream(&bytes));
    grid.SetCellEx(1, 1, "<IMG SRC=\"LOGO\"> logo");
    grid.SetCellEx(2, 1, "<IMG SRC=\"IDX:3\"> none");

    QCOMPARE(Count(Crop(Shot(grid), grid.CellRect(1, 1)), QColor(20, 60, 200)), 0);
    const QSize plain = grid.GetCellTextSize(1, 1, false, false);
    grid.SetPictureContainer(&container);
    QCOMPARE(grid.PictureContainer(), &container);
    QTRY_COMPARE(Count(Crop(Shot(grid), grid.CellRect(1, 1)), QColor(20, 60, 200)), 24 * 40);
    QCOMPARE(Count(Crop(Shot(grid), grid.CellRect(2, 1)), QColor(20, 60, 200)), 0);
    const QSize sized = grid.GetCellTextSize(1, 1, false, false);
    QVERIFY2(sized.height() >= 40 && sized.height() > plain.height(), qPrintable(QString::number(sized.height())));
    QVERIFY(sized.width() >= plain.width() + 24);

    // A picture named by URL comes from the grid's cache.
    THTMLPicture* cached = grid.ImageCache().AddPicture();
    cached->ID = "http://example.invalid/a.png";
    bytes.seek(0);
    QVERIFY(cached->LoadFromStream(&bytes));
    grid.SetCellEx(3, 1, "<IMG SRC=\"http://example.invalid/a.png\">");
    QTRY_COMPARE(Count(Crop(Shot(grid), grid.CellRect(3, 1)), QColor(20, 60, 200)), 24 * 40);
  }

  // HTML cells with lists, paragraphs, pictures and form controls: saved
  // where KELVRA_HTML_BLOCKS_SHOT points; KELVRA_HTML_SHOW_MS keeps the
  // window up that long for a screen shot.
  void html_blocks_showcase() {
    TZadIrururOziz grid;
    grid.resize(760, 300);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetDefaultColWidth(180);
    grid.SetColWidths(0, 40);
    grid.SetGridDefaultRowHeight(90);
    grid.SetRowHeights(0, 24);
    grid.PaintLook().CellImageList = {Solid(16, 16, QColor(200, 40, 40)), Solid(16, 16, QColor(40, 150, 40))};
    grid.SetColumnHeaders({"", "<b>Lists</b>", "<b>Controls</b>", "<b>Pictures</b>"});
    grid.SetCellEx(1, 1, "<UL><LI>first</LI><LI><b>second</b></LI><UL><LI>nested</LI></UL></UL>");
    grid.SetCellEx(2, 1,
                   "<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"70\" VALUE=\"text\"> "
                   "<CONTROL TYPE=\"CHECK\" ID=\"k\" WIDTH=\"16\" VALUE=\"TRUE\"> on");
    grid.SetCellEx(3, 1, "<IMG SRC=\"IDX:0\"> red <IMG SRC=\"IDX:1\" ALIGN=\"MIDDLE\"> green");
    grid.SetCellEx(1, 2, "<P ALIGN=\"CENTER\">centred</P><P BGCOLOR=\"clYellow\">yellow line</P>");
    grid.SetCellEx(2, 2,
                   "<CONTROL TYPE=\"COMBO\" ID=\"c\" WIDTH=\"80\" VALUE=\"one\"> "
                   "<CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"50\" VALUE=\"Go\">");
    grid.SetCellEx(3, 2, "above<HR>below <IND x=\"120\">at 120");
    grid.SetCellEx(1, 3, "<R a=\"90\">up</R> and <s>struck</s>");
    grid.SetCellEx(2, 3,
                   "<CONTROL TYPE=\"RADIO\" ID=\"r1\" WIDTH=\"16\" VALUE=\"TRUE\"> A "
                   "<CONTROL TYPE=\"RADIO\" ID=\"r2\" WIDTH=\"16\" VALUE=\"FALSE\"> B "
                   "<CONTROL TYPE=\"PASSWORD\" ID=\"p\" WIDTH=\"60\" VALUE=\"secret\">");
    grid.SetCellEx(3, 3, "<A href=\"x\"><IMG SRC=\"IDX:0\"> linked</A> <font color=\"clRed\">red</font>");
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QImage image = grid.grab().toImage();
    // The pictures of the image list are drawn in their cells.
    QVERIFY(Count(Crop(image, grid.CellRect(3, 1)), QColor(200, 40, 40)) >= 16 * 16);
    QVERIFY(Count(Crop(image, grid.CellRect(3, 1)), QColor(40, 150, 40)) >= 16 * 16);
    if (!qEnvironmentVariableIsEmpty("KELVRA_HTML_BLOCKS_SHOT"))
      image.save(qEnvironmentVariable("KELVRA_HTML_BLOCKS_SHOT"));
    if (!qEnvironmentVariableIsEmpty("KELVRA_HTML_SHOW_MS"))
      QTest::qWait(qEnvironmentVariableIntValue("KELVRA_HTML_SHOW_MS"));
  }

  // The grid under a display: saved where KELVRA_GRID_SHOT points.
  void showcase() {
    TZadIrururOziz grid;
    grid.resize(1000, 420);
    grid.SetColCount(8);
    grid.SetRowCount(14);
    grid.SetDefaultColWidth(105);
    grid.SetColWidths(0, 40);
    grid.SetColWidths(7, 190);
    grid.SetGridDefaultRowHeight(24);
    grid.SetRowHeights(0, 60);
    grid.Bands().SetActive(true);
    grid.Bands().SetPrimaryColor(0xF7EFE8);
    grid.Bands().SetSecondaryColor(clWhite);
    grid.SetColumnHeaders({"", "Name", "Value", "Enabled", "Level", "Rating", "Image", "Link"});
    grid.AddRotated(7, 0, 45, "Link");
    grid.SortSettings().Show = true;
    grid.SortSettings().Column = 2;
    grid.SortSettings().Direction = sdDescending;
    grid.PaintLook().URLShow = true;
    grid.PaintLook().AutoNumAlign = true;
    grid.PaintLook().CellImageList = {Solid(16, 16, QColor(220, 60, 60)), Solid(16, 16, QColor(60, 160, 60)),
                                      Solid(16, 16, QColor(60, 90, 220))};
    for (int r = 1; r < 14; ++r) {
      grid.SetCellEx(0, r, QString::number(r));
      grid.SetCellEx(1, r, QString("Meter %1").arg(r));
      grid.SetCellEx(2, r, QString::number(r * 12.5, 'f', 1));
      grid.AddCheckBox(3, r, r % 3 != 0, false);
      grid.GetCellGraphic(3, r)->CellHAlign = haBeforeText;
      grid.SetCellEx(3, r, r % 3 ? "on" : "off");
      TCellGraphic* bar = grid.CreateCellGraphic(4, r);
      bar->CellType = ctProgress;
      bar->CellBitmap = reinterpret_cast<void*>(quintptr(0x32CD32));
      bar->CellIcon = reinterpret_cast<void*>(quintptr(clWhite));
      bar->CellErrLen = 100;
      grid.SetCellEx(4, r, QString::number(r * 7 % 101));
      TCellGraphic* stars = grid.CreateCellGraphic(5, r);
      stars->CellType = ctRating;
      stars->CellAngle = 5;
      stars->CellBitmap = reinterpret_cast<void*>(quintptr(0xD0D0D0));
      stars->CellIndex = int(0x00A5FF);
      stars->CellHAlign = haFull;
      grid.SetCellEx(5, r, QString::number((r % 11) / 2.0));
      TCellGraphic* image = grid.CreateCellGraphic(6, r);
      image->CellType = ctImageList;
      image->CellIndex = r % 3;
      image->CellHAlign = haBeforeText;
      grid.SetCellEx(6, r, QString("image %1").arg(r % 3));
      grid.SetCellEx(7, r, QString("http://gw%1.local/status").arg(r));
    }
    grid.AddButton(1, 12, 70, 20, "Details", haRight, vaCenter);
    // A glyph's first pixel names its see-through colour.
    static QImage glyph = Solid(12, 12, Qt::white);
    for (int y = 2; y < 10; ++y)
      for (int x = 2; x < 10; ++x) glyph.setPixelColor(x, y, QColor(40, 120, 220));
    grid.ControlLook().SetNoDisabledButtonLook(true);
    TCellGraphic* bit = grid.CreateCellGraphic(2, 12);
    bit->SetButton(96, 20, "Read", haCenter, vaCenter);
    bit->CellType = ctBitButton;
    bit->CellBitmap = &glyph;
    TCellGraphic* node = grid.CreateCellGraphic(1, 13);
    node->CellType = ctNode;
    node->CellBoolean = true;
    grid.MergeCells(1, 9, 2, 2);
    grid.SetCellEx(1, 9, "merged block");
    grid.GetCellProperties(1, 9)->SetBrushColor(0xCCFFFF);
    grid.SetShowModifiedEnabled(true);
    grid.SetRowModified(3, true);
    grid.SetSelection(TGridRect{1, 5, 2, 6});
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QImage image = grid.grab().toImage();
    QVERIFY(!image.isNull());
    if (!qEnvironmentVariableIsEmpty("KELVRA_GRID_SHOT")) image.save(qEnvironmentVariable("KELVRA_GRID_SHOT"));
  }
};

QTEST_MAIN(GridPainting2Test)
#include "grid_painting2_test.moc"
