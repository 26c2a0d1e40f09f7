#include "dropdowns/base/drop_down_value.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "controls/format_settings.h"
#include "dropdowns/base/number_text.h"
#include "grid/store/text_helpers.h"

namespace {

bool Is_Digit(QChar C) { return C >= u'0' && C <= u'9'; }

bool Is_Number_Type(TDropDownEditType T) { return T == etNumeric || T == etFloat || T == etMoney; }

// The prefix's length when the text starts with it.
int Prefix_Length(const Drop_Down_Value_Settings& S, const QString& WindowText) {
  return !S.Prefix.isEmpty() && WindowText.startsWith(S.Prefix) ? static_cast<int>(S.Prefix.size()) : 0;
}

int Suffix_Length(const Drop_Down_Value_Settings& S, const QString& WindowText) {
  const int pre = Prefix_Length(S, WindowText);
  return !S.Suffix.isEmpty() && WindowText.size() - pre >= S.Suffix.size() && WindowText.endsWith(S.Suffix)
             ? static_cast<int>(S.Suffix.size())
             : 0;
}

QString Hex_Digits(double Value) {
  if (!std::isfinite(Value)) return QStringLiteral("0");
  const double t = std::trunc(std::clamp(Value, -9.0e18, 9.0e18));
  const auto n = static_cast<long long>(t);
  const QString digits = QString::number(static_cast<qulonglong>(n < 0 ? -n : n), 16).toUpper();
  return n < 0 ? QStringLiteral("-") + digits : digits;
}

// Puts Value between the prefix and suffix the window text has now.
void Replace_Value(const Drop_Down_Value_Settings& S, Edit_State& State, const QString& Value) {
  const int pre = Prefix_Length(S, State.Text), suf = Suffix_Length(S, State.Text);
  State.Text = State.Text.left(pre) + Value + State.Text.right(suf);
}

// The sign of a number value toggled: a whole selection becomes "-",
// otherwise a leading "-" goes or comes and the caret follows it.
void Toggle_Sign(const Drop_Down_Value_Settings& S, Edit_State& State) {
  const int pre = Prefix_Length(S, State.Text);
  const QString value = Value_Of(S, State.Text);
  if (State.Sel_Start() <= pre && State.Sel_Length() >= value.size()) {
    Replace_Value(S, State, QStringLiteral("-"));
    State.Set_Caret(pre + 1);
    return;
  }
  const int caret = State.Caret;
  if (value.startsWith(u'-')) {
    Replace_Value(S, State, value.mid(1));
    State.Set_Caret(std::max(pre, caret - 1));
  } else {
    Replace_Value(S, State, QStringLiteral("-") + value);
    State.Set_Caret(caret + 1);
  }
}

}  // namespace

QString Format_Number(double Value, Number_Format Format, int Precision) {
  if (!std::isfinite(Value)) return QStringLiteral("0");
  const int p = std::clamp(Precision, 0, 18);
  QString s = Format == Number_Format::General ? QString::number(Value, 'g', 15) : QString::number(Value, 'f', p);
  if (s.contains(u'e')) {
    // Very large or small values: an exponent is no text the number edits
    // let in, so they keep 15 significant digits in plain notation.
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(Value))));
    s = QString::number(Value, 'f', std::clamp(14 - magnitude, 0, 18));
    if (s.contains(u'.')) {
      while (s.endsWith(u'0')) s.chop(1);
      if (s.endsWith(u'.')) s.chop(1);
    }
  }
  const int dot = static_cast<int>(s.indexOf(u'.'));
  if (dot >= 0) s[dot] = Decimal_Separator();
  if (Format == Number_Format::Grouped) {
    const int end = dot >= 0 ? dot : static_cast<int>(s.size());
    const int first = s.startsWith(u'-') ? 1 : 0;
    for (int i = end - 3; i > first; i -= 3) s.insert(i, Thousand_Separator());
  }
  return s;
}

QString Value_Of(const Drop_Down_Value_Settings& S, const QString& WindowText) {
  const int pre = Prefix_Length(S, WindowText), suf = Suffix_Length(S, WindowText);
  return WindowText.mid(pre, WindowText.size() - pre - suf);
}

