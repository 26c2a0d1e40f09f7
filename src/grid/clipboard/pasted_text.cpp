#include "grid/clipboard/pasted_text.h"

#include "grid/store/text_helpers.h"

namespace grid_clipboard {

std::vector<Pasted_Line> Split_Pasted_Text(const QString& text) {
  std::vector<Pasted_Line> lines;
  const qsizetype n = text.size();
  qsizetype pos = 0;
  for (;;) {
    Pasted_Line line;
    const qsizetype line_start = pos;
    QString field;
    bool field_start = true, quoted = false, line_end = false;
    while (pos < n && !line_end) {
      const QChar ch = text[pos];
      if (field_start) {
        field_start = false;
        quoted = ch == u'"';
        if (quoted) {
          field += ch;
          ++pos;
          continue;
        }
      }
      if (quoted && ch == u'"') {
        const QChar next = pos + 1 < n ? text[pos + 1] : QChar(u'\t');
        if (next == u'\t' || next == u'\r' || next == u'\n') quoted = false;
        field += ch;
        ++pos;
      } else if (ch == u'\t') {
        line.Fields.append(field);
        field.clear();
        field_start = true;
        quoted = false;
        ++pos;
      } else if (ch == u'\r' || (ch == u'\n' && !quoted)) {
        line_end = true;
      } else {
        field += ch;
        ++pos;
      }
    }
    line.Fields.append(field);
    line.Empty = pos == line_start;
    if (pos < n) {
      line.Line_Break = true;
      if (text[pos] == u'\r' && pos + 1 < n && text[pos + 1] == u'\n') ++pos;
      ++pos;
    }
    const bool more = line.Line_Break;
    lines.push_back(std::move(line));
    if (!more) break;
  }
  return lines;
}

QString Decode_Pasted_Field(const QString& field) {
  if (!field.contains(u'\n')) return field;
  QString f = field;
  const bool quoted = f.startsWith(u'"');
  if (quoted) f.remove(0, 1);
  const qsizetype quote = f.indexOf(u'"');
  if (quote >= 0 && quote == f.size() - 1) f.chop(1);
  f = grid_text::RestoreMultiLineText(f);
  if (quoted) {
    QString out;
    out.reserve(f.size() + 8);
    for (qsizetype i = 0; i < f.size(); ++i) {
      if (f[i] == u'\n' && (i == 0 || f[i - 1] != u'\r')) out += u'\r';
      out += f[i];
    }
    f = out;
  }
  return f;
}

}  // namespace grid_clipboard
