// How each sort style reads and compares cell texts.
#include "grid/sort/sort_text_compare.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "controls/format_settings.h"

using namespace grid_sort;

namespace {

Format_Settings European() {
  Format_Settings s;
  s.Decimal_Separator = ',';
  s.Thousand_Separator = '.';
  s.Date_Separator = '/';
  s.Time_Separator = ':';
  s.Short_Date_Format = "dd/mm/yyyy";
  return s;
}

TEST(SortNumberText, ReadsPrefixSuffixAndSeparators) {
  struct Case {
    const char* text;
    const char* prefix;
    const char* suffix;
    bool financial;
    bool european;
    bool ok;
    double value;
  } cases[] = {
      {"10", "", "", false, false, true, 10},
      {"  -2.5", "", "", false, false, true, -2.5},
      {"+7", "", "", false, false, true, 7},
      {"1e3", "", "", false, false, true, 1000},
      {"", "", "", false, false, false, 0},
      {"12 ", "", "", false, false, false, 0},  // nothing may trail
      {"abc", "", "", false, false, false, 0},
      {"inf", "", "", false, false, false, 0},
      {"nan", "", "", false, false, false, 0},
      {"--1", "", "", false, false, false, 0},
      {"$12.5", "$", "", false, false, true, 12.5},
      {"80 kg", "", " kg", false, false, true, 80},
      {"$80 kg", "$", " kg", false, false, true, 80},
      {"1,234.5", "", "", true, false, true, 1234.5},
      {"1,234.5", "", "", false, false, false, 0},  // thousands only for financial
      {"1.234,5", "", "", true, true, true, 1234.5},
      {"999", "", "", true, true, true, 999},
      {"3,25", "", "", false, true, true, 3.25},
      {"3.25", "", "", false, true, true, 3.25},  // read as the number reader reads it
  };
  for (const Case& c : cases) {
    Format_Settings_Scope scope(c.european ? European() : Format_Settings());
    double v = -1;
    const bool ok = Parse_Sort_Number(c.text, c.prefix, c.suffix, c.financial, v);
    EXPECT_EQ(ok, c.ok) << c.text;
    if (c.ok) {
      EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    }
  }
}

TEST(SortNumberText, LongTextsParseToo) {
  const QString text = "0." + QString(100, '1');
  double v = 0;
  ASSERT_TRUE(Parse_Sort_Number(text, "", "", false, v));
  EXPECT_NEAR(v, 0.1111111111, 1e-9);
}

TEST(SortDateText, DatesTimesAndFailures) {
  Format_Settings_Scope scope(European());
  EXPECT_LT(Parse_Sort_Date_Time("15/01/2020"), Parse_Sort_Date_Time("01/02/2020"));
  EXPECT_LT(Parse_Sort_Date_Time("01/02/2020"), Parse_Sort_Date_Time("01/02/2020 10:00"));
  EXPECT_EQ(Parse_Sort_Date_Time(""), 0);
  EXPECT_EQ(Parse_Sort_Date_Time("soon"), 0);
  EXPECT_EQ(Parse_Sort_Date_Time("01/02/2020 later"), 0);
  EXPECT_LT(Parse_Sort_Time("9:30"), Parse_Sort_Time("10:00"));
  EXPECT_EQ(Parse_Sort_Time(""), 0);
  EXPECT_EQ(Parse_Sort_Time("25:00"), 0);
}

TEST(SortTextCompare, CaseAndCodeUnits) {
  EXPECT_EQ(Compare_Code_Units("B", "a"), -1);  // upper case letters come first
  EXPECT_EQ(Compare_Ascii_No_Case("B", "a"), 1);
  EXPECT_EQ(Compare_Ascii_No_Case("abc", "ABC"), 0);
  EXPECT_EQ(Compare_Ascii_No_Case("ab", "ABC"), -1);
  // Only a-z fold: other letters keep their code.
  EXPECT_NE(Compare_Ascii_No_Case(QString::fromUtf8("\xc3\xa4"), QString::fromUtf8("\xc3\x84")), 0);
  EXPECT_EQ(Compare_Locale("a", "B", false), -1);
  EXPECT_EQ(Compare_Locale("b", "B", false), 0);
}

TEST(SortAutomaticStyle, DetectsDatesAndTimesFromSeparators) {
  Format_Settings_Scope scope(European());
  struct Case {
    const char* text1;
    const char* text2;
    TSortStyle style;
  } cases[] = {
      {"15/01/2020", "01/02/2020", ssDate},
      {"15/01/2020 10:00", "01/02/2020", ssDateTime},
      {"15/01/2020", "later", ssAlphabetic},       // the other text lacks the separator
      {"2020/01/02", "2020/01/03", ssAlphabetic},  // separator too far in
      {"a/b", "c/d", ssAlphabetic},                // no digits around it
      {"9:30", "10:00", ssTime},
      {"10:00", "9:30", ssTime},
      {"9:30", "soon", ssAlphabetic},
      {"1/", "2/", ssAlphabetic},  // nothing after the separator
      {"plain", "words", ssAlphabetic},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Detect_Text_Style(Read_Text_Traits(c.text1), Read_Text_Traits(c.text2), false), c.style)
        << c.text1 << " / " << c.text2;
  EXPECT_EQ(Detect_Text_Style(Read_Text_Traits("x"), Read_Text_Traits("y"), true), ssAlphaNoCase);
  EXPECT_TRUE(Read_Text_Traits("1.234,5").number);
  EXPECT_FALSE(Read_Text_Traits("9:30").number);
}

TEST(SortBlanks, PlacedByPositionInEitherDirection) {
  struct Case {
    bool empty1, empty2;
    TSortDirection dir;
    TSortBlankPosition pos;
    int expected;
  } cases[] = {
      {true, false, sdAscending, blFirst, -1}, {false, true, sdAscending, blFirst, 1},
      {true, false, sdAscending, blLast, 1},   {false, true, sdAscending, blLast, -1},
      {true, false, sdDescending, blFirst, 1}, {false, true, sdDescending, blFirst, -1},
      {true, false, sdDescending, blLast, -1}, {true, true, sdAscending, blFirst, 7},
      {false, false, sdDescending, blLast, 7},
  };
  for (const Case& c : cases) EXPECT_EQ(Place_Blanks(7, c.empty1, c.empty2, c.dir, c.pos), c.expected);
}

}  // namespace

