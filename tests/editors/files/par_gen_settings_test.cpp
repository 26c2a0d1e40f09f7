#include "editors/files/par_gen_settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <functional>

#include "platform/xml_document.h"
#include "support/temp_dir.h"

namespace {

QByteArray Test_File(const QString& name) {
  QFile file(Test_Data("config_files/" + name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
  return file.readAll();
}

Par_Gen_Settings Read_Text(const QByteArray& text, int type) {
  Temp_Dir dir;
  return Read_Par_Gen(dir.Write("ParGen.xml", text), type);
}

// A missing file reads as the defaults, and saving them gives, per device type,
// exactly that type's elements in its order followed by the version comment.
TEST(ParGenSettings, DefaultsOfEveryDeviceTypeWriteTheirElementOrder) {
  for (int type = 1; type <= 6; ++type) {
    SCOPED_TRACE(type);
    Temp_Dir dir;
    const Par_Gen_Settings settings = Read_Par_Gen(dir.File("ParGen.xml"), type);
    EXPECT_EQ(settings, Par_Gen_Settings{});
    Write_Par_Gen(dir.File("ParGen.xml"), settings, type);
    EXPECT_EQ(dir.Read("ParGen.xml"), Test_File(QStringLiteral("par_gen_type%1_defaults.xml").arg(type)));
  }
}

// Every field of the type set away from its default survives a write and a read.
TEST(ParGenSettings, EveryTypeRoundTripsItsOwnValues) {
  Par_Gen_Settings s;
  s.DN_ID = "0x3F";
  s.DN_BAUD = 2;
  s.DN_NB_IN = " 12";
  s.Working_mode = 1;
  s.Eth_IP = {"10", "0", "0", "$7"};
  s.Eth_SM = {"255", "255", "0", "0"};
  s.Eth_GAT = {"10", "0", "0", "254"};
  s.Eth_EN_GAT = true;
  s.Eth_NumByte_OUT = "100";
  s.PROFI_ID = "abc";
  s.PROFI_NB_IN = "";
  s.PROFI_GSD = true;
  s.Enable_TX = true;
  s.PROFI_NB_OUT = "7";
  s.Hardware_Type = 1;
  s.Sel_Dev_MBus_Present = 1;
  s.wMBus_Mode = 4;
  s.wMBus_Radio_Channel = 8;
  s.Meter_Baud = 7;
  s.Meter_Par = 2;
  s.Meter_Req_Delay = "65535";
  s.Meter_NS_Error_Code = "0xFF";
  s.PROFINET_IP = {"1", "2", "3", "4"};
  s.PROFINET_SM = {"5", "6", "7", "8"};
  s.PROFINET_GAT = {"9", "10", "11", "12"};
  s.PROFINET_EN_GAT = true;
  s.PROFINET_NAME_STA = "a&b<c\"d'e";
  s.PROFINET_NB_OUT = "12";
  s.PROFINET_AUTO_CALC_BYTE = true;
  s.CAN_ID_DEV = "127";
  s.CAN_BAUD = 0;
  s.CAN_SET_OPE = true;
  s.CAN_NET_OPE = true;
  s.CAN_DELAY = "255";
  s.CAN_SDO_TIMEOUT = "100000000";
  s.CANopen_Enable_Sync = true;
  s.CANopen_Sync_Time = "4000000";

  // Which fields each type keeps; the others read back as defaults.
  const std::function<void(Par_Gen_Settings&, const Par_Gen_Settings&)> keep[] = {
      [](Par_Gen_Settings& e, const Par_Gen_Settings& v) {
        e.DN_ID = v.DN_ID, e.DN_BAUD = v.DN_BAUD, e.DN_NB_IN = v.DN_NB_IN, e.Working_mode = v.Working_mode;
      },
      [](Par_Gen_Settings& e, const Par_Gen_Settings& v) {
        e.Eth_IP = v.Eth_IP, e.Eth_SM = v.Eth_SM, e.Eth_GAT = v.Eth_GAT, e.Eth_EN_GAT = v.Eth_EN_GAT;
        e.Eth_NumByte_OUT = v.Eth_NumByte_OUT, e.Working_mode = v.Working_mode;
      },
      [](Par_Gen_Settings& e, const Par_Gen_Settings& v) {
        e.Eth_IP = v.Eth_IP, e.Eth_SM = v.Eth_SM, e.Eth_GAT = v.Eth_GAT, e.Eth_EN_GAT = v.Eth_EN_GAT;
        e.PROFI_ID = v.PROFI_ID, e.PROFI_NB_IN = v.PROFI_NB_IN, e.PROFI_GSD = v.PROFI_GSD, e.Enable_TX = v.Enable_TX;
        e.PROFI_NB_OUT = v.PROFI_NB_OUT, e.Working_mode = v.Working_mode, e.Hardware_Type = v.Hardware_Type;
      },
      [](Par_Gen_Settings& e, const Par_Gen_Settings& v) {
        e.Eth_IP = v.Eth_IP, e.Eth_SM = v.Eth_SM, e.Eth_GAT = v.Eth_GAT, e.Eth_EN_GAT = v.Eth_EN_GAT;
        e.Eth_NumByte_OUT = v.Eth_NumByte_OUT, e.Working_mode = v.Working_mode;
        e.Sel_Dev_MBus_Present = v.Sel_Dev_MBus_Present, e.wMBus_Mode = v.wMBus_Mode;
        e.wMBus_Radio_Channel = v.wMBus_Radio_Channel;
      },
      [](Par_Gen_Settings& e, const Par_Gen_Settings& v) {
        e.Sel_Dev_MBus_Present = v.Sel_Dev_MBus_Present, e.wMBus_Mode = v.wMBus_Mode;
        e.wMBus_Radio_Channel = v.wMBus_Radio_Channel, e.Working_mode = v.Working_mode;
        e.PROFINET_IP = v.PROFINET_IP, e.PROFINET_SM = v.PROFINET_SM, e.PROFINET_GAT = v.PROFINET_GAT;
        e.PROFINET_EN_GAT = v.PROFINET_EN_GAT, e.PROFINET_NAME_STA = v.PROFINET_NAME_STA;
        e.PROFINET_NB_OUT = v.PROFINET_NB_OUT, e.PROFINET_AUTO_CALC_BYTE = v.PROFINET_AUTO_CALC_BYTE;
      },
      [](Par_Gen_Settings& e, const Par_Gen_Settings& v) {
        e.Eth_IP = v.Eth_IP, e.Eth_SM = v.Eth_SM, e.Eth_GAT = v.Eth_GAT, e.Eth_EN_GAT = v.Eth_EN_GAT;
        e.CAN_ID_DEV = v.CAN_ID_DEV, e.CAN_BAUD = v.CAN_BAUD, e.CAN_SET_OPE = v.CAN_SET_OPE;
        e.CAN_NET_OPE = v.CAN_NET_OPE, e.CAN_DELAY = v.CAN_DELAY, e.CAN_SDO_TIMEOUT = v.CAN_SDO_TIMEOUT;
        e.CANopen_Enable_Sync = v.CANopen_Enable_Sync, e.CANopen_Sync_Time = v.CANopen_Sync_Time;
      },
  };
  for (int type = 1; type <= 6; ++type) {
    SCOPED_TRACE(type);
    Par_Gen_Settings expected;
    keep[type - 1](expected, s);
    expected.Meter_Baud = s.Meter_Baud, expected.Meter_Par = s.Meter_Par;
    expected.Meter_Req_Delay = s.Meter_Req_Delay, expected.Meter_NS_Error_Code = s.Meter_NS_Error_Code;
    EXPECT_EQ(Read_Text(Par_Gen_Text(s, type), type), expected);
  }
}

struct Read_Case {
  const char* name;
  int type;
  const char* body;  // elements inside Par_Gen
  std::function<bool(const Par_Gen_Settings&)> holds;
};

TEST(ParGenSettings, EachValueTakesItsOwnFallback) {
  const Read_Case cases[] = {
      {"hardware type not a number selects the first", 3, "<Hardware_Type>abc</Hardware_Type>",
       [](auto& s) { return s.Hardware_Type == 0; }},
      {"hardware type empty selects the first", 3, "<Hardware_Type/>", [](auto& s) { return s.Hardware_Type == 0; }},
      {"hardware type missing selects the last", 3, "", [](auto& s) { return s.Hardware_Type == 2; }},
      {"hardware type outside the list", 3, "<Hardware_Type>7</Hardware_Type>",
       [](auto& s) { return s.Hardware_Type == 2; }},
      {"position outside its list", 6, "<Meter_Baud>9</Meter_Baud><CAN_BAUD>-1</CAN_BAUD>",
       [](auto& s) { return s.Meter_Baud == 0 && s.CAN_BAUD == 8; }},
      {"position not a number", 6, "<Meter_Par>x</Meter_Par>", [](auto& s) { return s.Meter_Par == 1; }},
      {"position in number-entry forms", 6, "<Meter_Baud> 7</Meter_Baud><CAN_BAUD>$3</CAN_BAUD>",
       [](auto& s) { return s.Meter_Baud == 7 && s.CAN_BAUD == 3; }},
      {"flag only for exactly 1", 6,
       "<Eth_EN_GAT> 1</Eth_EN_GAT><CAN_SET_OPE>true</CAN_SET_OPE><CAN_NET_OPE>1</CAN_NET_OPE>",
       [](auto& s) { return !s.Eth_EN_GAT && !s.CAN_SET_OPE && s.CAN_NET_OPE; }},
      {"typed text kept as typed", 6, "<CAN_ID_DEV>0x10</CAN_ID_DEV><Eth_IP1> 10 </Eth_IP1><CAN_DELAY/>",
       [](auto& s) { return s.CAN_ID_DEV == "0x10" && s.Eth_IP[0] == " 10 " && s.CAN_DELAY.isEmpty(); }},
      {"element holding elements", 6, "<CAN_ID_DEV><x>5</x></CAN_ID_DEV>", [](auto& s) { return s.CAN_ID_DEV == "1"; }},
      {"first of two elements counts", 6, "<CAN_ID_DEV>5</CAN_ID_DEV><CAN_ID_DEV>6</CAN_ID_DEV>",
       [](auto& s) { return s.CAN_ID_DEV == "5"; }},
      {"names are case-sensitive", 6, "<can_id_dev>5</can_id_dev>", [](auto& s) { return s.CAN_ID_DEV == "1"; }},
      {"sync kept although the window hides it", 6,
       "<CANopen_Enable_Sync>1</CANopen_Enable_Sync><CANopen_Sync_Time>250</CANopen_Sync_Time>",
       [](auto& s) { return s.CANopen_Enable_Sync && s.CANopen_Sync_Time == "250"; }},
      {"another type's elements are not this type's", 6, "<DN_ID>5</DN_ID><Working_mode>1</Working_mode>",
       [](auto& s) { return s == Par_Gen_Settings{}; }},
      {"entities decoded", 5, "<PROFINET_NAME_STA>a&amp;b&lt;c</PROFINET_NAME_STA>",
       [](auto& s) { return s.PROFINET_NAME_STA == "a&b<c"; }},
  };
  for (const Read_Case& c : cases) {
    const QByteArray text = QByteArray("<Par_Gen>") + c.body + "</Par_Gen>";
    EXPECT_TRUE(c.holds(Read_Text(text, c.type))) << c.name;
  }
}

TEST(ParGenSettings, WhatPrecedesTheRootElementDoesNotHideItsValues) {
  EXPECT_EQ(Read_Text("<!--x--><Par_Gen><CAN_ID_DEV>5</CAN_ID_DEV></Par_Gen>", 6).CAN_ID_DEV, "5");
  EXPECT_EQ(Read_Text("<?xml version=\"1.0\"?>\n<!--x-->\n<?pi?>\n<Par_Gen><CAN_ID_DEV>5</CAN_ID_DEV></Par_Gen>", 6)
                .CAN_ID_DEV,
            "5");
  EXPECT_EQ(Read_Text("<?xml version=\"1.0\"?><Par_Gen><CAN_ID_DEV>5</CAN_ID_DEV></Par_Gen>", 6).CAN_ID_DEV, "5");
  EXPECT_EQ(Read_Text("\xEF\xBB\xBF<Par_Gen><CAN_ID_DEV>5</CAN_ID_DEV></Par_Gen>", 6).CAN_ID_DEV, "5");
}

TEST(ParGenSettings, FixedPortsAreWrittenWhateverTheFileHeld) {
  const Par_Gen_Settings s =
      Read_Text("<Par_Gen><PROFINET_PORT>1234</PROFINET_PORT><Eth_PORT>1</Eth_PORT></Par_Gen>", 5);
  const QByteArray text = Par_Gen_Text(s, 5);
  EXPECT_TRUE(text.contains("<PROFINET_PORT>34964</PROFINET_PORT>")) << text.constData();
  EXPECT_TRUE(Par_Gen_Text(s, 2).contains("<Eth_PORT>44818</Eth_PORT>"));
}

TEST(ParGenSettings, AFileOfAnotherTypeIsRewrittenWithThisTypesElementsOnly) {
  Temp_Dir dir;
  const QString path = dir.Write("ParGen.xml", Test_File("par_gen_type1_defaults.xml"));
  Write_Par_Gen(path, Read_Par_Gen(path, 6), 6);
  EXPECT_EQ(dir.Read("ParGen.xml"), Test_File("par_gen_type6_defaults.xml"));
}

TEST(ParGenSettings, AMalformedFileIsAnErrorAndLeavesTheFileAlone) {
  Temp_Dir dir;
  const QString path = dir.Write("ParGen.xml", "<Par_Gen><CAN_ID_DEV>5</Par_Gen>");
  EXPECT_THROW(Read_Par_Gen(path, 6), Xml_Error);
  EXPECT_EQ(dir.Read("ParGen.xml"), QByteArray("<Par_Gen><CAN_ID_DEV>5</Par_Gen>"));
}

}  // namespace
