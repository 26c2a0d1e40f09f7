#include "grid/html/html_auto_link.h"

#include "grid/html/html_text_scan.h"

namespace {

bool Is_Url_Char(QChar c) {
  const char16_t u = c.unicode();
  if ((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z')) return true;
  switch (u) {
    case u'%':
    case u'(':
    case u')':
    case u'-':
    case u'.':
    case u'/':
    case u':':
    case u'@':
    case u'\\':
    case u'_':
    case u'{':
    case u'}':
      return true;
    default:
      return false;
  }
}

}  // namespace

bool InsertAutoLink(const QString& text, const QString& prefix, QString& result) {
  const QString upper_prefix = html_scan::Ascii_Upper(prefix);
  if (prefix.isEmpty() || html_scan::Index_Of(text, upper_prefix) < 0) return false;
  QString escaped = text;
  escaped.replace(QLatin1Char('<'), QLatin1String("&lt;"));
  escaped.replace(QLatin1Char('>'), QLatin1String("&gt;"));
  const qsizetype start = html_scan::Index_Of(escaped, upper_prefix);
  qsizetype end = start;
  while (end < escaped.size() && Is_Url_Char(escaped[end])) ++end;
  const QString url = escaped.mid(start, end - start);
  result = escaped.left(start) + QLatin1String("<a href=\"") + url + QLatin1String("\">") + url +
           QLatin1String("</a>") + escaped.mid(end);
  return true;
}
