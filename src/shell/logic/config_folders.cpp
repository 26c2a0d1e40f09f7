#include "shell/logic/config_folders.h"

#include <QDir>
#include <QFileInfo>

#include "platform/file_resolver.h"
#include "platform/program_folder.h"
#include "shell/core/globals.h"

namespace config_folders {

void Set_Program_Folders() {
  Dir_Program = program_folder::Path();
  Dir_Master = Dir_Program + QStringLiteral("/MASTER");
  Dir_Projects = Dir_Program + QStringLiteral("/PROJECTS");
  Dir_Language = Dir_Program + QStringLiteral("/LANGUAGE");
  for (const QString& folder : {Dir_Master, Dir_Projects, Dir_Language})
    if (!QFileInfo::exists(folder)) QDir().mkdir(folder);
}

bool Is_Valid_Folder_Name(const QString& name) {
  if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
  for (QChar c : name)
    if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
  return true;
}

Create_Result Create_Configuration(const QString& name) {
  if (name.isEmpty()) return Create_Result::Empty_Name;
  if (!Is_Valid_Folder_Name(name)) return Create_Result::Not_Valid;
  // Folder names compare as the Windows file system does, without regard to case.
  const QString existing = file_resolver::Resolve(Dir_Projects, name);
  if (QFileInfo::exists(existing)) return Create_Result::Already_Exists;
  const QString folder = Dir_Projects + QLatin1Char('/') + name;
  QDir dir;
  if (!dir.mkdir(folder)) return Create_Result::Not_Valid;
  if (!dir.mkpath(folder + QStringLiteral("/bin"))) {
    dir.rmdir(folder);
    return Create_Result::Not_Valid;
  }
  Active_Conf_Name = name;
  Active_Conf_Dir = folder;
  Set_Files();
  return Create_Result::Created;
}

QStringList Load_Existing_Configuration() {
  const QDir projects(Dir_Projects);
  return projects.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted);
}

int Search_Open_Conf(const QStringList& names, const QString& name) {
  // Only a..z fold, as the stored names have always been compared.
  auto fold = [](const QString& text) {
    QString folded = text;
    for (QChar& c : folded)
      if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + 32);
    return folded;
  };
  const QString wanted = fold(name);
  for (int i = 0; i < names.size(); ++i)
    if (fold(names[i]) == wanted) return i;
  return -1;
}

QString Active_Name_From_Dir() {
  const QString prefix = Dir_Projects + QLatin1Char('/');
  if (Active_Conf_Dir.startsWith(prefix)) return Active_Conf_Dir.mid(prefix.size());
  return {};
}

void Open_Configuration(const QString& name) {
  Active_Conf_Name = name;
  Active_Conf_Dir = name.isEmpty() ? QString() : Dir_Projects + QLatin1Char('/') + name;
  Set_Files();
}

bool Restore_Active_Configuration() {
  // A remembered name that is no plain folder name never points outside PROJECTS.
  const bool valid = Is_Valid_Folder_Name(Active_Conf_Name);
  const QString folder = valid ? file_resolver::Resolve(Dir_Projects, Active_Conf_Name) : QString();
  const bool present = valid && QFileInfo(folder).isDir();
  Active_Conf_Dir = present ? folder : QString();
  return present;
}

void Set_Files() {
  Path_ParGen_XML = Active_Conf_Dir + QStringLiteral("/ParGen.xml");
  Path_M_Bus_XML = Active_Conf_Dir + QStringLiteral("/M_Bus.xml");
  Path_SDO_Server_XML = Active_Conf_Dir + QStringLiteral("/SDO_Server_CANopen.xml");
  Path_SDO_Client_XML = Active_Conf_Dir + QStringLiteral("/SDO_Client_CANopen.xml");
  Path_PDO_XML = Active_Conf_Dir + QStringLiteral("/PDO_CANopen.xml");
}

}  // namespace config_folders
