#include "shell/config_document.h"

#include <QFileInfo>

#include "platform/file_resolver.h"
#include "shell/device_profile.h"
#include "shell/number_entry.h"

namespace config_document {

Xml_Node Begin_Plain(Xml_Document& document, const QString& root_name) {
  document.Clear();
  return document.Add_Root(root_name);
}

Xml_Node Begin(Xml_Document& document, const QString& root_name) {
  Xml_Node root = Begin_Plain(document, root_name);
  document.Add_Comment(SW_Version_Comment());
  return root;
}

void Save(const Xml_Document& document, const QString& path) { document.Save(file_resolver::Resolve_Path(path)); }

bool Load(Xml_Document& document, const QString& path) {
  const QString found = file_resolver::Resolve_Path(path);
  if (!QFileInfo(found).isFile()) {
    document.Clear();
    return false;
  }
  document.Load_File(found);
  return true;
}

Xml_Node Root(const Xml_Document& document) {
  for (pugi::xml_node node = document.Root().Raw(); node; node = node.next_sibling())
    if (node.type() == pugi::node_element) return Xml_Node(node);
  return {};
}

Xml_Node Add_Value(Xml_Node parent, const QString& name, const QString& text) {
  Xml_Node child = parent.Add_Child(name);
  child.Set_Text(text);
  return child;
}

QString Flag_Text(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

std::optional<QString> Read_Text(const Xml_Node& parent, const QString& name) {
  if (parent.Is_Null()) return std::nullopt;
  return parent.Child(name).Single_Text();
}

bool Read_Flag(const Xml_Node& parent, const QString& name) {
  return Read_Text(parent, name) == QStringLiteral("1");
}

int Read_Number_Value(const Xml_Node& parent, const QString& name, int fallback) {
  const std::optional<QString> text = Read_Text(parent, name);
  int32_t value = 0;
  if (!text || !Try_Read_Number(*text, value)) return fallback;
  return value;
}

QString Read_Text_Or(const Xml_Node& parent, const QString& name, const QString& fallback) {
  return Read_Text(parent, name).value_or(fallback);
}

}  // namespace config_document
