// Reading .xlsx workbooks: the package's relationships lead from
// "_rels/.rels" to the workbook part, whose <sheets> list names each sheet
// and its part; <workbookView activeTab> is the sheet shown on saving.
// Each sheet's <sheetData> holds <row r> with <c r t><v>/<is>; t "s" indexes
// the shared strings, "inlineStr" carries its text, "str" a formula's
// text, "b" a truth value, "e" an error (skipped), else a number; a number
// whose style (<c s>, an index into the styles part's <cellXfs>) has a date
// or time format is a date serial.
#include <QLocale>
#include <cmath>
#include <cstring>
#include <vector>

#include "grid/workbook/open_xml.h"
#include "grid/workbook/workbook_address.h"
#include "grid/workbook/workbook_dates.h"
#include "grid/workbook/workbook_source.h"

namespace grid_workbook {

namespace {

const QString Default_Workbook = QStringLiteral("xl/workbook.xml");

// Shared-string and cell texts: every <t> below the node, leaving out the
// phonetic runs.
void Collect_Text(const pugi::xml_node& node, QString& text) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    const char* name = Local_Name(child);
    if (std::strcmp(name, "t") == 0)
      text += QString::fromUtf8(child.text().get());
    else if (std::strcmp(name, "rPh") != 0 && std::strcmp(name, "phoneticPr") != 0)
      Collect_Text(child, text);
  }
}

// The relationships of a part: id -> resolved target, and the first target
// of each type suffix asked for.
struct Relationships {
  std::map<QString, QString> by_id;
  std::vector<std::pair<QString, QString>> by_type;  // type, target

  QString Of_Type(const char* suffix) const {
    for (const auto& [type, target] : by_type)
      if (type.endsWith(QLatin1String(suffix))) return target;
    return {};
  }
};

Relationships Read_Relationships(const Package_Entries& entries, const QString& part) {
  Relationships rels;
  const QString name = Rels_Name(part);
  if (!Find_Entry(entries, name)) return rels;
  pugi::xml_document doc;
  Load_Part(doc, entries, name);
  for (pugi::xml_node r = doc.document_element().first_child(); r; r = r.next_sibling()) {
    if (std::strcmp(Local_Name(r), "Relationship") != 0) continue;
    if (QString::fromUtf8(r.attribute("TargetMode").value()) == QLatin1String("External")) continue;
    const QString target = Resolve_Target(part, QString::fromUtf8(r.attribute("Target").value()));
    rels.by_id[QString::fromUtf8(r.attribute("Id").value())] = target;
    rels.by_type.emplace_back(QString::fromUtf8(r.attribute("Type").value()), target);
  }
  return rels;
}

class Xlsx_Workbook : public Workbook_Source {
 public:
  explicit Xlsx_Workbook(const QByteArray& bytes) : entries_(Read_Package(bytes)) {
    QString workbook = Read_Relationships(entries_, QString()).Of_Type("/officeDocument");
    if (workbook.isEmpty()) workbook = Default_Workbook;
    pugi::xml_document doc;
    Load_Part(doc, entries_, workbook);
    const pugi::xml_node root = doc.document_element();
    if (std::strcmp(Local_Name(root), "workbook") != 0) throw Package_Damaged("no workbook part");
    const Relationships rels = Read_Relationships(entries_, workbook);
    for (pugi::xml_node s = Child(Child(root, "sheets"), "sheet"); s; s = s.next_sibling()) {
      if (std::strcmp(Local_Name(s), "sheet") != 0) continue;
      const auto target = rels.by_id.find(QString::fromUtf8(Attribute(s, "id").value()));
      names_.append(QString::fromUtf8(s.attribute("name").value()));
      parts_.append(target == rels.by_id.end() ? QString() : target->second);
    }
    if (names_.isEmpty()) throw Package_Damaged("workbook without sheets");
    active_ = Child(Child(root, "bookViews"), "workbookView").attribute("activeTab").as_int(0);
    if (active_ < 0 || active_ >= names_.size()) active_ = 0;
    const QString strings = rels.Of_Type("/sharedStrings");
    if (!strings.isEmpty() && Find_Entry(entries_, strings)) Read_Shared_Strings(strings);
    const QString date1904 = QString::fromUtf8(Child(root, "workbookPr").attribute("date1904").value());
    date1904_ = date1904 == QLatin1String("1") || date1904 == QLatin1String("true");
    const QString styles = rels.Of_Type("/styles");
    if (!styles.isEmpty() && Find_Entry(entries_, styles)) Read_Date_Styles(styles);
  }

  QStringList Sheet_Names() const override { return names_; }
  int Active_Sheet() const override { return active_; }

