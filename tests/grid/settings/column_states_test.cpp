// The column-states string read and written without a grid.
#include <gtest/gtest.h>

#include "grid/settings/column_states.h"

namespace {

TEST(ColumnStates, ReadsEveryField) {
  const Column_States s = Parse_Column_States(QStringLiteral("4#20,30,10,40#1,2,0,3#1,0,1,1"));
  EXPECT_EQ(s.Count, 4);
  EXPECT_EQ(s.Widths, (std::vector<int>{20, 30, 10, 40}));
  EXPECT_EQ(s.Order, (std::vector<int>{1, 2, 0, 3}));
  EXPECT_EQ(s.Visible, (std::vector<bool>{true, false, true, true}));
  EXPECT_EQ(Format_Column_States(s), QStringLiteral("4#20,30,10,40#1,2,0,3#1,0,1,1"));
}

TEST(ColumnStates, EmptyOrderAndSurplusEntries) {
  const Column_States s = Parse_Column_States(QStringLiteral("2#5,6,7##1,1,0"));
  EXPECT_TRUE(s.Order.empty());
  EXPECT_EQ(s.Widths, (std::vector<int>{5, 6}));
  EXPECT_EQ(s.Visible, (std::vector<bool>{true, true}));
}

TEST(ColumnStates, RefusesBadStrings) {
  const char* bad[] = {
      "3#64,x,100#0,1,2#1,1,1",   // not a number
      "3#1,2,3#0,0,1#1,1,1",      // order repeats a column
      "3#1,2,3#0,1,3#1,1,1",      // order past the columns
      "3#1,2,3#0,-1,2#1,1,1",     // a gap in the order
      "3#1,2#0,1,2#1,1,1",        // too few widths
      "3#1,2,3#0,1#1,1,1",        // too few order entries
      "3#1,2,3#0,1,2#1,1",        // too few visibility entries
      "3#1, 2,3#0,1,2#1,1,1",     // blank inside a number
      "3#$10,2,3#0,1,2#1,1,1",    // hexadecimal
      "3#1,-2,3#0,1,2#1,1,1",     // negative width
      "3#1,99999,3#0,1,2#1,1,1",  // width past the grid's range
      "0####",                    // no columns
      "513#1#0#1",                // more columns than the grid keeps
      "99999999999#1#0#1",        // count past int
      "3#1,2,3#0,1,2",            // three fields
      "#",
  };
  for (const char* text : bad) EXPECT_THROW(Parse_Column_States(QString::fromLatin1(text)), Column_States_Error) << text;
}

TEST(ColumnStates, InverseOrder) {
  EXPECT_EQ(Inverse_Order({1, 2, 0, 3}), (std::vector<int>{2, 0, 1, 3}));
  EXPECT_TRUE(Is_Permutation({}));
  EXPECT_FALSE(Is_Permutation({0, 0}));
}

}  // namespace
