#include "grid/binfmt/bin_cell_carriers.h"

#include <QBuffer>
#include <QImageReader>
#include <QObject>

#include "grid/store/cell_properties.h"

namespace grid_binfmt {

namespace {

using Props = std::vector<std::pair<const char*, Bin_Tag>>;

const char* const Prop_IO = "TGridPropIO";
const char* const Cell_IO = "TGridCellIO";
const char* const Cell_Prop_IO = "TGridCellPropIO";
const char* const Graphic_IO = "TGridGraphicIO";
const char* const SL_IO = "TGridSLIO";
const char* const File_Pic_IO = "TGridFilePicIO";

const Props Header_Props = {{"ColCount", Bin_Tag::Integer}, {"RowCount", Bin_Tag::Integer},
                            {"ColWidths", Bin_Tag::String}, {"RowHeights", Bin_Tag::String},
                            {"FullGrid", Bin_Tag::Boolean}, {"ID", Bin_Tag::Integer}};
const Props Cell_Props = {
    {"Col", Bin_Tag::Word}, {"Row", Bin_Tag::Word}, {"Cell", Bin_Tag::String}, {"HasProp", Bin_Tag::Boolean}};
const Props Cell_Prop_Props = {
    {"CellProperties.IsBaseCell", Bin_Tag::Boolean},  {"CellProperties.CellSpanX", Bin_Tag::Integer},
    {"CellProperties.CellSpanY", Bin_Tag::Integer},   {"CellProperties.Alignment", Bin_Tag::Integer},
    {"CellProperties.BorderColor", Bin_Tag::Integer}, {"CellProperties.BorderWidth", Bin_Tag::Integer},
    {"CellProperties.BrushColor", Bin_Tag::Integer},  {"CellProperties.BrushColorTo", Bin_Tag::Integer},
    {"CellProperties.BrushStyle", Bin_Tag::Integer},  {"CellProperties.CellObject", Bin_Tag::Int64},
    {"CellProperties.FontColor", Bin_Tag::Integer},   {"CellProperties.FontName", Bin_Tag::String},
    {"CellProperties.FontSize", Bin_Tag::Integer},    {"CellProperties.FontStyle", Bin_Tag::Integer},
    {"CellProperties.Editor", Bin_Tag::Integer},      {"CellProperties.GradientDirection", Bin_Tag::Integer},
    {"CellProperties.ReadOnly", Bin_Tag::Boolean},    {"CellProperties.VAlignment", Bin_Tag::Integer},
    {"CellProperties.WordWrap", Bin_Tag::Boolean},    {"CellProperties.NodeLevel", Bin_Tag::Integer},
    {"CellProperties.Control", Bin_Tag::String},      {"HasGraphic", Bin_Tag::Boolean}};
const Props Graphic_Props = {
    {"CellGraphic.CellType", Bin_Tag::Integer},        {"CellGraphic.CellVAlign", Bin_Tag::Integer},
    {"CellGraphic.CellHAlign", Bin_Tag::Integer},      {"CellGraphic.CellIndex", Bin_Tag::Integer},
    {"CellGraphic.CellTransparent", Bin_Tag::Boolean}, {"CellGraphic.CellCreated", Bin_Tag::Boolean},
    {"CellGraphic.CellBoolean", Bin_Tag::Boolean},     {"CellGraphic.CellCheckBoxState", Bin_Tag::Integer},
    {"CellGraphic.CellAngle", Bin_Tag::Integer},       {"CellGraphic.CellValue", Bin_Tag::Float},
    {"CellGraphic.CellErrFrom", Bin_Tag::Integer},     {"CellGraphic.CellErrLen", Bin_Tag::Integer},
    {"CellGraphic.CellText", Bin_Tag::String}};

constexpr qint64 Max_Image_Pixels = 64LL * 1024 * 1024;

struct Image_Names {
  const char* ClassName;
  const char* Property;
};

Image_Names Names_Of(Image_Carrier Kind) {
  switch (Kind) {
    case Image_Carrier::Bitmap:
      return {"TGridBMPIO", "Bitmap"};
    case Image_Carrier::Icon:
      return {"TGridIconIO", "Icon"};
    case Image_Carrier::Picture:
      break;
  }
  return {"TGridPicIO", "Picture"};
}

// Reads a value the caller already holds only when the stream carries it.
class Values {
 public:
  Values(const Carrier& c) : c_(c) {}
  template <typename T>
  void Int(const char* name, T& value) const {
    if (const Bin_Property* p = Find_Property(c_, name)) value = T(p->Int);
  }
  void Bool(const char* name, bool& value) const {
    if (const Bin_Property* p = Find_Property(c_, name)) value = p->Int != 0;
  }
  // An enumeration whose values run from 0 to last.
  template <typename E>
  void Enum(const char* name, E& value, int last) const {
    const Bin_Property* p = Find_Property(c_, name);
    if (!p) return;
    if (p->Int < 0 || p->Int > last)
      throw Bin_Stream_Error("Stream read error in " + c_.ClassName.toStdString() + ": invalid value " +
                             std::to_string(p->Int) + " of property '" + name + "'");
    value = E(p->Int);
  }
  void Text(const char* name, QString& value) const {
    if (const Bin_Property* p = Find_Property(c_, name)) value = p->Text;
  }

