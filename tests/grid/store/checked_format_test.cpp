// The checked integer formatter: what it writes, and the formats it refuses
// instead of reading arguments it was not given.
#include "grid/store/checked_format.h"

#include <gtest/gtest.h>

#include <climits>

TEST(CheckedFormat, Writes) {
  const struct {
    const char* Format;
    const char* Result;
  } cases[] = {
      {"%d-%d", "3-7"},
      {"R%dC%d", "R3C7"},
      {"%d", "3"},  // arguments left over are ignored
      {"100%% %d", "100% 3"},
      {"%4d|%-4d|", "   3|7   |"},
      {"%.3d", "003"},
      {"%1:d %0:d %d", "7 3 7"},
      {"%*d", "  7"},  // the width from the first argument
      {"%x %X", "3 7"},
      {"%D/%U", "3/7"},
      {"no conversion", "no conversion"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Format_Integers(QString::fromUtf8(c.Format), {3, 7}).toStdString(), c.Result) << c.Format;
  EXPECT_EQ(Format_Integers("%d", {-42}), "-42");
  EXPECT_EQ(Format_Integers("%.4d", {-42}), "-0042");
  EXPECT_EQ(Format_Integers("%d", {LLONG_MIN}), QString::number(LLONG_MIN));
  EXPECT_EQ(Format_Integers("%u %x", {-1, 255}), "4294967295 FF");
}

TEST(CheckedFormat, Refuses) {
  for (const char* format :
       {"%s", "%d-%s", "%f", "%d %d %d", "%5:d", "%", "%-", "%.", "%99999d", "%.99999d", "%q", "%2147483648:d"})
    EXPECT_THROW(Format_Integers(QString::fromUtf8(format), {3, 7}), EConvertError) << format;
  try {
    Format_Integers("%s", {1, 2});
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Format '%s' invalid or incompatible with argument");
  }
}
