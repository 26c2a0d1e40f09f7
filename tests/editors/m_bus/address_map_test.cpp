#include "editors/m_bus/address_map.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "editors/m_bus/network_import.h"
#include "support/temp_dir.h"

namespace {

TVariabile Var(const char* description, int dimension, bool scale = false) {
  TVariabile v;
  v.Enable = true;
  v.Description = QString::fromUtf8(description);
  v.Dimension = dimension;
  v.Scale = scale;
  return v;
}

TNodo Node(int primary, const char* description, std::vector<TVariabile> variables, bool state = false,
           bool ident = false) {
  TNodo n;
  n.Enable = true;
  n.Node_ID_Primary = primary;
  n.Description = QString::fromUtf8(description);
  n.Node_State = state ? 1 : 0;
  n.Ident_Num = ident ? 1 : 0;
  n.Var_List = std::move(variables);
  return n;
}

const char* kHeader = "ID Node; Node Description; Variable Description; Position; Length;\r\n";

TEST(AddressMap, NodeWithStateIdentificationAndScaledVariable) {
  const QByteArray map = Address_Map_Text({Node(5, "Heat", {Var("E", 1, true)}, true, true)});
  EXPECT_EQ(map, QByteArray(kHeader) +
                     "5; Heat; Node State; 0; 1;\r\n"
                     "5; Heat; Identification Number; 1; 4;\r\n"
                     "5; Heat; E; 5; 2;\r\n"
                     "5; Heat; Scale - E; 7; 1;\r\n");
}

TEST(AddressMap, MatchesTheFixtureByteForByte) {
  TNodo wireless = Node(7,
                        "Radio \xc2\xb0"
                        "C",
                        {Var("T \xc2\xb0"
                             "C",
                             0)});
  wireless.Node_ID_Type = 1;
  wireless.Node_ID_Secondary = 12345678;
  wireless.RSSI = 1;
  wireless.MBus_Type = 0;
  wireless.wMBus_Add = "0x11223344";
  TNodo off = Node(9, "Off", {Var("X", 3)}, true, true);
  off.Enable = false;
  TVariabile disabled = Var("Skipped", 3);
  disabled.Enable = false;
  TVariabile by_position = Var("TP in 32 bits", 2);
  by_position.TP_Mod_Regs = true;  // only type of data 20 takes six bytes
  TNodo positional = Node(3, "Pos", {disabled, by_position, Var("Count", 6, true)}, false, true);
  positional.Var_List_Type = 1;
  const QByteArray map = Address_Map_Text({wireless, off, positional});
  QFile expected(Test_Data("descriptions/address_map.csv"));
  ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
  EXPECT_EQ(map, expected.readAll());
  EXPECT_TRUE(
      map.contains("12345678; Radio \xb0"
                   "C; T \xb0"
                   "C; 0; 1;\r\n"))
      << "Windows-1252 bytes, secondary ID";
}

TEST(AddressMap, LengthOfEachKindOfVariable) {
  const struct {
    int type;
    int dimension;
    bool time_point_six;
    bool force_32;
    int length;
    int expected;
  } rows[] = {
      {0, 0, false, false, 0, 1}, {0, 1, false, false, 0, 2},  {0, 2, false, false, 0, 4}, {0, 3, false, false, 0, 8},
      {0, 4, false, false, 0, 3}, {0, 5, false, false, 0, 6},  {0, 6, false, false, 0, 4}, {0, 7, false, false, 17, 17},
      {0, 8, false, false, 0, 2}, {0, -1, false, false, 0, 2}, {20, 2, true, false, 0, 6}, {20, 2, false, false, 0, 4},
      {19, 2, true, false, 0, 4}, {0, 0, false, true, 0, 4},   {20, 0, true, true, 0, 6},
  };
  for (const auto& row : rows) {
    TVariabile v = Var("v", row.dimension);
    v.Type_Of_Data = row.type;
    v.TP_Mod_Regs = row.time_point_six;
    v.ForceInteger32 = row.force_32;
    v.Length = row.length;
    EXPECT_EQ(Address_Map_Length(v), row.expected) << "type " << row.type << " dim " << row.dimension;
  }
}

TEST(AddressMap, EmptyNetworkIsTheHeaderAlone) { EXPECT_EQ(Address_Map_Text({}), kHeader); }

TEST(AddressMap, FileNameGetsTheExtensionUnlessItHoldsOne) {
  const std::pair<const char*, const char*> rows[] = {
      {"/c/map", "/c/map.csv"},       {"/c/map.CSV", "/c/map.CSV"},
      {"/c/map.csv", "/c/map.csv"},   {"/c/map.csv.old", "/c/map.csv.old"},
      {"/c/map.cs", "/c/map.cs.csv"}, {"/c/x.Csv2", "/c/x.Csv2"},
  };
  for (const auto& [chosen, name] : rows) EXPECT_EQ(Address_Map_File_Name(chosen).toStdString(), name);
}

TEST(AddressMap, ExportReportsTheFileOrWhyItFailed) {
  Temp_Dir dir;
  dir.Write("map.csv", "old");
  const Address_Map_Result done = Export_Address_Map(dir.File("map"), {Node(1, "n", {Var("v", 0)})});
  EXPECT_TRUE(done.Ok()) << done.error.toStdString();
  EXPECT_EQ(done.file, dir.File("map.csv"));
  EXPECT_EQ(dir.Read("map.csv"), QByteArray(kHeader) + "1; n; v; 0; 1;\r\n");

  const Address_Map_Result failed = Export_Address_Map(dir.File("gone/map"), {});
  EXPECT_FALSE(failed.Ok());
  EXPECT_TRUE(failed.error.contains("map.csv")) << failed.error.toStdString();
  EXPECT_FALSE(QFileInfo::exists(dir.File("gone/map.csv")));
}

constexpr char kNetwork[] = "<M-Bus_Network><Nodo Descrizione=\"a\"/></M-Bus_Network>";
constexpr char kOtherNetwork[] = "<M-Bus_Network><Nodo Descrizione=\"b\"/></M-Bus_Network><!--SW_VERSION = 2.003-->";

TEST(NetworkImport, CopiesTheChosenFileOverTheNetwork) {
  Temp_Dir conf;
  Temp_Dir elsewhere;
  const QString m_bus = conf.File("M_Bus.xml");
  EXPECT_FALSE(Network_Import_Asks(m_bus));
  const QString source = elsewhere.Write("net.xml", kNetwork);
  EXPECT_TRUE(Import_M_Bus_Network(source, m_bus, 6).Ok());
  EXPECT_EQ(conf.Read("M_Bus.xml"), elsewhere.Read("net.xml"));
  EXPECT_TRUE(Network_Import_Asks(m_bus));
  EXPECT_TRUE(QFileInfo::exists(source)) << "the source stays";
}

// An empty network, or one after a declaration and a comment, is a network.
TEST(NetworkImport, AnyNetworkTheReaderTakesIsImported) {
  for (const char* text : {"<M-Bus_Network/>",
                           "<?xml version=\"1.0\"?><!--x--><M-Bus_Network><Nodo Descrizione=\"a\"/>"
                           "</M-Bus_Network>"}) {
    Temp_Dir conf;
    conf.Write("M_Bus.xml", kNetwork);
    Temp_Dir elsewhere;
    const Network_Import_Result result =
        Import_M_Bus_Network(elsewhere.Write("n.xml", text), conf.File("M_Bus.xml"), 6);
    EXPECT_TRUE(result.Ok()) << text << ": " << result.error.toStdString();
    EXPECT_EQ(conf.Read("M_Bus.xml"), text);
  }
}

TEST(NetworkImport, ReplacesTheFileWhateverItsCase) {
  Temp_Dir conf;
  conf.Write("m_bus.XML", "old");
  EXPECT_TRUE(Network_Import_Asks(conf.File("M_Bus.xml")));
  Temp_Dir elsewhere;
  EXPECT_TRUE(Import_M_Bus_Network(elsewhere.Write("n.xml", kOtherNetwork), conf.File("M_Bus.xml"), 6).Ok());
  EXPECT_EQ(conf.Read("m_bus.XML"), kOtherNetwork);
  EXPECT_FALSE(QFileInfo::exists(conf.File("M_Bus.xml")));
}

TEST(NetworkImport, UnreadableSourceKeepsTheOldNetwork) {
  Temp_Dir conf;
  conf.Write("M_Bus.xml", "old network");
  Temp_Dir elsewhere;
  const QString locked = elsewhere.Write("locked.xml", "x");
  QFile::setPermissions(locked, QFileDevice::Permissions());
  const QString sources[] = {elsewhere.File("missing.xml"), elsewhere.Path(), locked};
  for (const QString& source : sources) {
    if (source == locked && QFile(locked).open(QIODevice::ReadOnly)) continue;  // root reads it anyway
    const Network_Import_Result result = Import_M_Bus_Network(source, conf.File("M_Bus.xml"), 6);
    EXPECT_FALSE(result.Ok()) << source.toStdString();
    EXPECT_TRUE(result.error.contains(source)) << result.error.toStdString();
    EXPECT_EQ(conf.Read("M_Bus.xml"), "old network");
  }
}

// Only a file that reads as a network replaces M_Bus.xml; anything else is
// refused with the file's name and the old network stays byte for byte.
TEST(NetworkImport, AFileThatIsNoNetworkKeepsTheOldOne) {
  QByteArray random_bytes;
  uint32_t state = 12345;
  for (int i = 0; i < 4096; ++i) {
    state = state * 1103515245u + 12345u;
    random_bytes += static_cast<char>(state >> 24);
  }
  struct Case {
    const char* name;
    QByteArray text;
    const char* reason;
  };
  const Case cases[] = {
      {"random bytes", random_bytes, "not an XML file"},
      {"empty file", "", "not an XML file"},
      {"not well-formed", "<M-Bus_Network><Nodo Descrizione=\"a\"></M-Bus_Network>", "not an XML file"},
      {"communication settings", "<Par_Gen><Eth_IP1>192</Eth_IP1></Par_Gen>", "not an M-Bus network"},
      {"CANopen table", "<DeviceNet_Master_to_PDO><Receive_PDO/></DeviceNet_Master_to_PDO>", "not an M-Bus network"},
      {"empty root of another kind", "<Par_Gen/>", "not an M-Bus network"},
      {"comment only in another root", "<?xml version=\"1.0\"?><Other><!--x--></Other>", "not an M-Bus network"},
      {"variable without type", "<M-Bus_Network><Nodo Descrizione=\"a\"><Variabile Desc=\"v\"/></Nodo></M-Bus_Network>",
       "not an M-Bus network"},
  };
  for (const Case& c : cases) {
    Temp_Dir conf;
    conf.Write("M_Bus.xml", kNetwork);
    Temp_Dir elsewhere;
    const QString source = elsewhere.Write("other.xml", c.text);
    const Network_Import_Result result = Import_M_Bus_Network(source, conf.File("M_Bus.xml"), 6);
    EXPECT_FALSE(result.Ok()) << c.name;
    EXPECT_TRUE(result.error.contains(source)) << c.name << ": " << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(c.reason)) << c.name << ": " << result.error.toStdString();
    EXPECT_EQ(conf.Read("M_Bus.xml"), kNetwork) << c.name;
    EXPECT_EQ(QDir(conf.Path()).entryList(QDir::Files), QStringList{"M_Bus.xml"}) << c.name << ": no leftovers";
  }
}

TEST(NetworkImport, FailedWriteKeepsTheOldNetwork) {
  Temp_Dir elsewhere;
  const Network_Import_Result result =
      Import_M_Bus_Network(elsewhere.Write("n.xml", kNetwork), elsewhere.File("gone/M_Bus.xml"), 6);
  EXPECT_FALSE(result.Ok());
  EXPECT_TRUE(result.error.contains("M_Bus.xml")) << result.error.toStdString();
}

TEST(NetworkImport, ImportingTheNetworkOntoItselfKeepsIt) {
  Temp_Dir conf;
  conf.Write("M_Bus.xml", "the network");
  EXPECT_TRUE(Import_M_Bus_Network(conf.File("M_Bus.xml"), conf.File("M_Bus.xml"), 6).Ok());
  EXPECT_TRUE(Import_M_Bus_Network(conf.File("./M_Bus.xml"), conf.File("m_bus.xml"), 6).Ok());
  EXPECT_EQ(conf.Read("M_Bus.xml"), "the network");
}

}  // namespace