 private:
  const Carrier& c_;
};

}  // namespace

bool Has_Payload_Carrier(TCellType Type) {
  switch (Type) {
    case ctBitmap:
    case ctBitButton:
    case ctIcon:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture:
      return true;
    default:
      return false;
  }
}

void Write_Header(QByteArray& Out, const Grid_Header& Header) {
  Carrier_Writer w(Out);
  w.Begin(Prop_IO);
  w.Integer("ColCount", Header.ColCount);
  w.Integer("RowCount", Header.RowCount);
  w.String("ColWidths", Header.ColWidths);
  w.String("RowHeights", Header.RowHeights);
  w.Boolean("FullGrid", Header.FullGrid);
  w.Integer("ID", Header.ID);
  w.End();
}

void Write_Cell(QByteArray& Out, const Cell_Record& Cell) {
  Carrier_Writer w(Out);
  w.Begin(Cell_IO);
  w.Word("Col", Cell.Col);
  w.Word("Row", Cell.Row);
  w.String("Cell", Cell.Cell);
  w.Boolean("HasProp", Cell.HasProp);
  w.End();
}

void Write_Cell_Props(QByteArray& Out, const TCellProperties& P, bool HasGraphic) {
  Carrier_Writer w(Out);
  w.Begin(Cell_Prop_IO);
  w.Boolean("CellProperties.IsBaseCell", P.IsBaseCell());
  w.Integer("CellProperties.CellSpanX", P.CellSpanX());
  w.Integer("CellProperties.CellSpanY", P.CellSpanY());
  w.Integer("CellProperties.Alignment", P.Alignment());
  w.Integer("CellProperties.BorderColor", int32_t(P.BorderColor()));
  w.Integer("CellProperties.BorderWidth", P.BorderWidth());
  w.Integer("CellProperties.BrushColor", int32_t(P.BrushColor()));
  w.Integer("CellProperties.BrushColorTo", int32_t(P.BrushColorTo()));
  w.Integer("CellProperties.BrushStyle", int32_t(P.BrushStyle()));
  w.Int64("CellProperties.CellObject", int64_t(P.CellObject()));
  w.Integer("CellProperties.FontColor", int32_t(P.FontColor()));
  w.String("CellProperties.FontName", P.FontName());
  w.Integer("CellProperties.FontSize", P.FontSize());
  w.Integer("CellProperties.FontStyle", P.FontStyle());
  w.Integer("CellProperties.Editor", P.Editor());
  w.Integer("CellProperties.GradientDirection", P.GradientDirection());
  w.Boolean("CellProperties.ReadOnly", P.ReadOnly());
  w.Integer("CellProperties.VAlignment", P.VAlignment());
  w.Boolean("CellProperties.WordWrap", P.WordWrap());
  w.Integer("CellProperties.NodeLevel", P.NodeLevel());
  if (P.Control()) w.String("CellProperties.Control", P.Control()->objectName());
  w.Boolean("HasGraphic", HasGraphic);
  w.End();
}

void Write_Graphic(QByteArray& Out, const Graphic_Values& V) {
  Carrier_Writer w(Out);
  w.Begin(Graphic_IO);
  w.Integer("CellGraphic.CellType", V.CellType);
  w.Integer("CellGraphic.CellVAlign", V.CellVAlign);
  w.Integer("CellGraphic.CellHAlign", V.CellHAlign);
  w.Integer("CellGraphic.CellIndex", V.CellIndex);
  w.Boolean("CellGraphic.CellTransparent", V.CellTransparent);
  w.Boolean("CellGraphic.CellCreated", V.CellCreated);
  w.Boolean("CellGraphic.CellBoolean", V.CellBoolean);
  w.Integer("CellGraphic.CellCheckBoxState", V.CellCheckBoxState);
  w.Integer("CellGraphic.CellAngle", V.CellAngle);
  w.Float("CellGraphic.CellValue", V.CellValue);
  w.Integer("CellGraphic.CellErrFrom", V.CellErrFrom);
  w.Integer("CellGraphic.CellErrLen", V.CellErrLen);
  w.String("CellGraphic.CellText", V.CellText);
  w.End();
}

void Write_Image(QByteArray& Out, Image_Carrier Kind, const QImage& Image) {
  QByteArray png;
  if (!Image.isNull()) {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!Image.save(&buffer, "PNG")) throw Bin_Stream_Error("Stream write error: image cannot be encoded");
  }
  const Image_Names names = Names_Of(Kind);
  Carrier_Writer w(Out);
  w.Begin(names.ClassName);
  w.Bytes(names.Property, png);
  w.End();
}

