#include "dropdowns/timepicker/watch_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

}  // namespace

int Round_Even(double Value) {
  // nearbyint rounds to even in the default rounding mode.
  return static_cast<int>(std::nearbyint(Value));
}

Watch_Frame Watch_Geometry(const TRect& Client, int Size) {
  const int w = Client.Right - Client.Left, h = Client.Bottom - Client.Top;
  int s = Size;
  if (s > 0) {
    if (s > h) s = h;
    if (s > w) s = w;
  } else {
    s = std::min(w, h) - 20;
  }
  s = std::max(s, 0);
  Watch_Frame f;
  const int left = Client.Left + (w - s) / 2, top = Client.Top + (h - s) / 2;
  f.Dial = TRect{left, top, left + s, top + s};
  f.Center = QPoint(left + s / 2, top + s / 2);
  f.Radius = s / 2;
  return f;
}

QPoint Point_At(QPoint Center, double Angle, double Distance) {
  const double a = Angle * kDegree;
  return QPoint(Round_Even(Center.x() + Distance * std::sin(a)), Round_Even(Center.y() - Distance * std::cos(a)));
}

int Mark_Outer_Radius(int Radius, const TWatchAppearance& A) { return Radius - A.BorderWidth() / 2; }

std::vector<Watch_Line> Tick_Mark_Lines(QPoint Center, int Radius, const TWatchAppearance& A) {
  std::vector<Watch_Line> lines;
  if (A.TickMarks() == tmNone) return lines;
  const double ro = Mark_Outer_Radius(Radius, A);
  const double ri = A.HourMarkLength() > 0 ? ro - A.HourMarkLength() : 0.9 * ro;
  const auto hour_mark = [&](double angle, QPoint shift) {
    Watch_Line l;
    l.From = Point_At(Center, angle, ri) + shift;
    l.To = Point_At(Center, angle, ro) + shift;
    l.Color = A.HourColor();
    l.Width = A.HourMarkWidth();
    lines.push_back(l);
  };
  for (int q = 0; q < 4; ++q) {
    const double angle = q * 90.0;
    if (A.HourMarkStyle() == hmsQuartDblLine) {
      // Two lines 2 pixels either side of the line through the centre.
      const QPoint shift = q % 2 == 0 ? QPoint(2, 0) : QPoint(0, 2);
      hour_mark(angle, -shift);
      hour_mark(angle, shift);
    } else {
      hour_mark(angle, QPoint());
    }
  }
  if (A.TickMarks() == tmAll || A.TickMarks() == tmHours) {
    for (int hour = 1; hour < 12; ++hour)
      if (hour % 3 != 0) hour_mark(hour * 30.0, QPoint());
  }
  if (A.TickMarks() == tmAll) {
    const double mi = A.MinuteMarkLength() > 0 ? ro - A.MinuteMarkLength() : 0.95 * ro;
    for (int minute = 1; minute < 60; ++minute) {
      if (minute % 5 == 0) continue;
      Watch_Line l;
      l.From = Point_At(Center, minute * 6.0, mi);
      l.To = Point_At(Center, minute * 6.0, ro);
      l.Color = A.MinuteColor();
      l.Width = A.MinuteMarkWidth();
      lines.push_back(l);
    }
  }
  return lines;
}

std::vector<int> Hour_Numbers(TTickMarks Marks) {
  switch (Marks) {
    case tmAll:
      return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    case tmQuartHours:
      return {3, 6, 9, 12};
    case tmHours:
    case tmNone:
      break;
  }
  return {};
}

QPoint Number_Origin(QPoint Center, int Radius, const TWatchAppearance& A, int N, QSize TextSize) {
  const int ro = Mark_Outer_Radius(Radius, A);
  const int b = A.HourMarkLength() > 0 ? A.HourMarkLength() : Round_Even(ro - 0.9 * ro) + 2;
  const int rho0 = ro - (b + 2) - b;
  const int h = TextSize.height();
  // 10 and 11 are wide: they move inwards a little.
  const int d = N == 10 ? Round_Even(0.2 * h) : N == 11 ? Round_Even(0.15 * h) : 0;
  const int rho = rho0 - d + b / 2;
  const double a = N * 30.0 * kDegree;
  const int ax = Center.x() + Round_Even(rho * std::sin(a)) + 1;
  const int ay = Center.y() - Round_Even(rho * std::cos(a)) + 1;
  return QPoint(ax - TextSize.width() / 2 - 1, ay - h / 2 - 1);
}

TRect AMPM_Box(QPoint Center, int Radius, QSize TextSize) {
  const int w = TextSize.width() + 8;
  const int left = Center.x() - w / 2;
  const int top = Center.y() + Round_Even((Radius - TextSize.height()) / 3.0);
  return TRect{left, top, left + w, top + TextSize.height()};
}

double Hour_Angle(int Hour, int Minute) { return (Hour % 12) * 30.0 + Minute / 12.0 * 6.0; }

Watch_Line Hand_Line(QPoint Center, int Radius, double Angle, double Back, double Ahead) {
  Watch_Line l;
  l.From = Point_At(Center, Angle, -Back * Radius);
  l.To = Point_At(Center, Angle, Ahead * Radius);
  return l;
}

std::vector<QPoint> Pointer_Polygon(QPoint Center, int Radius, double Angle, double Length) {
  return {Point_At(Center, Angle, -0.1 * Radius), Point_At(Center, Angle - 90.0, 0.05 * Radius),
          Point_At(Center, Angle, Length * Radius), Point_At(Center, Angle + 90.0, 0.05 * Radius)};
}

int Minute_From_Point(QPoint Center, int X, int Y) {
  const int cx = Center.x(), cy = Center.y();
  int dy = std::abs(cy - Y), dx = std::abs(cx - X);
  if (dy == 0) dy = 1;
  if (dx == 0) dx = 1;
  const int f = Round_Even(std::atan(static_cast<double>(dy) / dx) / kDegree / 6.0);
  int m = 0;
  if (X >= cx && Y >= cy)
    m = f + 15;
  else if (X <= cx && Y >= cy)
    m = 45 - f;
  else if (X <= cx && Y <= cy)
    m = f + 45;
  else
    m = 15 - f;
  return m < 0 || m > 59 ? 0 : m;
}

int Hour_From_Point(QPoint Center, int X, int Y, bool AM) {
  int c = Round_Even(Minute_From_Point(Center, X, Y) / 5.0);
  // Just left of the top rounds to 12: the same twelve o'clock as just right
  // of it, not the other half of the day.
  if (c >= 12) c = 0;
  if (c <= 0) return AM ? 0 : 12;
  return AM ? c : c + 12;
}

Center_Point_Boxes Center_Point_Geometry(QPoint Center, const TWatchAppearance& A) {
  Center_Point_Boxes b;
  const int c = A.CenterPointSize();
  const int left = Round_Even(Center.x() - c / 2.0), top = Round_Even(Center.y() - c / 2.0);
  b.Fill = TRect{left, top, left + c, top + c};
  b.Outer_Width = A.CenterPointOuterBorderColor() != clNone ? Round_Even(0.2 * c) : 0;
  const int inner = c - b.Outer_Width;
  const int il = Round_Even(Center.x() - inner / 2.0), it = Round_Even(Center.y() - inner / 2.0);
  b.Inner = TRect{il, it, il + inner, it + inner};
  b.Inner_Width = Round_Even(0.1 * c);
  return b;
}
