#include "grid/settings/ini_file.h"

#include <QFile>
#include <QStringDecoder>

#include "platform/ansi_codec.h"
#include "platform/atomic_file.h"
#include "platform/number_entry.h"

namespace {

QString Decode(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return text;
  return ansi::Decode(bytes);
}

// The section name of a "[name]" line; nullopt for any other line.
std::optional<QString> Header_Name(const QByteArray& line) {
  const QByteArray trimmed = line.trimmed();
  if (trimmed.size() < 2 || !trimmed.startsWith('[')) return std::nullopt;
  const qsizetype close = trimmed.indexOf(']');
  if (close < 0) return std::nullopt;
  return Decode(trimmed.mid(1, close - 1)).trimmed();
}

// The key of a "key=value" line; nullopt for any other line.
std::optional<QString> Key_Name(const QByteArray& line) {
  const qsizetype eq = line.indexOf('=');
  if (eq < 0) return std::nullopt;
  const QByteArray trimmed = line.trimmed();
  if (trimmed.startsWith(';') || trimmed.startsWith('#') || trimmed.startsWith('[')) return std::nullopt;
  return Decode(line.left(eq)).trimmed();
}

}  // namespace

Ini_File::Ini_File(const QString& path) : path_(path) {}

Ini_File Ini_File::Open(const QString& path) {
  QFile file(path);
  if (!file.exists()) return Ini_File(path);
  if (!file.open(QIODevice::ReadOnly))
    throw Ini_File_Error(QStringLiteral("Cannot open file %1: %2").arg(path, file.errorString()).toStdString());
  const QByteArray bytes = file.read(Max_Bytes + 1);
  if (bytes.size() > Max_Bytes) throw Ini_File_Error(QStringLiteral("%1 is too large").arg(path).toStdString());
  return From_Bytes(bytes, path);
}

Ini_File Ini_File::From_Bytes(const QByteArray& bytes, const QString& path) {
  Ini_File ini(path);
  qsizetype start = 0;
  while (start < bytes.size()) {
    const qsizetype lf = bytes.indexOf('\n', start);
    if (lf < 0) {
      ini.lines_.push_back({bytes.mid(start), QByteArray()});
      break;
    }
    const bool cr = lf > start && bytes[lf - 1] == '\r';
    ini.lines_.push_back({bytes.mid(start, lf - start - (cr ? 1 : 0)), cr ? QByteArrayLiteral("\r\n") : "\n"});
    start = lf + 1;
  }
  return ini;
}

QByteArray Ini_File::Bytes() const {
  QByteArray out;
  for (const Line& line : lines_) out += line.text + line.end;
  return out;
}

int Ini_File::Section_Header(const QString& section) const {
  if (section.isEmpty()) return -1;
  for (int i = 0; i < int(lines_.size()); ++i) {
    const std::optional<QString> name = Header_Name(lines_[size_t(i)].text);
    if (name && name->compare(section, Qt::CaseInsensitive) == 0) return i;
  }
  return -2;  // no such section
}

int Ini_File::Find_Key(int header, const QString& key) const {
  if (header == -2) return -1;
  for (int i = header + 1; i < int(lines_.size()); ++i) {
    const QByteArray& text = lines_[size_t(i)].text;
    if (Header_Name(text)) return -1;
    const std::optional<QString> name = Key_Name(text);
    if (name && name->compare(key, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

std::optional<QString> Ini_File::Read(const QString& section, const QString& key) const {
  const int line = Find_Key(Section_Header(section), key);
  if (line < 0) return std::nullopt;
  const QByteArray& text = lines_[size_t(line)].text;
  QByteArray value = text.mid(text.indexOf('=') + 1);
  // CRs ending a value belong to line ends (a stray CR before CR LF, or a
  // last line without LF that a write ends), never to the value.
  while (value.endsWith('\r')) value.chop(1);
  return Decode(value);
}

QString Ini_File::Read_String(const QString& section, const QString& key, const QString& fallback) const {
  return Read(section, key).value_or(fallback);
}

int Ini_File::Read_Integer(const QString& section, const QString& key, int fallback) const {
  const std::optional<QString> text = Read(section, key);
  int32_t value = 0;
  if (!text || !Try_Read_Number(*text, value)) return fallback;
  return value;
}

QByteArray Ini_File::Line_End() const {
  for (const Line& line : lines_)
    if (!line.end.isEmpty()) return line.end;
  return QByteArrayLiteral("\r\n");
}

void Ini_File::Write_String(const QString& section, const QString& key, const QString& value) {
  // A line end inside the value would split it into lines of their own.
  QString clean = value;
  clean.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  const QByteArray text = key.toUtf8() + '=' + clean.toUtf8();
  int header = Section_Header(section);
  const int existing = Find_Key(header, key);
  if (existing >= 0) {
    lines_[size_t(existing)].text = text;
    return;
  }
  if (!lines_.empty() && lines_.back().end.isEmpty()) {
    // The unterminated last line gets its line end; a CR it ends with was
    // that line end's start, not text.
    if (lines_.back().text.endsWith('\r')) lines_.back().text.chop(1);
    lines_.back().end = Line_End();
  }
  if (header == -2) {
    lines_.push_back({'[' + section.toUtf8() + ']', Line_End()});
    lines_.push_back({text, Line_End()});
    return;
  }
  // After the last value of the section (blank lines and comments after it
  // stay with the next section).
  int at = header;
  for (int i = header + 1; i < int(lines_.size()); ++i) {
    const QByteArray& line = lines_[size_t(i)].text;
    if (Header_Name(line)) break;
    if (Key_Name(line)) at = i;
  }
  lines_.insert(lines_.begin() + (at + 1), Line{text, Line_End()});
}

void Ini_File::Update() const { atomic_file::Write(path_, Bytes()); }
