// Text written into the time picker's edit against its reading: no crash,
// a time is read only from a full time in range, and a read time written
// back in the same format reads as the same time.
//   byte 0  bit 0 seconds shown, bit 1 '.' instead of ':' as separator
//   byte 1  caret position for the field look-up
//   then    the text (UTF-8)
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "dropdowns/timepicker/time_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size < 2) return 0;
  const bool seconds = Data[0] & 1;
  const QChar sep = (Data[0] & 2) ? QLatin1Char('.') : QLatin1Char(':');
  const int caret = Data[1];
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(Data + 2), static_cast<qsizetype>(Size - 2));
  (void)Field_At_Caret(text, caret, seconds, sep);
  const auto parts = Parse_Time_Text(text, seconds, sep);
  if (!parts) return 0;
  if (parts->Hour < 0 || parts->Hour > 23 || parts->Minute < 0 || parts->Minute > 59 || parts->Second < 0 ||
      parts->Second > 59 || (!seconds && parts->Second != 0))
    std::abort();
  const QString again = FormatTime(parts->Hour, parts->Minute, parts->Second, seconds, sep);
  const auto back = Parse_Time_Text(again, seconds, sep);
  if (!back || back->Hour != parts->Hour || back->Minute != parts->Minute || back->Second != parts->Second)
    std::abort();
  return 0;
}
