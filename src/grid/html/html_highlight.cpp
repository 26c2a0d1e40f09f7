#include "grid/html/html_highlight.h"

#include <vector>

#include "grid/html/html_plain_text.h"
#include "grid/html/html_text_scan.h"

namespace {

TColor highlight_background = clHighlight;
TColor highlight_text = clHighlightText;

QString Escape_Brackets(QString text) {
  text.replace(QLatin1Char('<'), QLatin1String("&lt;"));
  text.replace(QLatin1Char('>'), QLatin1String("&gt;"));
  return text;
}

// Every occurrence of `needle` (any ASCII letter case) removed.
void Remove_All(QString& text, const QString& needle) {
  const QString upper = html_scan::Ascii_Upper(needle);
  QString out;
  out.reserve(text.size());
  qsizetype i = 0;
  for (;;) {
    const qsizetype at = html_scan::Index_Of(text, upper, i);
    if (at < 0) break;
    out += QStringView(text).mid(i, at - i);
    i = at + needle.size();
  }
  out += QStringView(text).mid(i);
  text = out;
}

// Whether the visible text of html holds "<" or ">": a "<" with no ">" after
// it, or a ">" outside the tags.
bool Has_Stray_Brackets(const QString& html) {
  qsizetype i = 0;
  while (i < html.size()) {
    if (html[i] == u'<') {
      const qsizetype end = html.indexOf(u'>', i + 1);
      if (end < 0) return true;
      i = end + 1;
    } else if (html[i] == u'>') {
      return true;
    } else {
      ++i;
    }
  }
  return false;
}

// Wraps every hit of needle in the visible text of source. One forward walk
// over the source finds the hits (a failure table over the needle, so the
// walk never steps back), then the result is built at its final size: many
// hits in a long text stay linear and touch little memory.
QString Tag_Hits(const QString& source, const QString& needle, const QString& tag, bool caseSensitive) {
  const qsizetype m = needle.size();
  auto fold = [caseSensitive](QChar c) { return caseSensitive ? c : c.toUpper(); };
  std::vector<QChar> pattern(static_cast<size_t>(m));
  for (qsizetype k = 0; k < m; ++k) pattern[size_t(k)] = fold(needle[k]);
  std::vector<qsizetype> fail(size_t(m), 0);
  for (qsizetype k = 1, q = 0; k < m; ++k) {
    while (q > 0 && pattern[size_t(k)] != pattern[size_t(q)]) q = fail[size_t(q - 1)];
    if (pattern[size_t(k)] == pattern[size_t(q)]) ++q;
    fail[size_t(k)] = q;
  }
  // Source index of each of the last m visible characters, by visible index mod m.
  std::vector<qsizetype> recent(size_t(m), 0);
  struct Hit {
    qsizetype Open, Close, End;  // source indexes; End: visible index after the hit
  };
  std::vector<Hit> hits;
  qsizetype visible = 0, q = 0;
  qsizetype i = 0;
  bool closes_left = true;  // once a "<" has no ">" after it, none has
  while (i < source.size()) {
    if (source[i] == u'<' && closes_left) {
      const qsizetype end = source.indexOf(u'>', i + 1);
      if (end >= 0) {
        i = end + 1;
        continue;
      }
      closes_left = false;
    }
    const QChar c = fold(source[i]);
    while (q > 0 && pattern[size_t(q)] != c) q = fail[size_t(q - 1)];
    if (pattern[size_t(q)] == c) ++q;
    recent[size_t(visible % m)] = i;
    ++visible;
    if (q == m) {
      // Hits do not overlap: the search starts afresh after one.
      hits.push_back({recent[size_t(visible % m)], i + 1, visible});
      q = 0;
    }
    ++i;
  }
  if (hits.empty()) return source;
  // The opening tag goes after the tags in front of a hit, so that a hit
  // right after another one does not land inside its pair; the closing tag
  // right after the hit, or after the trailing tags for a hit at the end.
  if (hits.back().End == visible) hits.back().Close = source.size();
  const QString open = QLatin1Char('<') + tag + QLatin1Char('>');
  const QString close = QLatin1String("</") + tag + QLatin1Char('>');
  QString result;
  result.reserve(source.size() + qsizetype(hits.size()) * (open.size() + close.size()));
  qsizetype copied = 0;
  for (const Hit& hit : hits) {
    result += QStringView(source).mid(copied, hit.Open - copied);
    result += open;
    result += QStringView(source).mid(hit.Open, hit.Close - hit.Open);
    result += close;
    copied = hit.Close;
  }
  result += QStringView(source).mid(copied);
  return result;
}

}  // namespace

QString HighlightInHtml(const QString& html, const QString& search, const QString& tag, bool caseSensitive) {
  if (search.isEmpty()) return html;
  // Angle brackets that are no tags: the text is taken as plain text.
  if (html.contains(search) && Has_Stray_Brackets(html))
    return Tag_Hits(Escape_Brackets(VisibleText(html)), Escape_Brackets(search), tag, caseSensitive);
  return Tag_Hits(html, search, tag, caseSensitive);
}

QString RemoveHighlightFromHtml(const QString& html, const QString& tag) {
  QString out = html;
  Remove_All(out, QLatin1Char('<') + tag + QLatin1Char('>'));
  Remove_All(out, QLatin1String("</") + tag + QLatin1Char('>'));
  QString decoded;
  decoded.reserve(out.size());
  for (qsizetype i = 0; i < out.size(); ++i) {
    if (html_scan::Matches_At(out, i, u"&LT;")) {
      decoded += QLatin1Char('<');
      i += 3;
    } else if (html_scan::Matches_At(out, i, u"&GT;")) {
      decoded += QLatin1Char('>');
      i += 3;
    } else {
      decoded += out[i];
    }
  }
  return decoded;
}

void SetHtmlHighlightColors(TColor background, TColor text) {
  highlight_background = background;
  highlight_text = text;
}

TColor HtmlHighlightBackground() { return highlight_background; }
TColor HtmlHighlightText() { return highlight_text; }
