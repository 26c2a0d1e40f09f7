#pragma once
// TCustomDateTimePicker: the date-time picker with a flat frame when it has
// no 3D border, an optional flat Metro look (own border and a drop-down
// button in plain colours), and automatic advance to the next field after a
// digit (AutoTab). The labelled picker builds on it, and embeds one as its
// time part.
#include "controls/datetime/date_time_picker.h"
#include "controls/editor_logic/flat_border.h"

class TCustomDateTimePicker : public TDateTimePicker {
  Q_OBJECT

 public:
  explicit TCustomDateTimePicker(QWidget* parent = nullptr);

  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  bool MetroStyle() const { return FMetroStyle; }
  void SetMetroStyle(bool Value);
  bool AutoTab() const { return FAutoTab; }
  virtual void SetAutoTab(bool Value) { FAutoTab = Value; }
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

  bool Hot() const { return FMouseInControl || hasFocus(); }
  void Paint_Border(TCanvas& Canvas);

  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

  // The time before the last digit (time pickers).
  QTime FTypedFrom;

 private:
  void Draw_Flat_Frame(TCanvas& Canvas, bool Inner);
  TColor Parent_Color() const;
  Drop_Button_Colors Metro_Button_Colors() const {
    return {FButtonColor,     FButtonColorHot,      FButtonColorDown,
            FButtonTextColor, FButtonTextColorDown, FButtonBorderColor};
  }

  TColor FBorderColor = clBlack;
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
  // Kept as the labelled picker has them: no focus border colour and no
  // disabled-border exception.
  TColor FFocusBorderColor = clNone;
  bool FDisabledBorder = false;
  bool FHasFocus = false;
  bool FFocusBorder = false;
  bool FAutoTab = false;
};
