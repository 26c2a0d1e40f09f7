// XML export and import of TZadIrururOziz: the save range as a flat list
// (one element per row, one child element per cell) and any document read
// into cells, attributes and leaf elements in consecutive columns.
#include <QFile>
#include <pugixml.hpp>

#include "grid/core/zad_irurur_oziz.h"
#include "grid/files/grid_file_support.h"
#include "platform/ansi_codec.h"

using namespace grid_files;

namespace {

enum class Xml_Encoding { Latin1, Utf8, Windows_1252 };

Xml_Encoding Encoding_Of(const QString& name) {
  const QString n = name.trimmed().toUpper();
  if (n == QLatin1String("ISO-8859-1") || n == QLatin1String("LATIN1")) return Xml_Encoding::Latin1;
  if (n == QLatin1String("UTF-8")) return Xml_Encoding::Utf8;
  if (n == QLatin1String("WINDOWS-1252") || n == QLatin1String("CP1252")) return Xml_Encoding::Windows_1252;
  throw VAzaZeriVader(QStringLiteral("XML encoding %1 is not supported").arg(name).toStdString());
}

bool Is_Name_Start(char32_t u) {
  return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_' || u == ':' ||
         (u >= 0xC0 && u != 0xD7 && u != 0xF7);
}

bool Is_Xml_Name(const QString& name) {
  if (name.isEmpty()) return false;
  const QList<uint> units = name.toUcs4();
  for (qsizetype i = 0; i < units.size(); ++i) {
    const char32_t u = units[i];
    if (Is_Name_Start(u)) continue;
    if (i > 0 && ((u >= '0' && u <= '9') || u == '-' || u == '.' || u == 0xB7)) continue;
    return false;
  }
  return true;
}

// The value's element text: the four replacements the reader undoes, CR as
// a character reference so it survives the parser's line-end handling, and
// characters XML cannot hold left out.
QString Escape(const QString& value) {
  QString v = value;
  v.replace(u'&', QLatin1String("$amp;"));
  v.replace(u'>', QLatin1String("&gt;"));
  v.replace(u'<', QLatin1String("&lt;"));
  v.replace(u'"', QLatin1String("&quot;"));
  QString out;
  out.reserve(v.size());
  for (QChar ch : v) {
    const char16_t u = ch.unicode();
    if (u == u'\r')
      out += QLatin1String("&#13;");
    else if (u < 0x20 && u != u'\t' && u != u'\n')
      continue;
    else if (u == 0xFFFE || u == 0xFFFF)
      continue;
    else
      out += ch;
  }
  return out;
}

// The document's text in its declared encoding; a character the encoding
// lacks goes out as a character reference.
QByteArray Encode(const QString& text, Xml_Encoding encoding) {
  if (encoding == Xml_Encoding::Utf8) return text.toUtf8();
  QByteArray bytes;
  bytes.reserve(text.size());
  const QList<uint> points = text.toUcs4();
  for (uint u : points) {
    if (u < 0x80) {
      bytes.append(char(u));
      continue;
    }
    if (encoding == Xml_Encoding::Latin1 && u <= 0xFF) {
      bytes.append(char(u));
      continue;
    }
    if (encoding == Xml_Encoding::Windows_1252 && u <= 0xFFFF) {
      const QByteArray one = ansi::Encode(QString(QChar(char16_t(u))));
      if (one.size() == 1 && one[0] != '?') {
        bytes.append(one);
        continue;
      }
    }
    bytes.append("&#" + QByteArray::number(u) + ';');
  }
  return bytes;
}

QString Unescape(QString text) {
  text.replace(QLatin1String("$amp;"), QLatin1String("&"));
  text.replace(QLatin1String("&gt;"), QLatin1String(">"));
  text.replace(QLatin1String("&lt;"), QLatin1String("<"));
  text.replace(QLatin1String("&quot;"), QLatin1String("\""));
  return text;
}

}  // namespace

