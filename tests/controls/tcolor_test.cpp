#include "controls/tcolor.h"

#include <gtest/gtest.h>

#include <QPalette>

TEST(TColor, PlainColoursStoreRedInTheLowByte) {
  EXPECT_EQ(RGB(255, 128, 0), 0x0080FFu);
  EXPECT_EQ(To_QColor(0x0080FF), QColor(255, 128, 0));
  EXPECT_EQ(To_QColor(0xECCE94), QColor(0x94, 0xCE, 0xEC));
  EXPECT_EQ(From_QColor(QColor(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(Get_R(0x123456), 0x56);
  EXPECT_EQ(Get_G(0x123456), 0x34);
  EXPECT_EQ(Get_B(0x123456), 0x12);
}

TEST(TColor, NoneIsTransparentAndNotASystemColour) {
  EXPECT_FALSE(Is_System_Color(clNone));
  EXPECT_EQ(To_QColor(clNone).alpha(), 0);
  EXPECT_EQ(Color_To_RGB(clNone), clNone);
}

TEST(TColor, SystemColoursResolveFromTheGivenPalette) {
  QPalette palette;
  palette.setColor(QPalette::Active, QPalette::Button, QColor(10, 20, 30));
  palette.setColor(QPalette::Active, QPalette::Highlight, QColor(40, 50, 60));
  palette.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(70, 80, 90));
  EXPECT_EQ(clBtnFace, 0xFF00000Fu);
  EXPECT_EQ(clInfoBk, 0xFF000018u);
  EXPECT_EQ(To_QColor(clBtnFace, palette), QColor(10, 20, 30));
  EXPECT_EQ(To_QColor(clHighlight, palette), QColor(40, 50, 60));
  EXPECT_EQ(Color_To_RGB(clInfoBk, palette), RGB(70, 80, 90));
  // No palette role for the caption colour: the classic desktop value.
  EXPECT_EQ(To_QColor(clActiveCaption, palette), QColor(10, 36, 106));
}

TEST(TColor, WithoutAnApplicationSystemColoursTakeTheClassicScheme) {
  EXPECT_EQ(Color_To_RGB(clBtnFace), RGB(212, 208, 200));
  EXPECT_EQ(Color_To_RGB(clWindow), RGB(255, 255, 255));
  EXPECT_EQ(Color_To_RGB(System_Color(200)), clBlack);  // unknown index
}
