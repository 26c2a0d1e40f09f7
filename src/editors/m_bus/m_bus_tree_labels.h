#pragma once
#include <QString>

#include "editors/files/nodo.h"

// The labels of the M-Bus network editor's tree. They are fixed texts, not
// language texts.
namespace m_bus_tree_labels {

QString Root();  // "M-Bus Network"
// "ID <id> - <description>", the ID of the node's ID type in decimal; for a
// wireless node of device types 4 and 5 "wM-Bus Node - Address <address> -
// <description>".
QString Node(const TNodo& node, int device_type);
// The same with the ID as the user typed it, as a label made by an edit shows it.
QString Node(const TNodo& node, int device_type, const QString& id_text);
QString Variable(const TVariabile& variable);  // "VAR - <description>"

}  // namespace m_bus_tree_labels
