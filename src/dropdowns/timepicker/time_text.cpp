#include "dropdowns/timepicker/time_text.h"

namespace {

QString Two_Digits(int Value) { return QStringLiteral("%1").arg(Value, 2, 10, QLatin1Char('0')); }

bool Is_Digit(QChar C) { return C >= QLatin1Char('0') && C <= QLatin1Char('9'); }

// The first character, and the second when there is one, are digits; an
// empty text passes.
bool IsTwoDigits(const QString& Text) {
  if (Text.isEmpty()) return true;
  if (!Is_Digit(Text[0])) return false;
  return Text.size() < 2 || Is_Digit(Text[1]);
}

// The part as a number (empty: 0); nothing when it does not read or exceeds
// Max.
std::optional<int> Part_Value(const QString& Text, int Max) {
  if (!IsTwoDigits(Text)) return std::nullopt;
  if (Text.isEmpty()) return 0;
  bool ok = false;
  const int v = Text.toInt(&ok);
  if (!ok || v < 0 || v > Max) return std::nullopt;
  return v;
}

}  // namespace

QString FormatTime(int Hour, int Minute, int Second, bool ShowSeconds, QChar Separator) {
  QString t = Two_Digits(Hour) + Separator + Two_Digits(Minute);
  if (ShowSeconds) t += Separator + Two_Digits(Second);
  return t;
}

QString Time_Edit_Mask(bool ShowSeconds, QChar Separator) {
  QString mask = QStringLiteral("!90") + Separator + QStringLiteral("00");
  if (ShowSeconds) mask += Separator + QStringLiteral("00");
  return mask + QStringLiteral(";1; ");
}

std::optional<Time_Parts> Parse_Time_Text(const QString& Text, bool ShowSeconds, QChar Separator) {
  if (Text.isEmpty() || Text.trimmed().size() != (ShowSeconds ? 8 : 5)) return std::nullopt;
  if (Text.count(Separator) != (ShowSeconds ? 2 : 1)) return std::nullopt;
  QString t = Text;
  t.replace(QLatin1Char(' '), QLatin1Char('0'));
  const qsizetype first = t.indexOf(Separator);
  Time_Parts p;
  const auto hour = Part_Value(t.left(first).trimmed(), 23);
  if (!hour) return std::nullopt;
  p.Hour = *hour;
  QString rest = t.mid(first + 1).trimmed();
  QString seconds_text;
  if (ShowSeconds) {
    const qsizetype second = rest.indexOf(Separator);
    seconds_text = rest.mid(second + 1).trimmed();
    rest = rest.left(second).trimmed();
  }
  const auto minute = Part_Value(rest, 59);
  if (!minute) return std::nullopt;
  p.Minute = *minute;
  if (ShowSeconds) {
    const auto second = Part_Value(seconds_text, 59);
    if (!second) return std::nullopt;
    p.Second = *second;
  }
  return p;
}

Time_Field Field_At_Caret(const QString& Text, int Caret, bool ShowSeconds, QChar Separator) {
  const int a = static_cast<int>(Text.indexOf(Separator)) + 1;
  if (Caret < a) return Time_Field::Hour;
  const int b = static_cast<int>(Text.mid(a).indexOf(Separator)) + 1;
  if (ShowSeconds && b > 0 && Caret - a >= b) return Time_Field::Second;
  return Time_Field::Minute;
}

int Step_Field(Time_Field Field, int Value, int Delta) {
  const int range = Field == Time_Field::Hour ? 24 : 60;
  return ((Value + Delta) % range + range) % range;
}
