#include "controls/editor_logic/spin_char_filter.h"

namespace {

bool Is_Control(QChar c) { return c.unicode() < 32; }

// A separator that is not the kind's own is a typing error unless it doubles
// as a number character (decimal, thousand, sign), which number kinds accept.
bool Foreign_Separator_Ok(QChar separator, const Format_Settings& s, TZsgSpinType type) {
  if (separator == s.Decimal_Separator || separator == s.Thousand_Separator || separator == QLatin1Char('-') ||
      separator == QLatin1Char('+'))
    return type == sptNormal || type == sptFloat;
  return false;
}

}  // namespace

bool Spin_Is_Valid_Char(const Spin_Char_Input& in, const Format_Settings& s) {
  const QChar key = in.Key;
  if (key == QLatin1Char('\b')) return in.EditorEnabled;

  bool ok = key == s.Decimal_Separator || key == s.Thousand_Separator || key == s.Time_Separator ||
            key == s.Date_Separator || key.isNumber() || key == QLatin1Char('-') ||
            (Is_Control(key) && key != QLatin1Char('\r'));

  if (key == s.Time_Separator && in.SpinType != sptTime) ok = ok && Foreign_Separator_Ok(key, s, in.SpinType);
  if (key == s.Date_Separator && in.SpinType != sptDate) ok = ok && Foreign_Separator_Ok(key, s, in.SpinType);

  if (key == QLatin1Char('-')) {
    if (!in.Text.contains(QLatin1Char('-')))
      ok = ok && in.SelStart == 0;
    else
      ok = ok && in.SelText.contains(QLatin1Char('-')) && in.SelStart == 0;
  }

  if (in.SpinType == sptNormal) ok = ok && (key.isNumber() || key == QLatin1Char('-'));

  if (in.SpinType == sptFloat && key != QChar(27) && key != QLatin1Char('\r') && key != QLatin1Char('\b')) {
    ok = ok && key != s.Thousand_Separator;
    if (key == s.Decimal_Separator && in.Text.contains(s.Decimal_Separator))
      ok = ok && in.SelText.contains(s.Decimal_Separator);
    const int p = in.Text.indexOf(s.Decimal_Separator) + 1;
    if (in.Precision > 0 && p > 0 && in.SelStart >= p && in.SelText.isEmpty() && ok)
      ok = in.Text.size() < p + in.Precision;
  }

  if (in.SpinType == sptTime && key == s.Time_Separator && in.Text.contains(s.Time_Separator)) {
    QString rest = in.Text;
    rest.remove(rest.indexOf(s.Time_Separator), 1);
    ok = ok && !rest.contains(s.Time_Separator);
  }

  if (!in.EditorEnabled && ok) ok = Is_Control(key) && key != QLatin1Char('\b');
  return ok;
}
