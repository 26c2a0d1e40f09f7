// The column collection of a column grid written to and read from a stream.
//
// Format: XML, UTF-8, no declaration.
//   <Columns>
//     <Item>                      one per item, in item order
//       <Alignment>1</Alignment>  one element per property that differs from
//       ...                       the default, named as the property, in the
//     </Item>                     order below (Width last, so it is applied
//   </Columns>                    after every other property of the item)
// Numbers and enumerations are decimal; colours decimal TColor values; a
// font is "<QFont::toString()>|<colour>"; a pen "<colour>,<width>,<style>";
// a string list holds one <Line> element per entry. Unknown elements are
// skipped, so a newer writer's file still reads.
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <functional>
#include <stdexcept>

#include "grid/columns/zad_column_grid.h"

namespace {

using Item = TGridColumnItem;

QString Font_Text(const TGridFont& f) { return f.Font.toString() + '|' + QString::number(f.Color); }

TGridFont Font_Of(const QString& text) {
  TGridFont font;
  const qsizetype bar = text.lastIndexOf('|');
  if (bar < 0 || !font.Font.fromString(text.left(bar)))
    throw std::runtime_error("Bad font in column stream: " + text.toStdString());
  font.Color = TColor(text.mid(bar + 1).toUInt());
  return font;
}

QString Pen_Text(const TCanvas::Pen_State& p) {
  return QStringLiteral("%1,%2,%3").arg(p.Color).arg(p.Width).arg(int(p.Style));
}

TCanvas::Pen_State Pen_Of(const QString& text) {
  const QStringList parts = text.split(',');
  if (parts.size() != 3) throw std::runtime_error("Bad pen in column stream: " + text.toStdString());
  TCanvas::Pen_State pen;
  pen.Color = TColor(parts[0].toUInt());
  pen.Width = parts[1].toInt();
  bool ok = false;
  const int style = parts[2].toInt(&ok);
  if (!ok || style < 0 || style > int(TPenStyle::psClear))
    throw std::runtime_error("Bad pen in column stream: " + text.toStdString());
  pen.Style = TPenStyle(style);
  return pen;
}

int Number_Of(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok) throw std::runtime_error("Bad number in column stream: " + text.toStdString());
  return value;
}

// One property: its text (empty optional = the default, not written) and how
// a text is stored back.
struct Property {
  const char* name = nullptr;
  std::function<QString(const Item&)> text;
  std::function<void(Item&, const QString&)> read;
  bool list = false;
  std::function<QStringList(const Item&)> lines;
  std::function<void(Item&, const QStringList&)> read_lines;
};

Property Text(const char* name, std::function<QString(const Item&)> get,
              std::function<void(Item&, const QString&)> set) {
  Property p;
  p.name = name;
  p.text = std::move(get);
  p.read = std::move(set);
  return p;
}

Property Num(const char* name, std::function<int(const Item&)> get, std::function<void(Item&, int)> set) {
  return Text(
      name, [get](const Item& i) { return QString::number(get(i)); },
      [set](Item& i, const QString& t) { set(i, Number_Of(t)); });
}

// An enumeration: a number outside 0..last is refused like any bad number,
// since the painter and the editors take every value as one of the list.
Property Choice(const char* name, int last, std::function<int(const Item&)> get, std::function<void(Item&, int)> set) {
  return Text(
      name, [get](const Item& i) { return QString::number(get(i)); },
      [name, last, set](Item& i, const QString& t) {
        const int value = Number_Of(t);
        if (value < 0 || value > last)
          throw std::runtime_error(std::string("Bad ") + name + " in column stream: " + t.toStdString());
        set(i, value);
      });
}

Property Lines(const char* name, std::function<QStringList(const Item&)> get,
               std::function<void(Item&, const QStringList&)> set) {
  Property p;
  p.name = name;
  p.list = true;
  p.lines = std::move(get);
  p.read_lines = std::move(set);
  return p;
}

