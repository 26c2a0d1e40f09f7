#pragma once
// Colours as settings files write them: the name of a standard or system
// colour ("clRed", "clWindow", "clNone"), else "$" and eight hexadecimal
// digits of the $00BBGGRR value ("$00C08040").
#include <QString>
#include <optional>

#include "controls/tcolor.h"

QString Color_To_Text(TColor color);
// A name (any case) or a decimal or "$"/"0x" hexadecimal number; nullopt for
// anything else.
std::optional<TColor> Text_To_Color(const QString& text);
