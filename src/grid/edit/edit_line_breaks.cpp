#include "grid/edit/edit_line_breaks.h"

#include <algorithm>

namespace edit_filter {

namespace {
constexpr QChar CR = QChar(13);
constexpr QChar LF = QChar(10);
}  // namespace

bool Has_Line_Break(const QString& text) { return text.contains(CR) || text.contains(LF); }

QString To_Control_Lines(const QString& cell_text) {
  QString out;
  out.reserve(cell_text.size());
  for (qsizetype i = 0; i < cell_text.size(); ++i) {
    const QChar ch = cell_text[i];
    if (ch == CR) {
      out += LF;
      if (i + 1 < cell_text.size() && cell_text[i + 1] == LF) ++i;
    } else {
      out += ch;
    }
  }
  return out;
}

QString To_Cell_Lines(const QString& control_text) {
  QString out = control_text;
  out.replace(LF, QStringLiteral("\r\n"));
  return out;
}

int Cell_Position(const QString& control_text, int pos) {
  pos = std::clamp(pos, 0, int(control_text.size()));
  return pos + int(control_text.left(pos).count(LF));
}

int Control_Position(const QString& cell_text, int pos) {
  pos = std::clamp(pos, 0, int(cell_text.size()));
  int out = 0;
  for (int i = 0; i < pos; ++i) {
    // The LF of a CR LF pair is the same control character as its CR.
    if (cell_text[i] == LF && i > 0 && cell_text[i - 1] == CR) continue;
    // Between CR and LF: the position of the break itself.
    if (cell_text[i] == CR && i + 1 == pos && i + 1 < cell_text.size() && cell_text[i + 1] == LF) break;
    ++out;
  }
  return out;
}

QString First_Line(const QString& text) {
  const qsizetype cr = text.indexOf(CR), lf = text.indexOf(LF);
  qsizetype end = text.size();
  if (cr >= 0) end = std::min(end, cr);
  if (lf >= 0) end = std::min(end, lf);
  return text.left(end);
}

}  // namespace edit_filter
