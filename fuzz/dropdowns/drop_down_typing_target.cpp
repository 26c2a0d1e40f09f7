// Typed keys and pasted text against the drop-down edit's value model: no
// crash, the caret stays in the text, and the value holds only what its edit
// type lets in.
//   byte 0  edit type (mod 12)
//   byte 1  bit 0 signed, bit 1 de_DE separators, bit 2 prefix "$",
//           bit 3 suffix " kg", bits 4..6 precision 0..6 (7: -1)
//   byte 2  length limit (mod 8)
//   then    UTF-8 keys: 0x01 starts a paste that runs to the next 0x00,
//           0x02 selects the value, 0x03 caret to the start, 0x04 caret to
//           the end, 0x05 moves the caret one left; anything else is typed
//           (0x08 is Backspace)
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "controls/format_settings.h"
#include "dropdowns/base/drop_down_value.h"
#include "dropdowns/base/number_text.h"

namespace {

bool Is_Digit(QChar c) { return c >= u'0' && c <= u'9'; }

bool Allowed(const Drop_Down_Value_Settings& S, const QString& V) {
  const QChar dec = Decimal_Separator(), th = Thousand_Separator();
  auto all = [&](auto ok) { return std::all_of(V.begin(), V.end(), ok); };
  switch (S.EditType) {
    case etNumeric:
      return V.isEmpty() || V == QLatin1String("-") || Classify_Number_Text(V) == nkInteger ||
             Classify_Number_Text(Remove_Thousand_Separators(V)) == nkInteger;
    case etFloat:
    case etMoney:
      return all([&](QChar c) { return Is_Digit(c) || c == dec || c == th || c == u'-'; }) &&
             (S.Signed || !V.contains(u'-'));
    case etRange:
      return all([](QChar c) { return Is_Digit(c) || Is_Range_Separator(c); });
    case etHex:
      return all([](QChar c) { return Is_Digit(c) || c == u'-' || (c.toUpper() >= u'A' && c.toUpper() <= u'F'); });
    case etAlphaNumeric:
      return all([](QChar c) { return c.unicode() < 128 && c.isLetterOrNumber(); });
    case etValidChars:
      return all([&](QChar c) { return S.ValidChars.contains(c); });
    default:
      return true;
  }
}

void Paste(const Drop_Down_Value_Settings& S, Edit_State& State, const QString& Clip) {
  const Paste_Outcome out = Paste_Text(S, State, Clip, 32767);
  if (out.Accepted) {
    QString value = Value_To_Write(S, out.Value);
    if (out.Reformat) {
      const QString t = Float_Text(S, Float_Value(S, value));
      if (!t.isNull()) value = Value_To_Write(S, t);
    }
    State.Text = S.Prefix + value + S.Suffix;
    State.Set_Caret(static_cast<int>(State.Text.size()));
    if (S.EditType == etMoney) Regroup_Money(S, State);
  }
  const int size = static_cast<int>(State.Text.size());
  State.Anchor = std::clamp(out.Sel_Start, 0, size);
  State.Caret = std::clamp(out.Sel_Start + out.Sel_Length, 0, size);
  if (out.Select_All) {
    State.Anchor = 0;
    State.Caret = size;
  }
  Clamp_To_Value(S, State);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size < 3 || Size > 4096) return 0;
  Drop_Down_Value_Settings s;
  s.EditType = static_cast<TDropDownEditType>(Data[0] % 12);
  s.Signed = Data[1] & 1;
  Format_Settings seps;
  if (Data[1] & 2) {
    seps.Decimal_Separator = QLatin1Char(',');
    seps.Thousand_Separator = QLatin1Char('.');
  }
  const Format_Settings_Scope scope(seps);
  if (Data[1] & 4) s.Prefix = QStringLiteral("$");
  if (Data[1] & 8) s.Suffix = QStringLiteral(" kg");
  const int p = (Data[1] >> 4) & 7;
  s.Precision = p == 7 ? -1 : p;
  s.LengthLimit = Data[2] % 8;
  s.ValidChars = QStringLiteral("xyz12");

  Edit_State state;
  state.Text = s.Prefix + Value_To_Write(s, QString()) + s.Suffix;
  state.Set_Caret(static_cast<int>(s.Prefix.size()));
  const QString keys = QString::fromUtf8(reinterpret_cast<const char*>(Data + 3), static_cast<qsizetype>(Size - 3));
  const int pre = static_cast<int>(s.Prefix.size());
  for (qsizetype i = 0; i < keys.size(); ++i) {
    const QChar k = keys[i];
    const int value_end = static_cast<int>(state.Text.size() - s.Suffix.size());
    switch (k.unicode()) {
      case 1: {
        qsizetype end = keys.indexOf(QChar(0), i + 1);
        if (end < 0) end = keys.size();
        Paste(s, state, keys.mid(i + 1, end - i - 1));
        i = end;
        break;
      }
      case 2:
        state.Anchor = pre;
        state.Caret = std::max(pre, value_end);
        break;
      case 3:
        state.Set_Caret(pre);
        break;
      case 4:
        state.Set_Caret(std::max(pre, value_end));
        break;
      case 5:
        state.Set_Caret(std::max(pre, state.Caret - 1));
        break;
      default:
        Type_Char(s, state, k);
        break;
    }
    if (state.Caret < 0 || state.Caret > state.Text.size() || state.Anchor < 0 || state.Anchor > state.Text.size())
      abort();
    const QString value = Value_Of(s, state.Text);
    if (!Allowed(s, value)) abort();
    if (!std::isfinite(Float_Value(s, value))) abort();
    (void)Value_To_Write(s, value);
  }
  return 0;
}
