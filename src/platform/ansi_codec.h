#pragma once
#include <QByteArray>
#include <QString>

// The "ANSI code page" of the files this program exchanges with Windows
// tools is Windows-1252; Qt has no built-in codec for it, so the table is ours.
namespace ansi {

QString Decode(const QByteArray& bytes);
// Characters outside Windows-1252 become '?', as the Windows converter does.
QByteArray Encode(const QString& text);

}  // namespace ansi