void Write_Lines(QByteArray& Out, const QStringList& Lines) {
  Carrier_Writer w(Out);
  w.Begin(SL_IO);
  w.Lines("Strings", Lines);
  w.End();
}

void Write_File_Picture(QByteArray& Out, const QString& FileName) {
  Carrier_Writer w(Out);
  w.Begin(File_Pic_IO);
  w.String("Picture.Filename", FileName);
  w.End();
}

Grid_Header Read_Header(Carrier_Reader& In) {
  const Carrier c = In.Next(Prop_IO, Header_Props);
  const Values v(c);
  Grid_Header h;
  v.Int("ColCount", h.ColCount);
  v.Int("RowCount", h.RowCount);
  v.Text("ColWidths", h.ColWidths);
  v.Text("RowHeights", h.RowHeights);
  v.Bool("FullGrid", h.FullGrid);
  v.Int("ID", h.ID);
  return h;
}

Cell_Record Read_Cell(Carrier_Reader& In) {
  const Carrier c = In.Next(Cell_IO, Cell_Props);
  const Values v(c);
  Cell_Record r;
  v.Int("Col", r.Col);
  v.Int("Row", r.Row);
  v.Text("Cell", r.Cell);
  v.Bool("HasProp", r.HasProp);
  return r;
}

bool Read_Cell_Props(Carrier_Reader& In, TCellProperties& P) {
  const Carrier c = In.Next(Cell_Prop_IO, Cell_Prop_Props);
  const Values v(c);
  bool base = P.IsBaseCell();
  v.Bool("CellProperties.IsBaseCell", base);
  int span_x = P.CellSpanX(), span_y = P.CellSpanY();
  v.Int("CellProperties.CellSpanX", span_x);
  v.Int("CellProperties.CellSpanY", span_y);
  TAlignment alignment = P.Alignment();
  v.Enum("CellProperties.Alignment", alignment, taCenter);
  uint32_t border_color = P.BorderColor(), brush = P.BrushColor(), brush_to = P.BrushColorTo(),
           font_color = P.FontColor();
  v.Int("CellProperties.BorderColor", border_color);
  int border_width = P.BorderWidth();
  v.Int("CellProperties.BorderWidth", border_width);
  v.Int("CellProperties.BrushColor", brush);
  v.Int("CellProperties.BrushColorTo", brush_to);
  TBrushStyle brush_style = P.BrushStyle();
  v.Enum("CellProperties.BrushStyle", brush_style, int(TBrushStyle::bsClear));
  v.Int("CellProperties.FontColor", font_color);
  QString font_name = P.FontName();
  v.Text("CellProperties.FontName", font_name);
  int font_size = P.FontSize();
  v.Int("CellProperties.FontSize", font_size);
  TFontStyles font_style = P.FontStyle();
  v.Enum("CellProperties.FontStyle", font_style, fsBold | fsItalic | fsUnderline | fsStrikeOut);
  TEditorType editor = P.Editor();
  v.Enum("CellProperties.Editor", editor, edMaskEditBtn);
  TCellGradientDirection gradient = P.GradientDirection();
  v.Enum("CellProperties.GradientDirection", gradient, GradientHorizontal);
  bool read_only = P.ReadOnly();
  v.Bool("CellProperties.ReadOnly", read_only);
  TVAlignment valignment = P.VAlignment();
  v.Enum("CellProperties.VAlignment", valignment, vtaBottom);
  bool word_wrap = P.WordWrap();
  v.Bool("CellProperties.WordWrap", word_wrap);
  int node_level = P.NodeLevel();
  v.Int("CellProperties.NodeLevel", node_level);
  bool has_graphic = false;
  v.Bool("HasGraphic", has_graphic);
  // A merge span outside -1 .. 65535 is no block a grid can hold.
  if (span_x < -1 || span_y < -1 || span_x > 65535 || span_y > 65535)
    throw Bin_Stream_Error("Stream read error in TGridCellPropIO: invalid cell span");
  if (font_size < 0 || font_size > 4096 || border_width < 0 || border_width > 4096)
    throw Bin_Stream_Error("Stream read error in TGridCellPropIO: invalid font size or border width");

  // Everything checked: only now does the target change.
  P.SetIsBaseCell(base);
  P.SetCellSpanX(span_x);
  P.SetCellSpanY(span_y);
  P.SetAlignment(alignment);
  P.SetBorderColor(TColor(border_color));
  P.SetBorderWidth(border_width);
  P.SetBrushColor(TColor(brush));
  P.SetBrushColorTo(TColor(brush_to));
  P.SetBrushStyle(brush_style);
  P.SetFontColor(TColor(font_color));
  P.SetFontName(font_name);
  P.SetFontSize(font_size);
  P.SetFontStyle(font_style);
  P.SetEditor(editor);
  P.SetGradientDirection(gradient);
  P.SetReadOnly(read_only);
  P.SetVAlignment(valignment);
  P.SetWordWrap(word_wrap);
  P.SetNodeLevel(node_level);
  return has_graphic;
}