void TZadIrururOziz::SaveToXML(const QString& FileName, const QString& ListDescr, const QString& RecordDescr,
                               const QStringList* FieldDescr, bool ExportEmptyCells) {
  const Xml_Encoding encoding = Encoding_Of(FXMLEncoding);
  const int hidden = SaveHiddenCells() ? NumHiddenColumns() : 0;
  const int sc = SaveStartCol(), ec = SaveEndCol() + hidden;
  QStringList names;
  for (int c = sc; c <= ec; ++c) {
    const int k = c - sc;
    names.append(FieldDescr && k < FieldDescr->size() ? FieldDescr->at(k) : QStringLiteral("FIELD%1").arg(k));
  }
  // Names that would make the document unreadable are refused before any
  // byte is written.
  for (const QString& name : QStringList{ListDescr, RecordDescr} + names)
    if (!Is_Xml_Name(name))
      throw VAzaZeriVader(QStringLiteral("Invalid XML element name \"%1\"").arg(name).toStdString());
  QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\" ?>\r\n<%2>\r\n").arg(FXMLEncoding, ListDescr);
  Progress progress(*this);
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    text += u'<' + RecordDescr + QLatin1String(">\r\n");
    for (int c = sc; c <= ec; ++c) {
      const int real = Save_Col(*this, c);
      if (!IsBaseCell(real, r)) continue;
      QString v;
      DoSaveCell(real, r, v);
      if (v.isEmpty() && !ExportEmptyCells) continue;
      if (v.isEmpty() && FQuoteEmptyCells) v = QStringLiteral("\"\"");
      const QString& name = names[c - sc];
      text += u'<' + name + u'>' + Escape(v) + QLatin1String("</") + name + QLatin1String(">\r\n");
    }
    text += QLatin1String("</") + RecordDescr + QLatin1String(">\r\n");
    progress.Report(r, SaveEndRow() - SaveStartRow());
  }
  text += QLatin1String("</") + ListDescr + QLatin1String(">\r\n");
  ExportNotification(esExportDone, -1);
  Write_File(FileName, Encode(text, encoding));
}

namespace {

// The reading state of one LoadFromXML.
struct Xml_Reader {
  TZadIrururOziz& g;
  int sc = 0, sr = 0;
  int col_offset = 0, row_offset = 0, level = 0;
  int max_col = 0, max_row = 0;
  bool level_to_row = false, load_field_descr = false;
  bool fixed_rows_saved = false;

  static bool Counts(const pugi::xml_node& n) {
    return n.type() == pugi::node_element || n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata;
  }
  static int Child_Count(const pugi::xml_node& node) {
    int n = 0;
    for (const pugi::xml_node& child : node.children())
      if (Counts(child)) ++n;
    return n;
  }
  static QString Text_Of(const pugi::xml_node& node) {
    if (node.type() != pugi::node_element) return QString::fromUtf8(node.value());
    QString text;
    for (const pugi::xml_node& child : node.children()) text += Text_Of(child);
    return text;
  }
  int Col() const { return sc + col_offset; }
  int Row() const { return sr + row_offset; }
  bool Inside_Limits() const { return Col() >= 0 && Row() >= 0 && Col() < Max_Columns && Row() < Max_Rows; }
  void Grow() {
    if (!Inside_Limits()) return;
    if (Col() >= g.ColCount()) g.SetColCount(Col() + 1);
    if (Row() >= g.RowCount()) g.SetRowCount(Row() + 1);
  }
  void Store(const QString& text) {
    if (!Inside_Limits()) return;
    g.DoLoadCell(Col(), Row(), text);
    max_col = std::max(max_col, Col());
    max_row = std::max(max_row, Row());
  }
  void Title(const char* name) {
    if (Col() < 0 || Col() >= g.ColCount() || g.RowCount() == 0) return;
    if (g.GetGridCell(Col(), 0).isEmpty()) g.DoLoadCell(Col(), 0, QString::fromUtf8(name));
  }

