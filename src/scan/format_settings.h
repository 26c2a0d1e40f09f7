#pragma once
#include <QChar>

// The process's number format settings as the decoder uses them: read at each
// call, so a change of the user's locale shows in the next decoded value.
// Taken from the system locale until something sets it.
namespace format_settings {

QChar Decimal_Separator();
void Set_Decimal_Separator(QChar separator);

}  // namespace format_settings
