#include "dropdowns/multicolumn/multi_column_logic.h"

#include <gtest/gtest.h>

using namespace multi_column;

namespace {

TDropDownItems Cities() {
  TDropDownItems items;
  const char* names[][2] = {{"Berlin", "DE"}, {"Bern", "CH"}, {"Bonn", "DE"}, {"Xanten", "DE"}};
  for (auto& n : names) items.Add().Text = QStringList{QString::fromLatin1(n[0]), QString::fromLatin1(n[1])};
  return items;
}

}  // namespace

TEST(MultiColumnLookup, FindsByPrefixInTheLookupColumn) {
  const TDropDownItems items = Cities();
  QString found;
  int index = -1;
  ASSERT_TRUE(Find_Lookup_Match(items, 0, QStringLiteral("bo"), false, found, index));
  EXPECT_EQ(found, QStringLiteral("Bonn"));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(Find_Lookup_Match(items, 0, QStringLiteral("bo"), true, found, index));
  EXPECT_FALSE(Find_Lookup_Match(items, 0, QString(), false, found, index));
  ASSERT_TRUE(Find_Lookup_Match(items, 1, QStringLiteral("c"), false, found, index));
  EXPECT_EQ(index, 1);
}

TEST(MultiColumnLookup, AnItemWithoutTheLookupLineReadsAsEmpty) {
  TDropDownItems items;
  items.Add().Text = QStringList{QStringLiteral("only one line")};
  items.Add().Text = QStringList{QStringLiteral("x"), QStringLiteral("second")};
  QString found;
  int index = -1;
  ASSERT_TRUE(Find_Lookup_Match(items, 1, QStringLiteral("se"), false, found, index));
  EXPECT_EQ(index, 1);
  EXPECT_EQ(items.IndexInColumn(1, QStringLiteral("second")), 1);
  EXPECT_EQ(items.IndexInColumn(1, QStringLiteral("SECOND")), -1);
  EXPECT_EQ(items.IndexInColumn(-1, QStringLiteral("x")), -1);
}

TEST(MultiColumnSteps, StepsStopAtTheEnds) {
  struct Case {
    Selection_Step step;
    int from, count, to;
  } cases[] = {
      {ssNextPage, 95, 100, 99}, {ssNextPage, 5, 100, 15}, {ssPreviousPage, 5, 100, 0}, {ssPreviousPage, 50, 100, 40},
      {ssNext, -1, 100, 0},      {ssPrevious, -1, 100, 0}, {ssNext, 99, 100, 99},       {ssPrevious, 0, 100, 0},
      {ssFirst, 42, 100, 0},     {ssLast, -1, 100, 99},    {ssNext, 3, 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.step << " from " << c.from);
    EXPECT_EQ(Step_Item(c.step, c.from, c.count), c.to);
  }
}

TEST(MultiColumnSizes, PopupHeightShowsWholeRows) {
  EXPECT_EQ(Whole_Row_Height(200, 0, 25, 22), 181);
  // Header and footer bars stay whole.
  EXPECT_EQ(Whole_Row_Height(200, 40, 25, 22), 40 + 25 + 6 * 22 + 2);
  // A row height below 1 leaves the height alone.
  EXPECT_EQ(Whole_Row_Height(200, 0, 25, 0), 200);
}

TEST(MultiColumnSizes, StretchedColumnsCarryTheirRemainder) {
  EXPECT_EQ(Stretched_Widths({80, 80, 80, 80}, 250), (std::vector<int>{62, 62, 62, 63}));
  EXPECT_EQ(Stretched_Widths({100}, 101), (std::vector<int>{100}));
  EXPECT_TRUE(Stretched_Widths({}, 300).empty());
}

TEST(MultiColumnStyles, OfficeAndCustomStyles) {
  const Style_Colors blue = Style_Colors_Of(tsOffice2010Blue);
  ASSERT_TRUE(blue.Apply);
  EXPECT_EQ(blue.HeaderColor, TColor(0xEDDBCD));
  EXPECT_EQ(blue.HeaderColorTo, clNone);
  EXPECT_EQ(blue.LineColor, TColor(0xEEDDCF));
  EXPECT_EQ(blue.FixedLineColor, TColor(0xEEDDCF));
  EXPECT_EQ(blue.Selection, scCustom);
  EXPECT_EQ(blue.SelectionColor, TColor(0x6CD0FF));
  const Style_Colors xp = Style_Colors_Of(tsWindowsXP);
  EXPECT_EQ(xp.SelectionColor, clHighlight);
  EXPECT_EQ(xp.SelectionTextColor, clHighlightText);
  EXPECT_EQ(Style_Colors_Of(tsOffice2003Silver).HeaderFontColor, clNone);
  EXPECT_FALSE(Style_Colors_Of(tsCustom).Apply);
}
