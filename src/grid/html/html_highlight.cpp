#include "grid/html/html_highlight.h"

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
  QString result = html;
  QString needle = search;
  if (html.contains(search) && (visible.contains(QLatin1Char('<')) || visible.contains(QLatin1Char('>')))) {
    visible = Escape_Brackets(visible);
    needle = Escape_Brackets(needle);
    result = visible;
  }
  const QString open = QLatin1Char('<') + tag + QLatin1Char('>');
  const QString close = QLatin1String("</") + tag + QLatin1Char('>');
  int from = 0;
  int pos = 0;
  while (FindVisibleText(needle, visible, from, pos, caseSensitive) > 0) {
    const int end = pos + int(needle.size());
    // The opening tag goes after the tags in front of the hit, so that a hit
    // right after another one does not land inside its pair.
    result.insert(VisibleCharHtmlIndex(result, pos) - 1, open);
    result.insert(VisibleToHtmlIndex(result, end) - 1, close);
    from = end - 1;
  }
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
