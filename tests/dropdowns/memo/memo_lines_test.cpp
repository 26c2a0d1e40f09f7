#include "dropdowns/memo/memo_lines.h"

#include <gtest/gtest.h>

namespace {

struct Split_Case {
  const char* text;
  QStringList lines;
};

TEST(Memo_Lines, splits_at_every_kind_of_line_break) {
  const Split_Case cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\r\ntwo", {"one", "two"}},
      {"one\ntwo\rthree", {"one", "two", "three"}},
      // A break at the end starts no empty line; an empty line between stays.
      {"one\r\n", {"one"}},
      {"one\r\n\r\ntwo", {"one", "", "two"}},
      {"\r\n", {""}},
  };
  for (const Split_Case& c : cases) EXPECT_EQ(Split_Memo_Lines(QString::fromLatin1(c.text)), c.lines) << c.text;
}

TEST(Memo_Lines, joins_with_cr_lf_and_reads_back_the_same_lines) {
  const QStringList lines{"one", "", "two"};
  EXPECT_EQ(Join_Memo_Lines(lines), QStringLiteral("one\r\n\r\ntwo"));
  EXPECT_EQ(Split_Memo_Lines(Join_Memo_Lines(lines)), lines);
  EXPECT_EQ(Join_Memo_Lines({}), QString());
}

}  // namespace
