#include "dropdowns/timepicker/watch_appearance.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dropdowns/timepicker/watch_settings.h"
#include "dropdowns/timepicker/watch_styles.h"

namespace {

TEST(Watch_Appearance, ResetGivesTheDefaultsWithoutNotice) {
  TWatchAppearance a;
  a.SetSize(50);
  a.SetBorderWidth(9);
  a.SetTickMarks(tmNone);
  a.HourFont().Color = 0x123456;
  a.SetPicture(QImage(4, 4, QImage::Format_RGB32));
  int changes = 0;
  a.OnChange = [&] { ++changes; };
  a.Reset();
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(a.Size(), 0);
  EXPECT_EQ(a.HourPointer(), 0x000000u);
  EXPECT_EQ(a.BackgroundColor(), 0xFFFFFFu);
  EXPECT_EQ(a.MinutePointerShadow(), clBtnShadow);
  EXPECT_EQ(a.BackgroundColorTo(), clNone);
  EXPECT_EQ(a.HourPointerShadow(), clBtnShadow);
  EXPECT_EQ(a.SecondPointerShadow(), clBtnShadow);
  EXPECT_EQ(a.SecondPointer(), 0x0000FFu);
  EXPECT_EQ(a.BorderColor(), 0x000000u);
  EXPECT_EQ(a.MinutePointer(), 0x000000u);
  EXPECT_EQ(a.HourFont().Font.family(), QStringLiteral("Tahoma"));
  EXPECT_EQ(a.HourFont().Font.pointSize(), 8);
  EXPECT_EQ(a.HourFont().Color, 0x000000u);
  EXPECT_EQ(a.AMPMFont().Font.family(), QStringLiteral("Tahoma"));
  EXPECT_EQ(a.AMPMFont().Font.pointSize(), 10);
  EXPECT_TRUE(a.Picture().isNull());
  EXPECT_EQ(a.AMPMFrame(), apRect);
  EXPECT_EQ(a.Shape(), wsCircle);
  EXPECT_EQ(a.PointerStyle(), psLine);
  EXPECT_EQ(a.BorderStyle(), wbLine);
  EXPECT_EQ(a.HourPointerSize(), 4);
  EXPECT_EQ(a.SecondPointerSize(), 1);
  EXPECT_EQ(a.MinutePointerSize(), 3);
  EXPECT_EQ(a.HourColor(), 0x000000u);
  EXPECT_EQ(a.MinuteColor(), 0x808080u);
  EXPECT_EQ(a.CenterPointSize(), 4);
  EXPECT_EQ(a.CenterPointColor(), 0x000000u);
  EXPECT_EQ(a.CenterPointBorderColor(), clNone);
  EXPECT_EQ(a.BackgroundGradient(), wgVertical);
  EXPECT_EQ(a.Rounding(), 5);
  EXPECT_EQ(a.HourMarkLength(), 0);
  EXPECT_EQ(a.HourMarkWidth(), 1);
  EXPECT_EQ(a.MinuteMarkLength(), 0);
  EXPECT_EQ(a.MinuteMarkWidth(), 1);
  EXPECT_EQ(a.BorderWidth(), 4);
  EXPECT_EQ(a.AMPMColor(), 0xFFFFFFu);
  EXPECT_EQ(a.AMPMBorderColor(), 0x000000u);
  EXPECT_EQ(a.CenterPointOuterBorderColor(), clNone);
  EXPECT_EQ(a.TickMarks(), tmAll);
  EXPECT_EQ(a.HourMarkStyle(), hmsLine);
}

// Each row writes one property twice with a new value, then once with the
// value it holds: how many notices the three writes give.
TEST(Watch_Appearance, WritesNotifyOnChangeFontsAndPictureAlwaysLabelColoursNever) {
  struct Row {
    std::string name;
    std::function<void(TWatchAppearance&)> write_new, write_same;
    int notices;
  };
  const Row rows[] = {
      {"BackgroundColor", [](auto& a) { a.SetBackgroundColor(0x010203); },
       [](auto& a) { a.SetBackgroundColor(0x010203); }, 1},
      {"BorderWidth", [](auto& a) { a.SetBorderWidth(7); }, [](auto& a) { a.SetBorderWidth(7); }, 1},
      {"TickMarks", [](auto& a) { a.SetTickMarks(tmHours); }, [](auto& a) { a.SetTickMarks(tmHours); }, 1},
      {"CenterPointSize", [](auto& a) { a.SetCenterPointSize(9); }, [](auto& a) { a.SetCenterPointSize(9); }, 1},
      {"HourFont", [](auto& a) { a.SetHourFont(a.HourFont()); }, [](auto& a) { a.SetHourFont(a.HourFont()); }, 3},
      {"AMPMFont", [](auto& a) { a.SetAMPMFont(a.AMPMFont()); }, [](auto& a) { a.SetAMPMFont(a.AMPMFont()); }, 3},
      {"Picture", [](auto& a) { a.SetPicture(QImage()); }, [](auto& a) { a.SetPicture(QImage()); }, 3},
      {"AMPMColor", [](auto& a) { a.SetAMPMColor(0x102030); }, [](auto& a) { a.SetAMPMColor(0x102030); }, 0},
      {"AMPMBorderColor", [](auto& a) { a.SetAMPMBorderColor(0x102030); },
       [](auto& a) { a.SetAMPMBorderColor(0x102030); }, 0},
  };
  for (const Row& row : rows) {
    TWatchAppearance a;
    int notices = 0;
    a.OnChange = [&] { ++notices; };
    row.write_new(a);
    row.write_new(a);
    row.write_same(a);
    EXPECT_EQ(notices, row.notices) << row.name;
  }
}

TEST(Watch_Appearance, AssignCopiesEverythingAndNotifiesThroughPictureAndThreeSetters) {
  TWatchAppearance from;
  from.SetSize(120);
  from.SetBackgroundColor(0x112233);
  from.SetShape(wsRoundRect);
  from.SetHourMarkLength(12);
  from.SetAMPMColor(0x445566);
  from.HourFont().Font.setPointSize(15);
  from.SetCenterPointOuterBorderColor(0x000001);
  from.SetTickMarks(tmQuartHours);
  TWatchAppearance to;
  int notices = 0;
  to.OnChange = [&] { ++notices; };
  to.Assign(from);
  // Picture, outer ring and tick marks; the hour mark style was already equal.
  EXPECT_EQ(notices, 3);
  EXPECT_EQ(to.Size(), 120);
  EXPECT_EQ(to.BackgroundColor(), 0x112233u);
  EXPECT_EQ(to.Shape(), wsRoundRect);
  EXPECT_EQ(to.HourMarkLength(), 12);
  EXPECT_EQ(to.AMPMColor(), 0x445566u);
  EXPECT_EQ(to.HourFont().Font.pointSize(), 15);
  EXPECT_EQ(to.CenterPointOuterBorderColor(), 0x000001u);
  EXPECT_EQ(to.TickMarks(), tmQuartHours);
}

TEST(Watch_Settings, DefaultsWritesAndAssign) {
  TWatchSettings s;
  EXPECT_FALSE(s.Auto());
  EXPECT_TRUE(s.Second());
  EXPECT_EQ(s.TimeOffset(), 0);
  int notices = 0;
  s.OnChange = [&] { ++notices; };
  s.SetTimeOffset(60);
  s.SetTimeOffset(60);
  EXPECT_EQ(notices, 1);

  TWatchSettings other;
  other.SetSecond(false);
  other.SetTimeOffset(-30);
  notices = 0;
  s.Assign(other);
  EXPECT_EQ(notices, 0) << "only a change of Auto notifies";
  EXPECT_FALSE(s.Second());
  EXPECT_EQ(s.TimeOffset(), -30);
  other.SetAuto(true);
  s.Assign(other);
  EXPECT_EQ(notices, 1);
  EXPECT_TRUE(s.Auto());
}

TEST(Watch_Control_Style, CustomOnlyBlackensTheFontsAndTheOuterRing) {
  TWatchAppearance a;
  a.SetBackgroundColor(0x0A0B0C);
  a.SetHourPointer(0x0D0E0F);
  a.SetAMPMColor(0x111111);
  a.HourFont().Color = 0x222222;
  a.AMPMFont().Color = 0x333333;
  ApplyControlStyle(a, tsCustom);
  EXPECT_EQ(a.HourFont().Color, 0x000000u);
  EXPECT_EQ(a.AMPMFont().Color, 0x000000u);
  EXPECT_EQ(a.CenterPointOuterBorderColor(), 0x000000u);
  EXPECT_EQ(a.BackgroundColor(), 0x0A0B0Cu);
  EXPECT_EQ(a.HourPointer(), 0x0D0E0Fu);
  EXPECT_EQ(a.AMPMColor(), 0x111111u);
}

TEST(Watch_Control_Style, StylesFillTheirColumns) {
  TWatchAppearance a;
  ApplyControlStyle(a, tsOffice2007Luna);
  EXPECT_EQ(a.AMPMBorderColor(), 0xF0DED0u);
  EXPECT_EQ(a.BackgroundColor(), 0xFFEFE3u);
  EXPECT_EQ(a.CenterPointBorderColor(), 0xFFEFE3u);
  for (TColor c : {a.HourColor(), a.MinuteColor(), a.HourPointer(), a.MinutePointer(), a.SecondPointer()})
    EXPECT_EQ(c, 0x723708u);
  EXPECT_EQ(a.HourPointerShadow(), 0xFFFFFFu);

  ApplyControlStyle(a, tsOffice2007Obsidian);
  EXPECT_EQ(a.HourFont().Color, 0xF2F1F0u);
  EXPECT_EQ(a.AMPMFont().Color, 0xF2F1F0u);
  EXPECT_EQ(a.AMPMColor(), 0x5C534Cu);

  ApplyControlStyle(a, tsOffice2010Silver);
  EXPECT_EQ(a.HourFont().Color, 0x000000u);
  EXPECT_EQ(a.MinutePointerShadow(), 0xC0C0C0u);
  EXPECT_EQ(a.BackgroundColorTo(), 0xFFFFFFu);
}

TEST(Watch_Look, SizeDependentLengthsAndCentre) {
  struct Row {
    TWatchStyle style;
    int width, height;
    int hour_mark, minute_mark, centre;
  };
  const Row rows[] = {
      {wsSuperNova, 180, 180, 40, 60, 10},
      {wsSuperNova, 180, 400, 40, 60, 10},
      {wsSuperNova, 7, 7, 2, 2, 10},
      // Beyond a byte: the largest a byte holds, not its low 8 bits.
      {wsSuperNova, 2000, 2000, 255, 255, 10},
      {wsSports, 180, 180, 0, 1, 50},
      // 9 / 3.6 = 2.5 rounds to the even 2.
      {wsSports, 9, 9, 0, 1, 2},
      {wsSports, 1000, 1000, 0, 1, 255},
  };
  for (const Row& row : rows) {
    TWatchAppearance a;
    ApplyWatchStyle(a, row.style, row.width, row.height);
    EXPECT_EQ(a.HourMarkLength(), row.hour_mark) << row.style << " " << row.width;
    EXPECT_EQ(a.MinuteMarkLength(), row.minute_mark) << row.style << " " << row.width;
    EXPECT_EQ(a.CenterPointSize(), row.centre) << row.style << " " << row.width;
  }
}

TEST(Watch_Look, ResetsFirstAndSetsTheWatchFlags) {
  TWatchAppearance a;
  a.SetPointerStyle(psLineArrow);
  a.SetSize(77);
  const Watch_Look_Flags classic = ApplyWatchStyle(a, wsClassic, 180, 180);
  EXPECT_EQ(a.PointerStyle(), psLine);
  EXPECT_EQ(a.Size(), 0);
  EXPECT_EQ(a.HourFont().Font.family(), QStringLiteral("Comic Sans MS"));
  EXPECT_TRUE(a.HourFont().Font.bold());
  EXPECT_EQ(a.HourMarkLength(), 8);
  EXPECT_EQ(classic.Animation, std::optional<bool>(true));
  EXPECT_EQ(classic.AnimationFactor, std::optional<int>(10));

  const Watch_Look_Flags tower = ApplyWatchStyle(a, wsTower, 180, 180);
  // The label takes the background colour of that moment.
  EXPECT_EQ(a.AMPMColor(), 0xB1F0FEu);
  EXPECT_EQ(a.BackgroundColorTo(), 0x5BCCE8u);
  EXPECT_EQ(a.HourFont().Color, clWindowText);
  EXPECT_EQ(tower.ShowNumbers, std::optional<bool>(false));
  EXPECT_FALSE(tower.ShowAMPM.has_value());
  EXPECT_FALSE(tower.Animation.has_value());

  ApplyWatchStyle(a, wsEmerald, 180, 180);
  EXPECT_EQ(a.HourColor(), 0x3AE800u);
  EXPECT_EQ(a.HourFont().Color, 0x3AE800u);
  EXPECT_EQ(a.AMPMColor(), clNone);
}

}  // namespace
