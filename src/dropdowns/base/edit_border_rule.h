#pragma once
// Which border a drop-down edit paints over its own frame: a one-pixel
// frame in a colour, the flat look, or nothing. The first rule that matches
// wins.
#include "controls/tcolor.h"

struct Edit_Border_State {
  bool Enabled = true;
  bool Themed = true;
  bool DisabledBorder = true;
  bool Focused = false;
  bool Flat = false;
  TColor BorderColor = clNone;
  TColor FocusBorderColor = clNone;
};

enum class Edit_Border_Kind { None, Frame, Flat };

struct Edit_Border {
  Edit_Border_Kind Kind = Edit_Border_Kind::None;
  TColor Color = clNone;  // the frame's colour
  bool operator==(const Edit_Border&) const = default;
};

Edit_Border Choose_Edit_Border(const Edit_Border_State& S);
