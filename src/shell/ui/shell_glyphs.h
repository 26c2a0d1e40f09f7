#pragma once
#include <QIcon>
#include <QImage>
#include <QPixmap>

// Pictures of the main window's Information, Options and Close buttons: one
// 32 x 32 frame each on the $FF00FF background that the button leaves out.
namespace shell_glyphs {

QImage Info();
QImage Options();
QImage Close();

// The maker's logo, a blue tile with a white K, `size` pixels square: the
// About window's picture and, in several sizes, the program's window icon.
QPixmap Logo(int size);
QIcon Program_Icon();

}  // namespace shell_glyphs
