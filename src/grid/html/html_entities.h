#pragma once
// Entities of the grid's HTML cell texts: escaping for HTML output and back,
// and the case-blind replacement the HTML code is built on.
#include <QString>

// "&", double quote, "<" and ">" as entities; with `accented` also the 55
// accented and special letters of the entity table (é -> "&eacute;", © ->
// "&copy;" ...). "&" is escaped in one step, so a "*amp;" in the text stays.
QString EscapeHtmlChars(const QString& text, bool accented);

// The reverse, in one pass from left to right: "&lt;", "&gt;", "&amp;" and
// "&quot;" in any letter case, and with `accented` the table's entities
// (letter case exact). What one entity gives is not read again, so
// "&amp;quot;" gives "&quot;" and UnescapeHtmlChars(EscapeHtmlChars(s)) = s.
QString UnescapeHtmlChars(const QString& text, bool accented);

// Every blank as "&nbsp;".
QString SpacesToNbsp(const QString& text);

// Replaces the first occurrence of `search` in `text`, ASCII letters matched
// without regard to case, by `replacement`; false when there is none.
bool ReplaceFirstNoCase(const QString& search, const QString& replacement, QString& text);
