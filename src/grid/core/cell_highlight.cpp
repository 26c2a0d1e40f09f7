#include "grid/core/cell_highlight.h"

#include "grid/html/html_highlight.h"

QString HilightText(bool DoCase, const QString& S, const QString& Text) {
  return HighlightInHtml(S, Text, QStringLiteral("hi"), DoCase);
}

QString UnHilightText(const QString& S) { return RemoveHighlightFromHtml(S, QStringLiteral("hi")); }

QString MarkText(bool DoCase, const QString& S, const QString& Text) {
  return HighlightInHtml(S, Text, QStringLiteral("e"), DoCase);
}

QString UnMarkText(const QString& S) { return RemoveHighlightFromHtml(S, QStringLiteral("e")); }
