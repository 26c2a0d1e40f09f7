#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace text_file {

// Decodes a text file's bytes: a UTF-8, UTF-16LE or UTF-16BE byte-order mark
// decides the encoding; without one the text is UTF-8 when it is valid UTF-8,
// otherwise Windows-1252 (the code page the Windows tools wrote).
QString Decode(const QByteArray& bytes);

// Whole file as lines (CR LF or LF ends); nullopt when it cannot be read.
std::optional<QStringList> Read_Lines(const QString& path);

}  // namespace text_file
