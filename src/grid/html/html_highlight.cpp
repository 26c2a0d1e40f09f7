#include "grid/html/html_highlight.h"

#include <algorithm>
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

// Finds the hits of a needle in the visible text of an HTML source: one
// forward walk (a failure table over the needle, so the walk never steps
// back), letters compared upper-cased one by one when case does not count.
class Hit_Scanner {
 public:
  Hit_Scanner(const QString& needle, bool caseSensitive)
      : m_(needle.size()),
        case_sensitive_(caseSensitive),
        pattern_(size_t(m_)),
        fail_(size_t(m_), 0),
        recent_(size_t(m_), 0) {
    for (qsizetype k = 0; k < m_; ++k) pattern_[size_t(k)] = Fold(needle[k]);
    for (qsizetype k = 1, q = 0; k < m_; ++k) {
      while (q > 0 && pattern_[size_t(k)] != pattern_[size_t(q)]) q = fail_[size_t(q - 1)];
      if (pattern_[size_t(k)] == pattern_[size_t(q)]) ++q;
      fail_[size_t(k)] = q;
    }
  }

  // Calls on_hit(open, close, end) for every hit, left to right and without
  // overlap: open and close are the source indexes of its first character
  // and past its last, end the visible index past it. Answers the number of
  // visible characters.
  template <typename On_Hit>
  qsizetype Scan(const QString& source, On_Hit&& on_hit) {
    const QChar* s = source.constData();
    const qsizetype n = source.size();
    qsizetype visible = 0, q = 0, i = 0;
    bool closes_left = true;  // once a "<" has no ">" after it, none has
    while (i < n) {
      if (s[i] == u'<' && closes_left) {
        const qsizetype end = source.indexOf(u'>', i + 1);
        if (end >= 0) {
          i = end + 1;
          continue;
        }
        closes_left = false;
      }
      const QChar c = Fold(s[i]);
      while (q > 0 && pattern_[size_t(q)] != c) q = fail_[size_t(q - 1)];
      if (pattern_[size_t(q)] == c) ++q;
      // Source index of each of the last m visible characters, by visible
      // index mod m.
      recent_[size_t(visible % m_)] = i;
      ++visible;
      if (q == m_) {
        // Hits do not overlap: the search starts afresh after one.
        on_hit(recent_[size_t(visible % m_)], i + 1, visible);
        q = 0;
      }
      ++i;
    }
    return visible;
  }

 private:
  QChar Fold(QChar c) const { return case_sensitive_ ? c : c.toUpper(); }

  qsizetype m_;
  bool case_sensitive_;
  std::vector<QChar> pattern_;
  std::vector<qsizetype> fail_;
  std::vector<qsizetype> recent_;
};

// Wraps every hit of needle in the visible text of source. The hits are
// found twice, the first time only counted, so that the result is written
// straight into a string of its final size and no list of hits is kept:
// many hits in a long text stay linear and touch little memory.
QString Tag_Hits(const QString& source, const QString& needle, const QString& tag, bool caseSensitive) {
  Hit_Scanner scanner(needle, caseSensitive);
  qsizetype count = 0, last_end = -1;
  const qsizetype visible = scanner.Scan(source, [&](qsizetype, qsizetype, qsizetype end) {
    ++count;
    last_end = end;
  });
  if (count == 0) return source;
  const QString open = QLatin1Char('<') + tag + QLatin1Char('>');
  const QString close = QLatin1String("</") + tag + QLatin1Char('>');
  QString result(source.size() + count * (open.size() + close.size()), Qt::Uninitialized);
  QChar* out = result.data();
  const QChar* in = source.constData();
  auto put = [&out](const QChar* from, qsizetype length) {
    std::copy(from, from + length, out);
    out += length;
  };
  // The opening tag goes after the tags in front of a hit, so that a hit
  // right after another one does not land inside its pair; the closing tag
  // right after the hit, or after the trailing tags for a hit at the end.
  const bool last_at_end = last_end == visible;
  qsizetype copied = 0, seen = 0;
  scanner.Scan(source, [&](qsizetype open_at, qsizetype close_at, qsizetype) {
    if (++seen == count && last_at_end) close_at = source.size();
    put(in + copied, open_at - copied);
    put(open.constData(), open.size());
    put(in + open_at, close_at - open_at);
    put(close.constData(), close.size());
    copied = close_at;
  });
  put(in + copied, source.size() - copied);
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
