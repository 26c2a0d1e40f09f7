#include "editors/par_gen/new_node_id_check.h"

#include "platform/number_entry.h"

std::optional<int> New_Node_ID_Range_Error(const New_Node_ID_Entry& entry) {
  if (entry.Form_Type == 1) {
    if (!entry.secondary_selected) {
      const int32_t id = Read_Number(entry.primary_id);
      if (id < 0 || id > 255) return 1108;
    } else {
      const int32_t id = Read_Number(entry.secondary_id);
      if (id < 0 || id > 99999999) return 1109;
    }
    return std::nullopt;
  }
  if (entry.Form_Type == 2) {
    const int64_t address = Read_Number64(entry.wmbus_address);
    if (address < 0 || address > 0xFFFFFFFFLL) return 1110;
  }
  return std::nullopt;
}

std::optional<Node_ID> New_Node_ID_Of(const New_Node_ID_Entry& entry) {
  if (entry.Form_Type != 1 || New_Node_ID_Range_Error(entry)) return std::nullopt;
  if (entry.secondary_selected) return Node_ID{Read_Number(entry.secondary_id), 1};
  return Node_ID{Read_Number(entry.primary_id), 0};
}

bool Node_Holds_ID(const TNodo& node, int32_t id, int type_id) {
  if (node.Node_ID_Type != type_id) return false;
  return (type_id == 0 ? node.Node_ID_Primary : node.Node_ID_Secondary) == id;
}

bool Check_Node_ID2(const std::vector<TNodo>& nodes, int32_t id, int type_id) {
  for (const TNodo& node : nodes)
    if (Node_Holds_ID(node, id, type_id)) return false;
  return true;
}
