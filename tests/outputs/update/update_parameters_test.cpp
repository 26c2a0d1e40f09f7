#include "outputs/update/update_parameters.h"

#include <gtest/gtest.h>

#include <deque>

#include "outputs/update/device_ping.h"
#include "platform/xml_document.h"
#include "support/temp_dir.h"

namespace {

Update_Request Request(int type, int option, bool read_back) {
  Update_Request r;
  r.device_type = type;
  r.ip_address = "192.168.2.205";
  r.option = option;
  r.read_back = read_back;
  r.dir_master = "/p/MASTER";
  r.active_conf_dir = "/p/PROJECTS/Plant";
  return r;
}

QString Text(const Xml_Node& node, const char* name) { return node.Child(name).Single_Text().value_or("<none>"); }

TEST(EthernetUpdate, Type6FirmwareAndConfigurationWholeFile) {
  Temp_Dir dir;
  Compile_XML_Parameter(dir.Path(), Request(6, 0, true));
  const QByteArray expected =
      "<Ethernet_Update><Version>1000</Version><Title>Kelvra - SW58221 Ethernet Update</Title>"
      "<IP_Address_Dev>192.168.2.205</IP_Address_Dev><Application_Port>10000</Application_Port>"
      "<Boot_Port>2008</Boot_Port><Boot_Port_Sec>2007</Boot_Port_Sec><Address_Protection>0x78000</Address_Protection>"
      "<Protections><Protection>0x1DF</Protection></Protections><Operations>"
      "<Operation><Ope_Protection_Enabled/><Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>"
      "<Ope_GoToApp_Before>0</Ope_GoToApp_Before><Ope_IP_Address/><Ope_Port>2008</Ope_Port>"
      "<Ope_Port_Sec>2007</Ope_Port_Sec><Ope_Erase_Memory>0</Ope_Erase_Memory>"
      "<Ope_FileName>/p/MASTER/Sim58221.sim</Ope_FileName><Ope_Start_Address>0x8000</Ope_Start_Address>"
      "<Ope_Memory_Type>0</Ope_Memory_Type><Ope_Bank_Type>1</Ope_Bank_Type><Ope_Read_Back>1</Ope_Read_Back>"
      "<Ope_Write_CSS>1</Ope_Write_CSS><Ope_Address_CSS>0x78100</Ope_Address_CSS><Ope_Command_CSS>0x0B</"
      "Ope_Command_CSS>"
      "<Ope_Write_Internal_Data>0</Ope_Write_Internal_Data><Ope_WID_Address>0x78200</Ope_WID_Address>"
      "<Ope_WID_Command>0x0B</Ope_WID_Command><Ope_WID_Data/><Ope_GoToApp_After>0</Ope_GoToApp_After></Operation>"
      "<Operation><Ope_Protection_Enabled/><Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>"
      "<Ope_GoToApp_Before>0</Ope_GoToApp_Before><Ope_IP_Address/><Ope_Port>2008</Ope_Port>"
      "<Ope_Port_Sec>2007</Ope_Port_Sec><Ope_Erase_Memory>0</Ope_Erase_Memory>"
      "<Ope_FileName>/p/PROJECTS/Plant/bin/bank2.bin</Ope_FileName><Ope_Start_Address>0x50800</Ope_Start_Address>"
      "<Ope_Memory_Type>0</Ope_Memory_Type><Ope_Bank_Type>2</Ope_Bank_Type><Ope_Read_Back>1</Ope_Read_Back>"
      "<Ope_Write_CSS>0</Ope_Write_CSS><Ope_Address_CSS>0x50100</Ope_Address_CSS><Ope_Command_CSS>0x0B</"
      "Ope_Command_CSS>"
      "<Ope_GoToApp_After>0</Ope_GoToApp_After></Operation>"
      "<Operation><Ope_Protection_Enabled/><Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>"
      "<Ope_GoToApp_Before>0</Ope_GoToApp_Before><Ope_IP_Address/><Ope_Port>2008</Ope_Port>"
      "<Ope_Port_Sec>2007</Ope_Port_Sec><Ope_Erase_Memory>0</Ope_Erase_Memory>"
      "<Ope_FileName>/p/PROJECTS/Plant/bin/bank1.bin</Ope_FileName><Ope_Start_Address>0x68000</Ope_Start_Address>"
      "<Ope_Memory_Type>0</Ope_Memory_Type><Ope_Bank_Type>2</Ope_Bank_Type><Ope_Read_Back>1</Ope_Read_Back>"
      "<Ope_Write_CSS>0</Ope_Write_CSS><Ope_Address_CSS>0x50100</Ope_Address_CSS><Ope_Command_CSS>0x0B</"
      "Ope_Command_CSS>"
      "<Ope_Write_Internal_Data>0</Ope_Write_Internal_Data><Ope_WID_Address>0x78200</Ope_WID_Address>"
      "<Ope_WID_Command>0x0B</Ope_WID_Command><Ope_WID_Data>0x00, 0x00, 0x00, 0x01</Ope_WID_Data>"
      "<Ope_GoToApp_After>1</Ope_GoToApp_After></Operation></Operations></Ethernet_Update>";
  EXPECT_EQ(dir.Read("Ethernet_Update.xml").toStdString(), expected.toStdString());
}

TEST(EthernetUpdate, OperationsPerTypeAndOption) {
  const struct {
    int type, option;
    std::vector<const char*> files;
    std::vector<const char*> go_to_app;
  } rows[] = {
      {6, 1, {"Sim58221.sim"}, {"1"}},
      {6, 2, {"bank2.bin", "bank1.bin"}, {"0", "1"}},
      {4, 0, {"Sim58287.sim", "bank2.bin", "bank1.bin"}, {"0", "0", "1"}},
      {3, 1, {"Sim58232K.sim"}, {"1"}},
      {2, 0, {"Sim58254.sim", "Sim58254_B209.sim", "bank.bin", "bank1.bin", "bank2.bin"}, {"0", "0", "1", "0", "1"}},
      {1, 2, {"bank.bin", "bank1.bin", "bank2.bin"}, {"1", "0", "1"}},
  };
  for (const auto& row : rows) {
    Xml_Document doc;
    Build_Ethernet_Update(doc, Request(row.type, row.option, false));
    const Xml_Node ops = doc.Root().Child("Operations");
    ASSERT_EQ(ops.Child_Count(), static_cast<int>(row.files.size())) << row.type << "/" << row.option;
    size_t i = 0;
    for (Xml_Node op = ops.First_Child(); !op.Is_Null() && i < row.files.size(); op = op.Next_Sibling(), ++i) {
      EXPECT_TRUE(Text(op, "Ope_FileName").endsWith(row.files[i])) << row.type << " op " << i;
      EXPECT_EQ(Text(op, "Ope_GoToApp_After"), row.go_to_app[i]) << row.type << " op " << i;
      EXPECT_EQ(Text(op, "Ope_Read_Back"), "0");
    }
  }
}

TEST(EthernetUpdate, Type4DiffersInTitleProtectionsAndInternalData) {
  Xml_Document doc;
  Build_Ethernet_Update(doc, Request(4, 0, true));
  EXPECT_EQ(Text(doc.Root(), "Title"), "Kelvra - SW58287 Ethernet Update");
  const Xml_Node protections = doc.Root().Child("Protections");
  ASSERT_EQ(protections.Child_Count(), 2);
  EXPECT_EQ(protections.Child_At(1).Single_Text(), QString("0x1A3"));
  EXPECT_EQ(Text(doc.Root().Child("Operations").Child_At(2), "Ope_Write_Internal_Data"), "1");
}

TEST(SerialUpdate, CommandLinesPerTypeAndHardware) {
  const auto type1 = Build_Serial_Update_Command(Request(1, 2, false), "/p", "COM3", 0);
  ASSERT_TRUE(type1);
  EXPECT_EQ(type1->program, "/p/Ser_58243_Update.exe");
  EXPECT_EQ(type1->command_line, "\\\\.\\COM3 NO NO PW NO \"/p/MASTER/sim58243.sim\" \"/p/PROJECTS/Plant/bin/\"");
  const auto usb = Build_Serial_Update_Command(Request(3, 0, true), "/p", "COM1", 1);
  EXPECT_EQ(usb->program, "/p/USB_58232_Update.exe");
  EXPECT_TRUE(usb->command_line.contains("FW FR PW PR \"/p/MASTER/sim58232-B2.sim\""));
  EXPECT_EQ(Build_Serial_Update_Command(Request(3, 1, true), "/p", "COM1", 0)->program, "/p/Ser_58232_Update.exe");
  EXPECT_FALSE(Build_Serial_Update_Command(Request(6, 0, true), "/p", "COM1", 0));
  EXPECT_EQ(Update_Options(1, true), "FW FR NO NO ");
}

TEST(SerialUpdate, HardwareTypeFromParGen) {
  Temp_Dir dir;
  const struct {
    const char* content;
    int expected;
  } rows[] = {{"<Par_Gen><Hardware_Type>1</Hardware_Type></Par_Gen>", 1},
              {"<Par_Gen><Hardware_Type>2</Hardware_Type></Par_Gen>", 0},
              {"<Par_Gen><Hardware_Type>x</Hardware_Type></Par_Gen>", 0},
              {"<Par_Gen>", 0},
              {"<Par_Gen/>", 0}};
  for (const auto& row : rows) EXPECT_EQ(Select_Hard_Type_232(dir.Write("ParGen.xml", row.content)), row.expected);
  EXPECT_EQ(Select_Hard_Type_232(dir.File("missing.xml")), 0);
}

// An echo peer that answers from a script and moves a simulated clock.
class Scripted_Echo : public Echo_Client {
 public:
  std::deque<Echo_Outcome> answers;
  int64_t now = 0;
  int sent = 0;
  Echo_Outcome Echo(const QString&, const QByteArray&, int timeout_ms) override {
    ++sent;
    const Echo_Outcome answer = answers.empty() ? Echo_Outcome::Reply_Without_Data : answers.front();
    if (!answers.empty()) answers.pop_front();
    now += answer == Echo_Outcome::Reply_With_Data ? 5 : timeout_ms;
    return answer;
  }
  Ping_Clock Clock() {
    return {[this] { return now; }, [] {}};
  }
};

TEST(DevicePing, TwoRepliesEndThePing) {
  Scripted_Echo peer;
  peer.answers = {Echo_Outcome::Reply_With_Data, Echo_Outcome::Reply_Without_Data, Echo_Outcome::Reply_With_Data};
  const Ping_Outcome outcome = Send_Ping(peer, "10.0.0.1", peer.Clock());
  EXPECT_TRUE(outcome.success);
  EXPECT_EQ(outcome.ping_res, 1);
  EXPECT_EQ(peer.sent, 3);
}

TEST(DevicePing, SilentDeviceGivesUpAfterFiveSeconds) {
  Scripted_Echo peer;
  const Ping_Outcome outcome = Send_Ping(peer, "10.0.0.1", peer.Clock());
  EXPECT_FALSE(outcome.success);
  EXPECT_EQ(outcome.ping_res, 2);
  EXPECT_GT(peer.now, 5000);
  EXPECT_LE(peer.now, 5400);
}

TEST(DevicePing, EchoThatCannotBeSentFailsWithoutReply) {
  Scripted_Echo peer;
  peer.answers = {Echo_Outcome::Failed};
  const Ping_Outcome outcome = Send_Ping(peer, "a.b.c.d", peer.Clock());
  EXPECT_FALSE(outcome.success);
  EXPECT_EQ(outcome.ping_res, 0);
}

TEST(DevicePing, LoopbackAnswersTwice) {
  Icmp_Echo_Client client;
  if (client.Echo("127.0.0.1", "probe", 400) == Echo_Outcome::Failed) GTEST_SKIP() << "no ICMP socket allowed here";
  EXPECT_TRUE(Send_Ping(client, "127.0.0.1").success);
  EXPECT_EQ(Send_Ping(client, "127.0.0.x").ping_res, 0);
}

}  // namespace
