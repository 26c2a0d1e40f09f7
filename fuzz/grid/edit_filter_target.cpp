// Feeds arbitrary typing, pastes and edit masks to the in-place editor's
// rules. The first bytes pick the settings and the editor's state; the rest
// is split into the editor's text and a clipboard text. Whatever is done,
// the caret and selection stay inside the text, a paste that fits the limit
// keeps the text within it, and line breaks survive the round trip through
// the multi-line control.
#include <cstdlib>

#include "grid/edit/edit_char_filter.h"
#include "grid/edit/edit_line_breaks.h"
#include "grid/edit/edit_mask.h"

namespace {

void Check_State(const edit_filter::Edit_State& s) {
  if (s.Sel_Start < 0 || s.Sel_Length < 0 || s.Sel_Start + s.Sel_Length > s.Text.size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 6) return 0;
  using namespace edit_filter;
  Filter_Settings f;
  f.Editor = TEditorType(data[0] % (edMaskEditBtn + 1));
  f.Length_Limit = data[1] % 16;
  f.Ctrl_Down = data[2] & 1;
  f.Line_Feed_On_Enter = data[2] & 2;
  f.Ctrl_Enter_Allowed = data[2] & 4;
  f.Single_Line = data[2] & 8;
  if (data[2] & 16) {
    f.Decimal_Separator = QLatin1Char(',');
    f.Thousand_Separator = QLatin1Char('.');
  }
  if (data[2] & 32) f.Valid_Chars = QStringLiteral("0123456789ABCDEF");
  const QString rest = QString::fromUtf8(reinterpret_cast<const char*>(data + 5), qsizetype(size - 5));
  const qsizetype split = rest.isEmpty() ? 0 : data[3] % (rest.size() + 1);

  Edit_State s;
  s.Text = rest.left(split);
  s.Sel_Start = s.Text.isEmpty() ? 0 : data[4] % (s.Text.size() + 1);
  s.Sel_Length = (s.Text.size() - s.Sel_Start) == 0 ? 0 : (data[4] >> 4) % (s.Text.size() - s.Sel_Start + 1);
  const QString clip = rest.mid(split);

  const Paste_Result pasted = Filter_Paste(clip, s, f);
  Check_State(pasted.State);
  if (pasted.Taken && f.Length_Limit > 0 && s.Text.size() <= f.Length_Limit &&
      pasted.State.Text.size() > f.Length_Limit)
    std::abort();

  Edit_State typed = s;
  for (QChar ch : clip) {
    typed = Type_Char(ch, typed, f);
    Check_State(typed);
  }

  Edit_State completed;
  if (Lookup_Complete(s, clip.split(QLatin1Char('\n')), data[2] & 64, completed)) Check_State(completed);

  const QString control = To_Control_Lines(rest);
  if (To_Control_Lines(To_Cell_Lines(control)) != control) std::abort();
  for (int pos = 0; pos <= control.size(); ++pos) {
    const int cell = Cell_Position(control, pos);
    if (Control_Position(To_Cell_Lines(control), cell) != pos) std::abort();
  }
  (void)First_Line(rest);
  (void)edit_mask::Input_Mask(rest, QLatin1Char(':'), QLatin1Char('/'));
  return 0;
}
