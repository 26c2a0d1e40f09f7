// Reading, formatting and stepping the spin edit's values.
#include "controls/editor_logic/spin_value.h"

#include <gtest/gtest.h>

#include <climits>

#include "controls/editor_logic/date_time_value.h"

namespace {

Format_Settings Dotted_Dates() {
  Format_Settings s;
  s.Decimal_Separator = QLatin1Char(',');
  s.Thousand_Separator = QLatin1Char('.');
  s.Date_Separator = QLatin1Char('.');
  s.Time_Separator = QLatin1Char(':');
  // Upper-case month letters as the edge cases write them ("dd.MM.yyyy").
  s.Short_Date_Format = QStringLiteral("dd.MM.yyyy");
  s.Long_Time_Format = QStringLiteral("hh:nn:ss");
  return s;
}

Format_Settings Us_Dates() {
  Format_Settings s;
  s.Short_Date_Format = QStringLiteral("m/d/yyyy");
  s.Long_Time_Format = QStringLiteral("h:nn:ss");
  return s;
}

TDateTime Date(int y, int m, int d) { return Encode_Date(QDate(y, m, d)); }

}  // namespace

TEST(SpinValue, IntegerTextReadsWithItsFallbacks) {
  struct Row {
    const char* text;
    int min;
    int expected;
  } rows[] = {
      {"", 5, 0},           {"  ", 5, 0},
      {"abc", 5, 5},        {"42", 5, 42},
      {" -7 ", 0, -7},      {"+3", 0, 3},
      {"$1F", 0, 31},       {"0x10", 0, 16},
      {"$FFFFFFFF", 0, -1}, {"2147483647", 0, INT_MAX},
      {"2147483648", 9, 9}, {"-2147483648", 0, INT_MIN},
      {"12a", 9, 9},        {"$", 9, 9},
      {"1.5", 9, 9},
  };
  for (const Row& row : rows)
    EXPECT_EQ(Spin_Read_Int(QString::fromLatin1(row.text), row.min), row.expected) << row.text;
}

TEST(SpinValue, UnreadableFloatReadsTheFloatingLowerLimit) {
  const Format_Settings comma = Dotted_Dates();
  EXPECT_DOUBLE_EQ(Spin_Read_Float(QStringLiteral("abc"), 2.5, comma), 2.5);
  EXPECT_DOUBLE_EQ(Spin_Read_Float(QStringLiteral("3,25"), 0, comma), 3.25);
  // The period is not this locale's decimal separator.
  EXPECT_DOUBLE_EQ(Spin_Read_Float(QStringLiteral("3.25"), -1, comma), -1);
}

