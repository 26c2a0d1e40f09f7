#include "grid/html/html_highlight.h"

#include <QLocale>

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

}  // namespace

QString HighlightInHtml(const QString& html, const QString& search, const QString& tag, bool caseSensitive) {
  if (search.isEmpty()) return html;
  QString visible = VisibleText(html);
  QString source = html;
  QString needle = search;
  if (html.contains(search) && (visible.contains(QLatin1Char('<')) || visible.contains(QLatin1Char('>')))) {
    visible = Escape_Brackets(visible);
    needle = Escape_Brackets(needle);
    source = visible;
  }
  // The hits are found in one pass over the visible text (upper-cased once
  // when the case does not count) and the result is built in one pass over
  // the source, so that many hits in a long text stay linear.
  QString haystack = visible;
  QString pattern = needle;
  Qt::CaseSensitivity fallback = Qt::CaseSensitive;
  if (!caseSensitive) {
    const QLocale locale;
    haystack = locale.toUpper(visible);
    pattern = locale.toUpper(needle);
    // A letter whose upper case is longer (ß -> SS) would shift positions.
    if (haystack.size() != visible.size() || pattern.size() != needle.size()) {
      haystack = visible;
      pattern = needle;
      fallback = Qt::CaseInsensitive;
    }
  }
  // Walks the source and its visible characters in step: the hits come in
  // order, so the walk only moves forward.
  qsizetype html_at = 0, visible_at = 0;
  bool closes_left = true;  // once a "<" has no ">" after it, none has
  auto html_index_of = [&](qsizetype visible) {
    while (html_at < source.size()) {
      if (source[html_at] == u'<' && closes_left) {
        const qsizetype end = source.indexOf(u'>', html_at + 1);
        if (end >= 0) {
          html_at = end + 1;
          continue;
        }
        closes_left = false;
      }
      if (visible_at == visible) break;
      ++visible_at;
      ++html_at;
    }
    return html_at;
  };
  const QString open = QLatin1Char('<') + tag + QLatin1Char('>');
  const QString close = QLatin1String("</") + tag + QLatin1Char('>');
  QString result;
  qsizetype copied = 0;
  qsizetype from = 0;
  while (from < haystack.size()) {
    const qsizetype hit = haystack.indexOf(pattern, from, fallback);
    if (hit < 0) break;
    const qsizetype end = hit + pattern.size();
    // The opening tag goes after the tags in front of the hit, so that a hit
    // right after another one does not land inside its pair; a hit at the
    // end of the text closes after the trailing tags.
    const qsizetype open_at = html_index_of(hit);
    const qsizetype close_at = end >= haystack.size() ? source.size() : html_index_of(end - 1) + 1;
    if (result.isEmpty()) result.reserve(source.size() + source.size() / 2 + 16);
    result += QStringView(source).mid(copied, open_at - copied);
    result += open;
    result += QStringView(source).mid(open_at, close_at - open_at);
    result += close;
    copied = close_at;
    from = end;
  }
  if (copied == 0) return source;
  result += QStringView(source).mid(copied);
  return result;
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
