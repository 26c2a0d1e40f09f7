#include "grid/filter/filter_matcher.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <memory>

#include "controls/format_settings.h"
#include "grid/filter/compiled_filter.h"

using namespace grid_filter;

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

Format_Settings American() {
  Format_Settings s;
  s.Decimal_Separator = '.';
  s.Thousand_Separator = ',';
  s.Date_Separator = '/';
  s.Time_Separator = ':';
  s.Short_Date_Format = "m/d/yyyy";
  return s;
}

struct Row {
  const char* expression;
  const char* value;
  bool expected;
  bool case_sensitive = false;
};

// Every row is asked of the direct matcher and of the compiled form.
void Check(const std::vector<Row>& rows) {
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string("expression [") + r.expression + "] value [" + r.value + "]");
    EXPECT_EQ(MatchFilterExpression(r.expression, r.value, r.case_sensitive), r.expected);
    EXPECT_EQ(TCompiledFilter(r.expression, r.case_sensitive).Matches(r.value), r.expected);
  }
}

TEST(FilterExpression, ComparisonsOperatorsAndGroups) {
  Format_Settings_Scope scope(American());
  Check({
      {">10 & <20", "15", true},
      {">10 & <20", "20", false},
      {">10 & <20", "10", false},
      {">=20", "20", true},
      {">=20", "19.5", false},
      {"<=3", "3", true},
      {"<3", "-4", true},
      {">9", "10", true},  // numbers, not texts ("10" < "9" by characters)
      {">b", "c", true},   // texts by character code
      {">b", "a", false},
      {">1e300", "1e999", true},  // out of range still orders as a number
      {"<1e-300", "1e-999", true},
      {">1", "inf", true},  // "inf" is a text, above "1"
      {"<2", "inf", false},
      // No precedence: A | B & C is (A or B) and C.
      {"x | y & z", "x", false},
      {"x | (y & z)", "x", true},
      {"(y | x) & x*", "x", true},
      {"a;b", "b", true},
      {"a^b", "b", true},
      {"a|b", "c", false},
      // An operand after a "(" that does not begin one does not count.
      {"a(b)", "a", true},
      {"a(b)", "b", false},
      {"=abc", "abc", true},
      {" = abc ", "abc", true},
      {"", "", true},
      {"", "x", false},
      // The last operand of a group and the empty one after ")" do not upset it.
      {"(a|b)", "b", true},
      {"(a|b)&c", "b", false},
      {"((a))", "a", true},
  });
}

TEST(FilterExpression, QuotesWildcardsAndNegation) {
  Format_Settings_Scope scope(American());
  Check({
      {"\"a b\"", "a b", true},
      {"\"a b\"", "ab", false},
      {"a b", "ab", true},  // blanks outside quotes are dropped
      {"\"a|b\"", "a|b", true},
      {"\"a&b\" | x", "a&b", true},
      {"!x*", "Xyz", false},
      {"!x*", "abc", true},
      {"!x*", "Xyz", true, true},  // case-sensitive: "X" is not "x"
      {"a?c", "abc", true},
      {"a?c", "ac", false},
      {"a*c", "ac", true},
      {"a*c", "abc", true},
      {"a*c", "abbc", true},
      {"a*c", "abcd", false},
      {"a**c", "ac", true},
      {"*", "", true},
      {"?", "", false},
      {"ABC", "abc", true},
      {"ABC", "abc", false, true},
      // A value that is literally the condition passes through the pattern.
      {">5", ">5", true},
      {"<5", "<5", true},
  });
}

TEST(FilterExpression, LocaleNumbersAndDates) {
  {
    Format_Settings_Scope scope(European());
    Check({
        {">1,5", "2", true},
        {">1,5", "1", false},
        {">1000", "1.234,5", true},
        {">01/02/2012", "15/03/2012", true},
        {">01/02/2012", "15/01/2012", false},
        {"<01/02/2012", "31/12/2011", true},
        // Blanks outside quotes are dropped, so a time is quoted.
        {">=\"15/03/2012 10:00\"", "15/03/2012 10:00:00", true},
        {">\"15/03/2012 10:00\"", "15/03/2012 09:59", false},
        // A date against a number is compared as text.
        {">5", "01/02/2012", false},
    });
  }
  Format_Settings_Scope scope(American());
  Check({
      {">1/2/2012", "3/15/2012", true},
      {">1/2/2012", "12/1/2011", false},
      {">1,000", "1,500.5", true},
  });
}

