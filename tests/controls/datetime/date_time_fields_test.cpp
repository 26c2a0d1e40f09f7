#include "controls/datetime/date_time_fields.h"

#include <gtest/gtest.h>

#include "controls/datetime/month_grid.h"

namespace {

QDateTime At(int y, int m, int d, int h = 0, int n = 0, int s = 0) { return QDateTime(QDate(y, m, d), QTime(h, n, s)); }

Format_Settings Settings() {
  Format_Settings s;
  s.Date_Separator = QLatin1Char('/');
  s.Time_Separator = QLatin1Char(':');
  return s;
}

}  // namespace

TEST(DtpFields, FormatGivesFieldsAndLiterals) {
  const auto fields = Parse_Dtp_Format(QStringLiteral("dd/MM/yyyy HH:mm 'at' s"));
  std::vector<Dtp_Field_Kind> kinds;
  for (const Dtp_Field& f : fields)
    if (f.Editable()) kinds.push_back(f.Kind);
  const std::vector<Dtp_Field_Kind> expected{Dtp_Field_Kind::Day,    Dtp_Field_Kind::Month,  Dtp_Field_Kind::Year,
                                             Dtp_Field_Kind::Hour24, Dtp_Field_Kind::Minute, Dtp_Field_Kind::Second};
  EXPECT_EQ(kinds, expected);
  std::vector<Dtp_Span> spans;
  EXPECT_EQ(Dtp_Text(fields, At(2024, 3, 5, 7, 9, 4), &spans, Settings()), QStringLiteral("05/03/2024 07:09 at 4"));
  ASSERT_EQ(spans.size(), fields.size());
  EXPECT_EQ(spans[0].Start, 0);
  EXPECT_EQ(spans[0].Length, 2);
}

// Steps wrap within the field's range; the day is clipped to the month; the
// year stops at its bounds.
TEST(DtpFields, StepsWrapWithinTheField) {
  struct Case {
    QDateTime from;
    Dtp_Field_Kind field;
    int delta;
    QDateTime to;
  };
  const Case cases[] = {
      {At(2024, 1, 31), Dtp_Field_Kind::Day, 1, At(2024, 1, 1)},
      {At(2024, 1, 1), Dtp_Field_Kind::Day, -1, At(2024, 1, 31)},
      {At(2024, 3, 31), Dtp_Field_Kind::Month, -1, At(2024, 2, 29)},
      {At(2024, 12, 15), Dtp_Field_Kind::Month, 1, At(2024, 1, 15)},
      {At(2024, 2, 29), Dtp_Field_Kind::Year, 1, At(2025, 2, 28)},
      {At(9999, 6, 1), Dtp_Field_Kind::Year, 1, At(9999, 6, 1)},
      {At(2024, 1, 1, 23, 0), Dtp_Field_Kind::Hour24, 1, At(2024, 1, 1, 0, 0)},
      {At(2024, 1, 1, 10, 0), Dtp_Field_Kind::Minute, -1, At(2024, 1, 1, 10, 59)},
      {At(2024, 1, 1, 10, 0, 59), Dtp_Field_Kind::Second, 1, At(2024, 1, 1, 10, 0, 0)},
      {At(2024, 1, 1, 10, 0), Dtp_Field_Kind::Am_Pm, 1, At(2024, 1, 1, 22, 0)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Dtp_Step_Field(c.from, c.field, c.delta), c.to) << c.from.toString().toStdString();
}

TEST(DtpFields, DigitsTypeIntoTheField) {
  QDateTime v = At(2024, 3, 15, 10, 20);
  Dtp_Typing typing;
  // "3" may go on to 30 or 31: not complete; "1" completes 31.
  EXPECT_FALSE(Dtp_Type_Digit(v, Dtp_Field_Kind::Day, QLatin1Char('3'), typing));
  EXPECT_EQ(v, At(2024, 3, 3, 10, 20));
  EXPECT_TRUE(Dtp_Type_Digit(v, Dtp_Field_Kind::Day, QLatin1Char('1'), typing));
  EXPECT_EQ(v, At(2024, 3, 31, 10, 20));
  // "4" cannot be continued as a day.
  EXPECT_TRUE(Dtp_Type_Digit(v, Dtp_Field_Kind::Day, QLatin1Char('4'), typing));
  EXPECT_EQ(v.date().day(), 4);
  // A month with a shorter length clips the day.
  v = At(2024, 1, 31);
  typing.Clear();
  EXPECT_TRUE(Dtp_Type_Digit(v, Dtp_Field_Kind::Month, QLatin1Char('2'), typing));
  EXPECT_EQ(v, At(2024, 2, 29));
  // Two year digits are a year of this century or the last; four complete it.
  typing.Clear();
  Dtp_Type_Digit(v, Dtp_Field_Kind::Year, QLatin1Char('9'), typing);
  Dtp_Type_Digit(v, Dtp_Field_Kind::Year, QLatin1Char('9'), typing);
  EXPECT_EQ(v.date().year(), 1999);
  typing.Clear();
  for (QChar c : QStringLiteral("2031")) Dtp_Type_Digit(v, Dtp_Field_Kind::Year, c, typing);
  EXPECT_EQ(v.date().year(), 2031);
  EXPECT_TRUE(typing.Digits.isEmpty());
  // Hours of 24 and letters are refused.
  typing.Clear();
  v = At(2024, 1, 1, 10, 0);
  Dtp_Type_Digit(v, Dtp_Field_Kind::Hour24, QLatin1Char('2'), typing);
  Dtp_Type_Digit(v, Dtp_Field_Kind::Hour24, QLatin1Char('4'), typing);
  EXPECT_EQ(v.time().hour(), 4);
  EXPECT_FALSE(Dtp_Type_Digit(v, Dtp_Field_Kind::Minute, QLatin1Char('x'), typing));
}

TEST(DtpFields, ClampOnlyWithAProperRange) {
  const QDateTime lo = At(2024, 1, 1), hi = At(2024, 12, 31);
  EXPECT_EQ(Dtp_Clamp(At(2023, 5, 5), lo, hi), lo);
  EXPECT_EQ(Dtp_Clamp(At(2025, 5, 5), lo, hi), hi);
  EXPECT_EQ(Dtp_Clamp(At(2025, 5, 5), lo, lo), At(2025, 5, 5));
  EXPECT_EQ(Dtp_Clamp(At(2025, 5, 5), QDateTime(), hi), At(2025, 5, 5));
}

TEST(MonthGrid, SixWeeksWithIsoWeekNumbers) {
  const Month_Grid g = Make_Month_Grid(2024, 2);
  EXPECT_EQ(g.First, QDate(2024, 1, 29));
  EXPECT_EQ(g.Week_Numbers[0], 5);
  EXPECT_EQ(g.Week_Numbers[5], 10);
  int row = -1, col = -1;
  ASSERT_TRUE(g.Cell_Of(QDate(2024, 2, 29), row, col));
  EXPECT_EQ(row, 4);
  EXPECT_EQ(col, 3);
  EXPECT_FALSE(g.Cell_Of(QDate(2024, 3, 15), row, col));
  // Week 1 of 2021 starts on 4 January; the first row of January is week 53.
  EXPECT_EQ(Make_Month_Grid(2021, 1).Week_Numbers[0], 53);
  // Weeks starting on Sunday.
  EXPECT_EQ(Make_Month_Grid(2024, 9, Qt::Sunday).First, QDate(2024, 9, 1));
}
