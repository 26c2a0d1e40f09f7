#pragma once
#include <QString>
#include <optional>

#include "platform/xml_document.h"

// How configuration documents are written and read.
//
// Written: no XML declaration, no indentation; the root element first, then,
// beside it at the top level, the comment "SW_VERSION = <version of the device
// type>", e.g. for type 6
//   <Par_Gen><...>...</...></Par_Gen><!--SW_VERSION = 2.003-->
// Values are text: flags "1"/"0", list positions as 0-based decimal numbers,
// typed fields exactly as typed.
//
// Read: the root is the first top-level element, whatever its name (a leading
// declaration, comment or processing instruction is passed over, so a file
// that begins with "<?xml ...?>" still reads). Each value is looked up on its
// own as the first child element of that exact name and falls back alone
// when it is missing, holds child elements, or does not convert.
namespace config_document {

// Empties `document`, adds the root and the SW_VERSION comment of the
// current device type after it; the caller adds the values under the root.
Xml_Node Begin(Xml_Document& document, const QString& root_name);
// Same, without the comment (files that carry none).
Xml_Node Begin_Plain(Xml_Document& document, const QString& root_name);

// Saves to `path` (an existing file of any letter case is replaced) through a
// temporary file; throws File_Write_Error with the name and reason.
void Save(const Xml_Document& document, const QString& path);

// Loads `path` (found whatever its letter case). False when the file does not
// exist: the caller applies its defaults. Throws Xml_Error when the file is
// not well-formed XML.
bool Load(Xml_Document& document, const QString& path);

// The first top-level element; null when the document has none.
Xml_Node Root(const Xml_Document& document);

// Adds <name>text</name> under `parent`.
Xml_Node Add_Value(Xml_Node parent, const QString& name, const QString& text);
QString Flag_Text(bool on);

// The text of the first child element `name`; nullopt when it is missing or
// does not hold a single text (an empty element reads as "").
std::optional<QString> Read_Text(const Xml_Node& parent, const QString& name);
// A flag is on only when its text is exactly "1".
bool Read_Flag(const Xml_Node& parent, const QString& name);
// A number by the number entry rules; `fallback` when missing or not a number.
int Read_Number_Value(const Xml_Node& parent, const QString& name, int fallback);
// Typed text as stored; `fallback` when missing.
QString Read_Text_Or(const Xml_Node& parent, const QString& name, const QString& fallback);

}  // namespace config_document
