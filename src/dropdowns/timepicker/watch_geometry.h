#pragma once
// Where the analogue watch puts its dial, marks, numbers, label and hands,
// and which hour or minute a point on it stands for. Angles run clockwise
// from twelve o'clock in degrees; pixel positions are rounded to the nearest
// integer, halves to even.
#include <QPoint>
#include <QSize>
#include <vector>

#include "controls/tcolor.h"
#include "controls/trect.h"
#include "dropdowns/timepicker/watch_appearance.h"

// Rounds halves to the even neighbour.
int Round_Even(double Value);

struct Watch_Frame {
  TRect Dial;      // the square the dial is drawn in
  QPoint Center;   // its centre
  int Radius = 0;  // half its side
};

// The dial square of side Size (cut to the client's height, then width)
// centred in Client; with Size 0 or less 20 pixels smaller than the
// client's shorter side (never below 0).
Watch_Frame Watch_Geometry(const TRect& Client, int Size);

// The point at Distance from Center along Angle (a negative distance lies
// on the opposite side).
QPoint Point_At(QPoint Center, double Angle, double Distance);

// A straight stroke of the face or a hand.
struct Watch_Line {
  QPoint From, To;
  TColor Color = clBlack;
  int Width = 1;
};

// The outer end of the marks: the radius less half the border.
int Mark_Outer_Radius(int Radius, const TWatchAppearance& A);

// Quarter marks (double lines with hmsQuartDblLine), then the other hour
// marks (tmAll, tmHours), then the minute marks (tmAll); none for tmNone.
std::vector<Watch_Line> Tick_Mark_Lines(QPoint Center, int Radius, const TWatchAppearance& A);

// The hour numbers drawn for the tick marks: 1 to 12 (tmAll), 3, 6, 9, 12
// (tmQuartHours) or none.
std::vector<int> Hour_Numbers(TTickMarks Marks);

// Top-left corner of hour number N whose text measures TextSize.
QPoint Number_Origin(QPoint Center, int Radius, const TWatchAppearance& A, int N, QSize TextSize);

// The AM/PM label box for an "AM" text of TextSize.
TRect AMPM_Box(QPoint Center, int Radius, QSize TextSize);

// The hands at a time: hour angle (h mod 12) * 30 + m / 2, minute m * 6,
// second s * 6.
double Hour_Angle(int Hour, int Minute);
inline double Minute_Angle(int Minute) { return Minute * 6.0; }

// The stroke of a line hand from -Back to +Ahead radii along Angle.
Watch_Line Hand_Line(QPoint Center, int Radius, double Angle, double Back, double Ahead);

// A pointer hand: tail at 0.1 R opposite, a side point 0.05 R to the left,
// the tip at Length radii, a side point 0.05 R to the right.
std::vector<QPoint> Pointer_Polygon(QPoint Center, int Radius, double Angle, double Length);

// The minute (0 to 59) of a point, from its direction seen from Center.
int Minute_From_Point(QPoint Center, int X, int Y);
// The hour (0 to 23) of a point in the half of the day AM chooses; twelve
// o'clock is 0 in the morning and 12 in the afternoon on both sides of the
// top.
int Hour_From_Point(QPoint Center, int X, int Y, bool AM);

// The centre point's boxes: the filled circle and outer ring share the
// first, the inner ring the second; the two ring pen widths.
struct Center_Point_Boxes {
  TRect Fill;
  TRect Inner;
  int Outer_Width = 0;
  int Inner_Width = 0;
};
Center_Point_Boxes Center_Point_Geometry(QPoint Center, const TWatchAppearance& A);
