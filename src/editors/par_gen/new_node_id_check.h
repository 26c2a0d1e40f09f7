#pragma once
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "editors/files/nodo.h"

// What the "New Node ID" dialog holds when the user presses OK.
struct New_Node_ID_Entry {
  int Form_Type = 1;  // 1 a wired node's ID, 2 a wireless node's address
  bool secondary_selected = false;
  QString primary_id;
  QString secondary_id;
  QString wmbus_address;
};

// The range check of the field the dialog asks for: the number of the language
// text when it fails (1108 primary 0..255, 1109 secondary 0..99999999, 1110
// address 0..0xFFFFFFFF read as a 64-bit number), nullopt when it passes. Only
// the field that the radio button selects is read. Any other form type passes.
std::optional<int> New_Node_ID_Range_Error(const New_Node_ID_Entry& entry);

// The ID the entry names and its ID type (0 primary, 1 secondary) for the
// duplicate test; nullopt for anything but a wired ID in range.
struct Node_ID {
  int32_t id = 0;
  int type_id = 0;
};
std::optional<Node_ID> New_Node_ID_Of(const New_Node_ID_Entry& entry);

// Whether `node` holds `id` as its ID of `type_id`: its Node_ID_Type is
// `type_id` and its primary (type 0) or secondary (type 1) ID is `id`. So a
// primary ID never clashes with a secondary ID of the same number.
bool Node_Holds_ID(const TNodo& node, int32_t id, int type_id);

// True when no node at all (wireless nodes included) holds `id` as its ID of
// `type_id`. The New Node ID dialog's duplicate test.
bool Check_Node_ID2(const std::vector<TNodo>& nodes, int32_t id, int type_id);
