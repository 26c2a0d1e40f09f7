// Writing .xlsx workbooks. A new workbook is the smallest package the
// spreadsheet programs open: content types, the package relationship to
// xl/workbook.xml, its relationships to the sheet and a one-style
// xl/styles.xml, and xl/worksheets/sheet1.xml. Into an existing workbook the
// values are merged cell by cell: rows and cells are found or inserted in
// order, a written cell loses its formula and keeps its style, and the
// calculation chain, which may name formulas no longer there, is dropped
// for the program to rebuild.
#include <QLocale>
#include <cstring>
#include <map>

#include "grid/workbook/open_xml.h"
#include "grid/workbook/workbook_address.h"
#include "grid/workbook/workbook_source.h"
#include "grid/workbook/xlsx_writer.h"

namespace grid_workbook {

namespace {

constexpr const char* Main_Ns = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* Package_Rel_Ns = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* Worksheet_Type =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
constexpr const char* Worksheet_Content = "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";

QByteArray Xml_Text(const QString& s) {
  QByteArray out = s.toUtf8();
  out.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;").replace('"', "&quot;");
  return out;
}

const QByteArray Declaration("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n");

QByteArray Content_Types() {
  return Declaration +
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/xl/workbook.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
         "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"" +
         QByteArray(Worksheet_Content) +
         "\"/>"
         "<Override PartName=\"/xl/styles.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
         "</Types>";
}

QByteArray Package_Rels() {
  return Declaration + "<Relationships xmlns=\"" + Package_Rel_Ns +
         "\"><Relationship Id=\"rId1\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
         "Target=\"xl/workbook.xml\"/></Relationships>";
}

QByteArray Workbook_Part(const QString& sheet_name) {
  return Declaration + "<workbook xmlns=\"" + Main_Ns + "\" xmlns:r=\"" + Rel_Ns +
         "\"><bookViews><workbookView activeTab=\"0\"/></bookViews><sheets><sheet name=\"" + Xml_Text(sheet_name) +
         "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
}

QByteArray Workbook_Rels() {
  return Declaration + "<Relationships xmlns=\"" + Package_Rel_Ns + "\"><Relationship Id=\"rId1\" Type=\"" +
         Worksheet_Type +
         "\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
         "Target=\"styles.xml\"/></Relationships>";
}

QByteArray Styles_Part() {
  return Declaration + "<styleSheet xmlns=\"" + Main_Ns +
         "\"><fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
         "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
         "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
         "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
         "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
         "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></cellXfs>"
         "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
         "</styleSheet>";
}

QByteArray Empty_Sheet() {
  return Declaration + "<worksheet xmlns=\"" + Main_Ns + "\" xmlns:r=\"" + Rel_Ns +
         "\"><dimension ref=\"A1\"/><sheetData/></worksheet>";
}

bool Named(const pugi::xml_node& node, const char* local) {
  return node.type() == pugi::node_element && std::strcmp(Local_Name(node), local) == 0;
}

// The prefix ("x:" or "") the document's root element uses.
std::string Prefix_Of(const pugi::xml_node& root) {
  const std::string name = root.name();
  const size_t colon = name.find(':');
  return colon == std::string::npos ? std::string() : name.substr(0, colon + 1);
}

// The values written into a worksheet document.
class Sheet_Merge {
 public:
  explicit Sheet_Merge(pugi::xml_document& doc) : root_(doc.document_element()), prefix_(Prefix_Of(root_)) {
    data_ = Child(root_, "sheetData");
    if (!data_) {
      // Its place is after the sheet's properties, views, format and columns.
      pugi::xml_node after;
      for (pugi::xml_node n = root_.first_child(); n; n = n.next_sibling())
        for (const char* before : {"sheetPr", "dimension", "sheetViews", "sheetFormatPr", "cols"})
          if (Named(n, before)) after = n;
      data_ = after ? root_.insert_child_after(Name("sheetData").c_str(), after)
                    : root_.prepend_child(Name("sheetData").c_str());
    }
    int row = 0;
    for (pugi::xml_node r = data_.first_child(); r; r = r.next_sibling()) {
      if (!Named(r, "row")) continue;
      row = r.attribute("r") ? r.attribute("r").as_int() : row + 1;
      if (row < 1 || row > Max_Sheet_Rows) throw Package_Damaged("row out of range");
      if (!r.attribute("r")) r.append_attribute("r") = row;
      rows_[row] = r;
    }
  }

