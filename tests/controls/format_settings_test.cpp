#include "controls/format_settings.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

Format_Settings German() {
  Format_Settings s;
  s.Decimal_Separator = QLatin1Char(',');
  s.Thousand_Separator = QLatin1Char('.');
  s.Date_Separator = QLatin1Char('.');
  s.Time_Separator = QLatin1Char(':');
  s.Short_Date_Format = QStringLiteral("dd/mm/yyyy");
  s.Long_Time_Format = QStringLiteral("hh:nn:ss");
  s.Short_Time_Format = QStringLiteral("hh:nn");
  return s;
}

}  // namespace

TEST(FormatSettings, FormatsWithSeparatorsAndTokens) {
  const Format_Settings de = German();
  const QDateTime t(QDate(2024, 3, 7), QTime(14, 5, 9, 42));
  struct Row {
    const char* format;
    const char* expected;
  };
  const Row rows[] = {
      {"dd/mm/yyyy", "07.03.2024"},
      {"d/m/yy", "7.3.24"},
      {"hh:mm:ss", "14:05:09"},  // "mm" after an hour is minutes
      {"h:nn am/pm", "2:05 pm"},
      {"hh:nn ampm", "02:05 PM"},
      {"ddd, mmm d", "Thu, Mar 7"},
      {"dddd mmmm", "Thursday March"},
      {"'at' hh\"h\"", "at 14h"},
      {"ddddd t", "07.03.2024 14:05"},
      {"zzz", "042"},
      {"c", "07.03.2024 14:05:09"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Format_Date_Time(QString::fromLatin1(row.format), t, de), QString::fromUtf8(row.expected)) << row.format;
  }
  EXPECT_EQ(Date_Time_To_Str(QDateTime(QDate(2024, 3, 7), QTime(0, 0)), de), QStringLiteral("07.03.2024"));
}

TEST(FormatSettings, ParsesDatesInTheShortFormatsOrder) {
  Format_Settings de = German();
  Format_Settings us;
  us.Short_Date_Format = QStringLiteral("m/d/yyyy");
  Format_Settings iso;
  iso.Date_Separator = QLatin1Char('-');
  iso.Short_Date_Format = QStringLiteral("yyyy/mm/dd");
  QDate d;
  ASSERT_TRUE(Try_Str_To_Date(QStringLiteral("07.03.2024"), d, de));
  EXPECT_EQ(d, QDate(2024, 3, 7));
  ASSERT_TRUE(Try_Str_To_Date(QStringLiteral("3/7/2024"), d, us));
  EXPECT_EQ(d, QDate(2024, 3, 7));
  ASSERT_TRUE(Try_Str_To_Date(QStringLiteral("2024-03-07"), d, iso));
  EXPECT_EQ(d, QDate(2024, 3, 7));
  ASSERT_TRUE(Try_Str_To_Date(QStringLiteral("1.2"), d, de));
  EXPECT_EQ(d, QDate(QDate::currentDate().year(), 2, 1));
  ASSERT_TRUE(Try_Str_To_Date(QStringLiteral("1.2.24"), d, de));
  EXPECT_EQ(d.year() % 100, 24);
  EXPECT_LE(std::abs(d.year() - QDate::currentDate().year()), 50);
  for (const char* bad : {"", "31.02.2024", "1.2.3.4", "a.b.c", "1/2/2024", "1..2024", "12345.1.1"}) {
    EXPECT_FALSE(Try_Str_To_Date(QString::fromLatin1(bad), d, de)) << bad;
  }
}

TEST(FormatSettings, ParsesTimesAndNumbers) {
  const Format_Settings de = German();
  QTime t;
  ASSERT_TRUE(Try_Str_To_Time(QStringLiteral("14:05:09"), t, de));
  EXPECT_EQ(t, QTime(14, 5, 9));
  ASSERT_TRUE(Try_Str_To_Time(QStringLiteral("2:05 PM"), t, de));
  EXPECT_EQ(t, QTime(14, 5));
  ASSERT_TRUE(Try_Str_To_Time(QStringLiteral("12:00 am"), t, de));
  EXPECT_EQ(t, QTime(0, 0));
  for (const char* bad : {"", "25:00", "13:00 PM", "1:2:3:4", "x"}) {
    EXPECT_FALSE(Try_Str_To_Time(QString::fromLatin1(bad), t, de)) << bad;
  }
  double v = 0;
  ASSERT_TRUE(Try_Str_To_Float(QStringLiteral(" -1,5e3 "), v, de));
  EXPECT_DOUBLE_EQ(v, -1500.0);
  EXPECT_FALSE(Try_Str_To_Float(QStringLiteral("1.5"), v, de));
  EXPECT_FALSE(Try_Str_To_Float(QStringLiteral("inf"), v, Format_Settings()));
  ASSERT_TRUE(Try_Str_To_Float(QStringLiteral(".25"), v, Format_Settings()));
  EXPECT_DOUBLE_EQ(v, 0.25);
}

TEST(FormatSettings, ScopeInstallsAndRestoresProcessSettings) {
  const QChar before = Process_Format_Settings().Decimal_Separator;
  {
    Format_Settings_Scope scope(German());
    EXPECT_EQ(Process_Format_Settings().Decimal_Separator, QLatin1Char(','));
    EXPECT_EQ(Date_To_Str(QDate(2024, 12, 31)), QStringLiteral("31.12.2024"));
  }
  EXPECT_EQ(Process_Format_Settings().Decimal_Separator, before);
}

TEST(FormatSettings, LocaleFormatsTranslateToTheStoredNotation) {
  const Format_Settings de = Format_Settings::From_Locale(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(de.Decimal_Separator, QLatin1Char(','));
  EXPECT_EQ(de.Thousand_Separator, QLatin1Char('.'));
  EXPECT_EQ(de.Date_Separator, QLatin1Char('.'));
  const QDateTime t(QDate(2024, 3, 7), QTime(14, 5, 9));
  EXPECT_EQ(Date_To_Str(t.date(), de),
            QLocale(QLocale::German, QLocale::Germany).toString(t.date(), QLocale::ShortFormat));
  EXPECT_EQ(Time_To_Str(t.time(), de).left(8), QStringLiteral("14:05:09"));

  // A short date with a month name cannot be typed back: the numeric default serves.
  const Format_Settings c = Format_Settings::From_Locale(QLocale::c());
  QDate back;
  ASSERT_TRUE(Try_Str_To_Date(Date_To_Str(t.date(), c), back, c));
  EXPECT_EQ(back, t.date());
}
