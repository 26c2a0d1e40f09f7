#include "controls/datetime/month_grid.h"

bool Month_Grid::Cell_Of(const QDate& date, int& row, int& column) const {
  const qint64 offset = First.daysTo(date);
  if (offset < 0 || offset >= 42) return false;
  row = int(offset / 7);
  column = int(offset % 7);
  return true;
}

Month_Grid Make_Month_Grid(int year, int month, Qt::DayOfWeek first_day) {
  Month_Grid grid;
  grid.Year = year;
  grid.Month = month;
  const QDate first(year, month, 1);
  const int back = (first.dayOfWeek() - int(first_day) + 7) % 7;
  grid.First = first.addDays(-back);
  for (int row = 0; row < 6; ++row) {
    // The ISO week of a row is the week of its Thursday.
    const QDate start = grid.First.addDays(row * 7);
    const int to_thursday = (int(Qt::Thursday) - start.dayOfWeek() + 7) % 7;
    grid.Week_Numbers[size_t(row)] = start.addDays(to_thursday).weekNumber();
  }
  return grid;
}
