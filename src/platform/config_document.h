#pragma once
#include <QString>
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "platform/xml_document.h"

// How the configuration files of a configuration folder are written and read.
//
// Writing: the document is emptied, the root element is added and, beside it
// at the top level, the comment "SW_VERSION = <version of the device type>";
// the values go under the root; the file is replaced atomically. There is no
// XML declaration and no indentation.
//
// Reading: the first top-level node is the root whatever its name; each value
// is the first child element of that name (case-sensitive) and is read on its
// own, so a missing or malformed value takes its own fallback and reading goes
// on. File names are matched without regard to case.

// A value that a reader needs and cannot do without; what() names it.
class Config_Value_Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

namespace config_document {

// Empties `doc`, adds the root and the version comment (the device type's
// "SW_VERSION = ..." text) after it; returns the root.
Xml_Node Begin(Xml_Document& doc, const QString& root_name, const QString& version_comment);

// Replaces the file at `path` (an existing file of any letter case is the one
// replaced). Throws File_Write_Error with the file's name and the reason.
void Save(const Xml_Document& doc, const QString& path);

// False, with `doc` empty, when the file does not exist. Throws Xml_Error when
// it exists but cannot be read or is not well-formed.
bool Load(Xml_Document& doc, const QString& path);

// --- element values (ParGen.xml and the like) ---

// Text of the first child element `name`; nullopt when it is missing or holds
// anything but text. An empty element reads as "".
std::optional<QString> Element_Text(const Xml_Node& root, const QString& name);
// On only for exactly "1".
bool Element_Flag(const Xml_Node& root, const QString& name);
// Read by the number entry; nullopt when missing or not a number.
std::optional<int32_t> Element_Number(const Xml_Node& root, const QString& name);
int32_t Element_Number_Or(const Xml_Node& root, const QString& name, int32_t fallback);
// For values a reader cannot do without: throws Config_Value_Error.
int32_t Required_Element_Number(const Xml_Node& root, const QString& name);

// --- attribute values (M_Bus.xml, the CANopen tables) ---

std::optional<int32_t> Attribute_Number(const Xml_Node& element, const QString& name);
int32_t Attribute_Number_Or(const Xml_Node& element, const QString& name, int32_t fallback);
// On only for exactly "1"; missing is off.
bool Attribute_Flag(const Xml_Node& element, const QString& name);
// Throws Config_Value_Error when the attribute is missing.
QString Required_Attribute(const Xml_Node& element, const QString& name);
// Throws Config_Value_Error when the attribute is missing or not a number.
int32_t Required_Attribute_Number(const Xml_Node& element, const QString& name);

}  // namespace config_document