TEST(FilterExpression, MalformedInputEndsAndFails) {
  Format_Settings_Scope scope(American());
  Check({
      // An unclosed group takes the rest of the text.
      {"(a", "a", true},
      {"(a", "b", false},
      {"x|(a", "a", true},
      {"x|(a", "x", true},
      {"x|(a", "y", false},
      {")", ")", true},
      {"(", "", true},
      {">", "x", true},  // "x" is above the empty operand
      {"<", "x", false},
      {"\"", "", true},
  });
  // Deep nesting is not opened past the limit and does not exhaust the stack.
  const QString deep = QString(20000, '(') + "a";
  EXPECT_FALSE(MatchFilterExpression(deep, "a", false));
  EXPECT_FALSE(TCompiledFilter(deep, false).Matches("a"));
  const QString nested = QString(10, '(') + "a" + QString(10, ')');
  EXPECT_TRUE(MatchFilterExpression(nested, "a", false));
  // A long operand is cut to its first 255 characters.
  const QString long_text = QString(300, 'b');
  EXPECT_TRUE(MatchFilterCondition(">=" + long_text, QString(255, 'b'), true));
  EXPECT_FALSE(MatchFilterCondition(">" + long_text, QString(255, 'b'), true));
}

TEST(FilterCondition, OperandEndsAndTheCaretAndAmpersandRules) {
  Format_Settings_Scope scope(American());
  // Inside a condition (as the filter services may pass it) "&" joins both
  // comparisons and "^" takes either.
  EXPECT_TRUE(MatchConditionPattern(">10&<20", "15"));
  EXPECT_FALSE(MatchConditionPattern(">10&<20", "25"));
  EXPECT_TRUE(MatchConditionPattern(">20^<10", "25"));
  EXPECT_TRUE(MatchConditionPattern(">20^<10", "5"));
  EXPECT_FALSE(MatchConditionPattern(">20^<10", "15"));
  // A quoted operand keeps one blank after a character.
  EXPECT_TRUE(MatchConditionPattern(">=\"a b\"", "a b"));
  EXPECT_FALSE(MatchConditionPattern(">=\"a c\"", "a b"));
  // "<" ends its operand at every blank: the operand is just "a".
  EXPECT_TRUE(MatchConditionPattern("<=\"a b\"", "a"));
  EXPECT_FALSE(MatchConditionPattern(">=\"a b\"", "a"));
}

