#pragma once
// Helpers shared by the readers and writers of the open XML packages:
// element look-up by local name (whatever namespace prefix a producer
// chose), part names and relationships, and the "_xHHHH_" escapes of
// spreadsheet strings.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <pugixml.hpp>

#include "grid/workbook/zip_package.h"

namespace grid_workbook {

inline constexpr const char* Rel_Ns = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// The name without its namespace prefix.
const char* Local_Name(const pugi::xml_node& node);
const char* Local_Name(const pugi::xml_attribute& attribute);
// The first child element of that local name.
pugi::xml_node Child(const pugi::xml_node& node, const char* local);
// An attribute by local name ("r:id" and "id" both match "id" only when
// prefixed; plain look-up first).
pugi::xml_attribute Attribute(const pugi::xml_node& node, const char* local);

// Parses a part; Package_Damaged when it is missing or no well-formed XML.
void Load_Part(pugi::xml_document& doc, const Package_Entries& entries, const QString& name);
// The document as bytes with the XML declaration of a package part.
QByteArray Save_Part(const pugi::xml_document& doc);

// "xl/_rels/workbook.xml.rels" for "xl/workbook.xml".
QString Rels_Name(const QString& part);
// A relationship target resolved against the folder of its source part.
QString Resolve_Target(const QString& source_part, const QString& target);

// Spreadsheet strings carry characters XML cannot hold as "_xHHHH_".
QString Decode_Escapes(const QString& text);
QString Encode_Escapes(const QString& text);

}  // namespace grid_workbook
