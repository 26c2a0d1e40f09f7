#pragma once
// An INI file kept whole in memory and written back whole.
//
// Layout: lines ended by LF or CR LF; "[name]" starts a section; "key=value"
// lines hold values, the key being the text before the first "=" with blanks
// around it dropped and the value everything after it, taken as written.
// Section and key names match without regard to case. Lines before the first
// section belong to the section "". Every other line (comments, blanks,
// anything unknown) is kept, and lines that are not written keep their bytes:
// a changed value replaces its own line, a new key goes after the last value
// of its section, a new section at the end of the file. Texts are read as
// UTF-8 when they are valid UTF-8, else as Windows-1252, and written as UTF-8.
#include <QByteArray>
#include <QString>
#include <optional>
#include <stdexcept>
#include <vector>

class Ini_File_Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Ini_File {
 public:
  static constexpr qint64 Max_Bytes = 16 * 1024 * 1024;

  // An empty file (nothing read yet) for `path`.
  explicit Ini_File(const QString& path = QString());
  // Reads `path`; a missing file is an empty one. A file that exists but
  // cannot be read, or is larger than Max_Bytes, throws Ini_File_Error: a
  // later write would lose what it holds.
  static Ini_File Open(const QString& path);
  static Ini_File From_Bytes(const QByteArray& bytes, const QString& path = QString());

  const QString& Path() const { return path_; }
  QByteArray Bytes() const;

  std::optional<QString> Read(const QString& section, const QString& key) const;
  QString Read_String(const QString& section, const QString& key, const QString& fallback) const;
  // A decimal or "$"/"0x" hexadecimal number; `fallback` when the key is
  // missing or its value is not a number.
  int Read_Integer(const QString& section, const QString& key, int fallback) const;
  bool Value_Exists(const QString& section, const QString& key) const { return Read(section, key).has_value(); }

  void Write_String(const QString& section, const QString& key, const QString& value);
  void Write_Integer(const QString& section, const QString& key, int value) {
    Write_String(section, key, QString::number(value));
  }

  // Writes the whole file through a temporary file; throws File_Write_Error
  // (platform/atomic_file.h) with the old file left as it was.
  void Update() const;

 private:
  struct Line {
    QByteArray text;  // without its line end
    QByteArray end;   // "\r\n", "\n" or "" for a last line without one
  };
  // The section of every line: the index of its header line, -1 before any.
  int Section_Header(const QString& section) const;
  // The line holding the key in the section whose header is at `header`.
  int Find_Key(int header, const QString& key) const;
  QByteArray Line_End() const;

  QString path_;
  std::vector<Line> lines_;
};