TEST(SpinValue, FloatsShowFifteenSignificantDigits) {
  struct Row {
    double value;
    int precision;
    const char* expected;
  } rows[] = {
      {3.14159, 2, "3.14"},
      {0.1 + 0.2, 0, "0.3"},
      {2.5, 0, "2.5"},
      {-2.5, 0, "-2.5"},
      {0, 0, "0"},
      {0, 2, "0.00"},
      {100, 0, "100"},
      {1e20, 0, "1E20"},
      {1e15, 0, "1E15"},
      {999999999999999.0, 0, "999999999999999"},
      {0.0001, 0, "0.0001"},
      {0.00001, 0, "1E-5"},
      {1.5e-7, 0, "1.5E-7"},
      {0.125, 2, "0.13"},
      // 999.995 is stored a little below; its 15-digit form rounds up.
      {999.995, 2, "1000.00"},
      {-0.001, 2, "0.00"},
      {1.0 / 3.0, 4, "0.3333"},
      {1.0 / 3.0, 0, "0.333333333333333"},
      {1.23456789012345678e17, 2, "1.23456789012346E17"},
      {7, 3, "7.000"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(Spin_Format_Float(row.value, row.precision, Format_Settings()), QString::fromLatin1(row.expected))
        << row.value << " precision " << row.precision;
  EXPECT_EQ(Spin_Format_Float(3.14159, 2, Dotted_Dates()), QStringLiteral("3,14"));
}

TEST(SpinValue, EqualLimitsMeanNoLimit) {
  EXPECT_EQ(Spin_Clamp(500, 0, 100), 100);
  EXPECT_EQ(Spin_Clamp(-5, 0, 100), 0);
  EXPECT_EQ(Spin_Clamp(500, 7, 7), 500);
  EXPECT_DOUBLE_EQ(Spin_Clamp(1.5, 0.0, 1.0), 1.0);
}

TEST(SpinValue, IntegerStepsSaturate) {
  EXPECT_EQ(Spin_Step_Int(INT_MAX - 1, 5, true), INT_MAX);
  EXPECT_EQ(Spin_Step_Int(INT_MIN + 1, 5, false), INT_MIN);
  EXPECT_EQ(Spin_Step_Int(10, 3, false), 7);
}

TEST(SpinValue, DatesStepByTheFieldUnderTheCaret) {
  struct Row {
    const char* text;
    int caret;
    bool up;
    const char* expected;
  } rows[] = {
      {"31.01.2024", 0, true, "01.02.2024"},   // day
      {"31.01.2024", 2, true, "01.02.2024"},   // caret just before the first separator
      {"31.01.2024", 3, true, "29.02.2024"},   // month: the day is clipped
      {"31.03.2024", 5, false, "29.02.2024"},  // month down
      {"29.02.2024", 6, true, "28.02.2025"},   // year from 29 February
      {"29.02.2024", 10, false, "28.02.2023"}, {"01.01.2024", 0, false, "31.12.2023"},
  };
  const Format_Settings s = Dotted_Dates();
  for (const Row& row : rows) {
    const QString text = QString::fromLatin1(row.text);
    const Spin_Date_Field field = Spin_Date_Field_At(text, row.caret, s);
    const TDateTime value = Spin_Read_Date(text, 0, 0, s);
    EXPECT_EQ(Spin_Format_Date(Spin_Step_Date(value, field, row.up), s), QString::fromLatin1(row.expected))
        << row.text << " caret " << row.caret;
  }
}

TEST(SpinValue, MonthFirstFormatsPutTheMonthFirst) {
  bool month_first = false;
  const Format_Settings s = Us_Dates();
  EXPECT_EQ(Spin_Date_Field_At(QStringLiteral("1/31/2024"), 0, s, &month_first), Spin_Date_Field::Month);
  EXPECT_TRUE(month_first);
  EXPECT_EQ(Spin_Date_Field_At(QStringLiteral("1/31/2024"), 2, s), Spin_Date_Field::Day);
  const TDateTime stepped = Spin_Step_Date(Date(2024, 1, 31), Spin_Date_Field::Month, true);
  EXPECT_EQ(Spin_Format_Date(stepped, s), QStringLiteral("2/29/2024"));
  Spin_Date_Field_At(QStringLiteral("31.01.2024"), 0, Dotted_Dates(), &month_first);
  EXPECT_FALSE(month_first);
}

TEST(SpinValue, DateReadingFallsBack) {
  const Format_Settings s = Dotted_Dates();
  EXPECT_DOUBLE_EQ(Spin_Read_Date(QStringLiteral("0"), 5, 4567.25, s), 4567.25);
  EXPECT_DOUBLE_EQ(Spin_Read_Date(QString(), 5, 4567.25, s), 4567.25);
  EXPECT_DOUBLE_EQ(Spin_Read_Date(QStringLiteral("31.02.2024"), 5, 0, s), 5);
  EXPECT_DOUBLE_EQ(Spin_Read_Date(QStringLiteral("15.03.2024"), 5, 0, s), Date(2024, 3, 15));
  EXPECT_DOUBLE_EQ(Spin_Read_Time(QStringLiteral("25:00"), s), 0);
}

TEST(SpinValue, TimesWrapWithinTheDay) {
  struct Row {
    const char* text;
    int caret;
    bool seconds;
    bool up;
    const char* expected;
  } rows[] = {
      {"0:30", 0, false, false, "23:30"},       {"23:30", 1, false, true, "0:30"},
      {"0:00", 2, false, false, "23:59"},       {"23:59", 3, false, true, "0:00"},
      {"23:00", 0, false, true, "0:00"},        {"10:20:59", 6, true, true, "10:21:00"},
      {"10:20:00", 6, true, false, "10:19:59"}, {"10:20:30", 4, true, true, "10:21:30"},
  };
  const Format_Settings s = Dotted_Dates();
  for (const Row& row : rows) {
    const QString text = QString::fromLatin1(row.text);
    const Spin_Time_Field field = Spin_Time_Field_At(text, row.caret, row.seconds, s.Time_Separator);
    const TDateTime step = Spin_Time_Step(field, 1, 1, 1);
    const TDateTime result = Spin_Step_Time(Spin_Read_Time(text, s), step, row.up);
    EXPECT_EQ(Spin_Format_Time(result, row.seconds, s), QString::fromLatin1(row.expected))
        << row.text << " caret " << row.caret;
  }
}

TEST(SpinValue, LargeTimeIncrementsStillWrap) {
  // 25 hours up from 1:00 is 2:00; nothing raises.
  const TDateTime step = Spin_Time_Step(Spin_Time_Field::Hours, 25, 1, 1);
  EXPECT_EQ(Spin_Format_Time(Spin_Step_Time(1.0 / 24, step, true), false, Format_Settings()), QStringLiteral("2:00"));
  EXPECT_EQ(Spin_Format_Time(Spin_Step_Time(1.0 / 24, step, false), false, Format_Settings()), QStringLiteral("0:00"));
}

TEST(DateTimeValue, ConvertsBothWays) {
  const QDateTime when(QDate(2024, 2, 29), QTime(13, 45, 30, 250));
  const TDateTime value = Encode_Date_Time(when);
  EXPECT_EQ(To_QDateTime(value), when);
  EXPECT_DOUBLE_EQ(Encode_Date(QDate(1899, 12, 30)), 0);
  EXPECT_DOUBLE_EQ(Encode_Date(QDate(1900, 1, 1)), 2);
  // 23:00 plus one hour is the next midnight, not 23:59:59.999.
  const TDateTime late = Encode_Date_Time(QDate(2024, 1, 1), QTime(23, 0)) + 1.0 / 24;
  EXPECT_EQ(To_QDateTime(late), QDateTime(QDate(2024, 1, 2), QTime(0, 0)));
  EXPECT_EQ(Time_Of(-0.25), QTime(6, 0));
  EXPECT_EQ(Date_Of(-0.25), QDate(1899, 12, 30));
}