void Read_Graphic(Carrier_Reader& In, Graphic_Values& G) {
  const Carrier c = In.Next(Graphic_IO, Graphic_Props);
  const Values v(c);
  Graphic_Values g = G;
  v.Enum("CellGraphic.CellType", g.CellType, ctExpand);
  v.Enum("CellGraphic.CellVAlign", g.CellVAlign, vaFull);
  v.Enum("CellGraphic.CellHAlign", g.CellHAlign, haFull);
  v.Int("CellGraphic.CellIndex", g.CellIndex);
  v.Bool("CellGraphic.CellTransparent", g.CellTransparent);
  v.Bool("CellGraphic.CellCreated", g.CellCreated);
  v.Bool("CellGraphic.CellBoolean", g.CellBoolean);
  v.Enum("CellGraphic.CellCheckBoxState", g.CellCheckBoxState, cbGrayed);
  v.Int("CellGraphic.CellAngle", g.CellAngle);
  if (const Bin_Property* p = Find_Property(c, "CellGraphic.CellValue")) g.CellValue = p->Float;
  v.Int("CellGraphic.CellErrFrom", g.CellErrFrom);
  v.Int("CellGraphic.CellErrLen", g.CellErrLen);
  v.Text("CellGraphic.CellText", g.CellText);
  G = g;
}

QImage Read_Image(Carrier_Reader& In, Image_Carrier Kind) {
  const Image_Names names = Names_Of(Kind);
  const Carrier c = In.Next(names.ClassName, {{names.Property, Bin_Tag::Bytes}});
  const Bin_Property* p = Find_Property(c, names.Property);
  if (!p || p->Data.isEmpty()) return QImage();
  QByteArray data = p->Data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "PNG");
  // A header claiming a picture far larger than a cell shows is refused
  // before its pixels are allocated.
  const QSize size = reader.size();
  QImage image;
  if (!size.isValid() || qint64(size.width()) * size.height() > Max_Image_Pixels || !reader.read(&image))
    throw Bin_Stream_Error(std::string("Stream read error in ") + names.ClassName + ": the image cannot be read");
  return image;
}

QStringList Read_Lines(Carrier_Reader& In) {
  const Carrier c = In.Next(SL_IO, {{"Strings", Bin_Tag::Lines}});
  const Bin_Property* p = Find_Property(c, "Strings");
  return p ? p->Lines : QStringList();
}

QString Read_File_Picture(Carrier_Reader& In) {
  const Carrier c = In.Next(File_Pic_IO, {{"Picture.Filename", Bin_Tag::String}});
  const Bin_Property* p = Find_Property(c, "Picture.Filename");
  return p ? p->Text : QString();
}

}  // namespace grid_binfmt
