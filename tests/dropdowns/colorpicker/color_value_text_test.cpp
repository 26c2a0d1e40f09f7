#include "dropdowns/colorpicker/color_value_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct Text_Case {
  TColor Color;
  TColorValueText Kind;
  const char* Expected;
};

TEST(Color_Value_Text, gives_each_form_of_a_colour) {
  const Text_Case cases[] = {
      {clRed, cvtNone, ""},
      {clRed, cvtHex, "0000FF"},
      {clRed, cvtHTML, "#FF0000"},
      {clRed, cvtRGB, "Red:255,Green:0,Blue:0"},
      {clRed, cvtWebName, "clWebRed"},
      {0xABCDEF, cvtWebName, "#EFCDAB"},
      {0xABCDEF, cvtHex, "ABCDEF"},
      {0x00000A, cvtHex, "00000A"},
      {0xFFFF00, cvtWebName, "clWebCyan"},
      {0xD3D3D3, cvtWebName, "clWebLightgrey"},
      {0xED9564, cvtWebName, "clWebCornFlowerBlue"},
      {clBlack, cvtWebName, "clWebBlack"},
      {0x123456, cvtRGB, "Red:86,Green:52,Blue:18"},
      {clNone, cvtHex, ""},
      {clNone, cvtWebName, ""},
  };
  for (const Text_Case& c : cases)
    EXPECT_EQ(Color_Value_Text(c.Color, c.Kind).toStdString(), c.Expected) << std::hex << c.Color << " kind " << c.Kind;
}

// A system colour keeps its raw value in the hexadecimal form and is
// resolved for the others.
TEST(Color_Value_Text, resolves_system_colours_except_in_hex) {
  EXPECT_EQ(Color_Value_Text(clWindow, cvtHex).toStdString(), "FF000005");
  const TColor rgb = Color_To_RGB(clWindow);
  EXPECT_EQ(Color_Value_Text(clWindow, cvtRGB), Color_Value_Text(rgb, cvtRGB));
  EXPECT_EQ(Color_Value_Text(clWindow, cvtWebName), Web_Color_Name(rgb));
}

TEST(Web_Colors, have_138_distinct_names_and_colours) {
  ASSERT_EQ(Web_Color_Count(), 138);
  std::set<std::string> names;
  std::set<TColor> colors;
  for (int i = 0; i < Web_Color_Count(); ++i) {
    const Web_Color& c = Web_Colors()[i];
    EXPECT_EQ(std::string(c.Name).rfind("clWeb", 0), 0u) << c.Name;
    EXPECT_LE(c.Color, 0xFFFFFFu) << c.Name;
    names.insert(c.Name);
    colors.insert(c.Color);
  }
  EXPECT_EQ(names.size(), 138u);
  EXPECT_EQ(colors.size(), 138u);
  EXPECT_EQ(std::string(Web_Colors()[0].Name), "clWebSnow");
  EXPECT_EQ(std::string(Web_Colors()[137].Name), "clWebBlack");
}

}  // namespace
