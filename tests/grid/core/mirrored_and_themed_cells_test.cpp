// Cells of a grid read right to left (text, check box, bitmap and sort
// glyph from the mirrored side), the themed progress bar and the list-view
// header face, drawn through a scripted theme so that each part shows as a
// colour of its own.
#include <QPainter>
#include <QtTest>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/theme/theme_api.h"

namespace {

const QRgb kBar = qRgb(0, 0, 255) & 0xFFFFFF;
const QRgb kChunk = qRgb(255, 0, 0) & 0xFFFFFF;
const QRgb kHeaderEnd = qRgb(0, 160, 0) & 0xFFFFFF;
const QRgb kHeaderHot = qRgb(0, 0, 160) & 0xFFFFFF;
const QRgb kHeaderPressed = qRgb(160, 0, 0) & 0xFFFFFF;

// Fills each part it knows with its colour.
class Scripted_Theme : public Theme_Backend {
 public:
  bool Is_Theme_Active() const override { return true; }
  QString Color_Scheme_Name() const override { return {}; }
  bool Draw_Part(QPainter& painter, const QObject*, const QString& class_name, int part, int state,
                 const QRect& rect) const override {
    QRgb colour = 0;
    if (class_name == QLatin1String(kThemeProgress) && part == PP_BAR)
      colour = kBar;
    else if (class_name == QLatin1String(kThemeProgress) && part == PP_CHUNK)
      colour = kChunk;
    else if (class_name == QLatin1String(kThemeHeader) && part == HP_HEADERITEMRIGHT && state == HIS_NORMAL)
      colour = kHeaderEnd;
    else if (class_name == QLatin1String(kThemeHeader) && part == HP_HEADERITEM && state == HIS_HOT)
      colour = kHeaderHot;
    else if (class_name == QLatin1String(kThemeHeader) && part == HP_HEADERITEM && state == HIS_PRESSED)
      colour = kHeaderPressed;
    else
      return false;
    painter.fillRect(rect, QColor::fromRgb(colour));
    return true;
  }
};

Scripted_Theme& Theme() {
  static Scripted_Theme theme;
  return theme;
}

void Themes_On(bool on) {
  UnloadThemeApi();
  Install_Theme_Backend(on ? &Theme() : nullptr);
  LoadThemeApi();
}

void Setup(TZadIrururOziz& grid) {
  grid.resize(520, 220);
  grid.SetColCount(5);
  grid.SetRowCount(6);
  grid.SetDefaultColWidth(100);
  grid.SetGridDefaultRowHeight(24);
  grid.SetColor(clWhite);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
}

QImage Shot(TZadIrururOziz& grid) {
  grid.RepaintAll();
  return grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The smallest rectangle inside r holding the pixels the test accepts.
QRect Box(const QImage& image, const QRect& r, const std::function<bool(QRgb)>& test) {
  QRect box;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (test(image.pixel(x, y) & 0xFFFFFF)) box |= QRect(x, y, 1, 1);
  return box;
}

QRgb Rgb(TColor c) { return To_QColor(c).rgb() & 0xFFFFFF; }

}  // namespace

class MirroredAndThemedCellsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void cleanup() { Themes_On(false); }

