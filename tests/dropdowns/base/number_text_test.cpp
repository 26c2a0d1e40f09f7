#include "dropdowns/base/number_text.h"

#include <gtest/gtest.h>

#include "controls/format_settings.h"

namespace {

Format_Settings Settings(QChar decimal, QChar thousand) {
  Format_Settings s;
  s.Decimal_Separator = decimal;
  s.Thousand_Separator = thousand;
  return s;
}

struct Kind_Case {
  const char* text;
  TNumberKind kind;
};

class Classify_Test : public testing::TestWithParam<Kind_Case> {};

TEST_P(Classify_Test, EnglishSeparators) {
  Format_Settings_Scope scope(Settings(u'.', u','));
  EXPECT_EQ(Classify_Number_Text(QString::fromUtf8(GetParam().text)), GetParam().kind) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, Classify_Test,
                         testing::Values(Kind_Case{"", nkOther}, Kind_Case{"-12", nkInteger},
                                         Kind_Case{"007", nkInteger}, Kind_Case{"1A", nkHex}, Kind_Case{"-ff", nkHex},
                                         Kind_Case{"12.5", nkDecimal}, Kind_Case{"1,234.5", nkDecimal},
                                         Kind_Case{"1,234,567", nkDecimal},
                                         // separators too close or leading
                                         Kind_Case{"1,2,3", nkOther}, Kind_Case{",123", nkOther},
                                         // a minus sign only in front, and only one
                                         Kind_Case{"1-2-3", nkOther}, Kind_Case{"12-5", nkOther},
                                         Kind_Case{"--12", nkOther}, Kind_Case{"1.2.3", nkOther},
                                         Kind_Case{"12G", nkOther}, Kind_Case{"1 2", nkOther}));

TEST(Classify_Number_Text, FollowsTheLocaleSeparators) {
  Format_Settings_Scope scope(Settings(u',', u'.'));
  EXPECT_EQ(Classify_Number_Text(QStringLiteral("1.234,5")), nkDecimal);
  EXPECT_EQ(Classify_Number_Text(QStringLiteral("12,5")), nkDecimal);
  EXPECT_EQ(Classify_Number_Text(QStringLiteral("1,2,5")), nkOther);  // two decimal separators
  EXPECT_EQ(Classify_Number_Text(QStringLiteral(".234")), nkOther);
}

TEST(Number_Text, SeparatorsComeFromTheProcessSettings) {
  Format_Settings_Scope scope(Settings(u',', u'.'));
  EXPECT_EQ(Decimal_Separator(), u',');
  EXPECT_EQ(Thousand_Separator(), u'.');
  EXPECT_EQ(Remove_Thousand_Separators(QStringLiteral("1.234.567,5")), QStringLiteral("1234567,5"));
  EXPECT_EQ(Remove_Thousand_Separators(QString()), QString());
}

TEST(Number_Text, RangeSeparators) {
  for (QChar c : QStringLiteral(",-;")) EXPECT_TRUE(Is_Range_Separator(c)) << c.toLatin1();
  for (QChar c : QStringLiteral(".: 0")) EXPECT_FALSE(Is_Range_Separator(c)) << c.toLatin1();
}

struct Hex_Case {
  const char* text;
  int value;
};

class Hex_Test : public testing::TestWithParam<Hex_Case> {};

TEST_P(Hex_Test, Reads) { EXPECT_EQ(Hex_Text_To_Int(QString::fromUtf8(GetParam().text)), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Cases, Hex_Test,
                         testing::Values(Hex_Case{"ff", 255}, Hex_Case{"FF", 255}, Hex_Case{"G1", 1},
                                         Hex_Case{"-1A", -26}, Hex_Case{"", 0}, Hex_Case{"-", 0},
                                         Hex_Case{"1-0", 256},  // a minus inside counts as a 0 digit
                                         Hex_Case{"7FFFFFFF", 0x7FFFFFFF}, Hex_Case{"FFFFFFFF", -1},
                                         Hex_Case{"100000001", 1}));  // wraps at 32 bits

TEST(Hex_Digit_Value, DigitsAndOthers) {
  EXPECT_EQ(Hex_Digit_Value(u'0'), 0);
  EXPECT_EQ(Hex_Digit_Value(u'9'), 9);
  EXPECT_EQ(Hex_Digit_Value(u'a'), 10);
  EXPECT_EQ(Hex_Digit_Value(u'F'), 15);
  EXPECT_EQ(Hex_Digit_Value(u'g'), 0);
  EXPECT_EQ(Hex_Digit_Value(QChar(0x0663)), 0);  // Arabic-Indic three is no hex digit
}

TEST(Match_Case_Text, UpperCaseUnlessCaseSensitive) {
  EXPECT_EQ(Match_Case_Text(QStringLiteral("Red wine"), true), QStringLiteral("Red wine"));
  EXPECT_EQ(Match_Case_Text(QStringLiteral("Red wine"), false), QStringLiteral("RED WINE"));
  EXPECT_EQ(Match_Case_Text(QStringLiteral("grün"), false), QStringLiteral("GRÜN"));
}

}  // namespace
