#pragma once
// The lines of the wired scan's progress list.
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>

namespace scan_progress {

// The marker of a primary address that did not answer.
inline constexpr char kNot_Found[] = "[NOT FOUND]";

// The line one wired report adds, nothing for reports that add none:
//   event 1 (scan starts), secondary       text 727
//   event 2, primary                       "ID = " address, tab, "[NOT FOUND]" when not found
//   event 2, secondary                     "ID = " identification number, 8 hex digits
//   event 3 (scan ends), secondary         text 728
std::optional<QString> Line(int32_t event, int32_t value, int32_t found, int32_t addressing);

// A line with the marker, drawn in two parts: the text before "[" without the
// blanks around it, and the text from "[" on, trimmed. Nothing for other lines.
std::optional<std::pair<QString, QString>> Not_Found_Parts(const QString& line);

}  // namespace scan_progress
