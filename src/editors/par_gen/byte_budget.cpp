#include "editors/par_gen/byte_budget.h"

#include <algorithm>
#include <exception>
#include <limits>

#include "platform/config_document.h"
#include "platform/xml_document.h"
#include "shell/core/globals.h"

namespace {

// The element of ParGen.xml that holds the budget; null for types without one.
const char* Budget_Element(int device_type) {
  switch (device_type) {
    case 1:
      return "DN_NB_IN";
    case 2:
    case 4:
      return "Eth_NumByte_OUT";
    case 3:
      return "PROFI_NB_IN";
    case 5:
      return "PROFINET_NB_OUT";
    default:
      return nullptr;
  }
}

int64_t Variable_Bytes(const TNodo& node, const TVariabile& v) {
  int64_t bytes = 0;
  if (v.TP_Mod_Regs && (node.Var_List_Type == 1 || v.Type_Of_Data == 20))
    bytes = 6;
  else if (v.ForceInteger32)
    bytes = 4;
  else
    bytes = Dimension_Bytes(v.Dimension, v.Length);
  if (v.Scale) bytes += 1;
  return bytes;
}

}  // namespace

int32_t Default_Byte_Budget(int device_type) {
  switch (device_type) {
    case 1:
      return 455;
    case 3:
      return 244;
    default:
      return 496;
  }
}

Byte_Budget Read_Byte_Budget(const QString& par_gen_path, int device_type) {
  Byte_Budget budget;
  budget.Num_Byte_Par_Gen = Default_Byte_Budget(device_type);
  const char* element = Budget_Element(device_type);
  if (element == nullptr) return budget;
  try {
    Xml_Document doc;
    if (!config_document::Load(doc, par_gen_path)) return budget;
    const Xml_Node root = doc.Root();
    budget.Working_Mode = config_document::Element_Number_Or(root, QStringLiteral("Working_mode"), 0);
    if (device_type == 5)
      budget.Auto_Calc_Num_Byte = config_document::Element_Flag(root, QStringLiteral("PROFINET_AUTO_CALC_BYTE"));
    budget.Num_Byte_Par_Gen =
        config_document::Element_Number_Or(root, QLatin1String(element), Default_Byte_Budget(device_type));
  } catch (const std::exception& error) {
    const QString text = QString::fromUtf8(error.what());
    budget = Byte_Budget{};
    budget.Num_Byte_Par_Gen = Default_Byte_Budget(device_type);
    budget.read_error = text;
  }
  return budget;
}

int32_t Calcola_Byte_Usati(const std::vector<TNodo>& nodes, int device_type) {
  // Summed wide: lengths from a file are not bounded by the editor's checks.
  int64_t total = 0;
  const bool wireless_types = device_type == 4 || device_type == 5;
  for (const TNodo& node : nodes) {
    if (!node.Enable) continue;
    if (node.Node_State == 1) total += 1;
    if (node.Ident_Num == 1) total += 4;
    if (wireless_types && node.MBus_Type == 0 && node.RSSI == 1) total += 2;
    for (const TVariabile& v : node.Var_List)
      if (v.Enable) total += Variable_Bytes(node, v);
  }
  if (total == 0) return 1;
  return static_cast<int32_t>(std::min<int64_t>(total, std::numeric_limits<int32_t>::max()));
}

bool Budget_Applies(const Byte_Budget& budget, int device_type) {
  switch (device_type) {
    case 5:
      return budget.Working_Mode == 1 || (budget.Working_Mode == 0 && !budget.Auto_Calc_Num_Byte);
    case 3:
      return budget.Working_Mode == 0;
    default:
      return true;
  }
}

bool Budget_Allows(const Byte_Budget& budget, int32_t count, int device_type) {
  return !Budget_Applies(budget, device_type) || count <= budget.Num_Byte_Par_Gen;
}

QString Bytes_Used_Text(int32_t count) { return Lang(559) + QString::number(count); }

QString Budget_Warning_Text(const Byte_Budget& budget) {
  return Lang(560) + QStringLiteral(" (") + QString::number(budget.Num_Byte_Par_Gen) + QStringLiteral(")");
}

int64_t Dimension_Bytes(int32_t dimension, int64_t length) {
  switch (dimension) {
    case 0:
      return 1;
    case 1:
      return 2;
    case 2:
      return 4;
    case 3:
      return 8;
    case 4:
      return 3;
    case 5:
      return 6;
    case 6:
      return 4;
    case 7:
      return std::max<int64_t>(length, 0);
    default:
      return 2;
  }
}
