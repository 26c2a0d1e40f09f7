#include "grid/store/text_helpers.h"

#include <gtest/gtest.h>

#include "controls/format_settings.h"

using namespace grid_text;

namespace {

QString Chars(std::initializer_list<ushort> units) {
  QString s;
  for (ushort u : units) s += QChar(u);
  return s;
}

Format_Settings Separators(QChar decimal, QChar thousand) {
  Format_Settings settings;
  settings.Decimal_Separator = decimal;
  settings.Thousand_Separator = thousand;
  return settings;
}

TEST(LineCodings, PackAndUnpackFollowTheStoredForm) {
  const QString packed = PackLineBreaks("a\r\nb\tc");
  EXPECT_EQ(packed, Chars({'a', 9, 8, 'b', 9, 'c'}));
  // The TAB beside a line break comes back as a CR: the coding is lossy there.
  EXPECT_EQ(UnpackLineBreaks(packed, true), QString("a\r\nb\rc"));
  EXPECT_EQ(UnpackLineBreaks(packed, false), QString("a"));
  // No line break: stored unchanged, TAB and #1 included.
  EXPECT_EQ(PackLineBreaks(Chars({'a', 'b', 9, 1})), Chars({'a', 'b', 9, 1}));
  // A bare LF is coded too, so that it cannot split a stored line.
  EXPECT_EQ(PackLineBreaks("a\nb"), Chars({'a', 8, 'b'}));
  EXPECT_EQ(UnpackLineBreaks(PackLineBreaks("a\nb"), true), QString("a\nb"));
  // Beside a TAB it stays: the TAB would come back as a CR.
  EXPECT_EQ(PackLineBreaks("\n\t"), QString("\n\t"));
  EXPECT_EQ(PackLineBreaks("a\tb"), QString("a\tb"));
  EXPECT_EQ(UnpackLineBreaks("a\tb", true), QString("a\tb"));
  // A lone CR is stored as #9 and, without #8, comes back as a TAB.
  EXPECT_EQ(UnpackLineBreaks(PackLineBreaks("a\rb"), true), QString("a\tb"));
  // #0 travels as #1.
  EXPECT_EQ(PackLineBreaks(Chars({'\r', '\n', 0})), Chars({9, 8, 1}));
  EXPECT_EQ(UnpackLineBreaks(Chars({9, 8, 1}), true), Chars({'\r', '\n', 0}));
}

TEST(LineCodings, OtherCodingsTable) {
  struct Row {
    QString (*f)(const QString&);
    QString in, out;
  };
  const Row rows[] = {
      {QuoteMultiLineText, "a\r\nb", QString("\"a") + QChar(11) + "b\""},
      {RestoreMultiLineText, QString("a") + QChar(11) + "b", "a\r\nb"},
      {RestoreMultiLineText, "\"a\"", "\"a\""},
      {LineBreaksToTilde, "a\r\nb", "a~b"},
      {TildeToLineBreaks, "a~b", "a\r\nb"},
      {TildeToLineBreaks, "^", ""},
      {TildeToLineBreaks, "^^", "^^"},
      {EscapeLineBreaks, "a\r\nb", "a\\nb"},
      {UnescapeLineBreaks, "a\\nb", "a\rb"},
      {LineBreaksToHtml, "a\r\nb", "a<br>\nb"},
      {LineBreaksToHtml, "a\nb", "a\nb"},
      {RemoveCrFromCrLf, "a\r\nb\rc", "a\nb\rc"},
      {RemoveCarriageReturns, "a\r\nb\r", "a\nb"},
      {CrToLf, "a\rb", "a\nb"},
      {QuoteDoubling, "say \"x\"", "say \"\"x\"\""},
  };
  for (const Row& row : rows) EXPECT_EQ(row.f(row.in), row.out) << row.in.toStdString();
}

TEST(LineCodings, ExtractFirstLineAndCount) {
  QString text = "one\r\ntwo\r\nthree";
  QString first;
  ExtractFirstLine(text, true, first);
  EXPECT_EQ(first, "one");
  EXPECT_EQ(text, "two\r\nthree");
  ExtractFirstLine(text, false, first);
  EXPECT_EQ(first, "two");
  EXPECT_TRUE(text.isEmpty());
  text = "single";
  ExtractFirstLine(text, true, first);
  EXPECT_EQ(first, "single");
  EXPECT_TRUE(text.isEmpty());
  EXPECT_EQ(CountTextLines("a\rb\rc", true), 3);
  EXPECT_EQ(CountTextLines("a\rb\rc", false), 1);
}

TEST(WideText, EncodesTwoBytesPerUnitAndRoundTrips) {
  EXPECT_EQ(EncodeWideCellText("A"), Chars({'|', '\\', 0, 'A'}));
  EXPECT_EQ(DecodeWideCellText(Chars({'|', '\\', 0, 'A'})), "A");
  const QString wide = QString::fromUtf8("\xe2\x82\xac x\xc3\xa9");
  EXPECT_EQ(DecodeWideCellText(EncodeWideCellText(wide)), wide);
  EXPECT_EQ(DecodeWideCellText("plain"), "plain");
  // A trailing odd character is ignored.
  EXPECT_EQ(DecodeWideCellText(Chars({'|', '\\', 0, 'A', 0})), "A");
}

TEST(CellTextKind, Table) {
  struct Row {
    QString text;
    bool html;
    int kind;
  };
  const Row rows[] = {
      {"", true, 0},
      {"=1+2", false, 3},
      {EncodeWideCellText("=1"), false, 3},
      {EncodeWideCellText("x1"), false, 5},
      {"|\\", false, 5},
      {"{\\rtf1 x}", false, 2},
      {"a<br>b", true, 0},
      {"<B>x</B>", true, 1},
      {"<B>x</B>", false, 0},
      {"<b>x</b>", true, 1},
      {"<i>x", true, 0},
  };
  for (const Row& row : rows) EXPECT_EQ(CellTextKind(row.text, row.html), row.kind) << row.text.toStdString();
}

TEST(CsvHelpers, PairedCharacters) {
  EXPECT_EQ(UnDoubleChar('"', "a\"\"b\"\"\"c"), "a\"b\"\"c");
  EXPECT_EQ(UnDoubleChar('"', "abc"), "abc");
  int pos = -5;
  EXPECT_EQ(FindUnpairedChar('"', "ab\"\"c\",d", pos), 6);
  EXPECT_EQ(FindUnpairedChar('"', "abc\"", pos), 4);
  EXPECT_EQ(FindUnpairedChar('"', "abc", pos), 0);
  EXPECT_EQ(FindUnpairedChar('"', "", pos), 0);
  EXPECT_EQ(CountUnpairedChars('"', "a\"b\"c"), 2);
  EXPECT_EQ(CountUnpairedChars('"', "\"\"\"\""), 1);
  EXPECT_EQ(FindFirstOfOutsideQuotes({',', ';'}, "\"a,b\";c", pos), QChar(';'));
  EXPECT_EQ(pos, 6);
  EXPECT_EQ(FindFirstOfOutsideQuotes({','}, "\"a,b\"", pos), QChar(0));
  EXPECT_EQ(pos, -1);
}

TEST(NumberText, ClassifyWithCommaThousandsAndPointDecimal) {
  Format_Settings_Scope scope(Separators('.', ','));
  struct Row {
    const char* text;
    int kind;
  };
  const Row rows[] = {{"123", 0}, {"-12", 0},   {"1,234.5", 1}, {"1,23,4", 2}, {"1,234,567", 1},
                      {"1e5", 5}, {"1e-5", 5},  {"-1e-5", 5},   {"e5", 2},     {"1e", 2},
                      {"--1", 2}, {"1.2.3", 2}, {"", 2},        {"12a", 2},    {"1e5e3", 2}};
  for (const Row& row : rows) EXPECT_EQ(ClassifyNumberText(row.text), row.kind) << row.text;
}

TEST(NumberText, NormalizeUnderEitherConvention) {
  {
    Format_Settings_Scope scope(Separators(',', '.'));
    EXPECT_EQ(NormalizeNumberText("(1.234,5 EUR)"), "-1234.5");
    EXPECT_EQ(NormalizeNumberText("$ 12,5"), "12.5");
    // A leading letter e counts as part of a number, as in an exponent.
    EXPECT_EQ(NormalizeNumberText("EUR 12,5"), "E");
    EXPECT_EQ(ToConversionNumberText("1.234,5"), "1234.5");
  }
  Format_Settings_Scope scope(Separators('.', ','));
  EXPECT_EQ(NormalizeNumberText("-$1,000.25"), "-1000.25");
  EXPECT_EQ(NormalizeNumberText(""), "");
  EXPECT_EQ(NormalizeNumberText("12 kg"), "12");
}

TEST(Dates, ParseWithWindowedAndWrittenYears) {
  EXPECT_EQ(ParseDateDMY("31/12/99"), EncodeDate(1999, 12, 31));
  EXPECT_EQ(ParseDateDMY("31/12/2012"), EncodeDate(2012, 12, 31));
  EXPECT_EQ(ParseDateDMY("31/02/99"), 0);
  EXPECT_EQ(ParseDateMDY("1-2-25"), EncodeDate(2025, 1, 2));
  EXPECT_EQ(ParseDateMDY("1-2-26"), EncodeDate(1926, 1, 2));
  EXPECT_EQ(ParseDateDMY("1.2.3"), EncodeDate(2003, 2, 1));
  EXPECT_EQ(ParseDateDMY("12/2012"), 0);
  EXPECT_EQ(ParseDateDMY("20121231"), 0);
  EXPECT_EQ(ParseDateDMY("a/b/c"), 0);
  EXPECT_EQ(ParseDateDMY("-1/12/99"), 0);
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
}

TEST(Dates, AddToDateShiftsAndNormalises) {
  const TDateTime jan31 = EncodeDate(2020, 1, 31);
  EXPECT_EQ(AddToDate(0, 0, 3, 0, jan31), EncodeDate(2020, 2, 3));
  EXPECT_EQ(AddToDate(1, 0, 0, 0, jan31), EncodeDate(2021, 1, 31));
  EXPECT_EQ(AddToDate(0, -1, 0, 0, EncodeDate(2020, 1, 15)), EncodeDate(2019, 12, 15));
  EXPECT_EQ(AddToDate(0, 11, 0, 0, EncodeDate(2020, 3, 15)), EncodeDate(2021, 2, 15));
  EXPECT_EQ(AddToDate(0, 25, 0, 0, EncodeDate(2020, 3, 15)), EncodeDate(2022, 4, 15));
  EXPECT_EQ(AddToDate(0, -14, 0, 0, EncodeDate(2020, 3, 15)), EncodeDate(2019, 1, 15));
  EXPECT_EQ(AddToDate(0, 1, 0, 0, jan31), 0);  // 31 February does not exist
  EXPECT_EQ(AddToDate(1, 1, 0, 7.5, jan31), jan31 + 7.5);
}

TEST(Dates, LooksLikeDateUsesTheDateSeparator) {
  Format_Settings settings;
  settings.Date_Separator = '.';
  Format_Settings_Scope scope(settings);
  EXPECT_TRUE(LooksLikeDate("1.2.2020"));
  EXPECT_FALSE(LooksLikeDate(".1.2"));
  EXPECT_FALSE(LooksLikeDate("1..2"));
  EXPECT_FALSE(LooksLikeDate("1/2/2020"));
}

TEST(SmallHelpers, Table) {
  EXPECT_EQ(MixedCaseText("john mcdonald iii"), "John McDonald III");
  EXPECT_EQ(MixedCaseText("ANNE-MARIE o'neil"), "Anne-Marie O'Neil");
  QPoint p(7, 7);
  EXPECT_TRUE(ParseCellReference("r12c3", p));
  EXPECT_EQ(p, QPoint(3, 12));
  p = QPoint(7, 7);
  EXPECT_FALSE(ParseCellReference("RxC3", p));
  EXPECT_FALSE(ParseCellReference("R1C", p));
  EXPECT_EQ(p, QPoint(7, 7));
  EXPECT_TRUE(IsUrlText("see http://x"));
  EXPECT_TRUE(IsUrlText("mailto:a@b"));
  QString url = "https://host/x";
  StripUrlProtocol(url);
  EXPECT_EQ(url, "host/x");
  url = "mailto:a@b";
  StripUrlProtocol(url);
  EXPECT_EQ(url, "a@b");
  QString text = "key=value=x";
  EXPECT_EQ(CutAtSeparator(text, "="), "key");
  EXPECT_EQ(text, "value=x");
  text = "novalue";
  EXPECT_EQ(CutAtSeparator(text, "="), "");
  EXPECT_EQ(text, "novalue");
  EXPECT_EQ(CharPos('b', "abc"), 2);
  EXPECT_EQ(CharPos('z', "abc"), 0);
  EXPECT_EQ(UpperCasePos("BC", "abc"), 2);
  EXPECT_EQ(CountChar('a', "banana"), 3);
  text = "abc";
  FillTextWithChar(text, '*');
  EXPECT_EQ(text, "***");
  EXPECT_EQ(ClampToLimits(50, 10, 40), 40);
  EXPECT_EQ(ClampToLimits(5, 10, 40), 10);
  EXPECT_EQ(ClampToLimits(50, 0, 0), 50);
  EXPECT_EQ(ClampToLimits(50, 10, 0), 50);
  EXPECT_TRUE(CellInGridRect(QRect(QPoint(1, 1), QPoint(3, 2)), 3, 2));
  EXPECT_FALSE(CellInGridRect(QRect(QPoint(1, 1), QPoint(3, 2)), 4, 2));
}

}  // namespace