QString Value_To_Write(const Drop_Down_Value_Settings& S, const QString& Value) {
  QString v = Value;
  const TDropDownEditType t = S.EditType;
  if (v.isEmpty() && (Is_Number_Type(t) || t == etHex)) v = QStringLiteral("0");
  if (S.Precision > 0 && !v.isEmpty() && v != QLatin1String("Error")) {
    if (t == etMoney) v = Format_Number(Text_To_Float(v), Number_Format::Grouped, S.Precision);
    if (t == etFloat) v = Format_Number(Text_To_Float(v), Number_Format::Fixed, S.Precision);
  }
  if (t == etHex) v = v.toUpper();
  return v;
}

double Text_To_Float(const QString& Text) {
  double value = 0;
  if (!Try_Str_To_Float(Remove_Thousand_Separators(Text), value) || !std::isfinite(value)) return 0;
  return value;
}

double Float_Value(const Drop_Down_Value_Settings& S, const QString& Value) {
  switch (S.EditType) {
    case etString: {
      bool ok = false;
      const double v = QLocale::c().toDouble(Value.trimmed(), &ok);
      return ok && std::isfinite(v) ? v : 0;
    }
    case etNumeric:
    case etFloat:
      if (Value.isEmpty() || Value == QLatin1String("Error") || Value == QLatin1String("-")) return 0;
      return Text_To_Float(Value);
    case etMoney: {
      QString v = Remove_Thousand_Separators(Value);
      if (v.endsWith(Decimal_Separator())) v.chop(1);
      if (v.isEmpty() || v == QLatin1String("-")) return 0;
      return Text_To_Float(v);
    }
    case etHex:
      return Value.isEmpty() ? 0 : Hex_Text_To_Int(Value);
    default:
      return 0;
  }
}

QString Float_Text(const Drop_Down_Value_Settings& S, double Value) {
  const bool general = S.Precision < 0;
  switch (S.EditType) {
    case etString:
    case etFloat:
    case etMoney:
      return Format_Number(Value, general ? Number_Format::General : Number_Format::Fixed, S.Precision);
    case etNumeric:
      return Format_Number(Value, general ? Number_Format::General : Number_Format::Grouped, S.Precision);
    case etHex:
      return Hex_Digits(Value);
    default:
      return QString();
  }
}

QString Int_Text(const Drop_Down_Value_Settings& S, int64_t Value) {
  switch (S.EditType) {
    case etNumeric:
    case etFloat:
    case etMoney:
      return QString::number(static_cast<qlonglong>(Value));
    case etHex:
      return Hex_Digits(static_cast<double>(Value));
    default:
      return QString();
  }
}

bool Regroup_Money(const Drop_Down_Value_Settings& S, Edit_State& State) {
  const QString value = Value_Of(S, State.Text);
  if (value.isEmpty()) return false;
  const QChar dec = Decimal_Separator();
  QString rest = value;
  QString sign;
  if (rest.startsWith(u'-')) {
    sign = QStringLiteral("-");
    rest.remove(0, 1);
  }
  const qsizetype dec_at = rest.indexOf(dec);
  const QString fraction = dec_at >= 0 ? rest.mid(dec_at, 255) : QString();
  QString digits;
  for (QChar c : dec_at >= 0 ? rest.left(dec_at) : rest)
    if (Is_Digit(c)) digits += c;
  // A lone sign stays as typed; the first digit follows it.
  if (digits.isEmpty() && fraction.isEmpty() && !sign.isEmpty()) return false;
  while (digits.size() > 1 && digits.startsWith(u'0')) digits.remove(0, 1);
  if (digits.isEmpty()) digits = QStringLiteral("0");
  if (S.AutoThousandSeparator)
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3) digits.insert(i, Thousand_Separator());
  const QString grouped = sign + digits + fraction;
  if (grouped == value) return false;
  const int pre = Prefix_Length(S, State.Text);
  const int caret = State.Caret + static_cast<int>(grouped.size() - value.size());
  Replace_Value(S, State, grouped);
  State.Set_Caret(std::clamp(caret, pre, pre + static_cast<int>(grouped.size())));
  return true;
}

