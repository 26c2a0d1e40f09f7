// Arbitrary text as a column-states string: it is refused or read, and what
// is read writes back to a string that reads the same.
#include <cstdint>
#include <cstdlib>

#include "grid/settings/column_states.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 20000) return 0;
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
  Column_States states;
  try {
    states = Parse_Column_States(text);
  } catch (const Column_States_Error&) {
    return 0;
  }
  if (states.Count < 1 || states.Count > Column_States::Max_Columns) std::abort();
  if (!states.Order.empty() && !Is_Permutation(states.Order)) std::abort();
  const Column_States back = Parse_Column_States(Format_Column_States(states));
  if (back.Widths != states.Widths || back.Order != states.Order || back.Visible != states.Visible) std::abort();
  return 0;
}
