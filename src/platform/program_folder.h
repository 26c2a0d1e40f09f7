#pragma once
#include <QString>

namespace program_folder {

// The folder of the program file (no trailing separator). Tests point it at a
// temporary folder with Override(); an empty text returns to the real one.
QString Path();
void Override(const QString& folder);

}  // namespace program_folder
