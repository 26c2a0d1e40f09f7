// The grid's binary cell format end to end: placement of a block read at a
// point, full grids, cell objects, damaged streams, the 16-bit limit, files
// and a clipboard copy pasted into another grid.
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QtTest>

#include "grid/binfmt/bin_cell_carriers.h"
#include "grid/core/cell_picture.h"
#include "grid/core/zad_irurur_oziz.h"
#include "grid/dragdrop/drop_formats.h"
#include "grid/store/file_picture.h"
#include "grid/store/int_list.h"
#include "support/temp_dir.h"

namespace {

void Setup(TZadIrururOziz& grid, int cols, int rows, int fixed = 0) {
  grid.SetColCount(cols);
  grid.SetRowCount(rows);
  grid.SetFixedRows(fixed);
  grid.SetFixedCols(fixed);
}

QByteArray Saved(TZadIrururOziz& grid, const TGridRect& rect) {
  QByteArray bytes;
  grid.SaveRectToBinStream(rect, bytes);
  return bytes;
}

// The class names of the carriers in a stream, for checking its sequence.
QStringList Carrier_Classes(const QByteArray& bytes) {
  QStringList classes;
  for (qsizetype at = bytes.indexOf("ZGC1"); at >= 0; at = bytes.indexOf("ZGC1", at + 4))
    classes << QString::fromLatin1(bytes.mid(at + 5, uchar(bytes[at + 4])));
  return classes;
}

// Records where MarkRowsModified was told a pasted block came from.
class Marking_Grid : public TZadIrururOziz {
 public:
  void MarkRowsModified(QPoint FromPoint, const TGridRect& Rect, TClipOperation Operation) override {
    marks << FromPoint;
    TZadIrururOziz::MarkRowsModified(FromPoint, Rect, Operation);
  }
  QList<QPoint> marks;
};

}  // namespace

class GridBinCellsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void empty_cells_are_header_and_one_cell_carrier_each() {
    TZadIrururOziz grid;
    Setup(grid, 4, 4);
    const QByteArray bytes = Saved(grid, TGridRect{1, 1, 2, 2});
    QCOMPARE(Carrier_Classes(bytes),
             QStringList({"TGridPropIO", "TGridCellIO", "TGridCellIO", "TGridCellIO", "TGridCellIO"}));
    QVERIFY(!bytes.contains("Cell\x06"));
    grid_binfmt::Carrier_Reader in(bytes, 0);
    const grid_binfmt::Grid_Header header = grid_binfmt::Read_Header(in);
    QCOMPARE(header.ColCount, 2);
    QCOMPARE(header.RowCount, 2);
    QVERIFY(!header.FullGrid);
    QCOMPARE(header.ID, grid.BinStreamID());
    const grid_binfmt::Cell_Record last[] = {grid_binfmt::Read_Cell(in), grid_binfmt::Read_Cell(in),
                                             grid_binfmt::Read_Cell(in), grid_binfmt::Read_Cell(in)};
    QCOMPARE(last[3].Col, 2);
    QCOMPARE(last[3].Row, 2);
    QVERIFY(!last[3].HasProp);
  }

  void a_block_read_at_a_point_moves_there() {
    TZadIrururOziz source;
    Setup(source, 6, 8);
    for (int r = 5; r <= 6; ++r)
      for (int c = 3; c <= 4; ++c) {
        source.SetCellEx(c, r, QStringLiteral("%1/%2").arg(c).arg(r));
        source.GetCellProperties(c, r)->SetFontColor(TColor(c * 16 + r));
      }
    const QByteArray bytes = Saved(source, TGridRect{3, 5, 4, 6});
    TZadIrururOziz target;
    Setup(target, 14, 5, 1);
    target.SetCellEx(0, 0, QStringLiteral("kept"));
    QCOMPARE(target.LoadAtPointFromBinStream(QPoint(10, 1), bytes), bytes.size());
    QCOMPARE(target.GetCellEx(10, 1), QStringLiteral("3/5"));
    QCOMPARE(target.GetCellEx(11, 1), QStringLiteral("4/5"));
    QCOMPARE(target.GetCellEx(10, 2), QStringLiteral("3/6"));
    QCOMPARE(target.GetCellEx(11, 2), QStringLiteral("4/6"));
    QCOMPARE(target.GetCellProperties(11, 2)->FontColor(), TColor(4 * 16 + 6));
    QCOMPARE(target.GetCellProperties(11, 2)->OwnerCol(), 11);
    QCOMPARE(target.GetCellEx(0, 0), QStringLiteral("kept"));
    QCOMPARE(target.ColCount(), 14);

    // Cells that would fall outside a grid are left out, not written past it.
    TZadIrururOziz small;
    Setup(small, 3, 3);
    small.LoadAtPointFromBinStream(QPoint(2, 2), bytes);
    QCOMPARE(small.GetCellEx(2, 2), QStringLiteral("3/5"));
    QCOMPARE(small.ColCount(), 3);
    QCOMPARE(small.RowCount(), 3);
  }

  void a_full_grid_is_restored_at_its_indexes() {
    TZadIrururOziz source;
    Setup(source, 3, 4, 1);
    source.SetSaveFixedCells(true);
    source.SetColWidths(0, 11);
    source.SetColWidths(2, 33);
    source.SetRowHeights(3, 44);
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 3; ++c) source.SetCellEx(c, r, QStringLiteral("%1%2").arg(c).arg(r));
    const QByteArray bytes = Saved(source, TGridRect{0, 0, 2, 3});
    grid_binfmt::Carrier_Reader in(bytes, 0);
    QVERIFY(grid_binfmt::Read_Header(in).FullGrid);

    TZadIrururOziz target;
    Setup(target, 7, 9, 1);
    target.SetCellEx(5, 5, QStringLiteral("cleared"));
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    target.LoadFromBinStream(device);
    QCOMPARE(device.pos(), qint64(bytes.size()));
    QCOMPARE(target.ColCount(), 3);
    QCOMPARE(target.RowCount(), 4);
    QCOMPARE(target.ColWidths(0), 11);
    QCOMPARE(target.ColWidths(2), 33);
    QCOMPARE(target.RowHeights(3), 44);
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 3; ++c) QCOMPARE(target.GetCellEx(c, r), QStringLiteral("%1%2").arg(c).arg(r));

    // At another point every cell moves by that point; the grid grows to
    // take them.
    TZadIrururOziz moved;
    Setup(moved, 2, 2);
    moved.LoadAtPointFromBinStream(QPoint(2, 1), bytes);
    QCOMPARE(moved.GetCellEx(2, 1), QStringLiteral("00"));
    QCOMPARE(moved.GetCellEx(4, 4), QStringLiteral("23"));
    QCOMPARE(moved.ColCount(), 5);
    QCOMPARE(moved.RowCount(), 5);
  }

  void a_bad_full_grid_header_changes_nothing_data() {
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("widths");
    QTest::addColumn<QString>("heights");
    QTest::newRow("non-numeric width") << 2 << 1 << "64,x"
                                       << "20";
    QTest::newRow("short width list") << 2 << 1 << "64"
                                      << "20";
    QTest::newRow("no height list") << 2 << 1 << "64,64"
                                    << "";
    QTest::newRow("negative height") << 2 << 1 << "64,64"
                                     << "-4";
    QTest::newRow("padded number") << 2 << 1 << "64, 64"
                                   << "20";
    QTest::newRow("absurd count") << 2000000000 << 1 << "64"
                                  << "20";
    QTest::newRow("zero count") << 0 << 1 << ""
                                << "20";
  }
  void a_bad_full_grid_header_changes_nothing() {
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QString, widths);
    QFETCH(QString, heights);
    QByteArray bytes;
    grid_binfmt::Write_Header(bytes, grid_binfmt::Grid_Header{cols, rows, widths, heights, true, 1});
    grid_binfmt::Write_Cell(bytes, grid_binfmt::Cell_Record{0, 0, QStringLiteral("new"), false});
    TZadIrururOziz grid;
    Setup(grid, 4, 4);
    grid.SetCellEx(1, 1, QStringLiteral("old"));
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.LoadAtPointFromBinStream(QPoint(0, 0), bytes));
    QCOMPARE(grid.ColCount(), 4);
    QCOMPARE(grid.RowCount(), 4);
    QCOMPARE(grid.GetCellEx(1, 1), QStringLiteral("old"));
    QCOMPARE(grid.GetCellEx(0, 0), QString());
  }

  void a_bitmap_the_grid_did_not_create_goes_without_its_object() {
    TZadIrururOziz source;
    Setup(source, 3, 3);
    QImage callers(4, 4, QImage::Format_RGB32);
    source.AddBitmap(1, 1, &callers, false, haLeft, vaTop);
    source.SetCellEx(1, 1, QStringLiteral("text"));
    source.GetCellProperties(1, 1)->SetBrushColor(TColor(0x00ABCDEF));
    const QByteArray bytes = Saved(source, TGridRect{1, 1, 1, 1});
    QCOMPARE(Carrier_Classes(bytes), QStringList({"TGridPropIO", "TGridCellIO", "TGridCellPropIO"}));
    TZadIrururOziz target;
    Setup(target, 3, 3);
    target.LoadAtPointFromBinStream(QPoint(0, 0), bytes);
    QCOMPARE(target.GetCellEx(0, 0), QStringLiteral("text"));
    QCOMPARE(target.GetCellProperties(0, 0)->BrushColor(), TColor(0x00ABCDEF));
    QCOMPARE(target.GetCellType(0, 0), ctEmpty);
  }

  void cell_objects_round_trip() {
    Temp_Dir dir;
    QImage png(5, 3, QImage::Format_ARGB32);
    png.fill(Qt::red);
    QImage on_file(7, 7, QImage::Format_RGB32);
    on_file.fill(Qt::green);
    const QString picture_file = dir.File(QStringLiteral("pic.png"));
    QVERIFY(on_file.save(picture_file));
    QFile picture(picture_file);
    QVERIFY(picture.open(QIODevice::ReadOnly));
    const QByteArray picture_bytes = picture.readAll();
    picture.close();

    TZadIrururOziz source;
    Setup(source, 6, 2);
    QStringList* radio = source.CreateRadio(0, 0, 1, 2);
    *radio << QStringLiteral("one") << QStringLiteral("two") << QStringLiteral("three");
    TCellGraphic* images = source.CreateCellGraphic(1, 0);
    images->SetMultiImage(1, 0, 0, haLeft, vaTop, nullptr);
    static_cast<TIntList*>(images->CellBitmap)->SetStrValue(QStringLiteral("4,0,7"));
    *source.CreateBitmap(2, 0, true, haCenter, vaBottom) = png;
    source.CreateFilePicture(3, 0, false, Stretch, 2, haLeft, vaTop)->SetFilename(picture_file);
    source.CreatePicture(4, 0, false, noStretch, 0, haLeft, vaTop)->SetGraphic(png);
    TCellGraphic* progress = source.CreateCellGraphic(5, 0);
    progress->CellType = ctProgress;
    progress->CellValue = 0.5;
    progress->CellText = QStringLiteral("%d%%");
    const QByteArray bytes = Saved(source, TGridRect{0, 0, 5, 0});
    // Header, three carriers per cell, five payloads (the progress bar has none).
    QCOMPARE(Carrier_Classes(bytes).size(), 1 + 6 * 3 + 5);
    QVERIFY(!bytes.contains(picture_bytes));

    QFile::remove(picture_file);  // the picture itself is not in the stream
    TZadIrururOziz target;
    Setup(target, 6, 3);
    target.LoadAtPointFromBinStream(QPoint(0, 1), bytes);
    QCOMPARE(target.GetCellType(0, 1), ctRadio);
    QCOMPARE(*target.GetRadioStrings(0, 1), *radio);
    int index = -1;
    QVERIFY(target.GetRadioIdx(0, 1, index));
    QCOMPARE(index, 2);
    QVERIFY(target.GetCellImages(1, 1));
    QCOMPARE(target.GetCellImages(1, 1)->StrValue(), QStringLiteral("4,0,7"));
    QCOMPARE(target.GetCellImages(1, 1)->Col(), 1);
    QCOMPARE(target.GetCellImages(1, 1)->Row(), 1);
    QVERIFY(target.GetBitmap(2, 1));
    QCOMPARE(target.GetBitmap(2, 1)->pixel(4, 2), png.pixel(4, 2));
    QCOMPARE(target.GetCellGraphic(2, 1)->CellHAlign, haCenter);
    QVERIFY(target.GetCellGraphic(2, 1)->CellTransparent);
    QVERIFY(target.GetFilePicture(3, 1));
    QCOMPARE(target.GetFilePicture(3, 1)->Filename(), picture_file);
    QCOMPARE(target.GetCellGraphic(3, 1)->CellIndex, 2);
    QVERIFY(target.GetPicture(4, 1));
    QCOMPARE(target.GetPicture(4, 1)->Graphic().size(), png.size());
    QCOMPARE(target.GetCellType(5, 1), ctProgress);
    QCOMPARE(target.GetCellGraphic(5, 1)->CellValue, 0.5);
    QCOMPARE(target.GetCellGraphic(5, 1)->CellText, QStringLiteral("%d%%"));
  }

  void merged_coloured_bitmap_cell_survives_a_file() {
    Temp_Dir dir;
    TZadIrururOziz source;
    Setup(source, 4, 4, 1);
    source.MergeCells(1, 1, 2, 2);
    source.SetCellEx(1, 1, QStringLiteral("merged"));
    TCellProperties* props = source.GetCellProperties(1, 1);
    props->SetBrushColor(TColor(0x0000FF00));
    props->SetFontColor(TColor(0x00FF0000));
    props->SetFontName(QStringLiteral("Serif"));
    props->SetFontSize(12);
    props->SetFontStyle(fsItalic);
    props->SetAlignment(taRightJustify);
    props->SetVAlignment(vtaCenter);
    props->SetCellObject(0x1234);
    QImage* bitmap = source.CreateBitmap(1, 1, false, haLeft, vaTop);
    *bitmap = QImage(6, 6, QImage::Format_RGB32);
    bitmap->fill(Qt::blue);
    const QString file = dir.File(QStringLiteral("cells.bin"));
    source.SaveToBinFile(file);

    TZadIrururOziz target;
    Setup(target, 2, 2, 1);
    target.LoadFromBinFile(file);
    // Written without its fixed cells: three by three counts, cells at 1..3;
    // the grid grows to take them all.
    QCOMPARE(target.ColCount(), 4);
    QCOMPARE(target.RowCount(), 4);
    QVERIFY(target.IsMergedCell(2, 2));
    QCOMPARE(target.BaseCell(2, 2), QPoint(1, 1));
    QCOMPARE(target.CellSpan(1, 1), QPoint(1, 1));
    QCOMPARE(target.GetCellEx(1, 1), QStringLiteral("merged"));
    const TCellProperties* read = target.GetCellProperties(1, 1);
    QCOMPARE(read->BrushColor(), TColor(0x0000FF00));
    QCOMPARE(read->FontColor(), TColor(0x00FF0000));
    QCOMPARE(read->FontName(), QStringLiteral("Serif"));
    QCOMPARE(read->FontSize(), 12);
    QCOMPARE(read->FontStyle(), TFontStyles(fsItalic));
    QCOMPARE(read->Alignment(), taRightJustify);
    QCOMPARE(read->VAlignment(), vtaCenter);
    QCOMPARE(read->CellObject(), quintptr(0));  // another grid's reference stays out
    QVERIFY(target.GetBitmap(1, 1));
    QCOMPARE(target.GetBitmap(1, 1)->pixel(0, 0), QColor(Qt::blue).rgb());
  }

  void damaged_streams_raise_and_keep_earlier_cells() {
    TZadIrururOziz source;
    Setup(source, 3, 1);
    for (int c = 0; c < 3; ++c) source.SetCellEx(c, 0, QStringLiteral("c%1").arg(c));
    const QByteArray bytes = Saved(source, TGridRect{0, 0, 2, 0});

    // A single byte after the last carrier is ignored.
    TZadIrururOziz trailing;
    Setup(trailing, 3, 1);
    QCOMPARE(trailing.LoadAtPointFromBinStream(QPoint(0, 0), bytes + 'x'), bytes.size());
    QCOMPARE(trailing.GetCellEx(2, 0), QStringLiteral("c2"));

    const QByteArray cut = bytes.left(bytes.lastIndexOf("ZGC1") + 10);
    for (const QByteArray& bad : {cut, bytes + "xy"}) {
      TZadIrururOziz grid;
      Setup(grid, 3, 1);
      QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.LoadAtPointFromBinStream(QPoint(0, 0), bad));
      QCOMPARE(grid.GetCellEx(0, 0), QStringLiteral("c0"));
      QCOMPARE(grid.GetCellEx(1, 0), QStringLiteral("c1"));
    }
    TZadIrururOziz grid;
    Setup(grid, 3, 1);
    QBuffer device;
    device.setData(QByteArray("\x89PNG garbage"));
    device.open(QIODevice::ReadOnly);
    try {
      grid.LoadFromBinStream(device);
      QFAIL("no error");
    } catch (const VAzaZeriVader& e) {
      QVERIFY(QString::fromStdString(e.what()).contains(QStringLiteral("Stream read error")));
    }
  }

  void indexes_beyond_16_bits_are_refused() {
    TZadIrururOziz grid;
    Setup(grid, 3, 3);
    QByteArray bytes("before");
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.SaveRectToBinStream(TGridRect{0, 65535, 0, 65536}, bytes));
    QVERIFY_THROWS_EXCEPTION(VAzaZeriVader, grid.SaveRectToBinStream(TGridRect{65536, 0, 65536, 0}, bytes));
    QCOMPARE(bytes, QByteArray("before"));
    grid.SaveRectToBinStream(TGridRect{65535, 0, 65535, 0}, bytes);
    QVERIFY(bytes.size() > 6);
  }

  void progress_export_and_nodes() {
    TZadIrururOziz source;
    Setup(source, 3, 5, 1);
    source.AddNode(2, 2);
    source.SetSaveFixedCells(true);
    QList<int> written;
    source.OnFileProgress = [&](TZadIrururOziz*, int p) { written << p; };
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    source.SaveToBinStream(out);
    QCOMPARE(written, QList<int>({0, 25, 50, 75, 100}));

    TZadIrururOziz target;
    Setup(target, 3, 5, 1);
    QList<int> read;
    target.OnFileProgress = [&](TZadIrururOziz*, int p) { read << p; };
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    target.LoadFromBinStream(in);
    QCOMPARE(read, QList<int>({0, 20, 40, 60, 80}));
    QCOMPARE(target.NumNodes(), 1);
    QCOMPARE(target.GetCellType(0, 2), ctNode);
  }

  void copied_cells_paste_with_properties_into_another_grid() {
    TZadIrururOziz source;
    Setup(source, 3, 3);
    source.Navigation().SetAllowFmtClipboard(true);
    source.SetCellEx(0, 0, QStringLiteral("a"));
    source.SetCellEx(1, 0, QStringLiteral("b"));
    source.GetCellProperties(1, 0)->SetBrushColor(TColor(0x00336699));
    source.SelectCells(0, 0, 1, 0);
    source.CopySelectionToClipboard();
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat(grid_dragdrop::Cells_Mime));

    TZadIrururOziz target;
    Setup(target, 2, 2);
    target.Navigation().SetAllowFmtClipboard(true);
    int rows = 0, cols = 0;
    QCOMPARE(target.PasteCells(1, 1, rows, cols), 2);
    QCOMPARE(rows, 1);
    QCOMPARE(cols, 2);
    QCOMPARE(target.ColCount(), 3);  // grown for the block
    QCOMPARE(target.GetCellEx(1, 1), QStringLiteral("a"));
    QCOMPARE(target.GetCellEx(2, 1), QStringLiteral("b"));
    QCOMPARE(target.GetCellProperties(2, 1)->BrushColor(), TColor(0x00336699));

    // Without the cell format the text is pasted.
    TZadIrururOziz plain;
    Setup(plain, 3, 3);
    plain.SetOptions(plain.Options() | goEditing);
    plain.Navigation().SetAllowFmtClipboard(false);
    plain.PasteCells(0, 0, rows, cols);
    QCOMPARE(plain.GetCellEx(1, 0), QStringLiteral("b"));
    QVERIFY(!plain.HasCellProperties(1, 0));
  }

  void a_paste_tells_its_own_grid_and_inserts_rows() {
    Marking_Grid grid;
    Setup(grid, 3, 4);
    grid.Navigation().SetAllowFmtClipboard(true);
    grid.SetCellEx(0, 0, QStringLiteral("x"));
    grid.SetCellEx(0, 1, QStringLiteral("y"));
    grid.SelectCells(0, 0, 0, 1);
    grid.CopySelectionToClipboard();
    int rows = 0, cols = 0;
    grid.PasteCells(2, 2, rows, cols);
    Marking_Grid other;
    Setup(other, 3, 4);
    other.Navigation().SetAllowFmtClipboard(true);
    QVERIFY(other.BinStreamID() != grid.BinStreamID());
    other.SetCellEx(0, 1, QStringLiteral("below"));
    other.Navigation().SetClipboardPasteAction(paInsert);
    QCOMPARE(other.PasteCells(0, 1, rows, cols), 2);
    QCOMPARE(grid.marks, QList<QPoint>({grid.ClipTopLeft()}));
    QCOMPARE(other.marks, QList<QPoint>({QPoint(-1, -1)}));
    QCOMPARE(other.RowCount(), 6);
    QCOMPARE(other.GetCellEx(0, 1), QStringLiteral("x"));
    QCOMPARE(other.GetCellEx(0, 2), QStringLiteral("y"));
    QCOMPARE(other.GetCellEx(0, 3), QStringLiteral("below"));
  }

  void the_writer_writes_the_documented_bytes() {
    // The fuzz seed was put together by hand from the documented layout.
    QFile seed(QString::fromLocal8Bit(qgetenv("KELVRA_TESTDATA")) + "/fuzz/grid_bin_cells/block_texts");
    QVERIFY(seed.open(QIODevice::ReadOnly));
    const QByteArray expected = seed.readAll().mid(1);
    TZadIrururOziz grid;
    Setup(grid, 6, 8);
    grid.SetColWidths(3, 64);
    grid.SetColWidths(4, 64);
    grid.SetRowHeights(5, 20);
    grid.SetRowHeights(6, 20);
    grid.SetCellEx(3, 5, QStringLiteral("a"));
    grid.SetCellEx(4, 5, QStringLiteral("b"));
    grid.SetCellEx(4, 6, QStringLiteral("d\r\ne"));
    const QByteArray bytes = Saved(grid, TGridRect{3, 5, 4, 6});
    grid_binfmt::Carrier_Reader written(bytes, 0), hand_made(expected, 0);
    grid_binfmt::Read_Header(written);
    grid_binfmt::Read_Header(hand_made);
    QCOMPARE(bytes.mid(written.Position()).toHex(' '), expected.mid(hand_made.Position()).toHex(' '));
    QCOMPARE(bytes.left(written.Position()).size(), hand_made.Position());
  }
};

QTEST_MAIN(GridBinCellsTest)
#include "grid_bin_cells_test.moc"
