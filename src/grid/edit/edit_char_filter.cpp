#include "grid/edit/edit_char_filter.h"

#include "grid/edit/edit_line_breaks.h"
#include "grid/store/text_helpers.h"

namespace edit_filter {
namespace {

constexpr QChar Backspace = QChar(8);
constexpr QChar Tab = QChar(9);
constexpr QChar Line_Feed = QChar(10);
constexpr QChar Enter = QChar(13);
constexpr QChar Escape = QChar(27);
constexpr QChar Ctrl_A = QChar(1);
// Completion never adds more than this many characters.
constexpr int Max_Completion = 255;

bool Is_Control_Key(QChar ch) { return ch == Backspace || ch == Tab || ch == Enter || ch == Escape; }

QString Selected(const Edit_State& s) { return s.Text.mid(s.Sel_Start, s.Sel_Length); }

bool In_Valid_Chars(QChar ch, const Filter_Settings& f) {
  if (!f.Valid_Chars.isEmpty()) return f.Valid_Chars.contains(ch);
  const ushort code = ch.unicode();
  return code < f.Valid_Char_Set.size() && f.Valid_Char_Set[code];
}

Char_Result Insert(QChar ch, bool recase = false) { return {Char_Action::Insert, ch, recase}; }
Char_Result Pass(QChar ch) { return {Char_Action::Pass, ch, false}; }
Char_Result Drop() { return {Char_Action::Drop, QChar(), false}; }
Char_Result Beep() { return {Char_Action::Beep, QChar(), false}; }

// A line break is two characters of cell text (CR LF) and counts so
// against the length limit.
Char_Result Line_Break(QChar ch, const Edit_State& s, const Filter_Settings& f) {
  if (f.Single_Line) return Drop();
  if (f.Length_Limit > 0 && s.Text.size() - s.Sel_Length + 2 > f.Length_Limit) return Drop();
  return {Char_Action::New_Line, ch, false};
}

Char_Result Float_Char(QChar ch, const Edit_State& s, const Filter_Settings& f, bool allow_minus) {
  if (Is_Control_Key(ch)) return Pass(ch);
  const bool listed = ch.isDigit() || ch == QLatin1Char(',') || ch == QLatin1Char('.') || ch == f.Decimal_Separator ||
                      (allow_minus && ch == QLatin1Char('-'));
  if (!listed) return f.Ctrl_Down ? Pass(ch) : Drop();
  const QString sel = Selected(s);
  if (ch == f.Decimal_Separator && s.Text.contains(ch) && !sel.contains(ch)) return Drop();
  if (ch == f.Thousand_Separator) return Drop();
  if (ch == QLatin1Char('-') && (s.Sel_Start != 0 || s.Text.contains(ch)) && !sel.contains(ch)) return Beep();
  return Insert(ch);
}

bool Is_Integer_Text(const QString& text, bool allow_minus) {
  return grid_text::ClassifyNumberText(text) == 0 && (allow_minus || !text.contains(QLatin1Char('-')));
}

bool Is_Float_Text(const QString& text, bool allow_minus) {
  const int kind = grid_text::ClassifyNumberText(text);
  return (kind == 0 || kind == 1) && (allow_minus || !text.contains(QLatin1Char('-')));
}

}  // namespace

bool Is_Text_Editor(TEditorType editor) {
  switch (editor) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
    case edPositiveFloat:
      return true;
    default:
      return false;
  }
}

Char_Result Filter_Char(QChar ch, const Edit_State& s, const Filter_Settings& f) {
  if (ch == Ctrl_A && f.Ctrl_Down) return Drop();
  if (ch == Line_Feed) {
    if (!f.Ctrl_Enter_Allowed) return Drop();
    // Ctrl+Enter breaks the line only where any character may be typed.
    switch (f.Editor) {
      case edNormal:
      case edPassword:
      case edCapital:
      case edMixedCase:
      case edLowerCase:
      case edUpperCase:
        return Line_Break(ch, s, f);
      case edNumeric:
      case edPositiveNumeric:
      case edValidChars:
        return Beep();
      default:
        return Drop();
    }
  }
  if (f.Length_Limit > 0 && s.Text.size() >= f.Length_Limit && s.Sel_Length == 0 && ch != Backspace && ch != Escape &&
      ch != Enter)
    return Drop();
  switch (f.Editor) {
    case edNormal:
    case edCapital:
    case edMixedCase:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
      if (ch == Enter && f.Line_Feed_On_Enter) return Line_Break(ch, s, f);
      break;
    default:
      break;
  }
  // Other control characters (Ctrl shortcuts) are the edit control's.
  if (ch.unicode() < 32 && !Is_Control_Key(ch)) return Pass(ch);
  switch (f.Editor) {
    case edNormal:
    case edPassword:
      return Is_Control_Key(ch) ? Pass(ch) : Insert(ch);
    case edNumeric:
      if (Is_Control_Key(ch)) return Pass(ch);
      if (ch.isDigit()) return Insert(ch);
      if (ch == QLatin1Char('-') && !s.Text.contains(ch) && s.Sel_Start == 0) return Insert(ch);
      return Beep();
    case edPositiveNumeric:
      if (Is_Control_Key(ch)) return Pass(ch);
      return ch.isDigit() ? Insert(ch) : Beep();
    case edFloat:
      return Float_Char(ch, s, f, true);
    case edPositiveFloat:
      return Float_Char(ch, s, f, false);
    case edCapital:
    case edUpperCase:
      return Is_Control_Key(ch) ? Pass(ch) : Insert(ch.toUpper());
    case edLowerCase:
      return Is_Control_Key(ch) ? Pass(ch) : Insert(ch.toLower());
    case edMixedCase:
      return Is_Control_Key(ch) ? Pass(ch) : Insert(ch, true);
    case edValidChars:
      if (ch == Backspace || ch == Enter) return Pass(ch);
      return In_Valid_Chars(ch, f) ? Insert(ch) : Beep();
    default:
      return Drop();
  }
}

