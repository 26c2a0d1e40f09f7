#include "platform/number_entry.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* text;
  int64_t expected;
};

class NumberEntry32 : public ::testing::TestWithParam<Case> {};

TEST_P(NumberEntry32, ReadsAsTyped) {
  EXPECT_EQ(Read_Number(QString::fromUtf8(GetParam().text)), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, NumberEntry32,
                         ::testing::Values(Case{" 12", 12}, Case{"12 ", -1}, Case{"0x1F", 31}, Case{"$1f", 31},
                                           Case{"x1F", 31}, Case{"0X1F", 31}, Case{"X1f", 31}, Case{"-$10", -16},
                                           Case{"+5", 5}, Case{"0", 0}, Case{"007", 7}, Case{"2147483647", 2147483647},
                                           Case{"2147483648", -1}, Case{"-2147483648", -2147483648LL},
                                           Case{"-2147483649", -1}, Case{"$80000000", -2147483648LL},
                                           Case{"$FFFFFFFF", -1}, Case{"$00000000FF", 255}, Case{"$100000000", -1},
                                           Case{"", -1}, Case{"$", -1}, Case{"0x", -1}, Case{"+", -1}, Case{"12a", -1},
                                           Case{"+-5", -1}, Case{"1 2", -1}, Case{"$g", -1},
                                           Case{"\xef\xbc\x91", -1} /* full-width digit one */),
                         [](const auto& info) { return "row" + std::to_string(info.index); });

TEST(NumberEntry64, ReadsBeyond32Bits) {
  EXPECT_EQ(Read_Number64("4294967296"), 4294967296LL);
  EXPECT_EQ(Read_Number64("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(Read_Number64("9223372036854775808"), -1);
  EXPECT_EQ(Read_Number64("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(Read_Number64("$FFFFFFFFFFFFFFFF"), -1);
  EXPECT_EQ(Read_Number64("$10000000000000000"), -1);
  EXPECT_EQ(Read_Number64("$100000000"), 0x100000000LL);
}

TEST(NumberEntry, TellsMinusOneFromNotANumber) {
  int32_t value = 0;
  EXPECT_TRUE(Try_Read_Number("-1", value));
  EXPECT_EQ(value, -1);
  EXPECT_FALSE(Try_Read_Number("abc", value));
}

}  // namespace
