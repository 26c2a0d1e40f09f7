// Indicator, note and custom cells painted: the cell scroll bar and the text
// it scrolls, the marker zigzag, interfaced objects drawing themselves (over
// or under the text), a check box's balloon and an expand cell's state.
// CUSTOM_CELLS_SHOT=<file> saves a grid with every kind for looking at.
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"

namespace {

constexpr TColor kFill = 0x00FFFF;  // yellow

// An interfaced test object: reports what it was told and fills its
// rectangle.
class Test_Object : public TInterfacedPersistent, public TCellInterface {
 public:
  Test_Object(int width, int height, bool before_text) : width_(width), height_(height), before_(before_text) {}
  void Draw(TCanvas& Canvas, const TRect& R, int ACol, int ARow, bool Selected, TZadIrururOziz* Grid) override {
    Rect = R;
    Col = ACol;
    Row = ARow;
    WasSelected = Selected;
    Drawn_By = Grid;
    ++Draws;
    Canvas.Brush.Color = kFill;
    Canvas.Brush.Style = TBrushStyle::bsSolid;
    Canvas.Fill_Rect(R);
  }
  int GetWidth() override { return width_; }
  int GetHeight() override { return height_; }
  bool DrawBeforeText() override { return before_; }

  TRect Rect;
  int Col = -1, Row = -1, Draws = 0;
  bool WasSelected = false;
  TZadIrururOziz* Drawn_By = nullptr;

 private:
  int width_, height_;
  bool before_;
};

// Six columns of 100 pixels, rows of 22, white, one fixed row and column.
void Setup(TZadIrururOziz& grid) {
  grid.resize(640, 260);
  grid.SetColCount(6);
  grid.SetRowCount(8);
  grid.SetDefaultColWidth(100);
  grid.SetGridDefaultRowHeight(22);
  grid.SetColor(clWhite);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
}

QImage Shot(TZadIrururOziz& grid) { return grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

QImage Crop(const QImage& image, const TRect& r) { return image.copy(r.To_QRect()); }

int Count_Where(const QImage& image, const std::function<bool(QRgb)>& test) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (test(image.pixel(x, y))) ++n;
  return n;
}

bool Dark(QRgb p) { return qGray(p) < 100; }

const QString kFiveLines = "one\r\ntwo\r\nthree\r\nfour\r\nfive";

}  // namespace

class CustomCellsPaintTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // A bar in the right strip while the page is below the range; none when
  // it is not.
  void Scroll_Bar_Only_When_The_Page_Is_Below_The_Range() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.PaintLook().Multilinecells = true;
    grid.SetRowHeights(2, 60);  // room for the thumb between the arrows
    grid.SetCellEx(2, 2, kFiveLines);
    grid.AddScrollBar(2, 2, true);
    grid.SetCellEx(2, 3, "x");
    grid.AddScrollBar(2, 3, false);
    grid.SetScrollProp(2, 3, TScrollProp{40, 40});
    const QImage shot = Shot(grid);
    const int bar = grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &grid);
    const TRect scrolled = grid.CellRect(2, 2), still = grid.CellRect(2, 3);
    // Inside the grid lines at the right and bottom.
    const QImage strip =
        Crop(shot, TRect{scrolled.Right - 1 - bar, scrolled.Top, scrolled.Right - 1, scrolled.Bottom - 1});
    QVERIFY(Count_Where(strip, [](QRgb p) { return p != qRgb(255, 255, 255); }) > strip.width() * 4);
    // Nothing of the bar covers the cell's grid line.
    const QRgb line = shot.pixel(still.Right - 1, still.Top + 5);
    const QImage edge = Crop(shot, TRect{scrolled.Right - 1, scrolled.Top + 1, scrolled.Right, scrolled.Bottom - 1});
    QCOMPARE(Count_Where(edge, [&](QRgb p) { return p != line; }), 0);
    const QImage empty = Crop(shot, TRect{still.Right - 1 - bar, still.Top, still.Right - 1, still.Bottom - 1});
    QCOMPARE(Count_Where(empty, [](QRgb p) { return p != qRgb(255, 255, 255); }), 0);
  }

  // Position 10 paints the text 10 pixels higher, cut at the cell: what a
  // tall row shows from 10 pixels down, the scrolled 22-pixel row shows at
  // its top.
  void Scroll_Position_Moves_The_Text_Up() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.PaintLook().Multilinecells = true;
    grid.SetRowHeights(2, 60);
    for (int r = 2; r <= 3; ++r) {
      grid.SetCellEx(2, r, kFiveLines);
      grid.AddScrollBar(2, r, true);
    }
    grid.SetScrollPosition(2, 3, 10);
    const QImage shot = Shot(grid);
    const int bar = grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &grid);
    const TRect tall = grid.CellRect(2, 2), scrolled = grid.CellRect(2, 3);
    const int width = scrolled.Width() - 2 - bar;
    // The painter's rectangle lies 1 pixel inside the cell.
    const int height = scrolled.Height() - 2;
    const QImage moved = shot.copy(scrolled.Left + 1, scrolled.Top + 1, width, height);
    const QImage reference = shot.copy(tall.Left + 1, tall.Top + 1 + 10, width, height);
    QVERIFY(Count_Where(moved, Dark) > 0);
    QCOMPARE(moved, reference);
  }

  // "abcdef" marked from 2 for 3: red under "cde" only.
  void Marker_Under_The_Marked_Characters() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetCellEx(2, 2, "abcdef");
    grid.AddMarker(2, 2, 2, 3);
    grid.SetCellEx(3, 2, "abcdef");
    grid.AddZadProgress(3, 3, 0, 100);
    grid.AddMarker(3, 3, 2, 3);
    const QImage shot = Shot(grid);
    const QFontMetrics fm(grid.GridFont());
    const int text_left = grid.CellRect(2, 2).Left + grid.XYOffset().x();
    const int c_left = text_left + fm.horizontalAdvance("ab");
    const int e_right = text_left + fm.horizontalAdvance("abcde");
    int min_x = 1 << 20, max_x = -1, reds = 0;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x)
        if (shot.pixel(x, y) == qRgb(255, 0, 0)) {
          ++reds;
          min_x = std::min(min_x, x);
          max_x = std::max(max_x, x);
          QVERIFY(grid.CellRect(2, 2).To_QRect().contains(x, y));
        }
    QVERIFY(reds > 0);
    QVERIFY2(std::abs(min_x - c_left) <= 1, qPrintable(QString("%1 vs %2").arg(min_x).arg(c_left)));
    QVERIFY2(max_x <= e_right, qPrintable(QString("%1 vs %2").arg(max_x).arg(e_right)));
  }

  // A marker given to a themed progress bar and taken from every cell again
  // leaves its limits, so it paints as before.
  void Marker_Leaves_A_Themed_Progress_Painted_As_Before() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.SetCellEx(2, 2, "40");
    grid.AddZadProgress(2, 2, 0, 100);
    const QImage before = Crop(Shot(grid), grid.CellRect(2, 2));
    grid.AddMarker(2, 2, 0, 3);
    QCOMPARE(Crop(Shot(grid), grid.CellRect(2, 2)), before);
    grid.RemoveAllMarkers();
    QCOMPARE(Crop(Shot(grid), grid.CellRect(2, 2)), before);
    QCOMPARE(grid.GetCellType(2, 2), ctXPProgress);
  }

  // The object is told its rectangle (the painter's cell rectangle, inside
  // the grid lines, grown by 1 at the left and top: from the cell's corner to
  // its grid lines), the selection, the storage column and row, and paints
  // there.
  void Interfaced_Object_Paints_In_Its_Cell() {
    TZadIrururOziz grid;
    Setup(grid);
    Test_Object object(30, 10, false), selected(30, 10, false);
    grid.AddInterfacedCell(2, 3, &object);
    grid.AddInterfacedCell(3, 1, &selected);
    grid.SetSelection(TGridRect{3, 1, 3, 1});
    const QImage shot = Shot(grid);
    QVERIFY(object.Draws > 0);
    const TRect cell = grid.CellRect(2, 3);
    QCOMPARE(object.Rect.To_QRect(), (TRect{cell.Left, cell.Top, cell.Right - 1, cell.Bottom - 1}.To_QRect()));
    QCOMPARE(object.Col, 2);
    QCOMPARE(object.Row, 3);
    QCOMPARE(object.Drawn_By, &grid);
    QVERIFY(!object.WasSelected);
    QVERIFY(selected.WasSelected);
    const QImage inside = Crop(shot, object.Rect);
    QCOMPARE(Count_Where(inside, [](QRgb p) { return p == qRgb(255, 255, 0); }), inside.width() * inside.height());
  }

  // Drawn after the text the object covers it; asked to go first it lies
  // under the text.
  void Interfaced_Object_Before_The_Text() {
    TZadIrururOziz grid;
    Setup(grid);
    Test_Object over(30, 10, false), under(30, 10, true);
    grid.SetCellEx(2, 2, "WWWW");
    grid.AddInterfacedCell(2, 2, &over);
    grid.SetCellEx(2, 3, "WWWW");
    grid.AddInterfacedCell(2, 3, &under);
    const QImage shot = Shot(grid);
    QCOMPARE(Count_Where(Crop(shot, grid.CellRect(2, 2)), Dark), 0);
    const QImage below = Crop(shot, grid.CellRect(2, 3));
    QVERIFY(Count_Where(below, Dark) > 0);
    QVERIFY(Count_Where(below, [](QRgb p) { return p == qRgb(255, 255, 0); }) > below.width() * below.height() / 2);
  }

  void Interfaced_Object_Size() {
    TZadIrururOziz grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetDefaultColWidth(90);
    grid.SetGridDefaultRowHeight(24);
    Test_Object sized(30, 10, false), no_width(0, 10, false);
    TInterfacedPersistent no_face;
    grid.AddInterfacedCell(1, 1, &sized);
    grid.AddInterfacedCell(1, 2, &no_width);
    grid.AddInterfacedCell(1, 3, &no_face);
    QCOMPARE(grid.GetCellGraphicSize(1, 1), QPoint(30, 10));
    QCOMPARE(grid.GetCellGraphicSize(1, 2), QPoint(90, 24));
    QCOMPARE(grid.GetCellGraphicSize(1, 3), QPoint(90, 24));
  }

  // A balloon on a check box changes nothing of how it is painted.
  void Check_Box_With_Balloon_Paints_As_Without() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.AddCheckBox(2, 2, false, false);
    grid.AddCheckBox(2, 3, false, false);
    grid.AddBalloon(2, 3, "Title", "Text", biInfo);
    const QImage shot = Shot(grid);
    QCOMPARE(Crop(shot, grid.CellRect(2, 3)), Crop(shot, grid.CellRect(2, 2)));
  }

  void Expand_Chevron_Follows_The_State() {
    TZadIrururOziz grid;
    Setup(grid);
    grid.AddExpand(2, 2, 60);
    grid.AddExpand(2, 3, 60);
    grid.ToggleExpand(grid.DisplColIndex(2), 3);
    const QImage shot = Shot(grid);
    QVERIFY(Crop(shot, grid.CellRect(2, 2)) != Crop(shot, grid.CellRect(2, 3)));
  }

  // Not a check: a picture of every kind for a person to look at.
  void Every_Kind_Shot() {
    const QByteArray file = qgetenv("CUSTOM_CELLS_SHOT");
    if (file.isEmpty()) QSKIP("CUSTOM_CELLS_SHOT not set");
    TZadIrururOziz grid;
    grid.resize(760, 330);
    grid.SetColCount(4);
    grid.SetRowCount(8);
    grid.SetDefaultColWidth(180);
    grid.SetColWidths(0, 120);
    grid.SetGridDefaultRowHeight(36);
    grid.SetColor(clWhite);
    grid.PaintLook().Multilinecells = true;
    const char* names[] = {"",       "progress",  "pie, range", "rating, shape", "comment, balloon", "expand, scroll",
                           "marker", "interfaced"};
    for (int r = 1; r < 8; ++r) grid.SetCellEx(0, r, names[r]);
    grid.SetCellEx(1, 1, "40");
    grid.AddProgress(1, 1, 0x00A000, clWhite);
    grid.SetCellEx(2, 1, "70");
    grid.AddProgressFormatted(2, 1, clNavy, clWhite, clSilver, clBlack, "%.0f of 100", 0, 100);
    grid.SetCellEx(3, 1, "55");
    grid.AddZadProgress(3, 1, 0, 100);
    grid.SetCellEx(1, 2, "pie 65 %");
    grid.AddProgressPie(1, 2, clRed, 65);
    grid.SetCellEx(2, 2, "-30");
    grid.AddRangeIndicator(2, 2, 100, clRed, clGreen, true);
    grid.SetCellEx(3, 2, "60");
    grid.AddRangeIndicator(3, 2, 100, clRed, clGreen, true);
    grid.SetCellEx(1, 3, "3.5");
    grid.AddRating(1, 3, 5, 0x00C0FF, clSilver);
    grid.AddShape(2, 3, csDiamond, clBlue, clBlack, haCenter, vaCenter);
    grid.AddShape(3, 3, csStar, clYellow, clMaroon, haLeft, vaCenter);
    grid.SetCellEx(1, 4, "commented");
    grid.AddComment(1, 4, "a comment");
    grid.SetCellEx(2, 4, "blue comment");
    grid.AddColorComment(2, 4, "blue", clBlue);
    grid.SetCellEx(3, 4, "balloon");
    grid.AddBalloon(3, 4, "Title", "Text", biInfo);
    grid.SetCellEx(1, 5, "expand me");
    grid.AddExpand(1, 5, 80);
    grid.SetCellEx(2, 5, kFiveLines);
    grid.AddScrollBar(2, 5, true);
    grid.SetCellEx(3, 5, kFiveLines);
    grid.AddScrollBar(3, 5, true);
    grid.SetScrollPosition(3, 5, 30);
    grid.SetCellEx(1, 6, "abcdef");
    grid.AddMarker(1, 6, 2, 3);
    grid.SetCellEx(2, 6, "misspeled word");
    grid.AddMarker(2, 6, 0, 9);
    Test_Object over(30, 10, false), under(60, 20, true);
    grid.AddInterfacedCell(1, 7, &over);
    grid.SetCellEx(2, 7, "text over it");
    grid.AddInterfacedCell(2, 7, &under);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QVERIFY(grid.grab().save(QString::fromLocal8Bit(file)));
  }
};

QTEST_MAIN(CustomCellsPaintTest)
#include "custom_cells_paint_test.moc"
