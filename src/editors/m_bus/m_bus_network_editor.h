#pragma once
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "editors/files/nodo.h"
#include "editors/m_bus/m_bus_node_entry.h"
#include "editors/m_bus/m_bus_variable_entry.h"
#include "editors/par_gen/new_node_id_check.h"

// Whether a page button adds or modifies. It follows the selection; the
// window's captions only show it, they never decide it.
enum class Edit_Mode { Add, Modify };

// What an edit did: changed the network, was refused with a language text,
// or found nothing to act on (nothing is shown then).
struct Edit_Result {
  bool done = false;
  int error_text = 0;  // 0: not refused

  static Edit_Result Done() { return {true, 0}; }
  static Edit_Result Refused(int text) { return {false, text}; }
  static Edit_Result Nothing() { return {}; }
};

// The M-Bus network being edited, with the editor's selection and clipboard.
// The window mirrors it in its tree: node i of the tree is Nodi_List[i], its
// child j that node's variable j. Every edit checks and converts all its
// fields first, so a refused edit leaves the network as it was.
class M_Bus_Network_Editor {
 public:
  int device_type = 6;
  std::vector<TNodo> Nodi_List;
  // The selected node, or the node of the selected variable; -1 none.
  int IND_NODO = -1;
  // The selected variable in its node; -1 when no variable is selected.
  int IND_VAR = -1;
  // The clipboard: separate copies that survive every reload of the network.
  std::optional<TVariabile> Copy_Var;
  std::optional<TNodo> Copy_Node;
  bool Is_Change = false;

  // A fresh network as read from the file: nothing selected, nothing changed.
  void Start(std::vector<TNodo> nodes, int device_type);
  // Node `node` (-1: the root or nothing) and its variable `var` (-1: the node
  // itself). Positions outside the network select nothing.
  void Select(int node, int var);

  Edit_Mode Node_Button_Mode() const;
  Edit_Mode Var_Button_Mode() const;
  // The language texts of the two page buttons: 521/522 and 539/540.
  int Node_Button_Text() const;
  int Var_Button_Text() const;

  // True when no other node holds `id` as its ID of `type_id`: the node being
  // modified and, for device types 4 and 5, every wireless node are skipped.
  bool Check_Node_ID(int32_t id, int type_id) const;
  // True when no node at all holds it (the New Node ID dialog's test).
  bool Check_Node_ID2(int32_t id, int type_id) const;

  // The node button's check: the range checks, then for a wired node the
  // duplicate test (1209). The language text of the failure, or nullopt.
  std::optional<int> Controllo_Dati_New_Nodo(const Node_Entry& entry) const;
  std::optional<int> Controllo_Dati_New_Var(const Variable_Entry& entry) const;

  // The node button: adds a node at the end, or modifies the selected node in
  // place (keeping its variables).
  Edit_Result Node_Button(const Node_Entry& entry);
  // The variable button: adds a variable at the end of the selected node, or
  // modifies the selected variable.
  Edit_Result Var_Button(const Variable_Entry& entry);

  // The question that Delete asks for the selection: 549 all nodes, 550 the
  // node, 551 the variable.
  int Delete_Question() const;
  // Deletes what the selection names. Afterwards a deleted node leaves the
  // root selected and a deleted variable its node.
  Edit_Result Delete_Selected();

  // Copies the selected variable; the failure's text (553, 552) or 0.
  int Copy_Variable();
  // Appends a copy of the copied variable to the selected node (or the node
  // of the selected variable).
  Edit_Result Paste_Variable();
  // Copies the selected node (or the node of the selected variable) with its
  // variables; the failure's text (554) or 0.
  int Copy_Selected_Node();
  // Whether a pasted node asks for a wireless address rather than an ID.
  bool Paste_Is_Wireless() const;
  // Appends a copy of the copied node with the identity the New Node ID
  // dialog gave: its two ID fields and radio button, and for a wireless node
  // its address. A field that holds no number refuses with its range text.
  Edit_Result Paste_Node(const New_Node_ID_Entry& identity);

  int32_t Bytes_Used() const;

 private:
  bool Node_Selected() const { return IND_NODO >= 0 && IND_VAR < 0; }
  bool Variable_Selected() const { return IND_NODO >= 0 && IND_VAR >= 0; }
};
