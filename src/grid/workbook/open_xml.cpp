#include "grid/workbook/open_xml.h"

#include <cstring>
#include <sstream>

namespace grid_workbook {

namespace {

const char* After_Colon(const char* name) {
  const char* colon = std::strrchr(name, ':');
  return colon ? colon + 1 : name;
}

int Hex_Digit(QChar ch) {
  if (ch >= u'0' && ch <= u'9') return ch.unicode() - u'0';
  if (ch >= u'A' && ch <= u'F') return ch.unicode() - u'A' + 10;
  if (ch >= u'a' && ch <= u'f') return ch.unicode() - u'a' + 10;
  return -1;
}

// The code of "_xHHHH_" at i, or -1.
int Escape_At(const QString& text, qsizetype i) {
  if (i + 7 > text.size() || text[i] != u'_' || text[i + 1] != u'x' || text[i + 6] != u'_') return -1;
  int code = 0;
  for (qsizetype k = i + 2; k < i + 6; ++k) {
    const int d = Hex_Digit(text[k]);
    if (d < 0) return -1;
    code = code * 16 + d;
  }
  return code;
}

bool Xml_Char(char16_t u) { return u >= 0x20 || u == u'\t' || u == u'\n' || u == u'\r'; }

}  // namespace

const char* Local_Name(const pugi::xml_node& node) { return After_Colon(node.name()); }
const char* Local_Name(const pugi::xml_attribute& attribute) { return After_Colon(attribute.name()); }

pugi::xml_node Child(const pugi::xml_node& node, const char* local) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element && std::strcmp(Local_Name(child), local) == 0) return child;
  return {};
}

pugi::xml_attribute Attribute(const pugi::xml_node& node, const char* local) {
  if (pugi::xml_attribute a = node.attribute(local)) return a;
  for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
    if (std::strcmp(Local_Name(a), local) == 0) return a;
  return {};
}

void Load_Part(pugi::xml_document& doc, const Package_Entries& entries, const QString& name) {
  const QByteArray* bytes = Find_Entry(entries, name);
  if (!bytes) throw Package_Damaged("missing part");
  const pugi::xml_parse_result result = doc.load_buffer(bytes->constData(), size_t(bytes->size()),
                                                        pugi::parse_default | pugi::parse_ws_pcdata_single);
  if (!result || !doc.document_element()) throw Package_Damaged("part is no XML document");
}

QByteArray Save_Part(const pugi::xml_document& doc) {
  std::ostringstream out;
  doc.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n") +
         QByteArray::fromStdString(out.str());
}

QString Rels_Name(const QString& part) {
  const qsizetype slash = part.lastIndexOf(u'/');
  const QString folder = slash < 0 ? QString() : part.left(slash + 1);
  return folder + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
}

QString Resolve_Target(const QString& source_part, const QString& target) {
  QStringList parts;
  QString t = target;
  if (t.startsWith(u'/')) {
    t.remove(0, 1);
  } else {
    const qsizetype slash = source_part.lastIndexOf(u'/');
    if (slash > 0) parts = source_part.left(slash).split(u'/');
  }
  for (const QString& piece : t.split(u'/')) {
    if (piece.isEmpty() || piece == QLatin1String(".")) continue;
    if (piece == QLatin1String("..")) {
      if (!parts.isEmpty()) parts.removeLast();
      continue;
    }
    parts.append(piece);
  }
  return parts.join(u'/');
}

QString Decode_Escapes(const QString& text) {
  if (!text.contains(QLatin1String("_x"))) return text;
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size();) {
    const int code = Escape_At(text, i);
    if (code >= 0) {
      out += QChar(char16_t(code));
      i += 7;
    } else {
      out += text[i++];
    }
  }
  return out;
}

QString Encode_Escapes(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t u = text[i].unicode();
    // A literal escape-like run keeps its underscore as "_x005F_".
    if (u == u'_' && Escape_At(text, i) >= 0)
      out += QLatin1String("_x005F_");
    else if (!Xml_Char(u) || u == 0xFFFE || u == 0xFFFF)
      out += QLatin1String("_x") + QString::number(int(u), 16).toUpper().rightJustified(4, u'0') + u'_';
    else
      out += text[i];
  }
  return out;
}

}  // namespace grid_workbook
