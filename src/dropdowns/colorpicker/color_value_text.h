#pragma once
// The colour picker's colour texts: a colour as hexadecimal digits, as a web
// colour name, as its red, green and blue values or as an HTML colour.
#include <QString>

#include "controls/tcolor.h"

enum TColorValueText { cvtNone = 0, cvtHex = 1, cvtWebName = 2, cvtRGB = 3, cvtHTML = 4 };

struct Web_Color {
  const char* Name;
  TColor Color;  // $BBGGRR
};

// The 138 named web colours, each colour once.
const Web_Color* Web_Colors();
int Web_Color_Count();

// The web colour name of Value (system colours resolved), or "#RRGGBB" when
// the table has none.
QString Web_Color_Name(TColor Value);

// Value as text in the form Kind (empty for cvtNone and for clNone).
QString Color_Value_Text(TColor Value, TColorValueText Kind);
