#include "dropdowns/calculator/calculator_core.h"

#include <gtest/gtest.h>

#include <string>

#include "dropdowns/base/drop_down_value.h"
#include "dropdowns/calculator/keypad_layout.h"

namespace {

// The edit as the calculator sees it, kept by the value model: a float (or
// money) value text re-formatted with two decimals on every write.
class Model_Display : public Calculator_Display {
 public:
  explicit Model_Display(TDropDownEditType Type = etFloat) {
    settings.EditType = Type;
    settings.Precision = 2;
    Write_Display(QString());
  }
  QString Display() const override { return text; }
  void Write_Display(const QString& Value) override {
    text = Value_To_Write(settings, Value);
    modified = false;
  }
  double Display_Value() const override { return Float_Value(settings, text); }
  void Show(double Value) override {
    Write_Display(Float_Text(settings, Value));
    if (settings.EditType == etMoney) {
      Edit_State s;
      s.Text = text;
      Regroup_Money(settings, s);
      text = s.Text;
    }
    modified = true;
  }
  int Max_Length() const override { return max_length; }
  void Set_Modified() override { modified = true; }

  Drop_Down_Value_Settings settings;
  QString text;
  int max_length = 0;
  bool modified = false;
};

// Presses keys by their captions, as on the keypad ("7", "+", "sqrt").
void Press(Calculator_Core& Calc, const std::string& Keys) {
  size_t at = 0;
  while (at < Keys.size()) {
    size_t end = Keys.find(' ', at);
    if (end == std::string::npos) end = Keys.size();
    const std::string caption = Keys.substr(at, end - at);
    at = end + 1;
    if (caption.empty()) continue;
    bool found = false;
    for (const Calculator_Key& k : kCalculatorKeys) {
      if (caption == k.Caption || (caption == "blank" && k.Tag == 30)) {
        Calc.Key(k.Tag);
        found = true;
        break;
      }
    }
    ASSERT_TRUE(found) << caption;
  }
}

struct Sequence_Case {
  const char* keys;
  const char* display;
};

// Keys from a fresh calculator and what the display shows afterwards.
TEST(Calculator_Core, key_sequences_show_their_results) {
  const Sequence_Case cases[] = {
      {"", "0.00"},
      {"2 + 3 * 4 =", "20.00"},  // left to right, no precedence
      {"1 0 - 4 =", "6.00"},
      {"1 0 - 4 = =", "6.00"},  // a second "=" repeats nothing
      {"2 0 0 + 1 0 %", "20.00"},
      {"2 0 0 + 1 0 % =", "220.00"},
      {"5 / 0 =", "Error"},
      {"5 / 0 = 7", "7.00"},
      {"5 / 0 = +", "0.00"},  // the next operator reads "Error" as 0
      {"9 sqrt", "3.00"},
      {"4 +/- sqrt", "Error"},
      {"0 1/x", "Error"},
      {"4 1/x", "0.25"},
      {"1 . 5", "1.50"},
      {"1 . 5 7 9", "1.58"},  // finer digits are rounded into the display and lost
      {"1 2 . 5 Back", "12.00"},
      {"5 Back", "0.00"},
      {"1 2 + Back", "12.00"},  // nothing while an operation is pending
      {"1 . 5 CE 7", "7.00"},
      {"5 +/- 3", "-53.00"},
      {"5 +/- +/-", "5.00"},
      {"1 2 MS C MR", "12.00"},
      {"1 2 MS M+ C MR", "24.00"},
      {"1 2 MS MC MR", "0.00"},
      {"9 sqrt 1", "31.00"},  // a digit after sqrt extends the shown value
      {"6 C", "0.00"},
      {"6 blank 2", "2.00"},
  };
  for (const Sequence_Case& c : cases) {
    Model_Display d;
    Calculator_Core calc(d);
    Press(calc, c.keys);
    EXPECT_EQ(d.text, QString::fromLatin1(c.display)) << c.keys;
  }
}

TEST(Calculator_Core, clear_keys_forget_the_accumulator_and_the_pending_operation) {
  for (const char* clear : {"C", "CE", "blank"}) {
    Model_Display d;
    Calculator_Core calc(d);
    Press(calc, std::string("8 + 2 ") + clear);
    EXPECT_EQ(calc.FPrevval, 0) << clear;
    EXPECT_EQ(calc.FPrevop, coNone) << clear;
    Press(calc, "3 =");
    EXPECT_EQ(d.text, QStringLiteral("3.00")) << clear;
  }
}

TEST(Calculator_Core, a_division_by_zero_clears_the_accumulator) {
  Model_Display d;
  Calculator_Core calc(d);
  Press(calc, "8 / 0 =");
  EXPECT_EQ(calc.FPrevval, 0);
  EXPECT_EQ(calc.FPrevop, coNone);
}

// A display that does not read as a number counts as 0; nothing is thrown.
TEST(Calculator_Core, an_unreadable_display_counts_as_zero) {
  Model_Display d;
  Calculator_Core calc(d);
  Press(calc, "7 +");
  d.text = QStringLiteral("-");
  Press(calc, "+");
  EXPECT_EQ(d.text, QStringLiteral("7.00"));
  d.text = QStringLiteral("-");
  Press(calc, "MS");
  EXPECT_EQ(calc.FMVal, 0);
  d.text = QStringLiteral("abc");
  calc.CalcPercent();
  EXPECT_EQ(d.text, QStringLiteral("0.00"));
}

// Results beyond the number range clear the accumulator and show 0.
TEST(Calculator_Core, a_result_beyond_the_range_shows_zero) {
  Model_Display d;
  Calculator_Core calc(d);
  d.Write_Display(QStringLiteral("1e300"));
  Press(calc, "*");
  d.Write_Display(QStringLiteral("1e300"));
  Press(calc, "=");
  EXPECT_EQ(d.text, QStringLiteral("0.00"));
  EXPECT_EQ(calc.FPrevval, 0);
}

// The divisor of fractional digits stops growing; finer digits are ignored
// instead of wrapping round.
TEST(Calculator_Core, many_fractional_digits_stop_at_the_finest_divisor) {
  Model_Display d;
  d.settings.Precision = 18;
  Calculator_Core calc(d);
  Press(calc, "1 .");
  for (int i = 0; i < 40; ++i) Press(calc, "1");
  EXPECT_LE(calc.FDecim, kMaxDecimalDivisor * 10);
  EXPECT_GT(calc.FDecim, 0);
  EXPECT_NEAR(d.Display_Value(), 1.1111111111111111, 1e-12);
}

TEST(Calculator_Core, a_full_display_takes_no_digits_signs_or_points) {
  Model_Display d;
  Calculator_Core calc(d);
  Press(calc, "1");
  ASSERT_EQ(d.text, QStringLiteral("1.00"));
  d.max_length = 4;
  for (const char* key : {"5", "+/-", "."}) {
    d.modified = false;
    Press(calc, key);
    EXPECT_EQ(d.text, QStringLiteral("1.00")) << key;
    EXPECT_FALSE(d.modified) << key;
  }
  // Operators still work on the full display.
  Press(calc, "+ =");
  EXPECT_EQ(d.text, QStringLiteral("2.00"));
  EXPECT_TRUE(d.modified);
}

TEST(Calculator_Core, memory_reads_a_grouped_display) {
  Model_Display d(etMoney);
  Calculator_Core calc(d);
  d.text = QStringLiteral("1,234.50");
  Press(calc, "MS C MR");
  EXPECT_EQ(calc.FMVal, 1234.5L);
  EXPECT_EQ(d.text, QStringLiteral("1,234.50"));
}

}  // namespace
