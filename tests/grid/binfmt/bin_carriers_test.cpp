// The carriers of the binary cell format without a grid: their bytes, what
// a round trip keeps, what is left out, and how damaged or foreign bytes are
// refused.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstring>
#include <limits>

#include "grid/binfmt/bin_carrier_stream.h"
#include "grid/binfmt/bin_cell_carriers.h"
#include "grid/store/cell_properties.h"

using namespace grid_binfmt;

namespace {

QByteArray Cell_Bytes(uint16_t col, uint16_t row, const QString& text, bool has_prop) {
  QByteArray out;
  Write_Cell(out, Cell_Record{col, row, text, has_prop});
  return out;
}

}  // namespace

TEST(BinCarriers, CellCarrierBytesFollowTheDocumentedLayout) {
  const QByteArray expected(
      "ZGC1"
      "\x0BTGridCellIO"
      "\x03"
      "Col\x02\x03\x00"
      "\x03"
      "Row\x02\x05\x01"
      "\x04"
      "Cell\x06\x02\x00\x00\x00\xC3\xA4"
      "\x07"
      "HasProp\x03\x01"
      "\x00",
      4 + 12 + 7 + 7 + 12 + 10 + 1);
  EXPECT_EQ(Cell_Bytes(3, 0x105, QStringLiteral("ä"), true).toHex(), expected.toHex());
}

TEST(BinCarriers, EmptyStringsAndZeroFloatsAreLeftOutAndReadAsEmpty) {
  const QByteArray bytes = Cell_Bytes(1, 2, QString(), false);
  EXPECT_FALSE(bytes.contains("Cell\x06"));
  Carrier_Reader in(bytes, 0);
  const Cell_Record cell = Read_Cell(in);
  EXPECT_EQ(cell.Col, 1);
  EXPECT_EQ(cell.Row, 2);
  EXPECT_TRUE(cell.Cell.isEmpty());
  EXPECT_FALSE(cell.HasProp);
  EXPECT_EQ(in.Remaining(), 0);

  QByteArray graphic;
  Write_Graphic(graphic, Graphic_Values{});
  EXPECT_FALSE(graphic.contains("CellValue"));
  EXPECT_FALSE(graphic.contains("CellText"));
  // A value the stream leaves out keeps what the reader held.
  Carrier_Reader gin(graphic, 0);
  Graphic_Values held;
  held.CellText = QStringLiteral("old");
  held.CellValue = 2.5;
  Read_Graphic(gin, held);
  EXPECT_EQ(held.CellText, QStringLiteral("old"));
  EXPECT_EQ(held.CellValue, 2.5);
}

TEST(BinCarriers, HeaderGraphicAndPayloadCarriersRoundTrip) {
  QByteArray out;
  Write_Header(out, Grid_Header{3, 2, QStringLiteral("64,10,20"), QStringLiteral("22,18"), true, -7});
  Graphic_Values g;
  g.CellType = ctImages;
  g.CellVAlign = vaCenter;
  g.CellHAlign = haFull;
  g.CellIndex = -3;
  g.CellTransparent = g.CellCreated = g.CellBoolean = true;
  g.CellCheckBoxState = cbGrayed;
  g.CellAngle = 270;
  g.CellValue = -1.25;
  g.CellErrFrom = 4;
  g.CellErrLen = 5;
  g.CellText = QStringLiteral("t\r\nx");
  Write_Graphic(out, g);
  Write_Lines(out, {QStringLiteral("a"), QString(), QStringLiteral("ü")});
  Write_File_Picture(out, QStringLiteral("/tmp/p.png"));
  QImage image(3, 2, QImage::Format_ARGB32);
  image.fill(qRgba(10, 20, 30, 255));
  Write_Image(out, Image_Carrier::Icon, image);
  Write_Image(out, Image_Carrier::Picture, QImage());

  Carrier_Reader in(out, 0);
  const Grid_Header h = Read_Header(in);
  EXPECT_EQ(h.ColCount, 3);
  EXPECT_EQ(h.RowCount, 2);
  EXPECT_EQ(h.ColWidths, QStringLiteral("64,10,20"));
  EXPECT_EQ(h.RowHeights, QStringLiteral("22,18"));
  EXPECT_TRUE(h.FullGrid);
  EXPECT_EQ(h.ID, -7);
  Graphic_Values r;
  Read_Graphic(in, r);
  EXPECT_EQ(r.CellType, ctImages);
  EXPECT_EQ(r.CellVAlign, vaCenter);
  EXPECT_EQ(r.CellHAlign, haFull);
  EXPECT_EQ(r.CellIndex, -3);
  EXPECT_TRUE(r.CellTransparent && r.CellCreated && r.CellBoolean);
  EXPECT_EQ(r.CellCheckBoxState, cbGrayed);
  EXPECT_EQ(r.CellAngle, 270);
  EXPECT_EQ(r.CellValue, -1.25);
  EXPECT_EQ(r.CellErrFrom, 4);
  EXPECT_EQ(r.CellErrLen, 5);
  EXPECT_EQ(r.CellText, g.CellText);
  EXPECT_EQ(Read_Lines(in), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("ü")}));
  EXPECT_EQ(Read_File_Picture(in), QStringLiteral("/tmp/p.png"));
  const QImage icon = Read_Image(in, Image_Carrier::Icon);
  ASSERT_EQ(icon.size(), QSize(3, 2));
  EXPECT_EQ(icon.pixel(2, 1), qRgba(10, 20, 30, 255));
  EXPECT_TRUE(Read_Image(in, Image_Carrier::Picture).isNull());
  EXPECT_EQ(in.Remaining(), 0);
}

