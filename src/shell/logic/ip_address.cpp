#include "shell/logic/ip_address.h"

#include "platform/number_entry.h"
#include "shell/logic/text_trim.h"

namespace {

// Cuts the part before the first "." off `rest`; false when there is none.
bool Take_Part(QString& rest, QString& part) {
  const qsizetype dot = rest.indexOf(QLatin1Char('.'));
  if (dot < 0) return false;
  part = Trim_Blanks(rest.left(dot));
  rest = Trim_Blanks(rest.mid(dot + 1));
  return true;
}

bool Is_Octet(const QString& part) {
  int32_t value = 0;
  // A part that is not a number counts as out of range.
  if (!Try_Read_Number(part, value)) return false;
  return value >= 0 && value <= 255;
}

}  // namespace

bool Split_IP_Address(const QString& text, QString& oct1, QString& oct2, QString& oct3, QString& oct4) {
  QString rest = Trim_Blanks(text);
  if (!Take_Part(rest, oct1)) return false;
  if (!Take_Part(rest, oct2)) return false;
  if (!Take_Part(rest, oct3)) return false;
  oct4 = rest;
  return Is_Octet(oct1) && Is_Octet(oct2) && Is_Octet(oct3) && Is_Octet(oct4);
}
