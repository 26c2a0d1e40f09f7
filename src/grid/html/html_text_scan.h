#pragma once
// Scanning helpers shared by the mini-HTML code: ASCII-only case folding (so
// positions in a folded copy are positions in the original) and the rule by
// which a tag's attribute value is found.
#include <QString>
#include <QStringView>

namespace html_scan {

constexpr QChar Upper(QChar c) { return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c; }

// `text` with a-z upper-cased and every other character as it stands.
QString Ascii_Upper(QStringView text);

// Whether `needle` (upper case) stands at `pos` of `text`, ASCII letters
// compared without regard to case.
bool Matches_At(QStringView text, qsizetype pos, QStringView needle);

// The first position from `from` where `needle` (upper case) stands in
// `text`, ASCII letters compared without regard to case; -1 when none.
qsizetype Index_Of(QStringView text, QStringView needle, qsizetype from = 0);

// The value of attribute `name` (upper case) in a tag: the text between the
// first and second double quote after the name, taken from `tag` as written.
// `upper` is Ascii_Upper(tag). The name counts only where it begins a word,
// so COLOR is not found inside BGCOLOR. `found` tells a missing attribute
// from an empty value.
QString Attribute(QStringView tag, QStringView upper, QStringView name, bool* found = nullptr);

// The leading decimal digits of `text` (a leading sign skipped) as a number,
// 0 when there are none; values beyond `limit` give `limit`.
int Leading_Number(QStringView text, int limit = 1000000);

}  // namespace html_scan