  void Load(const pugi::xml_node& node, int depth) {
    bool row_begun = false;
    if (node.type() == pugi::node_element) {
      int attributes = 0;
      for (const pugi::xml_attribute& a : node.attributes()) {
        Grow();
        if (fixed_rows_saved) Title(a.name());
        Store(Unescape(QString::fromUtf8(a.value())));
        ++col_offset;
        ++attributes;
      }
      if (level_to_row && attributes > 0) {
        ++row_offset;
        col_offset = level;
        row_begun = true;
      }
    }
    const int children = Child_Count(node);
    if (children > 1) {
      if (level_to_row && !row_begun) {
        ++row_offset;
        col_offset = 0;
      }
      ++level;
      // Deep documents are cut off rather than exhaust the stack.
      if (depth > 256) return;
      for (const pugi::xml_node& child : node.children())
        if (Counts(child)) Load(child, depth + 1);
    } else if (children == 1) {
      Grow();
      if (fixed_rows_saved && load_field_descr) Title(node.name());
      QString text = Unescape(Text_Of(node));
      if (g.QuoteEmptyCells() && text == QLatin1String("\"\"")) text.clear();
      Store(text);
      ++col_offset;
    } else {
      if (Col() >= 0 && Row() >= 0 && Col() < g.ColCount() && Row() < g.RowCount()) g.DoLoadCell(Col(), Row(), {});
      ++col_offset;
    }
  }
};

}  // namespace

void TZadIrururOziz::LoadFromXML(const QString& FileName, bool LevelToRow, bool LoadFieldDescr) {
  if (!QFile::exists(FileName)) throw VAzaZeriVader("XML file not found");
  QByteArray bytes = Read_Bytes(FileName);
  // The parser knows no Windows-1252; such a document is read as UTF-8.
  pugi::xml_encoding parse_as = pugi::encoding_auto;
  const QByteArray head = bytes.left(200).toLower();
  if (head.startsWith("<?xml") && (head.contains("windows-1252") || head.contains("cp1252"))) {
    bytes = ansi::Decode(bytes).toUtf8();
    parse_as = pugi::encoding_utf8;
  }
  pugi::xml_document doc;
  const pugi::xml_parse_result result =
      doc.load_buffer(bytes.constData(), size_t(bytes.size()), pugi::parse_default, parse_as);
  if (!result) {
    const int line = 1 + int(std::count(bytes.constData(),
                                        bytes.constData() + std::min<qsizetype>(result.offset, bytes.size()), '\n'));
    throw VAzaZeriVader(
        QStringLiteral("XMLDOM Parsing error %1 on line %2").arg(int(result.status)).arg(line).toStdString());
  }
  const pugi::xml_node root = doc.document_element();
  if (!root) throw VAzaZeriVader("XMLDOM Parsing error 1 on line 1");
  Xml_Reader reader{*this};
  reader.fixed_rows_saved = FSaveFixedCells || FSaveFixedRows;
  reader.sc = SaveStartCol();
  reader.sr = reader.fixed_rows_saved && !LoadFieldDescr ? 0 : FixedRows();
  reader.level_to_row = LevelToRow;
  reader.load_field_descr = LoadFieldDescr;
  reader.max_col = reader.sc;
  reader.max_row = reader.sr;
  int i = 0;
  for (const pugi::xml_node& child : root.children()) {
    if (!Xml_Reader::Counts(child)) continue;
    reader.col_offset = 0;
    reader.level = 1;
    if (LevelToRow && i == 0 && !child.first_attribute()) reader.row_offset = -1;
    reader.Load(child, 1);
    if (!LevelToRow) ++reader.row_offset;
    ++i;
  }
  SetColCount(reader.max_col + 1);
  SetRowCount(reader.max_row + 1);
  Cells_Loaded(*this);
}
