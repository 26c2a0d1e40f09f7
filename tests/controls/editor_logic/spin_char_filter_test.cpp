// The spin edit's typed-character rules, one row per case.
#include "controls/editor_logic/spin_char_filter.h"

#include <gtest/gtest.h>

namespace {

struct Row {
  const char* what;
  char16_t key;
  TZsgSpinType type;
  const char* text;
  int sel_start;
  const char* sel_text;
  int precision;
  bool editor_enabled;
  bool expected;
};

}  // namespace

TEST(SpinCharFilter, AcceptsWhatAValueOfItsKindCanHold) {
  const Row rows[] = {
      {"digit", u'5', sptNormal, "12", 2, "", 0, true, true},
      {"letter", u'a', sptNormal, "12", 2, "", 0, true, false},
      {"plus alone", u'+', sptFloat, "12", 0, "", 0, true, false},
      {"backspace", u'\b', sptNormal, "12", 2, "", 0, true, true},
      {"backspace, typing off", u'\b', sptNormal, "12", 2, "", 0, false, false},
      {"enter never passes", u'\r', sptFloat, "12", 2, "", 0, true, false},
      {"Ctrl+C in an integer edit", u'\x03', sptNormal, "12", 2, "", 0, true, false},
      {"Ctrl+C in a float edit", u'\x03', sptFloat, "12", 2, "", 0, true, true},
      {"minus at the start", u'-', sptNormal, "12", 0, "", 0, true, true},
      {"minus not at the start", u'-', sptNormal, "12", 1, "", 0, true, false},
      {"second minus", u'-', sptNormal, "-12", 0, "", 0, true, false},
      {"minus over the selected minus", u'-', sptNormal, "-12", 0, "-1", 0, true, true},
      {"decimal in an integer edit", u'.', sptNormal, "12", 2, "", 0, true, false},
      {"decimal in a float edit", u'.', sptFloat, "12", 2, "", 0, true, true},
      {"second decimal", u'.', sptFloat, "1.2", 3, "", 0, true, false},
      {"decimal over the selected one", u'.', sptFloat, "1.2", 1, ".", 0, true, true},
      {"thousand separator in a float", u',', sptFloat, "12", 2, "", 0, true, false},
      {"decimals below precision", u'4', sptFloat, "3.1", 3, "", 2, true, true},
      {"a third decimal", u'5', sptFloat, "3.14", 4, "", 2, true, false},
      {"a digit before the separator", u'5', sptFloat, "3.14", 0, "", 2, true, true},
      {"a third decimal over a selection", u'5', sptFloat, "3.14", 3, "4", 2, true, true},
      {"time separator in a date edit", u':', sptDate, "1.1", 3, "", 0, true, false},
      {"date separator in a time edit", u'/', sptTime, "1:1", 3, "", 0, true, false},
      {"date separator in a date edit", u'/', sptDate, "1", 1, "", 0, true, true},
      {"second time separator", u':', sptTime, "1:1", 3, "", 0, true, true},
      {"third time separator", u':', sptTime, "1:1:1", 5, "", 0, true, false},
      {"digit, typing off", u'5', sptFloat, "12", 2, "", 0, false, false},
      {"escape, typing off", u'\x1b', sptFloat, "12", 2, "", 0, false, true},
      {"a number that is not ASCII", u'\u0665', sptNormal, "1", 1, "", 0, true, true},
  };
  const Format_Settings s;  // '.' decimal, ',' thousands, '/' dates, ':' times
  for (const Row& row : rows) {
    Spin_Char_Input in;
    in.Key = QChar(row.key);
    in.SpinType = row.type;
    in.Text = QString::fromLatin1(row.text);
    in.SelStart = row.sel_start;
    in.SelText = QString::fromLatin1(row.sel_text);
    in.Precision = row.precision;
    in.EditorEnabled = row.editor_enabled;
    EXPECT_EQ(Spin_Is_Valid_Char(in, s), row.expected) << row.what;
  }
}

TEST(SpinCharFilter, ASeparatorThatDoublesAsANumberCharacterPassesInNumbers) {
  // Times separated by '.', as some locales write them, while '.' is also the decimal separator.
  Format_Settings s;
  s.Time_Separator = QLatin1Char('.');
  Spin_Char_Input in;
  in.Key = QLatin1Char('.');
  in.SpinType = sptFloat;
  in.Text = QStringLiteral("3");
  in.SelStart = 1;
  EXPECT_TRUE(Spin_Is_Valid_Char(in, s));
  in.SpinType = sptDate;
  EXPECT_FALSE(Spin_Is_Valid_Char(in, s));
}
