#pragma once
// The month calendar that a date picker drops down: a month of days with
// the previous and next month's buttons, optional ISO week numbers, a
// "Today:" line and a circle round today. A click on a day, Enter or a click
// on the Today line chooses; Escape or a click elsewhere closes it.
#include <QDate>
#include <QWidget>
#include <functional>

#include "controls/datetime/month_grid.h"

class TMonthCalendar : public QWidget {
  Q_OBJECT

 public:
  // A popup window when `popup`, else an ordinary child.
  explicit TMonthCalendar(QWidget* parent = nullptr, bool popup = true);

  std::function<void(const QDate& Date)> OnSelect;
  std::function<void()> OnClosed;

  QDate Date() const { return FDate; }
  // Shows the month of `Value` with it marked.
  void SetDate(const QDate& Value);
  // The month shown (may differ from Date's after paging).
  int ShownYear() const { return FGrid.Year; }
  int ShownMonth() const { return FGrid.Month; }
  void ShowMonth(int Year, int Month);
  bool WeekNumbers() const { return FWeekNumbers; }
  void SetWeekNumbers(bool Value);
  bool ShowToday() const { return FShowToday; }
  void SetShowToday(bool Value);
  bool ShowTodayCircle() const { return FShowTodayCircle; }
  void SetShowTodayCircle(bool Value);
  // Days outside [MinDate, MaxDate] cannot be chosen (null: no limit).
  void SetRange(const QDate& Min, const QDate& Max);
  // Today as the calendar knows it (tests may fix it).
  QDate Today() const { return FToday.isValid() ? FToday : QDate::currentDate(); }
  void SetToday(const QDate& Value) { FToday = Value; }

  // Geometry of the parts, for painting, clicks and tests.
  QRect Previous_Button() const;
  QRect Next_Button() const;
  QRect Day_Rect(int Row, int Column) const;
  QRect Today_Rect() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  int Cell_Width() const;
  int Cell_Height() const;
  int Header_Height() const;
  int Grid_Left() const;
  int Grid_Top() const;
  bool Allowed(const QDate& Day) const;
  void Choose(const QDate& Day);
  void Move_To(const QDate& Day);

  QDate FDate;
  QDate FToday;
  QDate FMin, FMax;
  Month_Grid FGrid;
  bool FWeekNumbers = false;
  bool FShowToday = true;
  bool FShowTodayCircle = true;
};
