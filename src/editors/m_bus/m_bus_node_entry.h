#pragma once
#include <QString>
#include <array>
#include <optional>

#include "editors/files/nodo.h"

// What the Nodes page of the M-Bus network editor holds: the fields as typed
// and the lists as positions. The page's controls fill it; the checks and the
// conversion into a node read only this, so they work without a window.
struct Node_Entry {
  bool enable = true;
  QString description;
  bool secondary_selected = false;  // "Secondary ID Node" rather than "Primary ID Node"
  QString primary_id = QStringLiteral("1");
  QString secondary_id = QStringLiteral("1");
  bool node_state = false;
  bool ident_num = false;
  int swap = 0;  // "None", "Type 1"
  bool bcd = false;
  bool send_snk = false;
  bool reset_app = false;
  int var_list = 0;   // "By Type", "By Position"
  int cut_after = 0;  // position in "1" .. "250"

  // Device types 4 and 5: the M-Bus type list and the wireless panel.
  int mbus_type = 1;  // 0 "wM-Bus", 1 "M-Bus on wires"
  QString manufacturer_id;
  QString address;
  QString version;
  QString device_type;
  bool key_enable = false;
  std::array<QString, 16> key;  // byte 1 first
  bool w_node_state = false;
  bool w_ident_num = false;
  bool w_rssi = false;
  bool w_bcd = false;
  int w_swap = 0;
  int w_var_list = 0;
};

// Whether the entry describes a wireless node: device types 4 and 5 with the
// M-Bus type list at "wM-Bus".
bool Is_Wireless_Entry(const Node_Entry& entry, int device_type);

// The range checks of the fields the node needs, in the order the user meets
// them: the language text of the first failing field, nullopt when all pass.
// A wireless node checks its identity and, with "Key Enable", its sixteen key
// bytes (589 .. 599, 1200 .. 1208). Any other node checks the ID that its radio
// button selects (546 primary 0..255, 547 secondary 0..99999999). Both ID
// fields are stored whichever is selected, so the other one (hidden for a
// wireless node) must at least be a number: its range text when it is not.
// The duplicate test is not part of this check.
std::optional<int> Node_Entry_Error(const Node_Entry& entry, int device_type);

// The ID that the duplicate test compares for a wired entry and its ID type
// (0 primary, 1 secondary). Only meaningful once Node_Entry_Error passed.
int32_t Entry_Node_ID(const Node_Entry& entry);
int Entry_Node_ID_Type(const Node_Entry& entry);

// The node the page describes. `modified` is the node being changed (null for
// a new node): it keeps its variables and, for a wired node of device types 4
// and 5, its RSSI flag. Call only after Node_Entry_Error passed.
TNodo Node_From_Entry(const Node_Entry& entry, int device_type, const TNodo* modified);

// The page showing a node: both ID fields in decimal, every list and check box
// from its field, the wireless panel from the same fields as the wired one.
Node_Entry Entry_Of_Node(const TNodo& node, int device_type);
