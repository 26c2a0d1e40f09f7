#include "controls/datetime/flat_date_time_picker.h"

#include "controls/canvas.h"

TFlatDateTimePicker::TFlatDateTimePicker(QWidget* parent, TColor border_color)
    : TDateTimePicker(parent), FBorderColor(border_color) {
  setMouseTracking(true);
}

void TFlatDateTimePicker::SetBorderStyle(TBorderStyle Value) { TDateTimePicker::SetBorderStyle(Value); }

void TFlatDateTimePicker::SetBorderColor(TColor Value) {
  if (Value == FBorderColor) return;
  FBorderColor = Value;
  update();
}

void TFlatDateTimePicker::SetMetroStyle(bool Value) {
  if (Value == FMetroStyle) return;
  FMetroStyle = Value;
  update();
}

void TFlatDateTimePicker::SetButtonColor(TColor Value) {
  FButtonColor = Value;
  update();
}

void TFlatDateTimePicker::SetButtonTextColor(TColor Value) {
  FButtonTextColor = Value;
  update();
}

void TFlatDateTimePicker::SetButtonBorderColor(TColor Value) {
  FButtonBorderColor = Value;
  update();
}

void TFlatDateTimePicker::enterEvent(QEnterEvent* event) {
  TDateTimePicker::enterEvent(event);
  if (isEnabled()) FMouseInControl = true;
  update();
}

void TFlatDateTimePicker::leaveEvent(QEvent* event) {
  TDateTimePicker::leaveEvent(event);
  if (isEnabled()) FMouseInControl = false;
  FButtonHover = false;
  update();
}

void TFlatDateTimePicker::focusInEvent(QFocusEvent* event) {
  TDateTimePicker::focusInEvent(event);
  FHasFocus = true;
}

void TFlatDateTimePicker::focusOutEvent(QFocusEvent* event) {
  TDateTimePicker::focusOutEvent(event);
  FHasFocus = false;
}

bool TFlatDateTimePicker::Draw_Metro_Border(TCanvas& Canvas, TColor parent_color, bool themed) {
  if (isEnabled() && FBorderColor == clNone && FFocusBorderColor == clNone) return false;
  Flat_Border_Look look;
  look.Enabled = isEnabled();
  look.Themed = themed;
  look.DisabledBorder = FDisabledBorder;
  look.Focused = FHasFocus;
  look.ShowsFocusBorder = Hot() && FFocusBorder;
  look.BorderColor = FBorderColor;
  look.FocusBorderColor = FFocusBorderColor;
  look.ParentColor = parent_color;
  look.ControlColor = Color();
  look.ButtonWidth = FButtonWidth;
  Draw_Flat_Borders(Canvas, width(), height(), look);
  return true;
}
