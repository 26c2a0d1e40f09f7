#include "platform/config_document.h"

#include <QFileInfo>

#include "platform/file_resolver.h"
#include "platform/number_entry.h"

namespace config_document {

namespace {

QString Element_Label(const Xml_Node& element) {
  return element.Is_Element() ? QStringLiteral("element \"%1\"").arg(element.Name()) : QStringLiteral("a node");
}

std::optional<int32_t> Number_Of(const std::optional<QString>& text) {
  int32_t value = 0;
  if (!text || !Try_Read_Number(*text, value)) return std::nullopt;
  return value;
}

}  // namespace

Xml_Node Begin(Xml_Document& doc, const QString& root_name, const QString& version_comment) {
  doc.Clear();
  Xml_Node root = doc.Add_Root(root_name);
  doc.Add_Comment(version_comment);
  return root;
}

void Save(const Xml_Document& doc, const QString& path) { doc.Save(file_resolver::Resolve_Path(path)); }

bool Load(Xml_Document& doc, const QString& path) {
  doc.Clear();
  const QString resolved = file_resolver::Resolve_Path(path);
  if (!QFileInfo(resolved).isFile()) return false;
  doc.Load_File(resolved);
  return true;
}

std::optional<QString> Element_Text(const Xml_Node& root, const QString& name) {
  if (root.Is_Null() || !root.Is_Element()) return std::nullopt;
  return root.Child(name).Single_Text();
}

bool Element_Flag(const Xml_Node& root, const QString& name) { return Element_Text(root, name) == QStringLiteral("1"); }

std::optional<int32_t> Element_Number(const Xml_Node& root, const QString& name) {
  return Number_Of(Element_Text(root, name));
}

int32_t Element_Number_Or(const Xml_Node& root, const QString& name, int32_t fallback) {
  return Element_Number(root, name).value_or(fallback);
}

int32_t Required_Element_Number(const Xml_Node& root, const QString& name) {
  const std::optional<QString> text = Element_Text(root, name);
  if (!text) throw Config_Value_Error(QStringLiteral("Element \"%1\" is missing").arg(name).toStdString());
  const std::optional<int32_t> value = Number_Of(text);
  if (!value)
    throw Config_Value_Error(
        QStringLiteral("\"%1\" is not a valid integer value for element \"%2\"").arg(*text, name).toStdString());
  return *value;
}

std::optional<int32_t> Attribute_Number(const Xml_Node& element, const QString& name) {
  if (element.Is_Null()) return std::nullopt;
  return Number_Of(element.Find_Attribute(name));
}

int32_t Attribute_Number_Or(const Xml_Node& element, const QString& name, int32_t fallback) {
  return Attribute_Number(element, name).value_or(fallback);
}

bool Attribute_Flag(const Xml_Node& element, const QString& name) {
  return !element.Is_Null() && element.Find_Attribute(name) == QStringLiteral("1");
}

QString Required_Attribute(const Xml_Node& element, const QString& name) {
  std::optional<QString> value = element.Is_Null() ? std::nullopt : element.Find_Attribute(name);
  if (!value)
    throw Config_Value_Error(
        QStringLiteral("Attribute \"%1\" is missing on %2").arg(name, Element_Label(element)).toStdString());
  return *value;
}

int32_t Required_Attribute_Number(const Xml_Node& element, const QString& name) {
  const QString text = Required_Attribute(element, name);
  int32_t value = 0;
  if (!Try_Read_Number(text, value))
    throw Config_Value_Error(QStringLiteral("\"%1\" is not a valid integer value for attribute \"%2\" on %3")
                                 .arg(text, name, Element_Label(element))
                                 .toStdString());
  return value;
}

}  // namespace config_document
