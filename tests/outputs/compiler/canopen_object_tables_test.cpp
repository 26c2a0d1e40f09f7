#include "outputs/compiler/canopen_object_tables.h"

#include <gtest/gtest.h>

#include "outputs/compiler/compiler_fixture.h"
#include "outputs/compiler/image_compiler.h"

namespace {

const char* const kCleared =
    "00 00 00 00 00 00 00 00 00 00 00 00 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 00 00 00 00";

std::string Entry_Hex(const char* spaced) { return Hex_At(From_Hex(spaced), 0, 32); }

TEST(CANopen_Object_Tables, EntriesFromTheThreeFiles) {
  Config_Folder folder(QStringLiteral("sdo_pdo"));
  Compile_And_Save_Bank_Files(6, folder.Path());
  const QByteArray bank1 = folder.Bank1();
  ASSERT_EQ(bank1.size(), 59392);

  struct Row {
    int offset;
    const char* entry;
  };
  const Row rows[] = {
      // SDO server reads: B1.. in the last four address fields, first four 0, no mode even with On_Change "Y".
      {0x0800, "00000000 0020 01 00 00000000 0000 0000 0000 0000 0A00 0B00 0000 0000 02 00 0000"},
      {0x0820, "00000000 0120 00 00 00000000 0000 0000 0000 0000 1400 1500 1600 1700 04 00 0000"},
      {0x0840, kCleared},
      // SDO client writes: device, poll time, mode 3 only for "Y".
      {0xA800, "00000000 0062 02 03 70110100 0000 0000 0000 0000 0500 0000 0000 0000 01 03 0000"},
      {0xA820, "00000000 0162 01 04 00000000 0000 0000 0000 0000 0600 0700 0000 0000 02 01 0000"},
      {0xA840, kCleared},
      // Transmit PDOs: addresses up to the dimension; "y" is not "Y".
      {0xD800, "81010000 0000 00 00 64000000 0100 0200 0300 0000 0000 0000 0000 0000 03 01 0000"},
      {0xD820, "82010000 0000 00 00 00000000 0A00 0B00 0C00 0D00 0E00 0F00 1000 1100 08 03 0000"},
      {0xD840, kCleared},
  };
  for (const Row& row : rows)
    EXPECT_EQ(Hex_At(bank1, row.offset, 32), Entry_Hex(row.entry)) << "entry at " << row.offset;

  EXPECT_EQ(Hex_At(bank1, 0x1A4, 24), Hex_At(From_Hex("02000000 00000000 00000000 02000000 00000000 02000000"), 0, 24))
      << "table counts";
}

// The lists the gateway is not given (SDO_Write of the server file, SDO_Read of
// the client file, Receive_PDO) never reach the image: tables 1, 2 and 4 stay cleared.
TEST(CANopen_Object_Tables, UncompiledListsLeaveTheirTablesCleared) {
  Config_Folder folder(QStringLiteral("sdo_pdo"));
  Compile_And_Save_Bank_Files(6, folder.Path());
  const QByteArray bank1 = folder.Bank1();
  const std::string cleared = Entry_Hex(kCleared);
  struct Range {
    int table;
    int first, last;
  };
  for (const Range& range : {Range{1, 0x4800, 0x8800}, Range{2, 0x8800, 0xA800}, Range{4, 0xC800, 0xD800}}) {
    int bad = 0;
    for (int offset = range.first; offset < range.last; offset += 32) bad += Hex_At(bank1, offset, 32) != cleared;
    EXPECT_EQ(bad, 0) << "table " << range.table;
  }
}

TEST(CANopen_Object_Tables, LoadAddressesFollowTheFileLayout) {
  const uint32_t expected[] = {0x68800, 0x6C800, 0x70800, 0x72800, 0x74800, 0x75800};
  const int capacities[] = {512, 512, 256, 256, 128, 128};
  for (int table = 0; table < 6; ++table) {
    EXPECT_EQ(CANopen_Object_Tables::Load_Address(table), expected[table]);
    EXPECT_EQ(CANopen_Object_Tables::Capacity(table), capacities[table]);
  }
  EXPECT_EQ(CANopen_Object_Tables::Load_Address(5) + 128 * 32, 0x68000u + 59392u);
}

}  // namespace
