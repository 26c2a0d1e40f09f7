#include <gtest/gtest.h>

#include <QDir>
#include <map>

#include "outputs/compiler/compile_error.h"
#include "outputs/compiler/image_compiler.h"
#include "outputs/compiler/images_fixture.h"

namespace {

const QString kBank = QStringLiteral("bin/bank.bin");
const QString kBank1 = QStringLiteral("bin/bank1.bin");
const QString kBank2 = QStringLiteral("bin/bank2.bin");

QStringList Bin_Files(const Config_Folder& folder) {
  QStringList names = QDir(folder.Path() + QStringLiteral("/bin")).entryList(QDir::Files);
  names.sort();
  return names;
}

std::string Hex(const QByteArray& bytes) { return bytes.toHex(' ').toUpper().toStdString(); }

TEST(Gateway_Images, EmptyFolderPerDeviceType) {
  const QByteArray gateway = Default_Gateway_Block();
  const QByteArray mbus_head = From_Hex("80 09 00 00 00 09 00 00 00");
  const QByteArray plain_head = From_Hex("08 00 00 00 08 00 00 00");
  const QByteArray wireless_head = From_Hex("80 0D 00 00 00 0D 00 00 00 0D 00 00 00");
  const QByteArray ethernet_image = Default_Ethernet_Block() + From_Hex("80 09 08 00 00 09 08 00 00");
  const QByteArray wireless_bank1 = gateway + QByteArray(1024, '\0');
  const std::map<int, std::map<QString, QByteArray>> rows = {
      {1, {{kBank, plain_head}}},
      {2, {{kBank, ethernet_image}, {kBank1, gateway}, {kBank2, mbus_head}}},
      {3, {{kBank, plain_head}, {kBank1, gateway}, {kBank2, mbus_head}}},
      {4, {{kBank1, wireless_bank1}, {kBank2, wireless_head}}},
      {5, {{kBank1, wireless_bank1}, {kBank2, wireless_head}}},
  };
  for (const auto& [type, files] : rows) {
    SCOPED_TRACE(type);
    Config_Folder folder;
    Compile_And_Save_Bank_Files(type, folder.Path());
    QStringList names;
    for (const auto& [name, bytes] : files) {
      names << name.mid(4);
      const QByteArray saved = folder.Read(name);
      EXPECT_EQ(saved.size(), bytes.size()) << name.toStdString();
      EXPECT_TRUE(saved == bytes) << name.toStdString() << ": " << Hex(saved.left(16));
    }
    // Several files are one set: the stamp that ties them together lies beside them.
    if (files.size() > 1) names << kBank_Stamp_File;
    names.sort();
    EXPECT_EQ(Bin_Files(folder), names);
  }
  // The block sums the documented defaults give.
  EXPECT_EQ(Hex_At(gateway, 2044, 4), "94 11 00 00");
  EXPECT_EQ(Hex_At(ethernet_image, 2044, 4), "E9 09 00 00");
}

struct Whole_Image {
  int type;
  const char* fixture;
  const char* file;
  const char* expected;
};

TEST(Gateway_Images, WholeImagesByteForByte) {
  const Whole_Image rows[] = {
      {1, "devicenet", "bin/bank.bin", "devicenet/expected_bank.hex"},
      {2, "ethernetip", "bin/bank2.bin", "ethernetip/expected_bank2.hex"},
      {3, "profibus", "bin/bank.bin", "profibus/expected_bank.hex"},
      {3, "profibus", "bin/bank2.bin", "profibus/expected_bank2.hex"},
      {4, "wireless", "bin/bank2.bin", "wireless/expected_bank2.hex"},
  };
  for (const Whole_Image& row : rows) {
    SCOPED_TRACE(row.expected);
    Config_Folder folder;
    Fill_From(folder, QString::fromLatin1(row.fixture));
    Compile_And_Save_Bank_Files(row.type, folder.Path());
    const QByteArray expected = Hex_File(QString::fromLatin1(row.expected));
    const QByteArray saved = folder.Read(QString::fromLatin1(row.file));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(saved.size(), expected.size());
    for (qsizetype i = 0; i < std::min(saved.size(), expected.size()); ++i)
      if (saved[i] != expected[i]) {
        ADD_FAILURE() << "first difference at offset " << i << ": " << Hex_At(saved, i, 4) << " instead of "
                      << Hex_At(expected, i, 4);
        break;
      }
  }
}

// Type 2: bank.bin is the Ethernet block followed by the second pass, whose
// offsets all lie 2048 bytes further on than those of bank2.bin.
TEST(Gateway_Images, EtherNetIPImagesAndBlocks) {
  Config_Folder folder;
  Fill_From(folder, QStringLiteral("ethernetip"));
  Compile_And_Save_Bank_Files(2, folder.Path());

  QByteArray ethernet_block = Hex_File(QStringLiteral("ethernetip/expected_ethernet_record.hex"));
  ASSERT_EQ(ethernet_block.size(), 132);
  ethernet_block += QByteArray(2048 - 132, '\0');
  Put(ethernet_block, 2044, "81 09 00 00");  // the sum added up by hand: 2433
  QByteArray image = Hex_File(QStringLiteral("ethernetip/expected_bank2.hex"));
  Put(image, 1, "09 08 00 00 3A 08 00 00");  // node table at 2057, settings at 2106
  Put(image, 9 + 7, "20 08 00 00");          // the node's first variable entry at 2080
  Put(image, 32 + 21, "3A 08 00 00");        // the variable's (empty) text at 2106
  const QByteArray bank = folder.Read(kBank);
  EXPECT_EQ(Hex(bank.left(2048)), Hex(ethernet_block));
  EXPECT_EQ(Hex(bank.mid(2048)), Hex(image));

  QByteArray gateway = Default_Gateway_Block();
  Put(gateway, 0x028, "0A 00 00 07 FF FF 00 00 FF FF FF FF");  // gateway off: 255.255.255.255
  Put(gateway, 0x036, "12 AF 12 AF");                          // port 44818
  Put(gateway, 0x168, "64 00 00 00");                          // Eth_NumByte_OUT
  Put(gateway, 0x1FC, "60 09 00 00");                          // Meter_Baud 9: 2400
  Put(gateway, 0x20B, "03");                                   // Meter_Par 2 (ODD): 3
  Put(gateway, 0x7FC, "8B 11 00 00");                          // 4500 - 348 - 255 + 193 + 193 + 100 + 105 + 3
  EXPECT_EQ(Hex(folder.Bank1()), Hex(gateway));
}

TEST(Gateway_Images, ProfibusGatewayBlock) {
  Config_Folder folder;
  Fill_From(folder, QStringLiteral("profibus"));
  Compile_And_Save_Bank_Files(3, folder.Path());
  QByteArray gateway = Default_Gateway_Block();
  Put(gateway, 0x030, "FF FF FF FF");
  Put(gateway, 0x036, "11 27 11 27");              // port 10001
  Put(gateway, 0x168, "2C 01 00 00 32 00 00 00");  // PROFI_NB_IN and PROFI_NB_OUT, full values
  Put(gateway, 0x1FC, "80 25 00 00");              // 9600
  Put(gateway, 0x20B, "02");                       // EVEN
  Put(gateway, 0x2DC, "07 01 01 00");              // PROFI_ID, PROFI_GSD, Enable_TX, Working_mode
  Put_Block_Sum(gateway);
  EXPECT_EQ(Hex(folder.Bank1()), Hex(gateway));
}

TEST(Gateway_Images, ProfibusImageAgainstTheFirstPass) {
  Config_Folder folder;
  Fill_From(folder, QStringLiteral("profibus"));
  Compile_And_Save_Bank_Files(3, folder.Path());
  const QByteArray bank = folder.Read(kBank), bank2 = folder.Bank2();
  // Enable_Node "2": in the PROFIBUS image only.
  EXPECT_EQ(Hex_At(bank, 8 + 1, 4), "00 00 00 03");
  EXPECT_EQ(Hex_At(bank2, 9 + 1, 4), "00 00 00 09");
  // M-Bus transmit on: values start at 2 in bank.bin, at 0 in bank2.bin.
  EXPECT_EQ(U16_At(bank, 54 + 3), 2u);
  EXPECT_EQ(U16_At(bank2, 32 + 3), 0u);
  // The time point with TP_Mod_Regs: 5 bytes against 6.
  EXPECT_EQ(U16_At(bank, 82 + 6) - U16_At(bank, 82 + 3), 5u);
  EXPECT_EQ(U16_At(bank2, 32 + 6) - U16_At(bank2, 32 + 3), 6u);
  // Meter_NS_Error_Code missing: 255 against 0.
  EXPECT_EQ(U8_At(bank, bank.size() - 1), 255u);
  EXPECT_EQ(U8_At(bank2, bank2.size() - 1), 0u);
}

QByteArray Wireless_Gateway_Block() {
  QByteArray gateway = Default_Gateway_Block();
  Put(gateway, 0x028, "0A 00 00 07 FF FF FF 00 0A 00 00 01");  // gateway on: as typed
  Put(gateway, 0x036, "12 AF 12 AF");
  Put(gateway, 0x168, "C8 00 00 00");
  Put(gateway, 0x1F8, "00 4B 00 00 60 09 00 00");  // 19200, then Meter_Baud 3: 2400
  Put(gateway, 0x20A, "00 00");                    // fixed 0, parity NONE
  Put(gateway, 0x210, "01");
  Put(gateway, 0x216, "08");
  Put(gateway, 0x234, "02");  // two wireless meters
  Put(gateway, 0x238, "11");  // wMBus_Mode 3 (N2): 17
  Put(gateway, 0x246, "04");  // radio channel
  Put(gateway, 0x248, "03 05 05");
  Put_Block_Sum(gateway);
  return gateway;
}

TEST(Gateway_Images, WirelessGatewayBlockAndKeyTable) {
  Config_Folder folder;
  Fill_From(folder, QStringLiteral("wireless"));
  Compile_And_Save_Bank_Files(4, folder.Path());
  const QByteArray bank1 = folder.Bank1();
  ASSERT_EQ(bank1.size(), 3072);
  EXPECT_EQ(Hex(bank1.left(2048)), Hex(Wireless_Gateway_Block()));
  QByteArray keys = Hex_File(QStringLiteral("wireless/expected_key_table.hex"));
  ASSERT_EQ(keys.size(), 64);
  keys += QByteArray(1024 - 64, '\0');
  EXPECT_EQ(Hex(bank1.mid(2048)), Hex(keys));
  EXPECT_FALSE(folder.Exists(kBank));
}

TEST(Gateway_Images, WiredPortNotPresentLeavesWiredNodesOut) {
  Config_Folder folder;
  Fill_From(folder, QStringLiteral("wireless"));
  const QByteArray par_gen = folder.Read(QStringLiteral("ParGen.xml"));
  folder.Write(QStringLiteral("ParGen.xml"), With_Element(par_gen, "Sel_Dev_MBus_Present", "0"));
  // A wired node that is not taken is not read, so its unreadable variable stops nothing.
  QByteArray m_bus = folder.Read(QStringLiteral("M_Bus.xml"));
  m_bus.replace("Desc=\"Flow\" Type=\"4\"", "Desc=\"Flow\" Type=\"abc\"");
  folder.Write(QStringLiteral("M_Bus.xml"), m_bus);
  Compile_And_Save_Bank_Files(4, folder.Path());
  const QByteArray bank2 = folder.Bank2();
  EXPECT_EQ(U32_At(bank2, 9), 13u);  // the wireless table moves up
  EXPECT_EQ(Hex_At(bank2, 13 + 1, 4), "00 00 01 02");
  EXPECT_EQ(U16_At(bank2, 13 + 14), 0u);          // addresses start over without the wired node
  EXPECT_EQ(U8_At(bank2, bank2.size() - 3), 0u);  // wired node count in the settings area
  EXPECT_EQ(U8_At(folder.Bank1(), 0x234), 2u);
}

TEST(Gateway_Images, NodesWithoutMBusTypeAreWired) {
  Config_Folder folder;
  folder.Write(QStringLiteral("M_Bus.xml"), Images_File(QStringLiteral("devicenet/M_Bus.xml")));
  Compile_And_Save_Bank_Files(4, folder.Path());
  const QByteArray bank2 = folder.Bank2();
  EXPECT_EQ(U32_At(bank2, 9), 13u + 2 * 26);  // two wired entries, no wireless meter
  EXPECT_EQ(U8_At(folder.Bank1(), 0x234), 0u);
  // Nothing is reserved for a wired node's signal strength: its address is that of the first value.
  EXPECT_EQ(U16_At(bank2, 13 + 24), U16_At(bank2, U32_At(bank2, 13 + 7) + 3));
}

TEST(Gateway_Images, ProfinetSettingsAndRecord) {
  Config_Folder folder;
  Fill_From(folder, QStringLiteral("profinet"));
  folder.Write(QStringLiteral("M_Bus.xml"), Images_File(QStringLiteral("wireless/M_Bus.xml")));
  Compile_And_Save_Bank_Files(5, folder.Path());
  const QByteArray bank1 = folder.Bank1(), bank2 = folder.Bank2();
  ASSERT_EQ(bank1.size(), 3072);
  // No wired port: the wireless table at 13; the first meter's values from 7 (1 + 4 + 2 reserved).
  EXPECT_EQ(U32_At(bank2, 9), 13u);
  EXPECT_EQ(Hex_At(bank2, 13 + 14, 2), "00 00");
  EXPECT_EQ(Hex_At(bank2, 13 + 17, 2), "01 00");
  EXPECT_EQ(Hex_At(bank2, 13 + 24, 2), "05 00");
  const uint32_t first_variable = U32_At(bank2, 13 + 7);
  EXPECT_EQ(U16_At(bank2, first_variable + 3), 7u);
  EXPECT_EQ(Hex_At(bank2, U32_At(bank2, 5), 26),
            "C0 A8 01 14 FF FF FF 00 C0 A8 00 01 00 94 88 9F 05 04 01 64 00 00 00 00 00 FF");

  QByteArray gateway = Default_Gateway_Block();
  Put(gateway, 0x028, "C0 A8 01 14 FF FF FF 00 FF FF FF FF");
  Put(gateway, 0x036, "94 88 94 88");                                      // port 34964
  Put(gateway, 0x158, "67 61 74 65 77 61 79 2D 6E 6F 72 74 68 2D 31 00");  // "gateway-north-1", 0x167 stays 0
  Put(gateway, 0x168, "9F 05 00 00");
  Put(gateway, 0x1F8, "00 4B 00 00 C0 12 00 00");  // 19200, Meter_Baud 4: 4800
  Put(gateway, 0x20B, "02");
  Put(gateway, 0x210, "01");
  Put(gateway, 0x216, "08");
  Put(gateway, 0x234, "02");
  Put(gateway, 0x238, "01");  // wMBus_Mode missing: S
  Put(gateway, 0x246, "08");
  Put(gateway, 0x248, "03 05 05");
  Put_Block_Sum(gateway);
  EXPECT_EQ(Hex(bank1.left(2048)), Hex(gateway));
}

TEST(Gateway_Images, StationNameBeyondSixteenCharactersIsCut) {
  Config_Folder folder;
  folder.Write(QStringLiteral("ParGen.xml"), Par_Gen({{"Meter_Baud", "0"},
                                                      {"Meter_Par", "0"},
                                                      {"Meter_Req_Delay", "0"},
                                                      {"PROFINET_NAME_STA", "abcdefghijklmnopqrst"},
                                                      {"PROFINET_NB_OUT", "0"}}));
  Compile_And_Save_Bank_Files(5, folder.Path());
  const QByteArray bank1 = folder.Bank1();
  EXPECT_EQ(bank1.mid(0x158, 16), QByteArray("abcdefghijklmnop"));
  EXPECT_EQ(Hex_At(bank1, 0x168, 4), "00 00 00 00");
}

// Single-slave working mode: every node's data start at 4 and the nodes share
// the same addresses. Each image is walked through its documented offsets.
TEST(Gateway_Images, SingleSlaveNodesShareAddresses) {
  const QByteArray two_nodes =
      "<M-Bus_Network>"
      "<Nodo ID_Primary=\"1\"><Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"0\" Dim=\"2\" Scale=\"1\"/></Nodo>"
      "<Nodo ID_Primary=\"2\"><Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"0\" Dim=\"2\" Scale=\"1\"/></Nodo>"
      "</M-Bus_Network>";
  struct Row {
    int type;
    QString file;
    qsizetype node_table_field;  // where the image's head gives the node table
    int node_entry_size;
  };
  const Row rows[] = {
      {1, kBank, 0, 23}, {2, kBank, 2049, 23}, {2, kBank2, 1, 23}, {3, kBank2, 1, 23},
      {3, kBank, 0, 23}, {4, kBank2, 1, 26},   {5, kBank2, 1, 26},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.type) + " " + row.file.toStdString());
    Config_Folder folder;
    folder.Write(QStringLiteral("M_Bus.xml"), two_nodes);
    folder.Write(QStringLiteral("ParGen.xml"), Par_Gen({{"DN_ID", "1"},
                                                        {"DN_BAUD", "0"},
                                                        {"DN_NB_IN", "8"},
                                                        {"PROFI_ID", "1"},
                                                        {"PROFI_NB_IN", "8"},
                                                        {"PROFI_GSD", "0"},
                                                        {"Working_mode", "1"},
                                                        {"Sel_Dev_MBus_Present", "1"},
                                                        {"Meter_Baud", "0"},
                                                        {"Meter_Par", "0"},
                                                        {"Meter_Req_Delay", "0"}}));
    Compile_And_Save_Bank_Files(row.type, folder.Path());
    const QByteArray image = folder.Read(row.file);
    const uint32_t nodes = U32_At(image, row.node_table_field);
    for (int n = 0; n < 2; ++n) {
      const uint32_t variable = U32_At(image, nodes + n * row.node_entry_size + 7);
      EXPECT_EQ(U16_At(image, variable + 3), 4u) << "node " << n + 1;
      EXPECT_EQ(U16_At(image, variable + 6), 8u) << "node " << n + 1;
    }
  }
}

