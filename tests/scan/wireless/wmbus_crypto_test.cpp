// AES-CBC and AES-CMAC against published vectors, the key derivation of the
// mode-7 frame of the test data, and the two decryptions on their real frames.
#include "scan/wireless/wmbus_crypto.h"

#include <gtest/gtest.h>

#include "scan/wireless/wmbus_security.h"
#include "scan/wireless/wmbus_test_frames.h"

namespace {

using wmbus_crypto::Block;

Block To_Block(const QString& hex) {
  const std::vector<uint8_t> bytes = Hex_Bytes(hex);
  Block b{};
  std::copy(bytes.begin(), bytes.begin() + 16, b.begin());
  return b;
}

const Block kRfc_Key = To_Block("2b 7e 15 16 28 ae d2 a6 ab f7 15 88 09 cf 4f 3c");

TEST(Wmbus_Crypto, Cmac_Matches_The_Published_Vectors) {
  struct Row {
    const char* message;
    const char* mac;
  };
  const Row rows[] = {
      {"", "bb 1d 69 29 e9 59 37 28 7f a3 7d 12 9b 75 67 46"},
      {"6b c1 be e2 2e 40 9f 96 e9 3d 7e 11 73 93 17 2a", "07 0a 16 b4 6b 4d 41 44 f7 9b dd 9d d0 4a 28 7c"},
  };
  for (const Row& row : rows) {
    const std::vector<uint8_t> message = Hex_Bytes(row.message);
    Block mac{};
    ASSERT_TRUE(wmbus_crypto::Aes_Cmac(kRfc_Key, message.data(), message.size(), mac));
    EXPECT_EQ(mac, To_Block(row.mac)) << row.message;
  }
}

TEST(Wmbus_Crypto, Cbc_Decrypts_Whole_Blocks_Without_Padding) {
  std::vector<uint8_t> data = Hex_Bytes("76 49 ab ac 81 19 b2 46 ce e9 8e 9b 12 e9 19 7d");
  const Block iv = To_Block("00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f");
  ASSERT_TRUE(wmbus_crypto::Aes_Cbc_Decrypt(kRfc_Key, iv, data.data(), data.size()));
  EXPECT_EQ(data, Hex_Bytes("6b c1 be e2 2e 40 9f 96 e9 3d 7e 11 73 93 17 2a"));

  // A length that is not whole blocks is refused, not padded.
  std::vector<uint8_t> partial(15, 0);
  EXPECT_FALSE(wmbus_crypto::Aes_Cbc_Decrypt(kRfc_Key, iv, partial.data(), partial.size()));
}

TEST(Wmbus_Security, Mode7_Key_Derivation_Of_The_Test_Frame) {
  const auto frames = Load_Wmbus_Frames();
  ASSERT_TRUE(frames.count("afl-mode7"));
  const auto& frame = frames.at("afl-mode7");
  const uint8_t mcr[4] = {0xB3, 0x0A, 0x00, 0x00};
  Block derived{};
  ASSERT_TRUE(wmbus_security::Derive_Mode7_Key(*frame.key, mcr, frame.datagram.data() + 4, derived));
  EXPECT_EQ(derived, To_Block("EC CF 39 D4 75 D7 30 B8 28 4F DF DC 19 95 D5 2F"));
}

TEST(Wmbus_Security, Both_Modes_Open_Their_Frames_With_The_Idle_Pair) {
  const auto frames = Load_Wmbus_Frames();
  struct Row {
    const char* name;
    int payload;
  };
  for (const Row& row : {Row{"ell-mode5", 18}, Row{"afl-mode7", 36}}) {
    ASSERT_TRUE(frames.count(row.name)) << row.name;
    std::vector<uint8_t> frame = frames.at(row.name).datagram;
    frame.resize(frame.size() - 2);  // the Telit module's two bytes
    const Block key = *frames.at(row.name).key;
    const auto outcome = std::string(row.name) == "ell-mode5"
                             ? wmbus_security::Decrypt_Mode5(frame.data(), static_cast<int>(frame.size()), key)
                             : wmbus_security::Decrypt_Mode7(frame.data(), static_cast<int>(frame.size()), key);
    EXPECT_EQ(outcome, wmbus_security::Outcome::Decrypted) << row.name;
    EXPECT_EQ(frame[row.payload], 0x2F) << row.name;
    EXPECT_EQ(frame[row.payload + 1], 0x2F) << row.name;
  }
}

TEST(Wmbus_Security, Mode7_With_A_Wrong_Key_Leaves_The_Frame_As_It_Came) {
  const auto frames = Load_Wmbus_Frames();
  ASSERT_TRUE(frames.count("afl-mode7"));
  std::vector<uint8_t> frame = frames.at("afl-mode7").datagram;
  frame.resize(frame.size() - 2);
  const std::vector<uint8_t> before = frame;
  Block wrong = *frames.at("afl-mode7").key;
  wrong[15] ^= 0x01;
  EXPECT_EQ(wmbus_security::Decrypt_Mode7(frame.data(), static_cast<int>(frame.size()), wrong),
            wmbus_security::Outcome::Wrong_Key);
  EXPECT_EQ(frame, before);
}

}  // namespace