bool Separator_Too_Close(const QString& V, int C) {
  const QChar th = Thousand_Separator();
  if (!V.contains(th)) return false;
  int d = static_cast<int>(V.size());
  QString w = V;
  for (;;) {
    const int s = static_cast<int>(w.indexOf(th)) + 1;
    if (s == 0) break;
    const int distance = std::abs(s - C);
    d = std::min(d, distance);
    if (distance < 3) return true;
    if (s < C) C -= s;
    w = w.mid(s);
  }
  return d > 3;
}

bool Precision_Reached(int Precision, const QString& V, int C) {
  if (Precision <= 0) return false;
  const int s = static_cast<int>(V.indexOf(Decimal_Separator())) + 1;
  return s > 0 && C >= V.size() - Precision && C >= s && V.size() - s >= Precision;
}

int Integer_Length(const Drop_Down_Value_Settings& S, const QString& V) {
  const qsizetype dec_at = V.indexOf(Decimal_Separator());
  QString part = dec_at >= 0 ? V.left(dec_at) : V;
  part.remove(Thousand_Separator());
  if (Is_Number_Type(S.EditType)) part.remove(u'-');
  return static_cast<int>(part.size());
}

Char_Outcome Filter_Char(const Drop_Down_Value_Settings& S, Edit_State& State, QChar Ch, Char_Keys Keys) {
  Char_Outcome out;
  const QChar dec = Decimal_Separator(), th = Thousand_Separator();
  const QChar backspace = QLatin1Char('\b');
  const TDropDownEditType t = S.EditType;
  if (Keys.ExcelStyleDecimalSeparator && Keys.Keypad && (Ch == u'.' || Ch == u',')) Ch = dec;
  const int pre = Prefix_Length(S, State.Text);
  const QString value = Value_Of(S, State.Text);
  const bool selection = State.Sel_Length() > 0;
  const bool minus_allowed = Ch == u'-' && S.Signed && Is_Number_Type(t);

  if (Ch == backspace && !S.Prefix.isEmpty() && !selection && State.Caret <= pre) return out;
  if (S.LengthLimit > 0 && !selection && Integer_Length(S, value) >= S.LengthLimit) {
    const qsizetype dec_at = value.indexOf(dec);
    const int limit_at = static_cast<int>(dec_at >= 0 ? dec_at : value.size());
    if (State.Caret - pre <= limit_at && Ch != backspace && Ch != dec && !minus_allowed) return out;
  }
  if (Ch == backspace) {
    out.Pass = true;
    out.Char = Ch;
    out.Modified = true;
    return out;
  }
  // Line feed and the other control characters never enter a single line.
  if (Ch.unicode() < 0x20 || Ch.unicode() == 0x7F) return out;
  if (Ch == u'-' && Is_Number_Type(t) && !S.Signed) return out;

  // Nothing goes in front of a number's sign: a digit typed there follows it.
  if (Is_Number_Type(t) && Ch != u'-' && value.startsWith(u'-') && State.Sel_End() <= pre) State.Set_Caret(pre + 1);
  const int c = State.Caret - pre;

  auto pass = [&](QChar With) {
    out.Pass = true;
    out.Char = With;
    out.Modified = true;
    return out;
  };
  // Steps shared by decimal and money values; true when they decided.
  auto number_steps = [&]() -> bool {
    if ((Ch == th || Ch == dec) && value.contains(th) && Separator_Too_Close(value, c)) return true;
    if (Precision_Reached(S.Precision, value, c) && !selection && (Is_Digit(Ch) || Ch == dec)) {
      if (Ch == dec || c >= value.size()) return true;
      State.Anchor = State.Caret;
      State.Caret += 1;
      pass(Ch);
      return true;
    }
    if (Ch == dec && value.isEmpty() && c == 0) {
      Replace_Value(S, State, QStringLiteral("0") + dec);
      State.Set_Caret(pre + 2);
      out.Modified = true;
      return true;
    }
    if (Ch == u'-') {
      Toggle_Sign(S, State);
      out.Modified = true;
      return true;
    }
    return false;
  };

  switch (t) {
    case etString:
    case etPassword:
      return pass(Ch);
    case etUppercase:
      return pass(Ch.toUpper());
    case etLowerCase:
      return pass(Ch.toLower());
    case etMixedCase:
      out.Then = Char_Outcome::After::Mixed_Case;
      out.Mixed_Case_Caret = State.Sel_Start() + 1;
      return pass(Ch);
    case etNumeric:
      if (Ch == u'-') {
        Toggle_Sign(S, State);
        out.Modified = true;
        return out;
      }
      // A printable character with Ctrl held is AltGr on many keyboards:
      // it is text, and no number.
      if (Is_Digit(Ch)) return pass(Ch);
      return out;
    case etFloat: {
      if ((Ch == u',' || Ch == u'.') && Ch != dec && Ch != th) return out;
      if (!(Is_Digit(Ch) || Ch == u',' || Ch == u'-' || Ch == u'.')) return out;
      if (Ch == dec && !State.Selected().contains(dec) && (value.contains(dec) || S.Precision == 0)) {
        const qsizetype dec_at = value.indexOf(dec);
        if (S.Precision > 0 && dec_at >= 0) State.Set_Caret(pre + static_cast<int>(dec_at) + 1);
        return out;
      }
      if (Ch == u',' && value.contains(u',') && !State.Selected().contains(u',') && th != u',') return out;
      if (number_steps()) return out;
      return pass(Ch);
    }
    case etMoney: {
      if (Ch == dec && (value.contains(dec) || S.Precision == 0)) {
        if (S.Precision > 0 && State.Sel_Start() <= pre && State.Sel_Length() >= value.size() && !value.isEmpty()) {
          Replace_Value(S, State, Format_Number(0, Number_Format::Grouped, S.Precision));
          out.Modified = true;
        }
        const qsizetype dec_at = Value_Of(S, State.Text).indexOf(dec);
        if (S.Precision > 0 && dec_at >= 0) State.Set_Caret(pre + static_cast<int>(dec_at) + 1);
        return out;
      }
      if (!(Is_Digit(Ch) || Ch == u'-' || Ch == dec)) return out;
      if (number_steps()) {
        if (out.Pass && Ch != dec) out.Then = Char_Outcome::After::Regroup;
        return out;
      }
      if (Ch != dec) out.Then = Char_Outcome::After::Regroup;
      return pass(Ch);
    }
    case etRange: {
      if (!(Is_Digit(Ch) || Is_Range_Separator(Ch))) return out;
      if (Is_Range_Separator(Ch)) {
        const int before = State.Sel_Start() - 1, after = State.Sel_End();
        if (State.Sel_Start() <= pre) return out;
        if (before >= 0 && before < State.Text.size() && Is_Range_Separator(State.Text[before])) return out;
        if (after < State.Text.size() - Suffix_Length(S, State.Text) && Is_Range_Separator(State.Text[after]))
          return out;
      }
      return pass(Ch);
    }
    case etHex:
      if (Is_Digit(Ch) || Ch == u'-' || (Ch >= u'A' && Ch <= u'F') || (Ch >= u'a' && Ch <= u'f')) return pass(Ch);
      return out;
    case etAlphaNumeric:
      if (Is_Digit(Ch) || (Ch >= u'A' && Ch <= u'Z') || (Ch >= u'a' && Ch <= u'z')) return pass(Ch);
      return out;
    case etValidChars:
      if (S.ValidChars.contains(Ch)) return pass(Ch);
      return out;
  }
  return out;
}

