#include "grid/html/html_entities.h"

#include <array>

#include "grid/html/html_text_scan.h"

namespace {

struct Entity {
  char16_t Letter;
  const char* Name;
};

// The accented and special letters and their entities, in the order the
// escaping replaces them.
constexpr std::array<Entity, 55> kEntities{{
    {u'é', "&eacute;"}, {u'è', "&egrave;"}, {u'ë', "&euml;"},   {u'ê', "&ecirc;"},  {u'ó', "&oacute;"},
    {u'ò', "&ograve;"}, {u'ö', "&ouml;"},   {u'ô', "&ocirc;"},  {u'í', "&iacute;"}, {u'ì', "&igrave;"},
    {u'ï', "&iuml;"},   {u'î', "&icirc;"},  {u'ú', "&uacute;"}, {u'ù', "&ugrave;"}, {u'ü', "&uuml;"},
    {u'û', "&ucirc;"},  {u'á', "&aacute;"}, {u'à', "&agrave;"}, {u'ä', "&auml;"},   {u'â', "&acirc;"},
    {u'É', "&Eacute;"}, {u'È', "&Egrave;"}, {u'Ë', "&Euml;"},   {u'Ê', "&Ecirc;"},  {u'Ó', "&Oacute;"},
    {u'Ò', "&Ograve;"}, {u'Ö', "&Ouml;"},   {u'Ô', "&Ocirc;"},  {u'Í', "&Iacute;"}, {u'Ì', "&Igrave;"},
    {u'Ï', "&Iuml;"},   {u'Î', "&Icirc;"},  {u'Ú', "&Uacute;"}, {u'Ù', "&Ugrave;"}, {u'Ü', "&Uuml;"},
    {u'Û', "&Ucirc;"},  {u'Á', "&Aacute;"}, {u'À', "&Agrave;"}, {u'Ä', "&Auml;"},   {u'Â', "&Acirc;"},
    {u'ç', "&ccedil;"}, {u'Ç', "&Ccedil;"}, {u'ø', "&oslash;"}, {u'Ø', "&Oslash;"}, {u'å', "&aring;"},
    {u'Å', "&Aring;"},  {u'©', "&copy;"},   {u'®', "&reg;"},    {u'€', "&euro;"},   {u'«', "&laquo;"},
    {u'»', "&raquo;"},  {u'ã', "&atilde;"}, {u'Ã', "&Atilde;"}, {u'õ', "&otilde;"}, {u'Õ', "&Otilde;"},
}};

const char* Entity_Of(QChar c) {
  for (const Entity& e : kEntities)
    if (c.unicode() == e.Letter) return e.Name;
  return nullptr;
}

// Whether the ASCII text `name` stands at `pos`, letter case exact.
bool Exact_At(const QString& text, qsizetype pos, const char* name) {
  qsizetype k = 0;
  for (; name[k]; ++k)
    if (pos + k >= text.size() || text[pos + k] != QLatin1Char(name[k])) return false;
  return true;
}

}  // namespace

QString EscapeHtmlChars(const QString& text, bool accented) {
  QString out;
  out.reserve(text.size() + text.size() / 8);
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'&':
        out += QLatin1String("&amp;");
        break;
      case u'"':
        out += QLatin1String("&quot;");
        break;
      case u'<':
        out += QLatin1String("&lt;");
        break;
      case u'>':
        out += QLatin1String("&gt;");
        break;
      default:
        if (const char* name = accented ? Entity_Of(c) : nullptr)
          out += QLatin1String(name);
        else
          out += c;
    }
  }
  return out;
}

QString UnescapeHtmlChars(const QString& text, bool accented) {
  static const struct {
    QStringView Name;
    QChar Letter;
  } kBasic[] = {{u"&LT;", u'<'}, {u"&GT;", u'>'}, {u"&AMP;", u'&'}, {u"&QUOT;", u'"'}};
  QString out;
  out.reserve(text.size());
  qsizetype i = 0;
  while (i < text.size()) {
    if (text[i] != u'&') {
      out += text[i++];
      continue;
    }
    bool done = false;
    for (const auto& b : kBasic) {
      if (html_scan::Matches_At(text, i, b.Name)) {
        out += b.Letter;
        i += b.Name.size();
        done = true;
        break;
      }
    }
    if (!done && accented) {
      for (const Entity& e : kEntities) {
        if (Exact_At(text, i, e.Name)) {
          out += QChar(e.Letter);
          i += qsizetype(qstrlen(e.Name));
          done = true;
          break;
        }
      }
    }
    if (!done) out += text[i++];
  }
  return out;
}

QString SpacesToNbsp(const QString& text) {
  QString out = text;
  out.replace(QLatin1Char(' '), QLatin1String("&nbsp;"));
  return out;
}

bool ReplaceFirstNoCase(const QString& search, const QString& replacement, QString& text) {
  if (search.isEmpty()) return false;
  const qsizetype at = html_scan::Index_Of(text, html_scan::Ascii_Upper(search));
  if (at < 0) return false;
  text.replace(at, search.size(), replacement);
  return true;
}
