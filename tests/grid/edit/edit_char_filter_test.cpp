// The in-place text editor's rules for typed characters, pastes and look-up
// completion, by editor type.
#include "grid/edit/edit_char_filter.h"

#include <gtest/gtest.h>

#include "controls/format_settings.h"
#include "grid/edit/edit_line_breaks.h"

using namespace edit_filter;

namespace {

Edit_State Caret(const QString& text, int caret) { return Edit_State{text, caret, 0}; }

struct Char_Case {
  const char* name;
  TEditorType editor;
  Edit_State before;
  QChar ch;
  Char_Action action;
  QString after;  // the text once the character is through
  int limit = 0;
  bool ctrl = false;
  bool single_line = false;  // a password or masked cell
  bool ctrl_enter = false;   // AllowCtrlEnter on a wrapping or multi-line grid
};

class Char_Filter : public ::testing::TestWithParam<Char_Case> {};

TEST_P(Char_Filter, TypedCharacter) {
  const Char_Case& c = GetParam();
  Format_Settings seps;
  seps.Decimal_Separator = QLatin1Char(',');
  seps.Thousand_Separator = QLatin1Char('.');
  Filter_Settings f;
  f.Editor = c.editor;
  f.Length_Limit = c.limit;
  f.Ctrl_Down = c.ctrl;
  f.Decimal_Separator = seps.Decimal_Separator;
  f.Thousand_Separator = seps.Thousand_Separator;
  f.Valid_Chars = QStringLiteral("AB01");
  f.Line_Feed_On_Enter = true;
  f.Single_Line = c.single_line;
  f.Ctrl_Enter_Allowed = c.ctrl_enter;
  Char_Result r;
  const Edit_State out = Type_Char(c.ch, c.before, f, &r);
  EXPECT_EQ(r.Action, c.action);
  EXPECT_EQ(out.Text, c.after);
}

const QChar BS(8);

INSTANTIATE_TEST_SUITE_P(
    ByType, Char_Filter,
    ::testing::Values(
        Char_Case{"numeric_digit", edNumeric, Caret("12", 2), QLatin1Char('3'), Char_Action::Insert, "123"},
        Char_Case{"numeric_leading_minus", edNumeric, Caret("12", 0), QLatin1Char('-'), Char_Action::Insert, "-12"},
        Char_Case{"numeric_minus_at_2_beeps", edNumeric, Caret("12", 2), QLatin1Char('-'), Char_Action::Beep, "12"},
        Char_Case{"numeric_second_minus_beeps", edNumeric, Caret("-12", 0), QLatin1Char('-'), Char_Action::Beep, "-12"},
        Char_Case{"numeric_letter_beeps", edNumeric, Caret("1", 1), QLatin1Char('a'), Char_Action::Beep, "1"},
        Char_Case{"numeric_backspace", edNumeric, Caret("12", 2), BS, Char_Action::Pass, "1"},
        Char_Case{"positive_numeric_minus_beeps", edPositiveNumeric, Caret("", 0), QLatin1Char('-'), Char_Action::Beep,
                  ""},
        Char_Case{"float_decimal", edFloat, Caret("3", 1), QLatin1Char(','), Char_Action::Insert, "3,"},
        Char_Case{"float_thousand_dropped_silently", edFloat, Caret("3", 1), QLatin1Char('.'), Char_Action::Drop, "3"},
        Char_Case{"float_second_decimal_dropped", edFloat, Caret("3,1", 3), QLatin1Char(','), Char_Action::Drop, "3,1"},
        Char_Case{"float_decimal_over_selected_one", edFloat, Edit_State{"3,1", 1, 2}, QLatin1Char(','),
                  Char_Action::Insert, "3,"},
        Char_Case{"float_minus_not_first_beeps", edFloat, Caret("3", 1), QLatin1Char('-'), Char_Action::Beep, "3"},
        Char_Case{"float_letter_dropped_silently", edFloat, Caret("3", 1), QLatin1Char('x'), Char_Action::Drop, "3"},
        Char_Case{"float_letter_with_ctrl_passes", edFloat, Caret("3", 1), QLatin1Char('x'), Char_Action::Pass, "3", 0,
                  true},
        Char_Case{"positive_float_minus_dropped", edPositiveFloat, Caret("3", 0), QLatin1Char('-'), Char_Action::Drop,
                  "3"},
        Char_Case{"capital_upper_cases", edCapital, Caret("a", 1), QLatin1Char('b'), Char_Action::Insert, "aB"},
        Char_Case{"upper_case", edUpperCase, Caret("", 0), QChar(0xE4), Char_Action::Insert, QString(QChar(0xC4))},
        Char_Case{"lower_case", edLowerCase, Caret("", 0), QLatin1Char('Q'), Char_Action::Insert, "q"},
        Char_Case{"mixed_case_recases", edMixedCase, Caret("hello", 5), QLatin1Char(' '), Char_Action::Insert,
                  "Hello "},
        Char_Case{"valid_chars_accepts", edValidChars, Caret("A", 1), QLatin1Char('0'), Char_Action::Insert, "A0"},
        Char_Case{"valid_chars_refuses", edValidChars, Caret("A", 1), QLatin1Char('C'), Char_Action::Beep, "A"},
        Char_Case{"password_any", edPassword, Caret("", 0), QLatin1Char('#'), Char_Action::Insert, "#"},
        Char_Case{"limit_drops_sixth", edNormal, Caret("12345", 5), QLatin1Char('6'), Char_Action::Drop, "12345", 5},
        Char_Case{"limit_keeps_backspace", edNormal, Caret("12345", 5), BS, Char_Action::Pass, "1234", 5},
        Char_Case{"limit_replaces_selection", edNormal, Edit_State{"12345", 0, 5}, QLatin1Char('9'),
                  Char_Action::Insert, "9", 5},
        Char_Case{"other_type_never_types", edSpinEdit, Caret("1", 1), QLatin1Char('2'), Char_Action::Drop, "1"},
        Char_Case{"line_feed_on_enter_breaks_the_line", edNormal, Caret("ab", 1), QChar(13), Char_Action::New_Line,
                  "a\r\nb"},
        Char_Case{"enter_ends_numeric_editing", edNumeric, Caret("1", 1), QChar(13), Char_Action::Pass, "1"},
        Char_Case{"ctrl_a_swallowed", edNormal, Caret("ab", 1), QChar(1), Char_Action::Drop, "ab", 0, true},
        // Line breaks: two characters of cell text against the limit, never
        // in a single-line cell, Ctrl+Enter only where allowed and typing
        // is free.
        Char_Case{"line_break_over_limit_dropped", edNormal, Caret("abcd", 4), QChar(13), Char_Action::Drop, "abcd", 5},
        Char_Case{"line_break_within_limit", edNormal, Caret("abc", 3), QChar(13), Char_Action::New_Line, "abc\r\n", 5},
        Char_Case{"line_break_over_selection_within_limit", edNormal, Edit_State{"abcde", 1, 2}, QChar(13),
                  Char_Action::New_Line, "a\r\nde", 5},
        Char_Case{"single_line_drops_enter_break", edNormal, Caret("ab", 2), QChar(13), Char_Action::Drop, "ab", 0,
                  false, true},
        Char_Case{"ctrl_enter_not_allowed", edNormal, Caret("ab", 2), QChar(10), Char_Action::Drop, "ab", 0, true},
        Char_Case{"ctrl_enter_breaks", edUpperCase, Caret("ab", 1), QChar(10), Char_Action::New_Line, "a\r\nb", 0, true,
                  false, true},
        Char_Case{"ctrl_enter_password_single_line", edPassword, Caret("ab", 2), QChar(10), Char_Action::Drop, "ab", 0,
                  true, true, true},
        Char_Case{"ctrl_enter_numeric_beeps", edNumeric, Caret("12", 2), QChar(10), Char_Action::Beep, "12", 0, true,
                  false, true}),
    [](const ::testing::TestParamInfo<Char_Case>& info) { return std::string(info.param.name); });

struct Paste_Case {
  const char* name;
  TEditorType editor;
  Edit_State before;
  QString clip;
  bool taken;
  Edit_State after;
  int limit = 0;
  bool single_line = false;
};

class Paste_Filter : public ::testing::TestWithParam<Paste_Case> {};

TEST_P(Paste_Filter, PastedText) {
  const Paste_Case& c = GetParam();
  Format_Settings seps;
  seps.Decimal_Separator = QLatin1Char('.');
  seps.Thousand_Separator = QLatin1Char(',');
  Format_Settings_Scope scope(seps);
  Filter_Settings f;
  f.Editor = c.editor;
  f.Length_Limit = c.limit;
  f.Valid_Chars = QStringLiteral("AB");
  f.Single_Line = c.single_line;
  const Paste_Result r = Filter_Paste(c.clip, c.before, f);
  EXPECT_EQ(r.Taken, c.taken);
  EXPECT_EQ(r.State.Text, c.after.Text);
  EXPECT_EQ(r.State.Sel_Start, c.after.Sel_Start);
  EXPECT_EQ(r.State.Sel_Length, c.after.Sel_Length);
}

INSTANTIATE_TEST_SUITE_P(
    ByType, Paste_Filter,
    ::testing::Values(
        Paste_Case{"number_with_line_end", edNumeric, Caret("", 0), "123\r\n", true, Caret("123", 3)},
        Paste_Case{"two_lines_keep_breaks", edNormal, Caret("", 0), "a\r\nb\r\n", true, Caret("a\r\nb\r\n", 6)},
        Paste_Case{"letters_into_numeric_refused", edNumeric, Caret("", 0), "12a", false, Caret("", 0)},
        Paste_Case{"minus_into_positive_refused", edPositiveNumeric, Caret("", 0), "-5", false, Caret("", 0)},
        Paste_Case{"decimal_into_float", edFloat, Caret("", 0), "-3.25", true, Caret("-3.25", 5)},
        Paste_Case{"decimal_into_numeric_refused", edNumeric, Caret("", 0), "3.25", false, Caret("", 0)},
        Paste_Case{"into_selection_stays_selected", edNormal, Edit_State{"abcd", 1, 2}, "XY", true,
                   Edit_State{"aXYd", 1, 2}},
        Paste_Case{"at_caret", edNumeric, Caret("19", 1), "23", true, Caret("1239", 3)},
        Paste_Case{"result_over_limit_refused", edNormal, Caret("1234", 4), "56", false, Caret("1234", 4), 5},
        Paste_Case{"clip_over_limit_refused", edNormal, Caret("", 0), "123456", false, Caret("", 0), 5},
        Paste_Case{"upper_cased", edUpperCase, Caret("", 0), "abc", true, Caret("ABC", 3)},
        Paste_Case{"valid_chars_refused", edValidChars, Caret("", 0), "ABC", false, Caret("", 0)},
        Paste_Case{"multi_line_keeps_breaks_at_caret", edNormal, Caret("xy", 1), "1\r\n2", true, Caret("x1\r\n2y", 5)},
        Paste_Case{"breaks_count_against_limit", edNormal, Caret("", 0), "ab\r\ncd", false, Caret("", 0), 5},
        Paste_Case{"single_line_takes_first_line", edNormal, Caret("", 0), "a\r\nb\r\n", true, Caret("a", 1), 0, true},
        Paste_Case{"single_line_trailing_break", edPassword, Caret("", 0), "pw\r\n", true, Caret("pw", 2), 0, true}),
    [](const ::testing::TestParamInfo<Paste_Case>& info) { return std::string(info.param.name); });

TEST(LookupComplete, CompletesFromFirstMatchingItemAndSelectsTheTail) {
  const QStringList items{QStringLiteral("banana"), QStringLiteral("apple"), QStringLiteral("apricot")};
  Edit_State out;
  ASSERT_TRUE(Lookup_Complete(Caret("ap", 2), items, false, out));
  EXPECT_EQ(out.Text, QStringLiteral("apple"));
  EXPECT_EQ(out.Sel_Start, 2);
  EXPECT_EQ(out.Sel_Length, 3);
  // Case-blind by default: the typed case stays, the item's tail follows.
  ASSERT_TRUE(Lookup_Complete(Caret("APR", 3), items, false, out));
  EXPECT_EQ(out.Text, QStringLiteral("APRicot"));
  EXPECT_FALSE(Lookup_Complete(Caret("APR", 3), items, true, out));
  EXPECT_FALSE(Lookup_Complete(Caret("x", 1), items, false, out));
  EXPECT_FALSE(Lookup_Complete(Caret("", 0), items, false, out));
  EXPECT_FALSE(Lookup_Complete(Edit_State{"apple", 2, 3}, items, false, out));
}

TEST(LookupComplete, AddsAtMost255Characters) {
  const QStringList items{QStringLiteral("a") + QString(400, QLatin1Char('b'))};
  Edit_State out;
  ASSERT_TRUE(Lookup_Complete(Caret("a", 1), items, false, out));
  EXPECT_EQ(out.Text.size(), 256);
}

TEST(EditorTypes, TextEditorTypesAreExactlyTheListedOnes) {
  std::vector<int> text_types;
  for (int t = edNormal; t <= edMaskEditBtn; ++t)
    if (Is_Text_Editor(TEditorType(t))) text_types.push_back(t);
  EXPECT_EQ(text_types, (std::vector<int>{0, 11, 12, 13, 14, 15, 16, 18, 19, 29, 39}));
}

}  // namespace

