#include "grid/html/html_text_scan.h"

namespace html_scan {

QString Ascii_Upper(QStringView text) {
  QString out(text.size(), Qt::Uninitialized);
  QChar* d = out.data();
  for (qsizetype i = 0; i < text.size(); ++i) d[i] = Upper(text[i]);
  return out;
}

bool Matches_At(QStringView text, qsizetype pos, QStringView needle) {
  if (pos < 0 || pos + needle.size() > text.size()) return false;
  for (qsizetype k = 0; k < needle.size(); ++k)
    if (Upper(text[pos + k]) != needle[k]) return false;
  return true;
}

qsizetype Index_Of(QStringView text, QStringView needle, qsizetype from) {
  if (needle.isEmpty()) return from <= text.size() ? from : -1;
  const QChar first = needle[0];
  for (qsizetype i = std::max<qsizetype>(from, 0); i + needle.size() <= text.size(); ++i)
    if (Upper(text[i]) == first && Matches_At(text, i, needle)) return i;
  return -1;
}

QString Attribute(QStringView tag, QStringView upper, QStringView name, bool* found) {
  if (found) *found = false;
  qsizetype at = 0;
  for (;;) {
    at = upper.indexOf(name, at);
    if (at < 0) return {};
    if (at == 0 || !upper[at - 1].isLetterOrNumber()) break;
    ++at;
  }
  const qsizetype open = upper.indexOf(u'"', at + name.size());
  if (open < 0) return {};
  const qsizetype close = upper.indexOf(u'"', open + 1);
  if (close < 0) return {};
  if (found) *found = true;
  return tag.mid(open + 1, close - open - 1).toString();
}

int Leading_Number(QStringView text, int limit) {
  qsizetype i = 0;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
  long long value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i].unicode() - u'0');
    if (value > limit) return limit;
  }
  return int(value);
}

}  // namespace html_scan
