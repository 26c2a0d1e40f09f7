#include "grid/html/html_plain_text.h"

#include <QLocale>

#include "grid/html/html_text_scan.h"

namespace {

// Calls `visible(i)` for every character of html outside the tags.
template <typename F>
void For_Visible(const QString& html, F visible) {
  qsizetype i = 0;
  while (i < html.size()) {
    if (html[i] == u'<') {
      const qsizetype end = html.indexOf(u'>', i + 1);
      if (end >= 0) {
        i = end + 1;
        continue;
      }
    }
    visible(i);
    ++i;
  }
}

}  // namespace

QString HtmlToPlainText(const QString& text) {
  QString broken;
  broken.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'<' && (html_scan::Matches_At(text, i, u"<BR>") || html_scan::Matches_At(text, i, u"<HR>"))) {
      broken += QLatin1String("\r\n");
      i += 3;
    } else {
      broken += text[i];
    }
  }
  return VisibleText(broken);
}

QString VisibleText(const QString& html) {
  QString out;
  out.reserve(html.size());
  For_Visible(html, [&](qsizetype i) { out += html[i]; });
  return out;
}

int VisibleToHtmlIndex(const QString& html, int n) {
  if (n <= 1) return 1;
  int seen = 0;
  int position = 0;
  For_Visible(html, [&](qsizetype i) {
    if (++seen == n - 1) position = int(i) + 2;
  });
  // After the last visible character the trailing tags are passed too.
  return seen <= n - 1 ? int(html.size()) + 1 : position;
}

int VisibleCharHtmlIndex(const QString& html, int n) {
  int seen = 0;
  int position = int(html.size()) + 1;
  bool found = false;
  For_Visible(html, [&](qsizetype i) {
    if (found) return;
    if (++seen == n) {
      position = int(i) + 1;
      found = true;
    }
  });
  return position;
}

int FindVisibleText(const QString& search, const QString& visible, int from, int& pos, bool caseSensitive) {
  pos = 0;
  if (search.isEmpty() || from < 0 || from >= visible.size()) return 0;
  qsizetype at;
  if (caseSensitive) {
    at = visible.indexOf(search, from);
  } else {
    const QLocale locale;
    const QString s = locale.toUpper(search), v = locale.toUpper(visible);
    // A letter whose upper case is longer (ß -> SS) would shift positions.
    at = s.size() == search.size() && v.size() == visible.size() ? v.indexOf(s, from)
                                                                 : visible.indexOf(search, from, Qt::CaseInsensitive);
  }
  pos = at < 0 ? 0 : int(at) + 1;
  return pos;
}