void Clamp_To_Value(const Drop_Down_Value_Settings& S, Edit_State& State) {
  const int pre = Prefix_Length(S, State.Text);
  const int end = static_cast<int>(State.Text.size()) - Suffix_Length(S, State.Text);
  State.Caret = std::clamp(State.Caret, pre, std::max(pre, end));
  State.Anchor = std::clamp(State.Anchor, pre, std::max(pre, end));
}

void Insert_At_Selection(Edit_State& State, const QString& Text) {
  const int start = State.Sel_Start();
  State.Text.replace(start, State.Sel_Length(), Text);
  State.Set_Caret(start + static_cast<int>(Text.size()));
}

void Backspace(Edit_State& State) {
  if (State.Sel_Length() > 0) {
    Insert_At_Selection(State, QString());
  } else if (State.Caret > 0) {
    State.Text.remove(State.Caret - 1, 1);
    State.Set_Caret(State.Caret - 1);
  }
}

void Finish_Char(const Drop_Down_Value_Settings& S, Edit_State& State, const Char_Outcome& Outcome) {
  switch (Outcome.Then) {
    case Char_Outcome::After::Nothing:
      break;
    case Char_Outcome::After::Regroup: {
      const QString value = Value_Of(S, State.Text);
      if (!value.isEmpty() && value != QLatin1String("-")) Regroup_Money(S, State);
      break;
    }
    case Char_Outcome::After::Mixed_Case: {
      Replace_Value(S, State, grid_text::MixedCaseText(Value_Of(S, State.Text)));
      State.Set_Caret(std::min(Outcome.Mixed_Case_Caret, static_cast<int>(State.Text.size())));
      break;
    }
  }
}

