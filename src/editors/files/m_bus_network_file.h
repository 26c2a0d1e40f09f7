#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

#include "editors/files/nodo.h"

class Xml_Document;
class Xml_Node;

// What a read of M_Bus.xml gave: the nodes read (a node keeps the variables
// read before a failure) and, when the read stopped early, why.
struct M_Bus_Network_Load {
  std::vector<TNodo> nodes;
  QString error;  // empty when the whole file was read

  bool Complete() const { return error.isEmpty(); }
};

// Reads the network in either dialect (editor or scan). A missing file is an
// empty network without error. A file that cannot be parsed gives no nodes; a
// node without Descrizione, or a variable without Desc or with a missing or
// non-numeric Type, Fun_Field or Dim, stops the read there. Every other value
// takes its fallback silently. The wireless attributes are read for device
// types 4 and 5 only.
M_Bus_Network_Load Read_M_Bus_Network(const QString& path, int device_type);
M_Bus_Network_Load Read_M_Bus_Network(const Xml_Document& doc, int device_type);

// Whether a `Nodo` element is in use: `Enable_Node` "0" disables it; without
// `Enable_Node`, the scan's `Node_Enable` "0" does. Every reader of the file's
// nodes uses this rule, so a meter left unchecked in a scan stays off.
bool Is_Node_Enabled(const Xml_Node& nodo);

// The editor dialect: root `M-Bus_Network`, the version comment, one `Nodo` per
// node with its `Variabile` children, attributes in their fixed order.
QByteArray M_Bus_Network_Text(const std::vector<TNodo>& nodes, int device_type);
// Replaces the file with that text; throws File_Write_Error.
void Write_M_Bus_Network(const QString& path, const std::vector<TNodo>& nodes, int device_type);
