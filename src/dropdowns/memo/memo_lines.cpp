#include "dropdowns/memo/memo_lines.h"

QStringList Split_Memo_Lines(const QString& Text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = Text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = Text[i];
    if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
    lines.append(Text.mid(start, i - start));
    if (c == QLatin1Char('\r') && i + 1 < n && Text[i + 1] == QLatin1Char('\n')) ++i;
    start = i + 1;
  }
  if (start < n) lines.append(Text.mid(start));
  return lines;
}

QString Join_Memo_Lines(const QStringList& Lines) { return Lines.join(QStringLiteral("\r\n")); }
