#include "dropdowns/griddropdown/grid_drop_down_logic.h"

#include <gtest/gtest.h>

using namespace grid_drop_down;

TEST(GridDropDownLogic, PopupHeightShowsWholeRows) {
  // 25 header + 2 + 7 rows of 22 + 4.
  EXPECT_EQ(Whole_Row_Height(200, 0, 25, 22), 185);
  // The bars count above the rows.
  EXPECT_EQ(Whole_Row_Height(230, 30, 25, 22), 215);
  // No sensible row height: the height stays (no division by zero).
  EXPECT_EQ(Whole_Row_Height(200, 0, 25, 0), 200);
  EXPECT_EQ(Whole_Row_Height(200, 0, 25, -3), 200);
}

TEST(GridDropDownLogic, ColumnsStretchWithCarriedRemainder) {
  EXPECT_EQ(Stretched_Widths({80, 80, 80}, 300), (std::vector<int>{100, 100, 100}));
  // Factor 75 / 61: each width 12.295; the carry passes 1 at the fourth
  // column, which gets the pixel.
  EXPECT_EQ(Stretched_Widths({10, 10, 10, 10, 10, 10}, 75), (std::vector<int>{12, 12, 12, 13, 12, 12}));
  EXPECT_TRUE(Stretched_Widths({}, 300).empty());
}

TEST(GridDropDownLogic, Steps) {
  struct Case {
    Selection_Step Step;
    int Index, Count, Want;
  };
  const Case cases[] = {
      {ssFirst, 5, 20, 0},       {ssLast, 5, 20, 19},         {ssNext, -1, 20, 0},      {ssNext, 19, 20, 19},
      {ssNext, 3, 20, 4},        {ssPrevious, -1, 20, 0},     {ssPrevious, 0, 20, 0},   {ssPrevious, 3, 20, 2},
      {ssNextPage, -1, 20, 0},   {ssNextPage, 3, 20, 13},     {ssNextPage, 12, 20, 19}, {ssPreviousPage, 15, 20, 5},
      {ssPreviousPage, 7, 20, 0}, {ssPreviousPage, -1, 20, 0}, {ssNext, 0, 0, -1},
      // A row index left over from a longer list steps from the last row.
      {ssNext, 30, 20, 19},      {ssPrevious, 30, 20, 18},    {ssNextPage, 30, 20, 19},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Step_Item(c.Step, c.Index, c.Count), c.Want) << int(c.Step) << " from " << c.Index;
}

TEST(GridDropDownLogic, PrefixLookup) {
  const QStringList texts{"abc", "ABD", "xyz", ""};
  EXPECT_EQ(Find_Prefix(texts, "AB", false), 0);
  EXPECT_EQ(Find_Prefix(texts, "AB", true), 1);
  EXPECT_EQ(Find_Prefix(texts, "x", false), 2);
  EXPECT_EQ(Find_Prefix(texts, "q", false), -1);
  // An empty text matches nothing, not even the empty entry.
  EXPECT_EQ(Find_Prefix(texts, "", false), -1);
}

TEST(GridDropDownLogic, StyleColours) {
  const Style_Colors blue = Style_Colors_Of(tsOffice2003Blue);
  EXPECT_TRUE(blue.Apply);
  EXPECT_EQ(blue.HeaderColor, TColor(0xD68759));
  EXPECT_EQ(blue.HeaderFontColor, TColor(0xFFFFFF));
  EXPECT_EQ(blue.Selection, scOffice2007);
  EXPECT_EQ(blue.LineColor, TColor(0x962D00));
  const Style_Colors xp = Style_Colors_Of(tsWindowsXP);
  EXPECT_EQ(xp.Selection, scCustom);
  EXPECT_EQ(xp.LineColor, TColor(0xC0C0C0));
  EXPECT_EQ(xp.FixedLineColor, TColor(0x000000));
  EXPECT_EQ(xp.SelectionColor, clHighlight);
  // These styles leave the drop-down's colours alone.
  for (TDUDStyle s : {tsCustom, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black})
    EXPECT_FALSE(Style_Colors_Of(s).Apply) << int(s);
  const Selection_Colors vista = Selection_Colors_Of(scWindowsVista);
  EXPECT_EQ(vista.LineColor, TColor(0xECECF0));
  EXPECT_EQ(vista.SelectionColor, TColor(0xEACAB6));
  EXPECT_FALSE(Selection_Colors_Of(scCustom).Apply);
}
