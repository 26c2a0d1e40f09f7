#pragma once
// The lines of a multi-line text as the memo drop-down keeps them.
#include <QString>
#include <QStringList>

// Splits at CR LF, CR or LF; a line break at the end starts no empty line,
// and an empty text has no lines.
QStringList Split_Memo_Lines(const QString& Text);
// The lines joined with CR LF (no line break after the last).
QString Join_Memo_Lines(const QStringList& Lines);
