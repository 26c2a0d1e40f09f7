#include "grid/html/html_plain_text.h"

QString Html_Plain_Text(const QString& html) {
  QString out;
  out.reserve(html.size());
  int i = 0;
  while (i < html.size()) {
    const QChar c = html[i];
    if (c == QLatin1Char('<')) {
      const int end = html.indexOf(QLatin1Char('>'), i + 1);
      if (end < 0) {
        out += html.mid(i);
        break;
      }
      const QString tag = html.mid(i + 1, end - i - 1).trimmed().toLower();
      if (tag == QLatin1String("br") || tag == QLatin1String("br/") || tag == QLatin1String("/p"))
        out += QStringLiteral("\r\n");
      i = end + 1;
      continue;
    }
    if (c == QLatin1Char('&')) {
      static const std::pair<const char*, QChar> entities[] = {{"&amp;", QLatin1Char('&')},
                                                               {"&lt;", QLatin1Char('<')},
                                                               {"&gt;", QLatin1Char('>')},
                                                               {"&quot;", QLatin1Char('"')},
                                                               {"&nbsp;", QLatin1Char(' ')}};
      bool replaced = false;
      for (const auto& [name, ch] : entities) {
        if (html.mid(i, int(qstrlen(name))).compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
          out += ch;
          i += int(qstrlen(name));
          replaced = true;
          break;
        }
      }
      if (replaced) continue;
    }
    out += c;
    ++i;
  }
  // A closing paragraph at the very end adds no empty line.
  while (out.endsWith(QStringLiteral("\r\n"))) out.chop(2);
  return out;
}