  Sheet_Cells Read_Sheet(int index) const override {
    if (index < 0 || index >= parts_.size() || parts_[index].isEmpty()) throw Package_Damaged("sheet part missing");
    pugi::xml_document doc;
    Load_Part(doc, entries_, parts_[index]);
    const pugi::xml_node root = doc.document_element();
    if (std::strcmp(Local_Name(root), "worksheet") != 0) throw Package_Damaged("sheet is no worksheet");
    Sheet_Cells cells;
    // Every cell counts for the used range, also an empty or error one.
    int r1 = Max_Sheet_Rows + 1, r2 = 0, c1 = Max_Sheet_Columns + 1, c2 = 0;
    size_t count = 0;
    int row = 0;
    for (pugi::xml_node r = Child(Child(root, "sheetData"), "row"); r; r = r.next_sibling()) {
      if (std::strcmp(Local_Name(r), "row") != 0) continue;
      row = r.attribute("r") ? r.attribute("r").as_int(-1) : row + 1;
      if (row < 1 || row > Max_Sheet_Rows) throw Package_Damaged("row out of range");
      int col = 0;
      for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element || std::strcmp(Local_Name(c), "c") != 0) continue;
        if (const pugi::xml_attribute ref = c.attribute("r")) {
          int ref_row = 0;
          if (!Split_Cell_Ref(QString::fromUtf8(ref.value()), col, ref_row) || ref_row != row)
            throw Package_Damaged("bad cell reference");
        } else {
          ++col;
        }
        if (col < 1 || col > Max_Sheet_Columns) throw Package_Damaged("column out of range");
        r1 = std::min(r1, row);
        r2 = std::max(r2, row);
        c1 = std::min(c1, col);
        c2 = std::max(c2, col);
        if (++count > size_t(Max_Sheet_Cells)) throw Package_Damaged("too many cells");
        QString text;
        if (Cell_Text(c, text) && !text.isEmpty()) cells.Values[{row, col}] = text;
      }
    }
    cells.Address = count == 0 ? Range_Address(1, 1, 1, 1) : Range_Address(c1, r1, c2, r2);
    return cells;
  }

 private:
  void Read_Shared_Strings(const QString& part) {
    pugi::xml_document doc;
    Load_Part(doc, entries_, part);
    for (pugi::xml_node si = doc.document_element().first_child(); si; si = si.next_sibling()) {
      if (si.type() != pugi::node_element || std::strcmp(Local_Name(si), "si") != 0) continue;
      QString text;
      Collect_Text(si, text);
      strings_.append(Decode_Escapes(text));
    }
  }

  // The date kind of every cell style: its number format, custom or built in.
  void Read_Date_Styles(const QString& part) {
    pugi::xml_document doc;
    Load_Part(doc, entries_, part);
    const pugi::xml_node root = doc.document_element();
    std::map<int, QString> codes;
    for (pugi::xml_node f = Child(Child(root, "numFmts"), "numFmt"); f; f = f.next_sibling())
      if (std::strcmp(Local_Name(f), "numFmt") == 0)
        codes[f.attribute("numFmtId").as_int(-1)] = QString::fromUtf8(f.attribute("formatCode").value());
    for (pugi::xml_node xf = Child(Child(root, "cellXfs"), "xf"); xf; xf = xf.next_sibling()) {
      if (std::strcmp(Local_Name(xf), "xf") != 0) continue;
      const int id = xf.attribute("numFmtId").as_int(0);
      const auto code = codes.find(id);
      style_dates_.push_back(Format_Date_Kind(id, code == codes.end() ? QString() : code->second));
    }
  }

  Date_Kind Style_Date_Kind(const pugi::xml_node& c) const {
    const int style = c.attribute("s").as_int(0);
    return style >= 0 && size_t(style) < style_dates_.size() ? style_dates_[size_t(style)] : Date_Kind::None;
  }

  // The cell's text; false for an error cell or a broken value.
  bool Cell_Text(const pugi::xml_node& c, QString& text) const {
    const QString type = QString::fromUtf8(c.attribute("t").value());
    const pugi::xml_node v = Child(c, "v");
    const QString value = QString::fromUtf8(v.text().get());
    if (type == QLatin1String("e")) return false;
    if (type == QLatin1String("inlineStr")) {
      Collect_Text(Child(c, "is"), text);
      text = Decode_Escapes(text);
      return true;
    }
    if (!v) return true;
    if (type == QLatin1String("s")) {
      bool ok = false;
      const int index = value.trimmed().toInt(&ok);
      if (!ok || index < 0 || index >= strings_.size()) throw Package_Damaged("bad shared string index");
      text = strings_[index];
      return true;
    }
    if (type == QLatin1String("str")) {
      text = Decode_Escapes(value);
      return true;
    }
    if (type == QLatin1String("b")) {
      text = value.trimmed() == QLatin1String("1") ? QStringLiteral("True") : QStringLiteral("False");
      return true;
    }
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) return false;
    if (!Serial_Date_Text(number, Style_Date_Kind(c), date1904_, text)) text = Number_Text(number);
    return true;
  }

  Package_Entries entries_;
  QStringList names_, parts_;
  QStringList strings_;
  std::vector<Date_Kind> style_dates_;
  bool date1904_ = false;
  int active_ = 0;
};

}  // namespace

std::unique_ptr<Workbook_Source> Open_Xlsx(const QByteArray& bytes) { return std::make_unique<Xlsx_Workbook>(bytes); }

bool Is_Compound_File(const QByteArray& bytes) {
  return bytes.startsWith(QByteArray::fromHex("D0CF11E0A1B11AE1"));
}

std::unique_ptr<Workbook_Source> Open_Workbook(const QString& path, const QByteArray& bytes) {
  return Is_Compound_File(bytes) ? Open_Xls(path) : Open_Xlsx(bytes);
}

QString Number_Text(double value) {
  const QLocale locale = QLocale::system();
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  if (value == std::trunc(value) && std::fabs(value) < 1e15) return plain.toString(qlonglong(value));
  return plain.toString(value, 'g', 15);
}

bool Is_Number_Text(const QString& text, double& value) {
  if (text.isEmpty() || text.size() > 40) return false;
  QLocale plain = QLocale::system();
  plain.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
  bool ok = false;
  value = plain.toDouble(text, &ok);
  return ok && std::isfinite(value) && Number_Text(value) == text;
}

QString Range_Address(int c1, int r1, int c2, int r2) {
  const QString first = u'$' + Column_Letters(c1) + u'$' + QString::number(r1);
  if (r1 == r2 && c1 == c2) return first;
  return first + QLatin1String(":$") + Column_Letters(c2) + u'$' + QString::number(r2);
}

}  // namespace grid_workbook
