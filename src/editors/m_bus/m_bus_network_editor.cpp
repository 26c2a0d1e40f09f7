#include "editors/m_bus/m_bus_network_editor.h"

#include <utility>

#include "editors/par_gen/byte_budget.h"
#include "platform/number_entry.h"

namespace {

bool Is_Number(const QString& text) {
  int32_t value = 0;
  return Try_Read_Number(text, value);
}

}  // namespace

void M_Bus_Network_Editor::Start(std::vector<TNodo> nodes, int type) {
  device_type = type;
  Nodi_List = std::move(nodes);
  IND_NODO = -1;
  IND_VAR = -1;
  Is_Change = false;
}

void M_Bus_Network_Editor::Select(int node, int var) {
  IND_NODO = -1;
  IND_VAR = -1;
  if (node < 0 || node >= static_cast<int>(Nodi_List.size())) return;
  IND_NODO = node;
  if (var >= 0 && var < static_cast<int>(Nodi_List[node].Var_List.size())) IND_VAR = var;
}

Edit_Mode M_Bus_Network_Editor::Node_Button_Mode() const {
  return Node_Selected() ? Edit_Mode::Modify : Edit_Mode::Add;
}

Edit_Mode M_Bus_Network_Editor::Var_Button_Mode() const {
  return Variable_Selected() ? Edit_Mode::Modify : Edit_Mode::Add;
}

int M_Bus_Network_Editor::Node_Button_Text() const { return Node_Button_Mode() == Edit_Mode::Add ? 521 : 522; }

int M_Bus_Network_Editor::Var_Button_Text() const { return Var_Button_Mode() == Edit_Mode::Add ? 539 : 540; }

bool M_Bus_Network_Editor::Check_Node_ID(int32_t id, int type_id) const {
  const int skipped = Node_Selected() ? IND_NODO : -1;
  const bool wireless_types = device_type == 4 || device_type == 5;
  for (int i = 0; i < static_cast<int>(Nodi_List.size()); ++i) {
    const TNodo& node = Nodi_List[i];
    if (i == skipped) continue;
    if (wireless_types && node.MBus_Type == 0) continue;
    if (Node_Holds_ID(node, id, type_id)) return false;
  }
  return true;
}

bool M_Bus_Network_Editor::Check_Node_ID2(int32_t id, int type_id) const {
  return ::Check_Node_ID2(Nodi_List, id, type_id);
}

std::optional<int> M_Bus_Network_Editor::Controllo_Dati_New_Nodo(const Node_Entry& entry) const {
  if (const std::optional<int> failed = Node_Entry_Error(entry, device_type)) return failed;
  if (Is_Wireless_Entry(entry, device_type)) return std::nullopt;
  if (!Check_Node_ID(Entry_Node_ID(entry), Entry_Node_ID_Type(entry))) return 1209;
  return std::nullopt;
}

std::optional<int> M_Bus_Network_Editor::Controllo_Dati_New_Var(const Variable_Entry& entry) const {
  return Variable_Entry_Error(entry);
}

Edit_Result M_Bus_Network_Editor::Node_Button(const Node_Entry& entry) {
  const bool modify = Node_Button_Mode() == Edit_Mode::Modify;
  if (const std::optional<int> failed = Controllo_Dati_New_Nodo(entry)) return Edit_Result::Refused(*failed);
  if (modify) {
    TNodo& node = Nodi_List[IND_NODO];
    node = Node_From_Entry(entry, device_type, &node);
  } else {
    Nodi_List.push_back(Node_From_Entry(entry, device_type, nullptr));
  }
  Is_Change = true;
  return Edit_Result::Done();
}

Edit_Result M_Bus_Network_Editor::Var_Button(const Variable_Entry& entry) {
  if (IND_NODO < 0) return Edit_Result::Nothing();
  if (const std::optional<int> failed = Controllo_Dati_New_Var(entry)) return Edit_Result::Refused(*failed);
  std::vector<TVariabile>& variables = Nodi_List[IND_NODO].Var_List;
  if (Var_Button_Mode() == Edit_Mode::Modify)
    variables[IND_VAR] = Variable_From_Entry(entry);
  else
    variables.push_back(Variable_From_Entry(entry));
  Is_Change = true;
  return Edit_Result::Done();
}

int M_Bus_Network_Editor::Delete_Question() const {
  if (Variable_Selected()) return 551;
  if (Node_Selected()) return 550;
  return 549;
}

Edit_Result M_Bus_Network_Editor::Delete_Selected() {
  if (Variable_Selected()) {
    std::vector<TVariabile>& variables = Nodi_List[IND_NODO].Var_List;
    variables.erase(variables.begin() + IND_VAR);
    Select(IND_NODO, -1);
  } else if (Node_Selected()) {
    Nodi_List.erase(Nodi_List.begin() + IND_NODO);
    Select(-1, -1);
  } else {
    if (Nodi_List.empty()) return Edit_Result::Nothing();
    Nodi_List.clear();
    Select(-1, -1);
  }
  Is_Change = true;
  return Edit_Result::Done();
}

int M_Bus_Network_Editor::Copy_Variable() {
  if (IND_NODO < 0 || IND_NODO >= static_cast<int>(Nodi_List.size())) return 553;
  const std::vector<TVariabile>& variables = Nodi_List[IND_NODO].Var_List;
  if (IND_VAR < 0 || IND_VAR >= static_cast<int>(variables.size())) return 552;
  Copy_Var = variables[IND_VAR];
  return 0;
}

Edit_Result M_Bus_Network_Editor::Paste_Variable() {
  if (!Copy_Var) return Edit_Result::Refused(555);
  if (IND_NODO < 0) return Edit_Result::Refused(556);
  Nodi_List[IND_NODO].Var_List.push_back(*Copy_Var);
  Is_Change = true;
  return Edit_Result::Done();
}

int M_Bus_Network_Editor::Copy_Selected_Node() {
  if (IND_NODO < 0 || IND_NODO >= static_cast<int>(Nodi_List.size())) return 554;
  Copy_Node = Nodi_List[IND_NODO];
  return 0;
}

bool M_Bus_Network_Editor::Paste_Is_Wireless() const {
  return Copy_Node && (device_type == 4 || device_type == 5) && Copy_Node->MBus_Type == 0;
}

Edit_Result M_Bus_Network_Editor::Paste_Node(const New_Node_ID_Entry& identity) {
  if (!Copy_Node) return Edit_Result::Nothing();
  if (const std::optional<int> failed = New_Node_ID_Range_Error(identity)) return Edit_Result::Refused(*failed);
  // Both ID fields become the node's IDs, also the hidden or unselected one.
  if (!Is_Number(identity.primary_id)) return Edit_Result::Refused(1108);
  if (!Is_Number(identity.secondary_id)) return Edit_Result::Refused(1109);
  if (const std::optional<Node_ID> id = New_Node_ID_Of(identity); id && !Check_Node_ID2(id->id, id->type_id))
    return Edit_Result::Refused(548);
  TNodo node = *Copy_Node;
  node.Node_ID_Primary = Read_Number(identity.primary_id);
  node.Node_ID_Secondary = Read_Number(identity.secondary_id);
  node.Node_ID_Type = identity.secondary_selected ? 1 : 0;
  if (Paste_Is_Wireless()) node.wMBus_Add = identity.wmbus_address;
  Nodi_List.push_back(std::move(node));
  Is_Change = true;
  return Edit_Result::Done();
}

int32_t M_Bus_Network_Editor::Bytes_Used() const { return Calcola_Byte_Usati(Nodi_List, device_type); }
