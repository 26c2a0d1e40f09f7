// Frames, answers and time-outs of the wired scan, and the gateway's line command.
#include <gtest/gtest.h>

#include "scan/engine/engine_fakes.h"
#include "scan/engine/gateway_commands.h"
#include "scan/engine/mbus_frames.h"

namespace {

TEST(Scan_Frames, Frames_Byte_For_Byte) {
  struct Row {
    const char* name;
    QByteArray frame;
    const char* expected;
  };
  const Row rows[] = {
      {"SND_NKE 255", mbus_frame::SND_NKE(255), "10 40 FF 3F 16"},
      {"SND_NKE 253", mbus_frame::SND_NKE(253), "10 40 FD 3D 16"},
      {"REQ_UD2 FCB set", mbus_frame::REQ_UD2(0x7B, 5), "10 7B 05 80 16"},
      {"REQ_UD2 FCB clear", mbus_frame::REQ_UD2(0x5B, 250), "10 5B FA 55 16"},
      {"reset to 5", mbus_frame::Application_Reset(0x73, 5), "68 03 03 68 73 05 50 C8 16"},
      {"reset, fixed C 5X", mbus_frame::Application_Reset(0x53, 5), "68 03 03 68 53 05 50 A8 16"},
      {"select 1 2 3 *", mbus_frame::Select(0x73, {1, 2, 3, -1, -1, -1, -1, -1}),
       "68 0B 0B 68 73 FD 52 FF FF 3F 12 FF FF FF FF 0D 16"},
      {"select full", mbus_frame::Select(0x73, {1, 2, 3, 4, 5, 6, 7, 8}),
       "68 0B 0B 68 73 FD 52 78 56 34 12 FF FF FF FF D2 16"},
      {"select all wildcards", mbus_frame::Select(0x53, {-1, -1, -1, -1, -1, -1, -1, -1}),
       "68 0B 0B 68 53 FD 52 FF FF FF FF FF FF FF FF 9A 16"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.frame.toHex(' '), Hex(row.expected).toHex(' ')) << row.name;
}

TEST(Scan_Frames, Answers) {
  EXPECT_TRUE(mbus_frame::Is_Single_Character(QByteArray("\xE5")));
  EXPECT_FALSE(mbus_frame::Is_Single_Character(QByteArray("\xE5\xE5")));
  EXPECT_FALSE(mbus_frame::Is_Single_Character(QByteArray()));
  EXPECT_TRUE(mbus_frame::Is_No_Slave(QByteArray("NO_SLAVE\n\r")));
  EXPECT_FALSE(mbus_frame::Is_No_Slave(QByteArray("NO_SLAVE\r\n")));
  EXPECT_FALSE(mbus_frame::Is_No_Slave(QByteArray("NO_SLAVE")));

  const QByteArray frame = Long_Frame(1, "12345678", Hex("04 13 01 00 00 00"));
  EXPECT_TRUE(mbus_frame::Is_Valid_Long_Frame(frame));
  // A frame of exactly 21 bytes is valid in form but too short to count.
  const QByteArray short_frame = Long_Frame(1, "12345678", QByteArray());
  ASSERT_EQ(short_frame.size(), 21);
  EXPECT_FALSE(mbus_frame::Is_Valid_Long_Frame(short_frame));
  QByteArray bad_sum = frame;
  bad_sum[bad_sum.size() - 2] = char(bad_sum[bad_sum.size() - 2] + 1);
  EXPECT_FALSE(mbus_frame::Is_Valid_Long_Frame(bad_sum));
}

TEST(Scan_Frames, Time_Outs) {
  struct Row {
    int32_t bits, baud, add, expected;
  };
  const Row rows[] = {
      {mbus_frame::kShort_Frame_Bits, 2400, 0, 587},
      {mbus_frame::kREQ_UD2_Bits, 2400, 0, 1802},
      {mbus_frame::kREQ_UD2_Bits, 2400, 10000, 11802},
      {mbus_frame::kShort_Frame_Bits, 300, 0, 1550},
      {mbus_frame::kREQ_UD2_Bits, 38400, 0, 534},
      {mbus_frame::kREQ_UD2_Bits, 0, 0, 1802},  // no baud rate: taken as 2400
      {mbus_frame::kREQ_UD2_Bits, -5, 0, 1802},
  };
  for (const Row& r : rows)
    EXPECT_EQ(mbus_frame::Frame_TimeOut(r.bits, r.baud, r.add), r.expected) << r.bits << " @ " << r.baud;
}

TEST(Scan_Frames, Line_Command) {
  EXPECT_EQ(gateway::Set_MBus_Line_Command(2400, 0), std::string("Kelvra_S_M:\x00\x00\x09\x60,\x00", 17));
  EXPECT_EQ(gateway::Set_MBus_Line_Command(9600, 1), std::string("Kelvra_S_M:\x00\x00\x25\x80,\x02", 17));
  EXPECT_EQ(gateway::Set_MBus_Line_Command(115200, 2), std::string("Kelvra_S_M:\x00\x01\xC2\x00,\x01", 17));
  EXPECT_EQ(gateway::kAnalyzer_Mode_Enabled.size(), 26u);
  EXPECT_EQ(gateway::kAnalyzer_Mode_Disabled.size(), 27u);
  EXPECT_EQ(gateway::kEnable_Analyzer_Mode.size(), 27u);
  EXPECT_EQ(gateway::kDisable_Analyzer_Mode.size(), 28u);
  EXPECT_EQ(gateway::kDone.size(), 7u);
}

}  // namespace
