#pragma once
#include <QString>

namespace program_folder {

// The folder of the program file (no trailing separator). Tests point it at a
// temporary folder with Override(); an empty text returns to the real one.
QString Path();
void Override(const QString& folder);

// Creates one folder (its parent must exist). Empty when it was made or is
// already a folder; otherwise the system's reason ("Permission denied").
QString Make_Folder(const QString& path);

}  // namespace program_folder