TEST(ParseDateByFormat, FieldsFollowTheShortDateFormat) {
  Format_Settings_Scope scope(European());
  struct Case {
    const char* text;
    bool ok;
    double days;
  } cases[] = {
      {"15/03/2012", true, 40983},
      {"1/1/1900", true, 2},
      {"31/12/1899 12:00", true, 1.5},
      {"30/12/1899 06:30:30", true, (6 * 3600 + 30 * 60 + 30) / 86400.0},
      {"30/02/2012", false, 0},  // no such day
      {"32/01/2012", false, 0},
      {"01/13/2012", false, 0},
      {"15/03", false, 0},
      {"15-03-2012", false, 0},
      {"a/03/2012", false, 0},
      {"15/03/2012 24:00", false, 0},
      {"15/03/2012 10:60", false, 0},
      {"15/03/2012 10:00:60", false, 0},
      {"15/03/2012 10", false, 0},  // a time needs its separator
      {"", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    double value = -1;
    EXPECT_EQ(ParseDateByFormat(c.text, value), c.ok);
    if (c.ok) {
      EXPECT_DOUBLE_EQ(value, c.days);
    }
  }
  Format_Settings ymd = European();
  ymd.Short_Date_Format = "yyyy-mm-dd";
  ymd.Date_Separator = '-';
  Format_Settings_Scope iso(ymd);
  double value = 0;
  ASSERT_TRUE(ParseDateByFormat("2012-03-15", value));
  EXPECT_DOUBLE_EQ(value, 40983);
}

TEST(CompiledFilter, AnswersAsTheDirectMatcherOnRandomExpressions) {
  Format_Settings_Scope scope(European());
  const QString alphabet = "ab1,.2/ <>=!*?\"&|;^()x";
  QRandomGenerator rng(45);
  const auto random_text = [&](int max) {
    QString s;
    const int n = int(rng.bounded(max + 1));
    for (int i = 0; i < n; ++i) s += alphabet[int(rng.bounded(alphabet.size()))];
    return s;
  };
  for (int i = 0; i < 20000; ++i) {
    const QString expression = random_text(12), value = random_text(6);
    const bool cs = rng.bounded(2);
    ASSERT_EQ(TCompiledFilter(expression, cs).Matches(value), MatchFilterExpression(expression, value, cs))
        << expression.toStdString() << " / " << value.toStdString();
  }
}

// The compiled form reads the usual cell shapes (digits only, digits between
// two date separators, texts that cannot start a number) without the full
// reader; every shape must still compare as the direct matcher compares it,
// under every convention, also when the conventions change after compiling.
TEST(CompiledFilter, ComparisonsOfEveryCellShapeAnswerAsTheDirectMatcher) {
  Format_Settings dotted = European();
  dotted.Date_Separator = '.';
  dotted.Thousand_Separator = ' ';
  dotted.Short_Date_Format = "dd.mm.yyyy";
  Format_Settings iso = American();
  iso.Date_Separator = '-';
  iso.Short_Date_Format = "yyyy-mm-dd";
  const Format_Settings conventions[] = {European(), American(), dotted, iso};
  const QStringList values{"0",
                           "007",
                           "123456789012345",
                           "1234567890123456",
                           "15/03/2012",
                           "3/15/2012",
                           "31/02/2012",
                           "15/3/",
                           "1/2/3/4",
                           "15.03.2012",
                           "1.5",
                           ".5",
                           ",5",
                           " ,5",
                           "1 000",
                           "2012-03-15",
                           "-5",
                           "+5",
                           "item 12",
                           "x/1",
                           "",
                           "15/03/2012 10:00",
                           "1e3",
                           "\u00e9t\u00e9",
                           QString(300, 'z')};
  const QStringList expressions{">10",         ">=007", "<20 & >5", ">01/06/2012", ">3/1/2012", "<01.06.2012",
                                ">2012-01-01", ">item", "<1,5",     ">1.5",        "!>10",      ">\"a b\""};
  for (const Format_Settings& settings : conventions) {
    Format_Settings_Scope scope(settings);
    for (const QString& expression : expressions) {
      const TCompiledFilter filter(expression, true);
      for (const QString& value : values)
        ASSERT_EQ(filter.Matches(value), MatchFilterExpression(expression, value, true))
            << expression.toStdString() << " / " << value.left(20).toStdString() << " / date format "
            << settings.Short_Date_Format.toStdString();
    }
  }
  // Day numbers of dates read straight from the cell: month ends, leap days
  // and the ends of the year range, each against its neighbours.
  {
    Format_Settings_Scope scope(European());
    QStringList dates;
    for (int year : {1, 4, 100, 1600, 1899, 1900, 2000, 2023, 2024, 9999, 10000})
      for (int month : {0, 1, 2, 3, 12, 13})
        for (int day : {0, 1, 28, 29, 30, 31, 32}) dates << QStringLiteral("%1/%2/%3").arg(day).arg(month).arg(year);
    for (int i = 0; i < dates.size(); ++i)
      for (int j = std::max(0, i - 3); j < std::min(int(dates.size()), i + 4); ++j)
        for (const QString& expression :
             {QStringLiteral(">=%1&<=%1").arg(dates[j]), QStringLiteral(">%1").arg(dates[j])})
          ASSERT_EQ(TCompiledFilter(expression, true).Matches(dates[i]),
                    MatchFilterExpression(expression, dates[i], true))
              << expression.toStdString() << " / " << dates[i].toStdString();
  }
  // Conventions changed after compiling: cells are read by the ones in
  // force, the operand keeps its first reading (6 January 2012).
  std::unique_ptr<TCompiledFilter> filter;
  {
    Format_Settings_Scope scope(American());
    filter = std::make_unique<TCompiledFilter>(">01/06/2012", true);
  }
  Format_Settings_Scope scope(European());
  EXPECT_FALSE(filter->Matches("02/01/2012"));  // 2 January, no longer 1 February
  EXPECT_TRUE(filter->Matches("07/01/2012"));
}

}  // namespace
