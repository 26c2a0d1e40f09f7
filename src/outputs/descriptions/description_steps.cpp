#include "outputs/descriptions/description_steps.h"

#include <QFileInfo>

#include "outputs/descriptions/gsd_writer.h"
#include "outputs/descriptions/gsdml_writer.h"
#include "platform/dialogs.h"
#include "platform/file_resolver.h"
#include "shell/core/globals.h"

namespace {

// A file of that name in another letter case is the one replaced, as on the
// file system these configurations come from.
bool Confirm_Replace(QWidget* parent, QString& path, int question) {
  path = file_resolver::Resolve_Path(path);
  if (!QFileInfo::exists(path)) return true;
  return dialogs::Message(parent, dialogs::Kind::Confirmation, Lang(question), dialogs::Yes | dialogs::No) ==
         dialogs::Yes;
}

}  // namespace

void Create_GSD_File(QWidget* parent) {
  const std::optional<GSD_Modules> modules = Read_GSD_Modules(Path_ParGen_XML, Active_Conf_Dir);
  if (!modules) {
    dialogs::Error(parent, Lang(1301));
    return;
  }
  // The dialog asks nothing itself: the question below names the file really written.
  const QString chosen = dialogs::Current().Save_File(
      parent, {Lang(30), Active_Conf_Dir, QStringLiteral("Generic Station Description (*.gsd)"), QString(), false});
  if (chosen.isEmpty()) return;
  QString path = GSD_File_Name(chosen);
  if (!Confirm_Replace(parent, path, 1300)) return;
  Write_GSD_File(path, *modules);
}

void Save_GSDML_File(QWidget* parent, const QString& name) {
  const QString chosen = dialogs::Current().Save_File(
      parent, {Lang(32), Active_Conf_Dir, QStringLiteral("PROFINET XML (%1)").arg(name), name, false});
  if (chosen.isEmpty()) return;
  QString path = QFileInfo(chosen).absolutePath() + QLatin1Char('/') + name;
  if (!Confirm_Replace(parent, path, 1511)) return;
  Write_GSDML_File(path);
}
