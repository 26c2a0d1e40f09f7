#pragma once
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/xml_document.h"

// How the image compiler reads the configuration files. Values are read either
// leniently (absent or not a number gives the caller's fallback) or strictly
// (absent or not a number stops the compile with a Compile_Error naming the
// file, the place and the value). Numbers follow the shared number entry:
// decimal, or hexadecimal after "$" or "0x".
namespace config_reader {

// Loads `name` from the configuration folder (name matched without regard to
// case) into `document`. False when the file does not exist; a file that exists
// but cannot be read or parsed stops the compile.
bool Load(const QString& conf_dir, const QString& name, Xml_Document& document);

// Every child node of `node` in document order, whatever its kind.
std::vector<Xml_Node> Children(const Xml_Node& node);

// Attributes of nodes and rows.
std::optional<QString> Attribute_Text(const Xml_Node& node, const QString& name);
int32_t Attribute_Number(const Xml_Node& node, const QString& name, int32_t fallback);
int64_t Attribute_Number64(const Xml_Node& node, const QString& name, int64_t fallback);
// True only for exactly "1".
bool Attribute_Is_One(const Xml_Node& node, const QString& name);
// `where` names the file and the element for the error, e.g. "M_Bus.xml, node 2, variable 1".
int32_t Strict_Attribute_Number(const Xml_Node& node, const QString& name, const QString& where);
int64_t Strict_Attribute_Number64(const Xml_Node& node, const QString& name, const QString& where);

// Elements of ParGen.xml: the text of the root's first child element of that
// name; an element holding child elements counts as absent.
std::optional<QString> Element_Text(const Xml_Node& root, const QString& name);
int32_t Element_Number(const Xml_Node& root, const QString& name, int32_t fallback);
bool Element_Is_One(const Xml_Node& root, const QString& name);
int32_t Strict_Element_Number(const Xml_Node& root, const QString& name, const QString& file);

}  // namespace config_reader