// The quick reading of plain numbers must agree with the general one on
// every text it takes, and leave everything else to it.
TEST(SortNumberText, PlainNumbersReadAsTheGeneralReaderReadsThem) {
  struct Case {
    const char* text;
    bool plain_default;   // taken with "." as decimal separator
    bool plain_european;  // taken with ","
  } cases[] = {
      {"0", true, true},
      {"-0", true, true},
      {"42", true, true},
      {"-17", true, true},
      {"007", true, true},
      {"12.50", true, false},
      {"12,50", false, true},
      {"-0.000125", true, false},
      {".5", true, false},
      {"5.", true, false},
      {"-.5", true, false},
      {"0.1", true, false},
      {"123456789012345678", true, true},                // past 2^53: the general reader rounds
      {"9007199254740993", true, true},                  // 2^53 + 1
      {"1234567890123456789012345", true, true},         // more digits than a 64-bit mantissa
      {"0.12345678901234567890123456789", true, false},  // more than 22 decimals
      {"179769313486231570000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "000000"
       "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "000000"
       "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000",
       false, false},  // out of range: left to the general reader
      {"", false, false},
      {"-", false, false},
      {".", false, false},
      {"+5", false, false},
      {" 5", false, false},
      {"5 ", false, false},
      {"1e3", false, false},
      {"1E-3", false, false},
      {"1,234.5", false, false},
      {"1.234,5", false, false},
      {"1.2.3", false, false},
      {"--5", false, false},
      {"5-", false, false},
      {"abc", false, false},
      {"12a", false, false},
      {"\xd9\xa3", false, false},  // an Arabic-Indic digit
      {"inf", false, false},
      {"nan", false, false},
  };
  for (const bool european : {false, true}) {
    Format_Settings_Scope scope(european ? European() : Format_Settings());
    const Plain_Number_Reader reader;
    for (const Case& c : cases) {
      const QString text = QString::fromUtf8(c.text);
      double plain = -1;
      const bool taken = reader.Read(reinterpret_cast<const char16_t*>(text.constData()), text.size(), plain);
      EXPECT_EQ(taken, european ? c.plain_european : c.plain_default) << c.text << " european " << european;
      if (!taken) continue;
      EXPECT_TRUE(Read_Text_Traits(text).number) << c.text;
      for (const bool financial : {false, true}) {
        double general = -1;
        ASSERT_TRUE(Parse_Sort_Number(text, QString(), QString(), financial, general)) << c.text;
        EXPECT_EQ(std::memcmp(&plain, &general, sizeof plain), 0)
            << c.text << ": " << plain << " against " << general;  // the same bits, -0 included
      }
    }
  }
}

// Random plain numbers of every length and scale agree to the bit.
TEST(SortNumberText, PlainNumbersAgreeOnRandomTexts) {
  Format_Settings_Scope scope{Format_Settings()};
  const Plain_Number_Reader reader;
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    std::string s = random() % 2 ? "-" : "";
    const int digits = 1 + int(random() % 24);
    const int point = int(random() % (digits + 1));
    for (int d = 0; d < digits; ++d) {
      if (d == point && random() % 2) s += '.';
      s += char('0' + random() % 10);
    }
    const QString text = QString::fromStdString(s);
    double plain = 0, general = 0;
    ASSERT_TRUE(reader.Read(reinterpret_cast<const char16_t*>(text.constData()), text.size(), plain)) << s;
    ASSERT_TRUE(Parse_Sort_Number(text, QString(), QString(), false, general)) << s;
    ASSERT_EQ(std::memcmp(&plain, &general, sizeof plain), 0) << s;
  }
}

// A decimal separator that could be taken for part of a number leaves every
// text to the general reader.
TEST(SortNumberText, OddSeparatorsTakeNoText) {
  for (const QChar decimal : {QChar('-'), QChar('e'), QChar('5'), QChar(' ')}) {
    Format_Settings s;
    s.Decimal_Separator = decimal;
    s.Thousand_Separator = '\'';
    Format_Settings_Scope scope(s);
    const Plain_Number_Reader reader;
    const QString text("12");
    double v = 0;
    EXPECT_FALSE(reader.Read(reinterpret_cast<const char16_t*>(text.constData()), text.size(), v));
  }
}
