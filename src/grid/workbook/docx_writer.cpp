// Writing .docx tables. A new document is content types, the package
// relationship to word/document.xml and that part: <w:body> with the
// <w:tbl> and a closing paragraph. A table is its properties (single
// borders all round and inside, automatic width), one <w:gridCol> per
// column and <w:tr>/<w:tc> rows of cells, each line of a cell's text one
// paragraph whose <w:jc> carries a right or centred alignment.
#include <cstring>

#include "grid/workbook/docx_writer.h"
#include "grid/workbook/open_xml.h"

namespace grid_workbook {

namespace {

constexpr const char* Word_Ns = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
// The text width of a page the table spreads over, in twentieths of a point.
constexpr int Text_Width = 9000;

const QByteArray Declaration("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n");

bool Named(const pugi::xml_node& node, const char* local) {
  return node.type() == pugi::node_element && std::strcmp(Local_Name(node), local) == 0;
}

QString Without_Control_Characters(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (QChar ch : text)
    if (ch.unicode() >= 0x20 && ch.unicode() != 0xFFFE && ch.unicode() != 0xFFFF) out += ch;
  return out;
}

void Add_Paragraph(pugi::xml_node cell, const QString& line, Doc_Align align) {
  pugi::xml_node p = cell.append_child("w:p");
  if (align != Doc_Align::Left)
    p.append_child("w:pPr").append_child("w:jc").append_attribute("w:val") =
        align == Doc_Align::Right ? "right" : "center";
  if (line.isEmpty()) return;
  pugi::xml_node run = p.append_child("w:r");
  const QStringList pieces = line.split(u'\t');
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    if (i > 0) run.append_child("w:tab");
    if (pieces[i].isEmpty()) continue;
    pugi::xml_node t = run.append_child("w:t");
    t.append_attribute("xml:space") = "preserve";
    t.text().set(Without_Control_Characters(pieces[i]).toUtf8().constData());
  }
}

void Build_Table(pugi::xml_node tbl, const Doc_Table& table) {
  const size_t cols = table.empty() ? 0 : table.front().size();
  const int width = cols ? std::max(1, Text_Width / int(cols)) : Text_Width;
  pugi::xml_node pr = tbl.append_child("w:tblPr");
  pugi::xml_node w = pr.append_child("w:tblW");
  w.append_attribute("w:w") = 0;
  w.append_attribute("w:type") = "auto";
  pugi::xml_node borders = pr.append_child("w:tblBorders");
  for (const char* side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
    pugi::xml_node b = borders.append_child(side);
    b.append_attribute("w:val") = "single";
    b.append_attribute("w:sz") = 4;
    b.append_attribute("w:space") = 0;
    b.append_attribute("w:color") = "auto";
  }
  pugi::xml_node grid = tbl.append_child("w:tblGrid");
  for (size_t c = 0; c < cols; ++c) grid.append_child("w:gridCol").append_attribute("w:w") = width;
  for (const std::vector<Doc_Cell>& row : table) {
    pugi::xml_node tr = tbl.append_child("w:tr");
    for (size_t c = 0; c < cols; ++c) {
      pugi::xml_node tc = tr.append_child("w:tc");
      pugi::xml_node tcw = tc.append_child("w:tcPr").append_child("w:tcW");
      tcw.append_attribute("w:w") = width;
      tcw.append_attribute("w:type") = "dxa";
      const Doc_Cell cell = c < row.size() ? row[c] : Doc_Cell{};
      QString text = cell.Text;
      text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
      for (const QString& line : text.split(u'\n')) Add_Paragraph(tc, line, cell.Align);
    }
  }
}

// The body's child before which a table goes for the bookmark, or null.
pugi::xml_node Bookmark_Block(const pugi::xml_node& body, const QString& bookmark, bool& after) {
  after = false;
  if (bookmark.isEmpty()) return {};
  const std::string name = bookmark.toStdString();
  pugi::xml_node start = body.find_node([&name](const pugi::xml_node& n) {
    return Named(n, "bookmarkStart") && name == Attribute(n, "name").value();
  });
  if (!start) return {};
  // A bookmark between blocks: the table follows it. Inside a paragraph:
  // the table goes before that paragraph, in the body or in a table cell.
  if (start.parent() == body || Named(start.parent(), "tc")) {
    after = true;
    return start;
  }
  pugi::xml_node block = start;
  while (block.parent() && block.parent() != body && !Named(block.parent(), "tc") &&
         !Named(block.parent(), "sdtContent"))
    block = block.parent();
  return block.parent() ? block : pugi::xml_node();
}

void Ensure_Word_Prefix(pugi::xml_node root) {
  pugi::xml_attribute a = root.attribute("xmlns:w");
  if (!a) root.append_attribute("xmlns:w") = Word_Ns;
}

}  // namespace

