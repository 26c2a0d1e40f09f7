#include "outputs/compiler/canopen_param_record.h"

#include <gtest/gtest.h>

#include <optional>

#include "outputs/compiler/compiler_fixture.h"
#include "outputs/compiler/image_compiler.h"

namespace {

uint32_t Record_Sum(const QByteArray& bank1) {
  uint32_t sum = 0;
  for (int i = 0; i < 0x7FC; ++i) sum += static_cast<uint8_t>(bank1[i]);
  return sum;
}

struct Field {
  int offset;
  const char* hex;
};

struct Fixture_Case {
  const char* fixture;
  std::vector<Field> fields;
  qsizetype bank2_size;
};

TEST(CANopen_Param_Record, FieldsFromParGen) {
  const Fixture_Case cases[] = {
      {"pargen_minimal",
       {{0x000, "40 42 0F 00 40 42 0F 00"},  // CAN_BAUD absent: 1000000
        {0x028, "C0 A8 00 05 FF FF FF 00"},
        {0x030, "FF FF FF FF"},  // Eth_EN_GAT 0 hides 0.0.0.0
        {0x036, "11 27 11 27"},
        {0x194, "01 00 00 00"},
        {0x198, "00 00 00 00"},
        {0x19C, "10 27 00 00"},
        {0x1A0, "10 27 00 00"},
        {0x1FC, "60 09 00 00"},
        {0x20B, "00"},
        {0x211, "00"},
        {0x217, "08"},
        {0x7FC, "61 13 00 00"}},  // 4961
       39},
      {"pargen_can",
       {{0x000, "48 E8 01 00 48 E8 01 00"},
        {0x028, "0A 00 00 07 FF FF 00 00 0A 00 00 01"},
        {0x036, "11 27 11 27"},
        {0x194, "05 00 00 00"},
        {0x198, "01 00 00 00"},
        {0x19C, "D0 07 00 00"},
        {0x1A0, "F4 01 00 00"},
        {0x1FC, "80 25 00 00"},
        {0x20B, "02"},
        {0x211, "00"},
        {0x7FC, "F6 0F 00 00"}},  // 4086
       39},
  };
  for (const Fixture_Case& row : cases) {
    SCOPED_TRACE(row.fixture);
    Config_Folder folder(QString::fromLatin1(row.fixture));
    Compile_And_Save_Bank_Files(6, folder.Path());
    const QByteArray bank1 = folder.Bank1();
    for (const Field& field : row.fields) {
      const qsizetype size = From_Hex(field.hex).size();
      EXPECT_EQ(Hex_At(bank1, field.offset, size), Hex_At(From_Hex(field.hex), 0, size)) << "offset " << field.offset;
    }
    EXPECT_EQ(folder.Bank2().size(), row.bank2_size);
  }
}

// One element of a valid ParGen.xml changed (or removed with nullopt) at a time.
struct Element_Case {
  const char* element;
  std::optional<const char*> text;
  Field field;
};

TEST(CANopen_Param_Record, ElementConversionsAndFallbacks) {
  const Element_Case cases[] = {
      {"CAN_BAUD", "7", {0x000, "00 35 0C 00 00 35 0C 00"}},
      {"CAN_BAUD", "9", {0x000, "40 42 0F 00 40 42 0F 00"}},
      {"CAN_BAUD", "abc", {0x000, "40 42 0F 00 40 42 0F 00"}},
      {"CAN_BAUD", "0", {0x000, "10 27 00 00 10 27 00 00"}},
      {"Meter_Baud", "9", {0x1FC, "60 09 00 00"}},
      {"Meter_Baud", "7", {0x1FC, "00 96 00 00"}},
      {"Meter_Baud", "0x0", {0x1FC, "2C 01 00 00"}},
      {"Meter_Par", "2", {0x20B, "01"}},
      {"Meter_Par", "0", {0x20B, "00"}},
      {"Meter_Par", "258", {0x20B, "01"}},
      {"Meter_Par", "7", {0x20B, "07"}},
      {"CAN_SET_OPE", "01", {0x198, "00 00 00 00"}},
      {"CAN_NET_OPE", "1", {0x198, "03 00 00 00"}},
      {"CAN_DELAY", "5", {0x19C, "88 13 00 00"}},
      {"CAN_DELAY", std::nullopt, {0x19C, "10 27 00 00"}},
      {"CAN_ID_DEV", std::nullopt, {0x194, "01 00 00 00"}},
      {"CAN_ID_DEV", "$7F", {0x194, "7F 00 00 00"}},
      {"CAN_SDO_TIMEOUT", "100000000", {0x1A0, "00 E1 F5 05"}},
      {"CAN_SDO_TIMEOUT", "", {0x1A0, "10 27 00 00"}},
      {"Eth_EN_GAT", "0", {0x030, "FF FF FF FF"}},
      {"Eth_EN_GAT", "2", {0x030, "FF FF FF FF"}},
      {"Eth_IP4", "256", {0x028, "0A 00 00 00"}},
      {"Eth_IP1", "0xC0", {0x028, "C0 00 00 07"}},
  };
  const QByteArray base = Expected_File(QStringLiteral("pargen_can/ParGen.xml"));
  for (const Element_Case& row : cases) {
    SCOPED_TRACE(std::string(row.element) + " = " + (row.text ? *row.text : "(absent)"));
    const QByteArray name(row.element);
    QByteArray text = base;
    const qsizetype start = text.indexOf("<" + name + ">");
    const qsizetype end = text.indexOf("</" + name + ">") + name.size() + 3;
    ASSERT_GE(start, 0);
    text.replace(start, end - start, row.text ? "<" + name + ">" + *row.text + "</" + name + ">" : QByteArray());

    Config_Folder folder;
    folder.Write(QStringLiteral("ParGen.xml"), text);
    Compile_And_Save_Bank_Files(6, folder.Path());
    const QByteArray bank1 = folder.Bank1();
    const QByteArray expected = From_Hex(row.field.hex);
    EXPECT_EQ(Hex_At(bank1, row.field.offset, expected.size()), Hex_At(expected, 0, expected.size()));
    EXPECT_EQ(U32_At(bank1, 0x7FC), Record_Sum(bank1));
  }
}

TEST(CANopen_Param_Record, WirelessNodeCount) {
  struct Row {
    const char* fixture;
    uint32_t count;
  };
  // The network holds one node marked wireless and one wireless node unchecked in a scan.
  for (const Row& row : {Row{"network", 1}, Row{"worked_example", 0}, Row{"pargen_minimal", 0}}) {
    SCOPED_TRACE(row.fixture);
    Config_Folder folder(QString::fromLatin1(row.fixture));
    Compile_And_Save_Bank_Files(6, folder.Path());
    EXPECT_EQ(U8_At(folder.Bank1(), 0x234), row.count);
  }
}

TEST(CANopen_Param_Record, ByteSumCoversEveryByteButItself) {
  CANopen_Param_Record record;
  record.Set_Pass_Fixed_Values();
  const uint32_t before = record.Byte_Sum();
  record.Set_U8(0x7FB, 0x10);
  record.Set_U8(0x7FC, 0xEE);  // the sum's own bytes do not count
  EXPECT_EQ(record.Byte_Sum(), before + 0x10);
  Bank_Buffer buffer(QStringLiteral("test"), 2048);
  record.Write_CANopen_Parameters(buffer);
  EXPECT_EQ(U32_At(buffer.Bytes(), 0x7FC), before + 0x10);
  EXPECT_EQ(buffer.Used(), 2048);
}

}  // namespace