TEST(BinCarriers, PropertiesAreReadOverTheTargetsAndReferencesDropped) {
  TCellProperties source(nullptr, 0, 0);
  source.SetIsBaseCell(true);
  source.SetCellSpanX(2);
  source.SetCellSpanY(1);
  source.SetAlignment(taCenter);
  source.SetBorderColor(TColor(0x00112233));
  source.SetBorderWidth(2);
  source.SetBrushColor(clNone);
  source.SetBrushColorTo(TColor(0x0000FF00));
  source.SetBrushStyle(TBrushStyle::bsClear);
  source.SetCellObject(0xDEADBEEF);
  source.SetFontColor(TColor(0x000000FF));
  source.SetFontName(QStringLiteral("Sans"));
  source.SetFontSize(14);
  source.SetFontStyle(fsBold | fsUnderline);
  source.SetEditor(edMaskEditBtn);
  source.SetGradientDirection(GradientHorizontal);
  source.SetReadOnly(true);
  source.SetVAlignment(vtaBottom);
  source.SetWordWrap(false);
  source.SetNodeLevel(3);
  QObject control;
  control.setObjectName(QStringLiteral("Edit1"));
  source.SetControl(&control);
  QByteArray out;
  Write_Cell_Props(out, source, true);
  EXPECT_TRUE(out.contains("Edit1"));

  TCellProperties target(nullptr, 5, 6);
  target.SetCellObject(42);
  Carrier_Reader in(out, 0);
  EXPECT_TRUE(Read_Cell_Props(in, target));
  EXPECT_EQ(target.CellSpanX(), 2);
  EXPECT_EQ(target.CellSpanY(), 1);
  EXPECT_EQ(target.Alignment(), taCenter);
  EXPECT_EQ(target.BorderColor(), TColor(0x00112233));
  EXPECT_EQ(target.BorderWidth(), 2);
  EXPECT_EQ(target.BrushColor(), clNone);
  EXPECT_EQ(target.BrushColorTo(), TColor(0x0000FF00));
  EXPECT_EQ(target.BrushStyle(), TBrushStyle::bsClear);
  EXPECT_EQ(target.FontColor(), TColor(0x000000FF));
  EXPECT_EQ(target.FontName(), QStringLiteral("Sans"));
  EXPECT_EQ(target.FontSize(), 14);
  EXPECT_EQ(target.FontStyle(), fsBold | fsUnderline);
  EXPECT_EQ(target.Editor(), edMaskEditBtn);
  EXPECT_EQ(target.GradientDirection(), GradientHorizontal);
  EXPECT_TRUE(target.ReadOnly());
  EXPECT_EQ(target.VAlignment(), vtaBottom);
  EXPECT_FALSE(target.WordWrap());
  EXPECT_EQ(target.NodeLevel(), 3);
  // References of the writing process never reach the target.
  EXPECT_EQ(target.CellObject(), quintptr(42));
  EXPECT_EQ(target.Control(), nullptr);
  EXPECT_EQ(target.OwnerCol(), 5);

  // Without a font name in the stream the target keeps its own.
  TCellProperties unnamed(nullptr, 0, 0);
  QByteArray plain;
  Write_Cell_Props(plain, unnamed, false);
  TCellProperties kept(nullptr, 0, 0);
  kept.SetFontName(QStringLiteral("Mono"));
  Carrier_Reader pin(plain, 0);
  EXPECT_FALSE(Read_Cell_Props(pin, kept));
  EXPECT_EQ(kept.FontName(), QStringLiteral("Mono"));
}