const std::vector<Property>& Properties() {
  static const std::vector<Property> table{
      Num("AutoMinSize", &Item::AutoMinSize, &Item::SetAutoMinSize),
      Num("AutoMaxSize", &Item::AutoMaxSize, &Item::SetAutoMaxSize),
      Choice(
          "Alignment", taCenter, [](const Item& i) { return int(i.Alignment()); },
          [](Item& i, int v) { i.SetAlignment(TAlignment(v)); }),
      Num(
          "Borders", [](const Item& i) { return int(i.Borders()); },
          [](Item& i, int v) { i.SetBorders(TCellBorders(v)); }),
      Text(
          "BorderPen", [](const Item& i) { return Pen_Text(i.BorderPen()); },
          [](Item& i, const QString& t) { i.SetBorderPen(Pen_Of(t)); }),
      Text("CheckFalse", &Item::CheckFalse, &Item::SetCheckFalse),
      Text("CheckTrue", &Item::CheckTrue, &Item::SetCheckTrue),
      Num(
          "Color", [](const Item& i) { return int(i.Color()); }, [](Item& i, int v) { i.SetColor(TColor(v)); }),
      Choice(
          "ColumnPopupType", cpAllCellsLClick, [](const Item& i) { return int(i.ColumnPopupType()); },
          [](Item& i, int v) { i.SetColumnPopupType(TColumnPopupType(v)); }),
      Lines("ComboItems", &Item::ComboItems, &Item::SetComboItems),
      Num("DropDownCount", &Item::DropDownCount, &Item::SetDropDownCount),
      Num("EditLength", &Item::EditLength, &Item::SetEditLength),
      Text("EditMask", &Item::EditMask, &Item::SetEditMask),
      Choice(
          "Editor", edMaskEditBtn, [](const Item& i) { return int(i.Editor()); },
          [](Item& i, int v) { i.SetEditor(TEditorType(v)); }),
      Lines("Filter", &Item::Filter, &Item::SetFilter),
      Num("FilterCaseSensitive", &Item::FilterCaseSensitive, &Item::SetFilterCaseSensitive),
      Num("Fixed", &Item::Fixed, &Item::SetFixed),
      Text("FloatFormat", &Item::FloatFormat, &Item::SetFloatFormat),
      Text(
          "Font", [](const Item& i) { return Font_Text(i.Font()); },
          [](Item& i, const QString& t) { i.SetFont(Font_Of(t)); }),
      Text("Header", &Item::Header, &Item::SetHeader),
      Choice(
          "HeaderAlignment", taCenter, [](const Item& i) { return int(i.HeaderAlignment()); },
          [](Item& i, int v) { i.SetHeaderAlignment(TAlignment(v)); }),
      Text(
          "HeaderFont", [](const Item& i) { return Font_Text(i.HeaderFont()); },
          [](Item& i, const QString& t) { i.SetHeaderFont(Font_Of(t)); }),
      Num("MinSize", &Item::MinSize, &Item::SetMinSize),
      Num("MaxSize", &Item::MaxSize, &Item::SetMaxSize),
      Text("Name", &Item::Name, &Item::SetName),
      Num("Password", &Item::Password, &Item::SetPassword),
      Num("PrintBorderCustom", &Item::PrintBorderCustom, &Item::SetPrintBorderCustom),
      Num(
          "PrintBorders", [](const Item& i) { return int(i.PrintBorders()); },
          [](Item& i, int v) { i.SetPrintBorders(TCellBorders(v)); }),
      Text(
          "PrintBorderPen", [](const Item& i) { return Pen_Text(i.PrintBorderPen()); },
          [](Item& i, const QString& t) { i.SetPrintBorderPen(Pen_Of(t)); }),
      Num(
          "PrintColor", [](const Item& i) { return int(i.PrintColor()); },
          [](Item& i, int v) { i.SetPrintColor(TColor(v)); }),
      Num("PrintFontCustom", &Item::PrintFontCustom, &Item::SetPrintFontCustom),
      Text(
          "PrintFont", [](const Item& i) { return Font_Text(i.PrintFont()); },
          [](Item& i, const QString& t) { i.SetPrintFont(Font_Of(t)); }),
      Num("ReadOnly", &Item::ReadOnly, &Item::SetReadOnly),
      Num("ShowBands", &Item::ShowBands, &Item::SetShowBands),
      Choice(
          "SortStyle", ssAlphaNumericNoCase, [](const Item& i) { return int(i.SortStyle()); },
          [](Item& i, int v) { i.SetSortStyle(TSortStyle(v)); }),
      Text("SortPrefix", &Item::SortPrefix, &Item::SetSortPrefix),
      Text("SortSuffix", &Item::SortSuffix, &Item::SetSortSuffix),
      Num("SpinMax", &Item::SpinMax, &Item::SetSpinMax),
      Num("SpinMin", &Item::SpinMin, &Item::SetSpinMin),
      Num("SpinStep", &Item::SpinStep, &Item::SetSpinStep),
      Num("Tag", &Item::Tag, &Item::SetTag),
      Num("Width", &Item::Width, &Item::SetWidth),
  };
  return table;
}

}  // namespace

