#pragma once
// TZsgDateTimePicker: the date-time picker the grid edits date cells with.
// It keeps the plain picker's behaviour and changes only its frame and
// button: a flat, colourable border and, in its Metro look, a drop-down
// button in plain colours. With the Metro look off it paints exactly like
// the plain picker.
#include "controls/datetime/flat_date_time_picker.h"

class TZsgDateTimePicker : public TFlatDateTimePicker {
  Q_OBJECT

 public:
  explicit TZsgDateTimePicker(QWidget* parent = nullptr);

  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor Value);
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool Value);
  bool FocusBorder() const { return FFocusBorder; }
  void SetFocusBorder(bool Value);

  QString Version() const { return QStringLiteral("1.0.0.0"); }
  // The Metro button: from client width - ButtonWidth + 3 to the window's right edge - 1.
  TRect Metro_Button_Rect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  bool Metro_Active() const { return FMetroStyle; }
  TColor Parent_Color() const;
  void Flat_Border(TCanvas& Canvas);

  bool FIsThemed = true;
};
