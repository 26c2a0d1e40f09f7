#pragma once
// TFlatDateTimePicker: what the labelled and the in-cell picker share for
// their flat frame and Metro drop-down button: the border and button colours,
// the Metro switch, and the mouse and focus state their painting reads. Each
// paints its own frame and button from these.
#include "controls/datetime/date_time_picker.h"
#include "controls/editor_logic/flat_border.h"

class TFlatDateTimePicker : public TDateTimePicker {
  Q_OBJECT

 public:
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
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

 protected:
  TFlatDateTimePicker(QWidget* parent, TColor border_color);

  bool Hot() const { return FMouseInControl || hasFocus(); }
  Drop_Button_Colors Metro_Button_Colors() const {
    return {FButtonColor,     FButtonColorHot,      FButtonColorDown,
            FButtonTextColor, FButtonTextColorDown, FButtonBorderColor};
  }

  // The flat Metro border from the border colours and the focus state, over
  // the parent's colour `parent_color`; false (nothing drawn) while enabled
  // with neither a border nor a focus border colour. The focus border shows
  // while hot with FocusBorder on.
  bool Draw_Metro_Border(TCanvas& Canvas, TColor parent_color, bool themed);

  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

  TColor FBorderColor;
  TColor FButtonColorDown = clNone;
  TColor FButtonBorderColor = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonColor = clNone;
  TColor FButtonColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
  // The desktop's vertical scroll-bar width plus two.
  int FButtonWidth = 17 + 2;
  bool FButtonHover = false;
  bool FMouseInControl = false;
  bool FIsWinXP = true;
  bool FMetroStyle = false;
  TColor FFocusBorderColor = clNone;
  bool FDisabledBorder = false;
  bool FHasFocus = false;
  bool FFocusBorder = false;
};
