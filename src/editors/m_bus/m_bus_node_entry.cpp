#include "editors/m_bus/m_bus_node_entry.h"

#include "platform/number_entry.h"

namespace {

bool Is_Number32(const QString& text) {
  int32_t value = 0;
  return Try_Read_Number(text, value);
}

std::optional<int> Wireless_Error(const Node_Entry& e) {
  if (!Number_In_Range(e.manufacturer_id, 0, 0xFFFF)) return 589;
  // Addresses are 32 bits wide; the text once said 24.
  if (!Number64_In_Range(e.address, 0, 0xFFFFFFFFLL)) return 590;
  if (!Number_In_Range(e.version, 0, 255)) return 591;
  if (!Number_In_Range(e.device_type, 0, 255)) return 592;
  if (e.key_enable)
    for (int i = 0; i < 16; ++i)
      if (!Number_In_Range(e.key[i], 0, 255)) return i < 7 ? 593 + i : 1200 + (i - 7);
  return std::nullopt;
}

uint8_t Flag(bool checked) { return checked ? 1 : 0; }

}  // namespace

bool Is_Wireless_Entry(const Node_Entry& entry, int device_type) {
  return (device_type == 4 || device_type == 5) && entry.mbus_type == 0;
}

std::optional<int> Node_Entry_Error(const Node_Entry& entry, int device_type) {
  if (Is_Wireless_Entry(entry, device_type)) {
    if (const std::optional<int> failed = Wireless_Error(entry)) return failed;
  } else if (!entry.secondary_selected) {
    if (!Number_In_Range(entry.primary_id, 0, 255)) return 546;
  } else {
    if (!Number_In_Range(entry.secondary_id, 0, 99999999)) return 547;
  }
  // Both fields become the node's IDs: a field that holds no number must not
  // reach the model half converted.
  if (!Is_Number32(entry.primary_id)) return 546;
  if (!Is_Number32(entry.secondary_id)) return 547;
  return std::nullopt;
}

int32_t Entry_Node_ID(const Node_Entry& entry) {
  return Read_Number(entry.secondary_selected ? entry.secondary_id : entry.primary_id);
}

int Entry_Node_ID_Type(const Node_Entry& entry) { return entry.secondary_selected ? 1 : 0; }

TNodo Node_From_Entry(const Node_Entry& e, int device_type, const TNodo* modified) {
  TNodo node;
  if (modified != nullptr) node = *modified;
  node.Enable = e.enable;
  node.Description = e.description;
  node.Node_ID_Primary = Read_Number(e.primary_id);
  node.Node_ID_Secondary = Read_Number(e.secondary_id);
  node.Send_SNK = Flag(e.send_snk);
  node.Reset_App = Flag(e.reset_app);
  node.Node_State = Flag(e.node_state);
  node.Ident_Num = Flag(e.ident_num);
  node.BCDtoINT_IN = Flag(e.bcd);
  node.Swap_Ident = e.swap;
  node.Node_ID_Type = static_cast<uint8_t>(Entry_Node_ID_Type(e));
  node.Var_List_Type = static_cast<uint8_t>(e.var_list);
  node.Cut_After = static_cast<uint8_t>(e.cut_after);
  node.MBus_Type = 1;
  if (device_type == 4 || device_type == 5) {
    node.MBus_Type = static_cast<uint8_t>(e.mbus_type);
    // Kept as typed, also for a wired node from its hidden panel.
    node.wMBus_ManID = e.manufacturer_id;
    node.wMBus_Add = e.address;
    node.wMBus_Ver = e.version;
    node.wMBus_DevType = e.device_type;
    node.wMBus_Key = e.key;
    node.wMBus_En_Key = Flag(e.key_enable);
    if (Is_Wireless_Entry(e, device_type)) {
      node.Node_State = Flag(e.w_node_state);
      node.Ident_Num = Flag(e.w_ident_num);
      node.RSSI = Flag(e.w_rssi);
      node.BCDtoINT_IN = Flag(e.w_bcd);
      node.Swap_Ident = e.w_swap;
      node.Var_List_Type = static_cast<uint8_t>(e.w_var_list);
    } else if (modified == nullptr) {
      node.RSSI = 0;
    }
  } else {
    node.RSSI = 0;
    node.wMBus_En_Key = 0;
    node.wMBus_ManID.clear();
    node.wMBus_Add.clear();
    node.wMBus_Ver.clear();
    node.wMBus_DevType.clear();
    node.wMBus_Key = {};
  }
  return node;
}

Node_Entry Entry_Of_Node(const TNodo& node, int device_type) {
  Node_Entry e;
  e.enable = node.Enable;
  e.description = node.Description;
  e.primary_id = QString::number(node.Node_ID_Primary);
  e.secondary_id = QString::number(node.Node_ID_Secondary);
  e.secondary_selected = node.Node_ID_Type != 0;
  e.send_snk = node.Send_SNK == 1;
  e.reset_app = node.Reset_App == 1;
  e.node_state = node.Node_State == 1;
  e.ident_num = node.Ident_Num == 1;
  e.bcd = node.BCDtoINT_IN == 1;
  e.swap = node.Swap_Ident;
  e.var_list = node.Var_List_Type;
  e.cut_after = node.Cut_After;
  e.mbus_type = 1;
  if (device_type == 4 || device_type == 5) {
    e.mbus_type = node.MBus_Type;
    e.manufacturer_id = node.wMBus_ManID;
    e.address = node.wMBus_Add;
    e.version = node.wMBus_Ver;
    e.device_type = node.wMBus_DevType;
    e.key = node.wMBus_Key;
    e.key_enable = node.wMBus_En_Key == 1;
    e.w_node_state = e.node_state;
    e.w_ident_num = e.ident_num;
    e.w_rssi = node.RSSI == 1;
    e.w_bcd = e.bcd;
    e.w_swap = e.swap;
    e.w_var_list = e.var_list;
  }
  return e;
}
