#include "outputs/update/updater_start.h"

#include <QFileInfo>

namespace {

// Why the file cannot be run; empty when it looks runnable.
QString Start_Problem(const QString& program) {
  const QFileInfo file(program);
  if (!file.exists()) return QStringLiteral("the file does not exist");
  if (file.isDir()) return QStringLiteral("it is a folder");
  if (!file.isExecutable()) return QStringLiteral("the file is not executable");
  return {};
}

QString Start_Error(const QString& program, const QString& reason) {
  return QStringLiteral("The update program \"%1\" cannot be started: %2.").arg(program, reason);
}

}  // namespace

Updater_Start_Result Start_Updater(const QString& program, const QString& parameter, int tipo,
                                   const Wait_Clock& clock) {
  (void)tipo;  // the updaters open their own windows
  Updater_Start_Result result;
  if (const QString problem = Start_Problem(program); !problem.isEmpty()) {
    result.error = Start_Error(program, problem);
    return result;
  }
  const Start_Result run = Start_Program_Waiting(program, parameter, clock);
  result.started = run.started;
  result.ended = run.ended;
  if (!run.started) result.error = Start_Error(program, QStringLiteral("the system refused to start it"));
  return result;
}
