#include "dropdowns/base/drop_down_value.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "controls/format_settings.h"
#include "dropdowns/base/bar_appearance.h"
#include "dropdowns/base/drop_down_styles.h"
#include "dropdowns/base/item_appearance.h"
#include "dropdowns/base/zad_button_appearance.h"

namespace {

Format_Settings Us() { return Format_Settings{}; }

Format_Settings German() {
  Format_Settings s;
  s.Decimal_Separator = QLatin1Char(',');
  s.Thousand_Separator = QLatin1Char('.');
  return s;
}

Drop_Down_Value_Settings Typed(TDropDownEditType Type, int Precision = 0, bool Signed = false) {
  Drop_Down_Value_Settings s;
  s.EditType = Type;
  s.Precision = Precision;
  s.Signed = Signed;
  return s;
}

// Window text with "|" for the caret (no selection) or "[...]" around the
// selection, caret at its end.
Edit_State State_Of(const QString& Marked) {
  Edit_State s;
  QString text = Marked;
  const qsizetype open = text.indexOf(u'[');
  if (open >= 0) {
    text.remove(open, 1);
    const qsizetype close = text.indexOf(u']');
    text.remove(close, 1);
    s.Anchor = static_cast<int>(open);
    s.Caret = static_cast<int>(close);
  } else {
    const qsizetype bar = text.indexOf(u'|');
    text.remove(bar, 1);
    s.Set_Caret(static_cast<int>(bar));
  }
  s.Text = text;
  return s;
}

QString Marked(const Edit_State& S) {
  QString t = S.Text;
  if (S.Sel_Length() == 0) return t.insert(S.Caret, u'|');
  t.insert(S.Sel_End(), u']');
  return t.insert(S.Sel_Start(), u'[');
}

struct Typing_Case {
  const char* name;
  Drop_Down_Value_Settings settings;
  bool german;
  const char* before;
  const char* keys;  // "\b" for Backspace
  const char* after;
};

TEST(DropDownTyping, KeysGiveTheValueTheTypeAllows) {
  Drop_Down_Value_Settings money = Typed(etMoney, 2);
  Drop_Down_Value_Settings limited = Typed(etFloat, 2);
  limited.LengthLimit = 3;
  Drop_Down_Value_Settings prefixed = Typed(etNumeric);
  prefixed.Prefix = QStringLiteral("$");
  prefixed.Suffix = QStringLiteral(" kg");
  Drop_Down_Value_Settings valid = Typed(etValidChars);
  valid.ValidChars = QStringLiteral("xy");
  const Typing_Case cases[] = {
      {"money groups as typed", money, false, "|", "1234", "1,234|"},
      {"money groups under de_DE", money, true, "|", "1234", "1.234|"},
      {"money keeps more than 15 digits", money, false, "|", "12345678901234567890", "12,345,678,901,234,567,890|"},
      {"money decimal then digits", money, false, "|", "12.5", "12.5|"},
      {"money second decimal jumps", money, false, "1,2|34.5", ".", "1,234.|5"},
      {"money decimal over all gives zero", money, false, "[1,234.00]", ".", "0.|00"},
      {"money digit in the middle regroups", money, false, "1,2|34", "5", "12,5|34"},
      {"signed numeric minus on empty", Typed(etNumeric, 0, true), false, "|", "-", "-|"},
      {"signed numeric minus twice", Typed(etNumeric, 0, true), false, "|", "--", "|"},
      {"signed numeric minus toggles front", Typed(etNumeric, 0, true), false, "12|", "-", "-12|"},
      {"unsigned numeric drops minus", Typed(etNumeric), false, "12|", "-", "12|"},
      {"numeric drops letters", Typed(etNumeric), false, "|", "1a2", "12|"},
      {"float precision reached drops", Typed(etFloat, 2), false, "1.25|", "7", "1.25|"},
      {"float precision overwrites", Typed(etFloat, 2), false, "1.|25", "7", "1.7|5"},
      {"float decimal jumps past separator", Typed(etFloat, 2), false, "1|.25", ".", "1.|25"},
      {"float no decimal with precision 0", Typed(etFloat, 0), false, "12|", ".", "12|"},
      {"float decimal into empty", Typed(etFloat, 2), false, "|", ".", "0.|"},
      {"float de_DE comma is decimal", Typed(etFloat, 2), true, "1|", ",5", "1,5|"},
      {"float separator too close", Typed(etFloat, 2), false, "1,23|", ".", "1,23|"},
      {"length limit drops digit", limited, false, "|123", "4", "|123"},
      {"length limit takes decimal", limited, false, "123|", ".", "123.|"},
      {"range separator after separator", Typed(etRange), false, "1-|", ",", "1-|"},
      {"range separator at start", Typed(etRange), false, "|", ";", "|"},
      {"range list", Typed(etRange), false, "|", "1-3;5", "1-3;5|"},
      {"hex drops g", Typed(etHex), false, "|", "fg0", "f0|"},
      {"alphanumeric", Typed(etAlphaNumeric), false, "|", "a-b_1", "ab1|"},
      {"valid chars", valid, false, "|", "xzy", "xy|"},
      {"upper case", Typed(etUppercase), false, "|", "ab", "AB|"},
      {"mixed case", Typed(etMixedCase), false, "|", "hELLO wORLD", "Hello World|"},
      {"backspace stops at prefix", prefixed, false, "$|12 kg", "\b", "$|12 kg"},
      {"backspace inside value", prefixed, false, "$12| kg", "\b", "$1| kg"},
      {"minus after prefix", Typed(etNumeric, 0, true), false, "|5", "-", "-|5"},
      {"digit before the sign follows it", Typed(etNumeric, 0, true), false, "|-5", "3", "-3|5"},
      {"money digit before the sign", Typed(etMoney, 2, true), false, "|-123", "4", "-4,|123"},
  };
  for (const Typing_Case& c : cases) {
    const Format_Settings_Scope scope(c.german ? German() : Us());
    Edit_State s = State_Of(QString::fromUtf8(c.before));
    for (QChar ch : QString::fromUtf8(c.keys)) Type_Char(c.settings, s, ch);
    EXPECT_EQ(Marked(s), QString::fromUtf8(c.after)) << c.name;
  }
}

TEST(DropDownTyping, SeparatorSpacingAndPrecision) {
  const Format_Settings_Scope scope(Us());
  EXPECT_FALSE(Separator_Too_Close(QStringLiteral("1234"), 4));
  EXPECT_FALSE(Separator_Too_Close(QStringLiteral("1,234"), 5));
  EXPECT_TRUE(Separator_Too_Close(QStringLiteral("1,234"), 4));
  EXPECT_TRUE(Separator_Too_Close(QStringLiteral("1,2345"), 6));
  EXPECT_TRUE(Precision_Reached(2, QStringLiteral("1.25"), 4));
  EXPECT_TRUE(Precision_Reached(2, QStringLiteral("1.25"), 2));
  EXPECT_FALSE(Precision_Reached(2, QStringLiteral("1.2"), 3));
  EXPECT_FALSE(Precision_Reached(2, QStringLiteral("1.25"), 1));
}

struct Write_Case {
  Drop_Down_Value_Settings settings;
  bool german;
  const char* value;
  const char* written;
};

TEST(DropDownValue, WritesNormaliseForTheType) {
  const Write_Case cases[] = {
      {Typed(etFloat, 2), false, "", "0.00"},
      {Typed(etFloat, 2), false, "Error", "Error"},
      {Typed(etFloat, 2), true, "1,5", "1,50"},
      {Typed(etMoney, 2), false, "1234", "1,234.00"},
      {Typed(etMoney, 2), true, "1234", "1.234,00"},
      {Typed(etMoney, 2), false, "1,234.5", "1,234.50"},
      {Typed(etNumeric), false, "", "0"},
      {Typed(etHex), false, "ff", "FF"},
      {Typed(etHex), false, "", "0"},
      {Typed(etString, 2), false, "", ""},
      {Typed(etString, 2), false, "abc", "abc"},
  };
  for (const Write_Case& c : cases) {
    const Format_Settings_Scope scope(c.german ? German() : Us());
    EXPECT_EQ(Value_To_Write(c.settings, QString::fromUtf8(c.value)), QString::fromUtf8(c.written)) << c.value;
  }
}

TEST(DropDownValue, ReadsBetweenPrefixAndSuffix) {
  Drop_Down_Value_Settings s;
  s.Prefix = QStringLiteral("$");
  s.Suffix = QStringLiteral(" kg");
  EXPECT_EQ(Value_Of(s, QStringLiteral("$12 kg")), QStringLiteral("12"));
  EXPECT_EQ(Value_Of(s, QStringLiteral("$12")), QStringLiteral("12"));
  // A text not ending in the suffix keeps its last characters.
  EXPECT_EQ(Value_Of(s, QStringLiteral("$1234")), QStringLiteral("1234"));
  EXPECT_EQ(Value_Of(s, QStringLiteral("12 kg")), QStringLiteral("12"));
}

TEST(DropDownValue, NumbersPerType) {
  const Format_Settings_Scope scope(Us());
  EXPECT_EQ(Float_Value(Typed(etHex), QStringLiteral("FF")), 255);
  EXPECT_EQ(Float_Value(Typed(etMoney), QStringLiteral("1,234.")), 1234);
  EXPECT_EQ(Float_Value(Typed(etMoney), QStringLiteral("-")), 0);
  EXPECT_EQ(Float_Value(Typed(etFloat), QStringLiteral("Error")), 0);
  EXPECT_EQ(Float_Value(Typed(etFloat), QStringLiteral("x1")), 0);
  EXPECT_EQ(Float_Value(Typed(etString), QStringLiteral("2.5")), 2.5);
  EXPECT_EQ(Float_Value(Typed(etUppercase), QStringLiteral("2.5")), 0);
  EXPECT_EQ(Float_Text(Typed(etFloat, -1), 0.1), QStringLiteral("0.1"));
  EXPECT_EQ(Float_Text(Typed(etNumeric, 0), 1234567), QStringLiteral("1,234,567"));
  EXPECT_EQ(Float_Text(Typed(etHex), 255.9), QStringLiteral("FF"));
  EXPECT_TRUE(Float_Text(Typed(etRange), 1).isNull());
  EXPECT_EQ(Int_Text(Typed(etHex), -16), QStringLiteral("-10"));
  EXPECT_EQ(Format_Number(1e300, Number_Format::Fixed, 1000).size(), 301 + 19);
  // No exponent: a value written back must be one the edit lets the user type.
  EXPECT_EQ(Float_Text(Typed(etMoney, -1), 1e-7), QStringLiteral("0.0000001"));
  const QString huge = Float_Text(Typed(etMoney, -1), 9.99999999e45);
  EXPECT_EQ(huge.size(), 46);
  EXPECT_TRUE(std::all_of(huge.begin(), huge.end(), [](QChar c) { return c.isDigit(); })) << huge.toStdString();
}

struct Paste_Case {
  const char* name;
  Drop_Down_Value_Settings settings;
  const char* before;
  const char* clip;
  bool accepted;
  const char* value;
};

TEST(DropDownPaste, TypesFilterThePastedValue) {
  const Format_Settings_Scope scope(Us());
  Drop_Down_Value_Settings valid = Typed(etValidChars);
  valid.ValidChars = QStringLiteral("ab");
  const Paste_Case cases[] = {
      {"money decimal", Typed(etMoney, 2), "|", "1234.5", true, "1234.5"},
      {"numeric range refused", Typed(etNumeric), "|", "12-5", false, "12-5"},
      {"numeric minus needs signed", Typed(etNumeric), "|", "-12", false, "-12"},
      {"signed numeric minus", Typed(etNumeric, 0, true), "|", "-12", true, "-12"},
      {"float decimal with precision 0", Typed(etFloat, 0), "|", "1.5", false, "1.5"},
      {"float into selection", Typed(etFloat, 2), "1[.25]", "2", true, "12"},
      {"hex ignored", Typed(etHex), "|", "ff", false, "ff"},
      {"range ignored", Typed(etRange), "|", "1-2", false, "1-2"},
      {"upper case", Typed(etUppercase), "a|", "bc", true, "ABC"},
      {"valid chars refused", valid, "|", "abc", false, "abc"},
      {"valid chars", valid, "|", "ba", true, "ba"},
  };
  for (const Paste_Case& c : cases) {
    const Paste_Outcome out =
        Paste_Text(c.settings, State_Of(QString::fromUtf8(c.before)), QString::fromUtf8(c.clip), 0);
    EXPECT_EQ(out.Accepted, c.accepted) << c.name;
    EXPECT_EQ(out.Value, QString::fromUtf8(c.value)) << c.name;
  }
  EXPECT_FALSE(Paste_Text(Typed(etString), State_Of("abc|"), QStringLiteral("de"), 4).Accepted);
  const Paste_Outcome money = Paste_Text(Typed(etMoney, 2), State_Of("|"), QStringLiteral("1234.5"), 0);
  EXPECT_TRUE(money.Select_All && money.Reformat);
  // A refused paste leaves the caret where it was (not in the suffix).
  Drop_Down_Value_Settings suffixed = valid;
  suffixed.Suffix = QStringLiteral(" kg");
  const Paste_Outcome refused = Paste_Text(suffixed, State_Of("a| kg"), QStringLiteral("-"), 0);
  EXPECT_FALSE(refused.Accepted);
  EXPECT_EQ(refused.Sel_Start, 1);
  const Paste_Outcome inserted = Paste_Text(Typed(etString), State_Of("a|b"), QStringLiteral("xy"), 0);
  EXPECT_EQ(inserted.Sel_Start, 3);
  EXPECT_EQ(inserted.Sel_Length, 0);
}

struct Style_Row {
  TDUDStyle style;
  TColor color, color_to, border;
  TColor header_border, footer_color, footer_color_to, footer_border, footer_font;
  TColor button_color;
};

TEST(DropDownStyles, EveryStyleColoursPopupBarsAndButtons) {
  // The popup border marker: styles that keep it leave this value.
  constexpr TColor kOld = 0x123456;
  const Style_Row rows[] = {
      {tsOffice2003Blue, 0xFFFFFF, clNone, kOld, 0x000000, 0xFCE1CB, 0xE0A57D, 0x962D00, 0x000000, 0xFCE1CB},
      {tsOffice2003Silver, 0xFFFFFF, clNone, kOld, 0x947C7C, 0xECE2E1, 0xB39698, 0x947C7C, 0x000000, 0xECE2E1},
      {tsOffice2003Olive, 0xFFFFFF, clNone, clNone, 0x588060, 0xCFF0EA, 0x8CC0B1, 0x588060, 0x000000, 0xCFF0EA},
      {tsOffice2003Classic, 0xF2F2F2, 0xF2F2F2, clNone, 0x808080, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0xFFFFFF},
      {tsOffice2007Luna, 0xF3E5DA, 0xF0DED0, clNone, 0xFFD2AF, 0xFFEFE3, 0xFFD2AF, 0xFFD2AF, 0x723708, 0xFFEFE3},
      {tsOffice2007Obsidian, 0xFFFFFF, clNone, clNone, 0x5C534C, 0xF2F1F0, 0xC9C2BD, 0x5C534C, 0x433C37, 0xF2F1F0},
      {tsWindowsXP, 0xFFFFFF, clNone, kOld, 0x808080, 0xFFFFFF, clBtnFace, 0x808080, 0x000000, 0xFFFFFF},
      {tsWhidbey, 0xF5F9FA, 0xF5F9FA, clNone, 0x962D00, 0xEBEEEF, 0x7E9898, 0x962D00, 0xFFFFFF, 0xFFFFFF},
      {tsCustom, 0x111111, 0x222222, kOld, 0x333333, 0x444444, 0x555555, 0x666666, 0x777777, 0x888888},
      {tsOffice2007Silver, 0xF8F4F1, 0xF0E8E3, clNone, 0x74706F, 0xF8F7F6, 0xE8E0DB, 0x74706F, 0x8B4215, 0xF9F8F8},
      {tsWindowsVista, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFCF2DA, 0xFFFAF0, 0xFFFDF9, 0xFCF2DA, 0x000000, 0xFFFDF9},
      {tsWindows7, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0x000000, 0xFDFBFA},
      {tsTerminal, 0xFFFFFF, 0xFFFFFF, 0x808080, clNone, clBtnFace, clBtnFace, clNone, 0x000000, clBtnFace},
      {tsOffice2010Blue, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xC7B29F, 0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0x5B391E, 0xFDF6EF},
      {tsOffice2010Silver, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xD2CDC8, 0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0x5B391E, 0xFFFFFF},
      {tsOffice2010Black, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0x6D6D6D, 0xBFBFBF, 0x919191, 0x6D6D6D, 0xD7D7D6, 0xBFBFBF},
  };
  ASSERT_EQ(std::size(rows), 16u);
  for (const Style_Row& r : rows) {
    Popup_Colors popup{0x111111, 0x222222, kOld};
    THeaderAppearance header(nullptr);
    TFooterAppearance footer(nullptr);
    header.BorderColor = 0x333333;
    footer.Color = 0x444444;
    footer.ColorTo = 0x555555;
    footer.BorderColor = 0x666666;
    footer.FontColor = 0x777777;
    TZadButtonAppearance buttons;
    buttons.SetColor(0x888888);
    Apply_Drop_Down_Style(r.style, popup, header, footer, buttons);
    EXPECT_EQ(popup.Color, r.color) << r.style;
    EXPECT_EQ(popup.ColorTo, r.color_to) << r.style;
    EXPECT_EQ(popup.BorderColor, r.border) << r.style;
    EXPECT_EQ(header.BorderColor, r.header_border) << r.style;
    EXPECT_EQ(footer.Color, r.footer_color) << r.style;
    EXPECT_EQ(footer.ColorTo, r.footer_color_to) << r.style;
    EXPECT_EQ(footer.BorderColor, r.footer_border) << r.style;
    EXPECT_EQ(footer.FontColor, r.footer_font) << r.style;
    EXPECT_EQ(buttons.Color(), r.button_color) << r.style;
  }
}

TEST(DropDownStyles, ItemAppearancePresets) {
  TItemAppearance a;
  a.ColorHot = 0x010101;
  Apply_Item_Appearance_Style(&a, tsCustom);
  EXPECT_EQ(a.ColorHot, 0x010101u);
  Apply_Item_Appearance_Style(&a, tsWindowsXP);
  EXPECT_EQ(a.ColorHot, 0xEFD3C6u);
  EXPECT_EQ(a.ColorSelected, clHighlight);
  EXPECT_EQ(a.ColorSelectedText, clHighlightText);
  EXPECT_EQ(a.ColorHotText, clBlack);
  Apply_Item_Appearance_Style(&a, tsWindows7);
  EXPECT_EQ(a.EdgeColor, 0xE0C5AEu);
  EXPECT_EQ(a.ColorSelectedText, clBlack);
  Apply_Item_Appearance_Style(nullptr, tsWindows7);
}

}  // namespace