namespace {

// A carrier written by hand: signature, class, one property.
QByteArray Handmade(const QByteArray& class_name, const QByteArray& property, char tag, const QByteArray& value) {
  QByteArray out("ZGC1");
  out.append(char(class_name.size())).append(class_name);
  out.append(char(property.size())).append(property).append(tag).append(value);
  out.append('\0');
  return out;
}

struct Bad_Case {
  const char* name;
  QByteArray bytes;
  const char* message_part;
};

}  // namespace

TEST(BinCarriers, DamagedAndForeignBytesRaiseAClearError) {
  const QByteArray nan_bits = [] {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QByteArray b(8, '\0');
    std::memcpy(b.data(), &nan, 8);
    return b;
  }();
  const Bad_Case cases[] = {
      {"empty", QByteArray(), "end of data"},
      {"foreign signature", QByteArray("PK\x03\x04....", 8), "not a grid cell carrier"},
      {"other class", Cell_Bytes(0, 0, QString(), false).replace("TGridCellIO", "TGridPropIO"), "expected TGridCellIO"},
      {"unknown property", Handmade("TGridCellIO", "Colour", 1, QByteArray(4, '\0')), "does not exist"},
      {"wrong type", Handmade("TGridCellIO", "Col", 1, QByteArray(4, '\0')), "wrong type"},
      {"boolean 2", Handmade("TGridCellIO", "HasProp", 3, QByteArray(1, '\2')), "not a Boolean"},
      {"string longer than data",
       Handmade("TGridCellIO", "Cell", 6,
                QByteArray("\xFF\xFF\xFF\x7F"
                           "ab",
                           6)),
       "count"},
      {"repeated property",
       QByteArray("ZGC1\x0BTGridCellIO\x03"
                  "Col\x02\0\0\x03"
                  "Col\x02\0\0\0",
                  31),
       "repeated"},
      {"no end byte", Cell_Bytes(0, 0, QString(), false).chopped(1), "end of data"},
      {"cell type out of range", Handmade("TGridGraphicIO", "CellGraphic.CellType", 1, QByteArray("\x63\0\0\0", 4)),
       "invalid value"},
      {"not a number", Handmade("TGridGraphicIO", "CellGraphic.CellValue", 5, nan_bits), "not a number"},
  };
  for (const Bad_Case& c : cases) {
    SCOPED_TRACE(c.name);
    Carrier_Reader in(c.bytes, 0);
    try {
      const QByteArray cls = c.bytes.size() > 4 ? c.bytes.mid(5, uchar(c.bytes[4])) : QByteArray();
      if (cls == "TGridGraphicIO") {
        Graphic_Values g;
        Read_Graphic(in, g);
      } else {
        Read_Cell(in);
      }
      ADD_FAILURE() << "no error";
    } catch (const Bin_Stream_Error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message_part), std::string::npos) << e.what();
      EXPECT_LE(in.Position(), c.bytes.size());
    }
  }
}

TEST(BinCarriers, EveryCutOfAStreamIsRefusedInsideTheData) {
  QByteArray out;
  Write_Header(out, Grid_Header{1, 1, QStringLiteral("64"), QStringLiteral("20"), false, 1});
  Write_Cell(out, Cell_Record{0, 0, QStringLiteral("text"), true});
  TCellProperties props(nullptr, 0, 0);
  props.SetFontName(QStringLiteral("Sans"));
  Write_Cell_Props(out, props, true);
  Graphic_Values g;
  g.CellType = ctRadio;
  Write_Graphic(out, g);
  Write_Lines(out, {QStringLiteral("one"), QStringLiteral("two")});
  for (qsizetype n = 0; n < out.size(); ++n) {
    const QByteArray cut = out.left(n);
    Carrier_Reader in(cut, 0);
    bool failed = false;
    try {
      Read_Header(in);
      Read_Cell(in);
      TCellProperties target(nullptr, 0, 0);
      Read_Cell_Props(in, target);
      Graphic_Values v;
      Read_Graphic(in, v);
      Read_Lines(in);
    } catch (const Bin_Stream_Error&) {
      failed = true;
    }
    EXPECT_TRUE(failed) << "cut at " << n;
    EXPECT_LE(in.Position(), cut.size());
  }
}

TEST(BinCarriers, ImagesThatAreNoPngAreRefused) {
  QByteArray out;
  Carrier_Writer w(out);
  w.Begin("TGridBMPIO");
  w.Bytes("Bitmap", QByteArray("not a picture"));
  w.End();
  Carrier_Reader in(out, 0);
  EXPECT_THROW(Read_Image(in, Image_Carrier::Bitmap), Bin_Stream_Error);
  // The class must match the kind asked for.
  Carrier_Reader icon(out, 0);
  EXPECT_THROW(Read_Image(icon, Image_Carrier::Icon), Bin_Stream_Error);
}
