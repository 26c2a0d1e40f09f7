#include "dropdowns/base/number_text.h"

#include <QLocale>
#include <cstdint>

#include "controls/format_settings.h"

QChar Thousand_Separator() { return Process_Format_Settings().Thousand_Separator; }

QChar Decimal_Separator() { return Process_Format_Settings().Decimal_Separator; }

bool Is_Range_Separator(QChar C) { return C == u',' || C == u'-' || C == u';'; }

namespace {

bool Is_Digit(QChar c) { return c >= u'0' && c <= u'9'; }

bool Is_Hex_Letter(QChar c) { return (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'); }

}  // namespace

TNumberKind Classify_Number_Text(const QString& Text) {
  if (Text.isEmpty()) return nkOther;
  const QChar thousand = Thousand_Separator(), decimal_sep = Decimal_Separator();
  bool hex = true, integer = true, decimal = true;
  int minus_count = 0, decimal_count = 0, last_thousand = -1;
  for (int i = 0; i < Text.size(); ++i) {
    const QChar c = Text[i];
    const bool digit = Is_Digit(c), minus = c == u'-';
    if (!(digit || minus || Is_Hex_Letter(c))) hex = false;
    if (!(digit || minus)) integer = false;
    if (!(digit || minus || c == u',' || c == u'.')) decimal = false;
    if (c == thousand) {
      // A thousand separator never leads and keeps at least two digits from
      // the one before.
      if (last_thousand < 0 ? i == 0 : i - last_thousand <= 2) decimal = false;
      last_thousand = i;
    }
    if (minus) {
      ++minus_count;
      // A minus sign belongs in front only: "12-5" is a range, not a number.
      if (i != 0) return nkOther;
    }
    if (c == decimal_sep) ++decimal_count;
  }
  if (minus_count > 1 || decimal_count > 1) return nkOther;
  if (integer) return nkInteger;
  if (decimal) return nkDecimal;
  return hex ? nkHex : nkOther;
}

QString Remove_Thousand_Separators(const QString& Text) {
  QString result = Text;
  result.remove(Thousand_Separator());
  return result;
}

int Hex_Digit_Value(QChar C) {
  if (Is_Digit(C)) return C.unicode() - u'0';
  if (C >= u'A' && C <= u'F') return C.unicode() - u'A' + 10;
  if (C >= u'a' && C <= u'f') return C.unicode() - u'a' + 10;
  return 0;
}

int Hex_Text_To_Int(const QString& Text) {
  const bool negative = Text.startsWith(u'-');
  uint32_t sum = 0, weight = 1;
  for (qsizetype i = Text.size() - 1; i >= (negative ? 1 : 0); --i) {
    sum += weight * static_cast<uint32_t>(Hex_Digit_Value(Text[i]));
    weight *= 16;
  }
  if (negative) sum = 0u - sum;
  return static_cast<int>(sum);
}

QString Match_Case_Text(const QString& Text, bool CaseSensitive) {
  return CaseSensitive ? Text : QLocale().toUpper(Text);
}
