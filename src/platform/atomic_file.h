#pragma once
#include <QByteArray>
#include <QString>
#include <stdexcept>

// A write that failed, with the file's name and the system's reason in what().
class File_Write_Error : public std::runtime_error {
 public:
  File_Write_Error(const QString& path, const QString& reason);
  const QString& Path() const { return path_; }

 private:
  QString path_;
};

namespace atomic_file {

// Writes `bytes` to a temporary file beside `path` and renames it over `path`,
// so a crash or a full disk never leaves a half-written file behind.
// Throws File_Write_Error on failure; the old file then stays as it was.
void Write(const QString& path, const QByteArray& bytes);

}  // namespace atomic_file
