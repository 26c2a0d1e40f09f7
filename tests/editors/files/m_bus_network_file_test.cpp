#include "editors/files/m_bus_network_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <functional>

#include "platform/xml_document.h"
#include "support/temp_dir.h"

// Readable failures: a node shows as its file text.
void PrintTo(const TNodo& node, std::ostream* out) { *out << M_Bus_Network_Text({node}, 4).constData(); }

namespace {

QByteArray Test_File(const QString& name) {
  QFile file(Test_Data("config_files/" + name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
  return file.readAll();
}

M_Bus_Network_Load Read_Text(const QByteArray& text, int type) {
  Temp_Dir dir;
  return Read_M_Bus_Network(dir.Write("M_Bus.xml", text), type);
}

// The same node and variable in every test that writes whole files.
TNodo Heat_Meter() {
  TNodo node;
  node.Enable = true;
  node.Node_ID_Primary = 5;
  node.Description = "Heat 1";
  node.Cut_After = 3;
  node.MBus_Type = 1;
  TVariabile variable;
  variable.Enable = true;
  variable.Description = "E";
  variable.Dimension = 2;
  variable.Unita = 3;
  variable.Scale = true;
  variable.Storage_Number = 4294967295u;
  variable.Position = 1;
  node.Var_List.push_back(variable);
  return node;
}

TNodo Wireless_Heat_Meter() {
  TNodo node = Heat_Meter();
  node.MBus_Type = 0;
  node.wMBus_ManID = "0x2C2D";
  node.wMBus_Add = "12345678";
  node.wMBus_Ver = "1";
  node.wMBus_DevType = "7";
  node.wMBus_En_Key = 1;
  for (int i = 0; i < 16; ++i) node.wMBus_Key[i] = QString::number(i + 1);
  node.RSSI = 1;
  return node;
}

TEST(MBusNetworkFile, WritesAttributesInTheirFixedOrder) {
  Temp_Dir dir;
  Write_M_Bus_Network(dir.File("M_Bus.xml"), {Heat_Meter()}, 6);
  EXPECT_EQ(dir.Read("M_Bus.xml"), Test_File("m_bus_type6_node.xml"));
  Write_M_Bus_Network(dir.File("M_Bus.xml"), {Wireless_Heat_Meter()}, 4);
  EXPECT_EQ(dir.Read("M_Bus.xml"), Test_File("m_bus_type4_node.xml"));
}

TEST(MBusNetworkFile, EveryTypeReadsBackWhatItWrote) {
  TNodo second;
  second.Enable = false;
  second.Description = "a&b <c> \"d\" 'e'";
  second.Node_ID_Primary = 255;
  second.Node_ID_Secondary = 99999999;
  second.Send_SNK = second.Reset_App = second.Node_State = second.Ident_Num = second.BCDtoINT_IN = 1;
  second.Swap_Ident = 1;
  second.Node_ID_Type = 1;
  second.Var_List_Type = 1;
  second.Cut_After = 249;
  second.MBus_Type = 1;
  TVariabile v;
  v.Description = "V&<\"";
  v.Type_Of_Data = 21;
  v.Function_Field = 3;
  v.Dimension = 7;
  v.Unita = 10;
  v.Storage_Number = 0x80000000u;
  v.Tariff = 0xFFFFF;
  v.VIFE = 151;
  v.BCDtoINT = true;
  v.SWAP = 1;
  v.Length = 191;
  v.VIF_ASCII = "kWh";
  v.TP_Mod_Regs = true;
  v.Position = 100;
  v.ForceInteger32 = true;
  second.Var_List = {v, v};
  second.Var_List[1].Enable = true;
  for (int type = 1; type <= 6; ++type) {
    SCOPED_TRACE(type);
    const bool wireless = type == 4 || type == 5;
    const std::vector<TNodo> nodes = {wireless ? Wireless_Heat_Meter() : Heat_Meter(), second, TNodo{}};
    std::vector<TNodo> expected = nodes;
    // Only the wireless types store the node's kind; the others read every node as wired.
    if (!wireless) expected[2].MBus_Type = 1;
    const M_Bus_Network_Load load = Read_Text(M_Bus_Network_Text(nodes, type), type);
    EXPECT_TRUE(load.Complete()) << load.error.toStdString();
    EXPECT_EQ(load.nodes, expected);
  }
}

struct Node_Case {
  const char* name;
  int type;
  const char* nodo;  // one Nodo element
  std::function<bool(const TNodo&)> holds;
};

TEST(MBusNetworkFile, NodeAttributesFollowTheirRules) {
  const Node_Case cases[] = {
      {"legacy ID by secondary", 6,
       R"(<Nodo ID="7" Node_ID_Type="1" ID_Primary="3" ID_Secondary="9" Descrizione="x"/>)",
       [](auto& n) { return n.Node_ID_Primary == 1 && n.Node_ID_Secondary == 7 && n.Node_ID_Type == 1; }},
      {"legacy ID by primary", 2, R"(<Nodo ID="$10" ID_Primary="3" ID_Secondary="9" Descrizione="x"/>)",
       [](auto& n) { return n.Node_ID_Primary == 16 && n.Node_ID_Secondary == 1; }},
      {"legacy ID not a number", 6, R"(<Nodo ID="a" ID_Primary="3" ID_Secondary="9" Descrizione="x"/>)",
       [](auto& n) { return n.Node_ID_Primary == 3 && n.Node_ID_Secondary == 9; }},
      {"no IDs at all", 6, R"(<Nodo ID="a" Descrizione="x"/>)",
       [](auto& n) { return n.Node_ID_Primary == 1 && n.Node_ID_Secondary == 1; }},
      {"missing Enable_Node enables", 6, R"(<Nodo Descrizione="x"/>)", [](auto& n) { return n.Enable; }},
      {"any Enable_Node but 0 enables", 6, R"(<Nodo Enable_Node="no" Descrizione="x"/>)",
       [](auto& n) { return n.Enable; }},
      {"Enable_Node 0 disables", 6, R"(<Nodo Enable_Node="0" Descrizione="x"/>)", [](auto& n) { return !n.Enable; }},
      {"scan's Node_Enable 0 disables", 6, R"(<Nodo Node_Enable="0" Descrizione="x"/>)",
       [](auto& n) { return !n.Enable; }},
      {"Enable_Node wins over Node_Enable", 6, R"(<Nodo Enable_Node="1" Node_Enable="0" Descrizione="x"/>)",
       [](auto& n) { return n.Enable; }},
      {"8-bit fields keep the low byte", 6,
       R"(<Nodo Cut_After="300" Send_SND_NKE="257" Swap_IN="300" Descrizione="x"/>)",
       [](auto& n) { return n.Cut_After == 44 && n.Send_SNK == 1 && n.Swap_Ident == 300; }},
      {"numbers that are not numbers", 6, R"(<Nodo Cut_After="3 " Node_State="" Descrizione="x"/>)",
       [](auto& n) { return n.Cut_After == 0 && n.Node_State == 0; }},
      {"wireless attributes ignored for type 6", 6,
       R"(<Nodo MBus_Type="0" wMBus_ManID="5" wMBus_Key_1="9" wMBus_RSSI="1" Descrizione="x"/>)",
       [](auto& n) { return n.MBus_Type == 1 && n.wMBus_ManID.isEmpty() && n.wMBus_Key[0].isEmpty() && n.RSSI == 0; }},
      {"type 4 node without MBus_Type is wired", 4, R"(<Nodo Descrizione="x"/>)",
       [](auto& n) { return n.MBus_Type == 1; }},
      {"type 5 wireless texts kept as stored", 5,
       R"(<Nodo MBus_Type="0" wMBus_ManID=" 0x2C2D" wMBus_Add="abc" wMBus_Key_16="$FF" wMBus_En_Key="x" Descrizione="x"/>)",
       [](auto& n) {
         return n.MBus_Type == 0 && n.wMBus_ManID == " 0x2C2D" && n.wMBus_Add == "abc" && n.wMBus_Key[15] == "$FF" &&
                n.wMBus_En_Key == 0;
       }},
  };
  for (const Node_Case& c : cases) {
    const M_Bus_Network_Load load = Read_Text(QByteArray("<M-Bus_Network>") + c.nodo + "</M-Bus_Network>", c.type);
    ASSERT_TRUE(load.Complete()) << c.name << ": " << load.error.toStdString();
    ASSERT_EQ(load.nodes.size(), 1u) << c.name;
    EXPECT_TRUE(c.holds(load.nodes[0])) << c.name;
  }
}

struct Variable_Case {
  const char* name;
  const char* attributes;  // beyond Desc Type Fun_Field Dim
  std::function<bool(const TVariabile&)> holds;
};

TEST(MBusNetworkFile, VariableAttributesFollowTheirRules) {
  const Variable_Case cases[] = {
      {"missing Enable disables", "", [](auto& v) { return !v.Enable; }},
      {"Enable other than 1 disables", R"(Enable="yes")", [](auto& v) { return !v.Enable; }},
      {"hexadecimal storage number", R"(StoNumber="0x10")", [](auto& v) { return v.Storage_Number == 16; }},
      {"largest storage number", R"(StoNumber="4294967295")", [](auto& v) { return v.Storage_Number == 4294967295u; }},
      {"storage number keeps 32 bits", R"(StoNumber="4294967297")", [](auto& v) { return v.Storage_Number == 1; }},
      {"storage number not a number", R"(StoNumber="1e3")", [](auto& v) { return v.Storage_Number == 0; }},
      {"position keeps the low byte", R"(Position="300")", [](auto& v) { return v.Position == 44; }},
      {"position missing is the first record", "", [](auto& v) { return v.Position == 1; }},
      {"flags only for exactly 1", R"(Scale="1" BCDtoINT="true" TP_Mod_Regs=" 1" ForceInteger32="1")",
       [](auto& v) { return v.Scale && !v.BCDtoINT && !v.TP_Mod_Regs && v.ForceInteger32; }},
      {"defaults of the optional numbers", R"(Unit="x" Tariff="" VIFE="-" SWAP="y")",
       [](auto& v) { return v.Unita == 0 && v.Tariff == 0 && v.VIFE == 0 && v.SWAP == 0 && v.Length == 0; }},
      {"scan-only attributes are not read", R"(ModReg="1" ModScale="1")", [](auto& v) { return !v.Scale; }},
  };
  for (const Variable_Case& c : cases) {
    const QByteArray text =
        QByteArray(R"(<M-Bus_Network><Nodo Descrizione="n"><Variabile Desc="d" Type="1" Fun_Field="0" Dim="2" )") +
        c.attributes + "/></Nodo></M-Bus_Network>";
    const M_Bus_Network_Load load = Read_Text(text, 6);
    ASSERT_TRUE(load.Complete()) << c.name << ": " << load.error.toStdString();
    ASSERT_EQ(load.nodes.at(0).Var_List.size(), 1u) << c.name;
    EXPECT_TRUE(c.holds(load.nodes[0].Var_List[0])) << c.name;
  }
}

struct Stop_Case {
  const char* name;
  const char* body;  // inside the root
  size_t nodes_read;
  size_t variables_of_last;
  const char* message;
};

// A required value stops the read where it fails; what came before is kept.
TEST(MBusNetworkFile, RequiredValuesStopTheReadThere) {
  const char* good = R"(<Nodo Descrizione="a"><Variabile Desc="v" Type="1" Fun_Field="0" Dim="2"/></Nodo>)";
  const Stop_Case cases[] = {
      {"node without Descrizione", R"(<Nodo ID_Primary="3"/><Nodo Descrizione="z"/>)", 1, 1, "\"Descrizione\""},
      {"variable without Desc",
       R"(<Nodo Descrizione="b"><Variabile Desc="v" Type="1" Fun_Field="0" Dim="2"/><Variabile Type="1" Fun_Field="0" Dim="2"/><Variabile Desc="w" Type="1" Fun_Field="0" Dim="2"/></Nodo>)",
       2, 1, "\"Desc\""},
      {"Type not a number", R"(<Nodo Descrizione="b"><Variabile Desc="v" Type="x" Fun_Field="0" Dim="2"/></Nodo>)", 2,
       0, "\"Type\""},
      {"Fun_Field missing", R"(<Nodo Descrizione="b"><Variabile Desc="v" Type="1" Dim="2"/></Nodo>)", 2, 0,
       "\"Fun_Field\""},
      {"Dim empty", R"(<Nodo Descrizione="b"><Variabile Desc="v" Type="1" Fun_Field="0" Dim=""/></Nodo>)", 2, 0,
       "\"Dim\""},
      {"a comment inside the root is taken for a node", "<!-- meters --><Nodo Descrizione=\"z\"/>", 1, 1,
       "\"Descrizione\""},
      {"stray text inside a node is taken for a variable", "<Nodo Descrizione=\"b\">text</Nodo>", 2, 0, "\"Desc\""},
  };
  for (const Stop_Case& c : cases) {
    const M_Bus_Network_Load load = Read_Text(QByteArray("<M-Bus_Network>") + good + c.body + "</M-Bus_Network>", 6);
    EXPECT_TRUE(load.error.contains(c.message)) << c.name << ": " << load.error.toStdString();
    EXPECT_TRUE(load.error.contains("M_Bus.xml")) << c.name;
    ASSERT_EQ(load.nodes.size(), c.nodes_read) << c.name;
    EXPECT_EQ(load.nodes.back().Var_List.size(), c.variables_of_last) << c.name;
  }
}

TEST(MBusNetworkFile, UnreadableFilesGiveAnErrorAndNoNodes) {
  const char* texts[] = {
      "<M-Bus_Network><Nodo Descrizione=\"a\"></M-Bus_Network>",  // not well-formed
      "",                                                         // empty
      "<!--c-->",                                                 // no root element
  };
  for (const char* text : texts) {
    const M_Bus_Network_Load load = Read_Text(text, 6);
    EXPECT_FALSE(load.Complete()) << text;
    EXPECT_TRUE(load.nodes.empty()) << text;
  }
}

TEST(MBusNetworkFile, CommentsAndInstructionsBeforeTheRootAreSkipped) {
  const M_Bus_Network_Load load =
      Read_Text("<?xml version=\"1.0\"?><!--c--><?pi x?><M-Bus_Network><Nodo Descrizione=\"a\"/></M-Bus_Network>", 6);
  EXPECT_TRUE(load.Complete()) << load.error.toStdString();
  ASSERT_EQ(load.nodes.size(), 1u);
  EXPECT_EQ(load.nodes[0].Description, "a");
}

TEST(MBusNetworkFile, NoFileOrAnEmptyRootIsAnEmptyNetwork) {
  Temp_Dir dir;
  M_Bus_Network_Load load = Read_M_Bus_Network(dir.File("M_Bus.xml"), 6);
  EXPECT_TRUE(load.Complete());
  EXPECT_TRUE(load.nodes.empty());
  load = Read_Text("<?xml version=\"1.0\"?><Anything/>", 6);
  EXPECT_TRUE(load.Complete());
  EXPECT_TRUE(load.nodes.empty());
  EXPECT_EQ(M_Bus_Network_Text({}, 6), QByteArray("<M-Bus_Network/><!--SW_VERSION = 2.003-->"));
}

// A scan's file saved by the editor: the legacy ID becomes the secondary ID,
// the unchecked meter stays off, the scan-only attributes go and the comment
// is written.
TEST(MBusNetworkFile, AScanFileIsRewrittenInTheEditorDialect) {
  Temp_Dir dir;
  const QString path = dir.Write("m_bus.XML", Test_File("m_bus_scan_type2.xml"));
  const M_Bus_Network_Load load = Read_M_Bus_Network(dir.File("M_Bus.xml"), 2);
  ASSERT_TRUE(load.Complete()) << load.error.toStdString();
  Write_M_Bus_Network(dir.File("M_Bus.xml"), load.nodes, 2);
  EXPECT_EQ(dir.Read("m_bus.XML"), Test_File("m_bus_scan_type2_saved.xml"));
}

TEST(MBusNetworkFile, TheLegacyIdIsNeverWrittenBack) {
  const M_Bus_Network_Load load = Read_Text(
      R"(<M-Bus_Network><Nodo ID="7" Node_ID_Type="1" ID_Primary="3" ID_Secondary="9" Descrizione="x"/></M-Bus_Network>)",
      6);
  ASSERT_TRUE(load.Complete());
  const QByteArray text = M_Bus_Network_Text(load.nodes, 6);
  EXPECT_TRUE(
      text.startsWith(R"(<M-Bus_Network><Nodo Enable_Node="1" ID_Primary="1" ID_Secondary="7" Descrizione="x")"))
      << text.constData();
  EXPECT_FALSE(text.contains(" ID=")) << text.constData();
}

TEST(MBusNetworkFile, NodeEnabledRuleForEveryReader) {
  Xml_Document doc;
  doc.Load_Text(
      R"(<R><N/><N Enable_Node="0"/><N Node_Enable="0"/><N Node_Enable="1"/><N Enable_Node="x" Node_Enable="0"/></R>)");
  const bool expected[] = {true, false, false, true, true};
  int i = 0;
  for (Xml_Node node = doc.Root().First_Child(); !node.Is_Null(); node = node.Next_Sibling(), ++i)
    EXPECT_EQ(Is_Node_Enabled(node), expected[i]) << i;
  EXPECT_EQ(i, 5);
}

}  // namespace
