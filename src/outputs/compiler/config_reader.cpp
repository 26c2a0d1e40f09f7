#include "outputs/compiler/config_reader.h"

#include <QFileInfo>

#include "outputs/compiler/compile_error.h"
#include "platform/file_resolver.h"
#include "platform/number_entry.h"

namespace config_reader {

namespace {

[[noreturn]] void Throw_Bad_Value(const QString& where, const QString& name, const std::optional<QString>& text) {
  if (!text) throw Compile_Error(QStringLiteral("%1: the value \"%2\" is missing.").arg(where, name));
  throw Compile_Error(QStringLiteral("%1: the value \"%2\" is not a number (\"%3\").").arg(where, name, *text));
}

}  // namespace

bool Load(const QString& conf_dir, const QString& name, Xml_Document& document) {
  const QString path = file_resolver::Resolve(conf_dir, name);
  const QFileInfo info(path);
  if (!info.exists()) return false;
  try {
    document.Load_File(path);
  } catch (const Xml_Error& e) {
    throw Compile_Error(QStringLiteral("%1 cannot be read: %2").arg(name, QString::fromStdString(e.what())));
  }
  return true;
}

std::vector<Xml_Node> Children(const Xml_Node& node) {
  std::vector<Xml_Node> children;
  if (node.Is_Null()) return children;
  for (pugi::xml_node child = node.Raw().first_child(); child; child = child.next_sibling())
    children.emplace_back(child);
  return children;
}

std::optional<QString> Attribute_Text(const Xml_Node& node, const QString& name) {
  if (node.Is_Null()) return std::nullopt;
  return node.Find_Attribute(name);
}

int32_t Attribute_Number(const Xml_Node& node, const QString& name, int32_t fallback) {
  const std::optional<QString> text = Attribute_Text(node, name);
  int32_t value = 0;
  return text && Try_Read_Number(*text, value) ? value : fallback;
}

int64_t Attribute_Number64(const Xml_Node& node, const QString& name, int64_t fallback) {
  const std::optional<QString> text = Attribute_Text(node, name);
  int64_t value = 0;
  return text && Try_Read_Number64(*text, value) ? value : fallback;
}

bool Attribute_Is_One(const Xml_Node& node, const QString& name) {
  const std::optional<QString> text = Attribute_Text(node, name);
  return text && *text == QLatin1String("1");
}

int32_t Strict_Attribute_Number(const Xml_Node& node, const QString& name, const QString& where) {
  const std::optional<QString> text = Attribute_Text(node, name);
  int32_t value = 0;
  if (!text || !Try_Read_Number(*text, value)) Throw_Bad_Value(where, name, text);
  return value;
}

int64_t Strict_Attribute_Number64(const Xml_Node& node, const QString& name, const QString& where) {
  const std::optional<QString> text = Attribute_Text(node, name);
  int64_t value = 0;
  if (!text || !Try_Read_Number64(*text, value)) Throw_Bad_Value(where, name, text);
  return value;
}

std::optional<QString> Element_Text(const Xml_Node& root, const QString& name) {
  if (root.Is_Null()) return std::nullopt;
  return root.Child(name).Single_Text();
}

int32_t Element_Number(const Xml_Node& root, const QString& name, int32_t fallback) {
  const std::optional<QString> text = Element_Text(root, name);
  int32_t value = 0;
  return text && Try_Read_Number(*text, value) ? value : fallback;
}

bool Element_Is_One(const Xml_Node& root, const QString& name) {
  const std::optional<QString> text = Element_Text(root, name);
  return text && *text == QLatin1String("1");
}

int32_t Strict_Element_Number(const Xml_Node& root, const QString& name, const QString& file) {
  const std::optional<QString> text = Element_Text(root, name);
  int32_t value = 0;
  if (!text || !Try_Read_Number(*text, value)) Throw_Bad_Value(file, name, text);
  return value;
}

}  // namespace config_reader
