// The simulator's meter script and M-Bus line, which the engine's tests rely on.
#include <gtest/gtest.h>

#include "mbus_line.h"
#include "meter_script.h"
#include "scan/engine/mbus_frames.h"

namespace {

using gateway_sim::MBus_Line;
using gateway_sim::Parse_Meters;

std::string S(const QByteArray& bytes) { return bytes.toStdString(); }

const char* kTelegram = "68 0F 0F 68 08 01 72 78 56 34 12 43 04 01 07 00 00 00 00 00 16";

TEST(Gateway_Sim, Script_Errors_Name_The_Line) {
  struct Row {
    const char* text;
    const char* error;
  };
  const Row rows[] = {
      {"x 12345678 10", "line 1: primary address is not a number"},
      {"\n# c\n251 12345678 10", "line 3: primary address out of 0..250"},
      {"1", "line 1: secondary id missing"},
      {"1 1234 10", "line 1: secondary id must be eight digits or -"},
      {"1 12345678 1G", "line 1: bad telegram byte '1G'"},
      {"1 12345678 10 |", "line 1: empty telegram"},
      {"1 12345678 delay=x 10", "line 1: bad delay"},
  };
  for (const Row& row : rows) {
    std::string error;
    EXPECT_FALSE(Parse_Meters(row.text, error)) << row.text;
    EXPECT_EQ(error, row.error);
  }
}

TEST(Gateway_Sim, Telegrams_Take_The_Scripted_Address_And_Id) {
  std::string error;
  auto meters = Parse_Meters(std::string("9 87654321 delay=20 ") + kTelegram + " | " + kTelegram + "\n", error);
  ASSERT_TRUE(meters) << error;
  ASSERT_EQ(meters->size(), 1u);
  const auto& m = meters->front();
  EXPECT_EQ(m.primary, 9);
  EXPECT_EQ(m.delay_ms, 20);
  ASSERT_EQ(m.telegrams.size(), 2u);
  EXPECT_EQ(gateway_sim::Telegram_Id(m.telegrams[0]), "87654321");
  const QByteArray t(reinterpret_cast<const char*>(m.telegrams[0].data()), qsizetype(m.telegrams[0].size()));
  EXPECT_EQ(uint8_t(t[5]), 9);
  uint8_t sum = 0;
  for (qsizetype i = 4; i < t.size() - 2; ++i) sum = uint8_t(sum + uint8_t(t[i]));
  EXPECT_EQ(uint8_t(t[t.size() - 2]), sum);  // checksum rewritten

  auto kept = Parse_Meters(std::string("2 - ") + kTelegram, error);
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->front().secondary, "12345678");
}

TEST(Gateway_Sim, Line_Answers_Like_Meters) {
  std::string error;
  auto meters =
      Parse_Meters(std::string("1 12345678 ") + kTelegram + " | " + kTelegram + "\n2 12399999 " + kTelegram, error);
  ASSERT_TRUE(meters);
  MBus_Line line(std::move(*meters));
  EXPECT_EQ(line.Handle_Frame(S(mbus_frame::SND_NKE(1))).bytes, "\xE5");
  EXPECT_EQ(line.Handle_Frame(S(mbus_frame::SND_NKE(255))).bytes, "");  // broadcasts are not answered
  EXPECT_EQ(line.Handle_Frame(S(mbus_frame::SND_NKE(3))).bytes, "");
  EXPECT_EQ(line.Handle_Frame("garbage").bytes, "");

  // FCB toggled: next telegram; repeated: the same one again.
  const auto first = line.Handle_Frame(S(mbus_frame::REQ_UD2(0x7B, 1))).bytes;
  EXPECT_EQ(first.size(), 21u);
  EXPECT_EQ(line.Handle_Frame(S(mbus_frame::REQ_UD2(0x7B, 1))).bytes, first);
  EXPECT_EQ(line.Handle_Frame(S(mbus_frame::REQ_UD2(0x5B, 1))).bytes, first);  // both telegrams are alike

  // Select: one match answers E5 and is reachable at 253; two matches collide.
  EXPECT_EQ(line.Handle_Frame(S(mbus_frame::Select(0x73, {1, 2, 3, 4, -1, -1, -1, -1}))).bytes, "\xE5");
  EXPECT_EQ(uint8_t(line.Handle_Frame(S(mbus_frame::REQ_UD2(0x7B, 253))).bytes[5]), 1);
  EXPECT_EQ(line.Handle_Frame(S(mbus_frame::Select(0x73, {1, 2, 3, -1, -1, -1, -1, -1}))).bytes,
            MBus_Line::Collision_Bytes());
  EXPECT_EQ(line.Handle_Frame(S(mbus_frame::Select(0x73, {9, -1, -1, -1, -1, -1, -1, -1}))).bytes, "");
  EXPECT_EQ(line.Handle_Frame(S(mbus_frame::REQ_UD2(0x7B, 253))).bytes, "");  // nothing selected any more
}

}  // namespace
