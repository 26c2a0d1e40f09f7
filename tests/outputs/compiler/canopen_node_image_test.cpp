#include "outputs/compiler/canopen_node_image.h"

#include <gtest/gtest.h>

#include "outputs/compiler/canopen_compiler.h"
#include "outputs/compiler/compiler_fixture.h"
#include "outputs/compiler/image_compiler.h"

namespace {

// Whole images against expected files made by hand from the format: the
// network fixture holds nodes with and without options, a disabled node, a
// node unchecked by a scan, a secondary address, time points, forced integers,
// a VIF text and variable-length values; its file names differ in case from
// the usual ones.
TEST(CANopen_Node_Image, WholeImagesByteForByte) {
  for (const char* fixture : {"worked_example", "network"}) {
    SCOPED_TRACE(fixture);
    Config_Folder folder(QString::fromLatin1(fixture));
    Compile_And_Save_Bank_Files(6, folder.Path());
    const QByteArray expected = Expected_File(QString::fromLatin1(fixture) + QStringLiteral("/expected_bank2.bin"));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(Hex_At(folder.Bank2(), 0, folder.Bank2().size()), Hex_At(expected, 0, expected.size()));
  }
}

TEST(CANopen_Node_Image, NodeIdentifier) {
  struct Row {
    const char* attributes;
    const char* id;
  };
  const Row rows[] = {
      {"Node_ID_Type=\"1\" ID_Secondary=\"12345678\"", "00 BC 61 4E"},
      {"ID=\"7\" Node_ID_Type=\"1\" ID_Secondary=\"99\"", "00 00 00 07"},
      {"ID=\"abc\" ID_Primary=\"5\"", "00 00 00 05"},
      {"Node_ID_Type=\"1\"", "00 00 00 01"},
      {"ID=\"4294967298\"", "00 00 00 02"},
      {"ID_Primary=\"0x10\" ID_Secondary=\"3\"", "00 00 00 10"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.attributes);
    Config_Folder folder;
    folder.Write(QStringLiteral("M_Bus.xml"), QByteArray("<M-Bus_Network><Nodo ") + row.attributes +
                                                  "><Variabile Enable=\"1\" Type=\"0\" Fun_Field=\"0\" Dim=\"0\"/>"
                                                  "</Nodo></M-Bus_Network>");
    Compile_And_Save_Bank_Files(6, folder.Path());
    EXPECT_EQ(Hex_At(folder.Bank2(), 14, 4), row.id);
  }
}

TEST(CANopen_Node_Image, ProcessImageAddresses) {
  Config_Folder folder(QStringLiteral("network"));
  Bank_Buffers buffers;
  CANopen_Compiler compiler;
  compiler.Compile_CANopen(folder.Path(), buffers);
  const std::vector<TBank_Nodo>& nodes = compiler.Node_Image().Bank_Nodi();
  const std::vector<TAdd_Nodo>& adds = compiler.Node_Image().Bank_Add_Nodi();
  ASSERT_EQ(nodes.size(), 3u);
  ASSERT_EQ(adds.size(), 3u);
  // Node 1: a 32-bit value with scale, then an 8-bit value.
  EXPECT_EQ(nodes[0].Vars[0].Value_Address, 0u);
  EXPECT_EQ(nodes[0].Vars[0].Scale_Address, 4u);
  EXPECT_EQ(nodes[0].Vars[1].Value_Address, 5u);
  EXPECT_EQ(nodes[0].Vars[1].Scale_Address, 6u);
  // Node 2: node state and identification number first.
  EXPECT_EQ(adds[1].Add_NS, 6u);
  EXPECT_EQ(adds[1].Add_IN, 7u);
  EXPECT_EQ(adds[1].Add_Start_Var, 11u);
  const uint32_t sizes[] = {6, 4, 10, 4};  // time point, forced integer, variable length 10, Dim 2 with Length ignored
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(nodes[1].Vars[i].Value_Size, sizes[i]) << "variable " << i;
  // The all-disabled node and the scan-unchecked node take no addresses.
  EXPECT_EQ(adds[2].Add_NS, 36u);
}

}  // namespace
