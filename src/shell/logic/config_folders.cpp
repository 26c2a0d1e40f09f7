#include "shell/logic/config_folders.h"

#include <QDir>
#include <QFileInfo>

#include "platform/atomic_file.h"
#include "platform/file_resolver.h"
#include "platform/program_folder.h"
#include "shell/core/globals.h"

namespace config_folders {

namespace {

QString Cannot_Create_Folder(const QString& folder, const QString& reason) {
  return QStringLiteral("Cannot create the folder \"%1\": %2").arg(folder, reason);
}

}  // namespace

QString Set_Program_Folders() {
  Dir_Program = program_folder::Path();
  Dir_Master = Dir_Program + QStringLiteral("/MASTER");
  Dir_Projects = Dir_Program + QStringLiteral("/PROJECTS");
  Dir_Language = Dir_Program + QStringLiteral("/LANGUAGE");
  QStringList failures;
  for (const QString& folder : {Dir_Master, Dir_Projects, Dir_Language})
    if (const QString reason = program_folder::Make_Folder(folder); !reason.isEmpty())
      failures << Cannot_Create_Folder(folder, reason);
  // No save meant for a configuration may land outside PROJECTS through a link.
  atomic_file::Guard_Folder(Dir_Projects);
  return failures.join(QLatin1Char('\n'));
}

bool Is_Inside_Projects(const QString& folder) {
  const QString projects = QFileInfo(Dir_Projects).canonicalFilePath();
  const QString real = QFileInfo(folder).canonicalFilePath();
  return !projects.isEmpty() && real.startsWith(projects + QLatin1Char('/'));
}

bool Is_Valid_Folder_Name(const QString& name) {
  if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) return false;
  for (QChar c : name)
    if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
  return true;
}

Create_Result Create_Configuration(const QString& name, QString* reason) {
  if (name.isEmpty()) return Create_Result::Empty_Name;
  // "Plant " and "Plant" would be two configurations that look the same in
  // every list, and a name of blanks shows as nothing.
  if (!Is_Valid_Folder_Name(name) || name.trimmed() != name) return Create_Result::Not_Valid;
  // Folder names compare as the Windows file system does, without regard to case.
  const QString existing = file_resolver::Resolve(Dir_Projects, name);
  if (QFileInfo::exists(existing)) return Create_Result::Already_Exists;
  const QString folder = Dir_Projects + QLatin1Char('/') + name;
  const QString bin = folder + QStringLiteral("/bin");
  QString failed = folder;
  QString why = program_folder::Make_Folder(folder);
  if (why.isEmpty()) {
    failed = bin;
    why = program_folder::Make_Folder(bin);
    if (!why.isEmpty()) QDir().rmdir(folder);
  }
  if (!why.isEmpty()) {
    if (reason) *reason = Cannot_Create_Folder(failed, why);
    return Create_Result::Cannot_Create;
  }
  Active_Conf_Name = name;
  Active_Conf_Dir = folder;
  Set_Files();
  return Create_Result::Created;
}

QStringList Load_Existing_Configuration() {
  const QDir projects(Dir_Projects);
  QStringList names;
  for (const QString& name : projects.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted))
    if (Is_Inside_Projects(projects.filePath(name))) names << name;
  return names;
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
  const bool present = valid && QFileInfo(folder).isDir() && Is_Inside_Projects(folder);
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
