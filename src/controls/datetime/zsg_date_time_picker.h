#pragma once
// TZsgDateTimePicker: the date-time picker the grid edits date cells with.
// It keeps the plain picker's behaviour and changes only its frame and
// button: a flat, colourable border and, in its Metro look, a drop-down
// button in plain colours. With the Metro look off it paints exactly like
// the plain picker.
#include "controls/datetime/date_time_picker.h"
#include "controls/editor_logic/flat_border.h"

class TZsgDateTimePicker : public TDateTimePicker {
  Q_OBJECT

 public:
  explicit TZsgDateTimePicker(QWidget* parent = nullptr);

  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor FocusBorderColor() const { return FFocusBorderColor; }
  void SetFocusBorderColor(TColor Value);
  bool DisabledBorder() const { return FDisabledBorder; }
  void SetDisabledBorder(bool Value);
  bool FocusBorder() const { return FFocusBorder; }
  void SetFocusBorder(bool Value);
  bool MetroStyle() const { return FMetroStyle; }
  void SetMetroStyle(bool Value);
  void SetBorderStyle(TBorderStyle Value) override;

  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor Value);
  TColor ButtonColorHot() const { return FButtonColorHot; }
  void SetButtonColorHot(TColor Value) { FButtonColorHot = Value; }
  TColor ButtonColorDown() const { return FButtonColorDown; }
  void SetButtonColorDown(TColor Value) { FButtonColorDown = Value; }
  TColor ButtonTextColor() const { return FButtonTextColor; }
  void SetButtonTextColor(TColor Value);
  TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
  void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
  TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
  void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor Value);
  int ButtonWidth() const { return FButtonWidth; }

  QString Version() const { return QStringLiteral("1.0.0.0"); }
  // The Metro button: from client width - ButtonWidth + 3 to the window's right edge - 1.
  TRect Metro_Button_Rect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool Metro_Active() const { return FMetroStyle; }
  bool Hot() const { return FMouseInControl || hasFocus(); }
  TColor Parent_Color() const;
  Drop_Button_Colors Metro_Button_Colors() const {
    return {FButtonColor,     FButtonColorHot,      FButtonColorDown,
            FButtonTextColor, FButtonTextColorDown, FButtonBorderColor};
  }
  void Flat_Border(TCanvas& Canvas);

  TColor FBorderColor = clNone;
  bool FIsThemed = true;
  TColor FButtonColorDown = clNone;
  TColor FButtonBorderColor = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonColor = clNone;
  TColor FButtonColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
  int FButtonWidth;
  bool FButtonHover = false;
  bool FMouseInControl = false;
  bool FIsWinXP = true;
  bool FMetroStyle = false;
  TColor FFocusBorderColor = clNone;
  bool FDisabledBorder = false;
  bool FHasFocus = false;
  bool FFocusBorder = false;
};
