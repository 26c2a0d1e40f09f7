#pragma once
#include <QString>

#include "shell/logic/program_starter.h"

// Starting an external updater from the program folder and waiting for it to
// end (at most Start_Program's limit). Unlike Start_Program it says why an
// updater could not run, so the user is never left thinking it did.
struct Updater_Start_Result {
  bool started = false;
  bool ended = false;  // false while started: still running at the limit
  QString error;       // names the program and the reason when not started
};

Updater_Start_Result Start_Updater(const QString& program, const QString& parameter, int tipo,
                                   const Wait_Clock& clock = Steady_Wait_Clock());