QByteArray New_Docx(const Doc_Table& table) {
  pugi::xml_document doc;
  pugi::xml_node root = doc.append_child("w:document");
  root.append_attribute("xmlns:w") = Word_Ns;
  pugi::xml_node body = root.append_child("w:body");
  Build_Table(body.append_child("w:tbl"), table);
  body.append_child("w:p");
  body.append_child("w:sectPr");
  Package_Entries entries{
      {QStringLiteral("[Content_Types].xml"),
       Declaration + "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                     "<Default Extension=\"rels\" "
                     "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                     "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                     "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
                     "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></Types>"},
      {QStringLiteral("_rels/.rels"),
       Declaration + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                     "<Relationship Id=\"rId1\" "
                     "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
                     "Target=\"word/document.xml\"/></Relationships>"},
      {QStringLiteral("word/document.xml"), Save_Part(doc)},
  };
  return Write_Package(entries);
}

QByteArray Append_Docx_Table(const QByteArray& document, const Doc_Table& table, const QString& bookmark) {
  Package_Entries entries = Read_Package(document);
  QString part = QStringLiteral("word/document.xml");
  if (Find_Entry(entries, QStringLiteral("_rels/.rels"))) {
    pugi::xml_document rels;
    Load_Part(rels, entries, QStringLiteral("_rels/.rels"));
    for (pugi::xml_node r = rels.document_element().first_child(); r; r = r.next_sibling())
      if (QString::fromUtf8(r.attribute("Type").value()).endsWith(QLatin1String("/officeDocument")))
        part = Resolve_Target(QString(), QString::fromUtf8(r.attribute("Target").value()));
  }
  pugi::xml_document doc;
  Load_Part(doc, entries, part);
  pugi::xml_node root = doc.document_element();
  pugi::xml_node body = Child(root, "body");
  if (!Named(root, "document") || !body) throw Package_Damaged("no document body");
  Ensure_Word_Prefix(root);
  bool after = false;
  pugi::xml_node at = Bookmark_Block(body, bookmark, after);
  if (at) {
    pugi::xml_node tbl = after ? at.parent().insert_child_after("w:tbl", at) : at.parent().insert_child_before("w:tbl", at);
    Build_Table(tbl, table);
    // A table never ends a cell: a paragraph follows it there.
    if (after && Named(at.parent(), "tc")) at.parent().insert_child_after("w:p", tbl);
  } else {
    pugi::xml_node last = body.last_child();
    while (last && last.type() != pugi::node_element) last = last.previous_sibling();
    const bool section = last && Named(last, "sectPr");
    pugi::xml_node tbl = section ? body.insert_child_before("w:tbl", last) : body.append_child("w:tbl");
    Build_Table(tbl, table);
    body.insert_child_after("w:p", tbl);
  }
  for (auto& [name, bytes] : entries)
    if (name.compare(part, Qt::CaseInsensitive) == 0) bytes = Save_Part(doc);
  return Write_Package(entries);
}

}  // namespace grid_workbook
