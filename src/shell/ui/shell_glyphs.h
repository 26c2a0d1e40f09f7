#pragma once
#include <QImage>

// Pictures of the main window's Information, Options and Close buttons: one
// 32 x 32 frame each on the $FF00FF background that the button leaves out.
namespace shell_glyphs {

QImage Info();
QImage Options();
QImage Close();

}  // namespace shell_glyphs
