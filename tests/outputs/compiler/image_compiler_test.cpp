#include "outputs/compiler/image_compiler.h"

#include <gtest/gtest.h>

#include <QDir>

#include "outputs/compiler/compile_error.h"
#include "outputs/compiler/compiler_fixture.h"
#include "platform/atomic_file.h"

namespace {

// bank1.bin of a folder without configuration files, put together from the
// documented defaults: the record (sum 5054) and 1792 cleared table entries.
QByteArray Expected_Empty_Bank1() {
  QByteArray record(2048, '\0');
  auto put = [&](int offset, const char* hex) {
    const QByteArray bytes = From_Hex(hex);
    record.replace(offset, bytes.size(), bytes);
  };
  put(0x000, "90 D0 03 00 90 D0 03 00 80 25 00 00");  // CAN 250000 twice, 9600
  put(0x028, "C0 A8 00 05 FF FF FF 00 FF FF FF FF 10 27");
  put(0x03B, "01 80 25 00 00");
  put(0x048, "C0 A8 00 0A");
  put(0x1D8, "00 88 06 00 00 C8 06 00 00 08 07 00 00 28 07 00 00 48 07 00 00 58 07 00");
  put(0x1F8, "00 4B 00 00");
  put(0x20E, "01 00 01 01 00 00 08 00 08 08");
  put(0x23A, "BF");
  put(0x248, "03 05 05 00 00 00 01");
  put(0x254, "00 88 06 00 C0 D4 01 00");
  put(0x7FC, "BE 13 00 00");
  const QByteArray cleared =
      From_Hex("00000000 0000 00 00 00000000 FFFF FFFF FFFF FFFF FFFF FFFF FFFF FFFF 00 00 0000");
  QByteArray image = record;
  for (int i = 0; i < 1792; ++i) image += cleared;
  return image;
}

TEST(Image_Compiler, EmptyFolderGivesDefaultImagesAndLeavesBankBinAlone) {
  Config_Folder folder;
  folder.Write(QStringLiteral("bin/bank.bin"), "older image");

  Compile_And_Save_Bank_Files(6, folder.Path());

  const QByteArray bank1 = folder.Bank1();
  ASSERT_EQ(bank1.size(), 59392);
  EXPECT_EQ(Hex_At(bank1, 0x7FC, 4), "BE 13 00 00");
  EXPECT_TRUE(bank1 == Expected_Empty_Bank1());
  EXPECT_EQ(Hex_At(folder.Bank2(), 0, folder.Bank2().size()), "80 0D 00 00 00 0D 00 00 00 00 00 00 00");
  EXPECT_EQ(folder.Read(QStringLiteral("bin/bank.bin")), QByteArray("older image"));
}

TEST(Image_Compiler, CompilingTwiceGivesIdenticalFiles) {
  Config_Folder folder(QStringLiteral("network"));
  for (const char* name : {"SDO_Server_CANopen.xml", "SDO_Client_CANopen.xml", "PDO_CANopen.xml"})
    folder.Write(QString::fromLatin1(name), Expected_File(QStringLiteral("sdo_pdo/") + QString::fromLatin1(name)));
  Compile_And_Save_Bank_Files(6, folder.Path());
  const QByteArray bank1 = folder.Bank1(), bank2 = folder.Bank2();
  Compile_And_Save_Bank_Files(6, folder.Path());
  EXPECT_TRUE(folder.Bank1() == bank1);
  EXPECT_TRUE(folder.Bank2() == bank2);
}

QByteArray Rows(const char* row, int count) {
  QByteArray rows;
  for (int i = 0; i < count; ++i) rows += row;
  return rows;
}

QByteArray One_Node(const QByteArray& variables) {
  return "<M-Bus_Network><Nodo Enable_Node=\"1\" ID_Primary=\"1\" Descrizione=\"n\">" + variables +
         "</Nodo></M-Bus_Network>";
}

struct Failure_Case {
  const char* name;
  const char* file;
  QByteArray text;
  const char* message;  // a part of the error text
};

std::vector<Failure_Case> Failure_Cases() {
  const QByteArray par_gen = Expected_File(QStringLiteral("pargen_can/ParGen.xml"));
  QByteArray baud_abc = par_gen, no_ip3 = par_gen;
  baud_abc.replace("<Meter_Baud>5</Meter_Baud>", "<Meter_Baud>abc</Meter_Baud>");
  no_ip3.replace("<Eth_IP3>0</Eth_IP3>", "");
  const QByteArray many_vars_255 =
      Rows("<Variabile Enable=\"1\" Desc=\"v\" Type=\"0\" Fun_Field=\"0\" Dim=\"7\" Length=\"255\"/>", 258);
  QByteArray many_nodes = "<M-Bus_Network>";
  for (int i = 0; i < 256; ++i)
    many_nodes += "<Nodo ID_Primary=\"1\"><Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"0\" Dim=\"0\"/></Nodo>";
  many_nodes += "</M-Bus_Network>";
  const QByteArray server_head = "<DeviceNet_Master_to_SDO_CANopen><SDO_Read>";
  const QByteArray server_tail = "</SDO_Read><SDO_Write/></DeviceNet_Master_to_SDO_CANopen>";
  const char* server_row = "<row Index=\"0x2000\" SubIndex=\"1\" NByte=\"1\" Address_B1=\"1\"/>";
  const char* pdo_row = "<row COB-ID=\"0x181\" Dimension=\"1\" Address_B1=\"1\" Send_Time=\"0\" On_Change=\"N\"/>";
  return {
      {"meter baud not a number", "ParGen.xml", baud_abc,
       "ParGen.xml: the value \"Meter_Baud\" is not a number (\"abc\")"},
      {"ethernet octet missing", "ParGen.xml", no_ip3, "ParGen.xml: the value \"Eth_IP3\" is missing"},
      {"par gen not well formed", "ParGen.xml", "<Par_Gen><Eth_IP1>1</Par_Gen>", "ParGen.xml cannot be read"},
      {"par gen root is a comment", "ParGen.xml", "<!--x--><Par_Gen/>", "\"Eth_IP1\" is missing"},
      {"server list missing", "SDO_Server_CANopen.xml",
       "<DeviceNet_Master_to_SDO_CANopen><SDO_Write/></DeviceNet_Master_to_SDO_CANopen>",
       "SDO_Server_CANopen.xml: the list \"SDO_Read\" is missing"},
      {"server index missing", "SDO_Server_CANopen.xml",
       server_head + "<row SubIndex=\"1\" NByte=\"1\" Address_B1=\"1\"/>" + server_tail,
       "SDO_Server_CANopen.xml, SDO_Read row 1: the value \"Index\" is missing"},
      {"server fourth address empty", "SDO_Server_CANopen.xml",
       server_head + server_row +
           "<row Index=\"1\" SubIndex=\"1\" NByte=\"4\" Address_B1=\"1\" Address_B2=\"2\" Address_B3=\"3\" "
           "Address_B4=\"\"/>" +
           server_tail,
       "SDO_Read row 2: the value \"Address_B4\" is not a number"},
      {"server rows beyond the table", "SDO_Server_CANopen.xml", server_head + Rows(server_row, 513) + server_tail,
       "holds 513 rows; the device takes at most 512"},
      {"client poll time with a blank", "SDO_Client_CANopen.xml",
       "<r><SDO_Read/><SDO_Write><row Device_ID=\"1\" Index=\"1\" SubIndex=\"1\" Poll_Time=\"1 000\" NByte=\"1\" "
       "Address_B1=\"1\"/></SDO_Write></r>",
       "SDO_Write row 1: the value \"Poll_Time\" is not a number (\"1 000\")"},
      {"pdo second address empty", "PDO_CANopen.xml",
       "<r><Receive_PDO/><Transmit_PDO><row COB-ID=\"1\" Dimension=\"2\" Send_Time=\"0\" Address_B1=\"1\" "
       "Address_B2=\"\"/></Transmit_PDO></r>",
       "Transmit_PDO row 1: the value \"Address_B2\" is not a number"},
      {"pdo rows beyond the table", "PDO_CANopen.xml",
       "<r><Receive_PDO/><Transmit_PDO>" + Rows(pdo_row, 129) + "</Transmit_PDO></r>",
       "holds 129 rows; the device takes at most 128"},
      {"variable dim missing", "M_Bus.xml", One_Node("<Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"0\"/>"),
       "M_Bus.xml, node 1, variable 1: the value \"Dim\" is missing"},
      {"variable type not a number", "M_Bus.xml",
       One_Node("<Variabile Enable=\"0\" Dim=\"x\"/><Variabile Enable=\"1\" Type=\"abc\" Fun_Field=\"0\" Dim=\"0\"/>"),
       "M_Bus.xml, node 1, variable 2: the value \"Type\" is not a number (\"abc\")"},
      {"more than 255 nodes", "M_Bus.xml", many_nodes, "more than 255 nodes"},
      // Messages count nodes and variables as they stand in the file, compiled or not.
      {"addresses beyond 65535", "M_Bus.xml",
       "<M-Bus_Network><Nodo><Variabile Enable=\"0\"/></Nodo><Nodo><Variabile Enable=\"0\"/>" + many_vars_255 +
           "</Nodo></M-Bus_Network>",
       "M_Bus.xml, node 2, variable 259: the process image would need more than 65536 bytes"},
      {"node image beyond its buffer", "M_Bus.xml",
       One_Node(Rows("<Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"0\" Dim=\"0\"/>", 7700)),
       "The node image (bank2.bin) would need 200268 bytes; the device takes at most 200000"},
      {"vif text too long", "M_Bus.xml",
       One_Node("<Variabile Enable=\"1\" Type=\"21\" Fun_Field=\"0\" Dim=\"0\" VIF_ASCII=\"" + QByteArray(256, 'a') +
                "\"/>"),
       "the VIF text is longer than 255 characters"},
  };
}

// A failed compile saves nothing: the images of the last good compile stay byte for byte.
TEST(Image_Compiler, FailedCompileNamesTheCauseAndKeepsTheSavedImages) {
  for (const Failure_Case& row : Failure_Cases()) {
    SCOPED_TRACE(row.name);
    Config_Folder folder(QStringLiteral("pargen_can"));
    Compile_And_Save_Bank_Files(6, folder.Path());
    const QByteArray bank1 = folder.Bank1(), bank2 = folder.Bank2();

    folder.Write(QString::fromLatin1(row.file), row.text);
    try {
      Compile_And_Save_Bank_Files(6, folder.Path());
      ADD_FAILURE() << "the compile did not stop";
    } catch (const Compile_Error& e) {
      EXPECT_NE(std::string(e.what()).find(row.message), std::string::npos) << e.what();
    }
    EXPECT_TRUE(folder.Bank1() == bank1);
    EXPECT_TRUE(folder.Bank2() == bank2);
  }
}

// A hand-edited ParGen.xml with a declaration, a comment and an instruction
// before the root compiles as the same file without them.
TEST(Image_Compiler, CommentBeforeTheParGenRootReadsTheValues) {
  Config_Folder folder(QStringLiteral("pargen_can"));
  Compile_And_Save_Bank_Files(6, folder.Path());
  const QByteArray bank1 = folder.Bank1();
  folder.Write(QStringLiteral("ParGen.xml"), "<?xml version=\"1.0\"?>\n<!-- edited by hand -->\n<?note x?>\n" +
                                                 folder.Read(QStringLiteral("ParGen.xml")));
  Compile_And_Save_Bank_Files(6, folder.Path());
  EXPECT_TRUE(folder.Bank1() == bank1);
}

TEST(Image_Compiler, UnreadableVariableOfAScanUncheckedNodeDoesNotStopTheCompile) {
  Config_Folder folder;
  folder.Write(QStringLiteral("M_Bus.xml"),
               "<M-Bus_Network><Nodo Node_Enable=\"0\"><Variabile Enable=\"1\" Type=\"abc\"/></Nodo></M-Bus_Network>");
  Compile_And_Save_Bank_Files(6, folder.Path());
  EXPECT_EQ(folder.Bank2().size(), 13);
}

TEST(Image_Compiler, MissingBinFolderIsReportedAndNothingIsWritten) {
  Config_Folder folder;
  QDir(folder.Path()).rmdir(QStringLiteral("bin"));
  try {
    Compile_And_Save_Bank_Files(6, folder.Path());
    ADD_FAILURE() << "the save did not fail";
  } catch (const File_Write_Error& e) {
    EXPECT_NE(std::string(e.what()).find("bank1.bin"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(folder.Exists(QStringLiteral("bin")));
}

// When the second file cannot be written, the first goes back to what it was,
// so the device never gets a new bank1.bin with an old bank2.bin.
TEST(Image_Compiler, FailedSecondFilePutsTheFirstBack) {
  for (bool first_existed : {true, false}) {
    SCOPED_TRACE(first_existed ? "bank1.bin existed" : "no bank1.bin before");
    Config_Folder folder;
    if (first_existed) folder.Write(QStringLiteral("bin/bank1.bin"), "old bank1");
    QDir(folder.Path()).mkpath(QStringLiteral("bin/bank2.bin"));  // a folder cannot be replaced by a file
    try {
      Compile_And_Save_Bank_Files(6, folder.Path());
      ADD_FAILURE() << "the save did not fail";
    } catch (const File_Write_Error& e) {
      EXPECT_NE(std::string(e.what()).find("bank2.bin"), std::string::npos) << e.what();
    }
    if (first_existed)
      EXPECT_EQ(folder.Bank1(), QByteArray("old bank1"));
    else
      EXPECT_FALSE(folder.Exists(QStringLiteral("bin/bank1.bin")));
  }
}

TEST(Image_Compiler, FilesWrittenPerDeviceType) {
  struct Row {
    int type;
    std::vector<std::pair<QString, Bank_Buffer Bank_Buffers::*>> files;
  };
  const Row rows[] = {
      {0, {}},
      {1, {{"bank.bin", &Bank_Buffers::Bank_Buffer_A}}},
      {2,
       {{"bank.bin", &Bank_Buffers::Bank_Buffer_A},
        {"bank1.bin", &Bank_Buffers::Bank_Buffer_B},
        {"bank2.bin", &Bank_Buffers::Bank_Buffer_C}}},
      {3,
       {{"bank.bin", &Bank_Buffers::Bank_Buffer_A},
        {"bank1.bin", &Bank_Buffers::Bank_Buffer_B},
        {"bank2.bin", &Bank_Buffers::Bank_Buffer_C}}},
      {4, {{"bank1.bin", &Bank_Buffers::Bank_Buffer_C}, {"bank2.bin", &Bank_Buffers::Bank_Buffer_A}}},
      {5, {{"bank1.bin", &Bank_Buffers::Bank_Buffer_C}, {"bank2.bin", &Bank_Buffers::Bank_Buffer_A}}},
      {6, {{"bank1.bin", &Bank_Buffers::Bank_Buffer_C}, {"bank2.bin", &Bank_Buffers::Bank_Buffer_A}}},
      {7, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.type);
    const std::vector<Bank_File> files = Bank_Files(row.type);
    ASSERT_EQ(files.size(), row.files.size());
    for (size_t i = 0; i < files.size(); ++i) {
      EXPECT_EQ(files[i].name, row.files[i].first);
      EXPECT_TRUE(files[i].buffer == row.files[i].second);
    }
  }
}

TEST(Image_Compiler, UnknownDeviceTypesSaveNothing) {
  Config_Folder folder;
  for (int type : {0, 7}) {
    SCOPED_TRACE(type);
    Compile_And_Save_Bank_Files(type, folder.Path());
    EXPECT_TRUE(QDir(folder.Path() + QStringLiteral("/bin")).isEmpty());
  }
}

}  // namespace
