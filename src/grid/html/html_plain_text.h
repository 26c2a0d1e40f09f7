#pragma once
// The text of a mini-HTML string without its markup. A tag runs from a "<"
// to the next ">" after it; a "<" with no ">" after it is no tag and stays,
// as does everything after it. Positions are 1-based.
#include <QString>

// "<BR>" and "<HR>" (any letter case) as CR LF, then every tag removed.
// Entities stay as written.
QString HtmlToPlainText(const QString& text);

// The html with every tag removed: the characters a reader sees, counted as
// the highlighting below counts them.
QString VisibleText(const QString& html);

// The position in html just after its (n-1)-th visible character, before any
// tags in front of the n-th; the length + 1 when n - 1 is the number of
// visible characters (or more); 1 for n <= 1.
int VisibleToHtmlIndex(const QString& html, int n);

// The position in html of its n-th visible character, after any tags in front
// of it; the length + 1 when there are fewer than n.
int VisibleCharHtmlIndex(const QString& html, int n);

// The 1-based position in `visible` of the first occurrence of `search` that
// starts after the first `from` characters, also stored in `pos`; 0 when none.
// Without `caseSensitive` both sides are upper-cased by the locale.
int FindVisibleText(const QString& search, const QString& visible, int from, int& pos, bool caseSensitive);
