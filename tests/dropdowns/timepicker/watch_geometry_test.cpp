#include "dropdowns/timepicker/watch_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dropdowns/timepicker/watch_motion.h"

namespace {

double Distance(QPoint A, QPoint B) { return std::hypot(A.x() - B.x(), A.y() - B.y()); }

TEST(Watch_Geometry, DialOfTheClientAndOfAFixedSize) {
  const Watch_Frame f = Watch_Geometry(TRect{0, 0, 180, 180}, 0);
  EXPECT_EQ(f.Dial, (TRect{10, 10, 170, 170}));
  EXPECT_EQ(f.Center, QPoint(90, 90));
  EXPECT_EQ(f.Radius, 80);
  // A fixed size is cut to the height, then to the width, and centred.
  const Watch_Frame g = Watch_Geometry(TRect{0, 0, 300, 100}, 150);
  EXPECT_EQ(g.Dial, (TRect{100, 0, 200, 100}));
  EXPECT_EQ(g.Radius, 50);
  // Too small a control gives an empty dial, never a negative one.
  EXPECT_EQ(Watch_Geometry(TRect{0, 0, 12, 12}, 0).Radius, 0);
}

TEST(Watch_Geometry, DefaultMarksRunFromNineTenthsToTheBorder) {
  TWatchAppearance a;
  const QPoint c(90, 90);
  const auto lines = Tick_Mark_Lines(c, 80, a);
  ASSERT_EQ(lines.size(), 60u);
  for (size_t i = 0; i < 12; ++i) {
    EXPECT_NEAR(Distance(c, lines[i].From), 70.2, 0.75) << i;
    EXPECT_NEAR(Distance(c, lines[i].To), 78.0, 0.75) << i;
    EXPECT_EQ(lines[i].Color, a.HourColor());
  }
  EXPECT_EQ(lines[0].From, QPoint(90, 20));
  EXPECT_EQ(lines[0].To, QPoint(90, 12));
  for (size_t i = 12; i < lines.size(); ++i) {
    EXPECT_NEAR(Distance(c, lines[i].From), 0.95 * 78, 0.75) << i;
    EXPECT_EQ(lines[i].Color, a.MinuteColor());
  }
}

TEST(Watch_Geometry, MarkKindsLengthsAndDoubleQuarters) {
  TWatchAppearance a;
  a.SetTickMarks(tmHours);
  a.SetHourMarkLength(10);
  a.SetHourMarkStyle(hmsQuartDblLine);
  const auto lines = Tick_Mark_Lines(QPoint(90, 90), 80, a);
  ASSERT_EQ(lines.size(), 16u);  // 4 double quarters, 8 hours
  // Twelve o'clock: two lines 2 pixels either side of the vertical.
  EXPECT_EQ(lines[0].From, QPoint(88, 22));
  EXPECT_EQ(lines[1].From, QPoint(92, 22));
  // Three o'clock: above and below the horizontal.
  EXPECT_EQ(lines[2].To, QPoint(168, 88));
  EXPECT_EQ(lines[3].To, QPoint(168, 92));
  a.SetTickMarks(tmQuartHours);
  EXPECT_EQ(Tick_Mark_Lines(QPoint(90, 90), 80, a).size(), 8u);
  a.SetTickMarks(tmNone);
  EXPECT_TRUE(Tick_Mark_Lines(QPoint(90, 90), 80, a).empty());
  EXPECT_EQ(Hour_Numbers(tmQuartHours), (std::vector<int>{3, 6, 9, 12}));
  EXPECT_TRUE(Hour_Numbers(tmHours).empty());
}

TEST(Watch_Geometry, HandsAtThreeOClock) {
  const QPoint c(90, 90);
  const Watch_Line hour = Hand_Line(c, 80, Hour_Angle(3, 0), 0.1, 0.5);
  EXPECT_EQ(hour.From, QPoint(82, 90));
  EXPECT_EQ(hour.To, QPoint(130, 90));
  const Watch_Line minute = Hand_Line(c, 80, Minute_Angle(0), 0.1, 0.7);
  EXPECT_EQ(minute.From, QPoint(90, 98));
  EXPECT_EQ(minute.To, QPoint(90, 34));
  // The hour hand moves on with the minutes: half past two is 75 degrees.
  EXPECT_DOUBLE_EQ(Hour_Angle(14, 30), 75.0);
  const auto pointer = Pointer_Polygon(c, 80, 90.0, 0.5);
  EXPECT_EQ(pointer, (std::vector<QPoint>{{82, 90}, {90, 86}, {130, 90}, {90, 94}}));
}

TEST(Watch_Geometry, PointsToMinutesAndHours) {
  struct Row {
    int x, y;
    int minute, hour_am, hour_pm;
  };
  const Row rows[] = {
      {150, 90, 15, 3, 15},  // three o'clock
      {177, 3, 7, 1, 13},    // towards the top-right corner: round(7.5) = 8, 15 - 8
      {90, 5, 0, 0, 12},     // straight up
      {85, 10, 59, 0, 12},   // just left of the top is twelve o'clock too
      {90, 170, 30, 6, 18}, {10, 90, 45, 9, 21}, {40, 40, 53, 11, 23},
  };
  const QPoint c(90, 90);
  for (const Row& r : rows) {
    EXPECT_EQ(Minute_From_Point(c, r.x, r.y), r.minute) << r.x << "," << r.y;
    EXPECT_EQ(Hour_From_Point(c, r.x, r.y, true), r.hour_am) << r.x << "," << r.y;
    EXPECT_EQ(Hour_From_Point(c, r.x, r.y, false), r.hour_pm) << r.x << "," << r.y;
  }
}

TEST(Watch_Geometry, CentrePointBoxesAndLabel) {
  TWatchAppearance a;
  a.SetCenterPointSize(10);
  Center_Point_Boxes b = Center_Point_Geometry(QPoint(90, 90), a);
  EXPECT_EQ(b.Fill, (TRect{85, 85, 95, 95}));
  EXPECT_EQ(b.Outer_Width, 0);
  EXPECT_EQ(b.Inner, b.Fill);
  a.SetCenterPointOuterBorderColor(0x000000);
  b = Center_Point_Geometry(QPoint(90, 90), a);
  EXPECT_EQ(b.Outer_Width, 2);
  EXPECT_EQ(b.Inner, (TRect{86, 86, 94, 94}));
  EXPECT_EQ(b.Inner_Width, 1);
  // The label box: 8 wider than "AM", a third of the rest of the radius down.
  EXPECT_EQ(AMPM_Box(QPoint(90, 90), 80, QSize(20, 14)), (TRect{76, 112, 104, 126}));
}

TEST(Watch_Motion, MinuteStepsShrinkAndLandOnTheTarget) {
  std::vector<int> steps;
  int m = 5;
  for (int guard = 0; guard < 100; ++guard) {
    const Hand_Step s = Step_Minute_Toward(m, 45, 10);
    m = s.Value;
    steps.push_back(m);
    if (s.Done) break;
  }
  ASSERT_GE(steps.size(), 4u);
  EXPECT_EQ((std::vector<int>(steps.begin(), steps.begin() + 3)), (std::vector<int>{9, 13, 16}));
  EXPECT_EQ(steps[steps.size() - 2], 45) << "lands on 45, then ends there";
  EXPECT_EQ(steps.back(), 45);
}

TEST(Watch_Motion, DirectionsWrapAndFactor) {
  // Backwards to a later target below.
  EXPECT_EQ(Step_Minute_Toward(45, 5, 10).Value, 41);
  // Forward through twelve o'clock to 0; 60 is 0.
  EXPECT_EQ(Step_Minute_Toward(50, 0, 10).Value, 51);
  EXPECT_EQ(Step_Minute_Toward(59, 0, 10).Value, 0);
  // Back down to 0 from before the half hour.
  EXPECT_EQ(Step_Minute_Toward(15, 0, 10).Value, 13);
  EXPECT_EQ(Step_Minute_Toward(1, 0, 10).Value, 0);
  EXPECT_TRUE(Step_Minute_Toward(0, 0, 10).Done);
  EXPECT_EQ(Step_Hour_Toward(3, 15, 10).Value, 4);
  EXPECT_EQ(Step_Hour_Toward(20, 8, 10).Value, 19);
  // A factor below 1 counts as 1: the whole way in one step.
  EXPECT_EQ(Step_Hour_Toward(3, 15, 0).Value, 15);
  EXPECT_EQ(Step_Minute_Toward(10, 40, -5).Value, 40);
}

}  // namespace
