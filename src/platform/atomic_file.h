#pragma once
#include <QByteArray>
#include <QByteArrayView>
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

// Writes `bytes` to a temporary file beside the real target of `path` (see
// Real_Target) and renames it over the target, so a crash or a full disk
// never leaves a half-written file behind. Throws File_Write_Error naming
// `path` with the system's reason; the old file then stays as it was. The
// temporary file has a fixed name, so one left by a killed save goes at the
// next save of the same file.
void Write(const QString& path, const QByteArray& bytes);

// Writes meant for this folder (the configurations' PROJECTS folder) must
// land inside its real path: a symbolic link of a configuration folder, of a
// sub-folder or of the file itself (dangling or not) that leads elsewhere
// makes the write fail. An empty text guards no folder.
void Guard_Folder(const QString& folder);

// The file that a write to `path` replaces: the file's own symbolic links
// followed to their end (a dangling one to the file it would create) in a
// folder given by its real path. Throws File_Write_Error when the links do
// not end, when the folder does not exist, or when `path` names a file in the
// guarded folder and the target lies outside its real path.
QString Real_Target(const QString& path);

// A file written in parts and put in place as a whole: the parts go to the
// temporary file beside the real target as they come, so a large file is
// never held in memory. Commit puts it over the target; a writer destroyed
// before that (an error, an exception from whoever produces the parts)
// removes the temporary file and leaves the old file as it was. The target
// is resolved and the temporary file opened on the first part, so the
// errors of an unwritable path come where Write would give them.
class Writer {
 public:
  explicit Writer(const QString& path);
  ~Writer();
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;
  void Append(QByteArrayView bytes);
  void Commit();

 private:
  // Opens the temporary file on the first part (a no-op once open).
  void Open();
  void Fail(int error);
  QString path_;
  QString target_;
  int fd_ = -1;
  bool committed_ = false;
};

// The steps of Write, for files replaced together (platform/file_set.h).
// `target` is a Real_Target; errors name `path`.
QString Temporary_Path(const QString& target);
void Write_Temporary(const QString& path, const QString& target, const QByteArray& bytes);
void Rename_Temporary(const QString& path, const QString& target);
void Remove_Temporary(const QString& target);

}  // namespace atomic_file
