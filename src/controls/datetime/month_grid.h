#pragma once
// The six weeks a month calendar shows for one month: the week holding the
// first day of the month comes first, weeks start on `first_day`, and each
// row carries its ISO week number (of the row's Thursday).
#include <QDate>
#include <array>

struct Month_Grid {
  int Year = 0;
  int Month = 0;
  QDate First;  // top-left day
  std::array<int, 6> Week_Numbers{};

  QDate Day_At(int row, int column) const { return First.addDays(row * 7 + column); }
  // Row and column of `date`, or false when it is not shown.
  bool Cell_Of(const QDate& date, int& row, int& column) const;
};

Month_Grid Make_Month_Grid(int year, int month, Qt::DayOfWeek first_day = Qt::Monday);
