#include "editors/m_bus/m_bus_network_editor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "editors/m_bus/m_bus_tree_labels.h"

namespace {

TNodo Wired(int32_t primary, int32_t secondary = 1, int id_type = 0, int variables = 0) {
  TNodo n;
  n.Enable = true;
  n.MBus_Type = 1;
  n.Description = QStringLiteral("Meter %1").arg(primary);
  n.Node_ID_Primary = primary;
  n.Node_ID_Secondary = secondary;
  n.Node_ID_Type = static_cast<uint8_t>(id_type);
  for (int i = 0; i < variables; ++i) {
    TVariabile v;
    v.Enable = true;
    v.Description = QStringLiteral("V%1").arg(i);
    v.Dimension = 2;
    v.Position = 1;
    n.Var_List.push_back(v);
  }
  return n;
}

TNodo Wireless(int32_t primary) {
  TNodo n = Wired(primary);
  n.MBus_Type = 0;
  n.wMBus_Add = QStringLiteral("0x12345678");
  return n;
}

Node_Entry Primary(const QString& id) {
  Node_Entry e;
  e.description = QStringLiteral("New");
  e.primary_id = id;
  return e;
}

// --- node checks ---------------------------------------------------------

struct Node_Row {
  std::string name;
  int type;
  std::function<void(Node_Entry&)> edit;
  int text;  // 0: passes
};

void PrintTo(const Node_Row& row, std::ostream* os) { *os << row.name; }

class NodeEntryCheck : public testing::TestWithParam<Node_Row> {};

TEST_P(NodeEntryCheck, FirstFailingFieldGivesItsText) {
  const Node_Row& row = GetParam();
  Node_Entry entry;
  entry.manufacturer_id = "0x1234";
  entry.address = "1";
  entry.version = "1";
  entry.device_type = "7";
  for (QString& k : entry.key) k = "0";
  row.edit(entry);
  const std::optional<int> failed = Node_Entry_Error(entry, row.type);
  EXPECT_EQ(failed.value_or(0), row.text);
}

const auto wireless = [](Node_Entry& e) { e.mbus_type = 0; };

INSTANTIATE_TEST_SUITE_P(Rows, NodeEntryCheck,
                         testing::Values(Node_Row{"primary 255", 6, [](Node_Entry& e) { e.primary_id = "255"; }, 0},
                                         Node_Row{"primary hex", 6, [](Node_Entry& e) { e.primary_id = "$FF"; }, 0},
                                         Node_Row{"primary 256", 6, [](Node_Entry& e) { e.primary_id = "256"; }, 546},
                                         Node_Row{"primary empty", 6, [](Node_Entry& e) { e.primary_id = ""; }, 546},
                                         Node_Row{"secondary 99999999", 6,
                                                  [](Node_Entry& e) {
                                                    e.secondary_selected = true;
                                                    e.secondary_id = "99999999";
                                                  },
                                                  0},
                                         Node_Row{"secondary over", 6,
                                                  [](Node_Entry& e) {
                                                    e.secondary_selected = true;
                                                    e.secondary_id = "100000000";
                                                  },
                                                  547},
                                         Node_Row{"unselected secondary out of range is stored", 6,
                                                  [](Node_Entry& e) { e.secondary_id = "100000000"; }, 0},
                                         Node_Row{"unselected secondary not a number", 6,
                                                  [](Node_Entry& e) { e.secondary_id = "abc"; }, 547},
                                         Node_Row{"unselected primary not a number", 6,
                                                  [](Node_Entry& e) {
                                                    e.secondary_selected = true;
                                                    e.primary_id = "";
                                                  },
                                                  546},
                                         Node_Row{"type 6 ignores the M-Bus type list", 6,
                                                  [](Node_Entry& e) {
                                                    e.mbus_type = 0;
                                                    e.primary_id = "300";
                                                  },
                                                  546},
                                         Node_Row{"wireless passes without IDs in range", 4,
                                                  [](Node_Entry& e) {
                                                    wireless(e);
                                                    e.primary_id = "300";
                                                  },
                                                  0},
                                         Node_Row{"manufacturer 0x10000", 4,
                                                  [](Node_Entry& e) {
                                                    wireless(e);
                                                    e.manufacturer_id = "0x10000";
                                                  },
                                                  589},
                                         Node_Row{"address 0xFFFFFFFF", 5,
                                                  [](Node_Entry& e) {
                                                    wireless(e);
                                                    e.address = "0xFFFFFFFF";
                                                  },
                                                  0},
                                         Node_Row{"address 4294967296", 5,
                                                  [](Node_Entry& e) {
                                                    wireless(e);
                                                    e.address = "4294967296";
                                                  },
                                                  590},
                                         Node_Row{"address -1", 4,
                                                  [](Node_Entry& e) {
                                                    wireless(e);
                                                    e.address = "-1";
                                                  },
                                                  590},
                                         Node_Row{"version 256", 4,
                                                  [](Node_Entry& e) {
                                                    wireless(e);
                                                    e.version = "256";
                                                  },
                                                  591},
                                         Node_Row{"device type empty", 4,
                                                  [](Node_Entry& e) {
                                                    wireless(e);
                                                    e.device_type = "";
                                                  },
                                                  592},
                                         Node_Row{"key byte 1", 4,
                                                  [](Node_Entry& e) {
                                                    wireless(e);
                                                    e.key_enable = true;
                                                    e.key[0] = "256";
                                                  },
                                                  593},
                                         Node_Row{"key byte 7", 4,
                                                  [](Node_Entry& e) {
                                                    wireless(e);
                                                    e.key_enable = true;
                                                    e.key[6] = "x";
                                                  },
                                                  599},
                                         Node_Row{"key byte 8", 4,
                                                  [](Node_Entry& e) {
                                                    wireless(e);
                                                    e.key_enable = true;
                                                    e.key[7] = "-1";
                                                  },
                                                  1200},
                                         Node_Row{"key byte 16", 5,
                                                  [](Node_Entry& e) {
                                                    wireless(e);
                                                    e.key_enable = true;
                                                    e.key[15] = "0x100";
                                                  },
                                                  1208},
                                         Node_Row{"keys not checked without Key Enable", 4,
                                                  [](Node_Entry& e) {
                                                    wireless(e);
                                                    e.key[3] = "junk";
                                                  },
                                                  0},
                                         Node_Row{"wireless hidden ID not a number", 4,
                                                  [](Node_Entry& e) {
                                                    wireless(e);
                                                    e.primary_id = "";
                                                  },
                                                  546}));

// --- variable checks -----------------------------------------------------

struct Variable_Row {
  std::string name;
  std::function<void(Variable_Entry&)> edit;
  int text;
};

void PrintTo(const Variable_Row& row, std::ostream* os) { *os << row.name; }

class VariableEntryCheck : public testing::TestWithParam<Variable_Row> {};

TEST_P(VariableEntryCheck, FirstFailingFieldGivesItsText) {
  const Variable_Row& row = GetParam();
  Variable_Entry entry;
  row.edit(entry);
  EXPECT_EQ(Variable_Entry_Error(entry).value_or(0), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, VariableEntryCheck,
    testing::Values(Variable_Row{"defaults", [](Variable_Entry&) {}, 0},
                    Variable_Row{"storage 4294967295", [](Variable_Entry& e) { e.storage_number = "4294967295"; }, 0},
                    Variable_Row{"storage 4294967296", [](Variable_Entry& e) { e.storage_number = "4294967296"; }, 542},
                    Variable_Row{"storage -1", [](Variable_Entry& e) { e.storage_number = "-1"; }, 542},
                    Variable_Row{"storage empty", [](Variable_Entry& e) { e.storage_number = ""; }, 542},
                    Variable_Row{"tariff 0xFFFFF", [](Variable_Entry& e) { e.tariff = "0xFFFFF"; }, 0},
                    Variable_Row{"tariff 0x100000", [](Variable_Entry& e) { e.tariff = "0x100000"; }, 543},
                    Variable_Row{"length 191",
                                 [](Variable_Entry& e) {
                                   e.dimension = kVariable_Length;
                                   e.length = "191";
                                 },
                                 0},
                    Variable_Row{"length 192",
                                 [](Variable_Entry& e) {
                                   e.dimension = kVariable_Length;
                                   e.length = "192";
                                 },
                                 544},
                    Variable_Row{"length not checked for a fixed size", [](Variable_Entry& e) { e.length = "192"; }, 0},
                    Variable_Row{"position 0", [](Variable_Entry& e) { e.position = "0"; }, 545},
                    Variable_Row{"position 101", [](Variable_Entry& e) { e.position = "101"; }, 545},
                    Variable_Row{"position 100", [](Variable_Entry& e) { e.position = "100"; }, 0},
                    Variable_Row{"storage before position",
                                 [](Variable_Entry& e) {
                                   e.storage_number = "";
                                   e.position = "0";
                                 },
                                 542}));

TEST(VariableEntry, ConversionKeepsTheValuesAndReadsBack) {
  Variable_Entry e;
  e.description = "Heat";
  e.type_of_data = 21;
  e.dimension = 3;
  e.storage_number = "4294967295";
  e.tariff = "0xFFFFF";
  e.vife = 151;
  e.swap = true;
  e.vif_ascii = "kWh";
  e.length = "";  // a fixed size: not checked, stored as 0
  e.position = "$64";
  e.force_integer32 = true;
  const TVariabile v = Variable_From_Entry(e);
  EXPECT_EQ(v.Storage_Number, 4294967295u);
  EXPECT_EQ(v.Tariff, 0xFFFFF);
  EXPECT_EQ(v.Length, 0);
  EXPECT_EQ(v.Position, 100);
  EXPECT_EQ(v.SWAP, 1);
  EXPECT_EQ(v.VIFE, 151);
  EXPECT_EQ(Variable_From_Entry(Entry_Of_Variable(v)), v);
  EXPECT_EQ(Entry_Of_Variable(v).storage_number, QString("4294967295"));
}

// --- node conversion -----------------------------------------------------

TEST(NodeEntry, WirelessNodeTakesThePanelAndKeysInOrder) {
  Node_Entry e = Primary("1");
  e.mbus_type = 0;
  e.address = "0x00AB";
  e.manufacturer_id = "0x2C2D";
  e.key_enable = true;
  for (int i = 0; i < 16; ++i) e.key[i] = QString::number(i + 1);
  e.node_state = false;
  e.w_node_state = true;
  e.w_rssi = true;
  e.w_var_list = 1;
  e.var_list = 0;
  const TNodo n = Node_From_Entry(e, 4, nullptr);
  EXPECT_EQ(n.MBus_Type, 0);
  EXPECT_EQ(n.wMBus_Add, QString("0x00AB"));
  EXPECT_EQ(n.Node_State, 1);
  EXPECT_EQ(n.RSSI, 1);
  EXPECT_EQ(n.Var_List_Type, 1);
  EXPECT_EQ(n.wMBus_En_Key, 1);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(n.wMBus_Key[i], QString::number(i + 1));
  // Shown again, the sixteen fields hold the bytes in order.
  const Node_Entry shown = Entry_Of_Node(n, 4);
  EXPECT_EQ(shown.key, e.key);
  EXPECT_TRUE(shown.w_rssi);
  EXPECT_EQ(shown.w_var_list, 1);
}

TEST(NodeEntry, WiredNodeOfTypes4And5KeepsRssiOnlyWhenModified) {
  TNodo old = Wired(3, 1, 0, 2);
  old.RSSI = 1;
  const Node_Entry e = Entry_Of_Node(old, 5);
  EXPECT_EQ(Node_From_Entry(e, 5, &old).RSSI, 1);
  EXPECT_EQ(Node_From_Entry(e, 5, &old).Var_List.size(), 2u);
  EXPECT_EQ(Node_From_Entry(e, 5, nullptr).RSSI, 0);
  EXPECT_TRUE(Node_From_Entry(e, 5, nullptr).Var_List.empty());
}

TEST(NodeEntry, OtherTypesStoreNoWirelessValues) {
  Node_Entry e = Primary("0x10");
  e.mbus_type = 0;
  e.address = "5";
  e.key_enable = true;
  e.secondary_id = "77";
  TNodo old = Wired(1);
  old.RSSI = 1;
  const TNodo n = Node_From_Entry(e, 6, &old);
  EXPECT_EQ(n.MBus_Type, 1);
  EXPECT_EQ(n.Node_ID_Primary, 16);
  EXPECT_EQ(n.Node_ID_Secondary, 77);
  EXPECT_EQ(n.RSSI, 0);
  EXPECT_EQ(n.wMBus_En_Key, 0);
  EXPECT_TRUE(n.wMBus_Add.isEmpty());
}

// --- the editor ------------------------------------------------------------

class NetworkEditor : public testing::Test {
 protected:
  M_Bus_Network_Editor editor;
  void Start(std::vector<TNodo> nodes, int type = 6) { editor.Start(std::move(nodes), type); }
};

TEST_F(NetworkEditor, SelectionDecidesTheModesAndTheirTexts) {
  Start({Wired(1, 1, 0, 1), Wired(2, 1, 0, 3)});
  struct Row {
    int node, var;
    int ind_nodo, ind_var;
    int node_text, var_text;
  };
  const Row rows[] = {
      {1, 2, 1, 2, 521, 540},      // a variable
      {1, -1, 1, -1, 522, 539},    // its node
      {-1, -1, -1, -1, 521, 539},  // the root
      {5, 0, -1, -1, 521, 539},    // outside the network
      {0, 9, 0, -1, 522, 539},
  };
  for (const Row& r : rows) {
    editor.Select(r.node, r.var);
    EXPECT_EQ(editor.IND_NODO, r.ind_nodo) << r.node << "/" << r.var;
    EXPECT_EQ(editor.IND_VAR, r.ind_var) << r.node << "/" << r.var;
    EXPECT_EQ(editor.Node_Button_Text(), r.node_text) << r.node << "/" << r.var;
    EXPECT_EQ(editor.Var_Button_Text(), r.var_text) << r.node << "/" << r.var;
  }
}

TEST_F(NetworkEditor, DuplicatePrimaryIsRefusedAndAddsNothing) {
  Start({Wired(5), Wired(9, 5, 1)});
  const Edit_Result clash = editor.Node_Button(Primary("5"));
  EXPECT_EQ(clash.error_text, 1209);
  EXPECT_FALSE(clash.done);
  EXPECT_EQ(editor.Nodi_List.size(), 2u);
  EXPECT_FALSE(editor.Is_Change);

  // Secondary 5 of the second node does not clash with primary 5.
  editor.Nodi_List.erase(editor.Nodi_List.begin());
  EXPECT_TRUE(editor.Node_Button(Primary("5")).done);
  EXPECT_EQ(editor.Nodi_List.size(), 2u);
  EXPECT_EQ(editor.Nodi_List[1].Node_ID_Primary, 5);
  EXPECT_EQ(editor.Nodi_List[1].MBus_Type, 1);
  EXPECT_TRUE(editor.Is_Change);
}

TEST_F(NetworkEditor, ModifyingANodeSkipsItselfOnly) {
  Start({Wired(5, 1, 0, 2), Wired(6)});
  editor.Select(0, -1);
  Node_Entry same = Entry_Of_Node(editor.Nodi_List[0], 6);
  same.description = "Renamed";
  EXPECT_TRUE(editor.Node_Button(same).done);
  EXPECT_EQ(editor.Nodi_List.size(), 2u);
  EXPECT_EQ(editor.Nodi_List[0].Description, QString("Renamed"));
  EXPECT_EQ(editor.Nodi_List[0].Var_List.size(), 2u);

  same.primary_id = "6";
  EXPECT_EQ(editor.Node_Button(same).error_text, 1209);
  EXPECT_EQ(editor.Nodi_List[0].Node_ID_Primary, 5);
}

TEST_F(NetworkEditor, AddingWithAVariableSelectedComparesItsNodeToo) {
  Start({Wired(5, 1, 0, 1)});
  editor.Select(0, 0);
  EXPECT_EQ(editor.Node_Button(Primary("5")).error_text, 1209);
}

TEST_F(NetworkEditor, WirelessNodesStayOutOfTheNodeButtonsTestButNotTheDialogs) {
  Start({Wireless(1)}, 4);
  EXPECT_TRUE(editor.Check_Node_ID(1, 0));
  EXPECT_FALSE(editor.Check_Node_ID2(1, 0));
  EXPECT_TRUE(editor.Node_Button(Primary("1")).done);
  // A wireless entry gets no duplicate test at all.
  Node_Entry w = Primary("1");
  w.mbus_type = 0;
  w.manufacturer_id = w.address = w.version = w.device_type = "1";
  EXPECT_TRUE(editor.Node_Button(w).done);
  EXPECT_EQ(editor.Nodi_List.size(), 3u);
}

TEST_F(NetworkEditor, VariableButtonAddsToTheSelectedNodeOrModifiesTheVariable) {
  Start({Wired(1), Wired(2, 1, 0, 2)});
  Variable_Entry v;
  v.description = "Added";
  EXPECT_FALSE(editor.Var_Button(v).done);  // nothing selected: nothing happens
  EXPECT_EQ(editor.Var_Button(v).error_text, 0);

  editor.Select(1, -1);
  v.position = "0";
  EXPECT_EQ(editor.Var_Button(v).error_text, 545);
  EXPECT_EQ(editor.Nodi_List[1].Var_List.size(), 2u);
  v.position = "1";
  EXPECT_TRUE(editor.Var_Button(v).done);
  ASSERT_EQ(editor.Nodi_List[1].Var_List.size(), 3u);
  EXPECT_EQ(editor.Nodi_List[1].Var_List[2].Description, QString("Added"));

  editor.Select(1, 0);
  v.description = "Changed";
  EXPECT_TRUE(editor.Var_Button(v).done);
  EXPECT_EQ(editor.Nodi_List[1].Var_List[0].Description, QString("Changed"));
  EXPECT_EQ(editor.Nodi_List[1].Var_List.size(), 3u);
}

TEST_F(NetworkEditor, StoredPositionOutOfRangeBlocksModifyEvenWhenHidden) {
  TNodo n = Wired(1, 1, 0, 1);
  n.Var_List[0].Position = 0;  // read from a file of a "By Type" node
  Start({n});
  editor.Select(0, 0);
  const Variable_Entry shown = Entry_Of_Variable(editor.Nodi_List[0].Var_List[0]);
  EXPECT_EQ(editor.Var_Button(shown).error_text, 545);
}

TEST_F(NetworkEditor, DeleteBySelection) {
  Start({Wired(1, 1, 0, 2), Wired(2, 1, 0, 1)});
  EXPECT_EQ(editor.Delete_Question(), 549);
  editor.Select(0, 1);
  EXPECT_EQ(editor.Delete_Question(), 551);
  EXPECT_TRUE(editor.Delete_Selected().done);
  EXPECT_EQ(editor.Nodi_List[0].Var_List.size(), 1u);
  EXPECT_EQ(editor.IND_NODO, 0);
  EXPECT_EQ(editor.IND_VAR, -1);
  EXPECT_EQ(editor.Delete_Question(), 550);
  EXPECT_TRUE(editor.Delete_Selected().done);
  ASSERT_EQ(editor.Nodi_List.size(), 1u);
  EXPECT_EQ(editor.Nodi_List[0].Node_ID_Primary, 2);
  EXPECT_EQ(editor.IND_NODO, -1);
  EXPECT_EQ(editor.Delete_Question(), 549);
  EXPECT_TRUE(editor.Delete_Selected().done);
  EXPECT_TRUE(editor.Nodi_List.empty());
  EXPECT_EQ(editor.Bytes_Used(), 1);

  // Deleting all nodes of an empty network changes nothing.
  editor.Is_Change = false;
  EXPECT_FALSE(editor.Delete_Selected().done);
  EXPECT_FALSE(editor.Is_Change);
}

TEST_F(NetworkEditor, CopyAndPasteNeedASelection) {
  Start({Wired(1, 1, 0, 1), Wired(2)});
  EXPECT_EQ(editor.Copy_Variable(), 553);
  EXPECT_EQ(editor.Copy_Selected_Node(), 554);
  EXPECT_EQ(editor.Paste_Variable().error_text, 555);
  editor.Select(0, -1);
  EXPECT_EQ(editor.Copy_Variable(), 552);
  editor.Select(0, 0);
  EXPECT_EQ(editor.Copy_Variable(), 0);
  editor.Select(-1, -1);
  EXPECT_EQ(editor.Paste_Variable().error_text, 556);
  editor.Select(1, -1);
  EXPECT_TRUE(editor.Paste_Variable().done);
  ASSERT_EQ(editor.Nodi_List[1].Var_List.size(), 1u);
  EXPECT_EQ(editor.Nodi_List[1].Var_List[0], editor.Nodi_List[0].Var_List[0]);
  // With a variable of the node selected the copy goes to that node's end.
  editor.Select(1, 0);
  EXPECT_TRUE(editor.Paste_Variable().done);
  EXPECT_EQ(editor.Nodi_List[1].Var_List.size(), 2u);
  EXPECT_EQ(editor.Nodi_List[0].Var_List.size(), 1u);
}

TEST_F(NetworkEditor, PastedNodesAreIndependentCopies) {
  Start({Wired(7, 1, 0, 2)});
  editor.Select(0, -1);
  EXPECT_EQ(editor.Copy_Selected_Node(), 0);
  EXPECT_TRUE(editor.Delete_Selected().done);
  EXPECT_TRUE(editor.Nodi_List.empty());

  for (const char* id : {"8", "9"}) {
    New_Node_ID_Entry identity{1, false, id, "1", ""};
    EXPECT_TRUE(editor.Paste_Node(identity).done);
  }
  ASSERT_EQ(editor.Nodi_List.size(), 2u);
  EXPECT_EQ(editor.Nodi_List[0].Node_ID_Primary, 8);
  EXPECT_EQ(editor.Nodi_List[1].Node_ID_Primary, 9);
  EXPECT_EQ(editor.Nodi_List[0].Var_List.size(), 2u);
  EXPECT_EQ(editor.Nodi_List[1].Var_List.size(), 2u);

  editor.Select(0, 1);
  Variable_Entry changed = Entry_Of_Variable(editor.Nodi_List[0].Var_List[1]);
  changed.description = "Only here";
  EXPECT_TRUE(editor.Var_Button(changed).done);
  EXPECT_EQ(editor.Nodi_List[1].Var_List[1].Description, QString("V1"));
  EXPECT_EQ(editor.Copy_Node->Var_List[1].Description, QString("V1"));
}

TEST_F(NetworkEditor, PasteRefusesAnIdentityThatIsNoNumberOrInUse) {
  Start({Wired(7)});
  editor.Select(0, -1);
  editor.Copy_Selected_Node();
  EXPECT_EQ(editor.Paste_Node({1, false, "7", "1", ""}).error_text, 548);
  EXPECT_EQ(editor.Paste_Node({1, false, "8", "", ""}).error_text, 1109);
  EXPECT_EQ(editor.Paste_Node({1, true, "x", "8", ""}).error_text, 1108);
  EXPECT_EQ(editor.Nodi_List.size(), 1u);
  EXPECT_FALSE(editor.Is_Change);
  EXPECT_TRUE(editor.Paste_Node({1, true, "7", "8", ""}).done);
  EXPECT_EQ(editor.Nodi_List[1].Node_ID_Type, 1);
  EXPECT_EQ(editor.Nodi_List[1].Node_ID_Secondary, 8);
}

TEST_F(NetworkEditor, WirelessPasteTakesTheAddress) {
  Start({Wireless(1)}, 5);
  editor.Select(0, -1);
  editor.Copy_Selected_Node();
  EXPECT_TRUE(editor.Paste_Is_Wireless());
  EXPECT_EQ(editor.Paste_Node({2, false, "1", "1", "4294967296"}).error_text, 1110);
  EXPECT_TRUE(editor.Paste_Node({2, false, "1", "1", "0xFFFFFFFF"}).done);
  EXPECT_EQ(editor.Nodi_List[1].wMBus_Add, QString("0xFFFFFFFF"));
  EXPECT_EQ(editor.Nodi_List[1].MBus_Type, 0);
  EXPECT_EQ(m_bus_tree_labels::Node(editor.Nodi_List[1], 5), QString("wM-Bus Node - Address 0xFFFFFFFF - Meter 1"));
}

TEST_F(NetworkEditor, ClipboardSurvivesANewNetwork) {
  Start({Wired(1, 1, 0, 1)});
  editor.Select(0, 0);
  editor.Copy_Variable();
  editor.Copy_Selected_Node();
  Start({});
  EXPECT_TRUE(editor.Copy_Var.has_value());
  EXPECT_TRUE(editor.Copy_Node.has_value());
  EXPECT_EQ(editor.IND_NODO, -1);
}

TEST(TreeLabels, WiredLabelsShowTheIdOfTheIdType) {
  EXPECT_EQ(m_bus_tree_labels::Node(Wired(5, 12345678, 0), 6), QString("ID 5 - Meter 5"));
  EXPECT_EQ(m_bus_tree_labels::Node(Wired(5, 12345678, 1), 6), QString("ID 12345678 - Meter 5"));
  EXPECT_EQ(m_bus_tree_labels::Node(Wired(5), 6, "0x05"), QString("ID 0x05 - Meter 5"));
  // Type 6 knows no wireless nodes.
  EXPECT_EQ(m_bus_tree_labels::Node(Wireless(3), 6), QString("ID 3 - Meter 3"));
  TVariabile v;
  v.Description = "Energy";
  EXPECT_EQ(m_bus_tree_labels::Variable(v), QString("VAR - Energy"));
}

}  // namespace
