#pragma once
// TCustomDateTimePicker: the date-time picker with a flat frame when it has
// no 3D border, an optional flat Metro look (own border and a drop-down
// button in plain colours), and automatic advance to the next field after a
// digit (AutoTab). The labelled picker builds on it, and embeds one as its
// time part.
#include "controls/datetime/flat_date_time_picker.h"

class TCustomDateTimePicker : public TFlatDateTimePicker {
  Q_OBJECT

 public:
  explicit TCustomDateTimePicker(QWidget* parent = nullptr);

  bool AutoTab() const { return FAutoTab; }
  virtual void SetAutoTab(bool Value) { FAutoTab = Value; }

  // The Metro drop-down button's rectangle (its left and top corner are the
  // triangle's reference point).
  TRect Metro_Button_Rect() const;

 protected:
  // After a digit with AutoTab: the next field when the typed field changed.
  virtual void ShiftFocus();
  // The embedded time picker never draws a Metro border of its own.
  virtual bool SuppressMetroBorder() const { return true; }
  void KeyPress(QChar& Key) override;
  // Posts the advance check for after the typed digit has been applied.
  void Post_Shift_Focus();
  // Moves to the next field the way the Right key does.
  void Post_Right();

  void Paint_Border(TCanvas& Canvas);

  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

  // The time before the last digit (time pickers).
  QTime FTypedFrom;

 private:
  void Draw_Flat_Frame(TCanvas& Canvas, bool Inner);
  TColor Parent_Color() const;

  bool FAutoTab = false;
};
