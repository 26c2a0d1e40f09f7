#include "platform/xml_document.h"

#include <QFile>
#include <QStringDecoder>
#include <sstream>

#include "platform/atomic_file.h"

namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }
// A text that starts with U+FEFF keeps it: QString::fromUtf8 would take it
// for a byte-order mark and drop it from a name or a value.
QString FromUtf8(const char* text) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  return decoder(QByteArrayView(text));
}

constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_comments | pugi::parse_pi | pugi::parse_declaration | pugi::parse_doctype;

}  // namespace

QString Xml_Node::Name() const { return FromUtf8(node_.name()); }

Xml_Node Xml_Node::Child(const QString& name) const {
  const std::string wanted = Utf8(name);
  for (pugi::xml_node child : node_.children())
    if (child.type() == pugi::node_element && wanted == child.name()) return Xml_Node(child);
  return {};
}

int Xml_Node::Child_Count() const {
  int count = 0;
  for (pugi::xml_node child = node_.first_child(); child; child = child.next_sibling()) ++count;
  return count;
}

Xml_Node Xml_Node::Child_At(int index) const {
  if (index < 0) return {};
  pugi::xml_node child = node_.first_child();
  for (int i = 0; child && i < index; ++i) child = child.next_sibling();
  return Xml_Node(child);
}

QString Xml_Node::Attribute(const QString& name) const {
  std::optional<QString> value = Find_Attribute(name);
  if (!value)
    throw Xml_Error(QStringLiteral("Attribute \"%1\" is missing on element \"%2\"").arg(name, Name()).toStdString());
  return *value;
}

std::optional<QString> Xml_Node::Find_Attribute(const QString& name) const {
  pugi::xml_attribute attribute = node_.attribute(Utf8(name).c_str());
  if (!attribute) return std::nullopt;
  return FromUtf8(attribute.value());
}

void Xml_Node::Set_Attribute(const QString& name, const QString& value) {
  const std::string key = Utf8(name);
  pugi::xml_attribute attribute = node_.attribute(key.c_str());
  if (!attribute) attribute = node_.append_attribute(key.c_str());
  attribute.set_value(Utf8(value).c_str());
}

std::optional<QString> Xml_Node::Single_Text() const {
  if (!node_ || node_.type() != pugi::node_element) return std::nullopt;
  pugi::xml_node first = node_.first_child();
  if (!first) return QString();
  if (first.next_sibling()) return std::nullopt;
  if (first.type() != pugi::node_pcdata && first.type() != pugi::node_cdata) return std::nullopt;
  return FromUtf8(first.value());
}

QString Xml_Node::Text() const { return FromUtf8(node_.child_value()); }

void Xml_Node::Set_Text(const QString& text) {
  // Like the DOM's text property: the children go, and an empty text leaves
  // an empty element (<X/>).
  while (node_.first_child()) node_.remove_child(node_.first_child());
  if (!text.isEmpty()) node_.append_child(pugi::node_pcdata).set_value(Utf8(text).c_str());
}

Xml_Node Xml_Node::Add_Child(const QString& name) { return Xml_Node(node_.append_child(Utf8(name).c_str())); }

void Xml_Node::Add_Comment(const QString& text) {
  node_.append_child(pugi::node_comment).set_value(Utf8(text).c_str());
}

Xml_Document::Xml_Document() : doc_(std::make_unique<pugi::xml_document>()) {}
Xml_Document::~Xml_Document() = default;

void Xml_Document::Load_File(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    Clear();
    throw Xml_Error(QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString()).toStdString());
  }
  try {
    Load_Text(file.readAll());
  } catch (const Xml_Error& e) {
    throw Xml_Error(QStringLiteral("%1: %2").arg(path, QString::fromStdString(e.what())).toStdString());
  }
}

void Xml_Document::Load_Text(const QByteArray& text) {
  Clear();
  const pugi::xml_parse_result result = doc_->load_buffer(text.constData(), text.size(), kParseOptions);
  if (!result) {
    const std::string message = std::string(result.description()) + " at offset " + std::to_string(result.offset);
    Clear();
    throw Xml_Error(message);
  }
}

void Xml_Document::Clear() { doc_->reset(); }

Xml_Node Xml_Document::Root() const {
  // A comment or processing instruction before the root (an editor's note, a
  // stylesheet line) must not hide the values: the root is the first element.
  for (pugi::xml_node node : doc_->children())
    if (node.type() == pugi::node_element) return Xml_Node(node);
  return {};
}

Xml_Node Xml_Document::Add_Root(const QString& name) { return Xml_Node(doc_->append_child(Utf8(name).c_str())); }

void Xml_Document::Add_Comment(const QString& text) {
  doc_->append_child(pugi::node_comment).set_value(Utf8(text).c_str());
}

QByteArray Xml_Document::Save_Text() const {
  std::ostringstream out;
  doc_->save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  const std::string text = out.str();
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

void Xml_Document::Save(const QString& path) const { atomic_file::Write(path, Save_Text()); }