  void Write(int start_row, const Sheet_Values& values) {
    for (size_t i = 0; i < values.size(); ++i) {
      const int row = start_row + int(i);
      if (row > Max_Sheet_Rows) throw Package_Damaged("row out of range");
      const QStringList& texts = values[i];
      bool any = false;
      for (const QString& t : texts) any = any || !t.isEmpty();
      auto found = rows_.find(row);
      if (found == rows_.end() && !any) continue;
      pugi::xml_node r = found != rows_.end() ? found->second : Insert_Row(row);
      r.remove_attribute("spans");
      std::map<int, pugi::xml_node> cells = Cells_Of(r);
      for (qsizetype k = 0; k < texts.size(); ++k) {
        const int col = int(k) + 1;
        if (col > Max_Sheet_Columns) throw Package_Damaged("column out of range");
        auto cell = cells.find(col);
        if (cell == cells.end()) {
          if (texts[k].isEmpty()) continue;
          auto next = cells.upper_bound(col);
          pugi::xml_node c = next == cells.end() ? r.append_child(Name("c").c_str())
                                                 : r.insert_child_before(Name("c").c_str(), next->second);
          c.append_attribute("r") = Cell_Ref(col, row).toUtf8().constData();
          cell = cells.emplace(col, c).first;
        }
        Set_Cell(r, cell->second, texts[k]);
      }
    }
    Update_Dimension();
  }

 private:
  std::string Name(const char* local) const { return prefix_ + local; }

  pugi::xml_node Insert_Row(int row) {
    auto next = rows_.upper_bound(row);
    pugi::xml_node r = next == rows_.end() ? data_.append_child(Name("row").c_str())
                                           : data_.insert_child_before(Name("row").c_str(), next->second);
    r.append_attribute("r") = row;
    rows_[row] = r;
    return r;
  }

  std::map<int, pugi::xml_node> Cells_Of(pugi::xml_node r) {
    std::map<int, pugi::xml_node> cells;
    const int row = r.attribute("r").as_int();
    int col = 0;
    for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
      if (!Named(c, "c")) continue;
      int ref_row = 0;
      if (c.attribute("r")) {
        if (!Split_Cell_Ref(QString::fromUtf8(c.attribute("r").value()), col, ref_row) || ref_row != row)
          throw Package_Damaged("bad cell reference");
      } else {
        ++col;
        c.append_attribute("r") = Cell_Ref(col, row).toUtf8().constData();
      }
      cells[col] = c;
    }
    return cells;
  }

  void Set_Cell(pugi::xml_node r, pugi::xml_node c, const QString& text) {
    for (pugi::xml_node n = c.first_child(); n;) {
      const pugi::xml_node next = n.next_sibling();
      if (Named(n, "f") || Named(n, "v") || Named(n, "is")) c.remove_child(n);
      n = next;
    }
    for (const char* a : {"t", "cm", "vm"}) c.remove_attribute(a);
    if (text.isEmpty()) {
      // An unstyled empty cell is no cell at all.
      if (!c.attribute("s")) r.remove_child(c);
      return;
    }
    double number = 0;
    if (Is_Number_Text(text, number)) {
      c.append_child(Name("v").c_str())
          .text()
          .set(QString::number(number, 'g', QLocale::FloatingPointShortest).toUtf8().constData());
      return;
    }
    c.append_attribute("t") = "inlineStr";
    pugi::xml_node t = c.append_child(Name("is").c_str()).append_child(Name("t").c_str());
    t.append_attribute("xml:space") = "preserve";
    t.text().set(Encode_Escapes(text).toUtf8().constData());
  }

