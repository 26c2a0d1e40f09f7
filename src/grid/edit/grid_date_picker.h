#pragma once
// TGridDatePicker: the date or time picker the grid lays over its date and
// time cells. A typed digit that completes a field moves the caret on to
// the next one (by the picker's kind and format); Enter completes the field
// being typed, stores and validates the value; Tab does the same and steps
// on; Escape puts back the cell's value; the edit does not end while the
// calendar is open.
#include "controls/datetime/zsg_date_time_picker.h"

class TZadIrururOziz;

class TGridDatePicker : public TZsgDateTimePicker {
  Q_OBJECT

 public:
  explicit TGridDatePicker(TZadIrururOziz* AOwner);

  void ReCreate() {}
  // The value as shown; setting it reads a date (a time for dtkTime) with
  // the process settings and leaves the value alone when it is none.
  QString Text() const { return Shown_Text(); }
  void SetText(const QString& Value);
  // The calendar's look when it drops down.
  bool Weeknumbers() const { return FWeekNumbers; }
  void SetWeeknumbers(bool Value);
  bool GridShowToday() const { return FShowToday; }
  void SetGridShowToday(bool Value);
  bool GridShowTodayCircle() const { return FShowTodayCircle; }
  void SetGridShowTodayCircle(bool Value);
  // The check after a typed digit: whether the caret moves to the next
  // field; moves it when so.
  bool ShiftFocusCheck();

  quint16 Fy = 0, Fm = 0, Fd = 0;
  quint16 Fth = 0, Ftm = 0, Fts = 0, Ftms = 0;
  bool FOldDropped = false;
  TZadIrururOziz* FGrid;

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void KeyPress(QChar& Key) override;
  void paintEvent(QPaintEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void Remember_Value();
  bool Store_And_Validate();

  bool FWeekNumbers = false;
  bool FShowToday = true;
  bool FShowTodayCircle = true;
};
