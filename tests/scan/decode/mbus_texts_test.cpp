// Header texts and number helpers of the telegram decoder.
#include "scan/decode/mbus_texts.h"

#include <gtest/gtest.h>

namespace {

TEST(Mbus_Texts, ManufacturerCodeIsThreeLettersOfFiveBits) {
  EXPECT_EQ(Trova_Man(0x0443), QStringLiteral("ABC"));
  EXPECT_EQ(Trova_Man(0x0421), QStringLiteral("AAA"));
  EXPECT_EQ(Trova_Man(0x0000), QStringLiteral("???"));
  EXPECT_EQ(Trova_Man(0x6B5A), QStringLiteral("ZZZ"));
  EXPECT_EQ(Trova_Man(0x8421), QStringLiteral("?AA"));  // bit 15 belongs to the first group
  EXPECT_EQ(Trova_Man(0x077B), QStringLiteral("A??"));  // groups 27 and 27
}

TEST(Mbus_Texts, MediumTexts) {
  const struct {
    int code;
    const char* text;
  } rows[] = {{0, "Other"},
              {1, "Oil"},
              {4, "Heat (outlet)"},
              {7, "Water"},
              {8, "Heat Cost Allocator."},
              {12, "Heat (inlet) "},
              {15, "Unknown Medium"},
              {16, "Other"},
              {22, "Cold Water"},
              {25, "A/D Converter"},
              {26, "Other"},
              {255, "Other"}};
  for (const auto& row : rows) EXPECT_EQ(Desc_Medium(row.code).toStdString(), row.text) << row.code;
}

TEST(Mbus_Texts, BcdDigitsWithSignNibble) {
  const struct {
    std::vector<uint8_t> bytes;
    int64_t value;
  } rows[] = {{{0x12, 0x34}, 3412},
              {{0x99, 0xF9}, -999},
              {{0x34, 0x12, 0xF5}, -51234},
              {{0xBD}, 123},  // hex digits count at face value: 11 * 10 + 13
              {{0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, 0},
              {{0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99}, 999999999999999999},
              {{}, 0}};
  for (const auto& row : rows) EXPECT_EQ(Bcd_To_Int(row.bytes.data(), static_cast<int>(row.bytes.size())), row.value);
}

TEST(Mbus_Texts, SmallHelpers) {
  EXPECT_EQ(Two_Digits(5), QStringLiteral("05"));
  EXPECT_EQ(Two_Digits(23), QStringLiteral("23"));
  EXPECT_EQ(Two_Digits(127), QStringLiteral("127"));
  EXPECT_EQ(Pow10_Int(0), 1);
  EXPECT_EQ(Pow10_Int(18), 1000000000000000000);
  EXPECT_EQ(Man_Letter(65), QStringLiteral("A"));
  EXPECT_EQ(Man_Letter(91), QStringLiteral("?"));
}

}  // namespace