  void Update_Dimension() {
    int r1 = 0, r2 = 0, c1 = 0, c2 = 0;
    for (pugi::xml_node r = data_.first_child(); r; r = r.next_sibling()) {
      if (!Named(r, "row")) continue;
      const int row = r.attribute("r").as_int();
      for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
        int col = 0, ref_row = 0;
        if (!Named(c, "c") || !Split_Cell_Ref(QString::fromUtf8(c.attribute("r").value()), col, ref_row)) continue;
        if (r2 == 0 || row < r1) r1 = row;
        r2 = std::max(r2, row);
        if (c2 == 0 || col < c1) c1 = col;
        c2 = std::max(c2, col);
      }
    }
    const QString ref = r2 == 0 ? QStringLiteral("A1")
                        : (r1 == r2 && c1 == c2) ? Cell_Ref(c1, r1)
                                                 : Cell_Ref(c1, r1) + u':' + Cell_Ref(c2, r2);
    pugi::xml_node dimension = Child(root_, "dimension");
    if (!dimension) {
      const pugi::xml_node properties = Child(root_, "sheetPr");
      dimension = properties ? root_.insert_child_after(Name("dimension").c_str(), properties)
                             : root_.prepend_child(Name("dimension").c_str());
    }
    dimension.remove_attribute("ref");
    dimension.append_attribute("ref") = ref.toUtf8().constData();
  }

  pugi::xml_node root_;
  std::string prefix_;
  pugi::xml_node data_;
  std::map<int, pugi::xml_node> rows_;
};

QByteArray Merge_Sheet(const QByteArray& sheet, int start_row, const Sheet_Values& values) {
  pugi::xml_document doc;
  Package_Entries one{{QStringLiteral("s"), sheet}};
  Load_Part(doc, one, QStringLiteral("s"));
  if (!Named(doc.document_element(), "worksheet")) throw Package_Damaged("sheet is no worksheet");
  Sheet_Merge(doc).Write(start_row, values);
  return Save_Part(doc);
}

// The prefix ("r:") bound to the relationships namespace on the element,
// declared there as "r" when none is.
std::string Rel_Prefix(pugi::xml_node root) {
  for (pugi::xml_attribute a = root.first_attribute(); a; a = a.next_attribute())
    if (std::strncmp(a.name(), "xmlns:", 6) == 0 && std::strcmp(a.value(), Rel_Ns) == 0)
      return std::string(a.name() + 6) + ':';
  std::string prefix = "r";
  while (root.attribute(("xmlns:" + prefix).c_str())) prefix += 'r';
  root.append_attribute(("xmlns:" + prefix).c_str()) = Rel_Ns;
  return prefix + ':';
}

// A relationship id not used yet in the relationships document.
QString Free_Rel_Id(const pugi::xml_node& rels) {
  int highest = 0;
  for (pugi::xml_node r = rels.first_child(); r; r = r.next_sibling()) {
    const QString id = QString::fromUtf8(r.attribute("Id").value());
    if (id.startsWith(QLatin1String("rId"))) highest = std::max(highest, id.mid(3).toInt());
  }
  return QStringLiteral("rId%1").arg(highest + 1);
}

QString Workbook_Of(const Package_Entries& entries) {
  const QString rels = Rels_Name(QString());
  if (Find_Entry(entries, rels)) {
    pugi::xml_document doc;
    Load_Part(doc, entries, rels);
    for (pugi::xml_node r = doc.document_element().first_child(); r; r = r.next_sibling())
      if (QString::fromUtf8(r.attribute("Type").value()).endsWith(QLatin1String("/officeDocument")))
        return Resolve_Target(QString(), QString::fromUtf8(r.attribute("Target").value()));
  }
  return QStringLiteral("xl/workbook.xml");
}

// Drops the calculation chain: its part, its relationship, its content type.
void Drop_Calc_Chain(Package_Entries& entries, const QString& workbook, pugi::xml_document& rels,
                     pugi::xml_document& types) {
  for (pugi::xml_node r = rels.document_element().first_child(); r;) {
    const pugi::xml_node next = r.next_sibling();
    if (QString::fromUtf8(r.attribute("Type").value()).endsWith(QLatin1String("/calcChain"))) {
      const QString part = Resolve_Target(workbook, QString::fromUtf8(r.attribute("Target").value()));
      Remove_Entry(entries, part);
      for (pugi::xml_node o = types.document_element().first_child(); o;) {
        const pugi::xml_node after = o.next_sibling();
        if (QString::fromUtf8(o.attribute("PartName").value()) == u'/' + part) types.document_element().remove_child(o);
        o = after;
      }
      rels.document_element().remove_child(r);
    }
    r = next;
  }
}

}  // namespace