#include "grid/edit/edit_mask.h"

namespace {

struct Mask_Case {
  const char* name;
  const char* mask;
  const char* input_mask;
};

class Mask_Translation : public ::testing::TestWithParam<Mask_Case> {};

TEST_P(Mask_Translation, StoredMaskBecomesInputMask) {
  const Mask_Case& c = GetParam();
  EXPECT_EQ(edit_mask::Input_Mask(QString::fromUtf8(c.mask), QLatin1Char('.'), QLatin1Char('-')),
            QString::fromUtf8(c.input_mask));
}

INSTANTIATE_TEST_SUITE_P(Masks, Mask_Translation,
                         ::testing::Values(Mask_Case{"empty", "", ""}, Mask_Case{"digits", "0099", "9900;_"},
                                           Mask_Case{"time_with_blank", "!90:00;1;*", "09.99;*"},
                                           Mask_Case{"date_separator", "00/00/0000;1;_", "99-99-9999;_"},
                                           Mask_Case{"letters_and_case", ">LL<ll<>Aa", ">AA<aa!Nn;_"},
                                           Mask_Case{"any_and_sign", "#Cc", "#Xx;_"},
                                           Mask_Case{"literals_escaped", "\\0NH-x", "\\0\\N\\H-\\x;_"},
                                           Mask_Case{"blank_literal", "0_0", "9 9;_"}),
                         [](const ::testing::TestParamInfo<Mask_Case>& info) { return std::string(info.param.name); });

}  // namespace

