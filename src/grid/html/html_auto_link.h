#pragma once
// Automatic links: the first URL of a text wrapped as an anchor.
#include <QString>
#include <array>

// The URL starts the grid looks for, in the order it tries them.
inline constexpr std::array<const char*, 7> kAutoLinkPrefixes{"HTTP://", "WWW.",    "MAILTO:", "HTTPS://",
                                                              "NNTP://", "FILE://", "FTP://"};

// When `text` holds `prefix` (upper case, found in any letter case): `result`
// is the text with "<" and ">" escaped and the URL starting at the prefix's
// first occurrence (running while its characters belong to URLs) wrapped as
// <a href="URL">URL</a>, and the answer is true. Otherwise false.
bool InsertAutoLink(const QString& text, const QString& prefix, QString& result);
