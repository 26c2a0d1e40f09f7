#pragma once
// The flat look shared by the combo box and the date-time pickers: the
// border rings (disabled, custom, focus or flat parent-coloured), the flat
// face that hides the drop-down button's 3D edge while the control is not
// hot, and the custom-coloured drop-down button.
#include <QPoint>

#include "controls/canvas.h"

struct Flat_Border_Look {
  bool Enabled = true;
  // The platform draws visual styles (the disabled frame is then blue-grey).
  bool Themed = true;
  bool DisabledBorder = true;
  bool Focused = false;
  // The sunken focus border shows (hot or focused, with FocusBorder on).
  bool ShowsFocusBorder = false;
  bool Flat = false;
  TColor BorderColor = clNone;
  TColor FocusBorderColor = clNone;
  TColor ParentColor = clBtnFace;
  TColor ControlColor = clWindow;
  TColor FlatLineColor = clNone;
  int ButtonWidth = 19;
};

// The frame of a width x height control.
void Draw_Flat_Borders(TCanvas& canvas, int width, int height, const Flat_Border_Look& look);

// Over the drop-down button area of a control that is not hot: a button-face
// fill around the arrow. `raised_when_hot`: a hot control gets a raised edge
// there instead (flat while `dropped`).
void Draw_Flat_Button_Face(TCanvas& canvas, int width, int height, int button_width, bool hot,
                           bool raised_when_hot = false, bool dropped = false);

struct Drop_Button_Colors {
  TColor Color = clNone;
  TColor ColorHot = clNone;
  TColor ColorDown = clNone;
  TColor TextColor = clNone;
  TColor TextColorDown = clNone;
  TColor BorderColor = clNone;
};

// A drop-down button in custom colours over `b`: the fill from `fill_left`
// on (hot and down colours falling back to the plain one when unset), a line
// in the border colour at b.Left, and a down triangle with its corners at
// (`tip_left`, `tip_top`) + (0,7), (6,7), (3,10).
void Draw_Custom_Drop_Button(TCanvas& canvas, const TRect& b, int fill_left, int tip_left, int tip_top,
                             const Drop_Button_Colors& colors, bool hot, bool down);