Edit_State Type_Char(QChar ch, const Edit_State& s, const Filter_Settings& f, Char_Result* result) {
  const Char_Result r = Filter_Char(ch, s, f);
  if (result) *result = r;
  Edit_State out = s;
  if (r.Action == Char_Action::Insert || r.Action == Char_Action::New_Line) {
    // Cell texts break their lines with CR LF.
    const QString typed = r.Action == Char_Action::New_Line ? QStringLiteral("\r\n") : QString(r.Char);
    out.Text = s.Text.left(s.Sel_Start) + typed + s.Text.mid(s.Sel_Start + s.Sel_Length);
    out.Sel_Start = s.Sel_Start + int(typed.size());
    out.Sel_Length = 0;
    if (r.Recase) out.Text = grid_text::MixedCaseText(out.Text);
  } else if (r.Action == Char_Action::Pass && ch == Backspace) {
    if (s.Sel_Length > 0) {
      out.Text.remove(s.Sel_Start, s.Sel_Length);
    } else if (s.Sel_Start > 0) {
      out.Text.remove(s.Sel_Start - 1, 1);
      out.Sel_Start = s.Sel_Start - 1;
    }
    out.Sel_Length = 0;
  }
  return out;
}

Paste_Result Filter_Paste(const QString& clip, const Edit_State& s, const Filter_Settings& f) {
  Paste_Result result{false, s};
  QString text = clip;
  if (f.Length_Limit > 0 && text.size() > f.Length_Limit) return result;
  // One trailing line end (as a copied spreadsheet cell carries) is not part
  // of the value; a text with earlier line ends keeps them all.
  const int first_break = text.indexOf(QLatin1String("\r\n"));
  if (first_break >= 0 && first_break == text.size() - 2) text.chop(2);
  if (f.Single_Line) text = First_Line(text);
  QString merged = s.Text.left(s.Sel_Start) + text + s.Text.mid(s.Sel_Start + s.Sel_Length);
  if (f.Length_Limit > 0 && merged.size() > f.Length_Limit) return result;
  switch (f.Editor) {
    case edNumeric:
    case edPositiveNumeric:
      if (!Is_Integer_Text(merged, f.Editor == edNumeric)) return result;
      break;
    case edFloat:
    case edPositiveFloat:
      if (!Is_Float_Text(merged, f.Editor == edFloat)) return result;
      break;
    case edMixedCase:
      merged = grid_text::MixedCaseText(merged);
      break;
    case edLowerCase:
      merged = merged.toLower();
      break;
    case edUpperCase:
    case edCapital:
      merged = merged.toUpper();
      break;
    case edValidChars:
      for (QChar ch : merged)
        if (!In_Valid_Chars(ch, f)) return result;
      break;
    default:
      break;
  }
  result.Taken = true;
  result.State.Text = merged;
  if (s.Sel_Length > 0) {
    result.State.Sel_Start = s.Sel_Start;
    result.State.Sel_Length = int(text.size());
  } else {
    result.State.Sel_Start = s.Sel_Start + int(text.size());
    result.State.Sel_Length = 0;
  }
  return result;
}

bool Lookup_Complete(const Edit_State& s, const QStringList& items, bool case_sensitive, Edit_State& out) {
  if (items.isEmpty() || s.Sel_Length > 0 || s.Sel_Start <= 0) return false;
  const QString prefix = s.Text.left(s.Sel_Start);
  const Qt::CaseSensitivity cs = case_sensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
  for (const QString& item : items) {
    if (!item.startsWith(prefix, cs)) continue;
    out.Text = s.Text.left(prefix.size()) + item.mid(prefix.size()).left(Max_Completion);
    out.Sel_Start = int(prefix.size());
    out.Sel_Length = int(out.Text.size() - prefix.size());
    return true;
  }
  return false;
}

}  // namespace edit_filter
