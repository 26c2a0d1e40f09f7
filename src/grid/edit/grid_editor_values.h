#pragma once
// The texts the special editors read from a cell and write back into it,
// with the process's date and time conventions.
#include <QString>

#include "controls/editor_logic/date_time_value.h"
#include "controls/format_settings.h"

// A cell's date, optionally followed by a blank and a time of day; false
// (Value untouched) for anything else.
bool Try_Cell_Date_Time(const QString& Text, TDateTime& Value,
                        const Format_Settings& Settings = Process_Format_Settings());
// A date and time as a date-and-time cell holds it: the short date, a
// blank and the short time.
QString Cell_Date_Time_Text(TDateTime Value, const Format_Settings& Settings = Process_Format_Settings());
