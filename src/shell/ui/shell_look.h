#pragma once
#include <QFont>

#include "controls/tcolor.h"

class QWidget;

// Colours and fonts the shell's windows share.
namespace shell_look {

constexpr TColor kBackground = 15595512;  // $EDF7F8, a pale cream
constexpr TColor kPressed = 33023;        // $0080FF, orange
constexpr TColor kGrey = clGray;

QFont Window_Font();  // Verdana 8 point
QFont Bold_Font();
QFont Code_Font();  // the large software code of the title

void Set_Background(QWidget* widget, TColor color);
void Set_Text_Color(QWidget* widget, TColor color);

}  // namespace shell_look
