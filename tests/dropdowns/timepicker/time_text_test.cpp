#include "dropdowns/timepicker/time_text.h"

#include <gtest/gtest.h>

namespace {

TEST(Time_Text, FormatAndMask) {
  EXPECT_EQ(FormatTime(7, 5, 3, true, QLatin1Char(':')), QStringLiteral("07:05:03"));
  EXPECT_EQ(FormatTime(23, 59, 0, false, QLatin1Char('.')), QStringLiteral("23.59"));
  EXPECT_EQ(Time_Edit_Mask(true, QLatin1Char(':')), QStringLiteral("!90:00:00;1; "));
  EXPECT_EQ(Time_Edit_Mask(false, QLatin1Char('.')), QStringLiteral("!90.00;1; "));
}

TEST(Time_Text, ReadsOnlyAFullTimeInRange) {
  struct Row {
    const char* text;
    bool seconds;
    bool read;
    int h, m, s;
  };
  const Row rows[] = {
      {"07:45", false, true, 7, 45, 0},     {"07:45:30", true, true, 7, 45, 30},
      {"23:59:59", true, true, 23, 59, 59}, {"1 : 2", false, true, 10, 2, 0},  // blanks read as 0
      {" 7:45", false, false, 0, 0, 0},                                        // a single-digit hour is one short
      {"7:45", false, false, 0, 0, 0},      {"25:00", false, false, 0, 0, 0},
      {"10:60", false, false, 0, 0, 0},     {"10:20:60", true, false, 0, 0, 0},
      {"1a:00", false, false, 0, 0, 0},     {"10:20:30", false, false, 0, 0, 0},  // seconds where none are shown
      {"10:20", true, false, 0, 0, 0},      {"1:234:5", true, false, 0, 0, 0},
      {"10-20", false, false, 0, 0, 0},     {"", false, false, 0, 0, 0},
  };
  for (const Row& r : rows) {
    const auto parts = Parse_Time_Text(QString::fromLatin1(r.text), r.seconds, QLatin1Char(':'));
    ASSERT_EQ(parts.has_value(), r.read) << r.text;
    if (!parts) continue;
    EXPECT_EQ(parts->Hour, r.h) << r.text;
    EXPECT_EQ(parts->Minute, r.m) << r.text;
    EXPECT_EQ(parts->Second, r.s) << r.text;
  }
}

TEST(Time_Text, FieldUnderTheCaretAndWrap) {
  const QString t = QStringLiteral("10:20:30");
  const QChar sep = QLatin1Char(':');
  for (int caret : {0, 1, 2}) EXPECT_EQ(Field_At_Caret(t, caret, true, sep), Time_Field::Hour) << caret;
  for (int caret : {3, 4, 5}) EXPECT_EQ(Field_At_Caret(t, caret, true, sep), Time_Field::Minute) << caret;
  for (int caret : {6, 7, 8}) EXPECT_EQ(Field_At_Caret(t, caret, true, sep), Time_Field::Second) << caret;
  EXPECT_EQ(Field_At_Caret(QStringLiteral("10:20"), 5, false, sep), Time_Field::Minute);
  EXPECT_EQ(Step_Field(Time_Field::Hour, 0, -1), 23);
  EXPECT_EQ(Step_Field(Time_Field::Hour, 23, 1), 0);
  EXPECT_EQ(Step_Field(Time_Field::Second, 59, 1), 0);
  EXPECT_EQ(Step_Field(Time_Field::Minute, 0, -1), 59);
}

}  // namespace
