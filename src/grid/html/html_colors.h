#pragma once
// Colours written in HTML cell texts: "clRed"-style names (lower case) and
// "#RRGGBB" hex values, red first as in HTML.
#include <QString>

#include "controls/tcolor.h"

// The colour of a lower-case name ("clred", "clbtnface" ...); system colours
// give $FF000000 + their index. Any other name, also one not in lower case,
// gives 0 (black).
TColor ColorFromHtmlName(const QString& name);

// "#RRGGBB" as a colour; only digits and upper-case A-F count, any other
// character reads as 0.
TColor HexToColor(const QString& text);

// The colour's red, green and blue bytes as six upper-case hex digits RRGGBB,
// without "#".
QString ColorToHtmlHex(TColor color);

// A colour attribute of the markup: "#RRGGBB" when it starts with "#", else a
// colour name in any letter case.
TColor Html_Attribute_Color(const QString& value);