QByteArray New_Xlsx(const QString& sheet_name, int start_row, const Sheet_Values& values) {
  Package_Entries entries{
      {QStringLiteral("[Content_Types].xml"), Content_Types()},
      {QStringLiteral("_rels/.rels"), Package_Rels()},
      {QStringLiteral("xl/workbook.xml"), Workbook_Part(sheet_name)},
      {QStringLiteral("xl/_rels/workbook.xml.rels"), Workbook_Rels()},
      {QStringLiteral("xl/styles.xml"), Styles_Part()},
      {QStringLiteral("xl/worksheets/sheet1.xml"), Merge_Sheet(Empty_Sheet(), start_row, values)},
  };
  return Write_Package(entries);
}

QByteArray Put_Xlsx_Sheet(const QByteArray& workbook_bytes, const QString& sheet_name, int start_row,
                          const Sheet_Values& values) {
  Package_Entries entries = Read_Package(workbook_bytes);
  const QString workbook = Workbook_Of(entries);
  const QString rels_name = Rels_Name(workbook);
  const QString types_name = QStringLiteral("[Content_Types].xml");
  pugi::xml_document book, rels, types;
  Load_Part(book, entries, workbook);
  Load_Part(rels, entries, rels_name);
  Load_Part(types, entries, types_name);
  if (!Named(book.document_element(), "workbook")) throw Package_Damaged("no workbook part");
  pugi::xml_node sheets = Child(book.document_element(), "sheets");
  if (!sheets) throw Package_Damaged("workbook without sheets");

  pugi::xml_node target;
  for (pugi::xml_node s = sheets.first_child(); s; s = s.next_sibling())
    if (Named(s, "sheet") && QString::fromUtf8(s.attribute("name").value()) == sheet_name) target = s;
  QString part;
  if (target) {
    const QString id = QString::fromUtf8(Attribute(target, "id").value());
    for (pugi::xml_node r = rels.document_element().first_child(); r; r = r.next_sibling())
      if (QString::fromUtf8(r.attribute("Id").value()) == id)
        part = Resolve_Target(workbook, QString::fromUtf8(r.attribute("Target").value()));
    const QByteArray* sheet = part.isEmpty() ? nullptr : Find_Entry(entries, part);
    if (!sheet) throw Package_Damaged("sheet part missing");
    Put_Entry(entries, part, Merge_Sheet(*sheet, start_row, values));
  } else {
    const qsizetype slash = workbook.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QString() : workbook.left(slash + 1);
    int n = 1;
    while (Find_Entry(entries, folder + QStringLiteral("worksheets/sheet%1.xml").arg(n))) ++n;
    const QString relative = QStringLiteral("worksheets/sheet%1.xml").arg(n);
    part = folder + relative;
    Put_Entry(entries, part, Merge_Sheet(Empty_Sheet(), start_row, values));

    const QString id = Free_Rel_Id(rels.document_element());
    pugi::xml_node rel = rels.document_element().append_child(
        (Prefix_Of(rels.document_element()) + "Relationship").c_str());
    rel.append_attribute("Id") = id.toUtf8().constData();
    rel.append_attribute("Type") = Worksheet_Type;
    rel.append_attribute("Target") = relative.toUtf8().constData();

    int sheet_id = 0;
    for (pugi::xml_node s = sheets.first_child(); s; s = s.next_sibling())
      if (Named(s, "sheet")) sheet_id = std::max(sheet_id, s.attribute("sheetId").as_int());
    const std::string r_prefix = Rel_Prefix(book.document_element());
    pugi::xml_node sheet = sheets.append_child((Prefix_Of(book.document_element()) + "sheet").c_str());
    sheet.append_attribute("name") = sheet_name.toUtf8().constData();
    sheet.append_attribute("sheetId") = sheet_id + 1;
    sheet.append_attribute((r_prefix + "id").c_str()) = id.toUtf8().constData();

    pugi::xml_node o = types.document_element().append_child((Prefix_Of(types.document_element()) + "Override").c_str());
    o.append_attribute("PartName") = ('/' + part).toUtf8().constData();
    o.append_attribute("ContentType") = Worksheet_Content;
  }
  Drop_Calc_Chain(entries, workbook, rels, types);
  Put_Entry(entries, workbook, Save_Part(book));
  Put_Entry(entries, rels_name, Save_Part(rels));
  Put_Entry(entries, types_name, Save_Part(types));
  return Write_Package(entries);
}

}  // namespace grid_workbook
