#include "outputs/compiler/gateway_param_record.h"

#include <gtest/gtest.h>

#include "outputs/compiler/compiler_fixture.h"

namespace {

TEST(Gateway_Param_Record, ListPositionsToDeviceCodes) {
  const std::pair<uint8_t, uint8_t> parity[] = {{0, 0}, {1, 2}, {2, 3}, {7, 8}, {255, 0}};
  for (const auto& [position, code] : parity) EXPECT_EQ(Gateway_Parity_Code(position), code) << int{position};
  const std::pair<int32_t, uint8_t> modes[] = {{0, 1}, {1, 5}, {2, 15}, {3, 17}, {4, 11}, {5, 1}, {-1, 1}};
  for (const auto& [position, code] : modes) EXPECT_EQ(wMBus_Mode_Code(position), code) << position;
}

// The block sum covers the 2044 bytes before it and nothing else; a byte
// changed by d changes the sum by d.
TEST(Gateway_Param_Record, BlockSumFollowsEveryByte) {
  Gateway_Param_Record record;
  Bank_Buffer before(QStringLiteral("block"), 4096);
  record.Write_Gateway_Parameters(before);
  ASSERT_EQ(before.Used(), 2048);
  EXPECT_EQ(U32_At(before.Bytes(), 2044), 4500u - 128u + 192u);  // the format byte still at its default 192

  for (int offset : {0x000, 0x3B, 0x234, 0x7FB}) {
    SCOPED_TRACE(offset);
    Gateway_Param_Record changed = record;
    changed.Set_U8(offset, record.U8(offset) + 7u);
    Bank_Buffer after(QStringLiteral("block"), 4096);
    changed.Write_Gateway_Parameters(after);
    EXPECT_EQ(U32_At(after.Bytes(), 2044), U32_At(before.Bytes(), 2044) + 7u);
  }
  // The record's own last four bytes are not part of the block.
  Gateway_Param_Record tail = record;
  tail.Set_U32(0x7FC, 0x01020304);
  Bank_Buffer after(QStringLiteral("block"), 4096);
  tail.Write_Gateway_Parameters(after);
  EXPECT_TRUE(after.Bytes() == before.Bytes());
}

TEST(Gateway_Param_Record, EthernetBlockPadsTheRecordWithZeros) {
  Ethernet_Param_Record record;
  record.Set_U32(Ethernet_Param_Record::kEtherNetIP_Bytes, 0x01020304);
  Bank_Buffer block(QStringLiteral("block"), 2048);
  record.Write_Ethernet_Parameters(block);
  ASSERT_EQ(block.Used(), 2048);
  EXPECT_EQ(Hex_At(block.Bytes(), 0x74, 4), "04 03 02 01");
  EXPECT_EQ(block.Bytes().mid(132, 2044 - 132), QByteArray(2044 - 132, '\0'));
  EXPECT_EQ(U32_At(block.Bytes(), 2044), 2537u - 128u + 10u);  // defaults without the format field, plus 1+2+3+4
}

}  // namespace
