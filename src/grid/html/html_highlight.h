#pragma once
// Found and marked text in HTML cell texts: wrapped in a tag ("hi" for
// highlighted, "e" for marked text) and unwrapped again, and the colours the
// renderer gives the HI tag.
#include <QString>

#include "controls/tcolor.h"

// Wraps every occurrence of `search` in the visible text of html, left to
// right and without overlap, in "<tag>" and "</tag>"; the tags of html stay
// where they are. When the visible text holds angle brackets that are no tags
// (and html holds `search` as written) the whole text is taken as plain text,
// its brackets escaped. Each hit gets its own pair, also when hits touch.
QString HighlightInHtml(const QString& html, const QString& search, const QString& tag, bool caseSensitive);

// Removes every "<tag>" and "</tag>" (any letter case), then turns "&lt;"
// and "&gt;" back into "<" and ">".
QString RemoveHighlightFromHtml(const QString& html, const QString& tag);

// The background and text colours of the HI tag, for the whole program
// (initially clHighlight and clHighlightText).
void SetHtmlHighlightColors(TColor background, TColor text);
TColor HtmlHighlightBackground();
TColor HtmlHighlightText();
