#pragma once
#include <QString>
#include <QStringList>

// Configuration folders: one folder per configuration inside Dir_Projects,
// holding its XML files and a "bin" folder for the images.
namespace config_folders {

// Sets Dir_Program from the program folder and Dir_Master, Dir_Projects and
// Dir_Language beside it, creating each of the three when missing (one
// level). Returns why one could not be created (the folder and the system's
// reason), empty when all three are there: a program folder that cannot be
// written is said at start, not found out at the first New Configuration.
// Every save into Dir_Projects is then kept inside its real path
// (atomic_file::Guard_Folder).
QString Set_Program_Folders();

// True when `folder`, its links followed, lies inside the real Dir_Projects.
bool Is_Inside_Projects(const QString& folder);

// Outcome of creating a configuration; the numbers are the texts shown.
enum class Create_Result {
  Created,
  Empty_Name = 107,
  Already_Exists = 106,
  Not_Valid = 105,
  Cannot_Create = -1,  // a good name whose folder the system refused: no text, the reason says why
};

// Creates Dir_Projects/<name>/bin and makes it the active configuration
// (Active_Conf_Name, Active_Conf_Dir, Set_Files). The name is taken as typed.
// A name holding a path separator or a control character, "." or "..", or
// one with blanks at its start or end (or nothing but blanks) is refused
// before anything is created, as is one already used in any letter case.
// When the folder cannot be made, `reason` gets the folder and the system's
// reason. A failure leaves nothing behind and the active one unchanged.
Create_Result Create_Configuration(const QString& name, QString* reason = nullptr);

// True when `name` may become a folder name of its own.
bool Is_Valid_Folder_Name(const QString& name);

// Names of the folders inside Dir_Projects, in the file system's order; a
// symbolic link to a folder outside Dir_Projects is left out.
QStringList Load_Existing_Configuration();

// Index in `names` of `name` compared without regard to the case of the
// letters a to z; -1 when absent.
int Search_Open_Conf(const QStringList& names, const QString& name);

// The active configuration's name as it appears in Active_Conf_Dir (the part
// after Dir_Projects + "/"), empty when none is active.
QString Active_Name_From_Dir();

// Makes `name` the active configuration; an empty name leaves none active.
// Sets Active_Conf_Name, Active_Conf_Dir and the file paths.
void Open_Configuration(const QString& name);

// At start: the remembered Active_Conf_Name becomes active when its folder
// still exists inside Dir_Projects (a link leading outside does not count);
// otherwise none is active and the name is kept as it was.
// True when one is active.
bool Restore_Active_Configuration();

// The five configuration file paths from Active_Conf_Dir.
void Set_Files();

}  // namespace config_folders