void Type_Char(const Drop_Down_Value_Settings& S, Edit_State& State, QChar Ch, Char_Keys Keys) {
  const Char_Outcome out = Filter_Char(S, State, Ch, Keys);
  if (!out.Pass) return;
  if (out.Char == QLatin1Char('\b'))
    Backspace(State);
  else
    Insert_At_Selection(State, QString(out.Char));
  Finish_Char(S, State, out);
}

Paste_Outcome Paste_Text(const Drop_Down_Value_Settings& S, const Edit_State& State, const QString& Clip,
                         int MaxLength) {
  Paste_Outcome out;
  Edit_State after = State;
  Insert_At_Selection(after, Clip);
  const QString value = Value_Of(S, after.Text);
  out.Value = value;
  const QString current = Value_Of(S, State.Text);
  if (MaxLength > 0 && Clip.size() + current.size() - State.Sel_Length() > MaxLength) return out;
  const bool has_minus = value.contains(u'-');
  const TDropDownEditType t = S.EditType;
  switch (t) {
    case etString:
    case etPassword:
      out.Accepted = true;
      break;
    case etNumeric:
      out.Accepted = Classify_Number_Text(value) == nkInteger && (S.Signed || !has_minus);
      break;
    case etFloat:
    case etMoney: {
      const TNumberKind kind = Classify_Number_Text(value);
      out.Accepted = (kind == nkInteger || kind == nkDecimal) &&
                     (S.Precision != 0 || !Clip.contains(Decimal_Separator())) && (S.Signed || !has_minus);
      out.Reformat = out.Accepted;
      break;
    }
    case etUppercase:
      out.Value = value.toUpper();
      out.Accepted = true;
      break;
    case etLowerCase:
      out.Value = value.toLower();
      out.Accepted = true;
      break;
    case etMixedCase:
      out.Value = grid_text::MixedCaseText(value);
      out.Accepted = true;
      break;
    case etAlphaNumeric:
      out.Accepted = std::all_of(value.begin(), value.end(), [](QChar c) {
        return Is_Digit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
      });
      break;
    case etValidChars:
      out.Accepted = std::all_of(value.begin(), value.end(), [&](QChar c) { return S.ValidChars.contains(c); });
      break;
    case etRange:
    case etHex:
      break;
  }
  // A refused paste leaves caret and selection where they were: placed as if
  // the text had gone in they could land in the suffix.
  if (!out.Accepted) {
    out.Sel_Start = State.Sel_Start();
    out.Sel_Length = State.Sel_Length();
  } else if (t == etMoney && value.size() > 3) {
    out.Select_All = true;
  } else if (State.Sel_Length() > 0) {
    out.Sel_Start = State.Sel_Start();
    out.Sel_Length = static_cast<int>(Clip.size());
  } else {
    out.Sel_Start = State.Caret + static_cast<int>(Clip.size());
  }
  return out;
}
