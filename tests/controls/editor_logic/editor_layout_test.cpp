// Units after values, label places and the layout of edits with an embedded part.
#include <gtest/gtest.h>

#include "controls/editor_logic/edit_layout.h"
#include "controls/editor_logic/label_placement.h"
#include "controls/editor_logic/text_and_unit.h"

TEST(TextAndUnit, TheLongestListedUnitEndingTheValueWins) {
  struct Row {
    QStringList units;
    const char* value;
    const char* text;
    const char* unit;
  } rows[] = {
      {{"m", "km"}, "12km", "12", "km"}, {{"km", "m"}, "12km", "12", "km"}, {{"m", "mm"}, "5mm", "5", "mm"},
      {{"m", "mm"}, "5m", "5", "m"},     {{"kg", "mg"}, "5kg", "5", "kg"},  {{"", "s"}, "10s", "10", "s"},
      {{"x", "y"}, "xy", "x", "y"},      {{"ab", "b"}, "ab", "", "ab"},
  };
  for (const Row& row : rows) {
    const auto split = Split_Text_And_Unit(QString::fromLatin1(row.value), row.units);
    ASSERT_TRUE(split.has_value()) << row.value;
    EXPECT_EQ(split->Text, QString::fromLatin1(row.text)) << row.value;
    EXPECT_EQ(split->Unit, QString::fromLatin1(row.unit)) << row.value;
  }
  EXPECT_FALSE(Split_Text_And_Unit(QStringLiteral("12ft"), {QStringLiteral("m"), QStringLiteral("km")}));
  EXPECT_FALSE(Split_Text_And_Unit(QStringLiteral("12"), {QString()}));
}

TEST(LabelPlacement, FifteenPlacesAroundTheControl) {
  // The control at (100, 50), 120 x 22; a label 30 x 13 whose text is 28 wide; margin 4.
  const QRect control(100, 50, 120, 22);
  const QSize label(30, 13);
  struct Row {
    TLabelPosition position;
    QPoint expected;
  } rows[] = {
      {lpLeftTop, {100 - 28 - 4, 50}},
      {lpLeftCenter, {100 - 28 - 4, 50 + (22 - 13) / 2}},
      {lpLeftBottom, {100 - 28 - 4, 72 - 13}},
      {lpTopLeft, {100, 50 - 13 - 4}},
      {lpBottomLeft, {100, 72 + 4}},
      {lpLeftTopLeft, {100 - 4, 50}},
      {lpLeftCenterLeft, {100 - 4, 54}},
      {lpLeftBottomLeft, {100 - 4, 59}},
      {lpTopCenter, {100 + (120 - 30) / 2, 33}},
      {lpBottomCenter, {145, 76}},
      {lpRightTop, {224, 50}},
      {lpRightCenter, {224, 54}},
      {lpRighBottom, {224, 72 - 13}},
      {lpTopRight, {220 - 30, 33}},
      {lpBottomRight, {220 - 30, 76}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(Label_Origin(row.position, control, label, 28, 4), row.expected) << int(row.position);
  // A label taller than the control sits above its top by half the difference
  // (rounded toward zero).
  EXPECT_EQ(Label_Origin(lpLeftCenter, control, QSize(30, 31), 28, 4).y(), 50 - 4);
}

TEST(EditLayout, TheEmbeddedPartSitsInsideTheRightEdge) {
  // With a border: one pixel clear of the inner edge at the right and bottom.
  EXPECT_EQ(Embedded_Part_Rect(QSize(121, 21), 15, bsSingle), QRect(121 - 15 - 3, 2, 15, 16));
  EXPECT_EQ(Embedded_Part_Rect(QSize(121, 21), 15, bsNone), QRect(121 - 15 - 1, 0, 15, 20));
  // Text stops two pixels before the pair (and three more without a border).
  EXPECT_EQ(Spin_Edit_Text_Margins(QSize(121, 21), 15, bsSingle).right(), 2 + 15 + 2);
  EXPECT_EQ(Spin_Edit_Text_Margins(QSize(121, 21), 15, bsNone).right(), 15 + 2 + 3);
  // The unit edit leaves the unit space plus three pixels.
  EXPECT_EQ(Edit_Btn_Text_Margins(QSize(121, 21), 18, 0, bsSingle).right(), 2 + 18 + 5);
  EXPECT_EQ(Edit_Btn_Text_Margins(QSize(121, 21), 18, 20, bsSingle).right(), 2 + 18 + 20 + 5 + 3);
  EXPECT_EQ(Unit_Text_Rect(QSize(121, 21), 18, 20, bsSingle), QRect(2 + 117 - 18 - 3 - 20, 4, 20, 15));
}

TEST(EditLayout, MinimumHeightsFollowTheFont) {
  EXPECT_EQ(Spin_Edit_Min_Height(13, 16, bsSingle), 13 + 3 + 2 + 4);
  EXPECT_EQ(Spin_Edit_Min_Height(20, 16, bsNone), 20 + 4 + 2);
  EXPECT_EQ(Edit_Btn_Min_Height(13, 16), 13 + 3);
}
