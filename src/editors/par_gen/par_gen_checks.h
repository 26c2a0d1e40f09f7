#pragma once
#include <optional>

#include "editors/files/par_gen_settings.h"

// The range checks of the "Set Communication" window, in their fixed order:
// the number of the language text of the first field that fails, or nullopt
// when every field of `device_type` passes. Typed fields are read by the
// number entry, so a text that is not a number fails its range. Fields of
// groups the window keeps hidden are checked all the same, except the M-Bus
// fields of type 4 while its wired M-Bus port is "Not Present". Lists and the
// PROFIBUS fields are not checked; neither is the CANopen sync time, whose row
// the window never shows (it is written back as read).
std::optional<int> Check_Par_Gen(const Par_Gen_Settings& settings, int device_type);