  // Each kind is painted left to right and right to left; what it draws in
  // the cell (inside a 3-pixel margin, clear of the grid lines) lies at the
  // mirrored place the second time.
  void right_to_left_mirrors_the_cell_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("tolerance");
    QTest::newRow("text") << "text" << 2;  // letters keep their own shapes
    // The box's light edge is the background's colour: its ink is one
    // pixel narrower on that side.
    QTest::newRow("check box") << "check" << 1;
    QTest::newRow("bitmap") << "bitmap" << 0;
    QTest::newRow("sort glyph") << "sort" << 1;  // drawn about a centre point
  }
  void right_to_left_mirrors_the_cell() {
    QFETCH(QString, kind);
    QFETCH(int, tolerance);
    TZadIrururOziz grid;
    grid.SetLook(glClassic);
    grid.SetFixedColor(clYellow);
    Setup(grid);
    QImage bitmap(8, 8, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    int col = 2, row = 2;
    QRgb background = Rgb(clWhite);
    if (kind == "text") {
      grid.SetCellEx(col, row, "ab");
    } else if (kind == "check") {
      grid.AddCheckBox(col, row, true, false);
    } else if (kind == "bitmap") {
      grid.AddBitmap(col, row, &bitmap, false, haLeft, vaTop);
    } else {
      row = 0;
      background = Rgb(clYellow);
      grid.SortSettings().Show = true;
      grid.SortSettings().Row = 0;
      grid.SortSettings().Column = col;
    }
    const TRect cell = grid.CellRect(col, row);
    const QRect inside = cell.To_QRect().adjusted(3, 3, -3, -3);
    auto ink = [&](QRgb p) { return p != background; };

    const QRect ltr = Box(Shot(grid), inside, ink);
    grid.setLayoutDirection(Qt::RightToLeft);
    const QRect rtl = Box(Shot(grid), inside, ink);
    QVERIFY(!ltr.isEmpty());
    QCOMPARE(rtl.top(), ltr.top());
    QCOMPARE(rtl.height(), ltr.height());
    // A fixed cell's content ends 1 pixel before its right edge.
    const int axis = cell.Left + cell.Right - 1 - (row < grid.FixedRows() ? 1 : 0);
    QVERIFY2(std::abs(rtl.right() - (axis - ltr.left())) <= tolerance,
             qPrintable(QString("ltr %1..%2 rtl %3..%4").arg(ltr.left()).arg(ltr.right()).arg(rtl.left()).arg(rtl.right())));
    QVERIFY(std::abs(rtl.left() - (axis - ltr.right())) <= tolerance);
    QVERIFY(rtl.left() > (cell.Left + cell.Right) / 2);
    if (kind == "text") {
      // Left-aligned text ends at the cell's right inset.
      const int inset = cell.Right - 1 - grid.GridLineWidth() - grid.XYOffset().x();
      QVERIFY(std::abs(rtl.right() - inset) <= 2);
    }
  }

  // The bar part inside the progress margins, the chunk 2 pixels inside it
  // cut to the value; with the facade off the classic bar in its colour.
  void themed_progress() {
    Themes_On(true);
    TZadIrururOziz grid;
    Setup(grid);
    grid.ControlLook().SetControlStyle(csTheme);
    grid.ControlLook().SetProgressXP(true);
    grid.AddProgress(2, 2, clLime, clWhite);
    grid.SetCellEx(2, 2, "50");
    const TRect cell = grid.CellRect(2, 2);
    QImage image = Shot(grid);
    const QRect bar = Box(image, cell.To_QRect(), [](QRgb p) { return p == kBar || p == kChunk; });
    const QRect chunk = Box(image, cell.To_QRect(), [](QRgb p) { return p == kChunk; });
    const int mx = grid.ControlLook().ProgressMarginX(), my = grid.ControlLook().ProgressMarginY();
    const int lw = grid.GridLineWidth();
    QCOMPARE(bar.left(), cell.Left + lw + mx);
    QCOMPARE(bar.top(), cell.Top + lw + my);
    QCOMPARE(chunk.left(), bar.left() + 2);
    QCOMPARE(chunk.top(), bar.top() + 2);
    QCOMPARE(chunk.height(), bar.height() - 4);
    QCOMPARE(chunk.width(), (bar.width() - 4) / 2);
    QCOMPARE(Box(image, cell.To_QRect(), [](QRgb p) { return p == Rgb(clLime); }), QRect());

    // Values past the ends are cut to an empty or a full chunk.
    grid.SetCellEx(2, 2, "250");
    image = Shot(grid);
    QCOMPARE(Box(image, cell.To_QRect(), [](QRgb p) { return p == kChunk; }).width(), bar.width() - 4);

    // ProgressXP off, or the facade off: the classic bar.
    grid.ControlLook().SetProgressXP(false);
    image = Shot(grid);
    QVERIFY(Box(image, cell.To_QRect(), [](QRgb p) { return p == kBar; }).isEmpty());
    QVERIFY(!Box(image, cell.To_QRect(), [](QRgb p) { return p == Rgb(clLime); }).isEmpty());
    grid.ControlLook().SetProgressXP(true);
    Themes_On(false);
    image = Shot(grid);
    QVERIFY(Box(image, cell.To_QRect(), [](QRgb p) { return p == kBar || p == kChunk; }).isEmpty());
    QVERIFY(!Box(image, cell.To_QRect(), [](QRgb p) { return p == Rgb(clLime); }).isEmpty());
  }

  // Fixed cells of the list-view look: the header's right-end item with a
  // white top line, the hot item under the mouse; a button face without
  // themes.
  void list_view_header_cells() {
    Themes_On(true);
    TZadIrururOziz grid;
    grid.SetLook(glListView);
    grid.SetFixedColor(clYellow);
    Setup(grid);
    const TRect head = grid.CellRect(2, 0);
    const QPoint middle((head.Left + head.Right) / 2, (head.Top + head.Bottom) / 2);
    QImage image = Shot(grid);
    QCOMPARE(image.pixel(middle) & 0xFFFFFF, kHeaderEnd);
    QCOMPARE(image.pixel(middle.x(), head.Top) & 0xFFFFFF, Rgb(clWhite));
    QCOMPARE(image.pixel(middle.x(), head.Top + 1) & 0xFFFFFF, kHeaderEnd);
    // The fixed column's cells too.
    const TRect side = grid.CellRect(0, 3);
    QCOMPARE(image.pixel((side.Left + side.Right) / 2, side.Top + 5) & 0xFFFFFF, kHeaderEnd);

    QTest::mouseMove(grid.viewport(), middle);
    QTRY_COMPARE(grid.HotFixedCell(), QPoint(2, 0));
    image = Shot(grid);
    QCOMPARE(image.pixel(middle) & 0xFFFFFF, kHeaderHot);
    QCOMPARE(image.pixel((side.Left + side.Right) / 2, side.Top + 5) & 0xFFFFFF, kHeaderEnd);
    // Pressed while the button is held, hot again after the release.
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, middle);
    QCOMPARE(Shot(grid).pixel(middle) & 0xFFFFFF, kHeaderPressed);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, middle);
    QCOMPARE(Shot(grid).pixel(middle) & 0xFFFFFF, kHeaderHot);

    Themes_On(false);
    image = Shot(grid);
    QCOMPARE(image.pixel(middle) & 0xFFFFFF, Rgb(clBtnFace));
    QCOMPARE(image.pixel(middle.x(), head.Top + 1) & 0xFFFFFF, Rgb(clBtnFace));
    // Flat grids keep their own fixed look.
    grid.SetFlat(true);
    image = Shot(grid);
    QVERIFY((image.pixel(middle) & 0xFFFFFF) != Rgb(clBtnFace));
  }
};

QTEST_MAIN(MirroredAndThemedCellsTest)
#include "mirrored_and_themed_cells_test.moc"
