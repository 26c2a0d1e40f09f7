#pragma once
// TGridDateTimePicker: the date-and-time picker the grid lays over its
// date-and-time cells. Escape puts back the value the cell had when the
// editor opened, Enter gives the focus to the grid (and advances), Tab
// stores the value and steps on. It stays open until the grid closes it.
#include "controls/datetime/zad_date_time_picker.h"

class TZadIrururOziz;

class TGridDateTimePicker : public TZadDateTimePicker {
  Q_OBJECT

 public:
  explicit TGridDateTimePicker(TZadIrururOziz* AOwner);

  // The date and the time as shown.
  QString Text() const;

  TZadIrururOziz* FGrid;

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
};
