// Bitmap, icon, picture and file-picture cells: who owns the graphic, the
// queries answering only for their own kind, and where a picture paints
// (at its size, stretched, or not at all when its file cannot be read).
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "grid/core/cell_picture.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/store/file_picture.h"

namespace {

void Setup(TZadIrururOziz& grid) {
  grid.resize(500, 240);
  grid.SetColCount(5);
  grid.SetRowCount(6);
  grid.SetDefaultColWidth(90);
  grid.SetGridDefaultRowHeight(30);
  grid.SetColor(clWhite);
  grid.show();
  QVERIFY(QTest::qWaitForWindowExposed(&grid));
}

QImage Shot(TZadIrururOziz& grid) {
  grid.RepaintAll();
  return grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The smallest rectangle holding every pixel of the colour inside r, and
// how many there are.
struct Found {
  QRect box;
  int count = 0;
};
Found Find(const QImage& image, const TRect& r, QRgb colour) {
  Found f;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
        f.box |= QRect(x, y, 1, 1);
        ++f.count;
      }
  return f;
}

QImage Solid(int w, int h, Qt::GlobalColor colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

const QRgb kRed = qRgb(255, 0, 0);

}  // namespace

class PictureCellsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // What Create makes goes with the object; what Add is given stays the
  // caller's (a picture on the stack would crash a grid that freed it).
  void ownership_and_kind_queries() {
    TZadIrururOziz grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);

    TPicture* made = grid.CreatePicture(1, 1, false, noStretch, 0, haLeft, vaTop);
    QVERIFY(made);
    QCOMPARE(grid.GetPicture(1, 1), made);
    QVERIFY(grid.HasPicture(1, 1));
    grid.RemovePicture(1, 1);
    QCOMPARE(grid.GetCellType(1, 1), ctEmpty);

    TPicture mine(Solid(4, 4, Qt::red));
    grid.AddPicture(1, 1, &mine, false, noStretch, 0, haLeft, vaTop);
    QCOMPARE(grid.GetPicture(1, 1), &mine);
    grid.RemovePicture(1, 1);
    QCOMPARE(mine.Width(), 4);  // still the caller's, still whole

    // A picture made for the cell is freed when another replaces it.
    grid.CreatePicture(2, 2, false, Stretch, 0, haLeft, vaTop)->SetGraphic(Solid(3, 3, Qt::red));
    grid.AddPicture(2, 2, &mine, false, noStretch, 0, haLeft, vaTop);
    QCOMPARE(grid.GetPicture(2, 2), &mine);
    grid.RemovePicture(2, 2);

    // Each query answers only for its own kind; Remove leaves other kinds.
    QImage bitmap = Solid(5, 5, Qt::blue);
    grid.AddBitmap(3, 1, &bitmap, false, haLeft, vaTop);
    QCOMPARE(grid.GetBitmap(3, 1), &bitmap);
    QVERIFY(grid.HasBitmap(3, 1));
    QCOMPARE(grid.GetPicture(3, 1), nullptr);
    QCOMPARE(grid.GetFilePicture(3, 1), nullptr);
    grid.RemovePicture(3, 1);
    grid.RemoveIcon(3, 1);
    QCOMPARE(grid.GetCellType(3, 1), ctBitmap);
    grid.RemoveBitmap(3, 1);
    QVERIFY(!grid.HasBitmap(3, 1));
    QCOMPARE(bitmap.width(), 5);

    QImage* made_bitmap = grid.CreateBitmap(0, 3, true, haLeft, vaTop);
    *made_bitmap = Solid(6, 6, Qt::green);
    QCOMPARE(grid.GetBitmap(0, 3), made_bitmap);
    QImage* icon = grid.CreateIcon(1, 3, haLeft, vaTop);
    QCOMPARE(grid.GetCellType(1, 3), ctIcon);
    QCOMPARE(grid.GetBitmap(1, 3), nullptr);
    *icon = Solid(2, 2, Qt::green);
    TFilePicture* file = grid.CreateFilePicture(2, 3, false, noStretch, 0, haLeft, vaTop);
    QCOMPARE(grid.GetFilePicture(2, 3), file);
    QCOMPARE(grid.GetPicture(2, 3), nullptr);
    grid.RemoveFilePicture(2, 3);
    QCOMPARE(grid.GetCellType(2, 3), ctEmpty);
    // The made bitmap and icon go with the grid.
  }

  // A red 20 x 10 picture at the top-left without stretching paints red
  // exactly there; stretched it fills the object rectangle.
  void picture_placed_and_stretched() {
    TZadIrururOziz grid;
    Setup(grid);
    TPicture red(Solid(20, 10, Qt::red));
    grid.AddPicture(2, 3, &red, false, noStretch, 0, haLeft, vaTop);
    const QPoint xy = grid.XYOffset();
    const int lw = grid.GridLineWidth();
    const TRect cell = grid.CellRect(2, 3);
    QImage image = Shot(grid);
    Found f = Find(image, cell, kRed);
    QCOMPARE(f.box, QRect(cell.Left + lw + xy.x(), cell.Top + lw + xy.y(), 20, 10));
    QCOMPARE(f.count, 200);

    grid.AddPicture(2, 3, &red, false, Stretch, 0, haLeft, vaTop);
    image = Shot(grid);
    f = Find(image, cell, kRed);
    // The room a stretched picture takes: the cell less the offsets.
    const QSize room(cell.Width() - 2 * xy.x() - 1, cell.Height() - 2 * xy.y() - 1);
    QCOMPARE(f.box, QRect(QPoint(cell.Left + lw + xy.x(), cell.Top + lw + xy.y()), room));
    QCOMPARE(f.count, room.width() * room.height());
  }

  // A file picture reads its file at every paint: one that is missing, or
  // went away after it was named, paints nothing and raises nothing.
  void file_picture_without_its_file_paints_nothing() {
    TZadIrururOziz grid;
    Setup(grid);
    QTemporaryDir dir;
    const QString name = dir.filePath("red.png");
    QVERIFY(Solid(12, 8, Qt::red).save(name));

    TFilePicture* file = grid.CreateFilePicture(2, 2, false, noStretch, 0, haLeft, vaTop);
    file->SetFilename(name);
    const TRect cell = grid.CellRect(2, 2);
    QCOMPARE(Find(Shot(grid), cell, kRed).count, 12 * 8);

    QVERIFY(QFile::remove(name));
    QCOMPARE(Find(Shot(grid), cell, kRed).count, 0);

    TFilePicture missing;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, missing.SetFilename(dir.filePath("none.png")));
    grid.AddFilePicture(3, 2, &missing, false, Stretch, 0, haLeft, vaTop);
    const QImage image = Shot(grid);
    QCOMPARE(Find(image, grid.CellRect(3, 2), kRed).count, 0);
  }
};

QTEST_MAIN(PictureCellsTest)
#include "picture_cells_test.moc"
