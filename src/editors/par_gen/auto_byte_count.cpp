// Reads M_Bus.xml element by element (see m_bus_network_file.cpp for the
// format): every child of the root is a node, every child of a node a variable.
#include "editors/par_gen/auto_byte_count.h"

#include <algorithm>
#include <limits>

#include "editors/files/m_bus_network_file.h"
#include "editors/par_gen/byte_budget.h"
#include "platform/config_document.h"
#include "platform/xml_document.h"

namespace {

using config_document::Attribute_Number_Or;

int64_t Size_By_Dim(const Xml_Node& variable) {
  const int32_t dim = config_document::Required_Attribute_Number(variable, QStringLiteral("Dim"));
  // Length is read only for texts: other variables may lack it.
  return Dimension_Bytes(dim, dim == 7 ? Attribute_Number_Or(variable, QStringLiteral("Length"), 0) : 0);
}

int64_t Variable_Bytes(const Xml_Node& variable, int32_t var_list_type) {
  const int64_t size = Size_By_Dim(variable);
  const bool time_point = config_document::Attribute_Flag(variable, QStringLiteral("TP_Mod_Regs"));
  int64_t bytes = 0;
  if (var_list_type != 0) {
    bytes = time_point ? 5 : size;
  } else {
    const int32_t type = config_document::Required_Attribute_Number(variable, QStringLiteral("Type"));
    bytes = type == 20 && time_point ? 5 : size;
  }
  if (config_document::Attribute_Flag(variable, QStringLiteral("Scale"))) bytes += 1;
  return bytes;
}

int64_t Node_Bytes(const Xml_Node& node) {
  int64_t bytes = 0;
  if (Attribute_Number_Or(node, QStringLiteral("Node_State"), 0) == 1) bytes += 1;
  if (Attribute_Number_Or(node, QStringLiteral("Ident_Num"), 0) == 1) bytes += 4;
  if (Attribute_Number_Or(node, QStringLiteral("MBus_Type"), 1) == 0 &&
      Attribute_Number_Or(node, QStringLiteral("wMBus_RSSI"), 0) == 1)
    bytes += 2;
  const int32_t var_list_type = Attribute_Number_Or(node, QStringLiteral("Var_List_Type"), 0);
  for (pugi::xml_node child = node.Raw().first_child(); child; child = child.next_sibling()) {
    const Xml_Node variable(child);
    if (variable.Find_Attribute(QStringLiteral("Enable")) == QStringLiteral("1"))
      bytes += Variable_Bytes(variable, var_list_type);
  }
  return bytes;
}

}  // namespace

int32_t Calcolate_Byte_Used_in_MBus_Configuration(const QString& m_bus_path) {
  Xml_Document doc;
  if (!config_document::Load(doc, m_bus_path)) return 1;
  const Xml_Node root = doc.Root();
  int64_t total = 0;
  // Walked sibling by sibling: large networks stay linear.
  for (pugi::xml_node child = root.Raw().first_child(); child; child = child.next_sibling()) {
    const Xml_Node node(child);
    if (Is_Node_Enabled(node)) total += Node_Bytes(node);
  }
  if (total == 0) return 1;
  return static_cast<int32_t>(std::min<int64_t>(total, std::numeric_limits<int32_t>::max()));
}
