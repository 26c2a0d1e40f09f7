#pragma once
// The visual-properties file: one "name=value" line per property, no blanks
// around "=", lines ended by CR LF, written in Windows-1252. On reading, a
// UTF-8 or UTF-16 signature is honoured (else Windows-1252), lines may end
// in CR LF, LF or CR, names match without regard to case and the first line
// of a name counts; a line without "=" is no value.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class Visual_Props_File {
 public:
  static constexpr qsizetype Max_Bytes = 1024 * 1024;

  static Visual_Props_File Parse(const QByteArray& bytes);
  std::optional<QString> Value(const QString& name) const;

  static QByteArray Format(const std::vector<std::pair<QString, QString>>& lines);

 private:
  QHash<QString, QString> values_;  // by lower-case name
};