void TZadColumnGrid::SaveColumnsToStream(QIODevice& st) {
  const TGridColumnItem defaults;
  QXmlStreamWriter xml(&st);
  xml.writeStartElement(QStringLiteral("Columns"));
  for (int i = 0; i < FColumnCollection->Count(); ++i) {
    const TGridColumnItem& item = *FColumnCollection->GetItem(i);
    xml.writeStartElement(QStringLiteral("Item"));
    for (const Property& p : Properties()) {
      const QString name = QString::fromLatin1(p.name);
      if (p.list) {
        const QStringList lines = p.lines(item);
        if (lines.isEmpty()) continue;
        xml.writeStartElement(name);
        for (const QString& line : lines) xml.writeTextElement(QStringLiteral("Line"), line);
        xml.writeEndElement();
        continue;
      }
      const QString value = p.text(item);
      // Defaults are left out, but every item's width and look colours are kept.
      if (value == p.text(defaults) && name != QLatin1String("Width")) continue;
      xml.writeTextElement(name, value);
    }
    xml.writeEndElement();
  }
  xml.writeEndElement();
  if (xml.hasError()) throw std::runtime_error("Column settings could not be written");
}

void TZadColumnGrid::LoadColumnsFromStream(QIODevice& st) {
  // Read into a carrier first: a stream that does not read leaves the
  // columns as they were.
  // The carrier has no grid, so reading it touches no cell or width.
  TGridColumnCollection carrier(nullptr);
  QXmlStreamReader xml(&st);
  if (!xml.readNextStartElement() || xml.name() != QLatin1String("Columns"))
    throw std::runtime_error("Not a column stream");
  while (xml.readNextStartElement()) {
    if (xml.name() != QLatin1String("Item")) {
      xml.skipCurrentElement();
      continue;
    }
    carrier.BeginUpdate();
    TGridColumnItem* item = carrier.Insert(carrier.Count());
    carrier.EndUpdate();
    while (xml.readNextStartElement()) {
      const auto& table = Properties();
      const auto p = std::find_if(table.begin(), table.end(),
                                  [&](const Property& q) { return xml.name() == QLatin1String(q.name); });
      if (p == table.end()) {
        xml.skipCurrentElement();
      } else if (p->list) {
        QStringList lines;
        while (xml.readNextStartElement()) lines << xml.readElementText();
        p->read_lines(*item, lines);
      } else {
        p->read(*item, xml.readElementText());
      }
    }
  }
  if (xml.hasError()) throw std::runtime_error("Column stream unreadable: " + xml.errorString().toStdString());
  {
    Column_Guard guard(*FColumnCollection);
    FColumnCollection->Assign(carrier);
    for (int i = 0; i < carrier.Count() && i < TotalColCount(); ++i) SetAllColWidths(i, carrier[i]->Width());
    // The grid keeps its column count: the items follow it.
    SynchColumns();
  }
  InvalidateGrid();
}