// The wireless address is most significant byte first in the node entry and
// little-endian in the key table; a key not enabled writes no key bytes.
TEST(Gateway_Images, WirelessMeterIdentity) {
  Config_Folder folder;
  Fill_From(folder, QStringLiteral("wireless"));
  Compile_And_Save_Bank_Files(4, folder.Path());
  const QByteArray bank1 = folder.Bank1(), bank2 = folder.Bank2();
  EXPECT_EQ(Hex_At(bank2, 39 + 1, 4), "00 00 01 02");
  EXPECT_EQ(Hex_At(bank1, 2048 + 2, 4), "02 01 00 00");
  EXPECT_EQ(Hex_At(bank1, 2048 + 32 + 8, 17), "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
}

struct Failure_Case {
  const char* name;
  int type;
  const char* fixture;
  const char* file;
  QByteArray text;
  const char* message;  // a part of the error text
};

QByteArray Wireless_Meters(int count) {
  QByteArray nodes = "<M-Bus_Network>";
  for (int i = 0; i < count; ++i)
    nodes += "<Nodo MBus_Type=\"0\" wMBus_Add=\"" + QByteArray::number(i + 1) +
             "\"><Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"0\" Dim=\"0\"/></Nodo>";
  return nodes + "</M-Bus_Network>";
}

QByteArray Repeat(const QByteArray& text, int count) {
  QByteArray all;
  for (int i = 0; i < count; ++i) all += text;
  return all;
}

std::vector<Failure_Case> Failure_Cases() {
  const QByteArray devicenet = Images_File(QStringLiteral("devicenet/ParGen.xml"));
  const QByteArray ethernetip = Images_File(QStringLiteral("ethernetip/pargen.xml"));
  const QByteArray profibus = Images_File(QStringLiteral("profibus/PARGEN.XML"));
  const QByteArray wireless = Images_File(QStringLiteral("wireless/ParGen.xml"));
  const QByteArray profinet = Images_File(QStringLiteral("profinet/ParGen.xml"));
  QByteArray bad_wired_variable = Images_File(QStringLiteral("wireless/M_Bus.xml"));
  bad_wired_variable.replace("Desc=\"Flow\" Type=\"4\"", "Desc=\"Flow\"");
  QByteArray profibus_only_node = Images_File(QStringLiteral("profibus/M_Bus.xml"));
  profibus_only_node.replace("Desc=\"Energy\" Type=\"0\" Fun_Field=\"0\" Dim=\"2\"", "Desc=\"Energy\" Type=\"0\"");
  const QByteArray node_head = "<Nodo ID_Primary=\"1\">";
  const QByteArray byte_variable = "<Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"0\" Dim=\"0\"/>";
  return {
      {"DN_ID missing", 1, "devicenet", "ParGen.xml", With_Element(devicenet, "DN_ID", nullptr),
       "ParGen.xml: the value \"DN_ID\" is missing"},
      {"DN_NB_IN not a number", 1, "devicenet", "ParGen.xml", With_Element(devicenet, "DN_NB_IN", "many"),
       "ParGen.xml: the value \"DN_NB_IN\" is not a number (\"many\")"},
      {"Meter_Baud not a number", 2, "ethernetip", "pargen.xml", With_Element(ethernetip, "Meter_Baud", "abc"),
       "\"Meter_Baud\" is not a number (\"abc\")"},
      {"PROFI_GSD read strictly by the PROFIBUS image", 3, "profibus", "PARGEN.XML",
       With_Element(profibus, "PROFI_GSD", "yes"), "\"PROFI_GSD\" is not a number (\"yes\")"},
      {"Meter_Req_Delay missing", 3, "profibus", "PARGEN.XML", With_Element(profibus, "Meter_Req_Delay", nullptr),
       "\"Meter_Req_Delay\" is missing"},
      {"Fun_Field missing in a node only the PROFIBUS image takes", 3, "profibus", "M_Bus.xml", profibus_only_node,
       "M_Bus.xml, node 1, variable 1: the value \"Fun_Field\" is missing"},
      {"Type missing in a wired node", 4, "wireless", "M_Bus.xml", bad_wired_variable,
       "M_Bus.xml, node 2, variable 1: the value \"Type\" is missing"},
      {"Meter_Par missing", 5, "profinet", "ParGen.xml", With_Element(profinet, "Meter_Par", nullptr),
       "\"Meter_Par\" is missing"},
      {"33 wireless meters", 4, "wireless", "M_Bus.xml", Wireless_Meters(33),
       "M_Bus.xml, node 33: more than 32 wireless meters with enabled variables"},
      {"more than 255 nodes", 2, "ethernetip", "M_Bus.xml",
       "<M-Bus_Network>" + Repeat(node_head + byte_variable + "</Nodo>", 256) + "</M-Bus_Network>",
       "more than 255 nodes"},
      {"addresses beyond 65535", 1, "devicenet", "M_Bus.xml",
       "<M-Bus_Network>" + node_head +
           Repeat("<Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"0\" Dim=\"7\" Length=\"255\"/>", 258) +
           "</Nodo></M-Bus_Network>",
       "M_Bus.xml, node 1, variable 258: the process image would need more than 65536 bytes"},
      {"image beyond its buffer", 3, "profibus", "M_Bus.xml",
       "<M-Bus_Network>" + node_head + Repeat(byte_variable, 7700) + "</Nodo></M-Bus_Network>",
       "would need 200254 bytes; the device takes at most 200000"},
      {"VIF text too long", 4, "wireless", "M_Bus.xml",
       "<M-Bus_Network>" + node_head + "<Variabile Enable=\"1\" Type=\"21\" Fun_Field=\"0\" Dim=\"0\" VIF_ASCII=\"" +
           QByteArray(256, 'v') + "\"/></Nodo></M-Bus_Network>",
       "the VIF text is longer than 255 characters"},
  };
}

// A failed compile saves nothing: the images of the last good compile stay byte for byte.
TEST(Gateway_Images, FailedCompileNamesTheCauseAndKeepsTheSavedImages) {
  for (const Failure_Case& row : Failure_Cases()) {
    SCOPED_TRACE(row.name);
    Config_Folder folder;
    Fill_From(folder, QString::fromLatin1(row.fixture));
    Compile_And_Save_Bank_Files(row.type, folder.Path());
    const QStringList names = Bin_Files(folder);
    std::vector<QByteArray> before;
    for (const QString& name : names) before.push_back(folder.Read(QStringLiteral("bin/") + name));

    folder.Write(QString::fromLatin1(row.file), row.text);
    try {
      Compile_And_Save_Bank_Files(row.type, folder.Path());
      ADD_FAILURE() << "the compile did not stop";
    } catch (const Compile_Error& e) {
      EXPECT_NE(std::string(e.what()).find(row.message), std::string::npos) << e.what();
    }
    ASSERT_EQ(Bin_Files(folder), names);
    for (int i = 0; i < names.size(); ++i)
      EXPECT_TRUE(folder.Read(QStringLiteral("bin/") + names[i]) == before[i]) << names[i].toStdString();
  }
}

TEST(Gateway_Images, ThirtyTwoWirelessMetersFillTheKeyTable) {
  Config_Folder folder;
  folder.Write(QStringLiteral("M_Bus.xml"), Wireless_Meters(32));
  Compile_And_Save_Bank_Files(5, folder.Path());
  const QByteArray bank1 = folder.Bank1();
  ASSERT_EQ(bank1.size(), 3072);
  EXPECT_EQ(U8_At(bank1, 0x234), 32u);
  EXPECT_EQ(U32_At(bank1, 2048 + 31 * 32 + 2), 32u);  // the last entry holds the last meter
}

}  // namespace