struct Break_Case {
  const char* name;
  QString cell;     // as stored
  QString control;  // as the multi-line control holds it
  QString back;     // the control's text stored again
};

class Line_Breaks : public ::testing::TestWithParam<Break_Case> {};

TEST_P(Line_Breaks, CellAndControlTexts) {
  const Break_Case& c = GetParam();
  EXPECT_EQ(To_Control_Lines(c.cell), c.control);
  EXPECT_EQ(To_Cell_Lines(c.control), c.back);
  EXPECT_EQ(Has_Line_Break(c.cell), std::string(c.name) != "none");
}

INSTANTIATE_TEST_SUITE_P(Texts, Line_Breaks,
                         ::testing::Values(Break_Case{"none", "abc", "abc", "abc"},
                                           Break_Case{"cr_lf", "a\r\nb", "a\nb", "a\r\nb"},
                                           Break_Case{"lone_lf", "a\nb", "a\nb", "a\r\nb"},
                                           Break_Case{"lone_cr", "a\rb", "a\nb", "a\r\nb"},
                                           Break_Case{"blank_lines", "\r\n\r\nx\r\n", "\n\nx\n", "\r\n\r\nx\r\n"}),
                         [](const ::testing::TestParamInfo<Break_Case>& info) { return std::string(info.param.name); });

TEST(LineBreaks, PositionsMapBothWays) {
  const QString cell = QStringLiteral("ab\r\ncd\r\n");
  const QString control = To_Control_Lines(cell);
  // control "ab\ncd\n": each position there and its place in the cell text
  const int expected[] = {0, 1, 2, 4, 5, 6, 8};
  for (int pos = 0; pos <= control.size(); ++pos) {
    EXPECT_EQ(Cell_Position(control, pos), expected[pos]) << pos;
    EXPECT_EQ(Control_Position(cell, expected[pos]), pos) << pos;
  }
  // Between CR and LF counts as the start of the break; out of range is
  // clamped.
  EXPECT_EQ(Control_Position(cell, 3), 2);
  EXPECT_EQ(Control_Position(cell, 99), 6);
  EXPECT_EQ(Cell_Position(control, -1), 0);
  EXPECT_EQ(First_Line(QStringLiteral("one\ntwo")), QStringLiteral("one"));
  EXPECT_EQ(First_Line(QStringLiteral("one\r\ntwo")), QStringLiteral("one"));
  EXPECT_EQ(First_Line(QStringLiteral("one")), QStringLiteral("one"));
}
